// One undo step for the cells a paste or a cut changes: a sequence on the undo
// component attached to the grid (none attached: nothing is kept), closed when
// the object goes. Pasted cells register themselves (PasteCell); a cut
// registers what it clears.
#pragma once

#include <QString>

#include "grid/base/base_grid.h"
#include "grid/base/undo_redo.h"

class TClipboardUndo {
public:
  explicit TClipboardUndo(TBaseGrid& Grid) : undo_(Grid.UndoRedo()) {
    if (undo_) undo_->StartSequence();
  }
  ~TClipboardUndo() {
    if (undo_) undo_->StopSequence();
  }
  TClipboardUndo(const TClipboardUndo&) = delete;
  TClipboardUndo& operator=(const TClipboardUndo&) = delete;
  // A cell (real column) about to change from Old to New.
  void Register(int ACol, int ARow, const QString& Old, const QString& New) {
    if (undo_) undo_->RegisterChange(ACol, ARow, Old, New);
  }

private:
  TExGridUndoRedo* undo_;
};
