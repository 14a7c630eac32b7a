// Column and row moving, the grid's side: the column-moved and row-moved
// notifications keep the grid's per-column and per-row data in step with a move
// (the recorded column order, hidden columns' flags and kept widths, the hidden
// rows' texts, the sort column and sort indexes), and the synchronised grid
// follows. The class library's move has moved the widths or heights, the current
// cell and the selection before it notifies.
#include <algorithm>

#include "grid/base/int_list.h"
#include "grid/base/sort_index_list.h"
#include "grid/base/sync_grid.h"
#include "grid/data/floating_footer.h"
#include "grid/data/sort_settings.h"
#include "grid/view/ex_string_grid.h"
#include "grid/view/grid_item.h"

void TExStringGrid::ColumnMoved(int FromIndex, int ToIndex) {
  // 1.
  const int RF = DisplToRealCol(FromIndex), RT = DisplToRealCol(ToIndex);
  // 2.
  if (RF < FColumnOrder->Count() && RT < FColumnOrder->Count()) {
    const int entry = (*FColumnOrder)[RF];
    FColumnOrder->Delete(RF);
    FColumnOrder->Insert(RT, entry);
  }
  // 3. A moved column takes its hidden flag and kept width with it, so hidden
  // columns stay the columns that were hidden.
  if (FNumHidden > 0) {
    GrowColumnArrays(std::max(RF, RT) + 1);
    auto move = [&](auto& v) {
      const typename std::decay_t<decltype(v)>::value_type value = v[RF];
      v.erase(v.begin() + RF);
      v.insert(v.begin() + RT, value);
    };
    move(FVisibleCol);
    move(FAllColWidths);
  }
  if (EnhRowColMove) ColMoveFlg = true;
  // 4. The cells (by real column) and OnColumnMoved.
  if (FNumHidden > 0) TBaseGrid::ColumnMoved(RF, RT);
  else TBaseGrid::ColumnMoved(FromIndex, ToIndex);
  // 5.
  if (NumHiddenRows() > 0) {
    for (int i = 0; i < FGridItems->Count(); ++i) {
      TStringList* items = FGridItems->Items(i)->Items();
      while (items->Count() <= std::max(RF, RT)) items->Add(QString());
      const QString text = items->Strings(RF);
      void* object = items->Objects(RF);
      items->Delete(RF);
      items->InsertObject(RT, text, object);
    }
  }
  // 6. The sort column and, when shown, the sort indexes (the column number in
  // the low 16 bits; the rest, the direction bit among it, stays).
  if (FSortSettings->Column >= 0) FSortSettings->Column = FollowMove(FSortSettings->Column, RF, RT);
  if (FSortSettings->IndexShow) {
    for (int i = 0; i < FSortIndexes->Count(); ++i) {
      const int entry = (*FSortIndexes)[i];
      const int moved = FollowMove(entry & 0xFFFF, RF, RT);
      FSortIndexes->SetInteger(i, static_cast<int>((static_cast<unsigned>(entry) & 0xFFFF0000u) | unsigned(moved)));
    }
  }
  // 7. (The class library moved the current column.)
  // 8.
  if (FFloatingFooter->Visible()) HostRepaintFooterPanel();
  // 9.
  if (FSyncGrid->MoveColumn) MoveSyncedTwin(&TExStringGrid::MoveColumn, FromIndex, ToIndex);
}

void TExStringGrid::RowMoved(int FromIndex, int ToIndex) {
  // 1.
  if (FFloatingFooter->HoldsLastRow() && ToIndex == RowCount() - 1) return;
  // 2. The cells move without the event; it is raised once below.
  TMovedEvent moved = std::move(OnRowMoved);
  OnRowMoved = nullptr;
  try {
    TBaseGrid::RowMoved(FromIndex, ToIndex);
  } catch (...) {
    OnRowMoved = std::move(moved);
    throw;
  }
  OnRowMoved = std::move(moved);
  // 3. (The class library moved the row heights.)
  if (EnhRowColMove) ColMoveFlg = true;
  // 4.
  if (OnRowMoved) OnRowMoved(this, FromIndex, ToIndex);
  // 5.
  if (FSyncGrid->MoveRow) MoveSyncedTwin(&TExStringGrid::MoveRow, FromIndex, ToIndex);
}

// The synchronised grid repeats the move, unless this grid is itself being moved
// by it (so two grids synchronised on each other move once each).
void TExStringGrid::MoveSyncedTwin(void (TExStringGrid::*Move)(int, int), int FromIndex, int ToIndex) {
  auto* twin = dynamic_cast<TExStringGrid*>(FSyncGrid->Grid());
  if (!twin || twin == this || FSyncedMove) return;
  twin->FSyncedMove = true;
  try {
    (twin->*Move)(FromIndex, ToIndex);
  } catch (...) {
    twin->FSyncedMove = false;
    throw;
  }
  twin->FSyncedMove = false;
}
