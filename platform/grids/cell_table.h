// The class library's sparse cell table behind its string grid: a text and an
// object slot per cell, addressed by column and row and independent of the grid's
// counts. Cells beyond the counts keep their contents when the counts shrink and
// grow again (hidden columns and the temporary column-count raise rely on it).
// The table never owns the objects; their owner frees them.
#pragma once

#include <QString>
#include <map>
#include <utility>
#include <vector>

class TObject;

class TSparseCellTable {
public:
  QString Text(int col, int row) const;
  void SetText(int col, int row, const QString& text);
  TObject* Object(int col, int row) const;
  void SetObject(int col, int row, TObject* object);

  // Moves column `from` to position `to` in every row, shifting the columns
  // between by one (the class library's column move); rows likewise.
  void MoveColumn(int from, int to);
  void MoveRow(int from, int to);
  // Exchanges the whole contents of two rows (every column), or of two columns
  // (every row).
  void SwapRows(int a, int b);
  void SwapColumns(int a, int b);

  void Clear() {
    dense_.clear();
    far_.clear();
  }
  // Calls `visit` for every cell that holds a text or an object, row by row.
  template <class Visit>
  void ForEach(Visit visit) const {
    auto visitRow = [&visit](int row, const Row& cells) {
      for (const auto& [col, entry] : cells) visit(col, row, entry.text, entry.object);
    };
    auto f = far_.begin();
    for (; f != far_.end() && f->first < 0; ++f) visitRow(f->first, f->second);
    for (size_t row = 0; row < dense_.size(); ++row) visitRow(int(row), dense_[row]);
    for (; f != far_.end(); ++f) visitRow(f->first, f->second);
  }
  // Calls `visit` for every cell of the row that holds a text or an object.
  template <class Visit>
  void ForEachInRow(int row, Visit visit) const {
    const Row* cells = FindRow(row);
    if (!cells) return;
    for (const auto& [col, entry] : *cells) visit(col, entry.text, entry.object);
  }
  // Number of cells that hold a text or an object.
  int UsedCount() const;

private:
  struct Entry {
    QString text;
    TObject* object = nullptr;
    bool Empty() const { return text.isEmpty() && object == nullptr; }
  };
  // A row's cells in column order; only cells that hold something are there.
  using Row = std::vector<std::pair<int, Entry>>;

  const Row* FindRow(int row) const;
  // The row to write into, made where missing.
  Row& WritableRow(int row);
  // Takes a row's cells out of the table, leaving it empty; puts cells back.
  Row TakeRow(int row);
  void PutRow(int row, Row&& cells);
  void GrowDense(size_t size);
  // Removes the row when it holds nothing any more.
  void Tidy(int row);
  void Store(int col, int row, const Entry& entry);

  // Rows from 0 up, by index: looking up a cell of a painted or filled grid is
  // one index and a short search in its row. Rows far beyond them, and rows
  // below 0, live in far_, so that a lone cell far out costs no run of rows.
  std::vector<Row> dense_;
  std::map<int, Row> far_;
};
