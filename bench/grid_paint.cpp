// Filling a 2000 x 20 column grid and painting one screen of it, and scrolling
// one page of a 100,000-row grid, side by side with a Qt table widget holding the
// same texts (a comparison only: the table widget is not part of the program).
// The Ratio benchmarks report our time, the table widget's and ours over theirs,
// measured in one run.
#include "grid/view/column_grid.h"
#include "bench/support/bench_app.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/canvas.h"
#include "platform/ui/form.h"

#include <QHeaderView>
#include <QImage>
#include <QPainter>
#include <QScrollBar>
#include <QTableWidget>
#include <benchmark/benchmark.h>

#include <chrono>
#include <ctime>

namespace {

constexpr int kRows = 2000, kCols = 20;
constexpr int kWidth = 800, kHeight = 600;

// Wall time and the process's CPU time (the painter's helper threads too), in
// seconds: the CPU time is what the ratios are read from on a shared machine,
// where other work stretches the wall clock of either side at random.
struct TClock {
  static double Cpu() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
  }
  TClock() : wall(std::chrono::steady_clock::now()), cpu(Cpu()) {}
  // Seconds since construction: wall clock, thread CPU.
  std::pair<double, double> Elapsed() const {
    return {std::chrono::duration<double>(std::chrono::steady_clock::now() - wall).count(), Cpu() - cpu};
  }
  std::chrono::steady_clock::time_point wall;
  double cpu;
};

// Sums of one side's wall and CPU seconds over the iterations.
struct TTimes {
  double wall = 0, cpu = 0;
  void Add(std::pair<double, double> t) {
    wall += t.first;
    cpu += t.second;
  }
};

// Our figures, the table widget's and the ratios, wall clock and CPU time.
void ReportRatio(benchmark::State& state, const TTimes& ours, const TTimes& theirs) {
  const double n = double(state.iterations());
  state.counters["ours_ms"] = ours.wall * 1000 / n;
  state.counters["qtablewidget_ms"] = theirs.wall * 1000 / n;
  state.counters["ratio"] = theirs.wall > 0 ? ours.wall / theirs.wall : 0;
  state.counters["ours_cpu_ms"] = ours.cpu * 1000 / n;
  state.counters["qtablewidget_cpu_ms"] = theirs.cpu * 1000 / n;
  state.counters["cpu_ratio"] = theirs.cpu > 0 ? ours.cpu / theirs.cpu : 0;
}

// Our screen: 32 bits a pixel like the table widget's image, so that both sides
// draw into the same kind of pixels (a bitmap's default 24 bits would make ours
// pay for format conversions the table widget's image does not need).
void MakeScreen(TBitmap& screen) {
  screen.SetPixelFormat(pf32bit);
  screen.SetSize(kWidth, kHeight);
}

QString CellText(int c, int r) { return QStringLiteral("Row %1 col %2").arg(r).arg(c); }

// One run of our grid: fill every cell, paint the first screen.
std::pair<double, double> OurGrid() {
  const TClock clock;
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
  TBitmap screen;
  MakeScreen(screen);
  grid->PaintTo(screen.Canvas(), 0, 0);
  benchmark::DoNotOptimize(screen.Canvas()->Pixel(10, 10));
  return clock.Elapsed();
}

// The same with the table widget.
std::pair<double, double> TableWidget() {
  const TClock clock;
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
  return clock.Elapsed();
}

void BM_FillAndPaint_ExColumnGrid(benchmark::State& state) {
  BenchApp();
  for (auto _ : state) OurGrid();
}
BENCHMARK(BM_FillAndPaint_ExColumnGrid)->Unit(benchmark::kMillisecond);

void BM_FillAndPaint_QTableWidget(benchmark::State& state) {
  BenchApp();
  for (auto _ : state) TableWidget();
}
BENCHMARK(BM_FillAndPaint_QTableWidget)->Unit(benchmark::kMillisecond);

// Our grid's time divided by the table widget's, as the counter "ratio".
void BM_FillAndPaint_Ratio(benchmark::State& state) {
  BenchApp();
  // One untimed round of each side first: fonts, glyph caches and the heap
  // warm up for both alike.
  OurGrid();
  TableWidget();
  TTimes ours, theirs;
  for (auto _ : state) {
    ours.Add(OurGrid());
    theirs.Add(TableWidget());
  }
  ReportRatio(state, ours, theirs);
}
BENCHMARK(BM_FillAndPaint_Ratio)->Unit(benchmark::kMillisecond)->Iterations(10);

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
    MakeScreen(screen);
    grid->PaintTo(screen.Canvas(), 0, 0);
  }
  // Moves the top row one page down (back to the start near the end) and paints.
  std::pair<double, double> PageDown() {
    const TClock clock;
    int top = grid->TopRow() + grid->VisibleRowCount();
    if (top + grid->VisibleRowCount() >= kTallRows) top = 1;
    grid->SetTopRow(top);
    grid->PaintTo(screen.Canvas(), 0, 0);
    benchmark::DoNotOptimize(screen.Canvas()->Pixel(10, 10));
    return clock.Elapsed();
  }
  TForm form;
  TExColumnGrid* grid = nullptr;
  TBitmap screen;
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
  std::pair<double, double> PageDown() {
    const TClock clock;
    QScrollBar* bar = table.verticalScrollBar();
    int value = bar->value() + bar->pageStep();
    if (value + bar->pageStep() >= bar->maximum()) value = 0;
    bar->setValue(value);
    Paint();
    benchmark::DoNotOptimize(screen.pixel(10, 10));
    return clock.Elapsed();
  }
  QTableWidget table;
  QImage screen;
};

void BM_PageScroll_Ratio(benchmark::State& state) {
  BenchApp();
  TTallOurs ours;
  TTallTable theirs;
  TTimes oursTime, theirsTime;
  for (auto _ : state) {
    oursTime.Add(ours.PageDown());
    theirsTime.Add(theirs.PageDown());
  }
  ReportRatio(state, oursTime, theirsTime);
}
BENCHMARK(BM_PageScroll_Ratio)->Unit(benchmark::kMillisecond)->Iterations(200);

// Each side's page scroll alone (for profiling one side).
void BM_PageScroll_ExColumnGrid(benchmark::State& state) {
  BenchApp();
  TTallOurs ours;
  for (auto _ : state) ours.PageDown();
}
BENCHMARK(BM_PageScroll_ExColumnGrid)->Unit(benchmark::kMillisecond)->Iterations(2000);

void BM_PageScroll_QTableWidget(benchmark::State& state) {
  BenchApp();
  TTallTable theirs;
  for (auto _ : state) theirs.PageDown();
}
BENCHMARK(BM_PageScroll_QTableWidget)->Unit(benchmark::kMillisecond)->Iterations(2000);

}  // namespace
