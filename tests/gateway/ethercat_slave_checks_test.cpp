#include "gateway/ethercat_slave_checks.h"
#include "gateway/ethercat_slave_file.h"

#include "app/language/language.h"

#include <gtest/gtest.h>

static void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace {

struct VariableCase {
  const char* type;
  const char* length;
  const char* initValue;
  std::optional<int> text;
};

TEST(EtherCATChecks, SlaveToMasterVariable) {
  const VariableCase cases[] = {
      {"Array", "10", "", std::nullopt},
      {"Array", "1", "", std::nullopt},
      {"Array", "255", "", std::nullopt},
      {"Array", "0", "", 1052},
      {"Array", "256", "", 1052},
      {"Array", "", "", 1052},
      {"Array", "ten", "", 1052},
      {"Array", "0", "ABC", 1052},          // the Length first
      {"Array", "2", "ABC", 1053},          // three digits: odd
      {"Array", "2", "ABCDEF", 1054},       // three bytes in two
      {"Array", "2", "0G", 1055},           // not hexadecimal
      {"Array", "2", "abcd", std::nullopt}, // lower case is hexadecimal too
      {"Array", "2", "ABCDEFA", 1053},      // odd before too long
      {"Array", "2", "GGGGGG", 1054},       // too long before the characters
      {"Array", "3", "0 12", 1055},         // a blank is no digit
      {"String", "10", "", std::nullopt},
      {"String", "0", "", 1056},
      {"String", "256", "", 1056},
      {"String", "x", "", 1056},
      {"String", "10", "abcdefghij", std::nullopt},
      {"String", "10", "abcdefghijk", 1057},
      {"String", "1", "  ", 1057},
      {"Int32", "999", "not a number", std::nullopt},  // only Array and String are checked
      {"array", "0", "", std::nullopt},                // type names are exact
      {"Bool", "", "", std::nullopt},
  };
  for (const VariableCase& c : cases) {
    const TEtherCATVariableCells cells{QString::fromUtf8(c.type), QString::fromUtf8(c.length),
                                       QString::fromUtf8(c.initValue)};
    EXPECT_EQ(Check_Slave_To_Master_Variable(cells), c.text) << c.type << " " << c.length << " " << c.initValue;
  }
}

TEST(EtherCATChecks, MasterToSlaveVariable) {
  const VariableCase cases[] = {
      {"Array", "1", "", std::nullopt},  {"Array", "255", "", std::nullopt}, {"Array", "0", "", 1058},
      {"String", "256", "", 1058},      {"String", "", "", 1058},           {"String", "10", "", std::nullopt},
      {"Float32", "", "", std::nullopt},
  };
  for (const VariableCase& c : cases) {
    const TEtherCATVariableCells cells{QString::fromUtf8(c.type), QString::fromUtf8(c.length), {}};
    EXPECT_EQ(Check_Master_To_Slave_Variable(cells), c.text) << c.type << " " << c.length;
  }
}

TEST(EtherCATChecks, CheckArrayStingAcceptsHexDigitsOnly) {
  EXPECT_TRUE(CheckArraySting(QString()));
  EXPECT_TRUE(CheckArraySting(QStringLiteral("0123456789abcdefABCDEF")));
  EXPECT_FALSE(CheckArraySting(QStringLiteral("0x")));
  EXPECT_FALSE(CheckArraySting(QStringLiteral("A ")));
  EXPECT_FALSE(CheckArraySting(QStringLiteral("-1")));
}

void setRow(TEditorTable& t, int row, const char* enable, const char* type, const char* length, const char* init = "") {
  t.SetCell(kEC_Enable, row, QString::fromUtf8(enable));
  t.SetCell(kEC_Type, row, QString::fromUtf8(type));
  t.SetCell(kEC_Length, row, QString::fromUtf8(length));
  if (t.ColCount() == kStM_ColCount) t.SetCell(kStM_InitValue, row, QString::fromUtf8(init));
}

// Which rows are checked: enabled rows up to the first empty Type, Slave To Master first.
TEST(EtherCATChecks, TablesRowsAndOrder) {
  TEtherCATSlaveModel m;
  EXPECT_EQ(Controllo_dati(m.SlaveToMaster, m.MasterToSlave), std::nullopt);

  setRow(m.SlaveToMaster, 1, "Y", "Int8", "1");
  setRow(m.SlaveToMaster, 2, "N", "Array", "0");           // disabled: skipped
  setRow(m.SlaveToMaster, 3, "Y", "String", "4", "abcde");  // the first failure
  setRow(m.MasterToSlave, 1, "Y", "Array", "0");
  EXPECT_EQ(Controllo_dati(m.SlaveToMaster, m.MasterToSlave), (TRowCheckFailure{3, 1057, {}}));

  setRow(m.SlaveToMaster, 3, "Y", "", "4", "abcde");  // ends the table: row 4 is not looked at
  setRow(m.SlaveToMaster, 4, "Y", "Array", "0");
  EXPECT_EQ(Controllo_dati(m.SlaveToMaster, m.MasterToSlave), (TRowCheckFailure{1, 1058, {}}));

  setRow(m.MasterToSlave, 1, "Y", "Array", "5");
  setRow(m.MasterToSlave, 2, "Y", "String", "256");
  EXPECT_EQ(Controllo_dati(m.SlaveToMaster, m.MasterToSlave), (TRowCheckFailure{2, 1058, {}}));
}

TEST(EtherCATChecks, MessageFromTheLanguageTexts) {
  Load_Default_Texts();
  EXPECT_EQ(Row_Check_Message({12, 1054, {}}, kEC_Error_Row_Text),
            QStringLiteral("Error row 12!! [Slave to Master] Init Value the number of byte must be equal or minor of Length"));
}

}  // namespace
