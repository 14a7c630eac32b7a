#include "grid/base/cell_properties.h"

#include "grid/base/base_grid.h"

TCellProperties::TCellProperties(TBaseGrid* grid, int col, int row)
    : OwnerGrid(grid), OwnerCol(col), OwnerRow(row), wordWrap_(grid ? grid->WordWrap() : true) {
  if (grid) grid->HasCellProps = true;
}

void TCellProperties::Assign(const TPersistent* Source) {
  auto* s = dynamic_cast<const TCellProperties*>(Source);
  if (!s) {
    TPersistent::Assign(Source);
    return;
  }
  IsBaseCell = s->IsBaseCell;
  CellSpanX = s->CellSpanX;
  CellSpanY = s->CellSpanY;
  OwnerRow = s->OwnerRow;
  OwnerCol = s->OwnerCol;
  CellObject = s->CellObject;
  alignment_ = s->alignment_;
  BorderColor = s->BorderColor;
  BorderWidth = s->BorderWidth;
  brushColor_ = s->brushColor_;
  BrushStyle = s->BrushStyle;
  FontColor = s->FontColor;
  FontStyle = s->FontStyle;
  FontName = s->FontName;
  FontSize = s->FontSize;
  ReadOnly = s->ReadOnly;
  Editor = s->Editor;
  vAlignment_ = s->vAlignment_;
  wordWrap_ = s->wordWrap_;
  NodeLevel = s->NodeLevel;
  Control = s->Control;
}

TPoint TCellProperties::GetBaseCell(int c, int r) const {
  if (!IsBaseCell && CellSpanX != -1 && CellSpanY != -1) return Point(c - CellSpanX, r - CellSpanY);
  return Point(c, r);
}

void TCellProperties::RepaintOwnerCell() {
  if (OwnerGrid) OwnerGrid->RepaintCell(OwnerCol, OwnerRow);
}

void TCellProperties::SetBrushColor(TColor value) {
  brushColor_ = value;
  RepaintOwnerCell();
}

void TCellProperties::SetBrushColorTo(TColor value) {
  brushColorTo_ = value;
  RepaintOwnerCell();
}

void TCellProperties::SetVAlignment(TVAlignment value) {
  vAlignment_ = value;
  RepaintOwnerCell();
}

void TCellProperties::SetWordWrap(bool value) {
  wordWrap_ = value;
  RepaintOwnerCell();
}
