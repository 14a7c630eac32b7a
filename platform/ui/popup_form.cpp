#include "platform/ui/popup_form.h"

#include <QApplication>
#include <QEvent>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

namespace {
// The window is the pop-up or one of the windows it owns.
bool IsOwnedBy(QWidget* window, QWidget* popup) {
  for (QWidget* w = window; w; w = w->parentWidget())
    if (w == popup) return true;
  QWindow* h = window ? window->windowHandle() : nullptr;
  for (; h; h = h->transientParent())
    if (h == popup->windowHandle()) return true;
  return false;
}
}  // namespace

// Watches the pop-up's window and the application's mouse presses.
class PopupWatcher : public QObject {
public:
  explicit PopupWatcher(TPopupForm* form) : form_(form) {}

  bool eventFilter(QObject* o, QEvent* e) override {
    QWidget* popup = form_->Widget();
    if (!popup) return false;
    if (o == popup) {
      if (e->type() == QEvent::WindowActivate) form_->ActivationChanged(true, false);
      if (e->type() == QEvent::WindowDeactivate && popup->isVisible()) {
        QWidget* now = QApplication::activeWindow();
        form_->ActivationChanged(false, now && now != popup && IsOwnedBy(now, popup));
      }
      return false;
    }
    if (e->type() == QEvent::MouseButtonPress && popup->isVisible()) {
      auto* w = qobject_cast<QWidget*>(o);
      if (!w) return false;
      if (w == popup || popup->isAncestorOf(w) || IsOwnedBy(w->window(), popup)) return false;
      form_->ActivationChanged(false, false);
    }
    return false;
  }

private:
  TPopupForm* form_;
};

TPopupForm::TPopupForm(TComponent* AOwner) : TForm(AOwner), watcher_(std::make_unique<PopupWatcher>(this)) {
  SetBorderStyle(bsNone);
  Widget()->installEventFilter(watcher_.get());
  qApp->installEventFilter(watcher_.get());
}

TPopupForm::~TPopupForm() {
  qApp->removeEventFilter(watcher_.get());
  if (QWidget* w = Widget()) w->removeEventFilter(watcher_.get());
}

void TPopupForm::SetOwnerForm(TForm* form) {
  if (form == owner_form_) return;
  owner_form_ = form;
  if (form) form->FreeNotification(this);
  // The owner's window is the pop-up's transient parent (not its Qt parent,
  // which would take the pop-up's window along when the owner goes first).
  QWidget* w = Widget();
  w->winId();
  QWidget* owner = form && form->Widget() ? form->Widget()->window() : nullptr;
  if (owner) owner->winId();
  if (QWindow* handle = w->windowHandle()) handle->setTransientParent(owner ? owner->windowHandle() : nullptr);
}

void TPopupForm::ShowTopMost(int x, int y, int w, int h) {
  SetBounds(x, y, w, h);
  if (!Visible()) Show();
  QWidget* widget = Widget();
  widget->setGeometry(x, y, w, h);
  widget->raise();
  widget->activateWindow();
}

void TPopupForm::ActivationChanged(bool active, bool toOwnWindow) { WMActivate(active, toOwnWindow); }

void TPopupForm::CMVisibleChanged(TMessage& m) {
  TForm::CMVisibleChanged(m);
  if (Visible() || !owner_form_ || !owner_form_->Visible()) return;
  if (QWidget* w = owner_form_->Widget()) w->activateWindow();
}

// The owner's window goes first: the pop-up window must not go with it.
void TPopupForm::Notification(TComponent* AComponent, TOperation Operation) {
  TForm::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == owner_form_) SetOwnerForm(nullptr);
}
