// The push button's drawing: the hot-track blend, glyph cells, caption cutting and
// pixel probes of the two styles the forms use, in every state.
#include <gtest/gtest.h>

#include "controls/button/button_glyphs.h"
#include "controls/button/fade_button.h"
#include "platform/ui/edit.h"
#include "platform/ui/form.h"
#include "tests/support/ui_input.h"

static void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace {

constexpr TColor kFormFace = 0xEDF7F8;
constexpr TColor kOrange = 0x0080FF;

TEST(FadeDrawing, HotTrackBlendAtStepsZeroFourAndEight) {
  const TColor face = ColorToRGB(clBtnFace);
  EXPECT_EQ(BlendHotTrackColor(clBtnFace, clYellow, 0), face);
  EXPECT_EQ(BlendHotTrackColor(clBtnFace, clYellow, 8), clYellow);
  // Step 4: the channel-wise mean, truncated.
  const int r = (GetRValue(face) + 255) / 2, g = (GetGValue(face) + 255) / 2, b = GetBValue(face) / 2;
  EXPECT_EQ(BlendHotTrackColor(clBtnFace, clYellow, 4), RGB(r, g, b));
  EXPECT_EQ(BlendHotTrackColor(RGB(255, 0, 1), RGB(0, 255, 0), 4), RGB(127, 127, 0));
  EXPECT_EQ(BlendHotTrackColor(kFormFace, clYellow, 2), RGB(0xF8 + (0xFF - 0xF8) / 4, 0xF7 + (0xFF - 0xF7) / 4,
                                                             static_cast<int>(0xED * 0.75)));
}

TEST(FadeDrawing, GlyphCellChoice) {
  struct Case {
    bool enabled, hot, down;
    int glyphs, expected;
  } cases[] = {
      {true, false, false, 4, 0},  {true, true, false, 4, 30},  {true, true, false, 3, 0},
      {true, false, true, 3, 20},  {true, false, true, 2, 0},   {true, true, true, 4, 20},
      {false, false, false, 1, 10}, {false, true, true, 4, 10}, {false, false, false, 0, 10},
  };
  for (const Case& k : cases)
    EXPECT_EQ(GlyphCellSourceX(k.enabled, k.hot, k.down, k.glyphs, 10), k.expected)
        << k.enabled << k.hot << k.down << " " << k.glyphs;
}

TEST(FadeDrawing, CaptionIsCutFromItsEndWithoutEllipsis) {
  TBitmap b(10, 10);
  TCanvas* c = b.Canvas();
  c->Font()->SetName("Verdana");
  c->Font()->SetSize(8);
  const QString caption = "Set Communication";
  EXPECT_EQ(CutCaption(c, caption, 1000), caption);
  const int v = c->TextWidth("Set Comm") + 1;
  const QString cut = CutCaption(c, caption, v);
  EXPECT_TRUE(caption.startsWith(cut));
  EXPECT_LE(c->TextWidth(cut), v);
  EXPECT_GT(c->TextWidth(caption.left(cut.size() + 1)), v);
  EXPECT_FALSE(cut.endsWith("..."));
  EXPECT_EQ(CutCaption(c, caption, 0), "");
}

TEST(FadeDrawing, ColorStyleTableAndUndefinedValues) {
  const TFadeColorStyleValues gold = ColorStyleValues(lcsGold);
  EXPECT_EQ(gold.Color, 0x00C0C0);
  EXPECT_EQ(gold.HotTrackColor, 0x00DFDF);
  EXPECT_TRUE(gold.Modern);
  EXPECT_EQ(ColorStyleValues(128 + lcsRed).Color, 0x0000FF);  // taken modulo 128
  const TFadeColorStyleValues none = ColorStyleValues(77);
  EXPECT_FALSE(none.Flat || none.Modern || none.Quicken);
  EXPECT_EQ(none.FontColor, clBlack);
}

TEST(FadeDrawing, EveryKindHasItsPicture) {
  for (const char* name : {"LBOK", "LBCANCEL", "LBHELP", "LBYES", "LBNO", "LBCLOSE", "LBABORT", "LBRETRY",
                           "LBIGNORE", "LBALL"}) {
    TBitmap b;
    ASSERT_TRUE(LoadButtonGlyph(name, &b)) << name;
    EXPECT_EQ(b.Width(), 32);
    EXPECT_EQ(b.TransparentColor(), 0xFF00FF) << name;  // bottom-left pixel is the background
    int ink = 0;
    for (int y = 0; y < 16; ++y)
      for (int x = 0; x < 16; ++x) ink += b.Canvas()->Pixel(x, y) != 0xFF00FF;
    EXPECT_GT(ink, 10) << name;
  }
  TBitmap arrow;
  EXPECT_TRUE(LoadButtonGlyph("LBARROW", &arrow));
  EXPECT_FALSE(LoadButtonGlyph("LBNONE", &arrow));
}

// A form with the buttons' settings of the program's forms.
struct Probes : ::testing::Test {
  Probes() {
    form = new TForm(nullptr);
    form->Font()->SetName("Verdana");
    form->Font()->SetSize(8);
    form->SetColor(kFormFace);
    form->SetClientSize(300, 120);
    edit = new TEdit(form);
    edit->SetParent(form);
    edit->SetTop(80);
  }
  ~Probes() override { delete form; }

  TFadeButton* MakeButton(TFadeButtonStyle style) {
    auto* b = new TFadeButton(form);
    b->SetParent(form);
    b->SetBounds(10, 10, 120, 30);
    b->SetCaption("Options");
    b->SetColor(kFormFace);
    b->SetLightColor(clWhite);
    b->SetShadowColor(clGray);
    b->SetStyle(style);
    b->SetColorWhenDown(kOrange);
    b->SetHotTrackColor(clYellow);
    b->SetNumGlyphs(1);
    return b;
  }

  std::unique_ptr<TBitmap> Render(TFadeButton* b) {
    auto out = std::make_unique<TBitmap>(b->Width(), b->Height());
    out->Canvas()->Brush()->SetColor(clBlue);
    out->Canvas()->FillRect(Rect(0, 0, b->Width(), b->Height()));
    b->PaintTo(out->Canvas(), 0, 0);
    return out;
  }

  // Bounds of the caption's ink: pixels clearly off the face colour (sampled near
  // the top-right corner), frame and focus rectangle left out; `darkest` gets the
  // darkest of them.
  static TRect Ink(TBitmap* bmp, TColor* darkest = nullptr) {
    TRect r{1000, 1000, -1, -1};
    int best = 1000;
    const int w = bmp->Width(), h = bmp->Height();
    const TColor face = bmp->Canvas()->Pixel(w - 3, 2);
    for (int y = 2; y < h - 2; ++y)
      for (int x = 2; x < w - 2; ++x) {
        if (x == 4 || y == 4 || x == w - 5 || y == h - 5) continue;
        const TColor c = bmp->Canvas()->Pixel(x, y);
        const int diff = std::abs(GetRValue(c) - GetRValue(face)) + std::abs(GetGValue(c) - GetGValue(face)) +
                         std::abs(GetBValue(c) - GetBValue(face));
        if (diff < 60) continue;
        r = {std::min(r.Left, x), std::min(r.Top, y), std::max(r.Right, x + 1), std::max(r.Bottom, y + 1)};
        const int sum = GetRValue(c) + GetGValue(c) + GetBValue(c);
        if (sum < best && darkest) {
          best = sum;
          *darkest = c;
        }
      }
    return r;
  }

  static bool NearGrey(TColor c, int level) {
    return std::abs(GetRValue(c) - level) <= 2 && std::abs(GetGValue(c) - level) <= 2 &&
           std::abs(GetBValue(c) - level) <= 2;
  }

  TForm* form;
  TEdit* edit;
};

TEST_F(Probes, EncartaInNormalHotDownAndDisabledStates) {
  TFadeButton* b = MakeButton(bsEncarta);
  form->Show();
  edit->SetFocus();

  auto normal = Render(b);
  EXPECT_EQ(normal->Canvas()->Pixel(116, 3), kFormFace);
  EXPECT_EQ(normal->Canvas()->Pixel(50, 0), clWhite);   // light top edge
  EXPECT_EQ(normal->Canvas()->Pixel(119, 15), clGray);  // shadow right edge
  TColor darkest = clNone;
  const TRect normalInk = Ink(normal.get(), &darkest);
  EXPECT_TRUE(NearGrey(darkest, 0)) << std::hex << darkest;

  MouseEnter(b);
  auto hot = Render(b);
  EXPECT_EQ(hot->Canvas()->Pixel(116, 3), clYellow);
  EXPECT_EQ(hot->Canvas()->Pixel(50, 0), clWhite);

  MousePress(b, 10, 10);
  auto down = Render(b);
  EXPECT_EQ(down->Canvas()->Pixel(116, 3), kOrange);
  EXPECT_EQ(down->Canvas()->Pixel(50, 0), clGray);     // edges swap while down
  EXPECT_EQ(down->Canvas()->Pixel(119, 15), clWhite);
  const TRect downInk = Ink(down.get());
  EXPECT_EQ(downInk.Top, normalInk.Top);  // no shift, but bold
  EXPECT_GT(downInk.Width(), normalInk.Width());
  EXPECT_NE(down->Canvas()->Pixel(4, 4), kOrange);  // focus rectangle
  MouseRelease(b, 10, 10);
  MouseLeave(b);

  edit->SetFocus();
  b->SetEnabled(false);
  MouseEnter(b);
  auto disabled = Render(b);
  EXPECT_EQ(disabled->Canvas()->Pixel(116, 3), kFormFace);  // no hot colour
  EXPECT_EQ(disabled->Canvas()->Pixel(50, 0), clWhite);    // not flat: framed
  darkest = clNone;
  Ink(disabled.get(), &darkest);
  EXPECT_TRUE(NearGrey(darkest, 0x80)) << std::hex << darkest;  // the caption in grey
  form->Hide();
}

TEST_F(Probes, NormalInNormalHotDownAndDisabledStates) {
  TFadeButton* b = MakeButton(bsNormal);
  form->Show();
  edit->SetFocus();

  auto normal = Render(b);
  EXPECT_EQ(normal->Canvas()->Pixel(116, 3), kFormFace);
  EXPECT_EQ(normal->Canvas()->Pixel(0, 15), clWhite);
  EXPECT_EQ(normal->Canvas()->Pixel(60, 29), clGray);
  const TRect normalInk = Ink(normal.get());

  MouseEnter(b);
  EXPECT_EQ(Render(b)->Canvas()->Pixel(116, 3), clYellow);

  MousePress(b, 10, 10);
  auto down = Render(b);
  EXPECT_EQ(down->Canvas()->Pixel(116, 3), kOrange);
  EXPECT_EQ(down->Canvas()->Pixel(0, 15), clGray);
  const TRect downInk = Ink(down.get());
  EXPECT_EQ(downInk.Left, normalInk.Left + 1);  // content moves by one pixel
  EXPECT_EQ(downInk.Top, normalInk.Top + 1);
  EXPECT_EQ(downInk.Width(), normalInk.Width());
  MouseRelease(b, 10, 10);
  MouseLeave(b);

  edit->SetFocus();
  b->SetFlat(true);
  b->SetEnabled(false);
  auto disabled = Render(b);
  EXPECT_EQ(disabled->Canvas()->Pixel(0, 15), kFormFace);  // flat and disabled: no frame
  EXPECT_EQ(disabled->Canvas()->Pixel(60, 29), kFormFace);
  TColor darkest = clNone;
  Ink(disabled.get(), &darkest);
  EXPECT_TRUE(NearGrey(darkest, 0x80)) << std::hex << darkest;
  form->Hide();
}

TEST_F(Probes, DisabledButtonTakesTheSecondGlyphCell) {
  TFadeButton* b = MakeButton(bsEncarta);
  b->SetCaption("");
  TBitmap strip(32, 16);
  strip.Canvas()->Brush()->SetColor(clFuchsia);
  strip.Canvas()->FillRect(Rect(0, 0, 32, 16));
  strip.Canvas()->Brush()->SetColor(clGreen);
  strip.Canvas()->FillRect(Rect(2, 2, 14, 14));
  strip.Canvas()->Brush()->SetColor(clRed);
  strip.Canvas()->FillRect(Rect(18, 2, 30, 14));
  b->SetGlyph(&strip);
  ASSERT_EQ(b->NumGlyphs(), 2);
  form->Show();
  edit->SetFocus();
  // Centred without a caption: the cell's left edge at (120 - 16) / 2 = 52, top (30 - 16) / 2 = 7.
  EXPECT_EQ(Render(b)->Canvas()->Pixel(60, 14), clGreen);
  EXPECT_EQ(Render(b)->Canvas()->Pixel(53, 8), kFormFace);  // the cell's background is transparent
  b->SetEnabled(false);
  EXPECT_EQ(Render(b)->Canvas()->Pixel(60, 14), clRed);
  // One cell only: the disabled cell lies beyond the strip and nothing is drawn.
  TBitmap one(16, 16);
  one.Canvas()->Brush()->SetColor(clGreen);
  one.Canvas()->FillRect(Rect(0, 0, 16, 16));
  b->SetGlyph(&one);
  EXPECT_EQ(Render(b)->Canvas()->Pixel(60, 14), kFormFace);
  form->Hide();
}

TEST_F(Probes, ModernStyleLeavesThePartsOutsideItsShapeTransparent) {
  TFadeButton* b = MakeButton(bsModern);
  form->SetColor(clLime);
  form->Show();
  auto modern = Render(b);
  EXPECT_EQ(modern->Canvas()->Pixel(0, 0), clLime);  // the form shows outside the rounded frame
  EXPECT_NE(modern->Canvas()->Pixel(60, 15), clLime);
  EXPECT_EQ(modern->Canvas()->Pixel(60, 0), clGray);  // the frame in the shadow colour
  form->Hide();
}

}  // namespace
