// The Tab advance: one Tab (or Shift+Tab) moves the cursor to the next (or
// previous) cell the user may go to, along the row or down the column,
// passing over cells that are not selectable, covered cells of merged blocks
// and, in an editing grid, cells that cannot be edited; at the end of the grid it
// wraps to the top, appends a row or hands the focus on to the next control.
//
// The repeated steps run as a loop bounded by one pass over the grid: when no
// cell qualifies the cursor goes back to where the Tab started (the advance can
// never recurse without end).
#include "grid/view/ex_string_grid.h"
#include "platform/ui/messages.h"

bool TExStringGrid::AdvanceAfterEdit(bool Backward) {
  bool result = true;
  // 1.
  if (OnKeyDown) {
    int key = VK_TAB;
    OnKeyDown(this, key, Backward ? TShiftState{ssShift} : TShiftState{});
    if (key != VK_TAB) return true;
  }
  const TGridCoord start{Col(), Row()};
  // Whether the grid edits is taken once: moving the cursor may switch goEditing.
  const bool editingGrid = Options().Contains(goEditing) || EditDisable;
  const int fnc = FirstNavigableCol();
  const int vfrc = VisibleFixedRightCols();
  bool endOfGrid = false;

  auto sel = [this](int c, int r) { FocusCell(c, r); };
  auto realBase = [this](int c, int r) { return IsBaseCell(RealColIndex(c), r); };

  // Steps 3 to 6 for one move; `again` asks for one more forward step.
  auto oneStep = [&](bool backward, bool& again) {
    const int c = Col(), r = Row();
    const int lastNormalRow = RowCount() - FFixedFooters - 1;
    const int rightEnd = ColCount() - vfrc;
    if (backward && FNavigation->TabAdvanceDirection != adLeftRight) {
      // 3.
      if (r > FixedRows()) {
        SetRow(r - 1);
      } else {
        SetRow(lastNormalRow);
        SetCol(c > fnc ? c - 1 : ColCount() - vfrc - 1);
      }
      return;
    }
    if (backward) {
      // 4.
      if (c > fnc) {
        int b = 1;
        while (c - b >= fnc && !(IsSelectableCell(c - b, r) && realBase(c - b, r))) ++b;
        if (c - b >= fnc) {
          SetCol(c - b);
        } else if (r > FixedRows()) {
          const int lc = LastSelectableCol(r - 1);
          if (lc >= 0) sel(lc, r - 1);
        } else {
          const int lc = LastSelectableCol(lastNormalRow);
          if (lc >= 0) {
            sel(lc, lastNormalRow);
            ClampInView({lc, lastNormalRow});
          }
        }
        if (!realBase(Col(), Row())) MoveToBaseCell();
      } else {
        int b = 1;
        while (ColCount() - vfrc - b >= FixedCols() && !IsSelectableCell(ColCount() - vfrc - b, r)) ++b;
        if (ColCount() - vfrc - b >= FixedCols()) SetCol(ColCount() - vfrc - b);
        SetRow(r > FixedRows() ? r - 1 : lastNormalRow);
      }
      return;
    }
    const TPoint span = CellSpan(RealColIndex(c), r);
    if (FNavigation->TabAdvanceDirection != adLeftRight) {
      // 5.
      if (r + span.Y + 1 < RowCount() - FFixedFooters) {
        SetRow(r + span.Y + 1);
      } else {
        MoveToFirstRow();
        SetCol(c < ColCount() - vfrc - 1 ? c + 1 : fnc);
        endOfGrid = true;
      }
      return;
    }
    // 6.
    if (c + span.X + 1 < rightEnd) {
      int k = 1;
      while (c + span.X + k < rightEnd && !IsSelectableCell(c + span.X + k, r)) ++k;
      if (c + span.X + k == rightEnd) {
        FForceSel = true;
        if (r < lastNormalRow) {
          const int n = FirstSelectableCol(r + 1);
          bool allow = true;
          if (OnRowChanging) OnRowChanging(this, r, r + 1, allow);
          if (OnCellChanging) OnCellChanging(this, r, c, r + 1, n, allow);
          if (OnColChanging) OnColChanging(this, c, n, allow);
          if (allow) sel(n < 0 ? FixedCols() : n, r + 1);
        } else {
          // The last normal row: wrap to the first selectable cell of the first normal row.
          const int n = FirstSelectableCol(FixedRows());
          if (n >= 0) sel(n, FixedRows());
          endOfGrid = true;
        }
        FForceSel = false;
        return;
      }
      SetCol(c + span.X + k);
      if (!realBase(Col(), Row())) again = true;
      return;
    }
    if (r < lastNormalRow) {
      int e = -1;
      for (int x = fnc; x < ColCount(); ++x)
        if (realBase(x, r + 1) && IsSelectableCell(x, r + 1)) {
          e = x;
          break;
        }
      if (e >= 0) {
        FForceSel = true;
        sel(e, r + 1);
        FForceSel = false;
        return;
      }
      for (int rr = r + 2; rr < RowCount(); ++rr) {
        const int fc = FirstSelectableCol(rr);
        if (fc >= 0) {
          sel(fc, rr);
          return;
        }
      }
      sel(ColCount() - 1, RowCount() - 1);
      again = true;
      return;
    }
    // The last normal row.
    if (FNavigation->TabToNextAtEnd || !FNavigation->AdvanceInsert()) {
      MoveToFirstRow();
    } else {
      bool allow = true;
      CanAddRowHook(allow);
      if (allow) {
        // With the floating footer the row count setter keeps the footer row last.
        SetRowCount(RowCount() + 1);
        SetRow(FFloatingFooter->Visible() ? RowCount() - 2 : RowCount() - 1);
        if (OnAutoAddRow) OnAutoAddRow(this, RowCount() - FFixedFooters - 1);
      } else {
        MoveToFirstRow();
      }
    }
    const int n = FirstSelectableCol(Row());
    if (n >= 0) SetCol(n);
    endOfGrid = true;
  };

  // 2, 7. Repeat while a step asks for it or lands on a cell that cannot be
  // edited; a step that does not move ends the repetition.
  const int bound = ColCount() * RowCount() + 1;
  bool settled = false;
  for (int pass = 0; pass < bound; ++pass) {
    if (Col() == FLastTabCol && Row() == FLastTabRow) {
      settled = true;
      break;
    }
    FLastTabCol = Col();
    FLastTabRow = Row();
    bool again = false;
    oneStep(Backward, again);
    if (again) {
      Backward = false;
      continue;
    }
    if (editingGrid && !IsEditable(Col(), Row())) continue;
    settled = true;
    break;
  }
  // No cell qualified within one pass: the cursor stays where the Tab started.
  if (!settled || (editingGrid && !IsEditable(Col(), Row()))) {
    FForceSel = true;
    sel(start.X, start.Y);
    FForceSel = false;
  }
  // 8. The end-of-grid rule.
  if (endOfGrid && Parent() && FNavigation->TabToNextAtEnd) {
    PostMessage(Parent(), WM_KEYDOWN, VK_TAB, 0);
    result = false;
  }
  // 9. A click on the new cell opens its editor as a mouse click would.
  if (FNavigation->AdvanceAutoEdit && !IsClickableCell(RealCol(), Row())) ClickCell(Col(), Row());
  // 10.
  FLastTabCol = FLastTabRow = -1;
  if (FNavigation->AlwaysEdit && Widget() && CanFocus()) SetFocus();
  return result;
}
