// One undo step for the cells a paste or a cut changes: a sequence on the undo
// component attached to the grid (none attached: nothing is kept), closed when
// the object goes. Pasted cells register themselves (PasteCell); a cut
// registers what it clears. A step opened while another one of the same undo
// component is open (the text paste inside a smart fill) adds no markers of
// its own, so that the whole paste is undone at once.
#pragma once

#include <QString>
#include <algorithm>
#include <vector>

#include "grid/base/base_grid.h"
#include "grid/base/undo_redo.h"

class TClipboardUndo {
public:
  explicit TClipboardUndo(TBaseGrid& Grid) : undo_(Grid.UndoRedo()) {
    if (!undo_ || IsOpen(undo_)) return;
    outer_ = true;
    Open().push_back(undo_);
    undo_->StartSequence();
  }
  ~TClipboardUndo() {
    if (!outer_) return;
    std::vector<TExGridUndoRedo*>& open = Open();
    open.erase(std::find(open.begin(), open.end(), undo_));
    undo_->StopSequence();
  }
  TClipboardUndo(const TClipboardUndo&) = delete;
  TClipboardUndo& operator=(const TClipboardUndo&) = delete;
  // A cell (real column) about to change from Old to New.
  void Register(int ACol, int ARow, const QString& Old, const QString& New) {
    if (undo_) undo_->RegisterChange(ACol, ARow, Old, New);
  }

private:
  // The undo components with a step open (pastes run on the GUI thread only).
  static std::vector<TExGridUndoRedo*>& Open() {
    static std::vector<TExGridUndoRedo*> open;
    return open;
  }
  static bool IsOpen(TExGridUndoRedo* Undo) {
    const std::vector<TExGridUndoRedo*>& open = Open();
    return std::find(open.begin(), open.end(), Undo) != open.end();
  }

  TExGridUndoRedo* undo_;
  bool outer_ = false;
};
