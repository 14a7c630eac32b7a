// The spin edit (TEsgSpinEdit): an edit with an up/down button pair at its right
// edge that steps an integer, a floating-point number, a date or a time. The grid's
// in-place spin editor derives from it. Texts that do not read never raise: they
// read as the type's lower limit (integer, float, date) or as midnight (time), and
// a step never raises from a key or a button.
#pragma once

#include "grid/input/spin_button.h"
#include "grid/input/spin_rules.h"
#include "platform/ui/edit.h"

enum TEditAlign { eaLeft, eaRight, eaCenter };

class TEsgSpinEdit : public TEdit {
public:
  explicit TEsgSpinEdit(TComponent* AOwner);

  int Value();
  void SetValue(int value);
  double FloatValue();
  void SetFloatValue(double value);
  TDateTime DateValue();
  void SetDateValue(TDateTime value);
  TDateTime TimeValue();
  void SetTimeValue(TDateTime value);

  TEsgSpinType SpinType() const { return FSpinType; }
  void SetSpinType(TEsgSpinType value);
  int Precision() const { return FPrecision; }
  void SetPrecision(int value);
  bool ShowSeconds() const { return FShowSeconds; }
  void SetShowSeconds(bool value) { FShowSeconds = value; }
  bool EditorEnabled() const { return FEditorEnabled; }
  void SetEditorEnabled(bool value) { FEditorEnabled = value; }
  TEditAlign EditAlign() const { return FEditAlign; }
  void SetEditAlign(TEditAlign value);
  TSpinDirection Direction() const { return FButton->Direction(); }
  void SetDirection(TSpinDirection value);
  void SetIsWinXP(bool value) { FButton->SetIsWinXP(value); }
  // Flat or transparent arrow buttons.
  bool SpinFlat() const { return FSpinFlat; }
  void SetSpinFlat(bool value);
  bool SpinTransparent() const { return FSpinTransparent; }
  void SetSpinTransparent(bool value);
  TEsgSpinButton* Button() const { return FButton; }

  int MinValue = 0;
  int MaxValue = 100;
  double MinFloatValue = 0;
  double MaxFloatValue = 100.0;
  TDateTime MinDateValue = 0;
  TDateTime MaxDateValue = 0;
  int Increment = 1;
  double IncrementFloat = 0.1;
  double IncrementFloatPage = 1.0;
  int IncrementHours = 1;
  int IncrementMinutes = 1;
  int IncrementSeconds = 1;
  bool ReturnIsTab = false;
  bool ExcelStyleDecimalSeparator = false;
  bool AllowEmptyValue = false;  // kept for the owner (the grid lets an empty text stand)
  bool AutoSelect = true;
  // Set by each date step: the short date format puts the month first.
  bool UsDates() const { return FUsDates; }

  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

  // One step up or down (Page: the page step of a float); a read-only edit beeps.
  virtual void SpinUp(bool Page);
  virtual void SpinDown(bool Page);
  // Whether a typed key is taken.
  virtual bool IsValidChar(QChar& Key);

protected:
  // The button pair's clicks.
  virtual void UpClick(TObject* Sender);
  virtual void DownClick(TObject* Sender);

  void WMKeyDown(TMessage& Message) override;
  void WMChar(TMessage& Message) override;
  void KeyDown(int& Key, TShiftState Shift) override;
  void KeyPress(QChar& Key) override;
  void WMPaste(TMessage& Message) override;
  void WMCut(TMessage& Message) override;
  void CMEnter(TMessage& Message) override;
  void CMExit(TMessage& Message) override;

private:
  void Step(bool Up, bool Page);
  void StepDate(bool Up);
  void StepTime(bool Up);
  int CheckValue(int v) const;
  double CheckFloatValue(double v) const;
  TDateTime CheckDateValue(TDateTime v) const;
  void SetTextKeepingCaret(const QString& text);
  void LayoutButtons();

  TEsgSpinButton* FButton = nullptr;
  TEsgSpinType FSpinType = sptNormal;
  int FPrecision = 0;
  bool FShowSeconds = true;
  bool FEditorEnabled = true;
  bool FUsDates = false;
  bool FSpinFlat = false;
  bool FSpinTransparent = false;
  TEditAlign FEditAlign = eaLeft;
  TDateTime FDateValue = 0;
  TDateTime FTimeValue = 0;
};
