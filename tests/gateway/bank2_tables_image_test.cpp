// The tables image (bank2.bin): Modbus TCP rules and the EtherCAT part.
#include "gateway/bank2_tables_image.h"
#include "platform/rtl/exceptions.h"
#include "tests/gateway/bank1_test_project.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

constexpr int kHeader = 0x8000;   // file offset of the EtherCAT header
constexpr int kEntries = 0x8028;  // file offset of the first entry
constexpr int kNames = 0xC029;    // file offset of the first name

int Entry(int i) { return kEntries + 32 * i; }
uint32_t File_Offset(uint32_t deviceAddress) { return deviceAddress - 0x80000; }

QString Read_Row(const QString& attrs) {
  return QStringLiteral("<row Enable=\"Y\" IP_Address=\"192.168.0.10\" Port=\"502\" Slave_ID=\"1\" "
                        "Type=\"Holding Register\" Address=\"0\" NPoint=\"10\" PollTime=\"100\" MaxError=\"0\" "
                        "Position=\"0\" Bit=\"\" Swap=\"N\" SwapWord=\"N\" Index_Topic=\"-1\" Mnemonic=\"\" %1/>")
      .arg(attrs);
}
QString Write_Row(const QString& attrs) {
  return QStringLiteral("<row Enable=\"Y\" IP_Address=\"192.168.0.10\" Port=\"502\" Slave_ID=\"1\" "
                        "Type=\"Holding Register\" Address=\"0\" NPoint=\"10\" PollTime=\"0\" OnChange=\"N\" "
                        "OnCMD=\"N\" MaxError=\"0\" Position=\"0\" Bit=\"\" Swap=\"N\" SwapWord=\"N\" "
                        "Mnemonic=\"\" %1/>")
      .arg(attrs);
}
// A row with one attribute replaced (or added): the template's own is dropped first.
QString With(QString row, const QString& name, const QString& value) {
  const QRegularExpression re(QStringLiteral(" %1=\"[^\"]*\"").arg(name));
  row.remove(re);
  return row.replace(QStringLiteral("/>"), QStringLiteral(" %1=\"%2\"/>").arg(name, value));
}
QString Without(QString row, const QString& name) {
  return row.remove(QRegularExpression(QStringLiteral(" %1=\"[^\"]*\"").arg(name)));
}

QString Var(const char* type, const char* length, const char* name, const char* init = "", const char* enable = "Y") {
  return QStringLiteral("<row Enable=\"%1\" Type=\"%2\" Length=\"%3\" Name=\"%4\" InitValue=\"%5\" Position=\"0\" "
                        "BitStart=\"0\" Mnemonic=\"\"/>")
      .arg(QString::fromUtf8(enable), QString::fromUtf8(type), QString::fromUtf8(length), QString::fromUtf8(name),
           QString::fromUtf8(init));
}

QString Error_Of(const TTest_Project& p) {
  try {
    p.Build();
  } catch (const Exception& e) {
    return e.Message;
  }
  return {};
}

}  // namespace

TEST(Bank2, WithoutTableFilesOnlyTheFixedPart) {
  TTest_Project p;
  p.ParGen("<EtherCAT_Slave_Revision_Number>4294967295</EtherCAT_Slave_Revision_Number>"
           "<EtherCAT_Slave_Node_Address>258</EtherCAT_Slave_Node_Address>"
           "<EtherCAT_Slave_Clear_Data>1</EtherCAT_Slave_Clear_Data>");
  const TDevice_Images images = p.Build();
  const QByteArray& b = images.Bank2;
  ASSERT_EQ(b.size(), 49193);
  EXPECT_EQ(b.left(0x8000), QByteArray(0x8000, '\0'));
  EXPECT_EQ(Image_Hex(b, kHeader, 14), "80 0f 00 cc 88 13 ff 00 00 00 00 80 00 00");
  EXPECT_EQ(Image_U16(b, kHeader + 14), 258u);
  EXPECT_EQ(Image_U8(b, kHeader + 16), 1u);
  EXPECT_EQ(b.mid(kHeader + 17, 7), QByteArray(7, '\0'));
  EXPECT_EQ(Image_U32(b, kHeader + 24), 0xFFFFFFFFu);  // the full unsigned revision range
  EXPECT_EQ(Image_U32(b, kHeader + 32), 0u);
  EXPECT_EQ(Image_U32(b, kHeader + 36), 0x88028u);
  EXPECT_EQ(b.mid(kEntries), QByteArray(16385, '\0'));
  EXPECT_EQ(Image_U32(images.Bank1, 0x048), 0u);

  // Without ParGen.xml the header's EEPROM bytes, node, flag and revision stay zero.
  TTest_Project bare;
  const QByteArray c = bare.Build().Bank2;
  EXPECT_EQ(c.mid(kHeader, 32), QByteArray(32, '\0'));
  EXPECT_EQ(Image_U32(c, kHeader + 36), 0x88028u);
}

TEST(Bank2, FunctionCodesAndByteCounts) {
  struct Case {
    bool write;
    const char* type;
    const char* npoint;
    unsigned code;
    unsigned bytes;
  };
  const Case cases[] = {
      {false, "Holding Register", "10", 3, 20}, {false, "Coil Status", "2000", 1, 250},
      {false, "input status", "9", 2, 2},       {false, "Input Register", "125", 4, 250},
      {false, "Nonsense", "3", 0, 6},           {true, "Coil Status", "1", 5, 1},
      {true, "Coil Status", "20", 15, 3},       {true, "Holding Register", "1", 6, 2},
      {true, "HOLDING REGISTER", "123", 16, 246}, {true, "Input Register", "2", 0, 4},
      {false, "Holding Register", "200", 3, 144},  // (2 x 200) mod 256
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.type) + " " + c.npoint);
    TTest_Project p;
    const QString row = With(With(c.write ? Write_Row("") : Read_Row(""), "Type", c.type), "NPoint", c.npoint);
    p.Modbus(c.write ? QString() : row, c.write ? row : QString());
    const QByteArray b = p.Build().Bank2;
    EXPECT_EQ(Image_U8(b, 9), c.code);
    EXPECT_EQ(Image_U8(b, 30), c.bytes);
    EXPECT_EQ(Image_U16(b, 12), QString::fromLatin1(c.npoint).toUInt());
  }
}

TEST(Bank2, RuleFieldsIpOrderAndTopic) {
  TTest_Project p;
  p.Modbus(Read_Row("").replace("Slave_ID=\"1\"", "Slave_ID=\"17\"")
               .replace("Address=\"0\"", "Address=\"40001\"")
               .replace("PollTime=\"100\"", "PollTime=\"100000000\"")
               .replace("MaxError=\"0\"", "MaxError=\"7\"")
               .replace("Position=\"0\"", "Position=\"1490\"")
               .replace("Bit=\"\"", "Bit=\"3\"")
               .replace("Port=\"502\"", "Port=\"1502\""),
           Write_Row("").replace("192.168.0.10", " 10 . 0.0. 1 "));
  const TDevice_Images images = p.Build();
  const QByteArray& b = images.Bank2;
  EXPECT_EQ(Image_U16(b, 0), 1490u);
  EXPECT_EQ(Image_U16(b, 2), 3u);
  EXPECT_EQ(Image_U32(b, 4), 100000000u);
  EXPECT_EQ(Image_U8(b, 8), 17u);
  EXPECT_EQ(Image_U16(b, 10), 40001u);
  EXPECT_EQ(Image_U16(b, 14), 1502u);
  EXPECT_EQ(Image_Hex(b, 16, 4), "0a 00 a8 c0");  // 192.168.0.10 as d c b a
  EXPECT_EQ(Image_Hex(b, 20, 4), "ff ff 00 00");  // Index_Topic -1, then reserved
  EXPECT_EQ(Image_U32(b, 24), 7u);
  EXPECT_EQ(Image_Hex(b, 28, 2), "00 00");
  // The write rule follows at once, with topic 0 and its parts trimmed.
  EXPECT_EQ(Image_Hex(b, 32 + 16, 4), "01 00 00 0a");
  EXPECT_EQ(Image_U16(b, 32 + 20), 0u);
  EXPECT_EQ(Image_U32(images.Bank1, 0x048), 2u);
  EXPECT_EQ(b.mid(64, 0x8000 - 64), QByteArray(0x8000 - 64, '\0'));
}

TEST(Bank2, RuleFlags) {
  struct Case {
    bool write;
    const char* attr;
    const char* value;
    unsigned flags;
  };
  const Case cases[] = {
      {false, "Swap", "Y", 0x04},     {false, "Swap", "y", 0x00},  // read Swap: exactly "Y"
      {false, "SwapWord", "y", 0x08}, {true, "OnChange", "y", 0x01}, {true, "OnCMD", "Y", 0x10},
      {true, "Swap", "y", 0x04},      {true, "SwapWord", "Y", 0x08}, {true, "OnChange", "", 0x00},
      {true, "OnCMD", " Y", 0x00},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.attr) + "=" + c.value);
    TTest_Project p;
    const QString row = With(c.write ? Write_Row("") : Read_Row(""), c.attr, c.value);
    p.Modbus(c.write ? QString() : row, c.write ? row : QString());
    EXPECT_EQ(Image_U8(p.Build().Bank2, 31), c.flags);
  }
}

TEST(Bank2, RowSelectionDefaultsAndDisabledRowsLeaveNoGap) {
  TTest_Project p;
  p.Modbus(Read_Row("").replace("Enable=\"Y\"", "Enable=\"N\"") +                          // skipped
               With(Read_Row(""), "Address", "11").replace("Enable=\"Y\"", "Enable=\" y \"") +  // counts
               Without(With(Read_Row(""), "Address", "12"), "Enable") +                  // counts
               Without(Without(Without(With(Read_Row(""), "Address", "13"), "Port"), "Position"), "Index_Topic"),
           With(With(Write_Row(""), "Address", "21"), "Enable", "") +  // skipped
               Without(Without(With(With(Write_Row(""), "Address", "22"), "Bit", "x"), "PollTime"), "MaxError"));
  const TDevice_Images images = p.Build();
  const QByteArray& b = images.Bank2;
  EXPECT_EQ(Image_U32(images.Bank1, 0x048), 4u);
  EXPECT_EQ(Image_U16(b, 0 * 32 + 10), 11u);
  EXPECT_EQ(Image_U16(b, 1 * 32 + 10), 12u);
  EXPECT_EQ(Image_U16(b, 2 * 32 + 10), 13u);
  EXPECT_EQ(Image_U16(b, 2 * 32 + 14), 502u);  // missing port
  EXPECT_EQ(Image_U16(b, 2 * 32 + 0), 0u);     // missing position
  EXPECT_EQ(Image_U16(b, 2 * 32 + 20), 0u);    // missing topic
  EXPECT_EQ(Image_U16(b, 3 * 32 + 10), 22u);
  EXPECT_EQ(Image_U16(b, 3 * 32 + 2), 0u);  // a write rule's non-numeric Bit reads 0
  EXPECT_EQ(Image_U32(b, 3 * 32 + 4), 0u);
  EXPECT_EQ(b.mid(4 * 32, 32), QByteArray(32, '\0'));
}

TEST(Bank2, EditorWrittenRegisterRulesWithEmptyBitAlwaysBuild) {
  TTest_Project p;
  p.Modbus(With(Read_Row(""), "Position", ""), Write_Row(""));  // Bit="" in both
  EXPECT_NO_THROW(p.Build());
}

TEST(Bank2, BrokenRuleFilesAreClearErrors) {
  struct Case {
    const char* what;
    QString read;
    QString write;
    const char* expected;  // part of the message
  };
  const Case cases[] = {
      {"no slave id", Without(Read_Row(""), "Slave_ID"), "", "Slave_ID"},
      {"npoint no number", With(Read_Row(""), "NPoint", "ten"), "", "NPoint"},
      {"read polltime missing", Without(Read_Row(""), "PollTime"), "", "PollTime"},
      {"write position missing", "", Without(Write_Row(""), "Position"), "Position"},
      {"write polltime no number", "", With(Write_Row(""), "PollTime", "fast"), "PollTime"},
      {"three-part address", With(Read_Row(""), "IP_Address", "10.0.1"), "", "IP_Address"},
      {"address part no number", With(Read_Row(""), "IP_Address", "10.0.x.1"), "", "IP_Address"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TTest_Project p;
    p.Modbus(c.read, c.write);
    const QString message = Error_Of(p);
    EXPECT_TRUE(message.contains(QString::fromLatin1(c.expected))) << message.toStdString();
    EXPECT_TRUE(message.contains("row 1")) << message.toStdString();
  }
  TTest_Project p;
  p.Write("ModbusTCPM_SetAccess.xml", "<PROFINET_Master_to_Modbus_TCP_Master><Modbus_Read/></PROFINET_Master_to_Modbus_TCP_Master>");
  EXPECT_TRUE(Error_Of(p).contains("Modbus_Write"));
  p.Write("ModbusTCPM_SetAccess.xml", "<PROFINET_Master_to_Modbus_TCP_Master><Modbus_Read>");
  EXPECT_TRUE(Error_Of(p).contains("ModbusTCPM_SetAccess.xml"));
}

TEST(Bank2, RuleTablesHoldNoMoreRowsThanTheEditorShows) {
  QString reads, writes;
  for (int i = 0; i < 512; ++i) reads += Read_Row("");
  for (int i = 0; i < 512; ++i) writes += Write_Row("");
  TTest_Project p;
  p.Modbus(reads, writes);
  EXPECT_EQ(Image_U32(p.Build().Bank1, 0x048), 1024u);
  // A 513th row in one table is refused, enabled or not (the editor shows 512), also
  // when both tables together would fit the image.
  struct Case {
    const char* what;
    QString read, write;
    const char* group;
  };
  const Case cases[] = {
      {"a disabled 513th write row", reads, writes + Write_Row("").replace("Enable=\"Y\"", "Enable=\"N\""), "Modbus_Write"},
      {"513 read rows and no write rows", reads + Read_Row(""), "", "Modbus_Read"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    p.Modbus(c.read, c.write);
    const QString message = Error_Of(p);
    EXPECT_TRUE(message.contains("ModbusTCPM_SetAccess.xml") && message.contains(QLatin1String(c.group)) &&
                message.contains("512"))
        << message.toStdString();
  }
}

TEST(Bank2, EntriesSubindexAndOffsetPerDirection) {
  TTest_Project p;
  // BitStart and Position of inputs come from the file.
  p.EtherCAT(Var("String", "4", "").replace("Position=\"0\"", "Position=\"9\"").replace("BitStart=\"0\"", "BitStart=\"5\"") +
                 Var("UInt16", "2", "") + Var("Bool", "1", "", "", "N") + Var("Bool", "1", "") + Var("Bool", "1", ""),
             Var("Int32", "4", "").replace("Position=\"0\"", "Position=\"9\"") + Var("Array", "3", ""));
  const QByteArray b = p.Build().Bank2;
  EXPECT_EQ(Image_U32(b, kHeader + 32), 6u);
  struct Expect {
    unsigned type, length, access, bit, position, subindex, offset;
  };
  const Expect expected[] = {
      {9, 4, 1, 5, 9, 0, 0},  {6, 2, 1, 0, 0, 1, 5},  {1, 1, 1, 0, 0, 2, 7},
      {1, 1, 1, 0, 0, 3, 8},  {4, 4, 0, 0, 0, 0, 0},  {10, 3, 0, 0, 0, 1, 4},
  };
  for (int i = 0; i < 6; ++i) {
    SCOPED_TRACE(i);
    const Expect& e = expected[i];
    EXPECT_EQ(Image_U8(b, Entry(i) + 0), e.type);
    EXPECT_EQ(Image_U8(b, Entry(i) + 1), e.length);
    EXPECT_EQ(Image_U8(b, Entry(i) + 2), e.access);
    EXPECT_EQ(Image_U8(b, Entry(i) + 3), e.bit);
    EXPECT_EQ(Image_U32(b, Entry(i) + 4), e.position);
    EXPECT_EQ(Image_U32(b, Entry(i) + 8), e.subindex);
    EXPECT_EQ(Image_U32(b, Entry(i) + 12), 0u);
    EXPECT_EQ(Image_U32(b, Entry(i) + 16), e.offset);
    EXPECT_EQ(Image_U32(b, Entry(i) + 24), 0u);         // nameless
    EXPECT_EQ(Image_U32(b, Entry(i) + 28), 0x8C028u);   // the lone zero byte
  }
  EXPECT_EQ(b.mid(Entry(6), 32 * 506), QByteArray(32 * 506, '\0'));
  EXPECT_EQ(b.size(), 49193);  // no names, no values
}

TEST(Bank2, NameAndValueAddresses) {
  TTest_Project p;
  p.EtherCAT(Var("UInt8", "1", "A", "7") + Var("Bool", "1", "", "1") + Var("Int16", "2", "BC", "-2"),
             Var("UInt8", "1", "\xC3\xBC" "r") /* two UTF-8 bytes, then one */);
  const QByteArray b = p.Build().Bank2;
  // Names from 0x8C029, each its UTF-8 bytes + 1; values behind all names.
  EXPECT_EQ(Image_U32(b, Entry(0) + 28), 0x8C029u);
  EXPECT_EQ(Image_U32(b, Entry(0) + 24), 1u);
  EXPECT_EQ(Image_U32(b, Entry(1) + 28), 0x8C028u);
  EXPECT_EQ(Image_U32(b, Entry(2) + 28), 0x8C029u + 2);
  EXPECT_EQ(Image_U32(b, Entry(3) + 28), 0x8C029u + 5);
  EXPECT_EQ(Image_U32(b, Entry(3) + 24), 3u);  // UTF-8 bytes of the name
  const uint32_t firstValue = 0x8C029u + 2 + 3 + 4;
  EXPECT_EQ(Image_U32(b, Entry(0) + 20), firstValue);
  EXPECT_EQ(Image_U32(b, Entry(1) + 20), firstValue + 1);
  EXPECT_EQ(Image_U32(b, Entry(2) + 20), firstValue + 2);
  EXPECT_EQ(Image_U32(b, Entry(3) + 20), 0u);  // no initial value
  EXPECT_EQ(b.mid(kNames - 1, 10), QByteArray("\0A\0BC\0\xC3\xBCr\0", 10));
  EXPECT_EQ(Image_Hex(b, File_Offset(firstValue), 4), "07 01 fe ff");
  EXPECT_EQ(b.size(), 49193 + 9 + 4);
}

TEST(Bank2, InitialValueConversions) {
  struct Case {
    const char* type;
    const char* length;
    const char* text;
    const char* bytes;
  };
  const Case cases[] = {
      {"Bool", "1", "3", "01"},
      {"Bool", "1", "x", "00"},
      {"Int8", "1", "-1", "ff"},
      {"UInt8", "1", "300", "2c"},
      {"Int16", "2", "-2", "fe ff"},
      {"UInt16", "2", "$1234", "34 12"},
      {"Int32", "4", "-1", "ff ff ff ff"},
      {"UInt32", "4", "4294967295", "ff ff ff ff"},
      {"UInt32", "4", "abc", "00 00 00 00"},
      {"Float32", "4", "1.5", "00 00 c0 3f"},
      {"Float32", "4", "1,5", "00 00 c0 3f"},
      {"Float32", "4", "-2e1", "00 00 a0 c1"},
      {"Float32", "4", "one", "00 00 00 00"},
      {"String", "4", "AB", "41 42 00 00"},
      {"String", "2", "ABCD", "41 42"},
      {"Array", "3", "0A1", "0a 00 00"},
      {"Array", "3", "0a1BzZ", "0a 1b 00"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.type) + " " + c.text);
    TTest_Project p;
    p.EtherCAT(Var(c.type, c.length, "", c.text), "");
    const QByteArray b = p.Build().Bank2;
    const int count = static_cast<int>(QByteArray(c.bytes).count(' ')) + 1;
    EXPECT_EQ(Image_U32(b, Entry(0) + 20), 0x8C029u);
    EXPECT_EQ(Image_Hex(b, kNames, count), c.bytes);
    EXPECT_EQ(b.size(), 49193 + count);
  }
}

TEST(Bank2, UnknownTypeAndLengthRules) {
  TTest_Project p;
  // An unknown type: code 0, length from Length, no initial value, later values
  // stay where their addresses say.
  p.EtherCAT(Var("Word", "3", "", "1234") + Var("UInt8", "1", "", "9") + Var("String", "1", "") +
                 Var("Array", "255", ""),
             "");
  const QByteArray b = p.Build().Bank2;
  EXPECT_EQ(Image_U8(b, Entry(0)), 0u);
  EXPECT_EQ(Image_U8(b, Entry(0) + 1), 3u);
  EXPECT_EQ(Image_U32(b, Entry(0) + 20), 0u);
  EXPECT_EQ(Image_U32(b, Entry(1) + 20), 0x8C029u);
  EXPECT_EQ(Image_U8(b, Entry(2) + 1), 1u);
  EXPECT_EQ(Image_U8(b, Entry(3) + 1), 255u);
  EXPECT_EQ(Image_U32(b, Entry(1) + 16), 3u);
  EXPECT_EQ(Image_U32(b, Entry(3) + 16), 3u + 1 + 2);  // the String takes Length + 1
  EXPECT_EQ(b.size(), 49193 + 1);
  EXPECT_EQ(Image_U8(b, kNames), 9u);
}

TEST(Bank2, HandEditedLengthsTheEditorRefusesStopTheBuild) {
  // An enabled Array or String takes its Length from the file: one the editor would
  // refuse (not 1 to 255) stops the build, naming the file and the row. Fixed types
  // never take their Length, and disabled rows are not looked at.
  struct Case {
    const char* what;
    QString inputs, outputs;
    const char* row;  // nullptr: the images are built
  };
  const Case cases[] = {
      {"String at the 32-bit limit", Var("String", "2147483647", ""), "", "row 1 of \"EtherCAT_Slave_To_Master\""},
      {"Array of 0", "", Var("Int8", "1", "") + Var("Array", "0", ""), "row 2 of \"EtherCAT_Master_To_Slave\""},
      {"negative Array", Var("Array", "-5", ""), "", "row 1 of"},
      {"String of 256", Var("Bool", "1", "") + Var("String", "256", ""), "", "row 2 of"},
      {"Length no number", Var("Array", "ten", ""), "", "row 1 of"},
      {"Length missing", Var("String", "", ""), "", "row 1 of"},
      {"the smallest and largest", Var("Array", "1", "") + Var("String", "255", ""), "", nullptr},
      {"a fixed type ignores its Length", Var("Int16", "2147483647", ""), Var("Float32", "-4", ""), nullptr},
      {"a disabled row", Var("Array", "0", "", "", "N"), "", nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TTest_Project p;
    p.EtherCAT(c.inputs, c.outputs);
    const QString message = Error_Of(p);
    if (c.row == nullptr) {
      EXPECT_TRUE(message.isEmpty()) << message.toStdString();
      continue;
    }
    EXPECT_TRUE(message.contains("EtherCAT_Slave.xml") && message.contains(QLatin1String(c.row)) &&
                message.contains("Length"))
        << message.toStdString();
  }
}

TEST(Bank2, EtherCATLimitsAndBrokenFiles) {
  TTest_Project p;
  QString inputs, outputs;
  for (int i = 0; i < 256; ++i) inputs += Var("Int8", "1", "");
  for (int i = 0; i < 256; ++i) outputs += Var("Int8", "1", "");
  p.EtherCAT(inputs, outputs);
  EXPECT_EQ(Image_U32(p.Build().Bank2, kHeader + 32), 512u);
  // A 257th row in one table is refused, enabled or not (the editor shows 256), also
  // when both tables together would fit the image.
  p.EtherCAT(inputs + Var("Int8", "1", "", "", "N"), outputs);
  EXPECT_TRUE(Error_Of(p).contains("\"EtherCAT_Slave_To_Master\" holds 257 rows")) << Error_Of(p).toStdString();
  p.EtherCAT(inputs + inputs, "");
  EXPECT_TRUE(Error_Of(p).contains("256")) << Error_Of(p).toStdString();

  // 512 long names and values that do not fit in the 131072-byte image.
  QString big;
  const QByteArray name(100, 'n');
  const QByteArray value(255, 'v');
  for (int i = 0; i < 256; ++i) big += Var("String", "255", name.constData(), value.constData());
  p.EtherCAT(big, big);
  EXPECT_TRUE(Error_Of(p).contains("131072")) << Error_Of(p).toStdString();

  p.Write("EtherCAT_Slave.xml", "<EtherCAT_Slave><EtherCAT_Slave_Variables><EtherCAT_Slave_To_Master/>"
                                "</EtherCAT_Slave_Variables></EtherCAT_Slave>");
  EXPECT_TRUE(Error_Of(p).contains("EtherCAT_Master_To_Slave"));
  p.Write("EtherCAT_Slave.xml", "<EtherCAT_Slave/>");
  EXPECT_TRUE(Error_Of(p).contains("EtherCAT_Slave_Variables"));
}
