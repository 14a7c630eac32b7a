#include "grid/base/navigation.h"

void TNavigation::Changed() {
  if (OnChange) OnChange(this);
}

void TNavigation::SetAdvanceDirection(TAdvanceDirection v) {
  if (advanceDirection_ == v) return;
  advanceDirection_ = v;
  Changed();
}

void TNavigation::SetAdvanceInsert(bool v) {
  if (advanceInsert_ == v) return;
  advanceInsert_ = v;
  Changed();
}

void TNavigation::SetAdvanceAuto(bool v) {
  if (advanceAuto_ == v) return;
  advanceAuto_ = v;
  if (v) AdvanceOnEnter = true;
}

void TNavigation::Assign(const TPersistent* Source) {
  const auto* s = dynamic_cast<const TNavigation*>(Source);
  if (!s) return;
  // Everything but OnChange and KeepScrollOnSort, field by field.
  const bool keepScrollOnSort = KeepScrollOnSort;
  const TNotifyEvent onChange = OnChange;
  *this = *s;
  KeepScrollOnSort = keepScrollOnSort;
  OnChange = onChange;
}
