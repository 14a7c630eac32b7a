#include "app/state/comon.h"

#include "platform/os/files.h"

QString Project_Name;
QString Project_Folder;
QString Projects_Folder;
QString Exe_Folder;
QString Master_Folder;
QString Language_Folder;
QString Program_Folder;
QString Window_Title;
QString SW_Code;
QString SW_Desc;
QString Last_IP_Address;
int32_t Update_Option = 0;
bool Update_Read_Back = false;
QString Language_Name;
bool Opt_Enable_Internet = false;
bool Opt_Enable_Update = false;
bool Opt_Jump_Field_Tables = false;
bool Opt_Double_Click_Auto_Size = false;
QString Last_EDE_Folder;

QString File_ParGen;
QString File_EtherCAT_Slave;
QString File_ModbusM_SetAccess;
QString File_ModbusTCPM_SetAccess;
QString File_BACnet_Master_Access;
QString File_BACnet_Slave;
QString File_CAN_Rec_Frames;
QString File_CAN_Send_Frames;
QString File_SDO_Server_CANopen;
QString File_SDO_Client_CANopen;
QString File_PDO_CANopen;
QString File_DNETM_Net;
QString File_DNETM_DefOff;
QString File_DMX_Default_Values;
QString File_IEC_61850_Client;
QString File_TLS_Known_Cert;
QString File_IEC61850_Variables;
QString File_J1939_Rec_Frames;
QString File_J1939_Send_Frames;
QString File_MQTT_Set_Topic;
QString File_NMEA_Rec_Frames;
QString File_NMEA_Send_Frames;
QString File_OPC_UA_Client;
QString File_OPC_UA_Server;
QString File_SNMP_Manager;
QString File_SNMP_Trap;
QString File_EtherNetIP_Master_Rules;
QString File_S7_Protocol;

QStringList Row_Clipboard;
std::vector<bool> Row_Clipboard_Check;
QStringList SNMP_Read_Descriptions;
QStringList SNMP_Write_Descriptions;

const TEditorFile Editor_Files[28] = {
    {u"ParGen.xml", &File_ParGen},
    {u"EtherCAT_Slave.xml", &File_EtherCAT_Slave},
    {u"ModbusM_SetAccess.xml", &File_ModbusM_SetAccess},
    {u"ModbusTCPM_SetAccess.xml", &File_ModbusTCPM_SetAccess},
    {u"BACnet_Master_Access.xml", &File_BACnet_Master_Access},
    {u"BACnet_Slave.xml", &File_BACnet_Slave},
    {u"CAN_Rec_Frames.xml", &File_CAN_Rec_Frames},
    {u"CAN_Send_Frames.xml", &File_CAN_Send_Frames},
    {u"SDO_Server_CANopen.xml", &File_SDO_Server_CANopen},
    {u"SDO_Client_CANopen.xml", &File_SDO_Client_CANopen},
    {u"PDO_CANopen.xml", &File_PDO_CANopen},
    {u"DNETM_Net.xml", &File_DNETM_Net},
    {u"DNETM_DefOff.xml", &File_DNETM_DefOff},
    {u"DMX_Default_Values.xml", &File_DMX_Default_Values},
    {u"IEC_61850_Client.xml", &File_IEC_61850_Client},
    {u"TLS_Known_Cert.xml", &File_TLS_Known_Cert},
    {u"IEC61850_Variables.xml", &File_IEC61850_Variables},
    {u"J1939_Rec_Frames.xml", &File_J1939_Rec_Frames},
    {u"J1939_Send_Frames.xml", &File_J1939_Send_Frames},
    {u"MQTT_Set_Topic.xml", &File_MQTT_Set_Topic},
    {u"NMEA_Rec_Frames.xml", &File_NMEA_Rec_Frames},
    {u"NMEA_Send_Frames.xml", &File_NMEA_Send_Frames},
    {u"OPC_UA_Client.xml", &File_OPC_UA_Client},
    {u"OPC_UA_Server.xml", &File_OPC_UA_Server},
    {u"SNMP_Manager.xml", &File_SNMP_Manager},
    {u"SNMP_Trap.xml", &File_SNMP_Trap},
    {u"EtherNetIP_Master_Rules.xml", &File_EtherNetIP_Master_Rules},
    {u"S7_Protocol.xml", &File_S7_Protocol},
};

void Set_Files() {
  for (const TEditorFile& f : Editor_Files)
    *f.Path = Project_Folder.isEmpty() ? QString() : PathJoin(Project_Folder, QString::fromUtf16(f.FileName));
}

namespace {

QString withoutTrailingSeparator(QString folder) {
  while (folder.size() > 1 && folder.endsWith(u'/')) folder.chop(1);
  return folder;
}

}  // namespace

void Set_Folders(const QString& dataRoot, const QString& programFolder) {
  Exe_Folder = withoutTrailingSeparator(dataRoot);
  Program_Folder = programFolder.isEmpty() ? Exe_Folder : withoutTrailingSeparator(programFolder);
  Projects_Folder = PathJoin(Exe_Folder, QStringLiteral("PROJECTS"));
  Master_Folder = PathJoin(Exe_Folder, QStringLiteral("MASTER"));
  Language_Folder = PathJoin(Exe_Folder, QStringLiteral("LANGUAGE"));
}

QStringList Shipped_Folders(const QString& sub) {
  QStringList folders;
  for (const QString& root : {Program_Folder, Exe_Folder}) {
    if (root.isEmpty()) continue;
    const QString folder = sub.isEmpty() ? root : PathJoin(root, sub);
    if (!folders.contains(folder)) folders.append(folder);
  }
  return folders;
}

QString Shipped_Folder_Of(const QString& sub, const QString& name) {
  const QStringList folders = Shipped_Folders(sub);
  for (const QString& folder : folders)
    if (FileExists(PathJoin(folder, name))) return folder;
  return folders.isEmpty() ? QString() : folders.last();
}

void Reset_Comon() {
  Project_Name.clear();
  Project_Folder.clear();
  Projects_Folder.clear();
  Exe_Folder.clear();
  Master_Folder.clear();
  Language_Folder.clear();
  Program_Folder.clear();
  Window_Title.clear();
  SW_Code.clear();
  SW_Desc.clear();
  Last_IP_Address.clear();
  Update_Option = 0;
  Update_Read_Back = false;
  Language_Name.clear();
  Opt_Enable_Internet = Opt_Enable_Update = Opt_Jump_Field_Tables = Opt_Double_Click_Auto_Size = false;
  Last_EDE_Folder.clear();
  for (const TEditorFile& f : Editor_Files) f.Path->clear();
  Row_Clipboard.clear();
  Row_Clipboard_Check.clear();
  SNMP_Read_Descriptions.clear();
  SNMP_Write_Descriptions.clear();
}
