// The class library's form (stands for TForm): a top-level window with a caption,
// a client size set in code, a border style, a background colour and font, shown
// modelessly or modally. `ShowModal` returns the modal result; setting
// `ModalResult` (a button does) closes the modal form; the close box gives
// mrCancel. Escape does nothing by itself: dialog keys go to the buttons (Enter to
// a default, Escape to a cancel button). The form tracks its active control and
// sends exit, enter and focus-changed notices when the focus moves.
#pragma once

#include "platform/ui/control.h"

enum TPosition { poDesigned, poDefault, poScreenCenter, poDesktopCenter, poMainFormCenter, poOwnerFormCenter };
enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum TCloseAction { caNone, caHide, caFree, caMinimize };
enum TFormStateFlag { fsCreating, fsVisible, fsShowing, fsModal, fsActivated };
using TFormState = TSet<TFormStateFlag>;

using TModalResult = int;
inline constexpr TModalResult mrNone = 0;
inline constexpr TModalResult mrOk = 1;
inline constexpr TModalResult mrCancel = 2;
inline constexpr TModalResult mrAbort = 3;
inline constexpr TModalResult mrRetry = 4;
inline constexpr TModalResult mrIgnore = 5;
inline constexpr TModalResult mrYes = 6;
inline constexpr TModalResult mrNo = 7;
inline constexpr TModalResult mrClose = 8;
inline constexpr TModalResult mrHelp = 9;
inline constexpr TModalResult mrAll = 12;
inline constexpr TModalResult mrNoToAll = 13;
inline constexpr TModalResult mrYesToAll = 14;

using TCloseEvent = std::function<void(TObject* Sender, TCloseAction& Action)>;
using TCloseQueryEvent = std::function<void(TObject* Sender, bool& CanClose)>;

class TForm : public TWinControl {
public:
  explicit TForm(TComponent* AOwner);
  ~TForm() override;

  // Runs OnCreate once the whole form is built (see Create<> in component.h).
  void AfterConstruction() override;

  int ClientWidth() const override;
  int ClientHeight() const override;
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
  // The window system changed the window's size (the user dragged its border).
  void WindowResized(int width, int height);
  // The window system made the form's window the active one: the form's active
  // control takes the focus, as the class library does on activation (a window
  // shown for the first time is activated only after the form set its focus).
  void WindowActivated();
  // The client area's size; the frame around it belongs to the window system.
  void SetClientSize(int width, int height);

  TPosition Position() const { return position_; }
  void SetPosition(TPosition value) { position_ = value; }
  TFormBorderStyle BorderStyle() const { return border_style_; }
  void SetBorderStyle(TFormBorderStyle value);
  bool KeyPreview() const { return key_preview_; }
  void SetKeyPreview(bool value) { key_preview_ = value; }
  TFormState FormState() const { return form_state_; }

  TModalResult ModalResult() const { return modal_result_; }
  void SetModalResult(TModalResult value) { modal_result_ = value; }
  // Shows the form modally and returns its modal result when it closes.
  TModalResult ShowModal();
  // One round of the modal loop: when a modal result is set, asks OnCloseQuery
  // and OnClose; true when the form may close (the result stays set).
  bool ModalStep();
  void Close();
  bool CloseQuery();

  // The focused control of the form (even while the form is not active).
  TWinControl* ActiveControl() const { return active_control_; }
  void SetActiveControl(TWinControl* value);
  void FocusControl(TWinControl* control);

  TNotifyEvent OnCreate;
  TNotifyEvent OnShow;
  // Raised after the form's size changed, in code or by the user.
  TNotifyEvent OnResize;
  TNotifyEvent OnHide;
  TCloseEvent OnClose;
  TCloseQueryEvent OnCloseQuery;
  TNotifyEvent OnDestroy;

  // --- platform ---
  // The focus moved to `control` (WM_SETFOCUS): exit and enter notices, then
  // CM_FOCUSCHANGED to every control.
  void SetFocusedControl(TWinControl* control);
  void ControlRemoved(TControl* control);

protected:
  // A pop-up window: borderless, above other windows, owned by another form's
  // window (see popup_form.h).
  virtual bool IsPopupWindow() const { return false; }
  // Raises OnResize (not while loading or destroying).
  virtual void Resize();
  friend class TWinControl;
  virtual void DoCreate();
  virtual void DoShow();
  virtual void DoHide();
  virtual void DoClose(TCloseAction& Action);

  void Dispatch(TMessage& Message) override;
  void CMDialogKey(TMessage& Message) override;
  void CMVisibleChanged(TMessage& Message) override;
  virtual void WMClose(TMessage& Message);
  void ApplyColor() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void CMTextChanged(TMessage& Message) override;

private:
  void ShowWindow();
  void HideWindow();
  void PlaceWindow();
  void ApplyBorder();

  TPosition position_ = poDesigned;
  TFormBorderStyle border_style_ = bsSizeable;
  bool key_preview_ = false;
  TFormState form_state_;
  TModalResult modal_result_ = mrNone;
  TWinControl* active_control_ = nullptr;
  TWinControl* focused_control_ = nullptr;
  bool created_ = false;
};

// The first form in the owner chain of `component` (the component itself when it is
// a form), or nullptr.
TForm* GetOwnerForm(TComponent* component);
