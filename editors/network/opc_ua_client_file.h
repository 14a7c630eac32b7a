// The OPC UA client's configuration file and rules, without widgets:
// OPC_UA_Client.xml read into and written from the server objects, the variable
// tables as the editor's grids show them, the OK check, the byte lengths of the
// data types and the automatic positions.
//
// File: OPC_UA_Client > OPC_UA_Server_List > one OPC_UA_Server per server (its
// settings as attributes, Enable "1"/"0") > OPC_UA_Variables > OPC_UA_Read_Var and
// OPC_UA_Write_Var > one Variable per variable. No version comment. A flag reads as
// set exactly when its attribute is "1"; VarArray, Start and Length default to
// "Variable", "0" and "0"; every other attribute must be there.
#pragma once

#include "app/table_editor/table_editor_spec.h"
#include "editors/network/opc_ua_model.h"

#include <QString>
#include <optional>

// The variable tables' columns (read and write tables alike up to column 6).
inline constexpr int kOV_Enable = 1;
inline constexpr int kOV_DisplayName = 2;
inline constexpr int kOV_NodeType = 3;
inline constexpr int kOV_NodeID = 4;
inline constexpr int kOV_VarType = 5;
inline constexpr int kOV_NameSpace = 6;
inline constexpr int kOV_VarArray = 7;  // read table
inline constexpr int kOV_Start = 8;
inline constexpr int kOV_Len = 9;
inline constexpr int kOV_OnChange = 7;  // write table
inline constexpr int kOV_OnCMD = 8;
inline constexpr int kOV_OnTimer = 9;
inline constexpr int kOV_Time = 10;
inline constexpr int kOV_Position = 11;
inline constexpr int kOV_Mnemonic = 12;
inline constexpr int kOV_Columns = 13;
// Data rows of a variable table: a server's list holds at most this many variables.
inline constexpr int kOV_Rows = 1024;
// The last byte position of the exchange areas.
inline constexpr int kOV_Last_Position = 1499;

// Reads the file into `servers` (emptied first). A missing file is no failure. A
// root of another name, a missing list element or a missing attribute stops the
// reading: the servers and variables read before stay (the failing one with what
// was read of it). Variables beyond kOV_Rows of a list are not read; Surplus
// counts them.
TEditorLoad Load_OPC_UA_Client(const QString& path, TOPC_UA_Server_List& servers);
// The same from text in memory.
TEditorLoad Read_OPC_UA_Client(const QString& text, TOPC_UA_Server_List& servers);

// Writes the file whole; raises EFileError when it cannot (also for a text that an
// XML file cannot hold, naming where it is), leaving the old file as it was.
void Save_OPC_UA_Client(const QString& path, const TOPC_UA_Server_List& servers);
// The document as text.
QString OPC_UA_Client_Text(const TOPC_UA_Server_List& servers);

// A variable list into a table whose rows were erased: variable i into row i + 1.
void Show_Variables(const TOPC_UA_Variable_List& list, bool read, TEditorTable& table);
// A table into a variable list (freed first): rows 1, 2, ... up to the first
// whose Display Name is empty (not trimmed). The node type, identifier, data type
// and namespace index are normalised on the way; a read variable's write flags
// become "N", a write variable's Var/Array, Start and Length stay empty.
void Store_Variables(const TEditorTable& table, bool read, TOPC_UA_Variable_List& list);
// Every data row: its number, Enable "Y", every other cell empty.
void Erase_Variables(TEditorTable& table);

// The first fault of the OK check: server and variable numbered from 1, the
// message text, and its third number (the last position) where it has one.
struct TOPC_UA_Check_Failure {
  int Server = 0;
  int Variable = 0;
  int Text = 0;
  bool operator==(const TOPC_UA_Check_Failure&) const = default;
};
// Every server in list order (disabled ones too), its read variables, then its
// write variables, skipping variables that are not enabled; nothing when all pass.
std::optional<TOPC_UA_Check_Failure> Check_OPC_UA_Client(const TOPC_UA_Server_List& servers);
// The message the user sees.
QString OPC_UA_Check_Message(const TOPC_UA_Check_Failure& failure);

// Bytes of one value of a data type by its name, compared upper-cased (0 for an
// unknown name).
int GetLenVarType(const QString& type);
// Bytes a variable takes in its area: its type's length, times the element count
// of a read array whose Length is a number of at least 1.
int64_t Variable_Size(const TOPC_UA_Variable& variable, bool read);

struct TOPC_UA_Starts {
  int64_t Read = 0;
  int64_t Write = 0;
};
// The first free positions for server `index`: after the highest end (Position,
// 0 when it is no number, plus the variable's size) over every variable of every
// server before it, enabled or not; read and write areas apart.
TOPC_UA_Starts Start_Position(const TOPC_UA_Server_List& servers, int index);
// Numbers every variable of server `index` in list order from its first free
// position on: Position takes the running position, which then grows by the
// variable's size.
void Auto_Position(TOPC_UA_Server_List& servers, int index);
