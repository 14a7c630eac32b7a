// The floating footer's strip: painted by its style, with hints and clicks that
// name the column under the mouse and the grid's last row.
#include "grid/data/footer_panel.h"

#include <algorithm>

#include "grid/base/html_render.h"
#include "grid/data/floating_footer.h"
#include "grid/data/footer_template.h"
#include "grid/view/ex_string_grid.h"
#include "platform/ui/application.h"
#include "platform/ui/canvas.h"
#include "platform/ui/hint_info.h"
#include "platform/ui/messages.h"

TFooterPanel::TFooterPanel(TExStringGrid* AOwner) : TCustomControl(AOwner), FGrid(AOwner) {
  SetVisible(false);
  SetBounds(0, 0, 0, 0);
}

void TFooterPanel::CreateWnd() {
  const TFloatingFooter& f = *FGrid->FloatingFooter();
  SetBounds(Left(), Top(), Width(), f.Visible() ? std::max(f.Height() - 1, 0) : 0);
  if (FGrid->OnCreatedFloatingFooter) FGrid->OnCreatedFloatingFooter(FGrid);
}

int TFooterPanel::ColumnAreaWidth() const {
  // 3.
  int w = 0;
  for (int c = 0; c < FGrid->FixedCols(); ++c) w += FGrid->ColWidths(c);
  for (int c = FGrid->LeftCol(); c < FGrid->ColCount(); ++c) w += FGrid->ColWidths(c);
  return w;
}

int TFooterPanel::ColumnAt(int X) const {
  // 7.
  int sum = 0;
  for (int c = 0; c < FGrid->FixedCols(); ++c) {
    sum += FGrid->ColWidths(c);
    if (sum > X) return c;
  }
  for (int c = FGrid->LeftCol(); c < FGrid->ColCount(); ++c) {
    sum += FGrid->ColWidths(c);
    if (sum > X) return c;
  }
  return -1;
}

void TFooterPanel::PaintFrame(int W) {
  TCanvas* c = Canvas();
  c->Brush()->SetStyle(bsSolid);
  c->Brush()->SetColor(FGrid->FloatingFooter()->Color());
  c->FillRect(Rect(0, 0, W, Height()));
  c->Brush()->SetColor(FGrid->Color());
  c->FillRect(Rect(W, 0, Width(), Height()));
  c->Pen()->SetColor(clWhite);
  c->MoveTo(0, Height() - 1);
  c->LineTo(0, 0);
  c->LineTo(W - 1, 0);
  c->Pen()->SetColor(0x808080);
  c->LineTo(W - 1, Height() - 1);
  c->LineTo(0, Height() - 1);
}

void TFooterPanel::PaintLastRow(int W) {
  TExStringGrid& g = *FGrid;
  TCanvas* c = Canvas();
  c->Brush()->SetStyle(bsSolid);
  c->Brush()->SetColor(g.FloatingFooter()->Color());
  c->FillRect(Rect(0, 0, W, Height()));
  c->Brush()->SetColor(g.Color());
  c->FillRect(Rect(W, 0, Width(), Height()));
  const int lastRow = g.RowCount() - 1;
  const bool softLook = g.Look() == glSoft || g.Look() == glVOD || g.Look() == glXP || g.Look() == glVista;
  const bool vertLines = g.Options().Contains(goFixedVertLine), horzLines = g.Options().Contains(goFixedHorzLine);
  std::vector<int> columns;
  for (int col = 0; col < g.FixedCols(); ++col) columns.push_back(col);
  for (int col = g.LeftCol(); col < g.ColCount(); ++col) columns.push_back(col);
  int x = 0;
  for (int col : columns) {
    const int w = g.ColWidths(col);
    TRect r = Rect(x, 0, x + w, Height());
    x += w;
    // The cell: a merged one in its block, only from its base cell.
    const int rc = g.RealColIndex(col);
    if (g.IsMergedNonBaseCell(rc, lastRow)) continue;
    const TPoint span = g.CellSpan(rc, lastRow);
    for (int i = 1; i <= span.X && col + i < g.ColCount(); ++i) r.Right += g.ColWidths(col + i);
    if (col >= g.FixedCols()) {
      TBrush brush;
      brush.SetColor(clNone);
      TFont font;
      if (g.OnGetCellColor) g.OnGetCellColor(&g, lastRow, rc, TGridDrawState{gdFixed}, &brush, &font);
      TColor fill = brush.Color();
      if (g.CellHasProperties(rc, lastRow) && g.Colors(rc, lastRow) != clNone) fill = g.Colors(rc, lastRow);
      if (fill != clNone) {
        c->Brush()->SetColor(fill);
        c->FillRect(r);
      }
    }
    if (g.OnFooterPaint) {
      g.OnFooterPaint(this, col, c, r);
    } else {
      g.PaintCellInto(c, col, lastRow, r, TGridDrawState{gdFixed});
    }
    // The column's lines.
    if (vertLines && softLook && !g.Flat()) {
      c->Pen()->SetColor(clWhite);
      c->MoveTo(r.Left, r.Top);
      c->LineTo(r.Left, r.Bottom);
    }
    if (horzLines) {
      c->Pen()->SetColor(g.GridLineColor());
      c->MoveTo(r.Left, 0);
      c->LineTo(r.Right, 0);
    }
    if (vertLines) {
      const bool fixed = col < g.FixedCols();
      c->Pen()->SetColor(fixed || g.Look() == glVista ? g.GridLineColor() : 0x808080);
      c->MoveTo(r.Right - 1, r.Top);
      c->LineTo(r.Right - 1, r.Bottom);
    }
  }
}

void TFooterPanel::Paint() {
  // 5.
  TExStringGrid& g = *FGrid;
  const TFloatingFooter& f = *g.FloatingFooter();
  TCanvas* c = Canvas();
  const int W = ColumnAreaWidth();
  switch (f.FooterStyle()) {
    case fsFixedLastRow: PaintLastRow(W); break;
    case fsColumnPreview: {
      PaintFrame(W);
      const TRect r = Rect(1, 1, W - 1, Height() - 1);
      if (g.OnFooterPaint) {
        g.OnFooterPaint(this, f.Column(), c, r);
      } else {
        c->Brush()->SetStyle(bsClear);
        c->Font()->Assign(*g.Font());
        c->Font()->SetColor(clBlack);
        TRect t = r;
        c->DrawText(g.GetCellEx(f.Column(), g.Row()), t, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
        c->Brush()->SetStyle(bsSolid);
      }
      break;
    }
    case fsCustomPreview: {
      PaintFrame(W);
      const QString text = ExpandFooterTemplate(f.CustomTemplate(), g.AllColCount(),
                                                [&g](int col) { return g.GetCellEx(col, g.Row()); });
      c->Brush()->SetStyle(bsClear);
      c->Font()->Assign(*g.Font());
      THtmlDrawInput in;
      in.Images = g.GetGridImages();
      in.PictureContainer = g.Container;
      in.PictureCache = g.ImageCache();
      in.UrlColor = g.URLColor;
      THtmlDrawOutput out;
      DrawHtmlCellText(c, text, Rect(2, 2, W - 2, Height()), in, out);
      c->Brush()->SetStyle(bsSolid);
      break;
    }
    case fsCustomPaint:
      if (g.OnFooterPaint) g.OnFooterPaint(this, f.Column(), c, ClientRect());
      break;
  }
  if (f.BorderColor() != clNone) {
    c->Pen()->SetColor(f.BorderColor());
    c->MoveTo(0, 0);
    c->LineTo(W, 0);
  }
}

void TFooterPanel::CMHintShow(TMessage& Message) {
  // 8.
  auto* request = reinterpret_cast<THintShowRequest*>(Message.LParam);
  if (!request || !request->HintStr || !request->HintInfo) return;
  const int col = ColumnAt(request->HintInfo->CursorPos.X);
  const bool show = FGrid->FloatingFooter()->ShowHint();
  if (col >= 0 && FGrid->OnGridHint) FGrid->OnGridHint(FGrid, FGrid->RowCount() - 1, col, *request->HintStr);
  FHintColumn = show ? col : -1;
  if (!show) request->HintStr->clear();
}

void TFooterPanel::MouseMove(TShiftState Shift, int X, int Y) {
  TCustomControl::MouseMove(Shift, X, Y);
  if (!FGrid->FloatingFooter()->ShowHint()) return;
  const int col = ColumnAt(X);
  if (FHintColumn != -1 && col != FHintColumn) {
    Application->CancelHint();
    FHintColumn = col;
  }
}

void TFooterPanel::CMMouseLeave(TMessage& Message) {
  TCustomControl::CMMouseLeave(Message);
  FHintColumn = -1;
}

void TFooterPanel::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomControl::MouseUp(Button, Shift, X, Y);
  // 9.
  if (FGrid->OnClick) FGrid->OnClick(FGrid);
  if (FGrid->OnClickCell) FGrid->OnClickCell(FGrid, FGrid->RowCount() - 1, ColumnAt(X));
}

// --- the grid's side ---

void TExStringGrid::UpdateFooter() {
  if (!FFooterPanel) {
    if (!FFloatingFooter->Visible() || !Parent()) return;
    FFooterPanel = new TFooterPanel(this);
    FFooterPanel->SetParent(this);
    FFooterPanel->CreateWnd();
    PlaceBottomPanels();
  }
  FFooterPanel->Invalidate();
}

void TExStringGrid::PaintCellInto(TCanvas* ACanvas, int ACol, int ARow, TRect ARect, TGridDrawState AState) {
  // The grid keeps its last row blank while the strip shows it; drawn here,
  // into the strip's rectangle, the row is drawn as it is.
  struct TLastRowShown {
    bool& Flag;
    const bool Saved;
    explicit TLastRowShown(bool& AFlag) : Flag(AFlag), Saved(AFlag) { Flag = false; }
    ~TLastRowShown() { Flag = Saved; }
  } shown(HideLastRow);
  // The look (background and lines) into exactly the rectangle, then the
  // content inside it, with the margins the grid's own painting leaves.
  PaintCellExt(ACanvas, ACol, ARow, ARect, AState);
  TRect content = ARect;
  if (AState.Contains(gdFixed)) {
    content.Right -= 1;
    content.Bottom -= 2;
  } else {
    InflateRect(content, -GridLineWidth(), -GridLineWidth());
  }
  DrawGridCell(ACanvas, ACol, ARow, content, AState);
}

void TExStringGrid::PlaceFooterPanel(int Bottom) {
  if (!FFooterPanel) return;
  const bool visible = FFloatingFooter->Visible();
  const int h = visible ? std::max(FFloatingFooter->Height() - 1, 0) : 0;
  FFooterPanel->SetBounds(0, Bottom - h, ClientWidth(), h);
  FFooterPanel->SetVisible(visible);
}
