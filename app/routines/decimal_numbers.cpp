#include "app/routines/decimal_numbers.h"

#include "platform/rtl/locale_settings.h"

#include <QLocale>
#include <cmath>
#include <limits>

namespace {

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// The runtime's float syntax with `separator` as the decimal point, rewritten with
// "." so it can be read locale-independently. False when the text does not match.
bool normalise(const QString& text, QChar separator, QString& out) {
  qsizetype i = 0;
  qsizetype n = text.size();
  while (i < n && text[i] == u' ') ++i;
  while (n > i && text[n - 1] == u' ') --n;
  out.clear();
  if (i < n && (text[i] == u'+' || text[i] == u'-')) out += text[i++];
  int digits = 0;
  for (; i < n && isDigit(text[i]); ++i, ++digits) out += text[i];
  if (i < n && text[i] == separator) {
    out += u'.';
    for (++i; i < n && isDigit(text[i]); ++i, ++digits) out += text[i];
  }
  if (digits == 0) return false;
  if (i < n && (text[i] == u'e' || text[i] == u'E')) {
    out += u'e';
    ++i;
    if (i < n && (text[i] == u'+' || text[i] == u'-')) out += text[i++];
    int exponentDigits = 0;
    for (; i < n && isDigit(text[i]); ++i, ++exponentDigits) out += text[i];
    if (exponentDigits == 0) return false;
  }
  return i == n;
}

}  // namespace

QChar Get_Decimal_Separator() { return DecimalSeparator(); }

bool Text_To_Float(const QString& text, QChar separator, float& value) {
  value = 1.0f;
  QString s = text;
  if (separator == u'.')
    s.replace(u',', u'.');
  else
    s.replace(u'.', u',');
  QString plain;
  if (!normalise(s, separator, plain)) return false;
  bool ok = false;
  const double v = QLocale::c().toDouble(plain, &ok);
  if (!ok || !std::isfinite(v) || std::fabs(v) > std::numeric_limits<float>::max()) return false;
  value = static_cast<float>(v);
  return true;
}
