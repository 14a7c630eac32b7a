// BACnet EDE files: the writer's lines for the server objects (type numbers,
// instance counters, cut names, the device instance), the refusal of a text that
// would break a line, the importer on small files in each encoding and on the
// writer's own output, and the import dialog's choices and address check.
#include "editors/fieldbus/ede_import.h"
#include "editors/fieldbus/ede_import_form.h"
#include "editors/fieldbus/ede_writer.h"

#include "app/language/language.h"
#include "app/state/comon.h"
#include "controls/button/fade_button.h"
#include "grid/view/column_grid.h"
#include "platform/os/clock.h"
#include "platform/os/files.h"
#include "platform/rtl/exceptions.h"
#include "platform/ui/edit.h"
#include "tests/support/project_fixture.h"
#include "tests/support/scripted_ui.h"
#include "tests/support/ui_input.h"

#include <QDir>
#include <QStringEncoder>
#include <gtest/gtest.h>

namespace {

class EDE : public ProjectTest {
protected:
  void SetUp() override {
    ProjectTest::SetUp();
    SetClock(&clock_);
    ede_ = QDir(Project_Folder).filePath("objects.csv");
  }
  void TearDown() override {
    SetClock(nullptr);
    ProjectTest::TearDown();
  }
  // BACnet_Slave.xml with these read and write rows (Data_Type, Eng_Unit, Mnemonic).
  void Write_Slave(const QList<QStringList>& read, const QList<QStringList>& write) {
    auto rows = [](const QList<QStringList>& list) {
      QString text;
      for (const QStringList& r : list)
        text += QStringLiteral("<row Data_Type=\"%1\" Eng_Unit=\"%2\" Position=\"0\" Bit=\"\" Length=\"4\" "
                               "Swap=\"N\" Mnemonic=\"%3\"/>")
                    .arg(r[0], r[1], r[2]);
      return text;
    };
    WriteFileWhole(File_BACnet_Slave, ("<BACnet_to_Modbus><BACnet_in_Read>" + rows(read) +
                                       "</BACnet_in_Read><BACnet_in_Write>" + rows(write) +
                                       "</BACnet_in_Write></BACnet_to_Modbus>")
                                          .toUtf8());
  }
  QStringList Object_Lines() {
    const QStringList lines = QString::fromLatin1(ReadFileWhole(ede_)).split(QStringLiteral("\r\n"));
    return lines.mid(7, lines.size() - 8);
  }

  TManualClock clock_{QDateTime(QDate(2024, 3, 7), QTime(9, 5, 3))};
  QString ede_;
};

}  // namespace

TEST_F(EDE, TheWriterListsEveryServerObject) {
  WriteFileWhole(File_ParGen, "<Par_Gen><BACnet_Type>0</BACnet_Type><BACnet_DEV_IDE>77</BACnet_DEV_IDE></Par_Gen>");
  Write_Slave({{"Analog Value", "62", "Room temp\u00b0"}, {"Analog Input", "95", "Outside"}, {"analog value ", "", "Set"}},
              {{"Analog Value", "98", "Valve"}, {"Multi State Value", "95", "Mode"}, {"Multi State Value", "95", "Fan"},
               {"", "95", "No type"}});
  Project_Name = QStringLiteral("Plant1");
  Create_EDE_File(ede_);
  const QByteArray bytes = ReadFileWhole(ede_);
  EXPECT_TRUE(bytes.contains("Room temp\xB0"));  // Windows-1252
  EXPECT_TRUE(bytes.endsWith("\r\n"));
  const QStringList lines = QString::fromLatin1(bytes).split(QStringLiteral("\r\n"));
  EXPECT_EQ(lines.mid(0, 7), (QStringList{
                                 "PROJECT_NAME; Zerfal--Plant1;;;;;;",
                                 "VERSION_OF_REFERENCEFILE;1.0;;;;;;",
                                 "TIMESTAMP_OF_LAST_CHANGE;09:05:03 07/03/2024;;;;;;",
                                 "AUTHOR_OF_LAST_CHANGE;Zerfal;;;;;;",
                                 "VERSION_OF_LAYOUT;2;;;;;;",
                                 "# mandatory;mandatory;mandatory;mandatory;mandatory;optional;optional;",
                                 "# keyname;device obj.-instance;object-name;object-type;object-instance;description;"
                                 "unit-code;",
                             }));
  // Each type numbered across both tables, the read table first.
  EXPECT_EQ(Object_Lines(), (QStringList{
                                "77_Room temp\u00b0_0;77;Room temp\u00b0;2;0;Room temp\u00b0;62;",
                                "77_Outside_0;77;Outside;0;0;Outside;95;",
                                "77_Set_1;77;Set;2;1;Set;;",
                                "77_Valve_2;77;Valve;2;2;Valve;98;",
                                "77_Mode_0;77;Mode;19;0;Mode;95;",
                                "77_Fan_1;77;Fan;19;1;Fan;95;",
                                "77_No type_1;77;No type;0;1;No type;95;",
                            }));
}

TEST_F(EDE, NamesDeviceInstanceAndMissingFiles) {
  const QString forty = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789abcd");
  Write_Slave({{"Binary Input", "95", forty}}, {});
  // Long names: 32 characters; the key name keeps all 40. Serial type: the other instance.
  WriteFileWhole(File_ParGen, "<Par_Gen><BACnet_Type>1</BACnet_Type><BACnet_Ser_DEV_IDE>1234</BACnet_Ser_DEV_IDE>"
                              "<BACnet_DEV_IDE>77</BACnet_DEV_IDE><BACnet_Desc_Chars_Limit>1</BACnet_Desc_Chars_Limit>"
                              "</Par_Gen>");
  Create_EDE_File(ede_);
  EXPECT_EQ(Object_Lines(), QStringList{"1234_" + forty + "_0;1234;" + forty.left(32) + ";3;0;" + forty.left(32) + ";95;"});
  // Without the option (written again after ParGen.xml changed): 16 characters.
  WriteFileWhole(File_ParGen, "<Par_Gen><BACnet_DEV_IDE>77</BACnet_DEV_IDE></Par_Gen>");
  Create_EDE_File(ede_);
  EXPECT_EQ(Object_Lines(), QStringList{"77_" + forty + "_0;77;" + forty.left(16) + ";3;0;" + forty.left(16) + ";95;"});
  // No ParGen.xml: no device instance; no BACnet_Slave.xml: the header alone.
  QFile::remove(File_ParGen);
  Create_EDE_File(ede_);
  EXPECT_TRUE(Object_Lines().front().startsWith("_" + forty + "_0;;"));
  QFile::remove(File_BACnet_Slave);
  Create_EDE_File(ede_);
  EXPECT_EQ(QString::fromLatin1(ReadFileWhole(ede_)).count(QStringLiteral("\r\n")), 7);
  EXPECT_EQ(EDE_Time_Stamp(QDateTime(QDate(987, 12, 25), QTime(23, 59, 9))), "23:59:09 25/12/987");
}

TEST_F(EDE, ATextThatWouldBreakItsLineIsRefusedAndNothingWritten) {
  struct Case {
    const char* name;
    QList<QStringList> read;
    QByteArray parGen;
    QString project;
    QString message;
  } cases[] = {
      {"a semicolon in a Mnemonic", {{"Analog Input", "62", "a"}, {"Analog Input", "62", "b;c"}}, "", "P",
       Lang_Text(kText_EDE_Row_Refused).arg("BACnet_in_Read").arg(2).arg("Mnemonic")},
      {"a line break in an Eng. Unit", {{"Analog Input", "6&#10;2", "a"}}, "", "P",
       Lang_Text(kText_EDE_Row_Refused).arg("BACnet_in_Read").arg(1).arg("Eng_Unit")},
      {"a semicolon in the device instance", {{"Analog Input", "62", "a"}},
       "<Par_Gen><BACnet_DEV_IDE>7;7</BACnet_DEV_IDE></Par_Gen>", "P",
       Lang_Text(kText_EDE_Device_Refused).arg("BACnet_DEV_IDE")},
      {"a semicolon in the project name", {{"Analog Input", "62", "a"}}, "", "P;1", Lang_Text(kText_EDE_Project_Refused)},
  };
  for (const Case& c : cases) {
    Write_Slave(c.read, {});
    if (c.parGen.isEmpty())
      QFile::remove(File_ParGen);
    else
      WriteFileWhole(File_ParGen, c.parGen);
    Project_Name = c.project;
    WriteFileWhole(ede_, "old");
    try {
      Create_EDE_File(ede_);
      ADD_FAILURE() << c.name << ": written";
    } catch (const EFileError& e) {
      EXPECT_EQ(e.Message, c.message) << c.name;
    }
    EXPECT_EQ(ReadFileWhole(ede_), QByteArray("old")) << c.name;
  }
  // A row without a Mnemonic stops the writer too.
  WriteFileWhole(File_BACnet_Slave, "<BACnet_to_Modbus><BACnet_in_Read><row Data_Type=\"Analog Input\" Eng_Unit=\"1\"/>"
                                    "</BACnet_in_Read></BACnet_to_Modbus>");
  Project_Name = QStringLiteral("P");
  EXPECT_THROW(Create_EDE_File(ede_), EFileError);
  EXPECT_EQ(ReadFileWhole(ede_), QByteArray("old"));
}

TEST_F(EDE, TheImporterReadsSmallFilesInEachEncodingAndOurOwnOutput) {
  const QString text = QStringLiteral(
      "PROJECT_NAME;Remote;;\n"
      "VERSION_OF_REFERENCEFILE;1;;\n"
      "TIMESTAMP_OF_LAST_CHANGE;x;;\n"
      "AUTHOR_OF_LAST_CHANGE;y;;\n"
      "VERSION_OF_LAYOUT;2;;\n"
      "comment line\n"
      "#mandatory;mandatory;mandatory;mandatory;mandatory;optional\n"
      "# keyname;device obj.-instance;object-name;object-type;object-instance;description;...\n"
      "k1;5;T\u00e4mp;0;1;Room;20.5;0;100;N;N;;;;62;addr;\n"
      "\n"
      "k2;5;Valve;1;2;Valve position;0;0;100;y;Y;90;10;;98;;\n"
      "k3;5;Device;8;5;The device;;;;N;N;;;;;;\n"
      "k4;5;Door;30;1;Access door;;;;Y;N;;;;;;\n"
      "k5;5;Count;23;0;Counter\n");
  auto check = [](const QList<TBACnet_Var>& v, const char* how) {
    ASSERT_EQ(v.size(), 3) << how;
    EXPECT_EQ(v[0].object_name, "T\u00e4mp") << how;
    EXPECT_EQ(v[0].object_type, 0);
    EXPECT_EQ(v[0].object_instance, 1);
    EXPECT_EQ(v[0].unit_code, "62");
    EXPECT_EQ(v[0].vendor_specific_address, "addr");
    EXPECT_FALSE(v[0].write);
    EXPECT_TRUE(v[0].import && v[0].read);
    EXPECT_TRUE(v[1].commandable);  // "y"
    EXPECT_TRUE(v[1].write);
    EXPECT_TRUE(v[1].support_COV);
    EXPECT_EQ(v[1].hi_limit, "90");
    // A line of six fields: the text after the last ";" is the sixteenth field.
    EXPECT_EQ(v[2].object_type, 23);
    EXPECT_EQ(v[2].description, "");
    EXPECT_EQ(v[2].vendor_specific_address, "Counter");
  };
  check(Load_EDE_Bytes(text.toLatin1()), "Windows-1252");
  check(Load_EDE_Bytes("\xEF\xBB\xBF" + text.toUtf8()), "UTF-8");
  QStringEncoder utf16(QStringConverter::Utf16LE, QStringConverter::Flag::WriteBom);
  check(Load_EDE_Bytes(utf16.encode(text)), "UTF-16");

  // No header line, or fewer lines than a header takes: nothing, and no error.
  EXPECT_TRUE(Load_EDE_Text("a;1;b;0;1;c;\nx\n").isEmpty());
  EXPECT_TRUE(Load_EDE_Text("#mandatory\n\nk;1;b;0;1;c;\n").isEmpty());
  EXPECT_TRUE(Load_EDE_Text("").isEmpty());

  // Our own file read back: the unit code lands in the seventh field, and nothing
  // is commandable; the access door is not a client's object.
  Write_Slave({{"Analog Input", "62", "Temp"}, {"Binary Value", "95", "Run"}}, {{"Access Door", "95", "Door"}});
  WriteFileWhole(File_ParGen, "<Par_Gen><BACnet_DEV_IDE>9</BACnet_DEV_IDE></Par_Gen>");
  Create_EDE_File(ede_);
  const QList<TBACnet_Var> back = Load_EDE_Bytes(ReadFileWhole(ede_));
  ASSERT_EQ(back.size(), 2);
  EXPECT_EQ(back[0].keyname, "9_Temp_0");
  EXPECT_EQ(back[0].device_obj_instance, 9);
  EXPECT_EQ(back[0].object_type, 0);
  EXPECT_EQ(back[0].present_value_default, "62");
  EXPECT_EQ(back[1].object_name, "Run");
  EXPECT_EQ(back[1].object_type, 5);
  EXPECT_FALSE(back[0].commandable || back[1].commandable || back[1].write);
}

TEST_F(EDE, TheDialogListsTheObjectsAndChecksTheAddress) {
  std::unique_ptr<TFImportEDEFile> form(Create<TFImportEDEFile>(nullptr));
  EXPECT_EQ(form->ClientWidth(), 863);
  EXPECT_EQ(form->ECG->Columns()->Items(8)->Header(), "Commandable");
  WriteFileWhole(ede_, "#\n#\n#\n#\n#\n#\n# mandatory\n# keyname\n"
                       "a;1;Temp;0;1;Room;;;;N;N;;;;;;\n"
                       "b;1;Valve;1;2;Valve;;;;Y;N;;;;;;\n");
  form->EDE_File = ede_;
  form->App_BACnet_Type = 0;
  ScriptedUi ui;
  ui.ExpectModal("TFImportEDEFile", [&](TForm*) {
    TExColumnGrid* g = form->ECG;
    ASSERT_EQ(g->RowCount(), 3);
    EXPECT_EQ(g->GetCellEx(4, 1), "Temp");
    EXPECT_EQ(g->GetCellEx(5, 2), "1");
    EXPECT_EQ(g->GetCellEx(3, 1), "N");
    EXPECT_EQ(g->GetCellEx(3, 2), "Y");
    EXPECT_EQ(g->GetCellEx(8, 2), "Y");
    // Write on an object that is only read: the error, and the box stays off.
    g->SetFocus();
    ProcessEvents();
    const TRect r = g->CellRect(3, 1);
    ui.ExpectMessage(Lang_Text(2113) + "1" + Lang_Text(2114), mrOk, mtError);
    MouseClick(g, (r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
    ProcessEvents();
    EXPECT_EQ(g->GetCellEx(3, 1), "N");
    EXPECT_FALSE(form->List_EDE_Var[0].write);
    // On a commandable one it toggles the choice.
    form->ECGCheckBoxClick(g, 3, 2, false);
    EXPECT_FALSE(form->List_EDE_Var[1].write);
    form->Btn_Unselect_All->Click();
    EXPECT_FALSE(form->List_EDE_Var[0].import || form->List_EDE_Var[1].import);
    EXPECT_EQ(g->GetCellEx(1, 2), "N");
    form->Btn_Select_All->Click();
    EXPECT_TRUE(form->List_EDE_Var[1].import);
    // The address by the client's kind.
    form->E_ID_IP->SetText("10.0.0");
    ui.ExpectMessage(Lang_Text(2116), mrOk, mtError);
    form->Btn_OK->Click();
    EXPECT_EQ(form->ModalResult(), mrNone);
    form->E_ID_IP->SetText("10.0.0.7");
    form->Btn_OK->Click();
  });
  EXPECT_EQ(form->ShowModal(), mrOk);

  form->App_BACnet_Type = 1;
  ui.ExpectModal("TFImportEDEFile", [&](TForm*) {
    EXPECT_EQ(form->E_ID_IP->Text(), "10.0.0.7");  // kept from the last showing
    form->E_ID_IP->SetText("255");
    ui.ExpectMessage(Lang_Text(2117), mrOk, mtError);
    form->Btn_OK->Click();
    form->E_ID_IP->SetText("254");
    form->Btn_OK->Click();
  });
  EXPECT_EQ(form->ShowModal(), mrOk);

  // Another kind checks nothing; a file without header lists no object, one empty row.
  form->App_BACnet_Type = 2;
  WriteFileWhole(ede_, "nothing here\n");
  ui.ExpectModal("TFImportEDEFile", [&](TForm*) {
    EXPECT_EQ(form->ECG->RowCount(), 2);
    EXPECT_TRUE(form->List_EDE_Var.isEmpty());
    form->E_ID_IP->SetText("anything");
    form->Btn_OK->Click();
  });
  EXPECT_EQ(form->ShowModal(), mrOk);
}
