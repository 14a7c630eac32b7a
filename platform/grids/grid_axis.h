// One axis of the class library's grid (its columns or its rows): the cell count,
// the fixed cells at the start, the first scrolled cell shown after them, the
// default and individual cell extents and the library's own line width. All
// geometry of the base string grid is computed here, without a window, so that
// the grid and its tests share one home for it.
#pragma once

#include <vector>

class TGridAxis {
public:
  TGridAxis(int count, int fixed, int defaultExtent);

  int Count() const { return count_; }
  // New cells take the default extent; cells that stay keep theirs. The fixed
  // count and the first scrolled cell are pulled back inside the new count.
  void SetCount(int count);

  int FixedCount() const { return fixed_; }
  // Refused (false) unless 0 <= fixed < Count.
  bool SetFixedCount(int fixed);

  // The first scrolled cell shown right after the fixed cells (TopRow / LeftCol).
  int First() const { return first_; }
  // Refused (false) unless FixedCount <= first < Count.
  bool SetFirst(int first);

  int DefaultExtent() const { return defaultExtent_; }
  // Sets the default and gives every cell that extent, as the class library does.
  void SetDefaultExtent(int extent);

  // A cell's extent in pixels; the default extent for an index outside the axis.
  // A negative extent hides the cell: it takes no room and has no line.
  int Extent(int index) const;
  // Refused (false) for an index outside the axis.
  bool SetExtent(int index, int extent);

  int LineWidth() const { return lineWidth_; }
  void SetLineWidth(int width) { lineWidth_ = width < 0 ? 0 : width; }

  // Room taken by one cell with its line (0 for a hidden cell).
  int Step(int index) const;
  // Width (or height) of the fixed area.
  int FixedExtent() const;

  // Start of a cell in client pixels, or -1 when the cell is not in view: a
  // scrolled cell before First, or a cell that starts at or beyond clientExtent.
  int CellStart(int index, int clientExtent) const;
  // The cell at a client position (a line belongs to the cell before it);
  // -1 outside every cell in view.
  int CellAt(int pos, int clientExtent) const;
  // The last scrolled cell that lies wholly inside the client extent;
  // First - 1 when not even First fits.
  int LastFullVisible(int clientExtent) const;
  // The last scrolled cell of which any pixel is in view; First - 1 when none.
  int LastVisible(int clientExtent) const;
  // Number of wholly visible scrolled cells (VisibleColCount / VisibleRowCount).
  int VisibleCount(int clientExtent) const { return LastFullVisible(clientExtent) - first_ + 1; }
  // The largest First that still fills the client extent from the last cell back.
  int MaxFirst(int clientExtent) const;
  // Sum of the steps of cells [from, to).
  int SpanExtent(int from, int to) const;

  // Moves the extent of one cell to another position, shifting those between
  // (the column or row move of the class library).
  void MoveExtent(int from, int to);

private:
  int count_;
  int fixed_;
  int first_;
  int defaultExtent_;
  int lineWidth_ = 1;
  std::vector<int> extents_;
};
