// The SNMP agent objects and traps (SNMP_Trap.xml, root "SNMP_Trap"): the read-only
// objects the agent takes from the input area, each of which can also be sent as a
// trap ("SNMP_Trap_Read"), and the read-write objects a manager writes into the
// output area ("SNMP_Trap_Write"), 256 rows each, keyed by the Community Name
// (trimmed). A row counts when its Enable, upper-cased, is "Y": it is checked, and
// it is numbered - column 0 shows its object number, which is its index in the MIB
// module that the MIB writer makes of this file. Every attribute is read guarded.
// After the rows, the descriptions (the objects' names in the MIB) of all enabled
// rows of both tables must differ.
#pragma once

#include "app/table_editor/table_editor_spec.h"

#include <QString>

// Columns of the read table.
inline constexpr int kTrapR_Enable = 1;
inline constexpr int kTrapR_Community = 2;
inline constexpr int kTrapR_Type = 3;
inline constexpr int kTrapR_OnTimer = 6;
inline constexpr int kTrapR_Time = 7;
inline constexpr int kTrapR_Position = 8;
inline constexpr int kTrapR_Bit = 9;
inline constexpr int kTrapR_NumBits = 10;
inline constexpr int kTrapR_Description = 11;
inline constexpr int kTrapR_IP = 12;
inline constexpr int kTrapR_Conversion = 13;
// Columns of the write table.
inline constexpr int kTrapW_Enable = 1;
inline constexpr int kTrapW_Community = 2;
inline constexpr int kTrapW_Type = 3;
inline constexpr int kTrapW_Position = 4;
inline constexpr int kTrapW_Bit = 5;
inline constexpr int kTrapW_NumBits = 6;
inline constexpr int kTrapW_Description = 7;
inline constexpr int kTrapW_Conversion = 8;

// The size of both areas (NByte_IN, NByte_OUT).
inline constexpr int kTrap_Area = 1440;
// The longest community name and description the cells take.
inline constexpr int kTrap_Name_Length = 15;

// True (an error) when the text holds a character other than a letter or a digit;
// a description (Check_Type 1) must moreover begin with a lower-case letter. The
// empty text is no error; blanks are.
bool Check_Error_CommName_Desc(const QString& str, int Check_Type);

// Numbers the objects of one table: column 0 of every data row takes the next
// number from 1 when its Enable, upper-cased, is "Y", and is emptied otherwise.
void Index_Row_Build(TEditorTable& app_SGA);

extern const TTableEditorSpec SNMP_Trap_Spec;
