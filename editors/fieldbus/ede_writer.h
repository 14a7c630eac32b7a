// The BACnet EDE file (engineering data exchange): the semicolon-separated list of
// the objects the BACnet server configuration offers, for BACnet engineering
// tools. Seven header lines, then one line per row of BACnet_Slave.xml (its
// "BACnet_in_Read" table, then "BACnet_in_Write"): key name, device instance,
// object name, object type, instance, description and unit code, each followed by
// ";". Object types are the BACnet standard's numbers; each type's instances are
// numbered 0, 1, 2 ... in row order across both tables. The device instance and
// the long-names option (32 instead of 16 characters) come from ParGen.xml.
// Written in Windows-1252, every line ended by CR LF.
//
// A ";" or a line break in any text written would break its line, so the writer
// refuses such a file: nothing is written and the message names the row.
#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <array>

class TBACnet_EDE_Obj {
public:
  QString Keyname;
  QString DevObjInstance;
  QString ObjectName;
  QString ObjectType;
  QString ObjectInstance;
  QString Description;
  QString UnitCode;
};

// The object type number of a Data Type text (upper-cased and trimmed), 0 for any
// text that names none.
int EDE_Object_Type(const QString& dataType);
// "hh:mm:ss dd/mm/yyyy".
QString EDE_Time_Stamp(const QDateTime& when);

// The messages of a refused file: a row's text (%1 table, %2 row, %3 attribute),
// the device instance (%1 element), the project name.
inline constexpr int kText_EDE_Row_Refused = 2265;
inline constexpr int kText_EDE_Device_Refused = 2266;
inline constexpr int kText_EDE_Project_Refused = 2267;

// One run of the writer: the objects and the numbering state.
class TEDE_Writer {
public:
  QList<TBACnet_EDE_Obj> EDE_Obj_List;
  QString EDE_Dev_Instance;
  bool EDE_Long_Names = false;

  void Reset_EDE_Instances();
  // The device instance and the long-names option of ParGen.xml at `path`.
  void Load_EDE_Device(const QString& path);
  // The objects of BACnet_Slave.xml at `path`. Raises EFileError for a file that
  // cannot be read, a row without Data_Type, Eng_Unit or Mnemonic, and a text that
  // would break its line.
  void Load_EDE_Objects(const QString& path);
  // The type's next instance number (0 for a type without counter).
  int Next_EDE_Instance(int type);
  // The file's lines. Raises EFileError when the project name would break its line.
  QStringList EDE_Lines(const QString& projectName, const QDateTime& when) const;

private:
  static constexpr int kCounted_Types[18] = {0, 1, 2, 3, 4, 5, 13, 14, 19, 21, 22, 23, 30, 40, 44, 45, 46, 48};
  std::array<int, 18> EDE_Instance_Counters{};
};

// Writes the EDE file of the active project (File_ParGen, File_BACnet_Slave,
// Project_Name) to `fileName`, replacing any file. Raises EFileError, writing
// nothing, for the faults of the loaders and a file that cannot be written.
void Create_EDE_File(const QString& fileName);
