// The export text of a cell, shared by the clipboard and the file formats.
#include "grid/base/html_entities.h"
#include "grid/base/rtf_text.h"
#include "grid/base/text_kinds.h"
#include "grid/view/ex_string_grid.h"

void TExStringGrid::SaveCellText(int ACol, int ARow, QString& Value) {
  Value = SaveVirtCells ? GetFormattedCell(ACol, ARow) : GetCellEx(ACol, ARow);
  const TCellType type = GetCellType(ACol, ARow);
  if (Value.isEmpty() && (type == ctCheckBox || type == ctTriStateCheckBox)) {
    bool state = false;
    GetCheckBoxState(ACol, ARow, state);
    if (state) GetCheckTrue(ACol, ARow, Value);
    else GetCheckFalse(ACol, ARow, Value);
  }
  switch (ClassifyCellText(Value, EnableHTML)) {
    case ctkHtml:
      if (!SaveWithHTML) Value = StripHtmlToText(Value);
      break;
    case ctkRichText: Value = RtfToPlainText(Value); break;
    default: break;
  }
  if (OnSaveCell) OnSaveCell(this, ACol, ARow, Value);
}
