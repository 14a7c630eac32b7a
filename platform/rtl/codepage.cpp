#include "platform/rtl/codepage.h"

#include <cstdint>

namespace {

// Characters of the bytes 0x80..0x9F; every other byte is the code point of its value.
constexpr char16_t kHigh1252[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98-9F
};

char16_t CharOfByte(uint8_t b) {
  if (b >= 0x80 && b < 0xA0) return kHigh1252[b - 0x80];
  return b;
}

// The byte of a character, or -1 when 1252 has none.
int ByteOfChar(char16_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return c;
  for (int i = 0; i < 32; ++i)
    if (kHigh1252[i] == c) return 0x80 + i;
  return -1;
}

}  // namespace

QString DecodeWindows1252(const QByteArray& bytes) {
  QString text(bytes.size(), Qt::Uninitialized);
  for (qsizetype i = 0; i < bytes.size(); ++i) text[i] = QChar(CharOfByte(static_cast<uint8_t>(bytes[i])));
  return text;
}

QByteArray EncodeWindows1252(const QString& text, bool* lossless) {
  QByteArray bytes;
  bytes.reserve(text.size());
  bool exact = true;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const char16_t c = text[i].unicode();
    const int b = ByteOfChar(c);
    if (b >= 0) {
      bytes.append(static_cast<char>(b));
      continue;
    }
    exact = false;
    bytes.append('?');
    if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) ++i;
  }
  if (lossless) *lossless = exact;
  return bytes;
}
