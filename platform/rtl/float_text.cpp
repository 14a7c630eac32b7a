#include "platform/rtl/float_text.h"

#include <cmath>

#include "platform/rtl/strings.h"

namespace {

QString WithSeparator(QString text, const TFormatSettings& settings) {
  text.replace(u'.', settings.DecimalSeparator);
  return text;
}

}  // namespace

bool TryTextToFloat(const QString& text, double& value, const TFormatSettings& settings) {
  const QString s = Trim(text);
  if (s.isEmpty()) return false;
  QString plain;
  qsizetype i = 0;
  if (s[i] == u'+' || s[i] == u'-') plain += s[i++];
  bool digits = false, separator = false;
  for (; i < s.size(); ++i) {
    const QChar c = s[i];
    if (c >= u'0' && c <= u'9') {
      plain += c;
      digits = true;
    } else if (c == settings.DecimalSeparator && !separator) {
      plain += u'.';
      separator = true;
    } else {
      break;
    }
  }
  if (!digits) return false;
  if (i < s.size() && (s[i] == u'e' || s[i] == u'E')) {
    plain += u'e';
    ++i;
    if (i < s.size() && (s[i] == u'+' || s[i] == u'-')) plain += s[i++];
    bool expDigits = false;
    for (; i < s.size() && s[i] >= u'0' && s[i] <= u'9'; ++i) {
      plain += s[i];
      expDigits = true;
    }
    if (!expDigits) return false;
  }
  if (i != s.size()) return false;
  bool ok = false;
  const double v = plain.toDouble(&ok);
  if (!ok || !std::isfinite(v)) return false;
  value = v;
  return true;
}

QString FloatToStrGeneral(double value, int precision, const TFormatSettings& settings) {
  QString text = QString::number(value, 'g', precision);
  const qsizetype e = text.indexOf(u'e');
  if (e >= 0) {
    // "1.5e-07" -> "1.5E-7", "1e+20" -> "1E20"
    QString exponent = text.mid(e + 1);
    const bool negative = exponent.startsWith(u'-');
    if (exponent.startsWith(u'+') || negative) exponent.remove(0, 1);
    while (exponent.size() > 1 && exponent.startsWith(u'0')) exponent.remove(0, 1);
    text = text.left(e) + u'E' + (negative ? QStringLiteral("-") : QString()) + exponent;
  }
  return WithSeparator(text, settings);
}

QString FloatToStrFixed(double value, int decimals, const TFormatSettings& settings) {
  return WithSeparator(QString::number(value, 'f', std::max(0, decimals)), settings);
}
