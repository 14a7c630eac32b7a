#include "app/shell/step_flow.h"

const TStepEntry Step_Dispatch[] = {
    {u"Btn_New", saNew_Project, nullptr},
    {u"Btn_Open", saOpen_Project, nullptr},
    {u"Btn_Close", saClose, nullptr},
    {u"Btn_Info", saAbout, nullptr},
    {u"Btn_Opz", saOptions, nullptr},
    // From here on a project must be active.
    {u"Btn_Prm_Gen", saShow_Form, u"TFParGen"},
    {u"Btn_EtherCAT_Set_Access", saShow_Form, u"TFEtherCATSlave"},
    {u"Btn_Modbus_Set_Access", saShow_Form, u"TFModbus_TCP_Master_Set_Access"},
    {u"Btn_BACnet_SetAccess", saShow_Form, u"TFBACnetAccess"},
    {u"Btn_BACnet_EDE_File", saBACnet_EDE_File, nullptr},
    {u"Btn_CAN_Rec_Frame", saShow_Form, u"TFReceiveCAN"},
    {u"Btn_CAN_Send_Frame", saShow_Form, u"TFTransmitCAN"},
    {u"Btn_PDO_CANopen", saShow_Form, u"TFSet_PDO_Access"},
    {u"Btn_SDO_Client_CANopen", saShow_Form, u"TFSet_SDO_Client_Access"},
    {u"Btn_SDO_Server_CANopen", saShow_Form, u"TFSet_SDO_Server_Access"},
    {u"Btn_CANopen_EDS", saBuild_EDS_File, nullptr},
    {u"Btn_DNet_Net", saShow_Form, u"TFDNet"},
    {u"Btn_DNet_Offset", saShow_Form, u"TFDefOffset"},
    {u"Btn_DMX_Default", saShow_Form, u"TFDMXDefVal"},
    {u"Btn_IEC61850_Client", saShow_Form, u"TFIEC_61850_Access"},
    {u"Btn_TLS_List_Certificates", saShow_Form, u"TFTLS_Server_Known_Cert"},
    {u"Btn_IEC61850_Access", saShow_Form, u"TFIEC61850_Variables"},
    {u"Btn_MQTT_Set_Topic", saShow_Form, u"TFMQTT_Set_Topic"},
    {u"Btn_OPC_UA_Client_Access", saShow_Form, u"TFOPC_UA_Client_Access"},
    {u"Btn_OPC_UA_Server_Access", saShow_Form, u"TFOPC_UA_Server_Access"},
    {u"Btn_SNMP_Manager_Access", saShow_Form, u"TFSNMPManagerAccess"},
    {u"Btn_SNMP_Trap", saShow_Form, u"TFSNMP_Trap_Access"},
    {u"Btn_SNMP_MIB", saCreate_MIB_File, nullptr},
    {u"Btn_EtherCAT_ESI_File", saCreate_ESI_File, nullptr},
    {u"Btn_PROFINET_XML", saPROFINET_XML, nullptr},
    {u"Btn_EtherNetIP_Access", saShow_Form, u"TFEtherNetIP_Master_Access"},
    {u"Btn_S7_Protocol_Access", saShow_Form, u"TFS7_Protocol_Set_Access"},
    {u"Btn_CreateBin", saUpdate_Device, nullptr},
};
const int Step_Dispatch_Count = sizeof(Step_Dispatch) / sizeof(Step_Dispatch[0]);

const TStepEntry* Find_Step(const QString& button) {
  for (const TStepEntry& e : Step_Dispatch)
    if (button == QString::fromUtf16(e.Button)) return &e;
  return nullptr;
}

bool Step_Needs_Project(TStepAction action) {
  switch (action) {
    case saNew_Project:
    case saOpen_Project:
    case saClose:
    case saAbout:
    case saOptions:
      return false;
    default:
      return true;
  }
}
