// TExStringGrid: the look presets (colours and styles set in one step), the
// looks' names, the link display settings and the display text that turns
// addresses inside texts into links.
#include "grid/base/url_text.h"
#include "grid/view/ex_string_grid.h"

namespace {

struct TLookName {
  TGridLook look;
  const char* identifier;
  const char* displayName;
};

constexpr TLookName kLookNames[] = {
    {glStandard, "glStandard", "Standard"},     {glSoft, "glSoft", "Soft"},
    {glClassic, "glClassic", "Classic"},        {glVOD, "glVOD", "VOD"},
    {glXP, "glXP", "Windows XP"},               {glListView, "glListView", "ListView"},
    {glVista, "glVista", "Windows Vista"},      {glWin7, "glWin7", "Windows 7"},
    {glOffice2007, "glOffice2007", "Office2007"},
};

const TLookName* NameOf(TGridLook look) {
  for (const TLookName& n : kLookNames)
    if (n.look == look) return &n;
  return nullptr;
}

// The looks that take a suite style of their own.
struct TStyledLook {
  TGridLook look;
  TSuiteStyle style;
  TGridSelectionStyle selection;
};
constexpr TStyledLook kStyledLooks[] = {
    {glVista, tsWindowsVista, ssVista},
    {glWin7, tsWindows7, ssWin7},
    {glOffice2007, tsOffice2007Luna, ssOffice2007},
};

// Prefixes of addresses inside texts, in the order they are tried.
constexpr const char* kLinkPrefixes[] = {"HTTP://", "WWW.", "MAILTO:", "HTTPS://", "NNTP://", "FILE://", "FTP://"};

}  // namespace

void GridLookToString(TGridLook Value, QString& S) {
  if (const TLookName* n = NameOf(Value)) S = QLatin1String(n->identifier);
}

void GridLookDisplayName(TGridLook Value, QString& S) {
  if (const TLookName* n = NameOf(Value)) S = QLatin1String(n->displayName);
}

void TExStringGrid::SetLook(TGridLook Value) {
  // 1.
  if (Value == FLook) return;
  FLook = Value;
  // 2.
  if (Value != glCustom) {
    FControlLook->SetFixedGradientMirrorFrom(clNone);
    FControlLook->SetFixedGradientMirrorTo(clNone);
    FControlLook->SetFixedGradientFrom(clNone);
    FControlLook->SetFixedGradientTo(clNone);
    VODGradientFrom = VODGradientTo = VODGradientMirrorFrom = VODGradientMirrorTo = clNone;
    FSortSettings->SetHeaderColor(clNone);
  }
  // 3.
  bool styled = false;
  for (const TStyledLook& s : kStyledLooks) {
    if (s.look != Value) continue;
    SetStyle(static_cast<TExGridStyle>(s.style));
    FLook = Value;  // the style may choose a look of its own
    ComponentStyle = s.style;
    SetSelectionStyle(s.selection);
    styled = true;
  }
  if (!styled && Value != glCustom) {
    // a. (The drop-down editors take the XP component style when they exist.)
    // b.
    SetSelectionStyle(ssDefault);
    // c.
    if (!Loading()) {
      const bool plain = Value == glStandard || Value == glSoft || Value == glClassic;
      if (plain) {
        SetFixedColor(clBtnFace);
        FControlLook->SetFixedGradientFrom(clBtnFace);
        FControlLook->SetFixedGradientTo(clNone);
      } else {
        FControlLook->SetFixedGradientFrom(clWhite);
        FControlLook->SetFixedGradientTo(clBtnFace);
      }
      SetGridFixedLineColor(clGray);
      FControlLook->SetFixedGradientMirrorFrom(clNone);
      FControlLook->SetFixedGradientMirrorTo(clNone);
      VODGradientMirrorFrom = VODGradientMirrorTo = clNone;
      SetGridFixedLineColor(clGray);
      SetGridLineColor(clSilver);
      if (Value == glVOD || Value == glXP) {
        SetActiveCellColor(0xEACAB6);
        SetActiveCellColorTo(clNone);
        SetSelectionColor(0xEACAB6);
        SetSelectionColorTo(clNone);
        SetSelectionTextColor(clBlack);
        FSearchFooter->SetColor(VODGradientFrom);
        FSearchFooter->SetColorTo(VODGradientTo);
        FControlLook->SetFixedGradientFrom(clWhite);
        FControlLook->SetFixedGradientTo(Value == glXP ? clBtnFace : clSilver);
        FControlLook->SetFixedGradientHoverFrom(0xCFD0D1);
        FControlLook->SetFixedGradientHoverTo(0xBEC6C8);
        FControlLook->SetFixedGradientHoverMirrorFrom(0xBEC6C8);
        FControlLook->SetFixedGradientHoverMirrorTo(0xABBCBF);
        FControlLook->SetFixedGradientDownFrom(0x868788);
        FControlLook->SetFixedGradientDownTo(0x737C7E);
        FControlLook->SetFixedGradientDownMirrorFrom(0x737C7E);
        FControlLook->SetFixedGradientDownMirrorTo(0x627376);
      } else {
        SetActiveCellColor(clGray);
        SetActiveCellColorTo(clNone);
        SetSelectionColor(clHighlight);
        SetSelectionTextColor(clHighlightText);
        FSearchFooter->SetColor(clBtnFace);
        FSearchFooter->SetColorTo(clBtnFace);
      }
    }
  }
  // 4. Every look.
  SetScrollType(ssNormal);
  BorderStyle = bsSingle;
  SetBorderColor(0xB99D7F);
  Invalidate();
  if (!Loading()) UpdateFooter();
}

// --- link display ---

void TExStringGrid::SetURLColor(TColor Value) {
  if (Value == URLColor) return;
  URLColor = Value;
  if (URLShow) Invalidate();
}

void TExStringGrid::SetURLShow(bool Value) {
  if (Value == URLShow) return;
  URLShow = Value;
  Invalidate();
}

void TExStringGrid::SetURLShowInText(bool Value) {
  if (Value == URLShowInText) return;
  URLShowInText = Value;
  Invalidate();
}

void TExStringGrid::SetURLFull(bool Value) {
  URLFull = Value;
  if (URLShow) Invalidate();
}

void TExStringGrid::SetVODGradientFrom(TColor Value) {
  VODGradientFrom = ColorToRGB(Value);
  Invalidate();
}

void TExStringGrid::SetVODGradientTo(TColor Value) {
  VODGradientTo = ColorToRGB(Value);
  Invalidate();
}

void TExStringGrid::SetVODGradientMirrorFrom(TColor Value) {
  VODGradientMirrorFrom = ColorToRGB(Value);
  Invalidate();
}

void TExStringGrid::SetVODGradientMirrorTo(TColor Value) {
  VODGradientMirrorTo = ColorToRGB(Value);
  Invalidate();
}

void TExStringGrid::DoGetDisplText(int ACol, int ARow, QString& Value) {
  // 1.
  TBaseGrid::DoGetDisplText(ACol, ARow, Value);
  // 2.
  if (URLShowInText) {
    QString linked;
    for (const char* prefix : kLinkPrefixes)
      if (AutoLinkUrl(Value, QLatin1String(prefix), linked)) {
        Value = linked;
        break;
      }
  }
  // 3. (Group counts come with the node rows.)
}
