// The OPC UA client editor as the user meets it: the file with two servers shown
// and saved unchanged by OK; servers added, changed and deleted through the
// dialog; the variable grids stored into the server they show, never into another
// one; scanned variables appended, replacing or kept; automatic positions; the
// check's message and the question before rows below a gap are lost.
#include "editors/network/opc_ua_add_server_form.h"
#include "editors/network/opc_ua_client_file.h"
#include "editors/network/opc_ua_client_form.h"
#include "editors/network/opc_ua_scan_form.h"

#include "app/language/language.h"
#include "app/state/comon.h"
#include "controls/button/fade_button.h"
#include "grid/view/column_grid.h"
#include "platform/os/files.h"
#include "platform/ui/edit.h"
#include "platform/ui/labels.h"
#include "platform/ui/list_controls.h"
#include "platform/ui/page_control.h"
#include "platform/ui/shapes.h"
#include "platform/ui/splitter.h"
#include "tests/editors/network/opc_ua_standin.h"
#include "tests/support/project_fixture.h"
#include "tests/support/scripted_ui.h"
#include "tests/support/ui_input.h"

#include <QElapsedTimer>
#include <QThread>
#include <functional>
#include <gtest/gtest.h>

namespace {

class OPC_UA_Client_Form : public ProjectTest {
protected:
  void SetUp() override {
    ProjectTest::SetUp();
    add.reset(Create<TFOPC_UA_Add_Server>(nullptr));
    scan.reset(Create<TFOPC_UA_Scan_Server>(nullptr));
    FOPC_UA_Add_Server = add.get();
    FOPC_UA_Scan_Server = scan.get();
    form.reset(Create<TFOPC_UA_Client_Access>(nullptr));
  }
  void TearDown() override {
    form.reset();
    scan.reset();
    add.reset();
    FOPC_UA_Add_Server = nullptr;
    FOPC_UA_Scan_Server = nullptr;
    EXPECT_TRUE(OPC_UA_StandIn::Wait_For_Scans());
    ProjectTest::TearDown();
  }

  // One server, as the dialog would give it; its variables are typed by hand.
  static QString Server_Element(const QString& address, const QString& read, const QString& write = {}) {
    return QStringLiteral("<OPC_UA_Server Enable=\"1\" ServerAddress=\"%1\" Authorization=\"Anonymous\" "
                          "UserName=\"\" Password=\"\" Certificate=\"\" PrivateKey=\"\" SecurityType=\"None\" "
                          "SecurityPolicy=\"None\" Mnemonic=\"\"><OPC_UA_Variables><OPC_UA_Read_Var>%2"
                          "</OPC_UA_Read_Var><OPC_UA_Write_Var>%3</OPC_UA_Write_Var></OPC_UA_Variables>"
                          "</OPC_UA_Server>")
        .arg(address, read, write);
  }
  static QString Variable_Element(const QString& name, const QString& position, const QString& type = "Int32") {
    return QStringLiteral("<Variable Enable=\"1\" DisplayName=\"%1\" NodeType=\"Numeric\" NodeID=\"7\" "
                          "VarType=\"%3\" NameSpaceIndex=\"1\" Time=\"100\" Position=\"%2\" Mnemonic=\"\"/>")
        .arg(name, position, type);
  }
  static void Write_Client(const QStringList& servers) {
    WriteFileWhole(File_OPC_UA_Client,
                   ("<OPC_UA_Client><OPC_UA_Server_List>" + servers.join("") + "</OPC_UA_Server_List></OPC_UA_Client>")
                       .toUtf8());
  }

  // Clicks server row `row` in the server grid.
  void Click_Server(int row) {
    form->ECG_OPC_UA_Server->SetRow(row);
    form->ECG_OPC_UA_ServerClickCell(form->ECG_OPC_UA_Server, row, 1);
  }
  // Types into a variable grid as the user does: the grid has the focus while
  // the cells change, then loses it.
  void Type_In(TExColumnGrid* grid, const std::function<void()>& typing) {
    form->ECG_OPC_UA_Var_Enter(grid);
    typing();
    form->ECG_OPC_UA_Var_Exit(grid);
  }

  std::unique_ptr<TFOPC_UA_Add_Server> add;
  std::unique_ptr<TFOPC_UA_Scan_Server> scan;
  std::unique_ptr<TFOPC_UA_Client_Access> form;
};

QStringList Names(const TOPC_UA_Variable_List& list) {
  QStringList names;
  for (const auto& v : list) names << v->DispalyName;
  return names;
}

}  // namespace

TEST_F(OPC_UA_Client_Form, TwoServersShownAndSavedUnchanged) {
  Write_Client({Server_Element("opc.tcp://127.0.0.1:4840", Variable_Element("r1", "0") + Variable_Element("r2", "4"),
                               Variable_Element("w1", "0")),
                Server_Element("opc.tcp://127.0.0.2:4840", Variable_Element("other", "8"))});
  // What OK writes for these objects, as the file helper writes it.
  TOPC_UA_Server_List expected;
  Load_OPC_UA_Client(File_OPC_UA_Client, expected);
  const QString expectedText = OPC_UA_Client_Text(expected);
  ScriptedUi ui;
  ui.ExpectModal("TFOPC_UA_Client_Access", [&](TForm*) {
    EXPECT_EQ(form->ECG_OPC_UA_Server->RowCount(), 3);
    EXPECT_EQ(form->ECG_OPC_UA_Server->GetCellEx(2, 2), "opc.tcp://127.0.0.2:4840");
    EXPECT_EQ(form->ECG_OPC_UA_Server->GetCellEx(1, 1), "Y");
    EXPECT_EQ(form->ECG_OPC_UA_Var_R->GetCellEx(2, 2), "r2");
    EXPECT_EQ(form->ECG_OPC_UA_Var_W->GetCellEx(2, 1), "w1");
    Click_Server(2);
    EXPECT_EQ(form->ECG_OPC_UA_Var_R->GetCellEx(2, 1), "other");
    EXPECT_EQ(form->ECG_OPC_UA_Var_R->GetCellEx(2, 2), "");
    EXPECT_EQ(form->ECG_OPC_UA_Var_W->GetCellEx(2, 1), "");
    EXPECT_EQ(form->ECG_OPC_UA_Var_W->GetCellEx(1, 1), "Y");
    // Hints: the server grid's own, the write grid's write texts.
    QString hint;
    form->GridHint(form->ECG_OPC_UA_Server, 0, 2, hint);
    EXPECT_EQ(hint, Lang_Text(4123));
    form->GridHint(form->ECG_OPC_UA_Var_W, 0, 7, hint);
    EXPECT_EQ(hint, Lang_Text(4184));
    form->GridHint(form->ECG_OPC_UA_Var_W, 3, 7, hint);
    EXPECT_EQ(hint, "");
    form->Btn_OK->Click();
  });
  EXPECT_EQ(form->ShowModal(), mrOk);
  EXPECT_EQ(QString::fromUtf8(ReadFileWhole(File_OPC_UA_Client)), expectedText);
  EXPECT_EQ(form->TS_OPC_UA_Var_Read->Caption(), "Variables in Read");
  EXPECT_EQ(form->Btn_AutoPosition->Caption(), "Auto Pos");
  // The splitter shares the room between servers and variables, keeping some for each.
  EXPECT_EQ(form->ClientWidth(), 1150);
  EXPECT_EQ(form->ClientHeight(), 660);
  const int pages = form->PC_OPC_UA_Vars->Height();
  form->Splitter1->MoveTo(form->Splitter1->Top() + 100);
  EXPECT_EQ(form->PC_OPC_UA_Vars->Height(), pages - 100);
  EXPECT_EQ(form->P_OPC_UA_Server_List->Top() + form->P_OPC_UA_Server_List->Height(), form->Splitter1->Top());
  form->Splitter1->MoveTo(10000);
  EXPECT_EQ(form->P_OPC_UA_Var_List->Height(), 80);
  EXPECT_EQ(form->P_OPC_UA_Var_List->Top() + 80, 660 - 40);
}

TEST_F(OPC_UA_Client_Form, VariableGridsBelongToTheServerTheyShow) {
  Write_Client({Server_Element("first", Variable_Element("a", "0")), Server_Element("second", "")});
  ScriptedUi ui;
  ui.ExpectModal("TFOPC_UA_Client_Access", [&](TForm*) {
    TExColumnGrid* read = form->ECG_OPC_UA_Var_R;
    // The grids show the first server; the user moves to the second row without a
    // click there (the grids stay), then types: the rows go into the first server.
    form->ECG_OPC_UA_Server->SetRow(2);
    Type_In(read, [&] { read->SetCellEx(2, 2, "b"); });
    EXPECT_EQ(Names(form->OPC_UA_Server_List[0]->Var_List_R), (QStringList{"a", "b"}));
    EXPECT_TRUE(form->OPC_UA_Server_List[1]->Var_List_R.empty());

    // A server added meanwhile does not take the shown rows either.
    ui.ExpectModal("TFOPC_UA_Add_Server", [&](TForm*) {
      add->E_Server_Add->SetText("third");
      add->Btn_OK->Click();
    });
    form->Btn_Add_Server->Click();
    ASSERT_EQ(form->OPC_UA_Server_List.size(), 3u);
    EXPECT_EQ(form->ECG_OPC_UA_Server->GetCellEx(2, 3), "third");
    EXPECT_EQ(form->OPC_UA_Server_List[2]->Authorization, "Anonymous");
    form->ECG_OPC_UA_Server->SetRow(3);
    Type_In(read, [&] { read->SetCellEx(2, 3, "c"); });
    EXPECT_EQ(Names(form->OPC_UA_Server_List[0]->Var_List_R), (QStringList{"a", "b", "c"}));
    EXPECT_TRUE(form->OPC_UA_Server_List[2]->Var_List_R.empty());

    // Deleting the shown server empties the grids; what is typed then is stored
    // nowhere.
    form->ECG_OPC_UA_Server->SetRow(1);
    ui.ExpectMessage(Lang_Text(4189), mrYes, mtConfirmation);
    form->Btn_Delete_Server->Click();
    ASSERT_EQ(form->OPC_UA_Server_List.size(), 2u);
    EXPECT_EQ(read->GetCellEx(2, 1), "");
    EXPECT_EQ(form->Shown_Server, nullptr);
    Type_In(read, [&] { read->SetCellEx(2, 1, "orphan"); });
    EXPECT_TRUE(form->OPC_UA_Server_List[0]->Var_List_R.empty());
    EXPECT_TRUE(form->OPC_UA_Server_List[1]->Var_List_R.empty());

    // Modify changes the settings, not the variables.
    Click_Server(1);
    Type_In(read, [&] { read->SetCellEx(2, 1, "kept"); });
    ui.ExpectModal("TFOPC_UA_Add_Server", [&](TForm*) {
      EXPECT_EQ(add->E_Server_Add->Text(), "second");
      add->CB_Auth->SetItemIndex(1);
      add->E_User->SetText("u");
      add->E_Pass->SetText("p");
      add->Btn_OK->Click();
    });
    form->Btn_Modify_Server->Click();
    EXPECT_EQ(form->OPC_UA_Server_List[0]->Authorization, "Username and Password");
    EXPECT_EQ(Names(form->OPC_UA_Server_List[0]->Var_List_R), (QStringList{"kept"}));
    form->Btn_Cancel->Click();
  });
  form->ShowModal();
}

TEST_F(OPC_UA_Client_Form, ScannedVariablesAreAppendedReplacedOrKept) {
  OPC_UA_StandIn library;
  library.Describe({"var=1|numeric|4294967295|6|1|Counter", "var=2|string|ns=2;s=Tank|11|2|Tank",
                    "var=3|guid|6ba7b810-9dad-11d1-80b4-00c04fd430c8|13|3|Id", "var=4|bytestring|AQID|15|0|Blob"});
  Write_Client({Server_Element("opc.tcp://127.0.0.1:4840", Variable_Element("old", "0"), Variable_Element("w", "0"))});
  ScriptedUi ui;
  const auto wait_for_scan = [&] {
    QElapsedTimer clock;
    clock.start();
    while (scan->LWaiting->Visible() && clock.elapsed() < 10000) {
      ProcessEvents();
      QThread::msleep(2);
    }
  };
  ui.ExpectModal("TFOPC_UA_Client_Access", [&](TForm*) {
    // Read: append to the old variable; write: replace the old one.
    ui.ExpectModal("TFOPC_UA_Scan_Server", [&](TForm*) {
      wait_for_scan();
      scan->Btn_OK->Click();
    });
    ui.ExpectMessage(Lang_Text(4191), mrYes, mtConfirmation);
    ui.ExpectMessage(Lang_Text(4192), mrNo, mtConfirmation);
    form->Btn_Scan_Server->Click();
    TOPC_UA_Server& s = *form->OPC_UA_Server_List[0];
    EXPECT_EQ(Names(s.Var_List_R), (QStringList{"old", "Counter", "Id", "Blob"}));
    EXPECT_EQ(Names(s.Var_List_W), (QStringList{"Tank", "Id", "Blob"}));
    const TOPC_UA_Variable& counter = *s.Var_List_R[1];
    EXPECT_TRUE(counter.Enable);
    EXPECT_EQ(counter.NodeID(), "4294967295");
    EXPECT_EQ(counter.VarType(), "UInt32");
    EXPECT_EQ(counter.nameSpaceIndex, 1);
    EXPECT_EQ(counter.Position, "");
    EXPECT_EQ(s.Var_List_W[0]->NodeID(), "ns=2;s=Tank");
    EXPECT_EQ(s.Var_List_R[2]->NodeID(), "6BA7B810-9DAD-11D1-80B4-00C04FD430C8");
    EXPECT_EQ(s.Var_List_R[3]->NodeID(), "AQID");
    EXPECT_EQ(s.Var_List_R[3]->dataType, 15);
    // The grids show the result; an unknown data type shows as Boolean.
    EXPECT_EQ(form->ECG_OPC_UA_Var_R->GetCellEx(2, 4), "Blob");
    EXPECT_EQ(form->ECG_OPC_UA_Var_R->GetCellEx(5, 4), "Boolean");
    // The request came from the server.
    EXPECT_EQ(library.Request().value(0), "address=opc.tcp://127.0.0.1:4840");

    // Cancel keeps a list; a scan closed with Cancel adds nothing.
    ui.ExpectModal("TFOPC_UA_Scan_Server", [&](TForm*) {
      wait_for_scan();
      scan->Btn_ClearAllWrite->Click();
      scan->Btn_OK->Click();
    });
    ui.ExpectMessage(Lang_Text(4191), mrCancel, mtConfirmation);
    ui.ExpectMessage(Lang_Text(4192), mrYes, mtConfirmation);
    form->Btn_Scan_Server->Click();
    EXPECT_EQ(s.Var_List_R.size(), 4u);
    EXPECT_EQ(s.Var_List_W.size(), 3u);
    ui.ExpectModal("TFOPC_UA_Scan_Server", [&](TForm*) { scan->Btn_Cancel->Click(); });
    form->Btn_Scan_Server->Click();
    EXPECT_EQ(s.Var_List_R.size(), 4u);
    // Without a server there is nothing to scan.
    ui.ExpectMessage(Lang_Text(4189), mrYes, mtConfirmation);
    ui.ExpectMessage(Lang_Text(4190), mrOk, mtError);
    form->Btn_Delete_Server->Click();
    form->Btn_Scan_Server->Click();
    form->Btn_Cancel->Click();
  });
  form->ShowModal();
}

TEST_F(OPC_UA_Client_Form, AutomaticPositionsAndOKChecks) {
  Write_Client({Server_Element("a", Variable_Element("i", "0") + Variable_Element("d", "10", "Double")),
                Server_Element("b", Variable_Element("x", "999") + Variable_Element("y", "999", "Guid"),
                               Variable_Element("w", "5"))});
  ScriptedUi ui;
  ui.ExpectModal("TFOPC_UA_Client_Access", [&](TForm*) {
    Click_Server(2);
    ui.ExpectMessage(Lang_Text(4194), mrYes, mtConfirmation);
    form->Btn_AutoPosition->Click();
    EXPECT_EQ(form->ECG_OPC_UA_Var_R->GetCellEx(kOV_Position, 1), "18");
    EXPECT_EQ(form->ECG_OPC_UA_Var_R->GetCellEx(kOV_Position, 2), "22");
    EXPECT_EQ(form->ECG_OPC_UA_Var_W->GetCellEx(kOV_Position, 1), "0");
    // A faulty variable typed into the grid: OK names server and variable.
    TExColumnGrid* write = form->ECG_OPC_UA_Var_W;
    Type_In(write, [&] {
      write->SetCellEx(kOV_OnTimer, 1, "Y");
      write->SetCellEx(kOV_Time, 1, "0");
    });
    ui.ExpectMessage("Error in Server Number 2 in Write Variable 1!! Time must be major to 0", mrOk, mtError);
    form->Btn_OK->Click();
    EXPECT_EQ(form->ModalResult(), mrNone);
    // Rows below an empty Display Name: OK asks before they are lost.
    form->PC_OPC_UA_Vars->SetActivePage(form->TS_OPC_UA_Var_Write);
    Type_In(write, [&] {
      write->SetCellEx(kOV_Time, 1, "50");
      write->SetCellEx(kOV_DisplayName, 3, "below");
      write->SetCellEx(kOV_Position, 3, "4");
    });
    ui.ExpectMessage(Lang_Text(4217).arg("Variables in Write").arg(2), mrNo, mtConfirmation);
    form->Btn_OK->Click();
    EXPECT_EQ(form->ModalResult(), mrNone);
    // Delete Row asks with the row number and stores the grid at once.
    write->SetRow(2);
    ui.ExpectMessage(Lang_Text(4193) + "2", mrYes, mtConfirmation);
    form->Btn_DelRow->Click();
    EXPECT_EQ(Names(form->OPC_UA_Server_List[1]->Var_List_W), (QStringList{"w", "below"}));
    form->Btn_OK->Click();
  });
  EXPECT_EQ(form->ShowModal(), mrOk);
  TOPC_UA_Server_List saved;
  Load_OPC_UA_Client(File_OPC_UA_Client, saved);
  EXPECT_EQ(saved[1]->Var_List_R[1]->Position, "22");
  EXPECT_EQ(saved[1]->Var_List_W[1]->DispalyName, "below");
}
