#include "grid/base/html_highlight.h"

#include "grid/base/html_entities.h"
#include "grid/base/text_positions.h"

#include <vector>

namespace {

QString escapeAngles(const QString& s) {
  QString r = s;
  r.replace(u'<', QStringLiteral("&lt;"));
  return r.replace(u'>', QStringLiteral("&gt;"));
}

}  // namespace

int PlainToHtmlPos(const QString& Text, int N) {
  // Walks the text with the rules of StripHtmlTagsSimple: a "<" with a later ">"
  // opens a tag, until a "<" without ">" or a ">" outside a tag makes the rest plain.
  const qsizetype n = Text.size();
  int plain = 0;
  qsizetype tagRunStart = -1;
  bool restIsPlain = false;
  qsizetype i = 0;
  while (i < n) {
    if (!restIsPlain && Text[i] == u'<') {
      const qsizetype close = Text.indexOf(u'>', i + 1);
      if (close >= 0) {
        if (tagRunStart < 0) tagRunStart = i;
        i = close + 1;
        continue;
      }
      restIsPlain = true;
    }
    if (Text[i] == u'>') restIsPlain = true;
    ++plain;
    if (plain == N) return static_cast<int>(tagRunStart >= 0 ? tagRunStart : i) + 1;
    tagRunStart = -1;
    ++i;
  }
  if (N == plain + 1) return static_cast<int>(n) + 1;
  return 0;
}

QString HighlightHtmlText(const QString& Text, const QString& Search, const QString& TagName, bool CaseSensitive) {
  if (Search.isEmpty()) return Text;
  // 1. The plain text.
  QString plain = StripHtmlTagsSimple(Text);
  QString text = Text;
  QString search = Search;
  // 2. Literal angle brackets in the plain text: work on the escaped plain text.
  if (Text.contains(Search) && (plain.contains(u'<') || plain.contains(u'>'))) {
    plain = escapeAngles(plain);
    text = plain;
    search = escapeAngles(search);
  }
  // 3. Find every hit in the plain text, continuing after each hit, and note where
  // its tags go in the mini-HTML text. The positions are all taken in the text
  // before any insertion and the tags inserted from the back, so that adjacent
  // hits and earlier insertions cannot shift the later positions.
  const QString open = u'<' + TagName + u'>';
  const QString close = QStringLiteral("</") + TagName + u'>';
  struct Insertion {
    int pos;
    const QString* tag;
  };
  std::vector<Insertion> insertions;
  int from = 0;
  int p = 0;
  while (FindTextFrom(search, plain, from, CaseSensitive, p) > 0) {
    const int end = p + static_cast<int>(search.size());
    insertions.push_back({PlainToHtmlPos(text, p), &open});
    insertions.push_back({PlainToHtmlPos(text, end), &close});
    from = end - 1;
  }
  for (auto it = insertions.rbegin(); it != insertions.rend(); ++it)
    if (it->pos > 0) text.insert(it->pos - 1, *it->tag);
  return text;
}

QString UnHighlightHtmlText(const QString& Text, const QString& TagName) {
  QString result = Text;
  result.remove(u'<' + TagName + u'>', Qt::CaseInsensitive);
  result.remove(QStringLiteral("</") + TagName + u'>', Qt::CaseInsensitive);
  result.replace(QStringLiteral("&lt;"), QStringLiteral("<"));
  return result.replace(QStringLiteral("&gt;"), QStringLiteral(">"));
}
