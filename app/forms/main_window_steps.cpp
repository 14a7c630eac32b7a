// The main window's step flow: the click handler of every button and the commands
// it runs.
#include "app/forms/about_dialog.h"
#include "app/forms/form_registry.h"
#include "app/forms/main_window.h"
#include "app/forms/new_project_dialog.h"
#include "app/forms/open_conf_dialog.h"
#include "app/forms/options_dialog.h"
#include "app/language/language.h"
#include "app/settings/settings_file.h"
#include "app/shell/main_window_layout.h"
#include "app/shell/projects.h"
#include "app/shell/step_flow.h"
#include "app/shell/version_check.h"
#include "app/state/comon.h"
#include "editors/can/eds_writer.h"
#include "editors/network/mib_writer.h"
#include "editors/fieldbus/ede_writer.h"
#include "editors/fieldbus/profinet_file_name_form.h"
#include "gateway/bank2_device_image.h"
#include "gateway/boot_form.h"
#include "gateway/esi_writer.h"
#include "platform/os/files.h"
#include "platform/rtl/numbers.h"
#include "platform/rtl/strings.h"
#include "platform/rtl/exceptions.h"
#include "platform/ui/application.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/timer.h"

void TFFabricoreFirmWare::Btn_Click(TObject* Sender) {
  auto* button = dynamic_cast<TComponent*>(Sender);
  if (!button) return;
  const TStepEntry* step = Find_Step(button->Name());
  if (!step) return;
  // Every step after New, Open, Close, Information and Options needs a project.
  if (Step_Needs_Project(step->Action) && Project_Folder.isEmpty()) {
    MessageDlg(Lang_Text(kText_Project_Not_Valid), mtError, {mbOK});
    return;
  }
  try {
    switch (step->Action) {
      case saNew_Project: Create_New_Project(); break;
      case saOpen_Project: Open_Project(); break;
      case saClose: Close(); break;
      case saAbout:
        if (FAbout) FAbout->ShowModal();
        break;
      case saOptions:
        if (FSoftOptions && FSoftOptions->ShowModal() == mrOk) {
          Save_Setting();
          Timer_Update->SetEnabled(Version_Timer_Wanted(Opt_Enable_Internet, Opt_Enable_Update));
        }
        break;
      case saShow_Form: Show_Project_Step(QString::fromUtf16(step->Form)); break;
      case saCreate_ESI_File: Create_ESI_File(); break;
      case saUpdate_Device: Update_Device(); break;
      case saBuild_EDS_File: Build_EDS_File(); break;
      case saCreate_MIB_File: Create_MIB_File(); break;
      case saBACnet_EDE_File: BACnet_EDE_File(); break;
      case saPROFINET_XML: PROFINET_XML(); break;
    }
  } catch (const Exception& e) {
    Application->HandleException(e.Message);
  }
}

// An editor step: its form, modally; the form saves its own file on OK. A form not
// built into the program yet opens nothing.
void TFFabricoreFirmWare::Show_Project_Step(const QString& formName) {
  if (TForm* form = Registered_Form(formName)) form->ShowModal();
}

void TFFabricoreFirmWare::Create_New_Project() {
  if (!FNew_Project) return;
  // The dialog has made the project active already.
  if (FNew_Project->ShowModal() == mrOk) Show_Configuration();
}

void TFFabricoreFirmWare::Open_Project() {
  if (!FOpenConf) return;
  if (FOpenConf->ShowModal() != mrOk) return;
  // Active only when the chosen folder (still) exists.
  Activate_Project(FOpenConf->Name_Conf);
  Show_Configuration();
}

void TFFabricoreFirmWare::Update_Device() {
  // The images are written before the update dialog opens, whatever happens there;
  // an error of the build leaves the step before it.
  const TDevice_Images images = Build_Device_Image_Entry();
  Write_Device_Image_Entry(images);
  // The update dialog, network variant (absent until it is built into the program).
  if (!FBoot) return;
  FBoot->Form_Type = kBoot_Network;
  FBoot->ShowModal();
}

void TFFabricoreFirmWare::Create_ESI_File() {
  // 1. The file name, starting in the project folder.
  SaveESI->InitialDir = Project_Folder;
  SaveESI->FileName.clear();
  if (!SaveESI->Execute()) return;
  const QString name = SaveESI->FileName;
  // 2. Overwrite only when the user agrees.
  if (FileExists(name) && MessageDlg(Lang_Text(kText_File_Exists), mtConfirmation, {mbYes, mbNo}) != mrYes) return;
  // 3. Write it; a failure is reported and writes nothing.
  try {
    Build_ESI_File(name);
  } catch (const Exception& e) {
    MessageDlg(Lang_Text(kText_File_Not_Written) + u'\n' + e.Message, mtError, {mbOK});
  }
}

void TFFabricoreFirmWare::Build_EDS_File() {
  SaveEDS->InitialDir = Project_Folder;
  SaveEDS->FileName.clear();
  if (!SaveEDS->Execute()) return;
  // A fault (a project file that cannot be read, an object entry given twice)
  // reaches the step's error box and writes nothing.
  for (const QString& note : Create_EDS_File(SaveEDS->FileName)) MessageDlg(note, mtWarning, {mbOK});
}

void TFFabricoreFirmWare::Create_MIB_File() {
  // 1. and 2. The file name, starting in the project folder.
  SaveMIB->InitialDir = Project_Folder;
  SaveMIB->FileName.clear();
  if (!SaveMIB->Execute()) return;
  const QString name = SaveMIB->FileName;
  // 3. Overwrite only when the user agrees.
  if (FileExists(name) && MessageDlg(Lang_Text(kText_File_Exists), mtConfirmation, {mbYes, mbNo}) != mrYes) return;
  // 4. A project file that cannot be read reaches the step's error box and writes
  // nothing; a module that leaves rows out says so after it is written.
  const QStringList notes = Load_SNMP_Trap_Rows(File_SNMP_Trap);
  try {
    Write_SNMP_MIB_File(name);
  } catch (const Exception& e) {
    MessageDlg(Lang_Text(kText_File_Not_Written) + u'\n' + e.Message, mtError, {mbOK});
    return;
  }
  for (const QString& note : notes) MessageDlg(note, mtWarning, {mbOK});
}

void TFFabricoreFirmWare::BACnet_EDE_File() {
  SD1->InitialDir = Project_Folder;
  SD1->FileName.clear();
  if (!SD1->Execute()) return;
  QString name = SD1->FileName;
  if (UpperCase(name.right(4)) != u".CSV") name += QStringLiteral(".csv");
  if (FileExists(name) &&
      MessageDlg(Lang_Text(kText_File_Exists), mtConfirmation, {mbYes, mbNo, mbCancel}) != mrYes)
    return;
  // A fault (a project file that cannot be read, a text that would break its line)
  // reaches the step's error box and writes nothing.
  Create_EDE_File(name);
}

void TFFabricoreFirmWare::PROFINET_XML() {
  if (!FProfinetFileName || FProfinetFileName->ShowModal() != mrOk) return;
  Create_GSDML_File(FProfinetFileName->Name_File_XML);
}

int TFFabricoreFirmWare::Get_Type_BACnet() {
  if (!FileExists(File_ParGen)) return 0;
  try {
    XML1.LoadFromFile(File_ParGen);
  } catch (const Exception&) {
    return 0;
  }
  const TXMLNode root = XML1.Root();
  if (root.IsNull()) return 0;
  return StrToIntDef(root.ChildByName(QStringLiteral("BACnet_Type")).Text(), 0);
}
