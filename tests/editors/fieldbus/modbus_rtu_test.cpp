// The Modbus RTU master rules: the checks of both tables (limits of a request,
// the bytes it takes, the Topic check while its column is shown), the file with
// its guarded and bare attributes and the Topic link by index, and the form's
// showing, hints and topic combo.
#include "editors/fieldbus/modbus_rtu_form.h"
#include "editors/fieldbus/modbus_rtu_rules.h"

#include "app/language/language.h"
#include "app/state/comon.h"
#include "controls/button/fade_button.h"
#include "grid/view/column_grid.h"
#include "platform/os/files.h"
#include "platform/ui/page_control.h"
#include "tests/editors/editor_tables.h"
#include "tests/editors/fieldbus/fieldbus_checks.h"
#include "tests/support/project_fixture.h"
#include "tests/support/scripted_ui.h"

#include <gtest/gtest.h>

namespace {

using ModbusRTU = ProjectTest;

// Enable, Slave ID, Type, Address, NPoint, Poll Time, Max Error, Position, Start
// Bit, Swap, SwapWord, Topic, Mnemonic.
const QStringList kRead = {"Y", "1", "Holding Register", "0", "10", "100", "0", "0", "", "N", "N", "", "r"};
// Enable, Slave ID, Type, Address, NPoint, Poll Time, On Change, On CMD, Max
// Error, Position, Start Bit, Swap, SwapWord, Mnemonic.
const QStringList kWrite = {"Y", "247", "Coil Status", "65535", "8", "0", "N", "N", "0", "1499", "0", "N", "N", "w"};

QStringList With(QStringList row, int col, const QString& text) {
  row[col - 1] = text;
  return row;
}
QStringList With(QStringList row, std::initializer_list<std::pair<int, const char*>> cells) {
  for (const auto& [col, text] : cells) row[col - 1] = QString::fromUtf8(text);
  return row;
}

}  // namespace

TEST_F(ModbusRTU, ChecksNameTheFirstFaultyRowOfTheFirstFaultyTable) {
  struct Case {
    const char* name;
    QStringList read;
    QStringList write;
    QString message;
    bool topicShown = false;
  } cases[] = {
      {"both pass", kRead, kWrite, ""},
      {"read register 125 at 1250 ends at 1499", With(kRead, {{5, "125"}, {8, "1250"}}), kWrite, ""},
      {"read register 125 at 1251", With(kRead, {{5, "125"}, {8, "1251"}}), kWrite,
       "Error row 2!! [Modbus Read] Too many bytes to save starting from the Position indicate"},
      {"read coils 2000 at 1250 bit 0", With(kRead, {{3, "Coil Status"}, {5, "2000"}, {8, "1250"}, {9, "0"}}), kWrite,
       ""},
      {"read coils 2000 at 1250 bit 1", With(kRead, {{3, "Coil Status"}, {5, "2000"}, {8, "1250"}, {9, "1"}}), kWrite,
       "Error row 2!! [Modbus Read] Too many bytes to save starting from the Position indicate"},
      {"read register 126 points", With(kRead, 5, "126"), kWrite,
       "Error row 2!! [Modbus Read] NPoint must be between 1 and 125"},
      {"write register 124 points", kRead, With(kWrite, {{3, "Holding Register"}, {5, "124"}, {10, "0"}}),
       "Error row 2!! [Modbus Write] NPoint must be between 1 and 123"},
      {"write coils 1969", kRead, With(kWrite, {{5, "1969"}, {10, "0"}}),
       "Error row 2!! [Modbus Write] NPoint must be between 1 and 1968"},
      {"lower-case coil status read from a file", With(kRead, {{3, " coil status "}, {5, "2000"}, {9, "0"}}), kWrite,
       ""},
      {"input register in the write table counts as registers", kRead,
       With(kWrite, {{3, "Input Register"}, {5, "123"}, {10, "0"}}), ""},
      {"slave 0", With(kRead, 2, "0"), kWrite, "Error row 2!! [Modbus Read] Slave ID must be between 1 and 247"},
      {"slave $F7 is 247", With(kRead, 2, "$F7"), kWrite, ""},
      {"empty type", With(kRead, 3, ""), kWrite,
       "Error row 2!! [Modbus Read] Type must be Coil Status or Input Status or Holding Register or Input Register"},
      {"address 65536", kRead, With(kWrite, 4, "65536"),
       "Error row 2!! [Modbus Write] Address must be between 0 and 65535"},
      {"read poll time 0", With(kRead, 6, "0"), kWrite,
       "Error row 2!! [Modbus Read] Poll Time must be between 1 and 100000000"},
      {"max error beyond", With(kRead, 7, "100000001"), kWrite,
       "Error row 2!! [Modbus Read] Max Error must be between 0 and 100000000"},
      {"read position 1500", With(kRead, 8, "1500"), kWrite,
       "Error row 2!! [Modbus Read] Position must be between 0 and 1499"},
      {"read coil without start bit", With(kRead, 3, "Input Status"), kWrite,
       "Error row 2!! [Modbus Read] Bit must be between 0 and 7"},
      {"write coil without start bit", kRead, With(kWrite, 11, ""),
       "Error row 2!! [Modbus Write] Bit must be between 0 and 7"},
      {"register start bit not looked at", With(kRead, 9, "junk"), kWrite, ""},
      {"write position 1500", kRead, With(kWrite, 10, "1500"),
       "Error row 2!! [Modbus Write] Position must be between 0 and 1499"},
      {"disabled read row not checked", With(kRead, {{1, "N"}, {2, "999"}}), kWrite, ""},
      {"disabled write row looks at its own Enable", kRead, With(kWrite, {{1, "N"}, {2, "0"}}), ""},
      {"a write fault only when the read table passes", With(kRead, 2, "0"), With(kWrite, 2, "0"),
       "Error row 2!! [Modbus Read] Slave ID must be between 1 and 247"},
      {"the Topic while its column is shown", kRead, kWrite, "Error row 1!! [Modbus Read] Select a Topic", true},
  };
  for (const Case& c : cases) {
    EditorTables t(Modbus_RTU_Spec);
    t.SetRow(0, 1, kRead);
    t.SetRow(0, 2, c.read);
    t.SetRow(1, 1, kWrite);
    t.SetRow(1, 2, c.write);
    // Below the first blank Slave ID nothing is checked.
    t.SetRow(0, 3, With(kRead, 2, " "));
    t.SetRow(0, 4, With(kRead, 2, "0"));
    t.SetRow(1, 3, With(kWrite, 2, ""));
    t.SetRow(1, 4, With(kWrite, 2, "0"));
    EXPECT_EQ(Shown(Check_Modbus_RTU_Tables(t.Table(0), t.Table(1), c.topicShown), 1768), c.message) << c.name;
  }
}

TEST_F(ModbusRTU, TheFileIsReadWithItsDefaultsAndWrittenAsTheTablesShow) {
  WriteFileWhole(File_ModbusM_SetAccess,
                 "<Other><Modbus_Read>"
                 "<row Slave_ID=\"3\" Type=\"Coil Status\" Address=\"1\" NPoint=\"2\" PollTime=\"10\" MaxError=\"0\" "
                 "Position=\"4\" Bit=\"1\" Index_Topic=\"2\" Mnemonic=\"a\"/>"
                 "</Modbus_Read><Modbus_Write>"
                 "<row Slave_ID=\"5\" Type=\"Holding Register\" Address=\"7\" NPoint=\"1\" PollTime=\"0\" "
                 "OnChange=\"Y\" MaxError=\"1\" Position=\"9\" Bit=\"\" Mnemonic=\"b\"/>"
                 "</Modbus_Write></Other><!--SW_VERSION = 1.000-->");
  EditorTables t(Modbus_RTU_Spec);
  EXPECT_TRUE(t.Load(File_ModbusM_SetAccess).Failure.isEmpty());
  // Enable "Y", Swap and SwapWord "N"; the stored topic index stays until linked.
  EXPECT_EQ(t.Row(0, 1), (QStringList{"1", "Y", "3", "Coil Status", "1", "2", "10", "0", "4", "1", "N", "N", "2", "a"}));
  EXPECT_EQ(t.Row(1, 1),
            (QStringList{"1", "Y", "5", "Holding Register", "7", "1", "0", "Y", "N", "1", "9", "", "N", "N", "b"}));

  // The link: an index names the topic of the list, else nothing.
  TModbusTopicLink link;
  link.List_Publish_Topic = {"t0", "t1", "t2"};
  Link_Loaded_Topics(t.Table(0), link);
  EXPECT_EQ(t.Table(0).Cell(kMRR_Topic, 1), "t2");
  EXPECT_EQ(link.ComboItem_Topic[0], 2);
  EXPECT_EQ(link.ComboItem_Topic[1], -1);

  // Hidden, every Index_Topic is written empty; loading again and saving again
  // gives the same file.
  Save_Modbus_RTU_File(File_ModbusM_SetAccess, t.Table(0), t.Table(1), TModbusTopicLink());
  const QByteArray first = ReadFileWhole(File_ModbusM_SetAccess);
  EXPECT_TRUE(first.startsWith("<EtherNetIP_to_Modbus>\n  <Modbus_Read>\n    <row Enable=\"Y\" Slave_ID=\"3\" "
                               "Type=\"Coil Status\" Address=\"1\" NPoint=\"2\" PollTime=\"10\" MaxError=\"0\" "
                               "Position=\"4\" Bit=\"1\" Swap=\"N\" SwapWord=\"N\" Index_Topic=\"\" Mnemonic=\"a\" />"))
      << first.toStdString();
  EXPECT_TRUE(first.endsWith("</EtherNetIP_to_Modbus>\n<!--SW_VERSION = 1.000-->\n"));
  EditorTables again(Modbus_RTU_Spec);
  again.Load(File_ModbusM_SetAccess);
  TModbusTopicLink none;
  Link_Loaded_Topics(again.Table(0), none);
  Save_Modbus_RTU_File(File_ModbusM_SetAccess, again.Table(0), again.Table(1), none);
  EXPECT_EQ(ReadFileWhole(File_ModbusM_SetAccess), first);

  // Shown, the topic is written as its index: the remembered one when it still
  // names the topic, else the first of that name.
  link.List_Publish_Topic = {"x", "t2", "t2"};
  link.Shown = true;
  link.ComboItem_Topic[0] = 2;
  Save_Modbus_RTU_File(File_ModbusM_SetAccess, t.Table(0), t.Table(1), link);
  EXPECT_TRUE(ReadFileWhole(File_ModbusM_SetAccess).contains("Index_Topic=\"2\""));
  link.ComboItem_Topic[0] = 0;
  Save_Modbus_RTU_File(File_ModbusM_SetAccess, t.Table(0), t.Table(1), link);
  EXPECT_TRUE(ReadFileWhole(File_ModbusM_SetAccess).contains("Index_Topic=\"1\""));
  EXPECT_EQ(link.Get_Index_From_Topic("nothing", 7), -1);
  EXPECT_EQ(link.Get_Topic_From_Index(3), "");

  // A bare attribute missing in the second read row stops the load there.
  WriteFileWhole(File_ModbusM_SetAccess,
                 "<EtherNetIP_to_Modbus><Modbus_Read>"
                 "<row Slave_ID=\"3\" Type=\"T\" Address=\"1\" NPoint=\"2\" PollTime=\"10\" MaxError=\"0\" "
                 "Position=\"4\" Bit=\"1\" Mnemonic=\"a\"/>"
                 "<row Slave_ID=\"4\" Type=\"T\"/><row Slave_ID=\"5\"/>"
                 "</Modbus_Read><Modbus_Write/></EtherNetIP_to_Modbus>");
  const TEditorLoad stopped = t.Load(File_ModbusM_SetAccess);
  EXPECT_FALSE(stopped.Failure.isEmpty());
  EXPECT_EQ(t.Row(0, 1)[2], "3");
  EXPECT_EQ(t.Row(0, 2).mid(2, 3), (QStringList{"4", "T", ""}));
  EXPECT_EQ(t.Row(0, 3)[2], "");
}

TEST_F(ModbusRTU, TheFormShowsItsTablesWithTheTopicHiddenAndRemembersTopicPicks) {
  std::unique_ptr<TFSetAccess> form(Create<TFSetAccess>(nullptr));
  EXPECT_EQ(form->ClientWidth(), 1040);
  EXPECT_EQ(form->Caption(), "Set Modbus Access");
  EXPECT_EQ(form->ECG_Modbus_Read->AllColCount(), 14);
  EXPECT_EQ(form->ECG_Modbus_Write->AllColCount(), 15);
  EXPECT_EQ(form->ECG_Modbus_Read->RowCount(), 513);
  EXPECT_EQ(form->TS_Modbus_Write->Caption(), "Modbus Write");
  form->ECG_Modbus_Read->HideColumn(kMRR_Position);
  ScriptedUi ui;
  ui.ExpectModal("TFSetAccess", [&](TForm*) {
    EXPECT_TRUE(form->ECG_Modbus_Read->IsHiddenColumn(kMRR_Topic));
    EXPECT_FALSE(form->ECG_Modbus_Read->IsHiddenColumn(kMRR_Position));
    EXPECT_EQ(form->ECG_Modbus_Read->Columns()->Items(kMRR_Position)->ComboItems()->Count(), 1500);
    EXPECT_EQ(form->PageControl1->ActivePage(), form->TS_Modbus_Read);
    // Hints by real column: behind the hidden Topic the Mnemonic's hint.
    QString hint = QStringLiteral("kept");
    form->GridHint(form->ECG_Modbus_Read, 0, 12, hint);
    EXPECT_EQ(hint, Lang_Text(1754));
    hint = QStringLiteral("kept");
    form->GridHint(form->ECG_Modbus_Read, 3, 4, hint);
    EXPECT_EQ(hint, "kept");
    // A pick in the Topic column is remembered for its row; others are not.
    form->ComboChange(form->ECG_Modbus_Read, kMRR_Topic, 5, 3, "x");
    form->ComboChange(form->ECG_Modbus_Read, kMRR_Type, 6, 1, "Input Status");
    EXPECT_EQ(form->Topics.ComboItem_Topic[4], 3);
    EXPECT_EQ(form->Topics.ComboItem_Topic[5], -1);
    // OK on the empty tables writes both table elements.
    form->Btn_OK->Click();
  });
  EXPECT_EQ(form->ShowModal(), mrOk);
  EXPECT_EQ(ReadFileWhole(File_ModbusM_SetAccess),
            QByteArray("<EtherNetIP_to_Modbus>\n  <Modbus_Read />\n  <Modbus_Write />\n</EtherNetIP_to_Modbus>\n"
                       "<!--SW_VERSION = 1.000-->\n"));

  // In the other working mode the read poll-time fault is the other text.
  form->Working_Mode = 1;
  ui.ExpectModal("TFSetAccess", [&](TForm*) {
    const QStringList row = With(kRead, 6, "0");
    for (int i = 0; i < row.size(); ++i) form->ECG_Modbus_Read->SetCellEx(i + 1, 1, row[i]);
    ui.ExpectMessage(Lang_Text(1768) + "1" + Lang_Text(1789), mrOk, mtError);
    form->Btn_OK->Click();
    form->Btn_Cancel->Click();
  });
  EXPECT_EQ(form->ShowModal(), mrCancel);
}
