// The grid's drop-down editors, one protocol over every member (open, choose,
// Enter, Escape, focus loss, Alt+Down), then the calculator's and the colour
// picker's differences and the image picker on a cell that holds no number.
#include <gtest/gtest.h>

#include <functional>

#include "grid/dropdown/calculator_drop_down.h"
#include "grid/dropdown/color_picker_drop_down.h"
#include "grid/dropdown/detail_drop_down.h"
#include "grid/dropdown/grid_drop_down.h"
#include "grid/dropdown/image_picker_drop_down.h"
#include "grid/dropdown/memo_drop_down.h"
#include "grid/dropdown/multi_column_drop_down.h"
#include "grid/dropdown/time_picker_drop_down.h"
#include "grid/dropdown/track_bar_drop_down.h"
#include "grid/input/grid_drop_down_editors.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/color_names.h"
#include "platform/ui/image_list.h"
#include "tests/grid/input/edit_cycle_fixture.h"
#include "tests/support/qstring_print.h"

namespace {

struct DropDownEditors : ::testing::Test, EditGridFixture {
  DropDownEditors() {
    grid->OnGetEditorType = [this](TObject*, int c, int, TEditorType& e) {
      if (c == 1) e = kind;
    };
    grid->OnCellValidate = [this](TObject*, int c, int r, QString& v, bool& valid) {
      log.push_back(QString("validate %1,%2 %3").arg(c).arg(r).arg(v));
      valid = v != refuse;
    };
    grid->OnEditCellDone = [this](TObject*, int c, int r) { log.push_back(QString("done %1,%2").arg(c).arg(r)); };
    images = new TImageList(form);
    TBitmap b;
    b.SetSize(16, 16);
    for (int i = 0; i < 3; ++i) images->Add(&b);
    grid->GridImages = images;
  }

  TExCustomDropDown* Editor() {
    switch (kind) {
      case edTrackbarDropDown: return grid->TrackbarDropDown();
      case edMemoDropDown: return grid->MemoDropDown();
      case edCalculatorDropDown: return grid->CalculatorDropDown();
      case edTimePickerDropDown: return grid->TimePickerDropDown();
      case edDetailDropDown: return grid->DetailPickerDropDown();
      case edGridDropDown: return grid->GridDropDown();
      case edColorPickerDropDown: return grid->ColorPickerDropDown();
      case edExGridDropDown: return grid->ExGridDropDown();
      default: return grid->ImagePickerDropDown();
    }
  }
  void Open() {
    OpenAt(1, 1);
    ProcessEvents();
  }

  TEditorType kind = edMemoDropDown;
  QString refuse = "never";
  TImageList* images;
};

struct Member {
  TEditorType kind;
  const char* name;
  const char* initial;
  // Changes the value as the user would in the pop-up.
  std::function<void(TExStringGrid*)> choose;
  // The cell text the chosen value gives (empty: the editor's text).
  const char* stored;
};

const Member kMembers[] = {
    {edTrackbarDropDown, "track bar", "3", [](TExStringGrid* g) { g->TrackbarDropDown()->SetPosition(7); }, "7"},
    {edMemoDropDown, "memo", "old", [](TExStringGrid* g) { g->MemoDropDown()->SetText("new text"); }, "new text"},
    {edCalculatorDropDown, "calculator", "1", [](TExStringGrid* g) { g->CalculatorDropDown()->SetText("42"); }, ""},
    {edTimePickerDropDown, "time picker", "08:00:00",
     [](TExStringGrid* g) { g->TimePickerDropDown()->SetText("10:30:00"); }, ""},
    {edDetailDropDown, "detail list", "alpha",
     [](TExStringGrid* g) { g->DetailPickerDropDown()->SetItemIndex(1); }, "beta"},
    {edGridDropDown, "multi-column list", "one", [](TExStringGrid* g) { g->GridDropDown()->SetItemIndex(1); }, "two"},
    {edColorPickerDropDown, "colour picker", "x",
     [](TExStringGrid* g) { g->ColorPickerDropDown()->SetSelectedColor(clRed); }, "clRed"},
    {edImagePickerDropDown, "image picker", "0", [](TExStringGrid* g) { g->ImagePickerDropDown()->SetItemIndex(2); },
     "2"},
    {edExGridDropDown, "grid drop-down", "one", [](TExStringGrid* g) { g->ExGridDropDown()->SetItemIndex(1); }, "two"},
};

void FillLists(TExStringGrid* g) {
  TDetailItems* details = g->DetailPickerDropDown()->Items();
  for (const char* s : {"alpha", "beta"}) details->Add()->SetCaption(s);
  TDropDownItems* rows = g->GridDropDown()->Items();
  for (const char* s : {"one", "two"}) {
    TStringList t;
    t.Add(s);
    rows->Add()->SetText(t);
  }
  g->GridDropDown()->EndUpdate();
  grid_drop_down::TDropDownItems* gridRows = g->ExGridDropDown()->Items();
  for (const char* s : {"one", "two"}) {
    TStringList t;
    t.Add(s);
    gridRows->Add()->SetText(t);
  }
  g->ExGridDropDown()->EndUpdate();
}

TEST_F(DropDownEditors, EveryMemberFollowsTheProtocol) {
  FillLists(grid);
  for (const Member& m : kMembers) {
    SCOPED_TRACE(m.name);
    kind = m.kind;
    auto reset = [&] {
      grid->SetCells(1, 1, m.initial);
      if (kind == edImagePickerDropDown) grid->AddDataImage(1, 1, 0, haLeft, vaTop);
      grid->SetColors(1, 1, clNone);
    };
    reset();
    log.clear();
    // Open: laid over the cell and focused.
    Open();
    TExCustomDropDown* d = Editor();
    ASSERT_TRUE(d->Visible());
    EXPECT_TRUE(d->Focused());
    EXPECT_TRUE(grid->EditMode);
    const TRect cell = grid->CellRect(1, 1);
    EXPECT_EQ(d->Left(), cell.Left);
    EXPECT_EQ(d->Top(), cell.Top);
    // Choose and Enter: validated, stored, announced.
    m.choose(grid);
    const QString shown = d->Text();
    const QString stored = *m.stored ? QString(m.stored) : shown;
    PressKey(d, Qt::Key_Return);
    ProcessEvents();
    EXPECT_FALSE(d->Visible());
    EXPECT_EQ(grid->Cells(1, 1), stored);
    EXPECT_EQ(log, (std::vector<QString>{QString("validate 1,1 %1").arg(shown), "done 1,1"}));
    // Escape after a change leaves the cell as it was.
    reset();
    Open();
    m.choose(grid);
    PressKey(d, Qt::Key_Escape);
    ProcessEvents();
    EXPECT_FALSE(d->Visible());
    EXPECT_EQ(grid->Cells(1, 1), m.initial);
    if (kind == edColorPickerDropDown) EXPECT_EQ(grid->Colors(1, 1), clNone);
    // Focus loss stores.
    Open();
    m.choose(grid);
    other->SetFocus();
    ProcessEvents();
    EXPECT_FALSE(d->Visible());
    EXPECT_EQ(grid->Cells(1, 1), stored);
    // Alt+Down opens the list and the edit stays open.
    reset();
    grid->SetFocus();
    Open();
    PressKey(d, Qt::Key_Down, Qt::AltModifier);
    ProcessEvents();
    EXPECT_TRUE(d->DroppedDown());
    EXPECT_TRUE(grid->EditMode);
    d->HideDropDown(true);
    PressKey(d, Qt::Key_Escape);
    ProcessEvents();
    EXPECT_EQ(grid->Cells(1, 1), m.initial);
    grid->SetFocus();
  }
}

TEST_F(DropDownEditors, ARefusedValueKeepsTheEditorOpen) {
  kind = edMemoDropDown;
  refuse = "bad";
  grid->SetCells(1, 1, "good");
  Open();
  grid->MemoDropDown()->SetText("bad");
  PressKey(grid->MemoDropDown(), Qt::Key_Return);
  EXPECT_TRUE(grid->MemoDropDown()->Visible());
  EXPECT_EQ(grid->Cells(1, 1), "good");
  PressKey(grid->MemoDropDown(), Qt::Key_Escape);
  EXPECT_EQ(grid->Cells(1, 1), "good");
}

TEST_F(DropDownEditors, TheCalculatorCompletesThePendingOperationOnEnter) {
  kind = edCalculatorDropDown;
  grid->SetCells(1, 1, "0");
  Open();
  TExCustomDropDown* d = Editor();
  Type(d, "12");
  PressKey(d, Qt::Key_Plus);
  Type(d, "3");
  PressKey(d, Qt::Key_Return);
  EXPECT_EQ(grid->Cells(1, 1), "15.00");
  EXPECT_EQ(log.front(), "validate 1,1 15.00");
}

TEST_F(DropDownEditors, TheColourPickersUpEndsTheEditWithoutValidation) {
  kind = edColorPickerDropDown;
  grid->AddShape(1, 2, csRectangle, clBlue, clBlack, haCenter, vaCenter);
  // With the editor part disabled only Enter and Escape reach the editor.
  grid->ColorPickerDropDown()->SetEditorEnabled(true);
  grid->MoveTo(1, 2);
  grid->SetFocus();
  grid->ShowInplaceEdit();
  ProcessEvents();
  auto* d = grid->ColorPickerDropDown();
  EXPECT_EQ(d->SelectedColor(), clBlue);  // a shape cell opens with its shape colour
  d->SetSelectedColor(clLime);
  PressKey(d, Qt::Key_Up);
  ProcessEvents();
  EXPECT_FALSE(d->Visible());
  EXPECT_EQ(grid->Row(), 1);
  EXPECT_EQ(grid->GetShapeColor(1, 2), clLime);
  EXPECT_EQ(grid->Cells(1, 2), ColorToString(clLime));
  for (const QString& line : log) EXPECT_FALSE(line.startsWith("validate"));
}

TEST_F(DropDownEditors, AnImageCellThatHoldsNoNumberOpensWithNoImage) {
  kind = edImagePickerDropDown;
  grid->AddDataImage(1, 1, 1, haLeft, vaTop);
  grid->SetCells(1, 1, "x");
  Open();
  EXPECT_EQ(grid->ImagePickerDropDown()->ItemIndex(), -1);
  EXPECT_EQ(grid->ImagePickerDropDown()->Text(), "");
  EXPECT_TRUE(grid->EditMode);
  PressKey(grid->ImagePickerDropDown(), Qt::Key_Escape);
  EXPECT_EQ(grid->Cells(1, 1), "x");
}

}  // namespace
