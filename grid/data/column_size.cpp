#include "grid/data/column_size.h"

#include "grid/view/settings_host.h"

void TColumnSize::SetStretch(bool value) {
  stretch_ = value;
  if (owner_ && owner_->HostHasParent()) owner_->HostStretchColumn();
}

void TColumnSize::Assign(const TPersistent* Source) {
  auto* s = dynamic_cast<const TColumnSize*>(Source);
  if (!s) return;
  Rows = s->Rows;
  Save = s->Save;
  Key = s->Key;
  Section = s->Section;
  stretch_ = s->stretch_;
  StretchColumn = s->StretchColumn;
  SynchWithGrid = s->SynchWithGrid;
  SynchNormalCellsOnly = s->SynchNormalCellsOnly;
  Location = s->Location;
}
