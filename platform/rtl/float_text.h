// Floating-point numbers as text with the runtime library's rules and the
// process's format settings (its decimal separator): reading (blanks around, a
// sign, digits with at most one decimal separator, an optional exponent; no
// thousand separators) and writing in the general and the fixed format.
#pragma once

#include <QString>

#include "platform/rtl/locale_settings.h"

// False (value unchanged) for a text that is no number.
bool TryTextToFloat(const QString& text, double& value, const TFormatSettings& settings = FormatSettings());
// The general format: up to `precision` significant digits without trailing
// zeros, scientific ("1.5E-7", "1E20") for very small or large numbers.
QString FloatToStrGeneral(double value, int precision = 15, const TFormatSettings& settings = FormatSettings());
// The fixed format with `decimals` digits after the decimal separator.
QString FloatToStrFixed(double value, int decimals, const TFormatSettings& settings = FormatSettings());
