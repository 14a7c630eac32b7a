// Undo and redo wired into the grid: typing into a cell of a grid with a hidden
// column, then undo and redo by the attached component; check-box toggles of
// data boxes, also clicked behind a hidden column; a pasted value in a grid
// with a hidden column; and a mini-HTML cell opened and left without its tags
// keeps them.
#include <gtest/gtest.h>

#include "grid/base/undo_redo.h"
#include "tests/grid/input/edit_cycle_fixture.h"
#include "tests/support/qstring_print.h"

namespace {

class UndoEdit : public EditGridFixture, public ::testing::Test {
protected:
  UndoEdit() : undo(nullptr) { grid->SetUndoRedo(&undo); }
  TExGridUndoRedo undo;
};

TEST_F(UndoEdit, TypingIntoAGridWithAHiddenColumnIsUndoneInTheRightColumn) {
  for (int c = 0; c < 5; ++c) grid->SetCells(c, 2, QStringLiteral("c%1").arg(c));
  grid->HideColumn(1);
  // Display column 2 is real column 3.
  ASSERT_EQ(grid->RealColIndex(2), 3);
  OpenAt(2, 2);
  ASSERT_TRUE(Editor() && Editor()->Visible());
  EXPECT_EQ(Editor()->Text(), "c3");
  Editor()->SelectAll();
  Type(Editor(), "new");
  PressKey(Editor(), Qt::Key_Return);
  ProcessEvents();
  ASSERT_EQ(undo.Count(), 1);
  EXPECT_EQ(undo.Items()->Items(0)->Col, 3);  // the real column
  EXPECT_EQ(undo.Items()->Items(0)->OrigValue, "c3");
  EXPECT_EQ(undo.Items()->Items(0)->Value, "new");
  EXPECT_EQ(grid->GetCellEx(3, 2), "new");

  grid->MoveTo(1, 4);
  undo.Undo();
  EXPECT_EQ(grid->GetCellEx(3, 2), "c3");
  EXPECT_EQ(grid->GetCellEx(1, 2), "c1");  // the hidden column is untouched
  EXPECT_EQ(grid->GetCellEx(2, 2), "c2");
  EXPECT_EQ(grid->Col(), 2);  // the cursor on the cell, by its display column
  EXPECT_EQ(grid->Row(), 2);
  EXPECT_FALSE(undo.CanUndo());

  undo.Redo();
  EXPECT_EQ(grid->GetCellEx(3, 2), "new");
  EXPECT_EQ(grid->GetCellEx(1, 2), "c1");
  EXPECT_TRUE(undo.CanUndo());
  EXPECT_FALSE(undo.CanRedo());
}

TEST_F(UndoEdit, ARefusedEditRegistersNothing) {
  grid->SetCells(1, 1, "kept");
  grid->OnCellValidate = [](TObject*, int, int, QString&, bool& valid) { valid = false; };
  OpenAt(1, 1);
  Editor()->SelectAll();
  Type(Editor(), "x");
  PressKey(Editor(), Qt::Key_Return);
  EXPECT_EQ(undo.Count(), 0);
}

TEST_F(UndoEdit, DataCheckBoxTogglesAreUndone) {
  grid->SetCells(2, 1, "N");
  grid->AddCheckBox(2, 1, false, true);
  grid->AddCheckBox(3, 1, false, false);  // a plain box keeps no text
  ASSERT_TRUE(grid->ToggleCheckBox(2, 1));
  ASSERT_TRUE(grid->ToggleCheckBox(3, 1));
  EXPECT_EQ(grid->GetCellEx(2, 1), "Y");
  ASSERT_EQ(undo.Count(), 1);
  undo.Undo();
  EXPECT_EQ(grid->GetCellEx(2, 1), "N");
  bool state = true;
  grid->GetCheckBoxState(2, 1, state);
  EXPECT_FALSE(state);
  undo.Redo();
  EXPECT_EQ(grid->GetCellEx(2, 1), "Y");
}

TEST_F(UndoEdit, AClickedDataCheckBoxBehindAHiddenColumnIsUndoneInItsRealColumn) {
  grid->HideColumn(1);  // display column 2 is real column 3
  grid->SetCells(3, 1, "N");
  grid->SetCells(2, 1, "c2");
  grid->AddCheckBox(3, 1, false, true);
  const TRect r = grid->CellRect(2, 1);
  MouseClick(grid, (r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
  ProcessEvents();
  ASSERT_EQ(grid->GetCellEx(3, 1), "Y");
  ASSERT_EQ(undo.Count(), 1);
  EXPECT_EQ(undo.Items()->Items(0)->Col, 3);
  grid->MoveTo(1, 4);
  undo.Undo();
  EXPECT_EQ(grid->GetCellEx(3, 1), "N");
  EXPECT_EQ(grid->GetCellEx(2, 1), "c2");
  EXPECT_EQ(grid->Col(), 2);
}

TEST_F(UndoEdit, APastedValueIsWrittenAndRegisteredByItsRealColumn) {
  for (int c = 0; c < 5; ++c) grid->SetCells(c, 3, QStringLiteral("p%1").arg(c));
  grid->HideColumn(1);
  grid->PasteCell(2, 3, "pasted");  // display column 2 = real column 3
  EXPECT_EQ(grid->GetCellEx(3, 3), "pasted");
  EXPECT_EQ(grid->GetCellEx(2, 3), "p2");
  ASSERT_EQ(undo.Count(), 1);
  EXPECT_EQ(undo.Items()->Items(0)->Col, 3);
  undo.Undo();
  EXPECT_EQ(grid->GetCellEx(3, 3), "p3");
}

TEST_F(UndoEdit, AMiniHtmlCellLeftAsItWasKeepsItsTags) {
  grid->SetCells(1, 1, "<b>bold</b> text");
  OpenAt(1, 1);
  EXPECT_EQ(Editor()->Text(), "bold text");
  PressKey(Editor(), Qt::Key_Return);
  EXPECT_EQ(grid->Cells(1, 1), "<b>bold</b> text");
  // Edited, the cell takes the new plain text.
  OpenAt(1, 1);
  Editor()->SelectAll();
  Type(Editor(), "plain");
  PressKey(Editor(), Qt::Key_Return);
  EXPECT_EQ(grid->Cells(1, 1), "plain");
  // With EditWithTags the editor shows the tags.
  grid->EditWithTags = true;
  grid->SetCells(2, 1, "<i>x</i>");
  OpenAt(2, 1);
  EXPECT_EQ(Editor()->Text(), "<i>x</i>");
  PressKey(Editor(), Qt::Key_Escape);
}

}  // namespace
