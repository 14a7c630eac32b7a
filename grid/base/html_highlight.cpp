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

namespace {

// Walks the text with the rules of StripHtmlTagsSimple (a "<" with a later ">"
// opens a tag, until a "<" without ">" or a ">" outside a tag makes the rest plain)
// and calls visit(k, position) for the k-th plain character (1-based), where
// position is the 1-based place in the text at which it begins, tags directly
// before it included. Stops early when visit answers false. Answers the number of
// plain characters visited. One pass: every character is looked at a bounded
// number of times.
template <typename Visit>
int walkPlainCharacters(const QString& Text, Visit visit) {
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
    if (!visit(plain, static_cast<int>(tagRunStart >= 0 ? tagRunStart : i) + 1)) return plain;
    tagRunStart = -1;
    ++i;
  }
  return plain;
}

// PlainToHtmlPos for every N at once.
class TPlainToHtmlMap {
public:
  explicit TPlainToHtmlMap(const QString& Text) : end_(static_cast<int>(Text.size()) + 1) {
    positions_.push_back(0);
    walkPlainCharacters(Text, [this](int, int position) {
      positions_.push_back(position);
      return true;
    });
  }
  int operator()(int N) const {
    const int plain = static_cast<int>(positions_.size()) - 1;
    if (N >= 1 && N <= plain) return positions_[size_t(N)];
    return N == plain + 1 ? end_ : 0;
  }

private:
  std::vector<int> positions_;  // [N]: the position of plain character N; [0] unused
  int end_;
};

}  // namespace

int PlainToHtmlPos(const QString& Text, int N) {
  int found = 0;
  const int plain = walkPlainCharacters(Text, [&](int k, int position) {
    if (k == N) found = position;
    return k != N;
  });
  if (found > 0) return found;
  if (N == plain + 1) return static_cast<int>(Text.size()) + 1;
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
  // before any insertion (from one map of plain to text positions), and the text is
  // then copied once with the tags in their places, so adjacent hits keep their
  // order and the work stays in proportion to the text.
  if (!CaseSensitive) {
    plain = UpperKeepingPositions(plain);
    search = UpperKeepingPositions(search);
  }
  const TPlainToHtmlMap htmlPos(text);
  const QString open = u'<' + TagName + u'>';
  const QString close = QStringLiteral("</") + TagName + u'>';
  struct Insertion {
    int pos;
    const QString* tag;
  };
  std::vector<Insertion> insertions;
  int from = 0;
  int p = 0;
  while (FindTextFrom(search, plain, from, true, p) > 0) {
    const int end = p + static_cast<int>(search.size());
    insertions.push_back({htmlPos(p), &open});
    insertions.push_back({htmlPos(end), &close});
    from = end - 1;
  }
  if (insertions.empty()) return text;
  QString result;
  result.reserve(text.size() + static_cast<qsizetype>(insertions.size()) * close.size());
  qsizetype copied = 0;
  for (const Insertion& insertion : insertions) {
    if (insertion.pos <= 0) continue;
    const qsizetype at = insertion.pos - 1;
    result += QStringView(text).mid(copied, at - copied);
    copied = at;
    result += *insertion.tag;
  }
  result += QStringView(text).mid(copied);
  return result;
}

QString UnHighlightHtmlText(const QString& Text, const QString& TagName) {
  QString result = Text;
  result.remove(u'<' + TagName + u'>', Qt::CaseInsensitive);
  result.remove(QStringLiteral("</") + TagName + u'>', Qt::CaseInsensitive);
  result.replace(QStringLiteral("&lt;"), QStringLiteral("<"));
  return result.replace(QStringLiteral("&gt;"), QStringLiteral(">"));
}
