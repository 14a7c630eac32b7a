// The grid suite's painted check box and cell button: states and toggles by
// mouse, keys and accelerator, groups, the drop-down part, the glyph layout and
// the derived glyphs, the colour looks.
#include <gtest/gtest.h>

#include "grid/base/ex_check_box.h"
#include "grid/base/ex_grid_button.h"
#include "grid/base/grid_button_layout.h"
#include "platform/ui/canvas.h"
#include "platform/ui/form.h"
#include "platform/ui/menus.h"
#include "platform/ui/mouse_position.h"
#include "tests/support/scripted_ui.h"
#include "tests/support/ui_input.h"

namespace {

struct PaintedForm : ::testing::Test {
  PaintedForm() {
    form = new TForm(nullptr);
    form->SetClientSize(300, 200);
    box = new TExCheckBox(form);
    box->SetParent(form);
    box->SetBounds(10, 10, 120, 20);
    box->SetCaption("&Match case");
    other = new TExCheckBox(form);
    other->SetParent(form);
    other->SetBounds(10, 40, 120, 20);
    box->OnClick = [this](TObject*) { ++clicks; };
  }
  ~PaintedForm() override {
    SetCursorPosForTest(std::nullopt);
    delete form;
  }
  TExGridButton* AddButton(int x) {
    auto* b = new TExGridButton(form);
    b->SetParent(form);
    b->SetBounds(x, 100, 40, 23);
    b->SetCaption("Find");
    return b;
  }
  TForm* form;
  TExCheckBox* box;
  TExCheckBox* other;
  int clicks = 0;
};

enum Action { ClickOnIt, ClickWithoutFocus, ReleaseOutside, Space, Accelerator };

}  // namespace

TEST_F(PaintedForm, CheckBoxToggleTable) {
  struct Case {
    TCheckBoxState from;
    bool readOnly;
    Action action;
    TCheckBoxState to;
    int clicks;
  } cases[] = {
      {cbUnchecked, false, ClickOnIt, cbChecked, 1},
      {cbChecked, false, ClickOnIt, cbUnchecked, 1},
      {cbGrayed, false, ClickOnIt, cbChecked, 1},
      {cbUnchecked, true, ClickOnIt, cbUnchecked, 1},
      {cbUnchecked, false, ReleaseOutside, cbUnchecked, 0},
      {cbUnchecked, false, ClickWithoutFocus, cbUnchecked, 0},
      {cbUnchecked, false, Space, cbChecked, 1},
      {cbGrayed, false, Space, cbChecked, 1},
      {cbChecked, true, Space, cbChecked, 1},
      {cbUnchecked, false, Accelerator, cbChecked, 1},
      {cbChecked, true, Accelerator, cbChecked, 1},
  };
  form->Show();
  for (const Case& c : cases) {
    box->SetState(c.from);
    box->SetReadOnly(c.readOnly);
    other->SetFocus();
    clicks = 0;
    switch (c.action) {
      case ClickOnIt:
        MouseClick(box, 20, 10);
        EXPECT_TRUE(box->Focused());  // the press takes the focus
        break;
      case ClickWithoutFocus:
        // A release on the box while another control holds the focus.
        MouseRelease(box, 20, 10);
        break;
      case ReleaseOutside:
        MousePress(box, 20, 10);
        EXPECT_TRUE(box->Down());
        MouseMoveTo(box, 200, 10, Qt::LeftButton);
        EXPECT_FALSE(box->Down());
        MouseRelease(box, 200, 10);
        break;
      case Space:
        box->SetFocus();
        KeyDownOnly(box, Qt::Key_Space);
        EXPECT_TRUE(box->Down());
        KeyUpOnly(box, Qt::Key_Space);
        break;
      case Accelerator:
        box->Perform(CM_DIALOGCHAR, 'm');
        EXPECT_TRUE(box->Focused());
        break;
    }
    EXPECT_EQ(box->State(), c.to) << "case from " << c.from << " action " << c.action;
    EXPECT_EQ(clicks, c.clicks) << "case from " << c.from << " action " << c.action;
    EXPECT_FALSE(box->Down());
  }
}

TEST_F(PaintedForm, CheckBoxReturnIsTabAndBoxPlaces) {
  form->Show();
  box->SetFocus();
  box->SetReturnIsTab(true);
  PressKey(box, Qt::Key_Return);
  ProcessEvents();
  EXPECT_TRUE(other->Focused());
  EXPECT_EQ(box->State(), cbUnchecked);

  // Themed box 14 x 14 at the left or 15 from the right; Y by the vertical place.
  box->SetBounds(10, 10, 100, 30);
  EXPECT_EQ(box->BoxRect(), Bounds(0, 4, 14, 14));
  box->SetButtonVertAlign(tlCenter);
  EXPECT_EQ(box->BoxRect(), Bounds(0, 9, 14, 14));
  box->SetButtonVertAlign(tlBottom);
  box->SetAlignment(taRightJustify);
  EXPECT_EQ(box->BoxRect(), Bounds(85, 16, 14, 14));
}

TEST_F(PaintedForm, CheckBoxHotAndFocusFlags) {
  TExCheckBox fresh(nullptr);
  EXPECT_EQ(fresh.Caption(), "TExCheckBox");
  EXPECT_EQ(fresh.Width(), 98);
  EXPECT_EQ(fresh.Height(), 20);
  form->Show();
  MouseEnter(box);
  EXPECT_TRUE(box->Hot());
  MouseLeave(box);
  EXPECT_FALSE(box->Hot());
  box->SetFocus();
  EXPECT_TRUE(box->HasFocusFlag());
  other->SetFocus();
  EXPECT_FALSE(box->HasFocusFlag());
}

TEST_F(PaintedForm, ButtonDownStateByStyleAndGroup) {
  TExGridButton* plain = AddButton(10);
  plain->SetDown(true);
  EXPECT_FALSE(plain->Down());  // no group, button style: never down
  MouseClick(plain, 5, 5);
  EXPECT_FALSE(plain->Down());

  TExGridButton* check = AddButton(60);
  check->SetStyle(tasCheck);
  MouseClick(check, 5, 5);
  EXPECT_TRUE(check->Down());
  MouseClick(check, 5, 5);
  EXPECT_FALSE(check->Down());

  TExGridButton* a = AddButton(110);
  TExGridButton* b = AddButton(160);
  a->SetGroupIndex(1);
  b->SetGroupIndex(1);
  int aClicks = 0, bClicks = 0;
  a->OnClick = [&](TObject*) { ++aClicks; };
  b->OnClick = [&](TObject*) { ++bClicks; };
  MouseClick(a, 5, 5);
  EXPECT_TRUE(a->Down());
  EXPECT_EQ(a->State(), bsExclusive);
  MouseClick(b, 5, 5);
  EXPECT_TRUE(b->Down());
  EXPECT_FALSE(a->Down());
  EXPECT_EQ(a->State(), bsUp);
  // Without AllowAllUp the down button stays down when clicked again.
  MouseClick(b, 5, 5);
  EXPECT_TRUE(b->Down());
  EXPECT_EQ(bClicks, 2);
  // AllowAllUp is shared with the group: clicking the down button releases it.
  b->SetAllowAllUp(true);
  EXPECT_TRUE(a->AllowAllUp());
  MouseClick(b, 5, 5);
  EXPECT_FALSE(b->Down());
  EXPECT_FALSE(a->Down());
  // A release outside: no click, no change.
  MousePress(a, 5, 5);
  MouseMoveTo(a, 100, 5, Qt::LeftButton);
  EXPECT_EQ(a->State(), bsUp);
  MouseRelease(a, 100, 5);
  EXPECT_FALSE(a->Down());
  EXPECT_EQ(aClicks, 1);
  // In code: setting one down sets the other up.
  a->SetDown(true);
  b->SetDown(true);
  EXPECT_FALSE(a->Down());
}

TEST_F(PaintedForm, ButtonDropDownPartRaisesOnDropDownAndShowsTheMenuButNoClick) {
  ScriptedUi ui;
  TExGridButton* b = AddButton(10);
  b->SetDropDownButton(true);
  auto* menu = new TPopupMenu(form);
  int chosen = 0;
  menu->Add("one", [&](TObject*) { ++chosen; });
  b->SetDropDownMenu(menu);
  int dropDowns = 0, clicks = 0;
  b->OnDropDown = [&](TObject*) { ++dropDowns; };
  b->OnClick = [&](TObject*) { ++clicks; };
  ui.ExpectPopup(0);
  MouseClick(b, 35, 5);  // within the 12 rightmost pixels of 40
  EXPECT_EQ(dropDowns, 1);
  EXPECT_EQ(chosen, 1);
  EXPECT_EQ(clicks, 0);
  EXPECT_EQ(b->State(), bsUp);
  MouseClick(b, 27, 5);  // just left of the part: an ordinary click
  EXPECT_EQ(dropDowns, 1);
  EXPECT_EQ(clicks, 1);
  delete menu;  // the button forgets it
  EXPECT_EQ(b->DropDownMenu(), nullptr);
}

TEST_F(PaintedForm, ButtonLooksTable) {
  TExGridButton* b = AddButton(10);
  struct Case {
    int look;
    TColor color, colorTo, hot, downTo, checked, borderDown;
    bool rounded;
  } cases[] = {
      {0, 0xEDF1F1, 0xDFEBEB, 0xFAFCFC, 0xD8E0E1, 0xFFFFFF, 0xAF987A, true},
      {1, clBtnFace, clNone, 0xEED2C1, clNone, 0xE8E6E1, 0xC56A31, false},
      {2, 0xFDEADA, 0xE4AE88, 0xCCF4FF, 0x8ED3FF, 0x8ED3FF, 0x000000, false},
      {3, 0xCFF0EA, 0x8CC0B1, 0xCCF4FF, 0x8ED3FF, 0x8ED3FF, 0x000000, false},
      {4, 0xECE2E1, 0xB39698, 0xCCF4FF, 0x8ED3FF, 0x8ED3FF, 0x000000, false},
      {5, clBtnFace, clNone, clBtnFace, clNone, 0xCAC7C7, clNone, false},
      {6, 0xCAFFFF, 0xA6FFFF, 0xA8F0FD, 0x7AE9FC, 0xB5E6F2, 0x808080, false},
  };
  for (const Case& c : cases) {
    b->SetBorderColor(clRed);
    b->SetFlat(false);
    b->SetLook(c.look);
    EXPECT_EQ(b->Color(), c.color) << c.look;
    EXPECT_EQ(b->ColorTo(), c.colorTo) << c.look;
    EXPECT_EQ(b->ColorHot(), c.hot) << c.look;
    EXPECT_EQ(b->ColorDownTo(), c.downTo) << c.look;
    EXPECT_EQ(b->ColorChecked(), c.checked) << c.look;
    EXPECT_EQ(b->BorderDownColor(), c.borderDown) << c.look;
    EXPECT_EQ(b->Rounded(), c.rounded) << c.look;
    EXPECT_EQ(b->BorderColor(), clNone);
    EXPECT_TRUE(b->Flat());
  }
  b->SetColorHot(clRed);
  b->SetLook(7);
  EXPECT_EQ(b->ColorHot(), clRed);
  b->SetMargin(3);
  b->SetMargin(-2);
  EXPECT_EQ(b->Margin(), 3);
  b->SetMargin(-1);
  EXPECT_EQ(b->Margin(), -1);

  EXPECT_EQ(LookOfColorScheme(true, "NormalColor"), 2);
  EXPECT_EQ(LookOfColorScheme(true, "HomeStead"), 3);
  EXPECT_EQ(LookOfColorScheme(true, "Metallic"), 4);
  EXPECT_EQ(LookOfColorScheme(true, "fusion"), 1);
  EXPECT_EQ(LookOfColorScheme(false, "NormalColor"), 1);
}

TEST(GridButtonLayout, MarginAndSpacingRules) {
  const TRect client = Rect(0, 0, 100, 20);
  const TSize glyph{16, 16};
  const TSize text{30, 14};
  struct Case {
    TButtonLayout layout;
    int margin, spacing;
    TSize glyph, text;
    bool rtl;
    TPoint glyphPos;
    TPoint textPos;
  } cases[] = {
      // Both -1: the free room 54 in three: margin = spacing = 18.
      {blGlyphLeft, -1, -1, glyph, text, false, {18, 2}, {52, 3}},
      // Margin -1: half the room left after glyph, spacing and caption, rounded up.
      {blGlyphLeft, -1, 4, glyph, text, false, {25, 2}, {45, 3}},
      {blGlyphLeft, -1, 3, glyph, text, false, {26, 2}, {45, 3}},
      // Spacing -1: half the room after margin, glyph and caption.
      {blGlyphLeft, 2, -1, glyph, text, false, {2, 2}, {44, 3}},
      {blGlyphRight, 2, 4, glyph, text, false, {82, 2}, {48, 3}},
      // Right-to-left swaps left and right.
      {blGlyphLeft, 2, 4, glyph, text, true, {82, 2}, {48, 3}},
      // No caption: no spacing.
      {blGlyphLeft, -1, 4, glyph, {0, 0}, false, {42, 2}, {58, 10}},
      {blGlyphTop, 1, 2, {16, 8}, {30, 6}, false, {42, 1}, {35, 11}},
      {blGlyphBottom, 1, 2, {16, 8}, {30, 6}, false, {42, 11}, {35, 3}},
  };
  for (const Case& c : cases) {
    const TButtonGlyphLayout l =
        CalcButtonLayout(client, {0, 0}, c.glyph, c.text, c.layout, c.margin, c.spacing, c.rtl);
    EXPECT_EQ(l.GlyphPos, c.glyphPos) << c.layout << " " << c.margin << " " << c.spacing;
    EXPECT_EQ(l.TextBounds.TopLeft(), c.textPos) << c.layout << " " << c.margin << " " << c.spacing;
    EXPECT_EQ(l.TextBounds.Width(), c.text.cx);
  }
  // The content offset and the area's corner move both.
  const TButtonGlyphLayout moved =
      CalcButtonLayout(Rect(3, 4, 103, 24), {1, 1}, glyph, text, blGlyphLeft, 2, 4, false);
  EXPECT_EQ(moved.GlyphPos, (TPoint{6, 7}));
}

TEST(GridButtonGlyphs, GreyAndShadePixelRules) {
  EXPECT_EQ(GreyGlyphValue(RGB(0, 0, 0)), 96);
  EXPECT_EQ(GreyGlyphValue(RGB(255, 255, 255)), 223);
  EXPECT_EQ(GreyGlyphValue(RGB(10, 20, 31)), 106);   // 61/3 = 20.33 -> 20 div 2 = 10
  EXPECT_EQ(GreyGlyphValue(RGB(10, 20, 32)), 106);   // 20.67 -> 21 div 2 = 10
  EXPECT_EQ(GreyGlyphValue(RGB(255, 0, 1)), 138);    // 85.33 -> 85 div 2 = 42

  TBitmap glyph(3, 2);
  glyph.Canvas()->Brush()->SetColor(clFuchsia);
  glyph.Canvas()->FillRect(Rect(0, 0, 3, 2));
  glyph.Canvas()->SetPixel(1, 0, RGB(200, 100, 0));
  glyph.Canvas()->SetPixel(2, 0, clBlack);
  TBitmap grey, shade;
  MakeGreyGlyph(&glyph, &grey);
  EXPECT_EQ(grey.Canvas()->Pixel(1, 0), RGB(146, 146, 146));
  MakeShadeGlyph(&glyph, &shade);
  EXPECT_EQ(shade.Canvas()->Pixel(0, 1), clFuchsia);  // the bottom-left key colour stays
  EXPECT_EQ(shade.Canvas()->Pixel(1, 0), clGray);
  EXPECT_EQ(shade.Canvas()->Pixel(2, 0), clGray);
  EXPECT_EQ(shade.Canvas()->Pixel(0, 0), clFuchsia);

  // Assigning a glyph fills an empty disabled glyph with the grey copy.
  TExGridButton b(nullptr);
  b.SetGlyph(&glyph);
  EXPECT_EQ(b.GlyphDisabled()->Canvas()->Pixel(1, 0), RGB(146, 146, 146));
  TBitmap other(3, 2);
  b.SetGlyph(&other);
  EXPECT_EQ(b.GlyphDisabled()->Canvas()->Pixel(1, 0), RGB(146, 146, 146));  // no longer empty: kept
  b.SetShaded(true);
  EXPECT_EQ(b.GlyphShade()->Width(), 3);
}
