// Attaching graphics to cells and asking for them: the cell's own graphic, or
// the grid's shared row check box in column 0 when rows are selected by check
// boxes.
#include "grid/view/ex_string_grid.h"

TCellGraphic* TExStringGrid::GetCellGraphic(int ACol, int ARow) {
  if (ACol < 0 || ARow < 0) return nullptr;
  TObject* slot = GetGraphicObjectEx(ACol, ARow);
  auto* graphic = dynamic_cast<TCellGraphic*>(slot);
  if (slot && !graphic) return nullptr;  // another class in the slot
  if (ACol != 0 || !FMouseActions->HotmailRowSelect()) return graphic;
  TCellGraphic* shared = FSharedGraphic.get();
  shared->CellType = ctRowCheckBox;
  const int normalRows = RowCount() - TStringGrid::FixedRows();
  if (ARow == 0) {
    const int selected = SelectedRowCount();
    shared->CellAngle = selected > 0 && selected < normalRows ? 1 : 0;
    shared->CellBoolean = selected >= normalRows;
  } else {
    shared->CellAngle = 0;
    shared->CellBoolean = RowSelect(DisplToRealRow(ARow));
  }
  shared->CellTransparent = FControlLook->ControlStyle == csFlat;
  return shared;
}

TCellType TExStringGrid::GetCellType(int ACol, int ARow) {
  if (ACol < 0 || ARow < 0) return ctEmpty;
  TObject* slot = GetGraphicObjectEx(ACol, ARow);
  auto* graphic = dynamic_cast<TCellGraphic*>(slot);
  if (slot && !graphic) return ctEmpty;
  if (ACol == 0 && FMouseActions->HotmailRowSelect()) return ctRowCheckBox;
  return graphic ? graphic->CellType : ctEmpty;
}

TCellGraphic* TExStringGrid::CreateCellGraphic(int ACol, int ARow) {
  // 1. The cell's own graphic goes; the shared ones stay.
  TCellGraphic* old = GetCellGraphic(ACol, ARow);
  if (old && old != FSharedGraphic.get() && GetGraphicObjectEx(ACol, ARow) == old) {
    SetGraphicObjectEx(ACol, ARow, nullptr);
    delete old;
  }
  // 2. - 3. The new graphic; an empty cell keeps its empty text.
  auto* graphic = new TCellGraphic();
  SetGraphicObjectEx(ACol, ARow, graphic);
  if (GetGraphicObjectEx(ACol, ARow) != graphic) {  // a cell outside the store takes none
    delete graphic;
    return nullptr;
  }
  // 4. Repaint the cell where it shows.
  if (FNumHidden > 0 && RealToDisplCol(ACol) != ACol) RepaintCell(RealToDisplCol(ACol), ARow);
  return graphic;
}

bool TExStringGrid::RemoveCellGraphic(int ACol, int ARow) {
  TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
  if (!graphic) return false;
  if (GetGraphicObjectEx(ACol, ARow) == graphic) SetGraphicObjectEx(ACol, ARow, nullptr);
  if (graphic->CellType != ctVirtCheckBox && graphic->CellType != ctRowCheckBox) delete graphic;
  if (!Destroying()) RepaintCell(ACol, ARow);
  return true;
}

bool TExStringGrid::RemoveCellGraphicOfType(int ACol, int ARow, TCellType AType) {
  if (GetCellType(ACol, ARow) != AType) return false;
  return RemoveCellGraphic(ACol, ARow);
}
