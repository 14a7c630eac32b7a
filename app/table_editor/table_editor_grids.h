// What the table editor forms share between their grids and the widget-free
// tables: a grid seen as an editor table, so the file, check and position routines
// work on it; copying a whole table; and counting the rows of an editor file that a
// table cannot hold.
#pragma once

#include "app/editor_file/editor_file.h"

class TExStringGrid;

// A grid as an editor table, by real column (hidden columns included). With a
// check-box column, that column's cells read "Y" when the box is checked and "N"
// otherwise, and writing any text but "N" checks the box; every other cell is the
// grid's text.
class TGridEditorTable : public TEditorTable {
public:
  explicit TGridEditorTable(TExStringGrid* grid, int checkBoxCol = -1) : grid_(grid), checkBoxCol_(checkBoxCol) {}

  int ColCount() const override;
  int RowCount() const override;
  QString Cell(int col, int row) const override;
  void SetCell(int col, int row, const QString& text) override;

  // One cell read as `text` instead of the grid's: a value being validated, which
  // the grid stores only after its validation handlers have run.
  void Set_Pending(int col, int row, const QString& text);

private:
  TExStringGrid* grid_;
  int checkBoxCol_;
  int pendingCol_ = -1;
  int pendingRow_ = -1;
  QString pendingText_;
};

// Every cell of the data rows 1.. from one table to the other, over the columns
// both have.
void Copy_Editor_Table(const TEditorTable& from, TEditorTable& to);

// How many row elements of the file's table groups lie beyond the rows the tables
// hold (`dataRows` per table), added up; 0 for a missing or unreadable file (its
// reading reports that).
int Surplus_Editor_Rows(const QString& path, const TEditorFileLayout& layout, int dataRows);
