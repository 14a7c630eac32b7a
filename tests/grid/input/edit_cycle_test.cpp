// The edit cycle: the order of the events of one edit (the posted
// OnEditCellDone last), refusals with and without a changed value, unchanged
// text, the re-entry guard and Escape.
#include <gtest/gtest.h>

#include <stdexcept>

#include "tests/grid/input/edit_cycle_fixture.h"

static void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace {

struct EditCycle : ::testing::Test, EditGridFixture {
  EditCycle() {
    grid->OnCellValidate = [this](TObject*, int c, int r, QString& v, bool& valid) {
      log.push_back(QString("validate %1,%2 %3").arg(c).arg(r).arg(v));
      if (refuse) valid = false;
      if (!correction.isEmpty()) v = correction;
    };
    grid->OnEditingDone = [this](TObject*) { log.push_back("editing done"); };
    grid->OnEditCellDone = [this](TObject*, int c, int r) { log.push_back(QString("edit cell done %1,%2").arg(c).arg(r)); };
  }
  bool refuse = false;
  QString correction;
};

TEST_F(EditCycle, AnAcceptedEditValidatesWritesAndSignalsTwice) {
  grid->SetCells(2, 1, "old");
  OpenAt(2, 1);
  ASSERT_TRUE(Editor() && Editor()->Visible());
  EXPECT_EQ(Editor()->Text(), "old");
  Editor()->SelectAll();
  Type(Editor(), "abc");
  PressKey(Editor(), Qt::Key_Return);
  // The queued end signal has not arrived yet.
  EXPECT_EQ(log, (std::vector<QString>{"validate 2,1 abc", "editing done"}));
  EXPECT_EQ(grid->Cells(2, 1), "abc");
  EXPECT_FALSE(Editor()->Visible());
  EXPECT_TRUE(grid->Modified());
  ProcessEvents();
  EXPECT_EQ(log.back(), "edit cell done 2,1");
  EXPECT_EQ(log.size(), 3u);
}

TEST_F(EditCycle, RefusalsKeepTheEditorOpenOnTheCell) {
  struct Case {
    const char* what;
    QString correction;
    QString cell, editor;
  } cases[] = {
      {"a refusal that leaves the value: the old text is back in the cell", "", "old", "xyz"},
      {"a refusal that changes the value: the changed value is in cell and editor", "fixed", "fixed", "fixed"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    log.clear();
    refuse = true;
    correction = c.correction;
    grid->SetCells(2, 1, "old");
    OpenAt(2, 1);
    Editor()->SelectAll();
    Type(Editor(), "xyz");
    PressKey(Editor(), Qt::Key_Return);
    EXPECT_EQ(grid->Cells(2, 1), c.cell);
    EXPECT_TRUE(Editor()->Visible());
    EXPECT_EQ(Editor()->Text(), c.editor);
    EXPECT_EQ(grid->Col(), 2);
    ProcessEvents();
    // Nothing announced the refused edit.
    EXPECT_EQ(log, (std::vector<QString>{"validate 2,1 xyz"}));
    refuse = false;
    correction.clear();
    PressKey(Editor(), Qt::Key_Escape);
    ProcessEvents();
  }
}

TEST_F(EditCycle, UnchangedTextRaisesNoValidationUnlessAlwaysValidate) {
  grid->SetCells(3, 2, "same");
  OpenAt(3, 2);
  PressKey(Editor(), Qt::Key_Return);
  EXPECT_EQ(std::count(log.begin(), log.end(), "validate 3,2 same"), 0);
  EXPECT_FALSE(grid->Modified());

  log.clear();
  grid->AlwaysValidate = true;
  OpenAt(3, 2);
  PressKey(Editor(), Qt::Key_Return);
  EXPECT_EQ(log.front(), "validate 3,2 same");
}

TEST_F(EditCycle, ReentryAnswersAtOnceAndAnExceptionLeavesNoValidationState) {
  bool inner = false;
  grid->OnCellValidate = [&](TObject*, int, int, QString&, bool& valid) {
    inner = grid->ValidateCell("nested");  // re-entry answers true at once
    valid = false;
  };
  grid->SetCells(1, 1, "a");
  OpenAt(1, 1);
  Editor()->SelectAll();
  Type(Editor(), "b");
  PressKey(Editor(), Qt::Key_Return);
  EXPECT_TRUE(inner);
  EXPECT_EQ(grid->Cells(1, 1), "a");
  EXPECT_FALSE(grid->FValidating);

  grid->OnCellValidate = [](TObject*, int, int, QString&, bool&) { throw std::runtime_error("handler"); };
  grid->FEditing = true;
  EXPECT_THROW(grid->ValidateCell("c"), std::runtime_error);
  EXPECT_FALSE(grid->FValidating);
}

TEST_F(EditCycle, RaisingHandlerLeavesAdvanceOnEnterAsItWas) {
  grid->Navigation()->AdvanceOnEnter = true;
  grid->OnCellValidate = [](TObject*, int, int, QString&, bool&) { throw std::runtime_error("handler"); };
  grid->SetCells(2, 2, "a");
  OpenAt(2, 2);
  grid->FEditing = true;
  EXPECT_THROW(grid->ValidateCell("b"), std::runtime_error);
  EXPECT_TRUE(grid->Navigation()->AdvanceOnEnter);
}

// The modified mark goes to the real row of the edited row (hidden rows above
// it make the two differ), where the drawing looks for it.
TEST_F(EditCycle, ModifiedMarkByRealRow) {
  grid->SetRowCount(8);
  grid->HideRow(2);  // display row 3 is real row 4
  grid->SetCells(2, 3, "old");
  OpenAt(2, 3);
  Editor()->SelectAll();
  Type(Editor(), "new");
  PressKey(Editor(), Qt::Key_Return);
  EXPECT_EQ(grid->Cells(2, 3), "new");
  EXPECT_TRUE(grid->RowModified(4));
  EXPECT_FALSE(grid->RowModified(3));
}

TEST_F(EditCycle, EscapePutsBackTheTextFromWhenEditingBegan) {
  grid->SetCells(2, 3, "keep");
  OpenAt(2, 3);
  Editor()->SelectAll();
  Type(Editor(), "gone");
  PressKey(Editor(), Qt::Key_Escape);
  EXPECT_EQ(grid->Cells(2, 3), "keep");
  EXPECT_FALSE(Editor()->Visible());
  EXPECT_FALSE(grid->EditModeActive());
}

}  // namespace

namespace {

struct EditEntry : ::testing::Test, EditGridFixture {};

TEST_F(EditEntry, ShowCellEditOpensTheEditorAsF2Does) {
  grid->SetCells(3, 3, "text");
  grid->MoveTo(3, 3);
  grid->ShowCellEdit();
  ASSERT_TRUE(Editor() && Editor()->Visible());
  EXPECT_EQ(Editor()->Text(), "text");
  EXPECT_TRUE(grid->EditModeActive());
}

TEST_F(EditEntry, ClickCellMovesTheCursorWithoutTheFormsMouseEvents) {
  int mouse = 0;
  grid->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int, int) { ++mouse; };
  grid->OnMouseUp = [&](TObject*, TMouseButton, TShiftState, int, int) { ++mouse; };
  grid->ClickCell(3, 2);
  EXPECT_EQ(grid->Col(), 3);
  EXPECT_EQ(grid->Row(), 2);
  EXPECT_EQ(mouse, 0);
  EXPECT_TRUE(grid->OnMouseDown != nullptr);
}

}  // namespace

namespace {

struct AlwaysEdit : ::testing::Test, EditGridFixture {};

TEST_F(AlwaysEdit, TheGridOpensTheEditorWhenItGetsTheFocus) {
  grid->SetCells(2, 2, "x");
  OpenAt(2, 2);  // the grid makes its text editor once
  PressKey(Editor(), Qt::Key_Escape);
  grid->Navigation()->AlwaysEdit = true;
  other->SetFocus();
  ProcessEvents();
  grid->SetFocus();
  ProcessEvents();
  ASSERT_TRUE(Editor() && Editor()->Visible());
  EXPECT_EQ(Editor()->Text(), "x");
  // Closing the editor gives the grid the focus without reopening it.
  PressKey(Editor(), Qt::Key_Return);
  EXPECT_FALSE(Editor()->Visible());
  // A read-only cell opens nothing.
  grid->SetReadOnly(3, 2, true);
  grid->MoveTo(3, 2);
  other->SetFocus();
  grid->SetFocus();
  EXPECT_FALSE(Editor()->Visible());
}

}  // namespace
