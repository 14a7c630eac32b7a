// New and Open through their dialogs, answered by a scripted user.
#include "app/forms/new_project_dialog.h"
#include "app/forms/open_conf_dialog.h"
#include "app/state/comon.h"
#include "controls/button/fade_button.h"
#include "platform/os/files.h"
#include "platform/ui/edit.h"
#include "platform/ui/labels.h"
#include "platform/ui/list_controls.h"
#include "tests/shell/shell_fixture.h"
#include "tests/support/ui_input.h"

#include <QDir>

namespace {

using ProjectDialogs = ShellFixture;

TEST_F(ProjectDialogs, NewRefusesBadNamesAndActivatesAGoodOne) {
  WriteFile("PROJECTS/Existing/bin/.keep", "");
  Start();
  struct Refusal {
    QString name;
    QString text;
  };
  const Refusal refusals[] = {
      {"", "Error! Name Project is not valid"},
      {"Existing", "Error! Name project is not valid because directory already exists"},
      {"existing", "Error! Name project is not valid because directory already exists"},
      {"..", "Error! Name project is not valid"},
      {"../outside", "Error! Name project is not valid"},
      {"A\\B", "Error! Name project is not valid"},
      {QStringLiteral("bell\a"), "Error! Name project is not valid"},
  };
  ui.ExpectModal("TFNew_Project", [&](TForm* f) {
    auto* dialog = static_cast<TFNew_Project*>(f);
    EXPECT_EQ(dialog->Caption(), "Create New Configuration");
    EXPECT_EQ(dialog->L_SW_Code->Caption(), "KQ82K03");
    EXPECT_TRUE(dialog->E_New_Proj->Text().isEmpty());
    for (const Refusal& r : refusals) {
      dialog->E_New_Proj->SetText(r.name);
      MouseClick(dialog->Btn_OK, 10, 10);
      EXPECT_EQ(dialog->ModalResult(), mrNone) << r.name.toStdString();
    }
    // Enter in the name field is OK.
    dialog->E_New_Proj->SetText("Plant 1");
    PressKey(dialog->E_New_Proj, Qt::Key_Return);
  });
  for (const Refusal& r : refusals) ui.ExpectMessage(r.text, mrOk, mtError, TMsgDlgButtons{mbOK});
  ClickButton(Main()->Btn_New);

  EXPECT_EQ(ui.Pending(), 0);
  EXPECT_EQ(Project_Name, "Plant 1");
  EXPECT_EQ(Project_Folder, Path("PROJECTS/Plant 1"));
  EXPECT_TRUE(DirectoryExists(Path("PROJECTS/Plant 1/bin")));
  EXPECT_EQ(File_EtherCAT_Slave, Path("PROJECTS/Plant 1/EtherCAT_Slave.xml"));
  EXPECT_FALSE(DirectoryExists(Path("outside")));
  EXPECT_EQ(Main()->L_Name_Conf->Caption(), "Opened Configuration of the Converter : ");
  EXPECT_EQ(Main()->L_Name_Conf_L2->Caption(), "Plant 1");
}

TEST_F(ProjectDialogs, NewCancelledChangesNothing) {
  Start();
  ui.ExpectModal("TFNew_Project", [](TForm* f) {
    auto* dialog = static_cast<TFNew_Project*>(f);
    dialog->E_New_Proj->SetText("Never");
    MouseClick(dialog->Btn_Cancel, 10, 10);
  });
  ClickButton(Main()->Btn_New);
  EXPECT_TRUE(Project_Folder.isEmpty());
  EXPECT_FALSE(DirectoryExists(Path("PROJECTS/Never")));
  EXPECT_EQ(Main()->L_Name_Conf->Caption(), "None Configuration Opened ");
}

TEST_F(ProjectDialogs, OpenPreselectsAndActivatesTheChosenProject) {
  for (const char* name : {"Beta", "Alpha", "Gamma"}) WriteFile(QStringLiteral("PROJECTS/%1/bin/.keep").arg(name), "");
  Start();
  struct Case {
    const char* what;
    QString activeBefore;  // project made active before Open ("" = none)
    int preselected;
    int clicked;           // -1: OK with the preselection
    QString opened;
  };
  const Case cases[] = {
      {"no project: the first listed", "", 0, -1, "Alpha"},
      {"the active project", "Gamma", 2, -1, "Gamma"},
      {"another one clicked", "Gamma", 2, 1, "Beta"},
  };
  for (const Case& c : cases) {
    Project_Folder = c.activeBefore.isEmpty() ? QString() : Path("PROJECTS/" + c.activeBefore);
    ui.ExpectModal("TFOpenConf", [&](TForm* f) {
      auto* dialog = static_cast<TFOpenConf*>(f);
      EXPECT_EQ(dialog->ListBox1->Items()->ToStringList(), (QStringList{"Alpha", "Beta", "Gamma"})) << c.what;
      EXPECT_EQ(dialog->ListBox1->ItemIndex(), c.preselected) << c.what;
      if (c.clicked >= 0) {
        dialog->ListBox1->SetItemIndex(c.clicked);
        dialog->ListBox1->OnClick(dialog->ListBox1);
      }
      MouseClick(dialog->Btn_OK, 10, 10);
    });
    ClickButton(Main()->Btn_Open);
    EXPECT_EQ(Project_Name, c.opened) << c.what;
    EXPECT_EQ(Project_Folder, Path("PROJECTS/" + c.opened)) << c.what;
    EXPECT_EQ(File_ParGen, Path("PROJECTS/" + c.opened + "/ParGen.xml")) << c.what;
    EXPECT_EQ(Main()->L_Name_Conf_L2->Caption(), c.opened) << c.what;
  }
}

TEST_F(ProjectDialogs, OpenWithNothingToChooseOpensNothing) {
  Start();
  // An earlier showing chose a project that is gone by now.
  WriteFile("PROJECTS/Old/bin/.keep", "");
  ui.ExpectModal("TFOpenConf", [](TForm* f) { MouseClick(static_cast<TFOpenConf*>(f)->Btn_OK, 10, 10); });
  ClickButton(Main()->Btn_Open);
  ASSERT_EQ(Project_Folder, Path("PROJECTS/Old"));
  ASSERT_TRUE(QDir(Path("PROJECTS/Old")).removeRecursively());

  ui.ExpectModal("TFOpenConf", [](TForm* f) {
    auto* dialog = static_cast<TFOpenConf*>(f);
    EXPECT_EQ(dialog->ListBox1->Items()->Count(), 0);
    EXPECT_EQ(dialog->ListBox1->ItemIndex(), -1);
    EXPECT_TRUE(dialog->Name_Conf.isEmpty());
    MouseClick(dialog->Btn_OK, 10, 10);
  });
  ClickButton(Main()->Btn_Open);
  EXPECT_TRUE(Project_Folder.isEmpty());
  EXPECT_TRUE(File_ParGen.isEmpty());
  EXPECT_EQ(Main()->L_Name_Conf->Caption(), "None Configuration Opened ");
  EXPECT_EQ(Main()->L_Name_Conf_L2->Caption(), "Use Step1 to open or create new configuration");
}

TEST_F(ProjectDialogs, OpenOfAFolderDeletedWhileTheDialogWasOpenActivatesNothing) {
  WriteFile("PROJECTS/Fleeting/bin/.keep", "");
  Start();
  ui.ExpectModal("TFOpenConf", [&](TForm* f) {
    ASSERT_TRUE(QDir(Path("PROJECTS/Fleeting")).removeRecursively());
    MouseClick(static_cast<TFOpenConf*>(f)->Btn_OK, 10, 10);
  });
  ClickButton(Main()->Btn_Open);
  EXPECT_EQ(Project_Name, "Fleeting");
  EXPECT_TRUE(Project_Folder.isEmpty());
  EXPECT_EQ(Main()->L_Name_Conf->Caption(), "None Configuration Opened ");
}

TEST_F(ProjectDialogs, OpenCancelledKeepsTheActiveProject) {
  WriteFile("PROJECTS/Kept/bin/.keep", "");
  WriteFile("PROJECTS/Other/bin/.keep", "");
  Start();
  Project_Name = "Kept";
  Project_Folder = Path("PROJECTS/Kept");
  ui.ExpectModal("TFOpenConf", [](TForm* f) {
    auto* dialog = static_cast<TFOpenConf*>(f);
    dialog->ListBox1->SetItemIndex(1);
    dialog->ListBox1->OnClick(dialog->ListBox1);
    MouseClick(dialog->Btn_Cancel, 10, 10);
  });
  ClickButton(Main()->Btn_Open);
  EXPECT_EQ(Project_Name, "Kept");
  EXPECT_EQ(Project_Folder, Path("PROJECTS/Kept"));
}

}  // namespace
