// The arithmetic behind the drawing routines, one table per helper.
#include "grid/base/draw_arithmetic.h"

#include <gtest/gtest.h>

namespace {

TEST(DrawArithmetic, GradientBands) {
  struct Case {
    int steps, extent;
    std::vector<TGradientBand> bands;
  } cases[] = {
      {3, 10, {{0, 4, 0x000000}, {3, 7, 0x555555}, {6, 10, 0xAAAAAA}, {9, 10, 0xFFFFFF}}},
      {1, 5, {{0, 5, 0x000000}, {4, 5, 0xFFFFFF}}},
      {5, 1, {{0, 1, 0x000000}, {0, 1, 0xFFFFFF}}},  // nothing to step over: one step
      {0, 4, {{0, 4, 0x000000}, {3, 4, 0xFFFFFF}}},  // steps below 1 count as 1
      {8, 0, {}},
  };
  for (const auto& c : cases) EXPECT_EQ(GradientBands(clBlack, clWhite, c.steps, c.extent), c.bands) << c.steps << "/" << c.extent;
}

TEST(DrawArithmetic, GradientStepsAreLimitedByTheExtent) {
  // 128 steps over 20 pixels: 19 steps, so 20 bands of one new pixel each.
  auto bands = GradientBands(RGB(0, 0, 0), RGB(190, 0, 0), 128, 20);
  ASSERT_EQ(bands.size(), 20u);
  EXPECT_EQ(bands[1].Start, 1);
  EXPECT_EQ(bands[1].Color, RGB(10, 0, 0));
  EXPECT_EQ(bands.back().End, 20);
}

TEST(DrawArithmetic, ColourHelpers) {
  struct Case {
    const char* what;
    TColor got, expected;
  } cases[] = {
      {"at the middle", GradientColorAt(RGB(0, 100, 200), RGB(100, 100, 0), 0, 10, 5), RGB(50, 100, 100)},
      {"min = max gives the first colour", GradientColorAt(RGB(1, 2, 3), clWhite, 4, 4, 2), RGB(1, 2, 3)},
      {"no second colour", GradientColorAt(RGB(1, 2, 3), clNone, 0, 10, 5), RGB(1, 2, 3)},
      {"system colour resolved", GradientColorAt(clBlack, clBtnFace, 0, 1, 1), ColorToRGB(clBtnFace)},
      {"halve", HalveColor(clWhite), RGB(127, 127, 127)},
      {"halve a system colour", HalveColor(clBtnFace), RGB(GetRValue(ColorToRGB(clBtnFace)) / 2,
                                                           GetGValue(ColorToRGB(clBtnFace)) / 2,
                                                           GetBValue(ColorToRGB(clBtnFace)) / 2)},
      {"scale up", ScaleColorPercent(RGB(128, 64, 32), 50), RGB(192, 96, 48)},
      {"scale down", ScaleColorPercent(RGB(16, 32, 48), -50), RGB(8, 16, 24)},
      {"light colour clamps to white", ScaleColorPercent(RGB(240, 250, 200), 7), RGB(255, 255, 214)},
      {"far below clamps to black", ScaleColorPercent(RGB(100, 100, 100), -300), RGB(0, 0, 0)},
  };
  for (const auto& c : cases) EXPECT_EQ(c.got, c.expected) << c.what;
}

TEST(DrawArithmetic, ProgressText) {
  struct Case {
    double position;
    int min, max;
    const char* format;
    const char* text;
    int percent;
  } cases[] = {
      {50, 0, 200, "%d%%", "50%", 25},
      {12.345, 0, 100, "%.1f", "12.3", 12},
      {7, 0, 10, "%u items", "7 items", 70},
      {7, 0, 10, "%f", "7.00", 70},
      {30, 5, 5, "%d", "30", 0},        // min = max: 0 %, no division
      {42.5, 0, 100, "", "42%", 42},    // halves round to even
      {150, 0, 100, "", "150%", 100},   // limited to 100
      {-4, 0, 100, "", "-4%", 0},
      {3, 0, 10, "%s", "%s", 30},       // not a number conversion: the text stays as given
      {3, 0, 10, "%d %d", "3 %d", 30},  // only the first conversion is filled
  };
  for (const auto& c : cases) {
    TProgressText t = ProgressBarText(c.position, c.min, c.max, c.format);
    EXPECT_EQ(t.Text, c.text) << c.format << " " << c.position;
    EXPECT_EQ(t.Percent, c.percent) << c.format << " " << c.position;
  }
}

TEST(DrawArithmetic, RangeIndicatorAndCompleteWidth) {
  struct Case { int value, range, half, length; } cases[] = {
      {5, 10, 20, 10}, {-5, 10, 20, -10}, {30, 10, 20, 20}, {-30, 10, 20, -20}, {3, 0, 20, 0}, {0, 10, 20, 0}};
  for (const auto& c : cases) EXPECT_EQ(RangeIndicatorLength(c.value, c.range, c.half), c.length) << c.value << "/" << c.range;
  EXPECT_EQ(ProgressCompleteWidth(50, 99), 50);  // 49.5 rounds to even
  EXPECT_EQ(ProgressCompleteWidth(130, 80), 80);
}

TEST(DrawArithmetic, XPProgressParts) {
  using P = std::vector<TXPProgressPart>;
  struct Case {
    int length, percent;
    bool stacked;
    P parts;
  } cases[] = {
      {100, 50, true, P{{0, 50, 0}}},
      {100, 80, true, P{{0, 70, 0}, {70, 10, 1}}},
      {100, 95, true, P{{0, 70, 0}, {70, 20, 1}, {90, 5, 3}}},
      {98, 100, true, P{{0, 69, 0}, {69, 20, 1}, {89, 9, 3}}},  // the last part takes exactly the rest
      {100, 0, true, P{}},
      {100, 10, false, P{{0, 10, 0}}},
      {100, 75, false, P{{0, 75, 1}}},
      {100, 95, false, P{{0, 95, 2}}},
      {100, 100, false, P{{0, 100, 3}}},
      {100, 140, false, P{{0, 100, 3}}},
  };
  for (const auto& c : cases) {
    TXPProgressLevels levels{70, 90, c.stacked, true};
    EXPECT_EQ(XPProgressParts(c.length, c.percent, levels), c.parts) << c.length << " " << c.percent << " " << c.stacked;
  }
}

TEST(DrawArithmetic, XPProgressBlocks) {
  using P = std::vector<TXPProgressPart>;
  struct Case { int length; P blocks; } cases[] = {
      {1, P{}},
      {5, P{{0, 5, 2}}},
      {9, P{{0, 9, 2}}},
      {20, P{{0, 7, 2}, {9, 7, 2}}},            // remainder 2: no final block
      {23, P{{0, 7, 2}, {9, 7, 2}, {18, 3, 2}}},  // remainder 5: a shorter final block
  };
  for (const auto& c : cases) EXPECT_EQ(XPProgressBlocks(c.length, 2), c.blocks) << c.length;
}

}  // namespace
