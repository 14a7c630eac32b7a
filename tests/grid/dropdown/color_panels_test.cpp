// The colour texts (every form), the colour cube's cells and hit test, and the
// spectrum panel's picture, layout and choosing.
#include <gtest/gtest.h>

#include "grid/dropdown/color_panels.h"
#include "grid/dropdown/color_selector.h"
#include "grid/dropdown/color_value_text.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/canvas.h"
#include "platform/ui/form.h"
#include "platform/ui/shapes.h"
#include "tests/support/ui_input.h"

namespace {

TEST(ColorValueText, EveryForm) {
  const TColor red = 0x0000FF, white = 0xFFFFFF, odd = 0x563412;  // odd: red 12, green 34, blue 56
  struct Case {
    TColor color;
    TColorValueText kind;
    const char* text;
  };
  const Case cases[] = {
      {red, cvtNone, ""},
      {red, cvtHex, "0000FF"},  // as stored: blue byte first
      {odd, cvtHex, "563412"},
      {0x12, cvtHex, "000012"},
      {red, cvtHTML, "#FF0000"},
      {odd, cvtHTML, "#123456"},
      {white, cvtRGB, "Red:255,Green:255,Blue:255"},
      {odd, cvtRGB, "Red:18,Green:52,Blue:86"},
      {red, cvtWebName, "clWebRed"},
      {0xFAFAFF, cvtWebName, "clWebSnow"},
      {0xD4FF7F, cvtWebName, "clWebAquamarine"},
      {odd, cvtWebName, "#123456"},  // not a named colour
  };
  for (const Case& c : cases)
    EXPECT_EQ(ColorValueText(c.color, c.kind), QString::fromLatin1(c.text)) << c.color << " " << c.kind;
  EXPECT_EQ(WebColorCount(), 138);
  // System colours are resolved before the lookup.
  EXPECT_EQ(ColorValueText(clWindow, cvtHTML), ColorValueText(ColorToRGB(clWindow), cvtHTML));
}

class ColorCubeTest : public ::testing::Test {
protected:
  void SetUp() override {
    form = new TForm(nullptr);
    form->SetBounds(50, 50, 300, 300);
    cube = new TExColorCubePanel(form);
    cube->SetParent(form);
    cube->ResetHotIndex();
    form->Show();
  }
  void TearDown() override { delete form; }
  TForm* form = nullptr;
  TExColorCubePanel* cube = nullptr;
};

TEST_F(ColorCubeTest, CellsAndHitTest) {
  EXPECT_EQ(cube->Width(), 182);
  EXPECT_EQ(cube->Height(), 160);
  EXPECT_EQ(cube->Cell(1).Pt, (TPoint{55, 20}));
  EXPECT_EQ(cube->Cell(64).Pt, (TPoint{91, 80}));  // white in the middle of row 7
  EXPECT_EQ(cube->Cell(64).Color, TColor(0xFFFFFF));
  EXPECT_EQ(cube->Cell(127).Pt, (TPoint{127, 140}));
  EXPECT_EQ(cube->Cell(127).Color, TColor(0x2100A5));  // A50021 as $00BBGGRR
  struct Case {
    int x, y, cell;
  };
  const Case cases[] = {
      {55, 20, 1},  {61, 20, 1},   // 6 px right of cell 1 is also 6 px left of cell 2: the lower wins
      {62, 20, 2},  {55, 26, 1},   // the border belongs to the cell
      {55, 27, -1}, {0, 0, -1},
      {91, 80, 64}, {91, 74, 64},
  };
  for (const Case& c : cases) EXPECT_EQ(cube->CellAtXY(c.x, c.y), c.cell) << c.x << "," << c.y;
  cube->SetSelectedColor(0xFFFFFF);
  EXPECT_EQ(cube->SelectedIndex(), 64);
  cube->SetSelectedColor(clWindow);
  EXPECT_EQ(cube->SelectedIndex(), -1);
}

TEST_F(ColorCubeTest, MouseHintAndSelect) {
  int selects = 0, hides = 0;
  cube->OnSelect = [&](TObject*) { ++selects; };
  cube->OnShouldHide = [&](TObject*) { ++hides; };
  MouseMoveTo(cube, 91, 80);
  EXPECT_EQ(cube->HotIndex(), 64);
  EXPECT_EQ(cube->Hint(), QStringLiteral("Red: 255,  Green: 255,  Blue: 255"));
  MouseMoveTo(cube, 2, 2);  // the background: the hot mark stays, the hint goes
  EXPECT_EQ(cube->HotIndex(), 64);
  EXPECT_EQ(cube->Hint(), QString());
  MouseClick(cube, 55, 20);
  EXPECT_EQ(cube->SelectedIndex(), 1);
  EXPECT_EQ(cube->SelectedColor(), TColor(0x663300));
  EXPECT_EQ(selects, 1);
  EXPECT_EQ(hides, 1);
  MouseClick(cube, 2, 2);  // no cell: no choice, still a mouse-up
  EXPECT_EQ(selects, 1);
  EXPECT_EQ(hides, 2);
  // The painted cells: the middle cell white, a cell's own colour at its centre.
  TBitmap shot;
  shot.SetSize(182, 160);
  cube->PaintTo(shot.Canvas(), 0, 0);
  EXPECT_EQ(shot.Canvas()->Pixel(127, 140), TColor(0x2100A5));
}

TEST(ColorSpectrum, PictureLayoutAndChoice) {
  TBitmap b;
  DrawSpectrum(&b);
  ASSERT_EQ(b.Width(), 128);
  auto channels = [&](int x, int y) {
    const TColor c = b.Canvas()->Pixel(x, y);
    return std::vector<int>{int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF)};
  };
  for (int v : channels(0, 0)) EXPECT_GE(v, 250);   // the top row near white
  for (int v : channels(70, 127)) EXPECT_LE(v, 5);  // the bottom row near black
  const std::vector<int> red = channels(0, 64), green = channels(43, 64), blue = channels(85, 64);
  EXPECT_GE(red[0], 250);
  EXPECT_LE(red[2], 5);
  EXPECT_GE(green[1], 240);
  EXPECT_GE(blue[2], 240);
  b.Canvas()->ReleasePainter();

  TForm form(nullptr);
  form.SetBounds(50, 50, 300, 300);
  auto* s = new TExColorSpectrumPanel(&form);
  s->SetParent(&form);
  s->ArrangePanel();
  form.Show();
  EXPECT_EQ(s->Width(), 150);
  EXPECT_EQ(s->Height(), 174);
  EXPECT_EQ(s->SpectrumImage()->Left(), 11);
  EXPECT_EQ(s->SelectedRect(), Rect(10, 146, 73, 166));
  EXPECT_EQ(s->HotRect(), Rect(77, 146, 140, 166));
  EXPECT_EQ(s->SelectedColor(), TColor(0xFFFFFF));
  int selects = 0;
  s->OnSelect = [&](TObject*) { ++selects; };
  MouseMoveTo(s->SpectrumImage(), 0, 64);
  EXPECT_EQ(s->HotColor(), b.Canvas()->Pixel(0, 64));
  MouseClick(s->SpectrumImage(), 0, 64);
  EXPECT_EQ(s->SelectedColor(), s->HotColor());
  EXPECT_EQ(selects, 1);
}

}  // namespace

namespace {

class ColorSelectorTest : public ::testing::Test {
protected:
  void SetUp() override {
    form = new TForm(nullptr);
    form->SetBounds(50, 50, 300, 300);
    sel = new TCustomColorSelector(form);
    sel->SetParent(form);
    sel->OnItemSelect = [this](TObject*) { ++selects; };
    form->Show();
  }
  void TearDown() override { delete form; }
  TPoint Centre(int i) const {
    const TRect r = sel->GetItemRect(i);
    return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
  }
  TForm* form = nullptr;
  TCustomColorSelector* sel = nullptr;
  int selects = 0;
};

TEST_F(ColorSelectorTest, EmptyAndDefaultPaletteLayout) {
  sel->UpdateLayout();
  EXPECT_EQ(sel->Width(), 100);
  EXPECT_EQ(sel->Height(), 50);
  sel->HandleKey(VK_END, false, true);
  EXPECT_EQ(sel->ItemIndex(), -1);
  sel->LoadDefaultPalette();
  sel->UpdateLayout();
  ASSERT_EQ(sel->Items()->Count(), 60);
  EXPECT_EQ(sel->Width(), 165);
  EXPECT_EQ(sel->Height(), 84);
  EXPECT_EQ(sel->GetItemRect(0), Rect(4, 4, 16, 16));
  EXPECT_EQ(sel->GetItemRect(10), Rect(4, 20, 16, 32));  // a gap below the stand-alone row
  EXPECT_EQ(sel->GetItemRect(20), Rect(4, 32, 16, 44));  // the strips touch
  EXPECT_EQ(sel->GetItemRect(59), Rect(148, 68, 160, 80));
  EXPECT_EQ(sel->GetItemRect(60), Rect(-1, -1, -1, -1));
  EXPECT_EQ(sel->ItemAtXY(16, 4), -1);  // right edge outside
  EXPECT_EQ(sel->ItemAtXY(15, 15), 0);
}

TEST_F(ColorSelectorTest, SelectingByColourKeysAndMouse) {
  sel->LoadDefaultPalette();
  sel->UpdateLayout();
  sel->SetSelectedColor(0x7F7F7F);  // both box 11 and box 50: the first
  EXPECT_EQ(sel->ItemIndex(), 11);
  EXPECT_EQ(selects, 1);
  sel->SetSelectedColor(clNone);  // silent
  EXPECT_EQ(sel->ItemIndex(), -1);
  EXPECT_EQ(selects, 1);
  sel->SetSelectedColor(0x123456);  // no box holds it
  EXPECT_EQ(sel->ItemIndex(), -1);
  sel->SetItemIndex(3);
  sel->SetItemIndex(3);  // again: raised again
  EXPECT_EQ(selects, 3);
  struct Case {
    int from, key;
    bool editor, open;
    int to;
  };
  const Case cases[] = {
      {3, VK_DOWN, false, true, 13},  {55, VK_DOWN, false, true, 55}, {13, VK_UP, false, true, 3},
      {-1, VK_DOWN, false, true, 0},  {3, VK_DOWN, false, false, 4},  {3, VK_LEFT, true, false, 3},
      {3, VK_LEFT, true, true, 2},    {3, VK_RIGHT, false, false, 4}, {7, VK_HOME, false, false, 0},
      {7, VK_NEXT, false, false, 59},
  };
  for (const Case& c : cases) {
    sel->SetItemIndex(c.from);
    sel->HandleKey(c.key, c.editor, c.open);
    EXPECT_EQ(sel->ItemIndex(), c.to) << c.from << " key " << c.key;
  }
  // A disabled box is never hot or selected, not even by a click.
  sel->Items()->Items(5)->FEnabled = false;
  sel->SetItemIndex(4);
  MouseMoveTo(sel, Centre(5).X, Centre(5).Y);
  EXPECT_EQ(sel->ItemHot(), -1);
  MouseClick(sel, Centre(5).X, Centre(5).Y);
  EXPECT_EQ(sel->ItemIndex(), 4);
  MouseMoveTo(sel, Centre(6).X, Centre(6).Y);
  EXPECT_EQ(sel->ItemHot(), 6);
  MouseClick(sel, Centre(6).X, Centre(6).Y);
  EXPECT_EQ(sel->ItemIndex(), 6);
  EXPECT_EQ(sel->SelectedColor(), TColor(0x59BB9B));
  MouseLeave(sel);
  EXPECT_EQ(sel->ItemHot(), -1);
}

}  // namespace
