// The drop-down edit's pop-up cycle: creating the pop-up, sizing and placing it
// beside the edit and inside the screen's work area, showing it above the other
// windows, routing its keys to the edit, and closing it with or without giving
// the old text back.
#include "grid/dropdown/drop_down_form.h"
#include "grid/dropdown/ex_drop_down.h"
#include "grid/dropdown/header_footer_bars.h"
#include "platform/ui/application.h"
#include "platform/ui/screen_metrics.h"

void TExCustomDropDown::CreateDropDownForm() {
  if (FDropDownForm) return;
  FDropDownForm = new TDropDownForm(this);
  FDropDownForm->SetExDropDown(this);
  FDropDownForm->SetVisible(false);
  FDropDownForm->SetBounds(0, 0, FDropDownWidth, FDropDownHeight);
  FDropDownForm->OnClose = [](TObject*, TCloseAction&) {};
  FDropDownForm->OnHide = [this](TObject*) { AfterDropUp(); };
  FDropDownForm->OnKeyPress = [this](TObject*, QChar& Key) { DropDownKeyPress(Key); };
  FDropDownForm->OnKeyDown = [this](TObject*, int& Key, TShiftState Shift) { DropDownKeyDown(Key, Shift); };
  FDropDownForm->OnKeyUp = [this](TObject*, int& Key, TShiftState Shift) { DropDownKeyUp(Key, Shift); };
  FDropDownForm->OnDestroy = [this](TObject*) {
    if (!FDestroying) DropDownFormDestroy();
  };
  FDropDownForm->OnSizing = [this](TObject*) { DropDownSizing(); };
}

void TExCustomDropDown::BeforeDropDown() {
  if (OnBeforeDropDown) OnBeforeDropDown(this);
}

void TExCustomDropDown::FocusDropDownControl() {
  if (FocusControl && FocusControl->CanFocus() && FocusControl->TabStop() && !FocusControl->Focused())
    FocusControl->SetFocus();
}

void TExCustomDropDown::UpdateDropDownSize() {
  if (!FDropDownForm) return;
  const bool control = FControl && FControl->Visible();
  int w = FDropDownWidth;
  if (w <= 0) w = control ? FControl->Width() : Width();
  int h = FDropDownHeight;
  if (h <= 0) {
    h = 2 * DropDownBorderWidth;
    if (FDropDownHeader->Visible()) h += FDropDownHeader->Height;
    if (FDropDownFooter->Visible()) h += FDropDownFooter->Height;
    if (control) h += FControl->Height();
  }
  FDropDownForm->SetBounds(FDropDownForm->Left(), FDropDownForm->Top(), w, h);
}

// The control fills the pop-up between header and footer once the pop-up has
// its size (the form arranges its parts whenever it is sized).
void TExCustomDropDown::UpdateDropDownControl() {
  if (!FDropDownForm || !FControl) return;
  if (FControl->Parent() != FDropDownForm) FControl->SetParent(FDropDownForm);
  const bool header = FDropDownForm->Header() && FDropDownHeader->Visible();
  FControl->SetTop(header ? FDropDownForm->Header()->Height() + 2 : DropDownBorderWidth);
}

void TExCustomDropDown::DoShowDropDown() {
  // 1.
  if (!FDropDownForm || FDropDownForm->Visible() || !Enabled() || ReadOnly()) return;
  // 2.
  BeforeDropDown();
  // 3.
  FDropDownForm->Shadow = DropDownShadow;
  FDropDownForm->SetOwnerForm(ParentForm());
  FDropDownForm->InitializeAndUpdate();
  // 4.
  FDropDownForm->SetBounds(Left(), Top(), FDropDownForm->Width(), FDropDownForm->Height());
  UpdateDropDownSize();
  UpdateDropDownControl();
  // 5.
  if (auto* inner = dynamic_cast<TWinControl*>(FControl)) {
    inner->OnKeyDown = [this](TObject*, int& Key, TShiftState Shift) { ControlKeyDown(Key, Shift); };
    inner->OnKeyPress = [this](TObject*, QChar& Key) { ControlKeyPress(Key); };
    inner->OnKeyUp = [this](TObject*, int& Key, TShiftState Shift) { ControlKeyUp(Key, Shift); };
  }
  // 6. and 7.
  const TPoint p = Parent() ? Parent()->ClientToScreen({Left(), Top()}) : ClientToScreen({0, 0});
  const int formH = FDropDownForm->Height(), formW = FDropDownForm->Width();
  bool down = DropPosition == dpDown;
  if (DropPosition == dpAuto) down = p.Y + formH < ScreenMetrics().PrimaryScreenHeight();
  int x = p.X;
  const int y = down ? p.Y + Height() - 1 : p.Y - formH;
  // 8.
  bool acceptdrop = true;
  if (OnDropDown) OnDropDown(this, acceptdrop);
  if (!acceptdrop) return;
  // 9. Shifted left to end at the work area's right edge (no vertical correction).
  const TRect work = ScreenMetrics().WorkAreaNear(p);
  if (work.Left >= 0 && x + formW > work.Right && x < work.Right) x = work.Right - formW;
  // 10.
  int w = formW, h = formH;
  if (FUserDropDownWidth != -1 || FUserDropDownHeight != -1) {
    if (FUserDropDownWidth != -1) w = FUserDropDownWidth;
    if (FUserDropDownHeight != -1) h = FUserDropDownHeight;
  }
  // 12.
  AdjustDropDownHeight(h);
  // 11. and 13.
  FDroppedDown = true;
  FDropDownForm->ShowTopMost(x, y, w, h);
  FDropDownForm->ArrangeParts();
  // 14.
  FocusDropDownControl();
}

void TExCustomDropDown::DoHideDropDown(bool Cancelled) {
  // 1.
  if (!FDropDownForm || !FDropDownForm->Visible()) return;
  // 2.
  if (OnBeforeDropUp) OnBeforeDropUp(this);
  // 3.
  FUserDropDownWidth = FDropDownForm->Width();
  FUserDropDownHeight = FDropDownForm->Height();
  // 4. Hiding runs AfterDropUp.
  FDropDownForm->Hide();
  // 5.
  Application->CancelHint();
  // 6.
  if (Cancelled) SetText(FOldText);
  // 7.
  if (OnDropUp) OnDropUp(this, Cancelled);
}

void TExCustomDropDown::AfterDropUp() {
  FDroppedDown = false;
  if (TabStop() && CanFocus() && !Focused() && !FDestroying) SetFocus();
}

// Keys of the pop-up and of its inner control go to the edit.
void TExCustomDropDown::DropDownKeyPress(QChar& Key) { SendMessage(this, WM_CHAR, Key.unicode(), 0); }
void TExCustomDropDown::DropDownKeyDown(int& Key, TShiftState) { SendMessage(this, WM_KEYDOWN, Key, 0); }
void TExCustomDropDown::DropDownKeyUp(int& Key, TShiftState) { SendMessage(this, WM_KEYUP, Key, 0); }
void TExCustomDropDown::ControlKeyDown(int& Key, TShiftState) { SendMessage(this, WM_KEYDOWN, Key, 0); }
void TExCustomDropDown::ControlKeyUp(int& Key, TShiftState) { SendMessage(this, WM_KEYUP, Key, 0); }
void TExCustomDropDown::ControlKeyPress(QChar& Key) { SendMessage(this, WM_CHAR, Key.unicode(), 0); }
