// TSyncGrid: another grid kept in step with this one (scroll position, current
// row or column, moved rows and columns). Plain fields; the other grid cannot be
// the grid that owns these settings.
#pragma once

#include "platform/rtl/object.h"

class TStringGrid;

class TSyncGrid : public TPersistent {
public:
  explicit TSyncGrid(TStringGrid* AOwner) : owner_(AOwner) {}

  // Sets Grid through its setter and copies the six flags.
  void Assign(const TPersistent* Source) override;

  TStringGrid* Grid() const { return grid_; }
  // Setting the owner grid itself is ignored.
  void SetGrid(TStringGrid* v);

  bool ScrollHorizontal = false;
  bool ScrollVertical = false;
  bool SelectionRow = false;
  bool SelectionColumn = false;
  bool MoveRow = false;
  bool MoveColumn = false;

private:
  TStringGrid* owner_;
  TStringGrid* grid_ = nullptr;
};
