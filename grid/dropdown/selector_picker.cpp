#include "grid/dropdown/selector_picker.h"

#include "grid/dropdown/drop_down_form.h"
#include "grid/dropdown/style_presets.h"
#include "platform/ui/shapes.h"
#include "platform/ui/system_metrics.h"
#include "platform/ui/timer.h"

TPictureItem::TPictureItem(TCollection* Collection)
    : TCollectionItem(Collection), FImage(std::make_unique<TPicture>()) {}

TPictureItem::~TPictureItem() = default;

void TPictureItem::SetCaption(const QString& Value) {
  if (FCaption == Value) return;
  FCaption = Value;
  Changed();
}

void TPictureItem::SetImageIndex(int Value) {
  if (FImageIndex == Value) return;
  FImageIndex = Value;
  Changed();
}

void TPictureItem::SetImage(const TPicture* Value) { FImage->Assign(Value); }

void TPictureItem::AssignPicture(const TPictureItem& s) {
  SetCaption(s.FCaption);
  SetImageIndex(s.FImageIndex);
  FImage->Assign(s.FImage.get());
  FEnabled = s.FEnabled;
}

TSelectorPickerDropDown::TSelectorPickerDropDown(TComponent* AOwner)
    : TExCustomDropDown(AOwner), FItemAppearance(std::make_unique<TItemAppearance>(this)) {
  SetEditorEnabled(false);
  DropDownEnabled = true;
  FKeyTimer = new TTimer(this);
  FKeyTimer->SetEnabled(false);
  FKeyTimer->SetInterval(500);
  FKeyTimer->SetOnTimer([this](TObject*) {
    FKeyTimer->SetEnabled(false);
    FCurSearch.clear();
  });
  SetCursor(crArrow);
}

TSelectorPickerDropDown::~TSelectorPickerDropDown() { FKeyTimer->SetEnabled(false); }

void TSelectorPickerDropDown::Notification(TComponent* AComponent, TOperation Operation) {
  TExCustomDropDown::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FItemSelector) FItemSelector = nullptr;
}

void TSelectorPickerDropDown::SelectFirst() {
  if (ItemCount() > 0) SetItemIndex(0);
}
void TSelectorPickerDropDown::SelectLast() {
  if (ItemCount() > 0) SetItemIndex(ItemCount() - 1);
}
void TSelectorPickerDropDown::SelectNext() {
  if (ItemCount() == 0) return;
  if (FItemIndex < 0) SetItemIndex(0);
  else if (FItemIndex + 1 < ItemCount()) SetItemIndex(FItemIndex + 1);
}
void TSelectorPickerDropDown::SelectPrevious() {
  if (ItemCount() == 0) return;
  if (FItemIndex < 0) SetItemIndex(0);
  else if (FItemIndex > 0) SetItemIndex(FItemIndex - 1);
}

void TSelectorPickerDropDown::SetComponentStyle(TSuiteStyle AStyle) {
  TExCustomDropDown::SetComponentStyle(AStyle);
  if (FItemAppearance) SetItemAppearanceStyle(FItemAppearance.get(), AStyle);
}

void TSelectorPickerDropDown::SetSelectionColorStyle(TSelectionColorStyle Value) {
  TExCustomDropDown::SetSelectionColorStyle(Value);
  if (FItemSelector) FItemSelector->ItemAppearance()->SetColorStyle(Value);
}

void TSelectorPickerDropDown::CreateItemSelector(TSelectorType Type) {
  if (!FDropDownForm) return;
  if (!FItemSelector) {
    FItemSelector = new TExCustomItemSelector(this);
    FItemSelector->SetParent(FDropDownForm);
    FItemSelector->SetSelectorType(Type);
    FItemSelector->SetBounds(0, 0, FItemSelector->Width(), 150);
  }
  FItemSelector->SetColor(DropDownColor);
  FItemSelector->UpdateSelectorPanel();
  SetControl(FItemSelector);
}

void TSelectorPickerDropDown::HookSelector() {
  FItemSelector->SetItemIndex(FItemIndex);
  FItemSelector->OnItemSelect = [this](TObject*) {
    SetItemIndex(FItemSelector->ItemIndex());
    if (!FInternalCall) DoHideDropDown(false);
  };
  FItemSelector->SetShowHint(ShowHint());
  FOldItemIndex = FItemIndex;
}

void TSelectorPickerDropDown::SizeSelectorForm() {
  if (!FItemSelector || !FDropDownForm) return TExCustomDropDown::UpdateDropDownSize();
  const int b = DropDownBorderWidth;
  int hf = 0;
  if (DropDownHeader()->Visible()) hf += DropDownHeader()->Height;
  if (DropDownFooter()->Visible()) hf += DropDownFooter()->Height;
  int w = 0, h = 0;
  FItemSelector->GetSelectorPanelSize(w, h);
  // (The pop-up's border is added: the base sizes the pop-up to the control.)
  if (DropDownWidth() < 1) FItemSelector->SetWidth(w + 2 * b);
  if (DropDownHeight() < 1) FItemSelector->SetHeight(h + 2 * b);
  TExCustomDropDown::UpdateDropDownSize();
  // (Before the pop-up shows, the scroll bar is known from the sizes.)
  if (FItemSelector->VertScrollVisible() || h > FDropDownForm->Height() - 2 * b - hf)
    FDropDownForm->SetWidth(FDropDownForm->Width() + VerticalScrollBarWidth());
}

bool TSelectorPickerDropDown::PickHotOnEnter(int Key) {
  if (!Enabled() || !DroppedDown() || Key != VK_RETURN || !FItemSelector || FItemSelector->ItemHot() < 0)
    return false;
  FItemSelector->SetItemIndex(FItemSelector->ItemHot());
  return true;
}

void TSelectorPickerDropDown::ListKeys(int Key, bool Handled) {
  if (!Enabled() || GetKeyState(VK_MENU) < 0 || !FItemSelector) return;
  const bool open = DroppedDown();
  const int count = ItemCount();
  FInternalCall = true;
  switch (Key) {
    case VK_RETURN:
      if (!Handled && OnSelect) OnSelect(this);
      break;
    case VK_PRIOR:
    case VK_NEXT: {
      if (FItemSelector->Items()->Count() != count) PrepareItemSelector();
      const int v = FItemSelector->GetVisibleItemCount();
      if (v >= 1 && count > 0) {
        const int cur = FItemSelector->ItemIndex();
        FItemSelector->SetItemIndex(Key == VK_NEXT ? std::min(cur + v, count - 1) : std::max(cur - v, 0));
        FItemSelector->ScrollItemInView(FItemSelector->ItemIndex());
      }
      break;
    }
    case VK_END:
      if (open) FItemSelector->SelectLast();
      else SelectLast();
      break;
    case VK_HOME:
      if (open) FItemSelector->SelectFirst();
      else SelectFirst();
      break;
    case VK_LEFT:
      if (open && !EditorEnabled()) FItemSelector->SelectPrevious();
      break;
    case VK_RIGHT:
      if (open && !EditorEnabled()) FItemSelector->SelectNext();
      break;
    case VK_UP:
    case VK_DOWN:
      if (open) {
        const int cur = FItemSelector->ItemIndex();
        const int target = cur < 0 ? 0 : cur + (Key == VK_UP ? -Columns : Columns);
        if (target >= 0 && target < count) FItemSelector->SetItemIndex(target);
      } else {
        Key == VK_UP ? SelectPrevious() : SelectNext();
      }
      break;
    default:
      if (GetKeyState(VK_CONTROL) >= 0) {
        FCurSearch += QChar(Key);
        FItemSelector->LookupItem(FCurSearch);
        FKeyTimer->SetEnabled(true);
      }
      break;
  }
  FInternalCall = false;
}

void TSelectorPickerDropDown::ListWheel(bool Down) {
  if (!Enabled() || ReadOnly() || !FItemSelector) return;
  FInternalCall = true;
  if (DroppedDown()) Down ? FItemSelector->HotNext() : FItemSelector->HotPrevious();
  else Down ? FItemSelector->SelectNext() : FItemSelector->SelectPrevious();
  FInternalCall = false;
}

void TSelectorPickerDropDown::RestoreOnCancel(bool Cancelled) {
  if (Cancelled && FItemSelector) SetItemIndex(FOldItemIndex);
}
