// Pictures of the sibling editors as the user sees them, for a look by eye: with
// EDITOR_SHOTS set to a folder, each form is shown with a few rows and its first
// grid's header hint, and written there as a PNG. Without it the test does nothing.
#include "editors/can/can_frame_forms.h"
#include "editors/can/canopen_forms.h"
#include "editors/can/def_offset_form.h"
#include "editors/can/device_net_form.h"
#include "editors/can/dmx_form.h"
#include "editors/can/j1939_forms.h"
#include "gateway/ethercat_slave_form.h"
#include "gateway/modbus_tcp_master_form.h"

#include "app/state/comon.h"
#include "grid/view/column_grid.h"
#include "platform/os/files.h"
#include "platform/ui/page_control.h"
#include "tests/support/project_fixture.h"
#include "tests/support/scripted_ui.h"
#include "tests/support/ui_input.h"

#include <QDir>
#include <QPixmap>
#include <QWidget>
#include <functional>
#include <gtest/gtest.h>

namespace {

using EditorShots = ProjectTest;

void Shoot(TForm* form, const QString& folder, const std::function<void()>& fill = {}) {
  QDir().mkpath(folder);
  ScriptedUi ui;
  ui.ExpectModal(form->ClassName(), [&](TForm* f) {
    if (fill) fill();
    ProcessEvents();
    f->Widget()->grab().save(QDir(folder).filePath(f->ClassName() + QStringLiteral(".png")));
    f->SetModalResult(mrCancel);
  });
  form->ShowModal();
}

}  // namespace

TEST_F(EditorShots, EveryEditorAsShown) {
  const QString folder = qEnvironmentVariable("EDITOR_SHOTS");
  if (folder.isEmpty()) GTEST_SKIP() << "EDITOR_SHOTS names no folder";
  WriteFileWhole(File_DNETM_Net, "<DNET_Net><row ID=\"3\" NB_IN=\"2\" NB_OUT=\"1\" Mnemonic=\"Valve island\"/>"
                                 "<row ID=\"7\" NB_IN=\"4\" NB_OUT=\"4\" Mnemonic=\"Drive\"/></DNET_Net>");
  WriteFileWhole(File_CAN_Rec_Frames, "<Receive_Frames><row COBID=\"$181\" CAN_Type=\"2.0A (11 bits)\" Dim=\"2\" "
                                      "Byte1=\"0\" Byte2=\"None\" Mnemonic=\"Speed\"/></Receive_Frames>");
  WriteFileWhole(File_PDO_CANopen, "<PDO_CANopen><Receive_PDO><row COB-ID=\"0x181\" Dimension=\"2\" Address_B1=\"0\" "
                                   "Address_B2=\"1\" Address_B3=\"\" Address_B4=\"\" Address_B5=\"\" Address_B6=\"\" "
                                   "Address_B7=\"\" Address_B8=\"\" TimeOut=\"0\" Mnemonic=\"In\"/></Receive_PDO>"
                                   "<Transmit_PDO/></PDO_CANopen>");
  WriteFileWhole(File_J1939_Rec_Frames, "<Receive_J1939><row DP=\"0\" PGN=\"0xFEF1\" SA=\"0\" TP=\"N\" "
                                        "Mnemonic=\"Cruise\"/></Receive_J1939>");
  WriteFileWhole(File_EtherCAT_Slave,
                 "<EtherCAT_Slave><EtherCAT_Slave_Variables><EtherCAT_Slave_To_Master><row Enable=\"Y\" Type=\"UINT16\" "
                 "Length=\"2\" Name=\"Speed\"/><row Enable=\"Y\" Type=\"BOOL\" Name=\"Run\"/></EtherCAT_Slave_To_Master>"
                 "<EtherCAT_Master_To_Slave/></EtherCAT_Slave_Variables></EtherCAT_Slave>");
  std::vector<std::unique_ptr<TForm>> forms;
  forms.emplace_back(Create<TFReceiveCAN>(nullptr));
  forms.emplace_back(Create<TFTransmitCAN>(nullptr));
  forms.emplace_back(Create<TFDNet>(nullptr));
  forms.emplace_back(Create<TFDefOffset>(nullptr));
  forms.emplace_back(Create<TFDMXDefVal>(nullptr));
  forms.emplace_back(Create<TFSet_PDO_Access>(nullptr));
  forms.emplace_back(Create<TFSet_SDO_Client_Access>(nullptr));
  forms.emplace_back(Create<TFSet_SDO_Server_Access>(nullptr));
  forms.emplace_back(Create<TFReceiveJ1939>(nullptr));
  forms.emplace_back(Create<TFTransmitJ1939>(nullptr));
  forms.emplace_back(Create<TFReceiveNMEA>(nullptr));
  forms.emplace_back(Create<TFTransmitNMEA>(nullptr));
  // The gateway's own editors on the same base.
  forms.emplace_back(Create<TFEtherCATSlave>(nullptr));
  forms.emplace_back(Create<TFModbus_TCP_Master_Set_Access>(nullptr));
  for (const auto& form : forms) Shoot(form.get(), folder);
  // The second page of a two-table editor.
  auto* pdo = static_cast<TFSet_PDO_Access*>(forms[5].get());
  Shoot(pdo, folder + QStringLiteral("/second"), [&] { pdo->PageControl1->SetActivePage(pdo->Sheets[1]); });
}
