// The grid drop-down's list: a suite grid with one header row that takes the
// drop-down's columns and settings, is refilled from its items, and turns a
// click or Enter on a normal row into a confirmed choice (the wheel only moves).
#include "grid/dropdown/drop_down_form.h"
#include "grid/dropdown/grid_drop_down.h"
#include "platform/ui/image_list.h"
#include "platform/ui/system_metrics.h"

namespace grid_drop_down {

namespace {

constexpr uintptr_t kHeaderObject = static_cast<uintptr_t>(-1);

void SetOption(TExStringGrid* G, TGridOption O, bool On) {
  G->SetOptions(On ? G->Options() + O : G->Options() - O);
}

}  // namespace

TExColGrid::TExColGrid(TComponent* AOwner)
    : TDropDownListGrid<TExStringGrid>(AOwner), FColumns(std::make_unique<TDropDownColumns>(this)), FHeaderFont(std::make_unique<TFont>()) {
  FixedRowAlways = true;
  SetFixedRows(1);
  SetFixedCols(0);
  SetOptions((Options() + goHorzLine + goRowSelect) - goRangeSelect);
  BorderStyle = bsNone;
  FGridLineWidth = 1;
}

TExColGrid::~TExColGrid() = default;

void TExColGrid::SetOwnGridLineWidth(int Value) {
  FGridLineWidth = Value;
  SetGridLineWidth(0);
  Invalidate();
}

void TExColGrid::Notification(TComponent* AComponent, TOperation Operation) {
  TExStringGrid::Notification(AComponent, Operation);
  if (Operation == opRemove && FImages && AComponent == static_cast<TComponent*>(FImages) &&
      !ComponentState().Contains(csDestroying))
    FImages = nullptr;
}

void TExColGrid::SetImages(TCustomImageList* Value) {
  if (Value == FImages) return;
  if (FImages) FImages->RemoveFreeNotification(this);
  FImages = Value;
  if (FImages) FImages->FreeNotification(this);
}

bool TExColGrid::InPopup() const { return dynamic_cast<TDropDownForm*>(Parent()) != nullptr; }

void TExColGrid::LoadFromDropDown(TCustomExGridDropDown* D) {
  if (!D) return;
  // 1.
  FExDropDown = D;
  FColumns->Assign(D->Columns());
  if (ColCount() < FColumns->Count()) SetColCount(FColumns->Count());
  // 2.
  if (D->UseItems) SetRowCount(D->Items()->Count() + 1);
  // 3.
  for (int i = 0; i < D->Columns()->Count(); ++i) SetColWidths(i, D->Columns()->Items(i)->Width);
  // 4.
  LineColor = D->LineColor;
  FixedLineColor = D->FixedLineColor;
  HeaderColor = D->HeaderColor;
  HeaderColorTo = D->HeaderColorTo;
  HeaderHeight = D->HeaderHeight;
  FHeaderFont->Assign(*D->HeaderFont());
  HoverRow = D->HoverRow;
  HoverRowColor = D->HoverRowColor;
  HoverRowColorTo = D->HoverRowColorTo;
  SetImages(D->Images());
  SetDefaultRowHeight(D->DropDownRowHeight);
  SetRowHeights(0, D->HeaderHeight);
  // 5.
  SetOption(this, goColSizing, D->ColumnSizing);
  SetOption(this, goColMoving, D->ColumnMoving);
  SetOption(this, goRowSizing, D->RowSizing);
  SetOption(this, goRowMoving, D->RowMoving);
  // 6.
  if (D->AutoSizeColumns) {
    if (D->UseItems) AutoSizeItemColumns();
    else TExStringGrid::AutoSizeColumns(true, 4);
  }
  // 7.
  UpdateRowHeights();
}

void TExColGrid::FillFromItems() {
  if (!FExDropDown) return;
  // 1.
  const TDropDownColumns* cols = FExDropDown->Columns();
  const int columns = cols->Count();
  if (columns > 0 && ColCount() != columns) SetColCount(columns);
  // 2.
  for (int i = 0; i < columns; ++i) {
    SetCellEx(i, 0, cols->Items(i)->Header);
    SetObjectEx(i, 0, kHeaderObject);
  }
  // 3.
  const TDropDownItems* items = FExDropDown->Items();
  if (items->Count() > 0) SetRowCount(FixedRows() + items->Count());
  // 4.
  for (int j = 0; j < items->Count(); ++j) {
    const TDropDownItem* item = items->Items(j);
    for (int i = 0; i < columns; ++i) SetCellEx(i, j + 1, item->TextAt(i));
    SetObjectEx(0, j + 1, static_cast<uintptr_t>(j));
  }
}

int TExColGrid::GetListWidth() const {
  int w = 0;
  for (int i = 0; i < ColCount(); ++i) w += ColWidths(i);
  if (VisibleRowCount() + FixedRows() != RowCount()) w += VerticalScrollBarWidth();
  return w;
}

QString TExColGrid::MeasuredText(int Column, int Row) {
  if (!FExDropDown) return GetCellEx(Column, Row);
  const int item = Row - 1;
  if (!FExDropDown->UseItems) return GetCellEx(Column, Row);
  if (Row < 1 || item >= FExDropDown->Items()->Count()) return QString();
  return FExDropDown->Items()->Items(item)->TextAt(Column);
}

void TExColGrid::AutoSizeItemColumn(int Index) {
  if (Index < 0 || Index >= FColumns->Count() || !FColumns->Items(Index)->AutoSize || !InPopup()) return;
  const TDropDownColumn* column = FColumns->Items(Index);
  TCanvas* c = MeasureCanvas();
  c->SetFont(column->Font());
  int widest = 0;
  for (int r = 1; r < RowCount(); ++r) {
    int w = 0;
    const QString text = MeasuredText(Index, r);
    if (!text.isEmpty()) {
      TRect m = Rect(0, 0, 1000, 500);
      c->DrawText(text, m, DT_CALCRECT | DT_SINGLELINE);
      w += m.Right - m.Left + 6;
    }
    if (column->ColumnType == ctImage && FImages && FExDropDown && FExDropDown->UseItems && r - 1 < FExDropDown->Items()->Count() &&
        FExDropDown->Items()->Items(r - 1)->ImageIndex >= 0)
      w += FImages->Width() + 4;
    widest = std::max(widest, w);
  }
  FColumns->Items(Index)->Width = widest;
  SetColWidths(Index, widest);
}

void TExColGrid::AutoSizeItemColumns() {
  for (int i = 0; i < FColumns->Count(); ++i)
    if (FColumns->Items(i)->AutoSize) AutoSizeItemColumn(i);
}

void TExColGrid::UpdateRowHeights() {
  bool wrap = false;
  for (int i = 0; i < FColumns->Count(); ++i) wrap = wrap || FColumns->Items(i)->Wordwrap;
  if (!wrap || !InPopup()) return;
  TCanvas* c = MeasureCanvas();
  for (int r = FixedRows(); r < RowCount(); ++r) {
    int h = 24;
    for (int col = 0; col < FColumns->Count() && col < ColCount(); ++col) {
      const TDropDownColumn* column = FColumns->Items(col);
      if (!column->Wordwrap) continue;
      const QString text = MeasuredText(col, r);
      if (text.isEmpty()) continue;
      c->SetFont(column->Font());
      TRect m = Rect(0, 0, ColWidths(col), 500);
      c->DrawText(text, m, DT_CALCRECT | DT_WORDBREAK);
      h = std::max(h, m.Bottom - m.Top + 6);
    }
    SetRowHeights(r, h);
  }
}

// --- keys and mouse ---

void TExColGrid::DoSelect() {
  if (OnSelect) OnSelect(this);
}

void TExColGrid::KeyDown(int& Key, TShiftState Shift) {
  FConfirmSelection = true;
  if ((Key == VK_UP || Key == VK_DOWN) && Shift.Contains(ssAlt)) {
    if (FExDropDown) SendMessage(FExDropDown, WM_KEYDOWN, Key, 0);
    return;
  }
  if (Key != VK_RETURN) return TExStringGrid::KeyDown(Key, Shift);
  // Enter chooses the current row; the cursor stays on it.
  Key = 0;
  TExStringGrid::KeyDown(Key, Shift);
  DoSelect();
}

// Enter in a list that is not edited goes to the list's own key step, which
// chooses the row (the grid would hand an Enter on a read-only cell to the
// edit, closing the pop-up without OnSelect).
void TExColGrid::WMKeyDown(TMessage& Message) {
  if (Message.CharCode() == VK_TAB) return;
  if (Message.CharCode() == VK_RETURN && !Options().Contains(goEditing)) {
    int key = VK_RETURN;
    KeyDown(key, GetShiftState());
    Message.Result = 1;
    return;
  }
  TExStringGrid::WMKeyDown(Message);
}

void TExColGrid::WMChar(TMessage& Message) {
  if (Message.CharCode() == 13) {
    Message.Result = 1;
    return;
  }
  TExStringGrid::WMChar(Message);
}

// A left release over a normal row chooses it, unless it is over a check box.
void TExColGrid::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TExStringGrid::MouseUp(Button, Shift, X, Y);
  if (Button != mbLeft) return;
  int col = -1, row = -1;
  MouseToCell(X, Y, col, row);
  if (row >= FixedRows() && row < RowCount() && !HasCheckBox(col, row)) DoSelect();
}

}  // namespace grid_drop_down
