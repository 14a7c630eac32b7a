// The desktop icons that image sources and cells can show.
#include "grid/base/html_draw_aids.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "platform/ui/bitmap.h"
#include "platform/ui/canvas.h"
#include "platform/ui/system_icons.h"

namespace {

constexpr TColor kBack = RGB(1, 2, 3);

// Counts the pixels of the bitmap that the drawing changed.
int ChangedPixels(TBitmap& b) {
  int n = 0;
  for (int y = 0; y < b.Height(); ++y)
    for (int x = 0; x < b.Width(); ++x)
      if (b.Canvas()->Pixel(x, y) != kBack) ++n;
  return n;
}

TBitmap* Fresh(TBitmap& b, int size) {
  b.SetSize(size, size);
  b.Canvas()->Brush()->SetColor(kBack);
  b.Canvas()->FillRect(Rect(0, 0, size, size));
  return &b;
}

TEST(ShellIcon, IndexBySourceKind) {
  QTemporaryDir dir;
  const int folder = SystemIconIndex(dir.path());
  ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("sub.txt")));
  // An existing folder is a folder whatever its name says.
  EXPECT_EQ(SystemIconIndex(dir.path() + QStringLiteral("/sub.txt")), folder);
  // A file type is known by its name alone; the same type gives the same index.
  EXPECT_EQ(SystemIconIndex(QStringLiteral("a.txt")), SystemIconIndex(QStringLiteral("/nowhere/b.txt")));
  EXPECT_NE(SystemIconIndex(QStringLiteral("a.txt")), folder);
}

TEST(ShellIcon, SizeDrawAndPrintMode) {
  const QString folder = QDir::tempPath();
  TSize size;
  DrawShellIcon(nullptr, 0, 0, folder, true, false, false, 1.0, size);
  EXPECT_EQ(size, (TSize{32, 32}));
  DrawShellIcon(nullptr, 0, 0, folder, false, false, false, 1.0, size);
  EXPECT_EQ(size, (TSize{16, 16}));

  TBitmap screen;
  DrawShellIcon(Fresh(screen, 40)->Canvas(), 0, 0, folder, false, true, false, 1.0, size);
  const int drawn = ChangedPixels(screen);
  EXPECT_GT(drawn, 0);
  // Nothing lands outside the 16 x 16 icon.
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 40; ++x)
      if (x >= 16 || y >= 16) ASSERT_EQ(screen.Canvas()->Pixel(x, y), kBack) << x << "," << y;

  // Print mode stretches the icon to its size times the scale.
  TBitmap print;
  DrawShellIcon(Fresh(print, 40)->Canvas(), 0, 0, folder, false, true, true, 2.0, size);
  EXPECT_EQ(size, (TSize{16, 16}));
  EXPECT_GT(ChangedPixels(print), drawn);
}

TEST(ShellIcon, ANumberIsTheIndexAndAnUnknownIndexDrawsNothing) {
  const int folder = SystemIconIndex(QDir::tempPath());
  TBitmap byIndex;
  TSize size;
  DrawShellIcon(Fresh(byIndex, 16)->Canvas(), 0, 0, QString::number(folder), false, true, false, 1.0, size);
  EXPECT_GT(ChangedPixels(byIndex), 0);

  TBitmap unknown;
  DrawShellIcon(Fresh(unknown, 16)->Canvas(), 0, 0, QStringLiteral("99999"), false, true, false, 1.0, size);
  EXPECT_EQ(ChangedPixels(unknown), 0);
  EXPECT_EQ(size, (TSize{16, 16}));
}

}  // namespace
