// Whether a cell text is a number and of which kind, and formatted number texts
// turned into plain ones. The locale's decimal and thousand separators are read at
// each call.
#pragma once

#include <QString>

// Result of GetNumberKind.
enum TNumberKind : int {
  nkInteger = 0,     // number characters, "-" only first
  nkDecimal = 1,     // at most one decimal separator, thousand separators 4 apart
  nkNotNumber = 2,   // also the empty text
  nkScientific = 5,  // a mantissa and one "e" or "E" exponent
};

int GetNumberKind(const QString& Text);

bool IsNumberChar(QChar Ch);            // a character of the Unicode number categories
bool IsNumberOrMinus(QChar Ch);
bool IsNumberPartChar(QChar Ch);        // number character, locale separators, "e", "E"
bool IsSignedNumberPartChar(QChar Ch);  // IsNumberPartChar, "+" or "-"
bool IsNumberTextChar(QChar Ch);        // number character, ",", "-", ".", "e", "E", "+"

// A plain number text with "." as decimal separator, read from a formatted cell:
// leading non-number characters dropped (a dropped "-" or enclosing parentheses
// make it negative), thousand separators skipped, and the text cut at the first
// character that cannot belong to a number.
QString ExtractNumberText(const QString& Text);
// Every locale decimal separator -> ".", every locale thousand separator dropped.
QString NumberTextToDot(const QString& Text);
