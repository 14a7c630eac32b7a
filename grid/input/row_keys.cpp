// Inserting and deleting rows by key (Insert and Delete with the navigation
// options on). Both work on real rows with the row filter switched off, and
// put the filter back as it was whatever happens.
#include "grid/view/ex_string_grid.h"

namespace {

// Switches the row filter off for its life.
class TFilterOff {
public:
  explicit TFilterOff(TExStringGrid& g) : g_(g), was_(g.FilterActive()) { g_.SetFilterActive(false); }
  ~TFilterOff() { g_.SetFilterActive(was_); }
  TFilterOff(const TFilterOff&) = delete;
  TFilterOff& operator=(const TFilterOff&) = delete;

private:
  TExStringGrid& g_;
  bool was_;
};

}  // namespace

bool TExStringGrid::InsertRowByKey() {
  bool allow = true;
  CanInsertRowHook(Row(), allow);
  if (!allow) return false;
  int N = Row();
  int index = 0;
  {
    TFilterOff filterOff(*this);
    const int RR = RealRowIndex(Row());
    if (RR < RowCount()) SetRow(RR);
    if (FNavigation->InsertPosition == pInsertAfter) {
      if (FixedRowAlways && FixedRows() == RowCount()) {
        index = RealRowIndex(Row());
        N = 1;
      } else if (Row() < RowCount()) {
        index = RealRowIndex(Row() + 1);
        if (N + 1 < RowCount()) ++N;
      } else {
        index = RealRowIndex(Row());
      }
    } else {
      index = RealRowIndex(Row());
    }
    InsertRowHook(index);
    if (OnAutoInsertRow) OnAutoInsertRow(this, index);
    FGridModified = true;
  }
  SetRow(N);
  CalcFooter(-1);
  return true;
}

void TExStringGrid::DeleteRowByKey() {
  TFilterOff filterOff(*this);
  const int RR = RealRowIndex(Row());
  bool allow = true;
  if (OnCanDeleteRow) OnCanDeleteRow(this, RR, allow);
  if (!allow) return;
  RemoveRowHook(RR);
  if (FFloatingFooter->Visible() && Row() == RowCount() - 1) SetRow(RowCount() - 2);
  RememberEditedCell(Col(), Row());
  FGridModified = true;
  CalcFooter(-1);
}
