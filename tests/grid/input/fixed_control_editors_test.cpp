// The editors over header cells (kind by fixed column 0 or fixed row, the
// OnFixedEdit override, StopEdit refused and accepted, the mouse actions that
// open them) and over the form controls of mini-HTML cells (PASSWORD stores
// plain text in VALUE, MAXLEN, COMBO lists, Tab to the next control).
#include <gtest/gtest.h>

#include "grid/input/control_editors.h"
#include "grid/input/trans_editors.h"
#include "tests/grid/input/edit_cycle_fixture.h"
#include "tests/support/qstring_print.h"

namespace {

struct FixedCellEditors : ::testing::Test, EditGridFixture {
  FixedCellEditors() {
    grid->SetFixedCols(1);
    grid->SetFixedRows(1);
    grid->SetCells(0, 2, "row 2");
    grid->SetCells(3, 0, "col 3");
    grid->MouseActions()->FixedColsEditor = fceComboList;
    grid->MouseActions()->FixedRowsEditor = fceEdit;
    grid->OnCellValidate = [this](TObject*, int c, int r, QString& v, bool& valid) {
      log.push_back(QString("validate %1,%2 %3").arg(c).arg(r).arg(v));
      valid = v != refuse;
      v = v.toUpper();
    };
    grid->OnEditingDone = [this](TObject*) { log.push_back("editing done"); };
  }
  QString refuse = "never";
};

TEST_F(FixedCellEditors, TheKindFollowsFixedColumnZeroOrTheFixedRow) {
  grid->MouseActions()->FixedComboValues().Add("first");
  grid->MouseActions()->FixedComboValues().Add("row 2");
  grid->ShowFixedCellEditor(0, 2);
  TGridTransCombo* combo = grid->FixedCellCombo();
  ASSERT_TRUE(combo->Visible());
  EXPECT_EQ(combo->Style(), csDropDownList);
  EXPECT_EQ(combo->Items()->Count(), 2);
  EXPECT_EQ(combo->ItemIndex(), 1);
  EXPECT_TRUE(combo->StopEdit());
  EXPECT_FALSE(combo->Visible());
  grid->ShowFixedCellEditor(3, 0);
  TGridTransEdit* edit = grid->FixedCellEdit();
  ASSERT_TRUE(edit->Visible());
  EXPECT_FALSE(combo->Visible());
  EXPECT_EQ(edit->Text(), "col 3");
  const TRect r = grid->CellRect(3, 0);
  EXPECT_EQ(edit->Left(), r.Left + 1);
  EXPECT_EQ(edit->Width(), r.Right - r.Left - 2);
}

TEST_F(FixedCellEditors, OnFixedEditChangesTheKindAndTheItems) {
  grid->OnFixedEdit = [this](TObject*, int c, int r, TGridFixedCellEditor& e, TStringList* values) {
    log.push_back(QString("fixed edit %1,%2").arg(c).arg(r));
    e = fceComboEdit;
    values->Clear();
    values->Add("x");
  };
  grid->ShowFixedCellEditor(3, 0);
  EXPECT_FALSE(grid->FixedCellEdit()->Visible());
  TGridTransCombo* combo = grid->FixedCellCombo();
  ASSERT_TRUE(combo->Visible());
  EXPECT_EQ(combo->Style(), csDropDown);
  EXPECT_EQ(combo->Text(), "col 3");
  EXPECT_EQ(combo->Items()->Count(), 1);
  EXPECT_EQ(log, (std::vector<QString>{"fixed edit 3,0"}));
}

TEST_F(FixedCellEditors, StopEditRefusedKeepsTheEditorAcceptedStoresTheValidatedText) {
  refuse = "bad";
  grid->ShowFixedCellEditor(3, 0);
  TGridTransEdit* edit = grid->FixedCellEdit();
  edit->SetText("bad");
  EXPECT_FALSE(edit->StopEdit());
  EXPECT_TRUE(edit->Visible());
  EXPECT_EQ(grid->Cells(3, 0), "col 3");
  // Another header cell cannot open while the refused one stays.
  grid->ShowFixedCellEditor(0, 2);
  EXPECT_FALSE(grid->FixedCellCombo()->Visible());
  edit->SetText("good");
  EXPECT_TRUE(edit->StopEdit());
  EXPECT_FALSE(edit->Visible());
  EXPECT_EQ(grid->Cells(3, 0), "GOOD");
  ASSERT_GE(log.size(), 3u);
  EXPECT_EQ(log.front(), "validate 3,0 bad");
  EXPECT_EQ(std::vector<QString>(log.end() - 2, log.end()), (std::vector<QString>{"validate 3,0 good", "editing done"}));
  for (size_t i = 0; i + 2 < log.size(); ++i) EXPECT_EQ(log[i], "validate 3,0 bad");
}

TEST_F(FixedCellEditors, OnCanEditCellRefusesSilently) {
  grid->OnCanEditCell = [](TObject*, int, int, bool& can) { can = false; };
  grid->ShowFixedCellEditor(3, 0);
  EXPECT_FALSE(grid->FixedCellEdit()->Visible());
}

TEST_F(FixedCellEditors, TheMouseActionsOpenThem) {
  const TRect r = grid->CellRect(3, 0);
  const int x = (r.Left + r.Right) / 2, y = (r.Top + r.Bottom) / 2;
  struct Case {
    TGridFixedCellEdit how;
    const char* action;
    bool opens;
  } cases[] = {
      {fceNone, "double", false},  {fceDblClick, "left", false},  {fceDblClick, "double", true},
      {fceLeftClick, "left", true}, {fceRightClick, "left", false}, {fceRightClick, "right", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(QString("%1 %2").arg(int(c.how)).arg(c.action).toStdString());
    grid->MouseActions()->FixedRowsEdit = c.how;
    const QString action = c.action;
    if (action == "double") {
      MouseDoubleClick(grid, x, y);
    } else {
      const Qt::MouseButton b = action == "right" ? Qt::RightButton : Qt::LeftButton;
      MousePress(grid, x, y, b);
      MouseRelease(grid, x, y, b);
    }
    ProcessEvents();
    EXPECT_EQ(grid->FixedCellEdit()->Visible(), c.opens);
    if (grid->FixedCellEdit()->Visible()) grid->FixedCellEdit()->StopEdit();
  }
}

// --- CONTROL tags ---

struct ControlCellEditors : ::testing::Test, EditGridFixture {
  ControlCellEditors() {
    grid->EnableHTML = true;
    grid->SetDefaultColWidth(200);
    grid->SetDefaultRowHeight(40);
    grid->OnControlEditDone = [this](TObject*, int r, int c, const QString& id, const QString& type,
                                     const QString& v) { log.push_back(QString("done %1,%2 %3 %4 %5").arg(c).arg(r).arg(id, type, v)); };
  }
  // Opens the editor of a control of cell (1, 1) as a press on it would.
  void OpenControl(const QString& id) {
    grid->MoveTo(1, 1);
    grid->SetFocus();
    grid->FocusHTMLControl(1, 1, QString());
    ProcessEvents();
    (void)id;
  }
};

TEST_F(ControlCellEditors, APasswordShowsStarsAndStoresPlainTextWithinMaxLen) {
  grid->SetCells(1, 1, R"(<CONTROL TYPE="PASSWORD" ID="pw" VALUE="" WIDTH="80" MAXLEN="4">)");
  OpenControl("pw");
  TControlEdit* edit = grid->ControlEdit();
  ASSERT_TRUE(edit->Visible());
  EXPECT_TRUE(edit->Focused());
  EXPECT_EQ(edit->PasswordChar(), u'*');
  Type(edit, "secret");
  EXPECT_EQ(edit->Text(), "secr");  // MAXLEN
  EXPECT_EQ(edit->DisplayText(), "****");
  PressKey(edit, Qt::Key_Return);
  ProcessEvents();
  EXPECT_FALSE(edit->Visible());
  EXPECT_TRUE(grid->Focused());
  EXPECT_TRUE(grid->Cells(1, 1).contains(R"(VALUE="secr")")) << grid->Cells(1, 1).toStdString();
  EXPECT_EQ(log, (std::vector<QString>{"done 1,1 pw PASSWORD secr"}));
}

TEST_F(ControlCellEditors, TabGoesToTheNextEditableControlOfTheCell) {
  grid->SetCells(1, 1,
                 R"(<CONTROL TYPE="EDIT" ID="a" VALUE="1" WIDTH="50"> <CONTROL TYPE="CHECK" ID="c" VALUE="TRUE" WIDTH="20"> )"
                 R"(<CONTROL TYPE="EDIT" ID="b" VALUE="2" WIDTH="50">)");
  OpenControl("a");
  TControlEdit* edit = grid->ControlEdit();
  ASSERT_TRUE(edit->Visible());
  EXPECT_EQ(edit->Text(), "1");
  edit->SelectAll();
  Type(edit, "9");
  PressKey(edit, Qt::Key_Tab);
  ProcessEvents();
  ASSERT_TRUE(edit->Visible());
  EXPECT_EQ(edit->Text(), "2");
  EXPECT_TRUE(grid->Cells(1, 1).contains(R"(VALUE="9")"));
  PressKey(edit, Qt::Key_Tab);  // no editable control follows: the grid takes the focus
  ProcessEvents();
  EXPECT_FALSE(edit->Visible());
  EXPECT_TRUE(grid->Focused());
}

TEST_F(ControlCellEditors, AComboTakesItsListFromTheFormAndStoresTheChoice) {
  grid->SetCells(1, 1, R"(<CONTROL TYPE="COMBO" ID="k" VALUE="b" WIDTH="100">)");
  grid->OnControlComboList = [](TObject*, int, int, const QString&, const QString&, const QString&, TStringList* v,
                                bool& edit, int& count) {
    v->Add("a");
    v->Add("b");
    v->Add("c");
    edit = false;
    count = 3;
  };
  grid->OnControlComboSelect = [this](TObject*, int r, int c, int idx, const QString& id, const QString& v) {
    log.push_back(QString("select %1,%2 %3 %4 %5").arg(c).arg(r).arg(idx).arg(id, v));
  };
  OpenControl("k");
  TControlCombo* combo = grid->ControlCombo();
  ASSERT_TRUE(combo->Visible());
  EXPECT_EQ(combo->Style(), csDropDownList);
  EXPECT_EQ(combo->DropDownCount(), 3);
  EXPECT_EQ(combo->ItemIndex(), 1);
  combo->SetDroppedDown(false);
  PressKey(combo, Qt::Key_Down);
  PressKey(combo, Qt::Key_Return);
  ProcessEvents();
  EXPECT_FALSE(combo->Visible());
  EXPECT_TRUE(grid->Cells(1, 1).contains(R"(VALUE="c")")) << grid->Cells(1, 1).toStdString();
  EXPECT_EQ(log, (std::vector<QString>{"select 1,1 2 k c", "done 1,1 k COMBO c"}));
}

}  // namespace
