// The grid drop-down: construction, styles, opening, choosing and closing, and
// the list's events raised again by the drop-down.
#include "grid/dropdown/grid_drop_down.h"

#include "grid/dropdown/drop_down_form.h"
#include "grid/dropdown/multi_column_rules.h"
#include "platform/ui/system_metrics.h"
#include "platform/ui/image_list.h"

namespace grid_drop_down {

namespace {

// A list event that calls a (virtual) member of the drop-down.
template <class Owner, class... Args>
std::function<void(Args...)> Forward(Owner* O, void (Owner::*M)(Args...)) {
  return [O, M](Args... A) { (O->*M)(std::forward<Args>(A)...); };
}

}  // namespace

TCustomExGridDropDown::TCustomExGridDropDown(TComponent* AOwner)
    : TExCustomDropDown(AOwner), FHeaderFont(std::make_unique<TFont>()) {
  CreateDropDownForm();
  // The base's construction applies the Luna style, which reaches this
  // class's presets; the defaults below then replace the header and line colours.
  SetComponentStyle(tsOffice2007Luna);
  HeaderColorTo = 0x808080;
  HeaderColor = 0xFFFFFF;
  HeaderHeight = 25;
  LineColor = 0xC0C0C0;
  FItems.reset(CreateItems(this));
  FColumns = std::make_unique<TDropDownColumns>(this);
  DropDownColor = 0xFFFFFF;
  SetDropDownHeight(200);
  AutoSelect = true;
  SetSelectionColorStyle(scOffice2007);
  SelectionTextColor = 0x000000;
  FSearchFooter = std::make_unique<TSearchFooter>(this, false);
  FBands = std::make_unique<TBands>();
  FNavigation = std::make_unique<TNavigation>();
  FMouseActions = std::make_unique<TMouseActions>(this);
  FNavigation->HomeEndKey = heFirstLastRow;
}

TCustomExGridDropDown::~TCustomExGridDropDown() = default;

TDropDownItems* TCustomExGridDropDown::CreateItems(TComponent* AOwner) { return new TDropDownItems(AOwner); }

void TCustomExGridDropDown::Loaded() {
  UpdateLookupItems();
  if (FExColGrid) FExColGrid->FillFromItems();
}

void TCustomExGridDropDown::Notification(TComponent* AComponent, TOperation Operation) {
  TExCustomDropDown::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FExColGrid) FExColGrid = nullptr;
  if (FGridImages && AComponent == static_cast<TComponent*>(FGridImages)) {
    FGridImages = nullptr;
    if (FExColGrid) FExColGrid->GridImages = nullptr;
  }
}

void TCustomExGridDropDown::SetGridImages(TCustomImageList* Value) {
  FGridImages = Value;
  if (FExColGrid) FExColGrid->GridImages = Value;
}

void TCustomExGridDropDown::SetStyle(TDropDownStyle Value) {
  FStyle = Value;
  SetEditorEnabled(Value == dsDropDown);
}

// --- styles ---

void TCustomExGridDropDown::SetSelectionColorStyle(TSelectionColorStyle Value) {
  if (Value == scOffice2007) LineColor = 0xF1EDEB, FixedLineColor = 0xD1BBA4;
  else if (Value == scWindowsVista || Value == scWindows7) LineColor = 0xECECF0, FixedLineColor = 0xD4D2D1;
  TExCustomDropDown::SetSelectionColorStyle(Value);
}

void TCustomExGridDropDown::SetComponentStyle(TSuiteStyle AStyle) {
  TExCustomDropDown::SetComponentStyle(AStyle);
  if (!FHeaderFont) return;  // the base constructor's call
  // The Office 2010 styles keep the header, line and selection-text colours.
  if (AStyle == tsOffice2010Blue || AStyle == tsOffice2010Silver || AStyle == tsOffice2010Black) return;
  const TMultiColumnStylePreset* s = FindMultiColumnStyle(AStyle);
  if (!s) return;
  SetSelectionColorStyle(static_cast<TSelectionColorStyle>(s->selStyle));
  HeaderColor = s->header;
  HeaderColorTo = s->headerTo;
  if (s->headerFont != clNone) FHeaderFont->SetColor(s->headerFont);
  LineColor = s->line;
  FixedLineColor = s->fixedLine;
  SelectionTextColor = s->selText;
  if (s->selection != clNone) SelectionColor = SelectionColorTo = s->selection;
}

// --- opening ---

void TCustomExGridDropDown::CreateDropDownForm() {
  TExCustomDropDown::CreateDropDownForm();
  if (!FDropDownForm) return;
  if (!FExColGrid) {
    FExColGrid = new TExColGrid(this);
    FExColGrid->SetParent(FDropDownForm);
  }
  FExColGrid->SetExDropDown(this);
  FExColGrid->SetBounds(0, 0, FExColGrid->Width(), 180);
  FExColGrid->SetColor(DropDownColor);
  FExColGrid->Navigation()->HomeEndKey = heFirstLastRow;
}

void TCustomExGridDropDown::HandOverSettings() {
  TExColGrid* L = FExColGrid;
  L->SortSettings()->SetShow(Sorting != gsNone);
  L->SortSettings()->IndexShow = Sorting == gsMultiColumn;
  FBalloonInit = false;
  WireListEvents();
  L->SearchFooter()->Assign(FSearchFooter.get());
  L->MouseActions()->Assign(FMouseActions.get());
  L->Navigation()->Assign(FNavigation.get());
  L->Bands()->Assign(FBands.get());
  TGridOptions o = L->Options() + goThumbTracking;
  o = RowSelect ? o + goRowSelect : o - goRowSelect;
  o = GridEditable ? o + goEditing : o - goEditing;
  L->SetOptions(o);
  L->GridImages = FGridImages;
  L->SetComponentStyle(GetComponentStyle());
}

void TCustomExGridDropDown::BeforeDropDown() {
  // 1.
  FDropDownForm->CancelOnDeActivate = false;
  // 2.
  TExColGrid* L = FExColGrid;
  if (L) {
    FRefilling = true;
    // A list narrowed from the edit is refilled whole and narrowed again, so
    // that the rows the filter hid are not kept beside the new ones.
    if (UseItems) L->RemoveAllFilters();
    L->LoadFromDropDown(this);
    L->SetColor(DropDownColor);
    HandOverSettings();
    if (UseItems) {
      TExCustomDropDown::BeforeDropDown();
      L->SetRowCount(FItems->Count() + 1);
      L->SetFixedRows(1);
      L->FillFromItems();
      const QString entry = FLookupEntry.trimmed();
      if (LookupMethod == lmNarrowDown && !entry.isEmpty()) {
        L->FixedRowAlways = true;
        L->NarrowDown(entry, LookupColumn);
      }
      const int r = RowOfItem(FItemIndex);
      if (r >= L->FixedRows() && r < L->RowCount()) L->SetRow(r);
    } else {
      QString text;
      int row = -1;
      L->SetRow(FindLookupMatch(Text(), text, row) ? row : L->FixedRows());
    }
    if (L->SortSettings()->Column >= 0 && L->SortSettings()->Show()) L->QSort();
    FRefilling = false;
  }
  // 3.
  FOldItemIndex = FItemIndex;
  // 4.
  if (!UseItems || !L) TExCustomDropDown::BeforeDropDown();
}

void TCustomExGridDropDown::UpdateDropDownSize() {
  TExCustomDropDown::UpdateDropDownSize();
  if (!DropDownAutoWidth || !FDropDownForm || !FExColGrid) return;
  const int w = FExColGrid->GetListWidth();
  FExColGrid->SetWidth(w);
  FDropDownForm->SetWidth(w + 2 * DropDownBorderWidth);
}

void TCustomExGridDropDown::UpdateDropDownControl() {
  SetControl(FExColGrid);
  TExCustomDropDown::UpdateDropDownControl();
}

void TCustomExGridDropDown::AdjustDropDownHeight(int& AHeight) {
  int hf = 0;
  if (DropDownHeader()->Visible()) hf += DropDownHeader()->Height;
  if (DropDownFooter()->Visible()) hf += DropDownFooter()->Height;
  AHeight = SnapDropDownHeight(AHeight, hf, HeaderHeight, DropDownRowHeight, 6);
}

void TCustomExGridDropDown::DoShowDropDown() {
  TExCustomDropDown::DoShowDropDown();
  TExColGrid* L = FExColGrid;
  if (!L) return;
  if (!UseItems)
    while (FColumns->Count() < L->ColCount()) FColumns->Add();
  if (DroppedDown()) SizeColumnsToDropDown();
  if (L->VisibleRowCount() + L->FixedRows() < L->RowCount()) {
    if (L->TopRow() + L->VisibleRowCount() < L->Row()) L->SetTopRow(L->Row());
    if (L->Row() < L->TopRow()) L->SetTopRow(L->Row());
  }
  FSelRow = L->Row();
  L->SetTabStop(true);
  if (DroppedDown()) L->SetFocus();
}

void TCustomExGridDropDown::SizeColumnsToDropDown() {
  if (!ColumnSizeWithDropDown || !FExColGrid || !FDropDownForm) return;
  FExColGrid->SetScrollBars(ssVertical);
  if (FColumns->Count() == 0) return;
  int avail = FDropDownForm->Width();
  if (FExColGrid->VisibleRowCount() < FExColGrid->RowCount() - FExColGrid->FixedRows())
    avail -= VerticalScrollBarWidth();
  std::vector<int> widths;
  for (int i = 0; i < FColumns->Count(); ++i) widths.push_back(FColumns->Items(i)->Width);
  const std::vector<int> scaled = ScaleColumnWidths(widths, avail);
  for (int i = 0; i < static_cast<int>(scaled.size()) && i < FExColGrid->ColCount(); ++i)
    FExColGrid->SetColWidths(i, scaled[i]);
}

// --- choosing and closing ---

void TCustomExGridDropDown::ListSelectCell(int, int ARow, bool&) {
  if (!FExColGrid || FRefilling) return;
  FSelRow = ARow;
  if (FExColGrid->MouseWheelSelection()) return;
  if (UseItems) return SetItemIndex(ItemOfRow(ARow));
  SetText(FExColGrid->Cells(LookupColumn, ARow));
  SetItemIndex(ARow - FExColGrid->FixedRows());
}

void TCustomExGridDropDown::ListSelect() {
  if (FExColGrid && FExColGrid->ConfirmSelection())
    SetItemIndex(UseItems ? ItemOfRow(FExColGrid->Row()) : FExColGrid->Row() - 1);
  if (!GridEditable) DoHideDropDown(false);
  if (OnSelect) OnSelect(this);
}

void TCustomExGridDropDown::ListCanSort(int, bool&) { FTempItemIndex = FItemIndex; }

void TCustomExGridDropDown::ListClickSort(int) {
  const int r = RowOfItem(FTempItemIndex);
  if (r >= 0 && FExColGrid) FExColGrid->SetRow(r);
}

void TCustomExGridDropDown::ListEndBlockFocus() {
  if (FDropDownForm) FDropDownForm->BlockActivate = false;
}

void TCustomExGridDropDown::DoHideDropDown(bool Cancelled) {
  if (FDropDownForm && FDropDownForm->Visible()) {
    if (Cancelled) {
      SetItemIndex(FOldItemIndex);
    } else {
      if (FExColGrid && FExColGrid->ConfirmSelection())
        SetItemIndex(UseItems ? ItemOfRow(FSelRow) : FSelRow - FExColGrid->FixedRows());
      FOldItemIndex = FItemIndex;
    }
    if (FExColGrid) FExColGrid->SetConfirmSelection(false);
  }
  TExCustomDropDown::DoHideDropDown(Cancelled);
}

// --- the list's events ---

void TCustomExGridDropDown::WireListEvents() {
  using D = TCustomExGridDropDown;
  TExColGrid* L = FExColGrid;
  L->OnEndBlockFocus = [this](TObject*) { ListEndBlockFocus(); };
  L->OnSelect = [this](TObject*) { ListSelect(); };
  L->OnAnchorClick = Forward(this, &D::DoGridAnchorClick);
  L->OnAnchorEnter = Forward(this, &D::DoGridAnchorEnter);
  L->OnAnchorExit = Forward(this, &D::DoGridAnchorExit);
  L->OnAnchorHint = Forward(this, &D::DoGridAnchorHint);
  L->OnButtonClick = Forward(this, &D::DoGridButtonClick);
  L->OnCheckBoxClick = [this](TObject* S, int C, int R, bool State) {
    if (OnGridCheckBoxClick) OnGridCheckBoxClick(S, C, R, State);
  };
  L->OnCellBalloon = Forward(this, &D::DoGridCellBalloon);
  L->OnCanEditCell = Forward(this, &D::DoGridCanEditCell);
  L->OnEllipsClick = Forward(this, &D::DoGridEllipsClick);
  L->OnGetEditorType = Forward(this, &D::DoGridGetEditorType);
  L->OnGetEditorProp = Forward(this, &D::DoGridGetEditorProp);
  L->OnGetAlignment = Forward(this, &D::DoGridGetAlignment);
  L->OnGetCellColor = Forward(this, &D::DoGridGetCellColor);
  L->OnGetCellGradient = Forward(this, &D::DoGridGetCellGradient);
  L->OnGetFloatFormat = Forward(this, &D::DoGridGetFloatFormat);
  L->OnGetDisplText = Forward(this, &D::DoGridGetDisplText);
  L->OnGetFormat = Forward(this, &D::DoGridGetFormat);
  L->OnGridHint = Forward(this, &D::DoGridHint);
  L->OnRightClickCell = Forward(this, &D::DoGridRightClickCell);
  L->OnScrollHint = Forward(this, &D::DoGridScrollHint);
  L->OnMouseDown = Forward(this, &D::DoGridMouseDown);
  L->OnMouseUp = Forward(this, &D::DoGridMouseUp);
  L->OnMouseMove = Forward(this, &D::DoGridMouseMove);
  L->OnColumnSize = Forward(this, &D::DoGridColumnSize);
  L->OnColumnSizing = Forward(this, &D::DoGridColumnSizing);
  L->OnEndColumnSize = Forward(this, &D::DoGridEndColumnSize);
  L->OnRowSize = Forward(this, &D::DoGridRowSize);
  L->OnRowSizing = Forward(this, &D::DoGridRowSizing);
  L->OnEndRowSize = Forward(this, &D::DoGridEndRowSize);
  L->OnRowMove = Forward(this, &D::DoGridRowMove);
  L->OnRowMoving = Forward(this, &D::DoGridRowMoving);
  L->OnRowMoved = Forward(this, &D::DoGridRowMoved);
  L->OnColumnMove = Forward(this, &D::DoGridColumnMove);
  L->OnColumnMoving = Forward(this, &D::DoGridColumnMoving);
  L->OnColumnMoved = Forward(this, &D::DoGridColumnMoved);
  L->OnTopLeftChanged = Forward(this, &D::DoGridTopLeftChanged);
  L->OnSearchEditChange = Forward(this, &D::DoGridSearchEditChange);
  L->OnAutoAddRow = Forward(this, &D::DoGridAutoAddRow);
  L->OnAutoInsertRow = Forward(this, &D::DoGridAutoInsertRow);
  L->OnAutoDeleteRow = Forward(this, &D::DoGridAutoDeleteRow);
  L->OnAutoInsertCol = Forward(this, &D::DoGridAutoInsertCol);
  L->OnCanAddRow = Forward(this, &D::DoGridCanAddRow);
  L->OnCanInsertRow = Forward(this, &D::DoGridCanInsertRow);
  L->OnCanDeleteRow = Forward(this, &D::DoGridCanDeleteRow);
  L->OnCustomCellDraw = OnGridCustomCellDraw ? Forward(this, &D::DoGridCustomCellDraw) : nullptr;
  L->OnCustomCellBkgDraw = OnGridCustomCellBkgDraw ? Forward(this, &D::DoGridCustomCellBkgDraw) : nullptr;
  L->OnCanSort = [this](TObject*, int ACol, bool& Allow) { ListCanSort(ACol, Allow); };
  L->OnClickSort = [this](TObject*, int ACol) { ListClickSort(ACol); };
  L->OnSelectCell = [this](TObject*, int ACol, int ARow, bool& CanSelect) { ListSelectCell(ACol, ARow, CanSelect); };
}

// A handler that may open a window of its own: the pop-up stays open meanwhile.
void TCustomExGridDropDown::DoGridAnchorClick(TObject* S, int R, int C, const QString& A, bool& AutoHandle) {
  if (FDropDownForm) FDropDownForm->BlockActivate = true;
  if (OnGridAnchorClick) OnGridAnchorClick(S, R, C, A, AutoHandle);
  if (FDropDownForm) FDropDownForm->BlockActivate = false;
}
void TCustomExGridDropDown::DoGridButtonClick(TObject* S, int C, int R) {
  if (FDropDownForm) FDropDownForm->BlockActivate = true;
  if (OnGridButtonClick) OnGridButtonClick(S, C, R);
  if (FDropDownForm) FDropDownForm->BlockActivate = false;
}
void TCustomExGridDropDown::DoGridEllipsClick(TObject* S, int C, int R, QString& Text) {
  if (FDropDownForm) FDropDownForm->BlockActivate = true;
  if (OnGridEllipsClick) OnGridEllipsClick(S, C, R, Text);
  if (FDropDownForm) FDropDownForm->BlockActivate = false;
}

// The columns' own alignment and colour come first.
void TCustomExGridDropDown::DoGridGetAlignment(TObject* S, int R, int C, TAlignment& HAlign, TVAlignment& VAlign) {
  if (C >= 0 && C < FColumns->Count()) HAlign = FColumns->Items(C)->Alignment;
  if (OnGridGetAlignment) OnGridGetAlignment(S, R, C, HAlign, VAlign);
}
void TCustomExGridDropDown::DoGridGetCellColor(TObject* S, int R, int C, TGridDrawState St, TBrush* ABrush,
                                               TFont* AFont) {
  if (C >= 0 && C < FColumns->Count() && ABrush) ABrush->SetColor(FColumns->Items(C)->Color);
  if (OnGridGetCellColor) OnGridGetCellColor(S, R, C, St, ABrush, AFont);
}
void TCustomExGridDropDown::DoGridGetFloatFormat(TObject* S, int C, int R, bool& IsFloat, QString& FloatFormat) {
  FloatFormat.clear();
  if (OnGridGetFloatFormat) OnGridGetFloatFormat(S, C, R, IsFloat, FloatFormat);
}

// The first mouse move after an opening renews the list's balloon window.
void TCustomExGridDropDown::DoGridMouseMove(TObject* S, TShiftState Shift, int X, int Y) {
  if (!FBalloonInit && FExColGrid && FExColGrid->Balloon()->Enable()) {
    FExColGrid->Balloon()->SetEnable(false);
    FExColGrid->Balloon()->SetEnable(true);
  }
  FBalloonInit = true;
  if (OnGridMouseMove) OnGridMouseMove(S, Shift, X, Y);
}

void TCustomExGridDropDown::DoGridTopLeftChanged(TObject*) {
  if (OnGridTopLeftChanged) OnGridTopLeftChanged(this);
}

// The plain forwarders.
void TCustomExGridDropDown::DoGridAnchorEnter(TObject* S, int R, int C, const QString& A) {
  if (OnGridAnchorEnter) OnGridAnchorEnter(S, R, C, A);
}
void TCustomExGridDropDown::DoGridAnchorExit(TObject* S, int R, int C, const QString& A) {
  if (OnGridAnchorExit) OnGridAnchorExit(S, R, C, A);
}
void TCustomExGridDropDown::DoGridAnchorHint(TObject* S, int R, int C, QString& A) {
  if (OnGridAnchorHint) OnGridAnchorHint(S, R, C, A);
}
void TCustomExGridDropDown::DoGridCanSort(TObject* S, int C, bool& Allow) {
  if (OnGridCanSort) OnGridCanSort(S, C, Allow);
}
void TCustomExGridDropDown::DoGridClickSort(TObject* S, int C) {
  if (OnGridClickSort) OnGridClickSort(S, C);
}
void TCustomExGridDropDown::DoGridCustomCompare(TObject* S, const QString& A, const QString& B, int& Res) {
  if (OnGridCustomCompare) OnGridCustomCompare(S, A, B, Res);
}
void TCustomExGridDropDown::DoGridRawCompare(TObject* S, int C, int R1, int R2, int& Res) {
  if (OnGridRawCompare) OnGridRawCompare(S, C, R1, R2, Res);
}
void TCustomExGridDropDown::DoGridColumnSize(TObject* S, int C, bool& Allow) {
  if (OnGridColumnSize) OnGridColumnSize(S, C, Allow);
}
void TCustomExGridDropDown::DoGridColumnSizing(TObject* S, int I, int Size) {
  if (OnGridColumnSizing) OnGridColumnSizing(S, I, Size);
}
void TCustomExGridDropDown::DoGridEndColumnSize(TObject* S, int C) {
  if (OnGridEndColumnSize) OnGridEndColumnSize(S, C);
}
void TCustomExGridDropDown::DoGridRowSize(TObject* S, int R, bool& Allow) {
  if (OnGridRowSize) OnGridRowSize(S, R, Allow);
}
void TCustomExGridDropDown::DoGridRowSizing(TObject* S, int I, int Size) {
  if (OnGridRowSizing) OnGridRowSizing(S, I, Size);
}
void TCustomExGridDropDown::DoGridEndRowSize(TObject* S, int R) {
  if (OnGridEndRowSize) OnGridEndRowSize(S, R);
}
void TCustomExGridDropDown::DoGridRowMove(TObject* S, int R, bool& Allow) {
  if (OnGridRowMove) OnGridRowMove(S, R, Allow);
}
void TCustomExGridDropDown::DoGridRowMoving(TObject* S, int R, bool& Allow) {
  if (OnGridRowMoving) OnGridRowMoving(S, R, Allow);
}
void TCustomExGridDropDown::DoGridRowMoved(TObject* S, int From, int To) {
  if (OnGridRowMoved) OnGridRowMoved(S, From, To);
}
void TCustomExGridDropDown::DoGridColumnMove(TObject* S, int C, bool& Allow) {
  if (OnGridColumnMove) OnGridColumnMove(S, C, Allow);
}
void TCustomExGridDropDown::DoGridColumnMoving(TObject* S, int C, bool& Allow) {
  if (OnGridColumnMoving) OnGridColumnMoving(S, C, Allow);
}
void TCustomExGridDropDown::DoGridColumnMoved(TObject* S, int From, int To) {
  if (OnGridColumnMoved) OnGridColumnMoved(S, From, To);
}
void TCustomExGridDropDown::DoGridCustomCellDraw(TObject* S, TCanvas* Canvas, int C, int R, TGridDrawState St,
                                                 TRect Rect, bool Printing) {
  if (OnGridCustomCellDraw) OnGridCustomCellDraw(S, Canvas, C, R, St, Rect, Printing);
}
void TCustomExGridDropDown::DoGridCustomCellBkgDraw(TObject* S, TCanvas* Canvas, int C, int R, TGridDrawState St,
                                                    TRect Rect, bool Printing) {
  if (OnGridCustomCellBkgDraw) OnGridCustomCellBkgDraw(S, Canvas, C, R, St, Rect, Printing);
}
void TCustomExGridDropDown::DoGridCellBalloon(TObject* S, int C, int R, QString& Title, QString& Text, int& Icon) {
  if (OnGridCellBalloon) OnGridCellBalloon(S, C, R, Title, Text, Icon);
}
void TCustomExGridDropDown::DoGridGetCellGradient(TObject* S, int R, int C, TColor& Color, TColor& ColorTo,
                                                  TColor& Mirror, TColor& MirrorTo, TCellGradientDirection& GD) {
  if (OnGridGetCellGradient) OnGridGetCellGradient(S, R, C, Color, ColorTo, Mirror, MirrorTo, GD);
}
void TCustomExGridDropDown::DoGridGetEditorType(TObject* S, int C, int R, TEditorType& AEditor) {
  if (OnGridGetEditorType) OnGridGetEditorType(S, C, R, AEditor);
}
void TCustomExGridDropDown::DoGridGetEditorProp(TObject* S, int C, int R, TEditLink* AEditLink) {
  if (OnGridGetEditorProp) OnGridGetEditorProp(S, C, R, AEditLink);
}
void TCustomExGridDropDown::DoGridCanEditCell(TObject* S, int R, int C, bool& Value) {
  if (OnGridCanEditCell) OnGridCanEditCell(S, R, C, Value);
}
void TCustomExGridDropDown::DoGridGetDisplText(TObject* S, int C, int R, QString& Value) {
  if (OnGridGetDiplText) OnGridGetDiplText(S, C, R, Value);
}
void TCustomExGridDropDown::DoGridGetFormat(TObject* S, int C, TSortStyle& AStyle, QString& P, QString& Sfx) {
  if (OnGridGetFormat) OnGridGetFormat(S, C, AStyle, P, Sfx);
}
void TCustomExGridDropDown::DoGridHint(TObject* S, int R, int C, QString& Hint) {
  if (OnGridHint) OnGridHint(S, R, C, Hint);
}
void TCustomExGridDropDown::DoGridMouseDown(TObject* S, TMouseButton B, TShiftState Shift, int X, int Y) {
  if (OnGridMouseDown) OnGridMouseDown(S, B, Shift, X, Y);
}
void TCustomExGridDropDown::DoGridMouseUp(TObject* S, TMouseButton B, TShiftState Shift, int X, int Y) {
  if (OnGridMouseUp) OnGridMouseUp(S, B, Shift, X, Y);
}
void TCustomExGridDropDown::DoGridKeyDown(TObject* S, int& Key, TShiftState Shift) {
  if (OnGridKeyDown) OnGridKeyDown(S, Key, Shift);
}
void TCustomExGridDropDown::DoGridKeyUp(TObject* S, int& Key, TShiftState Shift) {
  if (OnGridKeyUp) OnGridKeyUp(S, Key, Shift);
}
void TCustomExGridDropDown::DoGridKeyPress(TObject* S, QChar& Key) {
  if (OnGridKeyPress) OnGridKeyPress(S, Key);
}
void TCustomExGridDropDown::DoGridRightClickCell(TObject* S, int R, int C) {
  if (OnGridRightClickCell) OnGridRightClickCell(S, R, C);
}
void TCustomExGridDropDown::DoGridScrollHint(TObject* S, int R, QString& Hint) {
  if (OnGridScrollHint) OnGridScrollHint(S, R, Hint);
}
void TCustomExGridDropDown::DoGridSearchEditChange(TObject* S, const QString& Value, bool& DefaultSearch) {
  if (OnGridSearchEditChange) OnGridSearchEditChange(S, Value, DefaultSearch);
}
void TCustomExGridDropDown::DoGridSpinClick(TObject* S, int C, int R, int AValue, bool UpDown) {
  if (OnGridSpinClick) OnGridSpinClick(S, C, R, AValue, UpDown);
}
void TCustomExGridDropDown::DoGridAutoAddRow(TObject* S, int R) {
  if (OnGridAutoAddRow) OnGridAutoAddRow(S, R);
}
void TCustomExGridDropDown::DoGridAutoInsertRow(TObject* S, int R) {
  if (OnGridInsertRow) OnGridInsertRow(S, R);
}
void TCustomExGridDropDown::DoGridAutoInsertCol(TObject* S, int C) {
  if (OnGridInsertCol) OnGridInsertCol(S, C);
}
void TCustomExGridDropDown::DoGridAutoDeleteRow(TObject* S, int R) {
  if (OnGridDeleteRow) OnGridDeleteRow(S, R);
}
void TCustomExGridDropDown::DoGridCanAddRow(TObject* S, bool& CanAdd) {
  if (OnGridCanAddRow) OnGridCanAddRow(S, CanAdd);
}
void TCustomExGridDropDown::DoGridCanInsertRow(TObject* S, int R, bool& Allow) {
  if (OnGridCanInsertRow) OnGridCanInsertRow(S, R, Allow);
}
void TCustomExGridDropDown::DoGridCanDeleteRow(TObject* S, int R, bool& Allow) {
  if (OnGridCanDeleteRow) OnGridCanDeleteRow(S, R, Allow);
}

}  // namespace grid_drop_down
