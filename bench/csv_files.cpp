// Loading and saving a CSV file of 1,000,000 cells (100,000 rows of 10 fields,
// some quoted) with the grid, side by side with Qt's own QTextStream reading the
// same file line by line and splitting each line at its commas (a comparison
// only: the line split knows no quoting). The Ratio benchmarks report the grid's
// time over the line split's.
#include "grid/view/ex_string_grid.h"
#include "bench/support/bench_app.h"
#include "platform/os/files.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>
#include <benchmark/benchmark.h>

#include <chrono>

namespace {

constexpr int kRows = 100000, kCols = 10;

const QTemporaryDir& Dir() {
  static QTemporaryDir dir;
  return dir;
}

// The file: plain fields, numbers and every fifth field quoted with a comma.
const QString& CsvFile() {
  static const QString file = [] {
    const QString name = Dir().filePath("cells.csv");
    QByteArray text;
    text.reserve(kRows * kCols * 12);
    for (int r = 0; r < kRows; ++r) {
      for (int c = 0; c < kCols; ++c) {
        if (c > 0) text += ',';
        if (c % 5 == 4) text += "\"r" + QByteArray::number(r) + ",c" + QByteArray::number(c) + '"';
        else if (c % 2 == 0) text += QByteArray::number(r * kCols + c);
        else text += "cell" + QByteArray::number(c);
      }
      text += "\r\n";
    }
    WriteFileWhole(name, text);
    return name;
  }();
  return file;
}

double Seconds(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

double GridLoad(TExStringGrid& grid) {
  const auto start = std::chrono::steady_clock::now();
  grid.LoadFromCSV(CsvFile());
  return Seconds(start);
}

double GridSave(TExStringGrid& grid) {
  const auto start = std::chrono::steady_clock::now();
  grid.SaveToCSV(Dir().filePath("saved.csv"));
  return Seconds(start);
}

double LineSplit() {
  const auto start = std::chrono::steady_clock::now();
  QFile file(CsvFile());
  file.open(QIODevice::ReadOnly);
  QTextStream in(&file);
  qsizetype fields = 0;
  QString line;
  while (in.readLineInto(&line)) fields += line.split(u',').size();
  benchmark::DoNotOptimize(fields);
  return Seconds(start);
}

void BM_CsvLoad_Grid(benchmark::State& state) {
  BenchApp();
  for (auto _ : state) {
    TExStringGrid grid(nullptr);
    GridLoad(grid);
  }
}
BENCHMARK(BM_CsvLoad_Grid)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_CsvSave_Grid(benchmark::State& state) {
  BenchApp();
  TExStringGrid grid(nullptr);
  GridLoad(grid);
  for (auto _ : state) GridSave(grid);
}
BENCHMARK(BM_CsvSave_Grid)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_CsvLineSplit_QTextStream(benchmark::State& state) {
  for (auto _ : state) LineSplit();
}
BENCHMARK(BM_CsvLineSplit_QTextStream)->Unit(benchmark::kMillisecond)->Iterations(3);

// The grid's load and save times over the line split's, as the counters
// "load_ratio" and "save_ratio".
void BM_Csv_Ratio(benchmark::State& state) {
  BenchApp();
  double load = 0, save = 0, split = 0;
  for (auto _ : state) {
    TExStringGrid grid(nullptr);
    load += GridLoad(grid);
    save += GridSave(grid);
    split += LineSplit();
  }
  state.counters["load_ms"] = load * 1000 / state.iterations();
  state.counters["save_ms"] = save * 1000 / state.iterations();
  state.counters["qtextstream_ms"] = split * 1000 / state.iterations();
  state.counters["load_ratio"] = split > 0 ? load / split : 0;
  state.counters["save_ratio"] = split > 0 ? save / split : 0;
}
BENCHMARK(BM_Csv_Ratio)->Unit(benchmark::kMillisecond)->Iterations(2);

}  // namespace
