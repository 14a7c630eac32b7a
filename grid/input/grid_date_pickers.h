// The grid's in-place date editors:
// - TGridDatePicker, the date or time picker for edDateEdit (drop-down
//   calendar), edDateEditUpDown (up-down buttons) and edTimeEdit. A typed digit
//   that changes a part which is not the last of the display format moves on to
//   the next part (ShiftFocus); Enter and Tab validate and leave, Escape leaves
//   the cell exactly as it was.
// - TGridDateTimePicker, the combined date-and-time picker for edDateTimeEdit.
//   Enter and Tab validate (OnCellValidate) and leave; Escape puts the value
//   from when the editor opened back and leaves the cell as it was.
#pragma once

#include "grid/input/ex_date_time_picker.h"
#include "grid/input/metro_date_picker.h"

class TExStringGrid;

class TGridDatePicker : public TEsgDateTimePicker {
public:
  explicit TGridDatePicker(TExStringGrid* AGrid);

  // Applied to the drop-down calendar when it opens.
  bool Weeknumbers = false;
  bool ShowToday = true;
  bool ShowTodayCircle = true;

  // Reads a cell text as this picker's kind (its display format first, then the
  // locale's); false when it does not read.
  bool ReadCellText(const QString& Text, TDateTime& Value) const;
  // A new window: the caret goes back to the format's first field.
  void ReCreate();

protected:
  // Moves to the next date or time part after a typed digit changed one.
  virtual void ShiftFocus();
  void WndProc(TMessage& Message) override;
  void Paint() override;
  void KeyPress(QChar& Key) override;
  void KeyDown(int& Key, TShiftState Shift) override;
  void CMWantSpecialKey(TMessage& Message) override;
  void DoExit() override;

private:
  // Writes the text to the current cell and validates it; a refusal shows the
  // validated text.
  bool CommitText();
  void ShowText(const QString& Text);

  TPickerParts FParts;  // the value's parts before a typed digit
  TExStringGrid* FGrid;
};

class TGridDateTimePicker : public TExDateTimePicker {
public:
  explicit TGridDateTimePicker(TExStringGrid* AGrid);

protected:
  void KeyDown(int& Key, TShiftState Shift) override;
  void CMWantSpecialKey(TMessage& Message) override;
  void DoExit() override;

private:
  bool CommitText();

  TExStringGrid* FGrid;
};

// The text the date-and-time editor writes: the locale's short date, a blank
// and the short time.
QString DateAndTimeCellText(TDateTime Value);
