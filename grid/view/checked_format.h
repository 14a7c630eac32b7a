// The runtime's Format for texts that come from properties or callers (float
// formats, fill formats): "%" [index ":"] ["-"] [width] ["." precision] type,
// with the types d, u, x (integers), e, f, g, n, m (floats) and s (texts), "*"
// for a width or precision taken from the arguments, and "%%". Floats use the
// locale's decimal (and, for n and m, thousand) separator. A format that does not
// fit its arguments (a missing argument, a float for "d", an unknown type) is a
// failed conversion: the result is false and nothing is formatted.
#pragma once

#include <QString>
#include <cstdint>
#include <variant>
#include <vector>

using TFormatArg = std::variant<int64_t, double, QString>;

bool TryFormatValues(const QString& Format, const std::vector<TFormatArg>& Args, QString& Result);
