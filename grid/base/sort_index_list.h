// TSortIndexList: the sort columns in priority order (the first item is the
// primary key). Each item is a column index in bits 0 to 30 with bit 31 set for a
// descending column. Every setter goes through SetInteger and so notifies.
// Text form: "u2;d0;u5" (u ascending, d descending, the column's low 16 bits).
#pragma once

#include "grid/base/int_list.h"

class TSortIndexList : public TIntList {
public:
  TSortIndexList(int Col, int Row) : TIntList(Col, Row) {}

  // Appends ColumnIndex, with bit 31 set when Ascending is false.
  void AddIndex(int ColumnIndex, bool Ascending);
  // Index of the first item of that column, -1 when none.
  int FindIndex(int ColumnIndex) const;
  // Flips the direction of the first item of that column; nothing when absent.
  void ToggleIndex(int ColumnIndex);

  int SortColumns(int i) const;               // bits 0 to 30
  void SetSortColumns(int i, int Column);     // keeps bit 31
  bool SortDirections(int i) const;           // true = ascending (bit 31 clear)
  void SetSortDirections(int i, bool Ascending);

  QString SaveToString() const;
  // Clears, then adds one item per entry; entries shorter than 2 characters and
  // entries whose number is no non-negative integer are skipped. "u" (lower case
  // only) means ascending, any other letter descending.
  void LoadFromString(const QString& s);
};
