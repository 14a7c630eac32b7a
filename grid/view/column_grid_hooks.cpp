// The column grid's answers to the per-cell questions: the column of the cell
// answers first, then (unless said otherwise) the grid's own rule and the event.
// A column "inside the columns" is one that has an item.
#include "grid/base/number_text.h"
#include "grid/view/checked_format.h"
#include "grid/view/column_grid.h"
#include "grid/view/grid_error.h"

void TExColumnGrid::GetCellColors(int ACol, int ARow, TFont* AFont, TBrush* ABrush, TColor& ColorTo,
                                  TColor& MirrorColor, TColor& MirrorColorTo, TAlignment& HA, TVAlignment& VA,
                                  bool& WW, TCellGradientDirection& GD) {
  if (!HasColumn(ACol)) {
    TExStringGrid::GetCellColors(ACol, ARow, AFont, ABrush, ColorTo, MirrorColor, MirrorColorTo, HA, VA, WW, GD);
    return;
  }
  TGridColumnItem* item = FColumns->Items(ACol);
  AFont->Assign(*item->Font());
  ABrush->SetColor(item->Color());
  ColorTo = clNone;
  HA = ARow < TStringGrid::FixedRows() ? item->HeaderAlignment() : item->Alignment();
  VA = VAlignment();
  WW = WordWrap();
  MirrorColor = 0;
  MirrorColorTo = 0;
  GD = GradientVertical;
  if (IsFixed(RealToDisplCol(ACol), ARow) || (item->ShowBands() && Bands()->Active())) {
    ABrush->SetColor(clNone);
    ColorTo = clNone;
  }
}

void TExColumnGrid::GetCellColorHook(int ACol, int ARow, TGridDrawState AState, TBrush* ABrush, TFont* AFont) {
  if (HasColumn(ACol) && ACol >= TStringGrid::FixedCols() && ACol < AllColCount() - FixedRightCols() &&
      ARow < RowCount() - FixedFooters()) {
    TGridColumnItem* item = FColumns->Items(ACol);
    const bool fixedRow = ARow < TStringGrid::FixedRows();
    if (item->Fixed())
      ABrush->SetColor(FixedColor());
    else if (!fixedRow && !(item->ShowBands() && Bands()->Active()))
      ABrush->SetColor(item->Color());
    AFont->Assign(fixedRow ? *item->HeaderFont() : *item->Font());
    if (CellHasProperties(ACol, ARow)) {
      TCellProperties* p = GetCellProperties(ACol, ARow);
      if (p->BrushColor() != clNone) ABrush->SetColor(p->BrushColor());
      if (p->FontColor != clNone) AFont->SetColor(p->FontColor);
    }
  }
  TExStringGrid::GetCellColorHook(ACol, ARow, AState, ABrush, AFont);
}

void TExColumnGrid::GetCellPrintColorHook(int ACol, int ARow, TGridDrawState AState, TBrush* ABrush, TFont* AFont) {
  if (HasColumn(ACol)) {
    TGridColumnItem* item = FColumns->Items(ACol);
    const bool fixedCell = ARow < TStringGrid::FixedRows() || ACol < TStringGrid::FixedCols() ||
                           ACol >= AllColCount() - FixedRightCols() || ARow >= RowCount() - FixedFooters();
    if (fixedCell) {
      AFont->Assign(*PrintSettings()->FixedFont());
    } else {
      TCellProperties* p = CellHasProperties(ACol, ARow) ? GetCellProperties(ACol, ARow) : nullptr;
      if (item->Fixed()) {
        ABrush->SetColor(FixedColor());
      } else if (item->ShowBands() && Bands()->Active() && Bands()->Print) {
        if (p && p->BrushColor() != clNone) ABrush->SetColor(p->BrushColor());
      } else {
        ABrush->SetColor(item->PrintColor);
      }
      if (item->PrintFontCustom) {
        AFont->Assign(*item->PrintFont());
        if (p) {
          if (p->FontColor != clNone) AFont->SetColor(p->FontColor);
          if (!p->FontStyle.Empty()) AFont->SetStyle(p->FontStyle);
          if (p->FontSize != 0) AFont->SetSize(p->FontSize);
          if (!p->FontName.isEmpty()) AFont->SetName(p->FontName);
        }
      } else {
        AFont->Assign(*PrintSettings()->Font());
      }
    }
  }
  TExStringGrid::GetCellPrintColorHook(ACol, ARow, AState, ABrush, AFont);
}

void TExColumnGrid::GetCellBorderHook(int ACol, int ARow, TCellBorders& Borders, TPen* APen) {
  if (HasColumn(ACol) && ACol >= TStringGrid::FixedCols() && ARow >= TStringGrid::FixedRows()) {
    Borders = FColumns->Items(ACol)->Borders();
    APen->Assign(*FColumns->Items(ACol)->BorderPen());
  }
  TExStringGrid::GetCellBorderHook(ACol, ARow, Borders, APen);
}

void TExColumnGrid::GetCellPrintBorderHook(int ACol, int ARow, TCellBorders& Borders, TPen* APen) {
  if (HasColumn(ACol) && ACol >= TStringGrid::FixedCols() && ARow >= TStringGrid::FixedRows() &&
      FColumns->Items(ACol)->PrintBorderCustom) {
    Borders = FColumns->Items(ACol)->PrintBorders;
    APen->Assign(*FColumns->Items(ACol)->PrintBorderPen());
  }
  TExStringGrid::GetCellPrintBorderHook(ACol, ARow, Borders, APen);
}

void TExColumnGrid::GetAlignmentHook(int ACol, int ARow, TAlignment& HAlign, TVAlignment& VAlign) {
  if (HasColumn(ACol)) {
    TGridColumnItem* item = FColumns->Items(ACol);
    HAlign = ARow < TStringGrid::FixedRows() ? item->HeaderAlignment() : item->Alignment();
    if (CellHasProperties(ACol, ARow)) HAlign = GetCellProperties(ACol, ARow)->Alignment();
  }
  TExStringGrid::GetAlignmentHook(ACol, ARow, HAlign, VAlign);
}

void TExColumnGrid::GetFormatHook(int ACol, TSortStyle& Style, QString& Prefix, QString& Suffix) {
  if (HasColumn(ACol)) {
    TGridColumnItem* item = FColumns->Items(ACol);
    Style = item->SortStyle;
    Prefix = item->SortPrefix;
    Suffix = item->SortSuffix;
  }
  TExStringGrid::GetFormatHook(ACol, Style, Prefix, Suffix);
}

void TExColumnGrid::GetFloatFormatHook(int ACol, int, QString& AFormat) {
  AFormat = FloatFormat;
  if (HasColumn(ACol) && !FColumns->Items(ACol)->FloatFormat().isEmpty()) AFormat = FColumns->Items(ACol)->FloatFormat();
}

QString TExColumnGrid::GetFormattedCell(int ACol, int ARow) {
  if (!HasColumn(ACol)) return TExStringGrid::GetFormattedCell(ACol, ARow);
  QString format = FColumns->Items(ACol)->FloatFormat();
  const QString text = GetCellEx(ACol, ARow);
  const int kind = GetNumberKind(text);
  bool isFloat = kind == nkInteger || kind == nkDecimal || kind == nkScientific;
  if (OnGetFloatFormat) OnGetFloatFormat(this, ACol, ARow, isFloat, format);
  if (format.isEmpty() || !isFloat) return text;
  // A text that is no number, or a format that does not fit a number, shows as
  // stored.
  try {
    QString formatted;
    if (TryFormatValues(format, {Floats(ACol, ARow)}, formatted)) return formatted;
  } catch (const EExGridError&) {
  }
  return text;
}

void TExColumnGrid::GetComboEditorTypeHook(int ACol, int ARow, TEditorType& AEditor) {
  if (HasColumn(ACol) && ACol >= TStringGrid::FixedCols() && ARow >= TStringGrid::FixedRows()) {
    TGridColumnItem* item = FColumns->Items(ACol);
    AEditor = item->Editor();
    *FEditorComboItems = *item->ComboItems();
    LoadComboItems(*item->ComboItems());  // the combo editor shows the column's list
    FEditorDropDownCount = item->DropDownCount;
    SpinMinValue = item->SpinMin;
    SpinMaxValue = item->SpinMax;
    SpinIncrement = item->SpinStep;
    EditLink = item->EditLink;
    ControlLook()->DropDownCount = item->DropDownCount;
  }
  if (HasColumn(ACol) && !FColumns->Items(ACol)->FloatFormat().isEmpty()) FloatFormat = FColumns->Items(ACol)->FloatFormat();
  TExStringGrid::GetComboEditorTypeHook(ACol, ARow, AEditor);
}

void TExColumnGrid::IsFixedCellHook(int ACol, int ARow, bool& IsFixed) {
  const int real = DisplToRealCol(ACol);
  if (HasColumn(real) && ACol >= TStringGrid::FixedCols() && ARow >= TStringGrid::FixedRows())
    IsFixed = FColumns->Items(real)->Fixed();
  TExStringGrid::IsFixedCellHook(ACol, ARow, IsFixed);
}

void TExColumnGrid::CanEditCell(int ACol, int ARow, bool& CanEdit) {
  CanEdit = false;
  if (!Loading() && HasColumn(ACol) && ACol >= TStringGrid::FixedCols() && ARow >= TStringGrid::FixedRows()) {
    TGridColumnItem* item = FColumns->Items(ACol);
    CanEdit = !item->ReadOnly && !item->Fixed();
  }
  if (CanEdit && CellHasProperties(ACol, ARow)) CanEdit = !GetCellProperties(ACol, ARow)->ReadOnly;
  const TPoint base = BaseCell(ACol, ARow);
  CanEditCellHook(base.X, base.Y, CanEdit);
}

void TExColumnGrid::IsPasswordCellHook(int ACol, int ARow, bool& IsPassword) {
  if (HasColumn(ACol)) IsPassword = FColumns->Items(ACol)->Password();
  TExStringGrid::IsPasswordCellHook(ACol, ARow, IsPassword);
}

bool TExColumnGrid::HasComboBox(int ACol, int ARow) {
  bool result = false;
  if (HasColumn(ACol) && ACol >= TStringGrid::FixedCols() && ARow >= TStringGrid::FixedRows()) {
    const TEditorType editor = FColumns->Items(ACol)->Editor();
    result = editor == edComboEdit || editor == edComboList;
  }
  if (OnHasComboBox) OnHasComboBox(this, ACol, ARow, result);
  return result;
}

void TExColumnGrid::GetCheckTrue(int ACol, int ARow, QString& Value) {
  TExStringGrid::GetCheckTrue(ACol, ARow, Value);
  if (HasColumn(ACol) && IsNormalCell(ACol, ARow)) Value = FColumns->Items(ACol)->CheckTrue;
}

void TExColumnGrid::GetCheckFalse(int ACol, int ARow, QString& Value) {
  TExStringGrid::GetCheckFalse(ACol, ARow, Value);
  if (HasColumn(ACol) && IsNormalCell(ACol, ARow)) Value = FColumns->Items(ACol)->CheckFalse;
}

TCellGraphic* TExColumnGrid::GetCellGraphic(int ACol, int ARow) {
  TCellGraphic* graphic = TExStringGrid::GetCellGraphic(ACol, ARow);
  if (graphic || Destroying() || !HasColumn(ACol) || !IsNormalCell(ACol, ARow)) return graphic;
  if (FColumns->Items(ACol)->Editor() != edDataCheckBox) return nullptr;
  FDataCheckGraphic->CellType = ctVirtCheckBox;
  FDataCheckGraphic->CellTransparent = ControlLook()->ControlStyle == csFlat;
  return FDataCheckGraphic.get();
}

TCellType TExColumnGrid::GetCellType(int ACol, int ARow) {
  const TCellType type = TExStringGrid::GetCellType(ACol, ARow);
  if (type == ctEmpty && HasColumn(ACol) && IsNormalCell(ACol, ARow) &&
      FColumns->Items(ACol)->Editor() == edDataCheckBox)
    return ctDataCheckBox;
  return type;
}

bool TExColumnGrid::GetColumnFilterHook(int ACol) {
  FilterList()->SetSorted(false);
  TExStringGrid::GetColumnFilterHook(ACol);
  if (!HasColumn(ACol)) return false;
  TNotifyStringList* filter = FColumns->Items(ACol)->Filter();
  if (filter->Count() == 0) return false;
  FilterList()->SetSorted(false);
  FilterList()->Clear();
  for (int i = 0; i < filter->Count(); ++i) {
    const QString& line = filter->Strings(i);
    const int eq = line.indexOf(u'=');
    FilterList()->Add(eq >= 0 ? line.left(eq) : line);
  }
  return true;
}

void TExColumnGrid::FilterSelectHook(int Index) {
  const int column = FFilterCol;
  if (HasColumn(column) && Index >= 0 && Index < FColumns->Items(column)->Filter()->Count()) {
    TGridColumnItem* item = FColumns->Items(column);
    const QString line = item->Filter()->Strings(Index);
    const int eq = line.indexOf(u'=');
    const QString friendlyName = eq >= 0 ? line.left(eq) : line;
    QString condition = eq >= 0 ? line.mid(eq + 1) : line;
    if (AutoFilterDisplay) item->SetHeader(friendlyName);
    if (AutoFilterUpdate) SetFilterActive(false);
    if (OnFilterSelect) OnFilterSelect(this, column, Index, friendlyName, condition);
    TFilterData* data = Filter()->GetColFilter(column);
    data->Condition = condition;
    data->CaseSensitive = item->FilterCaseSensitive;
    if (AutoFilterUpdate) {
      SetFilterActive(true);
      if (RowCount() != TStringGrid::FixedRows() && !(RowCount() == 1 && FixedRowAlways)) SetRow(TStringGrid::FixedRows());
      FilterDoneHook();
    }
  }
  FFilterCol = -1;
}

void TExColumnGrid::UpdateColumnSizeHook(int ACol, int& Width) {
  if (HasColumn(ACol)) {
    TGridColumnItem* item = FColumns->Items(ACol);
    if (item->MinSize > 0 && Width < item->MinSize) Width = item->MinSize;
    if (item->MaxSize > 0 && Width > item->MaxSize) Width = item->MaxSize;
  }
  TExStringGrid::UpdateColumnSizeHook(ACol, Width);
}

void TExColumnGrid::UpdateAutoColumnSizeHook(int ACol, int& Width) {
  if (HasColumn(ACol)) {
    TGridColumnItem* item = FColumns->Items(ACol);
    if (item->AutoMinSize > 0 && Width < item->AutoMinSize) Width = item->AutoMinSize;
    if (item->AutoMaxSize > 0 && Width > item->AutoMaxSize) Width = item->AutoMaxSize;
  }
  TExStringGrid::UpdateAutoColumnSizeHook(ACol, Width);
}
