// Tree nodes in rows: a node row owns the rows of its span; contracting it
// hides them (as hidden rows, by real index), expanding brings them back.
// Nodes nest by the level kept in each row's column-0 cell properties. Also
// the rows inserted and removed under a node, the parent lookup, the glyph hit
// test and the expand cells that switch a row between two heights.
#include <limits>

#include "grid/view/ex_string_grid.h"

namespace {

// Column-0 level of a row (0 without properties).
int RowLevel(TExStringGrid& g, int ARow) {
  return g.CellHasProperties(0, ARow) ? g.GetCellProperties(0, ARow)->NodeLevel : 0;
}

}  // namespace

// --- making and removing nodes ---

void TExStringGrid::AddNode(int ARow, int Span) {
  // 1.
  const int d = RealToDisplRow(ARow);
  if (d < 0 || d >= RowCount()) return;
  TCellGraphic* g = CreateCellGraphic(0, d);
  if (!g) return;
  g->CellType = ctNode;
  g->CellBoolean = false;
  g->CellIndex = Span;
  g->CellErrFrom = 0;
  g->CellAngle = d;
  g->CellHAlign = haBeforeText;
  g->CellVAlign = vaCenter;
  g->CellVar = -1;
  for (int r = d; r < std::min(d + Span, RowCount()); ++r) ++GetCellProperties(0, r)->NodeLevel;
  if (FNumNodes == 0) RepaintCol(0);
  ++FNumNodes;
  if (Col() == 0 && ColCount() > 1) SetCol(1);
}

void TExStringGrid::MarkSummaryRow(int ARow) {
  const int d = RealToDisplRow(ARow);
  if (d < 0 || d >= RowCount()) return;
  if (TCellGraphic* g = CreateCellGraphic(0, d)) g->CellType = ctSummary;
}

void TExStringGrid::RemoveNode(int ARow) {
  // 3. Expanded first (without contracting any other node).
  const bool expandOne = FCellNode->ExpandOne;
  FCellNode->ExpandOne = false;
  ExpandNode(ARow);
  FCellNode->ExpandOne = expandOne;
  const int d = RealToDisplRow(ARow);
  if (!IsNode(d)) return;
  const int span = GetNodeSpan(d);
  for (int r = d; r < std::min(d + span, RowCount()); ++r) {
    if (!CellHasProperties(0, r)) continue;
    TCellProperties* p = GetCellProperties(0, r);
    if (p->NodeLevel > 0) --p->NodeLevel;
  }
  RemoveCellGraphicOfType(0, d, ctNode);
  if (FNumNodes > 0) --FNumNodes;
}

void TExStringGrid::RemoveAllNodes() {
  for (int r = 0; r < RowCount(); ++r)
    if (IsNode(r)) RemoveNode(RealRowIndex(r));
  FNumNodes = 0;
  Invalidate();
}

// --- queries ---

bool TExStringGrid::IsNode(int ARow) { return ARow >= 0 && GetCellType(0, ARow) == ctNode; }
bool TExStringGrid::IsSummary(int ARow) { return ARow >= 0 && GetCellType(0, ARow) == ctSummary; }

bool TExStringGrid::GetNodeState(int ARow) { return IsNode(ARow) && GetCellGraphic(0, ARow)->CellBoolean; }

void TExStringGrid::SetNodeState(int ARow, bool Value) {
  if (!IsNode(ARow) || GetNodeState(ARow) == Value) return;
  if (Value) ContractNode(RealRowIndex(ARow));
  else ExpandNode(RealRowIndex(ARow));
}

int TExStringGrid::GetNodeLevel(int ARow) { return IsNode(ARow) ? RowLevel(*this, ARow) : -1; }
int TExStringGrid::GetNodeSpan(int ARow) { return IsNode(ARow) ? GetCellGraphic(0, ARow)->CellIndex : -1; }

void TExStringGrid::SetNodeSpan(int ARow, int Span) {
  if (IsNode(ARow)) GetCellGraphic(0, ARow)->CellIndex = Span;
}

void TExStringGrid::UpdateNodeSpan(int ARow, int Delta) {
  if (IsNode(ARow)) GetCellGraphic(0, ARow)->CellIndex += Delta;
}

int TExStringGrid::GetSubNodeCount(int ARow) { return IsNode(ARow) ? GetCellGraphic(0, ARow)->CellErrFrom : 0; }

void TExStringGrid::UpdateSubNodeCount(int ARow, int Delta) {
  if (IsNode(ARow)) GetCellGraphic(0, ARow)->CellErrFrom += Delta;
}

int TExStringGrid::GetParentRow(int ARow) {
  // 6.
  if (FNumNodes == 0) return -1;
  const bool node = IsNode(ARow);
  const int L = node ? RowLevel(*this, ARow) : std::numeric_limits<int>::max();
  int c = 0;
  for (int r = std::min(ARow, RowCount() - 1); r >= FixedRows(); --r) {
    if (!IsNode(r) || RowLevel(*this, r) >= L) continue;
    const int span = GetNodeSpan(r);
    if (GetNodeState(r)) c += span - 1;
    if (ARow < r + span - c) return r;
  }
  return node ? ARow : -1;
}

int TExStringGrid::GetNodeSpanType(int ARow) {
  // 13.
  if (IsNode(ARow)) return 0;
  const int lastNormal = RowCount() - FFixedFooters - 1;
  if (ARow < lastNormal && CellHasProperties(0, ARow + 1) &&
      RowLevel(*this, ARow + 1) >= RowLevel(*this, ARow))
    return 2;
  return 1;
}

int TExStringGrid::GetRowIndent(int ARow) {
  if (FNumNodes == 0 || ARow < 0 || !CellHasProperties(0, ARow)) return 0;
  return GetCellProperties(0, ARow)->NodeLevel * FCellNode->NodeIndent();
}

bool TExStringGrid::IsInNodeGlyph(int ARow, int X) {
  // 14.
  if (!FMouseActions->PreciseNodeClick) return true;
  const int v = RowLevel(*this, ARow), i = FCellNode->NodeIndent();
  int g = 4, m = 4;
  switch (FCellNode->NodeType()) {
    case cn3D:
      g = 6;
      m = 0;
      break;
    case cnGlyph: {
      const TBitmap* glyph = FCellNode->ExpandGlyph();
      const bool has = glyph && !glyph->Empty();
      g = has ? glyph->Width() / 2 : 0;
      m = has ? 2 : 0;
      break;
    }
    case cnLeaf:
      g = 8;
      m = 2;
      break;
    case cnFlat:
    case cnXP:
      break;
  }
  return m + (v - 1) * i < X && X < g + v * i;
}

// The end (exclusive, display rows) of the node in display row d: its span,
// or up to the next node row when the span is 0 or less.
int TExStringGrid::NodeEndRow(int d) {
  const int span = GetNodeSpan(d);
  if (span > 0) return d + span;
  int e = d + 1;
  while (e < RowCount() && !IsNode(e)) ++e;
  return e;
}

// --- expanding and contracting ---

void TExStringGrid::ExpandNode(int ARow) {
  // 7.
  if (FCellNode->ExpandOne)
    for (int r = FixedRows(); r < RowCount(); ++r)
      if (IsNode(r) && !GetNodeState(r)) ContractNode(RealRowIndex(r));
  const int d = RealToDisplRow(ARow);
  if (!IsNode(d) || !GetNodeState(d)) return;
  GetCellGraphic(0, d)->CellBoolean = false;
  // A contracted node's rows are hidden, so the next shown row ends it.
  int e = d + 1;
  if (GetNodeSpan(d) <= 0)
    while (e < RowCount() && !IsNode(e)) ++e;
  const int span = GetNodeSpan(d);
  const int from = RealRowIndex(d) + 1;
  const int to = span > 0 ? std::min(RealRowIndex(e) - 1, from + span - 2) : RealRowIndex(e) - 1;
  const bool disjunct = FMouseActions->DisjunctRowSelectDirect();
  FMouseActions->SetDisjunctRowSelectDirect(false);
  const bool rowSelect = Options().Contains(goRowSelect);
  const int row = Row(), top = TopRow();
  if (rowSelect) SetOptions(Options() - goRowSelect);
  const bool batch = FControlList->Count() == 0;
  if (batch) BeginUpdate();
  if (from <= to) UnHideRows(from, to);
  if (batch) EndUpdate();
  if (rowSelect) {
    SetOptions(Options() + goRowSelect);
    SetRow(row);
    SetTopRow(top);
  }
  FMouseActions->SetDisjunctRowSelectDirect(disjunct);
  RecalcAllFooters();
}

void TExStringGrid::ContractNode(int ARow) {
  // 8.
  HideInplaceEdit();
  const int d = RealToDisplRow(ARow);
  if (!IsNode(d) || GetNodeState(d)) return;
  GetCellGraphic(0, d)->CellBoolean = true;
  // The node's rows by real index: a nested node that is contracted already
  // hides its own rows; it reads as expanded from now on, so that expanding
  // this node later shows every row again.
  const int span = GetNodeSpan(d);
  const int realEnd = span > 0 ? RealRowIndex(d) + span : RealRowIndex(NodeEndRow(d));
  int last = d;
  for (int r = d + 1; r < RowCount() && RealRowIndex(r) < realEnd; ++r) {
    if (IsNode(r) && GetNodeState(r)) GetCellGraphic(0, r)->CellBoolean = false;
    last = r;
  }
  if (last > d) HideRows(RealRowIndex(d) + 1, RealRowIndex(last));
  RecalcAllFooters();
}

void TExStringGrid::ExpandAll() {
  // 9.
  {
    TUpdateBatch batch(*this);
    const bool expandOne = FCellNode->ExpandOne;
    FCellNode->ExpandOne = false;
    for (int r = FixedRows(); r < RowCount(); ++r) {
      if (!IsNode(r)) continue;
      ExpandNode(RealRowIndex(r));
      GetCellGraphic(0, r)->CellBoolean = false;
    }
    FCellNode->ExpandOne = expandOne;
  }
  RecalcAllFooters();
}

void TExStringGrid::ContractAll() {
  {
    TUpdateBatch batch(*this);
    ExpandAll();
    TIntList rows(0, 0);
    int r = FixedRows();
    while (r < RowCount()) {
      if (!IsNode(r)) {
        ++r;
        continue;
      }
      GetCellGraphic(0, r)->CellBoolean = true;
      // The scan goes on after the span, so nested nodes keep their flag.
      const int end = std::min(NodeEndRow(r), RowCount());
      for (int h = r + 1; h < end; ++h) rows.Insert(rows.Count(), h);
      r = std::max(end, r + 1);
    }
    if (rows.Count() > 0) HideRowList(rows);
    CellControlsUpdate(false);
  }
  RecalcAllFooters();
}

// --- rows under nodes ---

void TExStringGrid::InsertChildRow(int ARow, int InsertAt) {
  // 10.
  int d = RealToDisplRow(ARow);
  const bool onNode = IsNode(d) && InsertAt == 0;
  // A row put under a node row belongs to that node.
  int P = onNode ? d : GetParentRow(d);
  int level = 0;
  if (P >= 0) {
    const int realP = RealRowIndex(P);
    UpdateNodeSpan(P, 1);
    UpdateSubNodeCount(P, 1);
    ExpandNode(realP);
    P = RealToDisplRow(realP);
    level = RowLevel(*this, P);
    // The ancestors above lengthen too (the walk stops at a level-1 node or
    // where the levels do not lead to a parent).
    int A = P, L = level;
    while (L > 1) {
      const int up = GetParentRow(A);
      if (up < FixedRows() || up == A) break;
      const int realUp = RealRowIndex(up);
      UpdateNodeSpan(up, 1);
      UpdateSubNodeCount(up, 1);
      ExpandNode(realUp);
      A = RealToDisplRow(realUp);
      L = RowLevel(*this, A);
    }
    d = RealToDisplRow(ARow);
  }
  const int at = onNode ? d + 1 : d + InsertAt;
  InsertRows(at, 1, true);
  if (onNode) {
    // The node's texts (and cell objects, not the node graphic) go to the new row.
    TAllColumnsGuard all(*this);
    for (int c = 0; c < ColCount(); ++c) {
      SetGridCell(c, at, GetGridCell(c, d));
      SetGridCell(c, d, QString());
      if (c == 0) continue;
      TObject* object = GetGridObject(c, d);
      if (auto* props = dynamic_cast<TCellProperties*>(object)) props->OwnerRow = at;
      SetGridObject(c, at, object);
      SetGridObject(c, d, nullptr);
    }
  }
  if (P >= 0) GetCellProperties(0, at)->NodeLevel = level;
}

void TExStringGrid::RemoveChildRow(int ARow) {
  // 11.
  const int d = RealToDisplRow(ARow);
  if (d < 0 || d >= RowCount()) return;
  int P = GetParentRow(d);
  if (P >= 0 && P != d) {
    const int L = RowLevel(*this, P);
    if (GetNodeSpan(P) > 1) {
      UpdateNodeSpan(P, -1);
      UpdateSubNodeCount(P, -1);
    }
    for (;;) {
      const int realP = RealRowIndex(P);
      ExpandNode(realP);
      P = RealToDisplRow(realP);
      if (RowLevel(*this, P) <= 1) break;
      const int up = GetParentRow(P);
      if (up < 0 || up == P || RowLevel(*this, up) >= L) break;
      P = up;
      if (GetNodeSpan(P) > 1) {
        UpdateNodeSpan(P, -1);
        UpdateSubNodeCount(P, -1);
      }
    }
  }
  // The row is found again: expanding may have moved it.
  const int row = RealToDisplRow(ARow);
  DeleteRows(row, 1);
  if (FMaxRowCount > 0) --FMaxRowCount;
}

void TExStringGrid::InsertNormalRow(int ARow) {
  // 12.
  // (The insertion moves the hidden rows behind the new row.)
  InsertRows(RealToDisplRow(ARow), 1, true);
}

void TExStringGrid::RemoveNormalRow(int ARow) { RemoveRows(ARow, 1); }

// --- expand cells ---

void TExStringGrid::AddExpand(int ACol, int ARow, int ExpandedHeight) {
  const int contracted = RowHeights(ARow);
  TCellGraphic* g = CreateCellGraphic(ACol, ARow);
  if (!g) return;
  g->CellType = ctExpand;
  g->CellAngle = ExpandedHeight;
  g->CellIndex = contracted;
  g->CellVar = 0;
}

void TExStringGrid::RemoveExpand(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctExpand); }

bool TExStringGrid::ToggleExpand(int ACol, int ARow) {
  const TPoint b = BaseCell(ACol, ARow);
  if (GetCellType(b.X, b.Y) != ctExpand) return false;
  TCellGraphic* g = GetCellGraphic(b.X, b.Y);
  g->CellVar = g->CellVar ? 0 : 1;
  return g->CellVar != 0;
}

bool TExStringGrid::GetExpandState(int ACol, int ARow) {
  const TPoint b = BaseCell(ACol, ARow);
  return GetCellType(b.X, b.Y) == ctExpand && GetCellGraphic(b.X, b.Y)->CellVar != 0;
}

int TExStringGrid::GetExpandHeight(int ACol, int ARow, bool Expanded) {
  const TPoint b = BaseCell(ACol, ARow);
  if (GetCellType(b.X, b.Y) != ctExpand) return DefaultRowHeight();
  const TCellGraphic* g = GetCellGraphic(b.X, b.Y);
  return Expanded ? g->CellAngle : g->CellIndex;
}
