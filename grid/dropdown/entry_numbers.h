// The small text and number helpers of the drop-down edits' entry rules, free of
// any window: range separators, the number kind of an entry text, thousand
// separators, hex digits and case folding. The separators are the process's
// format settings, read at each call.
#pragma once

#include <QChar>
#include <QString>

// True for ",", "-" and ";".
bool IsRangeSeparator(QChar Ch);

// The number kind of an entry text: 0 integer, 1 float, 2 text, 5 hex.
inline constexpr int kTextKindInteger = 0, kTextKindFloat = 1, kTextKindText = 2, kTextKindHex = 5;
int GetTextNumberKind(const QString& Text);

// The text without the locale's thousand separators.
QString StripThousandChars(const QString& Text);

// 0-9 for "0"-"9", 10-15 for "A"-"F" and "a"-"f", 0 for anything else.
int HexDigitValue(QChar Ch);

// The digit values summed from the right with weights 1, 16, 256, ...; no check,
// the sum wraps like the 32-bit integer it is.
int HexToInt(const QString& Text);

// The text itself when CaseSensitive, else its locale upper case.
QString CaseText(const QString& Text, bool CaseSensitive);
