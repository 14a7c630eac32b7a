#include "editors/can/eds_writer.h"

#include "app/editor_file/editor_file.h"
#include "app/state/comon.h"
#include "editors/can/eds_identity.h"
#include "platform/os/clock.h"
#include "platform/os/files.h"
#include "platform/rtl/codepage.h"
#include "platform/rtl/exceptions.h"
#include "platform/rtl/numbers.h"
#include "platform/rtl/strings.h"
#include "platform/xml/xml_document.h"

#include <QFileInfo>
#include <algorithm>

namespace {

// The name prefixes of the PDOs' data variables, by PDO position 1 to 30.
constexpr const char* kRPDO_Var_Prefix[kEDS_Max_PDO] = {
    "b",  "c",  "d",  "e",  "f",  "g",  "h",  "j",  "k",  "i",  "aa", "ab", "ac", "ad", "ae",
    "af", "ag", "ah", "ai", "al", "am", "an", "ao", "ap", "aq", "ar", "as", "at", "au", "av"};
constexpr const char* kTPDO_Var_Prefix[kEDS_Max_PDO] = {
    "l",  "m",  "n",  "o",  "p",  "q",  "r",  "s",  "t",  "u",  "ca", "cb", "cc", "cd", "ce",
    "cf", "cg", "ch", "ci", "cl", "cm", "cn", "co", "cp", "cq", "cr", "cs", "ct", "cu", "cv"};

QString Hex(int64_t value, int digits) { return IntToHex(uint64_t(uint32_t(value)), digits); }

QString File_Name(const QString& path) { return QFileInfo(path).fileName(); }

// The table element of an editor file; an Exception when it is missing.
TXMLNode Table_Of(TXMLNode root, const QString& path, const char* name) {
  const TXMLNode table = root.ChildByName(QString::fromLatin1(name));
  if (!table) throw Exception(QStringLiteral("%1 has no element \"%2\".").arg(File_Name(path), QLatin1String(name)));
  return table;
}

QString Required(const TXMLNode& row, const QString& path, const char* table, int number, const char* name) {
  const QString attribute = QString::fromLatin1(name);
  if (!row.HasAttribute(attribute))
    throw Exception(QStringLiteral("%1: row %2 of \"%3\" has no attribute \"%4\".")
                        .arg(File_Name(path))
                        .arg(number)
                        .arg(QLatin1String(table), attribute));
  return row.Attribute(attribute);
}

void Load_PDO_Table(TXMLNode root, const QString& path, const char* table, const char* direction,
                    QList<TPDO_Entry>& list, QStringList& notes) {
  const QList<TXMLNode> rows = Table_Of(root, path, table).ChildElements();
  for (int i = 0; i < int(rows.size()) && i < kEDS_Max_PDO; ++i) {
    TPDO_Entry entry;
    entry.COB_ID = StrToIntDef(Required(rows[i], path, table, i + 1, "COB-ID"), 0);
    const QString dimension = Required(rows[i], path, table, i + 1, "Dimension");
    entry.Dimension = StrToIntDef(dimension, 8);
    if (entry.Dimension < 1 || entry.Dimension > 8)
      throw Exception(QStringLiteral("%1: %2 PDO %3 has the Dimension %4; a PDO carries 1 to 8 bytes.")
                          .arg(File_Name(path), QLatin1String(direction))
                          .arg(i + 1)
                          .arg(dimension));
    list.append(entry);
  }
  if (rows.size() > kEDS_Max_PDO)
    notes.append(QStringLiteral("%1 holds %2 %3 PDOs; the EDS file describes the first %4.")
                     .arg(File_Name(path))
                     .arg(rows.size())
                     .arg(QLatin1String(direction))
                     .arg(kEDS_Max_PDO));
}

int32_t Number(const TXMLNode& row, const QString& path, const char* table, int number, const char* name) {
  const QString text = Required(row, path, table, number, name);
  int32_t value = 0;
  if (!TryStrToInt(text, value))
    throw Exception(QStringLiteral("%1: row %2 of \"%3\": '%4' is not a valid integer value.")
                        .arg(File_Name(path))
                        .arg(number)
                        .arg(QLatin1String(table), text));
  return value;
}

void Add_SDO(TEDS_Sources& sources, int index, int sub, int quantity, bool readonly) {
  const TSDO_Sub_Type entry{uint8_t(sub), uint8_t(quantity), readonly};
  const int at = Find_SDO_Index(sources, uint16_t(index));
  if (at >= 0) {
    sources.SDO_Index_List[size_t(at)].Sub_Indexs.push_back(entry);
    return;
  }
  sources.SDO_Index_List.push_back({uint16_t(index), {entry}});
}

// --- The sheet ---------------------------------------------------------------

class TSheet {
public:
  // A section: its header, its lines, one empty line.
  void Section(const QString& name, const QStringList& lines) {
    out_ << u'[' + name + u']';
    out_ << lines;
    out_ << QString();
  }
  // A variable: ParameterName, ObjectType, DataType, AccessType, DefaultValue (when
  // given) and PDOMapping.
  void Variable(const QString& name, const QString& parameter, const QString& objectType, const QString& dataType,
                const QString& access, const QString& def, const QString& mapping = QStringLiteral("0")) {
    QStringList lines{"ParameterName=" + parameter, "ObjectType=" + objectType, "DataType=" + dataType,
                      "AccessType=" + access};
    if (!def.isNull()) lines << "DefaultValue=" + def;
    lines << "PDOMapping=" + mapping;
    Section(name, lines);
  }
  // A record header: SubNumber, ParameterName and ObjectType.
  void Record(const QString& name, int subNumber, const QString& parameter, const QString& objectType) {
    Section(name, {"SubNumber=" + IntToStr(subNumber), "ParameterName=" + parameter, "ObjectType=" + objectType});
  }
  QStringList Lines() const { return out_; }
  QStringList& Raw() { return out_; }

private:
  QStringList out_;
};

const QString kVar = QStringLiteral("0x07");

// The fixed objects 1000 to 1280.
struct TFixedObject {
  const char* Section;
  bool Record;
  const char* Name;
  const char* TypeOrObject;  // DataType of a variable, ObjectType of a record
  const char* Access;        // a record: its SubNumber
  const char* Default;       // nullptr: no DefaultValue line
};

constexpr TFixedObject kFixed_Objects[] = {
    {"1000", false, "Device Type", "0x0007", "const", "0x000101A4"},
    {"1001", false, "Error Register", "0x0005", "ro", "0x00"},
    {"1005", false, "COB-ID SYNC", "0x0007", "rw", "0x80000080"},
    {"1006", false, "Communication Cycle Period", "0x0007", "rw", "0x00000000"},
    {"1008", false, "Manufacturer Device Name", "0x0009", "const", "s1"},
    {"1014", false, "COB-ID EMCY", "0x0007", "ro", "$NODEID+0x80"},
    {"1016", true, "Heartbeat Consumer Entries", "0x08", "3", nullptr},
    {"1016sub0", false, "Number of Entries", "0x0005", "ro", "0x02"},
    {"1016sub1", false, "Consumer Heartbeat Time 1", "0x0007", "rw", "0x00000000"},
    {"1016sub2", false, "Consumer Heartbeat Time 2", "0x0007", "rw", "0x00000000"},
    {"1017", false, "Producer Heartbeat Time", "0x0006", "rw", "0x000003E8"},
    {"1018", true, "Identity Object", "0x09", "5", nullptr},
    {"1018sub0", false, "number of entries", "0x0005", "ro", "0x4"},
    {"1018sub1", false, "Vendor Id", "0x0007", "ro", nullptr},
    {"1018sub2", false, "Product Code", "0x0007", "ro", nullptr},
    {"1018sub3", false, "Revision number", "0x0007", "ro", nullptr},
    {"1018sub4", false, "Serial number", "0x0007", "ro", nullptr},
    {"1029", true, "Error Behaviour", "0x08", "2", nullptr},
    {"1029sub0", false, "Number of Entries", "0x0005", "ro", "1"},
    {"1029sub1", false, "Communication Error", "0x0005", "rw", "0x0"},
    {"1280", true, "Client SDO Parameter 1", "0x09", "4", nullptr},
    {"1280sub0", false, "Number of Entries", "0x0005", "ro", "0x03"},
    {"1280sub1", false, "COB-ID Client -> Server", "0x0007", "rw", nullptr},
    {"1280sub2", false, "COB-ID Server -> Client", "0x0007", "rw", nullptr},
    {"1280sub3", false, "Node ID of the SDO Server", "0x0005", "rw", nullptr},
};

QString L(const char* text) { return QString::fromLatin1(text); }

void Head_Sections(TSheet& sheet, const TEDS_Sources& s, const QDateTime& when) {
  const QString date = EDS_Date_Text(when.date());
  const QString time = EDS_Time_Text(when.time());
  const QString vendor = L(kEDS_Vendor_Name);
  const QString product = L(kEDS_Product_Name);
  sheet.Section("FileInfo", {"FileName=" + L(kEDS_File_Name), "FileVersion=1", "FileRevision=0", "EDSVersion=4.0",
                             "Description=" + product, "CreationTime=" + time, "CreationDate=" + date,
                             "CreatedBy=" + vendor, "ModificationTime=" + time, "ModificationDate=" + date,
                             "ModifiedBy=" + vendor});
  sheet.Section("DeviceInfo", {"VendorName=" + vendor, "VendorNumber=" + L(kEDS_Vendor_Number),
                               "ProductName=" + product, "ProductNumber=" + L(kEDS_Product_Number),
                               "RevisionNumber=0x0", "OrderCode=" + L(kEDS_Order_Code), "BaudRate_10=1",
                               "BaudRate_20=1", "BaudRate_50=1", "BaudRate_125=1", "BaudRate_250=1",
                               "BaudRate_500=1", "BaudRate_800=0", "BaudRate_1000=1", "DynamicChannelsSupported=0",
                               "GroupMessaging=0", "LSS_Supported=0", "Granularity=0", "SimpleBootUpSlave=1",
                               "SimpleBootUpMaster=0", "NrOfRXPDO=" + IntToStr(s.RPDO_List.size()),
                               "NrOfTXPDO=" + IntToStr(s.TPDO_List.size())});
  sheet.Section("Comments", {"Lines=0"});
  QStringList dummies;
  for (int i = 1; i <= 7; ++i) dummies << QStringLiteral("Dummy000%1=0").arg(i);
  sheet.Section("DummyUsage", dummies);
  sheet.Section("MandatoryObjects", {"SupportedObjects=3", "1=0x1000", "2=0x1001", "3=0x1018"});
  QStringList optional{"SupportedObjects=" + IntToStr(3 * s.RPDO_List.size() + 3 * s.TPDO_List.size() + 8),
                       "1=0x1005", "2=0x1006", "3=0x1008", "4=0x1014", "5=0x1016", "6=0x1017", "7=0x1029",
                       "8=0x1280"};
  int n = 9;
  const auto addObjects = [&](int base, qsizetype count) {
    for (int i = 0; i < count; ++i) optional << IntToStr(n++) + "=0x" + Hex(base + i, 4);
  };
  addObjects(0x1400, s.RPDO_List.size());
  addObjects(0x1600, s.RPDO_List.size());
  addObjects(0x1800, s.TPDO_List.size());
  addObjects(0x1A00, s.TPDO_List.size());
  addObjects(0x7000, s.RPDO_List.size());
  addObjects(0x7050, s.TPDO_List.size());
  sheet.Section("OptionalObjects", optional);
  QStringList manufacturer{"SupportedObjects=" + IntToStr(int64_t(s.SDO_Index_List.size()))};
  for (size_t k = 0; k < s.SDO_Index_List.size(); ++k)
    manufacturer << IntToStr(int64_t(k) + 1) + "=0x" + Hex(s.SDO_Index_List[k].Index, 4);
  sheet.Section("ManufacturerObjects", manufacturer);
}

void Fixed_Objects(TSheet& sheet) {
  for (const TFixedObject& o : kFixed_Objects) {
    if (o.Record) {
      sheet.Record(L(o.Section), QString::fromLatin1(o.Access).toInt(), L(o.Name), L(o.TypeOrObject));
      continue;
    }
    sheet.Variable(L(o.Section), L(o.Name), kVar, L(o.TypeOrObject), L(o.Access), o.Default ? L(o.Default) : QString());
  }
}

void Communication_Objects(TSheet& sheet, const QList<TPDO_Entry>& list, int base, const char* name) {
  for (int i = 0; i < int(list.size()); ++i) {
    const QString c = Hex(base + i, 4);
    sheet.Record(c, 4, L(name) + IntToStr(i + 1), QStringLiteral("0x09"));
    sheet.Variable(c + "sub0", "Number of Entries", kVar, "0x0005", "ro", "0x03");
    sheet.Variable(c + "sub1", "COB-ID", kVar, "0x0007", "rw", "0x" + Hex(list[i].COB_ID, 8));
    sheet.Variable(c + "sub2", "Transmission Type", kVar, "0x0005", "rw", "0xFE");
    sheet.Variable(c + "sub3", "Inhibit Time", kVar, "0x0006", "rw", "0x0");
  }
}

// `numbered`: the header name carries the PDO's number (transmit).
void Mapping_Objects(TSheet& sheet, const QList<TPDO_Entry>& list, int base, int dataBase, const char* name,
                     bool numbered) {
  for (int i = 0; i < int(list.size()); ++i) {
    const QString m = Hex(base + i, 4);
    const int d = list[i].Dimension;
    sheet.Record(m, d + 1, L(name) + (numbered ? IntToStr(i + 1) : QString()), QStringLiteral("0x09"));
    sheet.Variable(m + "sub0", "Number of Entries", kVar, "0x0005", "ro", "0x" + Hex(d, 2));
    for (int k = 1; k <= d; ++k)
      sheet.Variable(m + "sub" + IntToStr(k), "Mapping Entry " + IntToStr(k), kVar, "0x0007", "ro",
                     "0x" + Hex(dataBase + i, 4) + Hex(k, 2) + "08");
  }
}

void Data_Objects(TSheet& sheet, const QList<TPDO_Entry>& list, int base, const char* name,
                  const char* const* prefixes, const char* countAccess, const char* access) {
  for (int i = 0; i < int(list.size()); ++i) {
    const QString v = Hex(base + i, 4);
    const int d = list[i].Dimension;
    sheet.Record(v, d + 1, L(name) + IntToStr(i + 1), QStringLiteral("0x08"));
    sheet.Variable(v + "sub0", "Number of Entries", kVar, "0x0005", L(countAccess), "0x" + Hex(d, 2));
    for (int k = 1; k <= d; ++k)
      sheet.Variable(v + "sub" + IntToStr(k), L(prefixes[i]) + IntToStr(k), kVar, "0x0005", L(access), "0x00",
                     QStringLiteral("1"));
  }
}

void Application_Objects(TSheet& sheet, const std::vector<TSDO_Index>& list) {
  for (const TSDO_Index& element : list) {
    if (element.Sub_Indexs.empty()) continue;
    const QString x = Hex(element.Index, 4);
    const int n = int(element.Sub_Indexs.size());
    const int first = element.Sub_Indexs.front().Sub;
    sheet.Record(x, first == 0 ? n : n + 1, "App Vars", "0x9");
    if (first != 0)
      sheet.Variable(x + "sub0", "Largest Sub-Index supported", "0x7", "0x0005", "ro",
                     "0x" + Hex(element.Sub_Indexs.back().Sub, 2));
    for (const TSDO_Sub_Type& entry : element.Sub_Indexs) {
      QStringList lines{"ParameterName=Application Variable", "ObjectType=0x7"};
      switch (entry.Quantity) {
        case 1: lines << "DataType=0x0005" << "LowLimit=0x00" << "HighLimit=0xFF" << "DefaultValue=0x00"; break;
        case 2:
          lines << "DataType=0x0006" << "LowLimit=0x0000" << "HighLimit=0xFFFF" << "DefaultValue=0x0000";
          break;
        default:
          lines << "DataType=0x0007" << "LowLimit=0x00000000" << "HighLimit=0xFFFFFFFF"
                << "DefaultValue=0x00000000";
          break;
      }
      lines << (entry.Readonly ? "AccessType=ro" : "AccessType=rw") << "PDOMapping=0";
      sheet.Section(x + "sub" + IntToStr(entry.Sub), lines);
    }
  }
}

}  // namespace

void Load_EDS_PDO_List(const QString& path, TEDS_Sources& sources) {
  sources.RPDO_List.clear();
  sources.TPDO_List.clear();
  if (!FileExists(path)) return;
  TXMLDocument doc;
  const TXMLNode root = Load_Editor_Document(doc, path);
  if (!root) throw Exception(QStringLiteral("%1 holds no element.").arg(File_Name(path)));
  Load_PDO_Table(root, path, "Receive_PDO", "receive", sources.RPDO_List, sources.Notes);
  Load_PDO_Table(root, path, "Transmit_PDO", "transmit", sources.TPDO_List, sources.Notes);
}

void Load_EDS_SDO_List(const QString& path, TEDS_Sources& sources) {
  sources.SDO_Index_List.clear();
  if (!FileExists(path)) return;
  TXMLDocument doc;
  const TXMLNode root = Load_Editor_Document(doc, path);
  if (!root) throw Exception(QStringLiteral("%1 holds no element.").arg(File_Name(path)));
  for (const char* table : {"SDO_Read", "SDO_Write"}) {
    const bool readonly = QLatin1String(table) == QLatin1String("SDO_Read");
    const QList<TXMLNode> rows = Table_Of(root, path, table).ChildElements();
    for (int i = 0; i < int(rows.size()); ++i) {
      const int32_t index = Number(rows[i], path, table, i + 1, "Index");
      const int32_t sub = Number(rows[i], path, table, i + 1, "SubIndex");
      const int32_t size = Number(rows[i], path, table, i + 1, "NByte");
      Add_SDO(sources, index, sub, size, readonly);
    }
  }
}

int Find_SDO_Index(const TEDS_Sources& sources, int index) {
  for (size_t i = 0; i < sources.SDO_Index_List.size(); ++i)
    if (sources.SDO_Index_List[i].Index == index) return int(i);
  return -1;
}

void Sort_SDO_Sub_Indexs(TEDS_Sources& sources) {
  for (TSDO_Index& element : sources.SDO_Index_List)
    std::stable_sort(element.Sub_Indexs.begin(), element.Sub_Indexs.end(),
                     [](const TSDO_Sub_Type& a, const TSDO_Sub_Type& b) { return a.Sub < b.Sub; });
}

void Check_SDO_Duplicates(const TEDS_Sources& sources) {
  for (const TSDO_Index& element : sources.SDO_Index_List) {
    std::vector<TSDO_Sub_Type> subs = element.Sub_Indexs;
    std::stable_sort(subs.begin(), subs.end(), [](const auto& a, const auto& b) { return a.Sub < b.Sub; });
    for (size_t i = 1; i < subs.size(); ++i)
      if (subs[i].Sub == subs[i - 1].Sub)
        throw Exception(QStringLiteral("SDO_Server_CANopen.xml names the object 0x%1 sub-index %2 twice; an EDS file "
                                       "can describe it only once. No EDS file was written.")
                            .arg(Hex(element.Index, 4))
                            .arg(subs[i].Sub));
  }
}

QString EDS_Date_Text(const QDate& date) {
  return QStringLiteral("%1-%2-%3")
      .arg(date.month(), 2, 10, QLatin1Char('0'))
      .arg(date.day(), 2, 10, QLatin1Char('0'))
      .arg(date.year());
}

QString EDS_Time_Text(const QTime& time) {
  const int hour = time.hour() % 12 == 0 ? 12 : time.hour() % 12;
  return QStringLiteral("%1:%2%3")
      .arg(hour, 2, 10, QLatin1Char('0'))
      .arg(time.minute(), 2, 10, QLatin1Char('0'))
      .arg(time.hour() < 12 ? QLatin1String("AM") : QLatin1String("PM"));
}

QStringList Build_EDS_Lines(const TEDS_Sources& sources, const QDateTime& when) {
  TSheet sheet;
  Head_Sections(sheet, sources, when);
  Fixed_Objects(sheet);
  Communication_Objects(sheet, sources.RPDO_List, 0x1400, "Receive PDO Communication Parameter ");
  Mapping_Objects(sheet, sources.RPDO_List, 0x1600, 0x7000, "Receive PDO Mapping Parameter", false);
  Communication_Objects(sheet, sources.TPDO_List, 0x1800, "Transmit PDO Communication Parameter ");
  Mapping_Objects(sheet, sources.TPDO_List, 0x1A00, 0x7050, "Transmit PDO Mapping Parameter ", true);
  Data_Objects(sheet, sources.RPDO_List, 0x7000, "RPDO", kRPDO_Var_Prefix, "ro", "rww");
  Data_Objects(sheet, sources.TPDO_List, 0x7050, "TPDO", kTPDO_Var_Prefix, "rw", "rwr");
  Application_Objects(sheet, sources.SDO_Index_List);
  // One more empty line ends the sheet.
  sheet.Raw() << QString();
  return sheet.Lines();
}

QStringList Create_EDS_File(const QString& fileName) {
  TEDS_Sources sources;
  Load_EDS_PDO_List(File_PDO_CANopen, sources);
  Load_EDS_SDO_List(File_SDO_Server_CANopen, sources);
  Check_SDO_Duplicates(sources);
  Sort_SDO_Sub_Indexs(sources);
  const QStringList lines = Build_EDS_Lines(sources, Clock().WallTime());
  WriteFileWhole(fileName, EncodeWindows1252(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")));
  return sources.Notes;
}
