// The theme facade: classes open by name, themed parts draw, switching themes
// off leaves the caller to draw.
#include "platform/theme/visual_styles.h"

#include <gtest/gtest.h>

#include "platform/ui/bitmap.h"
#include "platform/ui/canvas.h"

namespace {

int ChangedPixels(TBitmap& b) {
  int n = 0;
  for (int y = 0; y < b.Height(); ++y)
    for (int x = 0; x < b.Width(); ++x) n += b.Canvas()->Pixel(x, y) != clWhite;
  return n;
}

TEST(VisualStyles, OpenDrawAndSwitchOff) {
  ASSERT_TRUE(IsThemeActive());
  EXPECT_FALSE(GetCurrentThemeName().isEmpty());
  EXPECT_NE(OpenThemeData(nullptr, "BUTTON"), nullptr);
  EXPECT_NE(OpenThemeData(nullptr, "nothing;combobox"), nullptr);
  EXPECT_EQ(OpenThemeData(nullptr, "window"), nullptr);

  struct Case { const char* cls; int part, state; } cases[] = {
      {"button", BP_CHECKBOX, CBS_CHECKEDNORMAL}, {"button", BP_PUSHBUTTON, PBS_HOT},
      {"combobox", CP_DROPDOWNBUTTON, CBXS_NORMAL}, {"spin", SPNP_UP, UPS_NORMAL},
      {"header", HP_HEADERITEM, HIS_NORMAL}, {"Progress", PP_CHUNK, 1}};
  for (const auto& c : cases) {
    TBitmap b(20, 20);
    HTHEME t = OpenThemeData(nullptr, c.cls);
    EXPECT_TRUE(DrawThemeBackground(t, b.Canvas(), c.part, c.state, Rect(2, 2, 18, 18))) << c.cls;
    CloseThemeData(t);
    EXPECT_GT(ChangedPixels(b), 0) << c.cls;
  }
  TBitmap b(20, 20);
  EXPECT_FALSE(DrawThemeBackground(OpenThemeData(nullptr, "button"), b.Canvas(), 99, 1, Rect(0, 0, 10, 10)));
  EXPECT_TRUE(DrawFrameControl(b.Canvas(), Rect(2, 2, 16, 16), DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_CHECKED));
  EXPECT_GT(ChangedPixels(b), 0);

  SetThemeActive(false);
  EXPECT_EQ(OpenThemeData(nullptr, "button"), nullptr);
  SetThemeActive(true);
}

}  // namespace
