// One hidden row of the grid (TGridItem): the row's index when it was hidden,
// its height, its cells (one entry per column of the store, hidden columns
// counted, each with the cell's properties object or nothing) and the filter
// level that hid it. The item owns its list, not the cell properties in it:
// showing the row gives them back to the cell store.
#pragma once

#include <memory>

#include "platform/rtl/collection.h"
#include "platform/rtl/string_list.h"

class TGridItem : public TCollectionItem {
public:
  explicit TGridItem(TCollection* Collection)
      : TCollectionItem(Collection), items_(std::make_unique<TStringList>()) {}

  int Idx = 0;
  int Height = 0;
  int Level = 0;
  TStringList* Items() const { return items_.get(); }

private:
  std::unique_ptr<TStringList> items_;
};

using TGridItems = TCollectionOf<TGridItem>;
