// The pop-up's header and footer bars and their push buttons: button geometry
// on both alignments, the grip reserve and the grip, the image and the
// mini-HTML caption, the caption suppressed by an empty text event, the
// closing modal results of footer buttons and the button states.
#include <gtest/gtest.h>

#include <algorithm>

#include <QStringList>

#include "grid/dropdown/drop_down_form.h"
#include "grid/dropdown/ex_button.h"
#include "grid/dropdown/ex_drop_down.h"
#include "grid/dropdown/header_footer_bars.h"
#include "platform/rtl/exceptions.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/canvas.h"
#include "platform/ui/form.h"
#include "platform/ui/image_list.h"
#include "tests/support/ui_input.h"

namespace {

class BarsTest : public ::testing::Test {
protected:
  void SetUp() override {
    form = new TForm(nullptr);
    form->SetBounds(50, 50, 400, 200);
    dd = new TExCustomDropDown(form);
    dd->SetParent(form);
    dd->SetDropDownWidth(202);  // bars of 200 inside the one-pixel border
    for (const char* c : {"One", "Two", "Three"}) dd->DropDownHeader()->Buttons()->Add()->SetCaption(c);
    form->Show();
  }
  void TearDown() override { delete form; }
  TExHeader* Header() { return dd->DropDownForm()->Header(); }
  TExFooter* Footer() { return dd->DropDownForm()->Footer(); }
  // The bar drawn on a bitmap.
  void Render(TWinControl* bar, TBitmap& b) {
    b.SetSize(bar->Width(), bar->Height());
    bar->PaintTo(b.Canvas(), 0, 0);
  }

  TForm* form = nullptr;
  TExCustomDropDown* dd = nullptr;
};

// Item 0 is the rightmost, 2 pixels from the right edge, the others follow to
// its left without gaps; the caption ends 2 pixels left of the last button.
TEST_F(BarsTest, HeaderButtonsRightAligned) {
  dd->ShowDropDown();
  TExHeader* h = Header();
  ASSERT_NE(h, nullptr);
  EXPECT_EQ(h->Width(), 200);
  ASSERT_EQ(h->ButtonCount(), 3);
  EXPECT_EQ(h->Buttons(0)->Left() + h->Buttons(0)->Width(), 198);
  EXPECT_EQ(h->Buttons(1)->Left() + h->Buttons(1)->Width(), h->Buttons(0)->Left());
  EXPECT_EQ(h->Buttons(2)->Left() + h->Buttons(2)->Width(), h->Buttons(1)->Left());
  EXPECT_EQ(h->GetTextRect().Right, h->Buttons(2)->Left() - 2);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(h->Buttons(i)->Tag(), i);
}

TEST_F(BarsTest, HeaderButtonsLeftAlignedAndHeightCut) {
  dd->DropDownHeader()->ButtonAlignment = baLeft;
  dd->DropDownHeader()->Buttons()->Items(1)->Height = 40;
  dd->ShowDropDown();
  TExHeader* h = Header();
  EXPECT_EQ(h->Buttons(0)->Left(), 2);
  EXPECT_EQ(h->Buttons(1)->Left(), 2 + h->Buttons(0)->Width());
  EXPECT_EQ(h->GetButtonAreaHeight(), 17);  // 22 less 2 above and 3 below
  EXPECT_EQ(h->Buttons(1)->Height(), 17);
}

// A footer reserves 14 pixels for the grip only when its drop-down is sizeable.
TEST_F(BarsTest, FooterGripReserve) {
  dd->DropDownFooter()->Buttons()->Add()->SetCaption(QStringLiteral("OK"));
  for (bool sizeable : {false, true}) {
    dd->DropDownSizeable = sizeable;
    dd->ShowDropDown();
    TExFooter* f = Footer();
    ASSERT_EQ(f->ButtonCount(), 1);
    EXPECT_EQ(f->ShowSizeGrip(), sizeable);
    EXPECT_EQ(f->Buttons(0)->Left() + f->Buttons(0)->Width(), f->Width() - (sizeable ? 14 : 2)) << sizeable;
    TBitmap b;
    Render(f, b);
    // A light dot of the grip and its shadow in the border colour.
    const int L = f->Width() - 1 - 16, B = f->Height();
    if (sizeable) {
      EXPECT_EQ(b.Canvas()->Pixel(L + 6, B - 3), clWhite);
      EXPECT_EQ(b.Canvas()->Pixel(L + 4, B - 5), f->Appearance()->BorderColor);
    }
    dd->HideDropDown(false);
  }
}

// OnGetText answering an empty text hides the caption.
TEST_F(BarsTest, EmptyTextHidesCaption) {
  dd->DropDownHeader()->Buttons()->Clear();
  dd->DropDownHeader()->Caption = QStringLiteral("WWWWWW");
  dd->DropDownHeader()->Font()->SetColor(clBlack);
  auto darkPixels = [&]() {
    dd->ShowDropDown();
    TBitmap b;
    Render(Header(), b);
    int dark = 0;
    for (int x = 3; x < 100; ++x)
      for (int y = 3; y < Header()->Height() - 3; ++y)
        if ((b.Canvas()->Pixel(x, y) & 0xFF) < 0x60) ++dark;  // far darker than the light gradient
    dd->HideDropDown(false);
    return dark;
  };
  EXPECT_GT(darkPixels(), 0);
  dd->OnGetHeaderText = [](TObject*, QString& text) { text.clear(); };
  EXPECT_EQ(darkPixels(), 0);
}

// The header's image sits 4 pixels inside the border, centred vertically; the
// caption is a mini-HTML text drawn by the renderer (its colour tag shows,
// its tags take no room) and starts the image's width + 8 inside the border.
TEST_F(BarsTest, HeaderImageAndMiniHtmlCaption) {
  dd->DropDownHeader()->Buttons()->Clear();
  dd->DropDownHeader()->Caption = QStringLiteral("<FONT COLOR=\"clred\">WWW</FONT>");
  dd->DropDownHeader()->ImageIndex = 0;
  TImageList images(nullptr);
  images.SetWidth(8);
  images.SetHeight(8);
  TBitmap green(8, 8);
  green.Canvas()->Brush()->SetColor(clLime);
  green.Canvas()->FillRect(Rect(0, 0, 8, 8));
  images.Add(&green);
  dd->ShowDropDown();
  Header()->Images = &images;
  TBitmap b;
  Render(Header(), b);
  const int bw = Header()->Appearance()->BorderWidth, h = Header()->Height();
  const int top = bw + (h - 2 * bw - 8) / 2;
  EXPECT_EQ(b.Canvas()->Pixel(bw + 4, top), clLime);
  EXPECT_EQ(b.Canvas()->Pixel(bw + 11, top + 7), clLime);
  EXPECT_NE(b.Canvas()->Pixel(bw + 12, top), clLime);
  int red = 0, firstRed = b.Width();
  for (int x = 0; x < b.Width(); ++x)
    for (int y = 0; y < h; ++y)
      if (b.Canvas()->Pixel(x, y) == clRed) {
        ++red;
        firstRed = std::min(firstRed, x);
      }
  EXPECT_GT(red, 5);
  EXPECT_GE(firstRed, bw + 8 + 8);
  EXPECT_LT(firstRed, bw + 8 + 8 + 6);
  Header()->Images = nullptr;
  dd->HideDropDown(false);
}

// A footer button closes the pop-up by its modal result (ok accepts, cancel
// cancels, close keeps it open), then reports its index.
TEST_F(BarsTest, FooterButtonModalResults) {
  QStringList events;
  dd->OnDropUp = [&](TObject*, bool cancelled) { events << QStringLiteral("DropUp %1").arg(cancelled); };
  dd->OnDropDownFooterButtonClick = [&](TObject*, int index) { events << QStringLiteral("Click %1").arg(index); };
  TFooterButtons* buttons = dd->DropDownFooter()->Buttons();
  buttons->Add()->ModalResult = mrOk;
  buttons->Add()->ModalResult = mrCancel;
  buttons->Add()->ModalResult = mrClose;
  const struct {
    int index;
    QStringList expected;
    bool open;
  } cases[] = {
      {0, {"DropUp 0", "Click 0"}, false},
      {1, {"DropUp 1", "Click 1"}, false},
      {2, {"Click 2"}, true},
  };
  for (const auto& c : cases) {
    events.clear();
    dd->ShowDropDown();
    Footer()->Buttons(c.index)->Click();
    EXPECT_EQ(events, c.expected) << c.index;
    EXPECT_EQ(dd->DropDownForm()->Visible(), c.open) << c.index;
    EXPECT_EQ(dd->DropDownForm()->ModalResult(), buttons->Items(c.index)->ModalResult);
    dd->HideDropDown(false);
  }
}

// Enter on a focused cancel button closes cancelled and fires no OnClick.
TEST_F(BarsTest, KeyboardClickClosesWithoutOnClick) {
  dd->DropDownFooter()->Buttons()->Add()->ModalResult = mrCancel;
  int clicks = 0;
  bool cancelled = false;
  dd->OnDropUp = [&](TObject*, bool c) { cancelled = c; };
  dd->OnDropDownFooterButtonClick = [&](TObject*, int) { ++clicks; };
  dd->ShowDropDown();
  PressKey(Footer()->Buttons(0), Qt::Key_Return);
  EXPECT_FALSE(dd->DropDownForm()->Visible());
  EXPECT_TRUE(cancelled);
  EXPECT_EQ(clicks, 0);
}

TEST(DbgList, IndexOutOfBounds) {
  TDbgList list;
  int a = 0;
  list.Add(&a);
  EXPECT_EQ(list.GetItemsEx(0), &a);
  try {
    list.GetItemsEx(1);
    FAIL();
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message, QStringLiteral("Index out of bounds in list read access"));
  }
  try {
    list.SetItemsEx(1, nullptr);
    FAIL();
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message, QStringLiteral("Index out of bounds in list write access"));
  }
}

// Face colours by state: disabled wins, then pressed, down and hot (focus
// counts as hot).
TEST(ExButton, FaceColoursAndGroups) {
  TForm form(nullptr);
  TExButtonAppearance look;
  auto* a = new TExButton(&form);
  auto* b = new TExButton(&form);
  for (TExButton* x : {a, b}) {
    x->SetParent(&form);
    x->FAppearance = &look;
    x->FGroupIndex = 1;
  }
  TColor f, t, border;
  a->FaceColors(f, t, border);
  EXPECT_EQ(f, look.Color());
  a->SetDown(true);
  a->FaceColors(f, t, border);
  EXPECT_EQ(f, look.ColorChecked());
  EXPECT_EQ(border, look.BorderColorChecked());
  // Pressing the second of a group releases the first; a down button stays
  // down without AllowAllUp.
  b->SetDown(true);
  EXPECT_FALSE(a->Down());
  EXPECT_TRUE(b->Down());
  b->SetDown(false);
  EXPECT_TRUE(b->Down());
  b->SetEnabled(false);
  b->FaceColors(f, t, border);
  EXPECT_EQ(f, look.ColorDisabled());
  // An ungrouped plain button is never down; a check button toggles on clicks inside.
  auto* c = new TExButton(&form);
  c->SetParent(&form);
  c->FAppearance = &look;
  c->SetDown(true);
  EXPECT_FALSE(c->Down());
  c->FStyle = tasCheck;
  MouseClick(c, 3, 3);
  EXPECT_TRUE(c->Down());
  MousePress(c, 3, 3);
  MouseRelease(c, 300, 300);
  EXPECT_TRUE(c->Down());
}

}  // namespace
