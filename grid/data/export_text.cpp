// What the grid's exports write for a cell, and the number that tells one grid
// from another in the streams it writes.
#include <QRandomGenerator>

#include "grid/base/html_entities.h"
#include "grid/base/rtf_text.h"
#include "grid/base/text_kinds.h"
#include "grid/view/ex_string_grid.h"

void TExStringGrid::SaveCellText(int ACol, int ARow, QString& Value) {
  Value = SaveVirtCells ? GetFormattedCell(ACol, ARow) : GetCellEx(ACol, ARow);
  if (Value.isEmpty()) {
    const TCellType type = GetCellType(ACol, ARow);
    if (type == ctCheckBox || type == ctTriStateCheckBox) {
      TCheckBoxState state = cbUnchecked;
      GetCheckBoxState(ACol, ARow, state);
      Value = state == cbChecked ? CheckTrue : CheckFalse;
    }
  }
  switch (ClassifyCellText(Value, EnableHTML)) {
    case ctkHtml:
      if (!SaveWithHTML) Value = StripHtmlToText(Value);
      break;
    case ctkRichText:
      if (SaveWithRTF) Value.remove(u'\r').remove(u'\n');
      else Value = RtfToPlainText(Value);
      break;
    default:
      break;
  }
  if (OnSaveCell) OnSaveCell(this, ACol, ARow, Value);
}

int TExStringGrid::GridID() {
  // A random start per program, so that grids of two programs hardly ever share one.
  static int next = static_cast<int>(QRandomGenerator::global()->bounded(1, 1 << 30));
  if (FGridID == 0) FGridID = next++;
  return FGridID;
}
