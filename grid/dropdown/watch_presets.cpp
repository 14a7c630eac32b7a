// The clock's appearance objects, its named looks and its colour styles.
#include <cmath>

#include "grid/dropdown/dropdown_drawing.h"
#include "grid/dropdown/watch_appearance.h"
#include "platform/ui/graphics_objects.h"
#include "platform/ui/shapes.h"

namespace {

void SetFont(TFont* f, const char* name, int size, TFontStyles style) {
  f->SetName(QString::fromLatin1(name));
  if (size > 0) f->SetSize(size);
  f->SetStyle(style);
}

// Hour hand c: colour, shadow, 5 px.
void HourHand(TWatchAppearance& a, TColor c) {
  a.SetHourPointer(c);
  a.SetHourPointerShadow(clBtnShadow);
  a.SetHourPointerSize(5);
}

// The ring set of the fluorescent looks: big centre dot, thick double ticks,
// hands and ticks in one colour.
void RingSet(TWatchAppearance& a, TColor c, TWatchShape s) {
  a.SetCenterPointSize(20);
  a.HourFont()->SetColor(clWindowText);
  SetFont(a.HourFont(), "MS Sans Serif", 8, {});
  a.SetHourColor(c);
  a.SetHourMarkLength(10);
  a.SetHourPointer(c);
  a.SetHourPointerShadow(clBtnShadow);
  a.SetHourPointerSize(2);
  a.SetMinuteColor(c);
  a.SetMinutePointer(c);
  a.SetMinutePointerShadow(clBtnShadow);
  a.SetMinutePointerSize(2);
  a.SetShape(s);
  a.SetCenterPointOuterBorderColor(0);
  a.SetHourMarkWidth(2);
  a.SetHourMarkStyle(hmsQuartDblLine);
}

// One row of the colour-style table.
struct ColorStyleRow {
  TSuiteStyle style;
  TColor ampmBorder, ampm, background, backgroundTo, border, centerBorder, center, marks, shadow, second;
};
constexpr ColorStyleRow kColorStyles[] = {
    {tsOffice2003Blue, 0x962D00, 0xD68759, 0xFFD2AF, 0xFFD2AF, 0xD68759, 0xD68759, 0xD68759, 0xD68759, 0xFFFFFF, 0xFFFFFF},
    {tsOffice2003Silver, 0x962D00, 0xBDA4A5, 0xE6D8D8, 0xE6D8D8, 0xBDA4A5, 0xBDA4A5, 0xBDA4A5, 0xBDA4A5, 0xFFFFFF, 0xFFFFFF},
    {tsOffice2003Olive, 0x962D00, 0x82C0AF, 0xB9EAE1, 0xB9EAE1, 0x82C0AF, 0x82C0AF, 0x82C0AF, 0x82C0AF, 0xFFFFFF, 0xFFFFFF},
    {tsOffice2003Classic, 0x962D00, 0x808080, 0xF2F2F2, 0xF2F2F2, 0x808080, 0x808080, 0x808080, 0x808080, 0xFFFFFF, 0x808080},
    {tsOffice2007Luna, 0xF0DED0, 0xF0DED0, 0xFFEFE3, 0xFFEFE3, 0xF0DED0, 0xFFEFE3, 0xFFEFE3, 0x723708, 0xFFFFFF, 0x723708},
    {tsOffice2007Obsidian, 0xF2F1F0, 0x5C534C, 0x5C534C, 0x5C534C, 0xF2F1F0, 0xFFEFE3, 0xFFEFE3, 0xF2F1F0, 0xFFFFFF, 0xF2F1F0},
    {tsWindowsXP, 0, clBtnFace, clBtnFace, clBtnFace, 0, 0, 0, 0, 0xFFFFFF, 0},
    {tsWhidbey, 0x7E9898, 0xF5F9FA, 0xF5F9FA, 0xF5F9FA, 0x7E9898, 0x7E9898, 0x7E9898, 0x7E9898, 0xFFFFFF, 0x7E9898},
    {tsOffice2007Silver, 0xE8E0DB, 0xF8F4F1, 0xF8F4F1, 0xF8F4F1, 0xE8E0DB, 0xE8E0DB, 0x74706F, 0x74706F, 0xFFFFFF, 0x74706F},
    {tsWindowsVista, 0xFEDF9A, 0xFFFDF9, 0xFFFDF9, 0xFFFAF0, 0xFEDF9A, 0xFEDF9A, 0xFEDF9A, 0xFEDF9A, 0xFFFFFF, 0xFEDF9A},
    {tsWindows7, 0xFBD6B8, 0xFDFBFA, 0xFDFBFA, 0xFDF3EB, 0xFBD6B8, 0xFBD6B8, 0xFBD6B8, 0xFBD6B8, 0xFFFFFF, 0xFBD6B8},
    {tsTerminal, 0x808080, clBtnFace, clBtnFace, clBtnFace, 0x808080, 0x808080, 0x808080, 0x808080, 0xFFFFFF, 0x808080},
    {tsOffice2010Blue, 0xC7B29F, 0xF0DAC7, 0xFDF6EF, 0xFDF6EF, 0xC7B29F, 0xC7B29F, 0xC7B29F, 0xC7B29F, 0xFFFFFF, 0xC7B29F},
    {tsOffice2010Silver, 0xD2CDC8, 0xEDE5E0, 0xFFFFFF, 0xFFFFFF, 0xD2CDC8, 0xD2CDC8, 0xD2CDC8, 0xD2CDC8, 0xC0C0C0, 0xD2CDC8},
    {tsOffice2010Black, 0x6D6D6D, 0x919191, 0xBFBFBF, 0xBFBFBF, 0x6D6D6D, 0x6D6D6D, 0x6D6D6D, 0x6D6D6D, 0xFFFFFF, 0x6D6D6D},
};

}  // namespace

// --- appearance ---

TWatchAppearance::TWatchAppearance()
    : FHourFont(std::make_unique<TFont>()), FAMPMFont(std::make_unique<TFont>()),
      FPicture(std::make_unique<TPicture>()) {
  SetDefaults();
  FPicture->OnChange = [this](TObject*) { Changed(); };
}

TWatchAppearance::~TWatchAppearance() { FPicture->OnChange = nullptr; }

void TWatchAppearance::SetDefaults() {
  TWatchAppearance d(nullptr);
  Assign(&d);
}

// The defaults themselves: the member initialisers and two fonts.
TWatchAppearance::TWatchAppearance(std::nullptr_t)
    : FHourFont(std::make_unique<TFont>()), FAMPMFont(std::make_unique<TFont>()),
      FPicture(std::make_unique<TPicture>()) {
  SetFont(FHourFont.get(), "Tahoma", 8, {});
  SetFont(FAMPMFont.get(), "Tahoma", 10, {});
}

void TWatchAppearance::SetHourFont(const TFont* Value) {
  FHourFont->Assign(*Value);
  Changed();
}

void TWatchAppearance::SetAMPMFont(const TFont* Value) {
  FAMPMFont->Assign(*Value);
  Changed();
}

void TWatchAppearance::SetPicture(const TPicture* Value) { FPicture->Assign(Value); }

void TWatchAppearance::Assign(const TPersistent* Source) {
  auto* s = dynamic_cast<const TWatchAppearance*>(Source);
  if (!s) return TPersistent::Assign(Source);
  SetSize(s->FSize);
  SetHourPointer(s->FHourPointer);
  SetMinutePointer(s->FMinutePointer);
  SetSecondPointer(s->FSecondPointer);
  SetHourPointerShadow(s->FHourPointerShadow);
  SetMinutePointerShadow(s->FMinutePointerShadow);
  FSecondPointerShadow = s->FSecondPointerShadow;
  SetBackgroundColor(s->FBackgroundColor);
  SetBackgroundColorTo(s->FBackgroundColorTo);
  SetBackgroundGradient(s->FBackgroundGradient);
  SetBorderColor(s->FBorderColor);
  SetBorderWidth(s->FBorderWidth);
  SetHourFont(s->FHourFont.get());
  SetAMPMFont(s->FAMPMFont.get());
  AMPMColor = s->AMPMColor;
  AMPMBorderColor = s->AMPMBorderColor;
  SetAMPMFrame(s->FAMPMFrame);
  SetShape(s->FShape);
  SetPointerStyle(s->FPointerStyle);
  FBorderStyle = s->FBorderStyle;
  SetHourPointerSize(s->FHourPointerSize);
  SetSecondPointerSize(s->FSecondPointerSize);
  SetMinutePointerSize(s->FMinutePointerSize);
  SetHourColor(s->FHourColor);
  SetMinuteColor(s->FMinuteColor);
  SetCenterPointSize(s->FCenterPointSize);
  SetCenterPointColor(s->FCenterPointColor);
  SetCenterPointBorderColor(s->FCenterPointBorderColor);
  SetCenterPointOuterBorderColor(s->FCenterPointOuterBorderColor);
  FRounding = s->FRounding;
  SetHourMarkLength(s->FHourMarkLength);
  SetHourMarkWidth(s->FHourMarkWidth);
  SetMinuteMarkLength(s->FMinuteMarkLength);
  SetMinuteMarkWidth(s->FMinuteMarkWidth);
  SetTickMarks(s->FTickMarks);
  SetHourMarkStyle(s->FHourMarkStyle);
  SetPicture(s->FPicture.get());
}

void TWatchSettings::Assign(const TPersistent* Source) {
  auto* s = dynamic_cast<const TWatchSettings*>(Source);
  if (!s) return TPersistent::Assign(Source);
  FSecond = s->FSecond;
  FTimeOffset = s->FTimeOffset;
  SetAuto(s->FAuto);
}

// --- named looks ---

TWatchStyleFlags ApplyWatchStyle(TWatchAppearance& a, TWatchStyle Style, int clientW, int clientH) {
  a.SetDefaults();
  TWatchStyleFlags f;
  const TFontStyles regular{}, bold{fsBold};
  switch (Style) {
    case wsClassic:
      SetFont(a.AMPMFont(), "MS Sans Serif", 0, regular);
      SetFont(a.HourFont(), "Comic Sans MS", 10, bold);
      a.SetHourMarkLength(8);
      HourHand(a, 0);
      a.SetMinutePointerShadow(clBtnShadow);
      a.SetMinuteMarkLength(4);
      f.SetsAnimation = true;
      break;
    case wsTower:
      SetFont(a.AMPMFont(), "MS Sans Serif", 0, regular);
      a.SetAMPMFrame(apRect);
      a.SetBorderWidth(1);
      a.SetBackgroundColor(0xB1F0FE);
      a.SetBackgroundColorTo(0x54C9E7);
      a.SetBackgroundGradient(wgDiagonalForward);
      a.SetCenterPointColor(0x002BD5);
      a.SetCenterPointSize(6);
      a.HourFont()->SetColor(clWindowText);
      SetFont(a.HourFont(), "Century", 0, bold);
      HourHand(a, 0);
      a.SetMinutePointerShadow(clBtnShadow);
      a.SetSecondPointer(0x002BD5);
      a.SetShape(wsRect);
      a.SetPointerStyle(psPointer);
      a.SetBackgroundColorTo(0x5BCCE8);
      a.AMPMColor = a.BackgroundColor();
      a.SetTickMarks(tmHours);
      f.SetShowAMPM = false;
      f.ShowNumbers = false;
      break;
    case wsFluorescent:
      a.AMPMFont()->SetColor(clWindowText);
      SetFont(a.AMPMFont(), "MS Sans Serif", 10, regular);
      a.SetAMPMFrame(apRoundRect);
      a.SetBorderColor(0xFF3E3E);
      a.SetBackgroundColor(0);
      a.SetBackgroundColorTo(0);
      a.SetCenterPointColor(0xFF3E3E);
      a.SetCenterPointBorderColor(0);
      a.SetCenterPointOuterBorderColor(0);
      RingSet(a, 0xFF3E3E, wsRoundRect);
      a.SetTickMarks(tmHours);
      f.ShowAMPM = f.ShowNumbers = false;
      break;
    case wsEmerald:
      a.AMPMFont()->SetColor(0xA00000);
      SetFont(a.AMPMFont(), "MS Sans Serif", 0, regular);
      a.SetAMPMFrame(apRoundRect);
      a.SetBorderColor(0x3AE800);
      a.SetBackgroundColor(0x3AE800);
      a.SetBackgroundColorTo(0);
      a.SetBackgroundGradient(wgDiagonalForward);
      a.SetCenterPointBorderColor(0x40FF00);
      a.SetCenterPointColor(0x38E100);
      a.SetCenterPointSize(16);
      SetFont(a.HourFont(), "MS Sans Serif", 0, regular);
      HourHand(a, 0x40FF00);
      a.SetMinutePointer(0x40FF00);
      a.SetMinutePointerShadow(clBtnShadow);
      a.SetShape(wsRect);
      a.SetPointerStyle(psPointer);
      a.AMPMColor = clNone;
      a.HourFont()->SetColor(a.BackgroundColor());
      a.SetCenterPointOuterBorderColor(0);
      a.SetHourMarkStyle(hmsQuartDblLine);
      a.SetHourColor(a.BackgroundColor());
      a.SetSecondPointer(0x00FFFF);
      a.SetTickMarks(tmHours);
      f.ShowAMPM = f.ShowNumbers = false;
      break;
    case wsBlueStar:
      a.AMPMFont()->SetColor(0xA00000);
      SetFont(a.AMPMFont(), "MS Sans Serif", 10, regular);
      a.AMPMBorderColor = clNone;
      a.SetAMPMFrame(apRoundRect);
      a.SetBorderColor(0xFFD5D5);
      a.SetBackgroundColor(0xFFD5D5);
      a.SetBackgroundColorTo(0xA00000);
      a.SetBackgroundGradient(wgRadial);
      a.HourFont()->SetColor(clWindowText);
      SetFont(a.HourFont(), "MS Sans Serif", 8, regular);
      HourHand(a, 0xA00000);
      a.SetMinutePointer(0xA00000);
      a.SetMinutePointerShadow(clBtnShadow);
      a.SetShape(wsRoundRect);
      a.SetPointerStyle(psPointer);
      a.AMPMColor = clNone;
      a.HourFont()->SetColor(a.BackgroundColor());
      break;
    case wsFuchsia:
      a.AMPMFont()->SetColor(clWindowText);
      SetFont(a.AMPMFont(), "MS Sans Serif", 10, regular);
      a.SetAMPMFrame(apRoundRect);
      a.SetBorderColor(0xFFD0FF);
      a.SetBackgroundColor(0);
      a.SetBackgroundColorTo(0);
      a.SetCenterPointBorderColor(0xDD68DD);
      RingSet(a, 0xFFD0FF, wsRect);
      a.SetSecondPointer(0xDD68DD);
      a.SetTickMarks(tmQuartHours);
      f.ShowAMPM = f.ShowNumbers = false;
      break;
    case wsBlack:
      SetFont(a.AMPMFont(), "MS Sans Serif", 0, regular);
      a.SetBackgroundColor(0x202020);
      a.SetBackgroundColorTo(clNone);
      a.SetBorderColor(0);
      a.SetCenterPointBorderColor(0xFFFFFF);
      a.SetCenterPointOuterBorderColor(0xFFFFFF);
      a.SetCenterPointColor(0xFFFFFF);
      a.SetHourColor(0x585858);
      a.HourFont()->SetColor(0xFFFFFF);
      SetFont(a.HourFont(), "Century Gothic", 11, a.HourFont()->Style());
      HourHand(a, 0xFFFFFF);
      a.SetMinuteColor(0x585858);
      a.SetMinutePointer(0xFFFFFF);
      a.SetMinutePointerShadow(clBtnShadow);
      a.SetMinuteMarkLength(4);
      f.ShowAMPM = false;
      break;
    case wsBlackWhite:
      a.SetBackgroundColor(0xFFFFFF);
      a.SetBackgroundColorTo(clNone);
      a.SetBorderColor(0);
      a.SetBorderWidth(8);
      a.SetCenterPointBorderColor(0);
      a.SetCenterPointOuterBorderColor(0);
      a.SetCenterPointColor(0);
      a.SetCenterPointSize(8);
      a.SetHourColor(0x585858);
      a.HourFont()->SetColor(0);
      SetFont(a.HourFont(), "Century Gothic", 14, bold);
      HourHand(a, 0);
      a.SetMinutePointer(0);
      a.SetMinutePointerShadow(clBtnShadow);
      a.SetMinuteMarkLength(4);
      a.SetSecondPointer(0x000080);
      a.SetPointerStyle(psPointer);
      a.SetTickMarks(tmQuartHours);
      f.ShowAMPM = false;
      break;
    case wsGray:
      SetFont(a.AMPMFont(), "MS Sans Serif", 10, a.AMPMFont()->Style());
      a.SetBackgroundColor(0xD1D1D1);
      a.SetBackgroundColorTo(0x6C6C6C);
      a.SetBackgroundGradient(wgRadial);
      a.SetBorderColor(0x454545);
      a.SetCenterPointBorderColor(0x454545);
      a.SetCenterPointColor(0);
      a.SetCenterPointOuterBorderColor(clNone);
      a.SetHourColor(0);
      SetFont(a.HourFont(), "Comic Sans MS", 8, regular);
      a.SetHourPointer(0x4E4E4E);
      a.SetHourPointerShadow(clNone);
      a.SetHourPointerSize(1);
      a.SetMinuteColor(0x808080);
      a.SetMinutePointer(0x4E4E4E);
      a.SetMinutePointerShadow(clNone);
      a.SetMinutePointerSize(1);
      a.SetSecondPointer(0x0000FF);
      break;
    case wsSuperNova: {
      const int m = std::min(clientW, clientH);
      a.SetBackgroundColorTo(0xD1D3D3);
      a.SetBorderColor(clNone);
      a.SetCenterPointOuterBorderColor(0);
      a.SetCenterPointSize(10);
      a.SetHourMarkLength(static_cast<uint8_t>(RoundHalfEven(m / 4.5)));
      a.SetHourPointer(0);
      a.SetHourPointerShadow(clBtnShadow);
      a.SetMinuteColor(0x808080);
      a.SetMinuteMarkLength(static_cast<uint8_t>(m / 3));
      a.SetMinutePointer(0);
      f.ShowAMPM = f.ShowNumbers = false;
      break;
    }
  }
  return f;
}

// --- colour styles ---

void ApplyWatchColorStyle(TWatchAppearance& a, TSuiteStyle Style) {
  a.SetCenterPointOuterBorderColor(0);
  a.HourFont()->SetColor(0);
  a.AMPMFont()->SetColor(0);
  for (const ColorStyleRow& r : kColorStyles) {
    if (r.style != Style) continue;
    a.AMPMBorderColor = r.ampmBorder;
    a.AMPMColor = r.ampm;
    a.SetBackgroundColor(r.background);
    a.SetBackgroundColorTo(r.backgroundTo);
    a.SetBorderColor(r.border);
    a.SetCenterPointBorderColor(r.centerBorder);
    a.SetCenterPointColor(r.center);
    a.SetHourColor(r.marks);
    a.SetMinuteColor(r.marks);
    a.SetHourPointerShadow(r.shadow);
    a.SetHourPointer(r.marks);
    a.SetMinutePointerShadow(r.shadow);
    a.SetMinutePointer(r.marks);
    a.SetSecondPointer(r.second);
    if (Style == tsOffice2007Obsidian) {
      a.AMPMFont()->SetColor(0xF2F1F0);
      a.HourFont()->SetColor(0xF2F1F0);
    }
  }
}
