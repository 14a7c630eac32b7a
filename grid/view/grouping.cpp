// Grouping: rows with equal consecutive values in one column gather under a
// header row that shows the value; each group becomes a node of the tree in
// rows, optionally followed by a summary row, and the group column leaves the
// grid until the grouping is undone. A second level groups inside the groups
// on another column. Group calculations fill the header or summary rows.
#include "grid/view/ex_string_grid.h"

namespace {

// Header and summary looks: as row colours, a colour without value not applied.
void ColourRow(TExStringGrid& g, int ARow, TColor From, TColor To, TColor Text) {
  if (From != clNone) g.SetRowColor(ARow, From);
  if (To != clNone) g.SetRowColorTo(ARow, To);
  if (Text != clNone) g.SetRowFontColor(ARow, Text);
}

// The same looks for one (merged) cell.
void ColourCell(TExStringGrid& g, int ACol, int ARow, TColor From, TColor To, TColor Text) {
  if (From != clNone) g.SetColors(ACol, ARow, From);
  if (To != clNone) g.SetColorsTo(ACol, ARow, To);
  if (Text != clNone) g.SetFontColors(ACol, ARow, Text);
}

}  // namespace

void TExStringGrid::SetGroupColumn(int Value) {
  if (Value == -1) UnGroup();
  else if (Value > 0) Group(Value);
}

// The summary row of the group before H goes in at H (looked as a summary),
// and the group of H, now one row lower, becomes a node up to row r.
void TExStringGrid::InsertGroupSummary(int H) {
  InsertRows(H, 1, true);
  MarkSummaryRow(RealRowIndex(H));
  const TGrouping& gr = *FGrouping;
  if (!gr.MergeSummary) ColourRow(*this, H, gr.SummaryColor, gr.SummaryColorTo, gr.SummaryTextColor);
}

void TExStringGrid::Group(int Colindex) {
  // 1. Column 0 would leave the grid for good (ungrouping restores columns
  //    above 0 only), so it is refused like a fixed column.
  if (Colindex < FixedCols() || Colindex <= 0 || Colindex >= AllColCount()) return;
  if (FGroupColumn != -1) UnGroup();
  if (RowCount() - FFixedFooters <= FixedRows()) return;
  const TGrouping& gr = *FGrouping;
  // 2.
  TUpdateBatch batch(*this);
  FGroupColumn = Colindex;
  FGroupWidth = AllColWidths(Colindex);
  if (FixedRows() > 0) FGroupCaption = GetGridCell(Colindex, 0);
  if (FFixedFooters > 0) FGroupFooter = GetGridCell(Colindex, RowCount() - 1);
  // 3.
  if (FSortSettings->AutoSortForGrouping) {
    FSortSettings->Column = Colindex;
    QSort();
  }
  // 4.
  const int h = Colindex == 1 ? 2 : 1;
  // 5. The first normal row always opens a group (no previous value yet).
  bool havePrev = false;
  QString prev;
  int H = -1;
  int r = FixedRows();
  for (; r <= RowCount() - FFixedFooters - 1; ++r) {
    const QString value = GetGridCell(Colindex, r);
    if (!havePrev || value != prev) {
      // 5.2
      if (H >= 0) {
        if (gr.Summary && H > FixedRows()) {
          InsertGroupSummary(H);
          AddNode(RealRowIndex(H + 1), r - H);
          ++r;
        } else {
          AddNode(RealRowIndex(H), r - H);
        }
      }
      // 5.3 - 5.4
      InsertRows(r, 1, true);
      SetGridCell(h, r, value);
      if (!gr.MergeHeader) ColourRow(*this, r, gr.HeaderColor, gr.HeaderColorTo, gr.HeaderTextColor);
      H = r;
      ++r;
    }
    // 5.5
    if (r < RowCount() - 1) {
      prev = GetGridCell(Colindex, r);
      havePrev = true;
    }
  }
  // 6.
  if (H < 0) {
    AddNode(RealRowIndex(FixedRows()), r - 1);
  } else {
    if (gr.Summary && H > FixedRows()) {
      InsertGroupSummary(H);
      ++H;
      ++r;
    }
    AddNode(RealRowIndex(H), r - H);
    if (!gr.MergeHeader) ColourRow(*this, H, gr.HeaderColor, gr.HeaderColorTo, gr.HeaderTextColor);
  }
  // 7.
  if (gr.Summary) InsertGroupSummary(r);
  // 8. The header texts now stand in column 1.
  RemoveCols(Colindex, 1);
  // 9.
  if (gr.MergeHeader || (gr.MergeSummary && gr.Summary))
    for (int b = FixedRows(); b < RowCount(); ++b) {
      if (gr.MergeHeader && IsNode(b)) {
        MergeCells(1, b, ColCount() - 1, 1);
        ColourCell(*this, 1, b, gr.HeaderColor, gr.HeaderColorTo, gr.HeaderTextColor);
      } else if (gr.MergeSummary && gr.Summary && (IsNode(b + 1) || b == RowCount() - 1)) {
        MergeCells(1, b, ColCount() - 1, 1);
        ColourCell(*this, 1, b, gr.SummaryColor, gr.SummaryColorTo, gr.SummaryTextColor);
      }
    }
  // 10.
  if (FCellNode->ExpandOne)
    for (int b = FixedRows(); b < RowCount(); ++b)
      if (IsNode(b)) {
        ExpandNode(RealRowIndex(b));
        break;
      }
  // 11.
  if (Col() >= ColCount() || Row() >= RowCount()) FocusCell(FixedCols(), FixedRows());
  SetRow(FixedRows());
}

void TExStringGrid::UnGroup() {
  // 1.
  if (FGroupColumn <= 0) return;
  const TGrouping& gr = *FGrouping;
  TUpdateBatch batch(*this);
  // 2.
  const bool expandOne = FCellNode->ExpandOne;
  FCellNode->ExpandOne = false;
  ExpandAll();
  // 3.
  InsertCols(FGroupColumn, 1);
  SetAllColWidths(FGroupColumn, FGroupWidth);
  if (FixedRows() > 0) SetGridCell(FGroupColumn, 0, FGroupCaption);
  if (FFixedFooters > 0) SetGridCell(FGroupColumn, RowCount() - 1, FGroupFooter);
  // 4. Header and summary rows leave; every data row gets its group's text back.
  const int textCol = FGroupColumn == 1 ? 2 : 1;
  QString t;
  int r = FixedRows();
  while (r <= RowCount() - FFixedFooters - 1) {
    if (!IsNode(r)) {
      SetGridCell(FGroupColumn, r, t);
      ++r;
      continue;
    }
    if (gr.Summary) {
      const int s = r + GetNodeSpan(r);
      if (s < RowCount() && IsSummary(s)) RemoveGroupRow(s, gr.MergeSummary);
    }
    t = GetGridCell(textCol, r);
    RemoveNode(RealRowIndex(r));
    RemoveGroupRow(r, gr.MergeHeader);
  }
  // 5.
  FGroupColumn = -1;
  FCellNode->ExpandOne = expandOne;
  Invalidate();
}

// A header or summary row of the grouping leaves the grid: its merged blocks
// are split, its cells cleared and the row removed.
void TExStringGrid::RemoveGroupRow(int ARow, bool Merged) {
  if (Merged)
    for (int c = 0; c < AllColCount(); ++c)
      if (IsMergedCell(c, ARow) && IsBaseCell(c, ARow)) SplitCells(c, ARow);
  FBlockCellChange = true;
  ClearRows(ARow, 1);
  FBlockCellChange = false;
  DeleteRows(ARow, 1);
}

void TExStringGrid::SubGroup(int Colindex) {
  // 1. The outer grouping keeps its column; the sub-group column stays in the
  //    grid and only its cells move into the sub-header rows.
  if (Colindex < FixedCols() || Colindex + 1 >= AllColCount()) return;
  const TGrouping& gr = *FGrouping;
  TUpdateBatch batch(*this);
  // 2.
  const int h = Colindex + 1;
  auto plain = [this](int row) { return !IsNode(row) && !IsSummary(row); };
  auto headerLook = [&](int row) {
    if (gr.MergeHeader) {
      MergeCells(h, row, ColCount() - h, 1);
      ColourCell(*this, h, row, gr.HeaderColor, gr.HeaderColorTo, gr.HeaderTextColor);
    } else {
      ColourRow(*this, row, gr.HeaderColor, gr.HeaderColorTo, gr.HeaderTextColor);
    }
  };
  auto makeSubNode = [&](int S, int span) {
    AddNode(RealRowIndex(S), span);
    GetCellGraphic(0, S)->CellVar = Colindex;
  };
  // 3.
  bool havePrev = false;
  QString prev;
  int S = -1;
  int r = FixedRows() + 1;
  while (r < RowCount() - FFixedFooters) {
    // 3.1
    const QString v = GetCellEx(Colindex, r);
    if (!(havePrev && v == prev && plain(r))) {
      // 3.2
      if (S >= 0 && plain(S)) makeSubNode(S, r - S);
      // 3.3
      if (plain(r)) {
        InsertChildRow(RealRowIndex(r), 0);
        SetCellEx(h, r, v);
        headerLook(r);
      }
      // 3.4
      S = r;
      ++r;
    }
    // 3.5
    if (r < RowCount() && plain(r - 1)) {
      prev = GetCellEx(Colindex, r);
      havePrev = true;
      SetCellEx(Colindex, r, QString());
      ++r;
    } else {
      havePrev = false;
    }
  }
  // 4. (A footer row below the walk keeps its text.)
  if (!(S >= 0 && IsSummary(S))) {
    if (S < 0 && r + 1 < RowCount()) {
      InsertChildRow(RealRowIndex(r), 0);
      AddNode(RealRowIndex(r), 2);
      GetCellGraphic(0, r)->CellVar = Colindex;
      SetCellEx(h, r, GetCellEx(Colindex, r + 1));
      SetCellEx(Colindex, r + 1, QString());
    } else if (plain(S)) {
      makeSubNode(S, r - S);
      headerLook(S);
    }
    if (gr.Summary) {
      InsertRows(r, 1, true);
      MarkSummaryRow(RealRowIndex(r));
      if (gr.MergeSummary) {
        MergeCells(h, r, ColCount() - h, 1);
        ColourCell(*this, h, r, gr.SummaryColor, gr.SummaryColorTo, gr.SummaryTextColor);
      } else {
        ColourRow(*this, r, gr.SummaryColor, gr.SummaryColorTo, gr.SummaryTextColor);
      }
    }
  }
  // 5.
  SetRow(FixedRows());
}

void TExStringGrid::SubUnGroup(int Colindex) {
  const TGrouping& gr = *FGrouping;
  TUpdateBatch batch(*this);
  // 1.
  ExpandAll();
  // 2.
  QString t;
  int r = FixedRows();
  while (r <= RowCount() - FFixedFooters - 1) {
    if (IsNode(r) && GetCellGraphic(0, r)->CellVar == Colindex) {
      t = GetCellEx(Colindex + 1, r);
      RemoveNode(RealRowIndex(r));
      if (gr.MergeHeader && IsMergedCell(Colindex + 1, r)) SplitCells(Colindex + 1, r);
      RemoveChildRow(RealRowIndex(r));
      continue;
    }
    if (!IsNode(r)) SetCellEx(Colindex, r, t);
    ++r;
  }
}

void TExStringGrid::GroupCalc(int ACol, int Method) {
  // 1.
  int r = FixedRows();
  while (r < RowCount()) {
    // 2.
    if (!IsNode(r) || GetNodeState(r)) {
      ++r;
      continue;
    }
    // 3. A span of 0 reaches the next node row.
    const int n = std::max(NodeEndRow(r) - r, 1);
    const int from = r + 1, to = r + n - 1;
    const int target = FGrouping->Summary ? r + n : r;
    // 4.
    if (target < RowCount()) {
      switch (Method) {
        case 1: SetFloats(ACol, target, ColumnSum(ACol, from, to)); break;
        case 2: SetFloats(ACol, target, ColumnAvg(ACol, from, to)); break;
        case 3: SetFloats(ACol, target, ColumnMin(ACol, from, to)); break;
        case 4: SetFloats(ACol, target, ColumnMax(ACol, from, to)); break;
        case 5: SetInts(ACol, target, n - 1); break;
        case 6: SetFloats(ACol, target, CallGroupCalc(ACol, from, to)); break;
        case 7: SetFloats(ACol, target, ColumnDistinct(ACol, from, to)); break;
        case 8: SetFloats(ACol, target, ColumnStdDev(ACol, from, to)); break;
        default: break;
      }
    }
    // 5.
    r += n;
  }
}

void TExStringGrid::GroupCalcWithFooter(int ACol, int Method, TColumnCalcType Footer) {
  GroupCalc(ACol, Method);
  if (FFloatingFooter->Visible()) FFloatingFooter->SetColumnCalc(ACol, Footer);
}

void TExStringGrid::GroupSum(int ACol) { GroupCalcWithFooter(ACol, 1, acSUM); }
void TExStringGrid::GroupAvg(int ACol) { GroupCalcWithFooter(ACol, 2, acAVG); }
void TExStringGrid::GroupMin(int ACol) { GroupCalcWithFooter(ACol, 3, acMIN); }
void TExStringGrid::GroupMax(int ACol) { GroupCalcWithFooter(ACol, 4, acMAX); }
void TExStringGrid::GroupCount(int ACol) { GroupCalcWithFooter(ACol, 5, acCOUNT); }
