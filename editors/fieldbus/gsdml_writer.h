// The PROFINET device description (GSDML, an ISO 15745 profile) of the sibling
// model whose second side is a PROFINET IO device: a fixed template with three
// values from ParGen.xml, the input and output data lengths and the station name.
// Written in UTF-8 with a byte-order mark, every line ended by CR LF, nested
// elements indented by tabs. Its file name is composed of two fixed parts, the
// user's part and the date.
#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

// The maker's identifiers in the description.
inline constexpr const char* kGSDML_Vendor_ID = "0x5A46";
inline constexpr const char* kGSDML_Device_ID = "0x8223";

inline constexpr const char16_t* kGSDML_First_Fixed_Part = u"GSDML-V2.25-Zerfal-";
inline constexpr int32_t kGSDML_Default_Length = 1438;

// The ParGen values the description uses (Load_GSDML_Parameters).
struct TGSDML_Parameters {
  int32_t Input_Length = kGSDML_Default_Length;   // data to the controller: "PROFINET_NB_OUT"
  int32_t Output_Length = kGSDML_Default_Length;  // data from the controller: "PROFINET_NB_IN"
  QString Station_Name = QStringLiteral("SERIAL");  // "PROFINET_NAME_STA"; blanks only: "SERIAL"
};

// The values of the ParGen.xml at `path`; the defaults for a missing or unreadable
// file, a missing element or a length that is no number.
TGSDML_Parameters Load_GSDML_Parameters(const QString& path);

// The second fixed part of the name: "-", the date as yyyymmdd, ".xml".
QString GSDML_Second_Fixed_Part(const QDate& date);
// Whether the user part may stand in a file name: it holds no "/", "\" or "..".
bool GSDML_User_Part_Allowed(const QString& user);
// The file name: the first fixed part, the user part ("_" before it unless it
// starts with one; nothing when it is blank) and the second fixed part.
QString Compose_GSDML_File_Name(const QString& user, const QString& secondFixedPart);

// A text as an XML attribute value: the reserved characters as entities, tab and
// line breaks as character references, other control characters left out.
QString GSDML_Escape(const QString& text);

// The lines of the description (without line ends).
QStringList GSDML_Lines(const TGSDML_Parameters& parameters);
// Reads ParGen.xml (File_ParGen) and writes the description to `path`, replacing
// any file. Raises EFileError when it cannot be written.
void Write_GSDML_File(const QString& path);
