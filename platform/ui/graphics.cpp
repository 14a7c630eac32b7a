#include "platform/ui/graphics.h"

#include <algorithm>
#include <array>

namespace {

// The system colours every drawing resolves to, indexed by system colour number.
// One fixed light scheme so that pictures and tests do not depend on the desktop.
constexpr std::array<TColor, 31> kSystemColors = {
    0xC8C8C8,  //  0 scroll bar
    0x000000,  //  1 desktop
    0xD1B499,  //  2 active caption
    0xDBCDBF,  //  3 inactive caption
    0xF0F0F0,  //  4 menu
    0xFFFFFF,  //  5 window
    0x646464,  //  6 window frame
    0x000000,  //  7 menu text
    0x000000,  //  8 window text
    0x000000,  //  9 caption text
    0xB4B4B4,  // 10 active border
    0xFCF7F4,  // 11 inactive border
    0xABABAB,  // 12 application work space
    0xFF9933,  // 13 highlight
    0xFFFFFF,  // 14 highlight text
    0xF0F0F0,  // 15 button face
    0xA0A0A0,  // 16 button shadow
    0x6D6D6D,  // 17 grey text
    0x000000,  // 18 button text
    0x000000,  // 19 inactive caption text
    0xFFFFFF,  // 20 button highlight
    0x696969,  // 21 3D dark shadow
    0xE3E3E3,  // 22 3D light
    0x000000,  // 23 tool-tip text
    0xE1FFFF,  // 24 tool-tip background
    0x000000,  // 25 (unused)
    0xCC6600,  // 26 hot-tracked item
    0xEAD1B9,  // 27 active caption gradient
    0xF2E4D7,  // 28 inactive caption gradient
    0xFF9933,  // 29 menu highlight
    0xF0F0F0,  // 30 menu bar
};

}  // namespace

TColor GetSysColor(int index) {
  if (index < 0 || index >= static_cast<int>(kSystemColors.size())) return 0;
  return kSystemColors[static_cast<size_t>(index)];
}

TColor ColorToRGB(TColor color) {
  if (color < 0) return GetSysColor(color & 0xFF);
  return color;
}

void InflateRect(TRect& r, int dx, int dy) {
  r.Left -= dx;
  r.Right += dx;
  r.Top -= dy;
  r.Bottom += dy;
}

void OffsetRect(TRect& r, int dx, int dy) {
  r.Left += dx;
  r.Right += dx;
  r.Top += dy;
  r.Bottom += dy;
}

bool IntersectRect(TRect& result, const TRect& a, const TRect& b) {
  TRect r{std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right),
          std::min(a.Bottom, b.Bottom)};
  if (IsRectEmpty(r)) {
    result = TRect{};
    return false;
  }
  result = r;
  return true;
}

bool UnionRect(TRect& result, const TRect& a, const TRect& b) {
  if (IsRectEmpty(a)) {
    result = IsRectEmpty(b) ? TRect{} : b;
    return !IsRectEmpty(b);
  }
  if (IsRectEmpty(b)) {
    result = a;
    return true;
  }
  result = TRect{std::min(a.Left, b.Left), std::min(a.Top, b.Top), std::max(a.Right, b.Right),
                 std::max(a.Bottom, b.Bottom)};
  return true;
}
