// Geometry of one grid axis: a 10-cell axis with 2 fixed cells of 20 and 30
// pixels, the rest 40 pixels, line width 1, scrolled so that cell 4 is first.
#include "platform/grids/grid_axis.h"

#include <gtest/gtest.h>

namespace {

TGridAxis ScrolledAxis() {
  TGridAxis a(10, 2, 40);
  a.SetExtent(0, 20);
  a.SetExtent(1, 30);
  a.SetFirst(4);
  return a;
}

TEST(BaseGridAxis, CellStartsMatchHandSums) {
  TGridAxis a = ScrolledAxis();
  // fixed: 0 at 0, 1 at 21; fixed extent 52; then 4 at 52, 5 at 93, 6 at 134
  struct Case { int index, client, start; } cases[] = {
      {0, 200, 0}, {1, 200, 21}, {2, 200, -1}, {3, 200, -1}, {4, 200, 52},
      {5, 200, 93}, {6, 200, 134}, {7, 200, 175}, {8, 200, -1},  // 216 >= 200
      {7, 175, -1}, {9, 1000, 257}, {10, 1000, -1}, {-1, 1000, -1}};
  EXPECT_EQ(a.FixedExtent(), 52);
  for (const auto& c : cases) EXPECT_EQ(a.CellStart(c.index, c.client), c.start) << c.index << " in " << c.client;
}

TEST(BaseGridAxis, CellAtCountsALineWithTheCellBeforeIt) {
  TGridAxis a = ScrolledAxis();
  struct Case { int pos, cell; } cases[] = {
      {0, 0}, {19, 0}, {20, 0}, {21, 1}, {51, 1}, {52, 4}, {92, 4}, {93, 5},
      {199, 7}, {200, -1}, {-1, -1}};
  for (const auto& c : cases) EXPECT_EQ(a.CellAt(c.pos, 200), c.cell) << c.pos;
}

TEST(BaseGridAxis, VisibleCountsTakeOnlyWholeCells) {
  TGridAxis a = ScrolledAxis();
  // 52 + 40 = 92, +41 = 133 ... cell 7 ends at 215
  EXPECT_EQ(a.LastFullVisible(200), 6);
  EXPECT_EQ(a.VisibleCount(200), 3);
  EXPECT_EQ(a.LastVisible(200), 7);
  EXPECT_EQ(a.VisibleCount(215), 4);
  EXPECT_EQ(a.VisibleCount(60), 0);
  EXPECT_EQ(a.LastVisible(52), 3);  // nothing scrolled in view
}

TEST(BaseGridAxis, MaxFirstFillsTheClientFromTheLastCell) {
  TGridAxis a = ScrolledAxis();
  // room 200 - 52 = 148: cells 9, 8, 7 take 40 + 41 + 41 = 122 <= 148; a 4th would need 163
  EXPECT_EQ(a.MaxFirst(200), 7);
  EXPECT_EQ(a.MaxFirst(10000), 2);
  EXPECT_EQ(a.MaxFirst(10), 9);
}

TEST(BaseGridAxis, OutOfRangeIndexesAreRefused) {
  TGridAxis a(5, 1, 64);
  EXPECT_FALSE(a.SetExtent(5, 10));
  EXPECT_FALSE(a.SetExtent(-1, 10));
  EXPECT_EQ(a.Extent(7), 64);
  EXPECT_FALSE(a.SetFixedCount(5));
  EXPECT_FALSE(a.SetFirst(0));  // a fixed cell
  EXPECT_FALSE(a.SetFirst(5));
  EXPECT_TRUE(a.SetFirst(4));
}

TEST(BaseGridAxis, CountChangesKeepExtentsAndPullPositionsBack) {
  TGridAxis a(6, 2, 30);
  a.SetExtent(1, 12);
  a.SetExtent(5, 99);
  a.SetFirst(5);
  a.SetCount(3);
  EXPECT_EQ(a.First(), 2);
  EXPECT_EQ(a.Extent(1), 12);
  a.SetCount(6);
  EXPECT_EQ(a.Extent(5), 30);  // a new cell takes the default
  a.SetCount(1);
  EXPECT_EQ(a.FixedCount(), 0);
  a.SetDefaultExtent(17);
  EXPECT_EQ(a.Extent(0), 17);
}

TEST(BaseGridAxis, HiddenCellTakesNoRoom) {
  TGridAxis a(4, 0, 10);
  a.SetExtent(1, -1);
  EXPECT_EQ(a.CellStart(2, 100), 11);
  EXPECT_EQ(a.CellStart(1, 100), -1);
  EXPECT_EQ(a.CellAt(11, 100), 2);
}

TEST(BaseGridAxis, MoveExtentShiftsTheCellsBetween) {
  TGridAxis a(4, 0, 10);
  for (int i = 0; i < 4; ++i) a.SetExtent(i, 10 + i);
  a.MoveExtent(0, 2);
  EXPECT_EQ(a.Extent(0), 11);
  EXPECT_EQ(a.Extent(1), 12);
  EXPECT_EQ(a.Extent(2), 10);
  EXPECT_EQ(a.Extent(3), 13);
}

TEST(BaseGridAxis, LoweringTheFixedCountKeepsAnUnscrolledViewUnscrolled) {
  struct Case { int first, newFixed, wantFirst; } cases[] = {
      {2, 1, 1},  // unscrolled: the former fixed cell 1 is shown after cell 0
      {2, 0, 0},
      {5, 1, 5},  // scrolled: the view stays where it was
      {2, 3, 3},  // raising pushes the first cell past the fixed ones
  };
  for (const auto& c : cases) {
    TGridAxis a(10, 2, 40);
    a.SetFirst(c.first);
    ASSERT_TRUE(a.SetFixedCount(c.newFixed));
    EXPECT_EQ(a.First(), c.wantFirst) << c.first << " -> " << c.newFixed;
    EXPECT_EQ(a.CellStart(c.newFixed, 1000) >= 0, c.first == 2 || c.newFixed > 2) << c.first;
  }
}

}  // namespace
