#include "platform/ui/qt_graphics.h"

#include <QCoreApplication>
#include <QFile>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>

#include "platform/ui/graphics_objects.h"

namespace {

// The forms are laid out for Windows' fonts at 96 dpi. Free fonts with the same
// metrics stand in for them: Wine's own Tahoma and MS Sans Serif (fonts-wine, which
// fontconfig does not list, so they are loaded from their installed files), the
// Liberation fonts for Arial, Courier New and Times New Roman (listed by fontconfig),
// DejaVu Sans for Verdana (the Vera design shares Verdana's wide proportions), and
// DejaVu as the last fallback wherever one of them is missing.
struct TFontFile {
  const char* Family;
  const char* Path;
};
constexpr TFontFile kShippedFontFiles[] = {
    {"Tahoma", "/usr/share/wine/fonts/tahoma.ttf"},
    {"Tahoma", "/usr/share/wine/fonts/tahomabd.ttf"},
    {"MS Sans Serif", "/usr/share/wine/fonts/ms_sans_serif.ttf"},
};

struct TFontStandIn {
  const char* Family;
  const char* Substitutes[3];
};
constexpr TFontStandIn kFontStandIns[] = {
    {"Tahoma", {"DejaVu Sans"}},
    {"MS Sans Serif", {"Tahoma", "DejaVu Sans"}},
    {"Microsoft Sans Serif", {"Tahoma", "DejaVu Sans"}},
    {"MS Shell Dlg", {"Tahoma", "DejaVu Sans"}},
    {"MS Shell Dlg 2", {"Tahoma", "DejaVu Sans"}},
    {"Segoe UI", {"Tahoma", "DejaVu Sans"}},
    {"Verdana", {"DejaVu Sans"}},
    {"Arial", {"Liberation Sans", "DejaVu Sans"}},
    {"Courier New", {"Liberation Mono", "DejaVu Sans Mono"}},
    {"Times New Roman", {"Liberation Serif", "DejaVu Serif"}},
};

void InstallFontSubstitutes() {
  static bool done = false;
  if (done || !qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return;
  done = true;
  const QStringList installed = QFontDatabase::families();
  for (const TFontFile& f : kShippedFontFiles)
    if (!installed.contains(QString::fromLatin1(f.Family), Qt::CaseInsensitive) && QFile::exists(QString::fromLatin1(f.Path)))
      QFontDatabase::addApplicationFont(QString::fromLatin1(f.Path));
  for (const TFontStandIn& s : kFontStandIns) {
    QStringList substitutes;
    for (const char* family : s.Substitutes)
      if (family) substitutes.append(QString::fromLatin1(family));
    QFont::insertSubstitutions(QString::fromLatin1(s.Family), substitutes);
  }
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
