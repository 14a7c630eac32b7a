// The category panels of the communication-parameter form and which of them each
// model of the converter family shows, in which order. The form carries the panels
// of every family member; this program serves model 03 and shows three of them.
// Widget-free: the form makes one panel per entry and asks here for the order and
// the numbered captions.
#pragma once

#include <QString>
#include <array>
#include <span>

// The panels, in the order the form makes and hides them at creation.
enum TParGenPanel : int {
  CP_Ethernet_Connection,
  CP_EtherCAT_Slave,
  CP_Modbus_TCP_Slave,
  CP_Serial,
  CP_Modbus_Master,
  CP_Modbus_Slave,
  CP_Modbus_TCP_Master,
  CP_BACnet_Master,
  CP_BACnet_Slave,
  CP_CAN,
  CP_CANopen,
  CP_DeviceNet_Master,
  CP_DeviceNet_Slave,
  CP_DMX,
  CP_Ethernet,
  CP_EtherNetIP,
  CP_IEC61850_Client,
  CP_IEC61850_Server,
  CP_J1939,
  CP_MQTT,
  CP_WiFi2,
  CP_TLS,
  CP_NTP,
  CP_NMEA2000,
  CP_OPC_UA_Client,
  CP_OPC_UA_Server,
  CP_PROFINET,
  CP_SNMP_Manager,
  CP_SNMP_Agent,
  CP_TLS_Server,
  CP_Select_Device,
  CP_GSM_GPRS,
  CP_EtherNetIP_Master,
  CP_S7_Protocol,
  kParGenPanelCount
};

// A panel: its component name and the language text of its header. The header
// text belongs to the panel, whatever model shows it.
struct TParGenPanelDef {
  const char16_t* Name;
  int HeaderText;
};
extern const std::array<TParGenPanelDef, kParGenPanelCount> ParGen_Panels;

// One model of the family and its panels, top to bottom (the longest list has 9).
struct TParGenModelOrder {
  int Model;  // 0 .. 28; there is no model 18 and no model 22
  std::array<TParGenPanel, 9> Panels;
  int Count;
};
extern const std::array<TParGenModelOrder, 27> ParGen_Model_Orders;

// The model this program serves (software code KQ82K03).
inline constexpr int kServed_Model = 3;

// The panels of `model` in order; empty for a model the family does not have.
std::span<const TParGenPanel> Panel_Order(int model);

// Header caption of the k-th panel of a model (k from 1): "k. " + its header text
// from the language text list.
QString Panel_Caption(int k, TParGenPanel panel);
