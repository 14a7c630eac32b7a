#include "grid/base/mouse_actions.h"

bool TMouseActions::designing() {
  bool isDesigning = false;
  if (OnIsDesigning) OnIsDesigning(this, isDesigning);
  return isDesigning;
}

void TMouseActions::setDisjunct(bool& flag, bool v, bool& other1, bool& other2) {
  flag = v;
  if (!v || !designing()) return;
  other1 = false;
  other2 = false;
}

void TMouseActions::SetDisjunctRowSelect(bool v) {
  setDisjunct(disjunctRowSelect_, v, disjunctColSelect_, disjunctCellSelect_);
}
void TMouseActions::SetDisjunctColSelect(bool v) {
  setDisjunct(disjunctColSelect_, v, disjunctRowSelect_, disjunctCellSelect_);
}
void TMouseActions::SetDisjunctCellSelect(bool v) {
  setDisjunct(disjunctCellSelect_, v, disjunctRowSelect_, disjunctColSelect_);
}

void TMouseActions::SetHotmailRowSelect(bool v) {
  hotmailRowSelect_ = v;
  if (v) {
    disjunctRowSelect_ = true;
    CheckAllCheck = true;
  }
  if (OnInvalidate) OnInvalidate(this);
}

void TMouseActions::SetEditOnDblClickOnly(bool v) {
  editOnDblClickOnly_ = v;
  if (v && OnDisableEdit) OnDisableEdit(this);
}

void TMouseActions::SetWheelAction(TWheelAction v) {
  if (wheelAction_ == v) return;
  wheelAction_ = v;
  if (OnChange) OnChange(this);
}

void TMouseActions::Assign(const TPersistent* Source) {
  const auto* s = dynamic_cast<const TMouseActions*>(Source);
  if (!s) return;
  AllColumnSize = s->AllColumnSize;
  AllRowSize = s->AllRowSize;
  AllSelect = s->AllSelect;
  AutoSizeColOnDblClick = s->AutoSizeColOnDblClick;
  CaretPositioning = s->CaretPositioning;
  CheckAllCheck = s->CheckAllCheck;
  ColSelect = s->ColSelect;
  DirectComboClose = s->DirectComboClose;
  DirectComboDrop = s->DirectComboDrop;
  DirectDateClose = s->DirectDateClose;
  DirectDateDrop = s->DirectDateDrop;
  DirectEdit = s->DirectEdit;
  disjunctRowSelect_ = s->disjunctRowSelect_;
  disjunctColSelect_ = s->disjunctColSelect_;
  disjunctCellSelect_ = s->disjunctCellSelect_;
  FixedRowsEdit = s->FixedRowsEdit;
  FixedColsEdit = s->FixedColsEdit;
  FixedColsEditor = s->FixedColsEditor;
  FixedRowsEditor = s->FixedRowsEditor;
  MoveRowOnNodeClick = s->MoveRowOnNodeClick;
  NoAutoRangeScroll = s->NoAutoRangeScroll;
  NodeAllExpandContract = s->NodeAllExpandContract;
  NoScrollOnPartialRow = s->NoScrollOnPartialRow;
  PreciseCheckBoxCheck = s->PreciseCheckBoxCheck;
  PreciseNodeClick = s->PreciseNodeClick;
  RangeSelectAndEdit = s->RangeSelectAndEdit;
  RowSelect = s->RowSelect;
  RowSelectPersistent = s->RowSelectPersistent;
  SelectOnRightClick = s->SelectOnRightClick;
  SizeFixedCol = s->SizeFixedCol;
  WheelIncrement = s->WheelIncrement;
  wheelAction_ = s->wheelAction_;
  DisjunctRowSelectNoCtrl = s->DisjunctRowSelectNoCtrl;
}
