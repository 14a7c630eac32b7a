// Whole columns tinted cell by cell, as the table editors do: hundreds of cell
// properties at once. Each cell keeps its own colour and look through row
// removal, insertion and moves, a stream round trip, and properties freed and
// made again.
#include <gtest/gtest.h>

#include <QBuffer>
#include <set>
#include <vector>

#include "grid/view/ex_string_grid.h"

namespace {

constexpr int kCols = 4;
constexpr int kRows = 601;

// A colour of its own for every tinted cell, so that two cells sharing storage
// would show.
TColor TintOf(int col, int seed) { return RGB(seed % 251, 40 * col, seed / 251); }

struct TintedGrid {
  TExStringGrid g{nullptr};
  // The expected tint per display row and column (clNone: no properties).
  std::vector<std::vector<TColor>> model;

  TintedGrid() {
    g.SetColCount(kCols);
    g.SetRowCount(kRows);
    g.SetFixedCols(1);
    g.SetFixedRows(1);
    model.assign(kRows, std::vector<TColor>(kCols, clNone));
    for (int c = 1; c < kCols; ++c)
      for (int r = 1; r < kRows; ++r) {
        g.SetColors(c, r, TintOf(c, r));
        if (c == 2) g.SetAlignments(c, r, taCenter);
        model[r][c] = TintOf(c, r);
      }
  }

  // Every cell answers its expected tint; column 2's tinted cells stay centred.
  void Check(const char* step) const {
    ASSERT_EQ(g.RowCount(), int(model.size())) << step;
    for (int r = 0; r < g.RowCount(); ++r)
      for (int c = 0; c < kCols; ++c) {
        ASSERT_EQ(g.Colors(c, r), model[r][c]) << step << " cell " << c << "," << r;
        if (c == 2 && model[r][c] != clNone) ASSERT_EQ(g.Alignments(c, r), taCenter) << step << " row " << r;
      }
  }
};

TEST(TintedColumns, EachCellKeepsItsOwnTintThroughRowOperations) {
  TintedGrid t;
  t.Check("tinted");
  std::set<const TCellProperties*> distinct;
  for (int c = 1; c < kCols; ++c)
    for (int r = 1; r < kRows; ++r) distinct.insert(t.g.GetCellProperties(c, r));
  EXPECT_EQ(distinct.size(), size_t((kCols - 1) * (kRows - 1)));

  t.g.RemoveRows(10, 20);
  t.model.erase(t.model.begin() + 10, t.model.begin() + 30);
  t.Check("rows removed");

  t.g.InsertRows(300, 3);
  t.model.insert(t.model.begin() + 300, 3, std::vector<TColor>(kCols, clNone));
  t.Check("rows inserted");

  t.g.MoveRow(2, 500);
  const auto moved = t.model[2];
  t.model.erase(t.model.begin() + 2);
  t.model.insert(t.model.begin() + 500, moved);
  t.Check("row moved");

  // Cells tinted again after the removals get new properties; no other cell
  // changes.
  for (int r = 300; r < 303; ++r)
    for (int c = 1; c < kCols; ++c) {
      t.g.SetColors(c, r, TintOf(c, 1000 + r));
      if (c == 2) t.g.SetAlignments(c, r, taCenter);
      t.model[r][c] = TintOf(c, 1000 + r);
    }
  t.Check("inserted rows tinted");
}

TEST(TintedColumns, FreedPropertiesAreMadeAgainWithTheGridsLook) {
  TintedGrid t;
  const QString fontName = t.g.FontNames(1, 1);
  for (int r = 100; r < 400; ++r) t.g.SetReadOnly(3, r, true);
  t.g.FreeCellPropertiesRect(1, 100, kCols - 1, 399);
  for (int r = 100; r < 400; ++r)
    for (int c = 1; c < kCols; ++c) t.model[r][c] = clNone;
  t.Check("freed");
  for (int r = 100; r < 400; ++r)
    for (int c = 1; c < kCols; ++c) {
      t.g.SetColors(c, r, TintOf(c, 2000 + r));
      if (c == 2) t.g.SetAlignments(c, r, taCenter);
      t.model[r][c] = TintOf(c, 2000 + r);
    }
  t.Check("tinted again");
  // New properties start from the grid's look, not from what freed ones held.
  for (int r : {100, 250, 399}) {
    EXPECT_EQ(t.g.Alignments(1, r), taLeftJustify) << r;
    EXPECT_EQ(t.g.FontNames(3, r), fontName) << r;
    EXPECT_FALSE(t.g.ReadOnly(3, r)) << r;
  }
}

TEST(TintedColumns, AStreamRoundTripCarriesEveryTint) {
  TintedGrid t;
  QByteArray bytes;
  {
    QBuffer out(&bytes);
    out.open(QIODevice::WriteOnly);
    t.g.SaveToBinStream(out);
  }
  TExStringGrid copy(nullptr);
  copy.SetColCount(kCols);
  copy.SetRowCount(kRows);
  QBuffer in(&bytes);
  in.open(QIODevice::ReadOnly);
  copy.LoadFromBinStream(in);
  for (int r = 0; r < kRows; ++r)
    for (int c = 0; c < kCols; ++c) {
      ASSERT_EQ(copy.Colors(c, r), t.model[r][c]) << c << "," << r;
      ASSERT_EQ(copy.Alignments(c, r), t.g.Alignments(c, r)) << c << "," << r;
    }
}

}  // namespace
