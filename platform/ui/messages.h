// Window messages of the class library: the message record handed to a control's
// `WndProc`, the message numbers the controls answer, virtual key codes, the live
// keyboard state, and posted and registered messages (stand for PostMessage,
// SendMessage, RegisterWindowMessage and GetKeyState). Posted messages are queued
// events delivered after the running handler returns.
#pragma once

#include <QString>
#include <cstdint>

#include "platform/rtl/sets.h"

class TWinControl;

struct TMessage {
  unsigned Msg = 0;
  intptr_t WParam = 0;
  intptr_t LParam = 0;
  intptr_t Result = 0;

  // Key messages: the virtual key or character, and the key data.
  int CharCode() const { return static_cast<int>(WParam); }
  void SetCharCode(int c) { WParam = c; }
  intptr_t KeyData() const { return LParam; }
  // Mouse messages: the button/modifier flags and the client position.
  int Keys() const { return static_cast<int>(WParam); }
  int XPos() const { return static_cast<int16_t>(LParam & 0xFFFF); }
  int YPos() const { return static_cast<int16_t>((LParam >> 16) & 0xFFFF); }
};

constexpr intptr_t MakeLParam(int lo, int hi) {
  return static_cast<intptr_t>(static_cast<uint32_t>((lo & 0xFFFF) | ((hi & 0xFFFF) << 16)));
}

// Window messages.
inline constexpr unsigned WM_NULL = 0x0000;
inline constexpr unsigned WM_SIZE = 0x0005;
inline constexpr unsigned WM_SETFOCUS = 0x0007;
inline constexpr unsigned WM_KILLFOCUS = 0x0008;
inline constexpr unsigned WM_PAINT = 0x000F;
inline constexpr unsigned WM_CLOSE = 0x0010;
inline constexpr unsigned WM_CANCELMODE = 0x001F;
inline constexpr unsigned WM_CONTEXTMENU = 0x007B;
inline constexpr unsigned WM_GETDLGCODE = 0x0087;
inline constexpr unsigned WM_KEYDOWN = 0x0100;
inline constexpr unsigned WM_KEYUP = 0x0101;
inline constexpr unsigned WM_CHAR = 0x0102;
inline constexpr unsigned WM_SYSKEYDOWN = 0x0104;
inline constexpr unsigned WM_SYSKEYUP = 0x0105;
inline constexpr unsigned WM_SYSCHAR = 0x0106;
inline constexpr unsigned WM_COMMAND = 0x0111;
inline constexpr unsigned WM_TIMER = 0x0113;
inline constexpr unsigned WM_MOUSEMOVE = 0x0200;
inline constexpr unsigned WM_LBUTTONDOWN = 0x0201;
inline constexpr unsigned WM_LBUTTONUP = 0x0202;
inline constexpr unsigned WM_LBUTTONDBLCLK = 0x0203;
inline constexpr unsigned WM_RBUTTONDOWN = 0x0204;
inline constexpr unsigned WM_RBUTTONUP = 0x0205;
inline constexpr unsigned WM_RBUTTONDBLCLK = 0x0206;
inline constexpr unsigned WM_MBUTTONDOWN = 0x0207;
inline constexpr unsigned WM_MBUTTONUP = 0x0208;
inline constexpr unsigned WM_MBUTTONDBLCLK = 0x0209;
inline constexpr unsigned WM_MOUSEWHEEL = 0x020A;
inline constexpr unsigned WM_CUT = 0x0300;
inline constexpr unsigned WM_COPY = 0x0301;
inline constexpr unsigned WM_PASTE = 0x0302;
inline constexpr unsigned WM_CLEAR = 0x0303;
inline constexpr unsigned WM_UNDO = 0x0304;
inline constexpr unsigned WM_USER = 0x0400;
inline constexpr unsigned WM_APP = 0x8000;

// Notifications of the class library.
inline constexpr unsigned CM_BASE = 0xB000;
inline constexpr unsigned CM_ACTIVATE = CM_BASE + 0;
inline constexpr unsigned CM_DEACTIVATE = CM_BASE + 1;
inline constexpr unsigned CM_DIALOGKEY = CM_BASE + 5;
inline constexpr unsigned CM_DIALOGCHAR = CM_BASE + 6;
inline constexpr unsigned CM_FOCUSCHANGED = CM_BASE + 7;
inline constexpr unsigned CM_PARENTFONTCHANGED = CM_BASE + 8;
inline constexpr unsigned CM_PARENTCOLORCHANGED = CM_BASE + 9;
inline constexpr unsigned CM_VISIBLECHANGED = CM_BASE + 11;
inline constexpr unsigned CM_ENABLEDCHANGED = CM_BASE + 12;
inline constexpr unsigned CM_COLORCHANGED = CM_BASE + 13;
inline constexpr unsigned CM_FONTCHANGED = CM_BASE + 14;
inline constexpr unsigned CM_CURSORCHANGED = CM_BASE + 15;
inline constexpr unsigned CM_TEXTCHANGED = CM_BASE + 18;
inline constexpr unsigned CM_MOUSEENTER = CM_BASE + 19;
inline constexpr unsigned CM_MOUSELEAVE = CM_BASE + 20;
inline constexpr unsigned CM_BUTTONPRESSED = CM_BASE + 24;
inline constexpr unsigned CM_SHOWINGCHANGED = CM_BASE + 25;
inline constexpr unsigned CM_ENTER = CM_BASE + 26;
inline constexpr unsigned CM_EXIT = CM_BASE + 27;
inline constexpr unsigned CM_WANTSPECIALKEY = CM_BASE + 30;
inline constexpr unsigned CM_SHOWHINTCHANGED = CM_BASE + 34;
inline constexpr unsigned CM_PARENTSHOWHINTCHANGED = CM_BASE + 35;
inline constexpr unsigned CM_TABSTOPCHANGED = CM_BASE + 40;
inline constexpr unsigned CM_HINTSHOW = CM_BASE + 48;

// Keyboard messages as the focused control's own notifications, before the
// window messages: dialog keys and accelerators are routed here.
inline constexpr unsigned CN_BASE = 0xBC00;
inline constexpr unsigned CN_KEYDOWN = CN_BASE + WM_KEYDOWN;
inline constexpr unsigned CN_KEYUP = CN_BASE + WM_KEYUP;
inline constexpr unsigned CN_CHAR = CN_BASE + WM_CHAR;
inline constexpr unsigned CN_SYSKEYDOWN = CN_BASE + WM_SYSKEYDOWN;
inline constexpr unsigned CN_SYSCHAR = CN_BASE + WM_SYSCHAR;
// A child's WM_COMMAND notification, reflected back to the child by its parent.
inline constexpr unsigned CN_COMMAND = CN_BASE + WM_COMMAND;

// Notification codes a control sends its parent in the high word of WM_COMMAND's
// WParam (LParam is the control): combo box and edit notifications.
inline constexpr int CBN_SELCHANGE = 1;   // the user chose another item
inline constexpr int CBN_EDITCHANGE = 5;  // the user changed the text of the edit part
inline constexpr int CBN_DROPDOWN = 7;    // the list is about to open
inline constexpr int CBN_CLOSEUP = 8;     // the list closed
inline constexpr int EN_CHANGE = 0x0300;  // the edit's text changed (typed or set)

constexpr intptr_t MakeWParam(int lo, int hi) { return MakeLParam(lo, hi); }
// The notification code of a WM_COMMAND / CN_COMMAND message.
constexpr int NotifyCode(intptr_t wParam) { return static_cast<int>((wParam >> 16) & 0xFFFF); }

// Answers to WM_GETDLGCODE: the keys a control keeps from the dialog handling.
inline constexpr int DLGC_WANTARROWS = 0x0001;
inline constexpr int DLGC_WANTTAB = 0x0002;
inline constexpr int DLGC_WANTALLKEYS = 0x0004;
inline constexpr int DLGC_HASSETSEL = 0x0008;
inline constexpr int DLGC_WANTCHARS = 0x0080;
inline constexpr int DLGC_BUTTON = 0x2000;

// Mouse message flags (WParam of mouse messages).
inline constexpr int MK_LBUTTON = 0x0001;
inline constexpr int MK_RBUTTON = 0x0002;
inline constexpr int MK_SHIFT = 0x0004;
inline constexpr int MK_CONTROL = 0x0008;
inline constexpr int MK_MBUTTON = 0x0010;

// Virtual key codes.
inline constexpr int VK_LBUTTON = 0x01;
inline constexpr int VK_RBUTTON = 0x02;
inline constexpr int VK_MBUTTON = 0x04;
inline constexpr int VK_BACK = 0x08;
inline constexpr int VK_TAB = 0x09;
inline constexpr int VK_RETURN = 0x0D;
inline constexpr int VK_SHIFT = 0x10;
inline constexpr int VK_CONTROL = 0x11;
inline constexpr int VK_MENU = 0x12;
inline constexpr int VK_PAUSE = 0x13;
inline constexpr int VK_CAPITAL = 0x14;
inline constexpr int VK_ESCAPE = 0x1B;
inline constexpr int VK_SPACE = 0x20;
inline constexpr int VK_PRIOR = 0x21;
inline constexpr int VK_NEXT = 0x22;
inline constexpr int VK_END = 0x23;
inline constexpr int VK_HOME = 0x24;
inline constexpr int VK_LEFT = 0x25;
inline constexpr int VK_UP = 0x26;
inline constexpr int VK_RIGHT = 0x27;
inline constexpr int VK_DOWN = 0x28;
inline constexpr int VK_INSERT = 0x2D;
inline constexpr int VK_DELETE = 0x2E;
inline constexpr int VK_APPS = 0x5D;
inline constexpr int VK_NUMPAD0 = 0x60;
inline constexpr int VK_MULTIPLY = 0x6A;
inline constexpr int VK_ADD = 0x6B;
inline constexpr int VK_SUBTRACT = 0x6D;
inline constexpr int VK_DECIMAL = 0x6E;
inline constexpr int VK_DIVIDE = 0x6F;
inline constexpr int VK_F1 = 0x70;
inline constexpr int VK_F2 = 0x71;
inline constexpr int VK_F4 = 0x73;
inline constexpr int VK_F12 = 0x7B;
inline constexpr int VK_OEM_1 = 0xBA;
inline constexpr int VK_OEM_PLUS = 0xBB;
inline constexpr int VK_OEM_COMMA = 0xBC;
inline constexpr int VK_OEM_MINUS = 0xBD;
inline constexpr int VK_OEM_PERIOD = 0xBE;
inline constexpr int VK_OEM_2 = 0xBF;
inline constexpr int VK_OEM_3 = 0xC0;
inline constexpr int VK_OEM_4 = 0xDB;
inline constexpr int VK_OEM_5 = 0xDC;
inline constexpr int VK_OEM_6 = 0xDD;
inline constexpr int VK_OEM_7 = 0xDE;

// Key data bits: the numeric keypad (scan-code bit 0x40), Alt held, key released.
inline constexpr intptr_t KF_KEYPAD = 0x00400000;
inline constexpr intptr_t KF_ALTDOWN = 0x20000000;
inline constexpr intptr_t KF_UP = static_cast<intptr_t>(0xC0000000u);

enum TShiftStateFlag { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };
using TShiftState = TSet<TShiftStateFlag>;
enum TMouseButton { mbLeft, mbRight, mbMiddle };

// The live state of a key or mouse button: negative (high bit set) while down.
// It follows the input events the controls receive; tests may set it.
int16_t GetKeyState(int virtualKey);
TShiftState GetShiftState();
void SetKeyboardState(TShiftState state);  // the modifier and mouse-button state
TShiftState KeyDataToShiftState(intptr_t keyData);
TShiftState KeysToShiftState(int keys);

// Queues a message for the control; it arrives after the running handler returns.
// Messages to a control destroyed in between are dropped.
void PostMessage(TWinControl* target, unsigned msg, intptr_t wParam, intptr_t lParam);
// Delivers a message to the control at once and returns its result.
intptr_t SendMessage(TWinControl* target, unsigned msg, intptr_t wParam, intptr_t lParam);
// A message number for the name, the same for every caller (from $C000 on).
unsigned RegisterWindowMessage(const QString& name);
