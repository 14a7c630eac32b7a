// Delimiter-separated text as the grid writes and reads it. Two dialects: the
// usual one, where a line break inside a field becomes character 11 (vertical
// tab), and the JavaCSV one, where it becomes "~" and an empty field is written
// "^". In both, a field holding the delimiter, a double quote or a line break (or
// starting with a blank, which reading would drop) is enclosed in double quotes
// with its inner quotes doubled, so that every record stays on one line and reads
// back as it was written.
#pragma once

#include <QChar>
#include <QString>
#include <QStringList>

struct TCsvDialect {
  QChar Delimiter = u',';
  bool JavaCSV = false;
  bool AlwaysQuotes = false;
  bool QuoteEmptyCells = true;
};

// One field as written (before a conversion to the OEM code page).
QString CsvField(const QString& Text, const TCsvDialect& Dialect);

// The delimiter of a file from its first two lines (Second empty when there is
// none), among "," ";" "#" TAB "|" "@" "*" "-" "+" "&": first the candidate with
// the same number of odd-length runs in both lines, then the same number of
// occurrences, then the most occurrences in either line; an earlier candidate
// wins a tie. NUL when nothing fits: every line is then one field.
QChar DetectCsvDelimiter(const QString& First, const QString& Second);

// The fields of one line: leading blanks dropped, quoted fields unquoted with
// their doubled quotes collapsed (a quote without its closing quote gives an empty
// field), line breaks restored. A final empty field is not returned.
QStringList SplitCsvLine(const QString& Line, QChar Delimiter, bool JavaCSV);
