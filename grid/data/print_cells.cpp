// One printed row of a column band: per column the cell's background, its text
// (plain, word-wrapped, of several lines, turned, rich text and mini-HTML as
// their plain text), its graphic and its lines, at the places the page loop
// fixed. A graphic is drawn as the screen draws it into a picture of its screen
// size, which is then stretched into its printed rectangle.
#include <QImage>
#include <QString>
#include <algorithm>
#include <cmath>

#include "grid/base/draw_arithmetic.h"
#include "grid/base/html_entities.h"
#include "grid/base/rtf_text.h"
#include "grid/base/text_kinds.h"
#include "grid/base/url_text.h"
#include "grid/data/print_job.h"
#include "grid/data/print_routines.h"
#include "grid/view/cell_paint.h"
#include "grid/view/ex_string_grid.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/canvas.h"

namespace {

int RoundEven(double v) { return static_cast<int>(std::nearbyint(v)); }

TCellBorders StartBorders(TPrintBorders b) {
  switch (b) {
    case pbSingle:
    case pbDouble: return {cbTop, cbLeft, cbRight, cbBottom};
    case pbHorizontal:
    case pbAroundHorizontal: return {cbTop, cbBottom};
    case pbVertical:
    case pbAroundVertical: return {cbLeft, cbRight};
    default: return {};
  }
}

QStringList TextLines(const QString& Text, bool Multiline) {
  if (!Multiline) return {Text};
  QString t = Text;
  t.replace(QStringLiteral("\r\n"), QStringLiteral("\r"));
  t.replace(u'\n', u'\r');
  return t.split(u'\r');
}

constexpr TCellTypes kCheckLike{ctCheckBox, ctDataCheckBox, ctVirtCheckBox, ctRowCheckBox, ctTriStateCheckBox,
                                ctRadioButton};

}  // namespace

int TExStringGrid::PrintCellRange(int Y, int FromCol, int ToCol, int ARow) {
  TPrintJob& j = *FPrintJob;
  TPrintSettings& ps = *FPrintSettings;
  // 1.
  Fontscalefactor = j.K;
  const int A = 2 * j.U + PrintRowHeight(ARow) + ps.RowSpacing;
  const int page = j.P + 1;
  if (!j.Drawing() || page < FPrintPageFrom || page > FPrintPageTo || ARow < 0 || ARow >= RowCount()) {
    Fontscalefactor = 1.0;
    return A;
  }
  TPageCanvas& cv = *j.Canvas;
  const std::vector<int>& widths = FPrintColWidths;
  const std::vector<int>& ind = FPrintColOffsets;
  const auto widthOf = [&](int c) { return c >= 0 && c < static_cast<int>(widths.size()) ? widths[c] : 0; };
  // A further row of a merged block, with its screen height.
  const auto blockRow = [&](int r) {
    const int h = r < RowCount() ? static_cast<int>(std::trunc((RowHeights(r) - 4) * j.Rs)) : 0;
    return h + h / 8 + 2 * j.U + ps.RowSpacing;
  };
  // 2.
  for (int dc = FromCol; dc <= ToCol; ++dc) {
    if (!PrintColPasses(*this, dc, j.SelectedOnly)) continue;
    if (dc + 1 >= static_cast<int>(ind.size())) break;
    // 1.
    const int c = RealColIndex(dc);
    const TPoint ext = CellExt(c, ARow);
    // 2. - 3.
    int wc = 0;
    for (int i = 0; i <= ext.X; ++i) wc += widthOf(dc + i) + j.S;
    int k = 0;
    if (ps.NoAutoSizeRow) {
      if (ext.Y == 0) k = A;
      else
        for (int r = ARow; r <= ARow + ext.Y; ++r) k += blockRow(r);
    } else {
      k = A;
      for (int r = ARow + 1; r <= ARow + ext.Y; ++r) k += blockRow(r);
    }
    // 4.
    TRect rect{ind[dc], Y, ind[dc] + wc, Y - k};
    // 5.
    TCellBorders borders = StartBorders(ps.Borders);
    TPen pen;
    pen.SetWidth(1);
    pen.SetColor(ps.BorderColor);
    GetCellPrintBorderHook(c, ARow, borders, &pen);
    const int penWidth = pen.Width();
    const TColor penColor = pen.Color();
    // 6. The content, drawn by the block's base cell.
    const bool merged = IsMergedCell(c, ARow);
    if (!merged || IsBaseCell(c, ARow)) {
      // 1.
      TFont keptFont;
      keptFont.Assign(*cv.Font());
      TBrush keptBrush;
      keptBrush.Assign(*cv.Brush());
      TBrush brush;
      TFont font;
      font.Assign(*cv.Font());
      font.SetSize(ps.Font()->Size());
      TGridDrawState state;
      TColor colorTo = clNone, mirror = clNone, mirrorTo = clNone;
      TAlignment ha = taLeftJustify;
      TVAlignment va = vtaTop;
      bool ww = WordWrap();
      TCellGradientDirection gd = GradientVertical;
      GetVisualProperties(dc, ARow, state, true, false, true, &brush, colorTo, mirror, mirrorTo, &font, ha, va, ww,
                          gd);
      cv.Brush()->SetStyle(bsSolid);
      cv.Brush()->SetColor(brush.Color());
      cv.Font()->Assign(font);
      cv.Font()->SetHeight(MapFontHeight(font.Size()));
      // 2.
      ww = WordWrap();
      GetWordWrapHook(c, ARow, ww);
      // 3.
      QString text = IsDataGraphicCell(c, ARow) ? QString() : GetFormattedCell(c, ARow);
      const bool html = ClassifyCellText(text, EnableHTML) == ctkHtml;
      switch (ClassifyCellText(text, EnableHTML)) {
        case ctkHtml: break;
        case ctkRichText: text = RtfToPlainText(text); break;
        case ctkFormula: GetRawCellText(c, ARow, text); break;
        default: break;
      }
      // 4. The background.
      TRect bg = rect;
      if (!borders.Contains(cbLeft)) bg.Left += 2 * penWidth;
      if (!borders.Contains(cbTop)) bg.Top -= 2 * penWidth;
      if (brush.Color() == clNone || colorTo == clNone) {
        cv.FillRect(bg);
      } else {
        cv.Gradient(bg, brush.Color(), colorTo, 64, gd == GradientHorizontal);
      }
      // 5.
      GetCellAlignment(c, ARow, ha, va);
      const int lh0 = cv.TextHeight(QStringLiteral("gh")) + ps.RowSpacing;
      const int lh = lh0 + lh0 / 8;
      // 6. A turned text.
      int angle = 0;
      const bool rotated = IsRotated(c, ARow, angle);
      if (rotated) cv.Font()->SetOrientation(angle * 10);
      // 7. The graphic's place; the text keeps clear of it.
      TCellGraphic* g = ps.PrintGraphics ? GetCellGraphic(c, ARow) : nullptr;
      if (g && (g->CellType == ctRotated || g->CellType == ctNone || g->CellType == ctEmpty)) g = nullptr;
      TRect textRect = rect;
      TRect gr{};
      if (g) {
        TPoint gs{0, 0};
        CalcCellGraphicPrintSize(c, ARow, wc, k, j.Rs, gs);
        const int gw = RoundEven(gs.X * j.Rs), gh = RoundEven(gs.Y * j.Rs);
        if (g->CellType == ctRadio) text.clear();
        switch (g->CellHAlign) {
          case haLeft:
          case haBeforeText:
            gr.Left = rect.Left + RoundEven(j.Rs);
            textRect.Left = gr.Left + gw;
            break;
          case haRight:
          case haAfterText:
            gr.Left = rect.Right - gw - RoundEven(j.Rs);
            textRect.Right = gr.Left;
            break;
          case haCenter: gr.Left = rect.Left + (wc - gw) / 2; break;
          case haFull: gr.Left = rect.Left; break;
        }
        gr.Right = g->CellHAlign == haFull ? rect.Right : gr.Left + gw;
        if (kCheckLike.Contains(g->CellType) && text.isEmpty()) {
          if (ha == taRightJustify) gr = {rect.Right - gw - RoundEven(j.Rs), 0, rect.Right - RoundEven(j.Rs), 0};
          else if (ha == taCenter) gr = {rect.Left + (wc - gw) / 2, 0, rect.Left + (wc - gw) / 2 + gw, 0};
        }
        switch (g->CellVAlign) {
          case vaTop: gr.Top = rect.Top - j.U; break;
          case vaAboveText:
            gr.Top = rect.Top - j.U;
            textRect.Top = gr.Top - gh;
            break;
          case vaBottom: gr.Top = rect.Bottom + gh + j.U; break;
          case vaUnderText:
            gr.Top = rect.Bottom + gh + j.U;
            textRect.Bottom = gr.Top;
            break;
          case vaCenter: gr.Top = rect.Top - (k - gh) / 2; break;
          case vaFull: gr.Top = rect.Top; break;
        }
        gr.Bottom = g->CellVAlign == vaFull ? rect.Bottom : gr.Top - gh;
      }
      // 8. The text.
      cv.Brush()->SetStyle(bsClear);
      const int bandRight = ind[std::min<int>(FPrintColEnd + 1, static_cast<int>(ind.size()) - 1)];
      if (html) {
        // Mini-HTML through the renderer, its right edge kept off the cell line.
        TRect hr = textRect;
        if (hr.Right > j.W) hr.Right = bandRight;
        hr.Right -= j.HC + RoundEven(2 * j.K);
        hr.Bottom -= RoundEven(j.U * j.K);
        PrintHtmlText(*this, cv, hr, text, true);
      } else if (!text.isEmpty()) {
        const int hc = j.HC;
        TRect tr = textRect;
        if (tr.Right > j.W) tr.Right = bandRight;
        const QStringList lines = TextLines(text, Multilinecells);
        if (ww && ps.NoAutoSize && !rotated) {
          tr.Left += RoundEven(2 * j.K);
          TRect dr{tr.Left + hc, tr.Top - j.U, tr.Right - hc, tr.Bottom};
          unsigned flags = DT_WORDBREAK | DT_EDITCONTROL | DT_EXPANDTABS | DT_NOPREFIX;
          if (ha == taRightJustify) flags |= DT_RIGHT;
          else if (ha == taCenter) flags |= DT_CENTER;
          cv.DrawText(text, dr, flags);
        } else if (lines.size() <= 1) {
          QString line = text;
          if (URLShow && !URLFull) line = StripUrlScheme(line);
          if (rotated) {
            TRect box{tr.Left, tr.Top, tr.Right, tr.Top - A - ps.RowSpacing};
            if (ext.Y > 0) box.Bottom -= ext.Y * (ps.RowSpacing + A);
            if (ext.X > 0) box.Right = ind[std::min<int>(dc + ext.X + 1, static_cast<int>(ind.size()) - 1)];
            box.Top += j.HC;
            box.Bottom -= j.HC;
            // The placement works with y growing downward: the page's y negated.
            const TRect down{box.Left, -box.Top, box.Right, -box.Bottom};
            const int hAlign = ha == taLeftJustify ? 0 : ha == taRightJustify ? 1 : 2;
            const int vAlign = va == vtaTop ? 0 : va == vtaBottom ? 2 : 1;
            const TPoint at = RotatedTextOrigin(down, hAlign, vAlign, angle, cv.TextWidth(line), cv.TextHeight(line));
            cv.TextRect(rect, at.X, -at.Y, line);
          } else {
            TRect lr{tr.Left + hc, tr.Top - j.U, tr.Right - hc, rect.Bottom};
            unsigned flags = DT_SINGLELINE | DT_NOPREFIX;
            if (ha == taRightJustify) flags |= DT_RIGHT;
            else if (ha == taCenter) flags |= DT_CENTER;
            if (va == vtaCenter) flags |= DT_VCENTER;
            else if (va == vtaBottom) flags |= DT_BOTTOM;
            if (EnhTextSize && ps.NoAutoSize) flags |= DT_END_ELLIPSIS;
            cv.DrawText(line, lr, flags);
          }
        } else {
          const int n = static_cast<int>(lines.size());
          int v = 0;
          if (!merged && va == vtaCenter) v = (A - (lh - ps.RowSpacing) * n) / 2;
          else if (!merged && va == vtaBottom) v = A - (lh - ps.RowSpacing) * n;
          int top = tr.Top;
          for (int i = 0; i < n; ++i) {
            if (i == 1) top -= v;
            const int lw = cv.TextWidth(lines[i]);
            int x = tr.Left + hc;
            if (ha == taRightJustify) x = tr.Right - hc - lw;
            else if (ha == taCenter) x = tr.Left + (tr.Right - tr.Left - lw) / 2;
            cv.TextRect(rect, x, top - (i == 0 ? v : 0), lines[i]);
            top -= lh - ps.RowSpacing;
          }
        }
      }
      // 9. The graphic, as the screen draws it, stretched into its printed rectangle.
      cv.Brush()->SetStyle(bsSolid);
      if (g) {
        if (g->CellType == ctNode) {
          // A 2 mm square in the node colour with its bars.
          const int cx = (gr.Left + gr.Right) / 2, cy = (gr.Top + gr.Bottom) / 2;
          TPen kept;
          kept.Assign(*cv.Pen());
          cv.Pen()->SetColor(FCellNode->NodeColor);
          cv.Pen()->SetWidth(2);
          cv.Brush()->SetStyle(bsClear);
          cv.Rectangle({cx - 10, cy + 10, cx + 10, cy - 10});
          cv.MoveTo(cx - 6, cy);
          cv.LineTo(cx + 6, cy);
          if (g->CellBoolean) {
            cv.MoveTo(cx, cy + 6);
            cv.LineTo(cx, cy - 6);
          }
          cv.Pen()->Assign(kept);
        } else {
          TPoint screen{0, 0};
          CalcCellGraphicPrintSize(c, ARow, wc, k, j.Rs, screen);
          if (screen.X > 0 && screen.Y > 0) {
            TBitmap picture(screen.X + 2, screen.Y + 2);
            picture.Canvas()->Brush()->SetColor(brush.Color() == clNone ? clWhite : brush.Color());
            picture.Canvas()->FillRect({0, 0, screen.X + 2, screen.Y + 2});
            TCellPaint p;
            p.Canvas = picture.Canvas();
            p.DisplayCol = dc;
            p.RealCol = c;
            p.Row = ARow;
            p.SelectionRow = ARow;
            p.Rect = {0, 0, screen.X + 2, screen.Y + 2};
            p.Graphic = g;
            p.GraphicHAlign = haLeft;
            p.GraphicVAlign = vaTop;
            p.GraphicWidth = screen.X;
            p.GraphicHeight = screen.Y;
            p.HAlign = taLeftJustify;
            p.VAlign = FVAlignment;
            const TRect at{1, 1, screen.X + 1, screen.Y + 1};
            if (kCheckLike.Contains(g->CellType)) DrawCheckLikeGraphic(p, p.Rect, at, 0);
            else DrawOtherGraphic(p, p.Rect, at);
            const QImage& image = picture.Image();
            cv.StretchDraw(gr, image.copy(1, 1, screen.X, screen.Y));
          }
        }
      }
      // 10.
      cv.Font()->Assign(keptFont);
      cv.Brush()->Assign(keptBrush);
      // 11.
      if (OnCustomCellDraw && cv.DeviceCanvas()) {
        TCanvas* device = cv.DeviceCanvas();
        device->Font()->Assign(*ps.Font());
        OnCustomCellDraw(this, device, c, ARow, state, cv.ToDevice(TRect{rect.Left, Y, rect.Right, Y - A}), true);
      }
    }
    // 7. The lines.
    if (merged) {
      const TPoint base = BaseCell(c, ARow);
      const TPoint span = CellSpan(base.X, base.Y);
      if (ext.X > 0) borders = borders - TCellBorders{cbLeft, cbRight};
      if (ext.Y > 0) borders = borders - TCellBorders{cbTop, cbBottom};
      if (span.Y > 0 && ext.Y == 0 && ARow != base.Y) borders -= cbTop;
      if (span.X > 0 && ext.X == 0 && c != base.X) borders -= cbLeft;
    }
    const int lineWidth = j.ToPrinter ? RoundEven(penWidth * j.Rs) : penWidth;
    TPen kept;
    kept.Assign(*cv.Pen());
    cv.Pen()->SetWidth(lineWidth);
    cv.Pen()->SetColor(penColor);
    cv.Pen()->SetStyle(psSolid);
    TRect lr{ind[dc], Y, ind[dc] + wc, Y - k};
    if (lr.Bottom < j.B + ps.FooterSize) {
      lr.Bottom = Y - A;
      borders -= cbBottom;
    }
    if (lr.Right > j.W) lr.Right = ind[std::min<int>(FPrintColEnd + 1, static_cast<int>(ind.size()) - 1)];
    const int leftX = dc > FromCol ? lr.Left - lineWidth : lr.Left;
    if (borders.Contains(cbLeft)) {
      cv.MoveTo(leftX, lr.Top);
      cv.LineTo(leftX, lr.Bottom);
    }
    if (borders.Contains(cbRight)) {
      cv.MoveTo(lr.Right, lr.Top);
      cv.LineTo(lr.Right, lr.Bottom);
    }
    if (borders.Contains(cbTop)) {
      cv.MoveTo(lr.Left, lr.Top);
      cv.LineTo(lr.Right, lr.Top);
    }
    if (borders.Contains(cbBottom)) {
      cv.MoveTo(lr.Left, lr.Bottom);
      cv.LineTo(lr.Right, lr.Bottom);
    }
    cv.Pen()->Assign(kept);
  }
  // 3.
  Fontscalefactor = 1.0;
  return A;
}
