#include "grid/base/undo_redo.h"

#include <algorithm>

#include "grid/base/base_grid.h"

TExGridUndoRedo::TExGridUndoRedo(TComponent* AOwner) : TComponent(AOwner) {}

TExGridUndoRedo::~TExGridUndoRedo() = default;

void TExGridUndoRedo::SetGrid(TBaseGrid* AGrid) {
  if (AGrid == FGrid) return;
  if (FGrid) FGrid->RemoveFreeNotification(this);
  FGrid = AGrid;
  if (FGrid) FGrid->FreeNotification(this);
}

void TExGridUndoRedo::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FGrid) FGrid = nullptr;
}

// --- recording ---

void TExGridUndoRedo::RegisterChange(int ACol, int ARow, const QString& OldValue, const QString& NewValue) {
  Append(ACol, ARow, OldValue, NewValue, false, false);
}

void TExGridUndoRedo::StartSequence() { Append(-1, -1, QString(), QString(), true, false); }

void TExGridUndoRedo::StopSequence() { Append(-1, -1, QString(), QString(), false, true); }

void TExGridUndoRedo::Append(int ACol, int ARow, const QString& OldValue, const QString& NewValue, bool Start,
                             bool Stop) {
  // 1. Keep within MaxLevel by dropping the oldest whole step.
  if (MaxLevel > 0 && Count() >= MaxLevel) TrimOldestStep();
  // 2. A change registered after undos goes behind the undone items.
  TUndoRedoItem* item = FItems.Add();
  item->Col = ACol;
  item->Row = ARow;
  item->Value = NewValue;
  item->OrigValue = OldValue;
  item->SequenceStart = Start;
  item->SequenceStop = Stop;
  // 3.
  FLevel = Count();
}

// A step is one change, or a sequence from its start marker to its stop marker.
// A sequence still open (no stop yet) is kept whole until it is closed, so no
// marker is ever left without its partner.
void TExGridUndoRedo::TrimOldestStep() {
  if (Count() == 0) return;
  int last = 0;
  if (At(0)->SequenceStart) {
    last = -1;
    for (int i = 1; i < Count(); ++i)
      if (At(i)->SequenceStop) {
        last = i;
        break;
      }
    if (last < 0) return;
  }
  FItems.BeginUpdate();
  for (int i = last; i >= 0; --i) FItems.Delete(i);
  FItems.EndUpdate();
  FLevel = std::max(0, FLevel - (last + 1));
}

void TExGridUndoRedo::Reset() {
  FItems.Clear();
  FLevel = 0;
}

// --- walking ---

void TExGridUndoRedo::Undo() {
  if (!FGrid || FLevel <= 0 || FLevel > Count()) return;
  TUndoRedoItem* item = At(FLevel - 1);
  if (item->SequenceStop) {
    // 1. The whole sequence, from its last change back to its start marker.
    --FLevel;
    while (FLevel > 0 && !At(FLevel - 1)->SequenceStart) {
      Restore(At(FLevel - 1));
      --FLevel;
    }
    if (FLevel > 0) --FLevel;
    FGrid->Invalidate();
    return;
  }
  // 2. One change (a marker of a sequence still open is only passed).
  if (!item->IsMarker()) {
    Restore(item);
    FGrid->RepaintCell(FGrid->Col(), item->Row);
  }
  --FLevel;
}

void TExGridUndoRedo::Redo() {
  if (!FGrid || FLevel < 0 || FLevel >= Count()) return;
  TUndoRedoItem* item = At(FLevel);
  ++FLevel;
  if (item->SequenceStart) {
    // 1. The whole sequence, from its first change to its stop marker.
    while (FLevel < Count() && !At(FLevel)->SequenceStop) {
      Reapply(At(FLevel));
      ++FLevel;
    }
    if (FLevel < Count()) ++FLevel;
    FGrid->Invalidate();
    return;
  }
  // 2.
  if (!item->IsMarker()) Reapply(item);
}

void TExGridUndoRedo::Restore(TUndoRedoItem* Item) { WriteCell(Item, Item->OrigValue, OnUndo); }

void TExGridUndoRedo::Reapply(TUndoRedoItem* Item) { WriteCell(Item, Item->Value, OnRedo); }

void TExGridUndoRedo::WriteCell(TUndoRedoItem* Item, const QString& Text, const TExGridUndoRedoEvent& Event) {
  if (Item->IsMarker() || !FGrid) return;
  if (Event) Event(this, FGrid, Item->Col, Item->Row, FGrid->GetCellEx(Item->Col, Item->Row), Text);
  FGrid->SetCellEx(Item->Col, Item->Row, Text);
  FGrid->SetCol(FGrid->DisplColIndex(Item->Col));
  FGrid->SetRow(Item->Row);
}
