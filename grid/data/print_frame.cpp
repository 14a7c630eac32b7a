// The frame of a printed page: the texts of its header and footer (time, date,
// page number, title and further title lines) in six texts, the page-number
// text, and the lines drawn around the printed block when a page is finished.
// Also the mapping of point sizes to font heights in 0.1 mm.
#include <cmath>

#include "grid/base/html_entities.h"
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

// The title lines as they are printed: a mini-HTML title as its plain lines (the
// tags taken out), others as they stand.
QStringList TitleLinesOf(TStringList* Lines, bool EnableHtml) {
  QStringList out;
  if (IsHtmlTitle(Lines, EnableHtml)) {
    QString text = StripHtmlToText(Lines->Text());
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    out = text.split(u'\n');
    while (!out.isEmpty() && out.last().isEmpty()) out.removeLast();
    return out;
  }
  for (int i = 0; i < Lines->Count(); ++i) out << Lines->Strings(i);
  return out;
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
  if (!j.Drawing() || page < FPrintPageFrom || page > FPrintPageTo) return 0;
  TPageCanvas& cv = *j.Canvas;
  // 1.
  Fontscalefactor = j.K;
  TFont keptFont;
  keptFont.Assign(*cv.Font());
  TBrush keptBrush;
  keptBrush.Assign(*cv.Brush());
  cv.Brush()->SetStyle(bsClear);

  QString texts[6];
  const TDateTime now = DateTimeFromQDateTime(Clock().WallTime());
  JoinSlot(texts, ps.Time, FormatDateTimeText(QStringLiteral("hh:nn"), now));
  JoinSlot(texts, ps.Date, FormatDateTimeText(ps.DateFormat, now));
  if (ps.PageNr != ppNone) JoinSlot(texts, ps.PageNr, ps.PagePrefix + u' ' + PrintPageNumberText() + u' ' + ps.PageSuffix);
  const QStringList title = TitleLinesOf(ps.TitleLines(), EnableHTML);
  if (ps.Title != ppNone) {
    if (!ps.TitleText.isEmpty()) {
      JoinSlot(texts, ps.Title, ps.TitleText);
    } else if (!title.isEmpty()) {
      const int s = static_cast<int>(ps.Title) - 1;
      texts[s] = (s == kTopLeft || s == kBottomLeft) ? JoinWithBlank(title[0], texts[s]) : JoinWithBlank(texts[s], title[0]);
    }
  }
  // The x of a slot's text by its side.
  auto slotX = [&](int s, const QString& text) {
    const int tw = cv.TextWidth(text);
    if (s == kTopLeft || s == kBottomLeft) return ps.LeftSize;
    if (s == kTopRight || s == kBottomRight) return j.W - tw - ps.RightSize - 20;
    return (j.W - tw) / 2;
  };
  const bool moreTitleLines = ps.TitleText.isEmpty() && title.size() > 1;
  // 2. - 3. The header.
  cv.Font()->Assign(*ps.HeaderFont());
  cv.Font()->SetHeight(MapFontHeight(ps.HeaderFont()->Size()));
  const int hh = cv.TextHeight(QStringLiteral("gh"));
  for (int s = kTopLeft; s <= kTopCenter; ++s) cv.TextOut(slotX(s, texts[s]), -ps.HeaderSize, texts[s]);
  if (IsHeaderPosition(ps.Title) && moreTitleLines) {
    const int s = static_cast<int>(ps.Title) - 1;
    for (int i = 1; i < title.size(); ++i) cv.TextOut(slotX(s, title[i]), -ps.HeaderSize - i * hh, title[i]);
  }
  // 5. The footer.
  cv.Font()->Assign(*ps.FooterFont());
  cv.Font()->SetHeight(MapFontHeight(ps.FooterFont()->Size()));
  const int fh = cv.TextHeight(QStringLiteral("gh"));
  const int footerTop = j.B + ps.FooterSize + j.U + j.Fh;
  for (int s = kBottomLeft; s <= kBottomCenter; ++s) cv.TextOut(slotX(s, texts[s]), footerTop, texts[s]);
  if (ps.Title >= ppBottomLeft && moreTitleLines) {
    const int s = static_cast<int>(ps.Title) - 1;
    for (int i = 1; i < title.size(); ++i) cv.TextOut(slotX(s, title[i]), footerTop - i * fh, title[i]);
  }
  // 6.
  cv.Font()->Assign(keptFont);
  cv.Brush()->Assign(keptBrush);
  return 0;
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
