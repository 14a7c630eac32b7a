#include "grid/base/csv_text.h"

#include "platform/rtl/string_list.h"

namespace {
constexpr QChar kVt(11);
}  // namespace

QString DoubleQuotes(const QString& Text) {
  QString result = Text;
  return result.replace(u'"', QStringLiteral("\"\""));
}

QString UndoubleChar(QChar Ch, const QString& Text) {
  if (!Text.contains(Ch)) return Text;
  QString result;
  result.reserve(Text.size());
  for (qsizetype i = 0; i < Text.size(); ++i) {
    result += Text[i];
    if (Text[i] == Ch && i + 1 < Text.size() && Text[i + 1] == Ch) ++i;
  }
  return result;
}

int FindClosingQuote(QChar Ch, QStringView Text, int& Pos) {
  Pos = 0;
  int run = 0;
  const int n = static_cast<int>(Text.size());
  for (int i = 0; i < n; ++i) {
    if (Text[i] == Ch) {
      ++run;
      if (i == n - 1) {
        Pos = n;
        return Pos;
      }
      continue;
    }
    if (run % 2 == 1) {
      Pos = i;  // the last Ch of the run, 1-based
      return Pos;
    }
    run = 0;
  }
  return Pos;
}

int CountQuoteRuns(QChar Ch, const QString& Text) {
  // The rest after each find is a view further into the text, not a copy.
  int count = 0;
  QStringView rest(Text);
  int pos = 0;
  while (FindClosingQuote(Ch, rest, pos) > 0) {
    ++count;
    rest = rest.mid(pos);
  }
  return count;
}

int CountChar(QChar Ch, const QString& Text) { return static_cast<int>(Text.count(Ch)); }

QString CutFirstField(QString& Text, const QString& Delimiter) {
  if (Delimiter.isEmpty()) return {};
  const qsizetype at = Text.indexOf(Delimiter);
  if (at < 0) return {};
  QString field = Text.left(at);
  Text.remove(0, at + Delimiter.size());
  return field;
}

QChar FindFirstOfOutsideQuotes(const QString& Chars, QStringView Text, int& Pos) {
  int quotes = 0;
  for (qsizetype i = 0; i < Text.size(); ++i) {
    if (Text[i] == u'"') ++quotes;
    if (quotes % 2 == 0 && Chars.contains(Text[i])) {
      Pos = static_cast<int>(i) + 1;
      return Text[i];
    }
  }
  Pos = -1;
  return QChar(0);
}

void QuoteMultiLineCsv(QString& Text) {
  Text.replace(QStringLiteral("\r\n"), QString(kVt));
  Text = u'"' + Text + u'"';
}

void VtToLineBreaks(QString& Text) {
  if (!Text.contains(kVt)) return;
  Text.replace(kVt, QStringLiteral("\r\n"));
}

QString ConcatStrings(const TStringList& Strings) {
  QString result;
  for (int i = 0; i < Strings.Count(); ++i) result += Strings[i];
  return result;
}
