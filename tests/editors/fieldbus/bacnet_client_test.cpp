// The BACnet client rules: the checks of both tables by the address kind (object
// and property codes, data types, byte counts, destinations), the read table's
// NByte hints, the file, the rows an EDE import makes (bounded by the table), and
// the form: the address column by ParGen.xml, the width by the screen, the import.
#include "editors/fieldbus/bacnet_client_form.h"
#include "editors/fieldbus/bacnet_client_rules.h"
#include "editors/fieldbus/ede_import_form.h"

#include "app/language/language.h"
#include "app/state/comon.h"
#include "controls/button/fade_button.h"
#include "grid/view/column_grid.h"
#include "platform/os/files.h"
#include "platform/ui/edit.h"
#include "platform/ui/screen_metrics.h"
#include "tests/editors/editor_tables.h"
#include "tests/editors/fieldbus/fieldbus_checks.h"
#include "tests/support/project_fixture.h"
#include "tests/support/scripted_ui.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

using BACnetClient = ProjectTest;

const QStringList kRead = {"Y", "192.168.0.10", "Analog Input", "1", "Present Value (85)", "4", "N", "", "", "",
                           "1000", "0", "0", "0", "N", "", "r"};
const QStringList kWrite = {"Y", "192.168.0.10", "Analog Value", "Real", "1", "Present Value (85)", "0", "4", "N", "",
                            "", "", "N", "N", "1000", "0", "0", "0", "N", "", "w"};

QStringList With(QStringList row, std::initializer_list<std::pair<int, const char*>> cells) {
  for (const auto& [col, text] : cells) row[col - 1] = QString::fromUtf8(text);
  return row;
}

QString Check(EditorTables& t, int type) {
  int table = 0;
  const std::optional<TRowCheckFailure> failure = Check_BACnet_Client_Tables(t.Table(0), t.Table(1), type, table);
  return Shown(failure, BACnet_Client_Row_Prefix(table));
}

TBACnet_Var Object(int type, const char* name, bool read, bool write) {
  TBACnet_Var v;
  v.object_type = type;
  v.object_instance = 7;
  v.object_name = QString::fromUtf8(name);
  v.description = QStringLiteral("d");
  v.import = true;
  v.read = read;
  v.write = write;
  return v;
}

class FakeScreen : public TScreenMetrics {
public:
  explicit FakeScreen(int width) : width_(width) {}
  int PrimaryScreenWidth() const override { return width_; }

private:
  int width_;
};

}  // namespace

TEST_F(BACnetClient, ChecksByTheAddressKind) {
  struct Case {
    const char* name;
    int type;
    QStringList read;
    QStringList write;
    QString message;
  } cases[] = {
      {"both pass", 0, kRead, kWrite, ""},
      {"IP address", 0, With(kRead, {{2, "192.168.0"}}), kWrite, "Error in Read, row 2!! IP Address is not correct"},
      {"slave ID 255", 1, With(kRead, {{2, "255"}}), kWrite, "Error in Read, row 2!! Slave ID must be between 0 and 254"},
      {"slave ID 254", 1, With(kRead, {{2, "254"}}), With(kWrite, {{2, "$0"}}), ""},
      {"no address kind", 2, With(kRead, {{2, "junk"}}), With(kWrite, {{2, ""}}), ""},
      {"units of an analog input", 0, With(kRead, {{5, "Units (117)"}}), kWrite, ""},
      {"units of a binary input", 0, With(kRead, {{3, "Binary Input"}, {5, "units (117)"}}), kWrite,
       "Error in Read, row 2!! Property is not correct. Select one from the list"},
      {"polarity of a binary input", 0, With(kRead, {{3, "Binary Input"}, {5, "Polarity (84)"}}), kWrite, ""},
      {"scale of an accumulator only", 0, With(kRead, {{3, "Accumulator"}, {5, "Scale (187)"}}), kWrite, ""},
      {"scale of an analog input", 0, With(kRead, {{5, "Scale (187)"}}), kWrite,
       "Error in Read, row 2!! Property is not correct. Select one from the list"},
      {"states of a multi-state value", 0, With(kRead, {{3, " multi-state value "}, {5, "Number of States (74)"}}),
       kWrite, ""},
      {"a proprietary property", 0, With(kRead, {{5, "600"}}), With(kWrite, {{6, "600"}}), ""},
      {"a property below the proprietary range", 0, With(kRead, {{5, "511"}}), kWrite,
       "Error in Read, row 2!! Property is not correct. Select one from the list"},
      {"unknown object type", 0, With(kRead, {{3, "Analog"}}), kWrite,
       "Error in Read, row 2!! Object Type is not correct. Select one from the list"},
      {"a proprietary object type", 0, With(kRead, {{3, "$80"}}), kWrite, ""},
      {"instance 4294967295", 0, With(kRead, {{4, "4294967295"}}), kWrite, ""},
      {"instance 4294967296", 0, With(kRead, {{4, "4294967296"}}), kWrite,
       "Error in Read, row 2!! Instance must be between 0 and 4294967295"},
      {"instance -1", 0, kRead, With(kWrite, {{5, "-1"}}),
       "Error in Write, row 2!! Instance must be between 0 and 4294967295"},
      {"NByte 256", 0, With(kRead, {{6, "256"}}), kWrite, "Error in Read, row 2!! NByte must be between 0 and 255"},
      {"poll time", 0, With(kRead, {{11, ""}}), kWrite,
       "Error in Read, row 2!! Poll Time must be between 0 and 100000000 ms"},
      {"max err 65536", 0, With(kRead, {{12, "65536"}}), kWrite,
       "Error in Read, row 2!! Max Err must be between 0 and 655535"},
      {"max err 65535", 0, With(kRead, {{12, "65535"}}), With(kWrite, {{16, "65535"}}), ""},
      {"M3 with three bytes", 0, With(kRead, {{7, "y"}, {8, "1"}, {9, "M3"}, {10, " 10 , 20,30 "}}), kWrite, ""},
      {"M3 with two bytes", 0, With(kRead, {{7, "Y"}, {8, "1"}, {9, "m3"}, {10, "10,20"}}), kWrite,
       "Error in Read, row 2!! Destination Address has too few bytes"},
      {"M3 with four bytes", 0, kRead, With(kWrite, {{9, "Y"}, {10, "1"}, {11, "M3"}, {12, "1,2,3,4"}}),
       "Error in Write, row 2!! Destination Address has too many bytes"},
      {"M3 with 300", 0, With(kRead, {{7, "Y"}, {8, "1"}, {9, "M3"}, {10, "10,300,30"}}), kWrite,
       "Error in Read, row 2!! Bytes of Destination Address must be between 0 and 255"},
      {"M3 without address", 0, With(kRead, {{7, "Y"}, {8, "1"}, {9, "M3"}, {10, " "}}), kWrite, "(no message)"},
      {"M9", 0, kRead, With(kWrite, {{9, "Y"}, {10, "1"}, {11, "M9"}}),
       "Error in Write, row 2!! Destination Length is Wrong, choose one in List"},
      {"empty length", 0, With(kRead, {{7, "Y"}, {8, "1"}}), kWrite,
       "Error in Read, row 2!! Destination Length is Wrong, choose one in List"},
      {"length 3", 0, With(kRead, {{7, "Y"}, {8, "1"}, {9, "3"}}), kWrite,
       "Error in Read, row 2!! Destination Lenght must be 1 or 2 or 6"},
      {"length 6 with address and port", 0,
       With(kRead, {{7, "Y"}, {8, "65535"}, {9, "6"}, {10, " 192.168.0.15:47808 "}}), kWrite, ""},
      {"length 6 without port", 0, With(kRead, {{7, "Y"}, {8, "1"}, {9, "6"}, {10, "192.168.0.15"}}), kWrite,
       "Error in Read, row 2!! Destination Address must be in correct form, IP Address plus Port (ex. 192.168.0.15:47808)"},
      {"length 1 address 256", 0, With(kRead, {{7, "Y"}, {8, "1"}, {9, "1"}, {10, "256"}}), kWrite,
       "Error in Read, row 2!! Destination Address must be between 0 and 255"},
      {"length 2 address 0", 0, kRead, With(kWrite, {{9, "Y"}, {10, "1"}, {11, "2"}, {12, "0"}}),
       "Error in Write, row 2!! Destination Address must be between 1 and 65535"},
      {"network 0", 0, With(kRead, {{7, "Y"}, {8, "0"}}), kWrite,
       "Error in Read, row 2!! Destination Network must be between 1 and 65535"},
      {"destination off is not looked at", 0, With(kRead, {{7, "N"}, {8, "0"}}), kWrite, ""},
      {"write of an input", 0, kRead, With(kWrite, {{3, "Analog Input"}}),
       "Error in Write, row 2!! Object Type is not correct. Select one from the list"},
      {"write of units", 0, kRead, With(kWrite, {{6, "Units (117)"}}),
       "Error in Write, row 2!! Property is not correct. Select one from the list"},
      {"analog value as double", 0, kRead, With(kWrite, {{4, "Double"}}),
       "Error in Write, row 2!! Data Type is not correct. Aspected Data Type is Real"},
      {"positive integer as real", 0, kRead, With(kWrite, {{3, "Positive Integer Value"}}),
       "Error in Write, row 2!! Data Type is not correct. Aspected Data Type is Unsigned Int"},
      {"life safety point names no type", 0, kRead, With(kWrite, {{3, "Life Safety Point"}, {4, "Enumerated"}}),
       "Error in Write, row 2!! Data Type is not correct"},
      {"a proprietary property takes any type", 0, kRead, With(kWrite, {{4, "Double"}, {6, "600"}}), ""},
      {"boolean of two bytes", 0, kRead, With(kWrite, {{3, "300"}, {4, "Boolean"}, {8, "2"}}),
       "Error in Write, row 2!! NByte must be between 0 and 1"},
      {"bit string of 120 bytes", 0, kRead, With(kWrite, {{3, "300"}, {4, "Bit String"}, {8, "120"}}), ""},
      {"priority 17", 0, kRead, With(kWrite, {{7, "17"}}), "Error in Write, row 2!! Priority must be between 0 and 16"},
      {"no timer, no poll time", 0, kRead, With(kWrite, {{14, "N"}, {15, ""}}), ""},
      {"timer and no poll time", 0, kRead, With(kWrite, {{14, "y"}, {15, ""}}),
       "Error in Write, row 2!! Poll Time must be between 0 and 100000000"},
      {"disabled rows are not checked", 0, With(kRead, {{1, "N"}, {3, "junk"}}), With(kWrite, {{1, " n"}, {3, ""}}),
       ""},
  };
  for (const Case& c : cases) {
    EditorTables t(BACnet_Client_Spec);
    t.SetRow(0, 1, kRead);
    t.SetRow(0, 2, c.read);
    t.SetRow(1, 1, kWrite);
    t.SetRow(1, 2, c.write);
    if (c.type == 1) {  // slave IDs in the rows that pass
      t.Table(0).SetCell(kBCR_Address, 1, "1");
      t.Table(1).SetCell(kBCW_Address, 1, "1");
    }
    EXPECT_EQ(Check(t, c.type), c.message) << c.name;
  }
  // Without an address kind the rows end at the first empty Object Type.
  EditorTables t(BACnet_Client_Spec);
  t.SetRow(0, 1, With(kRead, {{2, ""}}));
  t.SetRow(0, 2, With(kRead, {{3, ""}}));
  t.SetRow(0, 3, With(kRead, {{6, "999"}}));
  EXPECT_EQ(Check(t, 2), "");
  // With one, the empty address ends them at once.
  EXPECT_EQ(Check(t, 0), "");
  t.SetRow(0, 1, kRead);
  EXPECT_EQ(Check(t, 0), "Error in Read, row 2!! Object Type is not correct. Select one from the list");
}

TEST_F(BACnetClient, TheReadTablesNByteHint) {
  EditorTables t(BACnet_Client_Spec);
  struct Case {
    const char* type;
    const char* property;
    const char* hint;
  } cases[] = {
      {"Analog Input", "Present Value (85)", "4"}, {"Binary Output", "Present Value (85)", "1"},
      {"Large Analog Value", "Present Value (85)", "8"}, {"Multi-State Value", "Present Value (85)", ""},
      {"Analog Input", "Units (117)", "4"},       {"Accumulator", "PreScale (185)", "5"},
      {"Analog Input", "600", ""},                {"Analog Input", "Polarity (84)", ""},
      {"", "Present Value (85)", ""},             {"Analog Input", " ", ""},
  };
  for (const Case& c : cases) {
    t.SetRow(0, 1, With(kRead, {{3, c.type}, {5, c.property}}));
    EXPECT_EQ(Str_Hint_Read(t.Table(0), 1, kBCR_NByte), c.hint) << c.type << " " << c.property;
  }
  EXPECT_EQ(Str_Hint_Read(t.Table(0), 1, kBCR_Property), "");
  EXPECT_EQ(Str_Hint_Read(t.Table(0), 0, kBCR_NByte), "");
}

TEST_F(BACnetClient, TheFileIsReadWithDefaultsAndKeepsNoHiddenColumn) {
  WriteFileWhole(File_BACnet_Master_Access,
                 "<BACnet_Master_Access><BACnet_Read><row IP_Address_Slave_ID=\"1.2.3.4\" Object_Type=\"Analog Input\" "
                 "Swap=\"Y\"/></BACnet_Read><BACnet_Write><row IP_Address_Slave_ID=\"5\" Object_Type=\"Binary Value\" Priority=\"3\"/>"
                 "</BACnet_Write></BACnet_Master_Access>");
  EditorTables t(BACnet_Client_Spec);
  EXPECT_TRUE(t.Load(File_BACnet_Master_Access).Failure.isEmpty());
  EXPECT_EQ(t.Row(0, 1), (QStringList{"1", "Y", "1.2.3.4", "Analog Input", "", "", "", "N", "", "", "", "", "", "", "",
                                      "", "", ""}));
  const QStringList write = t.Row(1, 1);
  EXPECT_EQ(write[kBCW_Object_Type], "Binary Value");
  EXPECT_EQ(write[kBCW_Priority], "3");
  EXPECT_EQ(write[kBCW_En_Dest], "N");
  EXPECT_EQ(write[kBCW_Change], "N");
  EXPECT_EQ(write[kBCW_Timer], "N");
  // Written back without the Swap and Convertion columns, and read again the same.
  t.SetRow(0, 1, kRead);
  t.Table(0).SetCell(kBCR_Swap, 1, "Y");
  t.Save(File_BACnet_Master_Access);
  const QByteArray written = ReadFileWhole(File_BACnet_Master_Access);
  EXPECT_TRUE(written.contains("<row Enable=\"Y\" IP_Address_Slave_ID=\"192.168.0.10\" Object_Type=\"Analog Input\" "
                               "Instance=\"1\" Property=\"Present Value (85)\" NumByte=\"4\" Enable_Destination=\"N\" "
                               "Destination_Network=\"\" Destination_Length=\"\" Destination_Address=\"\" "
                               "PollTime=\"1000\" MaxError=\"0\" Position=\"0\" StartBit=\"0\" Mnemonic=\"r\" />"))
      << written.toStdString();
  EXPECT_FALSE(written.contains("Swap") || written.contains("Convertion"));
  EditorTables again(BACnet_Client_Spec);
  again.Load(File_BACnet_Master_Access);
  EXPECT_EQ(again.Row(0, 1), With(QStringList{"1"} + kRead, {{16, ""}}));
  EXPECT_EQ(again.Row(1, 1), t.Row(1, 1));
}

TEST_F(BACnetClient, AnEdeImportFillsRowsFromTheFirstFreeOneAtTheNextFreeByte) {
  EditorTables t(BACnet_Client_Spec);
  const QList<TBACnet_Var> analogs = {Object(0, "a", true, false), Object(1, "b", true, true),
                                      Object(2, "c", true, false)};
  TEDE_Import_Count count = Import_EDE_Objects(t.Table(0), t.Table(1), 2, analogs, "10.0.0.5");
  EXPECT_EQ(count.Read, 3);
  EXPECT_EQ(count.Write, 1);
  EXPECT_EQ(t.Row(0, 1), (QStringList{"1", "Y", "10.0.0.5", "Analog Input", "7", "Present Value (85)", "4", "N", "",
                                      "", "", "1000", "0", "0", "0", "N", "", "a - d"}));
  EXPECT_EQ(t.Row(0, 3)[kBCR_Position], "8");
  EXPECT_EQ(t.Row(1, 1), (QStringList{"1", "Y", "10.0.0.5", "Analog Output", "Real", "7", "Present Value (85)", "0", "4",
                                      "N", "", "", "", "N", "N", "1000", "0", "0", "0", "N", "", "b - d"}));
  // The next import goes on from row 4 at byte 12; objects not chosen are left.
  TBACnet_Var skipped = Object(3, "s", true, false);
  skipped.import = false;
  count = Import_EDE_Objects(t.Table(0), t.Table(1), 2, {skipped, Object(3, "e", true, false)}, "10.0.0.5");
  EXPECT_EQ(count.Read, 1);
  EXPECT_EQ(t.Row(0, 4)[kBCR_Object_Type], "Binary Input");
  EXPECT_EQ(t.Row(0, 4)[kBCR_Position], "12");
  EXPECT_EQ(t.Row(0, 4)[kBCR_NByte], "1");
  EXPECT_EQ(t.Row(0, 5)[kBCR_Object_Type], "");
  EXPECT_EQ(Check(t, 0), "");

  // A table that has two free rows left takes two objects and counts the rest.
  EditorTables full(BACnet_Client_Spec);
  for (int row = 1; row <= kBC_Rows - 2; ++row)
    full.SetRow(0, row, With(kRead, {{13, "1000"}, {6, "2"}}));
  count = Import_EDE_Objects(full.Table(0), full.Table(1), 2,
                             {Object(46, "x", true, true), Object(46, "y", true, false), Object(46, "z", true, false)},
                             "10.0.0.5");
  EXPECT_EQ(count.Read, 2);
  EXPECT_EQ(count.Read_Left_Out, 1);
  EXPECT_EQ(count.Write, 1);
  EXPECT_EQ(full.Row(0, kBC_Rows)[kBCR_Position], "1010");
  EXPECT_EQ(full.Row(0, kBC_Rows)[kBCR_NByte], "8");
  EXPECT_EQ(full.Row(1, 1)[kBCW_Data_Type], "Double");
  // Without an address kind the key is the Object Type.
  EditorTables typed(BACnet_Client_Spec);
  typed.SetRow(0, 1, With(kRead, {{2, ""}, {13, "20"}}));
  Import_EDE_Objects(typed.Table(0), typed.Table(1), 3, {Object(0, "a", true, false)}, "");
  EXPECT_EQ(typed.Row(0, 2)[kBCR_Position], "24");
  EXPECT_EQ(Get_ObjType_EDE(99), "");
  EXPECT_EQ(Get_DataType_EDE(99), "Null");
  EXPECT_EQ(Get_NumByte_EDE(99), 4);
}

TEST_F(BACnetClient, TheFormFollowsTheAddressKindAndImportsThroughTheDialog) {
  FakeScreen wide(1280);
  SetScreenMetrics(&wide);
  std::unique_ptr<TFBACnetAccess> form(Create<TFBACnetAccess>(nullptr));
  std::unique_ptr<TFImportEDEFile> dialog(Create<TFImportEDEFile>(nullptr));
  FImportEDEFile = dialog.get();
  SetScreenMetrics(nullptr);
  EXPECT_EQ(form->ClientWidth(), 1305);
  EXPECT_EQ(form->Btn_CopyRow, nullptr);
  EXPECT_EQ(form->Btn_PasteRow, nullptr);
  EXPECT_EQ(form->Btn_Import_CSV->Caption(), "Import EDE");
  EXPECT_TRUE(form->ECG1->IsHiddenColumn(kBCR_Swap));
  EXPECT_TRUE(form->ECG2->IsHiddenColumn(kBCW_Convertion));
  ScriptedUi ui;

  // No ParGen.xml: the error at every showing, and IP addresses.
  ui.ExpectMessage(Lang_Text(2057), mrOk, mtError);
  ui.ExpectModal("TFBACnetAccess", [&](TForm*) {
    EXPECT_EQ(form->App_BACnet_Type, 0);
    EXPECT_EQ(form->ECG1->Columns()->Items(kBCR_Address)->Header(), "IP Address");
    EXPECT_EQ(form->ECG1->Columns()->Items(kBCR_Position)->ComboItems()->Count(), 1440);
    QString hint = QStringLiteral("x");
    form->GridHint(form->ECG1, 0, 3, hint);
    EXPECT_EQ(hint, "");
    form->ECG1->SetCellEx(kBCR_Object_Type, 2, "Binary Input");
    form->ECG1->SetCellEx(kBCR_Property, 2, "Present Value (85)");
    form->GridHint(form->ECG1, 2, kBCR_NByte, hint);
    EXPECT_EQ(hint, "1");
    form->GridHint(form->ECG2, 2, kBCW_NByte, hint);
    EXPECT_EQ(hint, "");
    form->Btn_Cancel->Click();
  });
  form->ShowModal();

  // Slave IDs; a fault of the write table has its own prefix.
  WriteFileWhole(File_ParGen, "<Par_Gen><BACnet_Master_Type>1</BACnet_Master_Type></Par_Gen>");
  ui.ExpectModal("TFBACnetAccess", [&](TForm*) {
    EXPECT_EQ(form->ECG2->Columns()->Items(kBCW_Address)->Header(), "Slave ID");
    const QStringList row = With(kWrite, {{2, "3"}, {7, "17"}});
    for (int i = 0; i < row.size(); ++i) form->ECG2->SetCellEx(i + 1, 1, row[i]);
    ui.ExpectMessage("Error in Write, row 1!! Priority must be between 0 and 16", mrOk, mtError);
    form->Btn_OK->Click();
    form->ECG2->SetCellEx(kBCW_Priority, 1, "16");
    form->Btn_OK->Click();
  });
  EXPECT_EQ(form->ShowModal(), mrOk);
  EXPECT_TRUE(ReadFileWhole(File_BACnet_Master_Access).contains("IP_Address_Slave_ID=\"3\""));

  // No address: the column is hidden, the Object Type is the key, and an EDE import
  // fills rows there; what does not fit is reported.
  WriteFileWhole(File_ParGen, "<Par_Gen><BACnet_Master_Type>2</BACnet_Master_Type></Par_Gen>");
  const QString ede = QDir(Project_Folder).filePath("remote.csv");
  WriteFileWhole(ede, "#\n#\n#\n#\n#\n#\n# mandatory\n# keyname\na;1;Temp;0;4;Room;;;;N;N;;;;;;\n");
  ui.ExpectModal("TFBACnetAccess", [&](TForm*) {
    EXPECT_TRUE(form->ECG1->IsHiddenColumn(kBCR_Address));
    ui.ExpectFileDialog(false, ede, [](const TFileDialogRequest& r) {
      EXPECT_EQ(r.Filter, "BACnet EDE File (*.csv)|*.csv");
      EXPECT_EQ(r.InitialDir, "");
    });
    ui.ExpectModal("TFImportEDEFile", [&](TForm*) {
      EXPECT_EQ(dialog->App_BACnet_Type, 2);
      dialog->Btn_OK->Click();
    });
    form->Btn_Import_CSV->Click();
    EXPECT_EQ(form->ECG1->GetCellEx(kBCR_Object_Type, 1), "Analog Input");
    EXPECT_EQ(form->ECG1->GetCellEx(kBCR_Instance, 1), "4");
    EXPECT_EQ(Last_EDE_Folder, Project_Folder);
    // The hint asks with the display column: with the address hidden, the NByte
    // column is shown one place to the left and still gives its hint.
    QString hint;
    form->GridHint(form->ECG1, 1, kBCR_NByte - 1, hint);
    EXPECT_EQ(hint, "4");
    form->GridHint(form->ECG1, 1, kBCR_NByte, hint);
    EXPECT_EQ(hint, "");
    // A second import that finds no free row for the object.
    for (int row = 2; row <= kBC_Rows; ++row) form->ECG1->SetCellEx(kBCR_Object_Type, row, "Analog Input");
    ui.ExpectFileDialog(false, ede, [](const TFileDialogRequest& r) { EXPECT_EQ(r.InitialDir, Project_Folder); });
    ui.ExpectModal("TFImportEDEFile", [&](TForm*) { dialog->Btn_OK->Click(); });
    ui.ExpectMessage(Lang_Text(kText_BC_Import_Left_Out).arg(1).arg(0), mrOk, mtWarning);
    form->Btn_Import_CSV->Click();
    form->Btn_Cancel->Click();
  });
  form->ShowModal();
  FImportEDEFile = nullptr;
  Last_EDE_Folder.clear();

  // A narrow screen: 1000 wide.
  FakeScreen narrow(1024);
  SetScreenMetrics(&narrow);
  std::unique_ptr<TFBACnetAccess> small(Create<TFBACnetAccess>(nullptr));
  SetScreenMetrics(nullptr);
  EXPECT_EQ(small->ClientWidth(), 1000);
}
