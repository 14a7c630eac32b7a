// The class library's string grid (stands for TCustomGrid, TCustomDrawGrid and
// TStringGrid): a table of cells with fixed rows and columns at the top and left,
// individual column widths and row heights, a scroll origin (TopRow, LeftCol), a
// current cell and a range selection that move only through the vetoable
// `SelectCell`, painting through a `DrawCell` per visible cell with the fixed
// areas clipped, scroll bars with overridable scroll hooks, the default cursor
// keys, mouse selection, column and row sizing and moving, and the in-place editor
// protocol. Cells and Objects live in a sparse table independent of the counts.
// Indexes outside the grid are refused: getters answer a neutral value, setters
// change nothing.
#pragma once

#include <QString>
#include <functional>
#include <memory>

#include "platform/grids/cell_table.h"
#include "platform/grids/grid_axis.h"
#include "platform/rtl/sets.h"
#include "platform/ui/control.h"
#include "platform/ui/scroll_style.h"

class QScrollBar;
class TInplaceEdit;

enum TGridOption {
  goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect, goDrawFocusSelected,
  goRowSizing, goColSizing, goRowMoving, goColMoving, goEditing, goTabs, goRowSelect,
  goAlwaysShowEditor, goThumbTracking
};
using TGridOptions = TSet<TGridOption>;

enum TGridDrawStateFlag { gdSelected, gdFocused, gdFixed };
using TGridDrawState = TSet<TGridDrawStateFlag>;

enum TGridState { gsNormal, gsSelecting, gsRowSizing, gsColSizing, gsRowMoving, gsColMoving };

// A cell position; -1 in either part for "no cell".
struct TGridCoord {
  int X = 0;
  int Y = 0;
  bool operator==(const TGridCoord&) const = default;
};

// A block of cells by column and row, both ends inclusive.
struct TGridRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;
  bool operator==(const TGridRect&) const = default;
};

// Scroll-bar messages and their codes (the low word of WParam; the high word
// carries the thumb position).
inline constexpr unsigned WM_HSCROLL = 0x0114;
inline constexpr unsigned WM_VSCROLL = 0x0115;
inline constexpr int SB_LINEUP = 0, SB_LINEDOWN = 1, SB_PAGEUP = 2, SB_PAGEDOWN = 3, SB_THUMBPOSITION = 4,
                     SB_THUMBTRACK = 5, SB_TOP = 6, SB_BOTTOM = 7, SB_ENDSCROLL = 8;

using TSelectCellEvent = std::function<void(TObject* Sender, int ACol, int ARow, bool& CanSelect)>;
using TDrawCellEvent = std::function<void(TObject* Sender, int ACol, int ARow, TRect Rect, TGridDrawState State)>;
using TGetEditEvent = std::function<void(TObject* Sender, int ACol, int ARow, QString& Value)>;
using TSetEditEvent = std::function<void(TObject* Sender, int ACol, int ARow, const QString& Value)>;
using TMovedEvent = std::function<void(TObject* Sender, int FromIndex, int ToIndex)>;

class TStringGrid : public TCustomControl {
public:
  explicit TStringGrid(TComponent* AOwner);
  ~TStringGrid() override;

  // --- counts and sizes ---
  int ColCount() const { return horz_.Count(); }
  void SetColCount(int value);
  int RowCount() const { return vert_.Count(); }
  void SetRowCount(int value);
  int FixedCols() const { return horz_.FixedCount(); }
  void SetFixedCols(int value);
  int FixedRows() const { return vert_.FixedCount(); }
  void SetFixedRows(int value);
  int DefaultColWidth() const { return horz_.DefaultExtent(); }
  void SetDefaultColWidth(int value);
  int DefaultRowHeight() const { return vert_.DefaultExtent(); }
  void SetDefaultRowHeight(int value);
  int ColWidths(int index) const { return horz_.Extent(index); }
  void SetColWidths(int index, int value);
  int RowHeights(int index) const { return vert_.Extent(index); }
  void SetRowHeights(int index, int value);
  // The library's own grid lines (drawn between cells); 1 by default.
  int GridLineWidth() const { return horz_.LineWidth(); }
  void SetGridLineWidth(int value);

  // --- scroll origin and what is in view ---
  int LeftCol() const { return horz_.First(); }
  void SetLeftCol(int value);
  int TopRow() const { return vert_.First(); }
  void SetTopRow(int value);
  int VisibleColCount() const;
  int VisibleRowCount() const;
  // The cell's rectangle in client pixels, cut at the client edge; (0, 0, 0, 0)
  // for a cell out of view.
  TRect CellRect(int ACol, int ARow) const;
  TGridCoord MouseCoord(int X, int Y) const;
  // The cell under a client point; -1, -1 when there is none.
  void MouseToCell(int X, int Y, int& ACol, int& ARow) const;
  // Client size of the cell area (the control less its scroll bars).
  int ClientWidth() const override;
  int ClientHeight() const override;

  // --- current cell and selection ---
  int Col() const { return current_.X; }
  void SetCol(int value);
  int Row() const { return current_.Y; }
  void SetRow(int value);
  TGridRect Selection() const;
  void SetSelection(TGridRect value);

  TGridOptions Options() const { return options_; }
  void SetOptions(TGridOptions value);
  TScrollStyle ScrollBars() const { return scrollBars_; }
  void SetScrollBars(TScrollStyle value);
  TColor FixedColor() const { return fixedColor_; }
  void SetFixedColor(TColor value);
  // The library's own filling and text of each cell before DrawCell.
  bool DefaultDrawing() const { return defaultDrawing_; }
  void SetDefaultDrawing(bool value);

  // --- cell contents (raw: no hooks, no mapping) ---
  QString Cells(int ACol, int ARow) const { return table_.Text(ACol, ARow); }
  // Stores the text and invalidates the cell.
  void SetCells(int ACol, int ARow, const QString& value);
  TObject* Objects(int ACol, int ARow) const { return table_.Object(ACol, ARow); }
  void SetObjects(int ACol, int ARow, TObject* value) { table_.SetObject(ACol, ARow, value); }

  // --- moving whole columns and rows (widths, cells and the cursor go along) ---
  // Move a column or row with its width or height, keeping the current cell and
  // the selection on the cells they were on; then the moved notification runs.
  // Virtual, so that the user's drag reaches a descendant's bookkeeping too.
  virtual void MoveColumn(int FromIndex, int ToIndex);
  virtual void MoveRow(int FromIndex, int ToIndex);

  // --- in-place editor ---
  bool EditorMode() const { return editorMode_; }
  void SetEditorMode(bool value);
  TInplaceEdit* InplaceEditor() const { return editor_; }

  // --- repainting ---
  void InvalidateCell(int ACol, int ARow);
  void InvalidateRow(int ARow);
  void InvalidateCol(int ACol);
  void InvalidateGrid() { Invalidate(); }

  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

  TSelectCellEvent OnSelectCell;
  TDrawCellEvent OnDrawCell;
  TGetEditEvent OnGetEditText;
  TSetEditEvent OnSetEditText;
  TMovedEvent OnColumnMoved;
  TMovedEvent OnRowMoved;
  TNotifyEvent OnTopLeftChanged;

protected:
  // --- notifications to descendants ---
  // May the cursor go to (ACol, ARow)? The base raises OnSelectCell.
  virtual bool SelectCell(int ACol, int ARow);
  // Paints one cell; the base does the library's default drawing (when on) and
  // raises OnDrawCell. The canvas is clipped to the cell's area of the grid.
  virtual void DrawCell(int ACol, int ARow, TRect ARect, TGridDrawState AState);
  virtual void TopLeftChanged();
  virtual void SizeChanged(int OldColCount, int OldRowCount) {}
  virtual void ColWidthsChanged();
  virtual void RowHeightsChanged();
  // After a column (row) moved: the base moves the cells and raises the event.
  virtual void ColumnMoved(int FromIndex, int ToIndex);
  virtual void RowMoved(int FromIndex, int ToIndex);
  // Ends a column or row move without moving anything (the descendant ended it).
  void CancelMoving() {
    gridState_ = gsNormal;
    moveFrom_ = moveTo_ = -1;
  }
  // Decides whether a press at X, Y starts sizing a column or a row: a point
  // within 3 pixels of a column border in the fixed rows (goColSizing) or of a
  // row border in the fixed columns (goRowSizing).
  virtual void CalcSizingState(int X, int Y, TGridState& State, int& Index, int& SizingPos, int& SizingOfs);

  // --- in-place editor protocol ---
  virtual bool CanEditShow();
  virtual bool CanEditModify() { return true; }
  // Makes the editor control; the base makes none (a grid without an editor
  // class never edits in place).
  virtual TInplaceEdit* CreateEditor() { return nullptr; }
  virtual QString GetEditText(int ACol, int ARow);
  virtual void SetEditText(int ACol, int ARow, const QString& Value);
  virtual QString GetEditMask(int ACol, int ARow) { return QString(); }
  virtual int GetEditLimit() { return 0; }
  void ShowEditor();
  void HideEditor();
  // Reloads the editor's text and position from the current cell.
  void InvalidateEditor();
  void UpdateEdit();

  // --- cursor moves ---
  // Moves the current cell when SelectCell allows it; MoveAnchor also moves the
  // selection's anchor (always without goRangeSelect); Show scrolls it into view.
  void MoveColRow(int ACol, int ARow, bool MoveAnchor, bool Show);
  void FocusCell(int ACol, int ARow, bool MoveAnchor);
  // Moves the selection's anchor (the corner opposite the current cell).
  void MoveAnchor(TGridCoord NewAnchor);
  void MoveTopLeft(int ALeft, int ATop);
  // Scrolls so that the cell is wholly in view (as far as it can).
  void ClampInView(TGridCoord Coord);
  TGridState GridState() const { return gridState_; }
  // Ends (gsNormal) or resumes (gsSelecting) a mouse selection from a
  // descendant's press handling.
  void SetGridState(TGridState value) { gridState_ = value; }

  // --- scrolling ---
  virtual void WMHScroll(TMessage& Message);
  virtual void WMVScroll(TMessage& Message);
  // Applies one scroll-bar action to LeftCol (horizontal) or TopRow.
  virtual void ModifyScrollBar(bool Vertical, int ScrollCode, int Pos);
  void UpdateScrollRange();

  // --- control overrides ---
  void Paint() override;
  void KeyDown(int& Key, TShiftState Shift) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override;
  bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override;
  void WMGetDlgCode(TMessage& Message) override;
  void Dispatch(TMessage& Message) override;

  // Marks a part of the client area for painting.
  void InvalidateRect(const TRect& r);

  // The sparse table itself, for descendants that move whole rows or columns
  // (including cells beyond the counts).
  TSparseCellTable& CellTable() { return table_; }
  const TGridAxis& Horz() const { return horz_; }
  const TGridAxis& Vert() const { return vert_; }

private:
  friend class TInplaceEdit;
  void ChangeSize(int NewColCount, int NewRowCount);
  void ClampCursor();
  void PaintArea(int firstCol, int firstRow, int lastCol, int lastRow, bool fixedArea, const TRect& clip);
  void DrawLibraryLines(const TRect& cell, bool fixed);
  void LayoutScrollBars();
  void ScrollAction(bool vertical, int action);
  void UpdateText();
  // The cell's whole rectangle in client pixels (not cut at the client edge);
  // empty when the cell is out of view.
  TRect FullCellRect(int ACol, int ARow) const;
  void InvalidateSelection(const TGridRect& r);

  TGridAxis horz_;
  TGridAxis vert_;
  TSparseCellTable table_;
  TGridCoord current_{1, 1};
  TGridCoord anchor_{1, 1};
  TGridOptions options_{goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect};
  TScrollStyle scrollBars_ = ssBoth;
  TColor fixedColor_ = clBtnFace;
  bool defaultDrawing_ = true;
  bool editorMode_ = false;
  TInplaceEdit* editor_ = nullptr;
  TGridState gridState_ = gsNormal;
  int sizingIndex_ = -1;
  int sizingPos_ = 0;
  int sizingOfs_ = 0;
  int moveFrom_ = -1;
  int moveTo_ = -1;
  bool clickedCurrent_ = false;
  QScrollBar* hbar_ = nullptr;
  QScrollBar* vbar_ = nullptr;
  bool hbarVisible_ = false;
  bool vbarVisible_ = false;
  int inplaceCol_ = -1;
  int inplaceRow_ = -1;
};
