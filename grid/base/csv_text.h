// CSV field helpers: quoting, doubled quotes, finding the quote that closes a
// field and cutting fields off a line.
#pragma once

#include <QString>

class TStringList;

QString DoubleQuotes(const QString& Text);  // every double quote doubled
// When the text holds Ch, every pair of Ch becomes one (pairs taken left to right).
QString UndoubleChar(QChar Ch, const QString& Text);

// 1-based position of the Ch that closes a field whose inner Ch are doubled: the
// last Ch of the first run of odd length, or a Ch that ends the text; 0 when
// none. The result is also stored in Pos.
int FindClosingQuote(QChar Ch, QStringView Text, int& Pos);
// How often FindClosingQuote finds a closing position when the text is cut after
// each find (in one pass over the text).
int CountQuoteRuns(QChar Ch, const QString& Text);
int CountChar(QChar Ch, const QString& Text);

// The text before the first Delimiter, removed from Text with the delimiter;
// empty, and Text unchanged, when the delimiter is absent.
QString CutFirstField(QString& Text, const QString& Delimiter);

// The first character of Text that is one of Chars and has an even number of
// double quotes before it (itself included); Pos receives its 1-based position.
// NUL and Pos = -1 when there is none.
QChar FindFirstOfOutsideQuotes(const QString& Chars, QStringView Text, int& Pos);

// CSV and clipboard: each CR LF pair becomes character 11 and the whole text is
// enclosed in double quotes; back: character 11 becomes CR LF.
void QuoteMultiLineCsv(QString& Text);
void VtToLineBreaks(QString& Text);

// All items of a string list joined without separator.
QString ConcatStrings(const TStringList& Strings);
