// The class library's collection (stands for TCollection and TCollectionItem): an
// ordered list of items of one class that the collection owns. Adding or removing
// an item, or an item reporting a change, tells the collection through `Update`
// unless an update batch is open (BeginUpdate / EndUpdate); the batch's end
// reports once. A derived collection names its item class through `CreateItem`
// (or `TCollectionOf<T>`).
#pragma once

#include <QString>
#include <vector>

#include "platform/rtl/object.h"

class TCollection;

enum TCollectionNotification { cnAdded, cnExtracting, cnDeleting };

class TCollectionItem : public TPersistent {
public:
  // The item is made for `Collection` (it may read the collection's owner for its
  // first values) but joins it only when the collection inserts it.
  explicit TCollectionItem(TCollection* Collection) : made_for_(Collection) {}
  ~TCollectionItem() override;
  TCollectionItem(const TCollectionItem&) = delete;
  TCollectionItem& operator=(const TCollectionItem&) = delete;

  // The collection the item belongs to; nullptr for an item outside any.
  TCollection* Collection() const { return collection_; }
  // Position in the collection, -1 outside any.
  int Index() const;
  // Moves the item to another position (clamped into the list).
  void SetIndex(int value);
  // A number that stays with the item while it is in its collection.
  int ID() const { return id_; }
  // The name the designer shows; the base gives the class-neutral "TCollectionItem".
  virtual QString GetDisplayName() const;

protected:
  // The collection the item was made for (its collection while in one).
  TCollection* MadeFor() const { return collection_ ? collection_ : made_for_; }
  // Tells the collection that this item (or, with AllItems, every item) changed.
  void Changed(bool AllItems);

private:
  friend class TCollection;
  TCollection* made_for_ = nullptr;
  TCollection* collection_ = nullptr;
  int id_ = 0;
};

class TCollection : public TPersistent {
public:
  TCollection() = default;
  ~TCollection() override;
  TCollection(const TCollection&) = delete;
  TCollection& operator=(const TCollection&) = delete;

  int Count() const { return static_cast<int>(items_.size()); }
  // Raises EListError for an index outside the collection.
  TCollectionItem* Items(int Index) const;
  // A new item at the end / at position Index (0 <= Index <= Count).
  TCollectionItem* Add();
  TCollectionItem* Insert(int Index);
  // Frees the item at Index (EListError outside the collection).
  void Delete(int Index);
  // Frees every item, the last first, in one update batch.
  void Clear();

  void BeginUpdate() { ++update_count_; }
  void EndUpdate();
  int UpdateCount() const { return update_count_; }

  // Copies another collection: clears this one and adds one item per source item,
  // each copied with the item's Assign, in one update batch.
  void Assign(const TPersistent* Source) override;

  // The object the collection belongs to (nullptr in the base).
  virtual TPersistent* GetOwner() const { return nullptr; }

protected:
  // A new item of the collection's class, not yet inserted.
  virtual TCollectionItem* CreateItem() = 0;
  // Told after a change outside an update batch: the changed item, or nullptr
  // when the whole collection changed (items added, removed or reordered).
  virtual void Update(TCollectionItem* Item) {}
  virtual void Notify(TCollectionItem* Item, TCollectionNotification Action) {}
  // Calls Update(nullptr) unless an update batch is open.
  void Changed();

private:
  friend class TCollectionItem;
  void InsertItem(TCollectionItem* item, int index);
  void RemoveItem(TCollectionItem* item);
  void ItemChanged(TCollectionItem* item);
  void checkIndex(int index) const;

  std::vector<TCollectionItem*> items_;
  int update_count_ = 0;
  int next_id_ = 0;
};

// A collection whose items are of class T (T is made with T(TCollection*)).
template <typename T>
class TCollectionOf : public TCollection {
public:
  T* Items(int Index) const { return static_cast<T*>(TCollection::Items(Index)); }
  T* Add() { return static_cast<T*>(TCollection::Add()); }
  T* Insert(int Index) { return static_cast<T*>(TCollection::Insert(Index)); }

protected:
  TCollectionItem* CreateItem() override { return new T(this); }
};
