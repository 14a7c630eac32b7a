// The scan dialog over the stand-in of the outside browse library: every
// identifier kind, access level and data type (an unknown one included) reaches
// the grid; the request reaches the library; a missing library, a missing
// function, an empty browse, Cancel during a slow browse and a browse that does not
// answer in time.
#include "editors/network/opc_ua_scan_form.h"

#include "app/language/language.h"
#include "controls/button/fade_button.h"
#include "grid/view/column_grid.h"
#include "platform/ui/labels.h"
#include "tests/editors/network/opc_ua_standin.h"
#include "tests/support/project_fixture.h"
#include "tests/support/scripted_ui.h"
#include "tests/support/ui_input.h"

#include <QElapsedTimer>
#include <QThread>
#include <functional>
#include <gtest/gtest.h>

namespace {

class OPC_UA_Scan : public ProjectTest {
protected:
  void SetUp() override {
    ProjectTest::SetUp();
    dialog.reset(Create<TFOPC_UA_Scan_Server>(nullptr));
    dialog->Server.Server_Address = "opc.tcp://127.0.0.1:4840";
  }
  void TearDown() override {
    dialog.reset();
    EXPECT_TRUE(OPC_UA_StandIn::Wait_For_Scans());
    ProjectTest::TearDown();
  }

  // Pumps events until `done` holds; false after `ms` milliseconds.
  static bool Pump_Until(const std::function<bool()>& done, int ms = 10000) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
      if (clock.elapsed() > ms) return false;
      ProcessEvents();
      QThread::msleep(2);
    }
    return true;
  }

  QStringList Grid_Row(int row) const {
    QStringList cells;
    for (int c = 0; c < 9; ++c) cells << dialog->ECG_OPC_UA_Scan_Var->GetCellEx(c, row);
    return cells;
  }

  std::unique_ptr<TFOPC_UA_Scan_Server> dialog;
};

}  // namespace

TEST_F(OPC_UA_Scan, EveryIdentifierKindAccessLevelAndDataTypeArrivesInTheGrid) {
  OPC_UA_StandIn library;
  library.Describe({"var=0|numeric|4294967295|6|1|Counter", "var=2|string|ns=2;s=Tank|11|2|Tank",
                    "var=3|guid|6ba7b810-9dad-11d1-80b4-00c04fd430c8|13|3|Id", "var=4|bytestring|AQID|14|0|Blob",
                    "var=65535|numeric|5|15|3|Unknown type"});
  dialog->Server.Auth = 2;
  dialog->Server.User_Name = "operator";
  dialog->Server.Password = "secret";
  dialog->Server.Certificate = "-----BEGIN-----\r\nMIIB\r\n-----END-----";
  dialog->Server.Private_Key = "KEY";
  dialog->Server.Security_Type = 2;
  dialog->Server.Security_Policy = 5;
  ScriptedUi ui;
  ui.ExpectModal("TFOPC_UA_Scan_Server", [&](TForm*) {
    EXPECT_TRUE(dialog->LWaiting->Visible());
    ASSERT_TRUE(Pump_Until([&] { return !dialog->LWaiting->Visible(); }));
    EXPECT_EQ(dialog->ECG_OPC_UA_Scan_Var->RowCount(), 6);
    EXPECT_EQ(Grid_Row(1), (QStringList{"1", "Y", "", "Counter", "Numeric", "4294967295", "UInt32", "0", "Read"}));
    EXPECT_EQ(Grid_Row(2), (QStringList{"2", "", "Y", "Tank", "String", "ns=2;s=Tank", "String", "2", "Write"}));
    EXPECT_EQ(Grid_Row(3), (QStringList{"3", "Y", "Y", "Id", "Guid", "6BA7B810-9DAD-11D1-80B4-00C04FD430C8", "Guid",
                                        "3", "Read/Write"}));
    EXPECT_EQ(Grid_Row(4), (QStringList{"4", "Y", "Y", "Blob", "ByteString", "AQID", "ByteString", "4", "Read/Write"}));
    EXPECT_EQ(Grid_Row(5), (QStringList{"5", "Y", "Y", "Unknown type", "Numeric", "5", "", "65535", "Read/Write"}));
    // The buttons set or clear one column for every row.
    dialog->Btn_ClearAllRead->Click();
    dialog->Btn_SelectAllWrite->Click();
    EXPECT_EQ(Grid_Row(1).mid(1, 2), (QStringList{"N", "Y"}));
    EXPECT_EQ(Grid_Row(5).mid(1, 2), (QStringList{"N", "Y"}));
    dialog->Btn_SelectAllRead->Click();
    dialog->Btn_ClearAllWrite->Click();
    EXPECT_EQ(Grid_Row(3).mid(1, 2), (QStringList{"Y", "N"}));
    dialog->Btn_OK->Click();
  });
  EXPECT_EQ(dialog->ShowModal(), mrOk);
  // The library got the request as the editor filled it.
  EXPECT_EQ(library.Request(), (QStringList{"address=opc.tcp://127.0.0.1:4840", "auth=2", "user=operator",
                                            "password=secret", "cert=-----BEGIN-----\\r\\nMIIB\\r\\n-----END-----",
                                            "key=KEY", "security_type=2", "security_policy=5"}));
  // The results keep their texts after the library was released.
  ASSERT_TRUE(OPC_UA_StandIn::Wait_For_Scans());
  ASSERT_EQ(dialog->List_Var.size(), 5u);
  EXPECT_EQ(dialog->List_Var[1].String_Name(), "ns=2;s=Tank");
  EXPECT_EQ(dialog->List_Var[3].Byte_String(), "AQID");
  EXPECT_EQ(dialog->List_Var[4].Display_Name(), "Unknown type");
}

TEST_F(OPC_UA_Scan, AMissingLibraryOrFunctionIsToldOnceAndNothingIsFound) {
  struct Case {
    OPC_UA_StandIn::Build build;
    int text;
  } cases[] = {{OPC_UA_StandIn::Build::None, 4430}, {OPC_UA_StandIn::Build::Without_Return, 4431}};
  for (const Case& c : cases) {
    OPC_UA_StandIn library(c.build);
    library.Describe({"var=0|numeric|1|0|3|x"});
    ScriptedUi ui;
    ui.ExpectModal("TFOPC_UA_Scan_Server", [&](TForm*) {
      ui.ExpectMessage(Lang_Text(c.text), mrOk, mtError);
      ASSERT_TRUE(Pump_Until([&] { return ui.Pending() == 0; }));
      EXPECT_FALSE(dialog->Scanning());
      EXPECT_TRUE(dialog->LWaiting->Visible());
      EXPECT_EQ(Grid_Row(1), QStringList(9, QString()));
      // Nothing more comes: the scan is over.
      for (int i = 0; i < 20; ++i) ProcessEvents();
      dialog->Btn_OK->Click();
    });
    EXPECT_EQ(dialog->ShowModal(), mrOk);
    EXPECT_TRUE(dialog->List_Var.empty());
  }
}

TEST_F(OPC_UA_Scan, AnEmptyBrowseShowsOneEmptyRowAndNothingToPick) {
  OPC_UA_StandIn library;
  library.Describe({"var=0|numeric|1|0|3|not counted", "count=0"});
  ScriptedUi ui;
  ui.ExpectModal("TFOPC_UA_Scan_Server", [&](TForm*) {
    ASSERT_TRUE(Pump_Until([&] { return !dialog->LWaiting->Visible(); }));
    dialog->Btn_SelectAllWrite->Click();
    EXPECT_EQ(dialog->ECG_OPC_UA_Scan_Var->RowCount(), 2);
    EXPECT_EQ(Grid_Row(1), QStringList(9, QString()));
    dialog->Btn_Cancel->Click();
  });
  EXPECT_EQ(dialog->ShowModal(), mrCancel);
  // Without an address no scan runs: the last results are shown as they stand.
  dialog->Server.Server_Address.clear();
  ui.ExpectModal("TFOPC_UA_Scan_Server", [&](TForm*) {
    for (int i = 0; i < 20; ++i) ProcessEvents();
    EXPECT_FALSE(dialog->Scanning());
    EXPECT_FALSE(dialog->LWaiting->Visible());
    dialog->Btn_Cancel->Click();
  });
  dialog->ShowModal();
}

TEST_F(OPC_UA_Scan, CancelDuringASlowBrowseReturnsAtOnce) {
  OPC_UA_StandIn library;
  library.Describe({"delay_ms=1500", "var=0|numeric|1|0|3|late"});
  ScriptedUi ui;
  ui.ExpectModal("TFOPC_UA_Scan_Server", [&](TForm*) {
    ASSERT_TRUE(Pump_Until([&] { return dialog->Scanning(); }));
    dialog->Btn_Cancel->Click();
  });
  EXPECT_EQ(dialog->ShowModal(), mrCancel);
  // The dialog did not wait for the library: its browse is still running.
  EXPECT_EQ(TOPC_UA_Scan::Running(), 1);
  EXPECT_FALSE(dialog->Scanning());
  ASSERT_TRUE(OPC_UA_StandIn::Wait_For_Scans());
  // The given-up scan brought nothing into the dialog.
  for (int i = 0; i < 20; ++i) ProcessEvents();
  EXPECT_TRUE(dialog->List_Var.empty());
}

TEST_F(OPC_UA_Scan, ABrowseThatDoesNotAnswerInTimeEndsWithAMessage) {
  OPC_UA_StandIn library;
  library.Describe({"delay_ms=800", "var=0|numeric|1|0|3|late"});
  dialog->Scan_Time_Out_Ms = 150;
  ScriptedUi ui;
  ui.ExpectModal("TFOPC_UA_Scan_Server", [&](TForm*) {
    ui.ExpectMessage("Error!! The OPC UA Server did not answer within 1 seconds", mrOk, mtError);
    ASSERT_TRUE(Pump_Until([&] { return ui.Pending() == 0; }));
    EXPECT_FALSE(dialog->Scanning());
    dialog->Btn_OK->Click();
  });
  EXPECT_EQ(dialog->ShowModal(), mrOk);
  EXPECT_TRUE(dialog->List_Var.empty());
}
