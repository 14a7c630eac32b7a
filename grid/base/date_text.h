// Dates read from cell texts in fixed day/month/year orders or in the order of the
// locale's short date format, and dates stepped for series fills. Dates are
// TDateTime values (days since 30 December 1899). An impossible calendar date
// (31 April, month 13) reads as 0 like any other text that is no date.
#pragma once

#include "platform/rtl/date_time.h"

#include <QString>

// Month, day, year (US) or day, month, year (EU), separated by the first of "/",
// "." and "-" that the text holds. A year of one or two digits gets 2000 added up
// to 25 and 1900 from 26. 0 when the text is not such a date.
TDateTime ParseDateUS(const QString& Text);
TDateTime ParseDateEU(const QString& Text);

// A date in the order of the locale's short date format with the locale's date
// separator, optionally followed by a blank and a time (h:m or h:m:s with the
// locale's time separator). False when the text is none; Value then holds the
// date when only the time was unreadable.
bool ParseLocaleDateTime(const QString& Text, TDateTime& Value);

// A time of day, h:m or h:m:s with the locale's time separator (blanks around it
// ignored). False when the text is none.
bool ParseLocaleTime(const QString& Text, TDateTime& Value);

// The locale date separator occurs at position 2 or later and once more at least
// 2 positions after it.
bool IsDateText(const QString& Text);

// Only Days non-zero: the date plus that many days; only Years: the same day and
// month that many years on; only Months: that many months on with one wrap of the
// year; any other combination: the date plus Increment. An impossible resulting
// date gives 0.
TDateTime IncDateBy(int Years, int Months, int Days, TDateTime Date, TDateTime Increment);
