// The combo editor as a table editor's type cell uses it: OnGetEditorType fills
// the list, a list that has to default tells the form, the keyboard and the
// wheel choose, Enter commits, Escape cancels and Left or Right leave the cell.
#include <gtest/gtest.h>

#include <QApplication>
#include <QWheelEvent>
#include <QWidget>

#include "grid/view/column_grid.h"
#include "tests/grid/input/edit_cycle_fixture.h"

static void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace {

TEST(ComboDropWidth, WidensToTheWidestItem) {
  struct Case {
    int dropDownCount;
    int width;
  } cases[] = {{8, 104}, {2, 121}, {4, 104}};
  for (const Case& c : cases) EXPECT_EQ(ComboDropDownWidth(100, {40, 90, 96, 60}, c.dropDownCount), c.width) << c.dropDownCount;
  EXPECT_EQ(ComboDropDownWidth(100, {10, 20}, 8), 100);  // never narrower than the combo
}

struct ComboEditor : ::testing::Test, EditGridFixture {
  ComboEditor() {
    // Column 2 is the type column: a choice from a list the form fills per cell.
    grid->OnGetEditorType = [this](TObject*, int c, int, TEditorType& e) {
      if (c != typeColumn) return;
      e = kind;
      grid->ClearComboString();
      for (const char* s : {"Bool", "Int8", "Int16"}) grid->AddComboString(s);
    };
    grid->OnComboChange = [this](TObject*, int c, int r, int idx, const QString& s) {
      log.push_back(QString("combo %1,%2 %3 %4").arg(c).arg(r).arg(idx).arg(s));
    };
    grid->OnCellValidate = [this](TObject*, int c, int r, QString& v, bool&) {
      log.push_back(QString("validate %1,%2 %3").arg(c).arg(r).arg(v));
    };
    grid->OnEditingDone = [this](TObject*) { log.push_back("editing done"); };
    grid->OnEditCellDone = [this](TObject*, int c, int r) { log.push_back(QString("edit cell done %1,%2").arg(c).arg(r)); };
  }
  TGridCombo* Combo() { return grid->Combobox(); }
  void Wheel(int delta) {
    QWheelEvent e(QPointF(5, 5), Combo()->Widget()->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, delta),
                  Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(Combo()->Widget(), &e);
  }
  int typeColumn = 2;
  TEditorType kind = edComboList;
};

TEST_F(ComboEditor, AnEmptyCellDefaultsToTheFirstItemAndTellsTheForm) {
  OpenAt(2, 1);
  ASSERT_TRUE(Combo()->Visible());
  EXPECT_TRUE(Combo()->Focused());
  EXPECT_EQ(Combo()->ItemIndex(), 0);
  EXPECT_EQ(log, (std::vector<QString>{"combo 2,1 0 Bool"}));
}

TEST_F(ComboEditor, APreselectedItemRaisesNothing) {
  grid->SetCells(2, 1, "Int8");
  OpenAt(2, 1);
  EXPECT_EQ(Combo()->ItemIndex(), 1);
  EXPECT_TRUE(log.empty());
}

TEST_F(ComboEditor, KeyboardAndWheelChooseThenEnterCommits) {
  grid->SetCells(2, 1, "Bool");
  OpenAt(2, 1);
  PressKey(Combo(), Qt::Key_Down);
  Wheel(-120);  // past the last item: stays
  Wheel(120);
  Wheel(-120);
  EXPECT_EQ(Combo()->ItemIndex(), 2);
  EXPECT_EQ(grid->Cells(2, 1), "Bool");  // nothing written before the commit
  log.clear();
  PressKey(Combo(), Qt::Key_Return);
  EXPECT_EQ(grid->Cells(2, 1), "Int16");
  EXPECT_FALSE(Combo()->Visible());
  EXPECT_EQ(log, (std::vector<QString>{"validate 2,1 Int16", "editing done"}));
  ProcessEvents();
  EXPECT_EQ(log.back(), "edit cell done 2,1");
}

TEST_F(ComboEditor, TheKeyboardChoiceIsReportedOnce) {
  grid->SetCells(2, 1, "Bool");
  OpenAt(2, 1);
  PressKey(Combo(), Qt::Key_Down);
  Wheel(-120);
  Wheel(-120);
  EXPECT_EQ(log, (std::vector<QString>{"combo 2,1 1 Int8", "combo 2,1 2 Int16", "combo 2,1 2 Int16"}));
}

TEST_F(ComboEditor, EscapeLeavesTheCellAsItWas) {
  grid->SetCells(2, 1, "Int8");
  OpenAt(2, 1);
  PressKey(Combo(), Qt::Key_Down);
  PressKey(Combo(), Qt::Key_Escape);
  EXPECT_EQ(grid->Cells(2, 1), "Int8");
  EXPECT_FALSE(Combo()->Visible());
  EXPECT_TRUE(grid->Focused());
}

TEST_F(ComboEditor, LeftAndRightLeaveTheCell) {
  struct Case {
    int key;
    int col;
  } cases[] = {{Qt::Key_Right, 3}, {Qt::Key_Left, 1}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.key);
    grid->SetCells(2, 1, "Bool");
    OpenAt(2, 1);
    PressKey(Combo(), Qt::Key_Down);
    PressKey(Combo(), c.key);
    EXPECT_FALSE(Combo()->Visible());
    EXPECT_EQ(grid->Col(), c.col);
    EXPECT_EQ(grid->Cells(2, 1), "Int8");
  }
}

TEST_F(ComboEditor, ARefusedChoiceKeepsTheComboOpen) {
  grid->OnCellValidate = [](TObject*, int, int, QString&, bool& valid) { valid = false; };
  grid->SetCells(2, 1, "Bool");
  OpenAt(2, 1);
  PressKey(Combo(), Qt::Key_Down);
  PressKey(Combo(), Qt::Key_Return);
  EXPECT_EQ(grid->Cells(2, 1), "Bool");
  EXPECT_TRUE(Combo()->Visible());
  EXPECT_EQ(grid->Col(), 2);
}

TEST_F(ComboEditor, FocusLossValidatesFirstAndAnnouncesOnlyAcceptedEdits) {
  bool refuse = true;
  grid->OnCellValidate = [&](TObject*, int c, int r, QString& v, bool& valid) {
    log.push_back(QString("validate %1,%2 %3").arg(c).arg(r).arg(v));
    valid = !refuse;
  };
  grid->SetCells(2, 1, "Bool");
  OpenAt(2, 1);
  PressKey(Combo(), Qt::Key_Down);
  log.clear();
  other->SetFocus();
  ProcessEvents();
  EXPECT_EQ(grid->Cells(2, 1), "Bool");
  EXPECT_EQ(log, (std::vector<QString>{"validate 2,1 Int8"}));

  refuse = false;
  log.clear();
  OpenAt(2, 1);
  PressKey(Combo(), Qt::Key_Down);
  log.clear();
  other->SetFocus();
  ProcessEvents();
  EXPECT_EQ(grid->Cells(2, 1), "Int8");
  EXPECT_EQ(log, (std::vector<QString>{"validate 2,1 Int8", "editing done", "edit cell done 2,1"}));
}

TEST_F(ComboEditor, TypingInAnEditableComboReportsOnceWithTheRealColumn) {
  grid->HideColumn(1);  // display column 2 is real column 3
  typeColumn = 3;
  kind = edComboEdit;
  OpenAt(2, 1);
  ASSERT_TRUE(Combo()->Visible());
  log.clear();
  PressKey(Combo(), Qt::Key_X);
  EXPECT_EQ(log, (std::vector<QString>{"combo 3,1 -1 x"}));
}

}  // namespace

namespace {

// A column grid: the column's editor kind and list come first, and the form's
// OnGetEditorType may still refill the list per cell.
TEST(ColumnGridComboEditor, TheColumnsListAndTheFormsRefill) {
  TForm form(nullptr);
  form.SetClientSize(500, 300);
  auto* grid = new TExColumnGrid(&form);
  grid->SetParent(&form);
  grid->SetBounds(0, 0, 420, 250);
  grid->SetColCount(4);
  grid->SetRowCount(4);
  grid->SetOptions(grid->Options() + goEditing);
  TGridColumnItem* type = grid->Columns()->Items(2);
  type->SetEditor(edComboList);
  type->ComboItems()->Add("Bool");
  type->ComboItems()->Add("Int8");
  grid->Columns()->Items(3)->ReadOnly = true;
  form.Show();
  grid->SetCells(2, 1, "Int8");
  grid->EditCell(2, 1);
  ASSERT_TRUE(grid->Combobox()->Visible());
  EXPECT_EQ(grid->Combobox()->Items()->Count(), 2);
  EXPECT_EQ(grid->Combobox()->ItemIndex(), 1);
  PressKey(grid->Combobox(), Qt::Key_Escape);
  EXPECT_FALSE(grid->IsEditable(3, 1));

  grid->OnGetEditorType = [grid](TObject*, int c, int r, TEditorType&) {
    if (c != 2) return;
    grid->ClearComboString();
    grid->AddComboString(r == 2 ? "String" : "Array");
  };
  grid->EditCell(2, 2);
  ASSERT_TRUE(grid->Combobox()->Visible());
  EXPECT_EQ(grid->Combobox()->Items()->Count(), 1);
  EXPECT_EQ(grid->Combobox()->Text(), "String");
  PressKey(grid->Combobox(), Qt::Key_Return);
  EXPECT_EQ(grid->Cells(2, 2), "String");
}

}  // namespace

namespace {

struct ComboAdvance : ::testing::Test, EditGridFixture {};

TEST_F(ComboAdvance, EnterCommitsAndTheGridMovesOnWithAdvanceOnEnter) {
  grid->OnGetEditorType = [this](TObject*, int c, int, TEditorType& e) {
    if (c != 2) return;
    e = edComboList;
    grid->ClearComboString();
    grid->AddComboString("Bool");
    grid->AddComboString("Int8");
  };
  grid->Navigation()->AdvanceOnEnter = true;
  grid->Navigation()->AdvanceAutoEdit = false;
  grid->SetCells(2, 1, "Bool");
  OpenAt(2, 1);
  PressKey(grid->Combobox(), Qt::Key_Down);
  PressKey(grid->Combobox(), Qt::Key_Return);
  EXPECT_EQ(grid->Cells(2, 1), "Int8");
  EXPECT_EQ(grid->Col(), 3);
  EXPECT_EQ(grid->Row(), 1);
}

}  // namespace

namespace {

struct EditableCombo : ::testing::Test, EditGridFixture {
  EditableCombo() {
    grid->OnGetEditorType = [this](TObject*, int c, int, TEditorType& e) {
      if (c != 2) return;
      e = edComboEdit;
      grid->ClearComboString();
      grid->AddComboString("Alpha");
      grid->AddComboString("Beta");
    };
  }
};

TEST_F(EditableCombo, LookupCompletesFromTheItemsThenFromTheGridsList) {
  grid->Lookup = true;
  grid->LookupItems()->Add("Gamma");
  OpenAt(2, 1);
  TGridCombo* combo = grid->Combobox();
  PressKey(combo, Qt::Key_B);
  EXPECT_EQ(combo->Text(), "beta");
  EXPECT_EQ(combo->SelStart(), 1);
  EXPECT_EQ(combo->SelLength(), 3);
  PressKey(combo, Qt::Key_Backspace);  // removes the completed tail, completes nothing
  EXPECT_EQ(combo->Text(), "b");
  combo->SetText("");
  PressKey(combo, Qt::Key_G);
  EXPECT_EQ(combo->Text(), "gamma");
}

TEST_F(EditableCombo, TypedTextIsCommittedByEnter) {
  OpenAt(2, 1);
  TGridCombo* combo = grid->Combobox();
  Type(combo, "free");
  PressKey(combo, Qt::Key_Return);
  EXPECT_EQ(grid->Cells(2, 1), "free");
  EXPECT_FALSE(combo->Visible());
}

}  // namespace

namespace {

struct ComboWalk : ::testing::Test, EditGridFixture {};

TEST_F(ComboWalk, AnEditableComboWalksOutAtTheEdgesOfItsText) {
  grid->OnGetEditorType = [](TObject*, int c, int, TEditorType& e) {
    if (c == 2) e = edComboEdit;
  };
  grid->Navigation()->CursorWalkEditor = true;
  grid->Navigation()->CursorWalkAlwaysEdit = false;
  grid->SetCells(2, 1, "ab");
  OpenAt(2, 1);
  TGridCombo* combo = grid->Combobox();
  combo->SetSelStart(2);
  PressKey(combo, Qt::Key_Right);
  EXPECT_EQ(grid->Col(), 3);
  EXPECT_FALSE(combo->Visible());

  OpenAt(2, 1);
  combo->SetSelStart(1);
  PressKey(combo, Qt::Key_Left);  // reaches the start: out at once
  EXPECT_EQ(grid->Col(), 1);
  EXPECT_EQ(grid->Cells(2, 1), "ab");
}

}  // namespace
