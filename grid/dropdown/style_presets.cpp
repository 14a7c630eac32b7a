#include "grid/dropdown/style_presets.h"

#include "grid/dropdown/ex_button.h"
#include "grid/dropdown/ex_drop_down.h"
#include "grid/dropdown/item_selector.h"

namespace {

// A table entry that leaves its colour as it is.
constexpr TColor kKeep = 0x7FFFFFFF;

void Put(TColor& field, TColor value) {
  if (value != kKeep) field = value;
}

struct PopupRow {
  TColor color, colorTo, border;
  TColor headColor, headColorTo, headFont, headBorder;
  TColor footColor, footColorTo, footFont, footBorder;
};

// Indexed by TSuiteStyle; the tsCustom row is never applied.
constexpr PopupRow kPopup[] = {
    {0xFFFFFF, clNone, kKeep, 0xFCE1CB, 0xE0A57D, 0x000000, 0x000000, 0xFCE1CB, 0xE0A57D, 0x000000, 0x962D00},
    {0xFFFFFF, clNone, kKeep, 0xECE2E1, 0xB39698, 0x000000, 0x947C7C, 0xECE2E1, 0xB39698, 0x000000, 0x947C7C},
    {0xFFFFFF, clNone, clNone, 0xCFF0EA, 0x8CC0B1, 0x000000, 0x588060, 0xCFF0EA, 0x8CC0B1, 0x000000, 0x588060},
    {0xF2F2F2, 0xF2F2F2, clNone, 0x808080, 0x808080, 0xFFFFFF, 0x808080, 0x808080, 0x808080, 0xFFFFFF, 0x808080},
    {0xF3E5DA, 0xF0DED0, clNone, 0xFFEFE3, 0xFFD2AF, 0x723708, 0xFFD2AF, 0xFFEFE3, 0xFFD2AF, 0x723708, 0xFFD2AF},
    {0xFFFFFF, clNone, clNone, 0xF2F1F0, 0xC9C2BD, 0x433C37, 0x5C534C, 0xF2F1F0, 0xC9C2BD, 0x433C37, 0x5C534C},
    {0xFFFFFF, clNone, kKeep, 0xFFFFFF, clBtnFace, 0x000000, 0x808080, 0xFFFFFF, clBtnFace, 0x000000, 0x808080},
    {0xF5F9FA, 0xF5F9FA, clNone, 0xEBEEEF, 0x7E9898, 0xFFFFFF, 0x962D00, 0xEBEEEF, 0x7E9898, 0xFFFFFF, 0x962D00},
    {kKeep, kKeep, kKeep, kKeep, kKeep, kKeep, kKeep, kKeep, kKeep, kKeep, kKeep},
    {0xF8F4F1, 0xF0E8E3, clNone, 0xF8F7F6, 0xE8E0DB, 0x8B4215, 0x74706F, 0xF8F7F6, 0xE8E0DB, 0x8B4215, 0x74706F},
    {0xFFFFFF, 0xFFFFFF, 0x979797, 0xFFFDF9, 0xFFFAF0, 0x000000, 0xFCF2DA, 0xFFFAF0, 0xFFFDF9, 0x000000, 0xFCF2DA},
    {0xFFFFFF, 0xFFFFFF, 0x979797, 0xFDFBFA, 0xFDF3EB, 0x000000, 0xFBD6B8, 0xFDFBFA, 0xFDF3EB, 0x000000, 0xFBD6B8},
    {0xFFFFFF, 0xFFFFFF, 0x808080, clBtnFace, clBtnFace, 0x000000, clNone, clBtnFace, clBtnFace, 0x000000, clNone},
    {0xFFFFFF, 0xF1EFED, 0xEDEDEC, 0xFDF6EF, 0xF0DAC7, 0x5B391E, 0xC7B29F, 0xFDF6EF, 0xF0DAC7, 0x5B391E, 0xC7B29F},
    {0xFFFFFF, 0xF1EFED, 0xEDEDEC, 0xFFFFFF, 0xEDE5E0, 0x5B391E, 0xD2CDC8, 0xFFFFFF, 0xEDE5E0, 0x5B391E, 0xD2CDC8},
    {0xFFFFFF, 0xF1EFED, 0xEDEDEC, 0xBFBFBF, 0x919191, 0xD7D7D6, 0x6D6D6D, 0xBFBFBF, 0x919191, 0xD7D7D6, 0x6D6D6D},
};

// Hot, hot-to, hot border, down, down-to, down border, disabled, disabled-to,
// checked, checked-to, checked border.
struct ButtonStates {
  TColor v[11];
};
constexpr ButtonStates kSetA = {
    {0xEBFDFF, 0xACECFF, 0x99CEDB, 0xAAD9FF, 0x6EBBFF, 0x42AEFE, 0xF2F2F2, 0xB6B6B6, 0x76AFF1, 0x4190F3, 0x45667B}};
constexpr ButtonStates kSetO = {
    {0xD9F9FD, 0x8AE3FD, 0x308AC2, 0x7BEEFF, 0x6CD0FF, 0x308AC2, 0xF2F2F2, 0xB6B6B6, 0x7BEEFF, 0x6CD0FF, 0x308AC2}};

struct ButtonRow {
  TColor color, colorTo, border;
  ButtonStates states;
};

// The checked border of the Vista row is its down border: the preset family's
// own colour for a pressed-in face.
constexpr TColor kVistaCheckedBorder = 0xFEDF9A;

constexpr ButtonRow kButton[] = {
    {0xFCE1CB, 0xE0A57D, clNone, kSetA},
    {0xECE2E1, 0xB39698, clNone, kSetA},
    {0xCFF0EA, 0x8CC0B1, clNone, kSetA},
    {0xFFFFFF, 0xC9D1D5, clNone,
     {{0xD2BDB6, 0xD2BDB6, 0x808080, 0xB59285, 0xB59285, 0x808080, 0xD8D5D4, 0xD8D5D4, 0xD8D5D4, 0xD8D5D4, 0x808080}}},
    {0xFFEFE3, 0xFFDDC4, clNone, kSetA},
    {0xF2F1F0, 0xC9C2BD, clNone, kSetA},
    {0xFFFFFF, clBtnFace, clNone,
     {{0xEFD3C6, 0xEFD3C6, clHighlight, clInactiveCaption, clInactiveCaption, clHighlight, 0xB6B6B6, 0xB6B6B6, 0xB9D8DC,
       0xB9D8DC, 0x000000}}},
    {0xFFFFFF, 0xDFEDF0, clNone, kSetA},
    {kKeep, kKeep, kKeep, {{kKeep, kKeep, kKeep, kKeep, kKeep, kKeep, kKeep, kKeep, kKeep, kKeep, kKeep}}},
    {0xF9F8F8, 0xE4E2DF, clNone, kSetA},
    {0xFFFDF9, 0xFFFAF0, 0xFCF2DA,
     {{0xFEF9F0, 0xFFFAF0, 0xFCF2DA, 0xFEF9F0, 0xFDF0D7, 0xFEDF9A, 0xFFFFFF, 0xFFFFFF, 0xFEF9F0, 0xFDF0D7,
       kVistaCheckedBorder}}},
    {0xFDFBFA, 0xFDF3EB, 0xFBD6B8,
     {{0xFDFBFA, 0xFDF3EB, 0xFBD6B8, 0xFCEBDC, 0xFCDBC1, 0xCEA27D, 0xFFFFFF, 0xFFFFFF, 0xFEF9F0, 0xFCDBC1, 0xCEA27D}}},
    {clBtnFace, clBtnFace, clNone,
     {{0xC0C0C0, 0xC0C0C0, 0x808080, clHighlight, clHighlight, 0x808080, clBtnFace, clBtnFace, clBtnFace, clBtnFace,
       clHighlight}}},
    {0xFDF6EF, 0xF0DAC7, 0xC7B29F, kSetO},
    {0xFFFFFF, 0xEDE5E0, 0xD2CDC8, kSetO},
    {0xBFBFBF, 0x919191, 0xD7D7D6, kSetO},
};

// Hot, hot-to, mirror hot, mirror hot-to, selected, selected-to, mirror
// selected, mirror selected-to, border, border top, border bottom, edge,
// selected text.
struct ItemRow {
  TColor v[13];
};
constexpr ItemRow kItemBlue = {{0xEBFDFF, 0xACECFF, 0x59DAFF, 0xA4E9FF, 0xAAD9FF, 0x6EBBFF, 0x42AEFE, 0x7AE1FE,
                                0x42AEFE, clNone, clNone, clNone, 0x000000}};
constexpr ItemRow kItemLuna = {{0xEBFDFF, 0xACECFF, 0x59DAFF, 0xA4E9FF, 0xAAD9FF, 0x6EBBFF, 0x42AEFE, 0x7AE1FE,
                                0x42AEFE, 0xF4FEFF, 0xCAF8FF, 0xC3D9DF, 0x000000}};
constexpr ItemRow kItem2010 = {{0xD9F9FD, 0x8AE3FD, 0x8AE3FD, 0xD9F9FD, 0x7BEEFF, 0x6CD0FF, 0x6CD0FF, 0x7BEEFF,
                                0x308AC2, clNone, clNone, clNone, 0x000000}};
constexpr ItemRow kItem[] = {
    kItemBlue,
    kItemBlue,
    kItemBlue,
    {{0xD2BDB6, 0xD2BDB6, clNone, clNone, 0xB59285, 0xB59285, clNone, clNone, 0x808080, clNone, clNone, clNone,
      0x000000}},
    kItemLuna,
    kItemLuna,
    {{0xEFD3C6, 0xEFD3C6, clNone, clNone, clHighlight, clNone, clNone, clNone, clHighlight, clNone, clNone, clNone,
      clHighlightText}},
    kItemBlue,
    {{kKeep, kKeep, kKeep, kKeep, kKeep, kKeep, kKeep, kKeep, kKeep, kKeep, kKeep, kKeep, kKeep}},
    kItemLuna,
    {{0xFFFDF9, 0xFFFAF0, clNone, clNone, 0xFEF9F0, 0xFDF0D7, clNone, clNone, 0xFEDF9A, 0xFDFBF6, 0xFDF5E7, 0xFCEDCB,
      0x000000}},
    {{0xFDFBFA, 0xFDF3EB, clNone, clNone, 0xFCEBDC, 0xFCDBC1, clNone, clNone, 0xCEA27D, 0xFDF4EB, 0xFDEADB, 0xE0C5AE,
      0x000000}},
    {{0xC0C0C0, 0xC0C0C0, clNone, clNone, clHighlight, clNone, clNone, clNone, 0x808080, clNone, clNone, clNone,
      clHighlightText}},
    kItem2010,
    kItem2010,
    kItem2010,
};

static_assert(std::size(kPopup) == tsOffice2010Black + 1);
static_assert(std::size(kButton) == tsOffice2010Black + 1);
static_assert(std::size(kItem) == tsOffice2010Black + 1);

}  // namespace

void ApplyPopupPreset(TExCustomDropDown& d, TSuiteStyle Style) {
  if (Style == tsCustom) return;
  const PopupRow& r = kPopup[Style];
  Put(d.DropDownColor, r.color);
  Put(d.DropDownColorTo, r.colorTo);
  Put(d.DropDownBorderColor, r.border);
  THeaderAppearance* h = d.DropDownHeader();
  h->Color = r.headColor;
  h->ColorTo = r.headColorTo;
  h->Font()->SetColor(r.headFont);
  h->BorderColor = r.headBorder;
  TFooterAppearance* f = d.DropDownFooter();
  f->Color = r.footColor;
  f->ColorTo = r.footColorTo;
  f->Font()->SetColor(r.footFont);
  f->BorderColor = r.footBorder;
}

void ApplyButtonPreset(TExButtonAppearance& a, TSuiteStyle Style) {
  if (Style == tsCustom) return;
  const ButtonRow& r = kButton[Style];
  a.SetColor(r.color);
  a.SetColorTo(r.colorTo);
  a.SetBorderColor(r.border);
  const TColor* s = r.states.v;
  a.SetColorHot(s[0]);
  a.SetColorHotTo(s[1]);
  a.SetBorderColorHot(s[2]);
  a.SetColorDown(s[3]);
  a.SetColorDownTo(s[4]);
  a.SetBorderColorDown(s[5]);
  a.SetColorDisabled(s[6]);
  a.SetColorDisabledTo(s[7]);
  a.SetColorChecked(s[8]);
  a.SetColorCheckedTo(s[9]);
  a.SetBorderColorChecked(s[10]);
}

void SetItemAppearanceStyle(TItemAppearance* a, TSuiteStyle Style) {
  if (!a || Style == tsCustom) return;
  a->BorderColorHot = clNone;
  a->BorderColorSelected = clNone;
  a->ColorSelectedText = 0x000000;
  a->ColorHotText = 0x000000;
  const TColor* v = kItem[Style].v;
  a->ColorHot = v[0];
  a->ColorHotTo = v[1];
  a->ColorMirrorHot = v[2];
  a->ColorMirrorHotTo = v[3];
  a->ColorSelected = v[4];
  a->ColorSelectedTo = v[5];
  a->ColorMirrorSelected = v[6];
  a->ColorMirrorSelectedTo = v[7];
  a->BorderColor = v[8];
  a->BorderColorTop = v[9];
  a->BorderColorBottom = v[10];
  a->EdgeColor = v[11];
  a->ColorSelectedText = v[12];
}
