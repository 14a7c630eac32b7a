// The grid's drop-down editors: one class per drop-down control (track bar,
// memo, calculator, time picker, detail list, multi-column list, colour
// picker, image picker and the drop-down whose list is a suite grid), each the
// control itself with a thin grid layer: it knows its grid, reports typed changes (OnEditChange), hands the keys that end an
// edit to the grid by the special editors' key protocol, and ends the edit when
// it loses the focus. The members differ only where the control does:
// - the track bar and the colour picker also claim Enter and Escape;
// - the calculator completes a pending operation before Enter commits;
// - the colour picker's navigation keys are Tab, Enter and Escape while its
//   pop-up is open and add Home while it is closed, and only Enter validates
//   (Up and Down end the edit at once);
// - a mouse click that opened the track bar, memo or calculator editor puts
//   the caret under the mouse.
// Escape leaves the cell exactly as it was, whatever the pop-up changed.
#pragma once

#include <QString>

#include "platform/ui/messages.h"

class TExStringGrid;
class TComponent;

template <class TDropDown>
class TGridDropDownEditor : public TDropDown {
public:
  explicit TGridDropDownEditor(TExStringGrid* AGrid);

  // The grid the editor edits; the grid drop-down's member answers its own
  // list grid instead (its published Grid).
  TExStringGrid* Grid() const {
    if constexpr (requires(const TDropDown& d) { d.GetExColGrid(); })
      return this->GetExColGrid();
    else
      return FGrid;
  }
  // The text the cell had when the editor opened; Escape puts it back.
  void SetOriginalText(const QString& Text) { FOriginal = Text; }

protected:
  void Change() override;
  void CMWantSpecialKey(TMessage& Message) override;
  void KeyPress(QChar& Key) override;
  void KeyDown(int& Key, TShiftState Shift) override;
  void WMSetFocus(TMessage& Message) override;
  void DoExit() override;

private:
  bool IsNavigationKey(int Key, TShiftState Shift) const;
  // Writes the text to the current cell and validates it; a refusal shows the
  // validated text. Answers the outcome.
  bool CommitText(bool SelectAll);
  void Cancel();

  TExStringGrid* FGrid;
  QString FOriginal;
};
