#include "app/shell/form_lists.h"

const char16_t* const Startup_Form_Order[kStartup_Form_Count] = {
    u"TFFabricoreFirmWare", u"TFNew_Project", u"TFOpenConf", u"TFAbout", u"TFSoftOptions",
    u"TFParGen", u"TFEtherCATSlave", u"TFBoot", u"TFSetAccess", u"TFModbus_TCP_Master_Set_Access",
    u"TFBACnetAccess", u"TFImportEDEFile", u"TFBACnet_Eng_Unit", u"TFBACnetSlaveSetAccess", u"TFReceiveCAN",
    u"TFTransmitCAN", u"TFSet_PDO_Access", u"TFSet_SDO_Client_Access", u"TFSet_SDO_Server_Access", u"TFDefOffset",
    u"TFDNet", u"TFDMXDefVal", u"TFIEC_61850_Access", u"TFIEC61850_Variables", u"TFTLS_Server_Known_Cert",
    u"TFReceiveJ1939", u"TFTransmitJ1939", u"TFMQTT_Set_Topic", u"TFTopicTemplate", u"TFReceiveNMEA",
    u"TFTransmitNMEA", u"TFOPC_UA_Add_Server", u"TFOPC_UA_Client_Access", u"TFOPC_UA_Scan_Server",
    u"TFOPC_UA_Server_Access", u"TFSNMPManagerAccess", u"TFSNMP_Trap_Access", u"TFProfinetFileName",
    u"TFEtherNEtIP_EDS", u"TFEtherNetIP_Master_Access", u"TFS7_Protocol_Set_Access",
};

const char16_t* const Change_Language_Order[kChange_Language_Count] = {
    u"TFFabricoreFirmWare", u"TFNew_Project", u"TFOpenConf", u"TFSoftOptions", u"TFBoot",
    u"TFParGen", u"TFEtherCATSlave", u"TFSetAccess", u"TFModbus_TCP_Master_Set_Access", u"TFBACnetAccess",
    u"TFImportEDEFile", u"TFBACnetSlaveSetAccess", u"TFBACnet_Eng_Unit", u"TFReceiveCAN", u"TFTransmitCAN",
    u"TFSet_PDO_Access", u"TFSet_SDO_Client_Access", u"TFSet_SDO_Server_Access", u"TFDNet", u"TFDefOffset",
    u"TFDMXDefVal", u"TFIEC_61850_Access", u"TFTLS_Server_Known_Cert", u"TFIEC61850_Variables",
    u"TFReceiveJ1939", u"TFTransmitJ1939", u"TFMQTT_Set_Topic", u"TFTopicTemplate", u"TFReceiveNMEA",
    u"TFTransmitNMEA", u"TFOPC_UA_Client_Access", u"TFOPC_UA_Add_Server", u"TFOPC_UA_Scan_Server",
    u"TFOPC_UA_Server_Access", u"TFSNMPManagerAccess", u"TFSNMP_Trap_Access", u"TFProfinetFileName",
    u"TFEtherNetIP_Master_Access", u"TFEtherNEtIP_EDS", u"TFS7_Protocol_Set_Access",
};
