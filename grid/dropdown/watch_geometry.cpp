#include "grid/dropdown/watch_geometry.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>

#include "grid/dropdown/dropdown_drawing.h"

TRect WatchFaceRect(int ClientW, int ClientH, int Size) {
  int size = Size;
  if (size <= 0) size = std::min(ClientW, ClientH) - 20;
  else size = std::min({size, ClientW, ClientH});
  const int x = (ClientW - size) / 2, y = (ClientH - size) / 2;
  return Bounds(x, y, size, size);
}

TPoint WatchCenter(const TRect& Face) {
  return {Face.Left + (Face.Right - Face.Left) / 2, Face.Top + (Face.Bottom - Face.Top) / 2};
}

int MinuteAtPoint(TPoint Center, int X, int Y) {
  int dy = std::abs(Center.Y - Y), dx = std::abs(Center.X - X);
  if (dy == 0) dy = 1;
  if (dx == 0) dx = 1;
  const int f = RoundHalfEven(std::atan(static_cast<double>(dy) / dx) * 180 / std::numbers::pi / 6);
  int m;
  if (X >= Center.X && Y >= Center.Y) m = 15 + f;
  else if (X <= Center.X && Y >= Center.Y) m = 45 - f;
  else if (X <= Center.X && Y <= Center.Y) m = 45 + f;
  else m = 15 - f;
  return m < 0 || m > 59 ? 0 : m;
}

int HourAtPoint(TPoint Center, int X, int Y, bool AM, bool& ToAM) {
  ToAM = AM;
  const int c = RoundHalfEven(MinuteAtPoint(Center, X, Y) / 5.0);
  if (c <= 0) return AM ? 0 : 12;
  const int h = c + (AM ? 0 : 12);
  return h == 24 ? 0 : h;
}

int NextHourStep(int Current, int Target, int Factor) {
  if (Current == Target) return Target;
  const int step = std::max(1, RoundHalfEven(std::abs(Target - Current) / static_cast<double>(std::max(1, Factor))));
  return Current < Target ? std::min(Target, Current + step) : std::max(Target, Current - step);
}

int NextMinuteStep(int Current, int Target, int Factor) {
  if (Current == Target) return Target;
  const double f = std::max(1, Factor);
  const bool overTheHour = Target == 0 && Current > 30;
  int step = RoundHalfEven((overTheHour ? 60 - Current : std::abs(Target - Current)) / f);
  step = std::max(1, step);
  int m = Current >= Target && !overTheHour ? Current - step : Current + step;
  if (m >= 60) m = 0;
  return m;
}

TWatchTickRadii WatchTickRadii(double Radius, int BorderWidth, int HourMarkLength, int MinuteMarkLength) {
  const double ro = Radius - BorderWidth / 2;
  return {ro, HourMarkLength > 0 ? ro - HourMarkLength : ro * 0.9,
          MinuteMarkLength > 0 ? ro - MinuteMarkLength : ro * 0.95};
}

double HourHandAngle(int Hour, int Minute) { return 30 * (Hour % 12) + Minute / 2.0; }
