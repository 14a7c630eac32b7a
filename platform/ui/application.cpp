#include "platform/ui/application.h"

#include "platform/ui/popup_window.h"

#include <QApplication>
#include <QToolTip>

#include "platform/ui/dialogs.h"
#include "platform/ui/form.h"
#include "platform/ui/qt_graphics.h"
#include "platform/ui/ui_service.h"

namespace {

TApplication* TheApplication() {
  // Never destroyed: the forms are freed by Run (or by the test that made them)
  // while Qt is still running.
  static TApplication* app = new TApplication;
  return app;
}

}  // namespace

TApplication* const Application = TheApplication();

TApplication::TApplication() : TComponent(nullptr) {}

TForm* TApplication::MainForm() const {
  // Freeing the forms all at once tells nobody, so look the form up.
  for (int i = 0; i < ComponentCount(); ++i)
    if (main_component_ && Components(i) == main_component_) return main_form_;
  return nullptr;
}

void TApplication::Run() {
  if (TForm* form = MainForm()) form->Show();
  while (!terminated_) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  DestroyComponents();
}

void TApplication::Terminate() {
  terminated_ = true;
  QCoreApplication::postEvent(QCoreApplication::instance(), new QEvent(QEvent::None));
}

void TApplication::ProcessMessages() { QCoreApplication::processEvents(); }

void TApplication::HandleException(const QString& message) {
  UserInterface()->ShowMessageBox({title_, message, mtError, TMsgDlgButtons{mbOK}, std::nullopt});
}

void TApplication::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == main_component_) {
    main_form_ = nullptr;
    main_component_ = nullptr;
  }
}

TScreen* const Screen = new TScreen;

void TScreen::SetCursor(TCursor value) {
  if (value == cursor_) return;
  const bool had = cursor_ != crDefault;
  cursor_ = value;
  if (!qobject_cast<QApplication*>(QCoreApplication::instance())) return;
  if (value == crDefault) {
    if (had) QApplication::restoreOverrideCursor();
  } else if (had) {
    QApplication::changeOverrideCursor(QCursor(QtCursorShape(value)));
  } else {
    QApplication::setOverrideCursor(QCursor(QtCursorShape(value)));
  }
}

void TApplication::CancelHint() {
  QToolTip::hideText();
  HideClassHint();
}
