#include "grid/view/drag_settings.h"

#include "grid/base/drag_drop_objects.h"
#include "grid/view/settings_host.h"

void TDragDropSettings::SetOleDropTarget(bool value) {
  oleDropTarget_ = value;
  if (!owner_ || owner_->HostDesigning()) return;
  if (value) {
    registered_ = owner_->HostRegisterDropTarget();
    return;
  }
  if (registered_) owner_->HostRevokeDropTarget();
  registered_ = false;
}

void TDragDropSettings::SetOleDropRTF(bool value) {
  SetAcceptRtfDrop(value);
  oleDropRTF_ = value;
}

void TDragDropSettings::Assign(const TPersistent* Source) {
  auto* s = dynamic_cast<const TDragDropSettings*>(Source);
  if (!s) return;
  OleAcceptFiles = s->OleAcceptFiles;
  OleAcceptText = s->OleAcceptText;
  OleAcceptURLs = s->OleAcceptURLs;
  OleDropSource = s->OleDropSource;
  OleEntireRows = s->OleEntireRows;
  OleInsertRows = s->OleInsertRows;
  OleRemoveRows = s->OleRemoveRows;
  OleAppendRows = s->OleAppendRows;
  OleCopyAlways = s->OleCopyAlways;
  OleColumnDragDrop = s->OleColumnDragDrop;
  OleColumnReorder = s->OleColumnReorder;
  OleColumnsOnly = s->OleColumnsOnly;
  ShowCells = s->ShowCells;
  oleDropTarget_ = s->oleDropTarget_;
  oleDropRTF_ = s->oleDropRTF_;
}

void TDragScrollDelays::Assign(const TPersistent* Source) {
  auto* s = dynamic_cast<const TDragScrollDelays*>(Source);
  if (!s) return;
  InitialDelay = s->InitialDelay;
  RepeatDelay = s->RepeatDelay;
}

void TDragScrollMargins::Assign(const TPersistent* Source) {
  auto* s = dynamic_cast<const TDragScrollMargins*>(Source);
  if (!s) return;
  TopMargin = s->TopMargin;
  BottomMargin = s->BottomMargin;
  LeftMargin = s->LeftMargin;
  RightMargin = s->RightMargin;
}

void TDragScrollOptions::Assign(const TPersistent* Source) {
  auto* s = dynamic_cast<const TDragScrollOptions*>(Source);
  if (!s) return;
  Margins.Assign(&s->Margins);
  Delays.Assign(&s->Delays);
  Active = s->Active;
}
