#include "grid/base/date_text.h"

#include "grid/base/locale_format.h"
#include "platform/rtl/numbers.h"
#include "platform/rtl/strings.h"

#include <algorithm>
#include <array>

namespace {

enum class FieldOrder { US, EU };

// Two-digit years: up to 25 in this century, from 26 in the last.
int withCentury(int year, const QString& written) {
  if (written.size() > 2 || year < 0) return year;
  return year <= 25 ? year + 2000 : year + 1900;
}

TDateTime parseFixedOrder(const QString& text, FieldOrder order) {
  QChar sep;
  for (QChar candidate : {QChar(u'/'), QChar(u'.'), QChar(u'-')})
    if (text.contains(candidate)) {
      sep = candidate;
      break;
    }
  if (sep.isNull()) return 0;
  const qsizetype first = text.indexOf(sep);
  const qsizetype second = text.indexOf(sep, first + 1);
  if (second < 0) return 0;
  const QString yearText = text.mid(second + 1);
  int a = 0, b = 0, year = 0;
  if (!TryStrToInt(text.left(first), a) || !TryStrToInt(text.mid(first + 1, second - first - 1), b) ||
      !TryStrToInt(yearText, year))
    return 0;
  const int month = order == FieldOrder::US ? a : b;
  const int day = order == FieldOrder::US ? b : a;
  TDateTime date = 0;
  if (!TryEncodeDate(withCentury(year, yearText), month, day, date)) return 0;
  return date;
}

// The order of the day, month and year fields in a short date format: for each
// position in the text, which field it holds (0 day, 1 month, 2 year). False when
// the format lacks one of them.
bool localeFieldOrder(const QString& shortDateFormat, std::array<int, 3>& fieldAt) {
  const QString f = shortDateFormat.toUpper();
  struct Field {
    qsizetype at;
    int field;
  };
  std::array<Field, 3> fields = {{{f.indexOf(u'D'), 0}, {f.indexOf(u'M'), 1}, {f.indexOf(u'Y'), 2}}};
  if (std::any_of(fields.begin(), fields.end(), [](const Field& x) { return x.at < 0; })) return false;
  std::sort(fields.begin(), fields.end(), [](const Field& x, const Field& y) { return x.at < y.at; });
  for (size_t i = 0; i < 3; ++i) fieldAt[i] = fields[i].field;
  return true;
}

// h:m or h:m:s with the locale's time separator.
bool parseTime(const QString& text, QChar sep, TDateTime& time) {
  const qsizetype first = text.indexOf(sep);
  if (first < 0) return false;
  const qsizetype second = text.indexOf(sep, first + 1);
  int hour = 0, min = 0, sec = 0;
  if (!TryStrToInt(text.left(first), hour) || hour > 23) return false;
  if (second >= 0) {
    if (!TryStrToInt(text.mid(first + 1, second - first - 1), min) || min > 59) return false;
    if (!TryStrToInt(text.mid(second + 1), sec) || sec > 59) return false;
  } else if (!TryStrToInt(text.mid(first + 1), min) || min > 59) {
    return false;
  }
  return TryEncodeTime(hour, min, sec, 0, time);
}

}  // namespace

TDateTime ParseDateUS(const QString& Text) { return parseFixedOrder(Text, FieldOrder::US); }
TDateTime ParseDateEU(const QString& Text) { return parseFixedOrder(Text, FieldOrder::EU); }

bool ParseLocaleDateTime(const QString& Text, TDateTime& Value) {
  // 1. The order of the fields.
  std::array<int, 3> fieldAt{};
  if (!localeFieldOrder(GetShortDateFormat(), fieldAt)) return false;
  // 2. The first two fields, then the third and an optional time after a blank.
  const QChar sep = GetDateSeparator();
  const qsizetype first = Text.indexOf(sep);
  if (first < 0) return false;
  qsizetype second = Text.indexOf(sep, first + 1);
  if (second < 0) second = Text.size();
  std::array<int, 3> values{};
  if (!TryStrToInt(Text.left(first), values[0]) || !TryStrToInt(Text.mid(first + 1, second - first - 1), values[1]))
    return false;
  QString rest = Trim(Text.mid(second + 1));
  QString timeText;
  const qsizetype blank = rest.indexOf(u' ');
  if (blank >= 0) {
    timeText = Trim(rest.mid(blank));
    rest = rest.left(blank);
  }
  // 3. The third field and the ranges; years as written.
  if (!TryStrToInt(rest, values[2])) return false;
  int date[3] = {0, 0, 0};  // day, month, year
  for (size_t i = 0; i < 3; ++i) date[fieldAt[i]] = values[i];
  if (date[0] > 31 || date[1] > 12) return false;
  TDateTime day = 0;
  if (!TryEncodeDate(date[2], date[1], date[0], day)) return false;
  Value = day;
  // 4. The time.
  TDateTime time = 0;
  if (!timeText.isEmpty() && !parseTime(timeText, GetTimeSeparator(), time)) return false;
  // 5. Date and time.
  Value = ComposeDateTime(day, time);
  return true;
}

bool ParseLocaleTime(const QString& Text, TDateTime& Value) {
  TDateTime time = 0;
  if (!parseTime(Trim(Text), GetTimeSeparator(), time)) return false;
  Value = time;
  return true;
}

bool IsDateText(const QString& Text) {
  const QString sep(GetDateSeparator());
  const int first = Pos(sep, Text);
  if (first < 2) return false;
  return Pos(sep, Text, first + 2) > 0;
}

TDateTime IncDateBy(int Years, int Months, int Days, TDateTime Date, TDateTime Increment) {
  int year = 0, month = 0, day = 0;
  DecodeDate(Date, year, month, day);
  TDateTime result = 0;
  if (Days != 0 && Years == 0 && Months == 0) return Date + Days;
  if (Years != 0 && Months == 0 && Days == 0) return TryEncodeDate(year + Years, month, day, result) ? result : 0;
  if (Months != 0 && Years == 0 && Days == 0) {
    month += Months;
    if (month < 1) {
      month += 12;
      --year;
    } else if (month > 12) {
      month -= 12;
      ++year;
    }
    return TryEncodeDate(year, month, day, result) ? result : 0;
  }
  return Date + Increment;
}
