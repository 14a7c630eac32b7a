// The desktop's visual styles (stands for the visual-styles library and its
// OpenThemeData / DrawThemeBackground / CloseThemeData / IsThemeActive /
// GetCurrentThemeName calls, and for the classic DrawFrameControl): one facade
// that draws the themed parts the grid suite uses through the application's
// QStyle. There is no library to load: the facade is always there, and whether
// themed drawing is on is a setting.
#pragma once

#include <QString>

#include "platform/ui/graphics.h"

class TCanvas;

// Theme classes and their parts and states, numbered as the visual-styles library
// numbers them, so that code written against those numbers reads the same.
// "button"
inline constexpr int BP_PUSHBUTTON = 1;
inline constexpr int BP_RADIOBUTTON = 2;
inline constexpr int BP_CHECKBOX = 3;
inline constexpr int PBS_NORMAL = 1, PBS_HOT = 2, PBS_PRESSED = 3, PBS_DISABLED = 4, PBS_DEFAULTED = 5;
inline constexpr int RBS_UNCHECKEDNORMAL = 1, RBS_UNCHECKEDHOT = 2, RBS_UNCHECKEDPRESSED = 3,
                     RBS_UNCHECKEDDISABLED = 4, RBS_CHECKEDNORMAL = 5, RBS_CHECKEDHOT = 6,
                     RBS_CHECKEDPRESSED = 7, RBS_CHECKEDDISABLED = 8;
inline constexpr int CBS_UNCHECKEDNORMAL = 1, CBS_UNCHECKEDHOT = 2, CBS_UNCHECKEDPRESSED = 3,
                     CBS_UNCHECKEDDISABLED = 4, CBS_CHECKEDNORMAL = 5, CBS_CHECKEDHOT = 6,
                     CBS_CHECKEDPRESSED = 7, CBS_CHECKEDDISABLED = 8, CBS_MIXEDNORMAL = 9,
                     CBS_MIXEDHOT = 10, CBS_MIXEDPRESSED = 11, CBS_MIXEDDISABLED = 12;
// "combobox"
inline constexpr int CP_DROPDOWNBUTTON = 1;
inline constexpr int CBXS_NORMAL = 1, CBXS_HOT = 2, CBXS_PRESSED = 3, CBXS_DISABLED = 4;
// "spin"
inline constexpr int SPNP_UP = 1, SPNP_DOWN = 2;
inline constexpr int UPS_NORMAL = 1, UPS_HOT = 2, UPS_PRESSED = 3, UPS_DISABLED = 4;
inline constexpr int DNS_NORMAL = 1, DNS_HOT = 2, DNS_PRESSED = 3, DNS_DISABLED = 4;
// "header"
inline constexpr int HP_HEADERITEM = 1;
inline constexpr int HIS_NORMAL = 1, HIS_HOT = 2, HIS_PRESSED = 3;
// "Progress"
inline constexpr int PP_BAR = 1, PP_BARVERT = 2, PP_CHUNK = 3, PP_CHUNKVERT = 4;

// An open theme class; nullptr when the class is unknown or themes are off.
struct TThemeData;
using HTHEME = TThemeData*;

bool IsThemeActive();
// Switches themed drawing on or off for the whole program (on by default).
void SetThemeActive(bool active);
// The name of the style in use (the application's QStyle).
QString GetCurrentThemeName();

// Opens one of the classes "button", "combobox", "spin", "header" and "Progress"
// (compared without case; a ";"-separated list takes the first known class).
// `window` only documents the caller; drawing does not depend on it.
HTHEME OpenThemeData(const void* window, const QString& classList);
void CloseThemeData(HTHEME theme);
// Draws a part in a state into the rectangle; false when nothing was drawn
// (no theme, an unknown part, or a canvas that is not drawing).
bool DrawThemeBackground(HTHEME theme, TCanvas* canvas, int part, int state, const TRect& rect);

// The classic frame controls.
inline constexpr unsigned DFC_BUTTON = 4, DFC_SCROLL = 3;
inline constexpr unsigned DFCS_BUTTONCHECK = 0x0, DFCS_BUTTONRADIO = 0x4, DFCS_BUTTONPUSH = 0x10;
inline constexpr unsigned DFCS_SCROLLUP = 0x0, DFCS_SCROLLDOWN = 0x1, DFCS_SCROLLCOMBOBOX = 0x5;
inline constexpr unsigned DFCS_INACTIVE = 0x100, DFCS_PUSHED = 0x200, DFCS_CHECKED = 0x400,
                          DFCS_FLAT = 0x4000, DFCS_HOT = 0x1000, DFCS_MONO = 0x8000;
bool DrawFrameControl(TCanvas* canvas, const TRect& rect, unsigned type, unsigned state);
