// The floating footer's strip along the bottom of a grid (TFooterPanel): the
// grid's last row as a row of totals under the columns, a preview of one cell
// of the current row, a template filled from the current row, or the
// application's own painting. The grid makes it when its floating footer first
// shows.
#pragma once

#include "platform/ui/control.h"

class TExStringGrid;

class TFooterPanel : public TCustomControl {
public:
  explicit TFooterPanel(TExStringGrid* AOwner);

  TExStringGrid* Grid() const { return FGrid; }
  // The column whose hint shows (-1 none).
  int HintColumn() const { return FHintColumn; }
  // The column under a client x (a fixed one within the fixed columns); -1
  // beyond the last column.
  int ColumnAt(int X) const;
  // The width the columns take: the fixed ones and those scrolled in.
  int ColumnAreaWidth() const;
  // Takes its height and tells the grid it is there.
  void CreateWnd();

protected:
  void Paint() override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void CMMouseLeave(TMessage& Message) override;
  void CMHintShow(TMessage& Message) override;

private:
  void PaintLastRow(int W);
  void PaintFrame(int W);

  TExStringGrid* FGrid;
  int FHintColumn = -1;
};
