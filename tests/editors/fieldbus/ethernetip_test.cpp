// The EtherNet/IP scanner rules: the checks with the summed byte counts, the file
// read with defaults, the connection path check, and the EDS import into the
// first free row through the connection dialog.
#include "editors/fieldbus/eds_dialog.h"
#include "editors/fieldbus/ethernetip_form.h"
#include "editors/fieldbus/ethernetip_rules.h"

#include "app/language/language.h"
#include "app/state/comon.h"
#include "controls/button/fade_button.h"
#include "grid/view/column_grid.h"
#include "platform/os/files.h"
#include "tests/editors/editor_tables.h"
#include "tests/editors/fieldbus/fieldbus_checks.h"
#include "tests/support/project_fixture.h"
#include "tests/support/scripted_ui.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

using EtherNetIP = ProjectTest;

// Enable, IP Address, Start Input, Num Input, Start Output, Num Output, Time Poll,
// Instance T>O, Conn. Point T>O, Instance O>T, Conn. Point O>T, Dim Header T>O,
// Dim Header O>T, Mnemonic.
const QStringList kRule = {"Y", "192.168.0.5", "0", "10", "0", "10", "100", "1", "100", "1", "101", "Default",
                           "Default", "m"};

QStringList With(QStringList row, int col, const QString& text) {
  row[col - 1] = text;
  return row;
}

QString Check(EditorTables& t) { return Shown(Check_EtherNetIP_Rules(t.Table(0), kEIP_Max_Bytes, kEIP_Max_Bytes), 4931); }

}  // namespace

TEST_F(EtherNetIP, ChecksNameTheFirstFaultyRowThenTheTotals) {
  struct Case {
    const char* name;
    QStringList second;
    QString message;
  } cases[] = {
      {"passes", kRule, ""},
      {"address with blanks passes", With(kRule, 2, " 10 . 0 . 0 . 1 "), ""},
      {"address of three parts", With(kRule, 2, "10.0.0"),
       "Error row 2!! IP Address must be a valid TCP IP Address (Ex. 192.168.1.125)"},
      {"start input -1", With(kRule, 3, "-1"), "Error row 2!! Start Input must be major or equal to 0"},
      {"num input 65536", With(kRule, 4, "65536"), "Error row 2!! Num Input must be major or equal to 0"},
      {"start output empty", With(kRule, 5, ""), "Error row 2!! Start Output must be major or equal to 0"},
      {"num output x", With(kRule, 6, "x"), "Error row 2!! Num Output must be major or equal to 0"},
      {"time poll 0", With(kRule, 7, "0"), "Error row 2!! Poll Time must be between 1 and 100000000"},
      {"a new row's empty instance", With(kRule, 8, ""),
       "Error row 2!! Instance T > O must be between 0 and 65535. Default Value 1"},
      {"point T>O 65536", With(kRule, 9, "65536"),
       "Error row 2!! Connection Point T > O must be between 0 and 65535. Default Value 100"},
      {"instance O>T", With(kRule, 10, "$10000"),
       "Error row 2!! Instance O > T must be between 0 and 65535. Default Value 1"},
      {"point O>T", With(kRule, 11, ""),
       "Error row 2!! Connection Point O > T must be between 0 and 65535. Default Value 101"},
      {"header default in any case", With(With(kRule, 12, " default "), 13, "DEFAULT"), ""},
      {"header 7", With(kRule, 12, "7"), ""},
      {"header 8", With(kRule, 12, "8"),
       "Error row 2!! Dimension Header T > O must be between 0 and 7. Default Value 0"},
      {"header O>T empty", With(kRule, 13, ""),
       "Error row 2!! Dimension Header O > T must be between 0 and 7. Default Value 4"},
      {"lower-case enable is checked", With(With(kRule, 1, "y"), 7, "0"),
       "Error row 2!! Poll Time must be between 1 and 100000000"},
      {"a disabled row is not", With(With(kRule, 1, "N"), 7, "0"), ""},
      {"inputs 700 and 738", With(kRule, 4, "738"), ""},
      {"inputs 700 and 739", With(kRule, 4, "739"), "Error!! The Total Number of Input Bytes must be between 0 and 1438"},
      {"outputs 700 and 739", With(kRule, 6, "739"), "Error!! The Total Number of Output Bytes must be between 0 and 1438"},
      {"a row fault before the totals", With(With(kRule, 4, "5000"), 7, "0"),
       "Error row 2!! Poll Time must be between 1 and 100000000"},
  };
  for (const Case& c : cases) {
    EditorTables t(EtherNetIP_Spec);
    t.SetRow(0, 1, With(With(kRule, 4, "700"), 6, "700"));
    t.SetRow(0, 2, c.second);
    t.SetRow(0, 3, With(With(kRule, 4, "0"), 6, "0"));
    EXPECT_EQ(Check(t), c.message) << c.name;
  }
  // A disabled row without address ends the rows checked as it ends the rows
  // saved: the enabled row below it is neither.
  EditorTables gap(EtherNetIP_Spec);
  gap.SetRow(0, 1, With(With(kRule, 1, "N"), 2, ""));
  gap.SetRow(0, 2, With(kRule, 7, "0"));
  EXPECT_EQ(Check(gap), "");
}

TEST_F(EtherNetIP, FilesAreReadWithDefaultsAndWrittenUnderTheRoot) {
  WriteFileWhole(File_EtherNetIP_Master_Rules,
                 "<EtherNetIP_Master_Access><row IP_Address=\"1.2.3.4\" Num_Input=\"3\"/>"
                 "<row Enable=\"y\" IP_Address=\"1.2.3.5\" Dim_Header_T_O=\"2\"/></EtherNetIP_Master_Access>");
  EditorTables t(EtherNetIP_Spec);
  EXPECT_TRUE(t.Load(File_EtherNetIP_Master_Rules).Failure.isEmpty());
  EXPECT_EQ(t.Row(0, 1), (QStringList{"1", "N", "1.2.3.4", "", "3", "", "", "", "", "", "", "", "Default", "Default", ""}));
  EXPECT_EQ(t.Row(0, 2)[1], "y");
  EXPECT_EQ(t.Row(0, 2)[12], "2");
  EXPECT_EQ(t.Row(0, 3)[1], "Y");  // a row not in the file is a new row
  t.Save(File_EtherNetIP_Master_Rules);
  const QByteArray written = ReadFileWhole(File_EtherNetIP_Master_Rules);
  EXPECT_TRUE(written.startsWith("<EtherNetIP_Master_Access>\n  <row Enable=\"N\" IP_Address=\"1.2.3.4\" "
                                 "Start_Input=\"\" Num_Input=\"3\" Start_Output=\"\" Num_Output=\"\" Time_Poll=\"\" "
                                 "Instance_T_O=\"\" Connection_Point_T_O=\"\" Instance_O_T=\"\" "
                                 "Connection_Point_O_T=\"\" Dim_Header_T_O=\"Default\" Dim_Header_O_T=\"Default\" "
                                 "Mnemonic=\"\" />\n"))
      << written.toStdString();
  EXPECT_TRUE(written.endsWith("</EtherNetIP_Master_Access>\n<!--SW_VERSION = 1.000-->\n"));
  EditorTables again(EtherNetIP_Spec);
  again.Load(File_EtherNetIP_Master_Rules);
  for (int row = 1; row <= 3; ++row) EXPECT_EQ(again.Row(0, row), t.Row(0, row));
}

TEST_F(EtherNetIP, ConnectionPaths) {
  struct Case {
    const char* path;
    int count;
    int result;
  } cases[] = {
      {"20, 04 ,24,01", 4, 0}, {"20,04,24,01", 5, 2}, {"0x20,04", 2, 1}, {"20,100", 2, 1},
      {"", 0, 0},              {"", 1, 2},            {"ff", 1, 0},      {"20,,04", 3, 1},
  };
  for (const Case& c : cases) EXPECT_EQ(Err_Check_Data_Path(c.path, c.count), c.result) << c.path << " " << c.count;
}

TEST_F(EtherNetIP, TheEdsImportFillsTheFirstFreeRow) {
  std::unique_ptr<TFEtherNEtIP_EDS> dialog(Create<TFEtherNEtIP_EDS>(nullptr));
  FEtherNEtIP_EDS = dialog.get();
  std::unique_ptr<TFEtherNetIP_Master_Access> form(Create<TFEtherNetIP_Master_Access>(nullptr));
  EXPECT_EQ(form->ClientWidth(), 1180);
  EXPECT_EQ(form->ECG->RowCount(), 11);
  EXPECT_EQ(form->Btn_Import_EDS->Caption(), "Import EDS");
  EXPECT_EQ(form->Btn_Import_EDS->Left(), 724);
  const QString eds = QDir(Project_Folder).filePath("adapter.eds");
  WriteFileWhole(eds, "[Connection Manager]\n"
                      "Connection1 = 0x04010002, 0x44640405, , 0, , , 0, , , , , , \"A\", \"\", "
                      "\"20 04 24 01 2C 96 2C 64\";\n"
                      "Connection2 = 0x04010002, 0x00003300, , 0, , , 0, , , , , , \"B\", \"\", "
                      "\"20 04 24 05 2C 70 24 06 2C 71\";\n");
  ScriptedUi ui;
  auto import = [&](int choose) {
    ui.ExpectFileDialog(false, eds, [](const TFileDialogRequest& r) {
      EXPECT_EQ(r.Filter, "EtherNet/IP EDS (*.eds)|*.eds");
    });
    ui.ExpectModal("TFEtherNEtIP_EDS", [&, choose](TForm* f) {
      if (choose > 0) dialog->ECG->SetRow(choose);
      f->SetModalResult(choose ? mrOk : mrCancel);
    });
    form->Btn_Import_EDS->Click();
  };
  ui.ExpectModal("TFEtherNetIP_Master_Access", [&](TForm*) {
    TExColumnGrid* g = form->ECG;
    // Row 1 has an address; row 2 is free.
    g->SetCellEx(kEIP_IP_Address, 1, "10.0.0.1");
    import(2);
    EXPECT_EQ(g->GetCellEx(kEIP_Instance_O_T, 2), "5");
    EXPECT_EQ(g->GetCellEx(kEIP_Conn_Point_O_T, 2), "112");
    EXPECT_EQ(g->GetCellEx(kEIP_Instance_T_O, 2), "6");
    EXPECT_EQ(g->GetCellEx(kEIP_Conn_Point_T_O, 2), "113");
    EXPECT_EQ(g->GetCellEx(kEIP_Dim_Header_T_O, 2), "3");
    EXPECT_EQ(g->GetCellEx(kEIP_Dim_Header_O_T, 2), "3");
    EXPECT_EQ(g->GetCellEx(kEIP_IP_Address, 2), "");
    EXPECT_EQ(g->GetCellEx(1, 2), "Y");
    // Its Instance T > O now filled, the next import goes to row 3.
    import(1);
    EXPECT_EQ(g->GetCellEx(kEIP_Conn_Point_O_T, 3), "150");
    EXPECT_EQ(g->GetCellEx(kEIP_Dim_Header_T_O, 3), "Default");
    // A cancelled dialog changes nothing; with every row taken neither does OK.
    import(0);
    EXPECT_EQ(g->GetCellEx(kEIP_Instance_T_O, 4), "");
    for (int row = 1; row <= kEIP_Rows; ++row) g->SetCellEx(kEIP_IP_Address, row, "10.0.0.9");
    g->SetCellEx(kEIP_Conn_Point_O_T, 10, "");
    import(1);
    EXPECT_EQ(g->GetCellEx(kEIP_Conn_Point_O_T, 10), "");
    form->Btn_Cancel->Click();
  });
  form->ShowModal();
  FEtherNEtIP_EDS = nullptr;
}
