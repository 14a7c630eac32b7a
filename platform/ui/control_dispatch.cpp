// The dispatcher between Qt and the controls. A Qt event of a control's widget
// becomes the class library's messages in its order:
//   key press:   CN_KEYDOWN (dialog keys) -> WM_KEYDOWN (KeyDown, default action)
//                -> CN_CHAR (accelerators) -> WM_CHAR (KeyPress, insertion);
//                with Alt: CN_SYSKEYDOWN/WM_SYSKEYDOWN and CN_SYSCHAR (accelerators)
//   key release: CN_KEYUP -> WM_KEYUP (KeyUp)
//   mouse:       WM_xBUTTONDOWN / WM_MOUSEMOVE / WM_xBUTTONUP / WM_LBUTTONDBLCLK
//   enter/leave: CM_MOUSEENTER / CM_MOUSELEAVE
//   focus:       WM_SETFOCUS / WM_KILLFOCUS (the form then sends CM_EXIT,
//                CM_ENTER and CM_FOCUSCHANGED)
//   paint:       WM_PAINT with a painter for the control's canvas
// A message's default handling (`DefaultHandler`) is the Qt widget's own
// processing of the event; for key messages it gets an event rebuilt from the
// message, so a handler that changed or cleared the key changes what the widget
// does. Exceptions escaping a handler end at the application's error box.
#include <QApplication>
#include <QContextMenuEvent>
#include <QHash>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QResizeEvent>
#include <QToolTip>
#include <QWheelEvent>

#include "platform/rtl/exceptions.h"
#include "platform/ui/application.h"
#include "platform/ui/control.h"
#include "platform/ui/drag_drop.h"
#include "platform/ui/form.h"
#include "platform/ui/hint_info.h"
#include "platform/ui/popup_window.h"
#include "platform/ui/widget_host.h"
#include "platform/ui/window_proc_hook.h"

namespace {

// The Qt event a control is handling, for its messages' default handling.
struct Frame {
  WidgetHost* host = nullptr;
  QEvent* event = nullptr;
  bool keyHasChar = false;
  bool baseDone = false;
  std::unique_ptr<QPainter> painter;
  Frame* outer = nullptr;
};

Frame* g_frame = nullptr;

struct FrameScope {
  Frame frame;
  FrameScope(WidgetHost* host, QEvent* event) {
    frame.host = host;
    frame.event = event;
    frame.outer = g_frame;
    g_frame = &frame;
  }
  ~FrameScope() {
    if (frame.painter) frame.painter->end();
    g_frame = frame.outer;
  }
};

Frame* FrameFor(WidgetHost* host) {
  for (Frame* f = g_frame; f; f = f->outer)
    if (f->host == host) return f;
  return nullptr;
}

// --- keyboard state ---

Qt::KeyboardModifiers g_modifiers;
Qt::MouseButtons g_buttons;

void NoteInput(Qt::KeyboardModifiers mods, Qt::MouseButtons buttons) {
  g_modifiers = mods;
  g_buttons = buttons;
}

class PostedMessageEvent : public QEvent {
public:
  explicit PostedMessageEvent(const TMessage& m) : QEvent(PostedMessageEventType()), message(m) {}
  TMessage message;
};

// --- key translation ---

int DigitShiftSymbol(int key) {
  switch (key) {
    case Qt::Key_ParenRight: return '0';
    case Qt::Key_Exclam: return '1';
    case Qt::Key_At: return '2';
    case Qt::Key_NumberSign: return '3';
    case Qt::Key_Dollar: return '4';
    case Qt::Key_Percent: return '5';
    case Qt::Key_AsciiCircum: return '6';
    case Qt::Key_Ampersand: return '7';
    case Qt::Key_Asterisk: return '8';
    case Qt::Key_ParenLeft: return '9';
    default: return 0;
  }
}

int VirtualKey(const QKeyEvent* e) {
  const int key = e->key();
  const bool keypad = e->modifiers() & Qt::KeypadModifier;
  if (keypad) {
    if (key >= Qt::Key_0 && key <= Qt::Key_9) return VK_NUMPAD0 + (key - Qt::Key_0);
    switch (key) {
      case Qt::Key_Asterisk: return VK_MULTIPLY;
      case Qt::Key_Plus: return VK_ADD;
      case Qt::Key_Minus: return VK_SUBTRACT;
      case Qt::Key_Period:
      case Qt::Key_Comma: return VK_DECIMAL;
      case Qt::Key_Slash: return VK_DIVIDE;
      default: break;
    }
  }
  if (key >= Qt::Key_A && key <= Qt::Key_Z) return 'A' + (key - Qt::Key_A);
  if (key >= Qt::Key_0 && key <= Qt::Key_9) return '0' + (key - Qt::Key_0);
  if (key >= Qt::Key_F1 && key <= Qt::Key_F24) return VK_F1 + (key - Qt::Key_F1);
  if (int d = DigitShiftSymbol(key)) return d;
  switch (key) {
    case Qt::Key_Backspace: return VK_BACK;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return VK_TAB;
    case Qt::Key_Clear: return 0x0C;
    case Qt::Key_Return:
    case Qt::Key_Enter: return VK_RETURN;
    case Qt::Key_Shift: return VK_SHIFT;
    case Qt::Key_Control: return VK_CONTROL;
    case Qt::Key_Alt: return VK_MENU;
    case Qt::Key_Pause: return VK_PAUSE;
    case Qt::Key_CapsLock: return VK_CAPITAL;
    case Qt::Key_Escape: return VK_ESCAPE;
    case Qt::Key_Space: return VK_SPACE;
    case Qt::Key_PageUp: return VK_PRIOR;
    case Qt::Key_PageDown: return VK_NEXT;
    case Qt::Key_End: return VK_END;
    case Qt::Key_Home: return VK_HOME;
    case Qt::Key_Left: return VK_LEFT;
    case Qt::Key_Up: return VK_UP;
    case Qt::Key_Right: return VK_RIGHT;
    case Qt::Key_Down: return VK_DOWN;
    case Qt::Key_Insert: return VK_INSERT;
    case Qt::Key_Delete: return VK_DELETE;
    case Qt::Key_Menu: return VK_APPS;
    case Qt::Key_Semicolon:
    case Qt::Key_Colon: return VK_OEM_1;
    case Qt::Key_Equal:
    case Qt::Key_Plus: return VK_OEM_PLUS;
    case Qt::Key_Comma:
    case Qt::Key_Less: return VK_OEM_COMMA;
    case Qt::Key_Minus:
    case Qt::Key_Underscore: return VK_OEM_MINUS;
    case Qt::Key_Period:
    case Qt::Key_Greater: return VK_OEM_PERIOD;
    case Qt::Key_Slash:
    case Qt::Key_Question: return VK_OEM_2;
    case Qt::Key_QuoteLeft:
    case Qt::Key_AsciiTilde: return VK_OEM_3;
    case Qt::Key_BracketLeft:
    case Qt::Key_BraceLeft: return VK_OEM_4;
    case Qt::Key_Backslash:
    case Qt::Key_Bar: return VK_OEM_5;
    case Qt::Key_BracketRight:
    case Qt::Key_BraceRight: return VK_OEM_6;
    case Qt::Key_Apostrophe:
    case Qt::Key_QuoteDbl: return VK_OEM_7;
    default: return 0;
  }
}

// The character a key gives, synthesised for Enter 13 (Ctrl+Enter 10), Esc 27,
// Backspace 8, Tab 9 and Ctrl+letter 1 to 26, as the window system does.
int CharCode(const QKeyEvent* e) {
  const int key = e->key();
  const bool ctrl = e->modifiers() & Qt::ControlModifier;
  switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return ctrl ? 10 : 13;
    case Qt::Key_Escape: return 27;
    case Qt::Key_Backspace: return ctrl ? 127 : 8;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return 9;
    default: break;
  }
  if (ctrl && key >= Qt::Key_A && key <= Qt::Key_Z) return 1 + (key - Qt::Key_A);
  const QString text = e->text();
  if (text.isEmpty()) return 0;
  const QChar c = text.at(0);
  if (c.unicode() < 32 || c.unicode() == 127) return 0;
  return c.unicode();
}

int QtKeyForVirtualKey(int vk) {
  if (vk >= 'A' && vk <= 'Z') return Qt::Key_A + (vk - 'A');
  if (vk >= '0' && vk <= '9') return Qt::Key_0 + (vk - '0');
  if (vk >= VK_NUMPAD0 && vk <= VK_NUMPAD0 + 9) return Qt::Key_0 + (vk - VK_NUMPAD0);
  if (vk >= VK_F1 && vk <= VK_F1 + 23) return Qt::Key_F1 + (vk - VK_F1);
  switch (vk) {
    case VK_BACK: return Qt::Key_Backspace;
    case VK_TAB: return Qt::Key_Tab;
    case VK_RETURN: return Qt::Key_Return;
    case VK_SHIFT: return Qt::Key_Shift;
    case VK_CONTROL: return Qt::Key_Control;
    case VK_MENU: return Qt::Key_Alt;
    case VK_ESCAPE: return Qt::Key_Escape;
    case VK_SPACE: return Qt::Key_Space;
    case VK_PRIOR: return Qt::Key_PageUp;
    case VK_NEXT: return Qt::Key_PageDown;
    case VK_END: return Qt::Key_End;
    case VK_HOME: return Qt::Key_Home;
    case VK_LEFT: return Qt::Key_Left;
    case VK_UP: return Qt::Key_Up;
    case VK_RIGHT: return Qt::Key_Right;
    case VK_DOWN: return Qt::Key_Down;
    case VK_INSERT: return Qt::Key_Insert;
    case VK_DELETE: return Qt::Key_Delete;
    case VK_APPS: return Qt::Key_Menu;
    case VK_DECIMAL: return Qt::Key_Period;
    case VK_MULTIPLY: return Qt::Key_Asterisk;
    case VK_ADD: return Qt::Key_Plus;
    case VK_SUBTRACT: return Qt::Key_Minus;
    case VK_DIVIDE: return Qt::Key_Slash;
    default: return Qt::Key_unknown;
  }
}

// The Qt key event that inserts or acts on character `ch`.
std::pair<int, Qt::KeyboardModifiers> QtKeyForChar(int ch, Qt::KeyboardModifiers mods) {
  switch (ch) {
    case 8: return {Qt::Key_Backspace, mods};
    case 9: return {Qt::Key_Tab, mods};
    case 10: return {Qt::Key_Return, mods | Qt::ControlModifier};
    case 13: return {Qt::Key_Return, mods};
    case 27: return {Qt::Key_Escape, mods};
    case 127: return {Qt::Key_Backspace, mods | Qt::ControlModifier};
    default: break;
  }
  if (ch >= 1 && ch <= 26) return {Qt::Key_A + (ch - 1), mods | Qt::ControlModifier};
  const QChar c(static_cast<char16_t>(ch));
  const char16_t upper = c.toUpper().unicode();
  if (upper >= 0x20 && upper < 0xFF) return {static_cast<int>(upper), mods & ~Qt::ControlModifier};
  return {Qt::Key_unknown, mods & ~Qt::ControlModifier};
}

Qt::KeyboardModifiers FrameModifiers(Frame* f) {
  if (f && f->event && (f->event->type() == QEvent::KeyPress || f->event->type() == QEvent::KeyRelease))
    return static_cast<QKeyEvent*>(f->event)->modifiers();
  return g_modifiers;
}

int MouseKeys(Qt::MouseButtons buttons, Qt::KeyboardModifiers mods) {
  int keys = 0;
  if (buttons & Qt::LeftButton) keys |= MK_LBUTTON;
  if (buttons & Qt::RightButton) keys |= MK_RBUTTON;
  if (buttons & Qt::MiddleButton) keys |= MK_MBUTTON;
  if (mods & Qt::ShiftModifier) keys |= MK_SHIFT;
  if (mods & Qt::ControlModifier) keys |= MK_CONTROL;
  return keys;
}

unsigned MouseMessage(const QMouseEvent* e, const TControl* c) {
  const bool dbl = e->type() == QEvent::MouseButtonDblClick && c->ControlStyle().Contains(csDoubleClicks);
  const bool down = e->type() == QEvent::MouseButtonPress || e->type() == QEvent::MouseButtonDblClick;
  switch (e->button()) {
    case Qt::LeftButton: return dbl ? WM_LBUTTONDBLCLK : down ? WM_LBUTTONDOWN : WM_LBUTTONUP;
    case Qt::RightButton: return dbl ? WM_RBUTTONDBLCLK : down ? WM_RBUTTONDOWN : WM_RBUTTONUP;
    case Qt::MiddleButton: return dbl ? WM_MBUTTONDBLCLK : down ? WM_MBUTTONDOWN : WM_MBUTTONUP;
    default: return WM_NULL;
  }
}

bool IsMouseMessage(unsigned msg) { return msg >= WM_MOUSEMOVE && msg <= WM_MOUSEWHEEL; }

// A control's widget may be destroyed by its own handler; then nothing more runs.
struct AliveGuard {
  explicit AliveGuard(WidgetHost* host) : widget(host->AsWidget()) {}
  bool Alive() const { return !widget.isNull(); }
  QPointer<QWidget> widget;
};

bool DispatchKeyPress(WidgetHost* host, TWinControl* c, QKeyEvent* e) {
  NoteInput(e->modifiers(), QApplication::mouseButtons());
  AliveGuard guard(host);
  const int vk = VirtualKey(e);
  const int ch = CharCode(e);
  const bool alt = (e->modifiers() & Qt::AltModifier) && !(e->modifiers() & Qt::ControlModifier);
  intptr_t keyData = 1;
  if (e->modifiers() & Qt::KeypadModifier) keyData |= KF_KEYPAD;
  if (alt) keyData |= KF_ALTDOWN;
  FrameScope scope(host, e);
  scope.frame.keyHasChar = ch != 0;
  e->accept();
  if (vk != 0) {
    if (c->Perform(alt ? CN_SYSKEYDOWN : CN_KEYDOWN, vk, keyData) != 0) return true;
    if (!guard.Alive()) return true;
    c->Perform(alt ? WM_SYSKEYDOWN : WM_KEYDOWN, vk, keyData);
    if (!guard.Alive()) return true;
  }
  if (ch == 0) return true;
  if (alt) {
    if (c->Perform(CN_SYSCHAR, ch, keyData) == 0 && guard.Alive()) c->Perform(WM_SYSCHAR, ch, keyData);
    return true;
  }
  if (c->Perform(CN_CHAR, ch, keyData) == 0 && guard.Alive()) c->Perform(WM_CHAR, ch, keyData);
  return true;
}

bool DispatchKeyRelease(WidgetHost* host, TWinControl* c, QKeyEvent* e) {
  NoteInput(e->modifiers(), QApplication::mouseButtons());
  AliveGuard guard(host);
  e->accept();
  const int vk = VirtualKey(e);
  if (vk == 0) return true;
  intptr_t keyData = 1 | KF_UP;
  if (e->modifiers() & Qt::KeypadModifier) keyData |= KF_KEYPAD;
  FrameScope scope(host, e);
  if (c->Perform(CN_KEYUP, vk, keyData) != 0 || !guard.Alive()) return true;
  c->Perform(WM_KEYUP, vk, keyData);
  return true;
}

bool DispatchMouse(WidgetHost* host, TControl* c, QMouseEvent* e) {
  NoteInput(e->modifiers(), e->buttons());
  const unsigned msg = e->type() == QEvent::MouseMove ? WM_MOUSEMOVE : MouseMessage(e, c);
  if (msg == WM_NULL) return host->BaseEvent(e);
  const QPoint pos = e->position().toPoint();
  FrameScope scope(host, e);
  e->accept();
  c->Perform(msg, MouseKeys(e->buttons(), e->modifiers()), MakeLParam(pos.x(), pos.y()));
  return true;
}

bool DispatchWheel(WidgetHost* host, TControl* c, QWheelEvent* e) {
  NoteInput(e->modifiers(), e->buttons());
  const QPoint global = e->globalPosition().toPoint();
  const int delta = e->angleDelta().y();
  FrameScope scope(host, e);
  e->accept();
  const intptr_t wParam = (MouseKeys(e->buttons(), e->modifiers()) & 0xFFFF) | ((delta & 0xFFFF) << 16);
  c->Perform(WM_MOUSEWHEEL, wParam, MakeLParam(global.x(), global.y()));
  return true;
}

// The class library's hint: the control may change the text, position, width
// and colour of its tool tip (CM_HINTSHOW) before it shows.
bool ShowHint(WidgetHost* host, TControl* c, QHelpEvent* e) {
  if (!c->ShowHint()) return host->BaseEvent(e);
  QString text = GetShortHint(c->Hint());
  THintInfo info;
  info.CursorPos = {e->pos().x(), e->pos().y()};
  info.HintPos = {e->globalPos().x(), e->globalPos().y() + 16};
  THintShowRequest request{&text, &info};
  AliveGuard guard(host);
  c->Perform(CM_HINTSHOW, 0, reinterpret_cast<intptr_t>(&request));
  if (!guard.Alive()) return true;
  HideClassHint();
  if (text.isEmpty()) {
    QToolTip::hideText();
  } else if (info.HintWindowClass != hwcStandard &&
             ShowClassHint(info.HintWindowClass, info.HintPos, info.HintMaxWidth, text, info.HintData)) {
    QToolTip::hideText();
  } else {
    QToolTip::showText(QPoint(info.HintPos.X, info.HintPos.Y), text, host->AsWidget());
  }
  return true;
}

bool Route(WidgetHost* host, QEvent* e) {
  TControl* c = host->control;
  // Only keys and focus need the windowed control; most events (paints, resizes,
  // moves) reach controls by the thousand at start-up and skip the type check.
  const auto windowed = [c] { return dynamic_cast<TWinControl*>(c); };
  switch (e->type()) {
    case QEvent::KeyPress:
      if (auto* wc = windowed()) return DispatchKeyPress(host, wc, static_cast<QKeyEvent*>(e));
      break;
    case QEvent::KeyRelease:
      if (auto* wc = windowed()) return DispatchKeyRelease(host, wc, static_cast<QKeyEvent*>(e));
      break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
      if (e->type() != QEvent::MouseMove) HideClassHint();
      return DispatchMouse(host, c, static_cast<QMouseEvent*>(e));
    case QEvent::Wheel:
      return DispatchWheel(host, c, static_cast<QWheelEvent*>(e));
    case QEvent::ContextMenu: {
      auto* ce = static_cast<QContextMenuEvent*>(e);
      FrameScope scope(host, e);
      c->Perform(WM_CONTEXTMENU, 0, MakeLParam(ce->globalPos().x(), ce->globalPos().y()));
      return true;
    }
    case QEvent::Enter: {
      AliveGuard guard(host);
      host->mouseInside = true;
      c->Perform(CM_MOUSEENTER);
      return guard.Alive() ? host->BaseEvent(e) : true;
    }
    case QEvent::Leave: {
      HideClassHint();
      AliveGuard guard(host);
      host->mouseInside = false;
      c->Perform(CM_MOUSELEAVE);
      return guard.Alive() ? host->BaseEvent(e) : true;
    }
    case QEvent::Hide: {
      // The window system sends no leave to a control whose window goes away under
      // the mouse (a dialog closed by its button); the class library tells the
      // control the mouse left, so a hover look does not survive to the next showing.
      AliveGuard guard(host);
      if (host->mouseInside) {
        host->mouseInside = false;
        c->Perform(CM_MOUSELEAVE);
      }
      return guard.Alive() ? host->BaseEvent(e) : true;
    }
    case QEvent::FocusIn:
    case QEvent::FocusOut: {
      auto* wc = windowed();
      if (!wc) break;
      FrameScope scope(host, e);
      wc->Perform(e->type() == QEvent::FocusIn ? WM_SETFOCUS : WM_KILLFOCUS);
      return true;
    }
    case QEvent::Paint: {
      FrameScope scope(host, e);
      c->Perform(WM_PAINT);
      return true;
    }
    case QEvent::ToolTip:
      return ShowHint(host, c, static_cast<QHelpEvent*>(e));
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::DragLeave:
    case QEvent::Drop:
      return ControlDispatch::DragDropEvent(host, e) || host->BaseEvent(e);
    case QEvent::Resize: {
      // A form's window resized by the window system (the user dragging its border):
      // the form takes the new size as if it had been set in code.
      auto* form = c->Parent() ? nullptr : dynamic_cast<TForm*>(c);
      if (form) {
        const QSize size = static_cast<QResizeEvent*>(e)->size();
        form->WindowResized(size.width(), size.height());
      }
      return host->BaseEvent(e);
    }
    case QEvent::WindowActivate: {
      if (auto* form = dynamic_cast<TForm*>(c); form && !c->Parent()) {
        AliveGuard guard(host);
        form->WindowActivated();
        if (!guard.Alive()) return true;
      }
      return host->BaseEvent(e);
    }
    case QEvent::Close: {
      FrameScope scope(host, e);
      e->ignore();
      c->Perform(WM_CLOSE);
      return true;
    }
    default:
      if (e->type() == PostedMessageEventType()) {
        TMessage m = static_cast<PostedMessageEvent*>(e)->message;
        DeliverMessage(c, m);
        return true;
      }
      break;
  }
  return host->BaseEvent(e);
}

}  // namespace

QEvent::Type PostedMessageEventType() {
  static const QEvent::Type type = static_cast<QEvent::Type>(QEvent::registerEventType());
  return type;
}

namespace ControlDispatch {

bool Event(WidgetHost* host, QEvent* e) {
  TControl* c = host->control;
  if (!c || c->ComponentState().Contains(csDestroying)) return host->BaseEvent(e);
  try {
    return Route(host, e);
  } catch (const Exception& ex) {
    Application->HandleException(ex.Message);
  } catch (const std::exception& ex) {
    Application->HandleException(QString::fromLocal8Bit(ex.what()));
  }
  return true;
}

void WidgetDestroyed(WidgetHost* host) {
  for (Frame* f = g_frame; f; f = f->outer)
    if (f->host == host) {
      if (f->painter) f->painter->end();
      f->host = nullptr;
    }
  if (TControl* c = host->control) {
    host->control = nullptr;
    (void)c;
  }
}

QPainter* PaintPainter(WidgetHost* host) {
  Frame* f = FrameFor(host);
  if (!f || !f->event || f->event->type() != QEvent::Paint || host->native) return nullptr;
  if (!f->painter) f->painter = std::make_unique<QPainter>(host->AsWidget());
  return f->painter.get();
}

}  // namespace ControlDispatch

void TControl::DefaultHandler(TMessage& m) {
  WidgetHost* host = host_;
  if (!host) return;
  Frame* f = FrameFor(host);
  const Qt::KeyboardModifiers mods = FrameModifiers(f);
  switch (m.Msg) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: {
      if (!host->native) return;
      if (f && f->keyHasChar) return;  // the character's step acts for this key
      QKeyEvent key(QEvent::KeyPress, QtKeyForVirtualKey(m.CharCode()), mods);
      host->BaseEvent(&key);
      return;
    }
    case WM_CHAR: {
      if (!host->native || m.CharCode() == 0) return;
      auto [qtKey, charMods] = QtKeyForChar(m.CharCode(), mods);
      QKeyEvent key(QEvent::KeyPress, qtKey, charMods, QString(QChar(static_cast<char16_t>(m.CharCode()))));
      host->BaseEvent(&key);
      return;
    }
    case WM_KEYUP:
    case WM_SYSKEYUP: {
      if (!host->native) return;
      QString text;
      int qtKey = QtKeyForVirtualKey(m.CharCode());
      if (f && f->event && f->event->type() == QEvent::KeyRelease) {
        text = static_cast<QKeyEvent*>(f->event)->text();
        qtKey = static_cast<QKeyEvent*>(f->event)->key();
      }
      QKeyEvent key(QEvent::KeyRelease, qtKey, mods, text);
      host->BaseEvent(&key);
      return;
    }
    default: break;
  }
  if (f && f->event && !f->baseDone && f->event->type() != PostedMessageEventType()) {
    const bool matches = (IsMouseMessage(m.Msg) && dynamic_cast<QInputEvent*>(f->event)) ||
                         (m.Msg == WM_CONTEXTMENU && f->event->type() == QEvent::ContextMenu) ||
                         (m.Msg == WM_SETFOCUS && f->event->type() == QEvent::FocusIn) ||
                         (m.Msg == WM_KILLFOCUS && f->event->type() == QEvent::FocusOut) ||
                         (m.Msg == WM_PAINT && f->event->type() == QEvent::Paint);
    if (matches) {
      f->baseDone = true;
      if (m.Msg == WM_PAINT && f->painter) f->painter->end();
      host->BaseEvent(f->event);
      return;
    }
  }
  if (!host->native || !IsMouseMessage(m.Msg) || m.Msg == WM_MOUSEWHEEL) return;
  // A mouse message sent or posted by code: the widget gets the matching event.
  const QPointF pos(m.XPos(), m.YPos());
  const QPointF global = host->AsWidget()->mapToGlobal(pos);
  QEvent::Type type = QEvent::MouseMove;
  Qt::MouseButton button = Qt::NoButton;
  switch (m.Msg) {
    case WM_LBUTTONDOWN: type = QEvent::MouseButtonPress; button = Qt::LeftButton; break;
    case WM_LBUTTONUP: type = QEvent::MouseButtonRelease; button = Qt::LeftButton; break;
    case WM_LBUTTONDBLCLK: type = QEvent::MouseButtonDblClick; button = Qt::LeftButton; break;
    case WM_RBUTTONDOWN: type = QEvent::MouseButtonPress; button = Qt::RightButton; break;
    case WM_RBUTTONUP: type = QEvent::MouseButtonRelease; button = Qt::RightButton; break;
    default: break;
  }
  Qt::MouseButtons buttons;
  if (m.Keys() & MK_LBUTTON) buttons |= Qt::LeftButton;
  if (m.Keys() & MK_RBUTTON) buttons |= Qt::RightButton;
  QMouseEvent synth(type, pos, global, button, buttons, mods);
  host->BaseEvent(&synth);
}

// --- keyboard state and messages ---

int16_t GetKeyState(int virtualKey) {
  bool down = false;
  switch (virtualKey) {
    case VK_SHIFT: down = g_modifiers & Qt::ShiftModifier; break;
    case VK_CONTROL: down = g_modifiers & Qt::ControlModifier; break;
    case VK_MENU: down = g_modifiers & Qt::AltModifier; break;
    case VK_LBUTTON: down = g_buttons & Qt::LeftButton; break;
    case VK_RBUTTON: down = g_buttons & Qt::RightButton; break;
    case VK_MBUTTON: down = g_buttons & Qt::MiddleButton; break;
    default: break;
  }
  return down ? static_cast<int16_t>(0xFF80) : 0;
}

TShiftState GetShiftState() {
  TShiftState s;
  if (GetKeyState(VK_SHIFT) < 0) s += ssShift;
  if (GetKeyState(VK_CONTROL) < 0) s += ssCtrl;
  if (GetKeyState(VK_MENU) < 0) s += ssAlt;
  if (GetKeyState(VK_LBUTTON) < 0) s += ssLeft;
  if (GetKeyState(VK_RBUTTON) < 0) s += ssRight;
  if (GetKeyState(VK_MBUTTON) < 0) s += ssMiddle;
  return s;
}

void SetKeyboardState(TShiftState state) {
  Qt::KeyboardModifiers mods;
  if (state.Contains(ssShift)) mods |= Qt::ShiftModifier;
  if (state.Contains(ssCtrl)) mods |= Qt::ControlModifier;
  if (state.Contains(ssAlt)) mods |= Qt::AltModifier;
  Qt::MouseButtons buttons;
  if (state.Contains(ssLeft)) buttons |= Qt::LeftButton;
  if (state.Contains(ssRight)) buttons |= Qt::RightButton;
  if (state.Contains(ssMiddle)) buttons |= Qt::MiddleButton;
  NoteInput(mods, buttons);
}

TShiftState KeyDataToShiftState(intptr_t keyData) {
  TShiftState s;
  if (GetKeyState(VK_SHIFT) < 0) s += ssShift;
  if (GetKeyState(VK_CONTROL) < 0) s += ssCtrl;
  if (keyData & KF_ALTDOWN) s += ssAlt;
  return s;
}

TShiftState KeysToShiftState(int keys) {
  TShiftState s;
  if (keys & MK_SHIFT) s += ssShift;
  if (keys & MK_CONTROL) s += ssCtrl;
  if (keys & MK_LBUTTON) s += ssLeft;
  if (keys & MK_RBUTTON) s += ssRight;
  if (keys & MK_MBUTTON) s += ssMiddle;
  if (GetKeyState(VK_MENU) < 0) s += ssAlt;
  return s;
}

void PostMessage(TWinControl* target, unsigned msg, intptr_t wParam, intptr_t lParam) {
  if (!target || !target->Widget()) return;
  QCoreApplication::postEvent(target->Widget(), new PostedMessageEvent(TMessage{msg, wParam, lParam, 0}));
}

intptr_t SendMessage(TWinControl* target, unsigned msg, intptr_t wParam, intptr_t lParam) {
  return target ? target->Perform(msg, wParam, lParam) : 0;
}

unsigned RegisterWindowMessage(const QString& name) {
  static QHash<QString, unsigned> registered;
  static unsigned next = 0xC000;
  const QString key = name.toCaseFolded();
  auto it = registered.find(key);
  if (it != registered.end()) return it.value();
  registered.insert(key, next);
  return next++;
}
