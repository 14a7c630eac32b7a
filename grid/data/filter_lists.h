// The filter drop-down lists a header cell's filter button opens: a plain list
// (choosing an entry filters the column by it) and a check list (the ticked
// entries filter by any of them). The grid makes each once, as its child, hidden
// until a list opens; a click elsewhere closes the list.
#pragma once

#include <functional>

#include "platform/ui/list_controls.h"

// An entry chosen (its index; -1 for a tick in the check list).
using TDropSelectEvent = std::function<void(TObject* Sender, int ItemIndex)>;

class TDropList : public TListBox {
public:
  explicit TDropList(TComponent* AOwner) : TListBox(AOwner) {}
  TDropSelectEvent OnSelect;
  // The list closed without a choice.
  TNotifyEvent OnCancel;

protected:
  // Enter and a release on an entry choose it and close the list.
  void KeyDown(int& Key, TShiftState Shift) override;
  void ItemClicked(int Index) override;
  void DoExit() override;

private:
  void Choose();
};

class TDropCheckList : public TCheckListBox {
public:
  explicit TDropCheckList(TComponent* AOwner) : TCheckListBox(AOwner) {}
  TDropSelectEvent OnSelect;
  TNotifyEvent OnCancel;

protected:
  // Every tick reports -1; the list stays open.
  void ClickCheck() override;
  void DoExit() override;
};
