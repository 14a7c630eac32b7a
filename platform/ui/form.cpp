#include "platform/ui/form.h"

#include <QApplication>
#include <QScreen>
#include <QWidget>

#include "platform/rtl/exceptions.h"
#include "platform/ui/application.h"
#include "platform/ui/qt_graphics.h"
#include "platform/ui/ui_service.h"
#include "platform/ui/widget_host.h"

namespace {

// The chain from a control up to (not including) the form.
std::vector<TWinControl*> ParentChain(TWinControl* c, const TForm* form) {
  std::vector<TWinControl*> chain;
  for (; c && c != form; c = c->Parent()) chain.push_back(c);
  return chain;
}

bool IsWithin(const TControl* c, const TControl* ancestor) {
  for (; c; c = c->Parent())
    if (c == ancestor) return true;
  return false;
}

}  // namespace

TForm* GetOwnerForm(TComponent* component) {
  for (TComponent* c = component; c; c = c->Owner())
    if (auto* form = dynamic_cast<TForm*>(c)) return form;
  return nullptr;
}

TForm::TForm(TComponent* AOwner) : TWinControl(AOwner, new Hosted<QWidget>(TopLevelWidget{}, false)) {
  form_state_ += fsCreating;
  QWidget* w = Widget();
  w->setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  w->setFocusPolicy(Qt::NoFocus);
  SetVisible(false);
  SetColor(clBtnFace);
  SetParentFont(false);
  ApplyFont();
  SetBounds(0, 0, 320, 240);
}

TForm::~TForm() {
  Destroying();
  if (OnDestroy) OnDestroy(this);
  DestroyComponents();
}

void TForm::AfterConstruction() {
  if (created_) return;
  created_ = true;
  EndLoading();
  form_state_ -= fsCreating;
  DoCreate();
}

void TForm::DoCreate() {
  if (OnCreate) OnCreate(this);
}

void TForm::DoShow() {
  if (OnShow) OnShow(this);
}

void TForm::DoHide() {
  if (OnHide) OnHide(this);
}

void TForm::DoClose(TCloseAction& Action) {
  if (OnClose) OnClose(this, Action);
}

int TForm::ClientWidth() const { return Width(); }

int TForm::ClientHeight() const { return Height(); }

void TForm::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  const bool resized = AWidth != Width() || AHeight != Height();
  TWinControl::SetBounds(ALeft, ATop, AWidth, AHeight);
  ApplyBorder();
  if (resized) Resize();
}

void TForm::Resize() {
  if (OnResize && !ComponentState().Contains(csLoading) && !ComponentState().Contains(csDestroying)) OnResize(this);
}

void TForm::WindowResized(int width, int height) {
  if (width == Width() && height == Height()) return;
  SetBounds(Left(), Top(), width, height);
}

void TForm::SetClientSize(int width, int height) { SetBounds(Left(), Top(), width, height); }

void TForm::SetBorderStyle(TFormBorderStyle value) {
  border_style_ = value;
  ApplyBorder();
}

void TForm::ApplyBorder() {
  QWidget* w = Widget();
  if (!w) return;
  const bool fixed = border_style_ != bsSizeable && border_style_ != bsSizeToolWin;
  if (fixed) {
    w->setFixedSize(Width(), Height());
  } else {
    w->setMinimumSize(0, 0);
    w->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  }
  Qt::WindowFlags flags = Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
  if (border_style_ == bsNone) flags = Qt::Window | Qt::FramelessWindowHint;
  if (IsPopupWindow()) flags = Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint;
  if (fixed) flags |= Qt::MSWindowsFixedSizeDialogHint;
  if (w->windowFlags() != flags) w->setWindowFlags(flags);
}

void TForm::ApplyColor() {
  QWidget* w = Widget();
  if (!w) return;
  QPalette pal = w->palette();
  pal.setColor(QPalette::Window, ToQColor(Color()));
  w->setPalette(pal);
  w->setAutoFillBackground(true);
}

void TForm::CMTextChanged(TMessage& m) {
  if (QWidget* w = Widget()) w->setWindowTitle(Caption());
  TWinControl::CMTextChanged(m);
}

void TForm::Dispatch(TMessage& m) {
  if (m.Msg == WM_CLOSE) return WMClose(m);
  TWinControl::Dispatch(m);
}

void TForm::WMClose(TMessage&) { Close(); }

void TForm::CMVisibleChanged(TMessage& m) {
  TWinControl::CMVisibleChanged(m);
  if (Visible()) ShowWindow();
  else HideWindow();
}

void TForm::PlaceWindow() {
  if (position_ != poScreenCenter && position_ != poDesktopCenter && position_ != poMainFormCenter &&
      position_ != poOwnerFormCenter)
    return;
  QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return;
  const QRect area = screen->availableGeometry();
  SetBounds(area.x() + (area.width() - Width()) / 2, area.y() + (area.height() - Height()) / 2, Width(), Height());
}

void TForm::ShowWindow() {
  QWidget* w = Widget();
  form_state_ += fsShowing;
  DoShow();
  form_state_ -= fsShowing;
  form_state_ += fsVisible;
  // The control that OnShow (or the design) chose keeps the focus; the window
  // system focuses a first child of its own while the window appears.
  TWinControl* chosen = active_control_;
  PlaceWindow();
  w->setGeometry(Left(), Top(), Width(), Height());
  w->show();
  w->activateWindow();
#if QT_VERSION < QT_VERSION_CHECK(6, 5, 0)
  QApplication::setActiveWindow(w);
#endif
  if (chosen && chosen->ParentForm() == this) active_control_ = chosen;
  if (!active_control_) active_control_ = FindNextControl(nullptr, true, true, false);
  if (active_control_ && active_control_->CanFocus()) FocusControl(active_control_);
}

void TForm::WindowActivated() {
  // While another form runs modally, the class library keeps every other window
  // disabled; an activation the window system still sends to one of them (a late
  // one, from the click that opened the modal form) must not pull the focus out
  // of the modal form, where it would lose the edit's selected text.
  if (const QWidget* modal = QApplication::activeModalWidget(); modal && modal != Widget()) return;
  if (active_control_ && active_control_->CanFocus() && !active_control_->Focused()) FocusControl(active_control_);
}

void TForm::HideWindow() {
  form_state_ -= fsVisible;
  if (QWidget* w = Widget(); w && w->isVisible()) w->hide();
  DoHide();
}

TModalResult TForm::ShowModal() {
  if (Visible() || !Enabled() || form_state_.Contains(fsModal))
    throw EInvalidOperation(QStringLiteral("Cannot make a visible window modal"));
  form_state_ += fsModal;
  modal_result_ = mrNone;
  Widget()->setWindowModality(Qt::ApplicationModal);
  auto finish = [this] {
    SetVisible(false);
    if (QWidget* w = Widget()) w->setWindowModality(Qt::NonModal);
    form_state_ -= fsModal;
  };
  try {
    SetVisible(true);
    UserInterface()->RunModal(this);
  } catch (...) {
    finish();
    throw;
  }
  finish();
  return modal_result_;
}

bool TForm::ModalStep() {
  if (Application->Terminated() && modal_result_ == mrNone) modal_result_ = mrCancel;
  if (modal_result_ == mrNone) return false;
  TCloseAction action = caNone;
  try {
    if (CloseQuery()) {
      action = caHide;
      DoClose(action);
    }
  } catch (const Exception& e) {
    action = caNone;
    Application->HandleException(e.Message);
  }
  if (action == caNone) {
    modal_result_ = mrNone;
    return false;
  }
  return true;
}

bool TForm::CloseQuery() {
  bool canClose = true;
  if (OnCloseQuery) OnCloseQuery(this, canClose);
  return canClose;
}

void TForm::Close() {
  if (form_state_.Contains(fsModal)) {
    modal_result_ = mrCancel;
    return;
  }
  if (!CloseQuery()) return;
  TCloseAction action = caHide;
  DoClose(action);
  if (action == caNone) return;
  if (Application->MainForm() == this) {
    Application->Terminate();
    return;
  }
  Hide();
}

void TForm::SetActiveControl(TWinControl* value) {
  if (active_control_ == value) return;
  if (value && (value == this || value->ParentForm() != this || !(value->CanFocus() || ComponentState().Contains(csLoading))))
    throw EInvalidOperation(QStringLiteral("Cannot focus a disabled or invisible window"));
  active_control_ = value;
  if (value && Widget() && Widget()->isVisible()) FocusControl(value);
}

void TForm::FocusControl(TWinControl* control) {
  if (!control) return;
  active_control_ = control;
  QWidget* w = control->Widget();
  if (!w || !Widget()->isVisible()) return;
  w->setFocus(Qt::OtherFocusReason);
}

void TForm::SetFocusedControl(TWinControl* control) {
  if (focused_control_ == control) return;
  TWinControl* old = focused_control_;
  focused_control_ = control;
  if (control != this) active_control_ = control;
  const std::vector<TWinControl*> oldChain = ParentChain(old, this);
  const std::vector<TWinControl*> newChain = ParentChain(control, this);
  for (TWinControl* c : oldChain) {
    if (std::find(newChain.begin(), newChain.end(), c) != newChain.end()) break;
    c->Perform(CM_EXIT);
    if (focused_control_ != control) return;  // an exit handler moved the focus
  }
  for (auto it = newChain.rbegin(); it != newChain.rend(); ++it) {
    if (std::find(oldChain.begin(), oldChain.end(), *it) != oldChain.end()) continue;
    (*it)->Perform(CM_ENTER);
    if (focused_control_ != control) return;
  }
  Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<intptr_t>(control));
}

void TForm::ControlRemoved(TControl* control) {
  if (active_control_ && IsWithin(active_control_, control)) active_control_ = nullptr;
  if (focused_control_ && IsWithin(focused_control_, control)) focused_control_ = nullptr;
}

void TForm::Notification(TComponent* AComponent, TOperation Operation) {
  TWinControl::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == active_control_) active_control_ = nullptr;
  if (Operation == opRemove && AComponent == focused_control_) focused_control_ = nullptr;
}

// Tab moves the focus in tab order, arrows among the active control's siblings;
// the other keys go to the controls (a default or cancel button takes them).
void TForm::CMDialogKey(TMessage& m) {
  if (GetKeyState(VK_MENU) >= 0) {
    switch (m.CharCode()) {
      case VK_TAB:
        if (GetKeyState(VK_CONTROL) >= 0) {
          SelectNext(active_control_, GetKeyState(VK_SHIFT) >= 0, true);
          m.Result = 1;
          return;
        }
        break;
      case VK_LEFT:
      case VK_RIGHT:
      case VK_UP:
      case VK_DOWN:
        if (active_control_ && active_control_->Parent()) {
          active_control_->Parent()->SelectNext(active_control_, m.CharCode() == VK_RIGHT || m.CharCode() == VK_DOWN,
                                                false);
          m.Result = 1;
        }
        return;
      default: break;
    }
  }
  TWinControl::CMDialogKey(m);
}
