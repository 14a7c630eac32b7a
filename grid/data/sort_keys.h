// What the row comparison reads of a cell, kept while one sort runs: the text and
// what the automatic sort style and the numeric comparison work out of it. A
// sort reads each cell once instead of once per comparison; the kept values move
// with the rows (a swap, the pivot copied into its spare row, a cleared row), so
// they always describe the cell at their place. Outside a sort nothing is kept.
#pragma once

#include <QString>
#include <cstdint>
#include <vector>

struct TSortKey {
  enum : uint8_t {
    kText = 1,          // Text read
    kNumberKind = 2,    // IsNumber worked out
    kCheckType = 4,     // CheckBoxType worked out
    kSeparators = 8,    // the date and time separator tests worked out
    kPlainNumber = 16,  // PlainNumber worked out
  };
  uint8_t Known = 0;
  bool IsNumber = false;       // an integer, decimal or scientific number text
  bool CheckBoxType = false;   // the cell's kind is one of the check boxes
  bool DateSepLead = false;    // the date separator at position 2 or 3 between number characters
  bool TimeSepLead = false;    // the same with the time separator
  bool HasDateSep = false;
  bool HasTimeSep = false;
  bool PlainConverts = false;  // the numeric reading without prefix and suffix converted
  double PlainNumber = 0;
  QString Text;
};

class TSortKeys {
public:
  TSortKeys(int Columns, int Rows) : rows_(Rows), columns_(static_cast<size_t>(Columns)) {}

  // The key of a cell within the grid's enlarged size; nullptr outside it.
  TSortKey* At(int Col, int Row) {
    if (Col < 0 || Row < 0 || Row >= rows_ || Col >= static_cast<int>(columns_.size())) return nullptr;
    std::vector<TSortKey>& column = columns_[static_cast<size_t>(Col)];
    if (column.empty()) column.resize(static_cast<size_t>(rows_));
    return &column[static_cast<size_t>(Row)];
  }
  // The key of a cell whose column is kept already; nullptr otherwise.
  TSortKey* Existing(int Col, int Row) {
    if (Col < 0 || Row < 0 || Row >= rows_ || Col >= static_cast<int>(columns_.size())) return nullptr;
    std::vector<TSortKey>& column = columns_[static_cast<size_t>(Col)];
    return column.empty() ? nullptr : &column[static_cast<size_t>(Row)];
  }
  // Rows exchanged whole (OnlyCol -1) or in one column.
  void SwapRows(int A, int B, int OnlyCol) {
    if (A < 0 || B < 0 || A >= rows_ || B >= rows_) return;
    for (size_t c = 0; c < columns_.size(); ++c) {
      if (OnlyCol >= 0 && static_cast<int>(c) != OnlyCol) continue;
      std::vector<TSortKey>& column = columns_[c];
      if (!column.empty()) std::swap(column[static_cast<size_t>(A)], column[static_cast<size_t>(B)]);
    }
  }
  void CopyRow(int From, int To) {
    if (From < 0 || To < 0 || From >= rows_ || To >= rows_) return;
    for (std::vector<TSortKey>& column : columns_)
      if (!column.empty()) column[static_cast<size_t>(To)] = column[static_cast<size_t>(From)];
  }
  // The row's cells changed in a way the keys cannot follow: read them again.
  void ForgetRow(int Row) {
    if (Row < 0 || Row >= rows_) return;
    for (std::vector<TSortKey>& column : columns_)
      if (!column.empty()) column[static_cast<size_t>(Row)] = TSortKey();
  }

private:
  int rows_;
  std::vector<std::vector<TSortKey>> columns_;
};
