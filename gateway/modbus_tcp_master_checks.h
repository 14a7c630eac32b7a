// The checks the Modbus TCP master rule editor runs on OK: every enabled Read rule,
// then every enabled Write rule, from row 1 until the first row whose trimmed Slave
// IP Address is empty. The first failure is answered with its row, its language
// text and, for the limits that depend on the rule, the limit to show after the
// text (the "Error row " text is 1838).
#pragma once

#include "app/editor_file/row_check_failure.h"
#include "app/routines/modbus_requests.h"

#include <optional>

class TEditorTable;

inline constexpr int kMB_Error_Row_Text = 1838;
// The editor's own messages: rows below an empty Slave IP Address (%1 page, %2 row),
// rows of the file beyond the tables (%1 file, %2 count), the file not saved.
inline constexpr int kText_MB_Lost_Rows = 1904;
inline constexpr int kText_MB_Surplus_Rows = 1905;
inline constexpr int kText_MB_Not_Saved = 1906;

// True when the text is NOT a valid dotted address of four parts 0 to 255.
bool Check_IP_Address(const QString& text);

extern const TModbusRuleLimits Modbus_Read_Limits;
extern const TModbusRuleLimits Modbus_Write_Limits;

// The checks of one enabled rule against a data array of `nByte` bytes; the failure
// without its row, nothing when the rule passes.
std::optional<TRowCheckFailure> Check_Modbus_Rule(const TModbusRuleCells& cells, const TModbusRuleLimits& limits,
                                                  int32_t nByte);

std::optional<TRowCheckFailure> Controllo_dati(const TEditorTable& read, const TEditorTable& write, int32_t nByteIn,
                                               int32_t nByteOut);
