#include "grid/base/os_probes.h"

#include "platform/theme/visual_styles.h"

#include <gtest/gtest.h>

namespace {

TEST(OsProbes, ThemedGlyphsFollowTheThemeSetting) {
  EXPECT_TRUE(IsWinXPVersion());
  const bool before = IsThemeActive();
  SetThemeActive(true);
  EXPECT_TRUE(IsComCtl6Themed());
  SetThemeActive(false);
  EXPECT_FALSE(IsComCtl6Themed());
  SetThemeActive(before);
}

}  // namespace
