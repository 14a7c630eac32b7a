// The multi-column drop-down's list: a string grid with one header row that
// paints the drop-down's items itself.
#include "grid/dropdown/drop_down_form.h"
#include "grid/dropdown/dropdown_drawing.h"
#include "grid/dropdown/multi_column_drop_down.h"
#include "platform/ui/system_metrics.h"

TExColGrid::TExColGrid(TComponent* AOwner)
    : TDropDownListGrid<TStringGrid>(AOwner), FColumns(std::make_unique<TDropDownColumns>(this)), FHeaderFont(std::make_unique<TFont>()) {
  SetFixedRows(1);
  SetFixedCols(0);
  SetOptions((Options() + goHorzLine + goRowSelect) - goRangeSelect - goDrawFocusSelected);
  SetDefaultDrawing(false);
  SetOwnGridLineWidth(0);
  FGridLineWidth = 1;
}

TExColGrid::~TExColGrid() = default;

void TExColGrid::SetOwnGridLineWidth(int Value) {
  FGridLineWidth = Value;
  SetGridLineWidth(0);
  Invalidate();
}

bool TExColGrid::InPopup() const { return dynamic_cast<TDropDownForm*>(Parent()) != nullptr; }

QString TExColGrid::ItemText(int Column, int Row) const {
  if (!FExDropDown) return Cells(Column, Row);
  const int item = Row - 1;
  if (Row < 1 || item >= FExDropDown->Items()->Count()) return QString();
  return FExDropDown->Items()->Items(item)->TextAt(Column);
}

void TExColGrid::LoadFromDropDown(TExMultiColumnDropDown* D) {
  if (!D) return;
  // 1.
  FExDropDown = D;
  FColumns->Assign(D->Columns());
  SetColCount(std::max(1, FColumns->Count()));
  // 2.
  const int items = D->Items()->Count();
  SetRowCount(items + 1);
  if (items + 1 > 1) {
    SetFixedRows(1);
    SetRow(1);
    SetRowCount(items + 1);
  } else {
    SetFixedRows(0);
  }
  // 3.
  for (int i = 0; i < D->Columns()->Count(); ++i) SetColWidths(i, D->Columns()->Items(i)->Width);
  // 4.
  LineColor = D->LineColor;
  FixedLineColor = D->FixedLineColor;
  HeaderColor = D->HeaderColor;
  HeaderColorTo = D->HeaderColorTo;
  HeaderHeight = D->HeaderHeight;
  FHeaderFont->Assign(*D->HeaderFont());
  SetDefaultRowHeight(D->DropDownRowHeight);
  if (FixedRows() > 0) SetRowHeights(0, D->HeaderHeight);
  SetOptions(D->ColumnSizing ? Options() + goColSizing : Options() - goColSizing);
  // 5. and 6.
  AutoSizeItemColumns();
  UpdateRowHeights();
}

int TExColGrid::GetListWidth() const {
  int w = 0;
  for (int i = 0; i < ColCount(); ++i) w += ColWidths(i);
  if (VisibleRowCount() + FixedRows() != RowCount()) w += VerticalScrollBarWidth();
  return w;
}

TRect TExColGrid::GetCellRect(int ACol, int ARow) const {
  const TRect r = CellRect(ACol, ARow);
  return Bounds(r.Left, r.Top, ColWidths(ACol), RowHeights(ARow));
}

void TExColGrid::AutoSizeItemColumn(int Index) {
  if (Index < 0 || Index >= FColumns->Count() || !FColumns->Items(Index)->AutoSize || !InPopup()) return;
  TCanvas* c = MeasureCanvas();
  c->SetFont(FColumns->Items(Index)->Font());
  int widest = 0;
  for (int r = 1; r < RowCount(); ++r) {
    int w = 0;
    const QString text = ItemText(Index, r);
    if (!text.isEmpty()) {
      TRect m = Rect(0, 0, 1000, 500);
      c->DrawText(text, m, DT_CALCRECT | DT_SINGLELINE);
      w += m.Right - m.Left + 6;
    }
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
      const QString text = ItemText(col, r);
      int b = 0;
      if (!text.isEmpty()) {
        c->SetFont(column->Font());
        TRect m = Rect(0, 0, ColWidths(col), 500);
        c->DrawText(text, m, DT_CALCRECT | DT_WORDBREAK);
        b = std::max(b, m.Bottom - m.Top + 6);
      }
      h = std::max(h, b);
    }
    SetRowHeights(r, h);
  }
}

void TExColGrid::DrawCell(int ACol, int ARow, TRect ARect, TGridDrawState AState) {
  TCanvas* c = Canvas();
  // 1.
  if (FExDropDown && FExDropDown->OnDropDownDrawItem) {
    FExDropDown->OnDropDownDrawItem(FExDropDown, ACol, ARow, c, ARect);
    return;
  }
  // 2.
  const int last = ColCount() - 1;
  const int run = FixedCols() == last ? 0 : ACol == FixedCols() ? 1 : ACol == last ? 2 : 3;
  // 3. and 4.
  QString text = ARow >= 0 ? Cells(ACol, ARow) : QString();
  TColor cellColor = Color();
  TAlignment align = taLeftJustify;
  bool wrap = false, ellipsis = false;
  const bool isColumn = ACol >= FixedCols() && ACol < FColumns->Count();
  if (isColumn) {
    const TDropDownColumn* column = FColumns->Items(ACol);
    cellColor = column->Color;
    align = column->Alignment;
    wrap = column->Wordwrap;
    ellipsis = column->Ellipsis;
    c->SetFont(column->Font());
    if (ARow >= 1 && FExDropDown && ARow - 1 < FExDropDown->Items()->Count()) {
      const TDropDownItem* item = FExDropDown->Items()->Items(ARow - 1);
      if (ACol < item->Text().Count()) text = item->Text()[ACol];
    }
  } else {
    c->SetFont(FHeaderFont.get());
  }
  // 5.
  if (FExDropDown && FExDropDown->OnDropDownGetItemText) FExDropDown->OnDropDownGetItemText(FExDropDown, ACol, ARow, text);
  // 6.
  const bool fixed = AState.Contains(gdFixed);
  if (fixed) {
    if (isColumn) text = FColumns->Items(ACol)->Header;
    if (HeaderColor == clNone || HeaderColorTo == clNone) {
      c->Brush()->SetStyle(bsSolid);
      c->Brush()->SetColor(HeaderColor);
      c->FillRect(ARect);
    } else if (FExDropDown) {
      FExDropDown->ListDrawGradient(c, HeaderColor, HeaderColorTo, ARect);
    } else {
      DrawGradientRect(c, HeaderColor, HeaderColorTo, 80, ARect, false);
    }
  } else if (AState.Contains(gdSelected)) {
    if (FExDropDown) {
      FExDropDown->ListDrawSelection(c, ARect, cellColor, run);
    } else {
      c->Brush()->SetColor(clActiveCaption);
      c->FillRect(ARect);
    }
  } else {
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(cellColor);
    c->Pen()->SetColor(cellColor);
    c->Pen()->SetWidth(1);
    c->Rectangle(ARect);
  }
  // 7.
  int off;
  if (fixed) {
    c->Pen()->SetColor(FixedLineColor);
    c->Pen()->SetWidth(1);
    off = 1;
  } else {
    if (FGridLineWidth > 0) c->Pen()->SetColor(LineColor);
    c->Pen()->SetWidth(std::max(1, FGridLineWidth));
    off = (FGridLineWidth + 1) / 2;
  }
  const bool lines = fixed || FGridLineWidth > 0;
  if (lines && Options().Contains(fixed ? goFixedHorzLine : goHorzLine)) {
    c->MoveTo(ARect.Left - off + 1, ARect.Bottom - off);
    c->LineTo(ARect.Right - off + 1, ARect.Bottom - off);
  }
  if (lines && Options().Contains(fixed ? goFixedVertLine : goVertLine)) {
    c->MoveTo(ARect.Right - off, ARect.Bottom - off);
    c->LineTo(ARect.Right - off, ARect.Top - off);
  }
  // 8.
  TRect t = ARect;
  InflateRect(t, -FGridLineWidth, -FGridLineWidth);
  t.Left += 2;
  // 9.
  if (text.isEmpty()) return;
  unsigned flags = DT_NOPREFIX | DT_EXPANDTABS | DT_VCENTER;
  flags |= wrap ? (DT_WORDBREAK | DT_EDITCONTROL) : DT_SINGLELINE;
  flags |= align == taRightJustify ? DT_RIGHT : align == taCenter ? DT_CENTER : DT_LEFT;
  if (ellipsis) flags |= DT_END_ELLIPSIS;
  if (fixed) c->SetFont(FHeaderFont.get());
  else if (AState.Contains(gdSelected) && FExDropDown) c->Font()->SetColor(FExDropDown->SelectionTextColor);
  c->Brush()->SetStyle(bsClear);
  c->DrawText(text, t, flags);
  c->Brush()->SetStyle(bsSolid);
}

void TExColGrid::DoSelect() {
  if (OnSelect) OnSelect(this);
}

void TExColGrid::KeyDown(int& Key, TShiftState Shift) {
  FConfirmSelection = true;
  if ((Key == VK_UP || Key == VK_DOWN) && Shift.Contains(ssAlt)) {
    if (FExDropDown) SendMessage(FExDropDown, WM_KEYDOWN, Key, 0);
    return;
  }
  TStringGrid::KeyDown(Key, Shift);
  if (Key == VK_RETURN) DoSelect();
}

void TExColGrid::WMKeyDown(TMessage& Message) {
  if (Message.CharCode() == VK_TAB) return;
  TStringGrid::WMKeyDown(Message);
}

void TExColGrid::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TStringGrid::MouseUp(Button, Shift, X, Y);
  int col = -1, row = -1;
  MouseToCell(X, Y, col, row);
  if (row >= FixedRows() && row < RowCount()) DoSelect();
}
