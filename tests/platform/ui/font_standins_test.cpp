// Windows' font families resolve to the free fonts with their metrics, so texts fit
// the widths the forms were laid out for: Wine's Tahoma, Liberation for Arial,
// Courier New and Times New Roman, DejaVu Sans for Verdana.
#include "platform/ui/graphics_objects.h"
#include "platform/ui/qt_graphics.h"

#include <QFile>
#include <QFontInfo>
#include <QFontMetrics>
#include <gtest/gtest.h>

namespace {

QString Resolved(const char* family, bool bold = false) {
  TFont font;
  font.SetName(QString::fromLatin1(family));
  font.SetSize(8);
  if (bold) font.SetStyle({fsBold});
  return QFontInfo(ToQFont(font)).family();
}

int TextWidth(const char* family, const QString& text, bool bold = false) {
  TFont font;
  font.SetName(QString::fromLatin1(family));
  font.SetSize(8);
  if (bold) font.SetStyle({fsBold});
  return QFontMetrics(ToQFont(font)).horizontalAdvance(text);
}

}  // namespace

TEST(FontStandIns, WindowsFamiliesResolveToTheirMetricCompatibleFreeFonts) {
  if (!QFile::exists("/usr/share/wine/fonts/tahoma.ttf") ||
      !QFile::exists("/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf"))
    GTEST_SKIP() << "fonts-wine or fonts-liberation2 not installed (scripts/setup installs them)";
  const struct {
    const char* family;
    const char* resolved;
  } cases[] = {
      {"Tahoma", "Tahoma"},
      {"MS Shell Dlg 2", "Tahoma"},
      {"Verdana", "DejaVu Sans"},
      {"Arial", "Liberation Sans"},
      {"Courier New", "Liberation Mono"},
      {"Times New Roman", "Liberation Serif"},
      {"No Such Family", "DejaVu Sans"},
  };
  for (const auto& c : cases) EXPECT_EQ(Resolved(c.family), c.resolved) << c.family;
  EXPECT_EQ(Resolved("Tahoma", true), "Tahoma");
  // Tahoma 8 bold, as in the grids' headers: "On Change" fits the Modbus write
  // table's 66-pixel column with its margins; DejaVu Sans is much wider.
  const int tahoma = TextWidth("Tahoma", QStringLiteral("On Change"), true);
  EXPECT_GE(tahoma, 55);
  EXPECT_LE(tahoma, 62);  // the column leaves 66 less its margins
  const int dejaVu = TextWidth("DejaVu Sans", QStringLiteral("On Change"), true);
  EXPECT_GT(dejaVu, tahoma + 5) << dejaVu;
}
