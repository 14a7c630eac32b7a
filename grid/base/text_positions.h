// Small search and masking routines of the grid suite. Positions count from 1;
// 0 means "not found". The "var Pos" outputs of the suite are reference parameters.
#pragma once

#include <QString>

// Position of Sub in Text, also stored in Pos.
int FindPos(const QString& Sub, const QString& Text, int& Pos);
// Same as FindPos; the mini-HTML routines call it by this name.
int FindPosInto(const QString& Sub, const QString& Text, int& Pos);
// Position of Sub in the upper-cased Text (Sub itself is not upper-cased), also
// stored in Pos.
int FindPosUpper(const QString& Sub, const QString& Text, int& Pos);
// Position of Sub, unchanged, in the upper-cased Text (every letter).
int PosInUpperCase(const QString& Sub, const QString& Text);
// Both upper-cased, ASCII letters only.
int PosIgnoreCase(const QString& Sub, const QString& Text);
// Replaces the first occurrence found by PosIgnoreCase; false when there is none.
bool ReplaceFirstIgnoreCase(const QString& Sub, const QString& New, QString& Text);
// Every letter upper-cased one character at a time, so that positions in the result
// are positions in the text (a full case mapping would turn one "\u00df" into "SS").
QString UpperKeepingPositions(const QString& Text);

// Position of Search in Text after skipping From characters, counted from the
// start of Text; letter case ignored (every letter) unless CaseSensitive. Also
// stored in Pos.
int FindTextFrom(const QString& Search, const QString& Text, int From, bool CaseSensitive, int& Pos);

int CharPos(QChar Ch, const QString& Text);
int CharPosOut(QChar Ch, const QString& Text, int& Pos);  // CharPos, also stored in Pos

// The number at the start of the text, read up to the first character that cannot
// continue it: leading blanks, a sign, then decimal digits or hexadecimal digits
// after "$", "x" or "0x". 0 when there is none; reading stops before an overflow.
int ValPartial(const QString& Text);

// Password display: every character replaced, the length kept.
void FillWithChar(QString& Text, QChar Ch);
QString MaskText(const QString& Text);  // one "*" per character
