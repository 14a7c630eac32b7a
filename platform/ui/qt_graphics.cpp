#include "platform/ui/qt_graphics.h"

#include <QCoreApplication>
#include <QFile>
#include <QFontInfo>
#include <QHash>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>

#include "platform/ui/font_strikes.h"
#include "platform/ui/graphics_objects.h"

#include <algorithm>
#include <vector>

namespace {

// The forms are laid out for Windows' fonts at 96 dpi. Free fonts with the same
// metrics stand in for them: Wine's own Tahoma and MS Sans Serif (fonts-wine, which
// fontconfig does not list, so they are loaded from their installed files), the
// Liberation fonts for Arial, Courier New and Times New Roman (listed by fontconfig),
// DejaVu Sans for Verdana (the Vera design shares Verdana's wide proportions), and
// DejaVu as the last fallback wherever one of them is missing.
//
// Wine's fonts are the face itself only in their bitmap strikes (Tahoma at 8 to 16
// pixels): their outlines approximate it, and the bold Tahoma's outlines are not
// even bold. So at a strike's size the text is drawn from the strike (without
// smoothing, which is what selects the bitmaps), and a bold face whose outlines are
// regular is drawn at other sizes as the regular face made bold.
struct TFontFile {
  const char* Family;
  const char* Path;
  bool Bold;
  bool RegularOutlines;  // a bold face whose outlines are drawn at regular weight
};
constexpr TFontFile kShippedFontFiles[] = {
    {"Tahoma", "/usr/share/wine/fonts/tahoma.ttf", false, false},
    {"Tahoma", "/usr/share/wine/fonts/tahomabd.ttf", true, true},
    {"MS Sans Serif", "/usr/share/wine/fonts/ms_sans_serif.ttf", false, false},
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

// A face loaded from one of the files above.
struct TLoadedFace {
  QString Family;
  bool Bold;
  bool RegularOutlines;
  std::vector<int> StrikeSizes;
};
std::vector<TLoadedFace>& LoadedFaces() {
  static std::vector<TLoadedFace> faces;
  return faces;
}

// Returns whether the substitutes are in place (they need the GUI application).
bool InstallFontSubstitutes() {
  static bool done = false;
  if (done) return true;
  if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return false;
  done = true;
  const QStringList installed = QFontDatabase::families();
  for (const TFontFile& f : kShippedFontFiles) {
    const QString family = QString::fromLatin1(f.Family);
    if (installed.contains(family, Qt::CaseInsensitive)) continue;
    // Registered by path, the font file is read by the font engine as it needs it
    // rather than kept whole in memory; the embedded sizes are read here once.
    const QString path = QString::fromLatin1(f.Path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) continue;
    std::vector<int> strikes = EmbeddedBitmapSizes(file.readAll());
    if (QFontDatabase::addApplicationFont(path) < 0) continue;
    LoadedFaces().push_back({family, f.Bold, f.RegularOutlines, std::move(strikes)});
  }
  for (const TFontStandIn& s : kFontStandIns) {
    QStringList substitutes;
    for (const char* family : s.Substitutes)
      if (family) substitutes.append(QString::fromLatin1(family));
    QFont::insertSubstitutions(QString::fromLatin1(s.Family), substitutes);
  }
  return true;
}

// The loaded face a family name and weight are drawn with (a stand-in family's
// included), or none when the family resolves to an installed font.
const TLoadedFace* LoadedFace(const QString& name, bool bold) {
  if (LoadedFaces().empty()) return nullptr;
  static QHash<QString, const TLoadedFace*> known;
  const QString key = name.toLower() + (bold ? u'|' : u'-');
  const auto it = known.constFind(key);
  if (it != known.constEnd()) return *it;
  QFont probe(name);
  probe.setBold(bold);
  const QString family = QFontInfo(probe).family();
  const TLoadedFace* found = nullptr;
  for (const TLoadedFace& face : LoadedFaces())
    if (face.Bold == bold && face.Family.compare(family, Qt::CaseInsensitive) == 0) found = &face;
  known.insert(key, found);
  return found;
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
  if (const TLoadedFace* face = LoadedFace(f.family(), f.bold())) {
    const bool strike = std::binary_search(face->StrikeSizes.begin(), face->StrikeSizes.end(), f.pixelSize());
    if (strike && font.Quality() != fqAntialiased)
      f.setStyleStrategy(QFont::NoAntialias);
    else if (face->RegularOutlines)
      f.setStyleName(QStringLiteral("Regular"));  // the regular face, made bold
  }
  return f;
}

}  // namespace

QColor ToQColor(TColor color) {
  if (color == clNone) return QColor(Qt::transparent);
  const TColor rgb = ColorToRGB(color);
  return QColor(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
}

TColor FromQColor(const QColor& color) { return RGB(color.red(), color.green(), color.blue()); }

namespace {

QFont MakeQFont(const TFont& font) {
  const int height = font.Height();
  if (height <= 0) return BaseFont(font, height == 0 ? 11 : -height);
  // A positive height is the cell height: scale the character height to match.
  const QFont probe = BaseFont(font, height);
  const int cell = QFontMetrics(probe).height();
  return BaseFont(font, cell > 0 ? height * height / cell : height);
}

}  // namespace

QFont ToQFont(const TFont& font) {
  if (!InstallFontSubstitutes()) return MakeQFont(font);
  // The same few fonts are asked for again and again while a control paints. A
  // font handed out before keeps the engine Qt found for it, so measuring and
  // drawing with it skip the font lookup; the last fonts are kept per thread,
  // enough of them for every font the program's forms use (about 16) to stay.
  struct TCached {
    QString Name;
    int Height;
    TFontStyles Style;
    TFontQuality Quality;
    QFont Font;
  };
  constexpr size_t kKept = 32;
  thread_local std::vector<TCached> cache;
  thread_local size_t next = 0;
  for (const TCached& c : cache)
    if (c.Height == font.Height() && c.Style == font.Style() && c.Quality == font.Quality() && c.Name == font.Name())
      return c.Font;
  TCached made{font.Name(), font.Height(), font.Style(), font.Quality(), MakeQFont(font)};
  if (cache.size() < kKept) {
    cache.push_back(std::move(made));
    return cache.back().Font;
  }
  cache[next] = std::move(made);
  const size_t used = next;
  next = (next + 1) % kKept;
  return cache[used].Font;
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
