#include "app/editor_file/editor_table.h"

#include "platform/rtl/exceptions.h"
#include "platform/rtl/strings.h"

void TEditorTable::ResetRow(int row) {
  SetCell(0, row, IntToStr(row));
  if (ColCount() > 1) SetCell(1, row, QStringLiteral("Y"));
  for (int col = 2; col < ColCount(); ++col) SetCell(col, row, QString());
}

// The cells are made as texts are written, row by row up to the last written
// column: a table that is only read (or only cleared) costs nothing, and one reset
// to row numbers and "Y" keeps two texts a row (the editors make theirs when the
// program starts, a thousand rows and more).
TTextTable::TTextTable(int cols, int rows) : cols_(qMax(cols, 0)), rows_(qMax(rows, 0)) {}

void TTextTable::check(int col, int row) const {
  if (col < 0 || col >= cols_ || row < 0 || row >= rows_)
    throw EListError(QStringLiteral("Cell %1, %2 is outside the table").arg(col).arg(row));
}

QString TTextTable::Cell(int col, int row) const {
  check(col, row);
  if (rowCells_.empty()) return QString();
  const QStringList& cells = rowCells_[size_t(row)];
  return col < cells.size() ? cells.at(col) : QString();
}

void TTextTable::SetCell(int col, int row, const QString& text) {
  check(col, row);
  if (rowCells_.empty()) {
    if (text.isNull()) return;  // every cell holds that already
    rowCells_.resize(size_t(rows_));
  }
  QStringList& cells = rowCells_[size_t(row)];
  if (col >= cells.size()) {
    if (text.isNull()) return;
    // Past the row number and the first column, a row is filled whole at once.
    cells.resize(col < 2 ? col + 1 : cols_);
  }
  cells[col] = text;
}

QStringList TTextTable::RowTexts(int row) const {
  QStringList texts;
  for (int col = 1; col < cols_; ++col) texts.append(Cell(col, row));
  return texts;
}
