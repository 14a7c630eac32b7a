// Windows' font families resolve to the free fonts with their metrics, so texts fit
// the widths the forms were laid out for: Wine's Tahoma, Liberation for Arial,
// Courier New and Times New Roman, DejaVu Sans for Verdana; bold text is drawn bold.
#include "platform/ui/bitmap.h"
#include "platform/ui/canvas.h"
#include "platform/ui/font_strikes.h"
#include "platform/ui/graphics_objects.h"
#include "platform/ui/qt_graphics.h"

#include <QFile>
#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QtEndian>
#include <gtest/gtest.h>
#include <vector>

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

// The darkness of a text drawn black on white: the sum over its pixels.
int64_t Ink(const char* family, int size, bool bold, const QString& text) {
  TBitmap bitmap;
  bitmap.SetSize(400, 60);
  TCanvas* c = bitmap.Canvas();
  c->Brush()->SetColor(clWhite);
  c->FillRect(Rect(0, 0, 400, 60));
  c->Font()->SetName(QString::fromLatin1(family));
  c->Font()->SetSize(size);
  c->Font()->SetColor(clBlack);
  if (bold) c->Font()->SetStyle({fsBold});
  c->TextOut(2, 2, text);
  const QImage image = bitmap.Image().convertToFormat(QImage::Format_Grayscale8);
  int64_t ink = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) ink += 255 - image.pixelColor(x, y).red();
  return ink;
}

// A font file of `tables` table records (only "EBLC" filled in) and, where it
// points, a strike table of the given strike sizes.
QByteArray FontFile(const std::vector<int>& strikes, uint32_t declaredStrikes, uint32_t eblcOffsetShift = 0) {
  QByteArray f(12 + 2 * 16, '\0');
  auto put32 = [&](int at, uint32_t v) { qToBigEndian(v, f.data() + at); };
  qToBigEndian<uint16_t>(2, f.data() + 4);
  f.replace(12, 4, "glyf");
  f.replace(28, 4, "EBLC");
  const uint32_t offset = uint32_t(f.size());
  QByteArray eblc(8 + 48 * int(strikes.size()), '\0');
  qToBigEndian<uint32_t>(0x00020000, eblc.data());
  qToBigEndian<uint32_t>(declaredStrikes, eblc.data() + 4);
  for (size_t i = 0; i < strikes.size(); ++i) eblc[int(8 + 48 * i + 45)] = char(strikes[i]);
  put32(28 + 8, offset + eblcOffsetShift);
  put32(28 + 12, uint32_t(eblc.size()));
  return f + eblc;
}

}  // namespace

TEST(FontStrikes, StrikeSizesAreReadWithinTheFileOnly) {
  const QByteArray good = FontFile({13, 11, 8, 11}, 4);
  const struct {
    const char* what;
    QByteArray file;
    std::vector<int> sizes;
  } cases[] = {
      {"strikes, sorted once each", good, {8, 11, 13}},
      {"no strike table", FontFile({}, 0).replace(28, 4, "EBDT"), {}},
      {"more strikes declared than stored", FontFile({9, 10}, 0xFFFFFFFFu), {9, 10}},
      {"table beyond the end", FontFile({9}, 1, 0x7FFFFFF0u), {}},
      {"table cut short", good.left(good.size() - 30), {}},
      {"directory cut short", good.left(30), {}},
      {"size 0 is no strike", FontFile({0, 12}, 2), {12}},
      {"empty", QByteArray(), {}},
  };
  for (const auto& c : cases) EXPECT_EQ(EmbeddedBitmapSizes(c.file), c.sizes) << c.what;
}

TEST(FontStandIns, BoldTextIsDrawnBolderThanRegularText) {
  // Wine's bold Tahoma has regular-weight outlines: drawn from them, a grid's bold
  // header looked as thin as its cells.
  const struct {
    const char* family;
    int size;
  } cases[] = {
      {"Tahoma", 8},    // the grids' headers and current cell
      {"Tahoma", 14},   // the code in the dialogs' title panels
      {"Verdana", 8},
      {"MS Shell Dlg 2", 8},
  };
  const QString text = QStringLiteral("Enable Type Length Name");
  for (const auto& c : cases) {
    const int64_t regular = Ink(c.family, c.size, false, text), bold = Ink(c.family, c.size, true, text);
    EXPECT_GT(bold * 100, regular * 125) << c.family << " " << c.size << ": " << bold << " vs " << regular;
  }
}

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

// Equal fonts give equal Qt fonts, and every part of a font that reaches the Qt
// font (family, height, each style, quality) gives another one when it differs,
// also after the same font was converted before.
TEST(FontConversion, EveryPartOfTheFontCounts) {
  auto base = [] {
    TFont f;
    f.SetName(QStringLiteral("Tahoma"));
    f.SetSize(8);
    return f;
  };
  const TFont plain = base();
  const QFont first = ToQFont(plain);
  EXPECT_EQ(ToQFont(base()), first);
  struct TCase {
    const char* Name;
    void (*Change)(TFont&);
  };
  const TCase cases[] = {
      {"family", [](TFont& f) { f.SetName(QStringLiteral("Courier New")); }},
      {"height", [](TFont& f) { f.SetSize(12); }},
      {"cell height", [](TFont& f) { f.SetHeight(30); }},
      {"bold", [](TFont& f) { f.SetStyle({fsBold}); }},
      {"italic", [](TFont& f) { f.SetStyle({fsItalic}); }},
      {"underline", [](TFont& f) { f.SetStyle({fsUnderline}); }},
      {"strike-out", [](TFont& f) { f.SetStyle({fsStrikeOut}); }},
      {"quality", [](TFont& f) { f.SetQuality(fqAntialiased); }},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    TFont changed = base();
    c.Change(changed);
    const QFont once = ToQFont(changed);
    EXPECT_NE(once, first);
    EXPECT_EQ(ToQFont(changed), once);  // the second conversion gives the same font
    EXPECT_EQ(ToQFont(plain), first);   // and the plain font is still the plain one
  }
  // The colour is not part of the Qt font.
  TFont red = base();
  red.SetColor(clRed);
  EXPECT_EQ(ToQFont(red), first);
}
