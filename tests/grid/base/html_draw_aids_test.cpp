#include "grid/base/html_draw_aids.h"

#include "platform/ui/canvas.h"
#include "tests/grid/base/scoped_format.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

TEST(HtmlDrawAids, BiDiDrawTextFlags) {
  struct {
    unsigned flags;
    int mode;
    unsigned middleEast;
  } cases[] = {
      {DT_RIGHT | DT_WORDBREAK, 1, DT_LEFT | DT_WORDBREAK | DT_RTLREADING},
      {DT_LEFT, 1, DT_RIGHT | DT_RTLREADING},
      {DT_CENTER, 1, DT_CENTER | DT_RTLREADING},
      {DT_RIGHT, 3, DT_RIGHT | DT_RTLREADING},  // reading order only
      {DT_RIGHT, 0, DT_RIGHT},
  };
  TFormatSettings arabic = UsFormat();
  arabic.MiddleEast = true;
  for (const auto& c : cases) {
    {
      ScopedFormat f(arabic);
      EXPECT_EQ(BiDiDrawTextFlags(c.flags, c.mode), c.middleEast) << c.flags << " mode " << c.mode;
    }
    {
      ScopedFormat f(UsFormat());
      EXPECT_EQ(BiDiDrawTextFlags(c.flags, c.mode), c.flags) << c.flags << " mode " << c.mode;
    }
  }
}

TEST(HtmlDrawAids, RotatedFontIsRestored) {
  TCanvas canvas;
  canvas.Font()->SetSize(11);
  SelectRotatedFont(&canvas, 90);
  EXPECT_EQ(canvas.Font()->Orientation(), 900);
  RestoreRotatedFont(&canvas);
  EXPECT_EQ(canvas.Font()->Orientation(), 0);
  EXPECT_EQ(canvas.Font()->Size(), 11);
  RestoreRotatedFont(&canvas);  // nothing kept: no change
  EXPECT_EQ(canvas.Font()->Size(), 11);
}

TEST(HtmlDrawAids, IsDirectory) {
  EXPECT_TRUE(IsDirectory(QDir::tempPath()));
  EXPECT_FALSE(IsDirectory(QDir::tempPath() + QStringLiteral("/no-such-folder-here")));
}

}  // namespace
