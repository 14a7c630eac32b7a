// Cell texts read and written by real row (hidden rows included), in the order
// before sorting or before column moves, without tags, and at the current cell.
#include "grid/base/html_entities.h"
#include "grid/base/line_breaks.h"
#include "grid/view/ex_string_grid.h"

// --- by real row ---

QString TExStringGrid::GetCellsEx(int i, int j) {
  if (i < 0 || j < 0) return QString();
  if (TStringList* items = GetHiddenRowItems(j)) {
    QString text = items->Strings(i);
    DoGetDisplText(i, j, text);
    return text;
  }
  return GetCellEx(i, RealToDisplRow(j));
}

void TExStringGrid::SetCellsEx(int i, int j, const QString& Value) {
  if (i < 0 || j < 0) return;
  if (TStringList* items = GetHiddenRowItems(j)) {
    while (items->Count() <= i) items->Add(QString());
    items->Put(i, Value);
    return;
  }
  const int row = RealToDisplRow(j);
  SetCellEx(i, row, Value);
  if (RealToDisplCol(i) != i) RepaintCell(RealToDisplCol(i), row);
}

QString TExStringGrid::GetGridCellsEx(int i, int j) {
  if (i < 0 || j < 0) return QString();
  if (TStringList* items = GetHiddenRowItems(j)) return items->Strings(i);
  return GetGridCell(i, RealToDisplRow(j));
}

void TExStringGrid::SetGridCellsEx(int i, int j, const QString& Value) {
  if (i < 0 || j < 0) return;
  if (TStringList* items = GetHiddenRowItems(j)) {
    items->Put(i, Value);
    return;
  }
  SetGridCell(i, RealToDisplRow(j), Value);
}

uintptr_t TExStringGrid::GetObjectsEx(int i, int j) {
  if (i < 0 || j < 0) return 0;
  TStringList* items = GetHiddenRowItems(j);
  if (!items) return GetObjectEx(i, RealToDisplRow(j));
  if (i >= items->Count()) return 0;
  auto* object = static_cast<TObject*>(items->Objects(i));
  if (auto* props = dynamic_cast<TCellProperties*>(object)) return props->CellObject;
  return reinterpret_cast<uintptr_t>(object);
}

void TExStringGrid::SetObjectsEx(int i, int j, uintptr_t aObject) {
  if (i < 0 || j < 0) return;
  TStringList* items = GetHiddenRowItems(j);
  if (!items) {
    SetObjectEx(i, RealToDisplRow(j), aObject);
    return;
  }
  if (i >= items->Count()) return;
  auto* object = static_cast<TObject*>(items->Objects(i));
  if (auto* props = dynamic_cast<TCellProperties*>(object))
    props->CellObject = aObject;
  else
    items->PutObject(i, reinterpret_cast<void*>(aObject));
}

TObject* TExStringGrid::GetRealRowProperties(int ACol, int ARow) {
  if (ACol < 0 || ARow < 0) return nullptr;
  if (TStringList* items = GetHiddenRowItems(ARow))
    return ACol < items->Count() ? static_cast<TObject*>(items->Objects(ACol)) : nullptr;
  return GetGridObject(ACol, RealToDisplRow(ARow));
}

// --- sort order and column order ---

int TExStringGrid::SortedRowIndex(int ARow) {
  if (ARow >= 0 && ARow < FSortRowXRef->Count()) ARow = FSortRowXRef->GetInteger(ARow);
  return DisplToRealRow(ARow);
}

int TExStringGrid::UnSortedRowIndex(int ARow) {
  if (FSortRowXRef->Count() == 0) return ARow;
  const int p = FSortRowXRef->IndexOf(ARow);
  return p >= 0 ? p : FSortRowXRef->Count();
}

namespace {

int UnsortedRow(const TIntList& xref, int j) {
  if (j > xref.Count()) return j;
  const int p = xref.IndexOf(j);
  return p >= 0 ? p : xref.Count();
}

}  // namespace

QString TExStringGrid::UnSortedCells(int i, int j) { return GetCellEx(i, UnsortedRow(*FSortRowXRef, j)); }

void TExStringGrid::SetUnSortedCells(int i, int j, const QString& Value) {
  SetCellEx(i, UnsortedRow(*FSortRowXRef, j), Value);
}

QString TExStringGrid::OriginalCells(int i, int j) {
  const int p = ColumnPosition(i);
  return GetCellEx(p >= 0 ? p : i, j);
}

void TExStringGrid::SetOriginalCells(int i, int j, const QString& Value) {
  const int p = ColumnPosition(i);
  SetCellEx(p >= 0 ? p : i, j, Value);
}

// --- other views ---

QString TExStringGrid::StrippedCells(int i, int j) { return StripHtmlToText(GetCellEx(i, j)); }

int TExStringGrid::LinesInCell(int i, int j) { return CountLines(GetCellEx(i, j), true); }

// --- the current cell (its merge base cell) ---

QString TExStringGrid::GetCurrentCell() {
  const TPoint base = BaseCell(RealCol(), Row());
  return GetGridCell(base.X, base.Y);
}

void TExStringGrid::SetCurrentCell(const QString& Value) {
  const TPoint base = BaseCell(RealCol(), Row());
  SetCellEx(base.X, base.Y, Value);
}

QString TExStringGrid::GetCurrentCellText() {
  const TPoint base = BaseCell(RealCol(), Row());
  return GetCellEx(base.X, base.Y);
}

void TExStringGrid::SetCurrentCellText(const QString& Value) {
  if (IsBaseCell(RealCol(), Row())) {
    SetEditText(Col(), Row(), Value);
    return;
  }
  const TPoint base = BaseCell(RealCol(), Row());
  SetEditText(RealToDisplCol(base.X), base.Y, Value);
}
