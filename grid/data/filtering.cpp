// Filtering the normal rows: the conditions of Filter tested on each row, the
// failing rows taken out of the grid as one filter level (hidden-row items
// tagged with the level) and brought back level by level; the incremental
// narrowing of type-ahead lookups, one level per typed character. A condition
// that cannot be evaluated counts as failed; nothing here raises for a
// condition the user typed.
#include <cmath>

#include "grid/base/filter_rows.h"
#include "grid/base/int_list.h"
#include "grid/view/ex_string_grid.h"
#include "grid/view/grid_item.h"

namespace {

// The text a condition looks at in a row.
QString ConditionText(TExStringGrid& g, const TFilterData& f, int ARow) {
  QString text;
  switch (f.Data) {
    case fcVirtual: text = g.GetCellEx(f.Column, ARow); break;
    case fcNormal: text = g.GetGridCell(f.Column, ARow); break;
    case fcStripHTML: text = g.StrippedCells(f.Column, ARow); break;
    case fcCalculated: g.GetRawCellText(f.Column, ARow, text); break;
    case fcRow: {
      QStringList texts;
      for (int c = 0; c < g.AllColCount(); ++c) texts.append(g.GetCellEx(c, ARow));
      text = texts.join(QStringLiteral("\r\n"));
      break;
    }
  }
  return text;
}

// One condition of the column, added after the others are cleared: for all
// columns the row's text, for one column its stored text as a "*text*" pattern.
void SetNarrowCondition(TFilter& Filter, const QString& Condition, int Column, bool Quoted) {
  Filter.Clear();
  TFilterData* f = Filter.Add();
  f->Column = static_cast<int16_t>(Column);
  f->CaseSensitive = false;
  f->Data = Column == -1 ? fcRow : fcNormal;
  f->Condition = NarrowCondition(Condition, Column == -1, Quoted);
}

}  // namespace

bool TExStringGrid::RowMatchesFilter(int ARow) {
  // 1.
  std::vector<TFilterTest> tests;
  for (int i = 0; i < FFilter->Count(); ++i) {
    const TFilterData& f = *FFilter->Items(i);
    tests.push_back({f.Condition, f.CaseSensitive, f.Prefix, f.Suffix, f.Operation, f.Data == fcRow, f.Method});
  }
  bool result =
      FilterTestsPass(tests, [&](size_t i) { return ConditionText(*this, *FFilter->Items(static_cast<int>(i)), ARow); });
  if (OnCustomFilter) OnCustomFilter(this, ARow, result);
  return result;
}

void TExStringGrid::ApplyFilter() {
  // 2.
  FFilterFixedRows = FixedRows();
  const int first = FixedRows(), last = RowCount() - FFixedFooters - 1;
  const int n = last - first + 1;
  TIntList failing(0, 0);
  int tested = 0;
  int16_t progress = 0;
  for (int r = first; r <= last; ++r) {
    if (FilterNormalCellsOnly && (IsNode(r) || IsSummary(r))) continue;
    if (!RowMatchesFilter(r)) failing.Insert(failing.Count(), r);
    ++tested;
    if (OnFilterProgress && n > 0) {
      progress = static_cast<int16_t>(std::lrint(100.0 * tested / n));
      OnFilterProgress(this, progress);
    }
  }
  HideRowList(failing);
  if (OnFilterProgress) OnFilterProgress(this, progress);
}

void TExStringGrid::SetFilterActive(bool Value) {
  // 3.
  if (Value != FFilterActive) {
    FFilterActive = Value;
    if (Value) {
      if (Row() >= RowCount() || Col() >= ColCount()) FocusCell(TStringGrid::FixedCols(), TStringGrid::FixedRows());
      {
        TUpdateBatch batch(*this);
        ApplyFilter();
      }
      FSelHidden = false;
    } else {
      if (FFilterLevel > 0) UnHideRowList();
      if (FFilterFixedRows >= 0) SetFixedRows(FFilterFixedRows);
      if (FSelHidden) UnHideSelection();
    }
    SetTopRow(FixedRows());
  }
  CalcFooter(-1);
}

void TExStringGrid::FilterRow(int ARow) {
  // 4.
  if (!RowMatchesFilter(ARow)) HideRow(DisplToRealRow(ARow));
}

bool TExStringGrid::RemoveLastFilter() {
  // 5.
  if (FFilterLevel <= 0) return false;
  UnHideRowList();
  if (FFilterFixedRows >= 0) SetFixedRows(FFilterFixedRows);
  if (FSelHidden) UnHideSelection();
  CalcFooter(-1);
  --FFilterLevel;
  return FFilterLevel > 1;
}

void TExStringGrid::RemoveAllFilters() {
  // 6.
  if (FFilterLevel != 0) {
    while (FFilterLevel > 0) RemoveLastFilter();
    FFilterLevel = 0;
  } else {
    FFilter->Clear();
  }
}

void TExStringGrid::NarrowDown(const QString& ACondition, int AColumn) {
  // 7.
  FixedRowAlways = true;
  const QString& last = FLastFilter;
  if (!last.isEmpty() && ACondition.size() == last.size() + 1 && ACondition.startsWith(last)) {
    // 7.1 One more character: one more level over the rows still shown.
    SetNarrowCondition(*FFilter, ACondition, AColumn, true);
    ApplyFilter();
  } else if (!ACondition.isEmpty() && last.size() == ACondition.size() + 1 && last.startsWith(ACondition)) {
    // 7.2 One character less: the last level comes back.
    RemoveLastFilter();
  } else {
    // 7.3
    RemoveAllFilters();
    if (!ACondition.isEmpty()) {
      SetNarrowCondition(*FFilter, ACondition, AColumn, false);
      ApplyFilter();
    }
  }
  // 7.4 (Rows hidden otherwise, such as those of contracted nodes, stay hidden.)
  FLastFilter = ACondition;
}
