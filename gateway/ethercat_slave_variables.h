// The process-data variables of the EtherCAT editor: the ten type names, the Length
// each type gives (and whether the user may change it), and the byte Position and
// Start Bit of every variable in its direction's process-data area, with
// consecutive Bool variables packed into the bits of one byte.
#pragma once

#include <QString>
#include <array>
#include <optional>

class TEditorTable;

// Columns of the two tables. Both start alike; the Slave To Master table has the
// Init Value column before Position, so its last three columns sit one further.
inline constexpr int kEC_Enable = 1;
inline constexpr int kEC_Type = 2;
inline constexpr int kEC_Length = 3;
inline constexpr int kEC_Name = 4;
inline constexpr int kStM_InitValue = 5;
inline constexpr int kStM_Position = 6;
inline constexpr int kStM_StartBit = 7;
inline constexpr int kStM_Mnemonic = 8;
inline constexpr int kMtS_Position = 5;
inline constexpr int kMtS_StartBit = 6;
inline constexpr int kMtS_Mnemonic = 7;
inline constexpr int kStM_ColCount = 9;
inline constexpr int kMtS_ColCount = 8;
inline constexpr int kEC_RowCount = 257;  // the title row and 256 variables
// The variables one table holds: readers of the file take no more.
inline constexpr int kEC_Max_Variables = kEC_RowCount - 1;

// A type name (compared exactly, letter case included), the Length cell it sets and
// whether that cell is then read-only. For the fixed types the Length is also the
// number of bytes the variable takes; Array and String take the Length cell's value
// (String one byte more, for its terminator).
struct TVarTypeLength {
  const char16_t* Type;
  const char16_t* Length;
  bool ReadOnly;
};
// In the order the Type column offers them ("Bool" ... "String").
extern const std::array<TVarTypeLength, 10> Var_Types;

// The entry of a type name; nullptr for any other text.
const TVarTypeLength* Find_Var_Type(const QString& type);

// The Length the editor accepts for an Array or String variable: a number from
// 1 to 255 (its OK check refuses any other). The device image and the slave
// information file refuse a hand-edited file that gives another.
inline constexpr int32_t kMin_Var_Length = 1;
inline constexpr int32_t kMax_Var_Length = 255;
bool Var_Length_Allowed(const QString& length);
// What a reader of the file says of an Array or String row with such a Length.
QString Var_Length_Refusal(const QString& length);

// The type rule on one row: writes the Length cell (column 3) for a known type and
// answers the read-only state the Length cell takes; for any other text nothing
// changes and nothing is answered.
std::optional<bool> VarSetLength(TEditorTable& grid, const QString& type, int row);

// Fills Position and Start Bit of every row from row 1 until the first row whose
// trimmed Type is empty (that row and the later ones keep what they hold). The flag
// picks the Slave To Master columns (6, 7), else the Master To Slave ones (5, 6).
// A row counts as enabled when its Enable cell is "Y"; a disabled row gets "0"/"0"
// and leaves an open run of Bool variables open.
void Calc_Position_Bit(TEditorTable& grid, bool slaveToMaster);
