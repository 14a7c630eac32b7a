#include "gateway/par_gen_layout.h"

namespace {

constexpr TRowKind E = TRowKind::Edit;
constexpr TRowKind C = TRowKind::Combo;
constexpr TRowKind R = TRowKind::RichEdit;
constexpr TRowKind A = TRowKind::Address;
constexpr TRowKind G = TRowKind::Gateway;
constexpr TRowKind X = TRowKind::CheckBox;
constexpr TRowKind XE = TRowKind::CheckBoxEdit;
constexpr TRowKind L = TRowKind::Caption;
constexpr TRowKind V = TRowKind::Versions;

const TParGenRow kEthernet_Connection[] = {
    {E, u"L_EthConn_Device_Name", u"E_EthConn_Device_Name"},
    {X, u"CB_EthConn_En_DHCP_Cable"},
    {X, u"CB_EthConn_En_DHCP_WiFi"},
    {X, u"CB_EthConn_Enable_DNS"},
    {A, u"L_EthConn_Primary_DNS", u"E_EthConn_Pri_DNS_IP"},
    {A, u"L_EthConn_Secondary_DNS", u"E_EthConn_Sec_DNS_IP"},
};
const TParGenRow kEtherCAT_Slave[] = {
    {E, u"L_EtherCAT_Slave_Revision_Number", u"E_EtherCAT_Slave_Revision_Number"},
    {E, u"L_EtherCAT_Slave_Name", u"E_EtherCAT_Slave_Name"},
    {E, u"L_EtherCAT_Slave_Node_Address", u"E_EtherCAT_Slave_Node_Address"},
    {X, u"CB_EtherCAT_Slave_Clear_Data"},
};
const TParGenRow kModbus_TCP_Master[] = {
    {A, u"L_ModbusTCPMaster_IP", u"E_ModbusTCPMaster_IP"},
    {A, u"L_ModbusTCPMaster_SM", u"E_ModbusTCPMaster_SM"},
    {G, u"CB_ModbusTCPMaster_En_GAT", u"E_ModbusTCPMaster_GAT"},
    {E, u"L_ModbusTCPMaster_TimeOut", u"E_ModbusTCPMaster_TimeOut"},
    {E, u"L_ModbusTCPMaster_CyclicDelay", u"E_ModbusTCPMaster_CyclicDelay"},
};
const TParGenRow kModbus_TCP_Slave[] = {
    {A, u"L_ModbusTCPSlave_IP", u"E_ModbusTCPSlave_IP"},
    {A, u"L_ModbusTCPSlave_SM", u"E_ModbusTCPSlave_SM"},
    {G, u"CB_ModbusTCPSlave_En_GAT", u"E_ModbusTCPSlave_GAT"},
    {E, u"L_ModbusTCPSlave_Port", u"E_ModbusTCPSlave_Port"},
};
const TParGenRow kSerial[] = {
    {C, u"L_Serial_Serial", u"CB_Serial_Serial"},
    {C, u"L_Serial_Baudrate", u"CB_Serial_Baudrate"},
    {C, u"L_Serial_Parity", u"Cb_Serial_Parity"},
    {C, u"L_Serial_StopBits", u"CB_Serial_StopBits"},
};
const TParGenRow kModbus_Master[] = {
    {C, u"L_ModbusMaster_Serial", u"CB_ModbusMaster_Serial"},
    {C, u"L_ModbusMaster_Baudrate", u"CB_ModbusMaster_Baudrate"},
    {C, u"L_ModbusMaster_Parity", u"CB_ModbusMaster_Parity"},
    {C, u"L_ModbusMaster_StopBits", u"CB_ModbusMaster_StopBits"},
    {E, u"L_ModbusMaster_TimeOut", u"E_ModbusMaster_TimeOut"},
    {E, u"L_ModbusMaster_CyclicDelay", u"E_ModbusMaster_CyclicDelay"},
};
const TParGenRow kModbus_Slave[] = {
    {C, u"L_ModbusSlave_Serial", u"CB_ModbusSlave_Serial"},
    {C, u"L_ModbusSlave_Baudrate", u"CB_ModbusSlave_Baudrate"},
    {C, u"L_ModbusSlave_Parity", u"CB_ModbusSlave_Parity"},
    {C, u"L_ModbusSlave_StopBits", u"CB_ModbusSlave_StopBits"},
    {E, u"L_ModbusSlave_IDDevice", u"E_ModbusSlave_IDDevice"},
    {X, u"CB_ModbusSlave_ReadInput"},
};
const TParGenRow kBACnet_Master[] = {
    {C, u"L_BACnet_Master_Type", u"CB_BACnet_Master_Type"},
    {A, u"L_BACnet_IP_Master_IP", u"E_BACnet_IP_Master_IP"},
    {A, u"L_BACnet_IP_Master_SM", u"E_BACnet_IP_Master_SM"},
    {G, u"CB_BACnet_IP_Master_GAT", u"E_BACnet_IP_Master_GAT"},
    {E, u"L_BACnet_IP_Master_Port", u"E_BACnet_IP_Master_Port"},
    {E, u"L_BACnet_IP_Master_Device_Name", u"E_BACnet_IP_Master_Device_Name"},
    {E, u"L_BACnet_IP_Master_Device_Identifier", u"E_BACnet_IP_Master_Device_Identifier"},
    {E, u"L_BACnet_IP_Master_TimeOut_Polling", u"E_BACnet_IP_Master_TimeOut_Polling"},
    {C, u"L_BACnet_MSTP_Master_Baudrate", u"CB_BACnet_MSTP_Master_Baudrate"},
    {C, u"L_BACnet_MSTP_Master_Parity", u"CB_BACnet_MSTP_Master_Parity"},
    {E, u"L_BACnet_MSTP_Master_Device_Name", u"E_BACnet_MSTP_Master_Device_Name"},
    {E, u"L_BACnet_MSTP_Master_MAC_Address", u"E_BACnet_MSTP_Master_MAC_Address"},
    {E, u"L_BACnet_MSTP_Master_Max_Master", u"E_BACnet_MSTP_Master_Max_Master"},
    {E, u"L_BACnet_MSTP_Master_Max_Info_Frame", u"E_BACnet_MSTP_Master_Max_Info_Frame"},
    {E, u"L_BACnet_MSTP_Master_Device_Instance", u"E_BACnet_MSTP_Master_Device_Instance"},
};
const TParGenRow kBACnet_Slave[] = {
    {C, u"L_BACnet_Slave_Type", u"CB_BACnet_Slave_Type"},
    {A, u"L_BACnet_IP_Slave_IP", u"E_BACnet_IP_Slave_IP"},
    {A, u"L_BACnet_IP_Slave_SM", u"E_BACnet_IP_Slave_SM"},
    {G, u"CB_BACnet_IP_Slave_GAT", u"E_BACnet_IP_Slave_GAT"},
    {E, u"L_BACnet_IP_Slave_Port", u"E_BACnet_IP_Slave_Port"},
    {E, u"L_BACnet_IP_Slave_Device_Name", u"E_BACnet_IP_Slave_Device_Name"},
    {E, u"L_BACnet_IP_Slave_Device_Identifier", u"E_BACnet_IP_Slave_Device_Identifier"},
    {C, u"L_BACnet_MSTP_Slave_Baudrate", u"CB_BACnet_MSTP_Slave_Baudrate"},
    {C, u"L_BACnet_MSTP_Slave_Parity", u"CB_BACnet_MSTP_Slave_Parity"},
    {E, u"L_BACnet_MSTP_Slave_Device_Name", u"E_BACnet_MSTP_Slave_Device_Name"},
    {E, u"L_BACnet_MSTP_Slave_MAC_Address", u"E_BACnet_MSTP_Slave_MAC_Address"},
    {E, u"L_BACnet_MSTP_Slave_Max_Master", u"E_BACnet_MSTP_Slave_Max_Master"},
    {E, u"L_BACnet_MSTP_Slave_Max_Info_Frame", u"E_BACnet_MSTP_Slave_Max_Info_Frame"},
    {E, u"L_BACnet_MSTP_Slave_Device_Instance", u"E_BACnet_MSTP_Slave_Device_Instance"},
    {E, u"L_BACnet_MSTP_Slave_Network", u"E_BACnet_MSTP_Slave_Network"},
    {X, u"CB_BACnet_Slave_Desc_32_Chars"},
};
const TParGenRow kCAN[] = {
    {C, u"L_CAN_Baudrate", u"CB_CAN_Baudrate"},
};
const TParGenRow kCANopen[] = {
    {E, u"L_CANopen_IDDevice", u"E_CANopen_IDDevice"},
    {C, u"L_CANopen_Baudrate", u"CB_CANopen_Baudrate"},
    {X, u"CB_CANopen_SetOpe"},
    {XE, u"CB_CANopen_NetOpe", u"E_CANopen_NetOpe_Delay", 293, 313, 116},
    {E, u"L_CANopen_SDO_Timeout", u"E_CANopen_SDO_Timeout", 0, 252, 177},
};
const TParGenRow kDeviceNet_Master[] = {
    {E, u"L_DeviceNet_Master_IDDevice", u"E_DeviceNet_Master_IDDevice"},
    {C, u"L_DeviceNet_Master_Baudrate", u"CB_DeviceNet_Master_Baudrate"},
};
const TParGenRow kDeviceNet_Slave[] = {
    {E, u"L_DeviceNet_Slave_IDDevice", u"E_DeviceNet_Slave_IDDevice"},
    {C, u"L_DeviceNet_Slave_Baudrate", u"CB_DeviceNet_Slave_Baudrate"},
    {E, u"L_DeviceNet_Slave_NumByteIn", u"E_DeviceNet_Slave_NumByteIn"},
    {E, u"L_DeviceNet_Slave_NumByteOut", u"E_DeviceNet_Slave_NumByteOut"},
};
const TParGenRow kDMX[] = {
    {C, u"L_DMX_DMX", u"CB_DMX_DMX"},
    {E, u"L_DMX_ChannelNum", u"E_DMX_ChannelNum"},
};
const TParGenRow kEthernet[] = {
    {A, u"L_Ethernet_IP", u"E_Ethernet_IP"},
    {A, u"L_Ethernet_SM", u"E_Ethernet_SM"},
    {G, u"CB_Ethernet_En_GAT", u"E_Ethernet_GAT"},
    {E, u"L_Ethernet_TCP_Port", u"E_Ethernet_TCP_Port"},
    {E, u"L_Ethernet_UDP_Port", u"E_Ethernet_UDP_Port"},
};
const TParGenRow kEtherNetIP[] = {
    {A, u"L_EtherNetIP_IP", u"E_EtherNetIP_IP"},
    {A, u"L_EtherNetIP_SM", u"E_EtherNetIP_SM"},
    {G, u"CB_EtherNetIP_GAT", u"E_EtherNetIP_GAT"},
    {E, u"L_EtherNetIP_TunnelPort", u"E_EtherNetIP_TunnelPort"},
    {E, u"L_EtherNetIP_NByte_In", u"E_EtherNetIP_NByte_In"},
    {E, u"L_EtherNetIP_NByte_Out", u"E_EtherNetIP_NByte_Out"},
};
const TParGenRow kIEC61850_Client[] = {
    {A, u"L_IEC61850_Client_IP", u"E_IEC61850_Client_IP"},
    {A, u"L_IEC61850_Client_SM", u"E_IEC61850_Client_SM"},
    {G, u"CB_IEC61850_Client_En_GAT", u"E_IEC61850_Client_GAT"},
    {E, u"L_IEC61850_Client_VLAN", u"E_IEC61850_Client_VLAN"},
    {E, u"L_IEC61850_Client_AppID", u"E_IEC61850_Client_AppID"},
};
const TParGenRow kIEC61850_Server[] = {
    {A, u"L_IEC61850_Server_IP", u"E_IEC61850_Server_IP"},
    {A, u"L_IEC61850_Server_SM", u"E_IEC61850_Server_SM"},
    {G, u"CB_IEC61850_Server_En_GAT", u"E_IEC61850_Server_GAT"},
    {E, u"L_IEC61850_Server_Port", u"E_IEC61850_Server_Port"},
    {E, u"L_IEC61850_Server_Password", u"E_IEC61850_Server_Password"},
};
const TParGenRow kJ1939[] = {
    {C, u"L_J1939_Baudrate", u"CB_J1939_Baudrate"},
    {E, u"L_J1939_TimeOut", u"E_J1939_TimeOut"},
    {X, u"CB_J1939_Enable_Peer_To_Peer"},
    {E, u"L_J1939_ID_Device", u"E_J1939_ID_Device"},
};
const TParGenRow kMQTT[] = {
    {E, u"L_MQTT_Server", u"E_MQTT_Server"},
    {E, u"L_MQTT_Server_Port", u"E_MQTT_Server_Port"},
    {E, u"L_MQTT_Client_ID", u"E_MQTT_Client_ID"},
    {E, u"L_MQTT_Keep_Alive", u"E_MQTT_Keep_Alive"},
    {X, u"CB_MQTT_Clean_Session"},
    {X, u"CB_MQTT_WillFlag"},
    {E, u"L_MQTT_Will_TopicName", u"E_MQTT_Will_TopicName"},
    {E, u"L_MQTT_Will_Message", u"E_MQTT_Will_Message"},
    {X, u"CB_MQTT_Will_Retained"},
    {C, u"L_MQTT_Will_QoS", u"CB_MQTT_Will_QoS"},
    {X, u"CB_MQTT_PublishTopicConnection"},
    {E, u"L_MQTT_Connection_TopicName", u"E_MQTT_Connection_TopicName"},
    {E, u"L_MQTT_Connection_Message", u"E_MQTT_Connection_Message"},
    {X, u"CB_MQTT_Connection_Retained"},
    {E, u"L_MQTT_Username", u"E_MQTT_Username"},
    {R, u"L_MQTT_Password", u"E_MQTT_Password"},
    {E, u"L_MQTT_ASync_Send_Time", u"E_MQTT_ASync_Send_Time"},
    {E, u"L_MQTT_TopicDALIAns", u"E_MQTT_TopicDALIAns"},
    {X, u"CB_MQTT_Enable_ReProgram"},
    {E, u"L_MQTT_Reprogram_Topic", u"E_MQTT_Reprogram_Topic"},
    {E, u"L_MQTT_Reproram_Value", u"E_MQTT_Reproram_Value"},
};
const TParGenRow kWiFi2[] = {
    {C, u"L_WiFi2_Type", u"CB_WiFi2_Type"},
    {L, u"L_WiFi2_IP1"},
    {A, u"L_WiFi2_IP1_IP", u"E_WiFi2_IP1_IP"},
    {A, u"L_WiFi2_IP1_SM", u"E_WiFi2_IP1_SM"},
    {G, u"CB_WiFi2_IP1_En_GAT", u"E_WiFi2_IP1_GAT"},
    {L, u"L_WiFi2_IP2"},
    {A, u"L_WiFi2_IP2_IP", u"E_WiFi2_IP2_IP"},
    {A, u"L_WiFi2_IP2_SM", u"E_WiFi2_IP2_SM"},
    {G, u"CB_WiFi2_IP2_En_GAT", u"E_WiFi2_IP2_GAT"},
    {E, u"L_WiFi2_SSID", u"E_WiFi2_SSID"},
    {E, u"L_WiFi2_Password", u"E_WiFi2_Password"},
    {C, u"L_WiFi2_Secure_Type", u"CB_WiFi2_Secure_Type"},
    {X, u"CB_WiFi2_En_DHCP"},
    {A, u"L_WiFi2_DHCP_First_IP", u"E_WiFi2_DHCP_First_IP"},
    {A, u"L_WiFi2_DHCP_SM", u"E_WiFi2_DHCP_SM"},
    {E, u"L_WiFi2_Lease_Time", u"E_WiFi2_Lease_Time"},
    {C, u"L_WiFi2_Max_Client", u"CB_WiFi2_Max_Client"},
    {C, u"L_WiFi2_Channel", u"CB_WiFi2_Channel"},
};
const TParGenRow kTLS[] = {
    {X, u"CB_TLS_Enable"},
    {X, u"CB_TLS_En_Server_Auth"},
    {R, u"L_TLS_Server_Cert", u"E_TLS_Server_Cert"},
    {X, u"CB_TLS_En_Client_Auth"},
    {R, u"L_TLS_Client_Cert", u"E_TLS_Client_Cert"},
    {R, u"L_TLS_Client_Cert_Key", u"E_TLS_Client_Cert_Key"},
    {E, u"L_TLS_Client_Cert_Key_Pass", u"E_TLS_Client_Cert_Key_Pass"},
};
const TParGenRow kNTP[] = {
    {E, u"L_NTP_Server_URL", u"E_NTP_Server_URL"},
    {E, u"L_NTP_Poll_Time", u"E_NTP_Poll_Time"},
};
const TParGenRow kNMEA2000[] = {
    {C, u"L_NMEA2000_Baudrate", u"CB_NMEA2000_Baudrate"},
    {E, u"L_NMEA2000_TimeOut", u"E_NMEA2000_TimeOut"},
    {X, u"CB_NMEA2000_Peer_To_Peer"},
};
const TParGenRow kOPC_UA_Client[] = {
    {A, u"L_OPC_UA_Client_IP", u"E_OPC_UA_Client_IP"},
    {A, u"L_OPC_UA_Client_SM", u"E_OPC_UA_Client_SM"},
    {G, u"CB_OPC_UA_Client_En_GAT", u"E_OPC_UA_Client_GAT"},
};
const TParGenRow kOPC_UA_Server[] = {
    {A, u"L_OPC_UA_Server_IP", u"E_OPC_UA_Server_IP"},
    {A, u"L_OPC_UA_Server_SM", u"E_OPC_UA_Server_SM"},
    {G, u"CB_OPC_UA_Server_En_GAT", u"E_OPC_UA_Server_GAT"},
    {E, u"L_OPC_UA_Server_Port", u"E_OPC_UA_Server_Port"},
};
const TParGenRow kPROFINET[] = {
    {A, u"L_PROFINET_IP", u"E_PROFINET_IP"},
    {A, u"L_PROFINET_SM", u"E_PROFINET_SM"},
    {G, u"CB_PROFINET_GAT", u"E_PROFINET_GAT"},
    {E, u"L_PROFINET_TunnelPort", u"E_PROFINET_TunnelPort"},
    {E, u"L_PROFINET_NameStation", u"E_PROFINET_NameStation"},
    {E, u"L_PROFINET_NByte_In", u"E_PROFINET_NByte_In"},
    {E, u"L_PROFINET_NByte_Out", u"E_PROFINET_NByte_Out"},
    {XE, u"CB_PROFINET_Diagnostic", u"E_PROFINET_Diagnostic", kGateway_CheckBox_Width},
    {X, u"CB_PROFINET_Disable_Reset"},
};
const TParGenRow kSNMP_Manager[] = {
    {A, u"L_SNMP_Manager_IP", u"E_SNMP_Manager_IP"},
    {A, u"L_SNMP_Manager_SM", u"E_SNMP_Manager_SM"},
    {G, u"CB_SNMP_Manager_GAT", u"E_SNMP_Manager_GAT"},
    {E, u"L_SNMP_Manager_NameStation", u"E_SNMP_Manager_NameStation"},
};
const TParGenRow kSNMP_Agent[] = {
    {A, u"L_SNMP_Agent_IP", u"E_SNMP_Agent_IP"},
    {A, u"L_SNMP_Agent_SM", u"E_SNMP_Agent_SM"},
    {G, u"CB_SNMP_Agent_GAT", u"E_SNMP_Agent_GAT"},
    {E, u"L_SNMP_Agent_NameStation", u"E_SNMP_Agent_NameStation"},
    {E, u"L_SNMP_Agent_Contact", u"E_SNMP_Agent_Contact"},
    {E, u"L_SNMP_Agent_Location", u"E_SNMP_Agent_Location"},
    {V, u"L_SNMP_Agent_Version", u"CB_SNMP_Agent_Version"},
    {E, u"L_SNMP_Agent_User", u"E_SNMP_Agent_User"},
    {C, u"L_SNMP_Agent_SecurityLevel", u"CB_SNMP_Agent_SecurityLevel"},
    {E, u"L_SNMP_Agent_Authority", u"E_SNMP_Agent_Authority"},
    {C, u"L_SNMP_Agent_AuthorityMode", u"CB_SNMP_Agent_AuthorityMode"},
    {E, u"L_SNMP_Agent_Privacy", u"E_SNMP_Agent_Privacy"},
    {C, u"L_SNMP_Agent_PrivacyMode", u"CB_SNMP_Agent_PrivacyMode"},
};
const TParGenRow kTLS_Server[] = {
    {X, u"CB_TLS_Server_Enable"},
    {R, u"L_TLS_Server_Key", u"E_TLS_Server_Key"},
    {E, u"L_TLS_Server_Key_Pass", u"E_TLS_Server_Key_Pass"},
    {R, u"L_TLS_Server_Server_Cert", u"E_TLS_Server_Server_Cert"},
    {R, u"L_TLS_Server_Root_Cert", u"E_TLS_Server_Root_Cert"},
    {X, u"CB_TLS_Server_En_Known_Cert"},
};
const TParGenRow kSelect_Device[] = {
    {C, u"L_Select_Device_Device", u"CB_Select_Device_Device"},
};
const TParGenRow kGSM_GPRS[] = {
    {E, u"L_GSM_GPRS_PIN", u"E_GSM_GPRS_PIN"},
    {E, u"L_GSM_GPRS_APN", u"E_GSM_GPRS_APN"},
    {C, u"L_GSM_GPRS_AuthType", u"CB_GSM_GPRS_AuthType"},
    {E, u"L_GSM_GPRS_UserName", u"E_GSM_GPRS_UserName"},
    {E, u"L_GSM_GPRS_Password", u"E_GSM_GPRS_Password"},
};
const TParGenRow kEtherNetIP_Master[] = {
    {A, u"L_EtherNetIP_Master_IP", u"E_EtherNetIP_Master_IP"},
    {A, u"L_EtherNetIP_Master_SM", u"E_EtherNetIP_Master_SM"},
    {G, u"CB_EtherNetIP_Master_GAT", u"E_EtherNetIP_Master_GAT"},
    {E, u"L_EtherNetIP_Master_TunnelPort", u"E_EtherNetIP_Master_Port"},
};
const TParGenRow kS7_Protocol[] = {
    {A, u"L_S7_Protocol_IP", u"E_S7_Protocol_IP"},
    {A, u"L_S7_Protocol_SM", u"E_S7_Protocol_SM"},
    {G, u"CB_S7_Protocol_En_GAT", u"E_S7_Protocol_GAT"},
};

// Indexed by TParGenPanel.
const std::span<const TParGenRow> kPanel_Rows[kParGenPanelCount] = {
    kEthernet_Connection, kEtherCAT_Slave, kModbus_TCP_Slave, kSerial,         kModbus_Master,
    kModbus_Slave,        kModbus_TCP_Master, kBACnet_Master, kBACnet_Slave,   kCAN,
    kCANopen,             kDeviceNet_Master, kDeviceNet_Slave, kDMX,           kEthernet,
    kEtherNetIP,          kIEC61850_Client, kIEC61850_Server, kJ1939,          kMQTT,
    kWiFi2,               kTLS,             kNTP,             kNMEA2000,       kOPC_UA_Client,
    kOPC_UA_Server,       kPROFINET,        kSNMP_Manager,    kSNMP_Agent,     kTLS_Server,
    kSelect_Device,       kGSM_GPRS,        kEtherNetIP_Master, kS7_Protocol,
};

// The SNMP version check boxes stand at these lefts.
constexpr int kVersion_Lefts[3] = {191, 270, 349};
constexpr int kVersion_Width = 70;

int Or(int value, int fallback) { return value ? value : fallback; }

TControlPlacement Label_At(const QString& name, int top) {
  return {name, TControlKind::Label, kLabel_Left, top, kLabel_Width, kLabel_Height, {}};
}

TControlPlacement Check_At(const QString& name, int top, int width) {
  return {name, TControlKind::CheckBox, kLabel_Left, top, width, kCheckBox_Height, {}};
}

// The four address edits with the "." labels between them; `editTop` is where the
// edits stand (3 above the label top, 2 in a gateway row).
void Add_Address_Edits(std::vector<TControlPlacement>& out, const TParGenRow& row, int labelTop, int editTop) {
  for (int part = 1; part <= 4; ++part) {
    out.push_back({Address_Edit_Name(row, part), TControlKind::Edit, kAddress_Edit_Lefts[part - 1], editTop,
                   kAddress_Edit_Width, kEdit_Height, {}});
    if (part < 4)
      out.push_back({QString(), TControlKind::DotLabel, kAddress_Dot_Lefts[part - 1], labelTop, kAddress_Dot_Width,
                     kLabel_Height, QStringLiteral(".")});
  }
}

}  // namespace

std::span<const TParGenRow> Panel_Rows(TParGenPanel panel) { return kPanel_Rows[panel]; }

QString Address_Edit_Name(const TParGenRow& row, int part) {
  return QString::fromUtf16(row.Input) + QString::number(part);
}

std::vector<TControlPlacement> Row_Placements_At(const TParGenRow& row, int top) {
  const QString first = QString::fromUtf16(row.First);
  const QString input = row.Input ? QString::fromUtf16(row.Input) : QString();
  const int inputLeft = Or(row.InputLeft, kInput_Left);
  const int inputWidth = Or(row.InputWidth, kInput_Width);
  std::vector<TControlPlacement> out;
  switch (row.Kind) {
    case TRowKind::Edit:
      out = {Label_At(first, top), {input, TControlKind::Edit, inputLeft, top - 3, inputWidth, kEdit_Height, {}}};
      break;
    case TRowKind::Combo:
      out = {Label_At(first, top), {input, TControlKind::Combo, inputLeft, top - 3, inputWidth, kCombo_Height, {}}};
      break;
    case TRowKind::RichEdit:
      out = {Label_At(first, top),
             {input, TControlKind::RichEdit, inputLeft, top - 3, inputWidth, kRichEdit_Height, {}}};
      break;
    case TRowKind::Address:
      out.push_back(Label_At(first, top));
      Add_Address_Edits(out, row, top, top - 3);
      break;
    case TRowKind::Gateway:
      out.push_back(Check_At(first, top, kGateway_CheckBox_Width));
      Add_Address_Edits(out, row, top, top - 2);
      break;
    case TRowKind::CheckBox:
      out = {Check_At(first, top, Or(row.FirstWidth, kCheckBox_Width))};
      break;
    case TRowKind::CheckBoxEdit:
      out = {Check_At(first, top, Or(row.FirstWidth, kCheckBox_Width)),
             {input, TControlKind::Edit, inputLeft, top - 3, inputWidth, kEdit_Height, {}}};
      break;
    case TRowKind::Caption:
      out = {Label_At(first, top)};
      break;
    case TRowKind::Versions:
      out.push_back(Label_At(first, top));
      for (int v = 1; v <= 3; ++v)
        out.push_back({input + QString::number(v), TControlKind::CheckBox, kVersion_Lefts[v - 1], top, kVersion_Width,
                       kCheckBox_Height, QString::number(v)});
      break;
  }
  return out;
}

const std::array<const char16_t*, kParGenFieldCount> ParGen_Field_Controls = {
    u"E_EthConn_Device_Name",
    u"CB_EthConn_En_DHCP_Cable",
    u"CB_EthConn_En_DHCP_WiFi",
    u"CB_EthConn_Enable_DNS",
    u"E_EthConn_Pri_DNS_IP1",
    u"E_EthConn_Pri_DNS_IP2",
    u"E_EthConn_Pri_DNS_IP3",
    u"E_EthConn_Pri_DNS_IP4",
    u"E_EthConn_Sec_DNS_IP1",
    u"E_EthConn_Sec_DNS_IP2",
    u"E_EthConn_Sec_DNS_IP3",
    u"E_EthConn_Sec_DNS_IP4",
    u"E_EtherCAT_Slave_Revision_Number",
    u"E_EtherCAT_Slave_Name",
    u"E_EtherCAT_Slave_Node_Address",
    u"CB_EtherCAT_Slave_Clear_Data",
    u"E_ModbusTCPMaster_IP1",
    u"E_ModbusTCPMaster_IP2",
    u"E_ModbusTCPMaster_IP3",
    u"E_ModbusTCPMaster_IP4",
    u"E_ModbusTCPMaster_SM1",
    u"E_ModbusTCPMaster_SM2",
    u"E_ModbusTCPMaster_SM3",
    u"E_ModbusTCPMaster_SM4",
    u"E_ModbusTCPMaster_GAT1",
    u"E_ModbusTCPMaster_GAT2",
    u"E_ModbusTCPMaster_GAT3",
    u"E_ModbusTCPMaster_GAT4",
    u"CB_ModbusTCPMaster_En_GAT",
    u"E_ModbusTCPMaster_TimeOut",
    u"E_ModbusTCPMaster_CyclicDelay",
};

const std::vector<TParGenComboList>& ParGen_Combo_Lists() {
  static const std::vector<TParGenComboList> lists = {
      {{u"CB_Serial_Serial", u"CB_ModbusMaster_Serial", u"CB_ModbusSlave_Serial"}, {u"RS232", u"RS485"}, 0},
      {{u"CB_Serial_Baudrate", u"CB_ModbusMaster_Baudrate", u"CB_ModbusSlave_Baudrate"},
       {u"1200", u"2400", u"4800", u"9600", u"19200", u"38400", u"57600", u"115200"},
       7},
      {{u"Cb_Serial_Parity", u"CB_ModbusMaster_Parity", u"CB_ModbusSlave_Parity", u"CB_BACnet_MSTP_Master_Parity",
        u"CB_BACnet_MSTP_Slave_Parity"},
       {u"NONE", u"ODD", u"EVEN"},
       0},
      {{u"CB_Serial_StopBits", u"CB_ModbusMaster_StopBits", u"CB_ModbusSlave_StopBits"},
       {u"1 Stop Bits", u"2 Stop Bits"},
       0},
      {{u"CB_BACnet_Master_Type", u"CB_BACnet_Slave_Type"}, {u"BACnet/IP", u"BACnet MS/TP"}, 0},
      {{u"CB_BACnet_MSTP_Master_Baudrate", u"CB_BACnet_MSTP_Slave_Baudrate"},
       {u"9600", u"19200", u"38400", u"57600", u"76800", u"115200"},
       5},
      {{u"CB_CAN_Baudrate", u"CB_J1939_Baudrate", u"CB_NMEA2000_Baudrate"},
       {u"10K", u"20K", u"50K", u"62.5K", u"100K", u"125K", u"250K", u"500K", u"800K", u"1000K"},
       9},
      {{u"CB_CANopen_Baudrate"}, {u"10K", u"20K", u"50K", u"100K", u"125K", u"250K", u"500K", u"800K", u"1000K", u""}, 8},
      {{u"CB_DeviceNet_Master_Baudrate", u"CB_DeviceNet_Slave_Baudrate"}, {u"125K", u"250K", u"500K"}, 2},
      {{u"CB_DMX_DMX"}, {u"IN", u"OUT"}, 1},
      {{u"CB_SNMP_Agent_SecurityLevel"}, {u"NoAuthority NoPrivacy", u"Authority NoPrivacy", u"Authority Privacy"}, 0},
      {{u"CB_SNMP_Agent_AuthorityMode"}, {u"MD5", u"SHA"}, 0},
      {{u"CB_SNMP_Agent_PrivacyMode"}, {u"DES", u"AES"}, 0},
      {{u"CB_MQTT_Will_QoS"}, {u"0", u"1", u"2"}, 0},
      {{u"CB_WiFi2_Max_Client"}, {u"1", u"2", u"3", u"4", u"5", u"6", u"7", u"8", u"9", u"10"}, 9},
      {{u"CB_GSM_GPRS_AuthType"}, {u"None", u"PAP", u"CHAP", u"PAP or CHAP"}, 0},
      {{u"CB_Select_Device_Device"},
       {u"Only Ethernet Cable ", u"Ethernet Cable + Wi-Fi", u"Ethernet Cable + Mobile Connection"},
       0},
  };
  return lists;
}
