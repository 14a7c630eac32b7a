// Dates and times as text with the runtime library's format strings and the
// process's format settings: d, dd (day), m, mm (month; minutes right after an
// hour), yy, yyyy (year), h, hh (hour), n, nn (minutes), s, ss (seconds), "/" and
// ":" for the settings' date and time separators, text in quotes as it stands;
// letters are matched without case, so the settings' short date format
// ("M/d/yyyy", "dd.MM.yyyy") reads as well.
#pragma once

#include <QString>

#include "platform/rtl/date_time.h"
#include "platform/rtl/locale_settings.h"

QString FormatDateTimeText(const QString& format, TDateTime value, const TFormatSettings& settings = FormatSettings());
// The long time format used for times with seconds.
QString LongTimeFormat();
// "h:m" or "h:m:s" with the settings' time separator (blanks around allowed).
bool TryTextToTime(const QString& text, TDateTime& value, const TFormatSettings& settings = FormatSettings());
// The same day of the month `months` months on, clipped to the length of that
// month; the time of day is kept. False when the year leaves 1 to 9999.
bool TryIncMonth(TDateTime date, int months, TDateTime& result);
