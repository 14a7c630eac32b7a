// A drop-down edit for a text of several lines (TExMemoDropDown): the lines
// live in MemoText, the pop-up shows a memo to edit them all, and the edit
// shows the whole text (typing enabled) or its first line shortened to the
// edit's width with "...". In the pop-up only Escape, F4 and Alt keys reach the
// edit; Enter makes a new line.
#pragma once

#include "grid/dropdown/ex_drop_down.h"
#include "platform/rtl/string_list.h"
#include "platform/ui/memo.h"

class TPopupMenu;

class TExMemoDropDown : public TExCustomDropDown {
public:
  explicit TExMemoDropDown(TComponent* AOwner);

  const TStringList& MemoText() const { return FMemoText; }
  void SetMemoText(const TStringList& Value);
  // The lines joined by line breaks.
  QString MemoLines() const;
  TMemo* Memo() const { return FMemo; }
  TPopupMenu* MemoPopup = nullptr;
  TScrollStyle MemoScrollBars = ssNone;
  bool MemoReadOnly() const { return FMemoReadOnly; }
  void SetMemoReadOnly(bool Value);
  bool AutoDrop = false;

  TNotifyEvent OnMemoChange;

  // The edit's text from the lines.
  void UpdateEditText();

protected:
  void CreateDropDownForm() override;
  void BeforeDropDown() override;
  void DoHideDropDown(bool Cancelled) override;
  void AfterDropUp() override;
  void ControlKeyDown(int& Key, TShiftState Shift) override;
  void ControlKeyPress(QChar& Key) override;
  void ControlKeyUp(int& Key, TShiftState Shift) override;
  void Change() override;
  void DoEnter() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

private:
  TStringList FMemoText;
  TMemo* FMemo = nullptr;
  bool FMemoReadOnly = false;
  bool FInternalUpdate = false;
};
