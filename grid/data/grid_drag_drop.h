// The grid's part in drag and drop: its drop source (the drag picture follows the
// mouse, the last effect is kept) and its drop target (where dragged text, rich
// text, links, files, columns and grid cells land; the view scrolls and arrows
// mark the target while something is dragged over the grid).
#pragma once

#include "grid/base/drag_drop_objects.h"

class TExStringGrid;

class TGridDropSource : public TESGDropSource {
public:
  explicit TGridDropSource(TExStringGrid* aGrid) : FGrid(aGrid) {}
  int LastEffect() const { return FLastEffect; }

protected:
  void DragDropStop() override;
  void CurrentEffect(int dwEffect) override;
  void QueryDrag() override;

private:
  TExStringGrid* FGrid;
  int FLastEffect = 0;
};

class TGridDropTarget : public TESGDropTarget {
public:
  explicit TGridDropTarget(TExStringGrid* AGrid) : FGrid(AGrid) {}

  // Takes the grid's drag-and-drop settings as they are now, then decides.
  int DragEnter(const QMimeData* Data, int KeyState, TPoint Pt, int& Effect) override;
  // Points are screen pixels.
  void DropText(TPoint pt, const QString& s) override;
  void DropStream(TPoint pt, const QByteArray& Stream) override;
  void DropCol(TPoint pt, int Col) override;
  void DropRTF(TPoint pt, const QString& s) override;
  void DropFiles(TPoint pt, const QStringList& Files) override;
  void DropURL(TPoint pt, const QString& s) override;
  void DragMouseMove(TPoint& pt, bool& Allow, TDropFormats DropFormats) override;
  void DragMouseLeave() override;

private:
  // The cell under a screen point, -1 outside the cells, and whether a drop
  // there appends below the last row.
  void TargetCell(TPoint pt, bool ColumnDragged, int& ACol, int& ARow, bool& AppendBelow);
  void HideArrows();
  TExStringGrid* FGrid;
};
