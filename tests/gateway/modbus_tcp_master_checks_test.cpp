#include "gateway/modbus_tcp_master_checks.h"
#include "gateway/modbus_tcp_master_file.h"

#include "app/language/language.h"

#include <gtest/gtest.h>

static void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace {

QString S(const char* s) { return QString::fromUtf8(s); }

TEST(ModbusChecks, CheckIPAddressIsTrueWhenInvalid) {
  const struct {
    const char* text;
    bool invalid;
  } cases[] = {
      {"192.168.1.125", false}, {"0.0.0.0", false},   {"255.255.255.255", false}, {"", true},
      {"192.168.1", true},      {"1.2.3.4.5", true},  {"1..3.4", true},           {"1.2.3.256", true},
      {"1.2.3.", true},         {"a.b.c.d", true},    {"1.2.3.-1", true},         {"1.2.3.4 ", true},
      {"$FF.0.0.1", false},  // the number reader takes hexadecimal parts too
  };
  for (const auto& c : cases) EXPECT_EQ(Check_IP_Address(S(c.text)), c.invalid) << c.text;
}

// A valid rule and the one cell a case changes.
enum Cell { cIP, cPort, cSlaveID, cType, cAddress, cNPoint, cPollTime, cMaxError, cPosition, cBit, cNone };

struct RuleCase {
  const char* what;
  std::vector<std::pair<Cell, const char*>> set;
  std::optional<int> text;
  const char* appended = "";
};

TModbusRuleCells baseRule() {
  return {S("192.168.1.125"), S("502"), S("1"),    S("Holding Register"), S("0"),
          S("10"),            S("1000"), S("0"),   S("0"),                S("")};
}

void apply(TModbusRuleCells& r, Cell cell, const char* text) {
  QString* cells[] = {&r.IP_Address, &r.Port,     &r.Slave_ID, &r.Type,     &r.Address,
                      &r.NPoint,     &r.PollTime, &r.MaxError, &r.Position, &r.Bit};
  *cells[cell] = S(text);
}

void runCases(const std::vector<RuleCase>& cases, const TModbusRuleLimits& limits) {
  for (const RuleCase& c : cases) {
    TModbusRuleCells rule = baseRule();
    for (const auto& [cell, text] : c.set) apply(rule, cell, text);
    const std::optional<TRowCheckFailure> got = Check_Modbus_Rule(rule, limits, kMB_Data_Bytes);
    if (!c.text) {
      EXPECT_EQ(got, std::nullopt) << c.what;
      continue;
    }
    EXPECT_EQ(got, (TRowCheckFailure{0, *c.text, S(c.appended)})) << c.what;
  }
}

TEST(ModbusChecks, ReadRule) {
  runCases(
      {
          {"the base rule passes", {}, std::nullopt},
          {"three parts", {{cIP, "192.168.1"}}, 1839},
          {"five parts", {{cIP, "1.2.3.4.5"}}, 1839},
          {"IP before port", {{cIP, "1.2.3"}, {cPort, "x"}}, 1839},
          {"port 65535", {{cPort, "65535"}}, std::nullopt},
          {"port 0", {{cPort, "0"}}, std::nullopt},
          {"port 65536", {{cPort, "65536"}}, 1840},
          {"port empty", {{cPort, ""}}, 1840},
          {"slave id 0", {{cSlaveID, "0"}}, 1841},
          {"slave id 247", {{cSlaveID, "247"}}, std::nullopt},
          {"slave id 248", {{cSlaveID, "248"}}, 1841},
          {"type empty", {{cType, ""}}, 1842},
          {"address 65535", {{cAddress, "65535"}}, std::nullopt},
          {"address 65536", {{cAddress, "65536"}}, 1843},
          {"address -1", {{cAddress, "-1"}}, 1843},
          {"registers: 125 points", {{cNPoint, "125"}}, std::nullopt},
          {"registers: 126 points", {{cNPoint, "126"}}, 1844, "125"},
          {"registers: 0 points", {{cNPoint, "0"}}, 1844, "125"},
          {"Input Register: 126 points", {{cType, "Input Register"}, {cNPoint, "126"}}, 1844, "125"},
          {"unknown type counts as registers", {{cType, "Foo"}, {cNPoint, "126"}}, 1844, "125"},
          {"coils: 2000 points", {{cType, "Coil Status"}, {cNPoint, "2000"}, {cBit, "0"}}, std::nullopt},
          {"coils: 2001 points", {{cType, "Coil Status"}, {cNPoint, "2001"}}, 1844, "2000"},
          {"inputs, trimmed and upper-cased", {{cType, " input status "}, {cNPoint, "2001"}}, 1844, "2000"},
          {"poll time 0", {{cPollTime, "0"}}, 1899},
          {"poll time 1", {{cPollTime, "1"}}, std::nullopt},
          {"poll time 100000000", {{cPollTime, "100000000"}}, std::nullopt},
          {"poll time 100000001", {{cPollTime, "100000001"}}, 1899},
          {"max error 0", {{cMaxError, "0"}}, std::nullopt},
          {"max error -1", {{cMaxError, "-1"}}, 1846},
          {"max error 100000001", {{cMaxError, "100000001"}}, 1846},
          {"position 1500", {{cPosition, "1500"}}, 1847, "1499"},
          {"position empty", {{cPosition, ""}}, 1847, "1499"},
          {"registers at 1499, 1 point: last byte 1500", {{cPosition, "1499"}, {cNPoint, "1"}}, 1849},
          {"registers at 1498, 1 point", {{cPosition, "1498"}, {cNPoint, "1"}}, std::nullopt},
          {"registers at 1250, 125 points: last byte 1499", {{cPosition, "1250"}, {cNPoint, "125"}}, std::nullopt},
          {"bits at 1499, start bit 7, 2 points",
           {{cType, "Coil Status"}, {cPosition, "1499"}, {cBit, "7"}, {cNPoint, "2"}}, 1849},
          {"bits at 1499, start bit 0, 8 points",
           {{cType, "Coil Status"}, {cPosition, "1499"}, {cBit, "0"}, {cNPoint, "8"}}, std::nullopt},
          {"bits without a start bit", {{cType, "Input Status"}, {cBit, ""}}, 1848},
          {"bits: a start bit that is no number counts 0",
           {{cType, "Coil Status"}, {cPosition, "1499"}, {cBit, "x"}, {cNPoint, "8"}}, std::nullopt},
          {"registers need no start bit", {{cBit, ""}}, std::nullopt},
      },
      Modbus_Read_Limits);
}

TEST(ModbusChecks, WriteRule) {
  runCases(
      {
          {"the base rule passes", {}, std::nullopt},
          {"IP", {{cIP, "1.2.3.999"}}, 1850},
          {"port", {{cPort, "-1"}}, 1851},
          {"slave id", {{cSlaveID, "0"}}, 1852},
          {"type", {{cType, ""}}, 1853},
          {"address", {{cAddress, "70000"}}, 1854},
          {"registers: 123 points", {{cNPoint, "123"}}, std::nullopt},
          {"registers: 124 points", {{cNPoint, "124"}}, 1855, "123"},
          {"coils: 1968 points", {{cType, "Coil Status"}, {cNPoint, "1968"}, {cBit, "0"}}, std::nullopt},
          {"coils: 1969 points", {{cType, "Coil Status"}, {cNPoint, "1969"}}, 1855, "1968"},
          {"Input Status writes registers", {{cType, "Input Status"}, {cNPoint, "124"}}, 1855, "123"},
          {"poll time 0 passes", {{cPollTime, "0"}}, std::nullopt},
          {"poll time -1", {{cPollTime, "-1"}}, 1856},
          {"max error", {{cMaxError, "100000001"}}, 1857},
          {"position", {{cPosition, "1500"}}, 1858, "1499"},
          {"coils without a start bit", {{cType, "COIL STATUS"}, {cBit, ""}}, 1859},
          {"last byte", {{cPosition, "1499"}, {cNPoint, "1"}}, 1860},
      },
      Modbus_Write_Limits);
}

void setRead(TEditorTable& t, int row, const char* enable, const char* ip, const char* npoint) {
  const QStringList cells{S(enable), S(ip), S("502"), S("1"), S("Holding Register"), S("0"), S(npoint), S("1000"),
                          S("0"),    S("0")};
  for (int i = 0; i < cells.size(); ++i) t.SetCell(i + 1, row, cells[i]);
}

// Which rows are checked: rows up to the first empty address whose trimmed Enable
// is "Y"; the Read table before the Write table; the row number in the failure.
TEST(ModbusChecks, TablesRowsAndOrder) {
  TModbusTCPMasterModel m;
  EXPECT_EQ(Controllo_dati(m.Read, m.Write, m.NByte_IN, m.NByte_OUT), std::nullopt);

  setRead(m.Read, 1, "Y", "10.0.0.1", "1");
  setRead(m.Read, 2, "N", "bad", "0");  // disabled
  setRead(m.Read, 3, "", "bad", "0");   // never touched: off
  setRead(m.Read, 4, " Y ", "10.0.0.4", "126");
  for (int col = 1; col <= 8; ++col) m.Write.SetCell(col, 1, m.Read.Cell(col, 1));
  m.Write.SetCell(kMB_NPoint, 1, S("124"));
  EXPECT_EQ(Controllo_dati(m.Read, m.Write, m.NByte_IN, m.NByte_OUT), (TRowCheckFailure{4, 1844, S("125")}));

  m.Read.SetCell(kMB_IP_Address, 4, S("  "));  // ends the Read table
  EXPECT_EQ(Controllo_dati(m.Read, m.Write, m.NByte_IN, m.NByte_OUT), (TRowCheckFailure{1, 1855, S("123")}));
  m.Write.SetCell(kMB_NPoint, 1, S("123"));
  EXPECT_EQ(Controllo_dati(m.Read, m.Write, m.NByte_IN, m.NByte_OUT), (TRowCheckFailure{1, 1857, {}}));
  m.Write.SetCell(kMBW_MaxError, 1, S("0"));
  EXPECT_EQ(Controllo_dati(m.Read, m.Write, m.NByte_IN, m.NByte_OUT), (TRowCheckFailure{1, 1858, S("1499")}));
  m.Write.SetCell(kMBW_Position, 1, S("0"));
  EXPECT_EQ(Controllo_dati(m.Read, m.Write, m.NByte_IN, m.NByte_OUT), std::nullopt);
}

TEST(ModbusChecks, MessageFromTheLanguageTexts) {
  Load_Default_Texts();
  EXPECT_EQ(Row_Check_Message({4, 1844, S("125")}, kMB_Error_Row_Text),
            S("Error row 4!! [Modbus Read] NPoint must be between 1 and 125"));
  EXPECT_EQ(Row_Check_Message({1, 1858, S("1499")}, kMB_Error_Row_Text),
            S("Error row 1!! [Modbus Write] Position must be between 0 and 1499"));
}

}  // namespace
