// What the IEC 61850 client editor keeps apart from its widgets: its file
// IEC_61850_Client.xml (root "IEC_68850_Client", with "68850"), the data sets
// chosen with their members' mappings, the catalog folder of SCL copies, the byte
// sizes fixed by basic type, and the checks of the Variables table.
//
// The file holds, under the root: "List_ICD_Files" (one "ICD_File" per listed
// device: its IED Name and its FileName in the catalog folder), "List_DA_Selected"
// (one "DA_Item" per Variables row, the 18 cells of columns 1 to 18) and
// "List_DataSet_Selected" (one "DataSet_Item" per DataSet row, its 8 cells, and in
// its "DataSet_List_DAs" one "DataSet_DA_Item" per member: the member's bType and
// Reference and its five mapping texts). Reading finds the root by name; of an
// ICD_File only FileName is read (bare); a DA_Item's StartByte and NumByte are
// guarded, its other cells bare; a DataSet_Item's cells are bare and its Index must
// be an integer; a member's texts are guarded.
#pragma once

#include "app/editor_file/editor_table.h"
#include "app/editor_file/row_check_failure.h"
#include "editors/network/scl_model.h"
#include "platform/rtl/object.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>
#include <vector>

// Columns of the Variables grid (ECG_DA).
inline constexpr int kDA_Index = 1;
inline constexpr int kDA_bType = 2;
inline constexpr int kDA_fc = 3;
inline constexpr int kDA_Reference = 4;
inline constexpr int kDA_StartByte = 5;
inline constexpr int kDA_NumByte = 6;
inline constexpr int kDA_IPAddress = 7;
inline constexpr int kDA_Port = 8;
inline constexpr int kDA_OnChange = 9;
inline constexpr int kDA_OnCMD = 10;
inline constexpr int kDA_OnTimer = 11;
inline constexpr int kDA_Time = 12;
inline constexpr int kDA_Position = 13;
inline constexpr int kDA_MoltFact = 17;
inline constexpr int kDA_Columns = 19;
// Columns of the DataSet grid (ECG_DataSet).
inline constexpr int kDS_Index = 1;
inline constexpr int kDS_Reference = 2;
inline constexpr int kDS_GooseName = 3;
inline constexpr int kDS_EnGoose = 4;
inline constexpr int kDS_Columns = 9;
// Columns of the member grid (ECG_DS_Vars).
inline constexpr int kDSV_bType = 1;
inline constexpr int kDSV_Reference = 2;
inline constexpr int kDSV_Position = 3;
inline constexpr int kDSV_Columns = 8;

// The highest Position of a Variables row.
inline constexpr int kIEC_Client_Max_Position = 1399;

// The attribute names of the Variables cells (columns 1 to 18) and of the DataSet
// cells (columns 1 to 8), in column order.
extern const QStringList kDA_Item_Attributes;
extern const QStringList kDataSet_Item_Attributes;

// The catalog folder of the active project's SCL copies: Project_Folder/ICD_Catalog.
QString ICD_Catalog_Folder();

// One member of a chosen data set and its place in the converter's data.
class TDataSet_DA : public TObject {
public:
  TIEC_DA* Select_DA = nullptr;  // in the decoded SCL, not owned
  QString Position;
  QString bitAddress;
  QString conversion;
  QString multFactor;
  QString Mnemonic;
};

// One chosen data set (not the device image's record of that name).
class TDataSet : public TObject {
public:
  TIEC_DataSet* Select_DataSet = nullptr;  // in the decoded SCL, not owned; none when it is gone
  std::vector<std::unique_ptr<TDataSet_DA>> List_DAs;
};

// A new chosen data set: one member with empty texts per member of `dataSet`.
std::unique_ptr<TDataSet> New_DataSet(TIEC_DataSet* dataSet);

// --- The file ---

struct TDataSet_DA_Item {
  QString bType, Reference, Position, StartBit, Convertion, MoltFact, Mnemonic;
};

struct TDataSet_Item {
  QStringList Cells;  // columns 1 to 8
  QList<TDataSet_DA_Item> Members;
};

struct TIEC_Client_File {
  QStringList ICD_Files;        // FileName of every listed device, in order
  QList<QStringList> DA_Items;  // columns 1 to 18 of every Variables row
  QList<TDataSet_Item> DataSets;
};

// What reading the file found: whether it exists, and why it stopped (empty when
// it was read whole) with the text of the error box; what was read before the stop
// stays in `file`.
struct TIEC_Client_Load {
  bool Found = false;
  QString Failure;
  QString Box;
};
TIEC_Client_Load Read_IEC_Client_File(const QString& path, TIEC_Client_File& file);

// Writes the whole file. `deviceNames` are the IED names of the listed devices, one
// per ICD_Files entry. Raises EFileError when it cannot be written.
void Write_IEC_Client_File(const QString& path, const TIEC_Client_File& file, const QStringList& deviceNames);

// The members of a saved data set matched against the decoded one: item i becomes
// a member only when the data set exists and its member i has the item's bType and
// Reference exactly. The items that do not match are returned as "reference" texts
// (their own reference, or "member n" when they have none) for the user.
QStringList Match_DataSet_Members(TIEC_DataSet* dataSet, const QList<TDataSet_DA_Item>& items, TDataSet& chosen);

// The first data set of the device, through its logical devices, nodes and data
// sets in order, whose reference is `reference`; nullptr when none.
TIEC_DataSet* Find_DataSet(TIEC_Device* device, const QString& reference);

// --- Byte sizes and checks ---

// The Start Byte and Num Byte a basic type fixes (compared upper-cased): "0" and 4,
// 8, 1 or 2; false for a type of free size (strings, octet strings, empty).
bool Fixed_Byte_Size(const QString& bType, QString& startByte, QString& numByte);

// The checks of the Variables rows (every row whose bType cell is not empty, in
// order); the first failure with its row. `separator` is the user's decimal one.
std::optional<TRowCheckFailure> Check_IEC_Client_Variables(const TEditorTable& cells, QChar separator);

// The rows of a table whose Index cell (an integer) names the device at `index`.
bool Index_In_Use(const TEditorTable& cells, int indexCol, int index);
// Every Index above `index` one lower (a device was removed).
void Shift_Indexes_Down(TEditorTable& cells, int indexCol, int index);
