// The frame of a printed page: the six header and footer slotTexts with time, date,
// page number and title, the title's further lines or its mini-HTML form, the
// page-number text, and the lines around the printed block of a finished page.
// Everything is laid out on the page canvas in 0.1 mm with y upward.
#include <QStringList>

#include "grid/base/html_entities.h"
#include "grid/base/text_kinds.h"
#include "grid/data/page_canvas.h"
#include "grid/view/ex_string_grid.h"
#include "platform/rtl/date_format.h"
#include "platform/rtl/numbers.h"
#include "platform/ui/canvas.h"

namespace {

bool IsHeaderPosition(TPrintPosition p) { return p >= ppTopLeft && p <= ppTopCenter; }
bool IsFooterPosition(TPrintPosition p) { return p >= ppBottomLeft && p <= ppBottomCenter; }
bool IsLeftPosition(TPrintPosition p) { return p == ppTopLeft || p == ppBottomLeft; }
bool IsRightPosition(TPrintPosition p) { return p == ppTopRight || p == ppBottomRight; }

// The six slot texts, indexed by their print position.
struct TPageSlots {
  QString Text[ppBottomCenter + 1];

  // A left slot takes the item in front of its text, the others after it; one
  // blank always separates them.
  void Join(TPrintPosition Pos, const QString& Item) {
    if (!IsHeaderPosition(Pos) && !IsFooterPosition(Pos)) return;
    QString& s = Text[Pos];
    s = IsLeftPosition(Pos) ? Item + u' ' + s : s + u' ' + Item;
  }
};

// Keeps the device canvas's font and brush and puts them back on the way out.
class TKeptCanvasLook {
public:
  explicit TKeptCanvasLook(TCanvas* c) : c_(c) {
    font_.Assign(*c->Font());
    brush_.Assign(*c->Brush());
  }
  ~TKeptCanvasLook() {
    c_->Font()->Assign(font_);
    c_->Brush()->Assign(brush_);
  }
  TKeptCanvasLook(const TKeptCanvasLook&) = delete;
  TKeptCanvasLook& operator=(const TKeptCanvasLook&) = delete;

private:
  TCanvas* c_;
  TFont font_;
  TBrush brush_;
};

}  // namespace

int TExStringGrid::MapFontHeight(int pointsize) const {
  return -Trunc(pointsize * 254.0 / 72.0 * Fontscalefactor);
}

int TExStringGrid::MapFontSize(int Height) { return Trunc(Height * 72.0 / 254.0); }

QString TExStringGrid::PrintPageNumberText() {
  const TPrintLayout& L = FPrintLayout;
  const TPrintSettings& ps = *FPrintSettings;
  QString text;
  if (L.SeveralBands) {
    text = QString::number(L.PagesInBand + 1) + u'-' + QString::number(L.Band);
    PrintGetPageNumHook(L.PagesInBand + 1, L.Band, text);
    return text;
  }
  text = QString::number(L.Page + 1 + ps.PageNumberOffset);
  if (!ps.PageNumSep.isEmpty() && L.PageCount > 1)
    text += ps.PageNumSep + QString::number(L.PageCount + ps.MaxPagesOffset);
  PrintGetPageNumHook(L.Page + 1, L.Band, text);
  return text;
}

int TExStringGrid::PrintHTMLTitle(const TRect& R, const QString& Html, bool Draw) {
  // The title's lines as plain text, one line of the current font each.
  TPageCanvas* page = FPrintLayout.Canvas;
  TCanvas* c = page->Device();
  QStringList lines = StripHtmlToText(Html).split(QStringLiteral("\r\n"));
  while (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
  const int lineHeight = c->TextHeight(QStringLiteral("gh"));
  if (Draw)
    for (int i = 0; i < lines.size(); ++i) c->TextOut(R.Left, R.Top + i * lineHeight, lines[i]);
  return RoundHalfEven(lines.size() * lineHeight * 96.0 / page->DpiY());
}

int TExStringGrid::PrintPageFrame() {
  TPrintLayout& L = FPrintLayout;
  TPageCanvas* page = L.Canvas;
  if (!page) return 0;
  const TPrintSettings& ps = *FPrintSettings;
  const int pageNr = L.Page + 1;
  const bool drawn = L.Drawing() && pageNr >= FPrintPageFrom && pageNr <= FPrintPageTo;

  const QString titleLinesText = ps.TitleLines()->Text();
  const bool htmlTitle = ps.TitleText.isEmpty() && ps.TitleLines()->Count() > 0 &&
                         ClassifyCellText(titleLinesText, EnableHTML) == ctkHtml;

  Fontscalefactor = L.Scale;
  TKeptCanvasLook kept(page->Device());
  page->Brush()->SetStyle(bsClear);
  page->Device()->Brush()->SetStyle(bsClear);

  auto useFont = [&](const TFont* f) {
    page->Font()->Assign(*f);
    page->Font()->SetHeight(MapFontHeight(f->Size()));
  };
  // The x of a slot's text by the slot's side.
  auto slotX = [&](TPrintPosition pos, int textWidth) {
    if (IsLeftPosition(pos)) return ps.LeftSize;
    if (IsRightPosition(pos)) return L.Width - textWidth - ps.RightSize - 20;
    return (L.Width - textWidth) / 2;
  };
  // The HTML title into a page rectangle; its height in 96-dpi pixels.
  auto htmlTitleIn = [&](int top, int bottom, const TFont* f, bool draw) {
    useFont(f);
    const TRect r = page->ToDeviceRect({ps.LeftSize, top, L.Width, bottom});
    page->Device()->Font()->Assign(*page->Font());
    page->Device()->Font()->SetHeight(-std::max(1, page->DeviceHeight(-page->Font()->Height())));
    return PrintHTMLTitle(r, titleLinesText, draw);
  };

  int result = 0;
  if (htmlTitle && IsHeaderPosition(ps.Title))
    result = htmlTitleIn(-ps.HeaderSize, -ps.HeaderSize - 65535, ps.HeaderFont(), drawn);
  else if (htmlTitle && IsFooterPosition(ps.Title))
    result = htmlTitleIn(ps.FooterSize + L.Bottom, L.Bottom, ps.FooterFont(), drawn);
  if (!drawn) return result;

  TPageSlots slotTexts;
  const TDateTime now = Now();
  slotTexts.Join(ps.Time, FormatDateTimeText(QStringLiteral("hh:nn"), now));
  slotTexts.Join(ps.Date, FormatDateTimeText(ps.DateFormat, now));
  slotTexts.Join(ps.PageNr, ps.PagePrefix + u' ' + PrintPageNumberText() + u' ' + ps.PageSuffix);
  if (!ps.TitleText.isEmpty()) {
    slotTexts.Join(ps.Title, ps.TitleText);
  } else if (!htmlTitle && ps.TitleLines()->Count() > 0 &&
             (IsHeaderPosition(ps.Title) || IsFooterPosition(ps.Title))) {
    QString& s = slotTexts.Text[ps.Title];
    const QString first = (*ps.TitleLines())[0];
    if (s.isEmpty()) s = first;
    else if (!first.isEmpty()) s = IsLeftPosition(ps.Title) ? first + u' ' + s : s + u' ' + first;
  }
  const bool moreTitleLines = ps.TitleText.isEmpty() && !htmlTitle && ps.TitleLines()->Count() > 1;

  // One band of three slotTexts with its font, the top of its texts at Y.
  auto drawSlots = [&](TPrintPosition first, const TFont* font, int y) {
    useFont(font);
    for (int p = first; p < first + 3; ++p) {
      const auto pos = static_cast<TPrintPosition>(p);
      const QString& text = slotTexts.Text[pos];
      page->TextOut(slotX(pos, page->TextWidth(text)), y, text);
    }
    if (moreTitleLines && ps.Title >= first && ps.Title < first + 3) {
      const int lineHeight = page->TextHeight(QStringLiteral("gh"));
      for (int i = 1; i < ps.TitleLines()->Count(); ++i) {
        const QString& line = (*ps.TitleLines())[i];
        page->TextOut(slotX(ps.Title, page->TextWidth(line)), y - i * lineHeight, line);
      }
    }
  };
  drawSlots(ppTopLeft, ps.HeaderFont(), -ps.HeaderSize);
  drawSlots(ppBottomLeft, ps.FooterFont(), L.Bottom + ps.FooterSize + L.Unit + L.FooterText);
  return result;
}

void TExStringGrid::PrintPageBorders(int FromCol, int ToCol, int Y) {
  const TPrintLayout& L = FPrintLayout;
  TPageCanvas* page = L.Canvas;
  const int pageNr = L.Page + 1;
  if (!page || !L.Drawing() || pageNr < FPrintPageFrom || pageNr > FPrintPageTo) return;
  const TPrintSettings& ps = *FPrintSettings;
  TPen* pen = page->Pen();
  pen->SetColor(clBlack);
  pen->SetWidth(ps.Borders == pbDouble ? 10 : 2);
  pen->SetStyle(ps.BorderStyle);

  const int left = L.RepeatFixedCols ? L.Indent(0) : L.Indent(FromCol);
  const int right = L.Indent(ToCol + 1);
  const int top = -L.HeaderReserve - ps.TitleSpacing;
  const int bottom = Y + L.Unit / 2;
  const TPrintBorders b = ps.Borders;
  if (b == pbAround || b == pbAroundVertical || b == pbAroundHorizontal) {
    page->MoveTo(left, top);
    page->LineTo(right, top);
    page->LineTo(right, bottom);
    page->LineTo(left, bottom);
    page->LineTo(left, top);
  }
  if (b == pbDouble || b == pbHorizontal || b == pbAroundHorizontal) {
    page->MoveTo(left, bottom);
    page->LineTo(right, bottom);
  }
  if ((b == pbDouble || b == pbVertical || b == pbAroundVertical) && L.RepeatFixedCols) {
    for (int i = 0; i < FixedCols(); ++i) {
      page->MoveTo(L.Indent(i), top);
      page->LineTo(L.Indent(i), bottom);
    }
  }
}
