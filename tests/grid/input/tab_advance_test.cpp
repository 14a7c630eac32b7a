// The Tab advance: start cell x direction x settings -> target cell, the end of
// the grid (wrap, append, hand on to the next control), an OnKeyDown veto, and
// its bound when no cell can be edited.
#include <gtest/gtest.h>

#include <functional>

#include "tests/grid/input/keys_grid_fixture.h"

namespace {

struct TabCase {
  const char* name;
  std::function<void(InputGrid&)> setup;
  int startCol, startRow;
  bool backward;
  const char* cell;
  int rowCount;
};

TEST(TabAdvance, StartCellByDirectionAndSettingsTable) {
  auto none = [](InputGrid&) {};
  auto topBottom = [](InputGrid& t) { t.g->Navigation()->TabAdvanceDirection = adTopBottom; };
  auto readOnlyCol2 = [](InputGrid& t) {
    t.g->SetOptions(t.g->Options() + goEditing);
    t.g->OnCanEditCell = [](TObject*, int, int c, bool& can) { can = c != 2; };
  };
  auto append = [](InputGrid& t) { t.g->Navigation()->SetAdvanceInsert(true); };
  const TabCase cases[] = {
      {"along the row", none, 1, 1, false, "2,1", 5},
      {"row end to the next row", none, 4, 1, false, "1,2", 5},
      {"last cell wraps to the first", none, 4, 4, false, "1,1", 5},
      {"back along the row", none, 3, 2, true, "2,2", 5},
      {"back from the row start", none, 1, 2, true, "4,1", 5},
      {"back from the first cell", none, 1, 1, true, "4,4", 5},
      {"down the column", topBottom, 2, 2, false, "2,3", 5},
      {"column end to the next column", topBottom, 2, 4, false, "3,1", 5},
      {"last column end to the first", topBottom, 4, 4, false, "1,1", 5},
      {"read-only column passed over", readOnlyCol2, 1, 1, false, "3,1", 5},
      {"read-only column passed over backwards", readOnlyCol2, 3, 1, true, "1,1", 5},
      {"last cell appends a row", append, 4, 4, false, "1,5", 6},
      {"append refused wraps",
       [](InputGrid& t) {
         t.g->Navigation()->SetAdvanceInsert(true);
         t.g->OnCanAddRow = [](TObject*, bool& can) { can = false; };
       },
       4, 4, false, "1,1", 5},
      {"merged block passed whole",
       [](InputGrid& t) { t.g->MergeCells(2, 1, 2, 1); }, 1, 1, false, "2,1", 5},
      {"from a merged block past its end",
       [](InputGrid& t) { t.g->MergeCells(2, 1, 2, 1); }, 2, 1, false, "4,1", 5},
  };
  for (const TabCase& c : cases) {
    SCOPED_TRACE(c.name);
    InputGrid t(5, 5);
    c.setup(t);
    t.Go(c.startCol, c.startRow);
    EXPECT_TRUE(t.g->AdvanceAfterEdit(c.backward));
    EXPECT_EQ(t.Cell(), QString::fromLatin1(c.cell));
    EXPECT_EQ(t.g->RowCount(), c.rowCount);
  }
}

TEST(TabAdvance, AppendRaisesOnAutoAddRowWithTheNewIndex) {
  InputGrid t(5, 5);
  t.g->Navigation()->SetAdvanceInsert(true);
  int added = -1;
  t.g->OnAutoAddRow = [&](TObject*, int r) { added = r; };
  t.Go(4, 4);
  t.g->AdvanceAfterEdit(false);
  EXPECT_EQ(added, 5);
}

TEST(TabAdvance, TabToNextAtEndWrapsAndHandsTheTabToTheParent) {
  InputGrid t(5, 5);
  t.g->Navigation()->TabToNextAtEnd = true;
  t.g->Navigation()->SetAdvanceInsert(true);
  int formTabs = 0;
  t.form->SetKeyPreview(true);
  t.form->OnKeyDown = [&](TObject*, int& key, TShiftState) {
    if (key == VK_TAB) ++formTabs;
  };
  t.Go(4, 4);
  EXPECT_FALSE(t.g->AdvanceAfterEdit(false));
  EXPECT_EQ(t.Cell(), QStringLiteral("1,1"));
  EXPECT_EQ(t.g->RowCount(), 5);
  ProcessEvents();
  EXPECT_EQ(formTabs, 1);
}

TEST(TabAdvance, OnKeyDownChangingTheKeyStopsTheAdvance) {
  InputGrid t(5, 5);
  t.g->OnKeyDown = [](TObject*, int& key, TShiftState) { key = 0; };
  t.Go(2, 2);
  EXPECT_TRUE(t.g->AdvanceAfterEdit(false));
  EXPECT_EQ(t.Cell(), QStringLiteral("2,2"));
}

// Without any editable cell the advance ends after one pass and the cursor stays.
TEST(TabAdvance, EndsWhenNoCellCanBeEdited) {
  for (bool backward : {false, true}) {
    SCOPED_TRACE(backward ? "backward" : "forward");
    InputGrid t(5, 5);
    t.g->SetOptions(t.g->Options() + goEditing);
    t.g->OnCanEditCell = [](TObject*, int, int, bool& can) { can = false; };
    t.Go(3, 2);
    EXPECT_TRUE(t.g->AdvanceAfterEdit(backward));
    EXPECT_EQ(t.Cell(), QStringLiteral("3,2"));
  }
}

TEST(TabAdvance, TheTabKeyWithGoTabsAdvancesAndOpensTheEditor) {
  InputGrid t(5, 5);
  t.g->SetOptions(t.g->Options() + goTabs + goEditing);
  t.g->OnCanEditCell = [](TObject*, int, int c, bool& can) { can = c != 2; };
  t.Go(1, 1);
  t.Key(Qt::Key_Tab);
  EXPECT_EQ(t.Cell(), QStringLiteral("3,1"));
  EXPECT_TRUE(t.g->EditorMode());
  t.g->Navigation()->AdvanceAutoEdit = false;
  t.g->SetEditorMode(false);
  t.Key(Qt::Key_Tab, Qt::ShiftModifier);
  EXPECT_EQ(t.Cell(), QStringLiteral("1,1"));
  EXPECT_FALSE(t.g->EditorMode());
}

}  // namespace
