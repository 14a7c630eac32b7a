// The BACnet client rules (BACnet_Master_Access.xml, root "BACnet_Master_Access"):
// which properties of which objects of remote BACnet devices the converter reads
// ("BACnet_Read") and writes ("BACnet_Write"), each with a byte range of the
// exchange memory and, for a device behind a router, a destination network and
// address. Two tables of 512 rules with an Enable column. Remote devices are
// addressed by ParGen.xml's "BACnet_Master_Type": 0 by IP address, 1 by a slave ID
// 0 to 254, any other value not at all; the address column is the key while it is
// used, else the Object Type column is. Every attribute is read with a default;
// the hidden Swap and Convertion columns are not in the file.
#pragma once

#include "app/table_editor/table_editor_spec.h"
#include "editors/fieldbus/ede_import.h"

// Columns of the read table.
enum : int {
  kBCR_Enable = 1, kBCR_Address, kBCR_Object_Type, kBCR_Instance, kBCR_Property, kBCR_NByte, kBCR_En_Dest,
  kBCR_D_Net, kBCR_D_Len, kBCR_D_Add, kBCR_Poll_Time, kBCR_Max_Err, kBCR_Position, kBCR_Start_Bit, kBCR_Swap,
  kBCR_Convertion, kBCR_Mnemonic
};
// Columns of the write table.
enum : int {
  kBCW_Enable = 1, kBCW_Address, kBCW_Object_Type, kBCW_Data_Type, kBCW_Instance, kBCW_Property, kBCW_Priority,
  kBCW_NByte, kBCW_En_Dest, kBCW_D_Net, kBCW_D_Len, kBCW_D_Add, kBCW_Change, kBCW_Timer, kBCW_Poll_Time,
  kBCW_Max_Err, kBCW_Position, kBCW_Start_Bit, kBCW_Swap, kBCW_Convertion, kBCW_Mnemonic
};

inline constexpr int kBC_Rows = 512;
inline constexpr int kBC_Area = 1440;
// The message when an EDE import holds more objects than the tables have rows:
// %1 read objects, %2 write objects left out.
inline constexpr int kText_BC_Import_Left_Out = 2098;

extern const TTableEditorSpec BACnet_Client_Spec;

// The key column for the address kind: the address for 0 and 1, else Object Type.
int BACnet_Client_Key_Column(int appBACnetType);
// The "Error in Read, row " or "Error in Write, row " text of a table.
int BACnet_Client_Row_Prefix(int table);

// The internal code of an Object Type text (upper-cased, trimmed): 1 to 15 for the
// named types, the number for a proprietary type 128 to 1023, -1 for anything
// else and, in the write table, for the input types and the accumulator.
int Check_Object_Type(const QString& text, bool write);
// The code of a Property text for an object code: the property's size in bytes,
// 100 for the present value, 200 for a proprietary property 512 to 4194303, -1
// when it is not allowed (in the write table only the present value and numbers).
int Check_Property(const QString& text, int objectCode, bool write);
// The data type rule of the write table's present value.
bool Check_Data_Type(const QString& dataType, int objectCode, int propertyCode);
// The data type a present value of the object needs, empty when none is named.
QString Aspected_Data_Type_Value(int objectCode);
// The largest byte count of a data type.
int Check_Num_Byte_Max(const QString& dataType);

// The hint of a read table cell: on the NByte column of a row with Object Type and
// Property, the property's size; otherwise empty.
QString Str_Hint_Read(const TEditorTable& read, int row, int col);

// The checks of both tables (read first) by the address kind; the first failure
// with its row, `table` telling which (0 read, 1 write). A failure with text 0 is
// an empty destination address list, which fails without a message.
std::optional<TRowCheckFailure> Check_BACnet_Client_Tables(const TEditorTable& read, const TEditorTable& write,
                                                           int appBACnetType, int& table);

// The client's view of an EDE object type: Object Type, Data Type and byte count.
QString Get_ObjType_EDE(int type);
QString Get_DataType_EDE(int type);
int Get_NumByte_EDE(int type);

// What an EDE import did.
struct TEDE_Import_Count {
  int Read = 0;  // rows filled
  int Write = 0;
  int Read_Left_Out = 0;  // objects that found no free row
  int Write_Left_Out = 0;
};
// Turns the chosen objects into rows: each object chosen for import and reading
// fills the next read row, and for writing the next write row, from the first row
// whose key is empty on, each at the next free byte after the rules that have one.
// Objects that find no row left are counted, not written.
TEDE_Import_Count Import_EDE_Objects(TEditorTable& read, TEditorTable& write, int keyColumn,
                                     const QList<TBACnet_Var>& objects, const QString& address);
