// Reading a BACnet EDE file (engineering data exchange) of a remote device for the
// BACnet client editor: the objects its lines list, of the kinds the client can
// serve. The file's encoding is UTF-8 or UTF-16 by its byte-order mark, else
// Windows-1252.
//
// The data begin two lines after the header line "# mandatory;..." (a line that,
// trimmed, begins with "#" and whose text after the "#", trimmed, begins with
// "mandatory"): at line 8 when line 6 (counting from 0) is one, else two lines
// after the last one. A file without one, or of fewer lines than the header takes,
// gives no object. Each data line is split at ";" into 16 fields; only objects
// whose type is an input, output or value object the client handles are kept.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <cstdint>

class TBACnet_Var {
public:
  QString keyname;
  int32_t device_obj_instance = -1;
  QString object_name;
  int32_t object_type = -1;
  int32_t object_instance = -1;
  QString description;
  QString present_value_default;
  QString min_present_value;
  QString max_present_value;
  bool commandable = false;
  bool support_COV = false;
  QString hi_limit;
  QString low_limit;
  QString stete_text_reference;
  QString unit_code;
  QString vendor_specific_address;
  // The user's choices.
  bool import = false;
  bool read = false;
  bool write = false;
};

// Whether the line is an EDE header line ("# mandatory...").
bool Is_EDE_Header_Line(const QString& line);
// One data line read into an object (every field, whatever its type).
TBACnet_Var Read_EDE_Line(const QString& line);
// Whether the client handles objects of this BACnet type.
bool EDE_Type_Served(int32_t type);

// The objects of the file's text (its lines), in file order, each chosen for
// import and reading, and for writing when it is commandable.
QList<TBACnet_Var> Load_EDE_Text(const QString& text);
QList<TBACnet_Var> Load_EDE_Bytes(const QByteArray& bytes);
