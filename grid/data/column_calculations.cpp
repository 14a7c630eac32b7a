// Calculations over a column's rows: sum, average, minimum, maximum, standard
// deviation and the number of distinct texts, and the application's own group
// calculation. Grouping fills its header and summary rows with them.
//
// A cell that holds no number (an empty cell or a text) is passed over by the
// sum, the minimum and the maximum; the average and the standard deviation
// divide by every row of the range, so such a cell counts as 0 there. Nothing
// here raises for a text in a cell.
//
// Each calculation reports its progress to the grid's export hook: the first
// row before, every row it uses, and the end.
#include <QSet>
#include <cmath>
#include <functional>
#include <optional>
#include <vector>

#include "grid/base/number_text.h"
#include "grid/view/ex_string_grid.h"

namespace {

struct TRowRange {
  int From = 0, To = -1;
  int Count() const { return To - From + 1; }
};

// The value of a used row of the column, or nothing for a row that is left out
// (a node or summary row of a grouped grid, a covered merged cell) or a cell
// that holds no number. Rows beyond the shown ones are read by real row.
std::optional<double> UsedValue(TExStringGrid& g, int ACol, int ARow, bool ByReal) {
  const int shownRow = ByReal ? g.RealToDisplRow(ARow) : ARow;
  const bool hidden = ByReal && g.IsHiddenRow(ARow);
  if (!hidden) {
    if (g.GetGroupColumn() != -1 && (g.IsNode(shownRow) || g.IsSummary(shownRow))) return std::nullopt;
    if (g.IsMergedNonBaseCell(ACol, shownRow)) return std::nullopt;
  }
  const QString text = ExtractNumberText(ByReal ? g.GetCellsEx(ACol, ARow) : g.StrippedCells(ACol, ARow));
  bool ok = false;
  const double value = QLocale::c().toDouble(text, &ok);
  if (!ok) return std::nullopt;
  return value;
}

// Rows FromRow..ToRow (-1: the normal rows) and whether they are read by real
// row (the range reaches beyond the last shown row that holds data).
TRowRange RangeOf(TExStringGrid& g, int FromRow, int ToRow, bool& ByReal) {
  TRowRange range{FromRow, ToRow};
  if (FromRow == -1 || ToRow == -1) range = {g.FixedRows(), g.RowCount() - g.FixedFooters() - 1};
  const bool lastRowFooter = g.FloatingFooter()->Visible() && g.FloatingFooter()->FooterStyle() == fsFixedLastRow;
  const int lastShown = lastRowFooter ? g.RowCount() - 2 : g.RowCount() - 1;
  ByReal = range.To > lastShown;
  return range;
}

using TNotify = std::function<void(TGridExportState, int)>;

// The values of the column's rows FromRow..ToRow (-1: the normal rows), in
// order, each used row reported as it is read; a row left out or without a
// number gives nothing. Rows is the number of rows of the range.
std::vector<std::optional<double>> ColumnValues(TExStringGrid& g, int ACol, int FromRow, int ToRow, int& Rows,
                                                const TNotify& Notify) {
  bool byReal = false;
  const TRowRange range = RangeOf(g, FromRow, ToRow, byReal);
  Rows = range.Count();
  std::vector<std::optional<double>> values;
  Notify(esExportStart, range.From);
  for (int r = range.From; r <= range.To; ++r) {
    values.push_back(UsedValue(g, ACol, r, byReal));
    if (values.back()) Notify(esExportNextRow, r);
  }
  Notify(esExportDone, -1);
  return values;
}

double SumOf(const std::vector<std::optional<double>>& values) {
  double sum = 0;
  for (const auto& v : values)
    if (v) sum += *v;
  return sum;
}

// The smallest (Less) or largest value; 0 when the rows hold no number.
template <typename TBetter>
double ExtremeOf(const std::vector<std::optional<double>>& values, TBetter Better) {
  std::optional<double> result;
  for (const auto& v : values)
    if (v && (!result || Better(*v, *result))) result = v;
  return result.value_or(0);
}

}  // namespace

double TExStringGrid::ColumnSum(int ACol, int FromRow, int ToRow) {
  int rows = 0;
  const TNotify report = [this](TGridExportState s, int r) { ExportNotification(s, r); };
  return SumOf(ColumnValues(*this, ACol, FromRow, ToRow, rows, report));
}

double TExStringGrid::ColumnAvg(int ACol, int FromRow, int ToRow) {
  int rows = 0;
  const TNotify report = [this](TGridExportState s, int r) { ExportNotification(s, r); };
  const auto values = ColumnValues(*this, ACol, FromRow, ToRow, rows, report);
  return rows <= 0 ? 0 : SumOf(values) / rows;
}

double TExStringGrid::ColumnMin(int ACol, int FromRow, int ToRow) {
  int rows = 0;
  const TNotify report = [this](TGridExportState s, int r) { ExportNotification(s, r); };
  return ExtremeOf(ColumnValues(*this, ACol, FromRow, ToRow, rows, report), std::less<double>());
}

double TExStringGrid::ColumnMax(int ACol, int FromRow, int ToRow) {
  int rows = 0;
  const TNotify report = [this](TGridExportState s, int r) { ExportNotification(s, r); };
  return ExtremeOf(ColumnValues(*this, ACol, FromRow, ToRow, rows, report), std::greater<double>());
}

double TExStringGrid::ColumnStdDev(int ACol, int FromRow, int ToRow) {
  int rows = 0;
  const TNotify report = [this](TGridExportState s, int r) { ExportNotification(s, r); };
  const auto values = ColumnValues(*this, ACol, FromRow, ToRow, rows, report);
  if (rows <= 0) return 0;
  const double mean = SumOf(values) / rows;
  double squares = 0;
  for (const auto& v : values) {
    const double d = v.value_or(0) - mean;
    squares += d * d;
  }
  return std::sqrt(squares / rows);
}

double TExStringGrid::ColumnDistinct(int ACol, int FromRow, int ToRow) {
  bool byReal = false;
  const TRowRange range = RangeOf(*this, FromRow, ToRow, byReal);
  QSet<QString> texts;
  ExportNotification(esExportStart, range.From);
  for (int r = range.From; r <= range.To; ++r) {
    texts.insert((byReal ? GetCellsEx(ACol, r) : GetCellEx(ACol, r)).toUpper());
    ExportNotification(esExportNextRow, r);
  }
  ExportNotification(esExportDone, -1);
  return texts.size();
}

double TExStringGrid::CallGroupCalc(int ACol, int FromRow, int ToRow) {
  double result = 0;
  if (OnGroupCalc) OnGroupCalc(this, ACol, FromRow, ToRow, result);
  return result;
}
