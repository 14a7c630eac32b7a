// How the grid scrolls: the scroll messages with their hints and synchronous
// thumb tracking, the proportional thumbs, keeping the last row above the search
// footer, scrolling while something is dragged over the grid, and the conversion
// of screen and mouse positions to cells.
//
// The window system's flat scroll bars do not exist here: FIsFlat stays false,
// as when the functions are missing. The platform's scroll bars report the cell
// to scroll to, not a position out of 0..127, so a scroll message's position is
// the target column or row itself.
#include <cmath>

#include "grid/view/ex_string_grid.h"
#include "grid/view/scroll_control.h"
#include "platform/ui/timer.h"

// --- the arithmetic of thumbs and hints ---

int TExStringGrid::ScrollHintIndex(int Pos, int Count, int Visible, int Fixed) {
  return static_cast<int>(std::floor(double(Pos) * (Count - Visible - Fixed) / 127.0 + 0.5)) + Fixed;
}

int TExStringGrid::FlatThumbPosition(int Pos, int Visible, int Count) {
  const int v = static_cast<int>(std::nearbyint(double(Visible) * 128 / Count));
  if (v == 128) return Pos;
  return static_cast<int>(std::nearbyint(double(Pos) * 127 / (128 - v)));
}

TProportionalThumb TExStringGrid::ProportionalThumb(int FixedPart, int NormalPart, int Before, int Outer,
                                                   int Current, bool Vertical) {
  TProportionalThumb t;
  const float e = float(Outer - FixedPart) / float(NormalPart);
  if (!(e < 0.9999f)) return t;
  if (!Vertical && FixedPart + NormalPart - Outer < 5) return t;
  t.Apply = true;
  t.Max = static_cast<int>((e + 127) / (1 - e));
  t.Page = t.Max - 126;
  if (Outer < NormalPart)
    t.Position = static_cast<int>(double(Before) / (NormalPart - Outer) * 128);
  else
    t.Position = Vertical ? 127 : Current;
  return t;
}

void TExStringGrid::UpdateProportionalThumbs() {
  if (Loading() || !ScrollProportional || FScrollLock) return;
  const int w = GridLineWidth();
  auto sums = [w](int fixedCount, int count, int first, auto extent) {
    int fixedPart = w, normal = w, before = w;
    for (int i = 0; i < fixedCount; ++i) fixedPart += w + extent(i);
    for (int i = fixedCount; i < count; ++i) {
      normal += w + extent(i);
      if (i < first) before += w + extent(i);
    }
    return std::array<int, 3>{fixedPart, normal, before};
  };
  const auto h = sums(FixedCols(), ColCount(), LeftCol(), [this](int i) { return ColWidths(i); });
  FHorzThumb = ProportionalThumb(h[0], h[1], h[2], Width(), 0, false);
  if (VisibleRowCount() + FixedRows() < RowCount()) {
    const auto v = sums(FixedRows(), RowCount(), TopRow(), [this](int i) { return RowHeights(i); });
    FVertThumb = v[1] == 0 ? TProportionalThumb{} : ProportionalThumb(v[0], v[1], v[2], Height(), 0, true);
  }
}

// --- properties ---

void TExStringGrid::SetScrollType(TScrollType Value) {
  if (Value == ScrollType) return;
  ScrollType = Value;
  FIsFlat = false;  // no flat scroll bars on this platform
  // The grid-drawn bars take the place of the system's once there is a window.
  if (!Parent()) return;
  if (Value == ssMetro) {
    CreateScrollControls();
    SetScrollBars(ssNone);
  } else if (FScrollControlV || FScrollControlH) {
    RemoveScrollControls();
    SetScrollBars(ssBoth);
  }
}

// --- the grid-drawn scroll bars ---

void TExStringGrid::CreateScrollControls() {
  if (FScrollControlV) return;
  FScrollControlV = std::make_unique<TScrollControl>(nullptr);
  FScrollControlV->SetDirection(sdVertical);
  FScrollControlH = std::make_unique<TScrollControl>(nullptr);
  FScrollControlH->SetDirection(sdHorizontal);
  for (TScrollControl* c : {FScrollControlV.get(), FScrollControlH.get()}) {
    c->SetParent(this);
    c->SetVisible(true);
  }
  PlaceScrollControls();
}

void TExStringGrid::RemoveScrollControls() {
  FScrollControlV.reset();
  FScrollControlH.reset();
}

// The vertical bar, 6 pixels wide, along the right edge; the horizontal one, 6
// pixels high, along the bottom (placed here at every resize: the class library
// here does not align child controls).
void TExStringGrid::PlaceScrollControls() {
  if (!FScrollControlV) return;
  FScrollControlV->SetBounds(std::max(0, Width() - 6), 0, 6, Height());
  FScrollControlH->SetBounds(0, std::max(0, Height() - 6), Width(), 6);
}

void TExStringGrid::SetScrollProportional(bool Value) {
  ScrollProportional = Value;
  if (Value) UpdateProportionalThumbs();
}

void TExStringGrid::SetScrollBarAlways(TScrollBarAlways Value) {
  ScrollBarAlways = Value;
  ApplyScrollBarAlways(true);
}

// --- scroll messages ---

void TExStringGrid::ShowScrollHint(bool Vertical, int Index) {
  QString text = (Vertical ? QStringLiteral("Row : ") : QStringLiteral("Col : ")) + QString::number(Index);
  if (OnScrollHint) OnScrollHint(this, Index, text);
  LastScrollHint = text;
  FScrollHintShow = true;
}

void TExStringGrid::WMHScroll(TMessage& Message) {
  const int code = static_cast<int>(Message.WParam & 0xFFFF);
  const int pos = static_cast<int16_t>((Message.WParam >> 16) & 0xFFFF);
  // 1. - 3. Scroll hints and synchronous tracking.
  if (ScrollHints == shHorizontal || ScrollHints == shBoth) {
    if (code == SB_ENDSCROLL) FScrollHintShow = false;
    if (code == SB_THUMBTRACK) ShowScrollHint(false, pos);
  }
  if (code == SB_THUMBTRACK && ScrollSynch) SetLeftCol(std::clamp(pos, FixedCols(), ColCount() - 1));
  // 5. The control editor goes when the scrolled column passes it.
  if (FixedCols() == 0 && Col() <= pos) HideInplaceEdit();
  // 6.
  TBaseGrid::WMHScroll(Message);
  // 8. - 9.
  if (code == SB_ENDSCROLL && ColCount() == 1) Invalidate();
  if (EditorMode() && HasCheckBox(RealCol(), Row())) HideInplaceEdit();
  UpdateFooter();
}

void TExStringGrid::WMVScroll(TMessage& Message) {
  const int code = static_cast<int>(Message.WParam & 0xFFFF);
  const int pos = static_cast<int16_t>((Message.WParam >> 16) & 0xFFFF);
  // 2. (The in-cell scroll bar is not a window here.)
  // 3.
  if (ScrollHints == shVertical || ScrollHints == shBoth) {
    if (code == SB_ENDSCROLL) FScrollHintShow = false;
    if (code == SB_THUMBTRACK) ShowScrollHint(true, pos);
  }
  if (code == SB_THUMBTRACK && ScrollSynch) SetTopRow(std::clamp(pos, FixedRows(), RowCount() - 1));
  // 4. The last row stays above the search footer.
  if (FSearchFooter->Visible() && (code == SB_ENDSCROLL || code == SB_LINEDOWN) && LastRowAboveSearchFooter()) {
    Message.Result = 1;
    return;
  }
  // 5.
  TBaseGrid::WMVScroll(Message);
  if (FSearchFooter->Visible()) {
    if (code == SB_LINEUP && TopRow() == RowCount() - VisibleRowCount()) SetTopRow(TopRow() - 1);
    if ((code == SB_ENDSCROLL || code == SB_LINEDOWN) && TopRow() == RowCount() - VisibleRowCount())
      ScrollAboveSearchFooter();
  }
  // 6.
  if (EditorMode() && HasCheckBox(RealCol(), Row())) HideInplaceEdit();
}

int TExStringGrid::SearchPanelHeight() const { return FSearchFooter->Visible() ? 32 : 0; }

bool TExStringGrid::LastRowAboveSearchFooter() {
  if (!FSearchFooter->Visible() || TopRow() + VisibleRowCount() < RowCount() - 1) return false;
  const TRect r = CellRect(0, RowCount() - 1);
  return !IsRectEmpty(r) && r.Bottom < ClientHeight() - SearchPanelHeight() + 2;
}

void TExStringGrid::ScrollAboveSearchFooter() {
  if (!FSearchFooter->Visible() || ClientHeight() <= DefaultRowHeight() + SearchPanelHeight()) return;
  for (;;) {
    const TRect r = CellRect(0, RowCount() - 1);
    const bool below = IsRectEmpty(r) || r.Bottom >= ClientHeight() - SearchPanelHeight() + 2;
    if (!below || Row() > RowCount() - 1 || TopRow() >= RowCount() - 1) break;
    const int before = TopRow();
    SetTopRow(TopRow() + 1);
    if (TopRow() == before) break;
  }
}

// --- positions to cells ---

void TExStringGrid::ScreenToCell(TPoint pt, int& ACol, int& ARow) {
  const TPoint p = ScreenToClient(pt);
  MouseToCell(p.X, p.Y, ACol, ARow);
}

bool TExStringGrid::IsOnSizingBorder(int X, int Y) {
  int c = -1, r = -1;
  MouseToCell(X, Y, c, r);
  if (c < 0 || r < 0) return false;
  const TRect cell = CellRect(c, r);
  if (r <= FixedRows() && Options().Contains(goColSizing) &&
      (std::abs(X - cell.Left) < 4 || std::abs(X - cell.Right) < 4))
    return true;
  return c <= FixedCols() && Options().Contains(goRowSizing) &&
         (std::abs(Y - cell.Top) < 4 || std::abs(Y - cell.Bottom) < 4);
}

// --- scrolling while dragging ---

void TExStringGrid::DragScrollOver(int X, int Y, bool Leaving) {
  TDragScrollOptions* o = FDragScrollOptions.get();
  if (!o->Active || Leaving) {
    FDragScrollTimer.reset();
    return;
  }
  TDragScrollDirection dir;
  if (Y < o->Margins.TopMargin)
    dir += dsdUp;
  else if (Y > Height() - o->Margins.BottomMargin)
    dir += dsdDown;
  if (X < o->Margins.LeftMargin)
    dir += dsdLeft;
  else if (X > Width() - o->Margins.RightMargin)
    dir += dsdRight;
  FDragScrollDirection = dir;
  if (dir.Empty()) {
    FDragScrollTimer.reset();
    return;
  }
  if (!FDragScrollTimer) {
    FDragScrollTimer = std::make_unique<TTimer>(nullptr);
    FDragScrollTimer->SetOnTimer([this](TObject*) { DragScrollTick(); });
  }
  FDragScrollTimer->SetInterval(o->Delays.InitialDelay);
  FDragScrollTimer->SetEnabled(true);
}

void TExStringGrid::DragScrollTick() {
  // 1.
  if (!FDragScrollOptions->Active) {
    FDragScrollTimer.reset();
    return;
  }
  // 2.
  if (FDragScrollTimer) FDragScrollTimer->SetInterval(FDragScrollOptions->Delays.RepeatDelay);
  TDragScrollDirection dir = FDragScrollDirection;
  // 3.
  if (OnDragScroll) {
    bool canScroll = true;
    OnDragScroll(this, TopRow(), LeftCol(), dir, canScroll);
    if (!canScroll) return;
  }
  // 4.
  if (dir.Contains(dsdUp) && TopRow() > FixedRows()) SetTopRow(TopRow() - 1);
  if (dir.Contains(dsdDown) && TopRow() + VisibleRowCount() < RowCount()) SetTopRow(TopRow() + 1);
  if (dir.Contains(dsdLeft) && LeftCol() > FixedCols()) SetLeftCol(LeftCol() - 1);
  if (dir.Contains(dsdRight) && LeftCol() + VisibleColCount() < ColCount()) SetLeftCol(LeftCol() + 1);
}
