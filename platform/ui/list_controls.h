// The class library's list box and combo box (stand for TListBox and TComboBox)
// over QListWidget and QComboBox. Setting ItemIndex in code is silent; OnClick
// (list box) and OnChange/OnSelect (combo box) follow the user's choices only.
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

protected:
  void WMGetDlgCode(TMessage& Message) override;
  void ApplyColor() override;

private:
  std::unique_ptr<TControlItems> items_;
};

enum TComboBoxStyle { csDropDown, csSimple, csDropDownList };

class TComboBox : public TWinControl {
public:
  explicit TComboBox(TComponent* AOwner);
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
  int MaxLength() const { return max_length_; }
  void SetMaxLength(int value);

  TNotifyEvent OnChange;
  TNotifyEvent OnSelect;
  TNotifyEvent OnDropDown;
  TNotifyEvent OnCloseUp;

  // --- platform ---
  void DropDown();
  void CloseUp();

protected:
  QString GetText() const override;
  void StoreText(const QString& value) override;
  void WMGetDlgCode(TMessage& Message) override;
  void CMWantSpecialKey(TMessage& Message) override;
  void ApplyColor() override;
  virtual void Change();
  virtual void Select();

private:
  void UserSelected(int index);
  void ApplyStyle();

  std::unique_ptr<TControlItems> items_;
  TComboBoxStyle style_ = csDropDown;
  int max_length_ = 0;
  bool dropped_ = false;
};
