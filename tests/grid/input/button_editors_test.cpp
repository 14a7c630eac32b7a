// The edit with an embedded button and the unit edit, alone and as the grid's
// edit-button and unit editors: F4 and the button, the unit split, the unit
// menu, the text rectangle, StopEditAfterClick, the kinds' typing and paste
// rules, masks, and Escape leaving the cell as it was.
#include <gtest/gtest.h>

#include "grid/input/grid_edit_btn.h"
#include "platform/ui/beep.h"
#include "platform/ui/clipboard.h"
#include "tests/grid/input/edit_cycle_fixture.h"
#include "tests/support/qstring_print.h"
#include "tests/support/scripted_ui.h"

namespace {

struct ButtonEdit : ::testing::Test {
  ButtonEdit() {
    form = new TForm(nullptr);
    form->SetClientSize(300, 100);
    edit = new TEsgEditBtn(form);
    edit->SetParent(form);
    edit->SetBounds(10, 10, 150, 22);
    edit->OnClickBtn = [this](TObject* Sender) { clicks.push_back(Sender == edit ? "edit" : "button"); };
    unit = new TEsgUnitEditBtn(form);
    unit->SetParent(form);
    unit->SetBounds(10, 40, 150, 22);
    unit->Units()->Add("m");
    unit->Units()->Add("mm");
    form->Show();
    edit->SetFocus();
    ProcessEvents();
  }
  ~ButtonEdit() override { delete form; }
  TForm* form;
  TEsgEditBtn* edit;
  TEsgUnitEditBtn* unit;
  std::vector<QString> clicks;
};

TEST_F(ButtonEdit, TextAndUnitSplitsOnTheUnitThatEndsTheValue) {
  struct Case {
    const char* value;
    const char* text;
    const char* unit;
  } cases[] = {
      {"12mm", "12", "mm"},  // "m" first occurs at position 3, not at the end
      {"12m", "12", "m"},
      {"7", "12", "m"},  // no unit ends it: nothing changes
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.value);
    unit->SetTextAndUnit(c.value);
    EXPECT_EQ(unit->Text(), c.text);
    EXPECT_EQ(unit->UnitID(), c.unit);
    EXPECT_EQ(unit->TextAndUnit(), QString(c.text) + c.unit);
  }
}

TEST_F(ButtonEdit, F4ClicksWithoutCtrlOrAlt) {
  PressKey(edit, Qt::Key_F4);
  PressKey(edit, Qt::Key_F4, Qt::ShiftModifier);
  PressKey(edit, Qt::Key_F4, Qt::ControlModifier);
  PressKey(edit, Qt::Key_F4, Qt::AltModifier);
  EXPECT_EQ(clicks, (std::vector<QString>{"edit", "edit"}));
}

TEST_F(ButtonEdit, ThePressOnTheButtonClicksWhereverItIsReleased) {
  TExSpeedButton* b = edit->Button()->Button();
  MousePress(b, 3, 3);
  MouseRelease(b, 200, 50);
  EXPECT_EQ(clicks, (std::vector<QString>{"button"}));
}

TEST_F(ButtonEdit, WithoutTheEditorOnlyTheButtonChangesTheText) {
  edit->SetEditorEnabled(false);
  edit->SetText("ab");
  edit->SetSelStart(2);
  PressKey(edit, Qt::Key_X);
  Clipboard()->SetAsText("zz");
  edit->PasteFromClipboard();
  edit->SelectAll();
  edit->CutToClipboard();
  EXPECT_EQ(edit->Text(), "ab");
  PressKey(edit, Qt::Key_F4);
  EXPECT_EQ(clicks, (std::vector<QString>{"edit"}));
}

TEST_F(ButtonEdit, TheTextEndsBeforeTheButtonAndTheUnit) {
  unit->SetBorderStyle(bsNone);
  unit->SetUnitSpace(20);
  ASSERT_EQ(unit->Button()->Width(), 18);
  EXPECT_EQ(unit->ClientWidth() - unit->EditTextRect().Right, 46);
  EXPECT_EQ(edit->ClientWidth() - edit->EditTextRect().Right, 23);
}

TEST_F(ButtonEdit, TheUnitMenuChoosesAUnit) {
  std::vector<QString> changes;
  unit->OnUnitChanged = [&](TObject*, const QString& u) { changes.push_back(u); };
  unit->SetTextAndUnit("5m");
  ScriptedUi ui;
  ui.ExpectPopup(1).ExpectPopup(1);
  unit->ButtonClick(unit);
  EXPECT_EQ(unit->UnitID(), "mm");
  unit->ButtonClick(unit);  // the same unit again: no notice
  EXPECT_EQ(changes, (std::vector<QString>{"mm"}));
}

// --- the grid's editors ---

struct EditBtnEditor : ::testing::Test, EditGridFixture {
  EditBtnEditor() {
    grid->DefaultEditor = edEditBtn;
    grid->OnCellValidate = [this](TObject*, int c, int r, QString& v, bool& valid) {
      log.push_back(QString("validate %1,%2 %3").arg(c).arg(r).arg(v));
      valid = v != refuse;
    };
    grid->OnEllipsClick = [this](TObject*, int c, int r, QString& s) {
      log.push_back(QString("ellipsis %1,%2 %3").arg(c).arg(r).arg(s));
      s = s + "!";
    };
  }
  TGridEditBtn* Edit() { return grid->EditBtnEditor(); }
  TGridUnitEditBtn* Unit() { return grid->UnitEditor(); }
  QString refuse = "never";
};

TEST_F(EditBtnEditor, TheButtonAsksTheGridAndEnterStores) {
  grid->SetCells(2, 2, "abc");
  OpenAt(2, 2);
  ASSERT_TRUE(Edit()->Visible());
  EXPECT_EQ(Edit()->Text(), "abc");
  Edit()->ClickButton(Edit());
  EXPECT_EQ(Edit()->Text(), "abc!");
  EXPECT_TRUE(Edit()->Visible());
  PressKey(Edit(), Qt::Key_Return);
  EXPECT_FALSE(Edit()->Visible());
  EXPECT_EQ(grid->Cells(2, 2), "abc!");
  EXPECT_EQ(log, (std::vector<QString>{"ellipsis 2,2 abc", "validate 2,2 abc!"}));
}

TEST_F(EditBtnEditor, StopEditAfterClickEndsTheEditWithTheNewText) {
  Edit()->StopEditAfterClick = true;
  grid->SetCells(2, 2, "abc");
  OpenAt(2, 2);
  Edit()->ClickButton(Edit());
  EXPECT_FALSE(Edit()->Visible());
  EXPECT_EQ(grid->Cells(2, 2), "abc!");
}

TEST_F(EditBtnEditor, ARefusedValueKeepsTheEditorOpenWithAllSelected) {
  refuse = "abcd";
  grid->SetCells(2, 2, "abc");
  OpenAt(2, 2);
  Edit()->SetSelStart(3);
  Type(Edit(), "d");
  PressKey(Edit(), Qt::Key_Return);
  EXPECT_TRUE(Edit()->Visible());
  EXPECT_EQ(Edit()->SelLength(), Edit()->Text().size());
  EXPECT_EQ(grid->Cells(2, 2), "abc");
  PressKey(Edit(), Qt::Key_Escape);
}

TEST_F(EditBtnEditor, TheNumericKindTypesAndPastesAsTheNumericTextEditor) {
  grid->DefaultEditor = edNumericEditBtn;
  grid->SetMaxEditLength(4);
  grid->SetCells(2, 2, "12");
  OpenAt(2, 2);
  Edit()->SetSelStart(2);
  const int beeps = MessageBeepCount();
  Type(Edit(), "a3");
  EXPECT_EQ(Edit()->Text(), "123");
  EXPECT_EQ(MessageBeepCount(), beeps + 1);  // the letter beeps
  for (const char* pasted : {"x", "45", "9"}) {
    Clipboard()->SetAsText(pasted);
    Edit()->PasteFromClipboard();
  }
  // A letter is refused and "45" would pass the length limit; "9" fits.
  EXPECT_EQ(Edit()->Text(), "1239");
  PressKey(Edit(), Qt::Key_Escape);
  EXPECT_EQ(grid->Cells(2, 2), "12");
}

TEST_F(EditBtnEditor, TheMaskKindFollowsTheCellsMask) {
  grid->DefaultEditor = edMaskEditBtn;
  grid->OnGetEditMask = [](TObject*, int, int, QString& mask) { mask = "99-99;0;_"; };
  grid->SetCells(2, 2, "");
  OpenAt(2, 2);
  Edit()->SetSelStart(0);
  Type(Edit(), "1234");
  EXPECT_EQ(Edit()->EditText(), "12-34");
  PressKey(Edit(), Qt::Key_Return);
  EXPECT_EQ(grid->Cells(2, 2), "1234");
}

TEST_F(EditBtnEditor, TheUnitEditorStoresValueAndUnitOnceAndEscapeLeavesTheCell) {
  grid->DefaultEditor = edUnitEditBtn;
  Unit()->Units()->Add("m");
  Unit()->Units()->Add("mm");
  grid->SetCells(2, 2, "12mm");
  OpenAt(2, 2);
  ASSERT_TRUE(Unit()->Visible());
  EXPECT_EQ(Unit()->Text(), "12");
  EXPECT_EQ(Unit()->UnitID(), "mm");
  Unit()->SetSelStart(2);
  Type(Unit(), "5");
  PressKey(Unit(), Qt::Key_Escape);
  EXPECT_EQ(grid->Cells(2, 2), "12mm");
  // A refused value stays in the editor split again: never the unit twice.
  refuse = "125mm";
  OpenAt(2, 2);
  Unit()->SetSelStart(2);
  Type(Unit(), "5");
  PressKey(Unit(), Qt::Key_Return);
  EXPECT_TRUE(Unit()->Visible());
  EXPECT_EQ(Unit()->TextAndUnit(), "125mm");
  EXPECT_EQ(grid->Cells(2, 2), "12mm");
  Unit()->SetSelStart(3);
  Type(Unit(), "7");
  PressKey(Unit(), Qt::Key_Return);
  EXPECT_EQ(grid->Cells(2, 2), "1257mm");
  // A cell without a unit opens with all of it as the value.
  grid->SetCells(3, 2, "40");
  OpenAt(3, 2);
  EXPECT_EQ(Unit()->Text(), "40");
  PressKey(Unit(), Qt::Key_Return);
  EXPECT_EQ(grid->Cells(3, 2), "40");
}

}  // namespace
