#include "gateway/par_gen_file.h"

#include "app/editor_file/editor_file.h"
#include "platform/rtl/exceptions.h"
#include "platform/xml/xml_document.h"

const std::array<TParGenFieldDef, kParGenFieldCount> ParGen_Fields = {{
    {u"Eth_Conn_Device_Name", false, u"", true},
    {u"Eth_Conn_DHCP_Cable", true, u"0", true},
    {u"Eth_Conn_DHCP_WiFi", true, u"0", false},
    {u"Eth_Conn_Enable_DNS", true, u"0", true},
    {u"Eth_Conn_Primary_DNS1", false, u"8", true},
    {u"Eth_Conn_Primary_DNS2", false, u"8", true},
    {u"Eth_Conn_Primary_DNS3", false, u"8", true},
    {u"Eth_Conn_Primary_DNS4", false, u"8", true},
    {u"Eth_Conn_Secondary_DNS1", false, u"8", true},
    {u"Eth_Conn_Secondary_DNS2", false, u"8", true},
    {u"Eth_Conn_Secondary_DNS3", false, u"4", true},
    {u"Eth_Conn_Secondary_DNS4", false, u"4", true},
    {u"EtherCAT_Slave_Revision_Number", false, u"0", true},
    {u"EtherCAT_Slave_Name", false, u"devicename1", true},
    {u"EtherCAT_Slave_Node_Address", false, u"1", true},
    {u"EtherCAT_Slave_Clear_Data", true, u"0", true},
    {u"Modbus_TCP_Master_IP1", false, u"192", true},
    {u"Modbus_TCP_Master_IP2", false, u"168", true},
    {u"Modbus_TCP_Master_IP3", false, u"0", true},
    {u"Modbus_TCP_Master_IP4", false, u"5", true},
    {u"Modbus_TCP_Master_SM1", false, u"255", true},
    {u"Modbus_TCP_Master_SM2", false, u"255", true},
    {u"Modbus_TCP_Master_SM3", false, u"255", true},
    {u"Modbus_TCP_Master_SM4", false, u"0", true},
    {u"Modbus_TCP_Master_GAT1", false, u"192", true},
    {u"Modbus_TCP_Master_GAT2", false, u"168", true},
    {u"Modbus_TCP_Master_GAT3", false, u"0", true},
    {u"Modbus_TCP_Master_GAT4", false, u"1", true},
    {u"Modbus_TCP_Master_EN_GAT", true, u"0", true},
    {u"Modbus_TCP_Master_TimeOut", false, u"1000", true},
    {u"Modbus_TCP_Master_Cyclic", false, u"100", true},
}};

TParGenModel::TParGenModel() { Set_Defaults(); }

void TParGenModel::Set_Defaults() {
  for (int f = 0; f < kParGenFieldCount; ++f) values_[f] = QString::fromUtf16(ParGen_Fields[f].Default);
}

QString TParGenModel::Load(const QString& path) {
  Set_Defaults();
  TXMLDocument doc;
  TXMLNode root;
  try {
    root = Load_Editor_Document(doc, path);
  } catch (const EFileError& e) {
    return e.Message;
  }
  // No file, or a document without a root: every field keeps its default.
  if (root.IsNull()) return {};
  for (int f = 0; f < kParGenFieldCount; ++f) {
    const TParGenFieldDef& def = ParGen_Fields[f];
    if (!def.Loaded) continue;
    const QString element = QString::fromUtf16(def.Element);
    values_[f] = def.CheckBox ? Flag_Text(Field_Flag(root, element)) : Field_Text(root, element, values_[f]);
  }
  return {};
}

void TParGenModel::Save(const QString& path) const {
  QList<TFieldText> fields;
  for (int f = 0; f < kParGenFieldCount; ++f) fields.append({QString::fromUtf16(ParGen_Fields[f].Element), values_[f]});
  TXMLDocument doc;
  Write_Field_File(doc, path, QString::fromUtf16(kParGen_Root), QString::fromUtf16(kParGen_Version), fields);
}
