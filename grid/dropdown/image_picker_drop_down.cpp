#include "grid/dropdown/image_picker_drop_down.h"

#include "grid/dropdown/drop_down_form.h"
#include "platform/ui/image_list.h"
#include "platform/os/find_entries.h"
#include "platform/rtl/exceptions.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/canvas.h"
#include "platform/ui/control_canvas.h"
#include "platform/ui/shapes.h"

// --- items ---

void TImageItem::Changed() {
  if (auto* items = dynamic_cast<TImageItems*>(Collection())) items->DoChange();
}

void TImageItem::Assign(const TPersistent* Source) {
  auto* s = dynamic_cast<const TImageItem*>(Source);
  if (!s) return TCollectionItem::Assign(Source);
  AssignPicture(*s);
  Hint = s->Hint;
}

// --- the picker ---

TExImagePickerDropDown::TExImagePickerDropDown(TComponent* AOwner)
    : TSelectorPickerDropDown(AOwner), FItems(std::make_unique<TImageItems>(this)) {
  FItems->OnChange = [](TObject*) {};
  CreateDropDownForm();
}

TExImagePickerDropDown::~TExImagePickerDropDown() = default;

void TExImagePickerDropDown::SetItemIndex(int Value) {
  if (Value == FItemIndex || Value >= FItems->Count()) return;
  FItemIndex = Value;
  Invalidate();
  if (OnChange) OnChange(this);
  if (OnSelect) OnSelect(this);
}

int TExImagePickerDropDown::ImageIndex() const {
  return FItemIndex < 0 ? -1 : FItems->Items(FItemIndex)->ImageIndex();
}

void TExImagePickerDropDown::SetImageIndex(int Value) {
  for (int i = 0; i < FItems->Count(); ++i)
    if (FItems->Items(i)->ImageIndex() == Value) return SetItemIndex(i);
  SetItemIndex(-1);
}

void TExImagePickerDropDown::AddImagesFromFolder(const QString& AFolder, bool SetImageCaption) {
  QString folder;
  for (const QString& name : FindEntries(AFolder, folder)) {
    TImageItem* item = FItems->Add();
    try {
      item->Image()->LoadFromFile(folder + name);
      if (SetImageCaption) item->SetCaption(name);
    } catch (const Exception&) {
      // Not a picture (or a folder): the item stays empty.
    }
  }
}

void TExImagePickerDropDown::CreateDropDownForm() {
  TSelectorPickerDropDown::CreateDropDownForm();
  CreateItemSelector(stImage);
}

void TExImagePickerDropDown::PrepareItemSelector() {
  TExCustomItemSelector* s = FItemSelector;
  if (!s) return;
  s->OnItemSelect = nullptr;
  s->SetColumns(Columns);
  s->ItemLayout = Layout;
  s->SetImages(Images());
  s->SetColor(DropDownColor);
  s->SetItemAppearance(FItemAppearance.get());
  s->Items()->Clear();
  for (int i = 0; i < FItems->Count(); ++i) {
    const TImageItem* from = FItems->Items(i);
    TSelectorItem* item = s->Items()->Add();
    item->SetCaption(from->Caption());
    item->SetImage(from->Image());
    item->SetImageIndex(from->ImageIndex());
    item->Hint = from->Hint;
  }
  s->UpdateSelectorPanel();
  HookSelector();
  if (OnDrawItem) s->OnDrawItem = [this](TObject*, TCanvas* C, TRect R, int Index) { OnDrawItem(this, C, R, Index); };
  else s->OnDrawItem = nullptr;
}

void TExImagePickerDropDown::BeforeDropDown() {
  TSelectorPickerDropDown::BeforeDropDown();
  PrepareItemSelector();
}

void TExImagePickerDropDown::DoHideDropDown(bool Cancelled) {
  TSelectorPickerDropDown::DoHideDropDown(Cancelled);
  RestoreOnCancel(Cancelled);
}

void TExImagePickerDropDown::HandleMouseWheelDown() {
  TSelectorPickerDropDown::HandleMouseWheelDown();
  ListWheel(true);
}

void TExImagePickerDropDown::HandleMouseWheelUp() {
  TSelectorPickerDropDown::HandleMouseWheelUp();
  ListWheel(false);
}

void TExImagePickerDropDown::WMKeyDown(TMessage& Message) {
  const int key = Message.CharCode();
  const bool handled = PickHotOnEnter(key);
  TSelectorPickerDropDown::WMKeyDown(Message);
  ListKeys(key, handled);
}

void TExImagePickerDropDown::PaintSelectedImage(TCanvas* c) {
  const TRect R = EditRectangle();
  if (OnDrawSelectedImage) {
    OnDrawSelectedImage(this, c, R);
    return;
  }
  if (FItemIndex < 0) return;
  const TImageItem* item = FItems->Items(FItemIndex);
  TPicture* p = item->Image();
  const int w = R.Right - R.Left, h = R.Bottom - R.Top;
  if (p->Width() > 0) {
    c->Draw(R.Left + (w - p->Width()) / 2, R.Top + (h - p->Height()) / 2, p->Bitmap());
    return;
  }
  TCustomImageList* list = Images();
  if (list && item->ImageIndex() >= 0)
    list->Draw(c, R.Left + (w - list->Width()) / 2, R.Top + (h - list->Height()) / 2, item->ImageIndex(), true);
}

void TExImagePickerDropDown::AddImagesFromImageList() {
  TCustomImageList* list = Images();
  if (!list) return;
  for (int i = 0; i < list->Count(); ++i) FItems->Add()->SetImageIndex(i);
}

void TExImagePickerDropDown::Dispatch(TMessage& Message) {
  TSelectorPickerDropDown::Dispatch(Message);
  if (Message.Msg != WM_PAINT) return;
  TControlCanvas c(this);
  if (c.Drawing()) PaintSelectedImage(&c);
}
