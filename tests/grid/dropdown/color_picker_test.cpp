// The colour picker drop-down: the default colours, choosing by colour, the
// text of each style and form, the pop-up of each style, choosing in the cube
// and in the palette, and a cancelled palette.
#include <gtest/gtest.h>

#include "grid/dropdown/color_panels.h"
#include "grid/dropdown/color_picker_drop_down.h"
#include "grid/dropdown/color_selector.h"
#include "grid/dropdown/drop_down_form.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/canvas.h"
#include "platform/ui/form.h"
#include "tests/support/ui_input.h"

namespace {

class ColorPickerTest : public ::testing::Test {
protected:
  void SetUp() override {
    form = new TForm(nullptr);
    form->SetBounds(50, 50, 400, 300);
    cp = new TExColorPickerDropDown(form);
    cp->SetParent(form);
    cp->OnSelect = [this](TObject*) { ++selects; };
    form->Show();
  }
  void TearDown() override { delete form; }
  QString ValueText() {
    QString t;
    cp->GetColorValueText(t);
    return t;
  }
  TForm* form = nullptr;
  TExColorPickerDropDown* cp = nullptr;
  int selects = 0;
};

TEST_F(ColorPickerTest, DefaultColoursAndTexts) {
  EXPECT_FALSE(cp->EditorEnabled());
  EXPECT_EQ(cp->SelectedColor(), clNone);
  cp->AddDefaultColors();
  cp->AddDefaultColors();
  EXPECT_EQ(cp->Colors()->Count(), 32);
  cp->SetSelectedColor(0x0000FF);  // red: the first "Red"
  EXPECT_EQ(cp->ItemIndex(), 9);
  EXPECT_EQ(selects, 1);
  cp->ColorValueText = cvtHex;
  EXPECT_EQ(ValueText(), QStringLiteral("Red"));  // a list item names itself
  cp->SetItemIndex(32);  // ignored
  EXPECT_EQ(cp->ItemIndex(), 9);
  cp->SetColorSelectionStyle(csColorCube);
  EXPECT_EQ(ValueText(), QStringLiteral("0000FF"));
  cp->ColorValueText = cvtHTML;
  EXPECT_EQ(ValueText(), QStringLiteral("#FF0000"));
  cp->ColorValueText = cvtRGB;
  cp->SetSelectedColor(0x123456);  // in no item: the index stays
  EXPECT_EQ(ValueText(), QStringLiteral("Red:86,Green:52,Blue:18"));
  EXPECT_EQ(cp->ItemIndex(), 9);
}

// Each style's pop-up has its control's size plus the border and cannot be
// resized (the list excepted).
TEST_F(ColorPickerTest, PopupOfEachStyle) {
  cp->AddDefaultColors();
  struct Case {
    TColorSelectionStyle style;
    int w, h;
  };
  const Case cases[] = {{csDiscrete, 167, 86}, {csColorCube, 184, 162}, {csSpectrum, 152, 176}};
  for (const Case& c : cases) {
    cp->SetColorSelectionStyle(c.style);
    cp->ShowDropDown();
    EXPECT_EQ(cp->DropDownForm()->Width(), c.w) << c.style;
    EXPECT_EQ(cp->DropDownForm()->Height(), c.h) << c.style;
    EXPECT_FALSE(cp->DropDownForm()->Sizeable);
    cp->HideDropDown(false);
  }
  cp->SetColorSelectionStyle(csList);
  cp->ShowDropDown();
  EXPECT_EQ(cp->DropDownForm()->Height(), 200);
  EXPECT_EQ(cp->ItemSelector()->Items()->Count(), 16);
  // A click on an item picks it and closes.
  TCustomItemSelector* panel = cp->ItemSelector()->Panel();
  const TRect r = panel->GetItemRect(2);
  MouseClick(panel, (r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
  EXPECT_FALSE(cp->DroppedDown());
  EXPECT_EQ(cp->ItemIndex(), 2);
  EXPECT_EQ(cp->SelectedColor(), TColor(0x008000));
}

// A cube cell whose colour is also an item raises OnSelect twice and leaves
// no item chosen.
TEST_F(ColorPickerTest, CubeChoice) {
  cp->AddDefaultColors();
  cp->SetColorSelectionStyle(csColorCube);
  cp->ColorValueText = cvtRGB;
  cp->ShowDropDown();
  TExColorCubePanel* cube = cp->ColorCubePanel();
  MouseClick(cube, cube->Cell(64).Pt.X, cube->Cell(64).Pt.Y);
  EXPECT_FALSE(cp->DroppedDown());
  EXPECT_EQ(cp->SelectedColor(), TColor(0xFFFFFF));
  EXPECT_EQ(cp->ItemIndex(), -1);
  EXPECT_EQ(selects, 2);
  EXPECT_EQ(ValueText(), QStringLiteral("Red:255,Green:255,Blue:255"));
}

// Esc gives the palette its colour from the opening back; the picker then
// takes it again when a box holds it.
TEST_F(ColorPickerTest, DiscreteKeysAndCancel) {
  cp->SetColorSelectionStyle(csDiscrete);
  cp->SetSelectedColor(0xFFFFFF);
  cp->ShowDropDown();
  TCustomColorSelector* sel = cp->ColorSelector();
  EXPECT_EQ(sel->ItemIndex(), 0);
  SendMessage(cp, WM_KEYDOWN, VK_RIGHT, 0);
  SendMessage(cp, WM_KEYDOWN, VK_DOWN, 0);  // open: a row down
  EXPECT_EQ(sel->ItemIndex(), 11);
  EXPECT_TRUE(cp->DroppedDown());
  EXPECT_EQ(cp->SelectedColor(), TColor(0x7F7F7F));
  cp->HideDropDown(true);
  EXPECT_EQ(sel->ItemIndex(), 0);
  EXPECT_EQ(cp->SelectedColor(), TColor(0xFFFFFF));
  EXPECT_EQ(cp->ItemIndex(), -1);
}

TEST_F(ColorPickerTest, EditAreaShowsTheColourBox) {
  TBitmap shot;
  shot.SetSize(cp->Width(), cp->Height());
  shot.Canvas()->Brush()->SetColor(0x00FF00);
  shot.Canvas()->FillRect(Rect(0, 0, shot.Width(), shot.Height()));
  cp->PaintSelectedColor(shot.Canvas());  // clNone: nothing
  EXPECT_EQ(shot.Canvas()->Pixel(10, 10), TColor(0x00FF00));
  cp->SetSelectedColor(0x0000FF);
  cp->PaintSelectedColor(shot.Canvas());
  EXPECT_EQ(shot.Canvas()->Pixel(10, 10), TColor(0x0000FF));  // inside the 14 x 14 box at (5, 4)
  EXPECT_EQ(shot.Canvas()->Pixel(5, 4), TColor(0));           // its black frame
}

}  // namespace
