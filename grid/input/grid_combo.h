// TGridCombo: the grid's list editor for edComboEdit (editable text with a list
// of proposals) and edComboList (a choice from the list only), laid over the
// current cell by the grid. It follows the special editors' key protocol
// (validate on the commit keys, hand navigation keys back to the grid), chooses
// items with the wheel, completes typed text from its items or the grid's
// lookup list, and tells the grid of the user's choices (OnComboChange,
// OnComboObjectChange) and typing (OnEditChange).
#pragma once

#include <vector>

#include "grid/input/flat_combo_box.h"

class TExStringGrid;

// The width of the open list: the combo's width, widened to fit the item text
// widths (25 pixels spare when the list scrolls, else 8 past 5).
int ComboDropDownWidth(int ComboWidth, const std::vector<int>& ItemWidths, int DropDownCount);

class TGridCombo : public TEsgComboBox {
public:
  explicit TGridCombo(TExStringGrid* AGrid);

  bool WorkMode = true;  // lookup completion allowed (off after Backspace or Delete)
  TNotifyEvent OnReturnKey;

  // Widens the open list to the items' texts in the grid's font.
  void SizeDropDownWidth();
  // Lookup completion of the typed text.
  void DoChange();

protected:
  void WndProc(TMessage& Message) override;
  void KeyDown(int& Key, TShiftState Shift) override;
  void KeyPress(QChar& Key) override;
  void KeyUp(int& Key, TShiftState Shift) override;
  void CMWantSpecialKey(TMessage& Message) override;
  void WMSetFocus(TMessage& Message) override;
  void DoExit() override;
  // The user chose an item (list, arrow keys, typed letter).
  void Select() override;
  // The user typed in the edit part.
  void Change() override;

private:
  bool ListOnly() const { return Style() == csDropDownList; }
  // Writes the text to the current cell and validates it; on refusal shows the
  // validated text. Answers the outcome.
  bool CommitText(bool selectAll);
  // Reloads the text (and, for the list style, the item) from the current cell.
  void ReloadFromCell();
  void RaiseComboChange();
  void WalkOut(bool Forward);

  TExStringGrid* FGrid;
};
