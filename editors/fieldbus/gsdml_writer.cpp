#include "editors/fieldbus/gsdml_writer.h"

#include "app/editor_file/editor_file.h"
#include "app/state/comon.h"
#include "platform/os/files.h"
#include "platform/rtl/exceptions.h"
#include "platform/rtl/numbers.h"
#include "platform/rtl/strings.h"

#include <initializer_list>
#include <iterator>
#include <tuple>
#include <utility>

namespace {

constexpr const char* kNamespace = "http://www.profibus.com/GSDML/2003/11/DeviceProfile";

using TAttributes = std::initializer_list<std::pair<const char*, QString>>;

// The lines of an indented document: each element on a line of its own, indented
// by its depth with tabs.
class TLines {
public:
  QStringList Lines;

  // An element with children: its start tag; Close() ends it.
  void Open(const char* name, TAttributes attributes = {}) {
    Add(u'<' + QString::fromLatin1(name) + Attribute_Text(attributes) + u'>');
    open_.append(QString::fromLatin1(name));
  }
  void Close() { Add(QStringLiteral("</") + open_.takeLast() + u'>'); }
  // An element with neither children nor text.
  void Empty(const char* name, TAttributes attributes = {}) {
    Add(u'<' + QString::fromLatin1(name) + Attribute_Text(attributes) + QStringLiteral("/>"));
  }
  // An element with text, on one line.
  void Text(const char* name, const char* text) {
    Add(QStringLiteral("<%1>%2</%1>").arg(QString::fromLatin1(name), QString::fromLatin1(text)));
  }
  void Comment(const QString& text) { Add(QStringLiteral("<!--") + text + QStringLiteral("-->")); }
  void Add(const QString& line) { Lines.append(QString(open_.size(), u'\t') + line); }

  static QString Attribute_Text(TAttributes attributes) {
    QString text;
    for (const auto& [name, value] : attributes) text += QStringLiteral(" %1=\"%2\"").arg(QString::fromLatin1(name), value);
    return text;
  }

private:
  QStringList open_;
};

QString L(const char* text) { return QString::fromLatin1(text); }

void Profile_Header(TLines& x) {
  x.Open("ProfileHeader");
  x.Text("ProfileIdentification", "PROFINET Device Profile");
  x.Text("ProfileRevision", "1.00");
  x.Text("ProfileName", "Device Profile for PROFINET Devices");
  x.Text("ProfileSource", "PROFIBUS Nutzerorganisation e. V. (PNO)");
  x.Text("ProfileClassID", "Device");
  x.Open("ISO15745Reference");
  x.Text("ISO15745Part", "4");
  x.Text("ISO15745Edition", "1");
  x.Text("ProfileTechnology", "GSDML");
  x.Close();
  x.Close();
}

void Device_Access_Point(TLines& x, const QString& station) {
  x.Open("DeviceAccessPointList");
  x.Open("DeviceAccessPointItem", {{"PNIO_Version", L("V2.3")},
                                   {"RequiredSchemaVersion", L("V2.25")},
                                   {"ID", L("IDD_1")},
                                   {"PhysicalSlots", L("0..4")},
                                   {"ModuleIdentNumber", L("0x00000001")},
                                   {"MinDeviceInterval", L("64")},
                                   {"ImplementationType", station},
                                   {"DNS_CompatibleName", station},
                                   {"FixedInSlots", L("0")},
                                   {"ObjectUUID_LocalIndex", L("1")},
                                   {"MultipleWriteSupported", L("true")},
                                   {"MaxSupportedRecordSize", L("8192")},
                                   {"ParameterizationSpeedupSupported", L("true")},
                                   {"PowerOnToCommReady", L("350")},
                                   {"DeviceAccessSupported", L("true")},
                                   {"SharedDeviceSupported", L("true")},
                                   {"CheckDeviceID_Allowed", L("false")},
                                   {"NameOfStationNotTransferable", L("true")}});
  x.Open("ModuleInfo");
  x.Empty("Name", {{"TextId", L("IDT_NAME_DAP1")}});
  x.Empty("InfoText", {{"TextId", L("IDT_INFO_DAP1")}});
  x.Empty("VendorName", {{"Value", L("Zerfal")}});
  x.Empty("OrderNumber", {{"Value", L("KV82K23")}});
  x.Close();
  x.Open("SubslotList");
  for (const auto& [number, text] : {std::pair{"0", "IDT_SUBSLOT_1"}, std::pair{"32768", "IDT_SUBSLOT_Interface"},
                                     std::pair{"32769", "IDT_SUBSLOT_Port1"}, std::pair{"32770", "IDT_SUBSLOT_Port2"}})
    x.Empty("SubslotItem", {{"SubslotNumber", L(number)}, {"TextId", L(text)}});
  x.Close();
  x.Empty("IOConfigData", {{"MaxInputLength", L("1440")}, {"MaxOutputLength", L("1440")}, {"MaxDataLength", L("2880")}});
  x.Open("UseableModules");
  x.Empty("ModuleItemRef", {{"ModuleItemTarget", L("IDM_1")}, {"FixedInSlots", L("1")}});
  x.Close();
  x.Open("VirtualSubmoduleList");
  x.Open("VirtualSubmoduleItem", {{"ID", L("IDS_V1")}, {"SubmoduleIdentNumber", L("0x00000000")}});
  x.Empty("IOData", {{"IOPS_Length", L("1")}, {"IOCS_Length", L("1")}});
  x.Open("ModuleInfo");
  x.Empty("Name", {{"TextId", L("IDT_NAME_VS1")}});
  x.Empty("InfoText", {{"TextId", L("IDT_INFO_VS1")}});
  x.Close();
  x.Close();
  x.Close();
  x.Open("SystemDefinedSubmoduleList");
  x.Open("InterfaceSubmoduleItem", {{"ID", L("IDS_I")},
                                    {"SubmoduleIdentNumber", L("0x00000001")},
                                    {"SubslotNumber", L("32768")},
                                    {"TextId", L("IDT_NAME_IS")},
                                    {"SupportedRT_Classes", L("RT_CLASS_1")},
                                    {"SupportedProtocols", L("SNMP;LLDP")},
                                    {"SupportedMibs", L("MIB2")}});
  x.Open("ApplicationRelations");
  x.Empty("TimingProperties", {{"SendClock", L("32")}, {"ReductionRatio", L("1 2 4 8 16 32 64 128 256 512")}});
  x.Close();
  x.Close();
  for (const auto& [id, ident, slot, text] :
       {std::tuple{"IDS_P1", "0x00000002", "32769", "IDT_NAME_PS1"}, std::tuple{"IDS_P2", "0x00000002", "32770", "IDT_NAME_PS2"}})
    x.Empty("PortSubmoduleItem", {{"ID", L(id)},
                                  {"SubmoduleIdentNumber", L(ident)},
                                  {"SubslotNumber", L(slot)},
                                  {"TextId", L(text)},
                                  {"MaxPortRxDelay", L("350")},
                                  {"MaxPortTxDelay", L("160")}});
  x.Close();
  x.Comment(QStringLiteral(" This element tells the engineering tool that the DAP supports fieldbus integration (slot "
                           "clusters). "));
  x.Comment(QStringLiteral(" FieldbusIntegrationSlots MaxSupported=\"127\" Range=\"100..9999\"/"));
  x.Close();
  x.Close();
}

void Module_List(TLines& x, const TGSDML_Parameters& p) {
  x.Open("ModuleList");
  x.Comment(QStringLiteral(" The \"normal\" module carrying the FAP. "));
  x.Open("ModuleItem", {{"ID", L("IDM_1")}, {"ModuleIdentNumber", L("0x00000001")}});
  x.Open("ModuleInfo");
  x.Empty("Name", {{"TextId", L("IDT_NAME_M1")}});
  x.Empty("InfoText", {{"TextId", L("IDT_INFO_M1")}});
  x.Empty("OrderNumber", {{"Value", L("12345-0040-M")}});
  x.Close();
  x.Open("VirtualSubmoduleList");
  x.Open("VirtualSubmoduleItem", {{"ID", L("IDM_1")}, {"SubmoduleIdentNumber", L("0x00000001")}});
  x.Open("IOData", {{"IOPS_Length", L("1")}, {"IOCS_Length", L("1")}});
  // Input and Output each hold their data item on one line.
  const auto data_item = [](int32_t length, const char* text) {
    return QStringLiteral("<DataItem") +
           TLines::Attribute_Text({{"DataType", L("OctetString")}, {"Length", IntToStr(length)}, {"TextId", L(text)}}) +
           QStringLiteral("/>");
  };
  x.Add(QStringLiteral("<Input>") + data_item(p.Input_Length, "IDT_Input_1") + QStringLiteral("</Input>"));
  x.Add(QStringLiteral("<Output>") + data_item(p.Output_Length, "IDT_Output_1") + QStringLiteral("</Output>"));
  x.Close();
  x.Open("RecordDataList");
  x.Open("ParameterRecordDataItem", {{"Index", L("128")}, {"Length", L("2")}});
  x.Empty("Name", {{"TextId", L("IDT_NAME_M1_IDT_REF_channel")}});
  x.Empty("Const", {{"ByteOffset", L("0")}, {"Data", L("0x00,0x00")}});
  x.Empty("Ref", {{"TextId", L("IDT_REF_reaction_to_cpu_stop")},
                  {"Visible", L("true")},
                  {"DataType", L("BitArea")},
                  {"ByteOffset", L("0")},
                  {"BitOffset", L("0")},
                  {"BitLength", L("2")},
                  {"DefaultValue", L("2")},
                  {"AllowedValues", L("0..2")},
                  {"ValueItemTarget", L("IDV_reaction_to_cpu_stop")},
                  {"ID", L("IDT_REF_reaction_to_cpu_stop")}});
  x.Open("MenuList");
  x.Open("MenuItem", {{"ID", L("IDT_NAME_M1_IDT_REF_channel")}});
  x.Empty("Name", {{"TextId", L("IDT_NAME_M1_IDT_REF_channel")}});
  x.Empty("MenuRef", {{"MenuTarget", L("IDT_NAME_M1_Base_Parameters")}});
  x.Close();
  x.Open("MenuItem", {{"ID", L("IDT_NAME_M1_Base_Parameters")}});
  x.Empty("Name", {{"TextId", L("IDT_NAME_M1_Base_Parameters")}});
  x.Empty("ParameterRef", {{"ParameterTarget", L("IDT_REF_reaction_to_cpu_stop")}});
  x.Close();
  x.Close();
  x.Close();
  x.Close();
  x.Open("ModuleInfo");
  x.Empty("Name", {{"TextId", L("IDT_NAME_M1")}});
  x.Empty("InfoText", {{"TextId", L("IDT_INFO_M1")}});
  x.Close();
  x.Close();
  x.Close();
  x.Close();
  x.Close();
}

void Value_And_Category_Lists(TLines& x) {
  x.Open("ValueList");
  x.Open("ValueItem", {{"ID", L("IDV_reaction_to_cpu_stop")}});
  x.Open("Assignments");
  for (const auto& [text, content] : {std::pair{"IDT_ASSIGN_do_set_substitude_values", "0"},
                                      std::pair{"IDT_ASSIGN_do_values_will_hold", "1"},
                                      std::pair{"IDT_ASSIGN_do_continue_counting", "2"}})
    x.Empty("Assign", {{"TextId", L(text)}, {"Content", L(content)}});
  x.Close();
  x.Close();
  x.Close();
  x.Open("CategoryList");
  for (const auto& [id, text, info] : {std::tuple{"IDC_DI", "IDT_CATEGORY_DI", "IDT_INFO_DI"},
                                       std::tuple{"IDC_DO", "IDT_CATEGORY_DO", "IDT_INFO_DO"}}) {
    x.Open("CategoryItem", {{"ID", L(id)}, {"TextId", L(text)}});
    x.Empty("InfoText", {{"TextId", L(info)}});
    x.Close();
  }
  x.Close();
}

// The external texts; the last three carry their Value first.
struct TExternalText {
  const char* TextId;
  const char* Value;
};
constexpr TExternalText kTexts[] = {
    {"IDT_INFO_Device", "Zerfal Gateways"},
    {"IDT_NAME_DAP1", "EthercatDevice"},
    {"IDT_INFO_DAP1", "Profinet Ethercat Adapter"},
    {"IDT_SUBSLOT_1", "Subslot 1"},
    {"IDT_SUBSLOT_Interface", "Interface"},
    {"IDT_SUBSLOT_Port1", "Port 1"},
    {"IDT_SUBSLOT_Port2", "Port 2"},
    {"IDT_RECORD_NAME_Head", "Parameters of head module"},
    {"IDT_REF_Power", "Percent power"},
    {"IDT_NAME_VS1", "Submodule V1"},
    {"IDT_INFO_VS1", "Description of submodule V1"},
    {"IDT_NAME_IS", "I"},
    {"IDT_NAME_PS1", "P1"},
    {"IDT_NAME_PS2", "P2"},
    {"IDT_NAME_M1", "Module"},
    {"IDT_INFO_M1", "device Ethercat"},
    {"IDT_NAME_FAP", "FAP for Ethercat"},
    {"IDT_INFO_FAP", "Description of FAP for Ethercat"},
    {"IDT_RECORD_NAME_SlotCluster", "Parameters of the FAP"},
    {"IDT_REF_SlotClusterBegin", "Beginning of slot cluster"},
    {"IDT_NAME_M_PB1", "Ethercat Device "},
    {"IDT_INFO_M_PB1", "Description of Ethercat"},
    {"IDT_NAME_S_PB1", "Module of a Ethercat"},
    {"IDT_INFO_S_PB1", "Description of module of a Ethercat"},
    {"IDT_PB_Input", "Digital input EthercatCLIENT"},
    {"IDT_PB_InputBit0", "Digital input bit Ethercat"},
    {"IDT_NAME_S1", "Submodule 1"},
    {"IDT_INFO_S1", "Description of submodule 1"},
    {"IDT_Input_1", "Input byte"},
    {"IDT_Output_1", "Output word"},
    {"IDT_CATEGORY_DI", "Digital Input"},
    {"IDT_INFO_DI", "Description of digital input"},
    {"IDT_CATEGORY_DO", "Digital output"},
    {"IDT_INFO_DO", "Description of digital output"},
    {"IDT_NAME_M1_IDT_REF_channel", "Canale x"},
    {"IDT_REF_reaction_to_cpu_stop", "Reaction to CPU STOP"},
    {"IDT_NAME_M1_Base_Parameters", "Base Parameters"},
    {"IDT_ASSIGN_do_set_substitude_values", "Output substitute value"},
    {"IDT_ASSIGN_do_values_will_hold", "Keep last value"},
    {"IDT_ASSIGN_do_continue_counting", "Continue operation"},
};
constexpr int kValue_First = int(std::size(kTexts)) - 3;

void External_Texts(TLines& x) {
  x.Open("ExternalTextList");
  x.Open("PrimaryLanguage");
  for (int i = 0; i < int(std::size(kTexts)); ++i) {
    const TExternalText& t = kTexts[i];
    if (i < kValue_First)
      x.Empty("Text", {{"TextId", L(t.TextId)}, {"Value", L(t.Value)}});
    else
      x.Empty("Text", {{"Value", L(t.Value)}, {"TextId", L(t.TextId)}});
  }
  x.Close();
  x.Close();
}

}  // namespace

TGSDML_Parameters Load_GSDML_Parameters(const QString& path) {
  // 1.
  TGSDML_Parameters p;
  p.Station_Name.clear();
  // 2. and 3.
  if (FileExists(path)) {
    try {
      TXMLDocument doc;
      const TXMLNode root = Load_Editor_Document(doc, path);
      if (root) {
        p.Input_Length = StrToIntDef(Field_Text(root, QStringLiteral("PROFINET_NB_OUT"), QString()), kGSDML_Default_Length);
        p.Output_Length = StrToIntDef(Field_Text(root, QStringLiteral("PROFINET_NB_IN"), QString()), kGSDML_Default_Length);
        p.Station_Name = Field_Text(root, QStringLiteral("PROFINET_NAME_STA"), QString());
      }
    } catch (const Exception&) {
      p = TGSDML_Parameters();
    }
  }
  // 4.
  if (Trim(p.Station_Name).isEmpty()) p.Station_Name = QStringLiteral("SERIAL");
  return p;
}

QString GSDML_Second_Fixed_Part(const QDate& date) {
  return u'-' + date.toString(QStringLiteral("yyyyMMdd")) + QStringLiteral(".xml");
}

bool GSDML_User_Part_Allowed(const QString& user) {
  return !user.contains(u'/') && !user.contains(u'\\') && !user.contains(QStringLiteral(".."));
}

QString Compose_GSDML_File_Name(const QString& user, const QString& secondFixedPart) {
  const QString first = QString::fromUtf16(kGSDML_First_Fixed_Part);
  if (Trim(user).isEmpty()) return first + secondFixedPart;
  if (user.startsWith(u'_')) return first + user + secondFixedPart;
  return first + u'_' + user + secondFixedPart;
}

QString GSDML_Escape(const QString& text) {
  QString out;
  for (const QChar c : text) {
    switch (c.unicode()) {
      case u'&': out += QStringLiteral("&amp;"); break;
      case u'<': out += QStringLiteral("&lt;"); break;
      case u'>': out += QStringLiteral("&gt;"); break;
      case u'"': out += QStringLiteral("&quot;"); break;
      case u'\'': out += QStringLiteral("&apos;"); break;
      case u'\t': out += QStringLiteral("&#9;"); break;
      case u'\n': out += QStringLiteral("&#10;"); break;
      case u'\r': out += QStringLiteral("&#13;"); break;
      default:
        if (c.unicode() >= 0x20 && c.unicode() != 0xFFFE && c.unicode() != 0xFFFF) out += c;
    }
  }
  return out;
}

QStringList GSDML_Lines(const TGSDML_Parameters& parameters) {
  const QString station = GSDML_Escape(parameters.Station_Name);
  TLines x;
  x.Add(QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>"));
  x.Comment(QStringLiteral(" A fieldbus integration example. "));
  x.Open("ISO15745Profile",
         {{"xmlns", L(kNamespace)},
          {"xmlns:xsi", L("http://www.w3.org/2001/XMLSchema-instance")},
          {"xsi:schemaLocation", L(kNamespace) + QStringLiteral(" ..\\xsd\\GSDML-DeviceProfile-v2.31.xsd")}});
  Profile_Header(x);
  x.Open("ProfileBody");
  x.Open("DeviceIdentity", {{"VendorID", L(kGSDML_Vendor_ID)}, {"DeviceID", L(kGSDML_Device_ID)}});
  x.Empty("InfoText", {{"TextId", L("IDT_INFO_Device")}});
  x.Empty("VendorName", {{"Value", L("Zerfal")}});
  x.Close();
  x.Open("DeviceFunction");
  x.Empty("Family", {{"MainFamily", L("Gateway")}, {"ProductFamily", L("KV82K23")}});
  x.Close();
  x.Open("ApplicationProcess");
  Device_Access_Point(x, station);
  Module_List(x, parameters);
  Value_And_Category_Lists(x);
  External_Texts(x);
  x.Close();
  x.Close();
  x.Close();
  return x.Lines;
}

void Write_GSDML_File(const QString& path) {
  const QStringList lines = GSDML_Lines(Load_GSDML_Parameters(File_ParGen));
  const QByteArray text = (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8();
  WriteFileWhole(path, QByteArray("\xEF\xBB\xBF") + text);
}
