// The options dialog: OK and Cancel, the enabling rule, the language pages, the
// language switch of every form, and the version check against a loopback server.
#include "app/forms/about_dialog.h"
#include "app/forms/form_registry.h"
#include "app/forms/new_project_dialog.h"
#include "app/forms/open_conf_dialog.h"
#include "app/forms/options_dialog.h"
#include "app/language/language.h"
#include "app/shell/web_links.h"
#include "app/shell/version_check.h"
#include "app/state/comon.h"
#include "controls/button/fade_button.h"
#include "platform/os/files.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/check_box.h"
#include "platform/ui/labels.h"
#include "platform/ui/page_control.h"
#include "platform/ui/shapes.h"
#include "platform/ui/timer.h"
#include "tests/shell/loopback_http_server.h"
#include "tests/shell/shell_fixture.h"
#include "tests/support/ui_input.h"

namespace {

using OptionsDialog = ShellFixture;

TFSoftOptions* Dialog(TForm* f) { return static_cast<TFSoftOptions*>(f); }

QString settingsText() { return QString::fromUtf8(ReadFileWhole(PathJoin(Exe_Folder, "Fabricor.xml"))); }

TEST_F(OptionsDialog, OkStoresTheChoicesSavesThemAndSwitchesTheTimer) {
  Start();
  ui.ExpectModal("TFSoftOptions", [](TForm* f) {
    TFSoftOptions* d = Dialog(f);
    EXPECT_EQ(d->PC_Options->ActivePage(), d->TS_Language);
    EXPECT_FALSE(d->CB_En_Con->Checked());
    EXPECT_FALSE(d->CB_Update->Enabled());
    EXPECT_FALSE(d->Btn_Check_Update->Enabled());
    d->CB_En_Con->SetChecked(true);
    d->CB_Update->SetChecked(true);
    d->CB_Soft_Set_Jump_Table->SetChecked(true);
    MouseClick(d->Btn_OK, 10, 10);
  });
  ClickButton(Main()->Btn_Opz);
  EXPECT_TRUE(Opt_Enable_Internet);
  EXPECT_TRUE(Opt_Enable_Update);
  EXPECT_TRUE(Opt_Jump_Field_Tables);
  EXPECT_FALSE(Opt_Double_Click_Auto_Size);
  EXPECT_TRUE(Main()->Timer_Update->Enabled());
  EXPECT_EQ(Main()->Timer_Update->Interval(), kVersion_First_Interval_Ms);
  const QString saved = settingsText();
  for (const char* element : {"<enable_internet>1</enable_internet>", "<enable_update>1</enable_update>",
                              "<enable_jump_field_tables>1</enable_jump_field_tables>",
                              "<Double_Click_Auto_Size>0</Double_Click_Auto_Size>", "<language>English</language>"})
    EXPECT_TRUE(saved.contains(element)) << element;

  // Cancel keeps the options, the timer and the file as they were.
  const QByteArray before = ReadFileWhole(Path("Fabricor.xml"));
  ui.ExpectModal("TFSoftOptions", [](TForm* f) {
    TFSoftOptions* d = Dialog(f);
    EXPECT_TRUE(d->CB_En_Con->Checked());
    d->CB_En_Con->SetChecked(false);
    d->CB_DoubleClick_Auto_Size->SetChecked(true);
    MouseClick(d->Btn_Cancel, 10, 10);
  });
  ClickButton(Main()->Btn_Opz);
  EXPECT_TRUE(Opt_Enable_Internet);
  EXPECT_FALSE(Opt_Double_Click_Auto_Size);
  EXPECT_TRUE(Main()->Timer_Update->Enabled());
  EXPECT_EQ(ReadFileWhole(Path("Fabricor.xml")), before);

  // OK with the update check off stops the timer.
  ui.ExpectModal("TFSoftOptions", [](TForm* f) {
    Dialog(f)->CB_Update->SetChecked(false);
    MouseClick(Dialog(f)->Btn_OK, 10, 10);
  });
  ClickButton(Main()->Btn_Opz);
  EXPECT_FALSE(Main()->Timer_Update->Enabled());
  EXPECT_TRUE(settingsText().contains("<enable_update>0</enable_update>"));
}

TEST_F(OptionsDialog, TheUpdateControlsFollowTheInternetOption) {
  Start();
  struct Case {
    bool internet;
    bool update;
    bool updateEnabled;
    bool checkEnabled;
  };
  const Case cases[] = {
      {false, false, false, false}, {false, true, false, false}, {true, false, true, false}, {true, true, true, true}};
  for (const Case& c : cases) {
    ui.ExpectModal("TFSoftOptions", [&](TForm* f) {
      TFSoftOptions* d = Dialog(f);
      d->CB_Update->SetChecked(c.update);
      d->CB_En_Con->SetChecked(c.internet);
      EXPECT_EQ(d->CB_Update->Enabled(), c.updateEnabled);
      EXPECT_EQ(d->Btn_Check_Update->Enabled(), c.checkEnabled);
      MouseClick(d->Btn_Cancel, 10, 10);
    });
    ClickButton(Main()->Btn_Opz);
  }
}

TEST_F(OptionsDialog, SevenLanguagesMakeTwoPages) {
  for (const char* name : {"A", "B", "C", "D", "E", "F", "G"}) WriteFile(QStringLiteral("LANGUAGE/%1.lng").arg(name), "");
  TBitmap flag(16, 12);
  flag.SaveToFile(Path("LANGUAGE/B.bmp"));
  Start();
  ui.ExpectModal("TFSoftOptions", [](TForm* f) {
    TFSoftOptions* d = Dialog(f);
    EXPECT_EQ(d->L_Page_Lang->Caption(), "Page 1 / 2");
    EXPECT_EQ(d->L_Sel_Lang->Caption(), "Selected Language : English");
    EXPECT_FALSE(d->Btn_Prev->Visible());
    EXPECT_TRUE(d->Btn_Next->Visible());
    for (int k = 0; k < 6; ++k) {
      EXPECT_TRUE(d->L_L[k]->Visible()) << k;
      EXPECT_EQ(d->L_L[k]->Caption(), QString(QChar('A' + k)));
    }
    EXPECT_TRUE(d->I_L[1]->Visible());   // B.bmp
    EXPECT_FALSE(d->I_L[0]->Visible());  // no flag and no DefaultFlag.bmp

    MouseClick(d->Btn_Next, 10, 10);
    EXPECT_EQ(d->Show_Page, 2);
    EXPECT_EQ(d->L_Page_Lang->Caption(), "Page 2 / 2");
    EXPECT_TRUE(d->Btn_Prev->Visible());
    EXPECT_FALSE(d->Btn_Next->Visible());
    EXPECT_TRUE(d->L_L[0]->Visible());
    EXPECT_EQ(d->L_L[0]->Caption(), "G");
    for (int k = 1; k < 6; ++k) EXPECT_FALSE(d->L_L[k]->Visible()) << k;

    MouseClick(d->Btn_Prev, 10, 10);
    EXPECT_EQ(d->L_Page_Lang->Caption(), "Page 1 / 2");
    MouseClick(d->Btn_Cancel, 10, 10);
  });
  ClickButton(Main()->Btn_Opz);
}

TEST_F(OptionsDialog, NoLanguageFileShowsNoSlotAndAStaleSlotDoesNothing) {
  Start();
  ui.ExpectModal("TFSoftOptions", [](TForm* f) {
    TFSoftOptions* d = Dialog(f);
    for (int k = 0; k < 6; ++k) {
      EXPECT_FALSE(d->L_L[k]->Visible()) << k;
      EXPECT_FALSE(d->I_L[k]->Visible()) << k;
    }
    EXPECT_FALSE(d->Btn_Prev->Visible());
    EXPECT_FALSE(d->Btn_Next->Visible());
    d->LangClick(1);  // no question, no change
    MouseClick(d->Btn_Cancel, 10, 10);
  });
  ClickButton(Main()->Btn_Opz);
  EXPECT_EQ(ui.Messages.size(), 0u);
}

// The last form of a language change, registered like the real ones: it records
// when it is re-labelled and what the main window shows at that moment.
class TFS7_Protocol_Set_Access : public TForm {
public:
  explicit TFS7_Protocol_Set_Access(TComponent* owner) : TForm(owner) {}
  void Set_Lang() { beginSeen.push_back(FFabricoreFirmWare->L_Begin->Caption()); }
  std::vector<QString> beginSeen;
};

const QByteArray kItaliano =
    "STR0 = Inizio\r\n"
    "STR15 = Nuova Configurazione\r\n"
    "STR100 = Crea Nuova Configurazione\r\n"
    "STR200 = Apri Configurazione\r\n"
    "STR300 = Opzioni del Programma\r\n"
    "STR305 = Pagina \xC2\xB6 \xC2\xB6\r\n";  // "Pagina" + the blank kept

TEST_F(OptionsDialog, ALanguageSwitchRelabelsEveryFormAtOnceButAboutAndTheEsiStep) {
  for (const char* name : {"A", "B", "C", "D", "E", "English"}) WriteFile(QStringLiteral("LANGUAGE/%1.lng").arg(name), "");
  WriteFile("LANGUAGE/Italiano.lng", "\xEF\xBB\xBF" + kItaliano);
  Start();
  auto* probe = Create<TFS7_Protocol_Set_Access>(nullptr);
  Register_Form(probe, [probe] { probe->Set_Lang(); });

  ui.ExpectModal("TFSoftOptions", [&](TForm* f) {
    TFSoftOptions* d = Dialog(f);
    MouseClick(d->Btn_Next, 10, 10);
    ASSERT_EQ(d->L_L[0]->Caption(), "Italiano");
    MouseClick(d->L_L[0], 2, 2);
    // At once, while the dialog is still open.
    EXPECT_EQ(probe->beginSeen, std::vector<QString>{"Inizio"});  // the main window came first
    EXPECT_EQ(Main()->L_Begin->Caption(), "Inizio");
    EXPECT_EQ(Main()->Btn_New->Caption(), "Nuova Configurazione");
    EXPECT_EQ(Main()->Btn_EtherCAT_ESI_File->Caption(), "EtherCAT ESI File");
    EXPECT_EQ(FNew_Project->Caption(), "Crea Nuova Configurazione");
    EXPECT_EQ(FOpenConf->Caption(), "Apri Configurazione");
    EXPECT_EQ(d->Caption(), "Opzioni del Programma");
    EXPECT_EQ(d->L_Sel_Lang->Caption(), "Selected Language : Italiano");
    EXPECT_EQ(d->L_Page_Lang->Caption(), "Pagina 2 / 2");  // the page shown, in the new words
    MouseClick(d->Btn_Cancel, 10, 10);
  });
  ui.ExpectMessage("Do you want to change the Language from English to Italiano?", mrYes, mtConfirmation,
                   TMsgDlgButtons{mbYes, mbNo});
  ClickButton(Main()->Btn_Opz);
  // Cancel: the new words stay for this run, the saved language does not change.
  EXPECT_EQ(Language_Name, "English");
  EXPECT_FALSE(FileExists(Path("Fabricor.xml")));
  EXPECT_EQ(Main()->L_Begin->Caption(), "Inizio");

  ui.ExpectModal("TFAbout", [](TForm* f) {
    auto* about = static_cast<TFAbout*>(f);
    EXPECT_EQ(about->Caption(), "About...");
    EXPECT_EQ(about->Label1->Caption(), "Software Fabricor ");
    EXPECT_EQ(about->Label6->Caption(), "Software Code : ");
    EXPECT_EQ(about->Label9->Caption(), "KQ82K03");
    EXPECT_EQ(about->Label10->Caption(), "1.001");
    EXPECT_EQ(about->Label12->Caption(), "KM82K03");
    EXPECT_EQ(about->ClientWidth(), 425);
    EXPECT_EQ(about->ClientHeight(), 148);
    MouseClick(about->FadeButton1, 10, 10);
  });
  ClickButton(Main()->Btn_Info);
  delete probe;
}

TEST_F(OptionsDialog, ALanguageConfirmedAndKeptWithOkIsSaved) {
  WriteFile("LANGUAGE/Italiano.lng", kItaliano);
  Start();
  ui.ExpectModal("TFSoftOptions", [this](TForm* f) {
    TFSoftOptions* d = Dialog(f);
    d->LangClick(1);  // answered No: nothing changes
    EXPECT_EQ(Main()->L_Begin->Caption(), "Begin");
    d->LangClick(1);
    MouseClick(d->Btn_OK, 10, 10);
  });
  ui.ExpectMessage("Do you want to change the Language from English to Italiano?", mrNo);
  ui.ExpectMessage("Do you want to change the Language from English to Italiano?", mrYes);
  ClickButton(Main()->Btn_Opz);
  EXPECT_EQ(Language_Name, "Italiano");
  EXPECT_TRUE(settingsText().contains("<language>Italiano</language>"));
}

// The version check against a loopback server standing in for the maker's site.
class VersionLinks : public ShellFixture {
protected:
  VersionLinks() {
    Set_Maker_Site(server.Site());
    Set_Version_Timeouts(500, 400);
  }
  TLoopbackHttpServer server;
};

TEST_F(VersionLinks, TheOptionsDialogShowsTheLinkOnlyForANewerVersion) {
  Opt_Enable_Internet = Opt_Enable_Update = true;
  WriteFile("Fabricor.xml",
            "<Conf_Settings><lastinternet><enable_internet>1</enable_internet><enable_update>1</enable_update>"
            "</lastinternet></Conf_Settings>");
  Start();
  EXPECT_TRUE(Main()->Timer_Update->Enabled());
  EXPECT_EQ(Main()->Timer_Update->Interval(), 60000);
  struct Case {
    TLoopbackHttpServer::TAnswer answer;
    bool link;
  };
  const Case cases[] = {
      {{200, "VER. 1.002", false}, true},  {{200, "VER. 1.001", false}, false}, {{200, "VER. 0.999", false}, false},
      {{200, "VER. 0.000", false}, false}, {{200, "", false}, false},           {{404, "VER. 2.000", false}, false},
      {{200, "", true}, false},
  };
  for (const Case& c : cases) {
    server.SetAnswer(c.answer);
    ui.ExpectModal("TFSoftOptions", [&](TForm* f) {
      TFSoftOptions* d = Dialog(f);
      EXPECT_FALSE(d->LL_Check_Update->Visible());
      d->PC_Options->SetActivePage(d->TS_Con_Options);
      MouseClick(d->Btn_Check_Update, 10, 10);
      EXPECT_TRUE(d->LL_Check_Update->Visible());
      const QString caption = d->LL_Check_Update->Caption();
      if (c.link)
        EXPECT_EQ(caption, "<a href=\"" + server.Site() + "/Home/download/download.asp#KV82K03\">"
                           "New Version Available. Click Here for more Details</a>");
      else
        EXPECT_EQ(caption, "No Update Available");
      MouseClick(d->Btn_Cancel, 10, 10);
    });
    ClickButton(Main()->Btn_Opz);
  }
}

TEST_F(VersionLinks, TheTimerShowsTheMainWindowsLinkOnlyForANewerVersion) {
  Start();
  server.SetAnswer({200, "VER. 1.010", false});
  Main()->Timer_UpdateTimer(Main()->Timer_Update);
  EXPECT_TRUE(Main()->LL_Update->Visible());
  EXPECT_TRUE(Main()->LL_Update->Caption().contains(">New Version Available. Click Here for more Details</a>"));
  EXPECT_TRUE(Main()->Timer_Update->Enabled());
  EXPECT_EQ(Main()->Timer_Update->Interval(), kVersion_Repeat_Interval_Ms);
  Main()->LL_UpdateLinkClick(Main()->LL_Update, Download_Page_Link());
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_EQ(opened[0], server.Site() + "/Home/download/download.asp#KV82K03");

  for (const TLoopbackHttpServer::TAnswer& none :
       {TLoopbackHttpServer::TAnswer{200, "VER. 1.001", false}, TLoopbackHttpServer::TAnswer{200, "", true}}) {
    server.SetAnswer(none);
    Main()->Timer_UpdateTimer(Main()->Timer_Update);
    EXPECT_FALSE(Main()->LL_Update->Visible());
    EXPECT_EQ(Main()->Timer_Update->Interval(), kVersion_Repeat_Interval_Ms);
    EXPECT_TRUE(Main()->Timer_Update->Enabled());
  }
}

}  // namespace
