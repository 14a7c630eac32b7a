#include "platform/ui/date_time_fields.h"

#include <algorithm>
#include <cmath>

#include "platform/rtl/locale_settings.h"

namespace {

const char* const kMonthNames[12] = {"January", "February", "March",     "April",   "May",      "June",
                                     "July",    "August",   "September", "October", "November", "December"};
const char* const kDayNames[7] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};

bool IsLeap(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

int DaysInMonth(int y, int m) {
  static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return m == 2 && IsLeap(y) ? 29 : days[m - 1];
}

QString Digits(int v, int width) { return QString::number(v).rightJustified(width, u'0'); }

struct DateParts {
  int y = 1899, mo = 12, d = 30, h = 0, mi = 0, s = 0, ms = 0;
};

DateParts Decode(TDateTime v) {
  DateParts p;
  DecodeDate(v, p.y, p.mo, p.d);
  DecodeTime(v, p.h, p.mi, p.s, p.ms);
  return p;
}

bool Encode(const DateParts& p, TDateTime& out) {
  TDateTime date = 0, time = 0;
  if (!TryEncodeDate(p.y, p.mo, p.d, date) || !TryEncodeTime(p.h, p.mi, p.s, p.ms, time)) return false;
  out = ComposeDateTime(date, time);
  return true;
}

// Two typed year digits: 1930 to 2029.
int FullYear(int twoDigits) { return twoDigits < 30 ? 2000 + twoDigits : 1900 + twoDigits; }

void AddLiteral(std::vector<TDateFormatPart>& parts, const QString& text) {
  if (text.isEmpty()) return;
  if (!parts.empty() && parts.back().Kind == dfLiteral) {
    parts.back().Literal += text;
    return;
  }
  parts.push_back({dfLiteral, 0, text});
}

}  // namespace

std::vector<TDateFormatPart> ParseDateDisplayFormat(const QString& Format) {
  std::vector<TDateFormatPart> parts;
  for (qsizetype i = 0; i < Format.size();) {
    const QChar c = Format[i];
    if (c == u'\'') {
      // 'text' as it stands; '' is one quote.
      QString text;
      qsizetype j = i + 1;
      while (j < Format.size()) {
        if (Format[j] == u'\'') {
          if (j + 1 < Format.size() && Format[j + 1] == u'\'') {
            text += u'\'';
            j += 2;
            continue;
          }
          break;
        }
        text += Format[j++];
      }
      if (j == i + 1 && j < Format.size()) text = QStringLiteral("'");
      AddLiteral(parts, text);
      i = j + 1;
      continue;
    }
    int run = 1;
    while (i + run < Format.size() && Format[i + run] == c) ++run;
    TDateFieldKind kind = dfLiteral;
    switch (c.unicode()) {
      case u'd': kind = run >= 3 ? dfWeekday : dfDay; break;
      case u'M': kind = dfMonth; break;
      case u'y': kind = dfYear; break;
      case u'h': kind = dfHour12; break;
      case u'H': kind = dfHour24; break;
      case u'm': kind = dfMinute; break;
      case u's': kind = dfSecond; break;
      case u't': kind = dfAmPm; break;
      default: break;
    }
    if (kind == dfLiteral)
      AddLiteral(parts, Format.mid(i, run));
    else
      parts.push_back({kind, run, QString()});
    i += run;
  }
  return parts;
}

QString DisplayFormatFromRuntime(const QString& RuntimeFormat, bool DateOnly) {
  const TFormatSettings fs = FormatSettings();
  const bool twelveHours = RuntimeFormat.contains(QStringLiteral("AMPM"), Qt::CaseInsensitive) ||
                           RuntimeFormat.contains(QStringLiteral("am/pm"), Qt::CaseInsensitive);
  QString out;
  bool afterHour = false;
  for (qsizetype i = 0; i < RuntimeFormat.size();) {
    const QChar c = RuntimeFormat[i];
    const QChar lower = c.toLower();
    if (RuntimeFormat.mid(i, 4).compare(QStringLiteral("AMPM"), Qt::CaseInsensitive) == 0) {
      out += QStringLiteral("tt");
      i += 4;
      continue;
    }
    if (RuntimeFormat.mid(i, 5).compare(QStringLiteral("am/pm"), Qt::CaseInsensitive) == 0) {
      out += QStringLiteral("tt");
      i += 5;
      continue;
    }
    int run = 1;
    while (i + run < RuntimeFormat.size() && RuntimeFormat[i + run].toLower() == lower) ++run;
    const int w = std::min(run, 2);
    if (lower == u'd') out += QString(std::min(run, 4), u'd');
    else if (lower == u'm' && (DateOnly || !afterHour)) out += QString(std::min(run, 4), u'M');
    else if (lower == u'm' || lower == u'n') out += QString(w, u'm');
    else if (lower == u'y') out += run >= 3 ? QStringLiteral("yyyy") : QStringLiteral("yy");
    else if (lower == u'h') out += QString(w, twelveHours ? u'h' : u'H');
    else if (lower == u's') out += QString(w, u's');
    else if (c == u'/') out += fs.DateSeparator;
    else if (c == u':') out += fs.TimeSeparator;
    else if (c.isLetter()) out += u'\'' + RuntimeFormat.mid(i, run) + u'\'';
    else out += RuntimeFormat.mid(i, run);
    if (lower == u'h') afterHour = true;
    else if (lower.isLetter()) afterHour = false;
    i += run;
  }
  return out;
}

// --- the field edit ---

void TDateTimeFieldEdit::SetFormat(const QString& Format) {
  parts_ = ParseDateDisplayFormat(Format);
  pending_.clear();
  current_ = -1;
  FirstField();
}

void TDateTimeFieldEdit::SetValue(TDateTime Value) {
  pending_.clear();
  SetValueClamped(Value);
}

void TDateTimeFieldEdit::SetRange(TDateTime MinDate, TDateTime MaxDate) {
  min_ = MinDate;
  max_ = MaxDate;
  SetValueClamped(value_);
}

bool TDateTimeFieldEdit::SetValueClamped(TDateTime Value) {
  TDateTime v = Value;
  if (max_ != 0 && v > max_) v = max_;
  if (min_ != 0 && v < min_) v = min_;
  const bool changed = v != value_;
  value_ = v;
  return changed;
}

bool TDateTimeFieldEdit::IsEditable(int Part) const {
  if (Part < 0 || Part >= static_cast<int>(parts_.size())) return false;
  const TDateFieldKind k = parts_[static_cast<size_t>(Part)].Kind;
  return k != dfLiteral && k != dfWeekday;
}

QString TDateTimeFieldEdit::PartText(int Part, TDateTime Value) const {
  const TDateFormatPart& p = parts_[static_cast<size_t>(Part)];
  const DateParts v = Decode(Value);
  switch (p.Kind) {
    case dfLiteral: return p.Literal;
    case dfDay: return Digits(v.d, p.Width >= 2 ? 2 : 1);
    case dfWeekday: {
      const int dow = ((static_cast<int>(std::floor(Value)) % 7) + 13) % 7;  // day 0 was a Saturday
      const QString name = QString::fromLatin1(kDayNames[dow]);
      return p.Width >= 4 ? name : name.left(3);
    }
    case dfMonth: {
      if (p.Width <= 2) return Digits(v.mo, p.Width);
      const QString name = QString::fromLatin1(kMonthNames[v.mo - 1]);
      return p.Width >= 4 ? name : name.left(3);
    }
    case dfYear:
      if (p.Width == 1) return QString::number(v.y % 10);
      if (p.Width == 2) return Digits(v.y % 100, 2);
      return Digits(v.y, 4);
    case dfHour12: return Digits(v.h % 12 == 0 ? 12 : v.h % 12, p.Width >= 2 ? 2 : 1);
    case dfHour24: return Digits(v.h, p.Width >= 2 ? 2 : 1);
    case dfMinute: return Digits(v.mi, p.Width >= 2 ? 2 : 1);
    case dfSecond: return Digits(v.s, p.Width >= 2 ? 2 : 1);
    case dfAmPm: {
      const QString t = v.h < 12 ? QStringLiteral("AM") : QStringLiteral("PM");
      return p.Width >= 2 ? t : t.left(1);
    }
  }
  return QString();
}

QString TDateTimeFieldEdit::FormatValue(TDateTime Value) const {
  QString out;
  for (int i = 0; i < static_cast<int>(parts_.size()); ++i) out += PartText(i, Value);
  return out;
}

QString TDateTimeFieldEdit::Text() const {
  QString out;
  for (int i = 0; i < static_cast<int>(parts_.size()); ++i)
    out += i == current_ && !pending_.isEmpty() ? pending_ : PartText(i, value_);
  return out;
}

void TDateTimeFieldEdit::PartSpan(int Part, int& Start, int& End) const {
  Start = End = 0;
  for (int i = 0; i < static_cast<int>(parts_.size()); ++i) {
    const int len = static_cast<int>((i == current_ && !pending_.isEmpty() ? pending_ : PartText(i, value_)).size());
    if (i == Part) {
      End = Start + len;
      return;
    }
    Start += len;
  }
  End = Start;
}

int TDateTimeFieldEdit::FieldAtChar(int Pos) const {
  int best = -1, bestDistance = 1 << 30;
  for (int i = 0; i < static_cast<int>(parts_.size()); ++i) {
    if (!IsEditable(i)) continue;
    int s = 0, e = 0;
    PartSpan(i, s, e);
    if (Pos >= s && Pos <= e) return i;
    const int distance = Pos < s ? s - Pos : Pos - e;
    if (distance < bestDistance) {
      bestDistance = distance;
      best = i;
    }
  }
  return best;
}

bool TDateTimeFieldEdit::SetCurrent(int Part) {
  const bool changed = CommitPending();
  if (IsEditable(Part)) current_ = Part;
  return changed;
}

bool TDateTimeFieldEdit::NextField() {
  const bool changed = CommitPending();
  for (int i = current_ + 1; i < static_cast<int>(parts_.size()); ++i)
    if (IsEditable(i)) {
      current_ = i;
      break;
    }
  return changed;
}

bool TDateTimeFieldEdit::PrevField() {
  const bool changed = CommitPending();
  for (int i = current_ - 1; i >= 0; --i)
    if (IsEditable(i)) {
      current_ = i;
      break;
    }
  return changed;
}

bool TDateTimeFieldEdit::FirstField() {
  const bool changed = CommitPending();
  for (int i = 0; i < static_cast<int>(parts_.size()); ++i)
    if (IsEditable(i)) {
      current_ = i;
      break;
    }
  return changed;
}

bool TDateTimeFieldEdit::LastField() {
  const bool changed = CommitPending();
  for (int i = static_cast<int>(parts_.size()) - 1; i >= 0; --i)
    if (IsEditable(i)) {
      current_ = i;
      break;
    }
  return changed;
}

int TDateTimeFieldEdit::FieldValue(int Part) const {
  const DateParts v = Decode(value_);
  switch (parts_[static_cast<size_t>(Part)].Kind) {
    case dfDay: return v.d;
    case dfMonth: return v.mo;
    case dfYear: return v.y;
    case dfHour12: return v.h % 12 == 0 ? 12 : v.h % 12;
    case dfHour24: return v.h;
    case dfMinute: return v.mi;
    case dfSecond: return v.s;
    case dfAmPm: return v.h < 12 ? 0 : 1;
    default: return 0;
  }
}

void TDateTimeFieldEdit::FieldRange(int Part, int& Lo, int& Hi) const {
  const DateParts v = Decode(value_);
  Lo = 0;
  Hi = 0;
  switch (parts_[static_cast<size_t>(Part)].Kind) {
    case dfDay: Lo = 1, Hi = DaysInMonth(v.y, v.mo); break;
    case dfMonth: Lo = 1, Hi = 12; break;
    case dfYear: Lo = 1, Hi = 9999; break;
    case dfHour12: Lo = 1, Hi = 12; break;
    case dfHour24: Hi = 23; break;
    case dfMinute:
    case dfSecond: Hi = 59; break;
    case dfAmPm: Hi = 1; break;
    default: break;
  }
}

int TDateTimeFieldEdit::MaxDigits(int Part) const {
  const TDateFormatPart& p = parts_[static_cast<size_t>(Part)];
  if (p.Kind == dfAmPm) return 0;
  if (p.Kind == dfYear) return p.Width <= 2 ? 2 : 4;
  return 2;
}

bool TDateTimeFieldEdit::Apply(int Part, int FieldValue) {
  DateParts v = Decode(value_);
  switch (parts_[static_cast<size_t>(Part)].Kind) {
    case dfDay: v.d = FieldValue; break;
    case dfMonth: v.mo = FieldValue; break;
    case dfYear: v.y = FieldValue; break;
    case dfHour12: v.h = FieldValue % 12 + (v.h >= 12 ? 12 : 0); break;
    case dfHour24: v.h = FieldValue; break;
    case dfMinute: v.mi = FieldValue; break;
    case dfSecond: v.s = FieldValue; break;
    case dfAmPm: v.h = v.h % 12 + (FieldValue ? 12 : 0); break;
    default: return false;
  }
  // A day past the end of the month becomes its last day.
  v.mo = std::clamp(v.mo, 1, 12);
  v.y = std::clamp(v.y, 1, 9999);
  v.d = std::clamp(v.d, 1, DaysInMonth(v.y, v.mo));
  TDateTime out = 0;
  if (!Encode(v, out)) return false;
  return SetValueClamped(out);
}

bool TDateTimeFieldEdit::CommitPending() {
  if (pending_.isEmpty() || !IsEditable(current_)) {
    pending_.clear();
    return false;
  }
  const int n = pending_.toInt();
  const bool twoDigitYear = parts_[static_cast<size_t>(current_)].Kind == dfYear && MaxDigits(current_) == 2;
  pending_.clear();
  int lo = 0, hi = 0;
  FieldRange(current_, lo, hi);
  const int v = twoDigitYear ? FullYear(n) : n;
  if (v < lo) return false;
  return Apply(current_, std::min(v, hi));
}

bool TDateTimeFieldEdit::TypeChar(QChar Ch) {
  if (!IsEditable(current_)) return false;
  const TDateFormatPart& p = parts_[static_cast<size_t>(current_)];
  if (p.Kind == dfAmPm) {
    const QChar l = Ch.toLower();
    if (l == u'a') return Apply(current_, 0);
    if (l == u'p') return Apply(current_, 1);
    return false;
  }
  if (Ch < u'0' || Ch > u'9') return false;
  pending_ += Ch;
  const int n = pending_.toInt();
  const int width = MaxDigits(current_);
  int lo = 0, hi = 0;
  FieldRange(current_, lo, hi);
  const bool yearDigits = p.Kind == dfYear;
  // The field is complete when it is full or no further digit could follow.
  const bool complete = static_cast<int>(pending_.size()) >= width || (!yearDigits && n * 10 > hi);
  if (!complete) return false;
  return CommitPending();
}

bool TDateTimeFieldEdit::Step(int Delta) {
  bool changed = CommitPending();
  if (!IsEditable(current_)) return changed;
  int lo = 0, hi = 0;
  FieldRange(current_, lo, hi);
  const int span = hi - lo + 1;
  int v = FieldValue(current_) + Delta - lo;
  v = ((v % span) + span) % span + lo;
  return Apply(current_, v) || changed;
}

bool TryParseDisplayText(const QString& Format, const QString& Text, TDateTime Base, TDateTime& Value) {
  const std::vector<TDateFormatPart> parts = ParseDateDisplayFormat(Format);
  DateParts v = Decode(Base);
  v.ms = 0;
  qsizetype i = 0;
  bool pm = false, hasAmPm = false, any = false;
  auto skipTo = [&](bool digits) {
    while (i < Text.size() && (digits ? !Text[i].isDigit() : !Text[i].isLetter())) ++i;
  };
  for (const TDateFormatPart& p : parts) {
    if (p.Kind == dfLiteral) continue;
    if (p.Kind == dfWeekday) {
      skipTo(false);
      while (i < Text.size() && Text[i].isLetter()) ++i;
      continue;
    }
    if (p.Kind == dfAmPm) {
      skipTo(false);
      if (i >= Text.size()) return false;
      pm = Text[i].toUpper() == u'P';
      hasAmPm = true;
      while (i < Text.size() && Text[i].isLetter()) ++i;
      continue;
    }
    if (p.Kind == dfMonth && p.Width >= 3) {
      skipTo(false);
      const QString word = Text.mid(i, 3);
      int found = 0;
      for (int m = 0; m < 12; ++m)
        if (QString::fromLatin1(kMonthNames[m]).left(3).compare(word, Qt::CaseInsensitive) == 0) found = m + 1;
      if (!found) return false;
      v.mo = found;
      while (i < Text.size() && Text[i].isLetter()) ++i;
      any = true;
      continue;
    }
    skipTo(true);
    const int maxDigits = p.Kind == dfYear ? 4 : 2;
    qsizetype start = i;
    while (i < Text.size() && Text[i].isDigit() && i - start < maxDigits) ++i;
    if (i == start) return false;
    const int n = Text.mid(start, i - start).toInt();
    any = true;
    switch (p.Kind) {
      case dfDay: v.d = n; break;
      case dfMonth: v.mo = n; break;
      case dfYear: v.y = i - start <= 2 ? FullYear(n) : n; break;
      case dfHour12:
      case dfHour24: v.h = n; break;
      case dfMinute: v.mi = n; break;
      case dfSecond: v.s = n; break;
      default: break;
    }
  }
  if (!any) return false;
  if (hasAmPm) v.h = v.h % 12 + (pm ? 12 : 0);
  return Encode(v, Value);
}
