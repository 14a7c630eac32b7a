// The parameter block (bank1.bin) built from ParGen.xml.
#include "gateway/bank1_parameter_block.h"
#include "platform/rtl/exceptions.h"
#include "tests/gateway/bank1_test_project.h"

#include <gtest/gtest.h>

namespace {

// ParGen.xml as the communication-parameter form writes it.
QString Full_ParGen(const QString& dns, const QString& gateway) {
  return QStringLiteral(
             "<Eth_Conn_Device_Name>gw-line4</Eth_Conn_Device_Name>"
             "<Eth_Conn_DHCP_Cable>1</Eth_Conn_DHCP_Cable><Eth_Conn_DHCP_WiFi>0</Eth_Conn_DHCP_WiFi>"
             "<Eth_Conn_Enable_DNS>%1</Eth_Conn_Enable_DNS>"
             "<Eth_Conn_Primary_DNS1>1</Eth_Conn_Primary_DNS1><Eth_Conn_Primary_DNS2>2</Eth_Conn_Primary_DNS2>"
             "<Eth_Conn_Primary_DNS3>3</Eth_Conn_Primary_DNS3><Eth_Conn_Primary_DNS4>4</Eth_Conn_Primary_DNS4>"
             "<Eth_Conn_Secondary_DNS1>5</Eth_Conn_Secondary_DNS1><Eth_Conn_Secondary_DNS2>6</Eth_Conn_Secondary_DNS2>"
             "<Eth_Conn_Secondary_DNS3>7</Eth_Conn_Secondary_DNS3><Eth_Conn_Secondary_DNS4>8</Eth_Conn_Secondary_DNS4>"
             "<EtherCAT_Slave_Revision_Number>258</EtherCAT_Slave_Revision_Number>"
             "<EtherCAT_Slave_Name>Press7</EtherCAT_Slave_Name>"
             "<EtherCAT_Slave_Node_Address>5</EtherCAT_Slave_Node_Address>"
             "<EtherCAT_Slave_Clear_Data>1</EtherCAT_Slave_Clear_Data>"
             "<Modbus_TCP_Master_IP1>10</Modbus_TCP_Master_IP1><Modbus_TCP_Master_IP2>1</Modbus_TCP_Master_IP2>"
             "<Modbus_TCP_Master_IP3>2</Modbus_TCP_Master_IP3><Modbus_TCP_Master_IP4>3</Modbus_TCP_Master_IP4>"
             "<Modbus_TCP_Master_SM1>255</Modbus_TCP_Master_SM1><Modbus_TCP_Master_SM2>255</Modbus_TCP_Master_SM2>"
             "<Modbus_TCP_Master_SM3>0</Modbus_TCP_Master_SM3><Modbus_TCP_Master_SM4>0</Modbus_TCP_Master_SM4>"
             "<Modbus_TCP_Master_GAT1>10</Modbus_TCP_Master_GAT1><Modbus_TCP_Master_GAT2>1</Modbus_TCP_Master_GAT2>"
             "<Modbus_TCP_Master_GAT3>2</Modbus_TCP_Master_GAT3><Modbus_TCP_Master_GAT4>254</Modbus_TCP_Master_GAT4>"
             "<Modbus_TCP_Master_EN_GAT>%2</Modbus_TCP_Master_EN_GAT>"
             "<Modbus_TCP_Master_TimeOut>2500</Modbus_TCP_Master_TimeOut>"
             "<Modbus_TCP_Master_Cyclic>50</Modbus_TCP_Master_Cyclic>")
      .arg(dns, gateway);
}

uint32_t Sum_Of_Bytes(const QByteArray& b, int count) {
  uint32_t s = 0;
  for (int i = 0; i < count; ++i) s += static_cast<uint8_t>(b[i]);
  return s;
}

}  // namespace

TEST(Bank1, WithoutParGenOnlyResetDefaultsAndTheTwoAddresses) {
  TTest_Project p;
  const QByteArray b = p.Build().Bank1;
  ASSERT_EQ(b.size(), 2048);
  EXPECT_EQ(Image_Hex(b, 0x000, 16), "90 d0 03 00 90 d0 03 00 00 00 00 00 80 25 00 00");
  EXPECT_EQ(Image_U32(b, 0x020), 0u);  // time-out and cyclic stay 0 without the file
  EXPECT_EQ(Image_U32(b, 0x024), 0u);
  EXPECT_EQ(Image_Hex(b, 0x028, 12), "c0 a8 02 cd ff ff ff 00 ff ff ff ff");
  EXPECT_EQ(Image_Hex(b, 0x034, 6), "10 27 11 27 11 27");
  EXPECT_EQ(Image_U32(b, 0x0C4), 0x80000u);
  EXPECT_EQ(Image_Hex(b, 0x1B4, 8), "08 08 08 08 08 08 08 08");
  EXPECT_EQ(Image_U32(b, 0x6F0), 0x88000u);
  EXPECT_EQ(b.mid(0x66C, 8), QByteArray(8, '\0'));  // no version text without the file
  EXPECT_EQ(Image_U32(b, 0x7FC), 3602u);
  // Everything else is zero.
  QByteArray rest = b;
  for (int off : {0x000, 0x004, 0x00C, 0x028, 0x02C, 0x030, 0x034, 0x038, 0x0C4, 0x1B4, 0x1B8, 0x6F0, 0x7FC})
    rest.replace(off, 4, QByteArray(4, '\0'));
  EXPECT_EQ(rest, QByteArray(2048, '\0'));
}

TEST(Bank1, FullParGenFillsEveryField) {
  TTest_Project p;
  p.ParGen(Full_ParGen("1", "1"));
  const QByteArray b = p.Build().Bank1;
  EXPECT_EQ(Image_U32(b, 0x020), 2500u);
  EXPECT_EQ(Image_U32(b, 0x024), 50u);
  EXPECT_EQ(Image_Hex(b, 0x028, 12), "0a 01 02 03 ff ff 00 00 0a 01 02 fe");
  EXPECT_EQ(b.mid(0x050, 16), QByteArray("Press7").leftJustified(16, '\0'));
  EXPECT_EQ(Image_U16(b, 0x4E8), 1u);  // DHCP on the cable only
  EXPECT_EQ(b.mid(0x514, 32), QByteArray("gw-line4").leftJustified(32, '\0'));
  EXPECT_EQ(Image_Hex(b, 0x53C, 4), "05 06 07 08");
  EXPECT_EQ(Image_Hex(b, 0x58C, 4), "01 02 03 04");
  EXPECT_EQ(b.mid(0x66C, 8), QByteArray("1.001\0\0\0", 8));
  EXPECT_EQ(Image_U32(b, 0x7FC), Sum_Of_Bytes(b, 0x7FC));
}

TEST(Bank1, ExistingFileWithoutElementsUsesTheReaderDefaults) {
  TTest_Project p;
  p.ParGen("");
  const QByteArray b = p.Build().Bank1;
  EXPECT_EQ(Image_U32(b, 0x020), 1000u);
  EXPECT_EQ(Image_U32(b, 0x024), 100u);
  EXPECT_EQ(Image_Hex(b, 0x028, 12), "c0 a8 00 05 ff ff ff 00 ff ff ff ff");
  EXPECT_EQ(b.mid(0x050, 16), QByteArray("devicename1").leftJustified(16, '\0'));
  EXPECT_EQ(b.mid(0x514, 32), QByteArray(32, '\0'));
  EXPECT_EQ(b.mid(0x66C, 8), QByteArray("1.001\0\0\0", 8));
  // Texts that are no numbers take the same defaults as missing elements.
  p.ParGen("<Modbus_TCP_Master_TimeOut>abc</Modbus_TCP_Master_TimeOut><Modbus_TCP_Master_IP4></Modbus_TCP_Master_IP4>");
  const QByteArray c = p.Build().Bank1;
  EXPECT_EQ(Image_U32(c, 0x020), 1000u);
  EXPECT_EQ(Image_U8(c, 0x02B), 5u);
}

TEST(Bank1, DnsAndGatewaySwitches) {
  struct Case {
    const char* dns;
    const char* gateway;
    const char* primary;
    const char* secondary;
    const char* gatewayBytes;
  };
  const Case cases[] = {
      {"1", "1", "01 02 03 04", "05 06 07 08", "0a 01 02 fe"},
      {"0", "0", "00 00 00 00", "00 00 00 00", "ff ff ff ff"},
      {"true", "Y", "00 00 00 00", "00 00 00 00", "ff ff ff ff"},  // only exactly "1" switches on
      {" 1", "1 ", "00 00 00 00", "00 00 00 00", "ff ff ff ff"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.dns) + "/" + c.gateway);
    TTest_Project p;
    p.ParGen(Full_ParGen(c.dns, c.gateway));
    const QByteArray b = p.Build().Bank1;
    EXPECT_EQ(Image_Hex(b, 0x58C, 4), c.primary);
    EXPECT_EQ(Image_Hex(b, 0x53C, 4), c.secondary);
    EXPECT_EQ(Image_Hex(b, 0x030, 4), c.gatewayBytes);
  }
  // DNS on without the server elements: 8.8.8.8 and 8.8.4.4.
  TTest_Project p;
  p.ParGen("<Eth_Conn_Enable_DNS>1</Eth_Conn_Enable_DNS><Eth_Conn_DHCP_WiFi>1</Eth_Conn_DHCP_WiFi>");
  const QByteArray b = p.Build().Bank1;
  EXPECT_EQ(Image_Hex(b, 0x58C, 4), "08 08 08 08");
  EXPECT_EQ(Image_Hex(b, 0x53C, 4), "08 08 04 04");
  EXPECT_EQ(Image_U16(b, 0x4E8), 2u);
}

TEST(Bank1, TextsAreCutAt15And31CharactersAndKeepTheLowByte) {
  TTest_Project p;
  p.ParGen(QStringLiteral("<EtherCAT_Slave_Name>ABCDEFGHIJKLMNOPQRST</EtherCAT_Slave_Name>"
                          "<Eth_Conn_Device_Name>%1</Eth_Conn_Device_Name>")
               .arg(QString(40, u'x')));
  QByteArray b = p.Build().Bank1;
  EXPECT_EQ(b.mid(0x050, 16), QByteArray("ABCDEFGHIJKLMNO\0", 16));
  EXPECT_EQ(b.mid(0x514, 32), QByteArray(31, 'x') + QByteArray(1, '\0'));
  EXPECT_EQ(Image_U8(b, 0x534), 0u);  // nothing past the field

  p.ParGen(QStringLiteral("<EtherCAT_Slave_Name>\u0141\u00e9</EtherCAT_Slave_Name>"));  // U+0141, U+00E9
  b = p.Build().Bank1;
  EXPECT_EQ(Image_Hex(b, 0x050, 3), "41 e9 00");
}

TEST(Bank1, ParseEepromConfig) {
  struct Case {
    const char* text;
    const char* bytes;  // the 14 header bytes after parsing into a zeroed header
  };
  const Case cases[] = {
      {"800F00CC8813ff00000000800000", "80 0f 00 cc 88 13 ff 00 00 00 00 80 00 00"},
      {"", "00 00 00 00 00 00 00 00 00 00 00 00 00 00"},
      {"ABC", "ab 0c 00 00 00 00 00 00 00 00 00 00 00 00"},  // a single last digit is a byte
      {"zz11G1ff", "11 ff 00 00 00 00 00 00 00 00 00 00 00 00"},  // no hex: skipped, index kept
      // More than 14 bytes: the rest is ignored and nothing is written past the field.
      {"0102030405060708090A0B0C0D0E0F101112", "01 02 03 04 05 06 07 08 09 0a 0b 0c 0d 0e"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    TEtherCAT_Slave_Header h;
    h.Node_Address = 0x1234;
    Parse_EEPROM_Config(QString::fromLatin1(c.text), h);
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(h.Eeprom.data()), 14).toHex(' '), c.bytes);
    EXPECT_EQ(h.Node_Address, 0x1234);
  }
}

TEST(Bank1, RevisionAndNodeAddressConversions) {
  struct Case {
    const char* text;
    uint32_t revision;
  };
  const Case cases[] = {
      {"0", 0}, {"255", 255}, {"4294967295", 0xFFFFFFFFu}, {"$FFFFFFFF", 0xFFFFFFFFu},
      {"-1", 0xFFFFFFFFu}, {"4294967296", 0}, {"abc", 0}, {"", 0},
  };
  for (const Case& c : cases) EXPECT_EQ(Revision_Number_From_Text(QString::fromLatin1(c.text), 0), c.revision) << c.text;
  EXPECT_EQ(Node_Address_From_Text(QStringLiteral("65537"), 1), 1);  // low 16 bits
  EXPECT_EQ(Node_Address_From_Text(QStringLiteral("x"), 1), 1);       // "x" alone is no number
  EXPECT_EQ(Node_Address_From_Text(QStringLiteral("258"), 1), 258);
}

TEST(Bank1, ChecksumIsTheSumOfTheFirst2044BytesAndFollowsEveryChange) {
  TTest_Project p;
  p.ParGen(Full_ParGen("1", "1"));
  const QByteArray a = p.Build().Bank1;
  p.ParGen(Full_ParGen("1", "1").replace("<Modbus_TCP_Master_Cyclic>50", "<Modbus_TCP_Master_Cyclic>51"));
  const QByteArray b = p.Build().Bank1;
  EXPECT_EQ(Image_U32(a, 0x7FC), Sum_Of_Bytes(a, 0x7FC));
  EXPECT_EQ(Image_U32(b, 0x7FC), Image_U32(a, 0x7FC) + 1);

  TParameter_Block block;
  Parameter_Block_Defaults(block);
  block.Bytes.fill(0xFF);
  QByteArray out("xy");
  EXPECT_EQ(Serialize_Parameter_Block(block, 2, out), 2050);
  EXPECT_EQ(Image_U32(out, 2 + 0x7FC), 2044u * 255u);
  EXPECT_EQ(out.left(2), "xy");
}

TEST(Bank1, MalformedParGenIsAClearError) {
  TTest_Project p;
  p.Write("ParGen.xml", "<Par_Gen><Eth_Conn_Device_Name>x</Par_Gen>");
  try {
    p.Build();
    FAIL() << "no error";
  } catch (const Exception& e) {
    EXPECT_TRUE(e.Message.contains("ParGen.xml")) << e.Message.toStdString();
  }
}
