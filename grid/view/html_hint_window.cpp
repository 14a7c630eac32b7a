#include "grid/view/html_hint_window.h"

#include <algorithm>

#include "grid/base/html_render.h"
#include "grid/base/text_kinds.h"
#include "grid/view/ex_string_grid.h"
#include "platform/ui/canvas.h"
#include "platform/ui/hint_info.h"
#include "platform/ui/screen_metrics.h"

THTMLHintWindow::THTMLHintWindow(TComponent* AOwner) : THintWindow(AOwner) {}

void THTMLHintWindow::RegisterClass() {
  static bool registered = false;
  if (registered) return;
  registered = true;
  RegisterHintWindowClass(hwcHTML, [] { return new THTMLHintWindow(nullptr); });
}

void THTMLHintWindow::TakeDataFrom(TObject* AData) {
  auto* grid = dynamic_cast<TExStringGrid*>(AData);
  if (!grid) return;
  Images = grid->GetGridImages();
  PictureContainer = grid->Container;
}

TSize THTMLHintWindow::Measure(const QString& AHint, int Width, int& Extra) {
  TCanvas* c = MeasureCanvas();
  c->SetFont(Font());
  if (ClassifyCellText(AHint, true) == ctkPackedWide) {
    c->Font()->SetName(TExStringGrid::HintFontName());
    WideCaption = DecodeWideCellText(AHint);
    TRect r{0, 0, 0x7FFF, 0x7FFF};
    c->DrawText(WideCaption, r, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    Extra = 8;
    return {r.Width(), r.Height()};
  }
  WideCaption.clear();
  THtmlDrawInput in;
  in.MeasureOnly = true;
  in.WordWrap = true;
  in.ShadowColor = 0x808080;
  in.UrlColor = clBlue;
  in.Images = Images;
  in.PictureContainer = PictureContainer;
  THtmlDrawOutput out;
  DrawHtmlCellText(c, AHint, TRect{0, 0, Width, 0x7FFF}, in, out);
  Extra = 16;
  return {out.TextExtentX, out.TextExtentY};
}

TRect THTMLHintWindow::CalcHintRect(int MaxWidth, const QString& AHint) {
  int extra = 0;
  const TSize s = Measure(AHint, MaxWidth, extra);
  return TRect{0, 0, s.cx + extra, s.cy + 4};
}

TRect THTMLHintWindow::CalcHintRectData(int MaxWidth, const QString& AHint, TObject* AData) {
  TakeDataFrom(AData);
  return CalcHintRect(MaxWidth, AHint);
}

void THTMLHintWindow::ActivateHintData(const TRect& ScreenRect, const QString& AHint, TObject* AData) {
  TakeDataFrom(AData);
  ActivateHint(ScreenRect, AHint);
}

void THTMLHintWindow::ActivateHint(const TRect& ScreenRect, const QString& AHint) {
  SetCaption(AHint);
  int extra = 0;
  const TSize s = Measure(AHint, 1008, extra);
  TextWidth = s.cx;
  TextHeight = s.cy;
  TRect r{ScreenRect.Left, ScreenRect.Top, ScreenRect.Left + s.cx + extra, ScreenRect.Top + s.cy + 4};
  // Inside the monitor nearest to the top-left corner, 2 pixels from its edges.
  const TRect area = ScreenMetrics().WorkAreaNear({r.Left, r.Top});
  if (!IsRectEmpty(area)) {
    if (r.Right > area.Right) OffsetRect(r, area.Right - 2 - r.Right, 0);
    if (r.Bottom > area.Bottom) OffsetRect(r, 0, area.Bottom - 2 - r.Bottom);
  }
  SetBounds(r.Left, r.Top, r.Width(), r.Height());
  Show();
  Invalidate();
}

void THTMLHintWindow::Paint() {
  TCanvas* c = Canvas();
  const TRect client = ClientRect();
  c->Brush()->SetColor(Color());
  c->FillRect(client);
  c->Pen()->SetColor(cl3DLight);
  c->MoveTo(client.Left, client.Bottom - 1);
  c->LineTo(client.Left, client.Top);
  c->LineTo(client.Right - 1, client.Top);
  c->Pen()->SetColor(cl3DDkShadow);
  c->LineTo(client.Right - 1, client.Bottom - 1);
  c->LineTo(client.Left, client.Bottom - 1);
  TRect r = client;
  r.Left += 4;
  r.Right -= 4;
  r.Top = (client.Height() - TextHeight) / 2;
  r.Bottom = r.Top + TextHeight + 8;
  c->SetFont(Font());
  if (!WideCaption.isEmpty()) {
    c->Font()->SetName(TExStringGrid::HintFontName());
    c->Brush()->SetStyle(bsClear);
    c->DrawText(WideCaption, r, DT_SINGLELINE | DT_NOPREFIX);
    return;
  }
  THtmlDrawInput in;
  in.WordWrap = false;
  in.ShadowColor = 0x808080;
  in.ShadowOffset = 1;
  in.UrlColor = clBlue;
  in.Images = Images;
  in.PictureContainer = PictureContainer;
  THtmlDrawOutput out;
  DrawHtmlCellText(c, Caption(), r, in, out);
}
