#include "platform/rtl/date_format.h"

#include <cmath>

#include "platform/rtl/numbers.h"
#include "platform/rtl/strings.h"

namespace {

QString Digits(int value, int width) { return QString::number(value).rightJustified(width, u'0'); }

int DaysInMonth(int year, int month) {
  static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return month == 2 && leap ? 29 : days[month - 1];
}

}  // namespace

QString FormatDateTimeText(const QString& format, TDateTime value, const TFormatSettings& settings) {
  int year = 0, month = 0, day = 0, hour = 0, min = 0, sec = 0, msec = 0;
  DecodeDate(value, year, month, day);
  DecodeTime(value, hour, min, sec, msec);
  QString out;
  bool afterHour = false;
  for (qsizetype i = 0; i < format.size();) {
    const QChar c = format[i];
    const QChar lower = c.toLower();
    qsizetype run = 1;
    while (i + run < format.size() && format[i + run].toLower() == lower) ++run;
    if (c == u'"' || c == u'\'') {
      const qsizetype end = format.indexOf(c, i + 1);
      out += format.mid(i + 1, (end < 0 ? format.size() : end) - i - 1);
      i = end < 0 ? format.size() : end + 1;
      continue;
    }
    bool hourToken = false;
    if (lower == u'd') out += Digits(day, run >= 2 ? 2 : 1);
    else if (lower == u'm' && afterHour) out += Digits(min, run >= 2 ? 2 : 1);
    else if (lower == u'm') out += Digits(month, run >= 2 ? 2 : 1);
    else if (lower == u'y') out += run >= 3 ? Digits(year, 4) : Digits(year % 100, 2);
    else if (lower == u'h') out += Digits(hour, run >= 2 ? 2 : 1), hourToken = true;
    else if (lower == u'n') out += Digits(min, run >= 2 ? 2 : 1);
    else if (lower == u's') out += Digits(sec, run >= 2 ? 2 : 1);
    else if (c == u'/') out += QString(settings.DateSeparator).repeated(run);
    else if (c == u':') out += QString(settings.TimeSeparator).repeated(run);
    else out += format.mid(i, run);
    if (hourToken) afterHour = true;
    else if (lower.isLetter()) afterHour = false;
    i += run;
  }
  return out;
}

QString LongTimeFormat() { return QStringLiteral("hh:nn:ss"); }

bool TryTextToTime(const QString& text, TDateTime& value, const TFormatSettings& settings) {
  const QStringList parts = Trim(text).split(settings.TimeSeparator);
  if (parts.size() < 2 || parts.size() > 3) return false;
  int fields[3] = {0, 0, 0};
  for (qsizetype i = 0; i < parts.size(); ++i) {
    const QString p = Trim(parts[i]);
    if (p.isEmpty() || !TryStrToInt(p, fields[i]) || fields[i] < 0) return false;
  }
  return TryEncodeTime(fields[0], fields[1], fields[2], 0, value);
}

bool TryIncMonth(TDateTime date, int months, TDateTime& result) {
  int year = 0, month = 0, day = 0;
  DecodeDate(date, year, month, day);
  const int total = year * 12 + (month - 1) + months;
  const int newYear = total / 12;
  const int newMonth = total % 12 + 1;
  if (total < 0 || newYear < 1 || newYear > 9999) return false;
  TDateTime d = 0;
  if (!TryEncodeDate(newYear, newMonth, std::min(day, DaysInMonth(newYear, newMonth)), d)) return false;
  const double timeOfDay = std::fabs(date - std::trunc(date));
  result = ComposeDateTime(d, timeOfDay);
  return true;
}
