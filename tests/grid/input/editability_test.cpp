// Whether a cell may be edited, which cells count as fixed, how the editing
// option follows the cursor, and that refused moves keep the cursor and the
// text of the cell being edited.
#include <gtest/gtest.h>

#include <functional>

#include "tests/grid/input/edit_cycle_fixture.h"

static void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace {

struct Editability : ::testing::Test, EditGridFixture {};

TEST_F(Editability, WhichCellsMayBeEdited) {
  struct Case {
    const char* what;
    std::function<void(TEditTestGrid&)> setup;
    int col, row;
    bool editable;
  } cases[] = {
      {"a normal cell of an editing grid", [](TEditTestGrid&) {}, 2, 2, true},
      {"no editing option", [](TEditTestGrid& g) { g.SetOptions(g.Options() - goEditing); }, 2, 2, false},
      {"range select and edit makes an editing grid",
       [](TEditTestGrid& g) {
         g.SetOptions(g.Options() - goEditing);
         g.MouseActions()->RangeSelectAndEdit = true;
       },
       2, 2, true},
      {"editing switched off for the cursor's cell only",
       [](TEditTestGrid& g) {
         g.SetOptions(g.Options() - goEditing);
         g.EditDisable = true;
       },
       2, 2, true},
      {"a read-only cell", [](TEditTestGrid& g) { g.SetReadOnly(2, 2, true); }, 2, 2, false},
      {"a fixed column", [](TEditTestGrid&) {}, 0, 2, false},
      {"a fixed row", [](TEditTestGrid&) {}, 2, 0, false},
      {"a cell the form calls fixed",
       [](TEditTestGrid& g) { g.OnIsFixedCell = [](TObject*, int r, int c, bool& f) { f = c == 3 && r == 3; }; }, 3, 3,
       false},
      {"a covered cell of a read-only block",
       [](TEditTestGrid& g) {
         g.MergeCells(1, 4, 2, 1);
         g.SetReadOnly(1, 4, true);
       },
       2, 4, false},
      {"a covered cell of an editable block", [](TEditTestGrid& g) { g.MergeCells(1, 4, 2, 1); }, 2, 4, true},
      {"the form refuses", [](TEditTestGrid& g) { g.OnCanEditCell = [](TObject*, int, int, bool& e) { e = false; }; },
       2, 2, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EditGridFixture f;
    c.setup(*f.grid);
    EXPECT_EQ(f.grid->IsEditable(c.col, c.row), c.editable);
  }
}

TEST_F(Editability, FooterRowsAndRightColumnsAreAlwaysFixed) {
  grid->SetFixedFooters(1);
  grid->SetFixedRightCols(1);
  grid->OnIsFixedCell = [](TObject*, int, int, bool& f) { f = false; };
  EXPECT_TRUE(grid->IsFixed(2, 5));
  EXPECT_TRUE(grid->IsFixed(4, 2));
  EXPECT_FALSE(grid->IsFixed(2, 2));
}

TEST_F(Editability, TheEditingOptionFollowsTheCursor) {
  grid->SetReadOnly(3, 2, true);
  grid->MoveTo(2, 2);
  EXPECT_TRUE(grid->Options().Contains(goEditing));
  grid->MoveTo(3, 2);
  EXPECT_FALSE(grid->Options().Contains(goEditing));
  EXPECT_TRUE(grid->EditDisable);
  EXPECT_TRUE(grid->IsEditable(2, 2));  // still an editing grid
  grid->MoveTo(4, 2);
  EXPECT_TRUE(grid->Options().Contains(goEditing));
  EXPECT_FALSE(grid->EditDisable);
}

TEST_F(Editability, VetoesKeepTheCursorAndTheCellCache) {
  struct Case {
    const char* what;
    std::function<void(TEditTestGrid&)> veto;
  } cases[] = {
      {"OnCellChanging", [](TEditTestGrid& g) { g.OnCellChanging = [](TObject*, int, int, int, int, bool& a) { a = false; }; }},
      {"OnRowChanging", [](TEditTestGrid& g) { g.OnRowChanging = [](TObject*, int, int, bool& a) { a = false; }; }},
      {"OnSelectCell", [](TEditTestGrid& g) { g.OnSelectCell = [](TObject*, int, int, bool& a) { a = false; }; }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EditGridFixture f;
    f.grid->SetCells(1, 1, "here");
    f.grid->SetCells(1, 2, "neighbour");
    f.grid->MoveTo(1, 1);
    c.veto(*f.grid);
    f.grid->MoveTo(1, 2);
    EXPECT_EQ(f.grid->Row(), 1);
    EXPECT_EQ(f.grid->FCellCache, "here");
  }
}

TEST_F(Editability, CellsThatOpenNoEditor) {
  grid->OnGetEditorType = [](TObject*, int c, int, TEditorType& e) {
    if (c == 3) e = edNone;
  };
  grid->AddCheckBox(4, 1, cbUnchecked);
  OpenAt(3, 1);
  EXPECT_FALSE(grid->EditModeActive());
  EXPECT_TRUE(!Editor() || !Editor()->Visible());
  OpenAt(4, 1);
  EXPECT_FALSE(grid->EditModeActive());
  EXPECT_TRUE(!Editor() || !Editor()->Visible());
  OpenAt(2, 1);
  EXPECT_TRUE(grid->EditModeActive());
  EXPECT_TRUE(Editor()->Visible());
}

TEST_F(Editability, ACoveredCellSendsTheCursorToItsBase) {
  grid->MergeCells(1, 3, 2, 2);
  grid->MoveTo(1, 1);
  EXPECT_FALSE(grid->SelectCell(2, 4));
  EXPECT_EQ(grid->Col(), 1);
  EXPECT_EQ(grid->Row(), 3);
}

}  // namespace
