// Filling a 2000 x 20 column grid and painting one screen of it, and scrolling
// one page of a 100,000-row grid, side by side with a Qt table widget holding the
// same texts (a comparison only: the table widget is not part of the program).
// The Ratio benchmarks report our time, the table widget's and ours over theirs,
// measured in one run.
#include "grid/view/column_grid.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/canvas.h"
#include "platform/ui/form.h"

#include <QApplication>
#include <QHeaderView>
#include <QImage>
#include <QPainter>
#include <QScrollBar>
#include <QTableWidget>
#include <benchmark/benchmark.h>

#include <chrono>

namespace {

constexpr int kRows = 2000, kCols = 20;
constexpr int kWidth = 800, kHeight = 600;

QApplication& App() {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "bench_grid_paint";
  static char* argv[] = {name, nullptr};
  static QApplication app(argc, argv);
  return app;
}

QString CellText(int c, int r) { return QStringLiteral("Row %1 col %2").arg(r).arg(c); }

// One run of our grid: fill every cell, paint the first screen.
double OurGrid() {
  const auto start = std::chrono::steady_clock::now();
  TForm form(nullptr);
  form.SetClientSize(kWidth, kHeight);
  auto* grid = new TExColumnGrid(&form);
  grid->SetParent(&form);
  grid->SetBounds(0, 0, kWidth, kHeight);
  grid->SetColCount(kCols + 1);
  grid->SetRowCount(kRows + 1);
  grid->BeginUpdate();
  for (int c = 1; c <= kCols; ++c) grid->Columns()->Items(c)->SetHeader(QStringLiteral("Column %1").arg(c));
  for (int r = 1; r <= kRows; ++r)
    for (int c = 1; c <= kCols; ++c) grid->SetCellEx(c, r, CellText(c, r));
  grid->EndUpdate();
  TBitmap screen(kWidth, kHeight);
  grid->PaintTo(screen.Canvas(), 0, 0);
  benchmark::DoNotOptimize(screen.Canvas()->Pixel(10, 10));
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// The same with the table widget.
double TableWidget() {
  const auto start = std::chrono::steady_clock::now();
  QTableWidget table(kRows, kCols);
  table.resize(kWidth, kHeight);
  for (int c = 0; c < kCols; ++c) table.setHorizontalHeaderItem(c, new QTableWidgetItem(QStringLiteral("Column %1").arg(c + 1)));
  for (int r = 0; r < kRows; ++r)
    for (int c = 0; c < kCols; ++c) table.setItem(r, c, new QTableWidgetItem(CellText(c + 1, r + 1)));
  QImage screen(kWidth, kHeight, QImage::Format_RGB32);
  QPainter painter(&screen);
  table.render(&painter);
  painter.end();
  benchmark::DoNotOptimize(screen.pixel(10, 10));
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void BM_FillAndPaint_ExColumnGrid(benchmark::State& state) {
  App();
  for (auto _ : state) OurGrid();
}
BENCHMARK(BM_FillAndPaint_ExColumnGrid)->Unit(benchmark::kMillisecond);

void BM_FillAndPaint_QTableWidget(benchmark::State& state) {
  App();
  for (auto _ : state) TableWidget();
}
BENCHMARK(BM_FillAndPaint_QTableWidget)->Unit(benchmark::kMillisecond);

// Our grid's time divided by the table widget's, as the counter "ratio".
void BM_FillAndPaint_Ratio(benchmark::State& state) {
  App();
  double ours = 0, theirs = 0;
  for (auto _ : state) {
    ours += OurGrid();
    theirs += TableWidget();
  }
  state.counters["ours_ms"] = ours * 1000 / state.iterations();
  state.counters["qtablewidget_ms"] = theirs * 1000 / state.iterations();
  state.counters["ratio"] = theirs > 0 ? ours / theirs : 0;
}
BENCHMARK(BM_FillAndPaint_Ratio)->Unit(benchmark::kMillisecond)->Iterations(3);

// ---- one page down in a 100,000-row grid, painted ----
constexpr int kTallRows = 100000, kTallCols = 10;

// Our grid with every cell of the tall table written, ready to scroll.
struct TTallOurs {
  TTallOurs() : form(nullptr) {
    form.SetClientSize(kWidth, kHeight);
    grid = new TExColumnGrid(&form);
    grid->SetParent(&form);
    grid->SetBounds(0, 0, kWidth, kHeight);
    grid->SetColCount(kTallCols + 1);
    grid->SetRowCount(kTallRows + 1);
    grid->BeginUpdate();
    for (int r = 1; r <= kTallRows; ++r)
      for (int c = 1; c <= kTallCols; ++c) grid->SetCellEx(c, r, CellText(c, r));
    grid->EndUpdate();
    grid->PaintTo(screen.Canvas(), 0, 0);
  }
  // Moves the top row one page down (back to the start near the end) and paints.
  double PageDown() {
    const auto start = std::chrono::steady_clock::now();
    int top = grid->TopRow() + grid->VisibleRowCount();
    if (top + grid->VisibleRowCount() >= kTallRows) top = 1;
    grid->SetTopRow(top);
    grid->PaintTo(screen.Canvas(), 0, 0);
    benchmark::DoNotOptimize(screen.Canvas()->Pixel(10, 10));
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  }
  TForm form;
  TExColumnGrid* grid = nullptr;
  TBitmap screen{kWidth, kHeight};
};

struct TTallTable {
  TTallTable() : table(kTallRows, kTallCols), screen(kWidth, kHeight, QImage::Format_RGB32) {
    table.resize(kWidth, kHeight);
    for (int r = 0; r < kTallRows; ++r)
      for (int c = 0; c < kTallCols; ++c) table.setItem(r, c, new QTableWidgetItem(CellText(c + 1, r + 1)));
    Paint();
  }
  void Paint() {
    QPainter painter(&screen);
    table.render(&painter);
  }
  double PageDown() {
    const auto start = std::chrono::steady_clock::now();
    QScrollBar* bar = table.verticalScrollBar();
    int value = bar->value() + bar->pageStep();
    if (value + bar->pageStep() >= bar->maximum()) value = 0;
    bar->setValue(value);
    Paint();
    benchmark::DoNotOptimize(screen.pixel(10, 10));
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  }
  QTableWidget table;
  QImage screen;
};

void BM_PageScroll_Ratio(benchmark::State& state) {
  App();
  TTallOurs ours;
  TTallTable theirs;
  double oursTime = 0, theirsTime = 0;
  for (auto _ : state) {
    oursTime += ours.PageDown();
    theirsTime += theirs.PageDown();
  }
  state.counters["ours_ms"] = oursTime * 1000 / state.iterations();
  state.counters["qtablewidget_ms"] = theirsTime * 1000 / state.iterations();
  state.counters["ratio"] = theirsTime > 0 ? oursTime / theirsTime : 0;
}
BENCHMARK(BM_PageScroll_Ratio)->Unit(benchmark::kMillisecond)->Iterations(200);

}  // namespace
