// Sorting the normal rows by one column. Whole rows move (every column of the
// store, their cell objects and heights); fixed rows and footer rows stay.
// Two texts compare as numbers when both read as numbers, else as texts
// without regard to letter case; equal rows keep their order.
#include <algorithm>
#include <numeric>

#include "grid/base/number_text.h"
#include "grid/view/ex_string_grid.h"

namespace {

// Negative, 0 or positive as a sorts before, with or after b.
int CompareTexts(const QString& a, const QString& b) {
  bool okA = false, okB = false;
  const double x = QLocale::c().toDouble(ExtractNumberText(a), &okA);
  const double y = QLocale::c().toDouble(ExtractNumberText(b), &okB);
  if (okA && okB) return x < y ? -1 : x > y ? 1 : 0;
  return QString::compare(a, b, Qt::CaseInsensitive);
}

}  // namespace

void TExStringGrid::QSort() {
  const int col = FSortSettings->Column;
  const int first = FixedRows(), last = LastNormalRowIndex();
  if (col < 0 || col >= AllColCount() || last - first < 1) return;
  TUpdateBatch batch(*this);
  TAllColumnsGuard all(*this);
  const int n = last - first + 1;
  std::vector<int> order(n);
  std::iota(order.begin(), order.end(), first);
  std::vector<QString> keys(n);
  for (int i = 0; i < n; ++i) keys[i] = GetCellEx(col, first + i);
  const bool down = FSortSettings->Direction == sdDescending;
  std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
    const int c = CompareTexts(keys[a - first], keys[b - first]);
    return down ? c > 0 : c < 0;
  });
  // The rows go out in their new order and come back.
  std::vector<TStringList> rows(n);
  std::vector<int> heights(n);
  for (int i = 0; i < n; ++i) {
    CopyRowToItems(order[i], rows[i]);
    heights[i] = RowHeights(order[i]);
  }
  for (int i = 0; i < n; ++i) {
    CopyItemsToRow(rows[i], first + i);
    SetRowHeights(first + i, heights[i]);
  }
  CellsChangedHook(Rect(0, first, ColCount() - 1, last));
}
