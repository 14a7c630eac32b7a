#include "grid/base/sync_grid.h"

void TSyncGrid::SetGrid(TStringGrid* v) {
  if (v == owner_) return;
  grid_ = v;
}

void TSyncGrid::Assign(const TPersistent* Source) {
  const auto* s = dynamic_cast<const TSyncGrid*>(Source);
  if (!s) return;
  SetGrid(s->grid_);
  ScrollHorizontal = s->ScrollHorizontal;
  ScrollVertical = s->ScrollVertical;
  SelectionRow = s->SelectionRow;
  SelectionColumn = s->SelectionColumn;
  MoveRow = s->MoveRow;
  MoveColumn = s->MoveColumn;
}
