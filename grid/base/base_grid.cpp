// The cell store: texts and properties, merged cells, geometry, keys and wheel.
#include "grid/base/base_grid.h"

#include <algorithm>
#include <set>

#include "grid/base/text_kinds.h"
#include "grid/base/undo_redo.h"
#include "platform/ui/widget_visibility.h"

TBaseGrid::TBaseGrid(TComponent* AOwner) : TObjStringGrid(AOwner) {
  SetGridLineWidth(1);
  SetDefaultDrawing(false);
}

// Frees every properties object of the store: those of the grid's cells and those
// left in cells beyond the counts after the counts shrank, each once even when
// it sits in two cells, with the cell graphics the store owns.
TBaseGrid::~TBaseGrid() {
  std::set<TCellProperties*> owned;
  CellTable().ForEach([&](int, int, const QString&, TObject* o) {
    if (auto* p = AsCellProperties(o)) owned.insert(p);
  });
  CellTable().Clear();
  for (TCellProperties* p : owned) {
    if (auto* g = dynamic_cast<TStoreOwnedGraphic*>(p->GraphicObject)) delete g;
    delete p;
  }
}

// --- settings ---

void TBaseGrid::SetDefaultDrawing(bool value) {
  defaultDrawing_ = value;
  TObjStringGrid::SetDefaultDrawing(false);
}

void TBaseGrid::SetGridLineWidth(int value) {
  gridLineWidth_ = value;
  TObjStringGrid::SetGridLineWidth(0);
  Invalidate();
}

void TBaseGrid::SetGridLineColor(TColor value) {
  gridLineColor_ = value;
  Invalidate();
}

void TBaseGrid::SetGridFixedLineColor(TColor value) {
  gridFixedLineColor_ = value;
  Invalidate();
}

namespace {

template <class T>
void SetAndInvalidate(T& field, T value, TBaseGrid* grid) {
  if (field == value) return;
  field = value;
  grid->Invalidate();
}

}  // namespace

void TBaseGrid::SetSelectionStyle(TGridSelectionStyle value) { SetAndInvalidate(selectionStyle_, value, this); }
void TBaseGrid::SetActiveRowShow(bool value) { SetAndInvalidate(activeRowShow_, value, this); }
void TBaseGrid::SetActiveRowColor(TColor value) { SetAndInvalidate(activeRowColor_, value, this); }
void TBaseGrid::SetActiveRowColorTo(TColor value) { SetAndInvalidate(activeRowColorTo_, value, this); }
void TBaseGrid::SetActiveRowMirrorColor(TColor value) { SetAndInvalidate(activeRowMirrorColor_, value, this); }
void TBaseGrid::SetActiveRowMirrorColorTo(TColor value) { SetAndInvalidate(activeRowMirrorColorTo_, value, this); }

void TBaseGrid::SetUndoRedo(TExGridUndoRedo* value) {
  undoRedo_ = value;
  if (!value) return;
  value->SetGrid(this);
  value->FreeNotification(this);
}

void TBaseGrid::Notification(TComponent* AComponent, TOperation Operation) {
  TObjStringGrid::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == undoRedo_) undoRedo_ = nullptr;
}

// --- properties ---

bool TBaseGrid::InStore(int c, int r) const { return c >= 0 && c < TotalColCount() && r >= 0 && r < RowCount(); }

TCellProperties* TBaseGrid::Props(int c, int r) const {
  if (!InStore(c, r)) return nullptr;
  return AsCellProperties(Objects(c, r));
}

bool TBaseGrid::CellHasProperties(int c, int r) const { return Props(c, r) != nullptr; }

TCellProperties* TBaseGrid::GetCellProperties(int c, int r) {
  TObject* slot = InStore(c, r) ? Objects(c, r) : nullptr;
  if (TCellProperties* p = AsCellProperties(slot)) return p;
  if (slot || !InStore(c, r)) {
    scratch_ = std::make_unique<TCellProperties>(nullptr, c, r);
    return scratch_.get();
  }
  // 1. Make the properties and ask for the cell's initial look.
  auto* p = new TCellProperties(this, c, r);
  SetObjects(c, r, p);
  TFont font;
  TBrush brush;
  TColor colorTo = clNone, mirror = clNone, mirrorTo = clNone;
  TAlignment ha = taLeftJustify;
  TVAlignment va = vtaTop;
  bool ww = WordWrap();
  TCellGradientDirection gd = GradientVertical;
  GetCellColors(c, r, &font, &brush, colorTo, mirror, mirrorTo, ha, va, ww, gd);
  // 2. Keep it (the mirror colours are not kept).
  p->CalcType = acNONE;
  p->SetAlignment(ha);
  p->SetVAlignment(va);
  p->SetWordWrap(ww);
  p->FontName = font.Name();
  p->FontSize = font.Size();
  p->FontStyle = font.Style();
  p->FontColor = font.Color();
  p->SetBrushColor(brush.Color());
  p->SetBrushColorTo(colorTo);
  p->GradientDirection = gd;
  return p;
}

void TBaseGrid::GetCellColors(int, int, TFont* AFont, TBrush* ABrush, TColor& ColorTo, TColor& MirrorColor,
                              TColor& MirrorColorTo, TAlignment& HA, TVAlignment& VA, bool& WW,
                              TCellGradientDirection& GD) {
  AFont->Assign(*Font());
  ABrush->SetColor(Color());
  ColorTo = MirrorColor = MirrorColorTo = clNone;
  HA = taLeftJustify;
  VA = vtaTop;
  WW = WordWrap();
  GD = GradientVertical;
}

void TBaseGrid::SetCellProperties(int c, int r, TCellProperties* Value) {
  if (!InStore(c, r)) {
    delete Value;
    return;
  }
  TCellProperties* old = Props(c, r);
  if (old == Value) return;
  delete old;
  SetObjects(c, r, Value);
}

uintptr_t TBaseGrid::GetObjectEx(int c, int r) const {
  TCellProperties* p = Props(c, r);
  return p ? p->CellObject : 0;
}

void TBaseGrid::SetObjectEx(int c, int r, uintptr_t Value) {
  if (!InStore(c, r)) return;
  const bool empty = GetCellEx(c, r).isEmpty();
  if (empty) SetCellEx(c, r, " ");
  GetCellProperties(c, r)->CellObject = Value;
  if (empty) SetCellEx(c, r, "");
}

TObject* TBaseGrid::GetGraphicObjectEx(int c, int r) const { return CellGraphicOf(Props(c, r)); }

void TBaseGrid::SetGraphicObjectEx(int c, int r, TObject* Value) {
  if (ComponentState().Contains(csDestroying) || !InStore(c, r)) return;
  const bool empty = GetCellEx(c, r).isEmpty();
  if (empty) SetCellEx(c, r, " ");
  GetCellProperties(c, r)->GraphicObject = Value;
  if (empty) SetCellEx(c, r, "");
}

void TBaseGrid::FreeCellProperties(int c, int r) {
  if (TCellProperties* p = Props(c, r)) delete p;
  if (InStore(c, r)) SetObjects(c, r, nullptr);
}

void TBaseGrid::FreeCellObject(TObject* Object) {
  if (auto* p = AsCellProperties(Object))
    if (auto* g = dynamic_cast<TStoreOwnedGraphic*>(p->GraphicObject)) delete g;
  delete Object;
}

void TBaseGrid::FreeCellPropertiesRect(int ACol1, int ARow1, int ACol2, int ARow2) {
  if (!HasCellProps || ACol1 > ACol2 || ARow1 > ARow2) return;
  const int c1 = std::max(0, ACol1), c2 = std::min(ACol2, TotalColCount() - 1);
  const int r1 = std::max(0, ARow1), r2 = std::min(ARow2, RowCount() - 1);
  for (int c = c1; c <= c2; ++c) {
    for (int r = r1; r <= r2; ++r) {
      TCellProperties* p = Props(c, r);
      if (!p) continue;
      if (auto* g = dynamic_cast<TStoreOwnedGraphic*>(p->GraphicObject)) delete g;
      delete p;
      SetObjects(c, r, nullptr);
    }
  }
}

void TBaseGrid::FreeAllCellProperties() { FreeCellPropertiesRect(0, 0, ColCount() - 1, RowCount() - 1); }

void TBaseGrid::ResetCell(int c, int r) {
  SetCellEx(c, r, "");
  SetObjects(c, r, nullptr);
}

void TBaseGrid::ResetRowCells(int r) {
  for (int c = 0; c < ColCount(); ++c) {
    SetObjects(c, r, nullptr);
    SetCellEx(c, r, "");
  }
}

void TBaseGrid::ResetColumnCells(int c) {
  for (int r = 0; r < RowCount(); ++r) {
    SetObjects(c, r, nullptr);
    SetCellEx(c, r, "");
  }
}

// --- cell text ---

QString TBaseGrid::GetCellEx(int c, int r) {
  // 1-2. The text of the base cell.
  TPoint base = Point(c, r);
  if (TCellProperties* p = Props(c, r)) base = p->GetBaseCell(c, r);
  QString text = Cells(base.X, base.Y);
  // 3-4. Display hooks for normal rows only.
  if (base.Y >= NormalRowCount) return text;
  DoGetDisplText(base.X, base.Y, text);
  if (!OnGetDisplWideText) return text;
  QString wide = DecodeWideCellText(text);
  DoGetDisplWideText(base.X, base.Y, wide);
  return EncodeWideCellText(wide);
}

void TBaseGrid::SetCellEx(int c, int r, const QString& Value) {
  if (TCellProperties* p = Props(c, r)) {
    TPoint base = p->GetBaseCell(c, r);
    SetCells(base.X, base.Y, Value);
    CellChanged(base.X, base.Y);
    if (Parent()) RepaintCell(c, r);
  } else {
    SetCells(c, r, Value);
  }
  if (HideLastRow && r == RowCount() - 1) LastRowChanged();
}

void TBaseGrid::DoGetDisplText(int ACol, int ARow, QString& Value) {
  if (OnGetDisplText) OnGetDisplText(this, ACol, ARow, Value);
}

void TBaseGrid::DoGetDisplWideText(int ACol, int ARow, QString& Value) {
  if (OnGetDisplWideText) OnGetDisplWideText(this, ACol, ARow, Value);
}

QString TBaseGrid::GetEditText(int ACol, int ARow) { return TObjStringGrid::GetEditText(ACol, ARow); }

void TBaseGrid::SetEditText(int ACol, int ARow, const QString& Value) { TObjStringGrid::SetEditText(ACol, ARow, Value); }

// --- merged cells ---

void TBaseGrid::MergeCells(int c, int r, int spanx, int spany) {
  // A block must start inside the grid, have a size and end inside it.
  if (!InStore(c, r) || spanx < 1 || spany < 1) return;
  spanx = std::min(spanx, TotalColCount() - c);
  spany = std::min(spany, RowCount() - r);
  // Blocks the new one overlaps are split first, so no cell keeps a base outside it.
  for (int i = c; i < c + spanx; ++i)
    for (int j = r; j < r + spany; ++j)
      if (TCellProperties* p = Props(i, j); p && (p->CellSpanX != -1 || p->CellSpanY != -1)) SplitCells(i, j);
  // 1-2. Mark the block.
  ++MergeCount;
  for (int i = c; i < c + spanx; ++i) {
    for (int j = r; j < r + spany; ++j) {
      TCellProperties* p = GetCellProperties(i, j);
      p->IsBaseCell = i == c && j == r;
      p->CellSpanX = p->IsBaseCell ? spanx - 1 : i - c;
      p->CellSpanY = p->IsBaseCell ? spany - 1 : j - r;
    }
  }
  // 3. Repaint it.
  for (int i = c; i < c + spanx; ++i)
    for (int j = r; j < r + spany; ++j) RepaintCell(i, j);
}

void TBaseGrid::SplitCells(int c, int r) {
  // A cell that belongs to no block has nothing to split.
  TCellProperties* p = Props(c, r);
  if (!p || (p->CellSpanX == -1 && p->CellSpanY == -1)) return;
  // 1. The base cell and its spans.
  const TPoint base = p->GetBaseCell(c, r);
  TCellProperties* bp = Props(base.X, base.Y);
  const int sx = bp ? std::max(0, bp->CellSpanX) : 0, sy = bp ? std::max(0, bp->CellSpanY) : 0;
  // 2-3. Every cell of the block becomes a plain cell again.
  for (int i = base.X; i <= base.X + sx; ++i) {
    for (int j = base.Y; j <= base.Y + sy; ++j) {
      TCellProperties* q = Props(i, j);
      if (!q) continue;
      q->IsBaseCell = true;
      q->CellSpanX = q->CellSpanY = -1;
      RepaintCell(i, j);
    }
  }
  --MergeCount;
}

bool TBaseGrid::IsBaseCell(int ACol, int ARow) const {
  TCellProperties* p = Props(ACol, ARow);
  return !p || p->IsBaseCell;
}

bool TBaseGrid::IsMergedCell(int ACol, int ARow) const {
  TCellProperties* p = Props(ACol, ARow);
  return p && (p->CellSpanX > 0 || p->CellSpanY > 0);
}

bool TBaseGrid::IsMergedNonBaseCell(int ACol, int ARow) const {
  return IsMergedCell(ACol, ARow) && !Props(ACol, ARow)->IsBaseCell;
}

bool TBaseGrid::IsXMergedCell(int ACol, int ARow) const {
  if (!Props(ACol, ARow)) return false;
  TPoint b = BaseCell(ACol, ARow);
  TCellProperties* bp = Props(b.X, b.Y);
  return bp && bp->CellSpanX > 0;
}

bool TBaseGrid::IsYMergedCell(int ACol, int ARow) const {
  if (!Props(ACol, ARow)) return false;
  TPoint b = BaseCell(ACol, ARow);
  TCellProperties* bp = Props(b.X, b.Y);
  return bp && bp->CellSpanY > 0;
}

TPoint TBaseGrid::BaseCell(int ACol, int ARow) const {
  TCellProperties* p = Props(ACol, ARow);
  return p ? p->GetBaseCell(ACol, ARow) : Point(ACol, ARow);
}

bool TBaseGrid::FindBaseCell(int ACol, int ARow, int& BaseCol, int& BaseRow) const {
  TCellProperties* p = Props(ACol, ARow);
  BaseCol = ACol;
  BaseRow = ARow;
  if (!p || p->IsBaseCell) return true;
  TPoint b = p->GetBaseCell(ACol, ARow);
  BaseCol = b.X;
  BaseRow = b.Y;
  return false;
}

TPoint TBaseGrid::CellSpan(int ACol, int ARow) const {
  TCellProperties* p = Props(ACol, ARow);
  if (!p || p->CellSpanX == -1 || p->CellSpanY == -1) return Point(0, 0);
  TPoint b = p->GetBaseCell(ACol, ARow);
  TCellProperties* bp = Props(b.X, b.Y);
  return bp ? Point(bp->CellSpanX, bp->CellSpanY) : Point(0, 0);
}

TPoint TBaseGrid::CellExt(int ACol, int ARow) const {
  TCellProperties* p = Props(ACol, ARow);
  if (!p || p->CellSpanX == -1 || p->CellSpanY == -1) return Point(0, 0);
  TPoint b = p->GetBaseCell(ACol, ARow);
  TPoint s = CellSpan(ACol, ARow);
  return Point(b.X + s.X - ACol, b.Y + s.Y - ARow);
}

TRect TBaseGrid::FullCell(int c, int r) const {
  TPoint b = BaseCell(c, r), s = CellSpan(c, r);
  return Rect(b.X, b.Y, b.X + s.X, b.Y + s.Y);
}

int TBaseGrid::MinRowSpan(int ARow) const {
  int result = RowCount();
  for (int c = 0; c < ColCount(); ++c) {
    const int s = CellSpan(c, ARow).Y;
    if (s > 0 && s < RowCount()) result = std::min(result, s);
  }
  return result;
}

int TBaseGrid::MaxRowSpan(int ARow) const {
  int result = 0;
  for (int c = 0; c < ColCount(); ++c) result = std::max(result, CellSpan(c, ARow).Y);
  return result;
}

bool TBaseGrid::RowSpanIdentical(int ARow1, int ARow2) const {
  bool found = false;
  for (int c = 0; c < ColCount(); ++c) {
    if (CellSpan(c, ARow1).Y <= 0 || CellSpan(c, ARow2).Y <= 0) continue;
    found = true;
    if (BaseCell(c, ARow1).Y != BaseCell(c, ARow2).Y) return false;
  }
  return found;
}

bool TBaseGrid::ColSpanIdentical(int ACol1, int ACol2) const {
  bool found = false;
  for (int r = 0; r < RowCount(); ++r) {
    const int s1 = CellSpan(ACol1, r).X, s2 = CellSpan(ACol2, r).X;
    if (s1 <= 0 || s2 <= 0) {
      if (s1 != s2) return false;
      continue;
    }
    found = true;
    if (BaseCell(ACol1, r).X != BaseCell(ACol2, r).X) return false;
  }
  return found;
}

// --- geometry ---

TRect TBaseGrid::CalcCellRect(int c, int r) const {
  auto start = [](int index, int fixed, int first, int fixedExtent, auto extent) {
    int pos = 0;
    for (int i = 0; i < index; ++i) pos += extent(i);
    if (index < fixed) return pos;
    for (int i = 0; i < first; ++i) pos -= extent(i);
    return pos + fixedExtent;
  };
  const int x = start(c, FixedCols(), LeftCol(), Horz().FixedExtent(), [this](int i) { return ColWidths(i); });
  const int y = start(r, FixedRows(), TopRow(), Vert().FixedExtent(), [this](int i) { return RowHeights(i); });
  return Bounds(x, y, ColWidths(c), RowHeights(r));
}

TRect TBaseGrid::CellRect(int c, int r) const {
  TCellProperties* p = Props(c, r);
  if (p && (p->CellSpanX != -1 || p->CellSpanY != -1)) {
    const TPoint b = p->GetBaseCell(c, r);
    const TPoint s = CellSpan(c, r);
    TRect first = CalcCellRect(b.X, b.Y), last = CalcCellRect(b.X + s.X, b.Y + s.Y);
    if (first.Width() == 0) first.Right += 1;
    if (last.Width() == 0) last.Left -= 1;
    TRect u;
    UnionRect(u, first, last);
    return u;
  }
  if (p && p->Control) return CalcCellRect(c, r);
  TRect r0 = TObjStringGrid::CellRect(c, r);
  r0.Right = r0.Left + ColWidths(c);
  r0.Bottom = r0.Top + RowHeights(r);
  return r0;
}

TPoint TBaseGrid::CellSize(int c, int r) const {
  TRect u = CalcCellRect(c, r);
  if (IsMergedCell(c, r) || IsMergedNonBaseCell(c, r)) {
    const TPoint b = BaseCell(c, r), s = CellSpan(c, r);
    UnionRect(u, CalcCellRect(b.X, b.Y), CalcCellRect(b.X + s.X, b.Y + s.Y));
  }
  return Point(u.Width(), u.Height());
}

void TBaseGrid::RepaintCell(int c, int r) {
  // A grid not on screen has nothing to repaint (a form filling its grids before
  // it is shown would otherwise work out every cell's rectangle).
  if (!Widget() || !WidgetVisible(this)) return;
  InvalidateRect(CellRect(c, r));
}

// --- cursor ---

void TBaseGrid::MoveToBaseCell() {
  TCellProperties* p = Props(Col(), Row());
  if (!p) return;
  const TPoint b = p->GetBaseCell(Col(), Row());
  SetCol(b.X);
  SetRow(b.Y);
}

bool TBaseGrid::SelectCell(int ACol, int ARow) {
  RepaintCell(Col(), Row());
  const bool result = TObjStringGrid::SelectCell(ACol, ARow);
  RepaintCell(ACol, ARow);
  return result;
}

void TBaseGrid::KeyDown(int& Key, TShiftState Shift) {
  // 1. The current cell's block.
  TCellProperties* p = Props(Col(), Row());
  int bc = Col(), br = Row(), sx = 0, sy = 0;
  if (p) {
    const TPoint b = p->GetBaseCell(Col(), Row());
    bc = b.X;
    br = b.Y;
    const TPoint s = CellSpan(Col(), Row());
    sx = s.X;
    sy = s.Y;
  }
  // 2. Page Down above a hidden last row.
  if (Key == VK_NEXT && VisibleRowCount() + TopRow() - FixedRows() == RowCount() - 1 && HideLastRow && RowCount() > 1)
    SetRow(RowCount() - 2);
  if (p) {
    // 3-6. Step from the block's far edge, so the move leaves the block.
    if (Key == VK_RIGHT) {
      const int last = bc + sx;
      if (last >= Col() && Col() < ColCount() - 1 && bc < ColCount() - 1 && last < ColCount()) SetCol(last);
    } else if (Key == VK_DOWN) {
      const int last = br + sy;
      if (last >= Row() && Row() < RowCount() - 1 && br < RowCount() - 1) SetRow(last);
    } else if (Key == VK_LEFT) {
      if (bc < Col() && Col() > FixedCols() && bc > 0) SetCol(bc);
    } else if (Key == VK_UP) {
      if (br < Row() && Row() > FixedRows() && br > 0) SetRow(br);
    }
  }
  // 7. The library's move, then onto the base of the block it lands in.
  TObjStringGrid::KeyDown(Key, Shift);
  MoveToBaseCell();
}

bool TBaseGrid::DoMouseWheelDown(TShiftState Shift, TPoint MousePos) {
  const bool result = TObjStringGrid::DoMouseWheelDown(Shift, MousePos);
  if (VisibleRowCount() < Row() - TopRow() && Row() < RowCount() - 1 && HideLastRow) SetTopRow(TopRow() + 1);
  MoveToBaseCell();
  return result;
}

bool TBaseGrid::DoMouseWheelUp(TShiftState Shift, TPoint MousePos) {
  const bool result = TObjStringGrid::DoMouseWheelUp(Shift, MousePos);
  MoveToBaseCell();
  return result;
}

void TBaseGrid::TopLeftChanged() {
  TObjStringGrid::TopLeftChanged();
  if (FixedCols() > 0) {
    for (int r = TopRow(); r <= std::min(RowCount() - 1, TopRow() + VisibleRowCount()); ++r)
      for (int c = 0; c < FixedCols(); ++c)
        if (IsMergedCell(c, r)) RepaintCell(c, r);
  }
  if (FixedRows() > 0) {
    for (int c = LeftCol(); c <= std::min(ColCount() - 1, LeftCol() + VisibleColCount()); ++c)
      for (int r = 0; r < FixedRows(); ++r)
        if (IsMergedCell(c, r)) RepaintCell(c, r);
  }
}
