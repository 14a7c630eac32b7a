#include "app/editor_file/editor_table.h"

#include "platform/rtl/exceptions.h"
#include "platform/rtl/strings.h"

void TEditorTable::ResetRow(int row) {
  SetCell(0, row, IntToStr(row));
  if (ColCount() > 1) SetCell(1, row, QStringLiteral("Y"));
  for (int col = 2; col < ColCount(); ++col) SetCell(col, row, QString());
}

// The cells are made at the first write of a text: a table that is only read (or
// only cleared) costs nothing, as the editors make theirs when the program starts.
TTextTable::TTextTable(int cols, int rows) : cols_(qMax(cols, 0)), rows_(qMax(rows, 0)) {}

int TTextTable::index(int col, int row) const {
  if (col < 0 || col >= cols_ || row < 0 || row >= rows_)
    throw EListError(QStringLiteral("Cell %1, %2 is outside the table").arg(col).arg(row));
  return row * cols_ + col;
}

QString TTextTable::Cell(int col, int row) const {
  const int i = index(col, row);
  return cells_.isEmpty() ? QString() : cells_.at(i);
}

void TTextTable::SetCell(int col, int row, const QString& text) {
  const int i = index(col, row);
  if (cells_.isEmpty()) {
    if (text.isNull()) return;  // every cell holds that already
    cells_.resize(qsizetype(cols_) * rows_);
  }
  cells_[i] = text;
}

QStringList TTextTable::RowTexts(int row) const {
  QStringList texts;
  for (int col = 1; col < cols_; ++col) texts.append(Cell(col, row));
  return texts;
}
