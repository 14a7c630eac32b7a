// The checks the EtherCAT editor runs on OK: every enabled Slave To Master row, then
// every enabled Master To Slave row, from row 1 until the first row whose trimmed
// Type is empty; only Array and String variables are checked. The first failure
// is answered with its row and language text (the "Error row " text is 1051).
#pragma once

#include "app/editor_file/row_check_failure.h"

#include <optional>

class TEditorTable;

inline constexpr int kEC_Error_Row_Text = 1051;
// The editor's own messages: rows below an empty Type (%1 page, %2 row), rows of
// the file beyond the tables (%1 file, %2 count), the file not saved.
inline constexpr int kText_EC_Lost_Rows = 1059;
inline constexpr int kText_EC_Surplus_Rows = 1060;
inline constexpr int kText_EC_Not_Saved = 1061;

// True when every character of the upper-cased text is 0-9 or A-F (an empty text too).
bool CheckArraySting(const QString& text);

// The cells one check looks at.
struct TEtherCATVariableCells {
  QString Type;
  QString Length;
  QString InitValue;  // Slave To Master only
};

// The checks of one enabled variable; the text index of the first failure, nothing
// when it passes or its type is not checked.
std::optional<int> Check_Slave_To_Master_Variable(const TEtherCATVariableCells& cells);
std::optional<int> Check_Master_To_Slave_Variable(const TEtherCATVariableCells& cells);

std::optional<TRowCheckFailure> Controllo_dati(const TEditorTable& slaveToMaster, const TEditorTable& masterToSlave);
