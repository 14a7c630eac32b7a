#include "gateway/par_gen_checks.h"
#include "gateway/par_gen_file.h"

#include "platform/os/files.h"
#include "platform/rtl/exceptions.h"
#include "platform/xml/xml_document.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

static void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace {

QString S(const char16_t* s) { return QString::fromUtf16(s); }

class ParGenFile : public ::testing::Test {
protected:
  QString path() const { return PathJoin(dir.path(), QStringLiteral("ParGen.xml")); }
  void writeText(const QString& text) const { WriteFileWhole(path(), text.toUtf8()); }
  QString fileText() const { return QString::fromUtf8(ReadFileWhole(path())); }

  QTemporaryDir dir;
  TParGenModel model;
};

// What the form shows for each field when the file or the element is missing.
struct DefaultCase {
  TParGenField field;
  const char16_t* element;
  const char16_t* text;
};
const DefaultCase kDefaults[] = {
    {pgDeviceName, u"Eth_Conn_Device_Name", u""},
    {pgDHCPCable, u"Eth_Conn_DHCP_Cable", u"0"},
    {pgDHCPWiFi, u"Eth_Conn_DHCP_WiFi", u"0"},
    {pgEnableDNS, u"Eth_Conn_Enable_DNS", u"0"},
    {pgPrimaryDNS1, u"Eth_Conn_Primary_DNS1", u"8"},
    {pgPrimaryDNS2, u"Eth_Conn_Primary_DNS2", u"8"},
    {pgPrimaryDNS3, u"Eth_Conn_Primary_DNS3", u"8"},
    {pgPrimaryDNS4, u"Eth_Conn_Primary_DNS4", u"8"},
    {pgSecondaryDNS1, u"Eth_Conn_Secondary_DNS1", u"8"},
    {pgSecondaryDNS2, u"Eth_Conn_Secondary_DNS2", u"8"},
    {pgSecondaryDNS3, u"Eth_Conn_Secondary_DNS3", u"4"},
    {pgSecondaryDNS4, u"Eth_Conn_Secondary_DNS4", u"4"},
    {pgRevisionNumber, u"EtherCAT_Slave_Revision_Number", u"0"},
    {pgSlaveName, u"EtherCAT_Slave_Name", u"devicename1"},
    {pgNodeAddress, u"EtherCAT_Slave_Node_Address", u"1"},
    {pgClearData, u"EtherCAT_Slave_Clear_Data", u"0"},
    {pgIP1, u"Modbus_TCP_Master_IP1", u"192"},
    {pgIP2, u"Modbus_TCP_Master_IP2", u"168"},
    {pgIP3, u"Modbus_TCP_Master_IP3", u"0"},
    {pgIP4, u"Modbus_TCP_Master_IP4", u"5"},
    {pgSM1, u"Modbus_TCP_Master_SM1", u"255"},
    {pgSM2, u"Modbus_TCP_Master_SM2", u"255"},
    {pgSM3, u"Modbus_TCP_Master_SM3", u"255"},
    {pgSM4, u"Modbus_TCP_Master_SM4", u"0"},
    {pgGAT1, u"Modbus_TCP_Master_GAT1", u"192"},
    {pgGAT2, u"Modbus_TCP_Master_GAT2", u"168"},
    {pgGAT3, u"Modbus_TCP_Master_GAT3", u"0"},
    {pgGAT4, u"Modbus_TCP_Master_GAT4", u"1"},
    {pgEnableGateway, u"Modbus_TCP_Master_EN_GAT", u"0"},
    {pgTimeOut, u"Modbus_TCP_Master_TimeOut", u"1000"},
    {pgCyclic, u"Modbus_TCP_Master_Cyclic", u"100"},
};

TEST_F(ParGenFile, MissingFileGivesEveryDefault) {
  model.SetText(pgSlaveName, QStringLiteral("stale"));
  EXPECT_EQ(model.Load(path()), QString());
  ASSERT_EQ(std::size(kDefaults), size_t(kParGenFieldCount));
  for (const DefaultCase& c : kDefaults) {
    EXPECT_EQ(model.Text(c.field), S(c.text)) << S(c.element).toStdString();
    EXPECT_EQ(S(ParGen_Fields[c.field].Element), S(c.element));
  }
}

// Each missing element takes its own default; the others keep the file's text. The
// file holds every element but one, with values that differ from every default.
TEST_F(ParGenFile, EachMissingElementTakesItsDefault) {
  for (const DefaultCase& missing : kDefaults) {
    if (missing.field == pgDHCPWiFi) continue;  // never read
    QString xml = QStringLiteral("<Other_Root>");
    for (const DefaultCase& c : kDefaults) {
      if (c.field == missing.field) continue;
      const bool box = ParGen_Fields[c.field].CheckBox;
      xml += QStringLiteral("<%1>%2</%1>").arg(S(c.element), box ? QStringLiteral("1") : QStringLiteral("v"));
    }
    writeText(xml + QStringLiteral("</Other_Root><!--SW_VERSION = 1.001-->"));
    ASSERT_EQ(model.Load(path()), QString());
    for (const DefaultCase& c : kDefaults) {
      QString expected = ParGen_Fields[c.field].CheckBox ? QStringLiteral("1") : QStringLiteral("v");
      if (c.field == missing.field || c.field == pgDHCPWiFi) expected = S(c.text);
      EXPECT_EQ(model.Text(c.field), expected) << "missing " << S(missing.element).toStdString() << ", field "
                                               << S(c.element).toStdString();
    }
  }
}

TEST_F(ParGenFile, CheckBoxIsOnOnlyForExactlyOne) {
  const struct {
    const char* text;
    bool checked;
  } cases[] = {{"1", true}, {"0", false}, {" 1", false}, {"1 ", false}, {"Y", false}, {"true", false}, {"", false}};
  for (const auto& c : cases) {
    writeText(QStringLiteral("<Par_Gen><Eth_Conn_Enable_DNS>%1</Eth_Conn_Enable_DNS></Par_Gen>").arg(c.text));
    ASSERT_EQ(model.Load(path()), QString());
    EXPECT_EQ(model.Checked(pgEnableDNS), c.checked) << c.text;
    EXPECT_EQ(model.Text(pgEnableDNS), c.checked ? QStringLiteral("1") : QStringLiteral("0")) << c.text;
  }
}

TEST_F(ParGenFile, WiFiDhcpIsNeverLoadedAndSavedAsZero) {
  writeText(QStringLiteral("<Par_Gen><Eth_Conn_DHCP_WiFi>1</Eth_Conn_DHCP_WiFi>"
                           "<Eth_Conn_DHCP_Cable>1</Eth_Conn_DHCP_Cable></Par_Gen>"));
  ASSERT_EQ(model.Load(path()), QString());
  EXPECT_FALSE(model.Checked(pgDHCPWiFi));
  EXPECT_TRUE(model.Checked(pgDHCPCable));
  model.Save(path());
  EXPECT_TRUE(fileText().contains(QStringLiteral("<Eth_Conn_DHCP_WiFi>0</Eth_Conn_DHCP_WiFi>"))) << fileText().toStdString();
}

// The whole file as saved: the root, the comment after it, the 31 elements in
// their order (gateway parts before EN_GAT), edit texts unchanged, check boxes 1/0.
TEST_F(ParGenFile, SaveWritesTheExactDocumentAndReadsBack) {
  model.SetText(pgDeviceName, QStringLiteral(" My <Device> & Co "));
  model.SetChecked(pgEnableDNS, true);
  model.SetText(pgPrimaryDNS1, QStringLiteral("abc"));  // not a number: written as it is
  model.SetText(pgRevisionNumber, QStringLiteral("4294967295"));
  model.SetChecked(pgEnableGateway, true);
  model.SetText(pgGAT4, QString());
  model.Save(path());

  QString expected = QStringLiteral("<Par_Gen>\n");
  for (int f = 0; f < kParGenFieldCount; ++f) {
    QString text = model.Text(TParGenField(f)).toHtmlEscaped().replace(QStringLiteral("&quot;"), QStringLiteral("\""));
    const QString element = S(ParGen_Fields[f].Element);
    expected += text.isEmpty() ? QStringLiteral("  <%1></%1>\n").arg(element)
                               : QStringLiteral("  <%1>%2</%1>\n").arg(element, text);
  }
  expected += QStringLiteral("</Par_Gen>\n<!--SW_VERSION = 1.001-->\n");
  EXPECT_EQ(fileText(), expected);

  TParGenModel back;
  ASSERT_EQ(back.Load(path()), QString());
  for (int f = 0; f < kParGenFieldCount; ++f)
    EXPECT_EQ(back.Text(TParGenField(f)), model.Text(TParGenField(f))) << S(ParGen_Fields[f].Element).toStdString();
}

// Edit texts are written and read back unchanged, blanks included.
TEST_F(ParGenFile, BlankTextsRoundTrip) {
  model.SetText(pgDeviceName, QStringLiteral("   "));
  model.SetText(pgTimeOut, QStringLiteral(" 10 "));
  model.Save(path());
  ASSERT_EQ(model.Load(path()), QString());
  EXPECT_EQ(model.Text(pgDeviceName), QStringLiteral("   "));
  EXPECT_EQ(model.Text(pgTimeOut), QStringLiteral(" 10 "));
}

TEST_F(ParGenFile, NeverWritesElementsOfOtherReaders) {
  writeText(QStringLiteral("<Par_Gen><EtherCAT_Slave_Eeprom_Config>01 02</EtherCAT_Slave_Eeprom_Config>"
                           "<BACnet_Type>1</BACnet_Type></Par_Gen>"));
  ASSERT_EQ(model.Load(path()), QString());
  model.Save(path());
  EXPECT_FALSE(fileText().contains(QStringLiteral("Eeprom"))) << fileText().toStdString();
  EXPECT_FALSE(fileText().contains(QStringLiteral("BACnet"))) << fileText().toStdString();
}

TEST_F(ParGenFile, MalformedFileIsAnErrorWithDefaultsAndTheFileKept) {
  const QString broken = QStringLiteral("<Par_Gen><EtherCAT_Slave_Name>x</Par_Gen>");
  writeText(broken);
  model.SetText(pgSlaveName, QStringLiteral("typed"));
  EXPECT_FALSE(model.Load(path()).isEmpty());
  EXPECT_EQ(model.Text(pgSlaveName), QStringLiteral("devicename1"));
  EXPECT_EQ(fileText(), broken);
}

TEST_F(ParGenFile, SaveToAMissingFolderRaises) {
  EXPECT_THROW(model.Save(PathJoin(dir.path(), QStringLiteral("no/such/ParGen.xml"))), EFileError);
}

// --- Checks of OK ---

struct CheckCase {
  const char* what;
  std::vector<std::pair<TParGenField, const char*>> set;  // fields changed from the defaults
  std::optional<int> text;
};

TEST(ParGenChecks, FirstFailureInOrder) {
  const CheckCase cases[] = {
      {"defaults pass", {}, std::nullopt},
      {"DNS off: any DNS text passes", {{pgPrimaryDNS1, ""}, {pgSecondaryDNS4, "abc"}}, std::nullopt},
      {"DNS on, primary 1 of 256", {{pgEnableDNS, "1"}, {pgPrimaryDNS1, "256"}}, 1563},
      {"DNS on, primary 2 of -1", {{pgEnableDNS, "1"}, {pgPrimaryDNS2, "-1"}}, 1564},
      {"DNS on, primary 3 empty", {{pgEnableDNS, "1"}, {pgPrimaryDNS3, ""}}, 1565},
      {"DNS on, primary 4 no number", {{pgEnableDNS, "1"}, {pgPrimaryDNS4, "x"}}, 1566},
      {"DNS on, secondary 1", {{pgEnableDNS, "1"}, {pgSecondaryDNS1, "256"}}, 1567},
      {"DNS on, secondary 2", {{pgEnableDNS, "1"}, {pgSecondaryDNS2, "256"}}, 1568},
      {"DNS on, secondary 3", {{pgEnableDNS, "1"}, {pgSecondaryDNS3, "256"}}, 1569},
      {"DNS on, secondary 4", {{pgEnableDNS, "1"}, {pgSecondaryDNS4, "256"}}, 1570},
      {"DNS on, limits 0 and 255 pass", {{pgEnableDNS, "1"}, {pgPrimaryDNS1, "0"}, {pgSecondaryDNS4, "255"}},
       std::nullopt},
      {"DNS first, IP later", {{pgEnableDNS, "1"}, {pgSecondaryDNS2, ""}, {pgIP1, ""}}, 1568},
      {"revision 4294967295 passes", {{pgRevisionNumber, "4294967295"}}, std::nullopt},
      {"revision $FFFFFFFF passes", {{pgRevisionNumber, "$FFFFFFFF"}}, std::nullopt},
      {"revision 4294967296", {{pgRevisionNumber, "4294967296"}}, 412},
      {"revision empty", {{pgRevisionNumber, ""}}, 412},
      {"revision -1", {{pgRevisionNumber, "-1"}}, 412},
      {"revision before slave name", {{pgRevisionNumber, "x"}, {pgSlaveName, ""}}, 412},
      {"slave name blanks", {{pgSlaveName, "   "}}, 411},
      {"slave name empty", {{pgSlaveName, ""}}, 411},
      {"slave name of 15", {{pgSlaveName, "abcdefghijklmno"}}, std::nullopt},
      {"node 0", {{pgNodeAddress, "0"}}, 989},
      {"node 1", {{pgNodeAddress, "1"}}, std::nullopt},
      {"node 192", {{pgNodeAddress, "192"}}, std::nullopt},
      {"node 193", {{pgNodeAddress, "193"}}, 989},
      {"node empty", {{pgNodeAddress, ""}}, 989},
      {"IP 1", {{pgIP1, "256"}}, 511},
      {"IP 2", {{pgIP2, ""}}, 512},
      {"IP 3", {{pgIP3, "-1"}}, 513},
      {"IP 4", {{pgIP4, "1.0"}}, 514},
      {"mask 1", {{pgSM1, "256"}}, 515},
      {"mask 2", {{pgSM2, "256"}}, 516},
      {"mask 3", {{pgSM3, "256"}}, 517},
      {"mask 4 of 256", {{pgSM4, "256"}}, 518},
      {"gateway off: parts not checked", {{pgGAT1, ""}, {pgGAT4, "999"}}, std::nullopt},
      {"gateway 1", {{pgEnableGateway, "1"}, {pgGAT1, ""}}, 519},
      {"gateway 2", {{pgEnableGateway, "1"}, {pgGAT2, "256"}}, 520},
      {"gateway 3", {{pgEnableGateway, "1"}, {pgGAT3, "256"}}, 521},
      {"gateway 4", {{pgEnableGateway, "1"}, {pgGAT4, "256"}}, 522},
      {"time-out 100000", {{pgTimeOut, "100000"}}, std::nullopt},
      {"time-out 100001", {{pgTimeOut, "100001"}}, 523},
      {"time-out empty", {{pgTimeOut, ""}}, 523},
      {"cyclic 0", {{pgCyclic, "0"}}, std::nullopt},
      {"cyclic 10001", {{pgCyclic, "10001"}}, 524},
      {"cyclic empty", {{pgCyclic, ""}}, 524},
      {"device name never checked", {{pgDeviceName, ""}}, std::nullopt},
  };
  for (const CheckCase& c : cases) {
    TParGenModel model;
    for (const auto& [field, text] : c.set) model.SetText(field, QString::fromUtf8(text));
    EXPECT_EQ(Controllo_Dati(model), c.text) << c.what;
  }
}

}  // namespace
