// The property accessors that do more than store: the row and column counts
// with the remembered fixed counts, the fixed area's sizes, word wrap and
// alignment, and the appearance setters.
#include <algorithm>

#include "grid/base/html_colors.h"
#include "grid/view/ex_string_grid.h"

// --- counts, current column and fixed area ---

void TExStringGrid::SetRowCount(int Value) {
  const int oldCount = RowCount();
  // 1.
  if (RowCount() == TStringGrid::FixedRows() && FixedRowAlways && FSelHidden) UnHideSelection();
  // 2. - 3.
  TStringGrid::SetRowCount(Value);
  if (FixedRowAlways && FFixedRowsMin < RowCount()) SetFixedRows(FFixedRowsMin);
  // 4.
  if (Value > FMaxRowCount) FMaxRowCount = Value;
  NormalRowCount = Value;
  // 5.
  UpdateFooter();
  ApplyScrollBarAlways(false);
  // 6. The floating footer's row stays the last row.
  if (FFloatingFooter && FFloatingFooter->Visible() && RowCount() != oldCount && oldCount > 0) {
    const int newLast = RowCount() - 1, oldLast = oldCount - 1;
    TAllColumnsGuard all(*this);
    if (newLast < oldLast) FreeCellPropertiesRect(0, newLast, ColCount() - 1, newLast);
    CopyRowCells(oldLast, newLast);
    ClearRowCells(oldLast);
    CalcFooter(-1);
  }
}

void TExStringGrid::SetColCount(int Value) {
  TStringGrid::SetColCount(Value);
  if (FixedColAlways && FFixedColsMin < ColCount()) SetFixedCols(FFixedColsMin);
  if (Value > FMaxColCount) FMaxColCount = Value;
  UpdateFooter();
  SetBounds(Left(), Top(), Width(), Height());
  ApplyScrollBarAlways(false);
}

void TExStringGrid::SetCol(int Value) {
  TStringGrid::SetCol(Value);
  if (FSyncGrid->Grid() && FSyncGrid->SelectionColumn) FSyncGrid->Grid()->SetCol(Col());
}

int TExStringGrid::FixedRows() const {
  const int fixed = TStringGrid::FixedRows();
  return fixed == 0 && FixedRowAlways ? 1 : fixed;
}

void TExStringGrid::SetFixedRows(int Value) {
  const int applied = Value >= RowCount() && FixedRowAlways ? RowCount() - 1 : Value;
  TStringGrid::SetFixedRows(applied);
  if (!Loading()) FFixedRowsMin = Value;
}

int TExStringGrid::FixedCols() const {
  const int fixed = TStringGrid::FixedCols();
  return fixed == 0 && FixedColAlways ? 1 : fixed;
}

void TExStringGrid::SetFixedCols(int Value) {
  const int applied = Value >= ColCount() && FixedColAlways ? ColCount() - 1 : Value;
  TStringGrid::SetFixedCols(applied);
  if (!Loading()) FFixedColsMin = Value;
}

void TExStringGrid::SetFixedColWidth(int Value) {
  if (Loading() || Value == DefaultColWidth()) return;
  for (int c = 0; c < TStringGrid::FixedCols(); ++c) SetColWidths(c, Value);
}

void TExStringGrid::SetFixedRowHeight(int Value) {
  FFixedRowHeight = Value;
  if (Loading()) return;
  if (Value == DefaultRowHeight()) {
    SetDefaultRowHeight(Value);
    return;
  }
  for (int r = 0; r < TStringGrid::FixedRows(); ++r) SetRowHeights(r, Value);
}

void TExStringGrid::SetDefaultRowHeight(int Value) {
  TStringGrid::SetDefaultRowHeight(Value);
  if (Designing()) FFixedRowHeight = Value;
  if (FFloatingFooter) FFloatingFooter->SetHeight(Value);
}

void TExStringGrid::SetFixedFooters(int Value) {
  FFixedFooters = Value;
  Invalidate();
}

void TExStringGrid::SetFixedRightCols(int Value) {
  FFixedRightCols = Value;
  Invalidate();
}

void TExStringGrid::SetWordWrap(bool Value) {
  FWordWrapEx = Value;
  TBaseGrid::SetWordWrap(Value);
  if (FUpdateCount == 0) Invalidate();
}

// --- appearance ---

void TExStringGrid::SetVAlignment(TVAlignment Value) {
  FVAlignment = Value;
  FVAlign = Value == vtaCenter ? 4 : Value == vtaBottom ? 8 : 0;
  if (FUpdateCount == 0) Invalidate();
}

void TExStringGrid::SetDefaultAlignment(TAlignment Value) {
  if (FDefaultAlignment == Value) return;
  FDefaultAlignment = Value;
  Invalidate();
}

void TExStringGrid::SetShowDesignHelper(bool Value) {
  if (FShowDesignHelper == Value) return;
  FShowDesignHelper = Value;
  Invalidate();
}

void TExStringGrid::SetHighlightColor(TColor Value) {
  if (FHighlightColor == Value) return;
  FHighlightColor = Value;
  SetHtmlHighlightColors(FHighlightColor, FHighlightTextColor);
  Invalidate();
}

void TExStringGrid::SetHighlightTextColor(TColor Value) {
  if (FHighlightTextColor == Value) return;
  FHighlightTextColor = Value;
  SetHtmlHighlightColors(FHighlightColor, FHighlightTextColor);
  Invalidate();
}

void TExStringGrid::SetActiveCellShow(bool Value) {
  FActiveCellShow = Value;
  Invalidate();
}

void TExStringGrid::SetActiveCellColor(TColor Value) {
  FActiveCellColor = Value;
  Invalidate();
}

void TExStringGrid::SetActiveCellColorTo(TColor Value) {
  FActiveCellColorTo = Value;
  Invalidate();
}

void TExStringGrid::SetXYOffset(TPoint Value) {
  FXYOffset = Value;
  Invalidate();
}

namespace {

template <typename T>
bool Store(T& field, T value) {
  if (field == value) return false;
  field = value;
  return true;
}

}  // namespace

void TExStringGrid::SetSelectionColor(TColor Value) {
  if (Store(FSelectionColor, Value)) Invalidate();
}
void TExStringGrid::SetSelectionColorTo(TColor Value) {
  if (Store(FSelectionColorTo, Value)) Invalidate();
}
void TExStringGrid::SetSelectionMirrorColor(TColor Value) {
  if (Store(FSelectionMirrorColor, Value)) Invalidate();
}
void TExStringGrid::SetSelectionMirrorColorTo(TColor Value) {
  if (Store(FSelectionMirrorColorTo, Value)) Invalidate();
}
void TExStringGrid::SetSelectionTextColor(TColor Value) {
  if (Store(FSelectionTextColor, Value)) Invalidate();
}
void TExStringGrid::SetSelectionColorMixer(bool Value) {
  if (Store(FSelectionColorMixer, Value)) Invalidate();
}
void TExStringGrid::SetSelectionColorMixerFactor(int Value) {
  if (Store(FSelectionColorMixerFactor, std::clamp(Value, 0, 100))) Invalidate();
}
void TExStringGrid::SetSelectionRectangle(bool Value) {
  if (Store(FSelectionRectangle, Value)) Invalidate();
}
void TExStringGrid::SetSelectionResizer(bool Value) {
  if (Store(FSelectionResizer, Value)) Invalidate();
}

void TExStringGrid::SetShowSelection(bool Value) {
  if (!Store(FShowSelection, Value)) return;
  ShowSel = Value;
  Invalidate();
}

void TExStringGrid::SetAutoSize(bool Value) {
  FAutoSize = Value;
  if (Value && !Loading()) AutoSizeColumns(false, 10);
}

void TExStringGrid::SetFlat(bool Value) {
  FFlat = Value;
  if (!Loading()) Invalidate();
}

void TExStringGrid::SetAutoThemeAdapt(bool Value) {
  if (!Store(FAutoThemeAdapt, Value)) return;
  FSearchFooter->SetAutoThemeAdapt(Value);
  if (Value) {
    ApplyOfficeTheme();
    Invalidate();
  }
  if (Designing() || Loading() || !Parent()) return;
  if (Value)
    GetThemeNotifier(this)->RegisterWindow(reinterpret_cast<intptr_t>(this));
  else
    GetThemeNotifier(this)->UnRegisterWindow(reinterpret_cast<intptr_t>(this));
}

void TExStringGrid::SetSpreadSheet(bool Value) {
  FSpreadSheet = Value;
  SetSelectionRectangle(true);
  SetSelectionResizer(true);
  FNavigation->AllowSmartClipboard = true;
  SetOptions(Options() + goEditing + goRangeSelect);
  FMouseActions->RangeSelectAndEdit = true;
}

void TExStringGrid::SetBorderColor(TColor Value) {
  if (!Store(FBorderColor, Value)) return;
  if (Parent()) Invalidate();
}

void TExStringGrid::SetActiveCellFont(const TFont* Value) {
  if (Value) FActiveCellFont->Assign(*Value);
  Invalidate();
}

void TExStringGrid::SetRowIndicator(const TBitmap* Value) {
  if (Value) FRowIndicator->Assign(*Value);
  RepaintCell(0, Row());
}

void TExStringGrid::SetBackGround(const TBackGround* Value) {
  if (Value) FBackGround->CopyFrom(*Value);
  Invalidate();
}

bool TExStringGrid::IsPasswordCell(int ACol, int ARow) {
  bool password = false;
  IsPasswordCellHook(ACol, ARow, password);
  return password;
}

// --- the settings objects' requests ---

void TExStringGrid::HostFloatingFooterLayout() {
  const bool lastRowFooter = FFloatingFooter->Visible() && FFloatingFooter->FooterStyle() == fsFixedLastRow;
  FFixedFooters = lastRowFooter ? 1 : 0;
  HideLastRow = lastRowFooter;
  UpdateFooter();
  PlaceBottomPanels();
  Invalidate();
}

TColumnCalcType TExStringGrid::HostColumnCalc(int ACol) {
  const int last = RowCount() - 1;
  if (!CellHasProperties(ACol, last)) return acNONE;
  return GetCellProperties(ACol, last)->CalcType;
}

void TExStringGrid::HostSetColumnCalc(int ACol, TColumnCalcType Value) {
  if (ACol < 0 || ACol >= AllColCount()) return;
  GetCellProperties(ACol, RowCount() - 1)->CalcType = Value;
  CalcFooterColumn(ACol);
}
