#include "grid/view/progress_appearance.h"

void TGridProgressAppearance::Changed() {
  if (OnChange) OnChange(this);
}

void TGridProgressAppearance::Assign(const TPersistent* Source) {
  auto* s = dynamic_cast<const TGridProgressAppearance*>(Source);
  if (!s) return;
  v_ = s->v_;
  Changed();
}
