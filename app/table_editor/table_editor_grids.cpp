#include "app/table_editor/table_editor_grids.h"

#include "grid/view/ex_string_grid.h"
#include "platform/rtl/exceptions.h"

#include <algorithm>

int TGridEditorTable::ColCount() const { return grid_->AllColCount(); }

int TGridEditorTable::RowCount() const { return grid_->RowCount(); }

QString TGridEditorTable::Cell(int col, int row) const {
  if (col == pendingCol_ && row == pendingRow_) return pendingText_;
  if (col == checkBoxCol_) return grid_->IsChecked(col, row) ? QStringLiteral("Y") : QStringLiteral("N");
  return grid_->GetCellEx(col, row);
}

void TGridEditorTable::SetCell(int col, int row, const QString& text) {
  if (col == checkBoxCol_) {
    grid_->SetCheckBoxState(col, row, text != u"N");
    return;
  }
  grid_->SetCellEx(col, row, text);
}

void TGridEditorTable::Set_Pending(int col, int row, const QString& text) {
  pendingCol_ = col;
  pendingRow_ = row;
  pendingText_ = text;
}

void Copy_Editor_Table(const TEditorTable& from, TEditorTable& to) {
  const int cols = std::min(from.ColCount(), to.ColCount());
  const int rows = std::min(from.RowCount(), to.RowCount());
  for (int row = 1; row < rows; ++row)
    for (int col = 0; col < cols; ++col) to.SetCell(col, row, from.Cell(col, row));
}

int Surplus_Editor_Rows(const QString& path, const TEditorFileLayout& layout, int dataRows) {
  TXMLDocument doc;
  TXMLNode root;
  try {
    root = Load_Editor_Document(doc, path);
  } catch (const Exception&) {
    return 0;
  }
  int surplus = 0;
  for (const TEditorTableLayout& table : layout.Tables) {
    TXMLNode group = Find_Editor_Group(root, table);
    if (!group) continue;
    surplus += std::max(0, int(group.ChildElements().size()) - dataRows);
  }
  return surplus;
}
