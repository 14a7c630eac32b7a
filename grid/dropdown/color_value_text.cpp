#include "grid/dropdown/color_value_text.h"

namespace {

struct WebColor {
  const char* name;
  unsigned rgb;  // RRGGBB
};
// The named web colours (one name per colour value).
constexpr WebColor kWebColors[] = {
    {"clWebAliceBlue", 0xF0F8FF},
    {"clWebAntiqueWhite", 0xFAEBD7},
    {"clWebAqua", 0x00FFFF},
    {"clWebAquamarine", 0x7FFFD4},
    {"clWebAzure", 0xF0FFFF},
    {"clWebBeige", 0xF5F5DC},
    {"clWebBisque", 0xFFE4C4},
    {"clWebBlack", 0x000000},
    {"clWebBlanchedAlmond", 0xFFEBCD},
    {"clWebBlue", 0x0000FF},
    {"clWebBlueViolet", 0x8A2BE2},
    {"clWebBrown", 0xA52A2A},
    {"clWebBurlyWood", 0xDEB887},
    {"clWebCadetBlue", 0x5F9EA0},
    {"clWebChartreuse", 0x7FFF00},
    {"clWebChocolate", 0xD2691E},
    {"clWebCoral", 0xFF7F50},
    {"clWebCornflowerBlue", 0x6495ED},
    {"clWebCornSilk", 0xFFF8DC},
    {"clWebCrimson", 0xDC143C},
    {"clWebDarkBlue", 0x00008B},
    {"clWebDarkCyan", 0x008B8B},
    {"clWebDarkGoldenrod", 0xB8860B},
    {"clWebDarkGray", 0xA9A9A9},
    {"clWebDarkGreen", 0x006400},
    {"clWebDarkKhaki", 0xBDB76B},
    {"clWebDarkMagenta", 0x8B008B},
    {"clWebDarkOliveGreen", 0x556B2F},
    {"clWebDarkOrange", 0xFF8C00},
    {"clWebDarkOrchid", 0x9932CC},
    {"clWebDarkRed", 0x8B0000},
    {"clWebDarkSalmon", 0xE9967A},
    {"clWebDarkSeaGreen", 0x8FBC8F},
    {"clWebDarkSlateBlue", 0x483D8B},
    {"clWebDarkSlateGray", 0x2F4F4F},
    {"clWebDarkTurquoise", 0x00CED1},
    {"clWebDarkViolet", 0x9400D3},
    {"clWebDeepPink", 0xFF1493},
    {"clWebDeepSkyBlue", 0x00BFFF},
    {"clWebDimGray", 0x696969},
    {"clWebDodgerBlue", 0x1E90FF},
    {"clWebFireBrick", 0xB22222},
    {"clWebFloralWhite", 0xFFFAF0},
    {"clWebForestGreen", 0x228B22},
    {"clWebFuchsia", 0xFF00FF},
    {"clWebGainsboro", 0xDCDCDC},
    {"clWebGhostWhite", 0xF8F8FF},
    {"clWebGold", 0xFFD700},
    {"clWebGoldenrod", 0xDAA520},
    {"clWebGray", 0x808080},
    {"clWebGreen", 0x008000},
    {"clWebGreenYellow", 0xADFF2F},
    {"clWebHoneyDew", 0xF0FFF0},
    {"clWebHotPink", 0xFF69B4},
    {"clWebIndianRed", 0xCD5C5C},
    {"clWebIndigo", 0x4B0082},
    {"clWebIvory", 0xFFFFF0},
    {"clWebKhaki", 0xF0E68C},
    {"clWebLavender", 0xE6E6FA},
    {"clWebLavenderBlush", 0xFFF0F5},
    {"clWebLawnGreen", 0x7CFC00},
    {"clWebLemonChiffon", 0xFFFACD},
    {"clWebLightBlue", 0xADD8E6},
    {"clWebLightCoral", 0xF08080},
    {"clWebLightCyan", 0xE0FFFF},
    {"clWebLightGoldenrodYellow", 0xFAFAD2},
    {"clWebLightGray", 0xD3D3D3},
    {"clWebLightGreen", 0x90EE90},
    {"clWebLightPink", 0xFFB6C1},
    {"clWebLightSalmon", 0xFFA07A},
    {"clWebLightSeaGreen", 0x20B2AA},
    {"clWebLightSkyBlue", 0x87CEFA},
    {"clWebLightSlateGray", 0x778899},
    {"clWebLightSteelBlue", 0xB0C4DE},
    {"clWebLightYellow", 0xFFFFE0},
    {"clWebLime", 0x00FF00},
    {"clWebLimeGreen", 0x32CD32},
    {"clWebLinen", 0xFAF0E6},
    {"clWebMaroon", 0x800000},
    {"clWebMediumAquamarine", 0x66CDAA},
    {"clWebMediumBlue", 0x0000CD},
    {"clWebMediumOrchid", 0xBA55D3},
    {"clWebMediumPurple", 0x9370DB},
    {"clWebMediumSeaGreen", 0x3CB371},
    {"clWebMediumSlateBlue", 0x7B68EE},
    {"clWebMediumSpringGreen", 0x00FA9A},
    {"clWebMediumTurquoise", 0x48D1CC},
    {"clWebMediumVioletRed", 0xC71585},
    {"clWebMidnightBlue", 0x191970},
    {"clWebMintCream", 0xF5FFFA},
    {"clWebMistyRose", 0xFFE4E1},
    {"clWebMoccasin", 0xFFE4B5},
    {"clWebNavajoWhite", 0xFFDEAD},
    {"clWebNavy", 0x000080},
    {"clWebOldLace", 0xFDF5E6},
    {"clWebOlive", 0x808000},
    {"clWebOliveDrab", 0x6B8E23},
    {"clWebOrange", 0xFFA500},
    {"clWebOrangeRed", 0xFF4500},
    {"clWebOrchid", 0xDA70D6},
    {"clWebPaleGoldenrod", 0xEEE8AA},
    {"clWebPaleGreen", 0x98FB98},
    {"clWebPaleTurquoise", 0xAFEEEE},
    {"clWebPaleVioletRed", 0xDB7093},
    {"clWebPapayaWhip", 0xFFEFD5},
    {"clWebPeachPuff", 0xFFDAB9},
    {"clWebPeru", 0xCD853F},
    {"clWebPink", 0xFFC0CB},
    {"clWebPlum", 0xDDA0DD},
    {"clWebPowderBlue", 0xB0E0E6},
    {"clWebPurple", 0x800080},
    {"clWebRed", 0xFF0000},
    {"clWebRosyBrown", 0xBC8F8F},
    {"clWebRoyalBlue", 0x4169E1},
    {"clWebSaddleBrown", 0x8B4513},
    {"clWebSalmon", 0xFA8072},
    {"clWebSandyBrown", 0xF4A460},
    {"clWebSeaGreen", 0x2E8B57},
    {"clWebSeaShell", 0xFFF5EE},
    {"clWebSienna", 0xA0522D},
    {"clWebSilver", 0xC0C0C0},
    {"clWebSkyBlue", 0x87CEEB},
    {"clWebSlateBlue", 0x6A5ACD},
    {"clWebSlateGray", 0x708090},
    {"clWebSnow", 0xFFFAFA},
    {"clWebSpringGreen", 0x00FF7F},
    {"clWebSteelBlue", 0x4682B4},
    {"clWebTan", 0xD2B48C},
    {"clWebTeal", 0x008080},
    {"clWebThistle", 0xD8BFD8},
    {"clWebTomato", 0xFF6347},
    {"clWebTurquoise", 0x40E0D0},
    {"clWebViolet", 0xEE82EE},
    {"clWebWheat", 0xF5DEB3},
    {"clWebWhite", 0xFFFFFF},
    {"clWebWhiteSmoke", 0xF5F5F5},
    {"clWebYellow", 0xFFFF00},
    {"clWebYellowGreen", 0x9ACD32},};

int Red(TColor c) { return c & 0xFF; }
int Green(TColor c) { return (c >> 8) & 0xFF; }
int Blue(TColor c) { return (c >> 16) & 0xFF; }

QString Hex2(int v) { return QStringLiteral("%1").arg(v, 2, 16, QLatin1Char('0')).toUpper(); }

QString HtmlText(TColor c) { return QStringLiteral("#") + Hex2(Red(c)) + Hex2(Green(c)) + Hex2(Blue(c)); }

}  // namespace

int WebColorCount() { return static_cast<int>(std::size(kWebColors)); }

QString WebColorName(TColor Color) {
  const TColor c = ColorToRGB(Color);
  const unsigned rgb = (static_cast<unsigned>(Red(c)) << 16) | (Green(c) << 8) | Blue(c);
  for (const WebColor& w : kWebColors)
    if (w.rgb == rgb) return QString::fromLatin1(w.name);
  return HtmlText(c);
}

QString ColorValueText(TColor Color, TColorValueText Kind) {
  switch (Kind) {
    case cvtNone: return QString();
    case cvtHex: return QStringLiteral("%1").arg(static_cast<unsigned>(Color), 6, 16, QLatin1Char('0')).toUpper();
    case cvtWebName: return WebColorName(Color);
    case cvtRGB: {
      const TColor c = ColorToRGB(Color);
      return QStringLiteral("Red:%1,Green:%2,Blue:%3").arg(Red(c)).arg(Green(c)).arg(Blue(c));
    }
    case cvtHTML: return HtmlText(ColorToRGB(Color));
  }
  return QString();
}
