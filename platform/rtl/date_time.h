// TDateTime: the runtime library's date and time value, a double counting days
// since 30 December 1899 (day 0); the fraction is the time of day. Before day 0 the
// whole part still counts days and the fraction's absolute value is the time of
// day (-1.25 is 29 December 1899, 06:00).
#pragma once

#include <QDateTime>
#include <cstdint>

using TDateTime = double;

// Years 1 to 9999, months 1 to 12, days within the month; false otherwise.
bool TryEncodeDate(int year, int month, int day, TDateTime& date);
// Hours 0 to 23, minutes and seconds 0 to 59, milliseconds 0 to 999; false otherwise.
bool TryEncodeTime(int hour, int min, int sec, int msec, TDateTime& time);
// As above; raise EConvertError "Invalid argument to date encode" / "... time encode".
TDateTime EncodeDate(int year, int month, int day);
TDateTime EncodeTime(int hour, int min, int sec, int msec);
// A date plus a time of day, with the sign rule for dates before day 0.
TDateTime ComposeDateTime(TDateTime date, TDateTime time);

// Splits a value (rounded to the millisecond) into its parts.
void DecodeDate(TDateTime value, int& year, int& month, int& day);
void DecodeTime(TDateTime value, int& hour, int& min, int& sec, int& msec);

// The current local date and time from the current clock.
TDateTime Now();

// Local date and time conversions; an invalid QDateTime gives 0.
TDateTime DateTimeFromQDateTime(const QDateTime& dt);
QDateTime QDateTimeFromDateTime(TDateTime value);
