// Sorting by a click on a header cell of the sort row: the first click on a
// column sorts it in the initial direction, the next clicks flip the direction
// (and, with UndoSort, the third brings back the unsorted order); with the sort
// index list shown, Shift or Ctrl adds the column to the list. Check boxes, the
// filter button and the fixed drop-down button in the header keep their clicks.
#include <QElapsedTimer>
#include <cstdlib>

#include "grid/base/control_list.h"
#include "grid/base/int_list.h"
#include "grid/base/navigation.h"
#include "grid/view/control_look.h"
#include "grid/view/ex_string_grid.h"
#include "platform/ui/messages.h"

void TExStringGrid::SplitAllColumnCells() {
  for (int c = 0; c < AllColCount(); ++c) SplitColumnCells(c);
}

void TExStringGrid::MergeAllColumnCells() {
  for (int i = 0; i < FMergedColumns->Count(); ++i) MergeColumnCells((*FMergedColumns)[i], i == 0);
}

void TExStringGrid::HeaderClickSort(int C, int R, int X, int Y, bool MoveEnded) {
  const int RC = RealColIndex(C);
  // U19. A release on the column border sizes the column.
  const TRect CR = CellRect(C, R);
  if (R == 0 && Options().Contains(goColSizing) && (std::abs(X - CR.Left) < 4 || std::abs(X - CR.Right) < 4)) return;
  int DC = -1, DR = -1;
  MouseToCell(Clickposx, Clickposy, DC, DR);
  // U20. The header's buttons keep their clicks.
  if (FControlLook->FixedDropDownButton && CanShowFixedDropDown(RC) && X > CR.Right - 16) return;
  if (X > CR.Right - 16 && GetColumnFilterHook(RC)) return;
  // U21.
  bool doSort = true;
  const int sortRow = FSortSettings->Row();
  const bool sortable = R == sortRow && DR == sortRow && FixedRows() > 0 && !IsInCheckBox(RC, R, X, Y) &&
                        FSortSettings->Show() && !MoveEnded && RowCount() > 2;
  if (!sortable) return;
  if (IsIgnoredColumn(RC)) doSort = false;
  if (OnCanSort) OnCanSort(this, RC, doSort);
  // U23.
  if (!doSort) {
    RepaintCell(C, sortRow);
    return;
  }
  // U22.
  HideInplaceEdit();
  if (FSortRowXRef->Count() != RowCount()) InitSortXRef();
  if (FSortSettings->AutoColumnMerge) SplitAllColumnCells();
  const bool keepLeft = Options().Contains(goRowSelect) && FNavigation->KeepHorizScroll;
  const int leftCol = LeftCol();
  if (keepLeft) BeginUpdate();
  QElapsedTimer timer;
  timer.start();
  try {
    if (FSortSettings->IndexShow) {
      const TShiftState shift = GetShiftState();
      const bool key = FSortSettings->IndexSortKey == ikShift ? shift.Contains(ssShift) : shift.Contains(ssCtrl);
      const bool ascending = FSortSettings->InitSortDirection == sdAscending;
      if (key) {
        if (FSortIndexes->FindIndex(RC) < 0) FSortIndexes->AddIndex(RC, ascending);
        else FSortIndexes->ToggleIndex(RC);
      } else if (FSortIndexes->Count() == 1 && FSortIndexes->FindIndex(RC) == 0) {
        FSortIndexes->ToggleIndex(RC);
      } else {
        FSortIndexes->Clear();
        FSortIndexes->AddIndex(RC, ascending);
      }
      if (HasNodes()) QSortGroupIndexed();
      else QSortIndexed();
      FSortSettings->Column = FSortIndexes->Count() > 0 ? FSortIndexes->SortColumns(0) : -1;
    } else {
      bool undo = false;
      if (RC == FSortSettings->Column) {
        const TSortDirection before = FSortSettings->Direction;
        FSortSettings->ToggleDirection();
        undo = FSortSettings->UndoSort && before != FSortSettings->InitSortDirection;
      } else {
        FSortSettings->Direction = FSortSettings->InitSortDirection;
        FSortSettings->Column = RC;
      }
      if (HasNodes()) {
        QSortGroup();
      } else if (undo) {
        QUnSort();
        FSortSettings->Column = -1;
      } else {
        QSort();
      }
    }
  } catch (...) {
    if (keepLeft) {
      SetLeftCol(leftCol);
      EndUpdate();
    }
    throw;
  }
  if (keepLeft) {
    SetLeftCol(leftCol);
    EndUpdate();
  }
  SortTime = static_cast<int>(timer.elapsed());
  if (FSortSettings->AutoColumnMerge) MergeAllColumnCells();
  if (FControlList->Count() > 0) CellControlsUpdate(true);
  DoClickSort(FSortSettings->Column);
  Invalidate();
}
