#include "platform/ui/menus.h"

#include "platform/rtl/exceptions.h"
#include "platform/ui/ui_service.h"

TMenuItem::TMenuItem(TComponent* AOwner) : TComponent(AOwner) {}

void TMenuItem::Click() {
  if (enabled_ && OnClick) OnClick(this);
}

TPopupMenu::TPopupMenu(TComponent* AOwner) : TComponent(AOwner) {}

TMenuItem* TPopupMenu::Items(int index) const {
  if (index < 0 || index >= Count()) throw EListError(QStringLiteral("List index out of bounds (%1)").arg(index));
  return items_[static_cast<size_t>(index)];
}

TMenuItem* TPopupMenu::Add(const QString& caption, TNotifyEvent onClick) {
  auto* item = new TMenuItem(this);
  item->SetCaption(caption);
  item->OnClick = std::move(onClick);
  items_.push_back(item);
  return item;
}

void TPopupMenu::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation == opRemove) {
    std::erase_if(items_, [AComponent](TMenuItem* item) { return static_cast<TComponent*>(item) == AComponent; });
    if (AComponent == popup_component_) popup_component_ = nullptr;
  }
}

void TPopupMenu::Popup(int X, int Y) {
  if (OnPopup) OnPopup(this);
  TPopupRequest request;
  request.Position = {X, Y};
  for (TMenuItem* item : items_)
    request.Items.push_back({item->Caption(), item->Enabled(), item->Checked(), item->Visible()});
  const int chosen = UserInterface()->TrackPopupMenu(request);
  if (chosen < 0 || chosen >= Count()) return;
  TMenuItem* item = items_[static_cast<size_t>(chosen)];
  if (item->Enabled() && item->Visible()) item->Click();
}
