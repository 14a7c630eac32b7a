#include "platform/rtl/numbers.h"

#include <cmath>

#include "platform/rtl/exceptions.h"

namespace {

// One character of the text as a UTF-16 unit; a byte of UTF-8 text stands for
// itself (the texts that read as numbers are plain ASCII).
char16_t unitAt(QStringView s, qsizetype i) { return s[i].unicode(); }
char16_t unitAt(std::string_view s, qsizetype i) { return static_cast<unsigned char>(s[static_cast<size_t>(i)]); }

int hexDigit(char16_t u) {
  if (u >= u'0' && u <= u'9') return u - u'0';
  if (u >= u'a' && u <= u'f') return u - u'a' + 10;
  if (u >= u'A' && u <= u'F') return u - u'A' + 10;
  return -1;
}

// Reads a number of `bits` width (32 or 64) into `out`; false when the text is none.
template <typename Text>
bool readInteger(Text s, int bits, int64_t& out) {
  qsizetype i = 0;
  const qsizetype n = static_cast<qsizetype>(s.size());
  while (i < n && unitAt(s, i) == u' ') ++i;
  bool negative = false;
  if (i < n && (unitAt(s, i) == u'+' || unitAt(s, i) == u'-')) {
    negative = unitAt(s, i) == u'-';
    ++i;
  }
  if (i >= n) return false;

  bool hex = false;
  if (unitAt(s, i) == u'$' || unitAt(s, i) == u'x' || unitAt(s, i) == u'X') {
    hex = true;
    ++i;
  } else if (unitAt(s, i) == u'0' && i + 1 < n && (unitAt(s, i + 1) == u'x' || unitAt(s, i + 1) == u'X')) {
    hex = true;
    i += 2;
  }
  if (i >= n) return false;

  if (hex) {
    const int maxDigits = bits / 4;
    if (n - i > maxDigits) return false;
    uint64_t pattern = 0;
    for (; i < n; ++i) {
      const int d = hexDigit(unitAt(s, i));
      if (d < 0) return false;
      pattern = (pattern << 4) | static_cast<uint64_t>(d);
    }
    int64_t v = bits == 32 ? static_cast<int64_t>(static_cast<int32_t>(static_cast<uint32_t>(pattern)))
                           : static_cast<int64_t>(pattern);
    if (negative) v = bits == 32 ? static_cast<int64_t>(static_cast<int32_t>(0u - static_cast<uint32_t>(v)))
                                 : static_cast<int64_t>(0ull - static_cast<uint64_t>(v));
    out = v;
    return true;
  }

  // Decimal: accumulate the magnitude and compare against the type's limit.
  const uint64_t limit = bits == 32 ? (negative ? 2147483648ull : 2147483647ull)
                                    : (negative ? 9223372036854775808ull : 9223372036854775807ull);
  uint64_t magnitude = 0;
  for (; i < n; ++i) {
    const char16_t u = unitAt(s, i);
    if (u < u'0' || u > u'9') return false;
    const uint64_t d = u - u'0';
    if (magnitude > (limit - d) / 10) return false;
    magnitude = magnitude * 10 + d;
  }
  out = negative ? static_cast<int64_t>(0ull - magnitude) : static_cast<int64_t>(magnitude);
  return true;
}

[[noreturn]] void raiseNotInteger(const QString& s) {
  throw EConvertError(QStringLiteral("'%1' is not a valid integer value").arg(s));
}

}  // namespace

bool TryStrToInt(const QString& s, int32_t& value) {
  int64_t v = 0;
  if (!readInteger(QStringView(s), 32, v)) return false;
  value = static_cast<int32_t>(v);
  return true;
}

bool TryStrToInt(std::string_view utf8, int32_t& value) {
  int64_t v = 0;
  if (!readInteger(utf8, 32, v)) return false;
  value = static_cast<int32_t>(v);
  return true;
}

bool TryStrToInt64(const QString& s, int64_t& value) { return readInteger(QStringView(s), 64, value); }

int32_t StrToIntDef(const QString& s, int32_t def) {
  int32_t v = 0;
  return TryStrToInt(s, v) ? v : def;
}

int64_t StrToInt64Def(const QString& s, int64_t def) {
  int64_t v = 0;
  return TryStrToInt64(s, v) ? v : def;
}

int32_t StrToInt(const QString& s) {
  int32_t v = 0;
  if (!TryStrToInt(s, v)) raiseNotInteger(s);
  return v;
}

int64_t StrToInt64(const QString& s) {
  int64_t v = 0;
  if (!TryStrToInt64(s, v)) raiseNotInteger(s);
  return v;
}

int RoundHalfEven(double value) { return static_cast<int>(std::nearbyint(value)); }
