#include "grid/view/show_modified.h"

void TShowModified::SetColor(TColor value) {
  color_ = value;
  if (OnChange) OnChange(this);
}

void TShowModified::Assign(const TPersistent* Source) {
  auto* s = dynamic_cast<const TShowModified*>(Source);
  if (!s) return;
  color_ = s->color_;
  Enabled = s->Enabled;
}
