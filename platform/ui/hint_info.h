// What the class library passes to a control before it shows a tool tip (stands
// for THintInfo and the CM_HINTSHOW message): where the mouse is, and where,
// how wide, in which colour and in which hint window the text is to be shown.
// The control may change every field.
#pragma once

#include <QString>

#include "platform/ui/graphics.h"

class TObject;

// The hint windows a control can ask for: the class library's plain one, or one
// that renders the grid's mini-HTML.
enum THintWindowClass { hwcStandard, hwcHTML };

// The message's argument: the hint text (the control's short hint to start with)
// and the hint information; a control that empties the text shows no hint.
struct THintInfo;
struct THintShowRequest {
  QString* HintStr = nullptr;
  THintInfo* HintInfo = nullptr;
};

struct THintInfo {
  TPoint CursorPos;        // client coordinates of the mouse
  TPoint HintPos;          // screen position of the hint's top-left corner
  int HintMaxWidth = 0;    // 0: the class library's width
  TColor HintColor = clInfoBk;
  THintWindowClass HintWindowClass = hwcStandard;
  TObject* HintData = nullptr;
};
