// The PROFINET description: the file written by hand from its template for a
// project's values (valid XML, the station name escaped), the values and their
// defaults from ParGen.xml, the file name with its fixed parts and the user parts
// it refuses, and the saving with its folder and overwrite question.
#include "editors/fieldbus/gsdml_writer.h"
#include "editors/fieldbus/profinet_file_name_form.h"

#include "app/language/language.h"
#include "app/state/comon.h"
#include "controls/button/fade_button.h"
#include "platform/os/clock.h"
#include "platform/os/files.h"
#include "platform/ui/edit.h"
#include "platform/ui/labels.h"
#include "platform/xml/xml_document.h"
#include "tests/support/project_fixture.h"
#include "tests/support/scripted_ui.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

using GSDML = ProjectTest;

void Write_ParGen(const QByteArray& fields) { WriteFileWhole(File_ParGen, "<Par_Gen>" + fields + "</Par_Gen>"); }

}  // namespace

TEST_F(GSDML, TheDescriptionIsTheTemplateWrittenByHand) {
  Write_ParGen("<PROFINET_NB_IN>100</PROFINET_NB_IN><PROFINET_NB_OUT>200</PROFINET_NB_OUT>"
               "<PROFINET_NAME_STA>Line &amp; &lt;2&gt;</PROFINET_NAME_STA>");
  const QString path = QDir(Project_Folder).filePath("out.xml");
  Write_GSDML_File(path);
  QByteArray expected = ReadFileWhole(QStringLiteral(TESTS_SOURCE_DIR "/editors/fieldbus/data/gsdml_station_line2.xml"));
  expected.replace("\n", "\r\n");
  const QByteArray written = ReadFileWhole(path);
  EXPECT_EQ(written, QByteArray("\xEF\xBB\xBF") + expected);
  // A well-formed document whose station name reads back as it was.
  TXMLDocument doc;
  doc.LoadFromFile(path);
  const TXMLNode dap = doc.DocumentElement()
                           .ChildByName("ProfileBody")
                           .ChildByName("ApplicationProcess")
                           .ChildByName("DeviceAccessPointList")
                           .ChildByName("DeviceAccessPointItem");
  EXPECT_EQ(dap.Attribute("DNS_CompatibleName"), "Line & <2>");
}

TEST_F(GSDML, ParGenValuesAndTheirDefaults) {
  struct Case {
    const char* name;
    QByteArray fields;  // nullptr-like empty: no ParGen.xml
    int input, output;
    const char* station;
  } cases[] = {
      {"no ParGen.xml", "", 1438, 1438, "SERIAL"},
      {"no elements", "<Other>1</Other>", 1438, 1438, "SERIAL"},
      {"lengths swapped into the description",
       "<PROFINET_NB_IN>100</PROFINET_NB_IN><PROFINET_NB_OUT>200</PROFINET_NB_OUT>", 200, 100, "SERIAL"},
      {"no number", "<PROFINET_NB_IN>ten</PROFINET_NB_IN><PROFINET_NB_OUT>$10</PROFINET_NB_OUT>", 16, 1438, "SERIAL"},
      {"no range", "<PROFINET_NB_IN>-5</PROFINET_NB_IN><PROFINET_NB_OUT>99999</PROFINET_NB_OUT>", 99999, -5, "SERIAL"},
      {"blanks only", "<PROFINET_NAME_STA>   </PROFINET_NAME_STA>", 1438, 1438, "SERIAL"},
      {"a leading blank stays", "<PROFINET_NAME_STA> plc-1</PROFINET_NAME_STA>", 1438, 1438, " plc-1"},
  };
  for (const Case& c : cases) {
    QFile::remove(File_ParGen);
    if (!c.fields.isEmpty()) Write_ParGen(c.fields);
    const TGSDML_Parameters p = Load_GSDML_Parameters(File_ParGen);
    EXPECT_EQ(p.Input_Length, c.input) << c.name;
    EXPECT_EQ(p.Output_Length, c.output) << c.name;
    EXPECT_EQ(p.Station_Name, c.station) << c.name;
  }
  // A broken ParGen.xml gives the defaults too.
  WriteFileWhole(File_ParGen, "<Par_Gen><PROFINET_NB_IN>5");
  EXPECT_EQ(Load_GSDML_Parameters(File_ParGen).Input_Length, 1438);
  EXPECT_EQ(GSDML_Escape("a\"b'c\td\x01"), "a&quot;b&apos;c&#9;d");
}

TEST_F(GSDML, FileNamesAndTheUserPartsRefused) {
  const QString second = GSDML_Second_Fixed_Part(QDate(2024, 3, 7));
  EXPECT_EQ(second, "-20240307.xml");
  struct Case {
    const char* user;
    const char* name;
  } cases[] = {
      {"", "GSDML-V2.25-Zerfal--20240307.xml"},
      {"   ", "GSDML-V2.25-Zerfal--20240307.xml"},
      {"_X1", "GSDML-V2.25-Zerfal-_X1-20240307.xml"},
      {"X1", "GSDML-V2.25-Zerfal-_X1-20240307.xml"},
      {" X1 ", "GSDML-V2.25-Zerfal-_ X1 -20240307.xml"},
  };
  for (const Case& c : cases) {
    EXPECT_TRUE(GSDML_User_Part_Allowed(c.user)) << c.user;
    EXPECT_EQ(Compose_GSDML_File_Name(c.user, second), c.name) << c.user;
  }
  for (const char* refused : {"a/b", "a\\b", "..", "x..y", "/"}) EXPECT_FALSE(GSDML_User_Part_Allowed(refused)) << refused;
  EXPECT_TRUE(GSDML_User_Part_Allowed("v1.2"));
}

TEST_F(GSDML, TheDialogComposesTheNameAndTheSaveUsesOnlyTheFolderChosen) {
  TManualClock clock(QDateTime(QDate(2024, 3, 7), QTime(9, 5, 3)));
  SetClock(&clock);
  std::unique_ptr<TFProfinetFileName> form(Create<TFProfinetFileName>(nullptr));
  SetClock(nullptr);
  EXPECT_EQ(form->ClientWidth(), 540);
  EXPECT_EQ(form->ClientHeight(), 205);
  EXPECT_EQ(form->L_XML_Fix1->Caption(), "GSDML-V2.25-Zerfal-");
  EXPECT_EQ(form->L_XML_Fix2->Caption(), "-20240307.xml");
  EXPECT_EQ(form->E_XML_User->Left(), 179);
  EXPECT_EQ(form->L_XML_Fix2->Left(), 447);
  EXPECT_EQ(form->Caption(), "PROFINET XML File Name");
  ScriptedUi ui;
  ui.ExpectModal("TFProfinetFileName", [&](TForm*) {
    form->E_XML_User->SetText("../up");
    ui.ExpectMessage(Lang_Text(kText_GSDML_Name_Refused), mrOk, mtError);
    form->Btn_OK->Click();
    EXPECT_EQ(form->ModalResult(), mrNone);
    form->E_XML_User->SetText("X1");
    form->Btn_OK->Click();
  });
  EXPECT_EQ(form->ShowModal(), mrOk);
  EXPECT_EQ(form->Name_File_XML, "GSDML-V2.25-Zerfal-_X1-20240307.xml");

  // The save dialog proposes the name in the project folder; a name typed there is
  // not used, only its folder.
  const QString name = form->Name_File_XML;
  const QString other = QDir(Project_Folder).filePath("sub");
  QDir().mkpath(other);
  ui.ExpectFileDialog(true, QDir(other).filePath("typed.xml"), [&](const TFileDialogRequest& r) {
    EXPECT_EQ(r.InitialDir, Project_Folder);
    EXPECT_EQ(r.FileName, name);
    EXPECT_EQ(r.Filter, "PROFINET XML (*.xml)|" + name);
  });
  Create_GSDML_File(name);
  const QString target = QDir(other).filePath(name);
  EXPECT_TRUE(FileExists(target));
  EXPECT_FALSE(FileExists(QDir(other).filePath("typed.xml")));

  // The same name again: the overwrite question; No keeps the file, Yes replaces it.
  WriteFileWhole(target, "old");
  ui.ExpectFileDialog(true, target);
  ui.ExpectMessage(Lang_Text(4808), mrNo, mtConfirmation);
  Create_GSDML_File(name);
  EXPECT_EQ(ReadFileWhole(target), QByteArray("old"));
  ui.ExpectFileDialog(true, target);
  ui.ExpectMessage(Lang_Text(4808), mrYes, mtConfirmation);
  Create_GSDML_File(name);
  EXPECT_TRUE(ReadFileWhole(target).startsWith("\xEF\xBB\xBF<?xml"));
  // Cancelled: nothing.
  ui.ExpectFileDialog(true, QString());
  Create_GSDML_File(name);
}
