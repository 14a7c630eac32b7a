#include "grid/dropdown/track_bar_drop_down.h"

#include "grid/dropdown/drop_down_form.h"
#include "platform/rtl/numbers.h"
#include "platform/ui/track_bar.h"

TExTrackBarDropDown::TExTrackBarDropDown(TComponent* AOwner) : TExCustomDropDown(AOwner) {
  SetEditorEnabled(false);
  DropDownEnabled = true;
  SetEditType(etNumeric);
  SetText(QString());
  DropDownHeader()->SetVisible(false);
  DropDownFooter()->SetVisible(false);
  ForceShadow = true;
  CreateDropDownForm();
}

void TExTrackBarDropDown::CreateDropDownForm() {
  TExCustomDropDown::CreateDropDownForm();
  if (FTrackBar || !FDropDownForm) return;
  FTrackBar = new TTrackBar(this);
  FTrackBar->SetParent(FDropDownForm);
  FTrackBar->SetBounds(0, 0, FTrackBar->Width(), 40);
  FTrackBar->OnChange = [this](TObject*) { TrackBarChange(); };
}

void TExTrackBarDropDown::Notification(TComponent* AComponent, TOperation Operation) {
  TExCustomDropDown::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FTrackBar) FTrackBar = nullptr;
}

void TExTrackBarDropDown::BeforeDropDown() {
  TExCustomDropDown::BeforeDropDown();
  FDropDownForm->CancelOnDeActivate = false;
  if (!FTrackBar) return;
  FTrackBar->SetMin(FMin);
  FTrackBar->SetMax(FMax);
  FTrackBar->SetPosition(FPosition);
  FTrackBar->SetPageSize(FPageSize);
  FTrackBar->SetFrequency(FFrequency);
  FTrackBar->SetWidth(Width());
  FocusControl = FTrackBar;
  SetControl(FTrackBar);
}

void TExTrackBarDropDown::SetMin(int Value) {
  FMin = Value;
  if (!FTrackBar) return;
  FTrackBar->SetMin(Value);
  FMin = FTrackBar->Min();
  FPosition = FTrackBar->Position();
}

void TExTrackBarDropDown::SetMax(int Value) {
  FMax = Value;
  if (!FTrackBar) return;
  FTrackBar->SetMax(Value);
  FMax = FTrackBar->Max();
  FPosition = FTrackBar->Position();
}

void TExTrackBarDropDown::SetPosition(int Value) {
  FPosition = Value;
  if (!FTrackBar) return;
  FTrackBar->SetPosition(Value);
  FPosition = FTrackBar->Position();
}

void TExTrackBarDropDown::SetFrequency(int Value) {
  FFrequency = Value;
  if (FTrackBar) FTrackBar->SetFrequency(Value);
}

void TExTrackBarDropDown::SetPageSize(int Value) {
  FPageSize = Value;
  if (FTrackBar) FTrackBar->SetPageSize(Value);
}

void TExTrackBarDropDown::TrackBarChange() {
  FPosition = FTrackBar->Position();
  SetTextUnformatted(QString::number(FPosition));
  if (OnTrackChange) OnTrackChange(this);
}

// A text that is not a whole number leaves the position as it was.
void TExTrackBarDropDown::Change() {
  TExCustomDropDown::Change();
  int32_t value = 0;
  if (TryStrToInt(Text(), value) && value != FPosition) SetPosition(value);
}

void TExTrackBarDropDown::WMKeyDown(TMessage& m) {
  const int key = m.CharCode();
  TExCustomDropDown::WMKeyDown(m);
  if (EditorEnabled() || GetKeyState(VK_MENU) < 0) return;
  if (key == VK_UP && FPosition - FFrequency >= FMin) SetPosition(FPosition - FFrequency);
  else if (key == VK_DOWN && FPosition + FFrequency <= FMax) SetPosition(FPosition + FFrequency);
}

void TExTrackBarDropDown::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TExCustomDropDown::MouseDown(Button, Shift, X, Y);
  if (!DropDownEnabled || EditorEnabled()) return;
  FMouseX = X;
  FMouseDraging = true;
}

// Each move shifts the position by the distance divided by PageSize; with a
// page size of 0 (or less) a drag moves nothing.
void TExTrackBarDropDown::MouseMove(TShiftState Shift, int X, int Y) {
  TExCustomDropDown::MouseMove(Shift, X, Y);
  if (!FMouseDraging) return;
  if (FPageSize > 0) SetPosition(FPosition + (X - FMouseX) / FPageSize);
  FMouseX = X;
}

void TExTrackBarDropDown::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TExCustomDropDown::MouseUp(Button, Shift, X, Y);
  FMouseDraging = false;
}
