// The class library's list box and combo box (stand for TListBox and TComboBox)
// over QListWidget and QComboBox. Setting ItemIndex in code is silent; OnClick
// (list box) and OnChange/OnSelect (combo box) follow the user's actions only.
#pragma once

#include <memory>

#include "platform/ui/control.h"
#include "platform/ui/items.h"

class TListBox : public TWinControl {
public:
  explicit TListBox(TComponent* AOwner);
  ~TListBox() override;

  TControlItems* Items() { return items_.get(); }
  int ItemIndex() const;
  void SetItemIndex(int value);
  int TopIndex() const;
  void SetTopIndex(int value);
  void Clear() { items_->Clear(); }
  // The height of one item in pixels.
  int ItemHeight() const;

protected:
  void WMGetDlgCode(TMessage& Message) override;
  void ApplyColor() override;
  // The user released the mouse button on an item.
  virtual void ItemClicked(int Index) {}

private:
  std::unique_ptr<TControlItems> items_;
};

// The class library's check list box (stands for TCheckListBox): a list box
// whose items carry a check box. Setting a check state in code is silent; the
// user's ticks raise OnClickCheck.
class TCheckListBox : public TListBox {
public:
  explicit TCheckListBox(TComponent* AOwner);

  bool Checked(int Index) const;
  void SetChecked(int Index, bool Value);

  TNotifyEvent OnClickCheck;

protected:
  virtual void ClickCheck();
};

enum TComboBoxStyle { csDropDown, csSimple, csDropDownList };

// The combo box tells its parent what happened, as WM_COMMAND notifications that
// the parent reflects back (CN_COMMAND), and tells the three causes apart:
// - CBN_SELCHANGE: the user chose an item (list click, arrow keys or wheel on the
//   closed box, a typed letter in the list style): Click, then Select (OnSelect,
//   or OnChange when OnSelect is not assigned);
// - CBN_EDITCHANGE: the user changed the text of the editable style (typing,
//   pasting); the item index becomes -1 until an item is chosen: Change (OnChange);
// - changes in code (Text, ItemIndex, Items) raise nothing;
// - CBN_DROPDOWN before the list opens (DropDown, OnDropDown) and CBN_CLOSEUP
//   after it closed (CloseUp, OnCloseUp).
class TComboBox : public TWinControl {
public:
  explicit TComboBox(TComponent* AOwner);
  // Made in `AStyle` from the start: the same as SetStyle right after creation,
  // without building the edit part that the list style then throws away.
  TComboBox(TComponent* AOwner, TComboBoxStyle AStyle);
  ~TComboBox() override;

  TControlItems* Items() { return items_.get(); }
  TComboBoxStyle Style() const { return style_; }
  void SetStyle(TComboBoxStyle value);
  int ItemIndex() const;
  void SetItemIndex(int value);
  int DropDownCount() const;
  void SetDropDownCount(int value);
  bool DroppedDown() const;
  void SetDroppedDown(bool value);
  // Width of the open list (stands for CB_SETDROPPEDWIDTH); never below the box's.
  int DroppedWidth() const { return dropped_width_; }
  void SetDroppedWidth(int value);
  int MaxLength() const { return max_length_; }
  void SetMaxLength(int value);

  // The edit part of the editable style (the list style has none: the getters
  // answer 0, -1 for CharFromPos, and the setters do nothing).
  int SelStart() const;
  void SetSelStart(int value);
  int SelLength() const;
  void SetSelLength(int value);
  QString SelText() const;
  void SelectAll();
  int CaretPos() const;
  int CharFromPos(TPoint p) const;

  TNotifyEvent OnChange;
  TNotifyEvent OnSelect;
  TNotifyEvent OnDropDown;
  TNotifyEvent OnCloseUp;

protected:
  QString GetText() const override;
  void StoreText(const QString& value) override;
  void Dispatch(TMessage& Message) override;
  void WMGetDlgCode(TMessage& Message) override;
  void CMWantSpecialKey(TMessage& Message) override;
  virtual void CNCommand(TMessage& Message);
  void ApplyColor() override;
  virtual void Change();
  virtual void Select();
  virtual void DropDown();
  virtual void CloseUp();

private:
  friend class ComboBoxWidget;
  void ListOpening();
  void ListClosed();
  void TextEdited();
  void ApplyStyle();

  std::unique_ptr<TControlItems> items_;
  TComboBoxStyle style_ = csDropDown;
  int max_length_ = 0;
  int dropped_width_ = 0;
  bool dropped_ = false;
};
