// The rules of the spin edit without its window: which typed characters it takes,
// which part of a date or time text the caret stands in, and one step of a date
// or time part. TEsgSpinEdit (spin_edit.h) applies them.
#pragma once

#include <QChar>
#include <QString>

#include "platform/rtl/date_time.h"

enum TEsgSpinType { sptNormal, sptFloat, sptDate, sptTime };

// What IsValidChar reads besides the key.
struct TSpinCharState {
  TEsgSpinType SpinType = sptNormal;
  QString Text;
  int SelStart = 0;  // caret position, counted from 0
  QString SelText;
  int Precision = 0;
  bool EditorEnabled = true;
  QChar DecimalSeparator = u'.';
  QChar ThousandSeparator = u',';
  QChar DateSeparator = u'/';
  QChar TimeSeparator = u':';
};

// The verdict on a typed character (false: it is refused with a beep).
bool SpinIsValidChar(QChar Key, const TSpinCharState& State);

enum class TDatePart { Day, Month, Year };
enum class TTimePart { Hours, Minutes, Seconds };

// Whether the short date format puts the month before the day (its first "M"
// before its first "D", letters compared without case).
bool MonthBeforeDay(const QString& ShortDateFormat);
// The part of a date text that the caret (from 0) stands in: before the first
// date separator the first part, before the second the second part, else (and in
// a text without separators) the year; month first when `MonthFirst`.
TDatePart SpinDatePart(const QString& Text, int Caret, QChar DateSeparator, bool MonthFirst);
// One step of a part: a day, a calendar month (the day clipped to the new month's
// length) or a year (29 February becomes 28 February in a year without it).
// False when the result would leave the years 1 to 9999.
bool SpinStepDate(TDateTime Date, TDatePart Part, int Delta, TDateTime& Result);

// The part of a time text that the caret stands in: before the first time
// separator the hours; from the second on the seconds when they are shown; else
// the minutes.
TTimePart SpinTimePart(const QString& Text, int Caret, QChar TimeSeparator, bool ShowSeconds);
// The time of day `Amount` units of the part later (Up) or earlier, wrapping at
// midnight. Any amount steps arithmetically (25 hours is a day and an hour).
TDateTime SpinStepTime(TDateTime Time, TTimePart Part, int Amount, bool Up);
