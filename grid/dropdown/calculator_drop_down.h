// A number edit whose pop-up is a calculator keypad (TExCalculatorDropdown):
// the edit text is the calculator display. Every operation reads the number
// shown, computes and writes the result back through the edit's number
// formatting, so the display is always rounded to Precision decimals and a
// chained operation continues from the rounded number. The same operations run
// from keypad clicks, from characters typed into the closed edit and from
// characters typed while the pop-up has the focus. A display that cannot be
// read counts as 0; "Error" stands after a division by zero, the square root of
// a negative number or the reciprocal of zero.
#pragma once

#include <memory>

#include "grid/dropdown/button_panel.h"
#include "grid/dropdown/ex_drop_down.h"

class TExCalculatorDropdown : public TExCustomDropDown {
public:
  explicit TExCalculatorDropdown(TComponent* AOwner);
  ~TExCalculatorDropdown() override;

  TButtonAppearance* CalcButtonAppearance() const { return FCalcButtonAppearance.get(); }
  void SetCalcButtonAppearance(const TButtonAppearance* Value) { FCalcButtonAppearance->Assign(Value); }
  bool ShowThousandSeparator() const { return FShowThousandSeparator; }
  void SetShowThousandSeparator(bool Value);
  TCustomButtonPanel* ButtonPanel() const { return FExButtonPanel; }

  // The number shown (0 when the display does not read as a number).
  double Value();
  void SetValue(double Value);
  // The equals step: the pending operation applied to the display.
  void CalcResult();
  void SetComponentStyle(TSuiteStyle AStyle) override;

  // The memory register and the pending operation (-1 none, 0 add, 1 multiply,
  // 2 subtract, 3 divide).
  long double MemoryValue() const { return FMVal; }
  int PendingOperation() const { return FPrevop; }

protected:
  // Called first on every keypad click and every character that reaches the pop-up.
  virtual void BeforeCalcAction() {}

  void CreateDropDownForm() override;
  void BeforeDropDown() override;
  void DropDownKeyPress(QChar& Key) override;
  void DropDownKeyDown(int& Key, TShiftState Shift) override;
  void ControlKeyPress(QChar& Key) override { DropDownKeyPress(Key); }
  void ControlKeyDown(int& Key, TShiftState Shift) override { DropDownKeyDown(Key, Shift); }
  void KeyPress(QChar& Key) override;
  void WMKeyDown(TMessage& Message) override;
  void WMChar(TMessage& Message) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

private:
  void ButtonClick(TObject* Sender, int Index);
  // Reads the display: an empty or "Error" display becomes "0" first.
  long double ReadDisplay();
  void PendingOperationStep();
  void OperatorKey(int Op);
  void PercentStep();
  void Clear();
  bool PopupShowing() const;

  TCustomButtonPanel* FExButtonPanel = nullptr;
  long double FDecim = 0;
  bool FNewval = false;
  long double FPrevval = 0;
  int FPrevop = -1;
  bool FCalcClosed = true;
  std::unique_ptr<TButtonAppearance> FCalcButtonAppearance;
  long double FMVal = 0;
  bool FShowThousandSeparator = false;
};
