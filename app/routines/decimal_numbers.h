// The user's decimal separator and the conversion of a decimal text to a float.
#pragma once

#include <QChar>
#include <QString>

// "." when the user's regional setting is ".", else ",".
QChar Get_Decimal_Separator();

// Converts a decimal text written with either "," or "." as the separator: every
// "," becomes "." when `separator` is ".", every "." becomes "," otherwise; the
// result is read as a number whose decimal separator is `separator` (blanks around
// it, a sign, digits with at most one separator, an optional exponent). True with
// the value on success; false with value 1.0 when the text is no number or lies
// outside the float range.
bool Text_To_Float(const QString& text, QChar separator, float& value);
