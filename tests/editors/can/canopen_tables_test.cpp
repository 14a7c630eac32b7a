// The CANopen PDO, SDO client and SDO server tables: the checks of both tables of
// each (the first table before the second), the bare reading and the files; on
// the forms, the tables on their pages with their own copied-here flags.
#include "editors/can/canopen_forms.h"
#include "editors/can/canopen_tables.h"

#include "app/language/language.h"
#include "app/state/comon.h"
#include "controls/button/fade_button.h"
#include "grid/view/column_grid.h"
#include "platform/os/files.h"
#include "platform/ui/page_control.h"
#include "tests/editors/editor_tables.h"
#include "tests/support/project_fixture.h"
#include "tests/support/scripted_ui.h"

#include <gtest/gtest.h>

namespace {

using CANopenTables = ProjectTest;

// COB-ID, Dimension, Add B1..B8, TimeOut, Mnemonic.
const QStringList kRPDO = {"0x181", "3", "0", "1", "1499", "", "", "", "", "", "0", "r"};
// COB-ID, Dimension, Add B1..B8, Send Time, On Change, Mnemonic.
const QStringList kTPDO = {"$7FF", "1", "5", "", "", "", "", "", "", "", "100", "Y", "t"};
// ID Device, Index, SubIndex, N Byte, Poll Time, Add Byte1..4, TimeOut, Mnemonic.
const QStringList kClientRead = {"1", "0x1000", "0", "2", "1", "0", "1", "", "", "0", "r"};
// ID Device, Index, SubIndex, N Byte, Poll Time, On Change, Add Byte1..4, Mnemonic.
const QStringList kClientWrite = {"127", "$FFFF", "255", "1", "0", "N", "1499", "", "", "", "w"};
// Index, SubIndex, N Byte, Add Byte1..4, Mnemonic.
const QStringList kServer = {"0x2000", "0xFF", "4", "0", "1", "2", "3", "s"};

QStringList With(QStringList row, int col, const QString& text) {
  row[col - 1] = text;
  return row;
}

}  // namespace

TEST_F(CANopenTables, ChecksNameTheFirstFaultInTableOrder) {
  struct Case {
    const char* name;
    const TTableEditorSpec* spec;
    QStringList first;
    QStringList second;
    QString message;
  } cases[] = {
      {"pdo passes", &PDO_Spec, kRPDO, kTPDO, ""},
      {"rpdo COB-ID 2048", &PDO_Spec, With(kRPDO, 1, "2048"), kTPDO,
       "Error row 1!! [Receive PDO] COB-ID must be between 0x000 and 0x7FF"},
      {"tpdo dimension 9", &PDO_Spec, kRPDO, With(kTPDO, 2, "9"),
       "Error row 1!! [Transmit PDO] Dimension must be between 1 and 8"},
      {"rpdo empty third address", &PDO_Spec, With(kRPDO, 5, ""), kTPDO,
       "Error row 1!! [Receive PDO] Address Byte3 must be between 0 and 1499"},
      {"rpdo address 1500", &PDO_Spec, With(kRPDO, 3, "1500"), kTPDO,
       "Error row 1!! [Receive PDO] Address Byte1 must be between 0 and 1499"},
      {"rpdo timeout 65536", &PDO_Spec, With(kRPDO, 11, "65536"), kTPDO,
       "Error row 1!! [Receive PDO] TimeOut must be between 0 and 65535"},
      {"tpdo send time 100000001", &PDO_Spec, kRPDO, With(kTPDO, 11, "100000001"),
       "Error row 1!! [Transmit PDO] Send Time must be between 0 and 100000000"},
      {"receive reported first", &PDO_Spec, With(kRPDO, 2, "0"), With(kTPDO, 1, "x"),
       "Error row 1!! [Receive PDO] Dimension must be between 1 and 8"},
      {"client passes", &SDO_Client_Spec, kClientRead, kClientWrite, ""},
      {"client ID 128", &SDO_Client_Spec, With(kClientRead, 1, "128"), kClientWrite,
       "Error row 1!! [SDO Read] Device ID must be between 1 and 127"},
      {"client index 0x0FFF", &SDO_Client_Spec, kClientRead, With(kClientWrite, 2, "0x0FFF"),
       "Error row 1!! [SDO Write] Index must be between 0x1000 and 0xFFFF"},
      {"client index 0x10000", &SDO_Client_Spec, With(kClientRead, 2, "0x10000"), kClientWrite,
       "Error row 1!! [SDO Read] Index must be between 0x1000 and 0xFFFF"},
      {"client sub 256", &SDO_Client_Spec, With(kClientRead, 3, "256"), kClientWrite,
       "Error row 1!! [SDO Read] SubIndex must be between 0x00 and 0xFF"},
      {"client N Byte 3", &SDO_Client_Spec, kClientRead, With(kClientWrite, 4, "3"),
       "Error row 1!! [SDO Write] N Byte must be 1 or 2 or 4"},
      {"client read poll 0", &SDO_Client_Spec, With(kClientRead, 5, "0"), kClientWrite,
       "Error row 1!! [SDO Read] Poll Time must be between 1 and 100000000"},
      {"client write poll 100000001", &SDO_Client_Spec, kClientRead, With(kClientWrite, 5, "100000001"),
       "Error row 1!! [SDO Write] Poll Time must be between 0 and 100000000"},
      {"client four bytes, two addresses", &SDO_Client_Spec, With(kClientRead, 4, "4"), kClientWrite,
       "Error row 1!! [SDO Read] Address Byte3 must be between 0 and 1499"},
      {"client read timeout empty", &SDO_Client_Spec, With(kClientRead, 10, ""), kClientWrite,
       "Error row 1!! [SDO Read] TimeOut must be between 0 and 65535"},
      {"server passes", &SDO_Server_Spec, kServer, kServer, ""},
      {"server index 0x1FFF", &SDO_Server_Spec, kServer, With(kServer, 1, "0x1FFF"),
       "Error row 1!! [SDO in Write] Index must be between 0x2000 and 0x5FFF"},
      {"server index 0x6000", &SDO_Server_Spec, With(kServer, 1, "0x6000"), kServer,
       "Error row 1!! [SDO in Read] Index must be between 0x2000 and 0x5FFF"},
      {"server N Byte 0", &SDO_Server_Spec, With(kServer, 3, "0"), kServer,
       "Error row 1!! [SDO in Read] N Byte must be 1 or 2 or 4"},
      {"server two bytes, empty third", &SDO_Server_Spec, With(With(kServer, 3, "2"), 6, ""), kServer, ""},
      {"server empty fourth", &SDO_Server_Spec, kServer, With(kServer, 7, ""),
       "Error row 1!! [SDO in Write] Address Byte4 must be between 0 and 1499"},
  };
  for (const Case& c : cases) {
    EditorTables t(*c.spec);
    t.SetRow(0, 1, c.first);
    t.SetRow(1, 1, c.second);
    // Below the first blank key nothing is checked.
    t.SetRow(0, 3, With(c.first, 1, "x"));
    t.SetRow(0, 2, With(c.first, 1, "  "));
    EXPECT_EQ(t.Check(), c.message) << c.name;
  }
}

TEST_F(CANopenTables, FilesAreReadBareTableByTableAndWrittenWithVersion1003) {
  WriteFileWhole(File_SDO_Server_CANopen,
                 "<SDO_Server_CANopen><SDO_Read>"
                 "<row Index=\"0x2000\" SubIndex=\"1\" NByte=\"1\" Address_B1=\"0\" Address_B2=\"\" Address_B3=\"\" "
                 "Address_B4=\"\" Mnemonic=\"a\"/>"
                 "</SDO_Read></SDO_Server_CANopen>");
  EditorTables t(SDO_Server_Spec);
  const TEditorLoad load = t.Load(File_SDO_Server_CANopen);
  EXPECT_EQ(load.Failure, "The element \"SDO_Write\" is missing.");
  EXPECT_EQ(t.Row(0, 1), (QStringList{"1", "0x2000", "1", "1", "0", "", "", "", "a"}));
  t.SetRow(1, 1, kServer);
  t.Save(File_SDO_Server_CANopen);
  EXPECT_EQ(QString::fromUtf8(ReadFileWhole(File_SDO_Server_CANopen)),
            "<SDO_Server_CANopen>\n  <SDO_Read>\n"
            "    <row Index=\"0x2000\" SubIndex=\"1\" NByte=\"1\" Address_B1=\"0\" Address_B2=\"\" Address_B3=\"\" "
            "Address_B4=\"\" Mnemonic=\"a\" />\n"
            "  </SDO_Read>\n  <SDO_Write>\n"
            "    <row Index=\"0x2000\" SubIndex=\"0xFF\" NByte=\"4\" Address_B1=\"0\" Address_B2=\"1\" "
            "Address_B3=\"2\" Address_B4=\"3\" Mnemonic=\"s\" />\n"
            "  </SDO_Write>\n</SDO_Server_CANopen>\n<!--SW_VERSION = 1.003-->\n");
  EditorTables again(SDO_Server_Spec);
  EXPECT_TRUE(again.Load(File_SDO_Server_CANopen).Failure.isEmpty());
  EXPECT_EQ(again.Row(1, 1), t.Row(1, 1));

  // PDO and SDO client files: what one writes, the other reads back cell for cell;
  // more than 30 PDOs: the rest is counted, not read.
  EditorTables pdo(PDO_Spec);
  for (int row = 1; row <= 30; ++row) pdo.SetRow(0, row, With(kRPDO, 12, QString::number(row)));
  pdo.SetRow(1, 1, kTPDO);
  pdo.Save(File_PDO_CANopen);
  QString text = QString::fromUtf8(ReadFileWhole(File_PDO_CANopen));
  EXPECT_TRUE(text.contains("<row COB-ID=\"$7FF\" Dimension=\"1\" Address_B1=\"5\" Address_B2=\"\" Address_B3=\"\" "
                            "Address_B4=\"\" Address_B5=\"\" Address_B6=\"\" Address_B7=\"\" Address_B8=\"\" "
                            "Send_Time=\"100\" On_Change=\"Y\" Mnemonic=\"t\" />"))
      << text.toStdString();
  text.replace("</Receive_PDO>", "<row/><row/></Receive_PDO>");
  WriteFileWhole(File_PDO_CANopen, text.toUtf8());
  EditorTables pdoAgain(PDO_Spec);
  const TEditorLoad pdoLoad = pdoAgain.Load(File_PDO_CANopen);
  EXPECT_TRUE(pdoLoad.Failure.isEmpty());
  EXPECT_EQ(pdoLoad.Surplus, 2);
  EXPECT_EQ(pdoAgain.Row(0, 30), pdo.Row(0, 30));
  EXPECT_EQ(pdoAgain.Row(1, 1), pdo.Row(1, 1));

  EditorTables client(SDO_Client_Spec);
  client.SetRow(0, 1, kClientRead);
  client.SetRow(1, 1, kClientWrite);
  client.Save(File_SDO_Client_CANopen);
  EditorTables clientAgain(SDO_Client_Spec);
  EXPECT_TRUE(clientAgain.Load(File_SDO_Client_CANopen).Failure.isEmpty());
  EXPECT_EQ(clientAgain.Row(0, 1), client.Row(0, 1));
  EXPECT_EQ(clientAgain.Row(1, 1), client.Row(1, 1));
  EXPECT_TRUE(QString::fromUtf8(ReadFileWhole(File_SDO_Client_CANopen))
                  .contains("<row Device_ID=\"127\" Index=\"$FFFF\" SubIndex=\"255\" NByte=\"1\" Poll_Time=\"0\" "
                            "On_Change=\"N\" Address_B1=\"1499\""));
}

TEST_F(CANopenTables, FormsKeepOneCopiedFlagPerTableAndHintByPage) {
  std::unique_ptr<TFSet_PDO_Access> form(Create<TFSet_PDO_Access>(nullptr));
  EXPECT_EQ(form->ClientWidth(), 798);
  ASSERT_EQ(form->Sheets.size(), 2u);
  EXPECT_EQ(form->Sheets[0]->Name(), "TS_Receive_PDO");
  EXPECT_EQ(form->Sheets[1]->Caption(), "Transmit PDO");
  EXPECT_EQ(form->Column_Grid(1)->Columns()->Items(12)->Editor(), edDataCheckBox);
  EXPECT_EQ(form->Column_Grid(0)->RowCount(), 31);
  ScriptedUi ui;
  ui.ExpectModal(QStringLiteral("TFSet_PDO_Access"), [&](TForm*) {
    TExColumnGrid* sga = form->Column_Grid(0);
    sga->SetCellEx(1, 1, "1");
    sga->SetRow(1);
    form->Btn_CopyRow->Click();
    form->PageControl1->SetActivePage(form->Sheets[1]);
    ui.ExpectMessage(QStringLiteral("Error!!! Copy a valid row before Paste it"), mrOk, mtError);
    form->Btn_PasteRow->Click();
    QString hint;
    form->GridHint(form->Column_Grid(1), 0, 12, hint);
    EXPECT_EQ(hint, Lang_Text(2666));
    form->GridHint(form->Column_Grid(1), 3, 12, hint);
    EXPECT_EQ(hint, "");
    form->ClickCell(form->Column_Grid(1), 4, 0);
    EXPECT_TRUE(form->Column_Grid(1)->RowSelect(4));
    form->Btn_Cancel->Click();
  });
  form->ShowModal();

  std::unique_ptr<TFSet_SDO_Server_Access> server(Create<TFSet_SDO_Server_Access>(nullptr));
  EXPECT_EQ(server->Column_Grid(1)->RowCount(), 501);
  QString hint;
  server->GridHint(server->Column_Grid(1), 0, 5, hint);
  EXPECT_EQ(hint, Lang_Text(2846));
  std::unique_ptr<TFSet_SDO_Client_Access> client(Create<TFSet_SDO_Client_Access>(nullptr));
  client->GridHint(client->Column_Grid(0), 0, 10, hint);
  EXPECT_EQ(hint, Lang_Text(2781));
  client->GridHint(client->Column_Grid(1), 0, 6, hint);
  EXPECT_EQ(hint, Lang_Text(2754));
}
