// String routines with the runtime library's rules: positions count from 1,
// 0 means "not found", and trimming removes every character up to U+0020.
#pragma once

#include <QString>
#include <cstdint>

QString Trim(const QString& s);       // removes leading and trailing chars <= U+0020
QStringView TrimView(QStringView s);  // the same, as a view into `s`
QString TrimLeft(const QString& s);
QString TrimRight(const QString& s);

QString UpperCase(const QString& s);  // ASCII letters only, as the runtime's UpperCase
QString LowerCase(const QString& s);  // ASCII letters only
QString AnsiUpperCase(const QString& s);  // every letter
bool SameText(const QString& a, const QString& b);  // ASCII case-insensitive equality

int Pos(const QString& sub, const QString& s, int offset = 1);  // 1-based; 0 = not found
QString Copy(const QString& s, int index, int count);           // 1-based; clamps like the runtime
QString StringOfChar(QChar c, int count);

QString IntToStr(int64_t value);
// Upper-case hex with at least `digits` digits; a negative 32-bit value is passed
// as its uint32_t pattern, so it prints as 8 digits like the runtime's.
QString IntToHex(uint64_t value, int digits);
