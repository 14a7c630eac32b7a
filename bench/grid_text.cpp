// The grid's text routines on long hostile cells and conditions: each must take
// time in proportion to its text (a 100,000-character cell in well under a second).
#include "grid/base/csv_text.h"
#include "grid/base/filter_expression.h"
#include "grid/base/html_highlight.h"
#include "grid/base/mixed_case.h"
#include "grid/base/number_text.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int kCell = 100000;

// A hit in every formatting run of a 100,000-character mini-HTML cell.
void BM_HighlightEveryRun(benchmark::State& state) {
  const QString text = QStringLiteral("<B>ab</B>c").repeated(kCell / 10);
  for (auto _ : state) benchmark::DoNotOptimize(HighlightHtmlText(text, QStringLiteral("b"), QStringLiteral("HI"), false));
}
BENCHMARK(BM_HighlightEveryRun)->Unit(benchmark::kMillisecond);

// 100,000 hits of one character.
void BM_HighlightEveryCharacter(benchmark::State& state) {
  const QString text(kCell, u'a');
  for (auto _ : state) benchmark::DoNotOptimize(HighlightHtmlText(text, QStringLiteral("a"), QStringLiteral("HI"), true));
}
BENCHMARK(BM_HighlightEveryCharacter)->Unit(benchmark::kMillisecond);

void BM_MixedCase(benchmark::State& state) {
  const QString text = QStringLiteral("ann mcdonald ").repeated(kCell / 13);
  for (auto _ : state) benchmark::DoNotOptimize(ToMixedCase(text));
}
BENCHMARK(BM_MixedCase)->Unit(benchmark::kMillisecond);

// 60 KB of nested groups (past the nesting bound) and of terms within it.
void BM_FilterNestedGroups(benchmark::State& state) {
  const QString condition = QString(60000, u'(') + QStringLiteral("A") + QString(60000, u')');
  for (auto _ : state) benchmark::DoNotOptimize(MatchFilterExpression(condition, QStringLiteral("A"), false));
}
BENCHMARK(BM_FilterNestedGroups)->Unit(benchmark::kMillisecond);

void BM_FilterManyTermsInDeepGroups(benchmark::State& state) {
  const QString condition = QString(64, u'(') + QStringLiteral("A|").repeated(30000) + QStringLiteral("B");
  for (auto _ : state) benchmark::DoNotOptimize(MatchFilterExpression(condition, QStringLiteral("B"), false));
}
BENCHMARK(BM_FilterManyTermsInDeepGroups)->Unit(benchmark::kMillisecond);

void BM_CountQuoteRuns(benchmark::State& state) {
  const QString text = QStringLiteral("\"a").repeated(kCell / 2);
  for (auto _ : state) benchmark::DoNotOptimize(CountQuoteRuns(u'"', text));
}
BENCHMARK(BM_CountQuoteRuns)->Unit(benchmark::kMillisecond);

void BM_ExtractNumberFromLongPrefix(benchmark::State& state) {
  const QString text = QString(kCell, u'x') + QStringLiteral("12.5");
  for (auto _ : state) benchmark::DoNotOptimize(ExtractNumberText(text));
}
BENCHMARK(BM_ExtractNumberFromLongPrefix)->Unit(benchmark::kMillisecond);

}  // namespace
