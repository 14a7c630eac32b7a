// The SNMP manager requests: the checks of an enabled row (address, OID codes, Get
// needs its timer, time, sizes, position by mode, conversion, the SNMPv3
// credentials and security level) and the duplicate requests after the rows; the
// file read guarded and written as the table shows; the form's size and hints.
#include "editors/network/snmp_forms.h"
#include "editors/network/snmp_manager.h"

#include "app/state/comon.h"
#include "controls/button/fade_button.h"
#include "grid/view/column_grid.h"
#include "platform/os/files.h"
#include "tests/editors/editor_tables.h"
#include "tests/support/project_fixture.h"
#include "tests/support/qstring_print.h"
#include "tests/support/scripted_ui.h"
#include "tests/support/ui_input.h"

#include <gtest/gtest.h>

namespace {

using SNMPManager = ProjectTest;

// Enable, IP, Version, Community, OID, Type, Mode, OnChange, OnCMD, OnTimer, Time,
// Position, Num Bytes, Conversion, Cancel, User, Auth Pass, Priv Pass, Security
// Level, Auth Mode, Priv Mode, Mnemonic.
const QStringList kGet = {"Y", "192.168.1.10", "2", "public", "1.3.6.1.2.1.1.3", "Int", "Get", "N", "N", "Y", "1000",
                          "0", "4", "None", "N", "", "", "", "", "", "", "uptime"};
const QStringList kV3 = {"Y", "10.0.0.2", "3", "", "1.3.6.1.4.1.1", "Int", "Set", "", "", "", "", "1439", "244",
                         "Float", "", "admin", "authpass1", "privpass1", "Auth Priv", "SHA", "AES", "v3"};

}  // namespace

TEST_F(SNMPManager, ChecksNameTheFirstFaultyRowAndItsReason) {
  const QString p = "Error row 3";
  struct Case {
    const char* name;
    QStringList row;
    QString message;
  } cases[] = {
      {"get passes", kGet, ""},
      {"version 3 passes", kV3, ""},
      {"address part 256", With_Cell(kGet, kSNMPM_IP, "192.168.1.256"),
       p + "!! IP Address must be a valid TCP IP Address (Ex. 192.168.1.125)"},
      {"OID dot first", With_Cell(kGet, kSNMPM_OID, ".1.3"), p + "!! OID string cannot start with a \".\""},
      {"OID dot last", With_Cell(kGet, kSNMPM_OID, "1.3."), p + "!! OID string cannot finish with a \".\""},
      {"OID two dots", With_Cell(kGet, kSNMPM_OID, "1..3"), p + "!! OID string cannot contains two or more consecutive \".\""},
      {"OID letter", With_Cell(kGet, kSNMPM_OID, "1.a"), p + "!! OID string can contains only number and \".\""},
      {"OID empty", With_Cell(kGet, kSNMPM_OID, ""), p + "!! OID string can contains only number and \".\""},
      {"OID 62 characters", With_Cell(kGet, kSNMPM_OID, "1" + QString(".1").repeated(30) + "1"),
       p + "!! OID string is too much length"},
      {"OID component 4294967296", With_Cell(kGet, kSNMPM_OID, "1.4294967296"),
       p + "!! OID string cannot contains number major of $FFFFFFFF between two \".\""},
      {"OID component 4294967295", With_Cell(kGet, kSNMPM_OID, "1.4294967295"), ""},
      {"get without timer", With_Cell(kGet, kSNMPM_OnTimer, "N"), p + "!! If Mode equal to Get, OnTimer must be selected"},
      {"set without timer or time", With_Cell(With_Cell(With_Cell(kGet, kSNMPM_Mode, "Set"), kSNMPM_OnTimer, "N"), kSNMPM_Time, ""), ""},
      {"time 100000000", With_Cell(kGet, kSNMPM_Time, "100000000"), ""},
      {"time 100000001", With_Cell(kGet, kSNMPM_Time, "100000001"), p + "!! Time must be between 1 and 100000000 ms"},
      {"empty time", With_Cell(kGet, kSNMPM_Time, ""), p + "!! Time must be between 1 and 100000000 ms"},
      {"245 bytes", With_Cell(kGet, kSNMPM_NumBytes, "245"), p + "!! Number bytes must be between 0 and 244"},
      {"0 bytes", With_Cell(kGet, kSNMPM_NumBytes, "0"), ""},
      {"position 1440", With_Cell(kGet, kSNMPM_Position, "1440"), p + "!! Position must be between 0 and 1439"},
      {"trap position 1439", With_Cell(With_Cell(kGet, kSNMPM_Mode, "Trap"), kSNMPM_Position, "1439"), ""},
      {"no conversion", With_Cell(kGet, kSNMPM_Conversion, " "), p + "!! Conversion not selected"},
      {"v3 empty user", With_Cell(kV3, kSNMPM_User, ""), p + "!! User string can not be empty"},
      {"v3 user of 16", With_Cell(kV3, kSNMPM_User, "abcdefghijklmnop"), p + "!! User string is too much length"},
      {"v3 auth of 7", With_Cell(kV3, kSNMPM_AuthPass, "short12"), p + "!! Auth Pass string must have at least 8 characters"},
      {"v3 priv with a blank", With_Cell(kV3, kSNMPM_PrivPass, "priv pass"),
       p + "!! Priv Pass string can contains only number and letters"},
      {"v3 no level", With_Cell(kV3, kSNMPM_Security, ""), p + "!! Security Level must be selected"},
      {"v3 auth priv without priv mode", With_Cell(kV3, kSNMPM_PrivMode, " "), p + "!! Priv Mode must be selected"},
      {"v3 auth nopriv without auth mode", With_Cell(With_Cell(kV3, kSNMPM_Security, " auth nopriv"), kSNMPM_AuthMode, ""),
       p + "!! Auth Mode must be selected"},
      {"v3 noauth needs no mode", With_Cell(With_Cell(With_Cell(kV3, kSNMPM_Security, "NoAuth NoPriv"), kSNMPM_AuthMode, ""),
                                       kSNMPM_PrivMode, ""),
       ""},
      {"v2 without credentials", With_Cell(kV3, kSNMPM_Version, "2"), ""},
      {"lower-case enable unchecked", With_Cell(With_Cell(kGet, kSNMPM_Enable, "y"), kSNMPM_OID, "x"), ""},
  };
  for (const Case& c : cases) {
    EditorTables t(SNMP_Manager_Spec);
    // Rows 1 and 2 ask for other objects than row 3, so no two requests are the same.
    t.SetRow(0, 1, With_Cell(kGet, kSNMPM_OID, "1.3.6.1.2.1.1.1"));
    t.SetRow(0, 2, With_Cell(kV3, kSNMPM_OID, "1.3.6.1.4.1.9"));
    t.SetRow(0, 3, c.row);
    t.SetRow(0, 4, With_Cell(kGet, kSNMPM_IP, " "));  // ends the used rows
    t.SetRow(0, 5, With_Cell(kGet, kSNMPM_OID, "x"));
    EXPECT_EQ(t.Check(), c.message) << c.name;
  }
}

TEST_F(SNMPManager, TwoEnabledRequestsForTheSameObjectOfTheSameAgentAreRefused) {
  EditorTables t(SNMP_Manager_Spec);
  t.SetRow(0, 1, kGet);
  t.SetRow(0, 2, kV3);
  t.SetRow(0, 3, With_Cell(kGet, kSNMPM_OID, "1.3.6.1.2.1.1.5"));
  t.SetRow(0, 4, kV3);
  t.SetRow(0, 5, With_Cell(kGet, kSNMPM_IP, " 192.168.1.10 "));
  EXPECT_EQ(t.Check(), "Error in rows 1 and 5!! Same IP Address, Version and OID used");
  t.SetRow(0, 1, With_Cell(kGet, kSNMPM_Enable, "N"));
  EXPECT_EQ(t.Check(), "Error in rows 2 and 4!! Same IP Address, Version and OID used");
  t.SetRow(0, 4, With_Cell(kV3, kSNMPM_OID, "1.3.6.1.4.1.2"));
  EXPECT_EQ(t.Check(), "");
}

TEST_F(SNMPManager, TheFileIsReadGuardedAndWrittenAsTheTableShows) {
  WriteFileWhole(File_SNMP_Manager, "<SNMP_Manager_Access><row IP_Address=\"1.2.3.4\" OID=\"1.3\"/></SNMP_Manager_Access>");
  EditorTables t(SNMP_Manager_Spec);
  EXPECT_TRUE(t.Load(File_SNMP_Manager).Failure.isEmpty());
  EXPECT_EQ(t.Row(0, 1), (QStringList{"1", "Y", "1.2.3.4", "", "", "1.3", "", "", "N", "N", "N", "", "", "", "None",
                                      "N", "", "", "", "", "", "", ""}));
  t.SetRow(0, 1, kV3);
  t.SetRow(0, 2, With_Cell(kGet, kSNMPM_Enable, "N"));
  t.Save(File_SNMP_Manager);
  const QString text = QString::fromUtf8(ReadFileWhole(File_SNMP_Manager));
  EXPECT_TRUE(text.startsWith("<SNMP_Manager_Access>\n  <row Enable=\"Y\" IP_Address=\"10.0.0.2\" Version=\"3\" "
                              "Community_String=\"\" OID=\"1.3.6.1.4.1.1\" Type=\"Int\" Mode=\"Set\" On_Change=\"\" "
                              "On_Command=\"\" On_Timer=\"\" Time=\"\" Position=\"1439\" Number_Bytes=\"244\" "
                              "ConvertFrom=\"Float\" Cancel=\"\" User=\"admin\" Auth_Pass=\"authpass1\" "
                              "Priv_Pass=\"privpass1\" Security_Level=\"Auth Priv\" Auth_Mode=\"SHA\" "
                              "Priv_Mode=\"AES\" Mnemonic=\"v3\" />\n  <row Enable=\"N\""))
      << text.toStdString();
  EXPECT_TRUE(text.endsWith("</SNMP_Manager_Access>\n<!--SW_VERSION = 1.000-->\n"));
  EditorTables again(SNMP_Manager_Spec);
  again.Load(File_SNMP_Manager);
  EXPECT_EQ(again.Row(0, 1), t.Row(0, 1));
  EXPECT_EQ(again.Row(0, 2), t.Row(0, 2));
  EXPECT_EQ(again.Row(0, 3), t.Row(0, 3));
}

TEST_F(SNMPManager, TheFormFillsThePositionsAndShowsHintsByDisplayColumn) {
  std::unique_ptr<TFSNMPManagerAccess> form(Create<TFSNMPManagerAccess>(nullptr));
  TExColumnGrid* g = form->ECG_SNMP();
  EXPECT_EQ(form->ClientWidth(), 1230 - g->Columns()->Items(kSNMPM_OnCMD)->Width());
  EXPECT_EQ(g->RowCount(), 513);
  EXPECT_EQ(g->AllColCount(), 23);
  ScriptedUi ui;
  ui.ExpectModal("TFSNMPManagerAccess", [&](TForm*) {
    EXPECT_EQ(form->app_NB_IN, 1440);
    EXPECT_EQ(g->Columns()->Items(kSNMPM_Position)->ComboItems()->Count(), 1440);
    EXPECT_EQ(g->GetCellEx(1, 512), "Y");
    QString hint = "grid's own";
    form->GridHint(g, 0, 22, hint);
    EXPECT_EQ(hint, "Description of the SNMP Request");
    form->GridHint(g, 3, 2, hint);
    EXPECT_EQ(hint, "");
    g->SetRow(4);
    ui.ExpectMessage("Are you sure to delete the Row number 4", mrNo);
    form->Btn_DelRow->Click();
    form->Btn_Cancel->Click();
  });
  form->ShowModal();
}
