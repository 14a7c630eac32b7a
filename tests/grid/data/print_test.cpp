// Printing and print preview: the page frame's slot texts and page numbers, the
// column bands and pages of a grid wider and taller than a page with repeated
// fixed rows and columns, the page count of rows forced onto new pages, a row
// taller than a page, wide grids, a cancelled start, a PDF written and its first
// page rendered and probed, and the preview of one page into a bitmap.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <functional>
#include <map>
#include <set>

#include "tests/support/qstring_print.h"

#include "grid/data/print_routines.h"
#include "grid/view/ex_string_grid.h"
#include "platform/print/printer.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/canvas.h"

namespace {

// A preview page of 794 x 1123 pixels at 96 dots per inch: 2101 x 2971 (0.1 mm).
constexpr int kPageW = 794, kPageH = 1123;

// What the printing events saw: the page of every cell drawn, the page-number
// texts asked for, the pages started.
struct TPrintLog {
  int page = 0;
  std::map<int, std::vector<std::pair<int, int>>> cells;  // page -> (col, row) in drawing order
  std::vector<QString> pageNumbers;
  std::vector<int> pagesStarted;
  std::map<int, std::pair<int, int>> bandOfPage;  // page -> (first, last column)

  void Attach(TExStringGrid& g) {
    g.OnPrintPage = [this, &g](TObject*, TCanvas*, int PageNr, int, int) {
      page = PageNr;
      pagesStarted.push_back(PageNr);
      bandOfPage[PageNr] = {g.PrintColStart(), g.PrintColEnd()};
    };
    g.OnCustomCellDraw = [this](TObject*, TCanvas*, int ACol, int ARow, TGridDrawState, TRect, bool Printing) {
      EXPECT_TRUE(Printing);
      cells[page].push_back({ACol, ARow});
    };
    g.OnPrintGetPageNum = [this](TObject*, int, int, QString& Text) { pageNumbers.push_back(Text); };
  }
  // The rows drawn on a page, each once, in order.
  std::vector<int> Rows(int p) const {
    std::vector<int> rows;
    for (auto [c, r] : cells.at(p))
      if (rows.empty() || rows.back() != r) rows.push_back(r);
    return rows;
  }
  std::set<int> Cols(int p) const {
    std::set<int> cols;
    for (auto [c, r] : cells.at(p)) cols.insert(c);
    return cols;
  }
};

// 10 columns (1 fixed) by 20 rows (1 fixed), every cell "c,r", columns 5 cm
// wide and rows 3.8 cm high: 4 columns and 7 rows to an A4 page.
void MakeWideTallGrid(TExStringGrid& g) {
  g.SetColCount(10);
  g.SetRowCount(20);
  for (int r = 0; r < 20; ++r)
    for (int c = 0; c < 10; ++c) g.SetCells(c, r, QStringLiteral("%1,%2").arg(c).arg(r));
  TPrintSettings& ps = *g.PrintSettings();
  ps.UseFixedWidth = true;
  ps.FixedWidth = 500;
  ps.UseFixedHeight = true;
  ps.FixedHeight = 380;
  ps.RepeatFixedRows = true;
  ps.RepeatFixedCols = true;
  ps.PageNr = ppBottomCenter;
}

TEST(PrintFrame, SlotTextsJoinInTheirOrder) {
  EXPECT_EQ(JoinWithBlank("a", "b"), "a b");
  EXPECT_EQ(JoinWithBlank("", "b"), "b");
  EXPECT_EQ(JoinWithBlank("a", ""), "a");
}

TEST(PrintFrame, PageNumbersOfOneBandCountThePagesWithTheirOffsets) {
  TExStringGrid g(nullptr);
  g.SetColCount(2);
  g.SetRowCount(5);
  TPrintSettings& ps = *g.PrintSettings();
  ps.PageNr = ppBottomCenter;
  TPrintLog log;
  log.Attach(g);
  g.OnPrintNewPage = [](TObject*, int, bool& NewPage) { NewPage = true; };  // one row a page
  TBitmap page(kPageW, kPageH);
  g.SetPreviewPage(2);
  g.PrintPreview(page.Canvas(), Rect(0, 0, kPageW, kPageH));
  EXPECT_EQ(g.PrintNrOfPages(), 5);
  ASSERT_EQ(log.pageNumbers.size(), 1u);  // only the previewed page gets its texts
  EXPECT_EQ(log.pageNumbers[0], "2/5");

  ps.PageNumberOffset = 10;
  ps.MaxPagesOffset = 10;
  log.pageNumbers.clear();
  g.PrintPreview(page.Canvas(), Rect(0, 0, kPageW, kPageH));
  ASSERT_EQ(log.pageNumbers.size(), 1u);
  EXPECT_EQ(log.pageNumbers[0], "12/15");

  // The handler may replace the text.
  g.OnPrintGetPageNum = [](TObject*, int PageNum, int Band, QString& Text) {
    Text = QStringLiteral("p%1b%2").arg(PageNum).arg(Band);
  };
  EXPECT_NO_THROW(g.PrintPreview(page.Canvas(), Rect(0, 0, kPageW, kPageH)));
}

TEST(PrintPages, AGridWiderAndTallerThanAPageFillsBandsOfPagesWithRepeatedFixedCells) {
  TExStringGrid g(nullptr);
  MakeWideTallGrid(g);
  TPrintLog log;
  log.Attach(g);
  // Every page drawn: the preview draws one page, so preview them one by one.
  TBitmap page(kPageW, kPageH);
  g.SetPreviewPage(1);
  g.PrintPreview(page.Canvas(), Rect(0, 0, kPageW, kPageH));
  const int pages = g.PrintNrOfPages();
  ASSERT_EQ(pages, 12);  // 3 bands of 4 pages
  log = {};
  log.Attach(g);
  for (int p = 1; p <= pages; ++p) {
    g.SetPreviewPage(p);
    g.PrintPreview(page.Canvas(), Rect(0, 0, kPageW, kPageH));
  }
  const std::vector<QString> numbers{"1-1", "2-1", "3-1", "4-1", "1-2", "2-2", "3-2", "4-2",
                                     "1-3", "2-3", "3-3", "4-3"};
  EXPECT_EQ(log.pageNumbers, numbers);
  // Bands: columns 0-3, then the fixed column repeated beside 4-6 and 7-9.
  EXPECT_EQ(log.Cols(1), (std::set<int>{0, 1, 2, 3}));
  EXPECT_EQ(log.Cols(5), (std::set<int>{0, 4, 5, 6}));
  EXPECT_EQ(log.Cols(9), (std::set<int>{0, 7, 8, 9}));
  EXPECT_EQ(log.bandOfPage[5], std::make_pair(4, 6));
  // Rows: 7 on the first page, the fixed row repeated above 6 more on the others.
  EXPECT_EQ(log.Rows(1), (std::vector<int>{0, 1, 2, 3, 4, 5, 6}));
  EXPECT_EQ(log.Rows(2), (std::vector<int>{0, 7, 8, 9, 10, 11, 12}));
  EXPECT_EQ(log.Rows(4), (std::vector<int>{0, 19}));
  EXPECT_EQ(log.Rows(5), (std::vector<int>{0, 1, 2, 3, 4, 5, 6}));
  EXPECT_EQ(log.Rows(8), (std::vector<int>{0, 19}));
  // The repeated fixed column comes first on a row of a later band.
  EXPECT_EQ(log.cells[6].front(), std::make_pair(0, 0));
  EXPECT_EQ(log.cells[6][4], std::make_pair(0, 7));
}

TEST(PrintPages, ForcedPageEndsATallRowAndManyColumnsAllEnd) {
  TBitmap page(kPageW, kPageH);
  const TRect all = Rect(0, 0, kPageW, kPageH);
  // A row taller than the page gets a page of its own, clipped.
  TExStringGrid g(nullptr);
  g.SetColCount(2);
  g.SetRowCount(6);
  g.OnPrintSetRowHeight = [](TObject*, int ARow, int& Height) {
    if (ARow == 2) Height = 5000;
  };
  TPrintLog log;
  log.Attach(g);
  g.SetPreviewPage(2);
  g.PrintPreview(page.Canvas(), all);
  EXPECT_EQ(g.PrintNrOfPages(), 3);
  EXPECT_EQ(log.Rows(2), (std::vector<int>{2}));

  // More columns than any fixed list would hold.
  TExStringGrid wide(nullptr);
  wide.SetColCount(600);
  wide.SetRowCount(3);
  wide.PrintSettings()->UseFixedWidth = true;
  wide.PrintSettings()->FixedWidth = 100;
  wide.PrintPreview(page.Canvas(), all);
  EXPECT_EQ(wide.PrintNrOfPages(), 29);  // 21 columns of 1 cm to a band
}

TEST(PrintPages, FitToPageScalesAndCentringPlacesTheBand) {
  TBitmap page(kPageW, kPageH);
  const TRect all = Rect(0, 0, kPageW, kPageH);
  TExStringGrid g(nullptr);
  g.SetColCount(4);
  g.SetRowCount(3);
  TPrintSettings& ps = *g.PrintSettings();
  ps.UseFixedWidth = true;
  ps.FixedWidth = 300;
  g.PrintPreview(page.Canvas(), all);
  EXPECT_EQ(g.PrintColWidth(1), 300);
  EXPECT_EQ(g.PrintColOffset(0), (2101 - 1200) / 2);  // centred
  ps.Centered = false;
  ps.LeftSize = 100;
  g.PrintPreview(page.Canvas(), all);
  EXPECT_EQ(g.PrintColOffset(0), 100);
  ps.FitToPage = fpShrink;  // narrower than the page: nothing changes
  g.PrintPreview(page.Canvas(), all);
  EXPECT_EQ(g.PrintColWidth(1), 300);
  ps.FitToPage = fpAlways;  // grows to W - LeftSize - RightSize
  ps.RightSize = 1;
  g.PrintPreview(page.Canvas(), all);
  EXPECT_EQ(g.PrintColWidth(1), 300 * 2000 / 1200);
  ps.FitToPage = fpCustom;
  g.OnFitToPage = [](TObject*, double&, bool& Allow) { Allow = false; };
  g.PrintPreview(page.Canvas(), all);
  EXPECT_EQ(g.PrintColWidth(1), 300);
}

// ---------------------------------------------------------------- PDF and preview

QString Tool(const QString& name) { return QStandardPaths::findExecutable(name); }

// Dark pixels (all channels below 128) and pixels of one colour in a rectangle.
int CountPixels(const QImage& image, QRect r, std::function<bool(QColor)> test) {
  int n = 0;
  r = r.intersected(image.rect());
  for (int y = r.top(); y <= r.bottom(); ++y)
    for (int x = r.left(); x <= r.right(); ++x)
      if (test(image.pixelColor(x, y))) ++n;
  return n;
}
bool IsRed(QColor c) { return c.red() > 200 && c.green() < 60 && c.blue() < 60; }
bool IsBlue(QColor c) { return c.blue() > 200 && c.red() < 60 && c.green() < 60; }
bool IsLime(QColor c) { return c.green() > 200 && c.red() < 60 && c.blue() < 60; }
bool IsDark(QColor c) { return c.red() < 128 && c.green() < 128 && c.blue() < 128; }

// Pictures for a person to look at, when GRID_PRINT_SHOTS names a folder.
void Keep(const QImage& image, const QString& name) {
  const QString dir = qEnvironmentVariable("GRID_PRINT_SHOTS");
  if (!dir.isEmpty()) image.save(dir + u'/' + name);
}

TEST(PrintPdf, AStartRefusedByItsHandlerWritesNothing) {
  QTemporaryDir dir;
  const QString file = dir.filePath("none.pdf");
  Printer()->SetOutputFileName(file);
  TExStringGrid g(nullptr);
  bool asked = false;
  g.OnPrintStart = [&](TObject*, int NrOfPages, int& FromPage, int&) {
    asked = true;
    EXPECT_EQ(NrOfPages, 1);
    FromPage = 0;
  };
  g.Print();
  Printer()->SetOutputFileName(QString());
  EXPECT_TRUE(asked);
  EXPECT_FALSE(QFile::exists(file));
}

TEST(PrintPdf, ThreePagesAreWrittenAndTheFirstShowsItsCellsAndTitle) {
  ASSERT_FALSE(Tool("pdftoppm").isEmpty()) << "pdftoppm (poppler-utils) is installed by scripts/setup";
  QTemporaryDir dir;
  const QString file = dir.filePath("grid.pdf");
  TExStringGrid g(nullptr);
  g.SetColCount(4);
  g.SetRowCount(16);
  for (int r = 0; r < 16; ++r)
    for (int c = 0; c < 4; ++c) g.SetCells(c, r, QStringLiteral("cell %1,%2").arg(c).arg(r));
  g.SetColors(2, 2, clRed);   // page 1
  g.SetColors(2, 7, clBlue);  // page 2
  TPrintSettings& ps = *g.PrintSettings();
  ps.Title = ppTopCenter;
  ps.TitleText = QStringLiteral("GRID REPORT");
  ps.HeaderSize = 50;
  ps.PageNr = ppBottomRight;
  ps.RepeatFixedRows = true;
  ps.JobName = QStringLiteral("grid job");
  // Pages end after rows 5 and 10.
  g.OnPrintNewPage = [](TObject*, int ARow, bool& NewPage) { NewPage = ARow == 6 || ARow == 11; };
  std::vector<QString> numbers;
  g.OnPrintGetPageNum = [&](TObject*, int, int, QString& Text) { numbers.push_back(Text); };
  Printer()->SetOutputFileName(file);
  g.Print();
  Printer()->SetOutputFileName(QString());
  EXPECT_EQ(g.PrintNrOfPages(), 3);
  EXPECT_EQ(numbers, (std::vector<QString>{"1/3", "2/3", "3/3"}));

  QFile pdf(file);
  ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
  const QByteArray bytes = pdf.readAll();
  EXPECT_TRUE(bytes.startsWith("%PDF"));
  QProcess info;
  info.start(Tool("pdfinfo"), {file});
  ASSERT_TRUE(info.waitForFinished(30000));
  EXPECT_TRUE(QString::fromUtf8(info.readAllStandardOutput()).contains(QRegularExpression("Pages:\\s+3\\b")));

  QProcess render;
  render.start(Tool("pdftoppm"), {"-r", "72", "-png", file, dir.filePath("page")});
  ASSERT_TRUE(render.waitForFinished(60000));
  ASSERT_EQ(render.exitCode(), 0) << render.readAllStandardError().toStdString();
  const QImage first(dir.filePath("page-1.png"));
  const QImage second(dir.filePath("page-2.png"));
  ASSERT_FALSE(first.isNull());
  ASSERT_FALSE(second.isNull());
  if (!qEnvironmentVariable("GRID_PRINT_SHOTS").isEmpty())
    QFile::copy(file, qEnvironmentVariable("GRID_PRINT_SHOTS") + QStringLiteral("/grid.pdf"));
  Keep(first, "pdf-page-1.png");
  Keep(second, "pdf-page-2.png");
  Keep(QImage(dir.filePath("page-3.png")), "pdf-page-3.png");
  // A4 at 72 dots per inch.
  EXPECT_NEAR(first.width(), 595, 2);
  EXPECT_NEAR(first.height(), 842, 2);
  // The red cell is on page 1, the blue one on page 2.
  EXPECT_GT(CountPixels(first, first.rect(), IsRed), 100);
  EXPECT_EQ(CountPixels(first, first.rect(), IsBlue), 0);
  EXPECT_GT(CountPixels(second, second.rect(), IsBlue), 100);
  EXPECT_EQ(CountPixels(second, second.rect(), IsRed), 0);
  // The title stands centred above the cells: the topmost ink is the title's,
  // in the middle of the sheet, while the grid's top line below it is wider.
  int inkTop = -1;
  for (int y = 0; y < first.height() && inkTop < 0; ++y)
    if (CountPixels(first, QRect(0, y, first.width(), 1), IsDark) > 0) inkTop = y;
  ASSERT_GE(inkTop, 0);
  const QRect titleBand(0, inkTop, first.width(), 8);
  EXPECT_GT(CountPixels(first, titleBand.intersected(QRect(250, 0, 95, first.height())), IsDark), 10);
  EXPECT_EQ(CountPixels(first, titleBand.intersected(QRect(0, 0, 250, first.height())), IsDark), 0);
  EXPECT_EQ(CountPixels(first, titleBand.intersected(QRect(345, 0, 250, first.height())), IsDark), 0);
}

TEST(PrintPreview, MiniHtmlCellsAndTitleAreRenderedAndTheRowsStartBelowTheTitle) {
  // The device top of row 0 in a preview whose title has the given lines.
  const auto firstRowTop = [](const QString& title, QImage* shot) {
    TExStringGrid g(nullptr);
    g.SetColCount(2);
    g.SetRowCount(3);
    g.SetCells(1, 1, QStringLiteral("<FONT color=\"clRed\"><B>RED</B></FONT> text"));
    TPrintSettings& ps = *g.PrintSettings();
    ps.Title = ppTopCenter;
    TStringList lines;
    lines.Add(title);
    ps.SetTitleLines(&lines);
    int top = -1;
    g.OnCustomCellDraw = [&](TObject*, TCanvas*, int, int ARow, TGridDrawState, TRect R, bool) {
      if (ARow == 0 && top < 0) top = R.Top;
    };
    TBitmap page(kPageW, kPageH);
    page.Canvas()->Brush()->SetColor(clWhite);
    page.Canvas()->FillRect(Rect(0, 0, kPageW, kPageH));
    g.PrintPreview(page.Canvas(), Rect(0, 0, kPageW, kPageH));
    if (shot) *shot = page.Image().copy();
    return top;
  };
  QImage image;
  const int one = firstRowTop(QStringLiteral("<B>Report</B>"), &image);
  const int three = firstRowTop(QStringLiteral("<B>Report</B><BR>north<BR>south"), nullptr);
  Keep(image, "preview-html.png");
  ASSERT_GT(one, 0);
  // Two more title lines of the 8-point header font (10 to 20 pixels each at 96 dots per inch).
  EXPECT_GE(three - one, 20);
  EXPECT_LE(three - one, 40);
  // The title's ink lies above the first row; the cell's tagged word prints red.
  int titleBottom = -1;
  for (int y = 0; y < one; ++y)
    if (CountPixels(image, QRect(0, y, kPageW, 1), IsDark) > 0) titleBottom = y;
  EXPECT_GT(titleBottom, 0);
  EXPECT_GT(CountPixels(image, QRect(0, one, kPageW, 200), IsRed), 20);
}

TEST(PrintPreview, PageTwoIsDrawnIntoABitmapWithUprightText) {
  TExStringGrid g(nullptr);
  MakeWideTallGrid(g);
  g.SetColors(2, 3, clRed);    // page 1
  g.SetColors(2, 8, clBlue);   // page 2, third row under the repeated fixed row
  g.SetColors(2, 0, clLime);   // the fixed row, repeated on page 2
  g.SetCells(1, 8, QStringLiteral("T"));
  g.SetFontSizes(1, 8, 36);
  TBitmap page(kPageW, kPageH);
  page.Canvas()->Brush()->SetColor(clWhite);
  page.Canvas()->FillRect(Rect(0, 0, kPageW, kPageH));
  g.SetPreviewPage(2);
  g.PrintPreview(page.Canvas(), Rect(0, 0, kPageW, kPageH));
  const QImage image = page.Image().copy();
  Keep(image, "preview-page-2.png");
  EXPECT_EQ(CountPixels(image, image.rect(), IsRed), 0);
  // Columns 2 cm apart from x = 5 mm (centred): column 2 spans 1050..1550 (0.1 mm).
  const int left = 1050 * 96 / 254, right = 1550 * 96 / 254;
  EXPECT_TRUE(IsBlue(image.pixelColor((left + right) / 2, 370)));
  EXPECT_TRUE(IsLime(image.pixelColor((left + right) / 2, 70)));
  // The "T" of cell (1, 8): more ink in the top third of its box than in the bottom third.
  const QRect cell(500 * 96 / 254 + 8, 300, (1000 - 500) * 96 / 254 - 16, 130);
  int top = cell.bottom(), bottom = cell.top();
  for (int y = cell.top(); y <= cell.bottom(); ++y)
    for (int x = cell.left(); x <= cell.right(); ++x)
      if (IsDark(image.pixelColor(x, y))) {
        top = std::min(top, y);
        bottom = std::max(bottom, y);
      }
  ASSERT_GT(bottom - top, 20);
  const int third = (bottom - top) / 3;
  const int upper = CountPixels(image, QRect(cell.left(), top, cell.width(), third), IsDark);
  const int lower = CountPixels(image, QRect(cell.left(), bottom - third + 1, cell.width(), third), IsDark);
  EXPECT_GT(upper, 2 * lower);
}

}  // namespace
