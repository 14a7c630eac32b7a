#include "grid/view/scroll_control.h"

#include <algorithm>
#include <cmath>

#include "grid/base/html_render.h"
#include "grid/view/ex_string_grid.h"

namespace {

// Nearest integer, halves to even.
int RoundEven(double v) { return static_cast<int>(std::nearbyint(v)); }

}  // namespace

// --- the thumb arithmetic ---

std::optional<TScrollThumb> ScrollThumb(const TScrollAxis& a) {
  // With no rows to scroll there is no thumb (and nothing to divide by).
  if (a.Count - a.FixedCount <= 0 || a.Count <= 0) return std::nullopt;
  const int track = a.Extent - a.FixedStart - a.FixedEnd;
  TScrollThumb t;
  t.Pos = a.FixedStart + RoundEven(double(track) * (a.First - a.FixedCount) / (a.Count - a.FixedCount));
  t.Length = std::max(20, RoundEven(double(track) * a.Visible / a.Count));
  if (t.Pos + t.Length > a.Extent) t.Pos = a.Extent - t.Length;
  return t;
}

bool ScrollThumbShown(const TScrollAxis& a) { return a.Visible < a.Count - a.FixedCount; }

int ScrollPageBack(const TScrollAxis& a) { return std::max(a.FixedCount, a.First - a.Visible); }

int ScrollPageForward(const TScrollAxis& a) { return std::min(a.First + a.Visible, a.Count - a.Visible); }

std::optional<int> ScrollDragTarget(const TScrollAxis& a, int Delta, int FirstAtPress) {
  const int span = a.Extent - a.HeadExtent;
  if (span <= 0 || a.Count - a.FixedCount <= 0) return std::nullopt;
  const int n = RoundEven(double(Delta) / span * a.Count);
  return std::max(a.FixedCount, std::min(n + FirstAtPress, a.Count - a.Visible));
}

// --- TScrollControl ---

TScrollControl::TScrollControl(TComponent* AOwner) : TCustomControl(AOwner) { SetColor(TColor(0xC0C0C0)); }

void TScrollControl::SetScrollWidth(int Value) {
  if (Value == FScrollWidth) return;
  FScrollWidth = Value;
  Invalidate();
}

void TScrollControl::SetDirection(TScrollDirection Value) {
  if (Value == FDirection) return;
  FDirection = Value;
  Invalidate();
}

TExStringGrid* TScrollControl::Grid() const { return dynamic_cast<TExStringGrid*>(Parent()); }

TScrollAxis TScrollControl::Axis() const {
  TScrollAxis a;
  TExStringGrid* g = Grid();
  if (!g) return a;
  if (FDirection == sdVertical) {
    a.Extent = Height();
    for (int r = 0; r < g->FixedRows(); ++r) a.FixedStart += g->RowHeights(r);
    for (int r = std::max(0, g->RowCount() - g->FixedFooters()); r < g->RowCount(); ++r) a.FixedEnd += g->RowHeights(r);
    a.First = g->TopRow();
    a.FixedCount = g->FixedRows();
    a.Count = g->RowCount();
    a.Visible = g->VisibleRowCount();
    a.HeadExtent = g->RowCount() > 0 ? g->RowHeights(0) : 0;
  } else {
    a.Extent = Width();
    for (int c = 0; c < g->FixedCols(); ++c) a.FixedStart += g->ColWidths(c);
    for (int c = std::max(0, g->ColCount() - g->FixedRightCols()); c < g->ColCount(); ++c) a.FixedEnd += g->ColWidths(c);
    a.First = g->LeftCol();
    a.FixedCount = g->FixedCols();
    a.Count = g->ColCount();
    a.Visible = g->VisibleColCount();
    a.HeadExtent = g->ColCount() > 0 ? g->ColWidths(0) : 0;
  }
  return a;
}

void TScrollControl::SetFirst(int Value) {
  TExStringGrid* g = Grid();
  if (!g) return;
  if (FDirection == sdVertical) g->SetTopRow(Value);
  else g->SetLeftCol(Value);
  Invalidate();
}

void TScrollControl::Paint() {
  // See-through: only the thumb is painted, the grid shows around it.
  if (!Grid()) return;
  const TScrollAxis a = Axis();
  const auto thumb = ScrollThumb(a);
  if (!thumb || !ScrollThumbShown(a)) return;
  TCanvas* c = Canvas();
  c->Pen()->SetColor(Color());
  c->Brush()->SetColor(Color());
  if (FDirection == sdVertical) c->Rectangle(0, thumb->Pos, FScrollWidth, thumb->Pos + thumb->Length);
  else c->Rectangle(thumb->Pos, 0, thumb->Pos + thumb->Length, FScrollWidth);
}

void TScrollControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomControl::MouseDown(Button, Shift, X, Y);
  if (!Grid()) return;
  const TScrollAxis a = Axis();
  const auto thumb = ScrollThumb(a);
  if (!thumb) return;
  const int p = FDirection == sdVertical ? Y : X;
  if (p < thumb->Pos) {
    SetFirst(ScrollPageBack(a));
  } else if (p > thumb->Pos + thumb->Length) {
    SetFirst(ScrollPageForward(a));
  } else {
    FPressed = true;
    FPressPos = p;
    FPressFirst = a.First;
  }
}

void TScrollControl::MouseMove(TShiftState Shift, int X, int Y) {
  TCustomControl::MouseMove(Shift, X, Y);
  if (!FPressed || !Grid()) return;
  const int p = FDirection == sdVertical ? Y : X;
  if (const auto first = ScrollDragTarget(Axis(), p - FPressPos, FPressFirst)) SetFirst(*first);
}

void TScrollControl::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  FPressed = false;
  TCustomControl::MouseUp(Button, Shift, X, Y);
}

// --- THeaderDragButton ---

THeaderDragButton::THeaderDragButton(TExStringGrid* AGrid) : TPopupWindow(nullptr, pwPopup), FGrid(AGrid) {
  SetColor(clBtnFace);
  SetVisible(false);
  SetEnabled(false);
}

void THeaderDragButton::Paint() {
  TCanvas* c = Canvas();
  const TRect r = ClientRect();
  if (FGrid) FGrid->PaintCell(c, 0, 0, r, TGridDrawState{gdFixed});
  c->Brush()->SetStyle(bsClear);
  if (FGrid) c->SetFont(FGrid->FixedFont());
  TRect box = r;
  if (Caption().contains(QStringLiteral("</"))) {
    // A formatted caption is drawn as mini-HTML.
    THtmlDrawInput in;
    if (FGrid) {
      in.Images = FGrid->GetGridImages();
      in.PictureContainer = FGrid->Container;
      in.PictureCache = FGrid->ImageCache();
      in.UrlColor = FGrid->URLColor;
    }
    in.WordWrap = false;
    THtmlDrawOutput out;
    InflateRect(box, -2, -2);
    DrawHtmlCellText(c, Caption(), box, in, out);
  } else {
    c->DrawText(Caption(), box, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
  }
  // The frame of the bordered pop-up.
  c->Brush()->SetColor(clBtnShadow);
  c->FrameRect(r);
}
