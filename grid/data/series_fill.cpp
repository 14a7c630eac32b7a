#include "grid/data/series_fill.h"

#include "grid/base/date_text.h"
#include "grid/base/locale_format.h"
#include "grid/view/checked_format.h"
#include "platform/rtl/date_format.h"
#include "platform/rtl/float_text.h"
#include "platform/rtl/numbers.h"

namespace {

bool IsTimeText(const QString& Text) { return Text.contains(GetTimeSeparator()); }

// A date (with an optional time) in the locale's order, or a time of day.
bool ReadDateTime(const QString& Text, TDateTime& Value) {
  if (IsDateText(Text)) return ParseLocaleDateTime(Text.trimmed(), Value);
  return TryTextToTime(Text, Value);
}

}  // namespace

TSeriesFill::TSeriesFill(const QString& First, const QString& Second, const QString& FloatFormat)
    : floatFormat_(FloatFormat) {
  const bool dates = (IsDateText(First) || IsTimeText(First)) && (IsDateText(Second) || IsTimeText(Second));
  const QChar dec = GetDecimalSeparator();
  int32_t a = 0, b = 0;
  if (dates) {
    kind_ = skDateTime;
    dateText_ = IsDateText(First);
    TDateTime second = 0;
    ok_ = ReadDateTime(First, date_) && ReadDateTime(Second, second);
    if (ok_) {
      dateStep_ = second - date_;
      int y1, m1, d1, y2, m2, d2;
      DecodeDate(date_, y1, m1, d1);
      DecodeDate(second, y2, m2, d2);
      years_ = y2 - y1;
      months_ = m2 - m1;
      days_ = d2 - d1;
    }
  } else if (First.contains(dec) || Second.contains(dec)) {
    kind_ = skDecimal;
    double second = 0;
    ok_ = TryTextToFloat(First, float_) && TryTextToFloat(Second, second);
    floatStep_ = second - float_;
  } else if (TryStrToInt(First, a) && TryStrToInt(Second, b)) {
    kind_ = skInteger;
    int_ = a;
    intStep_ = static_cast<long long>(b) - a;
  }
}

bool TSeriesFill::Next(QString& Text) {
  if (!ok_) return false;
  switch (kind_) {
    case skDateTime:
      if (date_ <= -693594 || date_ >= 2958466) return ok_ = false;  // outside years 1 to 9999
      Text = dateText_ ? FormatDateTimeText(GetShortDateFormat(), date_) : FormatDateTimeText(LongTimeFormat(), date_);
      // An impossible date ahead (0) ends the series after this value.
      date_ = IncDateBy(years_, months_, days_, date_, dateStep_);
      if (date_ == 0) ok_ = false;
      return true;
    case skDecimal:
      if (!TryFormatValues(floatFormat_, {float_}, Text)) return ok_ = false;
      float_ += floatStep_;
      return true;
    case skInteger:
      Text = QString::number(int_);
      int_ += intStep_;
      return true;
    case skText: return false;
  }
  return false;
}
