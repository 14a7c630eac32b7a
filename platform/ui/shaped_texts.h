// The texts lately measured or drawn in one font, each shaped as few times as
// possible. Painting a grid measures and draws the same texts again and again
// (the words and lines of wrapped cells, a row's shared start, a column's
// repeated values), and measuring or drawing a text means shaping it, which
// costs more than putting its glyphs on the canvas. A text's width is measured
// once; a text drawn a second time is laid out once and its glyphs are kept, so
// that every later drawing only places them. A text seen once is drawn as the
// painter draws any text: laying out and keeping the glyphs of every unique text
// would cost more than it saves.
#pragma once

#include <QFont>
#include <QGlyphRun>
#include <QHashFunctions>
#include <QList>
#include <QString>
#include <QStringView>
#include <optional>
#include <unordered_map>

class QPainter;

class TShapedTexts {
public:
  // The texts of `font` for the calling thread; the last few fonts are kept.
  static TShapedTexts& For(const QFont& font);

  const QFont& Font() const { return font_; }
  // The text's advance, as QFontMetrics::horizontalAdvance gives it. A part of a
  // longer text is looked up without being copied (copied once when measured).
  int Width(QStringView text);
  // The width when this text was measured lately; nothing (and no measuring)
  // otherwise.
  std::optional<int> KnownWidth(QStringView text) const;
  // Draws the text with the start of its baseline at (x, baseline) in the
  // painter's pen, the same pixels as QPainter::drawText with this font. The
  // painter's font is set to this font when the text is drawn through it.
  void Draw(QPainter& p, int x, int baseline, const QString& text);

private:
  explicit TShapedTexts(const QFont& font) : font_(font) {}
  struct TShape {
    int Width = -1;    // -1 until measured
    int Drawn = 0;     // times drawn without kept glyphs
    bool Laid = false;  // Runs and Ascent hold the laid-out glyphs
    qreal Ascent = 0;
    QList<QGlyphRun> Runs;
  };
  using TKept = std::pair<const QString, TShape>;
  TKept& Entry(QStringView text);
  // Latin texts without marks, controls or right-to-left letters: their glyphs,
  // laid out alone, are the glyphs the painter draws for them.
  static bool PlainLatin(const QString& text);
  static bool Decorated(const QFont& font);
  void Lay(TShape& shape, const QString& text) const;

  // Texts looked up by view (a part of a longer text needs no copy to be found).
  struct THash {
    using is_transparent = void;
    size_t operator()(QStringView s) const { return qHash(s); }
  };
  struct TEqual {
    using is_transparent = void;
    bool operator()(QStringView a, QStringView b) const { return a == b; }
  };

  QFont font_;
  std::unordered_map<QString, TShape, THash, TEqual> texts_;
};
