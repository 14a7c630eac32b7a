// The whole road of this converter through the main window, as a person takes it:
// a new project, Set Communication, EtherCAT rows and Modbus rules typed into the
// grids, the ESI file, and Update Device UDP with a device that answers (the job
// written, a stand-in updater run) and one that never answers. Every dialog is
// answered by a scripted user; the echo check uses a fake prober and a manual clock,
// so nothing leaves this machine and nothing waits.
#include "app/forms/new_project_dialog.h"
#include "app/forms/open_conf_dialog.h"
#include "app/state/comon.h"
#include "controls/button/fade_button.h"
#include "gateway/bank2_device_image.h"
#include "gateway/boot_form.h"
#include "gateway/ethercat_slave_form.h"
#include "gateway/modbus_tcp_master_form.h"
#include "gateway/par_gen_form.h"
#include "gateway/update_job.h"
#include "grid/input/grid_combo.h"
#include "grid/input/inplace_editor.h"
#include "grid/view/column_grid.h"
#include "grid/view/ex_string_grid.h"
#include "platform/os/clock.h"
#include "platform/os/files.h"
#include "platform/ui/edit.h"
#include "platform/ui/page_control.h"
#include "tests/shell/shell_fixture.h"
#include "tests/support/ui_input.h"

#include <QFile>

namespace {

// Answers each echo request with `bytes` data bytes (0: silence for the whole
// time-out). Only loopback addresses are accepted; anything else fails the test.
class TLoopback_Prober : public TEchoProber {
public:
  TLoopback_Prober(TManualClock& clock, int bytes) : clock_(clock), bytes_(bytes) {}
  int Echo(const QString& host, const QByteArray&, int timeoutMs) override {
    hosts << host;
    if (!host.startsWith(QStringLiteral("127."))) {
      ADD_FAILURE() << "echo request to " << host.toStdString();
      return 0;
    }
    clock_.Advance(bytes_ > 0 ? 1 : timeoutMs);
    return bytes_;
  }
  QStringList hosts;

private:
  TManualClock& clock_;
  int bytes_;
};

// Clicks a cell of a grid twice (the second click on the current cell opens its editor).
void OpenCellEditor(TExStringGrid* g, int col, int row) {
  const TRect r = g->CellRect(col, row);
  for (int i = 0; i < 2; ++i) {
    MouseClick(g, r.Right - 3, r.Bottom - 3);
    ProcessEvents();
  }
}

// Keys for digits, dots and lower-case letters.
void TypeKeys(TControl* c, const QString& text) {
  for (QChar ch : text) {
    if (ch == u'.') PressKey(c, Qt::Key_Period);
    else if (ch.isDigit()) PressKey(c, Qt::Key_0 + ch.digitValue());
    else PressKey(c, Qt::Key_A + (ch.toLatin1() - 'a'));
  }
}

class Road : public ShellFixture {
protected:
  void SetUp() override {
    WriteUpdater();
    Start();
    ASSERT_NE(FBoot, nullptr);
    // Never the real prober: a click on Update that a test did not prepare for
    // pings nothing outside this machine.
    FBoot->SetEchoProber(&guard);
    FBoot->SetEchoClock(&clock);
  }
  void TearDown() override {
    if (FBoot) {
      FBoot->SetEchoProber(nullptr);
      FBoot->SetEchoClock(nullptr);
    }
  }

  // The stand-in updater beside the program: it keeps a copy of the job it found
  // in its own folder, which is where it was started.
  void WriteUpdater() {
    WriteFile("Ethernet_Update", "#!/bin/sh\ncp Ethernet_Update.xml updater_saw.xml\n");
    QFile::setPermissions(Path("Ethernet_Update"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  }

  void NewProject(const QString& name) {
    ui.ExpectModal("TFNew_Project", [&](TForm* f) {
      auto* dialog = static_cast<TFNew_Project*>(f);
      dialog->E_New_Proj->SetText(name);
      MouseClick(dialog->Btn_OK, 10, 10);
    });
    ClickButton(Main()->Btn_New);
  }

  void SetCommunication() {
    ui.ExpectModal("TFParGen", [](TForm* f) {
      auto* form = static_cast<TFParGen*>(f);
      form->Edit(QStringLiteral("E_EtherCAT_Slave_Name"))->SetText(QStringLiteral("roadslave"));
      MouseClick(form->Btn_OK, 10, 10);
      EXPECT_EQ(form->ModalResult(), mrOk);
    });
    ClickButton(Main()->Btn_Prm_Gen);
  }

  // Slave To Master: Int16 "speed", Bool "ready"; Master To Slave: Int32 "setpoint".
  void TypeEtherCATRows() {
    ui.ExpectModal("TFEtherCATSlave", [](TForm* f) {
      auto* form = static_cast<TFEtherCATSlave*>(f);
      auto chooseType = [](TExStringGrid* g, int row, int downs) {
        OpenCellEditor(g, 2, row);
        ASSERT_TRUE(g->Combobox()->Visible()) << row;
        for (int i = 0; i < downs; ++i) PressKey(g->Combobox(), Qt::Key_Down);
        PressKey(g->Combobox(), Qt::Key_Return);
        ProcessEvents();
      };
      auto typeName = [](TExStringGrid* g, int row, const QString& name) {
        OpenCellEditor(g, 4, row);
        ASSERT_TRUE(g->NormalEdit() && g->NormalEdit()->Visible()) << row;
        TypeKeys(g->NormalEdit(), name);
        PressKey(g->NormalEdit(), Qt::Key_Return);
        ProcessEvents();
      };
      TExStringGrid* stm = form->ESG_SlaveMaster;
      stm->SetFocus();
      ProcessEvents();
      chooseType(stm, 1, 2);  // Int16
      typeName(stm, 1, "speed");
      chooseType(stm, 2, 0);  // Bool
      typeName(stm, 2, "ready");
      EXPECT_EQ(stm->GetCellEx(2, 1), "Int16");
      EXPECT_EQ(stm->GetCellEx(3, 1), "2");
      EXPECT_EQ(stm->GetCellEx(2, 2), "Bool");
      EXPECT_EQ(stm->GetCellEx(6, 2), "2");  // after the Int16's two bytes

      form->PageControl1->SetActivePage(form->TS_MasterToSlave);
      ProcessEvents();
      TExStringGrid* mts = form->ESG_MasterSlave;
      mts->SetFocus();
      ProcessEvents();
      chooseType(mts, 1, 3);  // Int32
      typeName(mts, 1, "setpoint");
      EXPECT_EQ(mts->GetCellEx(2, 1), "Int32");
      EXPECT_EQ(mts->GetCellEx(3, 1), "4");
      MouseClick(form->Btn_OK, 10, 10);
      EXPECT_EQ(form->ModalResult(), mrOk);
    });
    ClickButton(Main()->Btn_EtherCAT_Set_Access);
  }

  // One Read rule: 127.0.0.7:502, slave 3, Holding Register 100, 4 points every
  // 250 ms, at position 20.
  void TypeModbusRules() {
    ui.ExpectModal("TFModbus_TCP_Master_Set_Access", [](TForm* f) {
      auto* form = static_cast<TFModbus_TCP_Master_Set_Access*>(f);
      TExColumnGrid* g = form->ECG_Modbus_Read;
      g->SetFocus();
      ProcessEvents();
      auto typeCell = [&](int col, const QString& text) {
        OpenCellEditor(g, col, 1);
        ASSERT_TRUE(g->NormalEdit() && g->NormalEdit()->Visible()) << col;
        TypeKeys(g->NormalEdit(), text);
        PressKey(g->NormalEdit(), Qt::Key_Return);
        ProcessEvents();
      };
      auto chooseCell = [&](int col, int downs) {
        OpenCellEditor(g, col, 1);
        ASSERT_TRUE(g->Combobox()->Visible()) << col;
        for (int i = 0; i < downs; ++i) PressKey(g->Combobox(), Qt::Key_Down);
        PressKey(g->Combobox(), Qt::Key_Return);
        ProcessEvents();
      };
      // A click on a check-box cell (Swap) switches typing on.
      const TRect swap = g->CellRect(12, 1);
      MouseClick(g, swap.Right - 3, swap.Bottom - 3);
      ProcessEvents();
      typeCell(2, "127.0.0.7");
      typeCell(3, "502");
      typeCell(4, "3");
      chooseCell(5, 2);  // Holding Register
      typeCell(6, "100");
      typeCell(7, "4");
      typeCell(8, "250");
      typeCell(9, "0");
      chooseCell(10, 20);  // Position 20
      MouseClick(form->Btn_OK, 10, 10);
      EXPECT_EQ(form->ModalResult(), mrOk);
    });
    ClickButton(Main()->Btn_Modbus_Set_Access);
  }

  // The device images the gateway core builds from the project's saved files.
  static TDevice_Images CoreImages() {
    return Build_Device_Image({File_ParGen, File_EtherCAT_Slave, File_ModbusTCPM_SetAccess});
  }

  // Steps 1-4: a new project and the three editors, each saved by its OK.
  void TypeTheProject(const QString& name) {
    NewProject(name);
    ASSERT_EQ(Project_Folder, Path("PROJECTS/" + name));
    SetCommunication();
    ASSERT_TRUE(FileExists(File_ParGen));
    TypeEtherCATRows();
    const QString ethercat = QString::fromUtf8(ReadFileWhole(File_EtherCAT_Slave));
    EXPECT_TRUE(ethercat.contains("Type=\"Int16\" Length=\"2\" Name=\"speed\"")) << ethercat.toStdString();
    EXPECT_TRUE(ethercat.contains("Type=\"Bool\" Length=\"1\" Name=\"ready\"")) << ethercat.toStdString();
    EXPECT_TRUE(ethercat.contains("Type=\"Int32\" Length=\"4\" Name=\"setpoint\"")) << ethercat.toStdString();
    TypeModbusRules();
    const QString modbus = QString::fromUtf8(ReadFileWhole(File_ModbusTCPM_SetAccess));
    EXPECT_TRUE(modbus.contains("IP_Address=\"127.0.0.7\" Port=\"502\" Slave_ID=\"3\" Type=\"Holding Register\" "
                                "Address=\"100\" NPoint=\"4\" PollTime=\"250\" MaxError=\"0\" Position=\"20\""))
        << modbus.toStdString();
  }

  TManualClock clock;
  TLoopback_Prober guard{clock, 0};
};

TEST_F(Road, NewProjectToUpdateDeviceThroughTheMainWindow) {
  TypeTheProject("Road");


  // 5. The ESI file where the save dialog says.
  const QString esi = Path("PROJECTS/Road/road_esi.xml");
  ui.ExpectFileDialog(true, esi);
  ClickButton(Main()->Btn_EtherCAT_ESI_File);
  const QString esiText = QString::fromUtf8(ReadFileWhole(esi));
  EXPECT_TRUE(esiText.contains("EtherCATInfo"));
  for (const char* name : {"speed", "ready", "setpoint"}) EXPECT_TRUE(esiText.contains(name)) << name;

  // 6. Update Device UDP: the images are on disk when the dialog opens and equal
  // what the gateway core builds from the saved files; the typed rows are in them.
  const TDevice_Images expected = CoreImages();
  const TDevice_Images empty = Build_Device_Image({Path("none/ParGen.xml"), Path("none/EtherCAT_Slave.xml"),
                                                   Path("none/ModbusTCPM_SetAccess.xml")});
  EXPECT_NE(expected.Bank1, empty.Bank1);
  EXPECT_NE(expected.Bank2, empty.Bank2);
  EXPECT_TRUE(expected.Bank1.contains("roadslave"));

  TLoopback_Prober answering(clock, 32);
  FBoot->SetEchoProber(&answering);
  ui.ExpectModal("TFBoot", [&](TForm* f) {
    auto* boot = static_cast<TFBoot*>(f);
    EXPECT_EQ(ReadFileWhole(Bank1_File_Path(Project_Folder)), expected.Bank1);
    EXPECT_EQ(ReadFileWhole(Bank2_File_Path(Project_Folder)), expected.Bank2);
    EXPECT_EQ(ReadFileWhole(Path("PROJECTS/Road/bin/bank1.bin")).size(), 2048);
    const char* parts[] = {"127", "0", "0", "1"};
    for (int i = 0; i < 4; ++i) boot->E_IP[i]->SetText(QString::fromLatin1(parts[i]));
    MouseClick(boot->Btn_Update, 10, 10);
    ProcessEvents();
    EXPECT_EQ(boot->ModalResult(), mrNone);  // the dialog stays open after the update
    MouseClick(boot->Btn_Cancel, 10, 10);
  });
  ClickButton(Main()->Btn_CreateBin);
  EXPECT_EQ(answering.hosts.join(u','), "127.0.0.1,127.0.0.1");  // two replies are enough
  EXPECT_EQ(Last_IP_Address, "127.0.0.1");
  EXPECT_EQ(FBoot->Last_Update().Outcome, TUpdate_Outcome::Updater_Run);
  EXPECT_EQ(FBoot->Last_Update().Program.Outcome, TProgramOutcome::Exited);
  EXPECT_EQ(FBoot->Last_Update().Program.ExitCode, 0);
  // The updater ran in its folder and found the job for this device and project.
  const QByteArray job = ReadFileWhole(Update_Job_Path());
  EXPECT_TRUE(job.contains("127.0.0.1"));
  EXPECT_TRUE(job.contains(Project_Folder.toUtf8()));
  ASSERT_TRUE(FileExists(Path("updater_saw.xml")));
  EXPECT_EQ(ReadFileWhole(Path("updater_saw.xml")), job);
  EXPECT_TRUE(ui.Messages.empty());

  // 7. A device that never answers: "Device Not Found!", nothing remembered, no
  // job written, no updater run; the dialog opened with the last address.
  QFile::remove(Path("updater_saw.xml"));
  TLoopback_Prober silent(clock, 0);
  FBoot->SetEchoProber(&silent);
  ui.ExpectModal("TFBoot", [&](TForm* f) {
    auto* boot = static_cast<TFBoot*>(f);
    QStringList shown;
    for (TEdit* e : boot->E_IP) shown << e->Text();
    EXPECT_EQ(shown.join(u'.'), "127.0.0.1");
    boot->E_IP[3]->SetText(QStringLiteral("2"));
    boot->CB_Update_Options->SetItemIndex(kUpdate_Configuration);
    MouseClick(boot->Btn_Update, 10, 10);
    ProcessEvents();
    MouseClick(boot->Btn_Cancel, 10, 10);
  });
  ui.ExpectMessage("Device Not Found!", mrOk, mtWarning, TMsgDlgButtons{mbOK});
  ClickButton(Main()->Btn_CreateBin);
  EXPECT_FALSE(silent.hosts.isEmpty());
  EXPECT_EQ(silent.hosts.filter(QStringLiteral("127.0.0.2")).size(), silent.hosts.size());
  EXPECT_EQ(Last_IP_Address, "127.0.0.1");
  EXPECT_EQ(Update_Option, kUpdate_Firmware_And_Configuration);
  EXPECT_EQ(ReadFileWhole(Update_Job_Path()), job);
  EXPECT_FALSE(FileExists(Path("updater_saw.xml")));
  // The images were written again from the same files: unchanged.
  EXPECT_EQ(ReadFileWhole(Bank2_File_Path(Project_Folder)), expected.Bank2);

  // The next showing still offers the address that answered.
  ui.ExpectModal("TFBoot", [](TForm* f) {
    auto* boot = static_cast<TFBoot*>(f);
    EXPECT_EQ(boot->E_IP[3]->Text(), "1");
    EXPECT_EQ(boot->CB_Update_Options->ItemIndex(), kUpdate_Firmware_And_Configuration);
    MouseClick(boot->Btn_Cancel, 10, 10);
  });
  ClickButton(Main()->Btn_CreateBin);
  EXPECT_EQ(ui.Pending(), 0);
}

// The project opened again later: every editor shows what was typed, Cancel leaves
// every file as it was, and Update Device builds the same images again.
TEST_F(Road, AReopenedProjectShowsWhatWasTypedAndCancelChangesNothing) {
  TypeTheProject("Road");
  const QString road = Project_Folder;
  const QByteArray files[] = {ReadFileWhole(File_ParGen), ReadFileWhole(File_EtherCAT_Slave),
                              ReadFileWhole(File_ModbusTCPM_SetAccess)};
  const TDevice_Images expected = CoreImages();

  // Another project in between, then Road chosen in the Open dialog.
  NewProject("Other");
  ASSERT_EQ(Project_Folder, Path("PROJECTS/Other"));
  ui.ExpectModal("TFOpenConf", [](TForm* f) {
    auto* dialog = static_cast<TFOpenConf*>(f);
    ASSERT_EQ(dialog->ListBox1->Items()->ToStringList(), (QStringList{"Other", "Road"}));
    dialog->ListBox1->SetItemIndex(1);
    dialog->ListBox1->OnClick(dialog->ListBox1);
    MouseClick(dialog->Btn_OK, 10, 10);
  });
  ClickButton(Main()->Btn_Open);
  ASSERT_EQ(Project_Folder, road);

  ui.ExpectModal("TFParGen", [](TForm* f) {
    auto* form = static_cast<TFParGen*>(f);
    EXPECT_EQ(form->Edit(QStringLiteral("E_EtherCAT_Slave_Name"))->Text(), "roadslave");
    form->Edit(QStringLiteral("E_EtherCAT_Slave_Name"))->SetText(QStringLiteral("changed"));
    MouseClick(form->Btn_Cancel, 10, 10);
  });
  ClickButton(Main()->Btn_Prm_Gen);

  ui.ExpectModal("TFEtherCATSlave", [](TForm* f) {
    auto* form = static_cast<TFEtherCATSlave*>(f);
    TExStringGrid* stm = form->ESG_SlaveMaster;
    TExStringGrid* mts = form->ESG_MasterSlave;
    EXPECT_EQ(stm->GetCellEx(2, 1), "Int16");
    EXPECT_EQ(stm->GetCellEx(4, 1), "speed");
    EXPECT_TRUE(stm->ReadOnly(3, 1));
    EXPECT_EQ(stm->GetCellEx(2, 2), "Bool");
    EXPECT_EQ(stm->GetCellEx(6, 2), "2");
    EXPECT_EQ(stm->GetCellEx(2, 3), "");
    EXPECT_EQ(mts->GetCellEx(2, 1), "Int32");
    EXPECT_EQ(mts->GetCellEx(4, 1), "setpoint");
    stm->SetCellEx(4, 1, "changed");
    MouseClick(form->Btn_Cancel, 10, 10);
  });
  ClickButton(Main()->Btn_EtherCAT_Set_Access);

  ui.ExpectModal("TFModbus_TCP_Master_Set_Access", [](TForm* f) {
    auto* form = static_cast<TFModbus_TCP_Master_Set_Access*>(f);
    TExColumnGrid* g = form->ECG_Modbus_Read;
    EXPECT_EQ(g->GetCellEx(2, 1), "127.0.0.7");
    EXPECT_EQ(g->GetCellEx(5, 1), "Holding Register");
    EXPECT_EQ(g->GetCellEx(10, 1), "20");
    EXPECT_EQ(g->GetCellEx(2, 2), "");
    g->SetCellEx(3, 1, "999");
    MouseClick(form->Btn_Cancel, 10, 10);
  });
  ClickButton(Main()->Btn_Modbus_Set_Access);

  EXPECT_EQ(ReadFileWhole(File_ParGen), files[0]);
  EXPECT_EQ(ReadFileWhole(File_EtherCAT_Slave), files[1]);
  EXPECT_EQ(ReadFileWhole(File_ModbusTCPM_SetAccess), files[2]);

  // Update Device cancelled at once: the images are written all the same, equal to
  // those of the first session.
  ui.ExpectModal("TFBoot", [](TForm* f) { MouseClick(static_cast<TFBoot*>(f)->Btn_Cancel, 10, 10); });
  ClickButton(Main()->Btn_CreateBin);
  EXPECT_EQ(ReadFileWhole(Bank1_File_Path(road)), expected.Bank1);
  EXPECT_EQ(ReadFileWhole(Bank2_File_Path(road)), expected.Bank2);
  EXPECT_FALSE(FileExists(Update_Job_Path()));
  EXPECT_TRUE(ui.Messages.empty());
  EXPECT_TRUE(guard.hosts.isEmpty());
  EXPECT_EQ(ui.Pending(), 0);
}

}  // namespace
