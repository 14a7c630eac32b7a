// How the grid reacts to changes of its counts, column widths and row heights:
// stretching one column to the client width, sizing all columns or rows together
// after a mouse sizing, the end-of-sizing events and the column-size hook; the
// floating footer's totals; the selection listener and change notifiers; and
// the lookups in the shared combo editor's item list.
#include <cmath>

#include "grid/input/grid_combo.h"
#include "grid/view/ex_string_grid.h"
#include "platform/rtl/exceptions.h"
#include "platform/rtl/string_list.h"

// --- size and widths ---

void TExStringGrid::SizeChanged(int OldColCount, int OldRowCount) {
  // 1.
  if (!Parent() || Loading()) return;
  // 2.
  if (FColumnSize->Stretch()) StretchToClientWidth(FColumnSize->StretchColumn);
  // 3.
  TBaseGrid::SizeChanged(OldColCount, OldRowCount);
  // 4. (Flat scroll bars are never in use: see the scrolling facet.)
}

void TExStringGrid::StretchRightColumn() { StretchToClientWidth(ColCount() - 1); }

void TExStringGrid::StretchToClientWidth(int Index) {
  // 1.
  if (Loading() || Destroying()) return;
  // 2. -1 is the last column; anything else outside the columns is refused.
  if (Index == -1) Index = ColCount() - 1;
  if (Index < 0 || Index >= ColCount()) throw Exception(QStringLiteral("Stretch column index out of range"));
  // 3.
  if (ColCount() == 0 || !FColumnSize->Stretch() || FIsColChanging) return;
  // 4.
  FIsColChanging = true;
  ColchgFlg = false;
  // 5. - 6.
  if (ColCount() == 1) {
    SetColWidths(Index, ClientWidth());
    FIsColChanging = false;
    return;
  }
  int others = 0;
  for (int c = 0; c < ColCount(); ++c)
    if (c != Index) others += ColWidths(c);
  if (others < ClientWidth())
    SetColWidths(Index, ClientWidth() - others - 1);
  else if (LeftCol() == FixedCols())
    SetColWidths(Index, DefaultColWidth());
  // 7.
  ColchgFlg = true;
  FIsColChanging = false;
  if (FFloatingFooter->Visible()) HostFloatingFooterLayout();
}

void TExStringGrid::HostStretchColumn() {
  ColchgFlg = true;
  StretchToClientWidth(FColumnSize->StretchColumn);
}

void TExStringGrid::CalcSizingState(int X, int Y, TGridState& State, int& Index, int& SizingPos,
                                    int& SizingOfs) {
  TBaseGrid::CalcSizingState(X, Y, State, Index, SizingPos, SizingOfs);
  // The application may refuse to let the mouse size a column or row.
  int c = -1, r = -1;
  MouseToCell(X - 6, Y, c, r);
  if (r >= 0 && r < FixedRows() && c >= 0) {
    bool allow = true;
    if (OnColumnSize) OnColumnSize(this, c, allow);
    if (!allow) State = gsNormal;
  }
  MouseToCell(X, Y - 6, c, r);
  if (c >= 0 && c < FixedCols() && r >= 0) {
    bool allow = true;
    if (OnRowSize) OnRowSize(this, r, allow);
    if (!allow) State = gsNormal;
  }
  // A press that starts sizing (the mouse handling has recorded the clicked
  // column or row and its size): the width or height set when the button goes
  // up ends a sizing by the mouse. Moving the mouse over a border starts none.
  if (!FMouseDownMove) {
    FPendingColSizing = FPendingRowSizing = false;
    return;
  }
  if (GridState() != gsNormal) return;
  FPendingColSizing = State == gsColSizing;
  FPendingRowSizing = State == gsRowSizing;
}

void TExStringGrid::ColWidthsChanged() {
  // A width set when a mouse sizing ends.
  if (FPendingColSizing && GridState() == gsNormal) {
    FPendingColSizing = false;
    ColSized = true;
  }
  // The widths set below for all columns together change nothing else.
  if (FSizingAll) {
    TBaseGrid::ColWidthsChanged();
    return;
  }
  // 1.
  if (ColchgFlg && FColumnSize->Stretch() && !FIsColChanging) StretchToClientWidth(FColumnSize->StretchColumn);
  // 2. (No design time here.)
  // 3.
  TBaseGrid::ColWidthsChanged();
  ColSizeFlg = true;
  // 4. All columns in proportion to the one sized by the mouse.
  if (ColSized && FMouseActions->AllColumnSize && Colclicked >= 0 && Colclickedsize > 0) {
    const double ratio = double(ColWidths(Colclicked)) / Colclickedsize;
    FSizingAll = true;
    for (int c = FixedCols(); c < ColCount(); ++c)
      if (c != Colclicked) SetColWidths(c, static_cast<int>(std::nearbyint(ColWidths(c) * ratio)));
    FSizingAll = false;
  }
  // 5. The end of a mouse sizing: the event, then the hook, which may set another
  //    width (the nested notification then finds the mark cleared).
  if (ColSized && Colclicked >= 0) {
    const int col = Colclicked;
    if (OnEndColumnSize) OnEndColumnSize(this, col);
    int width = ColWidths(col);
    UpdateColumnSizeHook(RealColIndex(col), width);
    if (width != ColWidths(col)) {
      ColSized = false;
      SetColWidths(col, width);
    }
  }
  // 6.
  if (ColSized) {
    Colclicked = -1;
    Rowclicked = -1;
  }
  // 7. (No control editor is placed over cells here.)
  // 8.
  ColSized = false;
  if (EditorMode() && HasCheckBox(RealCol(), Row())) HideInplaceEdit();
  UpdateFooter();
  CellControlsUpdate(false);
  // 9. (Proportional thumbs follow with the scrolling facet.)
  if (FColumnSize->Stretch() && ScrollProportional) UpdateProportionalThumbs();
}

void TExStringGrid::RowHeightsChanged() {
  if (FPendingRowSizing && GridState() == gsNormal) {
    FPendingRowSizing = false;
    RowSized = true;
  }
  TBaseGrid::RowHeightsChanged();
  if (FSizingAll) return;
  if (RowSized && FMouseActions->AllRowSize && Rowclicked >= 0 && Rowclickedsize > 0) {
    const double ratio = double(RowHeights(Rowclicked)) / Rowclickedsize;
    FSizingAll = true;
    for (int r = FixedRows(); r < RowCount(); ++r)
      if (r != Rowclicked) SetRowHeights(r, static_cast<int>(std::nearbyint(RowHeights(r) * ratio)));
    FSizingAll = false;
  }
  if (RowSized && OnEndRowSize) OnEndRowSize(this, Rowclicked);
  if (RowSized) {
    Colclicked = -1;
    Rowclicked = -1;
  }
  RowSized = false;
  if (EditorMode() && HasCheckBox(RealCol(), Row())) HideInplaceEdit();
  CellControlsUpdate(false);
}

void TExStringGrid::EndMouseColumnSizing(int ACol, int OldWidth) {
  Colclicked = ACol;
  Colclickedsize = OldWidth;
  ColSized = true;
  ColWidthsChanged();
}

// --- floating footer ---

void TExStringGrid::CalcFooter(int ACol) {
  if (!FFloatingFooter->Visible() || FFloatingFooter->FooterStyle() != fsFixedLastRow ||
      !FFloatingFooter->EnableCalculation)
    return;
  const int first = ACol == -1 ? 0 : ACol, last = ACol == -1 ? AllColCount() - 1 : ACol;
  const int footer = RowCount() - 1;
  const int b = FFloatingFooter->CalculateHiddenRows ? NumHiddenRows() : 0;
  for (int c = first; c <= last; ++c) {
    if (!CellHasProperties(c, footer)) continue;
    const TColumnCalcType kind = static_cast<TColumnCalcType>(GetCellProperties(c, footer)->CalcType & 0x7F);
    switch (kind) {
      case acCOUNT: SetInts(c, footer, RowCount() - FixedRows() - 1 + b); break;
      case acCUSTOM: {
        QString value;
        if (OnCalcFooter)
          OnCalcFooter(this, c, footer + b, value);
        else if (FFloatingFooter->OnCalcFooter)
          FFloatingFooter->OnCalcFooter(this, c, footer + b, value);
        SetCellEx(c, footer, value);
        break;
      }
      case acSUM: SetFloats(c, footer, ColumnSum(c, FixedRows(), footer - 1 + b)); break;
      case acAVG: SetFloats(c, footer, ColumnAvg(c, FixedRows(), footer - 1 + b)); break;
      case acMIN: SetFloats(c, footer, ColumnMin(c, FixedRows(), footer - 1 + b)); break;
      case acMAX: SetFloats(c, footer, ColumnMax(c, FixedRows(), footer - 1 + b)); break;
      case acDISTINCT: SetFloats(c, footer, ColumnDistinct(c, FixedRows(), footer - 1 + b)); break;
      case acSTDDEV: SetFloats(c, footer, ColumnStdDev(c, FixedRows(), footer - 1 + b)); break;
      default: break;  // acSPREAD and no kind: nothing
    }
  }
}

// --- registries ---

void TExStringGrid::RegisterSelListener(ITExStringGridSelect* AListener) { FISelect = AListener; }
void TExStringGrid::UnRegisterSelListener(ITExStringGridSelect*) { FISelect = nullptr; }

void TExStringGrid::RegisterNotifier(TGridChangeNotifier* ANotifier) {
  if (std::find(FNotifierList.begin(), FNotifierList.end(), ANotifier) == FNotifierList.end())
    FNotifierList.push_back(ANotifier);
}

void TExStringGrid::UnRegisterNotifier(TGridChangeNotifier* ANotifier) {
  FNotifierList.erase(std::remove(FNotifierList.begin(), FNotifierList.end(), ANotifier), FNotifierList.end());
}

void TExStringGrid::CellsChangedHook(TRect R) {
  if (OnCellsChanged) OnCellsChanged(this, R);
  for (TGridChangeNotifier* n : FNotifierList) n->GridCellsChanged(R);
  CalcFooter(-1);
}

// --- the combo editor's items (the list lives with the in-place editors) ---

namespace {

int IndexOfExact(TControlItems* items, const QString& s) {
  for (int i = 0; i < items->Count(); ++i)
    if (items->Strings(i) == s) return i;
  return -1;
}

}  // namespace

bool TExStringGrid::RemoveComboString(const QString& s) {
  TControlItems* items = Combobox()->Items();
  const int i = IndexOfExact(items, s);
  if (i < 0) return false;
  items->Delete(i);
  return true;
}

int TExStringGrid::GetComboIndex(int ACol, int ARow) {
  GetEditorPropHook(ACol, ARow, nullptr);
  return IndexOfExact(Combobox()->Items(), GetCellEx(ACol, ARow));
}

void TExStringGrid::SetComboIndex(int ACol, int ARow, int Value) {
  GetEditorPropHook(ACol, ARow, nullptr);
  SetCellEx(ACol, ARow, Combobox()->Items()->Strings(Value));
}
