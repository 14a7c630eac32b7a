// The first fault that a table editor's OK check found: the row, the language text
// of the reason and, for some reasons, a value that follows the text. The form shows
// "Error row " (its own text of the language list), the row number, the reason and
// the value, joined without separator, in an error box. A fault of a whole table
// (a total over its rows) shows the reason and the value alone.
#pragma once

#include <QString>

struct TRowCheckFailure {
  int Row = 0;
  int TextIndex = 0;  // 0: the check fails without a message
  QString Appended;  // e.g. the upper limit after "... must be between 1 and "
  bool RowPrefix = true;  // false: no "Error row " and no row number before the reason

  bool operator==(const TRowCheckFailure&) const = default;
};

// The message of the failure from the language text list; `rowTextIndex` is the
// editor's "Error row " text.
QString Row_Check_Message(const TRowCheckFailure& failure, int rowTextIndex);
