// A drop-down whose value is one of its image items (TExImagePickerDropDown):
// the pop-up lists the items' pictures with captions in Columns columns, the
// edit area shows the chosen item's picture (or its image of Images), centred.
// Items come from the Items collection, from the Images list or from the
// picture files of a folder.
#pragma once

#include <memory>

#include "grid/dropdown/header_footer_settings.h"
#include "grid/dropdown/selector_picker.h"

class TImageItem : public TPictureItem {
public:
  using TPictureItem::TPictureItem;
  QString Hint;
  void Assign(const TPersistent* Source) override;

protected:
  void Changed() override;
};

using TImageItems = TNotifyingCollection<TImageItem>;

class TExImagePickerDropDown : public TSelectorPickerDropDown {
public:
  explicit TExImagePickerDropDown(TComponent* AOwner);
  ~TExImagePickerDropDown() override;

  TImageItems* Items() const { return FItems.get(); }
  void SetItems(const TImageItems* Value) { FItems->Assign(Value); }
  // A new index repaints, raises OnChange, then OnSelect.
  void SetItemIndex(int Value) override;
  int ItemCount() const override { return FItems->Count(); }
  // The chosen item's image index (-1 without one); setting it chooses the
  // first item with that index, or none.
  int ImageIndex() const;
  void SetImageIndex(int Value);
  // Appends one item per picture of Images, with image indexes 0, 1, ... and
  // empty captions (nothing without Images).
  void AddImagesFromImageList();
  // Appends one item per entry that matches the folder and file mask (folders
  // too); a file that does not load leaves an empty item.
  void AddImagesFromFolder(const QString& AFolder, bool SetImageCaption);
  std::function<void(TObject* Sender, TCanvas* Canvas, TRect R)> OnDrawSelectedImage;
  TDrawItemEvent OnDrawItem;
  void PaintSelectedImage(TCanvas* Canvas);

protected:
  void CreateDropDownForm() override;
  void BeforeDropDown() override;
  void UpdateDropDownSize() override { SizeSelectorForm(); }
  void DoHideDropDown(bool Cancelled) override;
  void HandleMouseWheelDown() override;
  void HandleMouseWheelUp() override;
  void WMKeyDown(TMessage& Message) override;
  void Dispatch(TMessage& Message) override;
  void PrepareItemSelector() override;

private:
  std::unique_ptr<TImageItems> FItems;
};
