#include "platform/rtl/date_time.h"

#include "platform/os/clock.h"
#include "platform/rtl/exceptions.h"

#include <cmath>
#include <cstdlib>

namespace {

constexpr int64_t kMSecsPerDay = 86400000;
constexpr int64_t kJulianDayZero = 2415019;  // Julian day number of 30 December 1899
// Values beyond this many days cannot be a date of years 1 to 9999; they decode as day 0.
constexpr double kMaxDays = 3.0e6;

// The value as whole days (toward zero) and the millisecond of the day.
void splitMilliseconds(TDateTime value, int64_t& days, int64_t& msOfDay) {
  if (!std::isfinite(value) || std::fabs(value) > kMaxDays) value = 0;
  const int64_t ms = std::llround(value * static_cast<double>(kMSecsPerDay));
  days = ms / kMSecsPerDay;
  msOfDay = std::llabs(ms) % kMSecsPerDay;
}

}  // namespace

bool TryEncodeDate(int year, int month, int day, TDateTime& date) {
  if (year < 1 || year > 9999) return false;
  const QDate d(year, month, day);
  if (!d.isValid()) return false;
  date = static_cast<double>(d.toJulianDay() - kJulianDayZero);
  return true;
}

bool TryEncodeTime(int hour, int min, int sec, int msec, TDateTime& time) {
  if (hour < 0 || hour > 23 || min < 0 || min > 59 || sec < 0 || sec > 59 || msec < 0 || msec > 999) return false;
  const int64_t ms = ((static_cast<int64_t>(hour) * 60 + min) * 60 + sec) * 1000 + msec;
  time = static_cast<double>(ms) / static_cast<double>(kMSecsPerDay);
  return true;
}

TDateTime EncodeDate(int year, int month, int day) {
  TDateTime date = 0;
  if (!TryEncodeDate(year, month, day, date)) throw EConvertError(QStringLiteral("Invalid argument to date encode"));
  return date;
}

TDateTime EncodeTime(int hour, int min, int sec, int msec) {
  TDateTime time = 0;
  if (!TryEncodeTime(hour, min, sec, msec, time)) throw EConvertError(QStringLiteral("Invalid argument to time encode"));
  return time;
}

TDateTime ComposeDateTime(TDateTime date, TDateTime time) {
  return date < 0 ? date - std::fabs(time) : date + std::fabs(time);
}

void DecodeDate(TDateTime value, int& year, int& month, int& day) {
  int64_t days = 0;
  int64_t msOfDay = 0;
  splitMilliseconds(value, days, msOfDay);
  QDate::fromJulianDay(kJulianDayZero + days).getDate(&year, &month, &day);
}

void DecodeTime(TDateTime value, int& hour, int& min, int& sec, int& msec) {
  int64_t days = 0;
  int64_t msOfDay = 0;
  splitMilliseconds(value, days, msOfDay);
  msec = static_cast<int>(msOfDay % 1000);
  sec = static_cast<int>(msOfDay / 1000 % 60);
  min = static_cast<int>(msOfDay / 60000 % 60);
  hour = static_cast<int>(msOfDay / 3600000);
}

TDateTime Now() { return DateTimeFromQDateTime(Clock().WallTime()); }

TDateTime DateTimeFromQDateTime(const QDateTime& dt) {
  if (!dt.isValid()) return 0;
  const double date = static_cast<double>(dt.date().toJulianDay() - kJulianDayZero);
  const double time = static_cast<double>(dt.time().msecsSinceStartOfDay()) / static_cast<double>(kMSecsPerDay);
  return ComposeDateTime(date, time);
}

QDateTime QDateTimeFromDateTime(TDateTime value) {
  int64_t days = 0;
  int64_t msOfDay = 0;
  splitMilliseconds(value, days, msOfDay);
  return QDateTime(QDate::fromJulianDay(kJulianDayZero + days), QTime::fromMSecsSinceStartOfDay(static_cast<int>(msOfDay)));
}
