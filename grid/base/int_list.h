// TIntList: a list of 32-bit integers that belongs to one cell (or to the grid,
// with the cell -1, -1 or 0, 0) and reports its changes with that cell. The grid
// keeps its selected and modified rows, column order, hidden rows and the images
// of a cell in such lists. Add, Delete and the item setter notify; Insert and
// Clear do not.
#pragma once

#include "platform/rtl/object.h"

#include <QString>
#include <cstdint>
#include <functional>
#include <vector>

// A change of something that belongs to cell (ACol, ARow).
using TImageChangeEvent = std::function<void(TObject* Sender, int ACol, int ARow)>;

class TIntList : public TObject {
public:
  TIntList(int Col, int Row) : FCol(Col), FRow(Row) {}

  int Count() const { return static_cast<int>(items_.size()); }
  // Appends; the index of the new item. Notifies.
  int Add(int Value);
  // Inserts at 0 <= Index <= Count without notifying.
  void Insert(int Index, int Value);
  void Delete(int Index);  // notifies
  void Clear() { items_.clear(); }  // does not notify

  int GetInteger(int Index) const;
  void SetInteger(int Index, int Value);  // notifies
  int operator[](int Index) const { return GetInteger(Index); }

  int IndexOf(int Value) const;  // -1 when absent
  bool HasValue(int Value) const { return IndexOf(Value) >= 0; }
  // Deletes the first item equal to Value through Delete; nothing when absent.
  void DeleteValue(int Value);
  // Ascending order, without notifying.
  void Sort();

  // The items in decimal joined by "," without blanks; empty for an empty list.
  QString StrValue() const;
  // Clears, then adds each item of a comma text with Add (one notification per
  // item). A piece that is no integer raises EConvertError; the items before it stay.
  void SetStrValue(const QString& Value);

  TImageChangeEvent OnChange;

protected:
  int FCol;
  int FRow;

private:
  void checkIndex(int Index) const;
  void Changed();
  std::vector<int32_t> items_;
};
