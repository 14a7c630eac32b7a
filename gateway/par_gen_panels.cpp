#include "gateway/par_gen_panels.h"

#include "app/language/language.h"

#include <algorithm>

const std::array<TParGenPanelDef, kParGenPanelCount> ParGen_Panels = {{
    {u"CP_Ethernet_Connection", 1544},
    {u"CP_EtherCAT_Slave", 406},
    {u"CP_Modbus_TCP_Slave", 417},
    {u"CP_Serial", 449},
    {u"CP_Modbus_Master", 459},
    {u"CP_Modbus_Slave", 475},
    {u"CP_Modbus_TCP_Master", 490},
    {u"CP_BACnet_Master", 525},
    {u"CP_BACnet_Slave", 587},
    {u"CP_CAN", 651},
    {u"CP_CANopen", 654},
    {u"CP_DeviceNet_Master", 669},
    {u"CP_DeviceNet_Slave", 675},
    {u"CP_DMX", 687},
    {u"CP_Ethernet", 693},
    {u"CP_EtherNetIP", 738},
    {u"CP_IEC61850_Client", 780},
    {u"CP_IEC61850_Server", 813},
    {u"CP_J1939", 847},
    {u"CP_MQTT", 858},
    {u"CP_WiFi2", 885},
    {u"CP_TLS", 1300},
    {u"CP_NTP", 1315},
    {u"CP_NMEA2000", 1321},
    {u"CP_OPC_UA_Client", 1329},
    {u"CP_OPC_UA_Server", 1368},
    {u"CP_PROFINET", 1406},
    {u"CP_SNMP_Manager", 1450},
    {u"CP_SNMP_Agent", 1480},
    {u"CP_TLS_Server", 1531},
    {u"CP_Select_Device", 1610},
    {u"CP_GSM_GPRS", 1613},
    {u"CP_EtherNetIP_Master", 1624},
    {u"CP_S7_Protocol", 1655},
}};

namespace {

// Every model starts with the device's Ethernet connection and its EtherCAT side.
template <typename... P>
constexpr TParGenModelOrder Order(int model, P... second_side) {
  return {model, {CP_Ethernet_Connection, CP_EtherCAT_Slave, second_side...}, 2 + static_cast<int>(sizeof...(P))};
}

}  // namespace

const std::array<TParGenModelOrder, 27> ParGen_Model_Orders = {{
    Order(0, CP_Serial, CP_Ethernet),
    Order(1, CP_Modbus_Master, CP_Ethernet),
    Order(2, CP_Modbus_Slave, CP_Ethernet),
    Order(3, CP_Modbus_TCP_Master),
    Order(4, CP_Modbus_TCP_Slave),
    Order(5, CP_BACnet_Master, CP_Ethernet),
    Order(6, CP_BACnet_Slave, CP_Ethernet),
    Order(7, CP_CAN, CP_Ethernet),
    Order(8, CP_CANopen, CP_Ethernet),
    Order(9, CP_DeviceNet_Master, CP_Ethernet),
    Order(10, CP_DeviceNet_Slave, CP_Ethernet),
    Order(11, CP_DMX, CP_Ethernet),
    Order(12, CP_Ethernet),
    Order(13, CP_EtherNetIP),
    Order(14, CP_IEC61850_Client),
    Order(15, CP_IEC61850_Server, CP_TLS_Server),
    Order(16, CP_J1939, CP_Ethernet),
    Order(17, CP_Select_Device, CP_MQTT, CP_Ethernet, CP_TLS, CP_NTP, CP_WiFi2, CP_GSM_GPRS),
    Order(19, CP_NMEA2000, CP_Ethernet),
    Order(20, CP_OPC_UA_Client, CP_NTP),
    Order(21, CP_OPC_UA_Server, CP_NTP),
    Order(23, CP_PROFINET),
    Order(24, CP_SNMP_Manager),
    Order(25, CP_SNMP_Agent),
    Order(26, CP_EtherNetIP_Master),
    Order(27, CP_EtherNetIP),
    Order(28, CP_S7_Protocol),
}};

std::span<const TParGenPanel> Panel_Order(int model) {
  const auto it = std::find_if(ParGen_Model_Orders.begin(), ParGen_Model_Orders.end(),
                               [model](const TParGenModelOrder& o) { return o.Model == model; });
  if (it == ParGen_Model_Orders.end()) return {};
  return {it->Panels.data(), static_cast<size_t>(it->Count)};
}

QString Panel_Caption(int k, TParGenPanel panel) {
  return QString::number(k) + QStringLiteral(". ") + Lang_Text(ParGen_Panels[panel].HeaderText);
}
