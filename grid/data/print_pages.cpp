// Print jobs, previews and one-page drawings of a grid: the counting pass, the
// column widths with the fit-to-page scale, the column bands that fit the page
// width, the pages of each band with repeated fixed rows and columns, the
// printing events, and the row heights and cell sizes that the layout measures.
// Any number of columns can be printed (the width and indent lists grow with
// the grid), and a row taller than a page is printed clipped on a page of its own.
#include <algorithm>
#include <climits>
#include <cmath>
#include <numbers>

#include "grid/base/html_entities.h"
#include "grid/base/line_breaks.h"
#include "grid/base/rtf_text.h"
#include "grid/base/text_kinds.h"
#include "grid/base/url_text.h"
#include "grid/data/print_job.h"
#include "grid/data/print_routines.h"
#include "grid/view/ex_string_grid.h"
#include "platform/print/printer.h"
#include "platform/ui/canvas.h"

namespace {

constexpr double kScreenDpi = 96.0;

int RoundEven(double v) { return static_cast<int>(std::nearbyint(v)); }

// Resets the job for a new run and keeps the grid's reference to it.
TPrintJob& FreshJob(std::shared_ptr<TPrintJob>& Job) {
  Job = std::make_shared<TPrintJob>();
  return *Job;
}

bool IsHeaderPos(TPrintPosition p) { return p >= ppTopLeft && p <= ppTopCenter; }
bool IsFooterPos(TPrintPosition p) { return p >= ppBottomLeft && p <= ppBottomCenter; }

// The lines of a text as the cell shows them.
QStringList CellLines(const QString& Text, bool Multiline) {
  if (!Multiline) return {Text};
  QString t = Text;
  t.replace(QStringLiteral("\r\n"), QStringLiteral("\r"));
  t.replace(u'\n', u'\r');
  return t.split(u'\r');
}

}  // namespace

// ---------------------------------------------------------------- filters

bool PrintRowPasses(TExStringGrid& g, int ARow, bool SelectedOnly) {
  if (!SelectedOnly) return true;
  if (ARow < g.FixedRows() && g.PrintSettings()->FixedCellsAlways) return true;
  TMouseActions& ma = *g.MouseActions();
  if (ma.DisjunctRowSelect()) return g.RowSelect(ma.RowSelectPersistent ? g.DisplToRealRow(ARow) : ARow);
  const TGridRect s = g.Selection();
  return ARow >= s.Top && ARow <= s.Bottom;
}

bool PrintColPasses(TExStringGrid& g, int ACol, bool SelectedOnly) {
  if (!SelectedOnly) return true;
  TMouseActions& ma = *g.MouseActions();
  if (ma.DisjunctRowSelect()) return true;
  if (ACol < g.FixedCols() && g.PrintSettings()->FixedCellsAlways) return true;
  if (ma.DisjunctColSelect()) return g.ColSelect(ACol);
  const TGridRect s = g.Selection();
  return ACol >= s.Left && ACol <= s.Right;
}

// ---------------------------------------------------------------- operations

void TExStringGrid::Print() { PrintRange({0, 0, ColCount() - 1, RowCount() - 1}, false); }
void TExStringGrid::PrintRect(TGridRect Gridrect) { PrintRange(Gridrect, false); }
void TExStringGrid::PrintSelection() { PrintRange(Selection(), false); }
void TExStringGrid::PrintSelectedRows() { PrintRange({0, 0, ColCount() - 1, RowCount() - 1}, true); }
void TExStringGrid::PrintSelectedCols() { PrintRange({0, 0, ColCount() - 1, RowCount() - 1}, true); }

void TExStringGrid::PrintPreview(TCanvas* Canvas, TRect Displayrect) {
  PreviewRange(Canvas, Displayrect, false, {0, 0, ColCount() - 1, RowCount() - 1});
}
void TExStringGrid::PrintPreviewRect(TCanvas* Canvas, TRect Displayrect, TGridRect Gridrect) {
  PreviewRange(Canvas, Displayrect, false, Gridrect);
}
void TExStringGrid::PrintPreviewSelection(TCanvas* Canvas, TRect Displayrect) {
  PreviewRange(Canvas, Displayrect, false, Selection());
}
void TExStringGrid::PrintPreviewSelectedRows(TCanvas* Canvas, TRect Displayrect) {
  PreviewRange(Canvas, Displayrect, true, {0, 0, ColCount() - 1, RowCount() - 1});
}
void TExStringGrid::PrintPreviewSelectedCols(TCanvas* Canvas, TRect Displayrect) {
  PreviewRange(Canvas, Displayrect, true, {0, 0, ColCount() - 1, RowCount() - 1});
}
void TExStringGrid::PrintDraw(TCanvas* Canvas, TRect DrawRect) {
  PrintDrawRect(Canvas, DrawRect, {0, 0, ColCount() - 1, RowCount() - 1});
}

void TExStringGrid::PrintRange(TGridRect Gridrect, bool SelectedOnly) {
  // 1.
  ExportNotification(esExportStart, -1);
  TPrintJob& job = FreshJob(FPrintJob);
  job.PrintRect = Gridrect;
  TPrinter* printer = Printer();
  // 2.
  if (!FPrintSettings->UseDefaultOrientation) printer->SetOrientation(FPrintSettings->Orientation);
  // 3. The page in 0.1 mm.
  const double xres = printer->XResolution(), yres = printer->YResolution();
  job.PreviewRect = {0, 0, RoundEven(254.0 / xres * printer->PageWidth()),
                     RoundEven(254.0 / yres * printer->PageHeight())};
  job.PageExtent = {0, 0, job.PreviewRect.Right, -job.PreviewRect.Bottom};
  // 4. - 5. The counting pass measures only: the document is begun for the drawing pass.
  printer->Title = FPrintSettings->JobName;
  int n = INT_MAX;
  if (!FastPrint) {
    TPageCanvas counting(xres, yres);
    n = PrintPages(&counting, 2, -1, SelectedOnly);
  }
  // 6.
  FPrintPageFrom = 1;
  FPrintPageTo = n;
  FPrintNrOfPages = n;
  // 7.
  if (OnPrintStart) {
    OnPrintStart(this, n, FPrintPageFrom, FPrintPageTo);
    if (FPrintPageFrom == 0 || FPrintPageTo == 0 || FPrintPageTo < FPrintPageFrom) return;
  }
  // 8.
  FPrintNrOfPages = FPrintPageTo;
  // 9.
  printer->BeginDoc();
  try {
    TPageCanvas canvas(printer);
    job.ToPrinter = true;
    PrintPages(&canvas, 1, n, SelectedOnly);
  } catch (...) {
    printer->EndDoc();
    throw;
  }
  printer->EndDoc();
  // 10.
  ExportNotification(esExportDone, -1);
}

void TExStringGrid::PreviewRange(TCanvas* Canvas, TRect Displayrect, bool SelectedOnly, TGridRect Gridrect) {
  // 1.
  ExportNotification(esExportStart, -1);
  TPrintJob& job = FreshJob(FPrintJob);
  job.PrintRect = Gridrect;
  job.PreviewRect = Displayrect;
  struct TDone {
    TExStringGrid& g;
    ~TDone() {
      g.ExportNotification(esExportDone, -1);
      g.FIsPrintPreview = false;
    }
  } done{*this};
  TPageCanvas target(Canvas, Displayrect);
  // 3.
  int n = 1;
  if (!FastPrint) {
    TPageCanvas counting(target.DpiX(), target.DpiY());
    n = PrintPages(&counting, 3, -1, SelectedOnly);
    FPrintNrOfPages = n;
  }
  // 4.
  int from = 1, to = n;
  FIsPrintPreview = true;
  if (OnPrintStart) OnPrintStart(this, n, from, to);
  // 5. The page chosen by PreviewPage is drawn; from and to only decide whether.
  if (from > 0 && to > 0 && to >= from) {
    job.PreviewRect = Displayrect;
    PrintPages(&target, 0, n, SelectedOnly);
  }
}

void TExStringGrid::PrintDrawRect(TCanvas* Canvas, TRect DrawRect, TGridRect Gridrect) {
  TPrintJob& job = FreshJob(FPrintJob);
  job.PrintRect = Gridrect;
  job.PreviewRect = DrawRect;
  FPrintPageFrom = FPrintPageTo = FPrintNrOfPages = 1;
  TPageCanvas canvas(Canvas, DrawRect);
  job.PageExtent = {0, 0, canvas.DeviceToUnitsX(DrawRect.Width()), -canvas.DeviceToUnitsY(DrawRect.Height())};
  PrintPages(&canvas, 1, 1, false);
}

// ---------------------------------------------------------------- page loop

int TExStringGrid::PrintPages(TPageCanvas* Canvas, int Mode, int PageCount, bool SelectedOnly) {
  if (!FPrintJob) FPrintJob = std::make_shared<TPrintJob>();
  TPrintJob& j = *FPrintJob;
  TPrintSettings& ps = *FPrintSettings;
  TPageCanvas& cv = *Canvas;
  j.Canvas = Canvas;
  j.Mode = Mode;
  j.PageCount = PageCount;
  j.SelectedOnly = SelectedOnly;
  j.LastHeightRow = -1;
  j.Stop = false;
  j.SeveralBands = false;
  const TGridRect pr = j.PrintRect;
  // 1.
  j.Rh = cv.DpiX() / kScreenDpi;
  // 2.
  Fontscalefactor = 1.0;
  // 3.
  j.PagePen.SetColor(clBlack);
  j.PagePen.SetStyle(ps.BorderStyle);
  j.PagePen.SetWidth(ps.Borders == pbDouble ? 10 : 2);
  // 4.
  auto measureWith = [&](TFont* f) {
    cv.Font()->Assign(*f);
    cv.Font()->SetHeight(MapFontHeight(f->Size()));
  };
  measureWith(ps.HeaderFont());
  j.Hh = cv.TextHeight(QStringLiteral("gh"));
  measureWith(ps.FooterFont());
  j.Fh = cv.TextHeight(QStringLiteral("gh"));
  measureWith(ps.Font());
  j.Th = cv.TextHeight(QStringLiteral("gh"));
  j.U = j.Th / 8;
  j.HC = cv.TextWidth(QStringLiteral("g")) / 2;
  // 5.
  if (Mode == 1) {
    j.W = j.PageExtent.Right - j.PageExtent.Left;
    j.B = j.PageExtent.Bottom;
  } else if (Mode == 2) {
    j.W = j.PreviewRect.Right - j.PreviewRect.Left;
    j.B = -j.PreviewRect.Bottom - j.PreviewRect.Top;
  } else {
    j.W = cv.DeviceToUnitsX(j.PreviewRect.Width());
    j.B = -cv.DeviceToUnitsY(j.PreviewRect.Height());
  }
  // 6.
  j.Rs = 254.0 / kScreenDpi;
  // 7.
  FPrintPageRect = {0, 0, j.W, j.B};
  j.S = ps.UseFixedWidth ? 0 : ps.ColumnSpacing + 20;
  j.K = 1.0;
  // 8.
  PrintColumnWidths();
  auto width = [&](int c) { return FPrintColWidths[c]; };
  // 9.
  int sum = 0;
  for (int c = pr.Left; c <= pr.Right; ++c)
    if (PrintColPasses(*this, c, SelectedOnly)) sum += width(c) + j.S;
  // 10. Fit to page.
  if (ps.FitToPage != fpNever) {
    const int v = (pr.Right - pr.Left + 1) * j.S;
    if (sum != v) j.K = static_cast<double>(j.W - ps.RightSize - ps.LeftSize - v) / (sum - v);
    if (ps.FitToPage == fpShrink && j.K > 1) j.K = 1;
    if (ps.FitToPage == fpGrow && j.K < 1) j.K = 1;
    if (ps.FitToPage == fpCustom && j.K != 1) {
      bool allow = true;
      if (OnFitToPage) OnFitToPage(this, j.K, allow);
      if (!allow) j.K = 1;
    }
    if (j.K != 1)
      for (int c = pr.Left; c <= pr.Right; ++c) FPrintColWidths[c] = static_cast<int>(std::trunc(width(c) * j.K));
  }
  // 11.
  if (OnPrintSetColumnWidth)
    for (int c = pr.Left; c <= pr.Right; ++c) OnPrintSetColumnWidth(this, c, FPrintColWidths[c]);
  // 12.
  int c0 = pr.Left;
  j.P = 0;
  j.Band = 0;
  const bool drawing = j.Drawing();
  const int fixedCols = FixedCols(), fixedRows = FixedRows();
  // The header and footer reserves of a page (steps 13.5 and 13.6). A mini-HTML
  // title is rendered, not laid out in lines: its height joins the header
  // reserve once the page frame has measured it (at the page's first row).
  const bool htmlTitle = ps.TitleText.isEmpty() && ps.TitleLines()->Count() > 0 &&
                         ClassifyCellText(ps.TitleLines()->Text(), EnableHTML) == ctkHtml;
  const auto reserves = [&] {
    const bool header = IsHeaderPos(ps.Time) || IsHeaderPos(ps.Date) || IsHeaderPos(ps.PageNr) || IsHeaderPos(ps.Title);
    const bool footer = IsFooterPos(ps.Time) || IsFooterPos(ps.Date) || IsFooterPos(ps.PageNr) || IsFooterPos(ps.Title);
    const int lines = htmlTitle ? 1 : ps.TitleLines()->Count();
    if (header) {
      j.E = j.U + j.Hh + ps.HeaderSize;
      if (lines > 0 && IsHeaderPos(ps.Title)) j.E += (lines - 1) * j.Hh;
    } else {
      j.E = ps.HeaderSize;
    }
    if (footer) {
      j.G = 2 * (j.U + j.Fh) + ps.FooterSize;
      if (lines > 0 && IsFooterPos(ps.Title)) j.G += (lines - 1) * j.Fh;
    } else {
      j.G = j.U + j.Fh + ps.FooterSize;
    }
  };
  // 13. The column bands.
  while (c0 <= pr.Right && !j.Stop) {
    // 1.
    ++j.Band;
    j.PagesInBand = 0;
    // 2.
    j.RepeatCols = fixedCols > 0 && ps.RepeatFixedCols && (c0 > pr.Left || pr.Left >= fixedCols);
    j.FW = 0;
    if (j.RepeatCols)
      for (int i = 0; i < fixedCols; ++i) j.FW += width(i) + j.S;
    // 3.
    int d = j.FW, c = c0;
    bool exceeded = false;
    while (d <= j.W - ps.RightSize && c <= pr.Right) {
      d += width(c) + j.S;
      if (d <= j.W - ps.RightSize) ++c;
      else exceeded = true;
    }
    if (exceeded) {
      d -= width(c) + j.S;
      --c;
    }
    if (c <= c0) c = c0 + 1;
    if (c > pr.Right) c = pr.Right;
    if (c < pr.Right) j.SeveralBands = true;
    FPrintPageWidth = d;
    // 4. Indents.
    std::vector<int>& ind = FPrintColOffsets;
    ind[c0] = ind[0] = ps.Centered ? 0 : ps.LeftSize;
    for (int k = c0; k <= c; ++k)
      ind[k + 1] = ind[k] + (PrintColPasses(*this, k, SelectedOnly) ? width(k) + j.S : 0);
    FPrintColStart = c0;
    FPrintColEnd = c;
    if (j.RepeatCols)
      for (int i = 1; i < fixedCols; ++i) ind[i] = ind[i - 1] + width(i - 1) + j.S;
    if (ps.Centered && d < j.W) {
      const int shift = (j.W - d) / 2;
      for (int k = c0; k <= c + 1; ++k) ind[k] += shift;
      if (j.RepeatCols)
        for (int i = 0; i <= fixedCols && i < c0; ++i) ind[i] += shift;
    }
    for (int k = c0; k <= c + 1; ++k) ind[k] += j.FW;
    // 5. - 6.
    reserves();
    // 7.
    if (drawing && OnPrintPage) OnPrintPage(this, cv.DeviceCanvas(), j.P + 1, j.W, j.B);
    // 8. The rows of the band.
    int r = pr.Top, onPage = 0, y = 0;
    int normalRowsOnPage = 0;
    do {
      // 1.
      const bool allRows = pr.Top <= fixedRows && pr.Bottom >= RowCount() - FFixedFooters - 1;
      ExportNotification(allRows ? esExportNewRow : esExportSelRow, r);
      // 2. A new page: its frame, then the repeated fixed rows.
      if (onPage == 0) {
        j.E += PrintPageFrame();
        y = -j.E - ps.TitleSpacing;
        normalRowsOnPage = 0;
        if (r > 0 && (j.P > 0 || pr.Top >= fixedRows) && ps.RepeatFixedRows && fixedRows > 0) {
          for (int fr = 0; fr < fixedRows; ++fr) {
            if (j.RepeatCols) PrintCellRange(y, 0, fixedCols - 1, fr);
            y -= PrintCellRange(y, c0, c, fr);
          }
          ++onPage;
        }
      }
      // 3. The row, when it fits; a row taller than the page goes on a page of its own, clipped.
      if (PrintRowPasses(*this, r, SelectedOnly)) {
        const int h = PrintRowHeight(r);
        const bool fits = y - h > j.B + j.G;
        if (fits || normalRowsOnPage == 0) {
          if (!fits && drawing) cv.SetClipRect({0, y, j.W, j.B + j.G});
          if (j.RepeatCols) PrintCellRange(y, 0, fixedCols - 1, r);
          const int advance = PrintCellRange(y, c0, c, r);
          if (!fits && drawing) cv.RemoveClip();
          y -= advance;
          ++r;
          ++normalRowsOnPage;
        }
      } else {
        ++r;
      }
      // 4.
      ++onPage;
      bool newPage = false;
      if (OnPrintNewPage) OnPrintNewPage(this, r, newPage);
      // 5.
      const bool rowsLeft = r <= pr.Bottom;
      const bool nextFits = rowsLeft && y - PrintRowHeight(r) > j.B + j.G;
      if (drawing && (!nextFits || !rowsLeft || newPage)) {
        if (OnPrintPageDone) OnPrintPageDone(this, cv.DeviceCanvas(), r, y, j.P + 1, j.W, j.B);
        bool cancel = false;
        if (OnPrintCancel) OnPrintCancel(this, j.P + 1, cancel);
        if (cancel) j.Stop = true;
      }
      // 6. The page ends.
      if (rowsLeft && (!nextFits || newPage) && !j.Stop) {
        PrintPageBorders(c0, c, y);
        onPage = 0;
        PrintNextPage();
        if (FastPrint && j.P > FPrintPageFrom) r = pr.Bottom + 1;
        ++j.P;
        ++j.PagesInBand;
        reserves();
      }
      // 7.
    } while (r <= pr.Bottom && !j.Stop);
    // 9. (A page closed just now has its lines.)
    if (onPage != 0) PrintPageBorders(c0, c, y);
    c0 = c + 1;
    if (c0 <= pr.Right && !j.Stop) PrintNextPage();
    ++j.P;
  }
  // 14.
  Fontscalefactor = 1.0;
  return j.P;
}

TPrintJob& TExStringGrid::PrintJob() {
  if (!FPrintJob) FPrintJob = std::make_shared<TPrintJob>();
  return *FPrintJob;
}

void TExStringGrid::PrintNextPage() {
  TPrintJob& j = *FPrintJob;
  if (j.P + 2 < FPrintPageFrom || j.P + 2 > FPrintPageTo) return;
  if (j.Mode == 1 && j.ToPrinter && j.P + 1 >= FPrintPageFrom) Printer()->NewPage();
  if (j.Drawing() && OnPrintPage) OnPrintPage(this, j.Canvas->DeviceCanvas(), j.P + 2, j.W, j.B);
}

// ---------------------------------------------------------------- measures

void TExStringGrid::PrintColumnWidths() {
  TPrintJob& j = *FPrintJob;
  TPrintSettings& ps = *FPrintSettings;
  const TGridRect pr = j.PrintRect;
  const int count = std::max(ColCount(), pr.Right + 1) + 2;
  FPrintColWidths.assign(count, 0);
  FPrintColOffsets.assign(count, 0);
  // The fixed columns too when they are repeated beside a band.
  std::vector<int> cols;
  if (ps.RepeatFixedCols)
    for (int c = 0; c < FixedCols() && c < pr.Left; ++c) cols.push_back(c);
  for (int c = pr.Left; c <= pr.Right; ++c) cols.push_back(c);
  std::vector<int> rows;
  if (ps.RepeatFixedRows)
    for (int r = 0; r < FixedRows() && r < pr.Top; ++r) rows.push_back(r);
  for (int r = pr.Top; r <= pr.Bottom; ++r) rows.push_back(r);
  for (int c : cols) {
    if (!PrintColPasses(*this, c, j.SelectedOnly) && !(c < FixedCols() && c < pr.Left)) continue;
    if (ps.NoAutoSize) {
      FPrintColWidths[c] = RoundEven(ColWidths(c) * j.Rs);
      continue;
    }
    const int rc = RealColIndex(c);
    int widest = 0;
    for (int r : rows) {
      if (IsMergedCell(rc, r) && CellSpan(BaseCell(rc, r).X, BaseCell(rc, r).Y).X > 0) continue;
      const int w = ps.UseFixedWidth ? ps.FixedWidth : PrintCellSize(rc, r).X;
      widest = std::max(widest, w);
    }
    FPrintColWidths[c] = widest;
  }
}

int TExStringGrid::PrintRowHeight(int ARow) {
  TPrintJob& j = *FPrintJob;
  if (j.LastHeightRow == ARow) return j.LastHeight;
  TPrintSettings& ps = *FPrintSettings;
  int height = 0;
  if (ARow < 0 || ARow >= RowCount()) {
    height = 0;
  } else if (ps.NoAutoSizeRow) {
    height = RoundEven(RowHeights(ARow) * j.Rs) - 4;
  } else if (ps.UseFixedHeight) {
    height = ps.FixedHeight;
  } else {
    Fontscalefactor = j.K;
    int tallest = -1, last = 0;
    for (int c = j.PrintRect.Left; c <= j.PrintRect.Right; ++c) {
      const int rc = RealColIndex(c);
      last = PrintCellSize(rc, ARow).Y;
      const bool vMerged = IsMergedCell(rc, ARow) && CellSpan(BaseCell(rc, ARow).X, BaseCell(rc, ARow).Y).Y > 0;
      if (!vMerged) tallest = std::max(tallest, last);
    }
    height = tallest >= 0 ? tallest : last;
    height += height / 8;
    if (OnPrintSetRowHeight) OnPrintSetRowHeight(this, ARow, height);
  }
  j.LastHeightRow = ARow;
  j.LastHeight = height;
  return height;
}

TPoint TExStringGrid::PrintCellSize(int ACol, int ARow) {
  TPrintJob& j = *FPrintJob;
  TPrintSettings& ps = *FPrintSettings;
  TPageCanvas& cv = *j.Canvas;
  const int dc = RealToDisplCol(ACol);
  // 1. - 3. The text by its kind.
  QString text = IsDataGraphicCell(ACol, ARow) ? QString() : GetFormattedCell(ACol, ARow);
  const bool html = ClassifyCellText(text, EnableHTML) == ctkHtml;
  switch (ClassifyCellText(text, EnableHTML)) {
    case ctkHtml: break;
    case ctkRichText: text = RtfToPlainText(text); break;
    case ctkFormula: GetRawCellText(ACol, ARow, text); break;
    default: break;
  }
  // 4. The print font and word wrap of the cell.
  TGridDrawState state;
  TBrush brush;
  TFont font;
  TColor colorTo = clNone, mirror = clNone, mirrorTo = clNone;
  TAlignment ha = taLeftJustify;
  TVAlignment va = vtaTop;
  bool ww = WordWrap();
  TCellGradientDirection gd = GradientVertical;
  GetVisualProperties(dc, ARow, state, true, false, true, &brush, colorTo, mirror, mirrorTo, &font, ha, va, ww, gd);
  ww = WordWrap();
  GetWordWrapHook(ACol, ARow, ww);
  cv.Font()->Assign(font);
  cv.Font()->SetHeight(MapFontHeight(font.Size()));
  int angle = 0;
  const bool rotated = IsRotated(ACol, ARow, angle);
  TPoint graphic{0, 0};
  if (ps.PrintGraphics && GetCellGraphic(ACol, ARow) && !rotated) {
    const TPoint g = GetCellGraphicSize(ACol, ARow);
    graphic = {static_cast<int>(g.X * j.Rs * j.K), static_cast<int>(g.Y * j.Rs * j.K)};
  }
  // 2. Mini-HTML as the renderer lays it out, in the screen column's width
  // (and some) when the widths are not measured, else without a limit.
  if (html) {
    const int width = ps.NoAutoSize && dc >= 0 ? RoundEven((ColWidths(dc) + 12) * j.Rs) : 65535;
    const TSize laid = PrintHtmlText(*this, cv, {0, 0, width, -65535}, text, false);
    TPoint size{laid.cx, laid.cy + RoundEven(j.U * j.K)};
    if (OnCustomCellSize) OnCustomCellSize(this, MeasureCanvas(), ACol, ARow, size, true);
    return size;
  }
  if (text.isEmpty()) text = QStringLiteral("gh");
  TPoint size;
  const int lineHeight = cv.TextHeight(QStringLiteral("gh"));
  int widest = 0;
  if (!ww || !ps.NoAutoSize || rotated) {
    const QStringList lines = CellLines(text, Multilinecells);
    for (QString line : lines) {
      if (URLShow && !URLFull) line = StripUrlScheme(line);
      widest = std::max(widest, cv.TextWidth(line));
    }
    size = {widest + graphic.X, lineHeight * static_cast<int>(lines.size())};
  } else {
    const bool hMerged = IsMergedCell(ACol, ARow) && CellSpan(BaseCell(ACol, ARow).X, BaseCell(ACol, ARow).Y).X > 0;
    const int w = hMerged || dc < 0 || dc >= static_cast<int>(FPrintColWidths.size()) ? 65535 : FPrintColWidths[dc];
    TRect r{0, 0, w, -65535};
    cv.DrawText(text, r, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    widest = r.Right - r.Left;
    size = {widest + graphic.X, r.Top - r.Bottom};
  }
  // 5.
  if (rotated) {
    const double a = angle * std::numbers::pi / 180.0;
    const double cs = std::abs(std::cos(a)), sn = std::abs(std::sin(a));
    const int w = size.X, h = size.Y;
    size = {static_cast<int>(cs * w + sn * h), static_cast<int>(sn * widest + cs * h)};
  }
  // 6.
  size.X = std::max(size.X, graphic.X);
  size.Y = std::max(size.Y, graphic.Y);
  if (OnCustomCellSize) OnCustomCellSize(this, MeasureCanvas(), ACol, ARow, size, true);
  return size;
}
