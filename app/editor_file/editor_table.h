// The table side of an editor file: what the file reader and writer need of a
// table editor's grid. A grid plugs in through a small adapter; `TTextTable` is the
// plain in-memory table for models without widgets and for tests.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

// A table addressed by real column and row. Row 0 is the fixed title row; data rows
// count from 1. Column 0 holds the row number, columns 1.. the editor's values.
class TEditorTable {
public:
  virtual ~TEditorTable() = default;

  virtual int ColCount() const = 0;  // every column, column 0 and hidden ones included
  virtual int RowCount() const = 0;  // every row, the fixed row 0 included
  virtual QString Cell(int col, int row) const = 0;
  virtual void SetCell(int col, int row, const QString& text) = 0;

  // Puts one data row back to its empty state: column 0 the row number, column 1
  // "Y" (enabled), every other cell empty. A grid adapter may add what its cells
  // carry beside the text.
  virtual void ResetRow(int row);
};

// Cols x rows of texts in memory.
class TTextTable : public TEditorTable {
public:
  TTextTable(int cols, int rows);

  int ColCount() const override { return cols_; }
  int RowCount() const override { return rows_; }
  // Raise EListError for a cell outside the table.
  QString Cell(int col, int row) const override;
  void SetCell(int col, int row, const QString& text) override;

  // The cells of one row from column 1 on (test and debugging aid).
  QStringList RowTexts(int row) const;

private:
  // Raise EListError for a cell outside the table.
  void check(int col, int row) const;
  int cols_;
  int rows_;
  // Each row's texts up to its last written one; none before the first write.
  std::vector<QStringList> rowCells_;
};
