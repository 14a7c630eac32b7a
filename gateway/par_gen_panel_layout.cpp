#include "gateway/par_gen_panel_layout.h"

#include "gateway/par_gen_layout.h"

#include <algorithm>
#include <stdexcept>
#include <string_view>

namespace {

using TChoices = TParGenChoices;

constexpr TParGenChoiceControl kChoice_Controls[] = {
    {u"CB_EthConn_En_DHCP_Cable", &TChoices::EthConn_En_DHCP_Cable, nullptr},
    {u"CB_EthConn_En_DHCP_WiFi", &TChoices::EthConn_En_DHCP_WiFi, nullptr},
    {u"CB_BACnet_Master_Type", nullptr, &TChoices::BACnet_Master_Type},
    {u"CB_BACnet_Slave_Type", nullptr, &TChoices::BACnet_Slave_Type},
    {u"CB_MQTT_WillFlag", &TChoices::MQTT_WillFlag, nullptr},
    {u"CB_MQTT_PublishTopicConnection", &TChoices::MQTT_PublishTopicConnection, nullptr},
    {u"CB_TLS_Enable", &TChoices::TLS_Enable, nullptr},
    {u"CB_TLS_En_Server_Auth", &TChoices::TLS_En_Server_Auth, nullptr},
    {u"CB_TLS_En_Client_Auth", &TChoices::TLS_En_Client_Auth, nullptr},
    {u"CB_SNMP_Agent_Version3", &TChoices::SNMP_Agent_Version3, nullptr},
    {u"CB_SNMP_Agent_SecurityLevel", nullptr, &TChoices::SNMP_Agent_SecurityLevel},
    {u"CB_TLS_Server_Enable", &TChoices::TLS_Server_Enable, nullptr},
    {u"CB_WiFi2_Type", nullptr, &TChoices::WiFi2_Type},
    {u"CB_WiFi2_Secure_Type", nullptr, &TChoices::WiFi2_Secure_Type},
    {u"CB_WiFi2_En_DHCP", &TChoices::WiFi2_En_DHCP, nullptr},
    {u"CB_Select_Device_Device", nullptr, &TChoices::Select_Device_Device},
};

// One panel's rows while its routine runs: each row starts shown at its design
// place; the steps hide, show and move rows by the name of their label or check
// box, and read the current top of any control of the panel.
class TPanelLayouter {
public:
  explicit TPanelLayouter(TParGenPanel panel) : rows_(Panel_Rows(panel)) {
    layout_.Rows.resize(rows_.size());
    for (size_t r = 0; r < rows_.size(); ++r) layout_.Rows[r].Top = Row_Top(static_cast<int>(r));
  }

  TParGenRowLayout& Row(std::u16string_view first) { return layout_.Rows[Index(first)]; }
  void Show(std::u16string_view first, bool visible = true) { Row(first).Visible = visible; }
  void Hide(std::u16string_view first) { Show(first, false); }
  // Shown, with its label or check box at `top` (its inputs keep their offset).
  void Place(std::u16string_view first, int top) {
    Row(first).Visible = true;
    Row(first).Top = top;
  }

  // The current top of a control of the panel: a label, check box or input.
  int Top(std::u16string_view control) const {
    for (size_t r = 0; r < rows_.size(); ++r)
      for (const TControlPlacement& p : Row_Placements_At(rows_[r], layout_.Rows[r].Top))
        if (p.Name == QStringView(control.data(), static_cast<qsizetype>(control.size()))) return p.Top;
    throw std::logic_error("no such control in the panel");
  }

  // Rows whose label or check box name holds `part`.
  template <typename F>
  void Each_Row_Named(std::u16string_view part, F f) {
    for (const TParGenRow& row : rows_)
      if (std::u16string_view(row.First).find(part) != std::u16string_view::npos) f(row.First);
  }

  // The DHCP rule: the address edits of the panel (and, `withCheckBox`, its gateway
  // check box) are enabled exactly while the device does not take its address by DHCP.
  void Address_Rows_Enabled(bool enabled, bool withCheckBox) {
    for (size_t r = 0; r < rows_.size(); ++r) {
      if (rows_[r].Kind != TRowKind::Address && rows_[r].Kind != TRowKind::Gateway) continue;
      layout_.Rows[r].InputsEnabled = enabled;
      if (withCheckBox && rows_[r].Kind == TRowKind::Gateway) layout_.Rows[r].FirstEnabled = enabled;
    }
  }

  // The height rule, from the lowest visible control.
  TParGenPanelLayout Done() {
    int lowest = 0;
    for (size_t r = 0; r < rows_.size(); ++r) {
      if (!layout_.Rows[r].Visible) continue;
      for (const TControlPlacement& p : Row_Placements_At(rows_[r], layout_.Rows[r].Top))
        lowest = std::max(lowest, p.Top + p.Height);
    }
    layout_.Height = Panel_Height(lowest);
    return std::move(layout_);
  }

private:
  size_t Index(std::u16string_view first) const {
    for (size_t r = 0; r < rows_.size(); ++r)
      if (first == rows_[r].First) return r;
    throw std::logic_error("no such row in the panel");
  }

  std::span<const TParGenRow> rows_;
  TParGenPanelLayout layout_;
};

using L = TPanelLayouter;

void DHCP_Rule(L& l, const TChoices& c, bool withCheckBox) {
  l.Address_Rows_Enabled(!c.EthConn_En_DHCP_Cable, withCheckBox);
}

// The device's own connection: it has no Wi-Fi here, so its Wi-Fi DHCP box is greyed.
void Ethernet_Connection(L& l, const TChoices&) { l.Row(u"CB_EthConn_En_DHCP_WiFi").FirstEnabled = false; }

void Ethernet(L& l, const TChoices& c) {
  l.Hide(u"L_Ethernet_TCP_Port");
  l.Hide(u"L_Ethernet_UDP_Port");
  DHCP_Rule(l, c, true);
}

// The two BACnet panels. BACnet/IP (index 0) shows the rows named _IP_ and lets
// the DHCP rule act on the address rows; any other index hides them and stacks the
// MS/TP rows from the first address row, labels and inputs 28 apart (the inputs
// keep their 3 pixels above the label, as the first address edit does).
void BACnet(L& l, const TChoices& c, int type, std::u16string_view firstAddress) {
  if (type == 0) {
    l.Each_Row_Named(u"_IP_", [&](const char16_t* row) { l.Show(row); });
    l.Each_Row_Named(u"_MSTP_", [&](const char16_t* row) { l.Hide(row); });
    DHCP_Rule(l, c, true);
    return;
  }
  const int top = l.Top(firstAddress);
  l.Each_Row_Named(u"_IP_", [&](const char16_t* row) { l.Hide(row); });
  int k = 0;
  l.Each_Row_Named(u"_MSTP_", [&](const char16_t* row) { l.Place(row, top + kRow_Pitch * k++); });
}

void BACnet_Master(L& l, const TChoices& c) { BACnet(l, c, c.BACnet_Master_Type, u"L_BACnet_IP_Master_IP"); }

void BACnet_Slave(L& l, const TChoices& c) {
  BACnet(l, c, c.BACnet_Slave_Type, u"L_BACnet_IP_Slave_IP");
  const char16_t* above = c.BACnet_Slave_Type == 0 ? u"L_BACnet_IP_Slave_Device_Identifier" : u"L_BACnet_MSTP_Slave_Network";
  l.Place(u"CB_BACnet_Slave_Desc_32_Chars", l.Top(above) + kRow_Pitch);
}

void MQTT(L& l, const TChoices& c) {
  constexpr std::u16string_view will[] = {u"L_MQTT_Will_TopicName", u"L_MQTT_Will_Message", u"CB_MQTT_Will_Retained",
                                          u"L_MQTT_Will_QoS"};
  constexpr std::u16string_view connection[] = {u"L_MQTT_Connection_TopicName", u"L_MQTT_Connection_Message",
                                                u"CB_MQTT_Connection_Retained"};
  const char16_t* publish = u"CB_MQTT_PublishTopicConnection";
  // The will rows, and the publish check box below them or in their place.
  for (auto row : will) l.Show(row, c.MQTT_WillFlag);
  if (c.MQTT_WillFlag) l.Place(publish, l.Top(u"L_MQTT_Will_QoS") + kRow_Pitch);
  else l.Place(publish, l.Top(u"L_MQTT_Will_TopicName"));
  // The connection rows, then the user name and password, counted from the publish box.
  const int p = l.Top(publish);
  int k = 0;
  for (auto row : connection) {
    if (c.MQTT_PublishTopicConnection) l.Place(row, p + kRow_Pitch * ++k);
    else l.Hide(row);
  }
  l.Place(u"L_MQTT_Username", p + kRow_Pitch * ++k);
  l.Place(u"L_MQTT_Password", p + kRow_Pitch * ++k);
  // Rows of other software versions.
  for (auto row : {u"L_MQTT_ASync_Send_Time", u"L_MQTT_TopicDALIAns", u"CB_MQTT_Enable_ReProgram",
                   u"L_MQTT_Reprogram_Topic", u"L_MQTT_Reproram_Value"})
    l.Hide(row);
}

void TLS(L& l, const TChoices& c) {
  constexpr std::u16string_view client[] = {u"L_TLS_Client_Cert", u"L_TLS_Client_Cert_Key",
                                            u"L_TLS_Client_Cert_Key_Pass"};
  if (!c.TLS_Enable) {
    for (auto row : {u"CB_TLS_En_Server_Auth", u"L_TLS_Server_Cert", u"CB_TLS_En_Client_Auth"}) l.Hide(row);
    for (auto row : client) l.Hide(row);
    return;
  }
  l.Show(u"CB_TLS_En_Server_Auth");
  l.Show(u"L_TLS_Server_Cert", c.TLS_En_Server_Auth);
  const int above = c.TLS_En_Server_Auth ? l.Top(u"E_TLS_Server_Cert") : l.Top(u"CB_TLS_En_Server_Auth");
  l.Place(u"CB_TLS_En_Client_Auth", above + kRow_Pitch);
  const int a = l.Top(u"CB_TLS_En_Client_Auth");
  int k = 0;
  for (auto row : client) {
    if (c.TLS_En_Client_Auth) l.Place(row, a + kRow_Pitch * ++k);
    else l.Hide(row);
  }
}

void SNMP_Agent(L& l, const TChoices& c) {
  DHCP_Rule(l, c, true);
  const bool v3 = c.SNMP_Agent_Version3;
  const int level = c.SNMP_Agent_SecurityLevel;
  l.Show(u"L_SNMP_Agent_User", v3);
  l.Show(u"L_SNMP_Agent_SecurityLevel", v3);
  l.Show(u"L_SNMP_Agent_Authority", v3 && level != 0);
  l.Show(u"L_SNMP_Agent_AuthorityMode", v3 && level != 0);
  l.Show(u"L_SNMP_Agent_Privacy", v3 && level != 0 && level != 1);
  l.Show(u"L_SNMP_Agent_PrivacyMode", v3 && level != 0 && level != 1);
}

void TLS_Server(L& l, const TChoices& c) {
  for (auto row : {u"L_TLS_Server_Key", u"L_TLS_Server_Key_Pass", u"L_TLS_Server_Server_Cert",
                   u"L_TLS_Server_Root_Cert", u"CB_TLS_Server_En_Known_Cert"})
    l.Show(row, c.TLS_Server_Enable);
}

void PROFINET(L& l, const TChoices& c) {
  l.Hide(u"CB_PROFINET_Diagnostic");
  l.Place(u"CB_PROFINET_Disable_Reset", l.Top(u"CB_PROFINET_Diagnostic"));
  DHCP_Rule(l, c, true);
}

// Wi-Fi: the shown rows follow one another 28 apart from the type row, in the
// order of the device's mode; a hidden row takes no place.
void WiFi2(L& l, const TChoices& c) {
  const int y = l.Top(u"L_WiFi2_Type");
  int k = 0;
  auto next = [&](std::u16string_view row) { l.Place(row, y + kRow_Pitch * ++k); };
  auto hide = [&](std::initializer_list<std::u16string_view> rows) {
    for (auto row : rows) l.Hide(row);
  };
  hide({u"L_WiFi2_IP1", u"L_WiFi2_IP2", u"L_WiFi2_IP2_IP", u"L_WiFi2_IP2_SM", u"CB_WiFi2_IP2_En_GAT"});
  for (auto row : {u"L_WiFi2_IP1_IP", u"L_WiFi2_IP1_SM", u"CB_WiFi2_IP1_En_GAT"}) next(row);
  next(u"L_WiFi2_SSID");
  if (c.WiFi2_Type == 0) {  // access point
    next(u"L_WiFi2_Secure_Type");
    if (c.WiFi2_Secure_Type > 0) next(u"L_WiFi2_Password");
    else l.Hide(u"L_WiFi2_Password");
    next(u"CB_WiFi2_En_DHCP");
    for (auto row : {u"L_WiFi2_DHCP_First_IP", u"L_WiFi2_DHCP_SM", u"L_WiFi2_Lease_Time"}) {
      if (c.WiFi2_En_DHCP) next(row);
      else l.Hide(row);
    }
    next(u"L_WiFi2_Max_Client");
    next(u"L_WiFi2_Channel");
    return;
  }
  // Station: the address comes by DHCP over Wi-Fi while that box is checked.
  for (auto row : {u"L_WiFi2_IP1_IP", u"L_WiFi2_IP1_SM", u"CB_WiFi2_IP1_En_GAT"}) {
    l.Row(row).InputsEnabled = !c.EthConn_En_DHCP_WiFi;
    if (row == std::u16string_view(u"CB_WiFi2_IP1_En_GAT")) l.Row(row).FirstEnabled = !c.EthConn_En_DHCP_WiFi;
  }
  next(u"L_WiFi2_Password");
  hide({u"L_WiFi2_Secure_Type", u"CB_WiFi2_En_DHCP", u"L_WiFi2_DHCP_First_IP", u"L_WiFi2_DHCP_SM",
        u"L_WiFi2_Lease_Time", u"L_WiFi2_Max_Client", u"L_WiFi2_Channel"});
}

}  // namespace

std::span<const TParGenChoiceControl> ParGen_Choice_Controls() { return kChoice_Controls; }

TParGenPanelLayout Panel_Layout(TParGenPanel panel, const TParGenChoices& c) {
  L l(panel);
  switch (panel) {
    case CP_Ethernet_Connection: Ethernet_Connection(l, c); break;
    case CP_Ethernet: Ethernet(l, c); break;
    case CP_BACnet_Master: BACnet_Master(l, c); break;
    case CP_BACnet_Slave: BACnet_Slave(l, c); break;
    case CP_MQTT: MQTT(l, c); break;
    case CP_WiFi2: WiFi2(l, c); break;
    case CP_TLS: TLS(l, c); break;
    case CP_PROFINET: PROFINET(l, c); break;
    case CP_SNMP_Agent: SNMP_Agent(l, c); break;
    case CP_TLS_Server: TLS_Server(l, c); break;
    // The address rows follow the DHCP rule, with the gateway check box ...
    case CP_IEC61850_Client:
    case CP_IEC61850_Server:
    case CP_OPC_UA_Client:
    case CP_OPC_UA_Server:
    case CP_SNMP_Manager: DHCP_Rule(l, c, true); break;
    // ... or the edits only.
    case CP_EtherNetIP_Master:
    case CP_S7_Protocol: DHCP_Rule(l, c, false); break;
    // Only the height: no row depends on a choice. The Modbus TCP panels keep
    // their own address rows enabled (the master's greys the slave's, see the form).
    default: break;
  }
  return l.Done();
}

std::vector<TParGenPanelStep> Model_Panel_Steps(int model, const TParGenChoices& c) {
  switch (model) {
    // The Ethernet panel shows only for MS/TP: BACnet/IP has its address rows in
    // the BACnet panel.
    case 5: return {{CP_Ethernet, c.BACnet_Master_Type != 0, {}, {}}};
    case 6: return {{CP_Ethernet, c.BACnet_Slave_Type != 0, {}, {}}};
    // The device's second connection: Wi-Fi, the mobile network, or none.
    case 17: {
      const bool wifi = c.Select_Device_Device == 1;
      const bool mobile = c.Select_Device_Device != 0 && !wifi;
      return {{CP_WiFi2, {}, wifi, !wifi}, {CP_GSM_GPRS, {}, mobile, !mobile}};
    }
    default: return {};
  }
}
