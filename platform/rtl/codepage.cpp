#include "platform/rtl/codepage.h"

#include <QStringDecoder>
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

QString DecodeWith(QStringConverter::Encoding encoding, const QByteArray& bytes) {
  QStringDecoder decoder(encoding, QStringConverter::Flag::Stateless);
  return decoder.decode(bytes);
}

}  // namespace

QString DecodeTextFile(const QByteArray& bytes) {
  if (bytes.startsWith("\xEF\xBB\xBF")) return DecodeWith(QStringConverter::Utf8, bytes.mid(3));
  if (bytes.startsWith("\xFF\xFE")) return DecodeWith(QStringConverter::Utf16LE, bytes.mid(2));
  if (bytes.startsWith("\xFE\xFF")) return DecodeWith(QStringConverter::Utf16BE, bytes.mid(2));
  return DecodeWindows1252(bytes);
}

QString DecodeWindows1252(const QByteArray& bytes) {
  QString text(bytes.size(), Qt::Uninitialized);
  for (qsizetype i = 0; i < bytes.size(); ++i) text[i] = QChar(CharOfByte(static_cast<uint8_t>(bytes[i])));
  return text;
}

namespace {

// Encodes text byte by byte through `byteOf` (a character's byte, or -1 when the
// code page has none); a character without a byte becomes one '?', and a
// surrogate pair counts as one character.
template <typename ByteOf>
QByteArray encodeSingleByte(const QString& text, bool* lossless, ByteOf byteOf) {
  QByteArray bytes;
  bytes.reserve(text.size());
  bool exact = true;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const char16_t c = text[i].unicode();
    const int b = byteOf(c);
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

}  // namespace

QByteArray EncodeWindows1252(const QString& text, bool* lossless) { return encodeSingleByte(text, lossless, ByteOfChar); }

namespace {

// Characters of the bytes 0x80..0xFF of code page 850.
constexpr char16_t kHigh850[128] = {
    0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x00E0, 0x00E5, 0x00E7,  // 80-87
    0x00EA, 0x00EB, 0x00E8, 0x00EF, 0x00EE, 0x00EC, 0x00C4, 0x00C5,  // 88-8F
    0x00C9, 0x00E6, 0x00C6, 0x00F4, 0x00F6, 0x00F2, 0x00FB, 0x00F9,  // 90-97
    0x00FF, 0x00D6, 0x00DC, 0x00F8, 0x00A3, 0x00D8, 0x00D7, 0x0192,  // 98-9F
    0x00E1, 0x00ED, 0x00F3, 0x00FA, 0x00F1, 0x00D1, 0x00AA, 0x00BA,  // A0-A7
    0x00BF, 0x00AE, 0x00AC, 0x00BD, 0x00BC, 0x00A1, 0x00AB, 0x00BB,  // A8-AF
    0x2591, 0x2592, 0x2593, 0x2502, 0x2524, 0x00C1, 0x00C2, 0x00C0,  // B0-B7
    0x00A9, 0x2563, 0x2551, 0x2557, 0x255D, 0x00A2, 0x00A5, 0x2510,  // B8-BF
    0x2514, 0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x00E3, 0x00C3,  // C0-C7
    0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550, 0x256C, 0x00A4,  // C8-CF
    0x00F0, 0x00D0, 0x00CA, 0x00CB, 0x00C8, 0x0131, 0x00CD, 0x00CE,  // D0-D7
    0x00CF, 0x2518, 0x250C, 0x2588, 0x2584, 0x00A6, 0x00CC, 0x2580,  // D8-DF
    0x00D3, 0x00DF, 0x00D4, 0x00D2, 0x00F5, 0x00D5, 0x00B5, 0x00FE,  // E0-E7
    0x00DE, 0x00DA, 0x00DB, 0x00D9, 0x00FD, 0x00DD, 0x00AF, 0x00B4,  // E8-EF
    0x00AD, 0x00B1, 0x2017, 0x00BE, 0x00B6, 0x00A7, 0x00F7, 0x00B8,  // F0-F7
    0x00B0, 0x00A8, 0x00B7, 0x00B9, 0x00B3, 0x00B2, 0x25A0, 0x00A0,  // F8-FF
};

int OemByteOfChar(char16_t c) {
  if (c < 0x80) return c;
  for (int i = 0; i < 128; ++i)
    if (kHigh850[i] == c) return 0x80 + i;
  return -1;
}

}  // namespace

QString DecodeOemCodePage(const QByteArray& bytes) {
  QString text(bytes.size(), Qt::Uninitialized);
  for (qsizetype i = 0; i < bytes.size(); ++i) {
    const uint8_t b = static_cast<uint8_t>(bytes[i]);
    text[i] = QChar(b < 0x80 ? char16_t(b) : kHigh850[b - 0x80]);
  }
  return text;
}

QByteArray EncodeOemCodePage(const QString& text, bool* lossless) { return encodeSingleByte(text, lossless, OemByteOfChar); }
