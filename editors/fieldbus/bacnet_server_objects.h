// The BACnet server objects (BACnet_Slave.xml, root "BACnet_to_Modbus"): the
// objects the converter offers on its BACnet side, each mapped onto a byte range of
// the input area ("BACnet_in_Read") or the output area ("BACnet_in_Write"). No
// Enable column: every row up to the first empty Data Type is checked and saved.
// Each table has 2000 rows, 1000 with ParGen.xml's long object names option. Swap
// (a hidden column) is read with the default "N", the other six attributes bare.
// The EDE writer (ede_writer.h) reads this file.
#pragma once

#include "app/table_editor/table_editor_spec.h"

inline constexpr int kBS_Data_Type = 1;
inline constexpr int kBS_Eng_Unit = 2;
inline constexpr int kBS_Length = 5;
inline constexpr int kBS_Swap = 6;
inline constexpr int kBS_Area = 1500;
// Rows of each table, and the most objects of both together.
inline constexpr int kBS_Rows = 2000;
inline constexpr int kBS_Long_Names_Rows = 1000;

extern const TTableEditorSpec BACnet_Server_Spec;

// Whether ParGen.xml at `path` selects the long object names ("1" exactly); off
// for a missing or unreadable file.
bool BACnet_Long_Names(const QString& path);

// The checks of both tables (read first) and of the number of objects they hold
// together. The first failure with its row (none for the total).
std::optional<TRowCheckFailure> Check_BACnet_Server_Tables(const TEditorTable& read, const TEditorTable& write,
                                                           bool descLenght);

// The Length a Data Type chosen in the write table sets ("4", "1" or "8"); empty
// for a type that sets none.
QString BACnet_Write_Length(const QString& dataType);
