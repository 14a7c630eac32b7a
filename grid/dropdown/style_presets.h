// The colour presets of the suite styles for the drop-downs: the pop-up with
// its header and footer, the header and footer buttons, and the picked item of
// the item-selector drop-downs. tsCustom changes nothing.
#pragma once

#include "grid/base/color_tones.h"

class TExCustomDropDown;
class TExButtonAppearance;
class TItemAppearance;

// The pop-up colours, header and footer colours of the style.
void ApplyPopupPreset(TExCustomDropDown& DropDown, TSuiteStyle Style);
// The header and footer buttons' colours of the style.
void ApplyButtonPreset(TExButtonAppearance& Appearance, TSuiteStyle Style);
// The item colours of the style (nothing without an appearance).
void SetItemAppearanceStyle(TItemAppearance* Appearance, TSuiteStyle Style);
