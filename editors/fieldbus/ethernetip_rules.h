// The EtherNet/IP scanner rules (EtherNetIP_Master_Rules.xml, root
// "EtherNetIP_Master_Access", the "row" elements directly in the root): one row per
// adapter the converter polls, with its address, the input and output bytes it
// exchanges, the poll time and the implicit connection's instances, connection
// points and real-time header sizes in both directions. 10 rows, keyed on the
// trimmed IP Address, with an Enable column; every attribute is read with a
// default (Enable "N", the header sizes "Default", the rest empty).
#pragma once

#include "app/table_editor/table_editor_spec.h"

#include <QStringList>

inline constexpr int kEIP_IP_Address = 2;
inline constexpr int kEIP_Instance_T_O = 8;
inline constexpr int kEIP_Conn_Point_T_O = 9;
inline constexpr int kEIP_Instance_O_T = 10;
inline constexpr int kEIP_Conn_Point_O_T = 11;
inline constexpr int kEIP_Dim_Header_T_O = 12;
inline constexpr int kEIP_Dim_Header_O_T = 13;
inline constexpr int kEIP_Rows = 10;
// The limit of the summed input and of the summed output byte counts.
inline constexpr int kEIP_Max_Bytes = 1438;

extern const TTableEditorSpec EtherNetIP_Spec;

// The checks: every enabled row from row 1 to the first row whose trimmed IP
// Address is empty (the rows the file keeps), then the summed input and output
// byte counts of the rows checked. The first failure (a total's has no row).
std::optional<TRowCheckFailure> Check_EtherNetIP_Rules(const TEditorTable& table, int32_t numByteIn,
                                                       int32_t numByteOut);

// A connection path of hexadecimal bytes (without prefix) separated by commas:
// 0 valid, 1 an item that is no byte, 2 fewer than `Num_DP` items.
int Err_Check_Data_Path(QString Data_Path, int Num_DP);

// The row an EDS import fills: the first whose trimmed IP Address and trimmed
// Instance T > O are both empty; 0 when there is none.
int EDS_Import_Row(const TEditorTable& table);
// Puts the connection chosen in the EDS dialog (the texts of its grid row:
// columns 3 to 8 hold instance and connection point O > T, instance and connection
// point T > O, header sizes O > T and T > O) into the row's six connection cells.
void Put_EDS_Connection(TEditorTable& table, int row, const QStringList& connection);
