// The I/O connections an EtherNet/IP adapter's electronic data sheet (EDS)
// declares in its "[Connection Manager]" section, as the scanner rule editor takes
// them: per connection its name and help string, the real-time header size of each
// direction and the instances and connection points of its connection path.
//
// The reader, line by line: a "$" outside double quotes starts a comment up to the
// line's end; lines are trimmed and empty ones skipped. A line that contains
// "[Connection Manager]" opens the section (a later one opens it again); inside,
// a line that begins with "[" closes it. An entry begins with a line
// "ConnectionN = " (N its number) and ends at the first ";" outside quotes; the
// lines in between are joined with a blank. Other keys of the section are passed
// over. Each entry is decoded on its own; one that does not decode is dropped
// without a word.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

class TConnData {
public:
  int ConnIndex = 0;  // 1-based position among the decoded connections
  QString ConnName;   // as the EDS writes them, quotes included
  QString HelpStr;
  uint8_t DimHeaderTO = 0;  // real-time format of each direction, 0 to 7
  uint8_t DimHeaderOT = 4;
  uint8_t NumClass = 4;  // not in the file; 0 once decoded
  // Instances keep the full value of their segment (8, 16 or 32 bits).
  uint32_t InstanceTO = 30;
  uint8_t ConnPointTO = 0;
  uint32_t InstanceOT = 30;
  uint8_t ConnPointOT = 0;
};

// The most path bytes an entry may have; a longer path is refused.
inline constexpr int kEDS_Max_Path_Bytes = 1001;

// Decodes one entry: the text after "ConnectionN =" up to and including its ";".
// Fields are separated by commas outside double quotes and trimmed: field 2 holds
// the connection parameters (bits 8-10 the O > T header size, bits 12-14 the
// T > O one; a field that is no number gives 7 for both), fields 13 and 14 the name
// and help string, field 15 the path, hexadecimal bytes separated by blanks (quotes
// removed, before the entry's ";"). The path must have at least 6 bytes and begin
// with a class segment (20); then comes the instance (segment 24, 25 or 26 of 8, 16
// or 32 bits; none: instance 1) used for both directions, the O > T connection
// point (the first 2C byte after it and the byte that follows), and the T > O one:
// the next 24 or 2C byte; after a 24 the byte that follows is the T > O instance
// and the next 2C gives the connection point. Nothing when any of it is missing.
std::optional<TConnData> Decode_Conn_Str(const QString& entry);

// The connections of an EDS file's text, numbered from 1 in file order.
QList<TConnData> Read_EDS_Connections(const QString& text);
// The same from the file's bytes: UTF-8 or UTF-16 by a byte-order mark, else
// Windows-1252.
QList<TConnData> Read_EDS_Connections(const QByteArray& bytes);

// The texts of one connection as the connection dialog lists it: "Connection" and
// the number, name, help string, instance and connection point O > T, instance and
// connection point T > O, the header sizes O > T and T > O ("Default" for 4 and 0).
QStringList EDS_Connection_Row(const TConnData& conn);
