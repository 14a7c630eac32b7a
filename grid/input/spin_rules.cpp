#include "grid/input/spin_rules.h"

#include <cmath>

#include "grid/base/number_text.h"
#include "platform/rtl/date_format.h"
#include "platform/rtl/strings.h"

namespace {

// A separator key typed into a spin type it does not belong to: kept only by the
// number types, and only when it doubles as a character numbers use.
bool ForeignSeparatorVerdict(bool v, QChar key, const TSpinCharState& s) {
  const bool numberChar = key == s.DecimalSeparator || key == s.ThousandSeparator || key == u'-' || key == u'+';
  if (!numberChar) return false;
  return v && (s.SpinType == sptNormal || s.SpinType == sptFloat);
}

bool FloatVerdict(bool v, QChar key, const TSpinCharState& s) {
  if (key == QChar(27) || key == QChar(13) || key == QChar(8)) return v;
  if (key == s.ThousandSeparator) return false;
  if (key == s.DecimalSeparator && s.Text.count(s.DecimalSeparator) > s.SelText.count(s.DecimalSeparator))
    return false;
  if (s.Precision > 0) {
    const int p = Pos(QString(s.DecimalSeparator), s.Text);
    if (p > 0 && s.SelStart >= p && s.SelText.isEmpty() && s.Text.size() >= p + s.Precision) return false;
  }
  return v;
}

}  // namespace

bool SpinIsValidChar(QChar Key, const TSpinCharState& s) {
  // 1. Backspace: only while typing is allowed.
  if (Key == QChar(8)) return s.EditorEnabled;
  // 2. Separators, number characters and "-"; control characters but Enter.
  const bool number = IsNumberChar(Key);
  bool v = Key == s.DecimalSeparator || Key == s.ThousandSeparator || Key == s.TimeSeparator ||
           Key == s.DateSeparator || number || Key == u'-';
  if (!v) v = Key.unicode() < 32 && Key != QChar(13);
  // 3. and 4. The time and date separators outside their own types.
  if (Key == s.TimeSeparator && s.SpinType != sptTime) v = ForeignSeparatorVerdict(v, Key, s);
  if (Key == s.DateSeparator && s.SpinType != sptDate) v = ForeignSeparatorVerdict(v, Key, s);
  // 5. One "-", at the start.
  if (Key == u'-') {
    if (!s.Text.contains(u'-')) v = v && s.SelStart <= 0;
    else v = v && s.SelText.contains(u'-') && s.SelStart <= 0;
  }
  // 6. Integers: number characters and "-".
  if (s.SpinType == sptNormal) v = v && (number || Key == u'-');
  // 7. Floats: separators and decimals.
  if (s.SpinType == sptFloat) v = FloatVerdict(v, Key, s);
  // 8. Times: at most two separators.
  if (s.SpinType == sptTime && Key == s.TimeSeparator && s.Text.count(s.TimeSeparator) >= 2) v = false;
  // 9. Without typing, only control characters.
  if (!s.EditorEnabled && Key.unicode() >= 32) v = false;
  return v;
}

bool MonthBeforeDay(const QString& ShortDateFormat) {
  const QString f = ShortDateFormat.toUpper();
  const qsizetype m = f.indexOf(u'M');
  const qsizetype d = f.indexOf(u'D');
  return m >= 0 && (d < 0 || m < d);
}

TDatePart SpinDatePart(const QString& Text, int Caret, QChar DateSeparator, bool MonthFirst) {
  const QString sep(DateSeparator);
  const int first = Pos(sep, Text);
  const int second = first > 0 ? Pos(sep, Text, first + 1) : 0;
  if (Caret < first) return MonthFirst ? TDatePart::Month : TDatePart::Day;
  if (Caret < second) return MonthFirst ? TDatePart::Day : TDatePart::Month;
  return TDatePart::Year;
}

bool SpinStepDate(TDateTime Date, TDatePart Part, int Delta, TDateTime& Result) {
  switch (Part) {
    case TDatePart::Day: {
      const TDateTime r = Date + Delta;
      int y = 0, m = 0, d = 0;
      DecodeDate(r, y, m, d);
      if (y < 1 || y > 9999) return false;
      Result = r;
      return true;
    }
    case TDatePart::Month: return TryIncMonth(Date, Delta, Result);
    case TDatePart::Year: return TryIncMonth(Date, 12 * Delta, Result);
  }
  return false;
}

TTimePart SpinTimePart(const QString& Text, int Caret, QChar TimeSeparator, bool ShowSeconds) {
  const QString sep(TimeSeparator);
  const int first = Pos(sep, Text);
  const int second = first > 0 ? Pos(sep, Text, first + 1) : 0;
  if (Caret < first) return TTimePart::Hours;
  if (ShowSeconds && second > 0 && Caret >= second) return TTimePart::Seconds;
  return TTimePart::Minutes;
}

TDateTime SpinStepTime(TDateTime Time, TTimePart Part, int Amount, bool Up) {
  const double unit = Part == TTimePart::Hours ? 24.0 : Part == TTimePart::Minutes ? 1440.0 : 86400.0;
  const double step = Amount / unit;
  double r = std::fmod(Up ? Time + step : Time - step, 1.0);
  if (r < 0) r += 1.0;
  return r;
}
