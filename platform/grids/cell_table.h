// The class library's sparse cell table behind its string grid: a text and an
// object slot per cell, addressed by column and row and independent of the grid's
// counts. Cells beyond the counts keep their contents when the counts shrink and
// grow again (hidden columns and the temporary column-count raise rely on it).
// The table never owns the objects; their owner frees them.
#pragma once

#include <QString>
#include <map>

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

  void Clear() { rows_.clear(); }
  // Calls `visit` for every cell that holds a text or an object, row by row.
  template <class Visit>
  void ForEach(Visit visit) const {
    for (const auto& [row, cells] : rows_)
      for (const auto& [col, entry] : cells) visit(col, row, entry.text, entry.object);
  }
  // Calls `visit` for every cell of the row that holds a text or an object.
  template <class Visit>
  void ForEachInRow(int row, Visit visit) const {
    const auto r = rows_.find(row);
    if (r == rows_.end()) return;
    for (const auto& [col, entry] : r->second) visit(col, entry.text, entry.object);
  }
  // Number of cells that hold a text or an object.
  int UsedCount() const;

private:
  struct Entry {
    QString text;
    TObject* object = nullptr;
    bool Empty() const { return text.isEmpty() && object == nullptr; }
  };
  using Row = std::map<int, Entry>;

  void Store(int col, int row, const Entry& entry);
  static void MoveKey(std::map<int, Row>& map, int from, int to);
  static void MoveKey(Row& map, int from, int to);

  std::map<int, Row> rows_;
};
