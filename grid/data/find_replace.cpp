// Finding cells whose text matches a search text, cell by cell in a chosen
// order (row by row or column by column, forwards or backwards) over a chosen
// area; replacing in the found cells; and the type-ahead search in the sort
// column. No search raises: (-1, -1) and -1 say that nothing was found.
#include <algorithm>
#include <set>
#include <utility>

#include "grid/base/filter_expression.h"
#include "grid/base/html_entities.h"
#include "grid/data/floating_footer.h"
#include "grid/view/ex_string_grid.h"
#include "grid/view/show_modified.h"
#include "platform/rtl/strings.h"

namespace {

// The bounds of the search area, inclusive.
struct TArea {
  int Left = 0, Top = 0, Right = -1, Bottom = -1;
};

}  // namespace

TPoint TExStringGrid::FindCore(TPoint StartCell, const QString& s, TFindParams P, bool Wide) {
  FindBusy = true;
  FFindParams = P;
  // 1. The area.
  if (ColCount() == FixedCols() || ColCount() == 0 || RowCount() + NumHiddenRows() == FixedRows() || RowCount() == 0)
    return {-1, -1};
  TArea a;
  if (P.Contains(fnIncludeFixed)) a = {0, 0, ColCount() - 1, RowCount() - 1};
  else a = {FixedCols(), FixedRows(), ColCount() - FFixedRightCols - 1, RowCount() - FFixedFooters - 1};
  if (P.Contains(fnSelectedCells)) {
    const TGridRect sel = Selection();
    a = {sel.Left, sel.Top, sel.Right, sel.Bottom};
  }
  if (P.Contains(fnIncludeHiddenColumns)) a.Right += NumHiddenColumns();
  if (P.Contains(fnIncludeHiddenRows)) a.Bottom += NumHiddenRows();
  SearchCache = P.Contains(fnMatchCase) ? s : AnsiUpperCase(s);
  SearchCacheWide = SearchCache;
  // 2. The start: one step on from the given cell.
  const bool backward = P.Contains(fnBackward), rowByRow = P.Contains(fnDirectionLeftRight);
  int c = StartCell.X, r = StartCell.Y;
  if (c == -1 && r == -1) {
    c = backward ? a.Right : a.Left;
    r = backward ? a.Bottom : a.Top;
  } else {
    // The inner index steps first; past its bound the outer one does.
    int& inner = rowByRow ? c : r;
    int& outer = rowByRow ? r : c;
    const int innerLo = rowByRow ? a.Left : a.Top, innerHi = rowByRow ? a.Right : a.Bottom;
    const int outerLo = rowByRow ? a.Top : a.Left, outerHi = rowByRow ? a.Bottom : a.Right;
    if (!backward) {
      if (inner <= innerHi) ++inner;
      else if (outer <= outerHi) ++outer;
      else {
        c = a.Left;
        r = a.Top;
      }
    } else {
      if (inner >= innerLo) --inner;
      else if (outer >= outerLo) --outer;
      else {
        c = a.Right;
        r = a.Bottom;
      }
    }
  }
  if (P.Contains(fnFindInCurrentRow)) r = a.Top = a.Bottom = Row();
  if (P.Contains(fnFindInPresetRow)) r = a.Top = a.Bottom = FindRow;
  if (P.Contains(fnFindInCurrentCol)) c = a.Left = a.Right = Col();
  if (P.Contains(fnFindInPresetCol)) c = a.Left = a.Right = FindCol;
  // 3. The walk.
  const int step = backward ? -1 : 1;
  auto inside = [](int v, int lo, int hi) { return v >= lo && v <= hi; };
  auto visit = [&](int col, int row) {
    ExportNotification(esExportNewRow, row);
    const int rc = P.Contains(fnIncludeHiddenColumns) ? col : RealColIndex(col);
    return !IsIgnoredColumn(rc) && MatchCell(col, row, Wide);
  };
  int foundC = -1, foundR = -1;
  if (rowByRow) {
    for (; inside(r, a.Top, a.Bottom) && foundR < 0; r += step) {
      for (; inside(c, a.Left, a.Right); c += step)
        if (visit(c, r)) {
          foundC = c;
          foundR = r;
          break;
        }
      c = P.Contains(fnFindInCurrentCol) ? Col() : backward ? a.Right : a.Left;
    }
  } else {
    for (; inside(c, a.Left, a.Right) && foundC < 0; c += step) {
      for (; inside(r, a.Top, a.Bottom); r += step)
        if (visit(c, r)) {
          foundC = c;
          foundR = r;
          break;
        }
      r = P.Contains(fnFindInCurrentRow) ? Row() : backward ? a.Bottom : a.Top;
    }
  }
  if (foundC < 0) {
    FindBusy = false;
    return {-1, -1};
  }
  // 4.
  SearchCell = {foundC, foundR};
  if (P.Contains(fnAutoGoto)) {
    int row = foundR;
    if (P.Contains(fnIncludeHiddenRows) && NumHiddenRows() > 0) {
      // A hidden row under a contracted node: the node opens first.
      if (IsHiddenRow(row) && HasNodes()) {
        int total = FixedRows();
        for (int n = FixedRows(); n < RowCount(); ++n) {
          if (!IsNode(n)) continue;
          total += std::max(GetNodeSpan(n), 1);
          if (total > row) {
            if (GetNodeState(n)) ExpandNode(DisplToRealRow(n));
            break;
          }
        }
      }
      row = RealToDisplRow(row);
    }
    const int col = P.Contains(fnIncludeHiddenColumns) ? RealToDisplCol(foundC) : foundC;
    if (FMouseActions->DisjunctRowSelect()) {
      ClearRowSelect();
      SetRowSelect(row, true);
      SetRow(row);
    } else {
      SetRow(row);
      SetCol(col);
    }
  }
  return SearchCell;
}

bool TExStringGrid::MatchCell(int ACol, int ARow, bool Wide) {
  // 5.
  const TFindParams& P = FFindParams;
  const int col = P.Contains(fnIncludeHiddenColumns) ? ACol : RealColIndex(ACol);
  QString text = P.Contains(fnIncludeHiddenRows) ? GetCellsEx(col, ARow) : GetCellEx(col, ARow);
  if (!P.Contains(fnMatchCase)) text = AnsiUpperCase(text);
  if (!Wide && P.Contains(fnIgnoreHTMLTags)) text = StripHtmlToText(text);
  if (SearchCache == QLatin1String("\"\"")) return text.isEmpty();
  // The 1-based position of the search text (an empty one is never found).
  const qsizetype p = SearchCache.isEmpty() ? 0 : text.indexOf(SearchCache) + 1;
  const bool found = P.Contains(fnMatchStart) ? p == 1 : p > 0;
  const bool full = !P.Contains(fnMatchFull) || text == SearchCache;
  if (found && full) return true;
  if (Wide || !P.Contains(fnMatchRegular)) return false;
  try {
    return MatchFilterExpression(SearchCache, text, P.Contains(fnMatchCase));
  } catch (...) {
    return false;
  }
}

TPoint TExStringGrid::Find(TPoint StartCell, const QString& s, TFindParams FindParams) {
  // 6.
  ExportNotification(esExportStart, -1);
  const TPoint result = FindCore(StartCell, s, FindParams, false);
  ExportNotification(result.X < 0 ? esExportDone : esExportFail, -1);
  if (FindParams.Contains(fnAutoGoto)) {
    const int m = FFloatingFooter->Visible() ? 2 : 0;
    if (Row() > TopRow() + VisibleRowCount() - m - 2 && VisibleRowCount() + FixedRows() + m < RowCount())
      SetTopRow(TopRow() + m + 1);
  }
  return result;
}

TPoint TExStringGrid::FindWide(TPoint StartCell, const QString& s, TFindParams FindParams) {
  ExportNotification(esExportStart, -1);
  const TPoint result = FindCore(StartCell, s, FindParams, true);
  ExportNotification(result.X < 0 ? esExportDone : esExportFail, -1);
  return result;
}

TPoint TExStringGrid::FindFirst(const QString& s, TFindParams FindParams) {
  SearchCell = Find({-1, -1}, s, FindParams);
  return SearchCell;
}

TPoint TExStringGrid::FindNext() {
  SearchCell = Find(SearchCell, SearchCache, FFindParams);
  return SearchCell;
}

int TExStringGrid::Replace(const QString& OrigStr, const QString& NewStr, TFindParams FindParams) {
  // 7. The search's own case rule rewrites; a cell found again ends the loop
  // (with the current row or column options the search can stand still).
  const Qt::CaseSensitivity cs = FindParams.Contains(fnMatchCase) ? Qt::CaseSensitive : Qt::CaseInsensitive;
  const bool realCols = FindParams.Contains(fnIncludeHiddenColumns), realRows = FindParams.Contains(fnIncludeHiddenRows);
  std::set<std::pair<int, int>> done;
  int count = 0;
  for (TPoint cell = Find({-1, -1}, OrigStr, FindParams); cell.X >= 0; cell = Find(cell, OrigStr, FindParams)) {
    if (!done.insert({cell.X, cell.Y}).second) break;
    const int col = realCols ? cell.X : RealColIndex(cell.X);
    QString text = realRows ? GetCellsEx(col, cell.Y) : GetCellEx(col, cell.Y);
    if (!OrigStr.isEmpty()) text.replace(OrigStr, NewStr, cs);
    if (realRows) SetCellsEx(col, cell.Y, text);
    else SetCellEx(col, cell.Y, text);
    if (FShowModified->Enabled) SetRowModified(realRows ? RealToDisplRow(cell.Y) : cell.Y, true);
    ++count;
  }
  return count;
}

int TExStringGrid::Search(const QString& s) {
  // 8.
  if (RowCount() < 2) return -1;
  int col = FixedCols();
  if (FSortSettings->Show()) {
    if (FSortSettings->IndexShow) col = FSortIndexes->Count() > 0 ? FSortIndexes->SortColumns(0) : FixedCols();
    else col = FSortSettings->Column;
  }
  if (col == -1) return -1;
  for (int r = FixedRows(); r < RowCount(); ++r)
    if (AnsiUpperCase(StrippedCells(col, r).left(s.size())) == s) return r;
  return -1;
}
