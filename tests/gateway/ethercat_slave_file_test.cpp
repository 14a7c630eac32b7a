#include "gateway/ethercat_slave_file.h"

#include "platform/os/files.h"
#include "platform/rtl/exceptions.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

static void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace {

QString S(const char* s) { return QString::fromUtf8(s); }

class EtherCATSlaveFile : public ::testing::Test {
protected:
  QString path() const { return PathJoin(dir.path(), S("EtherCAT_Slave.xml")); }
  void writeText(const QString& text) const { WriteFileWhole(path(), text.toUtf8()); }
  QString fileText() const { return QString::fromUtf8(ReadFileWhole(path())); }
  static void setRow(TEditorTable& t, int row, const QStringList& texts) {
    for (int i = 0; i < texts.size(); ++i) t.SetCell(i + 1, row, texts[i]);
  }

  QTemporaryDir dir;
  TEtherCATSlaveModel model;
};

// The exact file: root, version comment after it, the nested groups, attributes in
// their order (Init Value only in Slave To Master), disabled rows written too,
// positions as computed.
TEST_F(EtherCATSlaveFile, SaveWritesTheExactDocumentAndReadsBack) {
  model.Choose_Type(model.SlaveToMaster, 1, S("Bool"));
  model.SlaveToMaster.SetCell(kEC_Name, 1, S("Run & <go>"));
  model.SlaveToMaster.SetCell(kStM_InitValue, 1, S("1"));
  model.Choose_Type(model.SlaveToMaster, 2, S("String"));
  model.SlaveToMaster.SetCell(kEC_Enable, 2, S("N"));
  model.Choose_Type(model.SlaveToMaster, 3, S("Int16"));
  model.SlaveToMaster.SetCell(kStM_Mnemonic, 3, S("m\"q\""));
  model.Choose_Type(model.MasterToSlave, 1, S("Array"));
  model.MasterToSlave.SetCell(kEC_Name, 1, S("Out"));
  model.Calc_Positions();
  model.Save(path());

  EXPECT_EQ(fileText().toStdString(),
            std::string("<EtherCAT_Slave>\n"
              "  <EtherCAT_Slave_Variables>\n"
              "    <EtherCAT_Slave_To_Master>\n"
              "      <row Enable=\"Y\" Type=\"Bool\" Length=\"1\" Name=\"Run &amp; &lt;go>\" InitValue=\"1\" "
              "Position=\"0\" BitStart=\"0\" Mnemonic=\"\" />\n"
              "      <row Enable=\"N\" Type=\"String\" Length=\"10\" Name=\"\" InitValue=\"\" Position=\"0\" "
              "BitStart=\"0\" Mnemonic=\"\" />\n"
              "      <row Enable=\"Y\" Type=\"Int16\" Length=\"2\" Name=\"\" InitValue=\"\" Position=\"1\" "
              "BitStart=\"0\" Mnemonic=\"m&quot;q&quot;\" />\n"
              "    </EtherCAT_Slave_To_Master>\n"
              "    <EtherCAT_Master_To_Slave>\n"
              "      <row Enable=\"Y\" Type=\"Array\" Length=\"10\" Name=\"Out\" Position=\"0\" BitStart=\"0\" "
              "Mnemonic=\"\" />\n"
              "    </EtherCAT_Master_To_Slave>\n"
              "  </EtherCAT_Slave_Variables>\n"
              "</EtherCAT_Slave>\n"
              "<!--SW_VERSION = 1.001-->\n"));

  TEtherCATSlaveModel back;
  ASSERT_EQ(back.Load(path()), QString());
  for (int row = 0; row < kEC_RowCount; ++row) {
    EXPECT_EQ(back.SlaveToMaster.RowTexts(row), model.SlaveToMaster.RowTexts(row)) << "row " << row;
    EXPECT_EQ(back.MasterToSlave.RowTexts(row), model.MasterToSlave.RowTexts(row)) << "row " << row;
    EXPECT_EQ(back.SlaveToMaster.Length_Read_Only(row), model.SlaveToMaster.Length_Read_Only(row)) << "row " << row;
  }
}

TEST_F(EtherCATSlaveFile, SaveStopsAtTheFirstEmptyType) {
  setRow(model.SlaveToMaster, 1, {S("Y"), S("Int8"), S("1")});
  setRow(model.SlaveToMaster, 2, {S("Y"), S(" "), S("1"), S("gap")});
  setRow(model.SlaveToMaster, 3, {S("Y"), S("Int8"), S("1"), S("lost")});
  model.Save(path());
  EXPECT_EQ(fileText().count(S("<row ")), 1) << fileText().toStdString();
  EXPECT_FALSE(fileText().contains(S("lost")));
  ASSERT_EQ(model.Load(path()), QString());
  EXPECT_EQ(model.SlaveToMaster.Cell(kEC_Type, 1), S("Int8"));
  EXPECT_EQ(model.SlaveToMaster.Cell(kEC_Type, 3), QString());
}

// Load defaults: Enable is on unless exactly "N"; any other missing attribute empties
// its cell (a missing Length too, after the type rule set the read-only state);
// stored positions are replaced by computed ones.
TEST_F(EtherCATSlaveFile, LoadDefaultsPerAttribute) {
  writeText(S("<Any_Root><EtherCAT_Slave_Variables>"
              "<EtherCAT_Slave_To_Master>"
              "<row Type=\"Bool\" Length=\"1\" Name=\"a\" InitValue=\"1\" Position=\"9\" BitStart=\"9\" Mnemonic=\"x\"/>"
              "<row Enable=\"N\" Type=\"Int32\"/>"
              "<row Enable=\"y\" Type=\"Bool\"/>"
              "<other Enable=\"\" Type=\"String\" Length=\"3\"/>"
              "</EtherCAT_Slave_To_Master>"
              "<EtherCAT_Master_To_Slave><row Enable=\"Y\" Type=\"Float32\" Length=\"4\" InitValue=\"ignored\"/>"
              "<row Enable=\"Y\" Type=\"Int8\" Length=\"1\" Position=\"77\"/></EtherCAT_Master_To_Slave>"
              "</EtherCAT_Slave_Variables></Any_Root><!--SW_VERSION = 1.001-->"));
  model.SlaveToMaster.SetCell(kEC_Name, 7, S("stale"));
  ASSERT_EQ(model.Load(path()), QString());
  const TEtherCATVariableTable& s = model.SlaveToMaster;
  EXPECT_EQ(s.RowTexts(1), (QStringList{S("Y"), S("Bool"), S("1"), S("a"), S("1"), S("0"), S("0"), S("x")}));
  EXPECT_EQ(s.RowTexts(2), (QStringList{S("N"), S("Int32"), "", "", "", S("0"), S("0"), ""}));
  EXPECT_TRUE(s.Length_Read_Only(2));
  EXPECT_EQ(s.RowTexts(3), (QStringList{S("Y"), S("Bool"), "", "", "", S("0"), S("1"), ""}));
  EXPECT_EQ(s.RowTexts(4), (QStringList{S("Y"), S("String"), S("3"), "", "", S("1"), S("0"), ""}));
  EXPECT_FALSE(s.Length_Read_Only(4));
  EXPECT_EQ(s.RowTexts(7), (QStringList{S("Y"), "", "", "", "", "", "", ""}));
  EXPECT_EQ(s.Cell(0, 7), S("7"));
  const TEtherCATVariableTable& m = model.MasterToSlave;
  EXPECT_EQ(m.RowTexts(1), (QStringList{S("Y"), S("Float32"), S("4"), "", S("0"), S("0"), ""}));
  EXPECT_EQ(m.RowTexts(2), (QStringList{S("Y"), S("Int8"), S("1"), "", S("4"), S("0"), ""}));
}

TEST_F(EtherCATSlaveFile, MissingFileGivesEmptyTablesWithoutError) {
  model.SlaveToMaster.SetCell(kEC_Type, 1, S("Int8"));
  model.SlaveToMaster.Set_Length_Read_Only(1, true);
  EXPECT_EQ(model.Load(path()), QString());
  EXPECT_EQ(model.SlaveToMaster.RowTexts(1), (QStringList{S("Y"), "", "", "", "", "", "", ""}));
  EXPECT_FALSE(model.SlaveToMaster.Length_Read_Only(1));
}

TEST_F(EtherCATSlaveFile, MalformedFileIsAnErrorWithEmptyTables) {
  writeText(S("<EtherCAT_Slave><EtherCAT_Slave_Variables>"));
  model.SlaveToMaster.SetCell(kEC_Type, 1, S("Int8"));
  EXPECT_FALSE(model.Load(path()).isEmpty());
  EXPECT_EQ(model.SlaveToMaster.Cell(kEC_Type, 1), QString());
}

TEST_F(EtherCATSlaveFile, MissingGroupIsAnErrorAndKeepsWhatWasRead) {
  writeText(S("<EtherCAT_Slave><EtherCAT_Slave_Variables><EtherCAT_Slave_To_Master>"
              "<row Enable=\"Y\" Type=\"Int16\" Length=\"2\"/><row Enable=\"Y\" Type=\"Int8\" Length=\"1\"/>"
              "</EtherCAT_Slave_To_Master></EtherCAT_Slave_Variables></EtherCAT_Slave>"));
  const QString error = model.Load(path());
  EXPECT_TRUE(error.contains(S("EtherCAT_Master_To_Slave"))) << error.toStdString();
  EXPECT_EQ(model.SlaveToMaster.Cell(kStM_Position, 2), S("2"));

  writeText(S("<EtherCAT_Slave><!-- nothing --></EtherCAT_Slave>"));
  EXPECT_TRUE(model.Load(path()).contains(S("EtherCAT_Slave_To_Master")));
  EXPECT_EQ(model.SlaveToMaster.Cell(kEC_Type, 1), QString());
}

TEST_F(EtherCATSlaveFile, RowsBeyondTheTableAreIgnored) {
  QString rows;
  for (int i = 0; i < 300; ++i) rows += S("<row Enable=\"Y\" Type=\"Int8\" Length=\"1\"/>");
  writeText(S("<EtherCAT_Slave><EtherCAT_Slave_Variables><EtherCAT_Slave_To_Master>") + rows +
            S("</EtherCAT_Slave_To_Master><EtherCAT_Master_To_Slave/></EtherCAT_Slave_Variables></EtherCAT_Slave>"));
  ASSERT_EQ(model.Load(path()), QString());
  EXPECT_EQ(model.SlaveToMaster.Cell(kStM_Position, 256), S("255"));
}

TEST_F(EtherCATSlaveFile, SaveToAMissingFolderRaises) {
  EXPECT_THROW(model.Save(PathJoin(dir.path(), S("no/such/EtherCAT_Slave.xml"))), EFileError);
}

}  // namespace
