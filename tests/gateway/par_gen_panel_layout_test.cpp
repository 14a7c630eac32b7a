// The layout routines of the communication-parameter panels without widgets: for
// each choice a panel depends on, which rows show, where they stand and how high
// the panel gets; the DHCP rule per panel; the steps some models take on whole
// panels. Expected tops and heights are worked out by hand from the row grid
// (label of row r at 12 + 28 r, inputs 3 above it, gateway edits 2 above it) and
// the height rule (lowest visible bottom + 12 + 24).
#include "gateway/par_gen_panel_layout.h"

#include "gateway/par_gen_layout.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

namespace {

using TShown = std::vector<std::pair<std::string, int>>;  // label or check box, its top

// The visible rows of a layout, top to bottom.
TShown Shown(TParGenPanel panel, const TParGenPanelLayout& layout) {
  const auto rows = Panel_Rows(panel);
  TShown shown;
  for (size_t r = 0; r < rows.size(); ++r)
    if (layout.Rows[r].Visible) shown.emplace_back(QString::fromUtf16(rows[r].First).toStdString(), layout.Rows[r].Top);
  std::stable_sort(shown.begin(), shown.end(), [](const auto& a, const auto& b) { return a.second < b.second; });
  return shown;
}

size_t Row_Index(TParGenPanel panel, const char16_t* first) {
  const auto rows = Panel_Rows(panel);
  for (size_t r = 0; r < rows.size(); ++r)
    if (std::u16string_view(rows[r].First) == first) return r;
  ADD_FAILURE() << "no row " << QString::fromUtf16(first).toStdString();
  return 0;
}

// Top of a control of a laid-out panel (an input, an address edit).
int Control_Top(TParGenPanel panel, const TParGenPanelLayout& layout, const char* name) {
  const auto rows = Panel_Rows(panel);
  for (size_t r = 0; r < rows.size(); ++r)
    for (const TControlPlacement& p : Row_Placements_At(rows[r], layout.Rows[r].Top))
      if (p.Name == QLatin1String(name)) return p.Top;
  ADD_FAILURE() << "no control " << name;
  return -1;
}

struct TLayoutCase {
  const char* Title;
  TParGenPanel Panel;
  TParGenChoices Choices;
  TShown Rows;
  int Height;
};

const TLayoutCase kChoice_Cases[] = {
    // BACnet master: BACnet/IP shows the address block and its rows; MS/TP stacks
    // its seven rows from the first address row.
    {"BACnet master IP",
     CP_BACnet_Master,
     {},
     {{"L_BACnet_Master_Type", 12},
      {"L_BACnet_IP_Master_IP", 40},
      {"L_BACnet_IP_Master_SM", 68},
      {"CB_BACnet_IP_Master_GAT", 96},
      {"L_BACnet_IP_Master_Port", 124},
      {"L_BACnet_IP_Master_Device_Name", 152},
      {"L_BACnet_IP_Master_Device_Identifier", 180},
      {"L_BACnet_IP_Master_TimeOut_Polling", 208}},
     262},
    {"BACnet master MS/TP",
     CP_BACnet_Master,
     {.BACnet_Master_Type = 1},
     {{"L_BACnet_Master_Type", 12},
      {"L_BACnet_MSTP_Master_Baudrate", 40},
      {"L_BACnet_MSTP_Master_Parity", 68},
      {"L_BACnet_MSTP_Master_Device_Name", 96},
      {"L_BACnet_MSTP_Master_MAC_Address", 124},
      {"L_BACnet_MSTP_Master_Max_Master", 152},
      {"L_BACnet_MSTP_Master_Max_Info_Frame", 180},
      {"L_BACnet_MSTP_Master_Device_Instance", 208}},
     262},
    // BACnet slave: no time-out row, an eighth MS/TP row, and the description box
    // last in both states.
    {"BACnet slave IP",
     CP_BACnet_Slave,
     {},
     {{"L_BACnet_Slave_Type", 12},
      {"L_BACnet_IP_Slave_IP", 40},
      {"L_BACnet_IP_Slave_SM", 68},
      {"CB_BACnet_IP_Slave_GAT", 96},
      {"L_BACnet_IP_Slave_Port", 124},
      {"L_BACnet_IP_Slave_Device_Name", 152},
      {"L_BACnet_IP_Slave_Device_Identifier", 180},
      {"CB_BACnet_Slave_Desc_32_Chars", 208}},
     261},
    {"BACnet slave MS/TP",
     CP_BACnet_Slave,
     {.BACnet_Slave_Type = 1},
     {{"L_BACnet_Slave_Type", 12},
      {"L_BACnet_MSTP_Slave_Baudrate", 40},
      {"L_BACnet_MSTP_Slave_Parity", 68},
      {"L_BACnet_MSTP_Slave_Device_Name", 96},
      {"L_BACnet_MSTP_Slave_MAC_Address", 124},
      {"L_BACnet_MSTP_Slave_Max_Master", 152},
      {"L_BACnet_MSTP_Slave_Max_Info_Frame", 180},
      {"L_BACnet_MSTP_Slave_Device_Instance", 208},
      {"L_BACnet_MSTP_Slave_Network", 236},
      {"CB_BACnet_Slave_Desc_32_Chars", 264}},
     317},
    // MQTT: the will rows, then the publish box, the connection rows and the user
    // name and password counted from it; the rows of other versions never show.
    {"MQTT will and publish",
     CP_MQTT,
     {.MQTT_WillFlag = true, .MQTT_PublishTopicConnection = true},
     {{"L_MQTT_Server", 12},
      {"L_MQTT_Server_Port", 40},
      {"L_MQTT_Client_ID", 68},
      {"L_MQTT_Keep_Alive", 96},
      {"CB_MQTT_Clean_Session", 124},
      {"CB_MQTT_WillFlag", 152},
      {"L_MQTT_Will_TopicName", 180},
      {"L_MQTT_Will_Message", 208},
      {"CB_MQTT_Will_Retained", 236},
      {"L_MQTT_Will_QoS", 264},
      {"CB_MQTT_PublishTopicConnection", 292},
      {"L_MQTT_Connection_TopicName", 320},
      {"L_MQTT_Connection_Message", 348},
      {"CB_MQTT_Connection_Retained", 376},
      {"L_MQTT_Username", 404},
      {"L_MQTT_Password", 432}},
     488},
    {"MQTT will only",
     CP_MQTT,
     {.MQTT_WillFlag = true},
     {{"L_MQTT_Server", 12},
      {"L_MQTT_Server_Port", 40},
      {"L_MQTT_Client_ID", 68},
      {"L_MQTT_Keep_Alive", 96},
      {"CB_MQTT_Clean_Session", 124},
      {"CB_MQTT_WillFlag", 152},
      {"L_MQTT_Will_TopicName", 180},
      {"L_MQTT_Will_Message", 208},
      {"CB_MQTT_Will_Retained", 236},
      {"L_MQTT_Will_QoS", 264},
      {"CB_MQTT_PublishTopicConnection", 292},
      {"L_MQTT_Username", 320},
      {"L_MQTT_Password", 348}},
     404},
    {"MQTT publish only",
     CP_MQTT,
     {.MQTT_PublishTopicConnection = true},
     {{"L_MQTT_Server", 12},
      {"L_MQTT_Server_Port", 40},
      {"L_MQTT_Client_ID", 68},
      {"L_MQTT_Keep_Alive", 96},
      {"CB_MQTT_Clean_Session", 124},
      {"CB_MQTT_WillFlag", 152},
      {"CB_MQTT_PublishTopicConnection", 180},
      {"L_MQTT_Connection_TopicName", 208},
      {"L_MQTT_Connection_Message", 236},
      {"CB_MQTT_Connection_Retained", 264},
      {"L_MQTT_Username", 292},
      {"L_MQTT_Password", 320}},
     376},
    {"MQTT neither",
     CP_MQTT,
     {},
     {{"L_MQTT_Server", 12},
      {"L_MQTT_Server_Port", 40},
      {"L_MQTT_Client_ID", 68},
      {"L_MQTT_Keep_Alive", 96},
      {"CB_MQTT_Clean_Session", 124},
      {"CB_MQTT_WillFlag", 152},
      {"CB_MQTT_PublishTopicConnection", 180},
      {"L_MQTT_Username", 208},
      {"L_MQTT_Password", 236}},
     292},
    // TLS: everything below the enable box needs it; the client box follows the
    // server box, or the server certificate edit (3 above its label) when shown.
    {"TLS off, authentications checked",
     CP_TLS,
     {.TLS_En_Server_Auth = true, .TLS_En_Client_Auth = true},
     {{"CB_TLS_Enable", 12}},
     65},
    {"TLS on, no authentication",
     CP_TLS,
     {.TLS_Enable = true},
     {{"CB_TLS_Enable", 12}, {"CB_TLS_En_Server_Auth", 40}, {"CB_TLS_En_Client_Auth", 68}},
     121},
    {"TLS on, server authentication",
     CP_TLS,
     {.TLS_Enable = true, .TLS_En_Server_Auth = true},
     {{"CB_TLS_Enable", 12}, {"CB_TLS_En_Server_Auth", 40}, {"L_TLS_Server_Cert", 68}, {"CB_TLS_En_Client_Auth", 93}},
     146},
    {"TLS on, client authentication",
     CP_TLS,
     {.TLS_Enable = true, .TLS_En_Client_Auth = true},
     {{"CB_TLS_Enable", 12},
      {"CB_TLS_En_Server_Auth", 40},
      {"CB_TLS_En_Client_Auth", 68},
      {"L_TLS_Client_Cert", 96},
      {"L_TLS_Client_Cert_Key", 124},
      {"L_TLS_Client_Cert_Key_Pass", 152}},
     206},
    {"TLS on, both authentications",
     CP_TLS,
     {.TLS_Enable = true, .TLS_En_Server_Auth = true, .TLS_En_Client_Auth = true},
     {{"CB_TLS_Enable", 12},
      {"CB_TLS_En_Server_Auth", 40},
      {"L_TLS_Server_Cert", 68},
      {"CB_TLS_En_Client_Auth", 93},
      {"L_TLS_Client_Cert", 121},
      {"L_TLS_Client_Cert_Key", 149},
      {"L_TLS_Client_Cert_Key_Pass", 177}},
     231},
    // SNMP agent: the version-3 rows need the version 3 box; the security level
    // adds the authority rows (1) and the privacy rows (2 and above). The rows keep
    // their design places.
    {"SNMP agent without version 3, level 2",
     CP_SNMP_Agent,
     {.SNMP_Agent_SecurityLevel = 2},
     {{"L_SNMP_Agent_IP", 12},
      {"L_SNMP_Agent_SM", 40},
      {"CB_SNMP_Agent_GAT", 68},
      {"L_SNMP_Agent_NameStation", 96},
      {"L_SNMP_Agent_Contact", 124},
      {"L_SNMP_Agent_Location", 152},
      {"L_SNMP_Agent_Version", 180}},
     233},
    {"SNMP agent version 3, no authority",
     CP_SNMP_Agent,
     {.SNMP_Agent_Version3 = true},
     {{"L_SNMP_Agent_IP", 12},
      {"L_SNMP_Agent_SM", 40},
      {"CB_SNMP_Agent_GAT", 68},
      {"L_SNMP_Agent_NameStation", 96},
      {"L_SNMP_Agent_Contact", 124},
      {"L_SNMP_Agent_Location", 152},
      {"L_SNMP_Agent_Version", 180},
      {"L_SNMP_Agent_User", 208},
      {"L_SNMP_Agent_SecurityLevel", 236}},
     291},
    {"SNMP agent version 3, authority",
     CP_SNMP_Agent,
     {.SNMP_Agent_Version3 = true, .SNMP_Agent_SecurityLevel = 1},
     {{"L_SNMP_Agent_IP", 12},
      {"L_SNMP_Agent_SM", 40},
      {"CB_SNMP_Agent_GAT", 68},
      {"L_SNMP_Agent_NameStation", 96},
      {"L_SNMP_Agent_Contact", 124},
      {"L_SNMP_Agent_Location", 152},
      {"L_SNMP_Agent_Version", 180},
      {"L_SNMP_Agent_User", 208},
      {"L_SNMP_Agent_SecurityLevel", 236},
      {"L_SNMP_Agent_Authority", 264},
      {"L_SNMP_Agent_AuthorityMode", 292}},
     347},
    {"SNMP agent version 3, authority and privacy",
     CP_SNMP_Agent,
     {.SNMP_Agent_Version3 = true, .SNMP_Agent_SecurityLevel = 2},
     {{"L_SNMP_Agent_IP", 12},
      {"L_SNMP_Agent_SM", 40},
      {"CB_SNMP_Agent_GAT", 68},
      {"L_SNMP_Agent_NameStation", 96},
      {"L_SNMP_Agent_Contact", 124},
      {"L_SNMP_Agent_Location", 152},
      {"L_SNMP_Agent_Version", 180},
      {"L_SNMP_Agent_User", 208},
      {"L_SNMP_Agent_SecurityLevel", 236},
      {"L_SNMP_Agent_Authority", 264},
      {"L_SNMP_Agent_AuthorityMode", 292},
      {"L_SNMP_Agent_Privacy", 320},
      {"L_SNMP_Agent_PrivacyMode", 348}},
     403},
    // TLS server: everything below the enable box needs it.
    {"TLS server off", CP_TLS_Server, {}, {{"CB_TLS_Server_Enable", 12}}, 65},
    {"TLS server on",
     CP_TLS_Server,
     {.TLS_Server_Enable = true},
     {{"CB_TLS_Server_Enable", 12},
      {"L_TLS_Server_Key", 40},
      {"L_TLS_Server_Key_Pass", 68},
      {"L_TLS_Server_Server_Cert", 96},
      {"L_TLS_Server_Root_Cert", 124},
      {"CB_TLS_Server_En_Known_Cert", 152}},
     205},
    // PROFINET: the diagnostic row never shows and the reset box takes its place.
    {"PROFINET",
     CP_PROFINET,
     {},
     {{"L_PROFINET_IP", 12},
      {"L_PROFINET_SM", 40},
      {"CB_PROFINET_GAT", 68},
      {"L_PROFINET_TunnelPort", 96},
      {"L_PROFINET_NameStation", 124},
      {"L_PROFINET_NByte_In", 152},
      {"L_PROFINET_NByte_Out", 180},
      {"CB_PROFINET_Disable_Reset", 208}},
     261},
    // Ethernet: the port rows never show.
    {"Ethernet", CP_Ethernet, {}, {{"L_Ethernet_IP", 12}, {"L_Ethernet_SM", 40}, {"CB_Ethernet_En_GAT", 68}}, 123},
    // Wi-Fi: the shown rows follow the type row 28 apart, without gaps; the
    // captions and the second address block never show.
    {"Wi-Fi access point, unsecured, no DHCP server",
     CP_WiFi2,
     {},
     {{"L_WiFi2_Type", 12},
      {"L_WiFi2_IP1_IP", 40},
      {"L_WiFi2_IP1_SM", 68},
      {"CB_WiFi2_IP1_En_GAT", 96},
      {"L_WiFi2_SSID", 124},
      {"L_WiFi2_Secure_Type", 152},
      {"CB_WiFi2_En_DHCP", 180},
      {"L_WiFi2_Max_Client", 208},
      {"L_WiFi2_Channel", 236}},
     291},
    {"Wi-Fi access point, secured, DHCP server",
     CP_WiFi2,
     {.WiFi2_Secure_Type = 2, .WiFi2_En_DHCP = true},
     {{"L_WiFi2_Type", 12},
      {"L_WiFi2_IP1_IP", 40},
      {"L_WiFi2_IP1_SM", 68},
      {"CB_WiFi2_IP1_En_GAT", 96},
      {"L_WiFi2_SSID", 124},
      {"L_WiFi2_Secure_Type", 152},
      {"L_WiFi2_Password", 180},
      {"CB_WiFi2_En_DHCP", 208},
      {"L_WiFi2_DHCP_First_IP", 236},
      {"L_WiFi2_DHCP_SM", 264},
      {"L_WiFi2_Lease_Time", 292},
      {"L_WiFi2_Max_Client", 320},
      {"L_WiFi2_Channel", 348}},
     403},
    {"Wi-Fi station (security and DHCP server ignored)",
     CP_WiFi2,
     {.WiFi2_Type = 1, .WiFi2_Secure_Type = 0, .WiFi2_En_DHCP = true},
     {{"L_WiFi2_Type", 12},
      {"L_WiFi2_IP1_IP", 40},
      {"L_WiFi2_IP1_SM", 68},
      {"CB_WiFi2_IP1_En_GAT", 96},
      {"L_WiFi2_SSID", 124},
      {"L_WiFi2_Password", 152}},
     206},
};

}  // namespace

TEST(ParGenPanelLayout, EachChoiceGivesItsRowsTopsAndHeight) {
  for (const TLayoutCase& c : kChoice_Cases) {
    SCOPED_TRACE(c.Title);
    const TParGenPanelLayout layout = Panel_Layout(c.Panel, c.Choices);
    ASSERT_EQ(layout.Rows.size(), Panel_Rows(c.Panel).size());
    EXPECT_EQ(Shown(c.Panel, layout), c.Rows);
    EXPECT_EQ(layout.Height, c.Height);
  }
}

TEST(ParGenPanelLayout, MovedInputsKeepTheirPlaceBesideTheirLabel) {
  // MS/TP: the first input takes the first address edit's place, 3 above its label.
  const TParGenPanelLayout ip = Panel_Layout(CP_BACnet_Master, {});
  const TParGenPanelLayout mstp = Panel_Layout(CP_BACnet_Master, {.BACnet_Master_Type = 1});
  EXPECT_EQ(Control_Top(CP_BACnet_Master, ip, "E_BACnet_IP_Master_IP1"), 37);
  EXPECT_EQ(Control_Top(CP_BACnet_Master, mstp, "CB_BACnet_MSTP_Master_Baudrate"), 37);
  EXPECT_EQ(Control_Top(CP_BACnet_Master, mstp, "E_BACnet_MSTP_Master_Device_Instance"), 205);
  // Wi-Fi station: the gateway edits 2 above their row, the password edit 3 above.
  const TParGenPanelLayout station = Panel_Layout(CP_WiFi2, {.WiFi2_Type = 1});
  EXPECT_EQ(Control_Top(CP_WiFi2, station, "CB_WiFi2_IP1_En_GAT"), 96);
  EXPECT_EQ(Control_Top(CP_WiFi2, station, "E_WiFi2_IP1_GAT4"), 94);
  EXPECT_EQ(Control_Top(CP_WiFi2, station, "E_WiFi2_Password"), 149);
  // MQTT: the password is a rich edit, 23 high, which sets the panel's end.
  const TParGenPanelLayout mqtt = Panel_Layout(CP_MQTT, {});
  EXPECT_EQ(Control_Top(CP_MQTT, mqtt, "E_MQTT_Password"), 233);
  EXPECT_EQ(Control_Top(CP_MQTT, mqtt, "E_MQTT_Username"), 205);
}

TEST(ParGenPanelLayout, PanelsWithoutChoicesEndAtTheirLastRow) {
  const std::pair<TParGenPanel, int> heights[] = {
      {CP_Ethernet_Connection, 206}, {CP_EtherCAT_Slave, 149},   {CP_Modbus_TCP_Master, 178},
      {CP_Modbus_TCP_Slave, 150},    {CP_Serial, 151},           {CP_Modbus_Master, 206},
      {CP_Modbus_Slave, 205},        {CP_CAN, 67},               {CP_CANopen, 178},
      {CP_DeviceNet_Master, 95},     {CP_DeviceNet_Slave, 150},  {CP_DMX, 94},
      {CP_EtherNetIP, 206},          {CP_IEC61850_Client, 178},  {CP_IEC61850_Server, 178},
      {CP_J1939, 150},               {CP_NTP, 94},               {CP_NMEA2000, 121},
      {CP_OPC_UA_Client, 123},       {CP_OPC_UA_Server, 150},    {CP_SNMP_Manager, 150},
      {CP_Select_Device, 67},        {CP_GSM_GPRS, 178},         {CP_EtherNetIP_Master, 150},
      {CP_S7_Protocol, 123},
  };
  for (const auto& [panel, height] : heights) {
    SCOPED_TRACE(QString::fromUtf16(ParGen_Panels[panel].Name).toStdString());
    for (const TParGenChoices& choices : {TParGenChoices{}, TParGenChoices{.EthConn_En_DHCP_Cable = true}}) {
      const TParGenPanelLayout layout = Panel_Layout(panel, choices);
      EXPECT_EQ(layout.Height, height);
      const auto rows = Panel_Rows(panel);
      for (size_t r = 0; r < rows.size(); ++r) {
        EXPECT_TRUE(layout.Rows[r].Visible);
        EXPECT_EQ(layout.Rows[r].Top, Row_Top(static_cast<int>(r)));
      }
    }
  }
}

TEST(ParGenPanelLayout, CableDHCPGreysTheAddressRowsOfTheMarkedPanels) {
  enum TRule { None, Edits, EditsAndBox };
  const std::pair<TParGenPanel, TRule> rules[] = {
      {CP_Ethernet_Connection, None},  // its DNS rows stay editable
      {CP_Modbus_TCP_Master, None},     {CP_Modbus_TCP_Slave, None},     {CP_EtherNetIP, None},
      {CP_BACnet_Master, EditsAndBox},  {CP_BACnet_Slave, EditsAndBox},  {CP_Ethernet, EditsAndBox},
      {CP_IEC61850_Client, EditsAndBox}, {CP_IEC61850_Server, EditsAndBox}, {CP_OPC_UA_Client, EditsAndBox},
      {CP_OPC_UA_Server, EditsAndBox},  {CP_PROFINET, EditsAndBox},      {CP_SNMP_Manager, EditsAndBox},
      {CP_SNMP_Agent, EditsAndBox},     {CP_EtherNetIP_Master, Edits},   {CP_S7_Protocol, Edits},
  };
  for (const auto& [panel, rule] : rules) {
    SCOPED_TRACE(QString::fromUtf16(ParGen_Panels[panel].Name).toStdString());
    for (bool dhcp : {false, true}) {
      const TParGenPanelLayout layout = Panel_Layout(panel, {.EthConn_En_DHCP_Cable = dhcp});
      const auto rows = Panel_Rows(panel);
      int addressRows = 0;
      for (size_t r = 0; r < rows.size(); ++r) {
        const TParGenRowLayout& row = layout.Rows[r];
        if (rows[r].Kind != TRowKind::Address && rows[r].Kind != TRowKind::Gateway) {
          if (panel == CP_Ethernet_Connection) continue;  // its Wi-Fi DHCP box: below
          EXPECT_EQ(row.InputsEnabled, std::nullopt);
          EXPECT_EQ(row.FirstEnabled, std::nullopt);
          continue;
        }
        ++addressRows;
        EXPECT_EQ(row.InputsEnabled, rule == None ? std::nullopt : std::optional(!dhcp));
        const bool box = rule == EditsAndBox && rows[r].Kind == TRowKind::Gateway;
        EXPECT_EQ(row.FirstEnabled, box ? std::optional(!dhcp) : std::nullopt);
      }
      EXPECT_GE(addressRows, 2);
    }
  }
}

TEST(ParGenPanelLayout, DHCPRulesThatDependOnTheChoices) {
  // BACnet in MS/TP leaves the hidden address rows as they are.
  for (TParGenPanel panel : {CP_BACnet_Master, CP_BACnet_Slave}) {
    const TParGenChoices mstp{.EthConn_En_DHCP_Cable = true, .BACnet_Master_Type = 1, .BACnet_Slave_Type = 1};
    for (const TParGenRowLayout& row : Panel_Layout(panel, mstp).Rows) {
      EXPECT_EQ(row.InputsEnabled, std::nullopt);
      EXPECT_EQ(row.FirstEnabled, std::nullopt);
    }
  }
  // Wi-Fi: the station's address block follows the Wi-Fi DHCP box, not the
  // cable's; the access point leaves it alone; no other row is touched.
  struct {
    int Type;
    bool Cable, WiFi;
    std::optional<bool> Enabled;
  } const wifi[] = {
      {1, false, false, true}, {1, true, false, true},        {1, false, true, false},
      {1, true, true, false},  {0, true, true, std::nullopt}, {0, false, false, std::nullopt},
  };
  const size_t block1[] = {Row_Index(CP_WiFi2, u"L_WiFi2_IP1_IP"), Row_Index(CP_WiFi2, u"L_WiFi2_IP1_SM"),
                           Row_Index(CP_WiFi2, u"CB_WiFi2_IP1_En_GAT")};
  const size_t gateway = block1[2];
  for (const auto& c : wifi) {
    SCOPED_TRACE(testing::Message() << "type " << c.Type << " cable " << c.Cable << " wifi " << c.WiFi);
    const TParGenPanelLayout layout =
        Panel_Layout(CP_WiFi2, {.EthConn_En_DHCP_Cable = c.Cable, .EthConn_En_DHCP_WiFi = c.WiFi, .WiFi2_Type = c.Type});
    for (size_t r = 0; r < layout.Rows.size(); ++r) {
      const bool inBlock1 = std::find(std::begin(block1), std::end(block1), r) != std::end(block1);
      EXPECT_EQ(layout.Rows[r].InputsEnabled, inBlock1 ? c.Enabled : std::nullopt) << r;
      EXPECT_EQ(layout.Rows[r].FirstEnabled, r == gateway ? c.Enabled : std::nullopt) << r;
    }
  }
  // The device's own Wi-Fi DHCP box is greyed in every state.
  for (bool wifiDhcp : {false, true}) {
    const TParGenPanelLayout layout = Panel_Layout(CP_Ethernet_Connection, {.EthConn_En_DHCP_WiFi = wifiDhcp});
    EXPECT_EQ(layout.Rows[Row_Index(CP_Ethernet_Connection, u"CB_EthConn_En_DHCP_WiFi")].FirstEnabled, false);
  }
}

TEST(ParGenPanelLayout, ModelStepsOnWholePanels) {
  struct {
    int Model;
    TParGenChoices Choices;
    std::vector<TParGenPanelStep> Steps;
  } const cases[] = {
      {3, {.BACnet_Master_Type = 1, .Select_Device_Device = 1}, {}},
      {5, {}, {{CP_Ethernet, false, {}, {}}}},
      {5, {.BACnet_Master_Type = 1}, {{CP_Ethernet, true, {}, {}}}},
      {5, {.BACnet_Slave_Type = 1}, {{CP_Ethernet, false, {}, {}}}},  // the other panel's type
      {6, {.BACnet_Slave_Type = 1}, {{CP_Ethernet, true, {}, {}}}},
      {6, {.BACnet_Master_Type = 1}, {{CP_Ethernet, false, {}, {}}}},
      {17, {}, {{CP_WiFi2, {}, false, true}, {CP_GSM_GPRS, {}, false, true}}},
      {17, {.Select_Device_Device = 1}, {{CP_WiFi2, {}, true, false}, {CP_GSM_GPRS, {}, false, true}}},
      {17, {.Select_Device_Device = 2}, {{CP_WiFi2, {}, false, true}, {CP_GSM_GPRS, {}, true, false}}},
      {17, {.Select_Device_Device = -1}, {{CP_WiFi2, {}, false, true}, {CP_GSM_GPRS, {}, true, false}}},
      {18, {}, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Model);
    EXPECT_EQ(Model_Panel_Steps(c.Model, c.Choices), c.Steps);
  }
}

TEST(ParGenPanelLayout, EveryChoiceControlStandsInItsPanel) {
  // The form finds each choice control by its name among the rows' controls; a
  // combo box's change and a check box's click are the events that lay out again.
  for (const TParGenChoiceControl& choice : ParGen_Choice_Controls()) {
    const QString name = QString::fromUtf16(choice.Control);
    SCOPED_TRACE(name.toStdString());
    EXPECT_NE(!choice.Checked, !choice.Index);
    int found = 0;
    for (int p = 0; p < kParGenPanelCount; ++p)
      for (const TParGenRow& row : Panel_Rows(static_cast<TParGenPanel>(p)))
        for (const TControlPlacement& c : Row_Placements(row, 0))
          if (c.Name == name) {
            ++found;
            EXPECT_EQ(c.Kind, choice.Checked ? TControlKind::CheckBox : TControlKind::Combo);
          }
    EXPECT_EQ(found, 1);
  }
  EXPECT_EQ(ParGen_Choice_Controls().size(), 16u);
}
