// Column and row moving, the grid's side: the column-moved and row-moved
// notifications keep the grid's per-column and per-row data in step with a move
// (the recorded column order, hidden columns' flags and kept widths, the hidden
// rows' texts, the sort column and sort indexes), and the synchronised grid
// follows. The class library's move has moved the widths or heights, the current
// cell and the selection before it notifies.
//
// Dragging a header with EnhRowColMove: the grid shows a translucent picture of
// the dragged column or row (DragDropSettings.ShowCells) or else the drag button
// with the header's text under the mouse, arrows at the target border, and moves
// the column or row itself at the release.
#include <algorithm>

#include "grid/base/arrow_window.h"
#include "grid/base/int_list.h"
#include "grid/base/sort_index_list.h"
#include "grid/base/sync_grid.h"
#include "grid/data/floating_footer.h"
#include "grid/data/sort_settings.h"
#include "grid/view/ex_string_grid.h"
#include "grid/view/grid_item.h"
#include "grid/view/drag_settings.h"
#include "grid/view/scroll_control.h"
#include "platform/ui/popup_window.h"

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

// --- the drag the grid draws itself ---

void TExStringGrid::TrackEnhancedMove(int X, int Y, int C, int R) {
  const bool colDrag = GridState() == gsColMoving, rowDrag = GridState() == gsRowMoving;
  if (!colDrag && !rowDrag) return;
  // The handlers may stop the move.
  bool allow = true;
  if (colDrag && OnColumnMove) OnColumnMove(this, Movecell, allow);
  if (rowDrag && OnRowMove) OnRowMove(this, Movecell, allow);
  if (!allow) {
    CancelMoving();
    return;
  }
  if (!EnhRowColMove || RowCount() <= 1 || (X == Clickposx && Y == Clickposy) || Movecell < 0) return;
  // 1.
  if (OnStartBlockFocus) OnStartBlockFocus(this);
  if (!FMoveButton) FMoveButton = std::make_unique<THeaderDragButton>(this);
  // 2. The picture of the dragged cells, made once per drag; the drag button
  // carries the header's text.
  const bool showCells = FDragDropSettings->ShowCells;
  int w = FMoveButton->Width(), h = FMoveButton->Height();
  if (colDrag && Movecell >= FixedCols() && R >= 0) {
    if (showCells && !FMoveForm) ShowMoveForm({Movecell, 0, Movecell, TopRow() + VisibleRowCount() - FixedRows()});
    FMoveButton->SetCaption(GetCellEx(RealColIndex(Movecell), 0));
    w = ColWidths(Movecell);
    h = RowHeights(R);
  } else if (rowDrag && Movecell >= FixedRows() && C >= 0) {
    if (showCells && !FMoveForm) ShowMoveForm({0, Movecell, VisibleColCount() + LeftCol() - FixedCols(), Movecell});
    FMoveButton->SetCaption(GetCellEx(0, Movecell));
    h = RowHeights(Movecell);
    w = ColWidths(C);
  }
  // 3.
  const TPoint P = ClientToScreen({X - MoveOfsX, Y - MoveOfsY});
  if (showCells && FMoveForm) {
    FMoveForm->SetBounds(P.X, P.Y, FMoveForm->Width(), FMoveForm->Height());
  } else {
    FMoveButton->SetBounds(P.X, P.Y, w, h);
  }
  FMoveButton->Invalidate();
  // 4. - 5. The arrows mark the previous target's border on the side the column
  // or row would land.
  auto arrowAt = [this](std::unique_ptr<TArrowWindow>& a, TArrowDirection d, TPoint client, bool shown) {
    if (!a) {
      a = std::make_unique<TArrowWindow>(nullptr);
      a->Init(this, d);
    }
    const TPoint s = ClientToScreen(client);
    a->SetBounds(s.X, s.Y, a->Width(), a->Height());
    a->SetVisible(shown);
  };
  if (colDrag) {
    const int T = FMoveColInd;
    if (T >= FixedCols() && C >= 0) {
      const TRect tr = CellRect(T, 0);
      const int border = T < Movecell ? tr.Left : tr.Right;
      const bool shown = T - LeftCol() < VisibleColCount();
      arrowAt(ArwU, arrUp, {border - 5, tr.Bottom}, shown);
      arrowAt(ArwD, arrDown, {border - 5, tr.Top - 8}, shown);
    }
    FMoveColInd = C;
    FMoveRowInd = 0;
    if (OnColumnMoving) OnColumnMoving(this, C, allow);
  } else {
    const int T = FMoveRowInd;
    if (!(FFloatingFooter->HoldsLastRow() && T == RowCount() - 1) && T >= FixedRows() && R >= 0) {
      const TRect tr = CellRect(0, T);
      const int border = T < Movecell ? tr.Top : tr.Bottom;
      const bool shown = T - TopRow() < VisibleRowCount();
      arrowAt(ArwL, arrLeft, {tr.Left - 10, border - 5}, shown);
      arrowAt(ArwR, arrRight, {tr.Right, border - 5}, shown);
    }
    FMoveColInd = 0;
    FMoveRowInd = R;
    if (OnRowMoving) OnRowMoving(this, R, allow);
  }
  // 6. Past the fixed cells or the grid's edge the view follows by one.
  if (colDrag && FixedCols() + VisibleColCount() < ColCount()) {
    int fixedWidth = 0;
    for (int c = 0; c < FixedCols(); ++c) fixedWidth += ColWidths(c);
    if (X < fixedWidth && LeftCol() > FixedCols()) SetLeftCol(LeftCol() - 1);
    else if (X > Width() && LeftCol() + VisibleColCount() < ColCount()) SetLeftCol(LeftCol() + 1);
  }
  if (rowDrag && FixedRows() + VisibleRowCount() < RowCount()) {
    int fixedHeight = 0;
    for (int r = 0; r < FixedRows(); ++r) fixedHeight += RowHeights(r);
    if (Y < fixedHeight && TopRow() > FixedRows()) SetTopRow(TopRow() - 1);
    else if (Y > Height() && TopRow() + VisibleRowCount() < RowCount()) SetTopRow(TopRow() + 1);
  }
  // 7.
  FMoveButton->SetEnabled(true);
  if (!showCells) FMoveButton->SetVisible(true);
  // 8. The cursor says whether the target takes the column or row.
  if (!FMoveShown) FMoveOwnCursor = Cursor();
  FMoveShown = true;
  FMoveAllowed = allow;
  SetCursor(allow ? crDrag : crNoDrop);
}

// The picture of the dragged cells, shown above the windows without taking
// the focus; the rectangle is cut to the cells there are.
void TExStringGrid::ShowMoveForm(TGridRect Cells) {
  Cells.Right = std::min(Cells.Right, ColCount() - 1);
  Cells.Bottom = std::min(Cells.Bottom, RowCount() - 1);
  FMoveForm = SelectionToForm(Cells);
  FMoveForm->Show();
}

bool TExStringGrid::EndEnhancedMove(int C, int R) {
  // The arrows go at every release.
  for (TArrowWindow* a : {ArwU.get(), ArwD.get(), ArwL.get(), ArwR.get()})
    if (a) a->SetVisible(false);
  const bool colDrag = GridState() == gsColMoving, rowDrag = GridState() == gsRowMoving;
  if (!EnhRowColMove || !FMoveShown || (!colDrag && !rowDrag)) return false;
  // 1.
  if (FMoveButton) {
    FMoveButton->SetEnabled(false);
    FMoveButton->SetVisible(false);
  }
  FMoveForm.reset();
  if (OnEndBlockFocus) OnEndBlockFocus(this);
  // 2.
  const bool drop = FMoveAllowed;
  FMoveShown = false;
  SetCursor(FMoveOwnCursor);
  // 4. The class library's move ends here: it moves nothing itself.
  CancelMoving();
  // 3.
  if (!drop) {
    if (colDrag) RepaintRow(0);
    else RepaintCol(0);
  } else if (colDrag && Movecell >= 0 && C >= FixedCols() && C != Movecell) {
    MoveColumn(Movecell, C);
  } else if (rowDrag && Movecell >= 0 && R >= FixedRows() && R != Movecell) {
    MoveRow(Movecell, R);
  }
  return true;
}
