// The grid's small pictures, drawn in code (our own artwork): check boxes and
// radio buttons in the XP look (16 x 16: "ESGCHK05" checked, "ESGCHK06"
// unchecked, "ESGCHK07" checked disabled, "ESGCHK08" unchecked disabled; radio
// "ESGRAD05" .. "ESGRAD08" in the same order) and in the VOD look (20 x 20 check
// boxes "ESGCHK01" .. "ESGCHK04", 16 x 16 radio buttons "ESGRAD01" .. "ESGRAD04",
// ordered checked, unchecked, checked disabled, unchecked disabled), and the
// filter button "ESGFILT", the tree node boxes (9 x 9, "XPNODEC" contracted with
// a plus, "XPNODEO" expanded with a minus) and the leaf triangles (12 x 12,
// "ESGLEAFCLOSE" pointing right, "ESGLEAFOPEN" pointing down), the search
// footer's arrows ("ESGARDOWN", "ESGARUP", disabled "ESGARDOWND", "ESGARUPD"),
// close cross ("ESGCLOSE", hot "ESGCLOSEH", pressed "ESGCLOSED") and highlight
// marker ("ESGHI", disabled "ESGHID"). Each bitmap's
// pixel (0, 0) is its transparent colour, except the node boxes, which fill
// their square.
#pragma once

#include <QString>

#include "platform/ui/graphics.h"

class TBitmap;

// The named picture, made on first use and kept for the program's life; an
// empty bitmap for an unknown name.
TBitmap* GridGlyph(const QString& Name);

// The colours the pictures are drawn in (for tests that probe them).
inline constexpr TColor kGlyphKey = 0xFF00FF;           // transparent
inline constexpr TColor kGlyphFrame = 0x80511C;         // enabled box frame
inline constexpr TColor kGlyphFrameDisabled = 0xB5C3C8; // disabled box frame
inline constexpr TColor kGlyphFill = 0xFFFFFF;          // enabled inside
inline constexpr TColor kGlyphFillDisabled = 0xF0F0F0;  // disabled inside
inline constexpr TColor kGlyphMark = 0x21A121;          // enabled tick and dot
inline constexpr TColor kGlyphArrow = 0x7A3D00;         // search arrows and marker
inline constexpr TColor kGlyphArrowDisabled = 0xB0B0B0;
inline constexpr TColor kGlyphClose = 0x707070;
inline constexpr TColor kGlyphCloseHot = 0x1C1CD0;
inline constexpr TColor kGlyphClosePressed = 0x101080;
inline constexpr TColor kGlyphMarkDisabled = 0xA0A0A0;  // disabled tick and dot
inline constexpr TColor kNodeFrame = 0x8A7868;          // node box frame
inline constexpr TColor kNodeShade = 0xE6DCD2;          // node box lower inside
inline constexpr TColor kNodeSign = 0x402810;           // plus, minus and leaf triangles
