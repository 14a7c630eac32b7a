#include "grid/base/control_list.h"

#include "platform/rtl/exceptions.h"
#include "platform/ui/control.h"

void TControlList::AddControl(int X, int Y, TControl* AObject) {
  items_.push_back(std::make_unique<TControlItem>(X, Y, AObject));
}

int TControlList::ControlIndex(int X, int Y) const {
  for (int i = 0; i < Count(); ++i)
    if (items_[static_cast<size_t>(i)]->X == X && items_[static_cast<size_t>(i)]->Y == Y) return i;
  return -1;
}

TControlItem* TControlList::Controls(int i) const {
  if (i < 0 || i >= Count()) throw EListError(QStringLiteral("List index out of bounds (%1)").arg(i));
  return items_[static_cast<size_t>(i)].get();
}

bool TControlList::HasHandle(const QWidget* Handle) const {
  if (!Handle) return false;
  for (const auto& item : items_) {
    const auto* windowed = dynamic_cast<const TWinControl*>(item->Control);
    if (windowed && windowed->Widget() == Handle) return true;
  }
  return false;
}

void TControlList::RemoveControl(int i) {
  Controls(i);  // checks the index
  items_.erase(items_.begin() + i);
}
