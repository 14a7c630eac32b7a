// Sorting the normal rows: by one column (ties going on to the columns right of
// it), by the sort index list, or only inside the expanded nodes of the deepest
// tree level; and bringing the rows back into the order they had before the
// first sort. Whole rows move, hidden columns' cells with them; fixed rows and
// footer rows stay. The quick sort runs on an enlarged grid: three spare rows
// below the rows (the second holds the pivot) and the hidden columns shown in
// the count. Whatever happens, the grid comes back to its size, its footer and
// its update count.
#include <QElapsedTimer>
#include <algorithm>
#include <utility>
#include <vector>

#include "grid/base/control_list.h"
#include "grid/base/int_list.h"
#include "grid/base/navigation.h"
#include "grid/data/sort_keys.h"
#include "grid/view/ex_string_grid.h"
#include "grid/view/grid_error.h"
#include "grid/view/show_modified.h"

namespace {

// The three spare rows start this far above the enlarged grid's last row (the
// footer rows stay last).
constexpr int kSpareRows = 3;

}  // namespace

// The grid enlarged for a sort: spare rows, hidden columns in the count, the
// cells' keys kept; back to its size when it goes, also on an exception.
class TExStringGrid::TSortFrame {
public:
  TSortFrame(TExStringGrid& g, bool FreeSpare) : g_(g), rows_(g.RowCount()) {
    lastWidth_ = g.ColWidths(g.ColCount() - 1);
    g.SetRowCount(rows_ + kSpareRows);
    g.NormalRowCount = rows_;
    if (g.FNumHidden > 0) {
      raised_ = g.FNumHidden;
      g.TStringGrid::SetColCount(g.ColCount() + raised_);
    }
    // The spare rows may hold the cells of rows given up earlier.
    if (FreeSpare) {
      const int first = SpareRow(0);
      g.FreeCellPropertiesRect(0, first, g.ColCount() - 1, first + kSpareRows - 1);
    }
    ClearSpare();
    // Keys are kept unless the display hooks make a cell's text depend on more
    // than its row's contents.
    if (!g.OnGetDisplText && !g.OnGetDisplWideText)
      g.FSortKeys = std::make_unique<TSortKeys>(g.ColCount(), g.RowCount());
  }
  ~TSortFrame() {
    g_.FSortKeys.reset();
    ClearSpare();
    if (raised_ > 0) g_.TStringGrid::SetColCount(g_.ColCount() - raised_);
    g_.SetColWidths(g_.ColCount() - 1, lastWidth_);
    g_.SetRowCount(rows_);
  }
  TSortFrame(const TSortFrame&) = delete;
  TSortFrame& operator=(const TSortFrame&) = delete;

  int Rows() const { return rows_; }
  // Spare row i (0 to 2): above the footer rows the row count setter carries
  // along to the end.
  int SpareRow(int i) const { return g_.RowCount() - kSpareRows - g_.FFixedFooters + i; }
  // The spare rows share their objects with real rows: only the references go.
  void ClearSpare() {
    for (int i = 0; i < kSpareRows; ++i) g_.ClearRowCells(SpareRow(i));
  }

private:
  TExStringGrid& g_;
  int rows_;
  int lastWidth_ = 0;
  int raised_ = 0;
};

// What a sort changes around the rows and puts back at its end, also on an
// exception: column 0's texts (NormalCellsOnly), the top row (KeepScrollOnSort),
// the floating footer (when the sort hides it) and the update batch.
class TExStringGrid::TSortScope {
public:
  TSortScope(TExStringGrid& g, bool HideFooter) : g_(g), topRow_(g.TopRow()) {
    if (g.FSortSettings->NormalCellsOnly && g.FixedCols() > 0) {
      keepColumn0_ = true;
      for (int r = 0; r < g.RowCount(); ++r) column0_.append(g.GetGridCell(0, r));
    }
    g.BeginUpdate();
    footerVisible_ = g.FFloatingFooter->Visible();
    fixedFooters_ = g.FFixedFooters;
    if (HideFooter) {
      hidFooter_ = true;
      g.FFloatingFooter->SetVisible(false);
    }
  }
  ~TSortScope() {
    if (keepColumn0_)
      for (int r = 0; r < g_.RowCount() && r < column0_.size(); ++r) g_.SetGridCell(0, r, column0_[r]);
    if (g_.FNavigation->KeepScrollOnSort) g_.SetTopRow(topRow_);
    if (hidFooter_) {
      g_.FFloatingFooter->SetVisible(footerVisible_);
      g_.SetFixedFooters(fixedFooters_);
    }
    g_.EndUpdate();
  }
  TSortScope(const TSortScope&) = delete;
  TSortScope& operator=(const TSortScope&) = delete;

  int FixedFooters() const { return fixedFooters_; }

private:
  TExStringGrid& g_;
  int topRow_;
  bool keepColumn0_ = false;
  QStringList column0_;
  bool footerVisible_ = false, hidFooter_ = false;
  int fixedFooters_ = 0;
};

// --- the range sort ---

void TExStringGrid::CopyPivotRow(int Pivot, int Slot) {
  const bool hooks = OnGetDisplText || OnGetDisplWideText;
  for (int c = 0; c < ColCount(); ++c) {
    const QString text = hooks && FSortSettings->SortOnVirtualCells ? GetCellEx(c, Pivot) : GetGridCell(c, Pivot);
    SetGridCell(c, Slot, text);
    SetGridObject(c, Slot, GetGridObject(c, Pivot));
  }
  if (!FSortKeys) return;
  // The pivot's texts as the rows read them, also for a slot outside the
  // normal rows.
  for (int c = 0; c < ColCount(); ++c) {
    TSortKey* k = FSortKeys->Existing(c, Pivot);
    if (!k || (k->Known & TSortKey::kText)) continue;
    k->Text = FSortSettings->SortOnVirtualCells ? GetCellEx(c, Pivot) : GetGridCell(c, Pivot);
    k->Known |= TSortKey::kText;
  }
  FSortKeys->CopyRow(Pivot, Slot);
}

void TExStringGrid::RangeSort(int Col, int Left, int Right, bool Indexed) {
  // 1.
  SortDir = FSortSettings->Direction == sdAscending ? 1 : -1;
  const int slot = RowCount() - 2 - FFixedFooters;
  // Ranges still to sort; the larger half waits, so the list stays short.
  std::vector<std::pair<int, int>> todo{{Left, Right}};
  while (!todo.empty()) {
    const auto [l, r] = todo.back();
    todo.pop_back();
    if (l >= r) continue;
    // 2.
    CopyPivotRow((l + r) / 2, slot);
    // 3.
    int i = l, j = r;
    auto after = [&](int a, int b) {
      return Indexed ? CompareLineIndexed(0, a, b) == 1 : CompareLine(Col, a, b) == SortDir;
    };
    do {
      while (after(slot, i) && i < r) ++i;
      while (after(j, slot) && j > l) --j;
      if (i <= j) {
        if (i != j && (Indexed || CompareLine(Col, i, j) != 0)) SortSwapRows(i, j);
        ++i;
        --j;
      }
    } while (i <= j);
    // 4.
    const std::pair<int, int> low{l, j}, high{i, r};
    const bool lowFirst = j - l < r - i;
    if (lowFirst) {
      if (i < r) todo.push_back(high);
      if (l < j) todo.push_back(low);
    } else {
      if (l < j) todo.push_back(low);
      if (i < r) todo.push_back(high);
    }
  }
}

void TExStringGrid::QuickSort(int Col, int Left, int Right) {
  TSortFrame frame(*this, false);
  RangeSort(Col, Left, Right, false);
}

void TExStringGrid::QuickSortIndexed(int Left, int Right) {
  TSortFrame frame(*this, false);
  RangeSort(0, Left, Right, true);
}

// --- the sorts ---

void TExStringGrid::QSort() {
  // 6.1
  if (FSortSettings->Column < 0) return;
  if (RowCount() != FSortRowXRef->Count()) InitSortXRef();
  FSortIndexes->Clear();
  const int oldRow = Row();
  {
    // 6.2, 6.9
    TSortScope scope(*this, true);
    {
      // 6.3, 6.8
      TSortFrame frame(*this, RowCount() < FMaxRowCount - NumHiddenRows());
      // 6.4
      SortRow = Row();
      const bool moveRow = FNavigation->MoveRowOnSort;
      if (moveRow) SetRow(frame.Rows() - 1);
      // 6.5
      RangeSort(FSortSettings->Column, FixedRows(), frame.Rows() - scope.FixedFooters() - 1, false);
      // 6.6 (the frame clears the spare rows without notifying)
      // 6.7
      if (!FMouseActions->DisjunctRowSelect()) {
        const bool entered = FEntered;
        FEntered = false;
        if (moveRow) {
          SetRow(SortRow);
          FOldRowSel = -1;
        } else {
          SetRow(oldRow);
        }
        FEntered = entered;
      }
    }
    // 6.8
    if (OnRowUpdate && !FNavigation->MoveRowOnSort) OnRowUpdate(this, oldRow, Row());
  }
  // 6.9
  RepaintSortPanels(true);
}

void TExStringGrid::QSortIndexed() {
  // 7.
  if (FSortIndexes->Count() == 0) throw EExGridError(QStringLiteral("No indexes specified for indexed sort"));
  if (RowCount() != FSortRowXRef->Count()) InitSortXRef();
  const int oldRow = Row();
  {
    TSortScope scope(*this, true);
    TSortFrame frame(*this, RowCount() < FMaxRowCount - NumHiddenRows());
    SortRow = Row();
    const bool moveRow = FNavigation->MoveRowOnSort;
    if (moveRow) SetRow(frame.SpareRow(0));
    RangeSort(0, FixedRows(), frame.Rows() - scope.FixedFooters() - 1, true);
    const bool entered = FEntered;
    FEntered = false;
    if (moveRow) {
      SetRow(SortRow);
      FOldRowSel = -1;
    } else {
      SetRow(oldRow);
    }
    FEntered = entered;
  }
  RepaintSortPanels(false);
}

void TExStringGrid::SortGroups(bool Indexed) {
  // 8.
  if (RowCount() != FSortRowXRef->Count()) InitSortXRef();
  const int oldRow = Row();
  TSortScope scope(*this, false);
  TSortFrame frame(*this, RowCount() < FMaxRowCount - NumHiddenRows());
  SortRow = Row();
  const bool moveRow = FNavigation->MoveRowOnSort;
  if (moveRow) SetRow(frame.SpareRow(0));
  // The deepest level among the node rows of the normal range.
  const int first = FixedRows(), last = frame.SpareRow(0) - 1;
  int deepest = -1;
  for (int r = first; r <= last; ++r)
    if (IsNode(r)) deepest = std::max(deepest, GetNodeLevel(r));
  for (int r = first; r <= last && deepest >= 0; ++r) {
    if (!IsNode(r) || GetNodeLevel(r) != deepest || GetNodeState(r)) continue;
    const int span = GetNodeSpan(r);
    if (span - 1 > 1) RangeSort(FSortSettings->Column, r + 1, r + span - 1, Indexed);
  }
  const bool entered = FEntered;
  FEntered = false;
  if (moveRow) {
    SetRow(SortRow);
    FOldRowSel = -1;
  } else {
    SetRow(oldRow);
  }
  FEntered = entered;
}

void TExStringGrid::QSortGroup() { SortGroups(false); }

void TExStringGrid::QSortGroupIndexed() { SortGroups(true); }

void TExStringGrid::QUnSort() {
  // 11.
  FUnSortRowXRef->Clear();
  for (int i = 0; i < FSortRowXRef->Count(); ++i) FUnSortRowXRef->Insert(i, (*FSortRowXRef)[i]);
  TSortScope scope(*this, false);
  const int lastWidth = ColWidths(ColCount() - 1);
  {
    TAllColumnsGuard all(*this);
    const int n = std::min(RowCount(), FUnSortRowXRef->Count());
    std::vector<std::pair<int, int>> todo{{0, n - 1}};
    while (!todo.empty()) {
      const auto [l, r] = todo.back();
      todo.pop_back();
      if (l >= r) continue;
      const int pivot = (*FUnSortRowXRef)[(l + r) / 2];
      int i = l, j = r;
      do {
        while ((*FUnSortRowXRef)[i] < pivot) ++i;
        while ((*FUnSortRowXRef)[j] > pivot) --j;
        if (i <= j) {
          if ((*FUnSortRowXRef)[i] != (*FUnSortRowXRef)[j]) {
            SortSwapRows(i, j);
            const int vi = (*FUnSortRowXRef)[i];
            FUnSortRowXRef->SetInteger(i, (*FUnSortRowXRef)[j]);
            FUnSortRowXRef->SetInteger(j, vi);
          }
          ++i;
          --j;
        }
      } while (i <= j);
      if (l < j) todo.push_back({l, j});
      if (i < r) todo.push_back({i, r});
    }
  }
  SetColWidths(ColCount() - 1, lastWidth);
}

void TExStringGrid::RepaintSortPanels(bool SearchPanel) {
  if (FFloatingFooter->Visible()) UpdateFooter();
  if (SearchPanel && FSearchFooter->Visible()) UpdateSearchPanel();
}

// --- moving rows while sorting, and outside it ---

void TExStringGrid::SwapTableRows(int ARow1, int ARow2) {
  CellTable().SwapRows(ARow1, ARow2);
  // Cell properties know their cell.
  for (int row : {ARow1, ARow2})
    CellTable().ForEachInRow(row, [row](int col, const QString&, TObject* object) {
      if (auto* props = dynamic_cast<TCellProperties*>(object)) {
        props->OwnerCol = col;
        props->OwnerRow = row;
      }
    });
}

void TExStringGrid::SortSwapRows(int ARow1, int ARow2) {
  // 10.
  ++Swaps;
  if (ARow1 >= 0 && ARow2 >= 0 && ARow1 < FSortRowXRef->Count() && ARow2 < FSortRowXRef->Count()) {
    const int x = (*FSortRowXRef)[ARow1];
    FSortRowXRef->SetInteger(ARow1, (*FSortRowXRef)[ARow2]);
    FSortRowXRef->SetInteger(ARow2, x);
  }
  if (FSortSettings->SingleColumn) {
    const int c = FSortSettings->Column;
    const QString t1 = GetCellEx(c, ARow1), t2 = GetCellEx(c, ARow2);
    TObject* o1 = GetGridObject(c, ARow1);
    TObject* o2 = GetGridObject(c, ARow2);
    SetCellEx(c, ARow1, t2);
    SetCellEx(c, ARow2, t1);
    SetGridObject(c, ARow1, o2);
    SetGridObject(c, ARow2, o1);
    if (FSortKeys) FSortKeys->SwapRows(ARow1, ARow2, c);
  } else {
    SwapTableRows(ARow1, ARow2);
    if (FSortKeys) FSortKeys->SwapRows(ARow1, ARow2, -1);
    if (RowHeights(ARow1) != RowHeights(ARow2)) {
      const int h = RowHeights(ARow1);
      SetRowHeights(ARow1, RowHeights(ARow2));
      SetRowHeights(ARow2, h);
    }
    if (FMouseActions->DisjunctRowSelect() && FNavigation->MoveRowOnSort) {
      const bool hidden = NumHiddenRows() > 0;
      const int r1 = hidden ? DisplToRealRow(ARow1) : ARow1, r2 = hidden ? DisplToRealRow(ARow2) : ARow2;
      const size_t need = static_cast<size_t>(std::max(r1, r2)) + 1;
      if (r1 >= 0 && r2 >= 0) {
        if (FRowSelect.size() < need) FRowSelect.resize(need, false);
        const bool s = FRowSelect[static_cast<size_t>(r1)];
        FRowSelect[static_cast<size_t>(r1)] = FRowSelect[static_cast<size_t>(r2)];
        FRowSelect[static_cast<size_t>(r2)] = s;
      }
    }
    if (FShowModified->Enabled) {
      const bool m1 = RowModified(ARow1), m2 = RowModified(ARow2);
      if (m1 != m2) {
        SetRowModified(ARow1, m2);
        SetRowModified(ARow2, m1);
      }
    }
  }
  if (SortRow == ARow1) SortRow = ARow2;
  else if (SortRow == ARow2) SortRow = ARow1;
}

bool TExStringGrid::SortLine(int Col, int ARow1, int ARow2) {
  // 9. Before any sort no direction is known: nothing moves.
  if (SortDir == 0) return false;
  for (int c = Col; c < ColCount() + FNumHidden; ++c) {
    const int r = CompareRows(c, ARow1, ARow2, FSortSettings->Direction);
    if (r == SortDir) {
      SortSwapRows(ARow1, ARow2);
      return true;
    }
    if (r != 0) return false;
  }
  return false;
}

void TExStringGrid::InitSortXRef() {
  FSortRowXRef->Clear();
  for (int r = 0; r < RowCount(); ++r) FSortRowXRef->Add(r);
}

void TExStringGrid::SwapRows(int ARow1, int ARow2) {
  if (ARow1 == ARow2 || ARow1 < 0 || ARow2 < 0 || ARow1 >= RowCount() || ARow2 >= RowCount()) return;
  SwapTableRows(ARow1, ARow2);
  const int h = RowHeights(ARow1);
  SetRowHeights(ARow1, RowHeights(ARow2));
  SetRowHeights(ARow2, h);
  for (int i = 0; i < FControlList->Count(); ++i) {
    int& y = FControlList->Controls(i)->Y;
    if (y == ARow1) y = ARow2;
    else if (y == ARow2) y = ARow1;
  }
  CellControlsUpdate(false);
  Invalidate();
}

void TExStringGrid::SwapColumns(int ACol1, int ACol2) {
  if (ACol1 == ACol2 || ACol1 < 0 || ACol2 < 0 || ACol1 >= AllColCount() || ACol2 >= AllColCount()) return;
  CellTable().SwapColumns(ACol1, ACol2);
  for (int r = 0; r < RowCount(); ++r)
    for (int c : {ACol1, ACol2})
      if (auto* props = dynamic_cast<TCellProperties*>(GetGridObject(c, r))) props->OwnerCol = c;
  const int w = AllColWidths(ACol1);
  SetAllColWidths(ACol1, AllColWidths(ACol2));
  SetAllColWidths(ACol2, w);
  if (FSortSettings->Column == ACol1) FSortSettings->Column = ACol2;
  else if (FSortSettings->Column == ACol2) FSortSettings->Column = ACol1;
  for (int i = 0; i < FControlList->Count(); ++i) {
    int& x = FControlList->Controls(i)->X;
    if (x == ACol1) x = ACol2;
    else if (x == ACol2) x = ACol1;
  }
  CellControlsUpdate(false);
  Invalidate();
}

void TExStringGrid::Sort(int Column, TSortDirection Direction) {
  FSortSettings->Column = Column;
  FSortSettings->Direction = Direction;
  QSort();
}

void TExStringGrid::SortByColumn(int Col) {
  if (RowCount() <= 1) return;
  FSortSettings->Column = Col;
  QSort();
}
