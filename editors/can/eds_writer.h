// The CANopen electronic data sheet (EDS, "EDSVersion=4.0"): the INI-style text a
// CANopen master's tool imports to know the converter. It holds fixed device
// information and objects, one receive PDO per row of PDO_CANopen.xml's
// "Receive_PDO" and one transmit PDO per row of "Transmit_PDO" (communication,
// mapping and data objects each), and one record per distinct object index of
// SDO_Server_CANopen.xml (read rows read-only, write rows read-write). Written in
// Windows-1252, every line ended by CR LF. The maker's identifiers are in
// eds_identity.h.
#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

// One PDO as the sheet describes it.
struct TPDO_Entry {
  int32_t COB_ID = 0;
  int32_t Dimension = 0;  // data bytes
};

// One entry of an application record.
struct TSDO_Sub_Type {
  uint8_t Sub = 0;
  uint8_t Quantity = 0;  // bytes: 1, 2 or 4
  bool Readonly = false;
};

// One application record: an object index and its entries.
struct TSDO_Index {
  uint16_t Index = 0;
  std::vector<TSDO_Sub_Type> Sub_Indexs;
};

// The PDOs and SDO entries the sheet describes.
struct TEDS_Sources {
  QList<TPDO_Entry> RPDO_List;
  QList<TPDO_Entry> TPDO_List;
  std::vector<TSDO_Index> SDO_Index_List;  // in the order each index first occurs
  // What was left out, for the user (PDO rows beyond the 30 a list holds).
  QStringList Notes;
};

// At most this many PDOs of each direction: the variable name prefixes run out.
inline constexpr int kEDS_Max_PDO = 30;

// The PDO tables of PDO_CANopen.xml (no file: no PDO). COB-ID and Dimension that
// are no number read as 0 and 8. Raises an Exception for a file that cannot be
// read, a missing table element or attribute, and a Dimension outside 1 to 8.
void Load_EDS_PDO_List(const QString& path, TEDS_Sources& sources);
// The entries of SDO_Server_CANopen.xml grouped by index (no file: none). Raises an
// Exception for a file that cannot be read, a missing table element or attribute,
// or an Index, SubIndex or NByte that is no number.
void Load_EDS_SDO_List(const QString& path, TEDS_Sources& sources);
// Position of the first record with this index, -1 when none.
int Find_SDO_Index(const TEDS_Sources& sources, int index);
// Every record's entries ascending by sub-index; equal ones keep their order.
void Sort_SDO_Sub_Indexs(TEDS_Sources& sources);
// Raises an Exception naming the first index and sub-index given twice: the sheet
// would describe one object entry twice.
void Check_SDO_Duplicates(const TEDS_Sources& sources);

// "MM-DD-YYYY" and "hh:mmAM"/"hh:mmPM" on a 12-hour clock (00:10 is 12:10AM,
// 12:30 is 12:30PM).
QString EDS_Date_Text(const QDate& date);
QString EDS_Time_Text(const QTime& time);

// The sheet's lines, written at `when`.
QStringList Build_EDS_Lines(const TEDS_Sources& sources, const QDateTime& when);

// Reads the two project files, builds the sheet at the clock's present time and
// writes it to `fileName`, replacing any file. Answers the notes for the user.
// Raises an Exception, writing nothing, for the faults of the loaders above, an
// index and sub-index given twice, or a file that cannot be written.
QStringList Create_EDS_File(const QString& fileName);
