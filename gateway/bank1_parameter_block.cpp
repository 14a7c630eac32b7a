#include "gateway/bank1_parameter_block.h"

#include "app/state/comon.h"
#include "gateway/bank1_image_bytes.h"
#include "gateway/bank1_project_file.h"
#include "platform/rtl/numbers.h"

#include <QByteArray>
#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace {

// Numbers and addresses the reset puts into the block.
struct TNumber_Default {
  int Offset;
  int Width;
  uint32_t Value;
};
constexpr TNumber_Default kNumber_Defaults[] = {
    {0x000, 4, 250000}, {0x004, 4, 250000}, {0x008, 4, 0},     {0x00C, 4, 9600},
    {0x034, 2, 10000},  {0x036, 2, 10001},  {0x038, 2, 10001},
};

struct TAddress_Default {
  int Offset;
  uint8_t Parts[4];
};
constexpr TAddress_Default kAddress_Defaults[] = {
    {bank1::kModbus_IP, {192, 168, 2, 205}},
    {bank1::kSubnet_Mask, {255, 255, 255, 0}},
    {bank1::kGateway, {255, 255, 255, 255}},
};

constexpr int kFixed_Eights = 0x1B4;  // 8 bytes of value 8

// Element texts of ParGen.xml: a missing element reads as "" and so takes the default.
QString Element_Text(const TXMLNode& root, const char16_t* name) {
  return root.ChildByName(QString::fromUtf16(name)).Text();
}

int32_t Element_Number(const TXMLNode& root, const char16_t* name, int32_t def) {
  return StrToIntDef(Element_Text(root, name), def);
}

bool Element_Is_On(const TXMLNode& root, const char16_t* name) { return Element_Text(root, name) == u"1"; }

// Four elements name1..name4 into an address field, each with its default.
void Read_Address(const TXMLNode& root, const QString& prefix, const int32_t defaults[4], TParameter_Block& block,
                  int offset) {
  uint8_t parts[4];
  for (int i = 0; i < 4; ++i) {
    const QString name = prefix + QString::number(i + 1);
    parts[i] = static_cast<uint8_t>(StrToIntDef(root.ChildByName(name).Text(), defaults[i]));
  }
  block.Put_Address(offset, parts[0], parts[1], parts[2], parts[3]);
}

}  // namespace

uint8_t* TParameter_Block::Field(int offset, int width) {
  if (offset < 0 || width < 0 || offset + width > kParameter_Block_Size)
    throw std::out_of_range("parameter block field outside the block");
  return Bytes.data() + offset;
}

void TParameter_Block::Put_U16(int offset, uint32_t value) { Put_LE(Field(offset, 2), value, 2); }

void TParameter_Block::Put_U32(int offset, uint32_t value) { Put_LE(Field(offset, 4), value, 4); }

void TParameter_Block::Put_Address(int offset, uint8_t a, uint8_t b, uint8_t c, uint8_t d) {
  uint8_t* p = Field(offset, 4);
  p[0] = a;
  p[1] = b;
  p[2] = c;
  p[3] = d;
}

void TParameter_Block::Put_Text(int offset, int width, const QString& text, int maxChars) {
  uint8_t* p = Field(offset, width);
  std::memset(p, 0, width);
  const int count = std::min<int>({static_cast<int>(text.size()), maxChars, width});
  for (int i = 0; i < count; ++i) p[i] = static_cast<uint8_t>(text[i].unicode());
}

void Parameter_Block_Defaults(TParameter_Block& block) {
  block.Bytes.fill(0);
  for (const TNumber_Default& d : kNumber_Defaults) {
    if (d.Width == 2) block.Put_U16(d.Offset, d.Value);
    else block.Put_U32(d.Offset, d.Value);
  }
  for (const TAddress_Default& d : kAddress_Defaults)
    block.Put_Address(d.Offset, d.Parts[0], d.Parts[1], d.Parts[2], d.Parts[3]);
  for (int i = 0; i < 8; ++i) block.Bytes[kFixed_Eights + i] = 8;
}

void Set_SW_Version_Text(TParameter_Block& block) {
  block.Put_Text(bank1::kSW_Version, 8, QString::fromUtf16(kSW_Version), 8);
}

void Parse_EEPROM_Config(const QString& text, TEtherCAT_Slave_Header& header) {
  // Chunks are taken by position, not cut off the text, so a long hand-edited text
  // of chunks that are no byte is read in one pass.
  int index = 0;
  for (qsizetype at = 0; at < text.size() && index < kEEPROM_Config_Size; at += 2) {
    const QString chunk = text.mid(at, 2);
    int32_t value = -1;
    if (!TryStrToInt(u'$' + chunk, value) || value < 0 || value > 255) continue;
    header.Eeprom[index++] = static_cast<uint8_t>(value);
  }
}

uint32_t Revision_Number_From_Text(const QString& text, uint32_t def) {
  int64_t value = 0;
  if (!TryStrToInt64(text, value) || value < INT32_MIN || value > UINT32_MAX) return def;
  return static_cast<uint32_t>(value);
}

uint16_t Node_Address_From_Text(const QString& text, uint16_t def) {
  int32_t value = 0;
  if (!TryStrToInt(text, value)) return def;
  return static_cast<uint16_t>(value);
}

void Read_ParGen_Parameters(const QString& parGenPath, TParameter_Block& block, TEtherCAT_Slave_Header& header) {
  // 1-2. No file: the block keeps its defaults.
  TXMLDocument doc;
  const TXMLNode root = Load_Project_File(doc, parGenPath);
  if (root.IsNull()) return;
  Set_SW_Version_Text(block);

  // 3.1 Device name, at most 31 characters.
  block.Put_Text(bank1::kDevice_Name, 32, Element_Text(root, u"Eth_Conn_Device_Name"), 31);
  // 3.2 DHCP flags.
  uint16_t dhcp = 0;
  if (Element_Is_On(root, u"Eth_Conn_DHCP_Cable")) dhcp |= 0x01;
  if (Element_Is_On(root, u"Eth_Conn_DHCP_WiFi")) dhcp |= 0x02;
  block.Put_U16(bank1::kDHCP_Flags, dhcp);
  // 3.3 DNS servers only when DNS is on.
  if (Element_Is_On(root, u"Eth_Conn_Enable_DNS")) {
    static constexpr int32_t kPrimary[4] = {8, 8, 8, 8};
    static constexpr int32_t kSecondary[4] = {8, 8, 4, 4};
    Read_Address(root, QStringLiteral("Eth_Conn_Primary_DNS"), kPrimary, block, bank1::kPrimary_DNS);
    Read_Address(root, QStringLiteral("Eth_Conn_Secondary_DNS"), kSecondary, block, bank1::kSecondary_DNS);
  }
  // 3.4 EEPROM configuration.
  const TXMLNode eeprom = root.ChildByName(QStringLiteral("EtherCAT_Slave_Eeprom_Config"));
  Parse_EEPROM_Config(eeprom.IsNull() ? QString::fromUtf16(kDefault_EEPROM_Config) : eeprom.Text(), header);
  // 3.5 Revision number.
  header.Revision = Revision_Number_From_Text(Element_Text(root, u"EtherCAT_Slave_Revision_Number"), 0);
  // 3.6 Slave name, at most 15 characters.
  const TXMLNode slaveName = root.ChildByName(QStringLiteral("EtherCAT_Slave_Name"));
  block.Put_Text(bank1::kSlave_Name, 16, slaveName.IsNull() ? QStringLiteral("devicename1") : slaveName.Text(), 15);
  // 3.7 Node address, 3.8 clear-data flag.
  header.Node_Address = Node_Address_From_Text(Element_Text(root, u"EtherCAT_Slave_Node_Address"), 1);
  header.Clear_Data = Element_Is_On(root, u"EtherCAT_Slave_Clear_Data") ? 1 : 0;
  // 3.9-3.11 Modbus TCP side addresses.
  static constexpr int32_t kIP[4] = {192, 168, 0, 5};
  static constexpr int32_t kMask[4] = {255, 255, 255, 0};
  static constexpr int32_t kGate[4] = {192, 168, 0, 1};
  Read_Address(root, QStringLiteral("Modbus_TCP_Master_IP"), kIP, block, bank1::kModbus_IP);
  Read_Address(root, QStringLiteral("Modbus_TCP_Master_SM"), kMask, block, bank1::kSubnet_Mask);
  Read_Address(root, QStringLiteral("Modbus_TCP_Master_GAT"), kGate, block, bank1::kGateway);
  // 3.12 Gateway off unless enabled.
  if (!Element_Is_On(root, u"Modbus_TCP_Master_EN_GAT")) block.Put_Address(bank1::kGateway, 255, 255, 255, 255);
  // 3.13 Time-out and cyclic delay.
  block.Put_U32(bank1::kTimeOut, static_cast<uint32_t>(Element_Number(root, u"Modbus_TCP_Master_TimeOut", 1000)));
  block.Put_U32(bank1::kCyclic, static_cast<uint32_t>(Element_Number(root, u"Modbus_TCP_Master_Cyclic", 100)));
}

uint32_t Parameter_Block_Checksum(const TParameter_Block& block) {
  uint32_t sum = 0;
  for (int i = 0; i < bank1::kChecksum; ++i) sum += block.Bytes[i];
  return sum;
}

qsizetype Serialize_Parameter_Block(TParameter_Block& block, qsizetype position, QByteArray& buffer) {
  block.Put_U32(bank1::kChecksum, Parameter_Block_Checksum(block));
  const qsizetype end = position + kParameter_Block_Size;
  if (buffer.size() < end) buffer.append(end - buffer.size(), '\0');
  std::memcpy(buffer.data() + position, block.Bytes.data(), kParameter_Block_Size);
  return end;
}
