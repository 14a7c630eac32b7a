#include "grid/dropdown/memo_drop_down.h"

#include "grid/dropdown/drop_down_form.h"
#include "grid/dropdown/dropdown_drawing.h"
#include "platform/ui/canvas.h"
#include "platform/ui/menus.h"

TExMemoDropDown::TExMemoDropDown(TComponent* AOwner) : TExCustomDropDown(AOwner) { CreateDropDownForm(); }

void TExMemoDropDown::CreateDropDownForm() {
  TExCustomDropDown::CreateDropDownForm();
  if (FMemo || !FDropDownForm) return;
  FMemo = new TMemo(this);
  FMemo->SetParent(FDropDownForm);
  FMemo->SetHeight(100);
  FMemo->SetBorderStyle(bsNone);
  FMemo->OnChange = [this](TObject*) {
    if (OnMemoChange) OnMemoChange(this);
  };
  SetControl(FMemo);
}

void TExMemoDropDown::Notification(TComponent* AComponent, TOperation Operation) {
  TExCustomDropDown::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FMemo) FMemo = nullptr;
}

QString TExMemoDropDown::MemoLines() const {
  QStringList lines;
  for (int i = 0; i < FMemoText.Count(); ++i) lines << FMemoText[i];
  return lines.join(QStringLiteral("\r\n"));
}

void TExMemoDropDown::SetMemoText(const TStringList& Value) {
  FMemoText = Value;
  UpdateEditText();
  if (FMemo) FMemo->SetLinesText(MemoLines());
}

void TExMemoDropDown::SetMemoReadOnly(bool Value) {
  FMemoReadOnly = Value;
  if (FMemo && DroppedDown()) FMemo->SetReadOnly(Value);
}

void TExMemoDropDown::UpdateEditText() {
  QString text;
  if (FMemoText.Count() == 0 || EditorEnabled()) {
    text = MemoLines();
  } else {
    text = FMemoText[0];
    TCanvas* c = MeasureCanvas();
    c->SetFont(Font());
    const TRect r = EditRectangle();
    const int w = r.Right - r.Left;
    if (c->TextWidth(text) < w) {
      if (FMemoText.Count() > 1) text += QStringLiteral("...");
    } else {
      text = TruncateText(c, text, w, true);
    }
  }
  FInternalUpdate = true;
  SetTextUnformatted(text);
  FInternalUpdate = false;
}

void TExMemoDropDown::Change() {
  if (!FInternalUpdate) FMemoText.SetText(Text());
  TExCustomDropDown::Change();
}

void TExMemoDropDown::BeforeDropDown() {
  TExCustomDropDown::BeforeDropDown();
  FDropDownForm->CancelOnDeActivate = false;
  if (!FMemo) return;
  FMemo->SetLinesText(MemoLines());
  FMemo->SetPopupMenu(MemoPopup);
  FMemo->SetMaxLength(MaxLength());
  FMemo->SetScrollBars(MemoScrollBars);
  FMemo->SetReadOnly(FMemoReadOnly);
  FocusControl = FMemo;
}

void TExMemoDropDown::DoHideDropDown(bool Cancelled) {
  const bool autoDrop = AutoDrop;
  AutoDrop = false;
  if (Cancelled && FMemo) FMemo->SetLinesText(MemoLines());
  // The lines themselves are what a cancel keeps: the edit's text from the last
  // Text assignment would overwrite them through Change.
  if (Cancelled) FOldText = Text();
  TExCustomDropDown::DoHideDropDown(Cancelled);
  AutoDrop = autoDrop;
}

void TExMemoDropDown::AfterDropUp() {
  TExCustomDropDown::AfterDropUp();
  if (FMemo) FMemoText.SetText(FMemo->LinesText());
  UpdateEditText();
  TEdit::SetSelStart(0);
}

void TExMemoDropDown::ControlKeyDown(int& Key, TShiftState Shift) {
  if (Shift.Contains(ssCtrl) && Key == 'A' && FMemo) FMemo->SelectAll();
  if (Shift.Contains(ssAlt) || Key == VK_ESCAPE || Key == VK_F4) TExCustomDropDown::ControlKeyDown(Key, Shift);
}

void TExMemoDropDown::ControlKeyPress(QChar& Key) {
  if (GetKeyState(VK_MENU) < 0 || Key == QChar(27)) TExCustomDropDown::ControlKeyPress(Key);
}

void TExMemoDropDown::ControlKeyUp(int& Key, TShiftState Shift) {
  if (Shift.Contains(ssAlt) || Key == VK_ESCAPE || Key == VK_F4) TExCustomDropDown::ControlKeyUp(Key, Shift);
}

void TExMemoDropDown::DoEnter() {
  TExCustomDropDown::DoEnter();
  if (AutoDrop) ShowDropDown();
}
