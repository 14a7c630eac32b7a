// Pictures of the MQTT, SNMP and IEC 61850 editors as the user sees them, for a look
// by eye: with EDITOR_SHOTS set to a folder, each form is shown with a few rows and
// written there as a PNG. Without it the test does nothing.
#include "editors/network/iec61850_client_form.h"
#include "editors/network/iec61850_variables_form.h"
#include "editors/network/mqtt_template_dialog.h"
#include "editors/network/mqtt_topic_form.h"
#include "editors/network/snmp_forms.h"

#include "app/state/comon.h"
#include "grid/view/column_grid.h"
#include "platform/os/files.h"
#include "platform/ui/list_controls.h"
#include "platform/ui/page_control.h"
#include "platform/ui/tree_view.h"
#include "tests/support/form_shots.h"
#include "tests/support/project_fixture.h"
#include "tests/support/qstring_print.h"
#include "tests/support/scripted_ui.h"
#include "tests/support/ui_input.h"

#include <QDir>
#include <QPixmap>
#include <QWidget>
#include <functional>
#include <gtest/gtest.h>

namespace {

using NetworkShots = ProjectTest;


}  // namespace

TEST_F(NetworkShots, EveryEditorAsShown) {
  const QString folder = qEnvironmentVariable("EDITOR_SHOTS");
  if (folder.isEmpty()) GTEST_SKIP() << "EDITOR_SHOTS names no folder";
  WriteFileWhole(File_MQTT_Set_Topic,
                 "<MQTT_Set_Topic><MQTT_Publish><row Topic=\"plant/line1/temperature\" Retained=\"N\" QoS=\"1\" "
                 "DataType=\"Int\" Dimension=\"2\" Position=\"0\" Template=\"$VALUE$\" OnChange=\"Y\" OnTimer=\"Y\" "
                 "Time=\"1000\" Mnemonic=\"Oven temperature\"/></MQTT_Publish><MQTT_Subscribe><row "
                 "Topic=\"plant/line1/setpoint\" Retained=\"N\" QoS=\"0\" DataType=\"Float\" Dimension=\"4\" "
                 "Position=\"10\" Template=\"$VALUE$\" Mnemonic=\"Setpoint\"/></MQTT_Subscribe></MQTT_Set_Topic>");
  WriteFileWhole(File_SNMP_Manager, "<SNMP_Manager_Access><row Enable=\"Y\" IP_Address=\"192.168.1.10\" Version=\"2\" "
                                    "Community_String=\"public\" OID=\"1.3.6.1.2.1.1.3.0\" Type=\"Int\" Mode=\"Get\" "
                                    "On_Timer=\"Y\" Time=\"1000\" Position=\"0\" Number_Bytes=\"4\" "
                                    "ConvertFrom=\"None\" Mnemonic=\"Uptime\"/></SNMP_Manager_Access>");
  WriteFileWhole(File_SNMP_Trap, "<SNMP_Trap><SNMP_Trap_Read><row Enable=\"Y\" Community_Name=\"public\" Type=\"Int\" "
                                 "On_Timer=\"Y\" Time=\"5000\" Position=\"0\" Bit=\"0\" NumBits=\"16\" "
                                 "Description=\"temp\" IP_Address=\"192.168.1.5\" Conversion=\"None\"/>"
                                 "<row Enable=\"N\" Community_Name=\"public\" Type=\"String\" Description=\"label\"/>"
                                 "</SNMP_Trap_Read><SNMP_Trap_Write/></SNMP_Trap>");
  WriteFileWhole(File_IEC61850_Variables, "<IEC61850_Variables><row Enable=\"Y\" Name=\"Power\" Type=\"Int\" "
                                          "Length=\"4\" Position=\"0\" Conversion=\"None\" "
                                          "MultiplicationFactor=\"None\" Mnemonic=\"kW\"/></IEC61850_Variables>");
  ForceDirectories(PathJoin(Project_Folder, "ICD_Catalog"));
  CopyFileWhole(QStringLiteral(TESTS_SOURCE_DIR "/editors/network/data/plant.icd"),
                PathJoin(Project_Folder, "ICD_Catalog/plant.icd"));
  WriteFileWhole(File_IEC_61850_Client,
                 "<IEC_68850_Client><List_ICD_Files><ICD_File Name=\"IED1\" FileName=\"plant.icd\"/></List_ICD_Files>"
                 "<List_DA_Selected><DA_Item Index=\"0\" bType=\"FLOAT32\" fc=\"MX\" "
                 "Reference=\"IED1LD0/MMXU1.TotW.mag.f\" IPAddress=\"192.168.1.20\" Port=\"102\" OnChange=\"N\" "
                 "OnCMD=\"N\" OnTimer=\"Y\" Time=\"500\" Position=\"0\" StartBit=\"\" ReadWrite=\"Read\" "
                 "Convertion=\"None\" MoltFact=\"None\" Mnemonic=\"Power\"/></List_DA_Selected>"
                 "</IEC_68850_Client>");

  std::unique_ptr<TFMQTT_Set_Topic> mqtt(Create<TFMQTT_Set_Topic>(nullptr));
  ShootForm(mqtt.get(), folder, "TFMQTT_Set_Topic");
  ShootForm(mqtt.get(), folder, "TFMQTT_Set_Topic_Subscribe", [&] { mqtt->PageControl1->SetActivePageIndex(1); });
  std::unique_ptr<TFTopicTemplate> dialog(Create<TFTopicTemplate>(nullptr));
  dialog->TopicTemplate = 1;
  dialog->Set_Text("{\"temperature\": $VALUE$}");
  ShootForm(dialog.get(), folder, "TFTopicTemplate");
  std::unique_ptr<TFSNMPManagerAccess> manager(Create<TFSNMPManagerAccess>(nullptr));
  ShootForm(manager.get(), folder, "TFSNMPManagerAccess");
  std::unique_ptr<TFSNMP_Trap_Access> trap(Create<TFSNMP_Trap_Access>(nullptr));
  ShootForm(trap.get(), folder, "TFSNMP_Trap_Access");
  std::unique_ptr<TFIEC61850_Variables> variables(Create<TFIEC61850_Variables>(nullptr));
  ShootForm(variables.get(), folder, "TFIEC61850_Variables");
  std::unique_ptr<TFIEC_61850_Access> client(Create<TFIEC_61850_Access>(nullptr));
  ShootForm(client.get(), folder, "TFIEC_61850_Access", [&] {
    client->LB_IEC_Devices->SetItemIndex(0);
    client->LB_IEC_DevicesClick(nullptr);
    TIEC_Device& device = *client->List_IEC_Dev[0];
    TIEC_DO* totW = device.Find_LDevice("LD0")->Find_LN("MMXU")->Find_DO("TotW");
    totW->TreeNode->Expand(true);
    client->TV_IEC_Device->SetSelected(totW->List_DA[0]->List_DA[0]->TreeNode);
  });
}
