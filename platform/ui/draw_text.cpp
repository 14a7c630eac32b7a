// TCanvas::DrawText: the window system's text formatting - prefix characters,
// line breaks, word wrap at blanks, end ellipsis, alignment and measuring.
#include <QFontMetrics>
#include <QHash>
#include <QImage>
#include <QPainter>

#include "platform/ui/canvas.h"
#include "platform/ui/qt_graphics.h"
#include "platform/ui/shaped_texts.h"

namespace {

struct PreparedText {
  QString text;                // without prefix characters
  std::vector<int> underline;  // positions in `text` to underline
};

struct TextLine {
  int start = 0;  // position of the line's first character in the prepared text
  QString text;
};

// "&x" underlines x, "&&" stands for "&"; a lone "&" at the end is dropped.
PreparedText StripPrefixes(const QString& text, unsigned flags) {
  PreparedText out;
  if ((flags & DT_NOPREFIX) || !text.contains(u'&')) {
    out.text = text;
    return out;
  }
  for (int i = 0; i < text.size(); ++i) {
    if (text[i] != u'&') {
      out.text += text[i];
      continue;
    }
    if (i + 1 >= text.size()) break;
    ++i;
    if (text[i] != u'&' && !(flags & DT_HIDEPREFIX)) out.underline.push_back(static_cast<int>(out.text.size()));
    out.text += text[i];
  }
  return out;
}

QString ExpandTabs(const QString& text, const QFontMetrics& fm) {
  const int tab = 8 * fm.averageCharWidth();
  QString out;
  for (QChar c : text) {
    if (c != u'\t') {
      out += c;
      continue;
    }
    const int target = (fm.horizontalAdvance(out) / tab + 1) * tab;
    while (fm.horizontalAdvance(out) < target) out += u' ';
  }
  return out;
}

int RightTrimmedEnd(const QString& s, int from, int to) {
  while (to > from && s[to - 1] == u' ') --to;
  return to;
}

// Whether a run of the paragraph's first words [begin, k), measured lately, is
// wider than the line, so that the whole paragraph [begin, end) is too.
bool KnownTooWide(const QString& s, int begin, int end, int width, const TShapedTexts& widthOf) {
  int k = begin;
  while (k < end) {
    while (k < end && s[k] == u' ') ++k;
    while (k < end && s[k] != u' ') ++k;
    if (k >= end) return false;  // the whole paragraph: measured by the caller
    const std::optional<int> known = widthOf.KnownWidth(QStringView(s).mid(begin, RightTrimmedEnd(s, begin, k) - begin));
    if (!known) return false;
    if (*known > width) return true;
  }
  return false;
}

// Breaks one paragraph [begin, end) into lines no wider than `width` at blanks;
// a word wider than the line stays whole unless `breakWords`.
void WrapParagraph(const QString& s, int begin, int end, int width, bool breakWords, TShapedTexts& widthOf,
                   std::vector<TextLine>& lines) {
  // A paragraph whose words fit the line whole is one line (each shorter run of
  // its words fits too): one measure instead of one per word. Its first words
  // measured lately and already too wide tell without measuring that it is not.
  const int trimmedEnd = RightTrimmedEnd(s, begin, end);
  if (!KnownTooWide(s, begin, trimmedEnd, width, widthOf) && widthOf.Width(QStringView(s).mid(begin, trimmedEnd - begin)) <= width) {
    lines.push_back({begin, s.mid(begin, end - begin)});
    return;
  }
  int lineStart = begin;
  while (true) {
    int accepted = -1;
    int k = lineStart;
    while (k < end) {
      int wordEnd = k;
      while (wordEnd < end && s[wordEnd] == u' ') ++wordEnd;
      while (wordEnd < end && s[wordEnd] != u' ') ++wordEnd;
      const int visibleEnd = RightTrimmedEnd(s, lineStart, wordEnd);
      const bool fits = widthOf.Width(QStringView(s).mid(lineStart, visibleEnd - lineStart)) <= width;
      if (!fits && accepted >= 0) break;
      if (!fits && breakWords) {
        int cut = lineStart + 1;
        while (cut < visibleEnd && widthOf.Width(QStringView(s).mid(lineStart, cut + 1 - lineStart)) <= width) ++cut;
        accepted = cut;
        break;
      }
      accepted = wordEnd;
      k = wordEnd;
    }
    if (accepted < 0) accepted = end;
    const int lineEnd = accepted < end ? RightTrimmedEnd(s, lineStart, accepted) : accepted;
    lines.push_back({lineStart, s.mid(lineStart, lineEnd - lineStart)});
    lineStart = accepted;
    while (lineStart < end && s[lineStart] == u' ') ++lineStart;
    if (lineStart >= end) return;
  }
}

std::vector<TextLine> BreakLines(const QString& s, unsigned flags, int width, TShapedTexts& widthOf) {
  std::vector<TextLine> lines;
  if (flags & DT_SINGLELINE) {
    lines.push_back({0, s});
    return lines;
  }
  int begin = 0;
  while (true) {
    int end = begin;
    while (end < s.size() && s[end] != u'\r' && s[end] != u'\n') ++end;
    if (flags & DT_WORDBREAK)
      WrapParagraph(s, begin, end, width, (flags & DT_EDITCONTROL) != 0, widthOf, lines);
    else
      lines.push_back({begin, s.mid(begin, end - begin)});
    if (end >= s.size()) break;
    begin = end + ((s[end] == u'\r' && end + 1 < s.size() && s[end + 1] == u'\n') ? 2 : 1);
    if (begin >= s.size()) break;  // a final line break starts no new line
  }
  return lines;
}

QString Ellipsize(const QString& text, int width, TShapedTexts& widthOf) {
  if (widthOf.Width(text) <= width) return text;
  const QString dots = QStringLiteral("...");
  QString cut = text;
  while (!cut.isEmpty() && widthOf.Width(cut + dots) > width) cut.chop(1);
  return cut + dots;
}

}  // namespace

int TCanvas::DrawText(const QString& text, TRect& r, unsigned flags) {
  const QFont qf = ToQFont(font_);
  const QFontMetrics fm(qf);
  const int lineHeight = fm.height() + ((flags & DT_EXTERNALLEADING) ? fm.leading() : 0);

  PreparedText prepared = StripPrefixes(text, flags);
  if (flags & DT_SINGLELINE) prepared.text.remove(u'\r').remove(u'\n');
  if ((flags & DT_EXPANDTABS) && prepared.text.contains(u'\t')) prepared.text = ExpandTabs(prepared.text, fm);

  if (prepared.text.isEmpty()) {
    const int height = (flags & DT_SINGLELINE) ? lineHeight : 0;
    if (flags & DT_CALCRECT) {
      r.Right = r.Left;
      r.Bottom = r.Top + height;
    }
    return height;
  }

  TShapedTexts& widthOf = TShapedTexts::For(qf);
  std::vector<TextLine> lines = BreakLines(prepared.text, flags, r.Width(), widthOf);
  if ((flags & DT_END_ELLIPSIS) && !(flags & DT_CALCRECT))
    for (TextLine& line : lines) line.text = Ellipsize(line.text, r.Width(), widthOf);

  const int total = lineHeight * static_cast<int>(lines.size());
  if (flags & DT_CALCRECT) {
    int widest = 0;
    for (const TextLine& line : lines) widest = std::max(widest, widthOf.Width(line.text));
    r.Right = r.Left + widest;
    r.Bottom = r.Top + total;
    return total;
  }

  int y = r.Top;
  if (flags & DT_SINGLELINE) {
    if (flags & DT_VCENTER) y = r.Top + (r.Height() - lineHeight) / 2;
    else if (flags & DT_BOTTOM) y = r.Bottom - lineHeight;
  }
  const int result = y - r.Top + total;

  QPainter* p = Painter();
  if (!p) return result;
  p->save();
  if (!(flags & DT_NOCLIP)) p->setClipRect(ToQRect(r), Qt::IntersectClip);
  const QColor color = ToQColor(font_.Color());
  // A line is measured only where its width matters: to align it, or to fill
  // the brush behind it (a clear brush fills nothing).
  const bool background = brush_.Style() != bsClear && brush_.Color() != clNone;
  const bool measure = background || (flags & (DT_CENTER | DT_RIGHT)) != 0;
  p->setPen(color);
  for (const TextLine& line : lines) {
    const int width = measure ? widthOf.Width(line.text) : 0;
    int x = r.Left;
    if (flags & DT_CENTER) x = r.Left + (r.Width() - width) / 2;
    else if (flags & DT_RIGHT) x = r.Right - width;
    TextBackground(*p, Bounds(x, y, width, lineHeight));
    p->setCompositionMode(QPainter::CompositionMode_SourceOver);
    widthOf.Draw(*p, x, y + fm.ascent(), line.text);
    for (int u : prepared.underline) {
      const int at = u - line.start;
      if (at < 0 || at >= line.text.size()) continue;
      const int ux = x + fm.horizontalAdvance(line.text.left(at));
      const int uw = fm.horizontalAdvance(line.text.at(at));
      p->fillRect(QRect(ux, y + fm.ascent() + std::max(1, fm.underlinePos()), uw, std::max(1, fm.lineWidth())),
                  color);
    }
    y += lineHeight;
  }
  p->restore();
  return result;
}
