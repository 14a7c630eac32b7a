// TExInplaceEdit: the grid's in-place text editor (stands for the class
// library's grid in-place edit, TInplaceEdit, with the grid's own rules). The
// grid lays it over the current cell for the plain editor kinds (edNormal,
// edNumeric, edPositiveNumeric, edFloat, edPositiveFloat, edCapital,
// edMixedCase, edPassword, edLowerCase, edUpperCase, edValidChars). It filters
// typed and pasted characters by the grid's current editor kind, validates the
// cell before a navigation key leaves it, hands the keys it does not use back to
// the grid, and signals the end of the edit once when it loses the focus.
#pragma once

#include "platform/grids/inplace_edit.h"
#include "platform/ui/edit.h"

class TExStringGrid;

class TExInplaceEdit : public TEdit, public TInplaceEdit {
public:
  explicit TExInplaceEdit(TExStringGrid* AGrid);

  // --- the grid's editor protocol ---
  void ShowAt(const TRect& r, bool focus) override;
  void HideControl() override;
  bool ControlVisible() const override { return Visible(); }
  QString EditText() const override { return Text(); }
  void SetEditText(const QString& text) override { SetText(text); }
  void SetMaxLength(int length) override;
  void Deselect() override { SetSelLength(0); }
  // Loads the cell without raising OnEditChange, then takes the cell's colour,
  // font and alignment.
  void UpdateContents() override;

  // Maximum text length; 0 or less: none. Taken from the grid's edit limit.
  int LengthLimit() const { return FLengthLimit; }
  void SetLengthLimit(int value) { FLengthLimit = value; }
  bool VAlign() const { return FValign; }
  void SetVAlign(bool value);
  bool Workmode() const { return FWorkmode; }
  // Lookup completion from the grid's LookupItems.
  void DoChange();
  // The selection an edit opened by F2 or by typing starts with: the whole
  // text with the grid's EditSelectAll, else the caret after the text.
  void ApplyStartSelection();

protected:
  void WndProc(TMessage& Message) override;
  void WMKeyDown(TMessage& Message) override;
  void WMChar(TMessage& Message) override;
  void KeyDown(int& Key, TShiftState Shift) override;
  void KeyPress(QChar& Key) override;
  void KeyUp(int& Key, TShiftState Shift) override;
  void WMPaste(TMessage& Message) override;
  void WMCopy(TMessage& Message) override;
  void WMCut(TMessage& Message) override;
  void WMSetFocus(TMessage& Message) override;
  void WMKillFocus(TMessage& Message) override;
  void WMLButtonDblClk(TMessage& Message) override;
  void CMWantSpecialKey(TMessage& Message) override;
  void Change() override;

private:
  // Validates T; on failure shows the validated text, selects per
  // EditSelectAll and puts back the grid's old text S. Answers the outcome.
  bool ValidateOrRestore(const QString& T, const QString& S);
  void ShowValidatedText(bool repaint);
  bool CaretOnFirstLine() const;
  bool CaretOnLastLine() const;
  void WalkOut(bool Forward);

  TExStringGrid* FGrid;
  int FSelKeyDown = 0;
  int FOldSelStart = 0;
  int FLengthLimit = 0;
  bool FValign = false;
  bool FGotFocus = false;
  bool FWorkmode = true;
  int FColE = -1, FRowE = -1;
  bool FAltBack = false;
  bool FEnterRefused = false;  // the key-down of this Enter was refused
};
