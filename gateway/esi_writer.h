// The EtherCAT slave information (ESI) file: the XML device description an
// EtherCAT master's tool imports. Written from ParGen.xml (name, revision, node
// address) and the enabled variables of EtherCAT_Slave.xml, as UTF-8 without
// byte-order mark, every line ended by CR LF.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <cstdint>

// One process-data entry of the file.
struct TEtherCAT_Rule {
  QString DataType;    // ESI data type name
  int32_t Length = 0;  // bits
  QString Name;
};

struct TESI_Sources {
  QString Device_Name = QStringLiteral("EtherCAT Slave");
  uint32_t Revision = 0;
  uint16_t Node_Address = 1;
  QList<TEtherCAT_Rule> Inputs;   // from Slave To Master
  QList<TEtherCAT_Rule> Outputs;  // from Master To Slave
  int32_t Input_Bytes = 0;        // bytes of the inputs, Bools packed 8 to a byte
};

// Maps a table type (trimmed, upper-cased) to its ESI data type; `length` comes in
// as the row's Length attribute and goes out as the entry's size in bits.
void Map_ESI_Data_Type(const QString& type, int32_t& length, QString& dataType);
// n with leading zeros to at least three digits.
QString Format_PDO_Number(int n);
// The node address as its low byte then its high byte, two hex digits each.
QString Node_Address_Text(uint16_t node);

// Reads the two project files (either may be missing). Raises an Exception naming
// the file for one that cannot be read or is not well-formed, for an
// EtherCAT_Slave.xml without its variable groups or with a table of more rows than
// the editor shows (256), and naming the row for an enabled Array or String whose
// Length the editor would refuse (not 1 to 255) or a name holding a character an
// XML file cannot hold (so the file written is always well-formed).
TESI_Sources Load_ESI_Sources(const QString& parGenPath, const QString& etherCatPath);
// The file's lines, without line ends.
QStringList ESI_Lines(const TESI_Sources& sources);
// The whole file: UTF-8, CR LF after every line, no byte-order mark.
QByteArray ESI_File_Text(const TESI_Sources& sources);
// Writes the file whole (temporary file and rename); raises an Exception on failure.
void Write_ESI_File(const QString& fileName, const TESI_Sources& sources);
// Loads the active project's ParGen.xml and EtherCAT_Slave.xml and writes the file;
// nothing is written when a step fails (the Exception tells why).
void Build_ESI_File(const QString& fileName);
