#include "platform/ui/qt_graphics.h"

#include <QFontMetrics>

#include "platform/ui/graphics_objects.h"

namespace {

void InstallFontSubstitutes() {
  static bool done = false;
  if (done) return;
  done = true;
  const QStringList sans{QStringLiteral("DejaVu Sans")};
  for (const char* family : {"Verdana", "Tahoma", "MS Sans Serif", "Microsoft Sans Serif", "Arial",
                             "Segoe UI", "MS Shell Dlg", "MS Shell Dlg 2"})
    QFont::insertSubstitutions(QString::fromLatin1(family), sans);
  QFont::insertSubstitutions(QStringLiteral("Courier New"), {QStringLiteral("DejaVu Sans Mono")});
  QFont::insertSubstitutions(QStringLiteral("Times New Roman"), {QStringLiteral("DejaVu Serif")});
}

QFont BaseFont(const TFont& font, int pixelSize) {
  QFont f(font.Name());
  f.setPixelSize(std::max(1, pixelSize));
  const TFontStyles style = font.Style();
  f.setBold(style.Contains(fsBold));
  f.setItalic(style.Contains(fsItalic));
  f.setUnderline(style.Contains(fsUnderline));
  f.setStrikeOut(style.Contains(fsStrikeOut));
  if (font.Quality() == fqNonAntialiased) f.setStyleStrategy(QFont::NoAntialias);
  if (font.Quality() == fqAntialiased) f.setStyleStrategy(QFont::PreferAntialias);
  return f;
}

}  // namespace

QColor ToQColor(TColor color) {
  if (color == clNone) return QColor(Qt::transparent);
  const TColor rgb = ColorToRGB(color);
  return QColor(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
}

TColor FromQColor(const QColor& color) { return RGB(color.red(), color.green(), color.blue()); }

QFont ToQFont(const TFont& font) {
  InstallFontSubstitutes();
  const int height = font.Height();
  if (height <= 0) return BaseFont(font, height == 0 ? 11 : -height);
  // A positive height is the cell height: scale the character height to match.
  const QFont probe = BaseFont(font, height);
  const int cell = QFontMetrics(probe).height();
  return BaseFont(font, cell > 0 ? height * height / cell : height);
}

void FromQFont(const QFont& qfont, TFont& font) {
  font.SetName(qfont.family());
  if (qfont.pixelSize() > 0) font.SetHeight(-qfont.pixelSize());
  TFontStyles style;
  if (qfont.bold()) style += fsBold;
  if (qfont.italic()) style += fsItalic;
  if (qfont.underline()) style += fsUnderline;
  if (qfont.strikeOut()) style += fsStrikeOut;
  font.SetStyle(style);
}
