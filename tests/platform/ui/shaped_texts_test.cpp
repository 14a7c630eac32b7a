// Texts measured and drawn through the kept shapes: the same widths as the font
// metrics and the same pixels as the painter's own text drawing, whether a text
// is drawn for the first time, laid out on its second drawing or placed from its
// kept glyphs; and word breaks that take a paragraph's known first words.
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include "platform/ui/bitmap.h"
#include "platform/ui/canvas.h"
#include "platform/ui/shaped_texts.h"

namespace {

QFont TestFont(bool bold = false, bool underline = false) {
  QFont f(QStringLiteral("DejaVu Sans"));
  f.setPixelSize(13);
  f.setBold(bold);
  f.setUnderline(underline);
  return f;
}

// A text drawn at (4, 20) on white, by the painter or by the kept shapes.
QImage Drawn(const QFont& font, const QString& text, bool shaped) {
  QImage image(220, 30, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter p(&image);
  p.setRenderHint(QPainter::TextAntialiasing, true);
  p.setPen(QColor(0x20, 0x40, 0x80));
  if (shaped) {
    TShapedTexts::For(font).Draw(p, 4, 20, text);
  } else {
    p.setFont(font);
    p.drawText(QPoint(4, 20), text);
  }
  return image;
}

TEST(ShapedTexts, DrawTheSamePixelsAsThePainterEveryTime) {
  struct Case {
    const char* name;
    QFont font;
    QString text;
  } cases[] = {
      {"plain", TestFont(), QStringLiteral("Row 12345 col 3")},
      {"kerned pairs and blanks", TestFont(), QStringLiteral("  AVAST, To Wa  ")},
      {"Latin letters with accents", TestFont(), QString::fromUtf8("Ärger über Öl, Straße, ñ")},
      {"bold", TestFont(true), QStringLiteral("Total: 1.234,56")},
      {"underlined font", TestFont(false, true), QStringLiteral("http://example")},
      {"Greek and Hebrew", TestFont(), QString::fromUtf8("αβγ שלום")},
  };
  for (const Case& c : cases) {
    const QImage reference = Drawn(c.font, c.text, false);
    ASSERT_NE(reference, Drawn(c.font, QString(), false)) << c.name;  // the text shows
    // The first drawing, the one that lays the text out, and two from its glyphs.
    for (int round = 1; round <= 4; ++round)
      EXPECT_EQ(Drawn(c.font, c.text, true), reference) << c.name << ", drawing " << round;
  }
}

TEST(ShapedTexts, WidthsAreTheFontMetricsAndKnownOnceMeasured) {
  const QFont font = TestFont(true);
  TShapedTexts& texts = TShapedTexts::For(font);
  const QString text = QStringLiteral("Measured once 4711");
  EXPECT_FALSE(texts.KnownWidth(text).has_value());
  EXPECT_EQ(texts.Width(text), QFontMetrics(font).horizontalAdvance(text));
  ASSERT_TRUE(texts.KnownWidth(text).has_value());
  EXPECT_EQ(*texts.KnownWidth(text), QFontMetrics(font).horizontalAdvance(text));
  // Drawing alone measures nothing.
  QImage image(10, 10, QImage::Format_RGB32);
  QPainter p(&image);
  texts.Draw(p, 0, 8, QStringLiteral("Drawn only"));
  EXPECT_FALSE(texts.KnownWidth(QStringLiteral("Drawn only")).has_value());
}

// Word breaks of paragraphs whose first words were measured before (by an
// earlier paragraph with the same start) are the breaks of a fresh measure.
TEST(ShapedTexts, KnownFirstWordsBreakParagraphsAsMeasuringThemWould) {
  TBitmap bmp(300, 100);
  TCanvas* c = bmp.Canvas();
  c->Font()->SetName(QStringLiteral("DejaVu Sans"));
  c->Font()->SetHeight(-12);
  const int h = c->TextHeight(QStringLiteral("x"));
  const int two = c->TextWidth(QStringLiteral("Row 4711"));
  const int three = c->TextWidth(QStringLiteral("Row 4711 col"));
  struct Case {
    const char* earlier;  // drawn first, in the same box
    const char* text;
    int width;
    int lines;
  } cases[] = {
      {"Row 4711 col 1", "Row 4711 col 2", two, 2},          // the known "Row 4711 col" is too wide
      {"Row 4711 col 1", "Row 4711 col 2", three, 2},        // fits up to "col"
      {"Row 4711 col 1", "Row 4711", two, 1},                // the whole text is the known run
      {"Row 4711 col 1", "Row 4711 c", three, 1},            // known runs fit, the whole fits
      {"Row", "Row 4711 col 2", two - 1, 3},                 // only "Row" known, and it fits
  };
  for (const Case& k : cases) {
    TRect r = Rect(0, 0, k.width, 0);
    c->DrawText(QString::fromLatin1(k.earlier), r, DT_WORDBREAK);
    r = Rect(0, 0, k.width, 0);
    EXPECT_EQ(c->DrawText(QString::fromLatin1(k.text), r, DT_CALCRECT | DT_WORDBREAK), k.lines * h)
        << k.text << " in " << k.width;
  }
}

}  // namespace
