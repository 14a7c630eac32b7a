// The grid's virtual hooks with their base behaviour: the per-cell questions
// answer from the grid's own settings and then raise the matching event; the
// others raise their event or do the small step their slot names.
#include "grid/base/text_kinds.h"
#include "grid/base/undo_redo.h"
#include "grid/view/ex_string_grid.h"
#include "grid/view/grid_unit.h"
#include "platform/rtl/strings.h"

namespace {

bool IsNodeRow(TExStringGrid& g, int ARow) { return g.GetCellType(0, ARow) == ctNode; }
bool IsSummaryRow(TExStringGrid& g, int ARow) { return g.GetCellType(0, ARow) == ctSummary; }

}  // namespace

void TExStringGrid::DoClickSort(int ACol) {
  if (OnClickSort) OnClickSort(this, ACol);
}

void TExStringGrid::EditorValueToCell(int ACol, int ARow, const QString& Value) {
  SetEditText(ACol, ARow, Value);
  SetCellEx(DisplToRealCol(ACol), ARow, Value);
}

// ACol is a display column; the cell is written, and registered for undo, by its
// real column, so that undo restores the right cell also with hidden columns.
void TExStringGrid::PasteCell(int ACol, int ARow, const QString& Value) {
  const int c = DisplToRealCol(ACol);
  const QString before = GetCellEx(c, ARow);
  if (HasCheckBox(c, ARow)) {
    QString checkTrue;
    GetCheckTrue(c, ARow, checkTrue);
    ChangeCheckBoxState(c, ARow, Value == checkTrue);
  } else {
    SetCellEx(c, ARow, Value);
  }
  if (UndoRedo()) UndoRedo()->RegisterChange(c, ARow, before, GetCellEx(c, ARow));
  if (c != ACol) RepaintCell(ACol, ARow);
}

void TExStringGrid::CancelCellEdit() { SetCellEx(RealCol(), Row(), OriginalCellValue); }

void TExStringGrid::GetFloatFormatHook(int, int, QString& AFormat) { AFormat = FloatFormat; }

void TExStringGrid::PrintGetPageNumHook(int PageNum, int PageColNum, QString& Text) {
  if (OnPrintGetPageNum) OnPrintGetPageNum(this, PageNum, PageColNum, Text);
}

void TExStringGrid::GetEditorPropHook(int ACol, int ARow, TEditLink* EditLink) {
  if (OnGetEditorProp) OnGetEditorProp(this, ACol, ARow, EditLink);
  if (OnGetEditorPropInt) OnGetEditorPropInt(this, ACol, ARow);
}

void TExStringGrid::CheckBoxClickHook(int ACol, int ARow, bool State) {
  if (OnCheckBoxClick) OnCheckBoxClick(this, ACol, ARow, State);
}

void TExStringGrid::FixedEditHook(int ACol, int ARow, TGridFixedCellEditor& Editor, TStringList* Values) {
  if (OnFixedEdit) OnFixedEdit(this, ACol, ARow, Editor, Values);
}

void TExStringGrid::SelectionChangedHook(int ALeft, int ATop, int ARight, int ABottom) {
  if (FLook == glVista || FLook == glWin7 || FLook == glOffice2007) InvalidateCellRange(Selection());
  FSelChange = true;
  if (OnSelectionChanged) OnSelectionChanged(this, ALeft, ATop, ARight, ABottom);
}

void TExStringGrid::InsertRowHook(int ARow) {
  if (FNumNodes == 0) return InsertRows(ARow, 1, true);
  if (GetParentRow(RealToDisplRow(ARow)) < 0) InsertNormalRow(ARow);
  else InsertChildRow(ARow, 0);
}

void TExStringGrid::RemoveRowHook(int ARow) {
  if (FNumNodes > 0) {
    if (GetParentRow(RealToDisplRow(ARow)) < 0) RemoveNormalRow(RealToDisplRow(ARow));
    else RemoveChildRow(ARow);
  } else if (RowCount() - TStringGrid::FixedRows() <= 1 && !FixedRowAlways) {
    ClearRows(ARow, 1);
  } else {
    RemoveRows(ARow, 1);
  }
  if (OnAutoDeleteRow) OnAutoDeleteRow(this, ARow);
}

void TExStringGrid::FilterDoneHook() {
  if (OnFilterDone) OnFilterDone(this);
}

void TExStringGrid::UpdateColumnSizeHook(int ACol, int& Width) {
  if (OnUpdateColumnSize) OnUpdateColumnSize(this, ACol, Width);
}

void TExStringGrid::UpdateAutoColumnSizeHook(int ACol, int& Width) {
  if (OnUpdateColumnSize) OnUpdateColumnSize(this, ACol, Width);
}

void TExStringGrid::EllipsClickHook(const QString& Text, QString& Result) {
  Result = Text;
  if (OnEllipsClick) OnEllipsClick(this, RealCol(), Row(), Result);
}

void TExStringGrid::MarkPastedRows(TGridRect Rect) {
  if (!FShowModified->Enabled) return;
  for (int r = Rect.Top; r <= Rect.Bottom; ++r) SetRowModified(r, true);
}

void TExStringGrid::GetRawCellText(int ACol, int ARow, QString& Text) { Text = GetCellEx(ACol, ARow); }

void TExStringGrid::LoadCellHook(int ACol, int ARow, const QString& Value) {
  QString value = Value;
  if (OnLoadCell) OnLoadCell(this, ACol, ARow, value);
  SetCellEx(ACol, ARow, value);
}

void TExStringGrid::CanEditCellHook(int ACol, int ARow, bool& CanEdit) {
  if (OnCanEditCell) OnCanEditCell(this, ARow, ACol, CanEdit);
}

void TExStringGrid::SearchFooterActionHook(const QString& Value, int ACol, int ARow, TSearchAction Action) {
  if (OnSearchFooterAction) OnSearchFooterAction(this, Value, ACol, ARow, Action);
}

void TExStringGrid::ButtonClickHook(int ACol, int ARow) {
  if (OnButtonClick) OnButtonClick(this, ACol, ARow);
}

void TExStringGrid::ComboCloseUpHook(int ARow, int ACol) {
  if (OnComboCloseUp) OnComboCloseUp(this, ARow, ACol);
}

void TExStringGrid::ComboDropDownHook(int ARow, int ACol) {
  if (OnComboDropDown) OnComboDropDown(this, ARow, ACol);
}

TCursor TExStringGrid::GetCellCursorHook(int ACol, int ARow, int X, int Y, TCursor Start) {
  if (OnGetCellCursor) OnGetCellCursor(this, ACol, ARow, X, Y, Start);
  return Start;
}

void TExStringGrid::GridHintHook(int ACol, int ARow, QString& Hint, QString& WideHint) {
  if (OnGridHint) OnGridHint(this, ARow, ACol, Hint);
  if (OnGridWideHint) OnGridWideHint(this, ARow, ACol, WideHint);
  if (!WideHint.isEmpty()) Hint = EncodeWideCellText(WideHint);
}

void TExStringGrid::GetCellColorHook(int ACol, int ARow, TGridDrawState AState, TBrush* ABrush, TFont* AFont) {
  const int fixedCols = TStringGrid::FixedCols(), fixedRows = TStringGrid::FixedRows();
  const bool activeHeader = (fixedCols > 0 && ACol == fixedCols - 1 && ARow == Row()) ||
                            (fixedRows > 0 && ARow == fixedRows - 1 && ACol == RealCol());
  if (FActiveCellShow && activeHeader) {
    AFont->Assign(*FActiveCellFont);
    ABrush->SetColor(FActiveCellColor);
  }
  if (const TCellProperties* p = ExistingCellProperties(ACol, ARow)) {
    switch (GetCellType(ACol, ARow)) {
      case ctIcon:
      case ctNone:
      case ctImageList:
      case ctEmpty:
      case ctImages:
      case ctComment:
        if (p->BrushColor() != clNone) ABrush->SetColor(p->BrushColor());
        break;
      default:
        break;
    }
    if (p->FontColor != clNone) AFont->SetColor(p->FontColor);
    if (!p->FontStyle.Empty()) AFont->SetStyle(p->FontStyle);
    if (p->FontSize != 0) AFont->SetSize(p->FontSize);
    if (!p->FontName.isEmpty()) AFont->SetName(p->FontName);
  }
  if (OnGetCellColor) OnGetCellColor(this, ARow, ACol, AState, ABrush, AFont);
}

void TExStringGrid::GetCellPrintColorHook(int ACol, int ARow, TGridDrawState AState, TBrush* ABrush, TFont* AFont) {
  if (OnGetCellPrintColor) OnGetCellPrintColor(this, ARow, ACol, AState, ABrush, AFont);
}

void TExStringGrid::GetCellBorderHook(int ACol, int ARow, TCellBorders& Borders, TPen* APen) {
  if (FGrouping->HeaderUnderline && ACol > 0 && IsNodeRow(*this, ARow)) {
    Borders = {cbBottom};
    APen->SetColor(FGrouping->HeaderLineColor);
    APen->SetWidth(FGrouping->HeaderLineWidth);
  }
  if (FGrouping->SummaryLine && ACol > 0 && IsSummaryRow(*this, ARow)) {
    Borders = {cbTop};
    APen->SetColor(FGrouping->SummaryLineColor);
    APen->SetWidth(FGrouping->SummaryLineWidth);
  }
  if (OnGetCellBorder) OnGetCellBorder(this, ARow, ACol, APen, Borders);
}

void TExStringGrid::GetCellPrintBorderHook(int ACol, int ARow, TCellBorders& Borders, TPen* APen) {
  if (OnGetCellPrintBorder) OnGetCellPrintBorder(this, ARow, ACol, APen, Borders);
}

void TExStringGrid::GetAlignmentHook(int ACol, int ARow, TAlignment& HAlign, TVAlignment& VAlign) {
  if (ACol == 0 && FMouseActions->HotmailRowSelect()) HAlign = taCenter;
  if (OnGetAlignment) OnGetAlignment(this, ARow, ACol, HAlign, VAlign);
}

void TExStringGrid::GetFormatHook(int ACol, TSortStyle& Style, QString& Prefix, QString& Suffix) {
  if (OnGetFormat) OnGetFormat(this, ACol, Style, Prefix, Suffix);
}

void TExStringGrid::GetEditorTypeHook(int ACol, int ARow, TEditorType& AEditor) {
  if (OnGetEditorType) OnGetEditorType(this, ACol, ARow, AEditor);
}

void TExStringGrid::GetComboEditorTypeHook(int ACol, int ARow, TEditorType& AEditor) {
  if (OnGetEditorType) OnGetEditorType(this, ACol, ARow, AEditor);
}

bool TExStringGrid::IsEditorNone(int ACol, int ARow) {
  TEditorType editor = edNormal;
  GetEditorTypeHook(ACol, ARow, editor);
  return editor == edNone;
}

void TExStringGrid::IsFixedCellHook(int ACol, int ARow, bool& IsFixed) {
  if (!IsFixed) {
    IsFixed = (FixedRowAlways && ARow <= FFixedRowsMin && RowCount() == FFixedRowsMin) ||
              (FixedColAlways && ACol < FFixedColsMin && ColCount() == FFixedColsMin) ||
              ACol < TStringGrid::FixedCols() || ARow < TStringGrid::FixedRows();
  }
  if (!IsFixed && OnIsFixedCell) OnIsFixedCell(this, ARow, ACol, IsFixed);
}

void TExStringGrid::CanEditCell(int ACol, int ARow, bool& CanEdit) {
  const TPoint base = BaseCell(ACol, ARow);
  const TCellProperties* baseProps = ExistingCellProperties(base.X, base.Y);
  if (baseProps && CanEdit) {
    CanEdit = !baseProps->ReadOnly;
    if (!Options().Contains(goEditing) && !EditDisable && !FMouseActions->RangeSelectAndEdit) CanEdit = false;
  }
  if (base.X < AllColCount())
    CanEditCellHook(base.X, base.Y, CanEdit);
  else
    CanEdit = true;
}

void TExStringGrid::IsPasswordCellHook(int ACol, int ARow, bool& IsPassword) {
  if (OnIsPasswordCell) OnIsPasswordCell(this, ARow, ACol, IsPassword);
}

void TExStringGrid::GetWordWrapHook(int ACol, int ARow, bool& WordWrap) {
  if (OnGetWordWrap) OnGetWordWrap(this, ACol, ARow, WordWrap);
}

bool TExStringGrid::HasComboBox(int ACol, int ARow) {
  bool result = false;
  if (OnHasComboBox) {
    OnHasComboBox(this, ACol, ARow, result);
    return result;
  }
  if (!FControlLook->DropDownAlwaysVisible) return false;
  TEditorType editor = DefaultEditor;
  GetComboEditorTypeHook(ACol, ARow, editor);
  return editor == edComboEdit || editor == edComboList;
}

bool TExStringGrid::HasSpinEdit(int ACol, int ARow) {
  if (ACol < TStringGrid::FixedCols() || ARow < TStringGrid::FixedRows()) return false;
  bool result = false;
  if (OnHasSpinEdit) {
    OnHasSpinEdit(this, ACol, ARow, result);
    return result;
  }
  if (!FControlLook->SpinButtonsAlwaysVisible) return false;
  TEditorType editor = DefaultEditor;
  GetEditorTypeHook(ACol, ARow, editor);
  return editor == edSpinEdit || editor == edFloatSpinEdit || editor == edTimeSpinEdit || editor == edDateSpinEdit;
}

void TExStringGrid::GetCheckTrue(int ACol, int ARow, QString& Value) {
  Value = CheckTrue;
  if (OnGetCheckTrue) OnGetCheckTrue(this, ACol, ARow, Value);
}

void TExStringGrid::GetCheckFalse(int ACol, int ARow, QString& Value) {
  Value = CheckFalse;
  if (OnGetCheckFalse) OnGetCheckFalse(this, ACol, ARow, Value);
}

bool TExStringGrid::GetColumnFilterHook(int ACol) {
  FFilterList->Clear();
  if (FilterDropDownAuto && (ACol >= TStringGrid::FixedCols() || FilterDropDownColumns == fdAll)) {
    FFilterList->SetSorted(true);
    auto add = [this](const QString& raw) {
      const QString text = Trim(raw);
      FFilterList->Add(text.contains(u' ') ? QStringLiteral("%1=\"%1\"").arg(text) : text);
    };
    for (int r = TStringGrid::FixedRows(); r <= RowCount() - FFixedFooters - 1; ++r) add(GetCellEx(ACol, r));
    if (!FilterIncremental)
      for (int i = 0; i < FGridItems->Count(); ++i) {
        TStringList* items = FGridItems->Items(i)->Items();
        if (ACol >= 0 && ACol < items->Count()) add(items->Strings(ACol));
      }
    FFilterList->SetSorted(false);
    if (!FilterDropDownClear.isEmpty()) FFilterList->Insert(0, FilterDropDownClear);
  }
  if (OnGetColumnFilter) OnGetColumnFilter(this, ACol, FFilterList.get());
  return FFilterList->Count() > 0;
}

void TExStringGrid::CanAddRowHook(bool& CanAdd) {
  if (OnCanAddRow) OnCanAddRow(this, CanAdd);
}

void TExStringGrid::CanInsertRowHook(int ARow, bool& CanInsert) {
  if (OnCanInsertRow) OnCanInsertRow(this, ARow, CanInsert);
}

void TExStringGrid::EditingOff() { SetOptions(Options() - goEditing); }

void TExStringGrid::CheckBoxChangeHook(int ACol, int ARow, bool State) {
  if (OnCheckBoxChange) OnCheckBoxChange(this, ACol, ARow, State);
}

bool TExStringGrid::RatingChangeHook(int ACol, int ARow, double& NewRate) {
  bool allow = true;
  if (OnRatingChange) OnRatingChange(this, ACol, ARow, NewRate, allow);
  return allow;
}

void TExStringGrid::CellChangingHook(int NewCol, int NewRow, bool& Allow) {
  if (NewRow != Row() && OnRowChanging) OnRowChanging(this, Row(), NewRow, Allow);
  if (NewCol != Col() && OnColChanging) OnColChanging(this, Col(), NewCol, Allow);
  // The cell advance asks OnCellChanging once for its target itself.
  if ((NewRow != Row() || NewCol != Col()) && !FDisableChange && OnCellChanging)
    OnCellChanging(this, Row(), Col(), NewRow, NewCol, Allow);
}

void TExStringGrid::ScrollCellHook(int ACol, int ARow, int ScrollPosition, int ScrollMin, int ScrollMax) {
  if (OnScrollCell) OnScrollCell(this, ACol, ARow, ScrollPosition, ScrollMin, ScrollMax);
}

bool TExStringGrid::CanShowFixedDropDown(int ACol) {
  bool canShow = true;
  if (OnCanShowFixedDropDown) OnCanShowFixedDropDown(this, ACol, canShow);
  return canShow;
}

void TExStringGrid::StartBlockFocusHook() {
  if (OnStartBlockFocus) OnStartBlockFocus(this);
}

void TExStringGrid::EndBlockFocusHook() {
  if (OnEndBlockFocus) OnEndBlockFocus(this);
}

int TExStringGrid::GetVersionNr() { return kGridVersionNr; }

QString TExStringGrid::GetVersionString() { return VersionNrToString(GetVersionNr()) + QStringLiteral(" Sep, 2012"); }

QString TExStringGrid::Version() { return VersionNrToString(GetVersionNr()); }

void TExStringGrid::GetCellColors(int ACol, int ARow, TFont* AFont, TBrush* ABrush, TColor& ColorTo,
                                  TColor& MirrorColor, TColor& MirrorColorTo, TAlignment& HA, TVAlignment& VA,
                                  bool& WW, TCellGradientDirection& GD) {
  TBaseGrid::GetCellColors(ACol, ARow, AFont, ABrush, ColorTo, MirrorColor, MirrorColorTo, HA, VA, WW, GD);
  TGridDrawState state;
  if (IsFixed(RealToDisplCol(ACol), ARow)) state += gdFixed;
  GetVisualProperties(ACol, ARow, state, false, false, true, ABrush, ColorTo, MirrorColor, MirrorColorTo, AFont, HA,
                      VA, WW, GD);
  const bool gradientBack =
      FBackGround->Display() == bdGradientHorz || FBackGround->Display() == bdGradientVert;
  if (state.Contains(gdFixed) || FBands->Active() || gradientBack || state.Contains(gdSelected)) {
    ABrush->SetColor(clNone);
    ColorTo = clNone;
  }
}

// IsFixed, RememberEditedCell, HideInplaceEdit and SelectCell belong to the
// in-place editing facets (grid/input/editability.cpp, grid/input/edit_cycle.cpp).
