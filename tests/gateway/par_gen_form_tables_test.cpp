// The communication-parameter form's tables without a window: panel orders and
// captions, the rows and the height rule, the text assignments and the dot chains.
#include "app/language/language.h"
#include "gateway/dot_key_chains.h"
#include "gateway/par_gen_layout.h"
#include "gateway/par_gen_panels.h"
#include "gateway/par_gen_texts.h"

#include <gtest/gtest.h>
#include <algorithm>
#include <map>
#include <numeric>
#include <set>

namespace {

class ParGenTables : public ::testing::Test {
protected:
  void SetUp() override { Load_Default_Texts(); }
  void TearDown() override { Load_Default_Texts(); }
};

std::vector<TControlPlacement> Panel_Placements(TParGenPanel panel) {
  std::vector<TControlPlacement> all;
  const auto rows = Panel_Rows(panel);
  for (size_t r = 0; r < rows.size(); ++r) {
    const auto row = Row_Placements(rows[r], static_cast<int>(r));
    all.insert(all.end(), row.begin(), row.end());
  }
  return all;
}

std::string Name(TParGenPanel panel) { return QString::fromUtf16(ParGen_Panels[panel].Name).toStdString(); }

int Lowest_Bottom(const std::vector<TControlPlacement>& placements) {
  int bottom = 0;
  for (const TControlPlacement& p : placements) bottom = std::max(bottom, p.Top + p.Height);
  return bottom;
}

}  // namespace

TEST_F(ParGenTables, ServedModelShowsThreePanelsNumberedFromOne) {
  const auto order = Panel_Order(kServed_Model);
  ASSERT_EQ(order.size(), 3u);
  EXPECT_EQ(order[0], CP_Ethernet_Connection);
  EXPECT_EQ(order[1], CP_EtherCAT_Slave);
  EXPECT_EQ(order[2], CP_Modbus_TCP_Master);
  EXPECT_EQ(Panel_Caption(1, order[0]), "1. Ethernet Connection");
  EXPECT_EQ(Panel_Caption(2, order[1]), "2. EtherCAT Slave");
  EXPECT_EQ(Panel_Caption(3, order[2]), "3. Modbus TCP Master");
}

TEST_F(ParGenTables, EveryPanelIsShownBySomeModelAndNumberedByItsPlace) {
  std::set<TParGenPanel> shown;
  for (const TParGenModelOrder& o : ParGen_Model_Orders) {
    EXPECT_EQ(o.Panels[0], CP_Ethernet_Connection) << o.Model;
    EXPECT_EQ(o.Panels[1], CP_EtherCAT_Slave) << o.Model;
    for (int k = 0; k < o.Count; ++k) shown.insert(o.Panels[k]);
  }
  EXPECT_EQ(shown.size(), static_cast<size_t>(kParGenPanelCount));
  // One panel carries another number in each model.
  const struct { int model; int number; } ethernet[] = {{12, 3}, {0, 4}, {17, 5}};
  for (const auto& c : ethernet) {
    const auto order = Panel_Order(c.model);
    const auto at = std::find(order.begin(), order.end(), CP_Ethernet) - order.begin() + 1;
    EXPECT_EQ(at, c.number) << c.model;
    EXPECT_EQ(Panel_Caption(c.number, CP_Ethernet), QString::number(c.number) + ". Ethernet");
  }
  const auto model17 = Panel_Order(17);
  ASSERT_EQ(model17.size(), 9u);
  EXPECT_EQ(Panel_Caption(9, model17[8]), "9. GSM / GPRS / LTE");
  EXPECT_TRUE(Panel_Order(18).empty());
  EXPECT_TRUE(Panel_Order(22).empty());
}

TEST_F(ParGenTables, CaptionFollowsTheLanguageList) {
  Language_Texts.Put(1544, QStringLiteral("Connessione Ethernet"));
  EXPECT_EQ(Panel_Caption(1, CP_Ethernet_Connection), "1. Connessione Ethernet");
}

TEST_F(ParGenTables, ServedPanelsAreSizedByTheirLowestControl) {
  const struct { TParGenPanel panel; int height; } cases[] = {
      {CP_Ethernet_Connection, 206}, {CP_EtherCAT_Slave, 149}, {CP_Modbus_TCP_Master, 178}};
  for (const auto& c : cases)
    EXPECT_EQ(Panel_Height(Lowest_Bottom(Panel_Placements(c.panel))), c.height) << Name(c.panel);
}

TEST_F(ParGenTables, AddressRowsFollowTheGrid) {
  // The gateway row of the Modbus TCP master panel: a narrow check box and four
  // edits two pixels above the label top, dots on the label top.
  const auto rows = Panel_Rows(CP_Modbus_TCP_Master);
  const auto gateway = Row_Placements(rows[2], 2);
  ASSERT_EQ(gateway.size(), 8u);
  EXPECT_EQ(gateway[0].Name, "CB_ModbusTCPMaster_En_GAT");
  EXPECT_EQ(gateway[0].Width, 175);
  EXPECT_EQ(gateway[0].Top, 68);
  const int lefts[] = {191, 252, 313, 374};
  for (int part = 0; part < 4; ++part) {
    const TControlPlacement& e = gateway[1 + 2 * part];
    EXPECT_EQ(e.Name, "E_ModbusTCPMaster_GAT" + QString::number(part + 1));
    EXPECT_EQ(e.Left, lefts[part]);
    EXPECT_EQ(e.Top, 66);
    EXPECT_EQ(e.Width, 55);
  }
  EXPECT_EQ(gateway[2].Kind, TControlKind::DotLabel);
  EXPECT_EQ(gateway[2].Left, 247);
  EXPECT_EQ(gateway[2].Top, 68);
}

TEST_F(ParGenTables, ThePanelsHoldTheFormsControlCounts) {
  std::map<TControlKind, int> kinds;
  int addressEdits = 0;
  std::set<QString> names;
  for (int p = 0; p < kParGenPanelCount; ++p) {
    const auto rows = Panel_Rows(static_cast<TParGenPanel>(p));
    for (size_t r = 0; r < rows.size(); ++r) {
      const bool address = rows[r].Kind == TRowKind::Address || rows[r].Kind == TRowKind::Gateway;
      for (const TControlPlacement& c : Row_Placements(rows[r], static_cast<int>(r))) {
        ++kinds[c.Kind];
        if (address && c.Kind == TControlKind::Edit) ++addressEdits;
        if (!c.Name.isEmpty()) EXPECT_TRUE(names.insert(c.Name).second) << c.Name.toStdString();
      }
    }
  }
  EXPECT_EQ(addressEdits, 220);
  EXPECT_EQ(kinds[TControlKind::Edit], 306);
  EXPECT_EQ(kinds[TControlKind::Combo], 35);
  EXPECT_EQ(kinds[TControlKind::RichEdit], 7);
  EXPECT_EQ(kinds[TControlKind::CheckBox], 44);
  for (const char16_t* field : ParGen_Field_Controls) EXPECT_TRUE(names.count(QString::fromUtf16(field)));
}

TEST_F(ParGenTables, EveryPanelTakesExactlyTheTextsOfItsRuns) {
  int total = 0;
  std::set<QString> names;
  for (int p = 0; p < kParGenPanelCount; ++p)
    for (const TControlPlacement& c : Panel_Placements(static_cast<TParGenPanel>(p))) names.insert(c.Name);
  for (int p = 0; p < kParGenPanelCount; ++p) {
    const auto panel = static_cast<TParGenPanel>(p);
    std::vector<int> expected;
    for (const TTextRun& run : Panel_Text_Runs(panel))
      for (int i = run.First; i <= run.Last; ++i) expected.push_back(i);
    std::vector<int> taken;
    for (const TTextAssignment& a : Panel_Text_Assignments(panel)) {
      EXPECT_TRUE(names.count(a.Control)) << a.Control.toStdString();
      for (int i = 0; i < a.Count; ++i) taken.push_back(a.Text < 0 ? -1 : a.Text + i);
    }
    EXPECT_EQ(taken, expected) << Name(panel);
    total += static_cast<int>(taken.size());
  }
  total += static_cast<int>(Form_Text_Assignments().size());
  EXPECT_EQ(total, 623);
}

TEST_F(ParGenTables, ServedPanelTextsAndTheExceptions) {
  const auto& all = ParGen_Text_Assignments();
  auto find = [&](const QString& control, TTextTarget target) {
    const auto it = std::find_if(all.begin(), all.end(),
                                 [&](const TTextAssignment& a) { return a.Control == control && a.Target == target; });
    return it == all.end() ? -1 : it->Text;
  };
  const struct { const char* control; TTextTarget target; int text; } cases[] = {
      {"L_EthConn_Device_Name", TTextTarget::Caption, 1545},
      {"CB_EthConn_En_DHCP_WiFi", TTextTarget::Hint, 1550},
      {"E_EthConn_Sec_DNS_IP4", TTextTarget::Hint, 1562},
      {"L_EtherCAT_Slave_Node_Address", TTextTarget::Caption, 987},
      {"CB_EtherCAT_Slave_Clear_Data", TTextTarget::Caption, 1684},
      {"CB_EtherCAT_Slave_Clear_Data", TTextTarget::Hint, 1685},
      {"CB_ModbusTCPMaster_En_GAT", TTextTarget::Hint, 502},
      {"E_ModbusTCPMaster_GAT1", TTextTarget::Hint, 503},
      {"E_ModbusTCPMaster_CyclicDelay", TTextTarget::Hint, 510},
      {"Btn_Cancel", TTextTarget::Hint, 405},
      {"", TTextTarget::Caption, 400},
      // exceptions of the other panels
      {"L_IEC61850_Server_Port", TTextTarget::Caption, 814},
      {"L_IEC61850_Server_IP", TTextTarget::Caption, 818},
      {"E_CANopen_NetOpe_Delay", TTextTarget::Hint, 663},
      {"L_SNMP_Manager_NameStation", TTextTarget::Caption, 1467},
      {"E_SNMP_Manager_NameStation", TTextTarget::Hint, -1},
      {"CB_SNMP_Agent_Version1", TTextTarget::Caption, -1},
      {"CB_SNMP_Agent_Version3", TTextTarget::Hint, 1506},
      {"CB_PROFINET_Disable_Reset", TTextTarget::Caption, 1686},
      {"L_WiFi2_IP2", TTextTarget::Caption, 907},
      {"CB_WiFi2_Type", TTextTarget::Hint, 887},
      {"CB_MQTT_PublishTopicConnection", TTextTarget::Caption, 1571},
      {"L_MQTT_Username", TTextTarget::Caption, 879},
      {"E_OPC_UA_Server_Port", TTextTarget::Hint, 1392},
      {"L_Ethernet_TCP_Port", TTextTarget::Caption, 716},
  };
  for (const auto& c : cases)
    EXPECT_EQ(find(QString::fromLatin1(c.control), c.target), c.text) << c.control;
  EXPECT_EQ(find(QStringLiteral("L_SW_Code"), TTextTarget::Caption), -1);  // the software code is not translated
}

TEST_F(ParGenTables, WiFiListsComeFromTheLanguageList) {
  const auto& all = ParGen_Text_Assignments();
  std::vector<TTextAssignment> lists;
  std::copy_if(all.begin(), all.end(), std::back_inserter(lists),
               [](const TTextAssignment& a) { return a.Target == TTextTarget::Items; });
  const std::vector<TTextAssignment> expected = {
      {QStringLiteral("CB_WiFi2_Type"), TTextTarget::Items, 888, 2},
      {QStringLiteral("CB_WiFi2_Secure_Type"), TTextTarget::Items, 930, 4},
      {QStringLiteral("CB_WiFi2_Channel"), TTextTarget::Items, 952, 12},
  };
  EXPECT_EQ(lists, expected);
  EXPECT_EQ(Lang_Text(888), "Access Point");
  EXPECT_EQ(Lang_Text(930), "Unsecured");
  EXPECT_EQ(Lang_Text(952), "Auto Search");
  EXPECT_EQ(Lang_Text(963), "11");
}

TEST_F(ParGenTables, EveryOtherComboBoxHasItsDesignedList) {
  std::set<QString> combos;
  for (int p = 0; p < kParGenPanelCount; ++p)
    for (const TControlPlacement& c : Panel_Placements(static_cast<TParGenPanel>(p)))
      if (c.Kind == TControlKind::Combo) combos.insert(c.Name);
  for (const TParGenComboList& list : ParGen_Combo_Lists()) {
    EXPECT_GE(list.Selected, 0);
    EXPECT_LT(list.Selected, static_cast<int>(list.Items.size()));
    for (const char16_t* name : list.Controls)
      EXPECT_EQ(combos.erase(QString::fromUtf16(name)), 1u) << QString::fromUtf16(name).toStdString();
  }
  // Left: the three lists that come from the language list.
  EXPECT_EQ(combos, (std::set<QString>{"CB_WiFi2_Type", "CB_WiFi2_Secure_Type", "CB_WiFi2_Channel"}));
}

TEST(ParGenDotKeys, ChainsMoveToTheNextPartAndStopAtTheirEnd) {
  const struct { const char* from; const char* to; } cases[] = {
      {"E_EthConn_Pri_DNS_IP1", "E_EthConn_Pri_DNS_IP2"},
      {"E_EthConn_Pri_DNS_IP4", "E_EthConn_Sec_DNS_IP1"},
      {"E_EthConn_Sec_DNS_IP4", ""},
      {"E_ModbusTCPMaster_IP4", "E_ModbusTCPMaster_SM1"},
      {"E_ModbusTCPMaster_SM4", "E_ModbusTCPMaster_GAT1"},
      {"E_ModbusTCPMaster_GAT4", ""},
      {"E_Ethernet_IP1", ""},  // another model's address edit: the dot only vanishes
      {"E_EthConn_Device_Name", ""},
  };
  for (const auto& c : cases)
    EXPECT_EQ(Dot_Key_Next(ParGen_Dot_Chains, QString::fromLatin1(c.from)), QString::fromLatin1(c.to)) << c.from;
  const std::span<const char16_t* const> boot[] = {Boot_Dot_Chain};
  EXPECT_EQ(Dot_Key_Next(boot, QStringLiteral("E_IP3")), "E_IP4");
  EXPECT_EQ(Dot_Key_Next(boot, QStringLiteral("E_IP4")), "");
}
