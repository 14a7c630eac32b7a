#include "gateway/esi_writer.h"

#include "app/state/comon.h"
#include "gateway/bank1_parameter_block.h"
#include "gateway/bank1_project_file.h"
#include "gateway/esi_identity.h"
#include "gateway/ethercat_slave_variables.h"
#include "platform/os/files.h"
#include "platform/rtl/exceptions.h"
#include "platform/rtl/numbers.h"
#include "platform/rtl/strings.h"
#include "platform/xml/xml_document.h"

#include <tuple>

namespace {

struct TESI_Type {
  const char16_t* Table_Type;  // upper case
  const char16_t* DataType;
  int32_t Bits;
};
constexpr TESI_Type kESI_Types[] = {
    {u"BOOL", u"BIT", 1},      {u"INT8", u"SINT", 8},     {u"INT16", u"INT", 16},
    {u"INT32", u"DINT", 32},   {u"UINT8", u"USINT", 8},   {u"UINT16", u"UINT", 16},
    {u"UINT32", u"UDINT", 32}, {u"FLOAT32", u"REAL", 32},
};

const QString kBIT = QStringLiteral("BIT");

QString Escaped(const QString& text) {
  QString s = text;
  s.replace(u'&', QStringLiteral("&amp;"));
  s.replace(u'<', QStringLiteral("&lt;"));
  s.replace(u'>', QStringLiteral("&gt;"));
  return s;
}

QString Hex(uint32_t value, int digits) { return IntToHex(value, digits); }

// Input bytes: a non-BIT entry ends any Bool run and adds the bytes it takes (its
// bit length / 8: a fixed type its own size whatever its Length attribute, an
// Array its Length, a String its Length + 1); every started group of 8 Bools adds
// one byte. The readers cap the rows and the Lengths, so the count stays small.
class TInput_Byte_Counter {
public:
  void Add(const QString& dataType, int32_t bits) {
    if (dataType != kBIT) {
      run_ = false;
      counter_ = 0;
      bytes_ += bits / 8;
      return;
    }
    if (!run_) {
      run_ = true;
      counter_ = 1;
      bytes_ += 1;
      return;
    }
    if (++counter_ > 8) {
      counter_ = 1;
      bytes_ += 1;
    }
  }
  int64_t Bytes() const { return bytes_; }

private:
  bool run_ = false;
  int counter_ = 0;
  int64_t bytes_ = 0;
};

class TLine_List {
public:
  void Add(int indent, const QString& line) { lines_.append(QString(indent, u' ') + line); }
  void Tabs(int tabs, const QString& line) { lines_.append(QString(tabs, u'\t') + line); }
  void Empty() { lines_.append(QString()); }
  QStringList Lines() const { return lines_; }

private:
  QStringList lines_;
};

struct TPDO_Kind {
  const char* Start_Tag;
  const char* End_Tag;
  uint32_t PDO_Index;
  const char* Name;
  uint32_t Entry_Index;
};
constexpr TPDO_Kind kOutputs_PDO = {"<RxPdo Mandatory=\"true\" Fixed=\"true\" Sm=\"2\">", "</RxPdo>", 0x1600, "Outputs_",
                                    0x7000};
constexpr TPDO_Kind kInputs_PDO = {"<TxPdo Mandatory=\"true\" Fixed=\"true\" Sm=\"3\">", "</TxPdo>", 0x1A00, "Inputs_",
                                   0x6000};

void Write_PDOs(TLine_List& out, const QList<TEtherCAT_Rule>& entries, const TPDO_Kind& kind) {
  int pdo = 0;
  int freeBits = 8;
  const qsizetype count = entries.size();
  for (qsizetype i = 0; i < count; ++i) {
    const TEtherCAT_Rule& e = entries[i];
    // 1. Every 16 entries a PDO opens.
    if (i % 16 == 0) {
      out.Add(8, QString::fromLatin1(kind.Start_Tag));
      out.Add(10, QStringLiteral("<Index>#x%1</Index>").arg(Hex(kind.PDO_Index + pdo, 4)));
      out.Add(10, QStringLiteral("<Name>%1%2</Name>").arg(QLatin1String(kind.Name), Format_PDO_Number(pdo)));
      out.Empty();
      ++pdo;
    }
    // 2. The entry.
    out.Add(10, QStringLiteral("<Entry>"));
    out.Add(12, QStringLiteral("<Index>#x%1</Index>").arg(Hex(kind.Entry_Index + static_cast<uint32_t>(i), 4)));
    out.Add(12, QStringLiteral("<SubIndex>0</SubIndex>"));
    out.Add(12, QStringLiteral("<BitLen>%1</BitLen>").arg(e.Length));
    out.Add(12, QStringLiteral("<Name>%1</Name>").arg(Escaped(e.Name)));
    out.Add(12, QStringLiteral("<DataType>%1</DataType>").arg(e.DataType));
    out.Add(10, QStringLiteral("</Entry>"));
    out.Empty();
    // 3. Padding to the end of a byte after a run of Bools.
    if (e.DataType != kBIT) {
      freeBits = 8;
    } else if (--freeBits == 0) {
      freeBits = 8;
    } else if (i == count - 1 || entries[i + 1].DataType != kBIT) {
      out.Tabs(5, QStringLiteral("<Entry>"));
      out.Tabs(6, QStringLiteral("<Index>#x0</Index>"));
      out.Tabs(6, QStringLiteral("<SubIndex>0</SubIndex>"));
      out.Tabs(6, QStringLiteral("<BitLen>%1</BitLen>").arg(freeBits));
      out.Tabs(5, QStringLiteral("</Entry>"));
      out.Empty();
      freeBits = 8;
    }
    // 4. A full PDO closes.
    if (i % 16 == 15) out.Add(8, QString::fromLatin1(kind.End_Tag));
  }
  if (count % 16 != 0) out.Add(8, QString::fromLatin1(kind.End_Tag));
}

}  // namespace

void Map_ESI_Data_Type(const QString& type, int32_t& length, QString& dataType) {
  const QString upper = UpperCase(Trim(type));
  for (const TESI_Type& t : kESI_Types) {
    if (upper != QString::fromUtf16(t.Table_Type)) continue;
    dataType = QString::fromUtf16(t.DataType);
    length = t.Bits;
    return;
  }
  const int64_t l = length;
  if (upper == u"ARRAY") {
    dataType = QStringLiteral("ARRAY [0..%1] OF BYTE").arg(l - 1);
    length = static_cast<int32_t>(8 * l);
    return;
  }
  if (upper == u"STRING") {
    dataType = QStringLiteral("STRING(%1)").arg(l);
    length = static_cast<int32_t>(8 * l + 8);
    return;
  }
  dataType = kBIT;
  length = 1;
}

QString Format_PDO_Number(int n) { return QString::number(n).rightJustified(3, u'0'); }

QString Node_Address_Text(uint16_t node) { return Hex(node & 0xFF, 2) + Hex(node >> 8, 2); }

TESI_Sources Load_ESI_Sources(const QString& parGenPath, const QString& etherCatPath) {
  // 1. Defaults.
  TESI_Sources s;
  TXMLDocument doc;
  // 2. Name, revision and node address; a missing element keeps its default.
  const TXMLNode parGen = Load_Project_File(doc, parGenPath);
  if (!parGen.IsNull()) {
    const TXMLNode revision = parGen.ChildByName(QStringLiteral("EtherCAT_Slave_Revision_Number"));
    if (!revision.IsNull()) s.Revision = Revision_Number_From_Text(revision.Text(), 0);
    const TXMLNode name = parGen.ChildByName(QStringLiteral("EtherCAT_Slave_Name"));
    if (!name.IsNull()) s.Device_Name = name.Text();
    if (!IsXmlText(s.Device_Name))
      throw EFileError(QStringLiteral("The file \"%1\": the element \"EtherCAT_Slave_Name\" holds a character "
                                      "that an XML file cannot hold.")
                           .arg(parGenPath));
    const TXMLNode node = parGen.ChildByName(QStringLiteral("EtherCAT_Slave_Node_Address"));
    if (!node.IsNull()) s.Node_Address = Node_Address_From_Text(node.Text(), 1);
  }
  // 4. The enabled variables of both tables.
  const TXMLNode root = Load_Project_File(doc, etherCatPath);
  if (root.IsNull()) return s;
  const TXMLNode variables = Required_Group(root, QStringLiteral("EtherCAT_Slave_Variables"), etherCatPath);
  const TXMLNode inputs = Required_Group(variables, QStringLiteral("EtherCAT_Slave_To_Master"), etherCatPath);
  const TXMLNode outputs = Required_Group(variables, QStringLiteral("EtherCAT_Master_To_Slave"), etherCatPath);
  TInput_Byte_Counter bytes;
  for (const auto& [table, list, isInput] : {std::tuple{inputs, &s.Inputs, true}, std::tuple{outputs, &s.Outputs, false}}) {
    // No more rows than the editor shows; each refusal names the row as the editor numbers it.
    int number = 0;
    for (const TXMLNode& row : Table_Rows(table, kEC_Max_Variables, etherCatPath)) {
      ++number;
      if (row.Attribute(QStringLiteral("Enable")) != u"Y") continue;
      const QString lengthText = row.Attribute(QStringLiteral("Length"));
      const QString type = row.Attribute(QStringLiteral("Type"));
      const QString mapped = UpperCase(Trim(type));
      if ((mapped == u"ARRAY" || mapped == u"STRING") && !Var_Length_Allowed(lengthText))
        Refuse_Table_Row(etherCatPath, table, number, Var_Length_Refusal(lengthText));
      TEtherCAT_Rule rule;
      rule.Name = row.Attribute(QStringLiteral("Name"));
      if (!IsXmlText(rule.Name))
        Refuse_Table_Row(etherCatPath, table, number,
                         QStringLiteral("has a Name holding a character that an XML file cannot hold"));
      rule.Length = StrToIntDef(lengthText, 0);
      Map_ESI_Data_Type(type, rule.Length, rule.DataType);
      list->append(rule);
      // 5. Input byte count.
      if (isInput) bytes.Add(rule.DataType, rule.Length);
    }
  }
  s.Input_Bytes = static_cast<int32_t>(bytes.Bytes());
  return s;
}

QStringList ESI_Lines(const TESI_Sources& s) {
  const QString image = ESI_Image_Data16x14();
  const QString name = Escaped(s.Device_Name);
  const QString outputStart = Hex(4096 + 4 * ((3 * static_cast<uint32_t>(s.Input_Bytes) + 3) / 4), 4);
  TLine_List out;
  out.Add(0, QStringLiteral("<?xml version=\"1.0\"?>"));
  out.Add(0, QStringLiteral("<EtherCATInfo xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
                            "xsi:noNamespaceSchemaLocation=\"EtherCATInfo.xsd\" Version=\"1.6\">"));
  out.Add(2, QStringLiteral("<Vendor>"));
  out.Add(4, QStringLiteral("<Id>#x%1</Id>").arg(Hex(kESI_Vendor_Id, 8)));
  out.Add(4, QStringLiteral("<Name>Zerfal</Name>"));
  out.Add(4, QStringLiteral("<ImageData16x14>%1</ImageData16x14>").arg(image));
  out.Add(2, QStringLiteral("</Vendor>"));
  out.Add(2, QStringLiteral("<Descriptions>"));
  out.Add(4, QStringLiteral("<Groups>"));
  out.Add(6, QStringLiteral("<Group SortOrder=\"0\">"));
  out.Add(8, QStringLiteral("<Type>Zerfal Slaves</Type>"));
  out.Add(8, QStringLiteral("<Name LcId=\"1031\">Zerfal Slaves</Name>"));
  out.Add(8, QStringLiteral("<Name LcId=\"1033\">Zerfal Slaves</Name>"));
  out.Add(8, QStringLiteral("<ImageData16x14>%1</ImageData16x14>").arg(image));
  out.Add(6, QStringLiteral("</Group>"));
  out.Add(4, QStringLiteral("</Groups>"));
  out.Add(4, QStringLiteral("<Devices>"));
  out.Add(6, QStringLiteral("<Device Physics=\"YY\">"));
  out.Add(8, QStringLiteral("<Type ProductCode=\"#x%1\" RevisionNo=\"#x%2\">%3</Type>")
                 .arg(Hex(kESI_Product_Code, 8), Hex(s.Revision, 2), name));
  out.Add(8, QStringLiteral("<Name LcId=\"1033\">%1</Name>").arg(name));
  out.Add(8, QStringLiteral("<Name LcId=\"1031\">%1</Name>").arg(name));
  out.Add(8, QStringLiteral("<Info>"));
  out.Add(10, QStringLiteral("<StateMachine>"));
  out.Add(12, QStringLiteral("<Timeout>"));
  out.Add(14, QStringLiteral("<PreopTimeout>2000</PreopTimeout>"));
  out.Add(14, QStringLiteral("<SafeopOpTimeout>9000</SafeopOpTimeout>"));
  out.Add(14, QStringLiteral("<BackToInitTimeout>5000</BackToInitTimeout>"));
  out.Add(14, QStringLiteral("<BackToSafeopTimeout>200</BackToSafeopTimeout>"));
  out.Add(12, QStringLiteral("</Timeout>"));
  out.Add(10, QStringLiteral("</StateMachine>"));
  out.Add(10, QStringLiteral("<Mailbox>"));
  out.Add(12, QStringLiteral("<Timeout>"));
  out.Add(14, QStringLiteral("<RequestTimeout>100</RequestTimeout>"));
  out.Add(14, QStringLiteral("<ResponseTimeout>2000</ResponseTimeout>"));
  out.Add(12, QStringLiteral("</Timeout>"));
  out.Add(10, QStringLiteral("</Mailbox>"));
  out.Add(10, QStringLiteral("<IdentificationReg134>true</IdentificationReg134>"));
  out.Add(8, QStringLiteral("</Info>"));
  out.Add(8, QStringLiteral("<GroupType>Zerfal Slaves</GroupType>"));
  out.Add(8, QStringLiteral("<Fmmu>Outputs</Fmmu>"));
  out.Add(8, QStringLiteral("<Fmmu>Inputs</Fmmu>"));
  out.Add(8, QStringLiteral("<Sm MinSize=\"0\" MaxSize=\"0\" DefaultSize=\"0\" StartAddress=\"#x1FFF\" "
                            "ControlByte=\"#x26\" Enable=\"0\">MBoxOut</Sm>"));
  out.Add(8, QStringLiteral("<Sm MinSize=\"0\" MaxSize=\"0\" DefaultSize=\"0\" StartAddress=\"#x1FFF\" "
                            "ControlByte=\"#x22\" Enable=\"0\">MBoxIn</Sm>"));
  out.Add(8, QStringLiteral("<Sm StartAddress=\"#x%1\" ControlByte=\"#x64\" DefaultSize=\"1\" Enable=\"1\">Outputs</Sm>")
                 .arg(outputStart));
  out.Add(8, QStringLiteral("<Sm StartAddress=\"#x1000\" ControlByte=\"#x20\" DefaultSize=\"1\" Enable=\"1\">Inputs</Sm>"));
  Write_PDOs(out, s.Outputs, kOutputs_PDO);
  Write_PDOs(out, s.Inputs, kInputs_PDO);
  out.Add(8, QStringLiteral("<Mailbox DataLinkLayer=\"true\">"));
  out.Add(10, QStringLiteral("<EoE />"));
  out.Add(10, QStringLiteral("<CoE SdoInfo=\"true\" SegmentedSdo=\"true\" CompleteAccess=\"true\" />"));
  out.Add(10, QStringLiteral("<FoE />"));
  out.Add(8, QStringLiteral("</Mailbox>"));
  out.Add(8, QStringLiteral("<Dc>"));
  struct TOp_Mode {
    const char* Name;
    const char* Desc;
    const char* Assign;
  };
  constexpr TOp_Mode kOp_Modes[] = {{"Synchron", "SM-Synchron", "#x0"}, {"DC", "DC-Synchron", "#x300"}};
  for (const TOp_Mode& m : kOp_Modes) {
    out.Add(10, QStringLiteral("<OpMode>"));
    out.Add(12, QStringLiteral("<Name>%1</Name>").arg(QLatin1String(m.Name)));
    out.Add(12, QStringLiteral("<Desc>%1</Desc>").arg(QLatin1String(m.Desc)));
    out.Add(12, QStringLiteral("<AssignActivate>%1</AssignActivate>").arg(QLatin1String(m.Assign)));
    out.Add(12, QStringLiteral("<CycleTimeSync0 Factor=\"1\">0</CycleTimeSync0>"));
    out.Add(12, QStringLiteral("<ShiftTimeSync0>0</ShiftTimeSync0>"));
    out.Add(12, QStringLiteral("<CycleTimeSync1 Factor=\"1\">0</CycleTimeSync1>"));
    out.Add(10, QStringLiteral("</OpMode>"));
  }
  out.Add(8, QStringLiteral("</Dc>"));
  out.Add(8, QStringLiteral("<Eeprom>"));
  out.Add(10, QStringLiteral("<ByteSize>2048</ByteSize>"));
  out.Add(10, QStringLiteral("<ConfigData>800F00CC8813ff00") + Node_Address_Text(s.Node_Address) +
                     QStringLiteral("00800000</ConfigData>"));
  out.Add(8, QStringLiteral("</Eeprom>"));
  out.Add(8, QStringLiteral("<ImageData16x14>%1</ImageData16x14>").arg(image));
  out.Add(6, QStringLiteral("</Device>"));
  out.Add(4, QStringLiteral("</Devices>"));
  out.Add(2, QStringLiteral("</Descriptions>"));
  out.Add(0, QStringLiteral("</EtherCATInfo>"));
  return out.Lines();
}

QByteArray ESI_File_Text(const TESI_Sources& sources) {
  QByteArray text;
  for (const QString& line : ESI_Lines(sources)) {
    text += line.toUtf8();
    text += "\r\n";
  }
  return text;
}

void Write_ESI_File(const QString& fileName, const TESI_Sources& sources) {
  WriteFileWhole(fileName, ESI_File_Text(sources));
}

void Build_ESI_File(const QString& fileName) {
  Write_ESI_File(fileName, Load_ESI_Sources(File_ParGen, File_EtherCAT_Slave));
}
