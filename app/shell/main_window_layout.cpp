#include "app/shell/main_window_layout.h"

const TControlPlace Main_Controls[] = {
    {u"L_SW_Code", 8, 16, 0, 0, true},
    {u"L_SW_Desc", 42, 16, 0, 0, true},
    {u"L_Begin", 84, 16, 0, 0, true},
    {u"Shape2", 70, 80, 428, 33, true},
    {u"L_Name_Conf", 75, 87, 0, 0, true},
    {u"L_Name_Conf_L2", 88, 87, 0, 0, true},
    {u"Btn_Info", 8, 516, kPicture_Button_Size, kPicture_Button_Size, true},
    {u"Btn_Opz", 8, 574, kPicture_Button_Size, kPicture_Button_Size, true},
    {u"Btn_Close", 8, 632, kPicture_Button_Size, kPicture_Button_Size, true},
    {u"L_Zerfal", Step_Label_Top(6), 565, 0, 0, true},
    {u"Shape1", kShape1_Top, 10, 674, 1, true},
    {u"LL_Update", kShape1_Top + 16, 80, 0, 0, false},
};
const int Main_Controls_Count = sizeof(Main_Controls) / sizeof(Main_Controls[0]);

// The hidden buttons of the sibling models keep one place beside the steps.
#define HIDDEN(name, caption, hint) {name, 156, 258, false, caption, hint, nullptr}

const TStepButtonPlace Step_Button_Places[30] = {
    {u"Btn_New", 112, 80, true, 15, 22, nullptr},
    {u"Btn_Open", 112, 258, true, 16, 23, nullptr},
    {u"Btn_Prm_Gen", 156, 80, true, 20, 24, nullptr},
    {u"Btn_EtherCAT_Set_Access", 200, 80, true, 21, 25, nullptr},
    {u"Btn_Modbus_Set_Access", 244, 80, true, 27, 28, nullptr},
    {u"Btn_EtherCAT_ESI_File", 288, 80, true, -1, -1, u"EtherCAT ESI File"},
    {u"Btn_CreateBin", kCreateBin_Top, 80, true, 17, 26, nullptr},
    HIDDEN(u"Btn_BACnet_SetAccess", 29, 30),
    HIDDEN(u"Btn_BACnet_EDE_File", 31, 32),
    HIDDEN(u"Btn_CAN_Rec_Frame", 33, 34),
    HIDDEN(u"Btn_CAN_Send_Frame", 35, 36),
    HIDDEN(u"Btn_SDO_Server_CANopen", 41, 42),
    HIDDEN(u"Btn_SDO_Client_CANopen", 43, 44),
    HIDDEN(u"Btn_PDO_CANopen", 45, 46),
    HIDDEN(u"Btn_CANopen_EDS", 47, 48),
    HIDDEN(u"Btn_DNet_Net", 49, 50),
    HIDDEN(u"Btn_DNet_Offset", 51, 52),
    HIDDEN(u"Btn_DMX_Default", 53, 54),
    HIDDEN(u"Btn_IEC61850_Client", 55, 56),
    HIDDEN(u"Btn_IEC61850_Access", 57, 58),
    HIDDEN(u"Btn_TLS_List_Certificates", 59, 60),
    HIDDEN(u"Btn_MQTT_Set_Topic", 61, 62),
    HIDDEN(u"Btn_SNMP_Trap", 63, 64),
    HIDDEN(u"Btn_SNMP_MIB", 65, 66),
    HIDDEN(u"Btn_SNMP_Manager_Access", 67, 68),
    HIDDEN(u"Btn_OPC_UA_Client_Access", 69, 70),
    HIDDEN(u"Btn_OPC_UA_Server_Access", 71, 72),
    HIDDEN(u"Btn_PROFINET_XML", 73, 74),
    HIDDEN(u"Btn_EtherNetIP_Access", 75, 76),
    HIDDEN(u"Btn_S7_Protocol_Access", 77, 78),
};

#undef HIDDEN
