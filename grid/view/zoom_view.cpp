// TExStringGrid: zooming rows and columns, property setters whose effect goes
// beyond storing, the active cell's header cells, the panning glyph, the glowing
// focus frame around the edited cell and the sizing hint.
#include "grid/base/alpha_blur.h"
#include "grid/base/focus_window.h"
#include "grid/view/html_hint_window.h"
#include "grid/view/ex_string_grid.h"
#include "grid/view/grid_unit.h"
#include "platform/ui/canvas.h"
#include "platform/ui/popup_window.h"

namespace {

constexpr int kZoomLimit = 10;
// The focus frame: 4 pixels around the cell on the top and left, 5 on the right
// and bottom; a soft rounded outline in its colour, nearly opaque.
constexpr int kFrameMargin = 4;
constexpr int kFrameGrow = 9;
constexpr TColor kFrameColor = 0xFDD397;
constexpr uint8_t kFrameOpacity = 230;
constexpr int kFrameCorner = 3;
constexpr int kFramePen = 5;
constexpr double kFrameBlur = 4;
constexpr int kSizingHintWidth = 200;
constexpr int kPanGlyphSize = 32;

}  // namespace

// --- zoom ---

void TExStringGrid::Zoom(int x) {
  // 1.
  const int next = ZoomFactor + x;
  if (next > kZoomLimit || next < -kZoomLimit) return;
  // 2. - 4.
  BeginUpdate();
  ZoomFactor = next;
  for (int c = 0; c < ColCount(); ++c)
    if (ColWidths(c) > 0 && ColWidths(c) + x > 0) SetColWidths(c, ColWidths(c) + x);
  for (int r = 0; r < RowCount(); ++r)
    if (RowHeights(r) > 0 && RowHeights(r) + x > 0) SetRowHeights(r, RowHeights(r) + x);
  EndUpdate();
  if (ScrollProportional) UpdateProportionalThumbs();
}

// --- setters ---

void TExStringGrid::SetIntegralHeight(bool Value) {
  IntegralHeight = Value;
  SetBounds(Left(), Top(), Width(), Height());
}

void TExStringGrid::SetFocusHelper(const TFocusHelper* Value) { FFocusHelper->Assign(Value); }

void TExStringGrid::SetFixedFont(const TFont* Value) {
  if (Value) FFixedFont->Assign(*Value);
  Invalidate();
}

void TExStringGrid::RepaintHeaderCells(int OldCol, int OldRow, int NewCol, int NewRow) {
  const int fixedRows = FixedRows(), fixedCols = FixedCols();
  if (fixedRows > 0) RepaintCell(OldCol, fixedRows - 1);
  if (fixedCols > 0) RepaintCell(fixedCols - 1, OldRow);
  if (fixedRows > 0) RepaintCell(NewCol, fixedRows - 1);
  if (fixedCols > 0) RepaintCell(fixedCols - 1, NewRow);
}

// --- panning glyph ---

void TExStringGrid::DrawWheelPanGlyph() {
  if (IntelliPan == ipNone) return;
  TCanvas* c = Canvas();
  if (!c->Painter()) return;
  // Our own glyph: a white disc with a dot and the arrows of the directions
  // the pan may take.
  const int x = wheelpanpos.X, y = wheelpanpos.Y;
  const int m = kPanGlyphSize / 2;
  c->Brush()->SetStyle(bsSolid);
  c->Brush()->SetColor(clWhite);
  c->Pen()->SetColor(clGray);
  c->Ellipse(x + 2, y + 2, x + kPanGlyphSize - 2, y + kPanGlyphSize - 2);
  c->Brush()->SetColor(clBlack);
  c->Pen()->SetColor(clBlack);
  c->Ellipse(x + m - 2, y + m - 2, x + m + 2, y + m + 2);
  if (IntelliPan == ipVertical || IntelliPan == ipBoth) {
    c->Polygon({{x + m, y + 5}, {x + m - 4, y + 10}, {x + m + 4, y + 10}});
    c->Polygon({{x + m, y + kPanGlyphSize - 6}, {x + m - 4, y + kPanGlyphSize - 11}, {x + m + 4, y + kPanGlyphSize - 11}});
  }
  if (IntelliPan == ipHorizontal || IntelliPan == ipBoth) {
    c->Polygon({{x + 5, y + m}, {x + 10, y + m - 4}, {x + 10, y + m + 4}});
    c->Polygon({{x + kPanGlyphSize - 6, y + m}, {x + kPanGlyphSize - 11, y + m - 4}, {x + kPanGlyphSize - 11, y + m + 4}});
  }
}

void TExStringGrid::InvalidateWheelPanGlyph() {
  InvalidateRect(Bounds(wheelpanpos.X, wheelpanpos.Y, kPanGlyphSize, kPanGlyphSize));
}

// --- focus frame ---

void TExStringGrid::ShowFocusFrame(TRect Rect) {
  if (!FFocusWindow) {
    FFocusWindow = new TGridFocusWindow(this);
    FFocusWindow->SetParent(this);
  }
  FFocusWindow->Hide();
  const int w = Rect.Width() + kFrameGrow;
  const int h = Rect.Height() + kFrameGrow;
  if (w <= kFrameGrow || h <= kFrameGrow) return;  // the cell is out of view
  TBitmap mask;
  CreateRoundRectMask(&mask, w, h, kFramePen, kFrameCorner, kFrameBlur);
  TBitmap colour(w, h);
  colour.SetPixelFormat(pf24bit);
  colour.Canvas()->Brush()->SetColor(kFrameColor);
  colour.Canvas()->FillRect(::Rect(0, 0, w, h));
  TGridAlphaMask alpha;
  alpha.Opacity = kFrameOpacity;
  alpha.MergeMask(&mask, &colour, kFrameColor);
  const TPoint at = ClientToScreen(Rect.TopLeft());
  FFocusWindow->SetBounds(at.X - kFrameMargin, at.Y - kFrameMargin, w, h);
  FFocusWindow->UpdateLayered(&alpha, alpha.Opacity);
  FFocusWindow->SetWindowRegion(::Rect(0, 0, w, h), Bounds(kFrameMargin, kFrameMargin, Rect.Width(), Rect.Height()));
  FFocusWindow->Show();
  FocusFrameGrid = this;
  SetWindowPosHook([] {
    if (FocusFrameGrid) FocusFrameGrid->MoveFocusFrame();
  });
}

void TExStringGrid::MoveFocusFrame() {
  if (!FFocusWindow || !FFocusWindow->Visible()) return;
  const TRect cell = CellRect(Col(), Row());
  const TPoint at = ClientToScreen(cell.TopLeft());
  FFocusWindow->SetBounds(at.X - kFrameMargin, at.Y - kFrameMargin, cell.Width() + kFrameGrow,
                          cell.Height() + kFrameGrow);
}

void TExStringGrid::HideFocusFrame() {
  if (FocusFrameGrid == this) FocusFrameGrid = nullptr;
  if (FFocusWindow) FFocusWindow->Hide();
}

// --- sizing hint ---

void TExStringGrid::ShowSizingHint(bool Column, int Value, int HintCol, int HintRow) {
  if (!FScrollHintWnd) {
    FScrollHintWnd = new THTMLHintWindow(this);
    FScrollHintWnd->SetParent(this);
  }
  const QString text = (Column ? QStringLiteral("cw=<b>") : QStringLiteral("rh=<b>")) + QString::number(Value) +
                       QStringLiteral("</b>");
  FScrollHintWnd->SetColor(HintColor);
  LastSizingHint = text;
  TRect r = FScrollHintWnd->CalcHintRect(kSizingHintWidth, text);
  const TPoint at = ClientToScreen(CellRect(HintCol, HintRow).TopLeft());
  OffsetRect(r, at.X, at.Y);
  FScrollHintWnd->ActivateHint(r, text);
  FScrollHintShow = true;
}

void TExStringGrid::HideSizingHint() {
  if (FScrollHintWnd) FScrollHintWnd->ReleaseHandle();
  FScrollHintShow = false;
}
