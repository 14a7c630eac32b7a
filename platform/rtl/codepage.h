// The Windows ANSI code page 1252 (Western European), which Windows uses for
// 8-bit text files without a byte-order mark. Our own table, because Qt 6 has no
// codec for it without ICU.
#pragma once

#include <QByteArray>
#include <QString>

// Every byte maps to one character. The five bytes that 1252 leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the code points of the same value, as
// Windows does.
QString DecodeWindows1252(const QByteArray& bytes);

// The text of a file that comes from outside: UTF-8, UTF-16 LE or UTF-16 BE by its
// byte-order mark (which is dropped); without a mark the ANSI code page, 1252.
QString DecodeTextFile(const QByteArray& bytes);

// Characters with no byte in 1252 become '?' (one per character, a surrogate
// pair counts as one); *lossless tells whether that happened.
QByteArray EncodeWindows1252(const QString& text, bool* lossless = nullptr);

// The OEM (DOS) code page of Western European Windows, 850 (multilingual Latin 1),
// which 8-bit exports for DOS programs use. Bytes below 0x80 are ASCII.
QString DecodeOemCodePage(const QByteArray& bytes);
// Characters with no byte in 850 become '?', as EncodeWindows1252 does.
QByteArray EncodeOemCodePage(const QString& text, bool* lossless = nullptr);
