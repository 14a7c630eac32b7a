// The grid's edit-with-button and unit editors:
// - TGridEditBtn for edEditBtn, edNumericEditBtn, edFloatEditBtn and
//   edMaskEditBtn: its button lets the grid turn the text into a new one
//   (OnEllipsClick); typed and pasted characters follow the rules of the
//   matching in-place kind and the length limit; with StopEditAfterClick a click
//   ends the edit.
// - TGridUnitEditBtn for edUnitEditBtn, edNumericUnitEditBtn and
//   edFloatUnitEditBtn: a value with its unit, stored as value and unit joined.
// Both follow the special editors' key protocol; Escape leaves the cell exactly
// as it was.
#pragma once

#include "grid/base/editor_type.h"
#include "grid/input/esg_edit_btn.h"

class TExStringGrid;

// The plain in-place kind whose character and paste rules an edit-button or
// unit kind follows (edNone: characters are dropped).
TEditorType InplaceKindOf(TEditorType ButtonKind);

class TGridEditBtn : public TEsgEditBtn {
public:
  explicit TGridEditBtn(TExStringGrid* AGrid);

  bool StopEditAfterClick = false;
  bool WorkMode = true;
  void ReCreate() { Invalidate(); }
  // The button's step: the grid's OnEllipsClick turns the text into a new one.
  void ClickButton(TObject* Sender);
  // Lookup completion from the grid's LookupItems.
  void DoChange();

protected:
  void WMChar(TMessage& Message) override;
  void KeyPress(QChar& Key) override;
  void KeyDown(int& Key, TShiftState Shift) override;
  void KeyUp(int& Key, TShiftState Shift) override;
  void WMPaste(TMessage& Message) override;
  void WMLButtonDblClk(TMessage& Message) override;
  void CMWantSpecialKey(TMessage& Message) override;
  void Change() override;
  void DoExit() override;

private:
  bool CommitText(bool SelectOnFailure);
  void WalkOut(bool Forward);

  int FSelKeyDown = 0;
  TExStringGrid* FGrid;
};

class TGridUnitEditBtn : public TEsgUnitEditBtn {
public:
  explicit TGridUnitEditBtn(TExStringGrid* AGrid);

  void ReCreate() { Invalidate(); }
  // Loads a cell text: split into value and unit when it ends in a unit,
  // otherwise all of it is the value.
  void LoadCellText(const QString& Text);

protected:
  void WMChar(TMessage& Message) override;
  void KeyDown(int& Key, TShiftState Shift) override;
  void CMWantSpecialKey(TMessage& Message) override;
  void Change() override;
  void DoExit() override;

private:
  bool CommitText();

  TExStringGrid* FGrid;
};

// The character rule of the button kinds, applied to one typed character:
// answers whether it goes on to the edit, and sounds the kind's beep.
bool ButtonKindTakesChar(TExStringGrid* Grid, TEsgEditBtn* Edit, TEditorType Kind, TMessage& Message);
