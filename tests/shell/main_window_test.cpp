// The main window: first start, layout, the step flow without a project, the
// remembered project, the settings at exit and the web links.
#include "app/forms/form_registry.h"
#include "app/language/language.h"
#include "app/settings/settings_file.h"
#include "app/shell/step_flow.h"
#include "app/state/comon.h"
#include "controls/button/fade_button.h"
#include "platform/os/files.h"
#include "platform/rtl/exceptions.h"
#include "platform/ui/labels.h"
#include "platform/ui/timer.h"
#include "tests/shell/shell_fixture.h"
#include "tests/support/ui_input.h"

#include <QFile>

namespace {

using MainWindow = ShellFixture;

const QString kNotValid = QStringLiteral("Error! Project not Valid");

TEST_F(MainWindow, FirstStartInAnEmptyDataRoot) {
  Start();
  for (const char* folder : {"MASTER", "PROJECTS", "LANGUAGE"}) EXPECT_TRUE(DirectoryExists(Path(folder))) << folder;
  EXPECT_EQ(Main()->L_Name_Conf->Caption(), "None Configuration Opened ");
  EXPECT_EQ(Main()->L_Name_Conf_L2->Caption(), "Use Step1 to open or create new configuration");
  EXPECT_EQ(Main()->ClientWidth(), 694);
  EXPECT_EQ(Main()->ClientHeight(), 484);
  EXPECT_EQ(Main()->Caption(), "www.zerfal.example - Configurator KQ82K03 - EtherCAT Slave / Modbus TCP Master ");
  EXPECT_EQ(Main()->L_SW_Code->Caption(), "KQ82K03");
  EXPECT_EQ(Main()->L_SW_Desc->Caption(), "EtherCAT Slave / Modbus TCP Master - Converter");
  EXPECT_FALSE(Main()->Timer_Update->Enabled());
  EXPECT_TRUE(Project_Folder.isEmpty());

  // The seven steps of this model, where they belong; every other step is hidden.
  struct Step {
    const char* name;
    int top;
    int left;
    const char* caption;
  };
  const Step steps[] = {
      {"Btn_New", 112, 80, "New Configuration"},
      {"Btn_Open", 112, 258, "Open Configuration"},
      {"Btn_Prm_Gen", 156, 80, "Set Communication"},
      {"Btn_EtherCAT_Set_Access", 200, 80, "EtherCAT Set Access"},
      {"Btn_Modbus_Set_Access", 244, 80, "Modbus Set Access"},
      {"Btn_EtherCAT_ESI_File", 288, 80, "EtherCAT ESI File"},
      {"Btn_CreateBin", 332, 80, "Update Device UDP"},
  };
  int shown = 0;
  for (TFadeButton* b : Main()->Step_Buttons()) {
    const auto it = std::find_if(std::begin(steps), std::end(steps), [b](const Step& s) { return b->Name() == s.name; });
    if (it == std::end(steps)) {
      EXPECT_FALSE(b->Visible()) << b->Name().toStdString();
      continue;
    }
    ++shown;
    EXPECT_TRUE(b->Showing()) << it->name;
    EXPECT_EQ(b->BoundsRect(), Bounds(it->left, it->top, 170, 36)) << it->name;
    EXPECT_EQ(b->Caption(), it->caption);
  }
  EXPECT_EQ(shown, 7);
  EXPECT_EQ(Main()->Step_Buttons().size(), 30u);
  for (int n = 1; n <= 8; ++n) {
    EXPECT_EQ(Main()->L_Step[n - 1]->Top(), 128 + 44 * (n - 1));
    EXPECT_EQ(Main()->L_Step[n - 1]->Visible(), n <= 6) << n;
  }
  for (TFadeButton* b : {Main()->Btn_Info, Main()->Btn_Opz, Main()->Btn_Close}) {
    EXPECT_TRUE(b->Showing());
    EXPECT_EQ(b->Top(), 8);
    EXPECT_EQ(b->Width(), 50);
  }
  EXPECT_EQ(Main()->Btn_Info->Hint(), "Information");
  EXPECT_FALSE(Main()->LL_Update->Visible());
}

TEST_F(MainWindow, EveryProjectStepWithoutAProjectShowsText18AndOpensNothing) {
  Start();
  int steps = 0;
  for (int i = 0; i < Step_Dispatch_Count; ++i) {
    const TStepEntry& e = Step_Dispatch[i];
    if (!Step_Needs_Project(e.Action)) continue;
    ++steps;
    const QString name = QString::fromUtf16(e.Button);
    ui.ExpectMessage(kNotValid, mrOk, mtError, TMsgDlgButtons{mbOK});
    ClickButton(Main()->Step_Button(name));
    EXPECT_EQ(ui.Pending(), 0) << name.toStdString();
  }
  EXPECT_EQ(steps, 28);
  EXPECT_TRUE(ui.ModalForms.empty());
  EXPECT_TRUE(ui.FileDialogs.empty());
  EXPECT_TRUE(ListSubFolders(Path("PROJECTS")).isEmpty());
}

TEST_F(MainWindow, ARememberedProjectWhoseFolderWasDeletedIsNotActive) {
  WriteFile("Fabricor.xml",
            "<Conf_Settings><lastproj><projectname>Gone</projectname></lastproj>"
            "<lastlang><language>English</language></lastlang></Conf_Settings>");
  Start();
  EXPECT_TRUE(Project_Folder.isEmpty());
  EXPECT_TRUE(File_ParGen.isEmpty());
  EXPECT_EQ(Main()->L_Name_Conf->Caption(), "None Configuration Opened ");
  ui.ExpectMessage(kNotValid, mrOk);
  ClickButton(Main()->Btn_CreateBin);
  EXPECT_FALSE(FileExists(Path("PROJECTS/Gone/bin/bank1.bin")));

  // The name is written back when the program closes.
  TCloseAction action = caHide;
  Main()->OnClose(Main(), action);
  EXPECT_TRUE(QString::fromUtf8(ReadFileWhole(Path("Fabricor.xml"))).contains("<projectname>Gone</projectname>"));
}

TEST_F(MainWindow, ARememberedProjectIsActiveAgain) {
  WriteFile("PROJECTS/Plant/bin/.keep", "");
  WriteFile("Fabricor.xml", "<Conf_Settings><lastproj><projectname>Plant</projectname></lastproj></Conf_Settings>");
  Start();
  EXPECT_EQ(Project_Folder, Path("PROJECTS/Plant"));
  EXPECT_EQ(File_ParGen, Path("PROJECTS/Plant/ParGen.xml"));
  EXPECT_EQ(Main()->L_Name_Conf->Caption(), "Opened Configuration of the Converter : ");
  EXPECT_EQ(Main()->L_Name_Conf_L2->Caption(), "Plant");
}

TEST_F(MainWindow, ASettingsFileThatCannotBeWrittenIsReportedOnceAndTheProgramCloses) {
  Start();
  ASSERT_TRUE(CreateDir(Path("Fabricor.xml")));  // a folder where the file belongs
  QString reason;
  try {
    Save_Setting();
  } catch (const EFileError& e) {
    reason = e.Message;
  }
  ASSERT_TRUE(reason.contains("Fabricor.xml"));
  ui.ExpectMessage("Error! The settings could not be saved.\n" + reason, mrOk, mtError, TMsgDlgButtons{mbOK});
  TCloseAction action = caHide;
  Main()->OnClose(Main(), action);
  EXPECT_NE(action, caNone);
  EXPECT_EQ(ui.Messages.size(), 1u);
}

TEST_F(MainWindow, CloseButtonClosesTheMainWindow) {
  Start();
  int asked = 0;
  // Refused here, so that the test run goes on; the close was asked for.
  Main()->OnCloseQuery = [&](TObject*, bool& canClose) {
    ++asked;
    canClose = false;
  };
  ClickButton(Main()->Btn_Close);
  EXPECT_EQ(asked, 1);
}

TEST_F(MainWindow, TheMakersAddressOpensTheHomePage) {
  Start();
  MouseClick(Main()->L_Zerfal, 3, 3);
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_EQ(opened[0], "http://www.zerfal.example/HOME/default.asp?frompg=KQ82K03");
}

}  // namespace
