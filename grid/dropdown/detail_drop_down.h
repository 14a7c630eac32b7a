// An editable drop-down whose pop-up lists items with a picture, a caption and
// a line of notes (TExDetailDropDown). Typing completes the text from the item
// captions; Enter takes the item whose caption equals the text; picking an
// item in the pop-up puts its caption into the edit. The notes are shown as
// their plain text.
#pragma once

#include <memory>

#include "grid/dropdown/header_footer_settings.h"
#include "grid/dropdown/selector_picker.h"

class TDetailItem : public TPictureItem {
public:
  using TPictureItem::TPictureItem;
  QString Notes;
  TObject* ItemObject = nullptr;  // not owned
  int Tag = 0;
  void Assign(const TPersistent* Source) override;

protected:
  void Changed() override;
};

class TDetailItems : public TNotifyingCollection<TDetailItem> {
public:
  using TNotifyingCollection<TDetailItem>::TNotifyingCollection;
  // The first item whose caption equals the text (with case); -1 when none.
  int IndexOf(const QString& AValue) const;
};

class TExDetailDropDown : public TSelectorPickerDropDown {
public:
  explicit TExDetailDropDown(TComponent* AOwner);
  ~TExDetailDropDown() override;

  TDetailItems* Items() const { return FItems.get(); }
  void SetItems(const TDetailItems* Value) { FItems->Assign(Value); }
  // A new item shows its caption (all selected) and raises OnSelect; -1
  // empties the text silently.
  void SetItemIndex(int Value) override;
  int ItemCount() const override { return FItems->Count(); }
  int ItemHeight = 22;
  TFont* CaptionFont() const { return FCaptionFont.get(); }
  void SetCaptionFont(const TFont* Value);
  TFont* NotesFont() const { return FNotesFont.get(); }
  void SetNotesFont(const TFont* Value);
  bool MatchCase = false;
  bool MatchStart = false;  // stored only
  std::function<void(TObject* Sender, TCanvas* Canvas, TRect R)> OnDrawSelectedImage;

protected:
  void CreateDropDownForm() override;
  void BeforeDropDown() override;
  void DoShowDropDown() override;
  void UpdateDropDownSize() override;
  void DoHideDropDown(bool Cancelled) override;
  void DropDownSizing() override;
  void HandleMouseWheelDown() override { Wheel(1); }
  void HandleMouseWheelUp() override { Wheel(-1); }
  void Change() override;
  void KeyDown(int& Key, TShiftState Shift) override;
  void KeyUp(int& Key, TShiftState Shift) override;
  void WMKeyDown(TMessage& Message) override;
  void WMChar(TMessage& Message) override;
  void WMPaste(TMessage& Message) override;
  void PrepareItemSelector() override;

private:
  void DrawSelectorItem(TCanvas* Canvas, TRect R, int Index);
  // Moves the open list to N (inside the list only), keeping the pop-up open.
  void MoveList(int N);
  void Wheel(int Step);

  std::unique_ptr<TDetailItems> FItems;
  std::unique_ptr<TFont> FCaptionFont;
  std::unique_ptr<TFont> FNotesFont;
  bool FWorkMode = true;
  bool FItemChange = false;
  int FItemIdx = 0;
  int FItemSel = 0;
  bool FSelPending = false;
  int FSelStart = 0, FSelLength = 0;
  bool FInChange = false;
  bool FTyping = false;  // the edit's own key or paste handling is running
};
