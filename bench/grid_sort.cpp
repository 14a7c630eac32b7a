// Sorting 100,000 rows of 5 columns by one column, numbers and texts, with the
// grid's sort (QSort) side by side with a Qt sort proxy over a standard item
// model holding the same data (a comparison only: the proxy is not part of the
// program). Each Ratio benchmark reports our time over the proxy's for the same
// sort; only the sort itself is timed, filling is not.
#include "grid/data/sort_settings.h"
#include "bench/support/bench_app.h"
#include "grid/view/ex_string_grid.h"

#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <benchmark/benchmark.h>

#include <chrono>
#include <random>
#include <vector>

namespace {

constexpr int kRows = 100000, kCols = 5;
// The column sorted on: 1 holds numbers, 2 words.
constexpr int kNumberColumn = 1, kTextColumn = 2;

// The same pseudo-random table every time: numbers with two decimals, words of
// six to ten letters, and row labels.
struct TTable {
  std::vector<double> numbers;
  std::vector<QString> words;
  TTable() {
    std::mt19937 random(20240611);
    std::uniform_real_distribution<double> value(-100000, 100000);
    std::uniform_int_distribution<int> length(6, 10), letter(0, 25);
    for (int r = 0; r < kRows; ++r) {
      numbers.push_back(std::round(value(random) * 100) / 100);
      QString w;
      for (int i = length(random); i > 0; --i) w += QChar(u'a' + letter(random));
      words.push_back(w);
    }
  }
  QString Cell(int c, int r) const {
    switch (c) {
      case kNumberColumn: return QString::number(numbers[r], 'f', 2);
      case kTextColumn: return words[r];
      default: return QStringLiteral("r%1c%2").arg(r).arg(c);
    }
  }
};

const TTable& Table() {
  static const TTable table;
  return table;
}

double Seconds(std::chrono::steady_clock::time_point since) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

// Our grid: one fixed row, the table below it; the sort alone is timed.
double OurSort(int column) {
  TExStringGrid grid(nullptr);
  grid.SetColCount(kCols);
  grid.SetRowCount(kRows + 1);
  const TTable& t = Table();
  for (int r = 0; r < kRows; ++r)
    for (int c = 0; c < kCols; ++c) grid.SetCells(c, r + 1, t.Cell(c, r));
  const auto start = std::chrono::steady_clock::now();
  grid.Sort(column, sdAscending);
  const double s = Seconds(start);
  benchmark::DoNotOptimize(grid.Cells(column, 1));
  return s;
}

// The proxy over a standard item model: numbers as numbers, texts as texts.
double ProxySort(int column) {
  QStandardItemModel model(kRows, kCols);
  const TTable& t = Table();
  for (int r = 0; r < kRows; ++r)
    for (int c = 0; c < kCols; ++c) {
      auto* item = new QStandardItem;
      if (c == kNumberColumn) item->setData(t.numbers[r], Qt::DisplayRole);
      else item->setData(t.Cell(c, r), Qt::DisplayRole);
      model.setItem(r, c, item);
    }
  QSortFilterProxyModel proxy;
  proxy.setSourceModel(&model);
  const auto start = std::chrono::steady_clock::now();
  proxy.sort(column, Qt::AscendingOrder);
  const double s = Seconds(start);
  benchmark::DoNotOptimize(proxy.index(0, column).data());
  return s;
}

void Compare(benchmark::State& state, int column) {
  BenchApp();
  double ours = 0, theirs = 0;
  for (auto _ : state) {
    ours += OurSort(column);
    theirs += ProxySort(column);
  }
  state.counters["ours_ms"] = ours * 1000 / state.iterations();
  state.counters["proxy_ms"] = theirs * 1000 / state.iterations();
  state.counters["ratio"] = theirs > 0 ? ours / theirs : 0;
}

void BM_Sort100k_Numbers_Ratio(benchmark::State& state) { Compare(state, kNumberColumn); }
BENCHMARK(BM_Sort100k_Numbers_Ratio)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_Sort100k_Texts_Ratio(benchmark::State& state) { Compare(state, kTextColumn); }
BENCHMARK(BM_Sort100k_Texts_Ratio)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
