// The frame of a printed page: the texts of its header and footer (time, date,
// page number, title and further title lines) in six texts, the page-number
// text, and the lines drawn around the printed block when a page is finished.
// Also the mapping of point sizes to font heights in 0.1 mm.
#include <cmath>

#include "grid/base/text_kinds.h"
#include "grid/data/print_job.h"
#include "grid/data/print_routines.h"
#include "grid/view/ex_string_grid.h"
#include "platform/os/clock.h"
#include "platform/rtl/date_format.h"
#include "platform/rtl/date_time.h"

namespace {

enum TSlot { kTopLeft, kTopRight, kTopCenter, kBottomLeft, kBottomRight, kBottomCenter };

// An item joins a left slot in front of its text, a right or centre slot after it.
void JoinSlot(QString (&texts)[6], TPrintPosition Pos, const QString& Item) {
  if (Pos == ppNone) return;
  const int s = static_cast<int>(Pos) - 1;
  if (s == kTopLeft || s == kBottomLeft) texts[s] = Item + u' ' + texts[s];
  else texts[s] = texts[s] + u' ' + Item;
}

bool IsHeaderPosition(TPrintPosition p) { return p >= ppTopLeft && p <= ppTopCenter; }

// The whole text of the title lines reads as mini-HTML.
bool IsHtmlTitle(TStringList* Lines, bool EnableHtml) {
  return Lines->Count() > 0 && ClassifyCellText(Lines->Text(), EnableHtml) == ctkHtml;
}

}  // namespace

QString JoinWithBlank(const QString& a, const QString& b) {
  if (a.isEmpty()) return b;
  if (b.isEmpty()) return a;
  return a + u' ' + b;
}

int PrinterOrientationDegrees() { return 90; }

int TExStringGrid::MapFontHeight(int pointsize) const {
  return -static_cast<int>(std::trunc(pointsize * 254.0 / 72.0 * Fontscalefactor));
}

int TExStringGrid::MapFontSize(int Height) { return static_cast<int>(std::trunc(Height * 72.0 / 254.0)); }

QString TExStringGrid::PrintPageNumberText() {
  const TPrintJob& j = *FPrintJob;
  QString text;
  if (j.SeveralBands) {
    const int inBand = j.PagesInBand + 1;
    text = QString::number(inBand) + u'-' + QString::number(j.Band);
    PrintGetPageNumHook(inBand, j.Band, text);
    return text;
  }
  text = QString::number(j.P + 1 + FPrintSettings->PageNumberOffset);
  if (!FPrintSettings->PageNumSep.isEmpty() && j.PageCount > 1)
    text += FPrintSettings->PageNumSep + QString::number(j.PageCount + FPrintSettings->MaxPagesOffset);
  PrintGetPageNumHook(j.P + 1, j.Band, text);
  return text;
}

int TExStringGrid::PrintPageFrame() {
  TPrintJob& j = *FPrintJob;
  TPrintSettings& ps = *FPrintSettings;
  const int page = j.P + 1;
  const bool drawn = j.Drawing() && page >= FPrintPageFrom && page <= FPrintPageTo;
  TStringList& lines = *ps.TitleLines();
  const bool htmlTitle = ps.Title != ppNone && ps.TitleText.isEmpty() && IsHtmlTitle(&lines, EnableHTML);
  // A mini-HTML title in the header is measured on every page, drawn or not, so
  // that counted and drawn pages keep the same rows.
  if (!drawn && !(htmlTitle && IsHeaderPosition(ps.Title))) return 0;
  TPageCanvas& cv = *j.Canvas;
  // 1.
  Fontscalefactor = j.K;
  TFont keptFont;
  keptFont.Assign(*cv.Font());
  TBrush keptBrush;
  keptBrush.Assign(*cv.Brush());
  cv.Brush()->SetStyle(bsClear);
  const auto useFont = [&](TFont* f) {
    cv.Font()->Assign(*f);
    cv.Font()->SetHeight(MapFontHeight(f->Size()));
  };
  const auto restore = [&] {
    cv.Font()->Assign(keptFont);
    cv.Brush()->Assign(keptBrush);
  };
  // 4. The mini-HTML title in the header: its height is the result.
  int result = 0;
  if (htmlTitle && IsHeaderPosition(ps.Title)) {
    useFont(ps.HeaderFont());
    result = PrintHtmlText(*this, cv, {ps.LeftSize, -ps.HeaderSize, j.W, j.B}, lines.Text(), drawn).cy;
  }
  if (!drawn) {
    restore();
    return result;
  }

  QString texts[6];
  const TDateTime now = DateTimeFromQDateTime(Clock().WallTime());
  JoinSlot(texts, ps.Time, FormatDateTimeText(QStringLiteral("hh:nn"), now));
  JoinSlot(texts, ps.Date, FormatDateTimeText(ps.DateFormat, now));
  if (ps.PageNr != ppNone) JoinSlot(texts, ps.PageNr, ps.PagePrefix + u' ' + PrintPageNumberText() + u' ' + ps.PageSuffix);
  if (ps.Title != ppNone) {
    const int s = static_cast<int>(ps.Title) - 1;
    if (!ps.TitleText.isEmpty()) JoinSlot(texts, ps.Title, ps.TitleText);
    else if (!htmlTitle && lines.Count() > 0)
      texts[s] = (s == kTopLeft || s == kBottomLeft) ? JoinWithBlank(lines[0], texts[s]) : JoinWithBlank(texts[s], lines[0]);
  }
  // The x of a slot's text by its side.
  const auto slotX = [&](int s, const QString& text) {
    const int tw = cv.TextWidth(text);
    if (s == kTopLeft || s == kBottomLeft) return ps.LeftSize;
    if (s == kTopRight || s == kBottomRight) return j.W - tw - ps.RightSize - 20;
    return (j.W - tw) / 2;
  };
  const bool moreTitleLines = ps.TitleText.isEmpty() && !htmlTitle && lines.Count() > 1;
  // 2. - 3. The header texts, further title lines below the title's.
  useFont(ps.HeaderFont());
  const int hh = cv.TextHeight(QStringLiteral("gh"));
  for (int s = kTopLeft; s <= kTopCenter; ++s) cv.TextOut(slotX(s, texts[s]), -ps.HeaderSize, texts[s]);
  if (IsHeaderPosition(ps.Title) && moreTitleLines) {
    const int s = static_cast<int>(ps.Title) - 1;
    for (int i = 1; i < lines.Count(); ++i) cv.TextOut(slotX(s, lines[i]), -ps.HeaderSize - i * hh, lines[i]);
  }
  // 5. The footer texts; a mini-HTML title in the footer fills the bottom margin.
  useFont(ps.FooterFont());
  const int fh = cv.TextHeight(QStringLiteral("gh"));
  const int footerTop = j.B + ps.FooterSize + j.U + j.Fh;
  for (int s = kBottomLeft; s <= kBottomCenter; ++s) cv.TextOut(slotX(s, texts[s]), footerTop, texts[s]);
  if (ps.Title >= ppBottomLeft && moreTitleLines) {
    const int s = static_cast<int>(ps.Title) - 1;
    for (int i = 1; i < lines.Count(); ++i) cv.TextOut(slotX(s, lines[i]), footerTop - i * fh, lines[i]);
  }
  if (htmlTitle && ps.Title >= ppBottomLeft)
    PrintHtmlText(*this, cv, {ps.LeftSize, j.B + ps.FooterSize, j.W, j.B}, lines.Text(), true);
  // 6.
  restore();
  return result;
}

void TExStringGrid::PrintPageBorders(int FromCol, int ToCol, int Y) {
  TPrintJob& j = *FPrintJob;
  const int page = j.P + 1;
  if (!j.Drawing() || page < FPrintPageFrom || page > FPrintPageTo) return;
  TPageCanvas& cv = *j.Canvas;
  const TPrintBorders b = FPrintSettings->Borders;
  TPen kept;
  kept.Assign(*cv.Pen());
  cv.Pen()->Assign(j.PagePen);
  const int left = j.RepeatCols ? FPrintColOffsets[0] : FPrintColOffsets[FromCol];
  const int right = FPrintColOffsets[ToCol + 1];
  const int top = -j.E - FPrintSettings->TitleSpacing;
  const int bottom = Y + j.U / 2;
  if (b == pbAround || b == pbAroundVertical || b == pbAroundHorizontal) {
    cv.MoveTo(left, top);
    cv.LineTo(right, top);
    cv.LineTo(right, bottom);
    cv.LineTo(left, bottom);
    cv.LineTo(left, top);
  }
  if (b == pbDouble || b == pbHorizontal || b == pbAroundHorizontal) {
    cv.MoveTo(left, bottom);
    cv.LineTo(right, bottom);
  }
  if ((b == pbDouble || b == pbVertical || b == pbAroundVertical) && j.RepeatCols) {
    for (int i = 0; i < FixedCols(); ++i) {
      cv.MoveTo(FPrintColOffsets[i], top);
      cv.LineTo(FPrintColOffsets[i], bottom);
    }
  }
  cv.Pen()->Assign(kept);
}
