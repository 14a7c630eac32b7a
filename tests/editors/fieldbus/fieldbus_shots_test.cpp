// Pictures of the fieldbus and building-automation editors and dialogs as the user
// sees them, for a look by eye: with EDITOR_SHOTS set to a folder, each form is
// shown with a few rows and written there as a PNG. Without it the test does
// nothing.
#include "editors/fieldbus/bacnet_client_form.h"
#include "editors/fieldbus/bacnet_server_form.h"
#include "editors/fieldbus/bacnet_unit_form.h"
#include "editors/fieldbus/ede_import_form.h"
#include "editors/fieldbus/eds_dialog.h"
#include "editors/fieldbus/ethernetip_form.h"
#include "editors/fieldbus/modbus_rtu_form.h"
#include "editors/fieldbus/profinet_file_name_form.h"
#include "editors/fieldbus/s7_form.h"

#include "app/state/comon.h"
#include "platform/os/files.h"
#include "platform/ui/edit.h"
#include "platform/ui/page_control.h"
#include "tests/support/form_shots.h"
#include "tests/support/project_fixture.h"
#include "tests/support/scripted_ui.h"
#include "tests/support/ui_input.h"

#include <QDir>
#include <QPixmap>
#include <QWidget>
#include <functional>
#include <gtest/gtest.h>

namespace {

using FieldbusShots = ProjectTest;


}  // namespace

TEST_F(FieldbusShots, EveryFormAsShown) {
  const QString folder = qEnvironmentVariable("EDITOR_SHOTS");
  if (folder.isEmpty()) GTEST_SKIP() << "EDITOR_SHOTS names no folder";
  WriteFileWhole(File_ModbusM_SetAccess,
                 "<EtherNetIP_to_Modbus><Modbus_Read><row Slave_ID=\"1\" Type=\"Holding Register\" Address=\"100\" "
                 "NPoint=\"4\" PollTime=\"500\" MaxError=\"3\" Position=\"0\" Bit=\"\" Mnemonic=\"Meter\"/>"
                 "<row Enable=\"N\" Slave_ID=\"2\" Type=\"Coil Status\" Address=\"0\" NPoint=\"16\" PollTime=\"200\" "
                 "MaxError=\"0\" Position=\"8\" Bit=\"0\" Swap=\"Y\" Mnemonic=\"Coils\"/></Modbus_Read>"
                 "<Modbus_Write/></EtherNetIP_to_Modbus>");
  WriteFileWhole(File_S7_Protocol,
                 "<S7_Protocol><S7_Protocol_Read><row PLC_Address=\"192.168.1.20\" PLC_Port=\"102\" PLC_Type=\"S71200\" "
                 "Rack=\"0\" Slot=\"1\" Data_Type=\"Word\" Data_Identifier=\"DB\" DB_Number=\"10\" PLC_Area=\"Inputs (I)\" "
                 "PLC_Add=\"4\" PLC_Bit=\"0\" PollTime=\"100\" Position=\"0\" Bit=\"0\" Swap=\"N\" SwapWord=\"N\" "
                 "Mnemonic=\"Counter\"/></S7_Protocol_Read><S7_Protocol_Write/></S7_Protocol>");
  WriteFileWhole(File_EtherNetIP_Master_Rules,
                 "<EtherNetIP_Master_Access><row Enable=\"Y\" IP_Address=\"192.168.0.50\" Start_Input=\"0\" "
                 "Num_Input=\"32\" Start_Output=\"0\" Num_Output=\"32\" Time_Poll=\"10\" Instance_T_O=\"1\" "
                 "Connection_Point_T_O=\"100\" Instance_O_T=\"1\" Connection_Point_O_T=\"101\" Mnemonic=\"Drive\"/>"
                 "</EtherNetIP_Master_Access>");
  WriteFileWhole(File_BACnet_Master_Access,
                 "<BACnet_Master_Access><BACnet_Read><row IP_Address_Slave_ID=\"192.168.0.9\" Object_Type=\"Analog Input\" "
                 "Instance=\"3\" Property=\"Present Value (85)\" NumByte=\"4\" PollTime=\"1000\" MaxError=\"0\" "
                 "Position=\"0\" StartBit=\"0\" Mnemonic=\"Outside air\"/></BACnet_Read><BACnet_Write/>"
                 "</BACnet_Master_Access>");
  WriteFileWhole(File_BACnet_Slave,
                 "<BACnet_to_Modbus><BACnet_in_Read><row Data_Type=\"Analog Input\" Eng_Unit=\"62\" Position=\"0\" "
                 "Bit=\"\" Length=\"4\" Mnemonic=\"Room temp\"/></BACnet_in_Read><BACnet_in_Write/></BACnet_to_Modbus>");
  WriteFileWhole(File_ParGen, "<Par_Gen><BACnet_Master_Type>0</BACnet_Master_Type></Par_Gen>");
  const QString eds = QDir(Project_Folder).filePath("adapter.eds");
  WriteFileWhole(eds, "[Connection Manager]\n"
                      "Connection1 = 0x04010002, 0x44640405, , 0, , , 0, , , , , , \"Exclusive Owner\", \"\", "
                      "\"20 04 24 01 2C 96 2C 64\";\n"
                      "Connection2 = 0x02010002, 0x44640305, , 0, , , 0, , , , , , \"Input Only\", \"Inputs, no outputs\", "
                      "\"20 04 24 03 2C FE 2C 64\";\n");
  const QString ede = QDir(Project_Folder).filePath("remote.csv");
  WriteFileWhole(ede, "#\n#\n#\n#\n#\n#\n# mandatory\n# keyname\n"
                      "a;1;Supply temp;0;1;Supply air temperature;;;;N;N;;;;62;;\n"
                      "b;1;Damper;1;2;Damper position;;;;Y;N;;;;98;;\n"
                      "c;1;Fan;4;3;Fan command;;;;Y;N;;;;95;;\n");

  std::unique_ptr<TFSetAccess> modbus(Create<TFSetAccess>(nullptr));
  ShootForm(modbus.get(), folder, "TFSetAccess");
  std::unique_ptr<TFS7_Protocol_Set_Access> s7(Create<TFS7_Protocol_Set_Access>(nullptr));
  ShootForm(s7.get(), folder, "TFS7_Protocol_Set_Access");
  ShootForm(s7.get(), folder, "TFS7_Protocol_Set_Access_write",
        [&] { s7->PageControl1->SetActivePage(s7->Sheets[1]); });
  std::unique_ptr<TFEtherNetIP_Master_Access> eip(Create<TFEtherNetIP_Master_Access>(nullptr));
  ShootForm(eip.get(), folder, "TFEtherNetIP_Master_Access");
  std::unique_ptr<TFEtherNEtIP_EDS> edsDialog(Create<TFEtherNEtIP_EDS>(nullptr));
  edsDialog->EDS_FileName = eds;
  ShootForm(edsDialog.get(), folder, "TFEtherNEtIP_EDS");
  std::unique_ptr<TFProfinetFileName> profinet(Create<TFProfinetFileName>(nullptr));
  ShootForm(profinet.get(), folder, "TFProfinetFileName", [&] { profinet->E_XML_User->SetText("Line2"); });
  std::unique_ptr<TFBACnetAccess> client(Create<TFBACnetAccess>(nullptr));
  ShootForm(client.get(), folder, "TFBACnetAccess");
  std::unique_ptr<TFImportEDEFile> import(Create<TFImportEDEFile>(nullptr));
  import->EDE_File = ede;
  ShootForm(import.get(), folder, "TFImportEDEFile", [&] { import->E_ID_IP->SetText("192.168.0.30"); });
  std::unique_ptr<TFBACnetSlaveSetAccess> server(Create<TFBACnetSlaveSetAccess>(nullptr));
  ShootForm(server.get(), folder, "TFBACnetSlaveSetAccess");
  std::unique_ptr<TFBACnet_Eng_Unit> units(Create<TFBACnet_Eng_Unit>(nullptr));
  units->E_Selected_EU->SetText("62");
  ShootForm(units.get(), folder, "TFBACnet_Eng_Unit");
}
