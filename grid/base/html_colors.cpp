#include "grid/base/html_colors.h"

#include <array>

namespace {

struct NamedColor {
  const char16_t* name;
  TColor value;
};

constexpr std::array<NamedColor, 16> kPlainColors = {{
    {u"clred", clRed},       {u"clblack", clBlack},   {u"clblue", clBlue},     {u"clgreen", clGreen},
    {u"claqua", clAqua},     {u"clyellow", clYellow}, {u"clfuchsia", clFuchsia}, {u"clwhite", clWhite},
    {u"clsilver", clSilver}, {u"clgray", clGray},     {u"clolive", clOlive},   {u"clnavy", clNavy},
    {u"clpurple", clPurple}, {u"clteal", clTeal},     {u"clmaroon", clMaroon}, {u"cllime", clLime},
}};

constexpr std::array<NamedColor, 24> kSystemColorNames = {{
    {u"clbackground", clBackground},
    {u"clactivecaption", clActiveCaption},
    {u"clinactivecaption", clInactiveCaption},
    {u"clmenu", clMenu},
    {u"clwindow", clWindow},
    {u"clwindowframe", clWindowFrame},
    {u"clmenutext", clMenuText},
    {u"clwindowtext", clWindowText},
    {u"clcaptiontext", clCaptionText},
    {u"clactiveborder", clActiveBorder},
    {u"clinactiveborder", clInactiveBorder},
    {u"clappworkspace", clAppWorkSpace},
    {u"clhighlight", clHighlight},
    {u"clhighlighttext", clHighlightText},
    {u"clbtnface", clBtnFace},
    {u"clbtnshadow", clBtnShadow},
    {u"clgraytext", clGrayText},
    {u"clbtntext", clBtnText},
    {u"clinactivecaptiontext", clInactiveCaptionText},
    {u"clbtnhighlight", clBtnHighlight},
    {u"cl3ddkshadow", cl3DDkShadow},
    {u"cl3dlight", cl3DLight},
    {u"clinfotext", clInfoText},
    {u"clinfobk", clInfoBk},
}};

TColor highlightBackground = clHighlight;
TColor highlightText = clHighlightText;

int hexValue(QChar c) {
  const char16_t u = c.unicode();
  return u >= u'A' ? u - u'A' + 10 : u - u'0';
}

}  // namespace

TColor ColorFromName(const QString& Name) {
  for (const NamedColor& c : kPlainColors)
    if (Name == QStringView(c.name)) return c.value;
  for (const NamedColor& c : kSystemColorNames)
    if (Name == QStringView(c.name)) return c.value;
  return clBlack;
}

int HexPairToInt(const QString& Text) {
  if (Text.size() < 2) return 0;
  return hexValue(Text[0]) * 16 + hexValue(Text[1]);
}

TColor HtmlHexToColor(const QString& Text) {
  const int r = HexPairToInt(Text.mid(1, 2));
  const int g = HexPairToInt(Text.mid(3, 2));
  const int b = HexPairToInt(Text.mid(5, 2));
  // Unsigned arithmetic: malformed digits may give negative pair values.
  return static_cast<TColor>(static_cast<uint32_t>(r) + (static_cast<uint32_t>(g) << 8) +
                             (static_cast<uint32_t>(b) << 16));
}

void SetHtmlHighlightColors(TColor Background, TColor TextColor) {
  highlightBackground = Background;
  highlightText = TextColor;
}

TColor HtmlHighlightBackground() { return highlightBackground; }
TColor HtmlHighlightTextColor() { return highlightText; }

QString ColorToHtmlHex(TColor Color) {
  const TColor rgb = ColorToRGB(Color);
  return QStringLiteral("%1%2%3")
      .arg(GetRValue(rgb), 2, 16, QLatin1Char('0'))
      .arg(GetGValue(rgb), 2, 16, QLatin1Char('0'))
      .arg(GetBValue(rgb), 2, 16, QLatin1Char('0'))
      .toUpper();
}
