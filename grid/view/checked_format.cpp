#include "grid/view/checked_format.h"

#include <cmath>
#include <cstdio>

#include "grid/base/locale_format.h"

namespace {

struct Spec {
  bool left = false;
  int width = -1;
  int precision = -1;
  QChar type;
};

// The digits of a fixed-point number with `precision` decimals, with the
// locale's separators; thousands grouped when asked.
QString FixedText(double value, int precision, bool grouped) {
  char buffer[400];
  std::snprintf(buffer, sizeof buffer, "%.*f", precision, std::fabs(value));
  QString digits = QString::fromLatin1(buffer);
  QString intPart = digits.section(u'.', 0, 0);
  const QString fraction = digits.section(u'.', 1);
  if (grouped)
    for (int i = intPart.size() - 3; i > 0; i -= 3) intPart.insert(i, GetThousandSeparator());
  QString text = intPart;
  if (!fraction.isEmpty()) text += GetDecimalSeparator() + fraction;
  const bool zero = text.count(u'0') + text.count(GetDecimalSeparator()) + text.count(GetThousandSeparator()) == text.size();
  if (std::signbit(value) && !zero) text.prepend(u'-');
  return text;
}

// Mantissa with `precision` significant digits and an exponent of at least
// three digits, as the runtime writes it ("1.5000E+003").
QString ScientificText(double value, int precision) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.*E", std::max(precision - 1, 0), value);
  QString text = QString::fromLatin1(buffer);
  const int e = text.indexOf(u'E');
  QString mantissa = text.left(e);
  QString exponent = text.mid(e + 1);
  const QChar sign = exponent[0];
  exponent = exponent.mid(1);
  while (exponent.size() < 3) exponent.prepend(u'0');
  mantissa.replace(u'.', GetDecimalSeparator());
  return mantissa + u'E' + sign + exponent;
}

QString GeneralText(double value, int precision) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.*G", precision, value);
  QString text = QString::fromLatin1(buffer);
  return text.replace(u'.', GetDecimalSeparator());
}

bool ReadNumber(const QString& f, int& i, int& value) {
  const int start = i;
  value = 0;
  while (i < f.size() && f[i].isDigit()) {
    value = value * 10 + f[i].digitValue();
    if (value > 100000) return false;
    ++i;
  }
  return i > start;
}

}  // namespace

bool TryFormatValues(const QString& Format, const std::vector<TFormatArg>& Args, QString& Result) {
  QString out;
  size_t next = 0;
  auto takeInt = [&](int& v) {
    if (next >= Args.size() || !std::holds_alternative<int64_t>(Args[next])) return false;
    v = static_cast<int>(std::get<int64_t>(Args[next++]));
    return true;
  };
  int i = 0;
  while (i < Format.size()) {
    const QChar c = Format[i++];
    if (c != u'%') {
      out += c;
      continue;
    }
    if (i >= Format.size()) return false;
    if (Format[i] == u'%') {
      out += u'%';
      ++i;
      continue;
    }
    Spec spec;
    // [index ":"]
    int save = i, number = 0;
    if (ReadNumber(Format, i, number) && i < Format.size() && Format[i] == u':') {
      next = static_cast<size_t>(number);
      ++i;
    } else {
      i = save;
    }
    if (i < Format.size() && Format[i] == u'-') {
      spec.left = true;
      ++i;
    }
    if (i < Format.size() && Format[i] == u'*') {
      if (!takeInt(spec.width)) return false;
      ++i;
    } else if (ReadNumber(Format, i, number)) {
      spec.width = number;
    }
    if (i < Format.size() && Format[i] == u'.') {
      ++i;
      if (i < Format.size() && Format[i] == u'*') {
        if (!takeInt(spec.precision)) return false;
        ++i;
      } else {
        ReadNumber(Format, i, number);
        spec.precision = number;
      }
    }
    if (i >= Format.size() || next >= Args.size()) return false;
    spec.type = Format[i++].toLower();
    const TFormatArg& arg = Args[next++];
    QString text;
    const char16_t t = spec.type.unicode();
    if (t == u'd' || t == u'u' || t == u'x') {
      if (!std::holds_alternative<int64_t>(arg)) return false;
      const int64_t v = std::get<int64_t>(arg);
      if (t == u'x') {
        text = QString::number(static_cast<uint32_t>(v), 16).toUpper();
      } else {
        const uint64_t magnitude = v < 0 && t == u'd' ? 0 - static_cast<uint64_t>(v) : static_cast<uint64_t>(v);
        text = QString::number(t == u'u' ? static_cast<uint32_t>(v) : magnitude);
      }
      while (spec.precision > text.size()) text.prepend(u'0');
      if (t == u'd' && v < 0) text.prepend(u'-');
    } else if (t == u'e' || t == u'f' || t == u'g' || t == u'n' || t == u'm') {
      if (!std::holds_alternative<double>(arg)) return false;
      const double v = std::get<double>(arg);
      if (!std::isfinite(v)) {
        text = std::isnan(v) ? QStringLiteral("NAN") : v > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");
      } else if (t == u'f') {
        text = FixedText(v, spec.precision < 0 ? 2 : std::min(spec.precision, 18), false);
      } else if (t == u'n' || t == u'm') {
        text = FixedText(v, spec.precision < 0 ? 2 : std::min(spec.precision, 18), true);
      } else if (t == u'e') {
        text = ScientificText(v, spec.precision < 0 ? 15 : std::clamp(spec.precision, 1, 18));
      } else {
        text = GeneralText(v, spec.precision < 0 ? 15 : std::clamp(spec.precision, 1, 18));
      }
    } else if (t == u's') {
      if (!std::holds_alternative<QString>(arg)) return false;
      text = std::get<QString>(arg);
      if (spec.precision >= 0) text.truncate(spec.precision);
    } else {
      return false;
    }
    if (spec.width > text.size()) text = spec.left ? text.leftJustified(spec.width) : text.rightJustified(spec.width);
    out += text;
  }
  Result = out;
  return true;
}
