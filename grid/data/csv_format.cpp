#include "grid/data/csv_format.h"

#include <array>

#include "grid/base/csv_text.h"
#include "grid/base/line_breaks.h"

namespace {

constexpr std::array<char16_t, 10> kCandidates{u',', u';', u'#', u'\t', u'|', u'@', u'*', u'-', u'+', u'&'};
constexpr QChar kVt(u'\x0B');

// Leading blanks go while at least two characters remain.
void dropLeadingBlanks(QString& s) {
  qsizetype n = 0;
  while (s.size() - n >= 2 && s[n] == u' ') ++n;
  s.remove(0, n);
}

QString restoreLineBreaks(QString field, bool java, bool quoted) {
  if (java) {
    // An unquoted "^" is an empty field; a quoted one is the character itself.
    if (!quoted) return TildeToLineBreaks(field);
    return field.replace(u'~', QStringLiteral("\r\n"));
  }
  VtToLineBreaks(field);
  return field;
}

}  // namespace

QString CsvField(const QString& Text, const TCsvDialect& d) {
  QString t = DoubleQuotes(Text);
  bool lineBreak = t.contains(u'\r') || t.contains(u'\n');
  if (d.JavaCSV) {
    t = LineBreaksToTilde(t);
    t.remove(u'\n');
  } else {
    t.replace(QStringLiteral("\r\n"), QString(kVt));
    t.replace(u'\r', kVt).replace(u'\n', kVt);
  }
  if (t.isEmpty() && !d.AlwaysQuotes) {
    if (d.JavaCSV) return QStringLiteral("^");
    return d.QuoteEmptyCells ? QStringLiteral("\"\"") : QString();
  }
  // Leading blanks of an unquoted field are dropped on reading: such a text is quoted too.
  const bool quote = d.AlwaysQuotes || lineBreak || t.contains(d.Delimiter) || t.contains(u'"') ||
                     t.startsWith(u' ') || (d.JavaCSV && t == QLatin1String("^"));
  return quote ? u'"' + t + u'"' : t;
}

QChar DetectCsvDelimiter(const QString& First, const QString& Second) {
  QChar chosen(u'\0');
  int best = 0;
  for (char16_t k : kCandidates) {  // pass 1: odd-length runs
    const int a = CountQuoteRuns(QChar(k), First), b = CountQuoteRuns(QChar(k), Second);
    if (a == b && a > best) chosen = QChar(k), best = a;
  }
  if (!chosen.isNull()) return chosen;
  for (char16_t k : kCandidates) {  // pass 2: occurrences
    const int a = CountChar(QChar(k), First), b = CountChar(QChar(k), Second);
    if (a == b && a > best) chosen = QChar(k), best = a;
  }
  if (!chosen.isNull()) return chosen;
  for (char16_t k : kCandidates) {  // pass 3: the most in either line
    const int a = CountChar(QChar(k), First), b = CountChar(QChar(k), Second);
    if (a > best || b > best) chosen = QChar(k), best = std::max(a, b);
  }
  return chosen;
}

QStringList SplitCsvLine(const QString& Line, QChar Delimiter, bool JavaCSV) {
  QStringList fields;
  QString line = Line;
  while (!Delimiter.isNull() && line.contains(Delimiter)) {
    dropLeadingBlanks(line);
    QString field;
    bool quoted = false;
    if (line.startsWith(u'"')) {
      line.remove(0, 1);
      quoted = true;
      int pos = 0;
      if (FindClosingQuote(u'"', line, pos) > 0) {
        field = UndoubleChar(u'"', line.left(pos - 1));
        line.remove(0, pos);
      }
    } else {
      field = line.left(line.indexOf(Delimiter));
    }
    fields.append(restoreLineBreaks(field, JavaCSV, quoted));
    const qsizetype next = line.indexOf(Delimiter);
    if (next < 0) {
      line.clear();
      break;
    }
    line.remove(0, next + 1);
  }
  if (!line.isEmpty()) {
    dropLeadingBlanks(line);
    bool quoted = false;
    if (line.startsWith(u'"')) {
      quoted = true;
      line.remove(0, 1);
      if (line.endsWith(u'"')) line.chop(1);
      line = UndoubleChar(u'"', line);
    }
    fields.append(restoreLineBreaks(line, JavaCSV, quoted));
  }
  return fields;
}
