// TWinControl: children, tab order and focus, the keyboard steps, dialog keys and
// accelerators; TCustomControl: painting on its canvas.
#include <QApplication>
#include <QPainter>
#include <QWidget>

#include "platform/rtl/exceptions.h"
#include "platform/ui/control.h"
#include "platform/ui/form.h"
#include "platform/ui/widget_host.h"

TWinControl::TWinControl(TComponent* AOwner, WidgetHost* host) : TControl(AOwner, host) {
  if (!host->native) Widget()->setFocusPolicy(Qt::TabFocus);
}

TWinControl::~TWinControl() {
  Destroying();
  // Children go with their parent, as in the class library.
  while (!controls_.empty()) delete controls_.back();
}

TControl* TWinControl::Controls(int index) const {
  if (index < 0 || index >= ControlCount()) throw EListError(QStringLiteral("List index out of bounds (%1)").arg(index));
  return controls_[static_cast<size_t>(index)];
}

QWidget* TWinControl::ClientWidget() const { return Widget(); }

void TWinControl::InsertControl(TControl* c) {
  controls_.push_back(c);
  if (auto* wc = dynamic_cast<TWinControl*>(c)) tab_list_.push_back(wc);
}

void TWinControl::RemoveControl(TControl* c) {
  std::erase(controls_, c);
  if (auto* wc = dynamic_cast<TWinControl*>(c)) std::erase(tab_list_, wc);
  if (TForm* form = ParentForm()) form->ControlRemoved(c);
}

void TWinControl::SetTabStop(bool value) {
  if (tab_stop_ == value) return;
  tab_stop_ = value;
  Perform(CM_TABSTOPCHANGED);
}

int TWinControl::TabOrder() const {
  if (!Parent()) return -1;
  const auto& list = Parent()->tab_list_;
  auto it = std::find(list.begin(), list.end(), this);
  return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

void TWinControl::SetTabOrder(int value) {
  if (!Parent()) return;
  auto& list = Parent()->tab_list_;
  std::erase(list, this);
  value = std::clamp(value, 0, static_cast<int>(list.size()));
  list.insert(list.begin() + value, this);
}

bool TWinControl::Focused() const {
  QWidget* w = Widget();
  return w && w->hasFocus();
}

bool TWinControl::CanFocus() const {
  const TControl* c = this;
  while (c) {
    if (!c->Visible() || !c->Enabled()) return false;
    c = c->Parent();
  }
  return ParentForm() != nullptr;
}

void TWinControl::SetFocus() {
  TForm* form = ParentForm();
  if (!form) return;
  if (!CanFocus()) throw EInvalidOperation(QStringLiteral("Cannot focus a disabled or invisible window"));
  form->FocusControl(this);
}

namespace {

void CollectTabOrder(const TWinControl* parent, std::vector<TWinControl*>& out) {
  for (TWinControl* c : parent->TabList()) {
    out.push_back(c);
    CollectTabOrder(c, out);
  }
}

}  // namespace

TWinControl* TWinControl::FindNextControl(TWinControl* CurControl, bool GoForward, bool CheckTabStop,
                                          bool CheckParent) {
  std::vector<TWinControl*> list;
  CollectTabOrder(this, list);
  if (list.empty()) return nullptr;
  const int count = static_cast<int>(list.size());
  auto found = std::find(list.begin(), list.end(), CurControl);
  int start = found == list.end() ? (GoForward ? count - 1 : 0) : static_cast<int>(found - list.begin());
  int i = start;
  do {
    if (GoForward) {
      i = (i + 1) % count;
    } else {
      if (i == 0) i = count;
      --i;
    }
    TWinControl* c = list[static_cast<size_t>(i)];
    if (c->CanFocus() && (!CheckTabStop || c->TabStop()) && (!CheckParent || c->Parent() == this)) return c;
  } while (i != start);
  return nullptr;
}

void TWinControl::SelectNext(TWinControl* CurControl, bool GoForward, bool CheckTabStop) {
  if (TWinControl* next = FindNextControl(CurControl, GoForward, CheckTabStop, !CheckTabStop)) next->SetFocus();
}

void TWinControl::Broadcast(TMessage& Message) {
  const std::vector<TControl*> children = controls_;
  for (TControl* c : children) {
    c->WndProc(Message);
    if (Message.Result != 0) return;
  }
}

void TWinControl::PaintTo(TCanvas* Canvas, int X, int Y) {
  QWidget* w = Widget();
  QPainter* p = Canvas ? Canvas->Painter() : nullptr;
  if (!w || !p) return;
  w->ensurePolished();
  w->render(p, QPoint(X, Y), QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren);
}

void TWinControl::Dispatch(TMessage& m) {
  switch (m.Msg) {
    case CN_KEYDOWN:
    case CN_SYSKEYDOWN: return CNKeyDown(m);
    case CN_KEYUP: return CNKeyUp(m);
    case CN_CHAR: return CNChar(m);
    case CN_SYSCHAR: return CNSysChar(m);
    case WM_KEYDOWN: return WMKeyDown(m);
    case WM_KEYUP: return WMKeyUp(m);
    case WM_CHAR: return WMChar(m);
    case WM_SYSKEYDOWN: return WMSysKeyDown(m);
    case WM_SYSKEYUP: return WMSysKeyUp(m);
    case WM_SYSCHAR: return WMSysChar(m);
    case WM_SETFOCUS: return WMSetFocus(m);
    case WM_KILLFOCUS: return WMKillFocus(m);
    case WM_GETDLGCODE: return WMGetDlgCode(m);
    case WM_COMMAND: return WMCommand(m);
    case CM_WANTSPECIALKEY: return CMWantSpecialKey(m);
    case CM_ENTER: return CMEnter(m);
    case CM_EXIT: return CMExit(m);
    default: return TControl::Dispatch(m);
  }
}

void TWinControl::KeyDown(int& Key, TShiftState Shift) {
  if (OnKeyDown) OnKeyDown(this, Key, Shift);
}

void TWinControl::KeyPress(QChar& Key) {
  if (OnKeyPress) OnKeyPress(this, Key);
}

void TWinControl::KeyUp(int& Key, TShiftState Shift) {
  if (OnKeyUp) OnKeyUp(this, Key, Shift);
}

bool TWinControl::DoKeyDown(TMessage& m) {
  TForm* form = ParentForm();
  if (form && form != this && form->KeyPreview() && form->DoKeyDown(m)) return true;
  if (ControlStyle().Contains(csNoStdEvents)) return false;
  int key = m.CharCode();
  KeyDown(key, KeyDataToShiftState(m.KeyData()));
  m.SetCharCode(key);
  return key == 0;
}

bool TWinControl::DoKeyPress(TMessage& m) {
  TForm* form = ParentForm();
  if (form && form != this && form->KeyPreview() && form->DoKeyPress(m)) return true;
  if (ControlStyle().Contains(csNoStdEvents)) return false;
  QChar ch(static_cast<char16_t>(m.CharCode()));
  KeyPress(ch);
  m.SetCharCode(ch.unicode());
  return ch.unicode() == 0;
}

bool TWinControl::DoKeyUp(TMessage& m) {
  TForm* form = ParentForm();
  if (form && form != this && form->KeyPreview() && form->DoKeyUp(m)) return true;
  if (ControlStyle().Contains(csNoStdEvents)) return false;
  int key = m.CharCode();
  KeyUp(key, KeyDataToShiftState(m.KeyData()));
  m.SetCharCode(key);
  return key == 0;
}

void TWinControl::DoEnter() {
  if (OnEnter) OnEnter(this);
}

void TWinControl::DoExit() {
  if (OnExit) OnExit(this);
}

// Tab, arrows, Enter and Escape go to the form as dialog keys unless the control
// claims them (CM_WANTSPECIALKEY or its WM_GETDLGCODE answer); a key the form uses
// never reaches WM_KEYDOWN.
void TWinControl::CNKeyDown(TMessage& m) {
  m.Result = 1;
  int mask = 0;
  switch (m.CharCode()) {
    case VK_TAB: mask = DLGC_WANTTAB; break;
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN: mask = DLGC_WANTARROWS; break;
    case VK_RETURN:
    case VK_ESCAPE: mask = DLGC_WANTALLKEYS; break;
    default: break;
  }
  if (mask != 0 && Perform(CM_WANTSPECIALKEY, m.CharCode(), m.KeyData()) == 0 &&
      (Perform(WM_GETDLGCODE) & mask) == 0) {
    TForm* form = ParentForm();
    if (form && form->Perform(CM_DIALOGKEY, m.CharCode(), m.KeyData()) != 0) return;
  }
  m.Result = 0;
}

void TWinControl::CNKeyUp(TMessage& m) { m.Result = 0; }

// A control that takes no characters hands them to the form as accelerators.
void TWinControl::CNChar(TMessage& m) {
  m.Result = 1;
  if ((Perform(WM_GETDLGCODE) & DLGC_WANTCHARS) == 0) {
    TForm* form = ParentForm();
    if (form && form->Perform(CM_DIALOGCHAR, m.CharCode(), m.KeyData()) != 0) return;
  }
  m.Result = 0;
}

void TWinControl::CNSysChar(TMessage& m) {
  if (m.CharCode() == VK_SPACE) return;
  if (TForm* form = ParentForm()) m.Result = form->Perform(CM_DIALOGCHAR, m.CharCode(), m.KeyData());
}

void TWinControl::WMKeyDown(TMessage& m) {
  if (!DoKeyDown(m)) DefaultHandler(m);
}

void TWinControl::WMKeyUp(TMessage& m) {
  if (!DoKeyUp(m)) DefaultHandler(m);
}

void TWinControl::WMChar(TMessage& m) {
  if (!DoKeyPress(m)) DefaultHandler(m);
}

void TWinControl::WMSysKeyDown(TMessage& m) {
  if (!DoKeyDown(m)) DefaultHandler(m);
}

void TWinControl::WMSysKeyUp(TMessage& m) {
  if (!DoKeyUp(m)) DefaultHandler(m);
}

void TWinControl::WMSysChar(TMessage& m) { DefaultHandler(m); }

void TWinControl::WMSetFocus(TMessage& m) {
  if (TForm* form = ParentForm()) form->SetFocusedControl(this);
  DefaultHandler(m);
}

void TWinControl::WMKillFocus(TMessage& m) { DefaultHandler(m); }

void TWinControl::WMGetDlgCode(TMessage& m) { m.Result = 0; }

void TWinControl::WMCommand(TMessage& m) {
  // Only a child of this control is trusted with the reflected message.
  auto* child = reinterpret_cast<TControl*>(m.LParam);
  if (child && child != this && std::find(controls_.begin(), controls_.end(), child) != controls_.end()) {
    m.Result = child->Perform(CN_COMMAND, m.WParam, m.LParam);
    return;
  }
  DefaultHandler(m);
}

void TWinControl::NotifyParent(int Code) {
  const intptr_t self = reinterpret_cast<intptr_t>(static_cast<TControl*>(this));
  if (Parent()) {
    Parent()->Perform(WM_COMMAND, MakeWParam(0, Code), self);
    return;
  }
  Perform(CN_COMMAND, MakeWParam(0, Code), self);
}

void TWinControl::CMEnter(TMessage&) { DoEnter(); }

void TWinControl::CMExit(TMessage&) { DoExit(); }

void TWinControl::CMDialogKey(TMessage& m) { Broadcast(m); }

void TWinControl::CMDialogChar(TMessage& m) { Broadcast(m); }

void TWinControl::CMFocusChanged(TMessage& m) { Broadcast(m); }

void TWinControl::CMParentFontChanged(TMessage& m) {
  TControl::CMParentFontChanged(m);
}

void TWinControl::CMParentColorChanged(TMessage& m) { TControl::CMParentColorChanged(m); }

void TWinControl::CMParentShowHintChanged(TMessage& m) {
  TControl::CMParentShowHintChanged(m);
  TMessage child{CM_PARENTSHOWHINTCHANGED, 0, 0, 0};
  for (TControl* c : std::vector<TControl*>(controls_)) c->WndProc(child);
}

void TWinControl::CMFontChanged(TMessage& m) {
  TControl::CMFontChanged(m);
  for (TControl* c : std::vector<TControl*>(controls_)) c->Perform(CM_PARENTFONTCHANGED);
}

void TWinControl::CMColorChanged(TMessage& m) {
  TControl::CMColorChanged(m);
  for (TControl* c : std::vector<TControl*>(controls_)) c->Perform(CM_PARENTCOLORCHANGED);
}

TCustomControl::TCustomControl(TComponent* AOwner) : TCustomControl(AOwner, new Hosted<QWidget>(false)) {}

TCustomControl::TCustomControl(TComponent* AOwner, WidgetHost* host) : TWinControl(AOwner, host) {}

void TCustomControl::Paint() {
  if (OnPaint) OnPaint(this);
}

void TCustomControl::Dispatch(TMessage& m) {
  if (m.Msg == WM_PAINT) return WMPaint(m);
  TWinControl::Dispatch(m);
}

void TCustomControl::WMPaint(TMessage& m) {
  QPainter* painter = ControlDispatch::PaintPainter(Host());
  if (!painter) {
    Repaint();
    return;
  }
  TCanvas* canvas = Canvas();
  canvas->BindPainter(painter);
  canvas->Font()->Assign(*Font());
  canvas->Brush()->SetColor(Color());
  Paint();
  canvas->BindPainter(nullptr);
}
