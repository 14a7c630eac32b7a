// How each panel of the communication-parameter form lays itself out: which rows
// show, where they stand, which address rows are greyed and how high the panel
// is, from the choices made in the panel (a type, an enable check box, a security
// level) and from the device's DHCP boxes; and the steps some models take on whole
// panels after that. Widget-free: the form reads the choices from its controls,
// asks here and applies the answer, so a layout is the same however often it runs.
#pragma once

#include "gateway/par_gen_panels.h"

#include <optional>
#include <span>
#include <vector>

// What the layouts read. Item indexes are the combo boxes' (-1 when none is chosen).
struct TParGenChoices {
  bool EthConn_En_DHCP_Cable = false;
  bool EthConn_En_DHCP_WiFi = false;
  int BACnet_Master_Type = 0;  // 0 BACnet/IP, 1 BACnet MS/TP
  int BACnet_Slave_Type = 0;
  bool MQTT_WillFlag = false;
  bool MQTT_PublishTopicConnection = false;
  bool TLS_Enable = false;
  bool TLS_En_Server_Auth = false;
  bool TLS_En_Client_Auth = false;
  bool SNMP_Agent_Version3 = false;
  int SNMP_Agent_SecurityLevel = 0;  // 0 no authority, 1 authority, 2 authority and privacy
  bool TLS_Server_Enable = false;
  int WiFi2_Type = 0;         // 0 access point, 1 station
  int WiFi2_Secure_Type = 0;  // 0 unsecured
  bool WiFi2_En_DHCP = false;
  int Select_Device_Device = 0;  // 0 cable only, 1 with Wi-Fi, 2 with mobile connection
};

// The control each choice comes from: a check box (its click) or a combo box (its
// change). Exactly these controls lay the form out again when they change.
struct TParGenChoiceControl {
  const char16_t* Control;
  bool TParGenChoices::*Checked;  // a check box, else nullptr
  int TParGenChoices::*Index;     // a combo box, else nullptr
};
std::span<const TParGenChoiceControl> ParGen_Choice_Controls();

// One row of a panel after the layout.
struct TParGenRowLayout {
  bool Visible = true;
  int Top = 0;  // top of the row's label or check box; the inputs keep their offset to it
  // Enabled state of the row's address edits (or input) and of its label or check
  // box; empty where the layout leaves it as it is.
  std::optional<bool> InputsEnabled;
  std::optional<bool> FirstEnabled;

  bool operator==(const TParGenRowLayout&) const = default;
};

struct TParGenPanelLayout {
  std::vector<TParGenRowLayout> Rows;  // one per row of Panel_Rows(panel), in design order
  int Height = 0;                      // by the height rule, from the lowest visible control
};

// The layout routine of `panel`: every row at its design place and shown, unless
// a choice hides or moves it.
TParGenPanelLayout Panel_Layout(TParGenPanel panel, const TParGenChoices& choices);

// A step a model's layout list takes on a whole panel after the panel routines;
// empty members are left as they are.
struct TParGenPanelStep {
  TParGenPanel Panel;
  std::optional<bool> Visible;
  std::optional<bool> Enabled;
  std::optional<bool> Collapsed;

  bool operator==(const TParGenPanelStep&) const = default;
};
std::vector<TParGenPanelStep> Model_Panel_Steps(int model, const TParGenChoices& choices);
