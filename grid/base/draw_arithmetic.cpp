#include "grid/base/draw_arithmetic.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "platform/rtl/numbers.h"

namespace {

int Channel(TColor c, int shift) { return (c >> shift) & 0xFF; }

TColor StepColor(TColor from, TColor to, double fraction) {
  int rgb[3];
  for (int k = 0; k < 3; ++k) {
    int a = Channel(from, 8 * k), b = Channel(to, 8 * k);
    rgb[k] = std::clamp(a + RoundHalfEven((b - a) * fraction), 0, 255);
  }
  return RGB(rgb[0], rgb[1], rgb[2]);
}

// Formats one number through a printf-style format without trusting the format:
// only the first conversion is filled, "%%" gives "%", and a conversion that is
// neither integer (d, i, u) nor floating (f, e, g, n) leaves the format's text as it
// is, so a wrong format can never read a missing or mistyped argument.
QString FormatOneNumber(const QString& format, double value) {
  QString out;
  bool filled = false;
  for (int i = 0; i < format.size(); ++i) {
    QChar ch = format[i];
    if (ch != '%') {
      out += ch;
      continue;
    }
    if (i + 1 < format.size() && format[i + 1] == '%') {
      out += '%';
      ++i;
      continue;
    }
    int j = i + 1;
    QString flags, width, precision;
    while (j < format.size() && QString("-+ 0#").contains(format[j])) flags += format[j++];
    while (j < format.size() && format[j].isDigit()) width += format[j++];
    if (j < format.size() && format[j] == '.') {
      ++j;
      precision = ".";
      while (j < format.size() && format[j].isDigit()) precision += format[j++];
    }
    if (j >= format.size() || filled || width.size() > 3 || precision.size() > 3) {
      out += format.mid(i, j - i + 1);
      i = j;
      continue;
    }
    QChar conv = format[j].toLower();
    QByteArray spec = ("%" + flags + width + precision).toLatin1();
    if (conv == 'd' || conv == 'i' || conv == 'u') {
      out += QString::asprintf((spec + "lld").constData(), static_cast<long long>(RoundHalfEven(value)));
      filled = true;
    } else if (conv == 'f' || conv == 'e' || conv == 'g' || conv == 'n') {
      QByteArray c = conv == 'n' ? QByteArray("f") : QByteArray(1, char(conv.toLatin1()));
      if (precision.isEmpty() && conv != 'g') spec += ".2";
      out += QString::asprintf((spec + c).constData(), value);
      filled = true;
    } else {
      out += format.mid(i, j - i + 1);
    }
    i = j;
  }
  return out;
}

}  // namespace

std::vector<TGradientBand> GradientBands(TColor fromColor, TColor toColor, int steps, int extent) {
  std::vector<TGradientBand> bands;
  if (extent < 1) return bands;
  fromColor = ColorToRGB(fromColor);
  toColor = ColorToRGB(toColor);
  int e = extent - 1;
  int n = std::max(1, std::min(steps, e));
  double s = double(e) / n;
  for (int i = 0; i <= n; ++i) {
    int start = static_cast<int>(std::trunc(i * s));
    int end = std::min(extent, start + static_cast<int>(std::trunc(s + 1)));
    if (start >= end) continue;
    bands.push_back({start, end, StepColor(fromColor, toColor, double(i) / n)});
  }
  return bands;
}

TColor GradientColorAt(TColor color, TColor colorTo, int min, int max, int pos) {
  if (colorTo == clNone || max == min) return color;
  TColor a = ColorToRGB(color), b = ColorToRGB(colorTo);
  int rgb[3];
  for (int k = 0; k < 3; ++k) {
    int from = Channel(a, 8 * k), to = Channel(b, 8 * k);
    rgb[k] = std::clamp(from + RoundHalfEven(double(to - from) / (max - min) * pos), 0, 255);
  }
  return RGB(rgb[0], rgb[1], rgb[2]);
}

TColor HalveColor(TColor color) {
  TColor c = ColorToRGB(color);
  return RGB(GetRValue(c) / 2, GetGValue(c) / 2, GetBValue(c) / 2);
}

TPoint RotatedTextOrigin(const TRect& r, int hAlign, int vAlign, int angle, int textWidth, int textHeight) {
  const double rad = angle * std::numbers::pi / 180.0;
  const double cosA = std::abs(std::cos(rad)), sinA = std::abs(std::sin(rad));
  // The turned text's extents, each cut toward zero.
  const int a = static_cast<int>(cosA * textHeight), b = static_cast<int>(sinA * textWidth);
  const int c = static_cast<int>(sinA * textHeight), d = static_cast<int>(cosA * textWidth);
  const int L = r.Left, T = r.Top, R = r.Right, B = r.Bottom;
  const int centreY = (b + T + a - B) / 2;
  if (angle <= 90) {
    const int x = hAlign == 0 ? L : hAlign == 1 ? R - d - c : L + (R - L - c - d) / 2;
    const int y = vAlign == 0 ? T + b : vAlign == 2 ? B - a : T + b - centreY;
    return {x, y};
  }
  if (angle <= 180) {
    const int x = hAlign == 0 ? L + d : hAlign == 1 ? R - c : R - (c + R - L - d) / 2;
    const int y = vAlign == 0 ? T + a + b : vAlign == 2 ? B : T + a + b - centreY;
    return {x, y};
  }
  if (angle <= 270) {
    const int x = hAlign == 0 ? L + c + d : hAlign == 1 ? R : R - (R - L - c - d) / 2;
    const int y = vAlign == 0 ? T + a : vAlign == 2 ? B - b : T + a - centreY;
    return {x, y};
  }
  const int x = hAlign == 0 ? L + c : hAlign == 1 ? R - d : L + (c + R - L - d) / 2;
  const int y = vAlign == 0 ? T : vAlign == 2 ? B - a - b : T - centreY;
  return {x, y};
}

TColor ScaleColorPercent(TColor color, int percent) {
  TColor c = ColorToRGB(color);
  auto scale = [percent](int v) { return std::clamp(v + RoundHalfEven(v * percent / 100.0), 0, 255); };
  return RGB(scale(GetRValue(c)), scale(GetGValue(c)), scale(GetBValue(c)));
}

TProgressText ProgressBarText(double position, int min, int max, const QString& format) {
  TProgressText r;
  if (format.isEmpty()) {
    r.Percent = RoundHalfEven(position);
    r.Text = QString::number(r.Percent) + "%";
  } else {
    r.Text = FormatOneNumber(format, position);
    r.Percent = max == min ? 0 : RoundHalfEven((position - min) * 100.0 / (max - min));
  }
  r.Percent = std::clamp(r.Percent, 0, 100);
  return r;
}

int ProgressCompleteWidth(int percent, int width) {
  return RoundHalfEven(std::clamp(percent, 0, 100) * double(width) / 100.0);
}

int RangeIndicatorLength(int value, int range, int halfWidth) {
  if (range == 0) return 0;
  range = std::abs(range);
  value = std::clamp(value, -range, range);
  return RoundHalfEven(double(halfWidth) * value / range);
}

std::vector<TXPProgressPart> XPProgressParts(int length, int percent, const TXPProgressLevels& levels) {
  std::vector<TXPProgressPart> parts;
  int p = std::clamp(percent, 0, 100);
  if (p <= 0 || length <= 0) return parts;
  auto len = [length](double perc) { return RoundHalfEven(length * perc / 100.0); };
  if (!levels.Stacked) {
    int level = p < levels.Level1Perc ? 0 : p < levels.Level2Perc ? 1 : p > 99 ? 3 : 2;
    parts.push_back({0, len(p), level});
    return parts;
  }
  int first = len(std::min(p, levels.Level1Perc));
  parts.push_back({0, first, 0});
  if (p <= levels.Level1Perc) return parts;
  int second = len(std::min(p, levels.Level2Perc) - levels.Level1Perc);
  parts.push_back({first, second, 1});
  if (p <= levels.Level2Perc) return parts;
  int third = p == 100 ? length - first - second : len(p - levels.Level2Perc);
  parts.push_back({first + second, third, 3});
  return parts;
}

std::vector<TXPProgressPart> XPProgressBlocks(int length, int level) {
  std::vector<TXPProgressPart> blocks;
  if (length < 2) return blocks;
  if (length <= 9) {
    blocks.push_back({0, length, level});
    return blocks;
  }
  int whole = length / 9;
  for (int k = 0; k < whole; ++k) blocks.push_back({9 * k, 7, level});
  int rest = length % 9;
  if (rest > 2) blocks.push_back({9 * whole, rest - 2, level});
  return blocks;
}
