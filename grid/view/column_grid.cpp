// The column grid: its collection kept in step with the grid's columns, the
// header list, moving a column with its item, the widths the items remember,
// the edit limit and mask from the columns, and the column pop-up menus.
#include "grid/view/column_grid.h"

#include "grid/input/edit_link.h"
#include "grid/view/grid_unit.h"
#include "platform/ui/menus.h"

TExColumnGrid::TExColumnGrid(TComponent* AOwner)
    : TExStringGrid(AOwner), FEditorComboItems(std::make_unique<TStringList>()) {
  FColumns = CreateColumns();
  FColumns->NoRecursiveUpdate = true;
  SyncColumns();
  FColumns->NoRecursiveUpdate = false;
  FMoving = false;
  FDataCheckGraphic = std::make_unique<TCellGraphic>();
  FSpareItem = std::make_unique<TGridColumnItem>(nullptr);
}

TExColumnGrid::~TExColumnGrid() {
  TComponent::Destroying();  // the state, not the accessor of the same name
  // The items go before the grid's own objects, quietly.
  FColumns->NoRecursiveUpdate = true;
  FColumns.reset();
}

std::unique_ptr<TGridColumnCollection> TExColumnGrid::CreateColumns() {
  return std::make_unique<TGridColumnCollection>(this);
}

void TExColumnGrid::SetColumns(const TGridColumnCollection* Value) {
  if (Value) FColumns->Assign(Value);
}

TGridColumnItem* TExColumnGrid::GetColumnByName(const QString& AValue) const {
  for (int i = 0; i < FColumns->Count(); ++i)
    if (FColumns->Items(i)->Name == AValue) return FColumns->Items(i);
  return nullptr;
}

bool TExColumnGrid::IsNormalCell(int ACol, int ARow) const {
  return ACol >= TStringGrid::FixedCols() && ACol < AllColCount() - FixedRightCols() &&
         ARow >= TStringGrid::FixedRows() && ARow < RowCount() - FixedFooters();
}

void TExColumnGrid::SetColCount(int Value) {
  TExStringGrid::SetColCount(Value);
  if (!FColumns || FHoldColumns) return;
  const bool keep = FColumns->NoRecursiveUpdate;
  FColumns->NoRecursiveUpdate = true;
  SyncColumns();
  FColumns->NoRecursiveUpdate = keep;
}

void TExColumnGrid::SyncColumns() {
  if (!FColumns) return;
  // 1. - 2.
  const int wanted = ColCount() + NumHiddenColumns();
  while (FColumns->Count() < wanted) FColumns->Add();
  while (FColumns->Count() > wanted) FColumns->Delete(FColumns->Count() - 1);
  // 3. Placeholder texts only in a form designer.
  if (Designing())
    for (int i = 0; i < ColCount(); ++i) SetCellEx(i, TStringGrid::FixedRows(), QStringLiteral("Column %1").arg(i));
}

void TExColumnGrid::RebuildHeaderList() {
  if (TStringGrid::FixedRows() == 0) return;
  ++FHeaderListBuilds;
  TNotifyStringList* headers = ColumnHeaders();
  headers->BeginUpdate();
  headers->Clear();
  for (int i = 0; i < FColumns->Count(); ++i) {
    TGridColumnItem* item = FColumns->Items(i);
    if (item->Header().isEmpty()) {
      const QString shown = GetGridCell(i, 0);
      if (!shown.isEmpty()) item->StoreHeader(shown);
    }
    headers->Add(item->Header());
  }
  headers->EndUpdate();
}

void TExColumnGrid::HeadersChangedHook() {
  if (!FColumns) return;
  TNotifyStringList* headers = ColumnHeaders();
  for (int i = 0; i < FColumns->Count() && i < headers->Count(); ++i) FColumns->Items(i)->StoreHeader(headers->Strings(i));
}

void TExColumnGrid::RecalcAllFooters() {
  TExStringGrid::RecalcAllFooters();
  const bool keep = FColumns->NoRecursiveUpdate;
  FColumns->NoRecursiveUpdate = true;
  SyncColumns();
  FColumns->NoRecursiveUpdate = keep;
}

void TExColumnGrid::Loaded() {
  TExStringGrid::Loaded();
  FColumns->NoRecursiveUpdate = true;
  SyncColumns();
  FColumns->NoRecursiveUpdate = false;
  FColumns->SetOrganization();
}

void TExColumnGrid::Notification(TComponent* AComponent, TOperation Operation) {
  if (Operation == opRemove && FColumns) {
    for (int i = 0; i < FColumns->Count(); ++i) {
      TGridColumnItem* item = FColumns->Items(i);
      if (static_cast<TComponent*>(item->ColumnPopup) == AComponent) item->ColumnPopup = nullptr;
      if (static_cast<TComponent*>(item->EditLink) == AComponent) item->EditLink = nullptr;
    }
  }
  TExStringGrid::Notification(AComponent, Operation);
}

void TExColumnGrid::ColumnMoved(int FromIndex, int ToIndex) {
  FColumns->NoRecursiveUpdate = true;
  const int top = TopRow();
  const int realFrom = DisplToRealCol(FromIndex), realTo = DisplToRealCol(ToIndex);
  TExStringGrid::ColumnMoved(FromIndex, ToIndex);
  FColumns->BeginUpdate();
  FMoving = true;
  if (HasColumn(realFrom) && HasColumn(realTo)) {
    // A copy of the moved item goes to the end, the item leaves, a new item
    // at the target takes the copy, and the copy leaves.
    TGridColumnItem* copy = FColumns->TCollectionOf<TGridColumnItem>::Add();
    copy->Assign(FColumns->Items(realFrom));
    FColumns->Delete(realFrom);
    TGridColumnItem* moved = FColumns->Insert(realTo);
    moved->Assign(FColumns->Items(FColumns->Count() - 1));
    FColumns->Delete(FColumns->Count() - 1);
  }
  SetTopRow(top);
  FColumns->EndUpdate();
  FMoving = false;
  FColumns->NoRecursiveUpdate = false;
  if (OnAfterColumnMoved) OnAfterColumnMoved(this, realFrom, realTo);
}

void TExColumnGrid::InsertCols(int ColIndex, int CCount) {
  if (ColIndex < 0 || ColIndex > AllColCount() || CCount <= 0) return;
  FHoldColumns = true;
  TExStringGrid::InsertCols(ColIndex, CCount);
  FHoldColumns = false;
  const bool keep = FColumns->NoRecursiveUpdate;
  FColumns->NoRecursiveUpdate = true;
  for (int i = 0; i < CCount && ColIndex <= FColumns->Count(); ++i) FColumns->Insert(ColIndex);
  SyncColumns();
  FColumns->NoRecursiveUpdate = keep;
}

void TExColumnGrid::RemoveCols(int ColIndex, int CCount) {
  if (ColIndex < 0 || ColIndex >= AllColCount() || CCount <= 0) return;
  CCount = std::min(CCount, AllColCount() - ColIndex);
  FHoldColumns = true;
  TExStringGrid::RemoveCols(ColIndex, CCount);
  FHoldColumns = false;
  const bool keep = FColumns->NoRecursiveUpdate;
  FColumns->NoRecursiveUpdate = true;
  for (int i = 0; i < CCount && ColIndex < FColumns->Count(); ++i) FColumns->Delete(ColIndex);
  SyncColumns();
  FColumns->NoRecursiveUpdate = keep;
}

void TExColumnGrid::Group(int Colindex) {
  // A grouped grid gives its column back first, so the spare item is free.
  if (GetGroupColumn() != -1) UnGroup();
  if (HasColumn(Colindex)) FSpareItem->Assign(FColumns->Items(Colindex));
  TExStringGrid::Group(Colindex);
}

void TExColumnGrid::UnGroup() {
  const int grouped = GetGroupColumn();
  TExStringGrid::UnGroup();
  if (grouped > 0 && HasColumn(grouped)) FColumns->Items(grouped)->Assign(FSpareItem.get());
}

void TExColumnGrid::ColWidthsChanged() {
  TExStringGrid::ColWidthsChanged();
  if (Loading() || Destroying() || !FColumns) return;
  for (int c = 0; c < ColCount(); ++c) {
    const int r = DisplToRealCol(c);
    if (HasColumn(r)) FColumns->Items(r)->SetWidthStored(ColWidths(c));
  }
}

int TExColumnGrid::GetEditLimit() {
  const int real = RealCol();
  if (HasColumn(real) && Col() >= TStringGrid::FixedCols()) return FColumns->Items(real)->EditLength;
  return TExStringGrid::GetEditLimit();
}

QString TExColumnGrid::GetEditMask(int ACol, int ARow) {
  QString mask;
  const int real = DisplToRealCol(ACol);
  if (HasColumn(real) && ACol >= TStringGrid::FixedCols()) mask = FColumns->Items(real)->EditMask;
  const QString base = TExStringGrid::GetEditMask(ACol, ARow);
  return base.isEmpty() ? mask : base;
}

void TExColumnGrid::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TExStringGrid::MouseDown(Button, Shift, X, Y);
  int c = -1, r = -1;
  MouseToCell(X, Y, c, r);
  if (c < 0 || r < 0 || c >= FColumns->Count()) return;
  TGridColumnItem* item = FColumns->Items(c);
  if (!item->ColumnPopup) return;
  const TColumnPopupType t = item->ColumnPopupType;
  const bool fixedRow = r < TStringGrid::FixedRows();
  bool show = false;
  if (Button == mbLeft && (t == cpFixedCellsLClick || t == cpNormalCellsLClick || t == cpAllCellsLClick))
    show = (fixedRow && (t == cpFixedCellsLClick || t == cpAllCellsLClick)) ||
           (!fixedRow && (t == cpNormalCellsLClick || t == cpAllCellsLClick));
  else if (Button == mbRight && (t == cpFixedCellsRClick || t == cpNormalCellsRClick || t == cpAllCellsRClick))
    show = (fixedRow && (t == cpFixedCellsRClick || t == cpAllCellsRClick)) ||
           (!fixedRow && (t == cpNormalCellsRClick || t == cpAllCellsRClick));
  else
    return;
  if (OnColumnPopup) OnColumnPopup(this, c, r, item->ColumnPopup);
  if (!show) return;
  const TRect cell = TStringGrid::CellRect(c, r);
  const TPoint p = ClientToScreen({cell.Left, cell.Bottom});
  item->ColumnPopup->Popup(p.X, p.Y);
}

int TExColumnGrid::GetVersionNr() { return kColumnGridVersionNr; }

QString TExColumnGrid::GetVersionString() {
  return VersionNrToString(GetVersionNr()) + QStringLiteral(" Aug, 2012");
}
