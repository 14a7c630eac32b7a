// The project steps with a project: editor forms shown by name, the device images
// of Update Device, the ESI file with its overwrite question, the other models'
// EDS, EDE and GSDML files, and forms not built into the program yet.
#include "app/forms/form_registry.h"
#include "app/language/language.h"
#include "app/shell/projects.h"
#include "app/state/comon.h"
#include "controls/button/fade_button.h"
#include "editors/fieldbus/ede_writer.h"
#include "editors/fieldbus/profinet_file_name_form.h"
#include "gateway/bank2_device_image.h"
#include "gateway/boot_form.h"
#include "platform/os/files.h"
#include "platform/rtl/exceptions.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/edit.h"
#include "tests/shell/shell_fixture.h"

namespace {

class ProjectSteps : public ShellFixture {
protected:
  void StartWithProject() {
    Start();
    ASSERT_EQ(Create_Project("Plant"), 0);
  }
};

// A form registered as the real ones are.
class TFStandIn : public TForm {
public:
  explicit TFStandIn(TComponent* owner) : TForm(owner) {}
};

TEST_F(ProjectSteps, AnEditorStepShowsItsRegisteredFormModally) {
  StartWithProject();
  // The sibling models' editors are made at start-up too; their hidden step buttons
  // still show them.
  ASSERT_NE(Registered_Form("TFDNet"), nullptr);
  ui.ExpectModal("TFDNet", [](TForm* f) { f->SetModalResult(mrCancel); });
  ClickButton(Main()->Step_Button("Btn_DNet_Net"));
  EXPECT_EQ(ui.ModalForms, std::vector<QString>{"TFDNet"});
  auto* standIn = Create<TFStandIn>(nullptr);
  Register_Form(standIn, nullptr);
  EXPECT_EQ(Registered_Form("TFStandIn"), standIn);
  delete standIn;
  EXPECT_EQ(Registered_Form("TFStandIn"), nullptr);  // a freed form leaves the registry
}

TEST_F(ProjectSteps, TheEditorStepsOfThisModelOpenTheirFormOrNothingWhileItIsNotBuilt) {
  StartWithProject();
  struct Step {
    TFadeButton* button;
    const char* form;
  };
  const Step steps[] = {{Main()->Btn_Prm_Gen, "TFParGen"},
                        {Main()->Btn_EtherCAT_Set_Access, "TFEtherCATSlave"},
                        {Main()->Btn_Modbus_Set_Access, "TFModbus_TCP_Master_Set_Access"}};
  std::vector<QString> built;
  for (const Step& s : steps) {
    if (Registered_Form(s.form)) {
      built.push_back(s.form);
      ui.ExpectModal(s.form, [](TForm* f) { f->SetModalResult(mrCancel); });
    }
    ClickButton(s.button);
  }
  EXPECT_EQ(ui.ModalForms, built);
  EXPECT_TRUE(ui.Messages.empty());
}

TEST_F(ProjectSteps, UpdateDeviceWritesBothImagesIntoTheProjectBeforeTheUpdateDialog) {
  StartWithProject();
  if (Registered_Form("TFBoot")) {
    ui.ExpectModal("TFBoot", [&](TForm* f) {
      EXPECT_EQ(static_cast<TFBoot*>(f)->Form_Type, kBoot_Network);
      EXPECT_TRUE(FileExists(Path("PROJECTS/Plant/bin/bank2.bin")));
      f->SetModalResult(mrCancel);
    });
  }
  ClickButton(Main()->Btn_CreateBin);
  EXPECT_EQ(ReadFileWhole(Path("PROJECTS/Plant/bin/bank1.bin")).size(), 2048);
  EXPECT_TRUE(FileExists(Path("PROJECTS/Plant/bin/bank2.bin")));
  EXPECT_TRUE(ui.Messages.empty());
}

TEST_F(ProjectSteps, UpdateDeviceReportsABrokenProjectFileAndWritesNothing) {
  StartWithProject();
  WriteFileWhole(File_ParGen, "<ParGen><broken");
  QString reason;
  try {
    Build_Device_Image_Entry();
  } catch (const Exception& e) {
    reason = e.Message;
  }
  ASSERT_TRUE(reason.contains("ParGen.xml"));
  ui.ExpectMessage(reason, mrOk, mtError, TMsgDlgButtons{mbOK});
  ClickButton(Main()->Btn_CreateBin);
  EXPECT_FALSE(FileExists(Path("PROJECTS/Plant/bin/bank1.bin")));
}

TEST_F(ProjectSteps, TheEsiFileIsWrittenWhereTheUserSaysAndOverwrittenOnlyOnYes) {
  StartWithProject();
  const QString esi = Path("PROJECTS/Plant/device.xml");
  ui.ExpectFileDialog(true, esi, [&](const TFileDialogRequest& r) {
    EXPECT_EQ(r.InitialDir, Project_Folder);
    EXPECT_EQ(r.Filter, "EtherCAT ESI File (*.xml)|*.xml");
    EXPECT_EQ(r.DefaultExt, "xml");
  });
  ClickButton(Main()->Btn_EtherCAT_ESI_File);
  const QByteArray written = ReadFileWhole(esi);
  EXPECT_TRUE(written.contains("EtherCATInfo"));

  // The file exists now: No keeps it, Yes writes it again.
  WriteFileWhole(esi, "kept");
  ui.ExpectFileDialog(true, esi);
  ui.ExpectMessage("File already exists. Do you want to overwrite?", mrNo, mtConfirmation, TMsgDlgButtons{mbYes, mbNo});
  ClickButton(Main()->Btn_EtherCAT_ESI_File);
  EXPECT_EQ(ReadFileWhole(esi), QByteArray("kept"));

  ui.ExpectFileDialog(true, esi);
  ui.ExpectMessage("File already exists. Do you want to overwrite?", mrYes);
  ClickButton(Main()->Btn_EtherCAT_ESI_File);
  EXPECT_EQ(ReadFileWhole(esi), written);

  // Cancelled: nothing happens.
  ui.ExpectFileDialog(true, QString());
  ClickButton(Main()->Btn_EtherCAT_ESI_File);
}

TEST_F(ProjectSteps, TheEdsStepWritesTheSheetWithoutAnOverwriteQuestionOrRefusesWithItsReason) {
  StartWithProject();
  const QString eds = Path("PROJECTS/Plant/device.eds");
  WriteFileWhole(eds, "old");
  ui.ExpectFileDialog(true, eds, [&](const TFileDialogRequest& r) {
    EXPECT_EQ(r.InitialDir, Project_Folder);
    EXPECT_EQ(r.Filter, "Electronic Data Sheet (*.eds)|*.eds");
  });
  ClickButton(Main()->Step_Button("Btn_CANopen_EDS"));
  EXPECT_TRUE(ReadFileWhole(eds).startsWith("[FileInfo]\r\nFileName=EtherCAT_CANopen.eds\r\n"));
  EXPECT_TRUE(ui.Messages.empty());

  // An object entry given twice: the step's error box, the file as it was.
  WriteFileWhole(eds, "old");
  WriteFileWhole(File_SDO_Server_CANopen,
                 "<SDO_Server_CANopen><SDO_Read><row Index=\"0x2000\" SubIndex=\"1\" NByte=\"1\"/></SDO_Read>"
                 "<SDO_Write><row Index=\"0x2000\" SubIndex=\"1\" NByte=\"1\"/></SDO_Write></SDO_Server_CANopen>");
  ui.ExpectFileDialog(true, eds);
  ui.ExpectMessage("SDO_Server_CANopen.xml names the object 0x2000 sub-index 1 twice; an EDS file can describe it "
                   "only once. No EDS file was written.",
                   mrOk, mtError);
  ClickButton(Main()->Step_Button("Btn_CANopen_EDS"));
  EXPECT_EQ(ReadFileWhole(eds), QByteArray("old"));
}

TEST_F(ProjectSteps, TheEdeStepAddsItsExtensionAndAsksBeforeReplacingAFile) {
  StartWithProject();
  WriteFileWhole(File_BACnet_Slave, "<BACnet_to_Modbus><BACnet_in_Read><row Data_Type=\"Analog Input\" "
                                    "Eng_Unit=\"62\" Mnemonic=\"Temp\"/></BACnet_in_Read></BACnet_to_Modbus>");
  const QString csv = Path("PROJECTS/Plant/objects.csv");
  ui.ExpectFileDialog(true, Path("PROJECTS/Plant/objects"), [&](const TFileDialogRequest& r) {
    EXPECT_EQ(r.InitialDir, Project_Folder);
    EXPECT_EQ(r.Filter, "CSV (MS-DOS) (*.csv)|*.csv");
  });
  ClickButton(Main()->Step_Button("Btn_BACnet_EDE_File"));
  EXPECT_TRUE(ReadFileWhole(csv).startsWith("PROJECT_NAME; Zerfal--Plant;;;;;;\r\n"));
  EXPECT_TRUE(ReadFileWhole(csv).endsWith("\r\n_Temp_0;;Temp;0;0;Temp;62;\r\n"));
  // An existing file: only Yes replaces it; a name ending in ".CSV" keeps its case.
  const QString upper = Path("PROJECTS/Plant/OLD.CSV");
  for (int answer : {int(mrNo), int(mrCancel), int(mrYes)}) {
    WriteFileWhole(upper, "old");
    ui.ExpectFileDialog(true, upper);
    ui.ExpectMessage(Lang_Text(1105), answer, mtConfirmation, TMsgDlgButtons{mbYes, mbNo, mbCancel});
    ClickButton(Main()->Step_Button("Btn_BACnet_EDE_File"));
    EXPECT_EQ(ReadFileWhole(upper) == QByteArray("old"), answer != mrYes) << answer;
  }
  // A Mnemonic that would break its line: the step's error box, nothing written.
  WriteFileWhole(File_BACnet_Slave, "<BACnet_to_Modbus><BACnet_in_Read><row Data_Type=\"Analog Input\" "
                                    "Eng_Unit=\"62\" Mnemonic=\"a;b\"/></BACnet_in_Read></BACnet_to_Modbus>");
  QFile::remove(csv);
  ui.ExpectFileDialog(true, csv);
  ui.ExpectMessage(Lang_Text(kText_EDE_Row_Refused).arg("BACnet_in_Read").arg(1).arg("Mnemonic"), mrOk, mtError);
  ClickButton(Main()->Step_Button("Btn_BACnet_EDE_File"));
  EXPECT_FALSE(FileExists(csv));
  // Cancelled: nothing.
  ui.ExpectFileDialog(true, QString());
  ClickButton(Main()->Step_Button("Btn_BACnet_EDE_File"));
}

TEST_F(ProjectSteps, TheProfinetStepNamesTheFileThenSavesIt) {
  StartWithProject();
  ui.ExpectModal("TFProfinetFileName", [](TForm* f) {
    auto* dialog = static_cast<TFProfinetFileName*>(f);
    dialog->E_XML_User->SetText("Line2");
    dialog->Btn_OK->Click();
  });
  QString proposed;
  ui.ExpectFileDialog(true, Path("PROJECTS/Plant/whatever.xml"),
                      [&](const TFileDialogRequest& r) { proposed = r.FileName; });
  ClickButton(Main()->Step_Button("Btn_PROFINET_XML"));
  EXPECT_TRUE(proposed.startsWith("GSDML-V2.25-Zerfal-_Line2-")) << proposed.toStdString();
  EXPECT_TRUE(ReadFileWhole(Path("PROJECTS/Plant/" + proposed)).contains("DNS_CompatibleName=\"SERIAL\""));
  // Cancel in the name dialog: no save dialog.
  ui.ExpectModal("TFProfinetFileName", [](TForm* f) { f->SetModalResult(mrCancel); });
  ClickButton(Main()->Step_Button("Btn_PROFINET_XML"));
}

TEST_F(ProjectSteps, TheBACnetTypeIsReadFromParGen) {
  StartWithProject();
  EXPECT_EQ(Main()->Get_Type_BACnet(), 0);  // no ParGen.xml
  struct Case {
    QByteArray file;
    int type;
  };
  const Case cases[] = {
      {"<ParGen><BACnet_Type>2</BACnet_Type></ParGen>", 2},
      {"<ParGen><BACnet_Type>two</BACnet_Type></ParGen>", 0},
      {"<ParGen><Other>3</Other></ParGen>", 0},
      {"<ParGen><BACnet_Type>4", 0},  // not well-formed
  };
  for (const Case& c : cases) {
    WriteFileWhole(File_ParGen, c.file);
    EXPECT_EQ(Main()->Get_Type_BACnet(), c.type) << c.file.toStdString();
  }
}

}  // namespace
