// The spin and check box editors in a grid: stepping keeps the editor open,
// Enter validates and stores, Escape leaves the cell as it was, Home and End go
// to the limits; the check box toggles once per Space or click and closes on
// the navigation keys without writing the cell.
#include <gtest/gtest.h>

#include "grid/input/grid_button.h"
#include "grid/input/grid_check_box.h"
#include "grid/input/grid_spin.h"
#include "tests/grid/input/edit_cycle_fixture.h"

namespace {

struct SpinEditor : ::testing::Test, EditGridFixture {
  SpinEditor() {
    grid->DefaultEditor = edSpinEdit;
    grid->OnSpinClick = [this](TObject*, int c, int r, int v, bool up) {
      log.push_back(QString("spin %1,%2 %3 %4").arg(c).arg(r).arg(v).arg(up ? "up" : "down"));
    };
    grid->OnEditingDone = [this](TObject*) { log.push_back("editing done"); };
  }
  TGridSpin* Spin() { return grid->SpinEdit(); }
};

TEST_F(SpinEditor, StepsStayOpenEnterStores) {
  grid->SetCells(2, 2, "5");
  OpenAt(2, 2);
  ASSERT_TRUE(Spin()->Visible());
  EXPECT_EQ(Spin()->Value(), 5);
  PressKey(Spin(), Qt::Key_Up);
  PressKey(Spin(), Qt::Key_Up);
  PressKey(Spin(), Qt::Key_Down);
  EXPECT_TRUE(Spin()->Visible());
  EXPECT_EQ(Spin()->Text(), "6");
  EXPECT_EQ(grid->Cells(2, 2), "5");
  PressKey(Spin(), Qt::Key_Return);
  EXPECT_FALSE(Spin()->Visible());
  EXPECT_EQ(grid->Cells(2, 2), "6");
  EXPECT_EQ(log, (std::vector<QString>{"editing done"}));
}

TEST_F(SpinEditor, HomeAndEndGoToTheLimits) {
  grid->SetCells(2, 2, "5");
  OpenAt(2, 2);
  PressKey(Spin(), Qt::Key_Home);
  EXPECT_EQ(Spin()->Value(), 100);
  PressKey(Spin(), Qt::Key_End);
  EXPECT_EQ(Spin()->Value(), 0);
  EXPECT_EQ(log, (std::vector<QString>{"spin 2,2 100 up", "spin 2,2 0 down"}));
  PressKey(Spin(), Qt::Key_Escape);
}

TEST_F(SpinEditor, EscapeLeavesTheCellExactlyAsItWas) {
  for (const char* before : {"", "abc", "500", "7"}) {
    SCOPED_TRACE(before);
    grid->SetCells(2, 2, before);
    OpenAt(2, 2);
    PressKey(Spin(), Qt::Key_Up);
    PressKey(Spin(), Qt::Key_Escape);
    EXPECT_FALSE(Spin()->Visible());
    EXPECT_EQ(grid->Cells(2, 2), before);
  }
}

TEST_F(SpinEditor, AnEmptyValueMayStayEmpty) {
  grid->SetCells(2, 2, "3");
  OpenAt(2, 2);
  Spin()->AllowEmptyValue = true;
  Spin()->SetText("");
  PressKey(Spin(), Qt::Key_Return);
  EXPECT_EQ(grid->Cells(2, 2), "");
}

TEST_F(SpinEditor, ARefusedValueKeepsTheEditorOpen) {
  grid->OnCellValidate = [](TObject*, int, int, QString&, bool& valid) { valid = false; };
  grid->SetCells(2, 2, "5");
  OpenAt(2, 2);
  PressKey(Spin(), Qt::Key_Up);
  PressKey(Spin(), Qt::Key_Return);
  EXPECT_TRUE(Spin()->Visible());
  EXPECT_EQ(grid->Cells(2, 2), "5");
}

struct CheckEditor : ::testing::Test, EditGridFixture {
  CheckEditor() { grid->DefaultEditor = edCheckBox; }
  TGridCheckBox* Check() { return grid->CheckEditor(); }
};

TEST_F(CheckEditor, TogglesOncePerSpaceOrClickAndWritesNothing) {
  grid->SetCells(2, 2, "Option");
  OpenAt(2, 2);
  ASSERT_TRUE(Check()->Visible());
  EXPECT_EQ(Check()->Caption(), "Option");
  EXPECT_FALSE(Check()->Checked());
  PressKey(Check(), Qt::Key_Space);
  EXPECT_TRUE(Check()->Checked());
  MouseClick(Check(), 5, 5);
  EXPECT_FALSE(Check()->Checked());
  PressKey(Check(), Qt::Key_Escape);  // does not close it
  EXPECT_TRUE(Check()->Visible());
  PressKey(Check(), Qt::Key_Right);
  EXPECT_FALSE(Check()->Visible());
  EXPECT_EQ(grid->Cells(2, 2), "Option");
}

TEST_F(CheckEditor, UpAndDownMoveTheCursor) {
  OpenAt(2, 2);
  PressKey(Check(), Qt::Key_Down);
  EXPECT_FALSE(Check()->Visible());
  EXPECT_EQ(grid->Row(), 3);
}

}  // namespace

namespace {

struct ButtonEditor : ::testing::Test, EditGridFixture {
  ButtonEditor() {
    grid->DefaultEditor = edButton;
    grid->OnEllipsClick = [this](TObject*, int c, int r, QString& s) {
      log.push_back(QString("ellips %1,%2 %3").arg(c).arg(r).arg(s));
      s = "picked";
    };
  }
  TGridButton* Button() { return grid->ButtonEditor(); }
};

TEST_F(ButtonEditor, AClickShowsAndStoresTheFormsText) {
  grid->SetCells(2, 2, "choose");
  OpenAt(2, 2);
  ASSERT_TRUE(Button()->Visible());
  EXPECT_EQ(Button()->Caption(), "choose");
  MouseClick(Button(), 5, 5);
  EXPECT_EQ(Button()->Caption(), "picked");
  EXPECT_EQ(grid->Cells(2, 2), "picked");
  PressKey(Button(), Qt::Key_Space);
  EXPECT_EQ(log, (std::vector<QString>{"ellips 2,2 choose", "ellips 2,2 picked"}));
}

TEST_F(ButtonEditor, ArrowsCloseAndMoveEscapeLeavesTheCell) {
  grid->SetCells(2, 2, "choose");
  OpenAt(2, 2);
  PressKey(Button(), Qt::Key_Down);
  EXPECT_FALSE(Button()->Visible());
  EXPECT_EQ(grid->Row(), 3);
  EXPECT_FALSE(grid->EditModeActive());

  OpenAt(2, 2);
  MouseClick(Button(), 5, 5);
  EXPECT_EQ(grid->Cells(2, 2), "picked");
  grid->SetCells(2, 3, "choose");
  OpenAt(2, 3);
  MouseClick(Button(), 5, 5);
  PressKey(Button(), Qt::Key_Escape);
  EXPECT_FALSE(Button()->Visible());
  EXPECT_EQ(grid->Cells(2, 3), "choose");
}

}  // namespace

namespace {

TEST_F(ButtonEditor, LeavingValidatesTheClickedTextFirst) {
  grid->OnCellValidate = [](TObject*, int, int, QString&, bool& valid) { valid = false; };
  grid->OnEditingDone = [this](TObject*) { log.push_back("editing done"); };
  grid->SetCells(2, 2, "choose");
  OpenAt(2, 2);
  MouseClick(Button(), 5, 5);
  other->SetFocus();
  ProcessEvents();
  EXPECT_EQ(grid->Cells(2, 2).toStdString(), "choose");
  EXPECT_EQ(std::count(log.begin(), log.end(), "editing done"), 0);
}

}  // namespace
