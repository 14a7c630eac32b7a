#include "gateway/modbus_tcp_master_file.h"

#include "platform/os/files.h"
#include "platform/rtl/exceptions.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

static void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace {

QString S(const char* s) { return QString::fromUtf8(s); }

const char* kReadAttrs = "Enable=\"Y\" IP_Address=\"10.0.0.1\" Port=\"502\" Slave_ID=\"1\" Type=\"Coil Status\" "
                         "Address=\"0\" NPoint=\"8\" PollTime=\"100\" MaxError=\"0\" Position=\"0\" Bit=\"0\" "
                         "Swap=\"N\" SwapWord=\"N\" Index_Topic=\"-1\" Mnemonic=\"m\"";

class ModbusFile : public ::testing::Test {
protected:
  QString path() const { return PathJoin(dir.path(), S("ModbusTCPM_SetAccess.xml")); }
  void writeText(const QString& text) const { WriteFileWhole(path(), text.toUtf8()); }
  QString fileText() const { return QString::fromUtf8(ReadFileWhole(path())); }
  static void setRow(TEditorTable& t, int row, const QStringList& texts) {
    for (int i = 0; i < texts.size(); ++i) t.SetCell(i + 1, row, texts[i]);
  }

  QTemporaryDir dir;
  TModbusTCPMasterModel model;
};

// The exact file: root, comment, the two groups in order, attributes in their order,
// the cell texts as shown (also an untouched empty check box), Index_Topic "-1",
// disabled rows written.
TEST_F(ModbusFile, SaveWritesTheExactDocumentAndReadsBack) {
  setRow(model.Read, 1,
         {S("Y"), S("192.168.1.125"), S("502"), S("1"), S("Holding Register"), S("100"), S("10"), S("1000"), S("3"),
          S("20"), S(""), S("Y"), S("N"), S(""), S("Temp <1>")});
  setRow(model.Read, 2,
         {S("N"), S("10.0.0.2"), S("503"), S("2"), S("Coil Status"), S("0"), S("8"), S("50"), S("0"), S("0"),
          S("7"), S(""), S(""), S(""), S("")});
  setRow(model.Write, 1,
         {S("Y"), S("10.0.0.3"), S("502"), S("247"), S("Coil Status"), S("5"), S("16"), S("0"), S("Y"), S(""),
          S("0"), S("1499"), S("3"), S("N"), S("Y"), S("out")});
  model.Save(path());

  EXPECT_EQ(fileText().toStdString(),
            std::string("<PROFINET_Master_to_Modbus_TCP_Master>\n"
                        "  <Modbus_Read>\n"
                        "    <row Enable=\"Y\" IP_Address=\"192.168.1.125\" Port=\"502\" Slave_ID=\"1\" "
                        "Type=\"Holding Register\" Address=\"100\" NPoint=\"10\" PollTime=\"1000\" MaxError=\"3\" "
                        "Position=\"20\" Bit=\"\" Swap=\"Y\" SwapWord=\"N\" Index_Topic=\"-1\" Mnemonic=\"Temp &lt;1>\" />\n"
                        "    <row Enable=\"N\" IP_Address=\"10.0.0.2\" Port=\"503\" Slave_ID=\"2\" Type=\"Coil Status\" "
                        "Address=\"0\" NPoint=\"8\" PollTime=\"50\" MaxError=\"0\" Position=\"0\" Bit=\"7\" Swap=\"\" "
                        "SwapWord=\"\" Index_Topic=\"-1\" Mnemonic=\"\" />\n"
                        "  </Modbus_Read>\n"
                        "  <Modbus_Write>\n"
                        "    <row Enable=\"Y\" IP_Address=\"10.0.0.3\" Port=\"502\" Slave_ID=\"247\" Type=\"Coil Status\" "
                        "Address=\"5\" NPoint=\"16\" PollTime=\"0\" OnChange=\"Y\" OnCMD=\"\" MaxError=\"0\" "
                        "Position=\"1499\" Bit=\"3\" Swap=\"N\" SwapWord=\"Y\" Mnemonic=\"out\" />\n"
                        "  </Modbus_Write>\n"
                        "</PROFINET_Master_to_Modbus_TCP_Master>\n"
                        "<!--SW_VERSION = 1.001-->\n"));

  TModbusTCPMasterModel back;
  ASSERT_EQ(back.Load(path()), QString());
  for (int row = 0; row < kMB_RowCount; ++row) {
    EXPECT_EQ(back.Read.RowTexts(row), model.Read.RowTexts(row)) << "row " << row;
    EXPECT_EQ(back.Write.RowTexts(row), model.Write.RowTexts(row)) << "row " << row;
  }
}

TEST_F(ModbusFile, SaveStopsAtTheFirstEmptyAddress) {
  setRow(model.Write, 1, {S("Y"), S("10.0.0.1")});
  setRow(model.Write, 2, {S("Y"), S(" ")});
  setRow(model.Write, 3, {S("Y"), S("10.0.0.3"), S("lost")});
  model.Save(path());
  EXPECT_EQ(fileText().count(S("<row ")), 1) << fileText().toStdString();
  EXPECT_FALSE(fileText().contains(S("lost")));
}

// Enable, Swap, SwapWord, OnCMD and Index_Topic have defaults; the rest is required.
TEST_F(ModbusFile, GuardedAttributesTakeTheirDefaults) {
  writeText(S("<Root><Modbus_Read>"
              "<row IP_Address=\"10.0.0.1\" Port=\"502\" Slave_ID=\"1\" Type=\"Coil Status\" Address=\"0\" NPoint=\"8\" "
              "PollTime=\"100\" MaxError=\"0\" Position=\"0\" Bit=\"0\" Mnemonic=\"m\"/>"
              "</Modbus_Read><Modbus_Write>"
              "<row IP_Address=\"10.0.0.2\" Port=\"502\" Slave_ID=\"1\" Type=\"Coil Status\" Address=\"0\" NPoint=\"8\" "
              "PollTime=\"0\" OnChange=\"\" MaxError=\"0\" Position=\"0\" Bit=\"0\" Mnemonic=\"\"/>"
              "</Modbus_Write></Root>"));
  ASSERT_EQ(model.Load(path()), QString());
  EXPECT_EQ(model.Read.RowTexts(1), (QStringList{S("Y"), S("10.0.0.1"), S("502"), S("1"), S("Coil Status"), S("0"),
                                                 S("8"), S("100"), S("0"), S("0"), S("0"), S("N"), S("N"), S(""),
                                                 S("m")}));
  EXPECT_EQ(model.Write.RowTexts(1), (QStringList{S("Y"), S("10.0.0.2"), S("502"), S("1"), S("Coil Status"), S("0"),
                                                  S("8"), S("0"), S(""), S("N"), S("0"), S("0"), S("0"), S("N"),
                                                  S("N"), S("")}));
}

// A missing required attribute stops the loading there: the rows and cells read
// before stay, the rest stays empty, and the reason is answered.
TEST_F(ModbusFile, MissingRequiredAttributeStopsLoading) {
  writeText(S("<PROFINET_Master_to_Modbus_TCP_Master><Modbus_Read>") + S("<row ") + S(kReadAttrs) + S("/>") +
            S("<row Enable=\"N\" IP_Address=\"10.0.0.2\" Port=\"503\" Slave_ID=\"2\" Type=\"Coil Status\"/>") +
            S("<row ") + S(kReadAttrs) + S("/></Modbus_Read><Modbus_Write>") +
            S("<row Enable=\"Y\" IP_Address=\"10.0.0.9\"/></Modbus_Write></PROFINET_Master_to_Modbus_TCP_Master>"));
  const QString error = model.Load(path());
  EXPECT_TRUE(error.contains(S("\"Address\""))) << error.toStdString();
  EXPECT_EQ(model.Read.Cell(kMB_IP_Address, 1), S("10.0.0.1"));
  EXPECT_EQ(model.Read.Cell(kMBR_Mnemonic, 1), S("m"));
  EXPECT_EQ(model.Read.RowTexts(2), (QStringList{S("N"), S("10.0.0.2"), S("503"), S("2"), S("Coil Status"), "", "",
                                                 "", "", "", "", "", "", "", ""}));
  EXPECT_EQ(model.Read.Cell(kMB_IP_Address, 3), QString());
  EXPECT_EQ(model.Write.Cell(kMB_IP_Address, 1), QString());
}

TEST_F(ModbusFile, MissingGroupOrMalformedFileIsAnError) {
  writeText(S("<PROFINET_Master_to_Modbus_TCP_Master><Modbus_Read><row ") + S(kReadAttrs) +
            S("/></Modbus_Read></PROFINET_Master_to_Modbus_TCP_Master>"));
  EXPECT_TRUE(model.Load(path()).contains(S("Modbus_Write")));
  EXPECT_EQ(model.Read.Cell(kMB_IP_Address, 1), S("10.0.0.1"));

  writeText(S("<PROFINET_Master_to_Modbus_TCP_Master><Modbus_Read>"));
  EXPECT_FALSE(model.Load(path()).isEmpty());
  EXPECT_EQ(model.Read.Cell(kMB_IP_Address, 1), QString());
  EXPECT_EQ(model.Read.Cell(kMB_Enable, 1), S("Y"));
}

TEST_F(ModbusFile, MissingFileGivesEmptyTablesWithoutError) {
  model.Read.SetCell(kMB_IP_Address, 5, S("stale"));
  EXPECT_EQ(model.Load(path()), QString());
  EXPECT_EQ(model.Read.RowTexts(5), (QStringList{S("Y"), "", "", "", "", "", "", "", "", "", "", "", "", "", ""}));
  EXPECT_EQ(model.Read.Cell(0, 512), S("512"));
  EXPECT_EQ(model.NByte_IN, 1500);
  EXPECT_EQ(model.NByte_OUT, 1500);
}

TEST_F(ModbusFile, TopicColumnIsStoredAsItsIndex) {
  EXPECT_EQ(model.Get_Index_From_Topic(QString()), -1);
  EXPECT_EQ(model.Get_Topic_From_Index(0), QString());
  model.List_Publish_Topic = {S("a/b"), S("c")};
  EXPECT_EQ(model.Get_Index_From_Topic(S("c")), 1);
  EXPECT_EQ(model.Get_Index_From_Topic(S("C")), -1);
  EXPECT_EQ(model.Get_Topic_From_Index(2), QString());
  EXPECT_EQ(model.Get_Topic_From_Index(-1), QString());

  setRow(model.Read, 1, {S("Y"), S("10.0.0.1")});
  model.Read.SetCell(kMBR_Topic, 1, S("c"));
  model.Save(path());
  EXPECT_TRUE(fileText().contains(S("Index_Topic=\"1\""))) << fileText().toStdString();
  model.Read.SetCell(kMBR_Topic, 1, QString());
  ASSERT_EQ(model.Load(path()), QString());
  EXPECT_EQ(model.Read.Cell(kMBR_Topic, 1), S("c"));
}

TEST_F(ModbusFile, SaveToAMissingFolderRaises) {
  EXPECT_THROW(model.Save(PathJoin(dir.path(), S("no/such/file.xml"))), EFileError);
}

}  // namespace
