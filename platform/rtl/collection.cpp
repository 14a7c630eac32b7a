#include "platform/rtl/collection.h"

#include <algorithm>

#include "platform/rtl/exceptions.h"

TCollectionItem::~TCollectionItem() {
  if (collection_) collection_->RemoveItem(this);
}

int TCollectionItem::Index() const {
  if (!collection_) return -1;
  const auto& items = collection_->items_;
  auto it = std::find(items.begin(), items.end(), this);
  return it == items.end() ? -1 : static_cast<int>(it - items.begin());
}

void TCollectionItem::SetIndex(int value) {
  if (!collection_) return;
  auto& items = collection_->items_;
  const int current = Index();
  value = std::clamp(value, 0, static_cast<int>(items.size()) - 1);
  if (value == current) return;
  items.erase(items.begin() + current);
  items.insert(items.begin() + value, this);
  collection_->Changed();
}

QString TCollectionItem::GetDisplayName() const { return QStringLiteral("TCollectionItem"); }

void TCollectionItem::Changed(bool AllItems) {
  if (!collection_) return;
  if (AllItems) {
    collection_->Changed();
    return;
  }
  collection_->ItemChanged(this);
}

TCollection::~TCollection() {
  // Items are freed without reporting to a collection that is going away.
  ++update_count_;
  while (!items_.empty()) {
    TCollectionItem* item = items_.back();
    items_.pop_back();
    item->collection_ = nullptr;
    delete item;
  }
}

void TCollection::checkIndex(int index) const {
  if (index < 0 || index >= Count())
    throw EListError(QStringLiteral("List index out of bounds (%1)").arg(index));
}

TCollectionItem* TCollection::Items(int Index) const {
  checkIndex(Index);
  return items_[Index];
}

TCollectionItem* TCollection::Add() { return Insert(Count()); }

TCollectionItem* TCollection::Insert(int Index) {
  if (Index < 0 || Index > Count())
    throw EListError(QStringLiteral("List index out of bounds (%1)").arg(Index));
  TCollectionItem* item = CreateItem();
  InsertItem(item, Index);
  return item;
}

void TCollection::Delete(int Index) {
  checkIndex(Index);
  TCollectionItem* item = items_[Index];
  Notify(item, cnDeleting);
  delete item;  // the destructor removes it from the list
}

void TCollection::Clear() {
  if (items_.empty()) return;
  BeginUpdate();
  while (!items_.empty()) Delete(Count() - 1);
  EndUpdate();
}

void TCollection::EndUpdate() {
  if (update_count_ > 0) --update_count_;
  Changed();
}

void TCollection::Changed() {
  if (update_count_ == 0) Update(nullptr);
}

void TCollection::Assign(const TPersistent* Source) {
  auto* source = dynamic_cast<const TCollection*>(Source);
  if (!source) {
    TPersistent::Assign(Source);
    return;
  }
  if (source == this) return;
  BeginUpdate();
  Clear();
  for (TCollectionItem* from : source->items_) Add()->Assign(from);
  EndUpdate();
}

void TCollection::InsertItem(TCollectionItem* item, int index) {
  items_.insert(items_.begin() + index, item);
  item->collection_ = this;
  item->id_ = next_id_++;
  Notify(item, cnAdded);
  Changed();
}

void TCollection::RemoveItem(TCollectionItem* item) {
  Notify(item, cnExtracting);
  auto it = std::find(items_.begin(), items_.end(), item);
  if (it != items_.end()) items_.erase(it);
  item->collection_ = nullptr;
  Changed();
}

void TCollection::ItemChanged(TCollectionItem* item) {
  if (update_count_ == 0) Update(item);
}
