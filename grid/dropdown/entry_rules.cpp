#include "grid/dropdown/entry_rules.h"

#include <QLocale>
#include <climits>
#include <cmath>

#include "grid/base/mixed_case.h"
#include "grid/dropdown/entry_numbers.h"
#include "platform/rtl/float_text.h"
#include "platform/rtl/locale_settings.h"
#include "platform/ui/messages.h"

namespace {

QChar DS() { return FormatSettings().DecimalSeparator; }
QChar TS() { return FormatSettings().ThousandSeparator; }

bool IsDigit(QChar c) { return c >= u'0' && c <= u'9'; }
bool IsHexLetter(QChar c) { return (c >= u'A' && c <= u'F') || (c >= u'a' && c <= u'f'); }
bool IsAsciiLetter(QChar c) { return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z'); }
constexpr QChar kBack = QChar(8), kTab = QChar(9), kEnter = QChar(13);
bool IsControlKey(QChar c) { return c == kBack || c == kTab || c == kEnter; }

// The integer digits grouped by three with the thousand separator.
QString GroupDigits(const QString& digits) {
  QString out;
  const int n = static_cast<int>(digits.size());
  for (int i = 0; i < n; ++i) {
    if (i > 0 && (n - i) % 3 == 0) out += TS();
    out += digits[i];
  }
  return out;
}

}  // namespace

QString FormatGroupedNumber(double value, int decimals) {
  const QString plain = QString::number(std::fabs(value), 'f', std::max(0, decimals));
  const qsizetype dot = plain.indexOf(u'.');
  QString out = GroupDigits(dot < 0 ? plain : plain.left(dot));
  if (dot >= 0) out += DS() + plain.mid(dot + 1);
  return (value < 0 ? QStringLiteral("-") : QString()) + out;
}

double EntryTextToFloat(const QString& text) {
  double v = 0;
  QString t = text;
  t.remove(TS());
  return TryTextToFloat(t, v) ? v : 0.0;
}

QString TEntryRules::Value(const QString& editText) const {
  QString v = editText;
  if (!s_.Prefix.isEmpty() && v.startsWith(s_.Prefix)) v.remove(0, s_.Prefix.size());
  if (!s_.Suffix.isEmpty()) v.chop(std::min(v.size(), s_.Suffix.size()));
  return v;
}

QString TEntryRules::FormatValue(const QString& value) const {
  QString v = value;
  const TDropDownEditType t = s_.EditType;
  if (v.isEmpty() && (t == etNumeric || t == etFloat || t == etMoney || t == etHex)) v = QStringLiteral("0");
  if (s_.Precision > 0 && !v.isEmpty() && v != QLatin1String("Error")) {
    if (t == etMoney) v = FormatGroupedNumber(EntryTextToFloat(v), s_.Precision);
    else if (t == etFloat) v = FloatToStrFixed(EntryTextToFloat(v), s_.Precision);
  }
  if (t == etHex) v = QLocale().toUpper(v);
  return v;
}

double TEntryRules::FloatValue(const QString& value) const {
  switch (s_.EditType) {
    case etString: {
      bool ok = false;
      const double v = value.trimmed().toDouble(&ok);  // "." as the decimal point
      return ok ? v : 0.0;
    }
    case etNumeric:
    case etFloat:
      if (value.isEmpty() || value == QLatin1String("Error") || value == QLatin1String("-")) return 0;
      return EntryTextToFloat(value);
    case etMoney: {
      if (value.isEmpty()) return 0;
      QString v = value;
      v.remove(TS());
      if (v.endsWith(DS())) v.chop(1);
      if (v.isEmpty() || v == QLatin1String("-")) return 0;
      return EntryTextToFloat(v);
    }
    case etHex: {
      double sum = 0;
      for (QChar c : value) sum = sum * 16 + HexDigitValue(c);
      return sum;
    }
    default: return 0;
  }
}

QString TEntryRules::TextForFloat(double x) const {
  const int p = s_.Precision;
  switch (s_.EditType) {
    case etString:
    case etFloat:
    case etMoney: return p < 0 ? FloatToStrGeneral(x) : FloatToStrFixed(x, p);
    case etNumeric: return p < 0 ? FloatToStrGeneral(x) : FormatGroupedNumber(x, p);
    case etHex: {
      const double t = std::trunc(x);
      if (!std::isfinite(t) || std::fabs(t) > 9.2e18) return QStringLiteral("0");
      const auto n = static_cast<long long>(t);
      return (n < 0 ? QStringLiteral("-") : QString()) + QString::number(std::llabs(n), 16).toUpper();
    }
    default: return QString();
  }
}

QString TEntryRules::TextForInt(int n) const {
  if (s_.EditType == etHex)
    return (n < 0 ? QStringLiteral("-") : QString()) + QString::number(std::llabs(static_cast<long long>(n)), 16).toUpper();
  return QString::number(n);
}

int TEntryRules::GetIntegerLength(const QString& value) const {
  QString t = value;
  t.remove(TS());
  const qsizetype ds = t.indexOf(DS());
  int len = static_cast<int>(ds < 0 ? t.size() + 1 : ds + 1);
  if (s_.Signed && IsNumberType() && t.contains(u'-')) --len;
  return len;
}

void TEntryRules::Insert(TEntryEdit& edit, QChar key) const {
  if (key == kBack) {
    if (edit.SelLength > 0) {
      edit.Text.remove(edit.SelStart, edit.SelLength);
    } else if (edit.SelStart > 0) {
      edit.Text.remove(--edit.SelStart, 1);
    }
    edit.SelLength = 0;
    return;
  }
  if (key.unicode() < 32) return;  // Tab and Enter type nothing on one line
  if (s_.MaxLength > 0 && edit.Text.size() - edit.SelLength + 1 > s_.MaxLength) return;
  edit.Text.replace(edit.SelStart, edit.SelLength, key);
  edit.SelStart += 1;
  edit.SelLength = 0;
}

void TEntryRules::ToggleSign(TEntryEdit& edit) const {
  QString value = Value(edit.Text);
  int caret = edit.SelStart;
  if (s_.EditType == etNumeric && !value.isEmpty() && edit.SelLength == value.size()) {
    value = QStringLiteral("-");
    caret = PrefixLen() + 1;
  } else if (value.contains(u'-')) {
    value.remove(0, 1);
    caret = caret > PrefixLen() ? caret - 1 : PrefixLen();
  } else {
    value.prepend(u'-');
    caret += 1;
  }
  edit.Text = EditText(value);
  edit.SelStart = std::clamp(caret, 0, static_cast<int>(edit.Text.size()));
  edit.SelLength = 0;
}

bool TEntryRules::TypeRuleAccepts(QChar key, bool ctrl) const {
  const QChar ds = DS(), ts = TS();
  switch (s_.EditType) {
    case etNumeric: return IsControlKey(key) || IsDigit(key) || key == u'-' || ctrl;
    case etFloat:
      if (key == u',' || key == u'.') return key == ds || key == ts;
      return IsControlKey(key) || IsDigit(key) || key == u'-';
    case etMoney: return IsControlKey(key) || IsDigit(key) || key == u'-' || key == ds;
    case etRange:
      return IsControlKey(key) || IsDigit(key) || key == u',' || key == u'-' || key == u';';
    case etHex: return IsControlKey(key) || IsDigit(key) || key == u'-' || IsHexLetter(key);
    case etAlphaNumeric: return IsControlKey(key) || IsDigit(key) || IsAsciiLetter(key);
    case etValidChars: return key == kBack || s_.ValidChars.contains(key);
    default: return true;
  }
}

TEntryOutcome TEntryRules::TypeChar(TEntryEdit& edit, QChar key, bool ctrl) const {
  TEntryOutcome out;
  const QString before = edit.Text;
  const QString value = Value(edit.Text);
  const QChar ds = DS();
  const int caret = edit.SelStart;
  // 1. Replacing the whole value: its change notification is swallowed.
  if (!value.isEmpty() && edit.SelLength == value.size()) out.BlockChange = true;
  // 6. Backspace into the prefix.
  if (key == kBack && !s_.Prefix.isEmpty() && edit.SelLength == 0 && caret <= PrefixLen()) return out;
  // 7. The integer part is full.
  if (s_.LengthLimit > 0 && GetIntegerLength(value) > s_.LengthLimit && edit.SelLength == 0) {
    const qsizetype dsAt = value.indexOf(ds);
    const bool inIntegerPart = dsAt < 0 || caret - PrefixLen() <= dsAt;
    const bool signedMinus = key == u'-' && s_.Signed && IsNumberType();
    if (inIntegerPart && key != kBack && key != ds && !signedMinus) return out;
  }
  // 8. Backspace; emptying the value raises the change that the block swallows.
  if (key == kBack) {
    QString predicted = value;
    const int pos = caret - PrefixLen();
    if (pos >= 1) predicted.remove(pos - 1, edit.SelLength > 0 ? edit.SelLength : 1);
    Insert(edit, key);
    if (Value(edit.Text).isEmpty() && !predicted.isEmpty()) out.RaiseChange = true;
    out.Accepted = true;
    out.Modified = edit.Text != before;
    return out;
  }
  // 9, 10.
  if (ctrl && key == QChar(10)) return out;
  if (key == u'-' && IsNumberType() && !s_.Signed) return out;
  // 11. The rules of the edit type.
  if (!TypeRuleAccepts(key, ctrl)) return out;
  out.Accepted = true;
  switch (s_.EditType) {
    case etNumeric:
      if (key == u'-') {
        ToggleSign(edit);
        out.Modified = true;
        return out;
      }
      Insert(edit, key);
      break;
    case etFloat:
    case etMoney: {
      const TEntryOutcome d = DecimalEntry(edit, key);
      out.Accepted = d.Accepted;
      if (d.Modified) out.Modified = true;
      break;
    }
    case etUppercase: Insert(edit, QLocale().toUpper(QString(key)).at(0)); break;
    case etLowerCase: Insert(edit, QLocale().toLower(QString(key)).at(0)); break;
    case etMixedCase: {
      Insert(edit, key);
      edit.Text = EditText(ToMixedCase(Value(edit.Text)));
      edit.SelStart = std::min(caret + 1, static_cast<int>(edit.Text.size()));
      edit.SelLength = 0;
      break;
    }
    case etRange:
      if (IsRangeSeparator(key)) {
        const bool sepBefore = caret > 0 && caret <= edit.Text.size() && IsRangeSeparator(edit.Text[caret - 1]);
        const bool sepAfter = caret < edit.Text.size() && IsRangeSeparator(edit.Text[caret]);
        if (caret <= PrefixLen() || sepBefore || sepAfter) {
          out.Accepted = false;
          return out;
        }
      }
      Insert(edit, key);
      break;
    default: Insert(edit, key); break;
  }
  // 12.
  if (edit.Text != before) out.Modified = true;
  return out;
}

TEntryOutcome TEntryRules::DecimalEntry(TEntryEdit& edit, QChar key) const {
  TEntryOutcome out;
  const QChar ds = DS(), ts = TS();
  const int p = s_.Precision;
  QString value = Value(edit.Text);
  const int caretV = edit.SelStart - PrefixLen();
  const QString selText = edit.Text.mid(edit.SelStart, edit.SelLength);
  const qsizetype dsAt = value.indexOf(ds);
  // 1. A second decimal separator jumps behind the first one.
  if (key == ds && !selText.contains(ds)) {
    if (dsAt >= 0) {
      if (p <= 0) return out;
      if (s_.EditType == etMoney && edit.SelLength == value.size()) edit.Text = EditText(FormatValue(QStringLiteral("0")));
      SelectAfterDecimal(edit);
      out.Accepted = true;
      return out;
    }
    if (p == 0) return out;
  }
  // 2.
  if (s_.EditType == etFloat && key == u',' && value.contains(u',') && !selText.contains(u',') && ts != u',') return out;
  // 3. Separators only exactly three digits after a thousand separator.
  if ((key == ds || key == ts) && value.contains(ts)) {
    int nearest = INT_MAX;
    for (qsizetype i = value.indexOf(ts); i >= 0; i = value.indexOf(ts, i + 1))
      nearest = std::min(nearest, std::abs(caretV - static_cast<int>(i + 1)));
    if (nearest != 3) return out;
  }
  // 4. All decimals present: a digit overwrites the next one, else nothing.
  if (p > 0 && dsAt >= 0 && caretV > dsAt && value.size() - dsAt - 1 >= p && value.size() - caretV <= p &&
      (IsDigit(key) || key == ds) && edit.SelLength == 0) {
    if (!IsDigit(key) || caretV >= value.size()) return out;
    edit.SelLength = 1;
  }
  // 5. A decimal separator into an empty value.
  if (key == ds && value.isEmpty() && edit.SelStart == 0) {
    edit.Text = EditText(QStringLiteral("0") + ds);
    edit.SelStart = PrefixLen() + 2;
    edit.SelLength = 0;
    out.Accepted = out.Modified = true;
    return out;
  }
  // 6. The sign.
  if (key == u'-' && edit.SelLength == 0) {
    ToggleSign(edit);
    out.Accepted = out.Modified = true;
    return out;
  }
  // 7.
  const QString before = edit.Text;
  Insert(edit, key);
  out.Accepted = true;
  out.Modified = edit.Text != before;
  value = Value(edit.Text);
  if (s_.EditType == etMoney && !value.isEmpty() && value != QLatin1String("-") && key != ds)
    ApplyThousandSeparators(edit);
  return out;
}

void TEntryRules::ApplyThousandSeparators(TEntryEdit& edit) const {
  const QString value = Value(edit.Text);
  if (value.isEmpty()) return;
  const int caret = edit.SelStart;
  const QString sign = value.startsWith(u'-') ? QStringLiteral("-") : QString();
  const qsizetype dsAt = value.indexOf(DS());
  const QString fraction = dsAt < 0 ? QString() : value.mid(dsAt, 255);
  const double whole = std::trunc(std::fabs(FloatValue(value)));
  const QString integer = s_.AutoThousandSeparator ? FormatGroupedNumber(whole, 0) : FloatToStrFixed(whole, 0);
  const QString next = sign + integer + fraction;
  edit.Text = EditText(next);
  const int moved = caret + static_cast<int>(next.size() - value.size());
  edit.SelStart = std::clamp(moved, PrefixLen(), PrefixLen() + static_cast<int>(next.size()));
  edit.SelLength = 0;
}

TEntryOutcome TEntryRules::KeyDown(TEntryEdit& edit, int key, bool shift) const {
  TEntryOutcome out;
  const QString value = Value(edit.Text);
  const int valueEnd = PrefixLen() + static_cast<int>(value.size());
  const int selEnd = edit.SelStart + edit.SelLength;
  const bool hasPrefix = !s_.Prefix.isEmpty(), hasSuffix = !s_.Suffix.isEmpty();
  const int len = static_cast<int>(edit.Text.size());
  auto select = [&](int anchor, int caret) {
    edit.SelStart = std::clamp(std::min(anchor, caret), 0, len);
    edit.SelLength = std::clamp(std::abs(caret - anchor), 0, len - edit.SelStart);
  };
  switch (key) {
    case VK_RIGHT:
      if (hasSuffix && selEnd >= valueEnd) return out;
      if (shift) select(edit.SelStart, std::min(selEnd + 1, len));
      else select(edit.SelLength > 0 ? selEnd : selEnd + 1, edit.SelLength > 0 ? selEnd : std::min(selEnd + 1, len));
      break;
    case VK_LEFT:
      if (hasPrefix && selEnd <= PrefixLen()) return out;
      if (shift) select(selEnd, std::max(edit.SelStart - 1, 0));
      else if (edit.SelLength > 0) select(edit.SelStart, edit.SelStart);
      else select(std::max(edit.SelStart - 1, 0), std::max(edit.SelStart - 1, 0));
      break;
    case VK_END:
      if (hasSuffix) shift ? select(edit.SelStart, valueEnd) : select(valueEnd, valueEnd);
      else shift ? select(edit.SelStart, len) : select(len, len);
      break;
    case VK_HOME:
      if (hasPrefix) shift ? select(PrefixLen(), valueEnd) : select(PrefixLen(), PrefixLen());
      else shift ? select(selEnd, 0) : select(0, 0);
      break;
    case VK_BACK:
      // The key itself deletes nothing: the Backspace character does.
      if (hasPrefix && edit.SelStart <= PrefixLen() + 1 && edit.SelLength == 0) return out;
      out.Modified = true;
      break;
    case VK_DELETE: {
      if (hasSuffix && edit.SelLength == 0 && selEnd >= valueEnd) return out;
      const int from = edit.SelStart;
      const int count = edit.SelLength > 0 ? edit.SelLength : (from < len ? 1 : 0);
      if (s_.LengthLimit > 0 && from >= PrefixLen()) {
        QString after = value;
        after.remove(from - PrefixLen(), count);
        if (GetIntegerLength(after) - 1 > s_.LengthLimit) return out;
      }
      edit.Text.remove(from, count);
      select(from, from);
      out.Modified = true;
      if (s_.EditType == etMoney) ApplyThousandSeparators(edit);
      break;
    }
    default: break;
  }
  if (hasPrefix && edit.SelStart < PrefixLen() && edit.SelLength == 0) select(PrefixLen(), PrefixLen());
  out.Accepted = true;
  return out;
}

TEntryOutcome TEntryRules::Paste(TEntryEdit& edit, const QString& clip,
                                 const std::function<bool(const QString& newValue)>& Allow) const {
  TEntryOutcome out;
  const QString value = Value(edit.Text);
  const int vs = std::clamp(edit.SelStart - PrefixLen(), 0, static_cast<int>(value.size()));
  const int sl = std::clamp(edit.SelLength, 0, static_cast<int>(value.size()) - vs);
  QString next = value.left(vs) + clip + value.mid(vs + sl);
  if (Allow && !Allow(next)) return out;
  if (s_.MaxLength > 0 && clip.size() + value.size() - sl > s_.MaxLength) return out;
  QString pasted = clip;
  const bool signOk = !next.contains(u'-') || s_.Signed;
  switch (s_.EditType) {
    case etString:
    case etPassword: break;
    case etNumeric:
      if (GetTextNumberKind(next) != kTextKindInteger || !signOk) return out;
      break;
    case etFloat:
    case etMoney: {
      const int kind = GetTextNumberKind(next);
      if ((kind != kTextKindInteger && kind != kTextKindFloat) || !signOk) return out;
      if (s_.Precision == 0 && clip.contains(DS())) return out;
      next = TextForFloat(FloatValue(FormatValue(next)));
      break;
    }
    case etUppercase: pasted = QLocale().toUpper(clip); next = QLocale().toUpper(next); break;
    case etLowerCase: pasted = QLocale().toLower(clip); next = QLocale().toLower(next); break;
    case etMixedCase: next = ToMixedCase(next); break;
    case etAlphaNumeric:
      for (QChar c : clip)
        if (!IsDigit(c) && !IsAsciiLetter(c)) return out;
      break;
    case etValidChars:
      for (QChar c : clip)
        if (!s_.ValidChars.contains(c)) return out;
      break;
    case etRange:
    case etHex: return out;
  }
  edit.Text = EditText(FormatValue(next));
  if (s_.EditType == etMoney) ApplyThousandSeparators(edit);
  out.Accepted = out.Modified = true;
  const int newLen = static_cast<int>(Value(edit.Text).size());
  if (s_.EditType == etMoney && newLen > 3) {
    SelectAll(edit);
  } else if (sl > 0) {
    edit.SelStart = std::min(PrefixLen() + vs, static_cast<int>(edit.Text.size()));
    edit.SelLength = std::min(static_cast<int>(pasted.size()), static_cast<int>(edit.Text.size()) - edit.SelStart);
  } else {
    edit.SelStart = std::min(PrefixLen() + vs + static_cast<int>(pasted.size()), PrefixLen() + newLen);
    edit.SelLength = 0;
  }
  return out;
}

void TEntryRules::SelectAll(TEntryEdit& edit) const {
  edit.SelStart = PrefixLen();
  edit.SelLength = static_cast<int>(Value(edit.Text).size());
}

void TEntryRules::SelectAfterDecimal(TEntryEdit& edit) const {
  const qsizetype at = Value(edit.Text).indexOf(DS());
  edit.SelStart = PrefixLen() + (at < 0 ? 0 : static_cast<int>(at) + 1);
  edit.SelLength = 0;
}

void TEntryRules::SelectBeforeDecimal(TEntryEdit& edit) const {
  const qsizetype at = Value(edit.Text).indexOf(DS());
  edit.SelStart = PrefixLen() + (at < 0 ? 0 : static_cast<int>(at));
  edit.SelLength = 0;
}
