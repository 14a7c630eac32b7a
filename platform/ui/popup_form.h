// A pop-up form (stands for a borderless top-most form whose window is owned by
// another form's window): it stays above other windows and above its owner, is
// shown at given screen bounds and activated, and reports activation changes
// (stands for WM_ACTIVATE). It loses activation when another window becomes
// active or when the user presses a mouse button on another window of the
// program (a click that the window system would turn into an activation).
#pragma once

#include <memory>

#include "platform/ui/form.h"

class QObject;

class TPopupForm : public TForm {
public:
  explicit TPopupForm(TComponent* AOwner);
  ~TPopupForm() override;

  // The form whose window owns the pop-up (nullptr: no owner).
  void SetOwnerForm(TForm* form);
  TForm* OwnerForm() const { return owner_form_; }
  // Shows the pop-up at the screen bounds above every other window and
  // activates it (stands for SetWindowPos with HWND_TOPMOST and a show).
  void ShowTopMost(int x, int y, int w, int h);

  // --- platform ---
  // The activation change as the window system reports it; tests call it to
  // stand for a click elsewhere.
  void ActivationChanged(bool active, bool toOwnWindow);

protected:
  bool IsPopupWindow() const override { return true; }
  void Notification(TComponent* AComponent, TOperation Operation) override;
  // Hiding gives the activation back to the owner form's window.
  void CMVisibleChanged(TMessage& Message) override;
  // The pop-up became active, or lost activation; `toOwnWindow` tells that the
  // window now active is one owned inside the pop-up.
  virtual void WMActivate(bool active, bool toOwnWindow) {
    (void)active;
    (void)toOwnWindow;
  }

private:
  TForm* owner_form_ = nullptr;
  std::unique_ptr<QObject> watcher_;
};
