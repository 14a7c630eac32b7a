// The S7comm requests: the checks of both tables with the limit of 10 PLC
// connections over both, the file with Enable, Rack and Slot defaults, and the
// form's hints and delete question.
#include "editors/fieldbus/s7_form.h"
#include "editors/fieldbus/s7_requests.h"

#include "app/language/language.h"
#include "app/state/comon.h"
#include "controls/button/fade_button.h"
#include "grid/view/column_grid.h"
#include "platform/os/files.h"
#include "tests/editors/editor_tables.h"
#include "tests/editors/fieldbus/fieldbus_checks.h"
#include "tests/support/project_fixture.h"
#include "tests/support/scripted_ui.h"

#include <gtest/gtest.h>

namespace {

using S7 = ProjectTest;

// Enable, PLC Address, Port, Type, Rack, Slot, Data Type, Identifier, DB Number,
// Area, PLC Add, PLC Bit, Poll Time, Position, Start Bit, Swap, Swap Word, Mnemonic.
const QStringList kRead = {"Y", "192.168.1.10", "102", "S71200", "0", "1", "Word", "DB", "1",
                           "Inputs (I)", "0", "0", "100", "0", "0", "N", "N", "r"};
// ... Poll Time, On Change, On CMD, Position, Start Bit, Swap, Swap Word, Mnemonic.
const QStringList kWrite = {"Y", "192.168.1.10", "102", "S71200", "0", "1", "Word", "DB", "1",
                            "Inputs (I)", "0", "0", "0", "N", "N", "1499", "7", "N", "N", "w"};

QStringList With(QStringList row, int col, const QString& text) {
  row[col - 1] = text;
  return row;
}

QString Check(EditorTables& t) { return Shown(Check_S7_Tables(t.Table(0), t.Table(1)), 5170); }

}  // namespace

TEST_F(S7, ChecksNameTheFirstFaultyRow) {
  struct Case {
    const char* name;
    bool write;
    QStringList row;
    QString message;
  } cases[] = {
      {"read passes", false, kRead, ""},
      {"address not dotted", false, With(kRead, 2, "192.168.1"),
       "Error row 2!! [S7comm Read] PLC Address must be a valid TCP IP Address (Ex. 192.168.1.125)"},
      {"address part 256", true, With(kWrite, 2, "192.168.1.256"),
       "Error row 2!! [S7comm Write] PLC Address must be a valid TCP IP Address (Ex. 192.168.1.125)"},
      {"port 65536", false, With(kRead, 3, "65536"), "Error row 2!! [S7comm Read] PLC Port must be between 0 and 65535"},
      {"type empty", false, With(kRead, 4, " "), "Error row 2!! [S7comm Read] PLC Type cannot be empty"},
      {"rack 4", false, With(kRead, 5, "4"), "Error row 2!! [S7comm Read] Rack must be between 0 and 3"},
      {"rack 4 write", true, With(kWrite, 5, "4"), "Error row 2!! [S7comm Write] Rack must be between 0 and 3"},
      {"slot 32", false, With(kRead, 6, "32"), "Error row 2!! [S7comm Read] Slot must be between 0 and 31"},
      {"slot 32 write", true, With(kWrite, 6, "32"), "Error row 2!! [S7comm Write] Slot must be between 0 and 31"},
      {"rack $3 and slot 0x1F", false, With(With(kRead, 5, "$3"), 6, "0x1F"), ""},
      {"data type empty", false, With(kRead, 7, ""), "Error row 2!! [S7comm Read] Data Type cannot be empty"},
      {"identifier empty", true, With(kWrite, 8, ""), "Error row 2!! [S7comm Write] Data Identifier cannot be empty"},
      {"DB number 65536", false, With(kRead, 9, "65536"),
       "Error row 2!! [S7comm Read] DB Number must be between 0 and 65535"},
      {"area empty", false, With(kRead, 10, ""), "Error row 2!! [S7comm Read] PLC Area cannot be empty"},
      {"PLC add -1", true, With(kWrite, 11, "-1"),
       "Error row 2!! [S7comm Write] PLC Address must be between 0 and 65535"},
      {"PLC bit empty", false, With(kRead, 12, ""), "Error row 2!! [S7comm Read] PLC Bit cannot be empty"},
      {"read poll 0", false, With(kRead, 13, "0"),
       "Error row 2!! [S7comm Read] Poll Time must be between 1 and 100000000"},
      {"write poll 0", true, With(kWrite, 13, "0"), ""},
      {"read position 1500", false, With(kRead, 14, "1500"),
       "Error row 2!! [S7comm Read] Position must be between 0 and 1499"},
      {"read position 1499", false, With(kRead, 14, "1499"), ""},
      {"write position 1500", true, With(kWrite, 16, "1500"),
       "Error row 2!! [S7comm Write] Position must be between 0 and 1499"},
      {"start bit empty", false, With(kRead, 15, ""), "Error row 2!! [S7comm Read] Start Bit cannot be empty"},
      {"write start bit empty", true, With(kWrite, 17, ""), "Error row 2!! [S7comm Write] Start Bit cannot be empty"},
      {"disabled row unchecked", false, With(With(kRead, 1, "N"), 3, "junk"), ""},
  };
  for (const Case& c : cases) {
    EditorTables t(S7_Spec);
    t.SetRow(0, 1, kRead);
    t.SetRow(1, 1, kWrite);
    t.SetRow(c.write ? 1 : 0, 2, c.row);
    // Rows below the first empty PLC Address are not checked.
    t.SetRow(0, 4, With(kRead, 3, "junk"));
    EXPECT_EQ(Check(t), c.message) << c.name;
  }
}

TEST_F(S7, TenConnectionsOverBothTables) {
  // Ten read rows to ten addresses; a write row to one of them passes, to an
  // eleventh fails; disabled rows take no connection.
  EditorTables t(S7_Spec);
  for (int i = 1; i <= 10; ++i) t.SetRow(0, i, With(kRead, 2, QStringLiteral("10.0.0.%1").arg(i)));
  t.SetRow(1, 1, With(kWrite, 2, "10.0.0.7"));
  t.SetRow(1, 2, With(With(kWrite, 2, "10.0.0.99"), 1, "N"));
  EXPECT_EQ(Check(t), "");
  t.SetRow(1, 3, With(kWrite, 2, "10.0.0.11"));
  EXPECT_EQ(Check(t), "Error row 3!! [S7comm Write] Device support 10 connection");

  // Eleven rows to one address and port share one connection; eleven ports do not.
  EditorTables same(S7_Spec);
  for (int i = 1; i <= 11; ++i) same.SetRow(0, i, kRead);
  EXPECT_EQ(Check(same), "");
  for (int i = 1; i <= 11; ++i) same.SetRow(0, i, With(kRead, 3, QString::number(100 + i)));
  EXPECT_EQ(Check(same), "Error row 11!! [S7comm Read] Device support 10 connection");
  // The parsed bytes count: leading zeros name the same PLC.
  TS7Connections connections;
  EXPECT_EQ(connections.Check_IP_Port(10, 0, 0, 1, 102), 0);
  EXPECT_EQ(connections.Check_IP_Port(10, 0, 0, 1, 103), 1);
  EXPECT_EQ(connections.Check_IP_Port(10, 0, 0, 1, 102), 0);
  EditorTables zeros(S7_Spec);
  for (int i = 1; i <= 10; ++i) zeros.SetRow(0, i, With(kRead, 2, QStringLiteral("10.0.0.%1").arg(i)));
  zeros.SetRow(0, 11, With(kRead, 2, "010.000.000.001"));
  EXPECT_EQ(Check(zeros), "");
}

TEST_F(S7, TheFileKeepsEveryCellAndOlderFilesLoadWithDefaults) {
  // A file of an older layout: no Enable, Rack or Slot.
  WriteFileWhole(File_S7_Protocol,
                 "<S7_Protocol><S7_Protocol_Read><row PLC_Address=\"1.2.3.4\" PLC_Port=\"102\" PLC_Type=\"S7300\" "
                 "Data_Type=\"Bit\" Data_Identifier=\"DB\" DB_Number=\"3\" PLC_Area=\"Inputs (I)\" PLC_Add=\"5\" "
                 "PLC_Bit=\"2\" PollTime=\"50\" Position=\"9\" Bit=\"1\" Swap=\"N\" SwapWord=\"Y\" Mnemonic=\"m\"/>"
                 "</S7_Protocol_Read><S7_Protocol_Write/></S7_Protocol>");
  EditorTables t(S7_Spec);
  EXPECT_TRUE(t.Load(File_S7_Protocol).Failure.isEmpty());
  EXPECT_EQ(t.Row(0, 1), (QStringList{"1", "Y", "1.2.3.4", "102", "S7300", "0", "0", "Bit", "DB", "3", "Inputs (I)",
                                      "5", "2", "50", "9", "1", "N", "Y", "m"}));
  t.SetRow(1, 1, With(kWrite, 1, "N"));
  t.Save(File_S7_Protocol);
  EditorTables again(S7_Spec);
  EXPECT_TRUE(again.Load(File_S7_Protocol).Failure.isEmpty());
  for (int table = 0; table < 2; ++table)
    for (int row = 1; row <= 2; ++row) EXPECT_EQ(again.Row(table, row), t.Row(table, row));
  EXPECT_TRUE(ReadFileWhole(File_S7_Protocol)
                  .contains("<row Enable=\"N\" PLC_Address=\"192.168.1.10\" PLC_Port=\"102\" PLC_Type=\"S71200\" "
                            "Rack=\"0\" Slot=\"1\" Data_Type=\"Word\" Data_Identifier=\"DB\" DB_Number=\"1\" "
                            "PLC_Area=\"Inputs (I)\" PLC_Add=\"0\" PLC_Bit=\"0\" PollTime=\"0\" OnChange=\"N\" "
                            "OnCMD=\"N\" Position=\"1499\" Bit=\"7\" Swap=\"N\" SwapWord=\"N\" Mnemonic=\"w\" />"));
  // A bare attribute missing stops the load.
  WriteFileWhole(File_S7_Protocol, "<S7_Protocol><S7_Protocol_Read><row PLC_Address=\"1.2.3.4\"/></S7_Protocol_Read>"
                                   "<S7_Protocol_Write/></S7_Protocol>");
  EXPECT_FALSE(t.Load(File_S7_Protocol).Failure.isEmpty());
  EXPECT_EQ(t.Row(0, 1)[2], "1.2.3.4");
}

TEST_F(S7, TheFormsHintsAndItsOwnDeleteQuestion) {
  std::unique_ptr<TFS7_Protocol_Set_Access> form(Create<TFS7_Protocol_Set_Access>(nullptr));
  EXPECT_EQ(form->ClientWidth(), 1350);
  EXPECT_EQ(form->ECG_S7_Read->AllColCount(), 19);
  EXPECT_EQ(form->ECG_S7_Write->AllColCount(), 21);
  EXPECT_EQ(form->ECG_S7_Read->Columns()->Items(5)->Header(), "Rack");
  ScriptedUi ui;
  ui.ExpectModal("TFS7_Protocol_Set_Access", [&](TForm*) {
    QString hint;
    form->GridHint(form->ECG_S7_Write, 0, 9, hint);
    EXPECT_EQ(hint, "Insert the DB Number");
    form->GridHint(form->ECG_S7_Write, 0, 20, hint);
    EXPECT_EQ(hint, Lang_Text(5169));
    form->GridHint(form->ECG_S7_Read, 0, 5, hint);
    EXPECT_EQ(hint, "Insert the Rack number (0..3)");
    EXPECT_EQ(form->ECG_S7_Write->Columns()->Items(16)->ComboItems()->Count(), 1500);
    form->ECG_S7_Read->SetRow(4);
    ui.ExpectMessage("Are you sure to delete the Row number 4", mrNo, mtConfirmation);
    form->Btn_DelRow->Click();
    form->Btn_Cancel->Click();
  });
  form->ShowModal();
}
