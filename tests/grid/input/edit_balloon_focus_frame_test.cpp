// A refused edit's balloon on the editor, and the glowing focus frame around
// the edited cell: shown when the editor opens, hidden by an accepted edit.
#include <gtest/gtest.h>

#include "grid/base/focus_window.h"
#include "grid/view/grid_unit.h"
#include "platform/ui/popup_window.h"
#include "tests/grid/input/edit_cycle_fixture.h"

namespace {

struct EditDecorations : ::testing::Test, EditGridFixture {
  EditDecorations() {
    grid->OnCellValidate = [this](TObject*, int, int, QString&, bool& valid) { valid = !refuse; };
  }
  ~EditDecorations() override { HideEditBalloonTip(); }
  bool refuse = false;
};

}  // namespace

TEST_F(EditDecorations, RefusedEditShowsTheInvalidEntryBalloonOnTheEditor) {
  struct Case {
    const char* title;
    const char* text;
    TInvalidEntryIcon icon;
    bool shown;
  } cases[] = {
      {"Wrong", "Type a number", ieError, true},
      {"", "Only a text", ieInfo, true},
      {"", "", ieWarning, false},
  };
  for (const Case& c : cases) {
    HideEditBalloonTip();
    grid->InvalidEntryTitle = c.title;
    grid->InvalidEntryText = c.text;
    grid->InvalidEntryIcon = c.icon;
    refuse = true;
    grid->SetCells(1, 1, "old");
    OpenAt(1, 1);
    Editor()->SelectAll();
    Type(Editor(), "bad");
    PressKey(Editor(), Qt::Key_Return);
    ASSERT_TRUE(Editor()->Visible());
    if (c.shown) {
      EXPECT_EQ(EditBalloonTarget(), Editor()) << c.text;
      EXPECT_EQ(EditBalloonShown().Title, c.title);
      EXPECT_EQ(EditBalloonShown().Text, c.text);
      EXPECT_EQ(EditBalloonShown().Icon, static_cast<int>(c.icon));
    } else {
      EXPECT_EQ(EditBalloonTarget(), nullptr);
    }
    refuse = false;
    PressKey(Editor(), Qt::Key_Escape);
    ProcessEvents();
  }
}

TEST_F(EditDecorations, FocusFrameSurroundsTheEditedCellUntilTheEditIsAccepted) {
  OpenAt(1, 1);
  PressKey(Editor(), Qt::Key_Escape);
  EXPECT_EQ(grid->FocusWindow(), nullptr);  // off by default

  TFocusHelper on;
  on.Enabled = true;
  grid->SetFocusHelper(&on);
  OpenAt(2, 3);
  ASSERT_TRUE(Editor()->Visible());
  TGridFocusWindow* frame = grid->FocusWindow();
  ASSERT_NE(frame, nullptr);
  EXPECT_TRUE(frame->Visible());
  EXPECT_EQ(FocusFrameGrid, grid);
  const TRect cell = grid->CellRect(2, 3);
  const TPoint at = grid->ClientToScreen(cell.TopLeft());
  EXPECT_EQ(frame->Left(), at.X - 4);
  EXPECT_EQ(frame->Top(), at.Y - 4);
  EXPECT_EQ(frame->Width(), cell.Width() + 9);
  EXPECT_EQ(frame->Height(), cell.Height() + 9);
  EXPECT_EQ(frame->LayeredOpacity(), 230);
  EXPECT_FALSE(frame->TakesMouse());
  // A frame around the cell: the cell itself is left out of the window's shape.
  EXPECT_TRUE(frame->RegionContains({1, 1}));
  EXPECT_FALSE(frame->RegionContains({4 + cell.Width() / 2, 4 + cell.Height() / 2}));

  // The form moves: the frame follows the cell.
  form->SetBounds(form->Left() + 30, form->Top() + 20, form->Width(), form->Height());
  ProcessEvents();
  const TPoint moved = grid->ClientToScreen(cell.TopLeft());
  EXPECT_EQ(frame->Left(), moved.X - 4);
  EXPECT_EQ(frame->Top(), moved.Y - 4);

  Editor()->SelectAll();
  Type(Editor(), "ok");
  PressKey(Editor(), Qt::Key_Return);
  EXPECT_FALSE(frame->Visible());
  EXPECT_EQ(FocusFrameGrid, nullptr);
}
