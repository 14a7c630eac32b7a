// Two small controls the grid places on itself: TScrollControl, a thin scroll
// bar the grid draws itself along its right or bottom edge (ScrollType
// ssMetro), and THeaderDragButton, the floating picture of a fixed cell shown
// while a column or row header is dragged.
//
// The thumb arithmetic is widget-free (TScrollAxis); the control asks the grid
// for the axis whenever it paints or is pressed.
#pragma once

#include <optional>

#include "platform/ui/control.h"
#include "platform/ui/popup_window.h"

class TExStringGrid;

enum TScrollDirection { sdVertical, sdHorizontal };

// One axis of a grid as the thin scroll bar sees it (rows for the vertical bar,
// columns for the horizontal one).
struct TScrollAxis {
  int Extent = 0;      // the control's height (width)
  int FixedStart = 0;  // the fixed rows' heights (fixed columns' widths)
  int FixedEnd = 0;    // the footer rows' heights (right fixed columns' widths)
  int First = 0;       // TopRow (LeftCol)
  int FixedCount = 0;  // FixedRows (FixedCols)
  int Count = 0;       // RowCount (ColCount)
  int Visible = 0;     // VisibleRowCount (VisibleColCount)
  int HeadExtent = 0;  // the height of row 0 (width of column 0)
};

struct TScrollThumb {
  int Pos = 0;
  int Length = 0;
};

// The thumb's place and length; none without rows (columns) to scroll.
std::optional<TScrollThumb> ScrollThumb(const TScrollAxis& Axis);
// Whether the grid has more normal rows (columns) than it shows: the thumb is drawn.
bool ScrollThumbShown(const TScrollAxis& Axis);
// The first row (column) after a press before the thumb (a page back) or after it.
int ScrollPageBack(const TScrollAxis& Axis);
int ScrollPageForward(const TScrollAxis& Axis);
// The first row (column) while the thumb is dragged Delta pixels from where it was
// pressed with FirstAtPress; none when there is nothing to scroll.
std::optional<int> ScrollDragTarget(const TScrollAxis& Axis, int Delta, int FirstAtPress);

class TScrollControl : public TCustomControl {
public:
  explicit TScrollControl(TComponent* AOwner);

  // The thumb's colour (outline and fill) is the control's Color, $C0C0C0 at first.
  int ScrollWidth() const { return FScrollWidth; }
  void SetScrollWidth(int Value);
  TScrollDirection Direction() const { return FDirection; }
  void SetDirection(TScrollDirection Value);

  // The grid the control serves: its parent when that is a grid, else nullptr
  // (and then every operation does nothing).
  TExStringGrid* Grid() const;
  // The grid's axis along the control's direction, measured on the control.
  TScrollAxis Axis() const;
  bool Dragging() const { return FPressed; }

protected:
  void Paint() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
  void SetFirst(int Value);
  int FScrollWidth = 4;
  TScrollDirection FDirection = sdVertical;
  bool FPressed = false;
  int FPressPos = 0;
  int FPressFirst = 0;
};

class THeaderDragButton : public TPopupWindow {
public:
  // Owned by the grid's pointer, not as a component of the grid.
  explicit THeaderDragButton(TExStringGrid* AGrid);

  TExStringGrid* Grid() const { return FGrid; }
  bool Flat = false;

protected:
  // The grid's cell (0, 0) look, then the caption: centred on one line with an
  // ellipsis, or, holding "</", as formatted text.
  void Paint() override;

private:
  TExStringGrid* FGrid;
};
