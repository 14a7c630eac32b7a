// The page frame: header and footer slot texts with their joining blanks and
// places, page-number texts in one and several column bands, further title
// lines, a mini-HTML title rendered and reserved above the rows, the print
// range, and the frame lines around the printed block. The page is recorded on
// a measuring canvas of 254 dots per inch, where one page unit (0.1 mm) is one
// pixel.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <vector>

#include "tests/support/qstring_print.h"

#include "grid/data/print_job.h"
#include "grid/view/ex_string_grid.h"
#include "platform/os/clock.h"
#include "platform/print/page_canvas.h"
#include "platform/rtl/locale_settings.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/canvas.h"

namespace {

struct TText {
  int X, Y;
  QString Text;
  int Height;
};
struct TLine {
  int X1, Y1, X2, Y2, Width;
};

// Measures at 254 dots per inch and records every text and line.
class TRecordingPage : public TPageCanvas {
public:
  TRecordingPage() : TPageCanvas(254, 254) {}
  void TextOut(int X, int Y, const QString& Text) override {
    if (!Text.isEmpty()) Texts.push_back({X, Y, Text, Font()->Height()});
  }
  void MoveTo(int X, int Y) override { at_ = {X, Y}; }
  void LineTo(int X, int Y) override {
    Lines.push_back({at_.X, at_.Y, X, Y, Pen()->Width()});
    at_ = {X, Y};
  }
  std::vector<TText> Texts;
  std::vector<TLine> Lines;

private:
  TPoint at_;
};

// Frame lines are laid out by the column indents of the page.
void SetIndents(TExStringGrid& g, std::initializer_list<int> Indents) {
  int c = 0;
  for (int x : Indents) g.SetPrintColumn(c++, 0, x);
}

class PageFrame : public ::testing::Test {
protected:
  void SetUp() override {
    SetClock(&clock_);
    SetFormatSettings(TFormatSettings{});
    TPrintJob& j = grid_.PrintJob();
    j.Canvas = &page_;
    j.Mode = 1;
    j.W = 2000;
    j.B = -2800;
    j.U = 5;
    j.Fh = 40;
    j.E = 150;
    j.P = 0;
    j.PageCount = 1;
    grid_.SetPrintPageFrom(1);
    grid_.SetPrintPageTo(9);
    TPrintSettings* ps = grid_.PrintSettings();
    ps->LeftSize = 100;
    ps->RightSize = 100;
    ps->HeaderSize = 50;
    ps->FooterSize = 60;
  }
  void TearDown() override {
    SetClock(nullptr);
    SetFormatSettings(std::nullopt);
  }
  const TText* TextAt(const QString& text) const {
    for (const TText& t : page_.Texts)
      if (t.Text == text) return &t;
    return nullptr;
  }

  TManualClock clock_{QDateTime(QDate(2024, 3, 5), QTime(10, 30))};
  TRecordingPage page_;
  TExStringGrid grid_{nullptr};
};

TEST_F(PageFrame, SlotTextsJoinWithOneBlankInTheirOrder) {
  struct Case {
    TPrintPosition Time, Date, PageNr;
    TPrintPosition Slot;
    QString Expected;
  } cases[] = {
      // a left slot takes each item in front: date, blank, time, blank
      {ppTopLeft, ppTopLeft, ppNone, ppTopLeft, "05/03/2024 10:30 "},
      // a right slot takes each item behind: blank, time, blank, date
      {ppTopRight, ppTopRight, ppNone, ppTopRight, " 10:30 05/03/2024"},
      // the page number with empty prefix and suffix: two blanks, number, blank
      {ppNone, ppNone, ppBottomCenter, ppBottomCenter, "  1 "},
      {ppNone, ppBottomLeft, ppBottomLeft, ppBottomLeft, " 1  05/03/2024 "},
  };
  for (const Case& c : cases) {
    page_.Texts.clear();
    TPrintSettings* ps = grid_.PrintSettings();
    ps->Time = c.Time;
    ps->Date = c.Date;
    ps->PageNr = c.PageNr;
    EXPECT_EQ(grid_.PrintPageFrame(), 0);
    ASSERT_EQ(page_.Texts.size(), 1u) << c.Expected.toStdString();
    const TText& t = page_.Texts[0];
    EXPECT_EQ(t.Text, c.Expected);
    const bool header = c.Slot <= ppTopCenter;
    page_.Font()->Assign(*(header ? ps->HeaderFont() : ps->FooterFont()));
    page_.Font()->SetHeight(grid_.MapFontHeight(page_.Font()->Size()));
    const int width = page_.TextWidth(c.Expected);
    // header texts at the header margin, footer texts above the bottom by margin, unit and text height
    EXPECT_EQ(t.Y, header ? -50 : -2800 + 60 + 5 + 40) << c.Expected.toStdString();
    const int x = c.Slot == ppTopLeft || c.Slot == ppBottomLeft    ? 100
                  : c.Slot == ppTopRight || c.Slot == ppBottomRight ? 2000 - width - 100 - 20
                                                                    : (2000 - width) / 2;
    EXPECT_EQ(t.X, x) << c.Expected.toStdString();
    EXPECT_EQ(t.Height, grid_.MapFontHeight((header ? ps->HeaderFont() : ps->FooterFont())->Size()));
  }
}

TEST_F(PageFrame, PageNumbersInOneBandAndInSeveral) {
  std::vector<std::pair<int, int>> raised;
  grid_.OnPrintGetPageNum = [&](TObject*, int page, int band, QString&) { raised.push_back({page, band}); };
  TPrintJob& j = grid_.PrintJob();
  TPrintSettings* ps = grid_.PrintSettings();
  j.PageCount = 5;
  j.P = 1;
  EXPECT_EQ(grid_.PrintPageNumberText(), "2/5");
  ps->PageNumberOffset = 10;
  ps->MaxPagesOffset = 10;
  EXPECT_EQ(grid_.PrintPageNumberText(), "12/15");
  ps->PageNumSep = "";
  EXPECT_EQ(grid_.PrintPageNumberText(), "12");
  j.PageCount = 1;  // a one-page job has no count
  ps->PageNumSep = "/";
  EXPECT_EQ(grid_.PrintPageNumberText(), "12");

  // Two column bands: page within the band, "-", band.
  j.SeveralBands = true;
  j.Band = 1;
  j.PagesInBand = 1;
  EXPECT_EQ(grid_.PrintPageNumberText(), "2-1");
  j.Band = 2;
  j.PagesInBand = 0;
  EXPECT_EQ(grid_.PrintPageNumberText(), "1-2");
  EXPECT_EQ(raised.back(), std::make_pair(1, 2));

  // The handler's text is the one printed.
  grid_.OnPrintGetPageNum = [](TObject*, int, int, QString& text) { text = "page " + text; };
  ps->PageNr = ppTopCenter;
  grid_.PrintPageFrame();
  EXPECT_NE(TextAt("  page 1-2 "), nullptr);
}

TEST_F(PageFrame, TitleLinesGoBelowTheTitleSlot) {
  TPrintSettings* ps = grid_.PrintSettings();
  ps->Title = ppTopCenter;
  TStringList lines;
  lines.Add("Report");
  lines.Add("Second line");
  lines.Add("Third line");
  ps->SetTitleLines(&lines);
  EXPECT_EQ(grid_.PrintPageFrame(), 0);
  // The first line joins the empty centre slot without a blank.
  const TText* first = TextAt("Report");
  const TText* second = TextAt("Second line");
  const TText* third = TextAt("Third line");
  ASSERT_TRUE(first && second && third);
  page_.Font()->Assign(*ps->HeaderFont());
  page_.Font()->SetHeight(grid_.MapFontHeight(ps->HeaderFont()->Size()));
  const int gh = page_.TextHeight("gh");
  EXPECT_EQ(second->Y, first->Y - gh);
  EXPECT_EQ(third->Y, first->Y - 2 * gh);
  EXPECT_EQ(third->X, (2000 - page_.TextWidth("Third line")) / 2);

  // A footer title's further lines go below it too, one footer line each.
  page_.Texts.clear();
  ps->Title = ppBottomLeft;
  grid_.PrintPageFrame();
  ASSERT_TRUE(TextAt("Report") && TextAt("Third line"));
  EXPECT_EQ(TextAt("Report")->Y, -2800 + 60 + 5 + 40);
  EXPECT_LT(TextAt("Third line")->Y, TextAt("Report")->Y);
  EXPECT_EQ(TextAt("Third line")->X, 100);

  // A one-line title text wins over the lines.
  page_.Texts.clear();
  ps->Title = ppTopCenter;
  ps->TitleText = "Only";
  grid_.PrintPageFrame();
  ASSERT_EQ(page_.Texts.size(), 1u);
  EXPECT_EQ(page_.Texts[0].Text, " Only");
}

TEST_F(PageFrame, AMiniHtmlTitleIsRenderedAndItsHeightReturnedInPageUnits) {
  TPrintSettings* ps = grid_.PrintSettings();
  ps->Title = ppTopLeft;
  TStringList lines;
  lines.Add("<B>Stock</B> list");
  ps->SetTitleLines(&lines);
  // Not laid out as slot text: the renderer draws it, so no slot holds its tags.
  const int one = grid_.PrintPageFrame();
  for (const TText& t : page_.Texts) EXPECT_FALSE(t.Text.contains("<B>")) << t.Text.toStdString();
  // Its height is one header line in page units (0.1 mm), not in screen pixels.
  page_.Font()->Assign(*ps->HeaderFont());
  page_.Font()->SetHeight(grid_.MapFontHeight(ps->HeaderFont()->Size()));
  const int gh = page_.TextHeight("gh");
  EXPECT_NEAR(one, gh, gh / 4);
  // Three lines are three times as high; it is measured even on a page that is not drawn.
  lines.Clear();
  lines.Add("<B>Stock</B> list<BR>second<BR>third");
  ps->SetTitleLines(&lines);
  grid_.SetPrintPageFrom(5);
  EXPECT_NEAR(grid_.PrintPageFrame(), 3 * one, gh / 2);
  // With mini-HTML switched off the lines are plain text again.
  grid_.EnableHTML = false;
  grid_.SetPrintPageFrom(1);
  EXPECT_EQ(grid_.PrintPageFrame(), 0);
  EXPECT_NE(TextAt("<B>Stock</B> list<BR>second<BR>third"), nullptr);
}

TEST_F(PageFrame, PagesOutsideThePrintRangeGetNeitherTextsNorLines) {
  TPrintSettings* ps = grid_.PrintSettings();
  ps->PageNr = ppBottomRight;
  ps->Borders = pbAround;
  SetIndents(grid_, {0, 300, 700});
  grid_.SetPrintPageFrom(3);
  grid_.SetPrintPageTo(3);
  TPrintJob& j = grid_.PrintJob();
  for (int page : {1, 3}) {
    j.P = page;  // pages 2 and 4
    grid_.PrintPageFrame();
    grid_.PrintPageBorders(0, 1, -1000);
  }
  EXPECT_TRUE(page_.Texts.empty());
  EXPECT_TRUE(page_.Lines.empty());
  j.P = 2;
  j.Mode = 2;  // counting draws nothing either
  grid_.PrintPageFrame();
  grid_.PrintPageBorders(0, 1, -1000);
  EXPECT_TRUE(page_.Texts.empty());
  EXPECT_TRUE(page_.Lines.empty());
  j.Mode = 0;
  grid_.PrintPageFrame();
  grid_.PrintPageBorders(0, 1, -1000);
  EXPECT_FALSE(page_.Texts.empty());
  EXPECT_FALSE(page_.Lines.empty());
}

TEST_F(PageFrame, FrameLinesByBorderKind) {
  SetIndents(grid_, {0, 200, 500, 900, 1400});
  TPrintJob& j = grid_.PrintJob();
  TPrintSettings* ps = grid_.PrintSettings();
  ps->TitleSpacing = 30;
  const int top = -150 - 30, bottom = -1000 + 5 / 2;
  // The page pen as the page loop makes it.
  const auto pen = [&](TPrintBorders b) {
    ps->Borders = b;
    j.PagePen.SetWidth(b == pbDouble ? 10 : 2);
  };

  pen(pbAround);  // a closed rectangle from FromCol's indent to the one after ToCol
  grid_.PrintPageBorders(1, 2, -1000);
  ASSERT_EQ(page_.Lines.size(), 4u);
  EXPECT_EQ(page_.Lines[0].X1, 200);
  EXPECT_EQ(page_.Lines[0].Y1, top);
  EXPECT_EQ(page_.Lines[0].X2, 900);
  EXPECT_EQ(page_.Lines[1].Y2, bottom);
  EXPECT_EQ(page_.Lines[3].X2, 200);
  EXPECT_EQ(page_.Lines[3].Y2, top);
  EXPECT_EQ(page_.Lines[0].Width, 2);

  // Double lines: the bottom line, and with repeated fixed columns a line at each
  // fixed column's indent; the frame starts at column 0.
  page_.Lines.clear();
  grid_.SetColCount(4);
  grid_.SetFixedCols(2);
  j.RepeatCols = true;
  pen(pbDouble);
  grid_.PrintPageBorders(2, 3, -1000);
  ASSERT_EQ(page_.Lines.size(), 3u);
  EXPECT_EQ(page_.Lines[0].X1, 0);
  EXPECT_EQ(page_.Lines[0].X2, 1400);
  EXPECT_EQ(page_.Lines[0].Y1, bottom);
  EXPECT_EQ(page_.Lines[0].Width, 10);
  EXPECT_EQ(page_.Lines[1].X1, 0);
  EXPECT_EQ(page_.Lines[2].X1, 200);
  EXPECT_EQ(page_.Lines[2].Y1, top);
  EXPECT_EQ(page_.Lines[2].Y2, bottom);

  page_.Lines.clear();
  pen(pbSingle);  // cell lines only: no frame
  grid_.PrintPageBorders(2, 3, -1000);
  EXPECT_TRUE(page_.Lines.empty());
}

TEST_F(PageFrame, FontHeightsInPageUnits) {
  EXPECT_EQ(grid_.MapFontHeight(10), -35);  // 10 pt = 35.27 units
  EXPECT_EQ(TExStringGrid::MapFontSize(35), 9);
  grid_.Fontscalefactor = 0.5;
  EXPECT_EQ(grid_.MapFontHeight(10), -17);
  // The frame draws at the page's scale and leaves it there for the page.
  grid_.PrintJob().K = 2.0;
  grid_.PrintPageFrame();
  EXPECT_EQ(grid_.Fontscalefactor, 2.0);

  // The page canvas maps units to device pixels: 0.1 mm at 600 by 300 dots per inch.
  TPageCanvas page(600, 300);
  EXPECT_EQ(page.ToDevice(TPoint{254, -254}), (TPoint{600, 300}));
  EXPECT_EQ(page.ToLogical(TPoint{600, 300}), (TPoint{254, -254}));
}

// A whole A4 page drawn on a bitmap at 75 dots per inch (pixels probed; with
// PAGE_FRAME_SHOT naming a folder the page is saved there as a picture).
TEST(PageFrameDrawn, TextsLinesAndAMiniHtmlTitleLandOnTheDevice) {
  TBitmap page(620, 877);  // A4 at 75 dots per inch
  page.Canvas()->Brush()->SetColor(clWhite);
  page.Canvas()->FillRect(Rect(0, 0, 620, 877));
  TPageCanvas canvas(page.Canvas()->Painter(), 75, 75, {0, 0});
  TExStringGrid grid(nullptr);
  TPrintJob& j = grid.PrintJob();
  j.Canvas = &canvas;
  j.Mode = 1;
  j.W = 2100;
  j.B = -2970;
  j.U = 5;
  j.Fh = 40;
  j.E = 200;
  j.PageCount = 3;
  j.PagePen.SetWidth(2);
  SetIndents(grid, {200, 800, 1400, 1900});
  grid.SetPrintPageTo(3);
  TPrintSettings* ps = grid.PrintSettings();
  ps->LeftSize = ps->RightSize = 150;
  ps->HeaderSize = 100;
  ps->FooterSize = 100;
  TStringList title;
  title.Add("<FONT color=\"clRed\" size=\"14\"><B>STOCK LIST</B></FONT>");
  ps->SetTitleLines(&title);
  ps->Title = ppTopLeft;
  ps->PageNr = ppBottomRight;
  ps->PagePrefix = "Page";
  ps->Date = ppTopRight;
  ps->Borders = pbAround;
  const int titleHeight = grid.PrintPageFrame();
  grid.PrintPageBorders(0, 2, -2600);
  const QImage image = page.Image().copy();
  const QString folder = qEnvironmentVariable("PAGE_FRAME_SHOT");
  if (!folder.isEmpty()) image.save(folder + "/page_frame.png");
  // The frame: left edge at 20 mm (59 px), bottom 259.8 mm down (767 px).
  EXPECT_EQ(page.Canvas()->Pixel(59, 400), clBlack);
  EXPECT_EQ(page.Canvas()->Pixel(300, 767), clBlack);
  EXPECT_EQ(page.Canvas()->Pixel(300, 400), clWhite);
  // The title in red from the left margin (15 mm, 44 px) at the header margin
  // (10 mm, 30 px), as high as the frame reports it.
  int redTop = 877, redBottom = -1, redLeft = 620;
  for (int y = 0; y < 200; ++y)
    for (int x = 0; x < 620; ++x) {
      const QColor c = image.pixelColor(x, y);
      if (c.red() > 180 && c.green() < 80 && c.blue() < 80) {
        redTop = std::min(redTop, y);
        redBottom = std::max(redBottom, y);
        redLeft = std::min(redLeft, x);
      }
    }
  ASSERT_GE(redBottom, 0) << "no red title";
  EXPECT_NEAR(redLeft, 44, 4);
  EXPECT_GE(redTop, 29);
  EXPECT_LE(redBottom, 30 + titleHeight * 75 / 254 + 1);
  // The date in the header's right slot and the page number in the footer: ink there.
  auto inked = [&](int left, int top, int right, int bottom) {
    for (int y = top; y < bottom; ++y)
      for (int x = left; x < right; ++x)
        if (page.Canvas()->Pixel(x, y) != clWhite) return true;
    return false;
  };
  EXPECT_TRUE(inked(400, 28, 620, 50));
  EXPECT_TRUE(inked(400, 820, 620, 860));
}

}  // namespace
