// Pictures of the OPC UA and TLS editors as the user sees them, for a look by eye:
// with EDITOR_SHOTS set to a folder, each form is shown with a few rows (the scan
// dialog with what the stand-in library finds) and written there as a PNG.
// Without it the test does nothing.
#include "editors/network/opc_ua_add_server_form.h"
#include "editors/network/opc_ua_client_form.h"
#include "editors/network/opc_ua_scan_form.h"
#include "editors/network/opc_ua_server_form.h"
#include "editors/network/tls_known_cert_form.h"

#include "app/state/comon.h"
#include "platform/os/files.h"
#include "platform/ui/edit.h"
#include "platform/ui/labels.h"
#include "platform/ui/list_controls.h"
#include "tests/editors/network/opc_ua_standin.h"
#include "tests/support/form_shots.h"
#include "tests/support/project_fixture.h"
#include "tests/support/scripted_ui.h"
#include "tests/support/ui_input.h"

#include <QDir>
#include <QElapsedTimer>
#include <QPixmap>
#include <QThread>
#include <QWidget>
#include <functional>
#include <gtest/gtest.h>

namespace {

using NetworkEditorShots = ProjectTest;


}  // namespace

TEST_F(NetworkEditorShots, EveryEditorAsShown) {
  const QString folder = qEnvironmentVariable("EDITOR_SHOTS");
  if (folder.isEmpty()) GTEST_SKIP() << "EDITOR_SHOTS names no folder";
  WriteFileWhole(
      File_OPC_UA_Client,
      "<OPC_UA_Client><OPC_UA_Server_List>"
      "<OPC_UA_Server Enable=\"1\" ServerAddress=\"opc.tcp://127.0.0.1:4840\" Authorization=\"Username and Password\" "
      "UserName=\"operator\" Password=\"secret\" Certificate=\"\" PrivateKey=\"\" SecurityType=\"Sign\" "
      "SecurityPolicy=\"Basic 256\" Mnemonic=\"Line 1\"><OPC_UA_Variables><OPC_UA_Read_Var>"
      "<Variable Enable=\"1\" DisplayName=\"Level\" NodeType=\"Numeric\" NodeID=\"1001\" VarType=\"Double\" "
      "NameSpaceIndex=\"2\" VarArray=\"Variable\" Start=\"0\" Length=\"0\" Time=\"100\" Position=\"0\" Mnemonic=\"Tank\"/>"
      "<Variable Enable=\"1\" DisplayName=\"Raw\" NodeType=\"Guid\" NodeID=\"6ba7b810-9dad-11d1-80b4-00c04fd430c8\" "
      "VarType=\"UInt8\" NameSpaceIndex=\"3\" VarArray=\"Array\" Start=\"0\" Length=\"8\" Time=\"500\" Position=\"8\" "
      "Mnemonic=\"\"/></OPC_UA_Read_Var><OPC_UA_Write_Var>"
      "<Variable Enable=\"1\" DisplayName=\"Setpoint\" NodeType=\"String\" NodeID=\"ns=2;s=Set\" VarType=\"Int16\" "
      "NameSpaceIndex=\"2\" OnChange=\"1\" Time=\"0\" Position=\"0\" Mnemonic=\"\"/></OPC_UA_Write_Var>"
      "</OPC_UA_Variables></OPC_UA_Server>"
      "<OPC_UA_Server Enable=\"0\" ServerAddress=\"opc.tcp://127.0.0.2:4841\" Authorization=\"Anonymous\" "
      "UserName=\"\" Password=\"\" Certificate=\"\" PrivateKey=\"\" SecurityType=\"None\" SecurityPolicy=\"None\" "
      "Mnemonic=\"Spare\"><OPC_UA_Variables><OPC_UA_Read_Var/><OPC_UA_Write_Var/></OPC_UA_Variables></OPC_UA_Server>"
      "</OPC_UA_Server_List></OPC_UA_Client>");
  WriteFileWhole(File_OPC_UA_Server,
                 "<OPC_UA_Server><OPC_UA_Server_Variables>"
                 "<row Enable=\"Y\" Type=\"Int16\" Position=\"0\" Length=\"2\" Name=\"Speed\" ReadWrite=\"Read Only\"/>"
                 "<row Enable=\"N\" Type=\"String\" Position=\"2\" Length=\"32\" Name=\"Tag\" ReadWrite=\"Read/Write\" "
                 "Mnemonic=\"Operator text\"/></OPC_UA_Server_Variables></OPC_UA_Server>");
  WriteFileWhole(File_TLS_Known_Cert,
                 "<TLS_Server_Known_Cert><row Enable=\"Y\" Certificate=\"-----BEGIN CERTIFICATE-----&#10;MIIBszCCAVmgAwIB"
                 "&#10;-----END CERTIFICATE-----\" Mnemonic=\"Plant CA\"/><row Enable=\"N\" Certificate=\"second\"/>"
                 "</TLS_Server_Known_Cert>");
  std::unique_ptr<TFOPC_UA_Add_Server> add(Create<TFOPC_UA_Add_Server>(nullptr));
  std::unique_ptr<TFOPC_UA_Scan_Server> scan(Create<TFOPC_UA_Scan_Server>(nullptr));
  FOPC_UA_Add_Server = add.get();
  FOPC_UA_Scan_Server = scan.get();
  {
    std::unique_ptr<TFOPC_UA_Client_Access> client(Create<TFOPC_UA_Client_Access>(nullptr));
    ShootForm(client.get(), folder, "TFOPC_UA_Client_Access");
  }
  for (int auth = 0; auth < 3; ++auth) {
    add->FormType = 2;
    add->E_Server_Add->SetText("opc.tcp://127.0.0.1:4840");
    add->CB_Auth->SetItemIndex(auth);
    add->CB_Sec_Type->SetItemIndex(auth);
    ShootForm(add.get(), folder, QStringLiteral("TFOPC_UA_Add_Server_%1").arg(auth));
  }
  {
    OPC_UA_StandIn library;
    library.Describe({"var=0|numeric|4294967295|6|1|Counter", "var=2|string|ns=2;s=Tank|11|2|Tank",
                      "var=3|guid|6ba7b810-9dad-11d1-80b4-00c04fd430c8|13|3|Id", "var=4|bytestring|AQID|14|0|Blob",
                      "var=1|numeric|5|15|3|Unknown type"});
    scan->Server.Server_Address = "opc.tcp://127.0.0.1:4840";
    ShootForm(scan.get(), folder, "TFOPC_UA_Scan_Server", [&] {
      QElapsedTimer clock;
      clock.start();
      while (scan->LWaiting->Visible() && clock.elapsed() < 10000) {
        ProcessEvents();
        QThread::msleep(2);
      }
    });
    library.Describe({"delay_ms=1000"});
    ShootForm(scan.get(), folder, "TFOPC_UA_Scan_Server_waiting", [&] {
      for (int i = 0; i < 30; ++i) {
        ProcessEvents();
        QThread::msleep(5);
      }
    });
  }
  {
    std::unique_ptr<TFOPC_UA_Server_Access> server(Create<TFOPC_UA_Server_Access>(nullptr));
    ShootForm(server.get(), folder, "TFOPC_UA_Server_Access");
    std::unique_ptr<TFTLS_Server_Known_Cert> tls(Create<TFTLS_Server_Known_Cert>(nullptr));
    ShootForm(tls.get(), folder, "TFTLS_Server_Known_Cert");
  }
  FOPC_UA_Add_Server = nullptr;
  FOPC_UA_Scan_Server = nullptr;
}
