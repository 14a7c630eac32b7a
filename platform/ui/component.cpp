#include "platform/ui/component.h"

#include <algorithm>

#include "platform/rtl/exceptions.h"

namespace {

void EraseOne(std::vector<TComponent*>& list, TComponent* c) {
  auto it = std::find(list.begin(), list.end(), c);
  if (it != list.end()) list.erase(it);
}

}  // namespace

TComponent::TComponent(TComponent* AOwner) {
  if (AOwner) AOwner->InsertComponent(this);
}

TComponent::~TComponent() {
  Destroying();
  // Tell everyone who asked; each forgets this component.
  while (!free_notifies_.empty()) {
    TComponent* other = free_notifies_.back();
    free_notifies_.pop_back();
    EraseOne(other->free_notifies_, this);
    other->Notification(this, opRemove);
  }
  DestroyComponents();
  if (owner_) owner_->RemoveComponent(this);
}

TComponent* TComponent::Components(int index) const {
  if (index < 0 || index >= ComponentCount()) throw EListError(QStringLiteral("List index out of bounds (%1)").arg(index));
  return components_[static_cast<size_t>(index)];
}

TComponent* TComponent::FindComponent(const QString& name) const {
  if (name.isEmpty()) return nullptr;
  // Names of other lengths never match (case folding keeps the length): the cheap
  // test first, as forms of hundreds of controls look their controls up by name.
  for (TComponent* c : components_)
    if (c->name_.size() == name.size() && c->name_.compare(name, Qt::CaseInsensitive) == 0) return c;
  return nullptr;
}

int TComponent::ComponentIndex() const {
  if (!owner_) return -1;
  auto it = std::find(owner_->components_.begin(), owner_->components_.end(), this);
  return it == owner_->components_.end() ? -1 : static_cast<int>(it - owner_->components_.begin());
}

void TComponent::FreeNotification(TComponent* AComponent) {
  if (!AComponent || AComponent == this) return;
  if (owner_ && AComponent == owner_) return;  // the owner hears of it anyway
  if (std::find(free_notifies_.begin(), free_notifies_.end(), AComponent) == free_notifies_.end())
    free_notifies_.push_back(AComponent);
  if (std::find(AComponent->free_notifies_.begin(), AComponent->free_notifies_.end(), this) ==
      AComponent->free_notifies_.end())
    AComponent->free_notifies_.push_back(this);
  state_ += csFreeNotification;
}

void TComponent::RemoveFreeNotification(TComponent* AComponent) {
  EraseOne(free_notifies_, AComponent);
  if (AComponent) EraseOne(AComponent->free_notifies_, this);
}

void TComponent::InsertComponent(TComponent* AComponent) {
  if (!AComponent) return;
  if (AComponent->owner_) AComponent->owner_->RemoveComponent(AComponent);
  Insert(AComponent);
  if (state_.Contains(csLoading)) AComponent->state_ += csLoading;
  if (state_.Contains(csDesigning)) AComponent->SetDesigning(true);
  Notification(AComponent, opInsert);
}

void TComponent::RemoveComponent(TComponent* AComponent) {
  if (!AComponent || AComponent->owner_ != this) return;
  Notification(AComponent, opRemove);
  Remove(AComponent);
}

void TComponent::Insert(TComponent* c) {
  components_.push_back(c);
  c->owner_ = this;
}

void TComponent::Remove(TComponent* c) {
  EraseOne(components_, c);
  c->owner_ = nullptr;
}

void TComponent::DestroyComponents() {
  while (!components_.empty()) {
    TComponent* c = components_.back();
    if (c->state_.Contains(csFreeNotification)) RemoveComponent(c);
    else Remove(c);
    delete c;
  }
}

void TComponent::Destroying() {
  if (state_.Contains(csDestroying)) return;
  state_ += csDestroying;
  for (TComponent* c : components_) c->Destroying();
}

void TComponent::BeginLoading() {
  state_ += csLoading;
  for (TComponent* c : components_) c->BeginLoading();
}

void TComponent::EndLoading() {
  const std::vector<TComponent*> owned = components_;
  for (TComponent* c : owned)
    if (c->state_.Contains(csLoading)) c->EndLoading();
  if (state_.Contains(csLoading)) Loaded();
}

void TComponent::Loaded() { state_ -= csLoading; }

void TComponent::PassNotification(TComponent* AComponent, TOperation Operation) {
  if (Operation == opRemove && AComponent) RemoveFreeNotification(AComponent);
  // Pass the news on; an owned component may free others while hearing it.
  for (size_t i = components_.size(); i-- > 0;) {
    if (i >= components_.size()) {
      if (components_.empty()) break;
      i = components_.size() - 1;
    }
    components_[i]->Notification(AComponent, Operation);
  }
}

void TComponent::SetDesigning(bool value) {
  if (value) state_ += csDesigning;
  else state_ -= csDesigning;
  for (TComponent* c : components_) c->SetDesigning(value);
}
