// The SNMP agent objects and traps: the checks of both tables (character sets,
// kinds, bits and bytes, the trap's period and destination) and the descriptions
// that must differ over both tables; the object numbers of column 0; the file read
// guarded; on the form, the numbers following an Enable click at once.
#include "editors/network/snmp_forms.h"
#include "editors/network/snmp_traps.h"

#include "app/state/comon.h"
#include "controls/button/fade_button.h"
#include "grid/view/column_grid.h"
#include "platform/os/files.h"
#include "platform/ui/page_control.h"
#include "tests/editors/editor_tables.h"
#include "tests/support/project_fixture.h"
#include "tests/support/qstring_print.h"
#include "tests/support/scripted_ui.h"
#include "tests/support/ui_input.h"

#include <gtest/gtest.h>

namespace {

using SNMPTraps = ProjectTest;

// Enable, Community, Type, OnChange, OnCMD, OnTimer, Time, Position, Bit, NumBits,
// Description, IP Address, Conversion, Mnemonic.
const QStringList kRead = {"Y", "public", "Int", "Y", "N", "Y", "1000", "0", "3", "64", "temp1", "192.168.1.5",
                           "None", "m"};
// Enable, Community, Type, Position, Bit, NumBits, Description, Conversion, Mnemonic.
const QStringList kWrite = {"Y", "private", "String", "8", "0", "16", "label", "None", "w"};

QStringList Described(const QStringList& row, int col, int n) { return With_Cell(row, col, QStringLiteral("d%1").arg(n)); }

}  // namespace

TEST_F(SNMPTraps, ChecksNameTheFirstFaultyRowAndItsReason) {
  const QString p = "Error row 3";
  struct Case {
    const char* name;
    int table;
    QStringList row;
    QString message;
  } cases[] = {
      {"read passes", 0, kRead, ""},
      {"write passes", 1, kWrite, ""},
      {"community with a trailing blank", 0, With_Cell(kRead, kTrapR_Community, "public "),
       p + "!! [SNMP Read] Community Name is not correct (allowed characters are \"a\"..\"z\", \"A\"..\"Z\" and "
           "\"0\"..\"9\")"},
      {"no type", 1, With_Cell(kWrite, kTrapW_Type, " "), p + "!! [SNMP Write] Type must be selected"},
      {"timer with time 0", 0, With_Cell(kRead, kTrapR_Time, "0"),
       p + "!! [SNMP Read] Time must be between 1 and 1000000000 ms"},
      {"timer with time 1000000000", 0, With_Cell(kRead, kTrapR_Time, "1000000000"), ""},
      {"no timer, empty time", 0, With_Cell(With_Cell(kRead, kTrapR_OnTimer, "N"), kTrapR_Time, ""), ""},
      {"lower-case timer checked", 0, With_Cell(With_Cell(kRead, kTrapR_OnTimer, "y"), kTrapR_Time, ""),
       p + "!! [SNMP Read] Time must be between 1 and 1000000000 ms"},
      {"no position", 0, With_Cell(kRead, kTrapR_Position, ""), p + "!! [SNMP Read] Position must be selected"},
      {"no start bit", 1, With_Cell(kWrite, kTrapW_Bit, ""), p + "!! [SNMP Write] Start Bit must be selected"},
      {"string from bit 3", 0, With_Cell(With_Cell(kRead, kTrapR_Type, "String"), kTrapR_NumBits, "16"),
       p + "!! [SNMP Read] Start Bit must be 0 if Type is String"},
      {"int from bit 3", 0, kRead, ""},
      {"int of 65 bits", 0, With_Cell(kRead, kTrapR_NumBits, "65"),
       p + "!! [SNMP Read] Num Bits/Bytes must be between 1 and 64 bits"},
      {"lower-case int of 64 bits", 0, With_Cell(kRead, kTrapR_Type, "int"), ""},
      {"string of 17 bytes", 1, With_Cell(kWrite, kTrapW_NumBits, "17"),
       p + "!! [SNMP Write] Num Bits/Bytes must be between 1 and 16 bytes"},
      {"other type is a string", 1, With_Cell(With_Cell(kWrite, kTrapW_Type, "Counter"), kTrapW_NumBits, "16"), ""},
      {"description Temp1", 0, With_Cell(kRead, kTrapR_Description, "Temp1"),
       p + "!! [SNMP Read] Description is not correct (allowed characters are \"a\"..\"z\", \"A\"..\"Z\" and "
           "\"0\"..\"9\"). First character must be a letter and must be lowercase"},
      {"description temp_1", 1, With_Cell(kWrite, kTrapW_Description, "temp_1"),
       p + "!! [SNMP Write] Descrtiption is not correct (allowed characters are \"a\"..\"z\", \"A\"..\"Z\" and "
           "\"0\"..\"9\"). First character must be a letter and must be lowercase"},
      {"address part 300", 0, With_Cell(kRead, kTrapR_IP, "10.0.0.300"),
       p + "!! [SNMP Read] IP Address must be a valid TCP IP Address (Ex. 192.168.1.125)"},
      {"no conversion", 1, With_Cell(kWrite, kTrapW_Conversion, ""), p + "!! [SNMP Write] Conversion must be selected"},
      {"disabled row unchecked", 0, With_Cell(With_Cell(kRead, kTrapR_Enable, "N"), kTrapR_Position, ""), ""},
      {"enable with a blank skipped", 0, With_Cell(With_Cell(kRead, kTrapR_Enable, "Y "), kTrapR_Position, ""), ""},
  };
  for (const Case& c : cases) {
    EditorTables t(SNMP_Trap_Spec);
    const QStringList& good = c.table == 0 ? kRead : kWrite;
    const int desc = c.table == 0 ? kTrapR_Description : kTrapW_Description;
    t.SetRow(c.table, 1, Described(good, desc, 1));
    t.SetRow(c.table, 2, Described(good, desc, 2));
    t.SetRow(c.table, 3, c.row);
    t.SetRow(c.table, 4, With_Cell(good, kTrapR_Community, " "));  // ends the used rows
    t.SetRow(c.table, 5, With_Cell(good, kTrapR_Community, "bad name"));
    EXPECT_EQ(t.Check(), c.message) << c.name;
  }
}

TEST_F(SNMPTraps, DescriptionsOfEnabledRowsMustDifferOverBothTables) {
  EditorTables t(SNMP_Trap_Spec);
  t.SetRow(0, 1, kRead);
  t.SetRow(1, 1, With_Cell(kWrite, kTrapW_Description, "temp1"));
  EXPECT_EQ(t.Check(), "Error!! The Descriptions must be all differents");
  t.SetRow(1, 1, With_Cell(With_Cell(kWrite, kTrapW_Description, "temp1"), kTrapW_Enable, "N"));
  EXPECT_EQ(t.Check(), "");
  // Two empty descriptions are equal too.
  t.SetRow(0, 1, With_Cell(kRead, kTrapR_Description, ""));
  t.SetRow(1, 2, With_Cell(kWrite, kTrapW_Description, ""));
  EXPECT_EQ(t.Check(), "Error!! The Descriptions must be all differents");
}

TEST_F(SNMPTraps, ColumnZeroNumbersTheEnabledRows) {
  EditorTables t(SNMP_Trap_Spec);
  t.SetRow(0, 1, kRead);
  t.SetRow(0, 2, With_Cell(kRead, kTrapR_Enable, "N"));
  t.SetRow(0, 3, With_Cell(kRead, kTrapR_Enable, "y"));
  t.SetRow(0, 4, With_Cell(kRead, kTrapR_Enable, " Y"));
  Index_Row_Build(t.Table(0));
  EXPECT_EQ(t.Row(0, 1)[0], "1");
  EXPECT_EQ(t.Row(0, 2)[0], "");
  EXPECT_EQ(t.Row(0, 3)[0], "2");
  EXPECT_EQ(t.Row(0, 4)[0], "");  // the Enable text is not trimmed
  EXPECT_EQ(t.Row(0, 5)[0], "3");  // unused rows keep their "Y" and count
  EXPECT_EQ(t.Row(0, 256)[0], "254");
  EXPECT_TRUE(Check_Error_CommName_Desc(" a", 0));
  EXPECT_FALSE(Check_Error_CommName_Desc("", 1));
  EXPECT_TRUE(Check_Error_CommName_Desc("1a", 1));
}

TEST_F(SNMPTraps, TheFileIsReadGuardedAndWrittenWhole) {
  WriteFileWhole(File_SNMP_Trap, "<SNMP_Trap><SNMP_Trap_Read><row Community_Name=\"c\" Description=\"a\"/>"
                                 "</SNMP_Trap_Read></SNMP_Trap>");
  EditorTables t(SNMP_Trap_Spec);
  EXPECT_TRUE(t.Load(File_SNMP_Trap).Failure.isEmpty());
  EXPECT_EQ(t.Row(0, 1), (QStringList{"1", "Y", "c", "", "N", "N", "N", "", "", "", "", "a", "", "None", ""}));
  t.SetRow(0, 2, With_Cell(kRead, kTrapR_Enable, "N"));
  t.SetRow(1, 1, kWrite);
  t.Save(File_SNMP_Trap);
  EXPECT_EQ(QString::fromUtf8(ReadFileWhole(File_SNMP_Trap)),
            "<SNMP_Trap>\n  <SNMP_Trap_Read>\n    <row Enable=\"Y\" Community_Name=\"c\" Type=\"\" On_Change=\"N\" "
            "On_Command=\"N\" On_Timer=\"N\" Time=\"\" Position=\"\" Bit=\"\" NumBits=\"\" Description=\"a\" "
            "IP_Address=\"\" Conversion=\"None\" Mnemonic=\"\" />\n    <row Enable=\"N\" Community_Name=\"public\" "
            "Type=\"Int\" On_Change=\"Y\" On_Command=\"N\" On_Timer=\"Y\" Time=\"1000\" Position=\"0\" Bit=\"3\" "
            "NumBits=\"64\" Description=\"temp1\" IP_Address=\"192.168.1.5\" Conversion=\"None\" Mnemonic=\"m\" />\n"
            "  </SNMP_Trap_Read>\n  <SNMP_Trap_Write>\n    <row Enable=\"Y\" Community_Name=\"private\" Type=\"String\" "
            "Position=\"8\" Bit=\"0\" NumBits=\"16\" Description=\"label\" Conversion=\"None\" Mnemonic=\"w\" />\n"
            "  </SNMP_Trap_Write>\n</SNMP_Trap>\n<!--SW_VERSION = 1.000-->\n");
  EditorTables again(SNMP_Trap_Spec);
  EXPECT_TRUE(again.Load(File_SNMP_Trap).Failure.isEmpty());
  for (int row = 1; row <= 3; ++row) {
    EXPECT_EQ(again.Row(0, row), t.Row(0, row));
    EXPECT_EQ(again.Row(1, row), t.Row(1, row));
  }
}

TEST_F(SNMPTraps, TheFormNumbersObjectsAfterLoadingAndOnEveryEnableClick) {
  WriteFileWhole(File_SNMP_Trap, "<SNMP_Trap><SNMP_Trap_Read><row Enable=\"Y\" Community_Name=\"a\"/>"
                                 "<row Enable=\"Y\" Community_Name=\"b\"/><row Enable=\"N\" Community_Name=\"c\"/>"
                                 "<row Enable=\"Y\" Community_Name=\"d\"/></SNMP_Trap_Read><SNMP_Trap_Write/></SNMP_Trap>");
  std::unique_ptr<TFSNMP_Trap_Access> form(Create<TFSNMP_Trap_Access>(nullptr));
  TExColumnGrid* read = form->ECG_SNMP_Read();
  EXPECT_EQ(form->ClientWidth(), 1256);
  EXPECT_EQ(read->Columns()->Items(kTrapR_Description)->EditLength, 15);
  ScriptedUi ui;
  ui.ExpectModal("TFSNMP_Trap_Access", [&](TForm*) {
    auto numbers = [&] {
      QStringList n;
      for (int row = 1; row <= 5; ++row) n << read->GetCellEx(0, row);
      return n;
    };
    EXPECT_EQ(numbers(), (QStringList{"1", "2", "", "3", "4"}));
    EXPECT_EQ(form->ECG_SNMP_Write()->GetCellEx(0, 256), "256");
    // The user clears row 2's Enable: the grid renumbers at once.
    read->SetCellEx(kTrapR_Enable, 2, "N");
    form->ECG_SNMP_ReadCheckBoxClick(read, kTrapR_Enable, 2, false);
    EXPECT_EQ(numbers(), (QStringList{"1", "", "", "2", "3"}));
    // Another check box changes no number; the row buttons leave them until then.
    form->Btn_InsRow->Click();
    form->ECG_SNMP_ReadCheckBoxClick(read, 4, 1, true);
    EXPECT_EQ(numbers(), (QStringList{"1", "", "", "2", "3"}));
    QString hint;
    form->GridHint(read, 0, 13, hint);
    EXPECT_EQ(hint, "Select the Data Conversion from Float to Int");
    form->Btn_Cancel->Click();
  });
  form->ShowModal();
}
