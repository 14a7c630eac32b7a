#include "grid/base/number_text.h"

#include "grid/base/locale_format.h"
#include "platform/rtl/strings.h"

bool IsNumberChar(QChar Ch) { return Ch.isNumber(); }
bool IsNumberOrMinus(QChar Ch) { return IsNumberChar(Ch) || Ch == u'-'; }

bool IsNumberPartChar(QChar Ch) {
  return IsNumberChar(Ch) || Ch == GetThousandSeparator() || Ch == GetDecimalSeparator() || Ch == u'e' || Ch == u'E';
}

bool IsSignedNumberPartChar(QChar Ch) { return IsNumberPartChar(Ch) || Ch == u'+' || Ch == u'-'; }

bool IsNumberTextChar(QChar Ch) {
  return IsNumberChar(Ch) || Ch == u',' || Ch == u'-' || Ch == u'.' || Ch == u'e' || Ch == u'E' || Ch == u'+';
}

namespace {

bool isExponent(QChar c) { return c == u'e' || c == u'E'; }

// What one walk over the text finds out.
struct NumberScan {
  bool allInteger = true;
  bool decimalValid = true;
  bool hasExponent = false;
  bool scientificValid = true;
  int minusCount = 0;
  int decimalCount = 0;
};

NumberScan scanNumber(const QString& text, QChar decimal, QChar thousand) {
  NumberScan s;
  const int n = static_cast<int>(text.size());
  int lastThousand = 0;
  int exponents = 0;
  for (int i = 1; i <= n; ++i) {
    const QChar c = text[i - 1];
    const bool number = IsNumberChar(c);
    if (c == u'-') {
      ++s.minusCount;
      if (i > 1) {
        s.allInteger = false;
        s.decimalValid = false;
      }
    } else if (!number) {
      s.allInteger = false;
    }
    if (c == thousand) {
      if (lastThousand != 0 && i - lastThousand <= 3) s.decimalValid = false;
      lastThousand = i;
      s.scientificValid = false;
    } else if (c == decimal) {
      ++s.decimalCount;
    } else if (!number && c != u'-') {
      s.decimalValid = false;
    }
    if (isExponent(c)) {
      s.hasExponent = true;
      ++exponents;
    }
    if (!number && c != decimal && c != thousand && !isExponent(c) && c != u'+' && c != u'-')
      s.scientificValid = false;
  }
  if (exponents > 1 || isExponent(text[0])) s.scientificValid = false;
  const QChar last = text[n - 1];
  if (last == u'+' || last == u'-' || isExponent(last)) s.scientificValid = false;
  return s;
}

}  // namespace

int GetNumberKind(const QString& Text) {
  if (Text.isEmpty()) return nkNotNumber;
  const NumberScan s = scanNumber(Text, GetDecimalSeparator(), GetThousandSeparator());
  if (s.allInteger) return nkInteger;
  int kind = (!s.decimalValid || s.hasExponent) ? nkNotNumber : nkDecimal;
  int minus = s.minusCount;
  if (s.scientificValid && s.hasExponent) {
    kind = nkScientific;
    if (minus == 2) minus = 1;  // the mantissa's and the exponent's sign
  }
  if (minus > 1 || s.decimalCount > 1) return nkNotNumber;
  return kind;
}

QString ExtractNumberText(const QString& Text) {
  // 1. Empty text.
  if (Text.isEmpty()) return {};
  // 2. Trim; enclosing parentheses mean negative.
  QString s = Trim(Text);
  bool negative = s.startsWith(u'(') && s.endsWith(u')');
  // 3. Drop leading characters that cannot start a number; a dropped "-" means
  // negative. They are counted first and dropped at once (one pass).
  qsizetype drop = 0;
  while (s.size() - drop >= 2 && !IsNumberPartChar(s[drop])) {
    if (s[drop] == u'-') negative = true;
    ++drop;
  }
  s.remove(0, drop);
  // 4. Copy the number, without thousand separators and with "." as decimal separator.
  const QChar decimal = GetDecimalSeparator();
  const QChar thousand = GetThousandSeparator();
  QString result;
  for (QChar c : s) {
    if (c == thousand) continue;
    if (c == decimal) {
      result += u'.';
      continue;
    }
    if (!IsNumberTextChar(c)) break;
    result += c;
  }
  // 5. The sign.
  if (negative) result.prepend(u'-');
  return result;
}

QString NumberTextToDot(const QString& Text) {
  const QChar decimal = GetDecimalSeparator();
  const QChar thousand = GetThousandSeparator();
  QString result;
  result.reserve(Text.size());
  for (QChar c : Text) {
    if (c == decimal) result += u'.';
    else if (c != thousand) result += c;
  }
  return result;
}
