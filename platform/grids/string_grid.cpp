// Counts, sizes, contents, geometry, the current cell and the selection.
#include "platform/grids/string_grid.h"

#include <QWidget>
#include <algorithm>

#include "platform/grids/inplace_edit.h"
#include "platform/ui/qt_graphics.h"

namespace {

TGridRect Normalized(TGridCoord a, TGridCoord b) {
  return {std::min(a.X, b.X), std::min(a.Y, b.Y), std::max(a.X, b.X), std::max(a.Y, b.Y)};
}

bool InRect(const TGridRect& r, int c, int row) { return c >= r.Left && c <= r.Right && row >= r.Top && row <= r.Bottom; }

}  // namespace

void TInplaceEdit::UpdateContents() {
  TStringGrid* g = grid_;
  SetEditMask(g->GetEditMask(g->Col(), g->Row()));
  SetMaxLength(g->GetEditLimit());
  SetEditText(g->GetEditText(g->Col(), g->Row()));
}

TStringGrid::TStringGrid(TComponent* AOwner) : TCustomControl(AOwner), horz_(5, 1, 64), vert_(5, 1, 24) {
  SetColor(clWindow);
  SetTabStop(true);
  SetBounds(0, 0, 320, 120);
  LayoutScrollBars();
}

TStringGrid::~TStringGrid() = default;

// --- counts and sizes ---

void TStringGrid::ChangeSize(int NewColCount, int NewRowCount) {
  const int oldCols = ColCount(), oldRows = RowCount();
  if (NewColCount == oldCols && NewRowCount == oldRows) return;
  UpdateText();
  horz_.SetCount(NewColCount);
  vert_.SetCount(NewRowCount);
  ClampCursor();
  SizeChanged(oldCols, oldRows);
  LayoutScrollBars();
  InvalidateEditor();
  Invalidate();
}

void TStringGrid::ClampCursor() {
  auto clamp = [this](TGridCoord& p) {
    p.X = std::clamp(p.X, 0, ColCount() - 1);
    p.Y = std::clamp(p.Y, 0, RowCount() - 1);
  };
  clamp(current_);
  clamp(anchor_);
  if (options_.Contains(goRowSelect)) {
    current_.X = FixedCols();
    anchor_.X = ColCount() - 1;
  }
}

void TStringGrid::SetColCount(int value) { ChangeSize(std::max(1, value), RowCount()); }
void TStringGrid::SetRowCount(int value) { ChangeSize(ColCount(), std::max(1, value)); }

void TStringGrid::SetFixedCols(int value) {
  if (!horz_.SetFixedCount(value)) return;
  if (current_.X < value) current_.X = value;
  if (anchor_.X < value) anchor_.X = value;
  LayoutScrollBars();
  InvalidateEditor();
  Invalidate();
}

void TStringGrid::SetFixedRows(int value) {
  if (!vert_.SetFixedCount(value)) return;
  if (current_.Y < value) current_.Y = value;
  if (anchor_.Y < value) anchor_.Y = value;
  LayoutScrollBars();
  InvalidateEditor();
  Invalidate();
}

void TStringGrid::SetDefaultColWidth(int value) {
  horz_.SetDefaultExtent(value);
  ColWidthsChanged();
  Invalidate();
}

void TStringGrid::SetDefaultRowHeight(int value) {
  vert_.SetDefaultExtent(value);
  RowHeightsChanged();
  Invalidate();
}

void TStringGrid::SetColWidths(int index, int value) {
  if (index < 0 || index >= ColCount() || horz_.Extent(index) == value) return;
  horz_.SetExtent(index, value);
  ColWidthsChanged();
}

void TStringGrid::SetRowHeights(int index, int value) {
  if (index < 0 || index >= RowCount() || vert_.Extent(index) == value) return;
  vert_.SetExtent(index, value);
  RowHeightsChanged();
}

void TStringGrid::ColWidthsChanged() {
  LayoutScrollBars();
  InvalidateEditor();
  Invalidate();
}

void TStringGrid::RowHeightsChanged() {
  LayoutScrollBars();
  InvalidateEditor();
  Invalidate();
}

void TStringGrid::SetGridLineWidth(int value) {
  horz_.SetLineWidth(value);
  vert_.SetLineWidth(value);
  LayoutScrollBars();
  Invalidate();
}

// --- scroll origin and geometry ---

void TStringGrid::SetLeftCol(int value) {
  if (value < FixedCols() || value >= ColCount()) return;
  MoveTopLeft(value, TopRow());
}

void TStringGrid::SetTopRow(int value) {
  if (value < FixedRows() || value >= RowCount()) return;
  MoveTopLeft(LeftCol(), value);
}

void TStringGrid::MoveTopLeft(int ALeft, int ATop) {
  if (ALeft == LeftCol() && ATop == TopRow()) return;
  UpdateText();
  horz_.SetFirst(ALeft);
  vert_.SetFirst(ATop);
  UpdateScrollRange();
  Invalidate();
  TopLeftChanged();
}

void TStringGrid::TopLeftChanged() {
  if (editorMode_) InvalidateEditor();
  if (OnTopLeftChanged) OnTopLeftChanged(this);
}

int TStringGrid::VisibleColCount() const { return std::max(0, horz_.VisibleCount(ClientWidth())); }
int TStringGrid::VisibleRowCount() const { return std::max(0, vert_.VisibleCount(ClientHeight())); }

TRect TStringGrid::FullCellRect(int ACol, int ARow) const {
  const int x = horz_.CellStart(ACol, ClientWidth());
  const int y = vert_.CellStart(ARow, ClientHeight());
  if (x < 0 || y < 0) return TRect{};
  return Bounds(x, y, horz_.Extent(ACol), vert_.Extent(ARow));
}

TRect TStringGrid::CellRect(int ACol, int ARow) const {
  TRect r = FullCellRect(ACol, ARow);
  if (IsRectEmpty(r)) return TRect{};
  r.Right = std::min(r.Right, ClientWidth());
  r.Bottom = std::min(r.Bottom, ClientHeight());
  return r;
}

TGridCoord TStringGrid::MouseCoord(int X, int Y) const {
  TGridCoord c{horz_.CellAt(X, ClientWidth()), vert_.CellAt(Y, ClientHeight())};
  if (c.X < 0 || c.Y < 0) return {-1, -1};
  return c;
}

void TStringGrid::MouseToCell(int X, int Y, int& ACol, int& ARow) const {
  TGridCoord c = MouseCoord(X, Y);
  ACol = c.X;
  ARow = c.Y;
}

// --- current cell and selection ---

void TStringGrid::SetCol(int value) {
  if (value == Col()) return;
  FocusCell(value, Row(), true);
}

void TStringGrid::SetRow(int value) {
  if (value == Row()) return;
  FocusCell(Col(), value, true);
}

TGridRect TStringGrid::Selection() const { return Normalized(current_, anchor_); }

void TStringGrid::SetSelection(TGridRect value) {
  TGridRect old = Selection();
  anchor_ = {value.Left, value.Top};
  current_ = {value.Right, value.Bottom};
  InvalidateSelection(old);
  InvalidateSelection(Selection());
}

bool TStringGrid::SelectCell(int ACol, int ARow) {
  bool can = true;
  if (OnSelectCell) OnSelectCell(this, ACol, ARow, can);
  return can;
}

void TStringGrid::MoveColRow(int ACol, int ARow, bool MoveAnchor, bool Show) {
  if (ACol < 0 || ARow < 0 || ACol >= ColCount() || ARow >= RowCount()) return;
  if (!SelectCell(ACol, ARow)) return;
  UpdateText();
  TGridRect old = Selection();
  current_ = {ACol, ARow};
  if (!options_.Contains(goAlwaysShowEditor)) HideEditor();
  if (MoveAnchor || !options_.Contains(goRangeSelect)) {
    anchor_ = current_;
    if (options_.Contains(goRowSelect)) anchor_.X = ColCount() - 1;
  }
  if (options_.Contains(goRowSelect)) current_.X = FixedCols();
  if (Show) ClampInView(current_);
  InvalidateSelection(old);
  InvalidateSelection(Selection());
}

void TStringGrid::FocusCell(int ACol, int ARow, bool MoveAnchor) {
  MoveColRow(ACol, ARow, MoveAnchor, true);
  UpdateEdit();
  Click();
}

void TStringGrid::MoveAnchor(TGridCoord NewAnchor) {
  if (!options_.Contains(goRangeSelect) || options_.Contains(goEditing)) {
    MoveColRow(NewAnchor.X, NewAnchor.Y, true, true);
    return;
  }
  if (NewAnchor.X < 0 || NewAnchor.Y < 0 || NewAnchor.X >= ColCount() || NewAnchor.Y >= RowCount()) return;
  TGridRect old = Selection();
  anchor_ = NewAnchor;
  if (options_.Contains(goRowSelect)) anchor_.X = ColCount() - 1;
  ClampInView(NewAnchor);
  InvalidateSelection(old);
  InvalidateSelection(Selection());
}

void TStringGrid::ClampInView(TGridCoord Coord) {
  int left = LeftCol(), top = TopRow();
  auto clampAxis = [](const TGridAxis& axis, int index, int client, int first) {
    if (index < axis.FixedCount() || index >= axis.Count()) return first;
    if (index < first) return index;
    TGridAxis probe = axis;
    probe.SetFirst(first);
    if (index <= probe.LastFullVisible(client)) return first;
    // Scroll forward until the cell is wholly in view, or it is the first one.
    while (first < index) {
      probe.SetFirst(++first);
      if (index <= probe.LastFullVisible(client)) break;
    }
    return first;
  };
  left = clampAxis(horz_, Coord.X, ClientWidth(), left);
  top = clampAxis(vert_, Coord.Y, ClientHeight(), top);
  MoveTopLeft(left, top);
}

void TStringGrid::SetOptions(TGridOptions value) {
  if (options_ == value) return;
  options_ = value;
  if (!options_.Contains(goEditing)) HideEditor();
  if (options_.Contains(goRowSelect)) ClampCursor();
  Invalidate();
}

void TStringGrid::SetFixedColor(TColor value) {
  if (fixedColor_ == value) return;
  fixedColor_ = value;
  Invalidate();
}

void TStringGrid::SetDefaultDrawing(bool value) {
  if (defaultDrawing_ == value) return;
  defaultDrawing_ = value;
  Invalidate();
}

// --- contents ---

void TStringGrid::SetCells(int ACol, int ARow, const QString& value) {
  table_.SetText(ACol, ARow, value);
  InvalidateCell(ACol, ARow);
  if (ACol == inplaceCol_ && ARow == inplaceRow_ && editorMode_ && editor_) editor_->UpdateContents();
}

void TStringGrid::MoveColumn(int FromIndex, int ToIndex) {
  if (FromIndex < 0 || ToIndex < 0 || FromIndex >= ColCount() || ToIndex >= ColCount() || FromIndex == ToIndex) return;
  UpdateText();
  horz_.MoveExtent(FromIndex, ToIndex);
  auto follow = [&](int& x) {
    if (x == FromIndex) x = ToIndex;
    else if (FromIndex < ToIndex && x > FromIndex && x <= ToIndex) --x;
    else if (FromIndex > ToIndex && x >= ToIndex && x < FromIndex) ++x;
  };
  follow(current_.X);
  follow(anchor_.X);
  ColumnMoved(FromIndex, ToIndex);
  InvalidateEditor();
  Invalidate();
}

void TStringGrid::MoveRow(int FromIndex, int ToIndex) {
  if (FromIndex < 0 || ToIndex < 0 || FromIndex >= RowCount() || ToIndex >= RowCount() || FromIndex == ToIndex) return;
  UpdateText();
  vert_.MoveExtent(FromIndex, ToIndex);
  auto follow = [&](int& y) {
    if (y == FromIndex) y = ToIndex;
    else if (FromIndex < ToIndex && y > FromIndex && y <= ToIndex) --y;
    else if (FromIndex > ToIndex && y >= ToIndex && y < FromIndex) ++y;
  };
  follow(current_.Y);
  follow(anchor_.Y);
  RowMoved(FromIndex, ToIndex);
  InvalidateEditor();
  Invalidate();
}

void TStringGrid::ColumnMoved(int FromIndex, int ToIndex) {
  table_.MoveColumn(FromIndex, ToIndex);
  if (OnColumnMoved) OnColumnMoved(this, FromIndex, ToIndex);
}

void TStringGrid::RowMoved(int FromIndex, int ToIndex) {
  table_.MoveRow(FromIndex, ToIndex);
  if (OnRowMoved) OnRowMoved(this, FromIndex, ToIndex);
}

// --- repainting ---

void TStringGrid::InvalidateRect(const TRect& r) {
  if (IsRectEmpty(r)) return;
  if (QWidget* w = Widget()) {
    w->update(ToQRect(r));
    return;
  }
  Invalidate();
}

void TStringGrid::InvalidateCell(int ACol, int ARow) {
  // A grid that is not shown repaints nothing: the cell's place is not looked for
  // (a grid filled before it is shown writes every cell).
  if (QWidget* w = Widget(); w && (!w->isVisible() || !w->updatesEnabled())) return;
  InvalidateRect(CellRect(ACol, ARow));
}

void TStringGrid::InvalidateRow(int ARow) {
  TRect first = CellRect(0, ARow);
  if (IsRectEmpty(first)) first = CellRect(LeftCol(), ARow);
  if (IsRectEmpty(first)) return;
  InvalidateRect(Rect(0, first.Top, ClientWidth(), first.Bottom));
}

void TStringGrid::InvalidateCol(int ACol) {
  TRect first = CellRect(ACol, 0);
  if (IsRectEmpty(first)) first = CellRect(ACol, TopRow());
  if (IsRectEmpty(first)) return;
  InvalidateRect(Rect(first.Left, 0, first.Right, ClientHeight()));
}

void TStringGrid::InvalidateSelection(const TGridRect& r) {
  if (r.Left == r.Right && r.Top == r.Bottom) {
    InvalidateCell(r.Left, r.Top);
    return;
  }
  Invalidate();
}

// --- in-place editor ---

bool TStringGrid::CanEditShow() {
  return options_.Contains(goEditing) && !options_.Contains(goRowSelect) && editorMode_ &&
         (options_.Contains(goAlwaysShowEditor) || Focused() || (editor_ && editor_->ControlVisible()));
}

QString TStringGrid::GetEditText(int ACol, int ARow) {
  QString value = Cells(ACol, ARow);
  if (OnGetEditText) OnGetEditText(this, ACol, ARow, value);
  return value;
}

void TStringGrid::SetEditText(int ACol, int ARow, const QString& Value) {
  if (Value != Cells(ACol, ARow)) SetCells(ACol, ARow, Value);
  if (OnSetEditText) OnSetEditText(this, ACol, ARow, Value);
}

void TStringGrid::SetEditorMode(bool value) {
  if (!value) {
    HideEditor();
    return;
  }
  ShowEditor();
  if (editor_) editor_->Deselect();
}

void TStringGrid::ShowEditor() {
  editorMode_ = true;
  UpdateEdit();
}

void TStringGrid::HideEditor() {
  UpdateText();
  editorMode_ = false;
  if (editor_ && editor_->ControlVisible()) {
    editor_->HideControl();
    if (Widget()) SetFocus();
  }
  inplaceCol_ = inplaceRow_ = -1;
}

// Writes the editor's text into the cell it was opened on.
void TStringGrid::UpdateText() {
  if (!editor_ || inplaceCol_ < 0 || inplaceRow_ < 0 || !editor_->ControlVisible()) return;
  const int c = inplaceCol_, r = inplaceRow_;
  SetEditText(c, r, editor_->EditText());
}

void TStringGrid::UpdateEdit() {
  if (!CanEditShow()) return;
  if (!editor_) {
    editor_ = CreateEditor();
    if (!editor_) return;
  }
  if (inplaceCol_ != Col() || inplaceRow_ != Row()) {
    inplaceCol_ = Col();
    inplaceRow_ = Row();
    editor_->UpdateContents();
  }
  TRect r = CellRect(Col(), Row());
  if (IsRectEmpty(r)) {
    editor_->HideControl();
    return;
  }
  editor_->ShowAt(r, Focused());
}

void TStringGrid::InvalidateEditor() {
  if (!editorMode_ || !editor_) return;
  inplaceCol_ = inplaceRow_ = -1;
  UpdateEdit();
}
