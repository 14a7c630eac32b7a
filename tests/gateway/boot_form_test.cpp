// The update dialog on the offscreen platform, with a fake echo prober, a manual
// clock and a recording program runner: nothing is pinged and nothing is started.
#include "gateway/boot_form.h"

#include "app/language/language.h"
#include "app/state/comon.h"
#include "controls/button/fade_button.h"
#include "gateway/update_job.h"
#include "platform/os/clock.h"
#include "platform/os/files.h"
#include "platform/rtl/exceptions.h"
#include "platform/ui/application.h"
#include "platform/ui/check_box.h"
#include "platform/ui/edit.h"
#include "platform/ui/labels.h"
#include "platform/ui/list_controls.h"
#include "platform/ui/shapes.h"
#include "platform/xml/xml_document.h"
#include "tests/support/scripted_ui.h"
#include "tests/support/ui_input.h"

#include <QDir>
#include <cerrno>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace {

// Answers every request with `bytes` data bytes (0: silence for the whole
// time-out), or raises when `bytes` is negative. `during` runs inside each request.
class TFake_Prober : public TEchoProber {
public:
  TFake_Prober(TManualClock& clock, int bytes) : clock_(clock), bytes_(bytes) {}
  int Echo(const QString& host, const QByteArray&, int timeoutMs) override {
    hosts << host;
    if (during) during();
    if (bytes_ < 0) throw Exception(QStringLiteral("no address"));
    clock_.Advance(bytes_ > 0 ? 1 : timeoutMs);
    return bytes_;
  }
  QStringList hosts;
  std::function<void()> during;

private:
  TManualClock& clock_;
  int bytes_;
};

class TRecording_Runner : public TProgramRunner {
public:
  TProgramResult StartAndWait(const QString& program, const QStringList&, int64_t) override {
    programs << program;
    TProgramResult r;
    r.Outcome = started ? TProgramOutcome::Exited : TProgramOutcome::NotStarted;
    r.Error = started ? 0 : 2;
    return r;
  }
  QStringList programs;
  bool started = true;
};

class BootForm : public ::testing::Test {
protected:
  void SetUp() override {
    Reset_Comon();
    Set_Folders(dir_.path());
    QDir().mkpath(Exe_Folder);
    Project_Folder = PathJoin(Projects_Folder, QStringLiteral("P1"));
    Set_Files();
    SW_Code = QString::fromUtf16(kSW_Code);
    Update_Read_Back = true;
    Load_Default_Texts();
    SetProgramRunner(&runner_);
    form_.reset(Create<TFBoot>(nullptr));
    form_->SetEchoClock(&clock_);
  }
  void TearDown() override {
    form_.reset();
    SetProgramRunner(nullptr);
    Load_Default_Texts();
    Reset_Comon();
  }

  TFBoot& F() { return *form_; }
  void Type_Address(const char* a, const char* b, const char* c, const char* d) {
    const char* parts[] = {a, b, c, d};
    for (int i = 0; i < 4; ++i) F().E_IP[i]->SetText(QString::fromLatin1(parts[i]));
  }
  // Shows the dialog; `act` runs while it is open and the dialog is then cancelled.
  void Show(ScriptedUi& ui, std::function<void(TFBoot&)> act) {
    ui.ExpectModal(QStringLiteral("TFBoot"), [&](TForm* f) {
      act(*static_cast<TFBoot*>(f));
      static_cast<TFBoot*>(f)->Btn_Cancel->Click();
    });
    F().ShowModal();
  }
  // Expects the dialog to be shown modally, to update once to 127.0.0.1 (after
  // `options` set the dialog's options) and to be cancelled; the messages the
  // update shows are expected after this call, then the dialog is shown.
  void Expect_One_Update(ScriptedUi& ui, std::function<void(TFBoot&)> options = {}) {
    ui.ExpectModal(QStringLiteral("TFBoot"), [this, options](TForm*) {
      Type_Address("127", "0", "0", "1");
      if (options) options(F());
      F().Btn_Update->Click();
      F().Btn_Cancel->Click();
    });
  }
  int Job_Operations() {
    TXMLDocument doc;
    doc.LoadFromFile(Update_Job_Path());
    return static_cast<int>(doc.DocumentElement().ChildByName(QStringLiteral("Operations")).ChildElements().size());
  }

  QTemporaryDir dir_;
  TManualClock clock_;
  TRecording_Runner runner_;
  std::unique_ptr<TFBoot> form_;
};

}  // namespace

TEST_F(BootForm, NetworkVariantShowsAddressAndOptionsWithTheRememberedValues) {
  Last_IP_Address = QStringLiteral("127.0.0.1");
  Update_Option = 2;
  Update_Read_Back = false;
  ScriptedUi ui;
  Show(ui, [](TFBoot& f) {
    EXPECT_EQ(f.ClientWidth(), 449);
    EXPECT_EQ(f.ClientHeight(), 230);
    EXPECT_EQ(f.Caption(), "Update Device by Ethernet (UDP)");
    EXPECT_EQ(f.L_SW_Desc->Caption(), "Update Device Using the Ethernet Port");
    EXPECT_EQ(f.L_SW_Code->Caption(), "KQ82K03");
    EXPECT_TRUE(f.P_IP_Address->Visible());
    EXPECT_TRUE(f.P_Options->Visible());
    EXPECT_FALSE(f.P_Serial->Visible());
    EXPECT_FALSE(f.P_Eth_Search->Visible());
    EXPECT_EQ(f.P_IP_Address->Top(), 69);
    EXPECT_EQ(f.P_Options->Top(), 118);
    EXPECT_EQ(f.P_Button->Top(), 190);
    EXPECT_EQ(f.P_IP_Address->TabOrder(), 1);
    EXPECT_EQ(f.P_Serial->TabOrder(), 5);
    EXPECT_EQ(f.E_IP[0]->Text(), "127");
    EXPECT_EQ(f.E_IP[3]->Text(), "1");
    EXPECT_EQ(f.CB_Update_Options->ItemIndex(), 2);
    EXPECT_EQ(f.CB_Update_Options->Items()->Strings(0), "Firmware + Configuration");
    EXPECT_FALSE(f.CB_Update_Option_Read_Back->Checked());
    EXPECT_EQ(f.E_IP[1]->Hint(), "Insert second byte of IP Address");
    EXPECT_EQ(f.Btn_Update->Caption(), "Execute Update Firmware");
  });
  // An address that does not split into four parts leaves the edits as they are.
  Last_IP_Address = QStringLiteral("127.0.0");
  F().E_IP[0]->SetText(QStringLiteral("kept"));
  ScriptedUi again;
  Show(again, [](TFBoot& f) { EXPECT_EQ(f.E_IP[0]->Text(), "kept"); });
}

TEST_F(BootForm, AnsweringDeviceGetsItsJobAndTheUpdaterAndTheValuesAreRemembered) {
  const struct { int option; bool readBack; int operations; } cases[] = {
      {0, true, 3}, {1, false, 1}, {2, true, 2}};
  for (const auto& c : cases) {
    TFake_Prober prober(clock_, 32);
    F().SetEchoProber(&prober);
    runner_.programs.clear();
    ScriptedUi ui;
    Show(ui, [&](TFBoot& f) {
      Type_Address("127", "0", "0", "1");
      f.CB_Update_Options->SetItemIndex(c.option);
      f.CB_Update_Option_Read_Back->SetChecked(c.readBack);
      f.Btn_Update->Click();
      EXPECT_EQ(f.ModalResult(), mrNone);  // the dialog stays open
      EXPECT_TRUE(f.Btn_Update->Enabled());
    });
    EXPECT_EQ(prober.hosts.value(0), "127.0.0.1");
    EXPECT_EQ(prober.hosts.size(), 2);  // two replies are enough
    EXPECT_EQ(F().ping_res, 1);
    EXPECT_EQ(Last_IP_Address, "127.0.0.1");
    EXPECT_EQ(Update_Option, c.option);
    EXPECT_EQ(Update_Read_Back, c.readBack);
    EXPECT_EQ(Job_Operations(), c.operations) << c.option;
    EXPECT_EQ(ReadFileWhole(Update_Job_Path()).contains("<Ope_Read_Back>1</Ope_Read_Back>"), c.readBack);
    ASSERT_EQ(runner_.programs.size(), 1);
    EXPECT_EQ(runner_.programs[0], PathJoin(Exe_Folder, QStringLiteral("Ethernet_Update")));
  }
}

TEST_F(BootForm, SilentOrBrokenCheckShowsItsMessageAndRemembersNothing) {
  const struct { int bytes; const char* message; TMsgDlgType type; int ping; } cases[] = {
      {0, "Device Not Found!", mtWarning, 2},
      {-1, "Error!!! Check the Ip Address", mtError, 0},
  };
  for (const auto& c : cases) {
    Last_IP_Address = QStringLiteral("127.0.0.9");
    Update_Option = 0;
    Update_Read_Back = true;
    TFake_Prober prober(clock_, c.bytes);
    F().SetEchoProber(&prober);
    ScriptedUi ui;
    Expect_One_Update(ui, [](TFBoot& f) {
      f.CB_Update_Options->SetItemIndex(1);
      f.CB_Update_Option_Read_Back->SetChecked(false);
    });
    ui.ExpectMessage(QString::fromLatin1(c.message), mrOk, c.type);
    F().ShowModal();
    EXPECT_EQ(F().ping_res, c.ping);
    EXPECT_EQ(Last_IP_Address, "127.0.0.9");
    EXPECT_EQ(Update_Option, 0);
    EXPECT_TRUE(Update_Read_Back);
    EXPECT_FALSE(FileExists(Update_Job_Path()));
    EXPECT_TRUE(runner_.programs.isEmpty());
  }
}

TEST_F(BootForm, UpdateButtonIsDisabledWhileTheCheckRunsAndASecondClickIsIgnored) {
  TFake_Prober prober(clock_, 32);
  int nested = 0;
  prober.during = [&] {
    EXPECT_TRUE(F().Busy());
    EXPECT_FALSE(F().Btn_Update->Enabled());
    ++nested;
    F().Btn_UpdateClick(F().Btn_Update);  // as if clicked again during the wait
  };
  F().SetEchoProber(&prober);
  ScriptedUi ui;
  Show(ui, [&](TFBoot& f) {
    Type_Address("127", "0", "0", "1");
    f.Btn_Update->Click();
  });
  EXPECT_EQ(nested, 2);  // one check of two requests, no nested check
  EXPECT_EQ(runner_.programs.size(), 1);
  EXPECT_FALSE(F().Busy());
  EXPECT_TRUE(F().Btn_Update->Enabled());
}

TEST_F(BootForm, CancelOrTheCloseBoxDuringTheCheckStopsItAndStartsNothing) {
  // A slow check: no answer, so it would run about 5 s and then tell "Device Not
  // Found!"; the user gives up during the second request.
  const struct {
    const char* how;
    std::function<void(TFBoot&)> close;
  } cases[] = {
      {"Cancel button", [](TFBoot& f) { f.Btn_Cancel->Click(); }},
      {"close box", [](TFBoot& f) { f.Close(); }},
  };
  for (const auto& c : cases) {
    Last_IP_Address = QStringLiteral("127.0.0.9");
    Update_Option = 0;
    TFake_Prober prober(clock_, 32);  // a device that would answer
    int requests = 0;
    TCursor pointer = crDefault;
    prober.during = [&] {
      pointer = Screen->Cursor();
      if (++requests == 1) c.close(F());
    };
    F().SetEchoProber(&prober);
    ScriptedUi ui;  // no message is expected: any box fails the test
    ui.ExpectModal(QStringLiteral("TFBoot"), [&](TForm*) {
      Type_Address("127", "0", "0", "1");
      F().CB_Update_Options->SetItemIndex(2);
      F().Btn_Update->Click();
    });
    EXPECT_EQ(F().ShowModal(), mrCancel) << c.how;
    EXPECT_EQ(requests, 1) << c.how;          // stopped after the request under way
    EXPECT_EQ(pointer, crAppStart) << c.how;  // the busy pointer while it ran
    EXPECT_EQ(Screen->Cursor(), crDefault) << c.how;
    EXPECT_EQ(F().Last_Update().Outcome, TUpdate_Outcome::Cancelled) << c.how;
    EXPECT_EQ(Last_IP_Address, "127.0.0.9") << c.how;
    EXPECT_EQ(Update_Option, 0) << c.how;
    EXPECT_FALSE(FileExists(Update_Job_Path())) << c.how;
    EXPECT_TRUE(runner_.programs.isEmpty()) << c.how;
    EXPECT_TRUE(F().Btn_Update->Enabled()) << c.how;
  }
}

TEST_F(BootForm, AnEchoRequestThatCannotBeSentTellsItsCauseNotTheAddress) {
  const struct {
    int error;
    bool permission;
    QString message;
  } cases[] = {
      {ENETUNREACH, false, "Error! The echo request could not be sent.\n" + qt_error_string(ENETUNREACH)},
      {EPERM, true,
       "Error! The echo request could not be sent.\n" + qt_error_string(EPERM) +
           "\nThis user may not send ICMP echo requests: allow ping sockets (net.ipv4.ping_group_range) or give the "
           "program the CAP_NET_RAW capability."},
  };
  for (const auto& c : cases) {
    TFake_Prober prober(clock_, 32);
    prober.during = [&] { throw EEchoSendError(QStringLiteral("cannot send"), c.error, c.permission); };
    F().SetEchoProber(&prober);
    ScriptedUi ui;
    Expect_One_Update(ui);
    ui.ExpectMessage(c.message, mrOk, mtError);
    F().ShowModal();
    EXPECT_EQ(F().Last_Update().Outcome, TUpdate_Outcome::Echo_Not_Sent);
    EXPECT_FALSE(FileExists(Update_Job_Path()));
  }
}

TEST_F(BootForm, AnUpdaterThatCannotStartIsReported) {
  TFake_Prober prober(clock_, 32);
  F().SetEchoProber(&prober);
  runner_.started = false;
  ScriptedUi ui;
  Expect_One_Update(ui);
  ui.ExpectMessage("Error! The updater could not be started.\n" + PathJoin(Exe_Folder, QStringLiteral("Ethernet_Update")) +
                       "\n" + qt_error_string(2),
                   mrOk, mtError);
  F().ShowModal();
  EXPECT_EQ(Last_IP_Address, "127.0.0.1");  // the device answered
}

TEST_F(BootForm, SerialVariantOnlyRemembersTheOptions) {
  F().Form_Type = kBoot_Serial;
  ScriptedUi ui;
  Show(ui, [](TFBoot& f) {
    EXPECT_EQ(f.ClientHeight(), 232);
    EXPECT_EQ(f.Caption(), "Update Device by Serial");
    EXPECT_TRUE(f.P_Serial->Visible());
    EXPECT_FALSE(f.P_IP_Address->Visible());
    EXPECT_EQ(f.P_Serial->TabOrder(), 1);
    f.CB_COM_Port->Items()->Clear();
    f.CB_COM_Port->Items()->Add(QStringLiteral("/dev/ttyUSB0"));
    f.CB_COM_Port->SetItemIndex(0);
    f.CB_Update_Options->SetItemIndex(2);
    f.CB_Update_Option_Read_Back->SetChecked(false);
    f.Btn_Update->Click();
  });
  EXPECT_EQ(Update_Option, 2);
  EXPECT_FALSE(Update_Read_Back);
  EXPECT_EQ(F().Serial_Command(), "\\\\.\\/dev/ttyUSB0 NO NO PW NO ");
  EXPECT_FALSE(FileExists(Update_Job_Path()));
  EXPECT_TRUE(runner_.programs.isEmpty());
}

TEST_F(BootForm, DotKeyMovesToTheNextPartOnlyUpToTheLast) {
  ScriptedUi ui;
  Show(ui, [](TFBoot& f) {
    f.E_IP[2]->SetText(QStringLiteral("0"));
    f.E_IP[2]->SetFocus();
    ProcessEvents();
    PressKey(f.E_IP[2], Qt::Key_Period);
    ProcessEvents();
    EXPECT_EQ(f.E_IP[2]->Text(), "0");
    EXPECT_TRUE(f.E_IP[3]->Focused());
    f.E_IP[3]->SetText(QStringLiteral("1"));
    PressKey(f.E_IP[3], Qt::Key_Period);
    ProcessEvents();
    EXPECT_EQ(f.E_IP[3]->Text(), "1");
    EXPECT_TRUE(f.E_IP[3]->Focused());
  });
}

TEST_F(BootForm, TypingAnAddressReplacesEachPartAlongTheDotChainAndTab) {
  Last_IP_Address = QStringLiteral("192.168.2.205");
  ScriptedUi ui;
  Show(ui, [](TFBoot& f) {
    ProcessEvents();
    auto focused = [&]() -> TEdit* {
      for (TEdit* e : f.E_IP)
        if (e->Focused()) return e;
      return nullptr;
    };
    auto type = [&](const QString& keys) {
      for (const QChar ch : keys) {
        TEdit* e = focused();
        ASSERT_NE(e, nullptr);
        PressKey(e, ch == u'.' ? Qt::Key_Period : Qt::Key_0 + ch.digitValue());
        ProcessEvents();
      }
    };
    // The first part has the focus with its text selected, also at the dialog's
    // first showing: the typed address replaces the remembered one part by part.
    ASSERT_EQ(focused(), f.E_IP[0]);
    EXPECT_EQ(f.E_IP[0]->SelText(), "192");
    type(QStringLiteral("10.0.0.1"));
    const char* parts[] = {"10", "0", "0", "1"};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(f.E_IP[i]->Text(), parts[i]) << i;
    // Tab (and Shift+Tab) select the part they reach, so typing replaces it.
    f.E_IP[0]->SetFocus();
    ProcessEvents();
    PressKey(f.E_IP[0], Qt::Key_Tab);
    ProcessEvents();
    ASSERT_EQ(focused(), f.E_IP[1]);
    type(QStringLiteral("7"));
    EXPECT_EQ(f.E_IP[1]->Text(), "7");
    PressKey(f.E_IP[1], Qt::Key_Backtab, Qt::ShiftModifier);
    ProcessEvents();
    ASSERT_EQ(focused(), f.E_IP[0]);
    type(QStringLiteral("3"));
    EXPECT_EQ(f.E_IP[0]->Text(), "3");
  });
}

TEST_F(BootForm, LanguageSwitchRelabelsByTheLastVariant) {
  F().Form_Type = kBoot_Serial;
  Language_Texts.Put(1200, QStringLiteral("Aggiorna via seriale"));
  Language_Texts.Put(1216, QStringLiteral("Solo firmware"));
  F().CB_Update_Options->SetItemIndex(2);
  F().Set_Lang();
  EXPECT_EQ(F().Caption(), "Aggiorna via seriale");
  EXPECT_EQ(F().CB_Update_Options->Items()->Strings(1), "Solo firmware");
  EXPECT_EQ(F().CB_Update_Options->ItemIndex(), 0);
  EXPECT_EQ(F().Btn_Search->Caption(), "Search");
}
