// The state the whole program shares: program folders, the active project, the
// model's identity texts, the options, the last device address and update choices,
// the language name, the path of every editor file of the active project, the row
// clipboard and the SNMP description lists. Plain program-wide variables; who
// writes each is fixed (the main window, the project dialogs, the options dialog,
// the update dialog), everyone else reads.
#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

// Identity of the model this program serves.
inline constexpr const char16_t* kSW_Code = u"KQ82K03";
inline constexpr const char16_t* kHW_Code = u"KV82K03";
inline constexpr const char16_t* kSW_Desc = u"EtherCAT Slave / Modbus TCP Master - Converter";
inline constexpr const char16_t* kSW_Version = u"1.001";
// The maker's web domain, used in the window title, two texts and the web links.
inline constexpr const char16_t* kMaker_Domain = u"www.zerfal.example";
inline constexpr const char16_t* kDefault_IP_Address = u"192.168.2.205";
inline constexpr const char16_t* kDefault_Language = u"English";

extern QString Project_Name;     // active configuration's name; may be set while no project is active
extern QString Project_Folder;   // Projects_Folder + "/" + Project_Name; empty = no active project
extern QString Projects_Folder;  // Exe_Folder + "/PROJECTS"
extern QString Exe_Folder;       // the program's data root, without trailing separator
extern QString Master_Folder;    // Exe_Folder + "/MASTER"
extern QString Language_Folder;  // Exe_Folder + "/LANGUAGE"
// Folder of the program file, where the files the program ships and only reads lie
// (language files and flags, the updater, the firmware image). It is Exe_Folder
// unless that folder is not writable, when Exe_Folder is the per-user data folder.
extern QString Program_Folder;
extern QString Window_Title;
extern QString SW_Code;
extern QString SW_Desc;
extern QString Last_IP_Address;
extern int32_t Update_Option;
extern bool Update_Read_Back;
extern QString Language_Name;
extern bool Opt_Enable_Internet;
extern bool Opt_Enable_Update;
extern bool Opt_Jump_Field_Tables;
extern bool Opt_Double_Click_Auto_Size;
extern QString Last_EDE_Folder;

// Paths of the editor files of the active project, filled by Set_Files.
extern QString File_ParGen;
extern QString File_EtherCAT_Slave;
extern QString File_ModbusM_SetAccess;
extern QString File_ModbusTCPM_SetAccess;
extern QString File_BACnet_Master_Access;
extern QString File_BACnet_Slave;
extern QString File_CAN_Rec_Frames;
extern QString File_CAN_Send_Frames;
extern QString File_SDO_Server_CANopen;
extern QString File_SDO_Client_CANopen;
extern QString File_PDO_CANopen;
extern QString File_DNETM_Net;
extern QString File_DNETM_DefOff;
extern QString File_DMX_Default_Values;
extern QString File_IEC_61850_Client;
extern QString File_TLS_Known_Cert;
extern QString File_IEC61850_Variables;
extern QString File_J1939_Rec_Frames;
extern QString File_J1939_Send_Frames;
extern QString File_MQTT_Set_Topic;
extern QString File_NMEA_Rec_Frames;
extern QString File_NMEA_Send_Frames;
extern QString File_OPC_UA_Client;
extern QString File_OPC_UA_Server;
extern QString File_SNMP_Manager;
extern QString File_SNMP_Trap;
extern QString File_EtherNetIP_Master_Rules;
extern QString File_S7_Protocol;

// Cell texts of the last copied grid row, and one flag per copied column telling
// whether the cell was a check box.
extern QStringList Row_Clipboard;
extern std::vector<bool> Row_Clipboard_Check;
extern QStringList SNMP_Read_Descriptions;
extern QStringList SNMP_Write_Descriptions;

// Sets the 28 editor file paths from Project_Folder; with no active project the
// paths are empty (no editor step runs without a project).
void Set_Files();

// The editor file names in the order Set_Files assigns them, with their globals.
struct TEditorFile {
  const char16_t* FileName;
  QString* Path;
};
extern const TEditorFile Editor_Files[28];

// Puts every global back to its initial value (start of a run; tests).
void Reset_Comon();

// Sets the folder globals from a data root: Exe_Folder and the three folders below
// it, and Program_Folder (the data root when `programFolder` is empty).
void Set_Folders(const QString& dataRoot, const QString& programFolder = QString());

// Where a shipped file of the sub-folder `sub` ("" for the folder itself) is looked
// for: Program_Folder's first, then Exe_Folder's; one entry when they are the same.
QStringList Shipped_Folders(const QString& sub);
// The folder of Shipped_Folders(sub) that holds `name`, else the last one (where
// the program's own folders are).
QString Shipped_Folder_Of(const QString& sub, const QString& name);
