// The grid's window messages: "GridEditDone" arguments, update-lock nesting, the
// wheel moving the cursor and clamping, the incremental search text forgotten
// on the fourth timer tick, and scrolling that closes a combo editor but keeps
// the text editor.
#include <gtest/gtest.h>

#include "grid/input/grid_combo.h"
#include "grid/view/grid_unit.h"
#include "platform/ui/art_cursors.h"
#include "platform/ui/edit.h"
#include "platform/ui/mouse_position.h"
#include "tests/grid/input/keys_grid_fixture.h"

namespace {

// The control pointer a child's WM_COMMAND carries.
intptr_t ComboSource(TGridCombo* combo) { return reinterpret_cast<intptr_t>(static_cast<TControl*>(combo)); }

// Opens the grid's editing state for the scrolling test.
class ProbeGrid : public TExColumnGrid {
public:
  using TExColumnGrid::TExColumnGrid;
  void PretendEditor(TEditorType kind) {
    EditMode = true;
    EditControl = kind;
  }
  bool Editing() const { return EditMode; }
};

TEST(WndProcMessages, GridEditDoneRaisesOnEditCellDoneWithItsArguments) {
  InputGrid t;
  int col = -1, row = -1;
  t.g->OnEditCellDone = [&](TObject*, int c, int r) {
    col = c;
    row = r;
  };
  t.g->Perform(GridEditDoneMessage(), 3, 5);
  EXPECT_EQ(col, 3);
  EXPECT_EQ(row, 5);
}

TEST(WndProcMessages, UpdateLockNests) {
  InputGrid t;
  t.g->BeginUpdate();
  t.g->BeginUpdate();
  EXPECT_TRUE(t.g->LockUpdate());
  t.g->EndUpdate();
  EXPECT_TRUE(t.g->LockUpdate());
  t.g->EndUpdate();
  EXPECT_FALSE(t.g->LockUpdate());
  t.g->EndUpdate();  // one too many changes nothing
  EXPECT_EQ(t.g->UpdateCount(), 0);
  // The quiet pair resets every level, a painting lock's included.
  t.g->SetLockUpdate(true);
  t.g->StartUpdate();
  t.g->ResetUpdate();
  EXPECT_FALSE(t.g->LockUpdate());
}

// One notch moves the cursor by the wheel lines (or the wheel increment),
// clamped to the normal rows; waScroll moves the view instead.
TEST(WndProcMessages, WheelMovesAndClamps) {
  struct Case {
    const char* name;
    int increment;
    TWheelAction action;
    int startRow;
    int delta;
    int row;
    int top;  // -1: not checked
  } cases[] = {
      {"down by the increment", 2, waMoveSelection, 3, -120, 5, -1},
      {"up by the increment", 2, waMoveSelection, 5, 120, 3, -1},
      {"down clamped to the last row", 4, waMoveSelection, 37, -120, 39, -1},
      {"up clamped to the first normal row", 4, waMoveSelection, 2, 120, 1, -1},
      {"scroll keeps the cursor", 3, waScroll, 2, -120, 2, 4},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    InputGrid t(6, 40);
    t.g->MouseActions()->WheelIncrement = c.increment;
    t.g->MouseActions()->SetWheelAction(c.action);
    t.Go(2, c.startRow);
    int selChanges = 0;
    t.g->OnSelectionChanged = [&](TObject*, int, int, int, int) { ++selChanges; };
    t.g->Perform(WM_MOUSEWHEEL, MakeWParam(0, c.delta), MakeLParam(10, 10));
    EXPECT_EQ(t.g->Row(), c.row);
    if (c.top >= 0) {
      EXPECT_EQ(t.g->TopRow(), c.top);
    }
    EXPECT_EQ(selChanges, c.row != c.startRow ? 1 : 0);
  }
}

TEST(WndProcMessages, WheelSwitchedOffChangesNothing) {
  InputGrid t(6, 40);
  t.g->EnableWheel = false;
  t.Go(2, 3);
  t.g->Perform(WM_MOUSEWHEEL, MakeWParam(0, -120), 0);
  EXPECT_EQ(t.g->Row(), 3);
}

TEST(WndProcMessages, SearchTextForgottenOnTheFourthTick) {
  InputGrid t;
  t.g->Navigation()->AutoGotoIncremental = true;
  t.g->SearchInc = QStringLiteral("ab");
  t.g->SearchTics = 0;
  for (int tick = 1; tick <= 3; ++tick) {
    t.g->Perform(WM_TIMER, TExStringGrid::kGridTimerID, 0);
    EXPECT_EQ(t.g->SearchInc, QStringLiteral("ab")) << "tick " << tick;
  }
  t.g->Perform(WM_TIMER, TExStringGrid::kGridTimerID, 0);
  EXPECT_EQ(t.g->SearchInc, QString());
  // Another timer's tick is not the grid's.
  t.g->SearchInc = QStringLiteral("x");
  for (int tick = 0; tick < 5; ++tick) t.g->Perform(WM_TIMER, 999, 0);
  EXPECT_EQ(t.g->SearchInc, QStringLiteral("x"));
}

TEST(WndProcMessages, ScrollingClosesAComboEditorButKeepsTheTextEditor) {
  for (TEditorType kind : {edComboList, edNormal}) {
    SCOPED_TRACE(kind == edNormal ? "text editor" : "combo editor");
    TForm form(nullptr);
    form.SetClientSize(400, 200);
    ProbeGrid g(&form);
    g.SetParent(&form);
    g.SetBounds(0, 0, 380, 180);
    g.SetRowCount(50);
    form.Show();
    g.PretendEditor(kind);
    g.SetTopRow(10);
    EXPECT_EQ(g.Editing(), kind == edNormal);
  }
}

// With SynchWithGrid the columns follow the grid's width from the recorded
// widths: 400 -> 600 pixels makes a 50-pixel column 75 pixels wide.
TEST(WndProcMessages, ColumnsFollowTheGridWidth) {
  InputGrid t(4, 4);
  t.g->SetBounds(0, 0, 400, 200);
  for (int c = 0; c < 4; ++c) t.g->SetColWidths(c, 50 + 10 * c);
  t.g->InitOrigColSizes();
  t.g->SetBounds(0, 0, 600, 200);
  EXPECT_EQ(t.g->ColWidths(0), 50);  // not switched on yet
  t.g->ColumnSize()->SynchWithGrid = true;
  t.g->SetBounds(0, 0, 400, 200);
  t.g->SetBounds(0, 0, 600, 200);
  EXPECT_EQ(t.g->ColWidths(0), 75);
  EXPECT_EQ(t.g->ColWidths(3), 120);
  t.g->ColumnSize()->SynchNormalCellsOnly = true;
  t.g->SetBounds(0, 0, 200, 200);
  EXPECT_EQ(t.g->ColWidths(0), 75);  // the fixed column keeps its width
  EXPECT_EQ(t.g->ColWidths(1), 30);
}

// The middle button starts panning; each pan tick moves one step towards the
// pointer (more than 5 pixels from the origin) with the direction's cursor;
// ipVertical never changes the column; a key ends panning.
TEST(WndProcMessages, MiddleButtonPanning) {
  struct Case {
    const char* name;
    int dx, dy;
    const char* cell;
    TCursor cursor;
  } cases[] = {
      {"below", 0, 30, "2,4", crPanDown},
      {"above", 0, -30, "2,2", crPanUp},
      {"within 5 pixels", 4, -5, "2,3", crPanOrigin},
      {"right, vertical panning only", 40, 0, "2,3", crPanOrigin},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    InputGrid t(6, 20);
    t.g->SetCursor(crCross);
    t.Go(2, 3);
    t.g->Perform(WM_MBUTTONDOWN, MK_MBUTTON, MakeLParam(100, 100));
    ASSERT_TRUE(t.g->Panning());
    EXPECT_EQ(t.g->Cursor(), crPanOrigin);
    SetCursorPosForTest(t.g->ClientToScreen({100 + c.dx, 100 + c.dy}));
    t.g->Perform(WM_TIMER, TExStringGrid::kPanTimerID, 0);
    SetCursorPosForTest(std::nullopt);
    EXPECT_EQ(t.Cell().toStdString(), std::string(c.cell));
    EXPECT_EQ(t.g->Cursor(), c.cursor);
    t.g->Perform(WM_KEYDOWN, VK_SHIFT, 0);
    EXPECT_FALSE(t.g->Panning());
    EXPECT_EQ(t.g->Cursor(), crCross);
  }
}

// With Hovering the grid tick makes the cell under the mouse current; over a
// fixed cell or outside the grid nothing changes.
TEST(WndProcMessages, HoveringSelectsTheCellUnderTheMouse) {
  InputGrid t;
  t.g->SetHovering(true);
  t.Go(1, 1);
  const TPoint fixed = t.Centre(0, 3), normal = t.Centre(4, 5);
  for (TPoint p : {fixed, TPoint{-20, -20}}) {
    SetCursorPosForTest(t.g->ClientToScreen(p));
    t.g->GridTimerTick();
    EXPECT_EQ(t.Cell().toStdString(), "1,1");
  }
  SetCursorPosForTest(t.g->ClientToScreen(normal));
  t.g->GridTimerTick();
  SetCursorPosForTest(std::nullopt);
  EXPECT_EQ(t.Cell().toStdString(), "4,5");
}

// The in-place combo's list opening and closing reach OnComboDropDown and
// OnComboCloseUp with the row and the real column.
TEST(WndProcMessages, ComboListOpeningAndClosing) {
  InputGrid t;
  t.g->SetOptions(t.g->Options() + goEditing);
  t.g->OnGetEditorType = [&](TObject*, int c, int, TEditorType& e) {
    if (c != 2) return;
    e = edComboList;
    t.g->ClearComboString();
    for (const char* s : {"Bool", "Int8"}) t.g->AddComboString(QString::fromLatin1(s));
  };
  t.g->OnComboDropDown = [&](TObject*, int r, int c) { t.log << QStringLiteral("drop %1,%2").arg(c).arg(r); };
  t.g->OnComboCloseUp = [&](TObject*, int r, int c) { t.log << QStringLiteral("close %1,%2").arg(c).arg(r); };
  t.Go(2, 3);
  t.Key(Qt::Key_F2);
  ASSERT_NE(t.g->Combobox(), nullptr);
  t.g->Perform(WM_COMMAND, MakeWParam(0, CBN_DROPDOWN), ComboSource(t.g->Combobox()));
  t.g->Perform(WM_COMMAND, MakeWParam(0, CBN_CLOSEUP), ComboSource(t.g->Combobox()));
  EXPECT_EQ(t.log.join(u'|').toStdString(), "drop 2,3|close 2,3");
}

// The same with real editors: a combo opened by F2 closes and stores its value
// when the grid scrolls; the text editor stays open.
TEST(WndProcMessages, ScrollingWithRealEditors) {
  for (bool combo : {true, false}) {
    SCOPED_TRACE(combo ? "combo editor" : "text editor");
    InputGrid t(6, 60);
    t.g->SetOptions(t.g->Options() + goEditing);
    if (combo)
      t.g->OnGetEditorType = [&](TObject*, int c, int, TEditorType& e) {
        if (c != 2) return;
        e = edComboList;
        t.g->ClearComboString();
        for (const char* s : {"Bool", "Int8"}) t.g->AddComboString(QString::fromLatin1(s));
      };
    t.Go(2, 3);
    t.Key(Qt::Key_F2);
    ASSERT_TRUE(t.g->EditModeActive() || t.g->EditorMode());
    t.g->SetTopRow(20);
    ProcessEvents();
    if (combo) {
      EXPECT_FALSE(t.g->EditModeActive());
      EXPECT_FALSE(t.g->Combobox()->Visible());
      EXPECT_EQ(t.g->Cells(2, 3), QStringLiteral("Bool"));  // the combo's value was stored
    } else {
      EXPECT_TRUE(t.g->EditorMode());
    }
  }
}

// A control placed in a cell hides when the cell scrolls out of view and comes
// back one pixel up and left of the cell, one pixel wider and higher.
TEST(WndProcMessages, CellControlsFollowScrolling) {
  InputGrid t(6, 60);
  auto* edit = new TEdit(t.form);
  t.g->SetCellControls(2, 3, edit);
  t.g->SetTopRow(30);
  EXPECT_FALSE(edit->Visible());
  t.g->SetTopRow(1);
  EXPECT_TRUE(edit->Visible());
  const TRect r = t.g->CellRect(2, 3);
  EXPECT_EQ(edit->Left(), r.Left - 1);
  EXPECT_EQ(edit->Top(), r.Top - 1);
  EXPECT_EQ(edit->Width(), r.Right - r.Left + 1);
  EXPECT_EQ(edit->Height(), r.Bottom - r.Top + 1);
}

TEST(WndProcMessages, VersionString) {
  TExStringGrid g(nullptr);
  EXPECT_EQ(g.GetVersionNr(), 100794627);
  EXPECT_EQ(g.GetVersionString().toStdString(), "6.2.1.3 Sep, 2012");
}

}  // namespace
