#include "app/editor_file/editor_table.h"

#include "platform/rtl/exceptions.h"
#include "platform/rtl/strings.h"

void TEditorTable::ResetRow(int row) {
  SetCell(0, row, IntToStr(row));
  if (ColCount() > 1) SetCell(1, row, QStringLiteral("Y"));
  for (int col = 2; col < ColCount(); ++col) SetCell(col, row, QString());
}

TTextTable::TTextTable(int cols, int rows) : cols_(qMax(cols, 0)), rows_(qMax(rows, 0)) {
  cells_.resize(qsizetype(cols_) * rows_);
}

int TTextTable::index(int col, int row) const {
  if (col < 0 || col >= cols_ || row < 0 || row >= rows_)
    throw EListError(QStringLiteral("Cell %1, %2 is outside the table").arg(col).arg(row));
  return row * cols_ + col;
}

QString TTextTable::Cell(int col, int row) const { return cells_.at(index(col, row)); }

void TTextTable::SetCell(int col, int row, const QString& text) { cells_[index(col, row)] = text; }

QStringList TTextTable::RowTexts(int row) const {
  QStringList texts;
  for (int col = 1; col < cols_; ++col) texts.append(Cell(col, row));
  return texts;
}
