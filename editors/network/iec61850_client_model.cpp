#include "editors/network/iec61850_client_model.h"

#include "app/editor_file/editor_file.h"
#include "app/routines/decimal_numbers.h"
#include "app/routines/ip_address.h"
#include "app/state/comon.h"
#include "app/table_editor/table_editor_spec.h"
#include "platform/os/files.h"
#include "platform/rtl/exceptions.h"
#include "platform/rtl/numbers.h"
#include "platform/rtl/strings.h"
#include "platform/xml/xml_document.h"

const QStringList kDA_Item_Attributes = {"Index",    "bType",    "fc",         "Reference", "StartByte", "NumByte",
                                         "IPAddress", "Port",    "OnChange",   "OnCMD",     "OnTimer",   "Time",
                                         "Position", "StartBit", "ReadWrite", "Convertion", "MoltFact",  "Mnemonic"};
const QStringList kDataSet_Item_Attributes = {"Index",     "Reference", "GooseName", "EnGoose",
                                              "IPAddress", "Port",      "Time",      "Mnemonic"};

namespace {

const QString kRoot = QStringLiteral("IEC_68850_Client");

// A bare attribute: a missing one stops the reading with the conversion error.
QString Bare(const TXMLNode& e, const QString& name) {
  if (!e.HasAttribute(name))
    throw EMissingAttribute(QStringLiteral("\"%1\" has no attribute \"%2\".").arg(e.NodeName(), name));
  return e.Attribute(name);
}

QString Guarded(const TXMLNode& e, const char* name) { return e.AttributeDef(QString::fromLatin1(name), QString()); }

void Read_Lists(const TXMLNode& root, TIEC_Client_File& file) {
  // 1. The catalog files.
  for (const TXMLNode& icd : root.ChildByName(QStringLiteral("List_ICD_Files")).ChildElements())
    file.ICD_Files << Bare(icd, QStringLiteral("FileName"));
  // 2. The Variables rows.
  for (const TXMLNode& item : root.ChildByName(QStringLiteral("List_DA_Selected")).ChildElements()) {
    file.DA_Items.append(QStringList());
    QStringList& cells = file.DA_Items.last();
    for (const QString& name : kDA_Item_Attributes) {
      const bool guarded = name == u"StartByte" || name == u"NumByte";
      cells << (guarded ? item.AttributeDef(name, QString()) : Bare(item, name));
    }
  }
  // 4. The data sets with their members.
  for (const TXMLNode& item : root.ChildByName(QStringLiteral("List_DataSet_Selected")).ChildElements()) {
    file.DataSets.append(TDataSet_Item());
    TDataSet_Item& ds = file.DataSets.last();
    for (const QString& name : kDataSet_Item_Attributes) ds.Cells << Bare(item, name);
    StrToInt(ds.Cells[kDS_Index - 1]);  // raises for an Index that is no integer
    for (const TXMLNode& m : item.ChildByName(QStringLiteral("DataSet_List_DAs")).ChildElements())
      ds.Members.append({Guarded(m, "bType"), Guarded(m, "Reference"), Guarded(m, "Position"), Guarded(m, "StartBit"),
                         Guarded(m, "Convertion"), Guarded(m, "MoltFact"), Guarded(m, "Mnemonic")});
  }
}

void Add_Attributes(TXMLNode element, const QStringList& names, const QStringList& cells) {
  for (qsizetype i = 0; i < names.size(); ++i) element.SetAttribute(names[i], i < cells.size() ? cells[i] : QString());
}

}  // namespace

QString ICD_Catalog_Folder() { return PathJoin(Project_Folder, QStringLiteral("ICD_Catalog")); }

std::unique_ptr<TDataSet> New_DataSet(TIEC_DataSet* dataSet) {
  auto chosen = std::make_unique<TDataSet>();
  chosen->Select_DataSet = dataSet;
  if (!dataSet) return chosen;
  for (TIEC_DA* member : dataSet->List_DA) {
    chosen->List_DAs.push_back(std::make_unique<TDataSet_DA>());
    chosen->List_DAs.back()->Select_DA = member;
  }
  return chosen;
}

TIEC_Client_Load Read_IEC_Client_File(const QString& path, TIEC_Client_File& file) {
  TIEC_Client_Load load;
  file = TIEC_Client_File();
  if (path.isEmpty() || !FileExists(path)) return load;
  load.Found = true;
  try {
    TXMLDocument doc;
    doc.LoadFromFile(path);
    const TXMLNode root = doc.DocumentElement();
    if (root.IsNull() || root.NodeName() != kRoot)
      throw EFileError(QStringLiteral("%1 has no element \"%2\".").arg(path, kRoot));
    Read_Lists(root, file);
  } catch (const EMissingAttribute& e) {
    load.Failure = e.Message;
    load.Box = QString::fromUtf16(kConversion_Error_Text);
  } catch (const Exception& e) {
    load.Failure = e.Message;
    load.Box = e.Message;
  }
  return load;
}

void Write_IEC_Client_File(const QString& path, const TIEC_Client_File& file, const QStringList& deviceNames) {
  TXMLDocument doc;
  TXMLNode root = Begin_Editor_Document(doc, TEditorFileLayout{kRoot, QStringLiteral("1.000"), {}, false});
  // 1.
  TXMLNode icds = root.AddChild(QStringLiteral("List_ICD_Files"));
  for (qsizetype i = 0; i < file.ICD_Files.size(); ++i) {
    TXMLNode icd = icds.AddChild(QStringLiteral("ICD_File"));
    icd.SetAttribute(QStringLiteral("Name"), i < deviceNames.size() ? deviceNames[i] : QString());
    icd.SetAttribute(QStringLiteral("FileName"), file.ICD_Files[i]);
  }
  // 2.
  TXMLNode das = root.AddChild(QStringLiteral("List_DA_Selected"));
  for (const QStringList& cells : file.DA_Items) Add_Attributes(das.AddChild(QStringLiteral("DA_Item")), kDA_Item_Attributes, cells);
  // 3.
  TXMLNode sets = root.AddChild(QStringLiteral("List_DataSet_Selected"));
  for (const TDataSet_Item& ds : file.DataSets) {
    TXMLNode item = sets.AddChild(QStringLiteral("DataSet_Item"));
    Add_Attributes(item, kDataSet_Item_Attributes, ds.Cells);
    TXMLNode members = item.AddChild(QStringLiteral("DataSet_List_DAs"));
    for (const TDataSet_DA_Item& m : ds.Members)
      Add_Attributes(members.AddChild(QStringLiteral("DataSet_DA_Item")),
                     {"bType", "Reference", "Position", "StartBit", "Convertion", "MoltFact", "Mnemonic"},
                     {m.bType, m.Reference, m.Position, m.StartBit, m.Convertion, m.MoltFact, m.Mnemonic});
  }
  doc.SaveToFile(path);
}

QStringList Match_DataSet_Members(TIEC_DataSet* dataSet, const QList<TDataSet_DA_Item>& items, TDataSet& chosen) {
  QStringList dropped;
  chosen.Select_DataSet = dataSet;
  for (qsizetype i = 0; i < items.size(); ++i) {
    const TDataSet_DA_Item& item = items[i];
    TIEC_DA* member = dataSet && size_t(i) < dataSet->List_DA.size() ? dataSet->List_DA[size_t(i)] : nullptr;
    if (!member || member->fbType != item.bType || member->fReference != item.Reference) {
      dropped << (item.Reference.isEmpty() ? QStringLiteral("member %1").arg(i + 1) : item.Reference);
      continue;
    }
    auto da = std::make_unique<TDataSet_DA>();
    da->Select_DA = member;
    da->Position = item.Position;
    da->bitAddress = item.StartBit;
    da->conversion = item.Convertion;
    da->multFactor = item.MoltFact;
    da->Mnemonic = item.Mnemonic;
    chosen.List_DAs.push_back(std::move(da));
  }
  return dropped;
}

TIEC_DataSet* Find_DataSet(TIEC_Device* device, const QString& reference) {
  if (!device) return nullptr;
  for (const auto& ld : device->List_LDevice)
    for (const auto& ln : ld->List_LN)
      for (const auto& ds : ln->List_DataSet)
        if (ds->fReference == reference) return ds.get();
  return nullptr;
}

bool Fixed_Byte_Size(const QString& bType, QString& startByte, QString& numByte) {
  struct TSize {
    const char* Types[5];
    const char* Num;
  };
  static const TSize kSizes[] = {
      {{"FLOAT32", "INT32U", "INT32", "QUALITY", nullptr}, "4"},
      {{"FLOAT64", "INT64", nullptr}, "8"},
      {{"INT8U", "INT8", "BOOLEAN", "TIMESTAMP", "ENUM"}, "1"},
      {{"INT16U", "INT16", nullptr}, "2"},
  };
  const QString upper = UpperCase(bType);
  for (const TSize& size : kSizes)
    for (const char* type : size.Types) {
      if (!type || upper != QLatin1String(type)) continue;
      startByte = QStringLiteral("0");
      numByte = QString::fromLatin1(size.Num);
      return true;
    }
  return false;
}

namespace {

// The byte range of a string type: Start Byte, Num Byte and their sum.
std::optional<TRowCheckFailure> Check_Range(const TEditorTable& t, int row, int size, int firstText) {
  const int32_t start = Cell_Number(t.Cell(kDA_StartByte, row));
  const int32_t num = Cell_Number(t.Cell(kDA_NumByte, row));
  if (start < 0 || start > size - 1) return Row_Fault(firstText);
  if (num < 1 || num > size) return Row_Fault(firstText + 1);
  if (start + num > size) return Row_Fault(firstText + 2);
  return std::nullopt;
}

std::optional<TRowCheckFailure> Check_Row(const TEditorTable& t, int row, QChar separator) {
  // 1. to 3.
  const QString type = UpperCase(t.Cell(kDA_bType, row));
  if (type == u"VISSTRING255")
    if (auto fault = Check_Range(t, row, 255, 3262)) return fault;
  if (type == u"OCTET64")
    if (auto fault = Check_Range(t, row, 64, 3265)) return fault;
  // 4.
  QString p1, p2, p3, p4;
  if (!Split_IP_Address(t.Cell(kDA_IPAddress, row), p1, p2, p3, p4)) return Row_Fault(3253);
  // 5.
  if (!In_Range(t.Cell(kDA_Port, row), 0, 65535)) return Row_Fault(3254);
  // 6.
  if (Trim(t.Cell(kDA_OnTimer, row)) == u"Y" && !In_Range(t.Cell(kDA_Time, row), 1, 100000000))
    return Row_Fault(3255);
  // 7.
  if (!In_Range(t.Cell(kDA_Position, row), 0, kIEC_Client_Max_Position))
    return Row_Fault(3256, IntToStr(kIEC_Client_Max_Position));
  // 8.
  const QString factor = t.Cell(kDA_MoltFact, row);
  float value = 0;
  if (UpperCase(Trim(factor)) != u"NONE" && !Text_To_Float(factor, separator, value)) return Row_Fault(3257);
  return std::nullopt;
}

}  // namespace

std::optional<TRowCheckFailure> Check_IEC_Client_Variables(const TEditorTable& cells, QChar separator) {
  for (int row = 1; row < cells.RowCount(); ++row) {
    if (cells.Cell(kDA_bType, row).isEmpty()) continue;
    if (std::optional<TRowCheckFailure> fault = Check_Row(cells, row, separator)) {
      fault->Row = row;
      return fault;
    }
  }
  return std::nullopt;
}

bool Index_In_Use(const TEditorTable& cells, int indexCol, int index) {
  for (int row = 1; row < cells.RowCount(); ++row)
    if (StrToIntDef(cells.Cell(indexCol, row), -1) == index) return true;
  return false;
}

void Shift_Indexes_Down(TEditorTable& cells, int indexCol, int index) {
  for (int row = 1; row < cells.RowCount(); ++row) {
    const int32_t value = StrToIntDef(cells.Cell(indexCol, row), -1);
    if (value > index) cells.SetCell(indexCol, row, IntToStr(value - 1));
  }
}
