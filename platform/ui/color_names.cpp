#include "platform/ui/color_names.h"

#include <array>

#include "platform/rtl/numbers.h"
#include "platform/rtl/strings.h"

namespace {

struct TColorName {
  TColor Color;
  const char* Name;
};

constexpr std::array<TColorName, 52> kColorNames{{
    {clBlack, "clBlack"},
    {clMaroon, "clMaroon"},
    {clGreen, "clGreen"},
    {clOlive, "clOlive"},
    {clNavy, "clNavy"},
    {clPurple, "clPurple"},
    {clTeal, "clTeal"},
    {clGray, "clGray"},
    {clSilver, "clSilver"},
    {clRed, "clRed"},
    {clLime, "clLime"},
    {clYellow, "clYellow"},
    {clBlue, "clBlue"},
    {clFuchsia, "clFuchsia"},
    {clAqua, "clAqua"},
    {clWhite, "clWhite"},
    {clMoneyGreen, "clMoneyGreen"},
    {clSkyBlue, "clSkyBlue"},
    {clCream, "clCream"},
    {clMedGray, "clMedGray"},
    {clActiveBorder, "clActiveBorder"},
    {clActiveCaption, "clActiveCaption"},
    {clAppWorkSpace, "clAppWorkSpace"},
    {clBackground, "clBackground"},
    {clBtnFace, "clBtnFace"},
    {clBtnHighlight, "clBtnHighlight"},
    {clBtnShadow, "clBtnShadow"},
    {clBtnText, "clBtnText"},
    {clCaptionText, "clCaptionText"},
    {clDefault, "clDefault"},
    {clGradientActiveCaption, "clGradientActiveCaption"},
    {clGradientInactiveCaption, "clGradientInactiveCaption"},
    {clGrayText, "clGrayText"},
    {clHighlight, "clHighlight"},
    {clHighlightText, "clHighlightText"},
    {clHotLight, "clHotLight"},
    {clInactiveBorder, "clInactiveBorder"},
    {clInactiveCaption, "clInactiveCaption"},
    {clInactiveCaptionText, "clInactiveCaptionText"},
    {clInfoBk, "clInfoBk"},
    {clInfoText, "clInfoText"},
    {clMenu, "clMenu"},
    {clMenuBar, "clMenuBar"},
    {clMenuHighlight, "clMenuHighlight"},
    {clMenuText, "clMenuText"},
    {clNone, "clNone"},
    {clScrollBar, "clScrollBar"},
    {cl3DDkShadow, "cl3DDkShadow"},
    {cl3DLight, "cl3DLight"},
    {clWindow, "clWindow"},
    {clWindowFrame, "clWindowFrame"},
    {clWindowText, "clWindowText"},
}};

}  // namespace

bool ColorToIdent(TColor Color, QString& Ident) {
  for (const TColorName& n : kColorNames)
    if (n.Color == Color) {
      Ident = QLatin1String(n.Name);
      return true;
    }
  return false;
}

bool IdentToColor(const QString& Ident, TColor& Color) {
  for (const TColorName& n : kColorNames)
    if (SameText(Ident, QLatin1String(n.Name))) {
      Color = n.Color;
      return true;
    }
  return false;
}

QString ColorToString(TColor Color) {
  QString name;
  if (ColorToIdent(Color, name)) return name;
  return u'$' + IntToHex(static_cast<uint32_t>(Color), 8);
}

bool TryStringToColor(const QString& Text, TColor& Color) {
  if (IdentToColor(Text, Color)) return true;
  int32_t v = 0;
  if (!TryStrToInt(Text, v)) return false;
  Color = v;
  return true;
}
