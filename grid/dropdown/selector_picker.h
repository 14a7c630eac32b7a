// The common part of the pickers whose pop-up lists their items in an item
// selector (the colour list and the image picker): the selector, its look, the
// list sizing, the list keys with their type-ahead search, the wheel and the
// navigation of the picker's own items.
#pragma once

#include <QString>
#include <memory>

#include "grid/dropdown/ex_drop_down.h"
#include "grid/dropdown/item_selector.h"
#include "platform/rtl/collection.h"

class TTimer;
class TPicture;

// An item of a list picker: a caption, an image-list index and an own picture.
// A changed caption or image index is told to the item's collection.
class TPictureItem : public TCollectionItem {
public:
  explicit TPictureItem(TCollection* Collection);
  ~TPictureItem() override;
  QString Caption() const { return FCaption; }
  void SetCaption(const QString& Value);
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int Value);
  TPicture* Image() const { return FImage.get(); }
  void SetImage(const TPicture* Value);
  bool FEnabled = true;

protected:
  // Copies the caption and image index (through the setters), the picture and
  // the enabled flag.
  void AssignPicture(const TPictureItem& Source);
  // Raises the collection's change notice.
  virtual void Changed() = 0;

private:
  QString FCaption;
  int FImageIndex = -1;
  std::unique_ptr<TPicture> FImage;
};

class TSelectorPickerDropDown : public TExCustomDropDown {
public:
  explicit TSelectorPickerDropDown(TComponent* AOwner);
  ~TSelectorPickerDropDown() override;

  int Columns = 1;
  TItemLayout Layout = ilCaptionRight;
  TItemAppearance* ItemAppearance() const { return FItemAppearance.get(); }
  void SetItemAppearance(const TItemAppearance* Value) { FItemAppearance->Assign(Value); }
  TExCustomItemSelector* ItemSelector() const { return FItemSelector; }
  int ItemIndex() const { return FItemIndex; }
  virtual void SetItemIndex(int Value) = 0;
  virtual int ItemCount() const = 0;

  void SelectFirst();
  void SelectLast();
  void SelectNext();
  void SelectPrevious();
  void SetComponentStyle(TSuiteStyle AStyle) override;
  void SetSelectionColorStyle(TSelectionColorStyle Value) override;

protected:
  // Refills the selector from the picker's items (each opening).
  virtual void PrepareItemSelector() = 0;
  // Makes the selector once and places it in the pop-up.
  void CreateItemSelector(TSelectorType Type);
  // The pop-up fits the selector's tiles unless a size is set.
  void SizeSelectorForm();
  // Hooks the selector's choice (closing unless the picker moves it itself)
  // and remembers the index of the opening.
  void HookSelector();
  // Enter on a hot tile of the open list picks it (true: the key is handled).
  bool PickHotOnEnter(int Key);
  // The list keys after the base's handling (Enter raises OnSelect unless handled).
  void ListKeys(int Key, bool Handled);
  void ListWheel(bool Down);
  void RestoreOnCancel(bool Cancelled);
  void Notification(TComponent* AComponent, TOperation Operation) override;

  TExCustomItemSelector* FItemSelector = nullptr;
  std::unique_ptr<TItemAppearance> FItemAppearance;
  bool FInternalCall = false;
  TTimer* FKeyTimer = nullptr;
  QString FCurSearch;
  int FOldItemIndex = -1;
  int FItemIndex = -1;

public:
  TNotifyEvent OnSelect;
};
