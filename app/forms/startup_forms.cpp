#include "app/forms/startup_forms.h"

#include "app/forms/about_dialog.h"
#include "app/forms/form_registry.h"
#include "app/forms/main_window.h"
#include "app/forms/new_project_dialog.h"
#include "app/forms/open_conf_dialog.h"
#include "app/forms/options_dialog.h"
#include "app/shell/form_lists.h"
#include "editors/can/can_frame_forms.h"
#include "editors/can/canopen_forms.h"
#include "editors/can/def_offset_form.h"
#include "editors/can/device_net_form.h"
#include "editors/can/dmx_form.h"
#include "editors/can/j1939_forms.h"
#include "editors/network/iec61850_client_form.h"
#include "editors/network/iec61850_variables_form.h"
#include "editors/network/mqtt_template_dialog.h"
#include "editors/network/mqtt_topic_form.h"
#include "editors/network/snmp_forms.h"
#include "editors/network/opc_ua_add_server_form.h"
#include "editors/network/opc_ua_client_form.h"
#include "editors/network/opc_ua_scan_form.h"
#include "editors/network/opc_ua_server_form.h"
#include "editors/network/tls_known_cert_form.h"
#include "editors/fieldbus/bacnet_client_form.h"
#include "editors/fieldbus/bacnet_server_form.h"
#include "editors/fieldbus/bacnet_unit_form.h"
#include "editors/fieldbus/ede_import_form.h"
#include "editors/fieldbus/eds_dialog.h"
#include "editors/fieldbus/ethernetip_form.h"
#include "editors/fieldbus/modbus_rtu_form.h"
#include "editors/fieldbus/profinet_file_name_form.h"
#include "editors/fieldbus/s7_form.h"
#include "gateway/boot_form.h"
#include "gateway/ethercat_slave_form.h"
#include "gateway/modbus_tcp_master_form.h"
#include "gateway/par_gen_form.h"
#include "platform/ui/application.h"

#include <vector>

namespace {

// How each form built into the program is made. A form's issue adds its line here;
// the start-up order and the language-change order are those of form_lists.
struct TFormCreator {
  const char16_t* Name;
  void (*Create)();
};

template <typename T>
void makeForm(T*& reference) {
  Application->CreateForm(reference);
  T* form = reference;
  Register_Form(form, [form] { form->Set_Lang(); });
}

const TFormCreator kForm_Creators[] = {
    {u"TFFabricoreFirmWare", [] { makeForm(FFabricoreFirmWare); }},
    {u"TFNew_Project", [] { makeForm(FNew_Project); }},
    {u"TFOpenConf", [] { makeForm(FOpenConf); }},
    {u"TFAbout", [] {
       Application->CreateForm(FAbout);
       Register_Form(FAbout, nullptr);  // fixed English texts, no Set_Lang
     }},
    {u"TFSoftOptions", [] { makeForm(FSoftOptions); }},
    {u"TFParGen", [] { makeForm(FParGen); }},
    {u"TFEtherCATSlave", [] { makeForm(FEtherCATSlave); }},
    {u"TFBoot", [] { makeForm(FBoot); }},
    {u"TFSetAccess", [] { makeForm(FSetAccess); }},
    {u"TFModbus_TCP_Master_Set_Access", [] { makeForm(FModbus_TCP_Master_Set_Access); }},
    {u"TFBACnetAccess", [] { makeForm(FBACnetAccess); }},
    {u"TFImportEDEFile", [] { makeForm(FImportEDEFile); }},
    {u"TFBACnet_Eng_Unit", [] { makeForm(FBACnet_Eng_Unit); }},
    {u"TFBACnetSlaveSetAccess", [] { makeForm(FBACnetSlaveSetAccess); }},
    {u"TFReceiveCAN", [] { makeForm(FReceiveCAN); }},
    {u"TFTransmitCAN", [] { makeForm(FTransmitCAN); }},
    {u"TFSet_PDO_Access", [] { makeForm(FSet_PDO_Access); }},
    {u"TFSet_SDO_Client_Access", [] { makeForm(FSet_SDO_Client_Access); }},
    {u"TFSet_SDO_Server_Access", [] { makeForm(FSet_SDO_Server_Access); }},
    {u"TFDefOffset", [] { makeForm(FDefOffset); }},
    {u"TFDNet", [] { makeForm(FDNet); }},
    {u"TFDMXDefVal", [] { makeForm(FDMXDefVal); }},
    {u"TFReceiveJ1939", [] { makeForm(FReceiveJ1939); }},
    {u"TFTransmitJ1939", [] { makeForm(FTransmitJ1939); }},
    {u"TFReceiveNMEA", [] { makeForm(FReceiveNMEA); }},
    {u"TFTransmitNMEA", [] { makeForm(FTransmitNMEA); }},
    {u"TFIEC_61850_Access", [] { makeForm(FIEC_61850_Access); }},
    {u"TFIEC61850_Variables", [] { makeForm(FIEC61850_Variables); }},
    {u"TFMQTT_Set_Topic", [] { makeForm(FMQTT_Set_Topic); }},
    {u"TFTopicTemplate", [] { makeForm(FTopicTemplate); }},
    {u"TFSNMPManagerAccess", [] { makeForm(FSNMPManagerAccess); }},
    {u"TFSNMP_Trap_Access", [] { makeForm(FSNMP_Trap_Access); }},
    {u"TFTLS_Server_Known_Cert", [] { makeForm(FTLS_Server_Known_Cert); }},
    {u"TFOPC_UA_Add_Server", [] { makeForm(FOPC_UA_Add_Server); }},
    {u"TFOPC_UA_Client_Access", [] { makeForm(FOPC_UA_Client_Access); }},
    {u"TFOPC_UA_Scan_Server", [] { makeForm(FOPC_UA_Scan_Server); }},
    {u"TFOPC_UA_Server_Access", [] { makeForm(FOPC_UA_Server_Access); }},
    {u"TFProfinetFileName", [] { makeForm(FProfinetFileName); }},
    {u"TFEtherNEtIP_EDS", [] { makeForm(FEtherNEtIP_EDS); }},
    {u"TFEtherNetIP_Master_Access", [] { makeForm(FEtherNetIP_Master_Access); }},
    {u"TFS7_Protocol_Set_Access", [] { makeForm(FS7_Protocol_Set_Access); }},
};

std::vector<TForm*>& madeForms() {
  static std::vector<TForm*> forms;
  return forms;
}

}  // namespace

void Create_Startup_Forms() {
  for (const char16_t* name : Startup_Form_Order) {
    const QString className = QString::fromUtf16(name);
    for (const TFormCreator& creator : kForm_Creators) {
      if (className != QString::fromUtf16(creator.Name)) continue;
      creator.Create();
      if (TForm* form = Registered_Form(className)) madeForms().push_back(form);
    }
  }
}

void Free_Startup_Forms() {
  std::vector<TForm*>& forms = madeForms();
  while (!forms.empty()) {
    TForm* form = forms.back();
    forms.pop_back();
    delete form;
  }
}

int Run_Configurator() {
  Create_Startup_Forms();
  Application->Run();
  madeForms().clear();  // Run freed them with the application's components
  return 0;
}
