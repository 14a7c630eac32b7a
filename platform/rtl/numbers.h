// The runtime's integer syntax, read by one routine everywhere a number is read:
// optional leading blanks (U+0020 only), an optional sign, then decimal digits
// within the type's range or hex digits after "$", "x", "X", "0x" or "0X" taken as
// a bit pattern of the type's width (up to 8 digits for 32 bits, 16 for 64 bits).
// Nothing may follow the digits.
#pragma once

#include <QString>
#include <cstdint>
#include <string_view>

bool TryStrToInt(const QString& s, int32_t& value);
// The same for UTF-8 text as a file holds it (an XML attribute), without making a
// QString of it first.
bool TryStrToInt(std::string_view utf8, int32_t& value);
bool TryStrToInt64(const QString& s, int64_t& value);

int32_t StrToIntDef(const QString& s, int32_t def);
int64_t StrToInt64Def(const QString& s, int64_t def);

// Raise EConvertError "'<s>' is not a valid integer value" for a text that is no number.
int32_t StrToInt(const QString& s);
int64_t StrToInt64(const QString& s);

// The runtime's Round: the nearest integer, halves to the even neighbour.
int RoundHalfEven(double value);
// The runtime's Trunc: the fraction dropped.
inline int Trunc(double value) { return static_cast<int>(value); }
