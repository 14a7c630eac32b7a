// The column items of a column grid and their collection: each item's settings
// with their defaults and what setting them does, copying, and the collection's
// upkeep of the grid's column count and header list.
#include "grid/view/column_grid.h"

// --- the item ---

TGridColumnItem::TGridColumnItem(TCollection* Collection)
    : TCollectionItem(Collection),
      FFont(std::make_unique<TFont>()),
      FHeaderFont(std::make_unique<TFont>()),
      FPrintFont(std::make_unique<TFont>()),
      FComboItems(std::make_unique<TStringList>()),
      FBorderPen(std::make_unique<TPen>()),
      FPrintBorderPen(std::make_unique<TPen>()),
      FFilter(std::make_unique<TNotifyStringList>()) {
  FBorderPen->SetColor(clSilver);
  FPrintBorderPen->SetColor(clBlack);
  auto* columns = dynamic_cast<TGridColumnCollection*>(Collection);
  TExColumnGrid* grid = columns ? columns->Grid() : nullptr;
  if (grid) {
    FFont->Assign(*grid->Font());
    FHeaderFont->Assign(*grid->Font());
    FPrintFont->Assign(*grid->Font());
    FColor = grid->Color();
  }
  if (!columns) return;
  // Changes of the owned font, pen and filter reach the collection only for
  // items made inside one.
  FFont->OnChange = [this](TObject*) { UpdateCollection(); };
  FHeaderFont->OnChange = [this](TObject*) { UpdateCollection(); };
  FBorderPen->OnChange = [this](TObject*) { UpdateCollection(); };
  FFilter->OnChange = [this](TObject*) { InvalidateGrid(); };
}

TGridColumnItem::~TGridColumnItem() {
  FFont->OnChange = nullptr;
  FHeaderFont->OnChange = nullptr;
  FBorderPen->OnChange = nullptr;
  FFilter->OnChange = nullptr;
}

TExColumnGrid* TGridColumnItem::Grid() const {
  auto* columns = dynamic_cast<TGridColumnCollection*>(Collection());
  return columns ? columns->Grid() : nullptr;
}

void TGridColumnItem::UpdateCollection() { Changed(false); }

void TGridColumnItem::InvalidateGrid() const {
  if (TExColumnGrid* g = Grid()) g->Invalidate();
}

QString TGridColumnItem::GetDisplayName() const {
  if (!Name.isEmpty()) return QStringLiteral("Col %1: %2").arg(Index()).arg(Name);
  return QStringLiteral("Column %1").arg(Index());
}

int TGridColumnItem::Width() const {
  // Outside a grid the item keeps its own width.
  TExColumnGrid* g = Grid();
  return g ? g->AllColWidths(Index()) : FWidth;
}

void TGridColumnItem::SetWidth(int Value) {
  FWidth = Value;
  if (TExColumnGrid* g = Grid()) g->SetAllColWidths(Index(), Value);
}

void TGridColumnItem::SetAlignment(TAlignment Value) {
  FAlignment = Value;
  InvalidateGrid();
}

void TGridColumnItem::SetHeaderAlignment(TAlignment Value) {
  FHeaderAlignment = Value;
  InvalidateGrid();
}

void TGridColumnItem::SetHeader(const QString& Value) {
  FHeader = Value;
  TExColumnGrid* g = Grid();
  if (!g) return;
  if (g->TStringGrid::FixedRows() > 0 && !g->ColumnMoving()) {
    g->SetCellEx(Index(), 0, Value);
    const unsigned builds = g->HeaderListBuilds();
    UpdateCollection();
    // The collection's update rebuilt the header list from the columns' headers
    // and showed it: building the same list again would only repeat that work
    // (with a grid of n columns, naming each costs n cells twice over).
    if (g->HeaderListBuilds() != builds) return;
  }
  // The header list follows the columns' headers.
  TNotifyStringList* headers = g->ColumnHeaders();
  headers->BeginUpdate();
  headers->Clear();
  for (int i = 0; i < g->Columns()->Count(); ++i) headers->Add(g->Columns()->Items(i)->Header());
  headers->EndUpdate();
}

void TGridColumnItem::SetFont(const TFont* Value) {
  if (Value) FFont->Assign(*Value);
}

void TGridColumnItem::SetHeaderFont(const TFont* Value) {
  if (Value) FHeaderFont->Assign(*Value);
  InvalidateGrid();
}

void TGridColumnItem::SetPrintFont(const TFont* Value) {
  if (Value) FPrintFont->Assign(*Value);
}

void TGridColumnItem::SetColor(TColor Value) {
  FColor = Value;
  UpdateCollection();
}

void TGridColumnItem::SetEditor(TEditorType Value) {
  if (FEditor == Value) return;
  const bool dataCheckBox = FEditor == edDataCheckBox || Value == edDataCheckBox;
  FEditor = Value;
  if (dataCheckBox) InvalidateGrid();
}

void TGridColumnItem::SetComboItems(const TStringList* Value) {
  if (Value) *FComboItems = *Value;
}

void TGridColumnItem::SetFixed(bool Value) {
  FFixed = Value;
  UpdateCollection();
}

void TGridColumnItem::SetPassword(bool Value) {
  FPassword = Value;
  UpdateCollection();
}

void TGridColumnItem::SetShowBands(bool Value) {
  FShowBands = Value;
  UpdateCollection();
}

void TGridColumnItem::SetBorders(TCellBorders Value) {
  FBorders = Value;
  UpdateCollection();
}

void TGridColumnItem::SetBorderPen(const TPen* Value) {
  if (Value) FBorderPen->Assign(*Value);
  UpdateCollection();
}

void TGridColumnItem::SetPrintBorderPen(const TPen* Value) {
  if (Value) FPrintBorderPen->Assign(*Value);
}

void TGridColumnItem::SetFilter(const TStringList* Value) {
  if (Value) FFilter->Assign(*Value);
}

void TGridColumnItem::SetFloatFormat(const QString& Value) {
  FFloatFormat = Value;
  InvalidateGrid();
}

// The visual settings both copies share.
void TGridColumnItem::CopyVisuals(const TGridColumnItem& s) {
  FAlignment = s.FAlignment;
  FHeaderAlignment = s.FHeaderAlignment;
  FBorderPen->Assign(*s.FBorderPen);
  FBorders = s.FBorders;
  CheckFalse = s.CheckFalse;
  CheckTrue = s.CheckTrue;
  EditLength = s.EditLength;
  EditLink = s.EditLink;
  EditMask = s.EditMask;
  FEditor = s.FEditor;
  FFixed = s.FFixed;
  FPassword = s.FPassword;
  FPrintBorderPen->Assign(*s.FPrintBorderPen);
  PrintBorders = s.PrintBorders;
  PrintColor = s.PrintColor;
  FPrintFont->Assign(*s.FPrintFont);
  ReadOnly = s.ReadOnly;
  SortPrefix = s.SortPrefix;
  SortStyle = s.SortStyle;
  SortSuffix = s.SortSuffix;
  SpinMax = s.SpinMax;
  SpinMin = s.SpinMin;
  SpinStep = s.SpinStep;
  ColumnPopup = s.ColumnPopup;
  FWidth = s.Width();
  FShowBands = s.FShowBands;
  MinSize = s.MinSize;
  MaxSize = s.MaxSize;
  AutoMinSize = s.AutoMinSize;
  AutoMaxSize = s.AutoMaxSize;
  FFilter->Assign(s.FFilter->List());
  FilterCaseSensitive = s.FilterCaseSensitive;
  DefIdx = s.DefIdx;
  FFloatFormat = s.FFloatFormat;
}

void TGridColumnItem::Assign(const TPersistent* Source) {
  auto* s = dynamic_cast<const TGridColumnItem*>(Source);
  if (!s || s == this) return;
  CopyVisuals(*s);
  FColor = s->FColor;
  *FComboItems = *s->FComboItems;
  DropDownCount = s->DropDownCount;
  FFont->Assign(*s->FFont);
  FHeaderFont->Assign(*s->FHeaderFont);
  FHeader = s->FHeader;
  Name = s->Name;
  Tag = s->Tag;
}

void TGridColumnItem::AssignVisuals(const TGridColumnItem* Source) {
  if (!Source || Source == this) return;
  CopyVisuals(*Source);
  if (TExColumnGrid* g = Grid()) {
    FColor = g->Color();
    FFont->Assign(*g->Font());
  }
}

// --- the column's cells ---

QString TGridColumnItem::Rows(int ARow) const {
  TExColumnGrid* g = Grid();
  return g ? g->GetCellEx(Index(), ARow) : QString();
}
void TGridColumnItem::SetRows(int ARow, const QString& Value) {
  if (TExColumnGrid* g = Grid()) g->SetCellEx(Index(), ARow, Value);
}
int TGridColumnItem::Ints(int ARow) const {
  TExColumnGrid* g = Grid();
  return g ? g->Ints(Index(), ARow) : 0;
}
void TGridColumnItem::SetInts(int ARow, int Value) {
  if (TExColumnGrid* g = Grid()) g->SetInts(Index(), ARow, Value);
}
double TGridColumnItem::Floats(int ARow) const {
  TExColumnGrid* g = Grid();
  return g ? g->Floats(Index(), ARow) : 0;
}
void TGridColumnItem::SetFloats(int ARow, double Value) {
  if (TExColumnGrid* g = Grid()) g->SetFloats(Index(), ARow, Value);
}
TDateTime TGridColumnItem::Dates(int ARow) const {
  TExColumnGrid* g = Grid();
  return g ? g->Dates(Index(), ARow) : 0;
}
void TGridColumnItem::SetDates(int ARow, TDateTime Value) {
  if (TExColumnGrid* g = Grid()) g->SetDates(Index(), ARow, Value);
}
TDateTime TGridColumnItem::Times(int ARow) const {
  TExColumnGrid* g = Grid();
  return g ? g->Times(Index(), ARow) : 0;
}
void TGridColumnItem::SetTimes(int ARow, TDateTime Value) {
  if (TExColumnGrid* g = Grid()) g->SetTimes(Index(), ARow, Value);
}

// --- the collection ---

TPersistent* TGridColumnCollection::GetOwner() const { return FGrid; }

TGridColumnItem* TGridColumnCollection::Add() {
  TGridColumnItem* item = TCollectionOf<TGridColumnItem>::Add();
  if (Count() > 1) item->AssignVisuals(Items(Count() - 2));
  return item;
}

void TGridColumnCollection::Update(TCollectionItem* Item) {
  TCollectionOf<TGridColumnItem>::Update(Item);
  if (UpdateCount() > 0 || NoRecursiveUpdate || !FGrid || FGrid->Loading()) return;
  const int columns = Count() - FGrid->NumHiddenColumns();
  if (columns != FGrid->ColCount() && columns > FGrid->TStringGrid::FixedCols()) FGrid->SetColCount(columns);
  FGrid->RebuildHeaderList();
  FGrid->Invalidate();
}

void TGridColumnCollection::SetOrganization() {
  if (FGrid) {
    const bool keep = NoRecursiveUpdate;
    NoRecursiveUpdate = true;
    FGrid->SyncColumns();
    NoRecursiveUpdate = keep;
  }
  for (int i = 0; i < Count(); ++i) Items(i)->DefIdx = i;
}

void TGridColumnCollection::ResetOrganization() {
  if (!FGrid) return;
  // Each pass moves every column that stands right of its recorded place; a
  // pass that moves nothing ends it (at most one pass per column).
  for (int pass = 0; pass <= Count(); ++pass) {
    bool moved = false;
    for (int i = 0; i < Count(); ++i) {
      const int target = Items(i)->DefIdx;
      if (target >= i || target < 0) continue;
      FGrid->MoveColumn(FGrid->RealToDisplCol(i), FGrid->RealToDisplCol(target));
      moved = true;
    }
    if (!moved) return;
  }
}
