// The communication-parameter form on the offscreen platform: panels, heights and
// captions, loading, checks, saving, texts after a language switch, keys, wheel.
#include "gateway/par_gen_form.h"

#include "app/language/language.h"
#include "app/state/comon.h"
#include "controls/button/fade_button.h"
#include "gateway/category_panel_group.h"
#include "gateway/par_gen_checks.h"
#include "gateway/par_gen_file.h"
#include "gateway/par_gen_layout.h"
#include "platform/os/files.h"
#include "platform/ui/check_box.h"
#include "platform/ui/edit.h"
#include "platform/ui/labels.h"
#include "platform/ui/list_controls.h"
#include "platform/ui/mouse_wheel.h"
#include "platform/ui/shapes.h"
#include "tests/support/project_fixture.h"
#include "tests/support/scripted_ui.h"
#include "tests/support/ui_input.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace {

class ParGenForm : public ProjectTest {
protected:
  void SetUp() override {
    ProjectTest::SetUp();
    form_.reset(Create<TFParGen>(nullptr));
  }
  void TearDown() override {
    form_.reset();
    ProjectTest::TearDown();
  }

  TFParGen& F() { return *form_; }
  TEdit* E(const char* name) { return F().Edit(QString::fromLatin1(name)); }
  TCheckBox* C(const char* name) { return F().Check(QString::fromLatin1(name)); }
  QByteArray File() { return FileExists(File_ParGen) ? ReadFileWhole(File_ParGen) : QByteArray(); }

  // Shows the form modally; `act` runs while it is shown.
  TModalResult Show(std::function<void(TFParGen&)> act, ScriptedUi& ui) {
    ui.ExpectModal(QStringLiteral("TFParGen"), [&](TForm* f) { act(*static_cast<TFParGen*>(f)); });
    return F().ShowModal();
  }

  std::unique_ptr<TFParGen> form_;
};

const TParGenPanel kServed[] = {CP_Ethernet_Connection, CP_EtherCAT_Slave, CP_Modbus_TCP_Master};

}  // namespace

TEST_F(ParGenForm, CreationShowsTheThreePanelsNumberedStackedAndSized) {
  EXPECT_EQ(F().ClientWidth(), 460);
  EXPECT_EQ(F().ClientHeight(), 700);
  EXPECT_EQ(F().CPG->Top(), 69);
  EXPECT_EQ(F().CPG->Height(), 591);
  EXPECT_EQ(F().L_SW_Code->Caption(), "KQ82K03");
  const char* captions[] = {"1. Ethernet Connection", "2. EtherCAT Slave", "3. Modbus TCP Master"};
  const int heights[] = {206, 149, 178};
  const int tops[] = {0, 206, 355};
  for (int k = 0; k < 3; ++k) {
    TCategoryPanel* p = F().Panel(kServed[k]);
    EXPECT_TRUE(p->Visible());
    EXPECT_EQ(p->Caption(), captions[k]);
    EXPECT_EQ(p->TabOrder(), k);
    EXPECT_EQ(p->Height(), heights[k]);
    EXPECT_EQ(p->Top(), tops[k]);
  }
  int visible = 0;
  for (int p = 0; p < kParGenPanelCount; ++p) visible += F().Panel(static_cast<TParGenPanel>(p))->Visible();
  EXPECT_EQ(visible, 3);
  EXPECT_FALSE(F().CPG->ScrollBarShown());
  EXPECT_FALSE(C("CB_EthConn_En_DHCP_WiFi")->Enabled());
  EXPECT_EQ(F().CPG->TabOrder(), 1);
  EXPECT_EQ(F().P_Button->TabOrder(), 2);
  EXPECT_TRUE(E("E_ModbusTCPMaster_IP1")->ShowHint());
  EXPECT_EQ(E("E_EthConn_Device_Name")->MaxLength(), 31);
  EXPECT_EQ(E("E_EtherCAT_Slave_Name")->MaxLength(), 15);
  // Tab order inside a panel runs row by row, left to right.
  EXPECT_EQ(F().Edit(QStringLiteral("E_ModbusTCPMaster_IP1"))->TabOrder() + 1,
            F().Edit(QStringLiteral("E_ModbusTCPMaster_IP2"))->TabOrder());
}

TEST_F(ParGenForm, LayoutIsTheSameWhateverTheDHCPBoxesAndHowOftenItRuns) {
  for (bool dhcp : {true, false, true}) {
    C("CB_EthConn_En_DHCP_Cable")->SetChecked(dhcp);  // its click re-runs the layout
    F().Move_GroupBoxs();
    EXPECT_EQ(F().Panel(CP_Ethernet_Connection)->Height(), 206);
    EXPECT_EQ(F().Panel(CP_EtherCAT_Slave)->Height(), 149);
    EXPECT_EQ(F().Panel(CP_Modbus_TCP_Master)->Height(), 178);
    EXPECT_FALSE(C("CB_EthConn_En_DHCP_WiFi")->Enabled());
    // DHCP greys the address rows of the (hidden) Modbus TCP slave panel only.
    EXPECT_EQ(E("E_ModbusTCPSlave_IP1")->Enabled(), !dhcp);
    EXPECT_EQ(E("E_ModbusTCPSlave_GAT4")->Enabled(), !dhcp);
    EXPECT_EQ(C("CB_ModbusTCPSlave_En_GAT")->Enabled(), !dhcp);
  }
}

TEST_F(ParGenForm, NoShownRowIsGreyedButTheWiFiBoxAndNoCheckNamesAGreyedField) {
  // Every combination of the boxes that drive enabling or the checks.
  for (int bits = 0; bits < 8; ++bits) {
    const bool dhcp = bits & 1, dns = bits & 2, gateway = bits & 4;
    C("CB_EthConn_En_DHCP_Cable")->SetChecked(dhcp);
    C("CB_EthConn_Enable_DNS")->SetChecked(dns);
    C("CB_ModbusTCPMaster_En_GAT")->SetChecked(gateway);
    F().Move_GroupBoxs();
    for (const TParGenPanel panel : kServed)
      for (const TParGenRow& row : Panel_Rows(panel)) {
        const QString first = QString::fromUtf16(row.First);
        TControl* c = F().Item(first);
        ASSERT_NE(c, nullptr) << first.toStdString();
        EXPECT_EQ(c->Enabled(), first != "CB_EthConn_En_DHCP_WiFi") << first.toStdString() << " bits " << bits;
        if (row.Kind == TRowKind::Address || row.Kind == TRowKind::Gateway)
          for (int part = 1; part <= 4; ++part)
            EXPECT_TRUE(E(Address_Edit_Name(row, part).toLatin1().constData())->Enabled()) << first.toStdString();
      }
    // Each check that applies names a field the user can edit.
    for (const TParGenCheck& check : ParGen_Checks) {
      const QString control = QString::fromUtf16(ParGen_Field_Controls[check.Field]);
      for (int f = 0; f < kParGenFieldCount; ++f) {
        const QString name = QString::fromUtf16(ParGen_Field_Controls[f]);
        if (!ParGen_Fields[f].CheckBox) E(name.toLatin1().constData())->SetText(QStringLiteral("1"));
      }
      E(control.toLatin1().constData())->SetText(QString());
      const std::optional<int> failure = ::Controllo_Dati(F().Fields());
      if (failure != check.TextIndex) continue;  // this check does not apply now
      EXPECT_TRUE(F().Item(control)->Enabled()) << control.toStdString() << " bits " << bits;
    }
  }
}

TEST_F(ParGenForm, ShowingLoadsTheFileOrTheDefaultsAndCancelWritesNothing) {
  ScriptedUi ui;
  // No file: the defaults.
  EXPECT_EQ(Show([](TFParGen& f) { f.Btn_Cancel->Click(); }, ui), mrCancel);
  EXPECT_EQ(E("E_EthConn_Pri_DNS_IP4")->Text(), "8");
  EXPECT_EQ(E("E_EthConn_Sec_DNS_IP3")->Text(), "4");
  EXPECT_EQ(E("E_EtherCAT_Slave_Name")->Text(), "devicename1");
  EXPECT_EQ(E("E_ModbusTCPMaster_IP4")->Text(), "5");
  EXPECT_EQ(E("E_ModbusTCPMaster_TimeOut")->Text(), "1000");
  EXPECT_FALSE(C("CB_ModbusTCPMaster_En_GAT")->Checked());
  EXPECT_FALSE(FileExists(File_ParGen));

  // A file: each element on its own; the Wi-Fi box is never loaded.
  const QByteArray file =
      "<Par_Gen><Eth_Conn_Device_Name> host </Eth_Conn_Device_Name><Eth_Conn_DHCP_Cable>1</Eth_Conn_DHCP_Cable>"
      "<Eth_Conn_DHCP_WiFi>1</Eth_Conn_DHCP_WiFi><EtherCAT_Slave_Clear_Data>yes</EtherCAT_Slave_Clear_Data>"
      "<Modbus_TCP_Master_IP1>abc</Modbus_TCP_Master_IP1></Par_Gen>";
  WriteFileWhole(File_ParGen, file);
  E("E_EtherCAT_Slave_Name")->SetText(QStringLiteral("typed before"));
  Show(
      [&](TFParGen& f) {
        EXPECT_EQ(f.Edit(QStringLiteral("E_EthConn_Device_Name"))->Text(), " host ");
        EXPECT_TRUE(f.Check(QStringLiteral("CB_EthConn_En_DHCP_Cable"))->Checked());
        EXPECT_FALSE(f.Check(QStringLiteral("CB_EthConn_En_DHCP_WiFi"))->Checked());
        EXPECT_FALSE(f.Check(QStringLiteral("CB_EtherCAT_Slave_Clear_Data"))->Checked());  // only "1" checks
        EXPECT_EQ(f.Edit(QStringLiteral("E_ModbusTCPMaster_IP1"))->Text(), "abc");
        EXPECT_EQ(f.Edit(QStringLiteral("E_EtherCAT_Slave_Name"))->Text(), "devicename1");
        EXPECT_TRUE(f.Edit(QStringLiteral("E_ModbusTCPMaster_IP1"))->Enabled());  // checked at OK, so editable
        f.Edit(QStringLiteral("E_EthConn_Device_Name"))->SetText(QStringLiteral("changed"));
        f.Btn_Cancel->Click();
      },
      ui);
  EXPECT_EQ(File(), file);
}

TEST_F(ParGenForm, MalformedFileShowsAnErrorAndTheDefaultsAndStaysUntilOK) {
  const QByteArray broken = "<Par_Gen><Eth_Conn_Device_Name>x</Par_Gen";
  WriteFileWhole(File_ParGen, broken);
  const QString reason = TParGenModel().Load(File_ParGen);
  ASSERT_FALSE(reason.isEmpty());
  {
    ScriptedUi ui;
    ui.ExpectMessage(reason, mrOk, mtError);  // while the form is being shown
    Show(
        [&](TFParGen& f) {
          EXPECT_EQ(E("E_EthConn_Device_Name")->Text(), "");
          EXPECT_EQ(E("E_ModbusTCPMaster_SM1")->Text(), "255");
          f.Btn_Cancel->Click();
        },
        ui);
  }
  EXPECT_EQ(File(), broken);
  // OK replaces it with the fields shown.
  ScriptedUi ui;
  ui.ExpectMessage(reason, mrOk, mtError);
  EXPECT_EQ(Show([](TFParGen& f) { f.Btn_OK->Click(); }, ui), mrOk);
  TParGenModel saved;
  EXPECT_TRUE(saved.Load(File_ParGen).isEmpty());
  EXPECT_EQ(saved.Text(pgSlaveName), "devicename1");
}

TEST_F(ParGenForm, OKChecksStopAtTheFirstFailureAndWriteNothing) {
  const struct {
    const char* control;
    const char* text;
    const char* message;
  } cases[] = {
      {"E_EtherCAT_Slave_Revision_Number", "4294967296",
       "Error EtherCAT Slave!! Revision Number must be between 0x00000000 and 0xFFFFFFFF"},
      {"E_EtherCAT_Slave_Name", "   ", "Error EtherCAT Slave!! Slave Name cannot be empty"},
      {"E_EtherCAT_Slave_Node_Address", "", "Error EtherCAT Slave!! Node Address must be between 1 and 192"},
      {"E_ModbusTCPMaster_SM4", "256", "Error Modbus TCP Master!! SUBNET Mask 4 must be between 0 and 255"},
      {"E_ModbusTCPMaster_CyclicDelay", "10001", "Error Modbus TCP Master!! Cyclic Delay must be between 0 and 10000ms"},
  };
  for (const auto& c : cases) {
    ScriptedUi ui;
    ui.ExpectModal(QStringLiteral("TFParGen"), [&](TForm*) {
      if (std::string(c.control) != "E_ModbusTCPMaster_CyclicDelay")
        E("E_ModbusTCPMaster_CyclicDelay")->SetText(QStringLiteral("-5"));  // fails later in the order
      E(c.control)->SetText(QString::fromLatin1(c.text));
      F().Btn_OK->Click();
      EXPECT_EQ(F().ModalResult(), mrNone);  // the form stays open
      F().Btn_Cancel->Click();
    });
    ui.ExpectMessage(QString::fromLatin1(c.message), mrOk, mtError);
    F().ShowModal();
    EXPECT_FALSE(FileExists(File_ParGen)) << c.control;
  }
}

TEST_F(ParGenForm, DisabledChecksPassAndOKWritesEveryField) {
  WriteFileWhole(File_ParGen, "<Par_Gen><Eth_Conn_DHCP_WiFi>1</Eth_Conn_DHCP_WiFi></Par_Gen>");
  ScriptedUi ui;
  const TModalResult result = Show(
      [&](TFParGen& f) {
        E("E_EthConn_Pri_DNS_IP1")->SetText(QString());       // DNS off: not checked
        E("E_ModbusTCPMaster_GAT2")->SetText(QStringLiteral("999"));  // gateway off: not checked
        E("E_EtherCAT_Slave_Revision_Number")->SetText(QStringLiteral("4294967295"));
        C("CB_EtherCAT_Slave_Clear_Data")->SetChecked(true);
        f.Btn_OK->Click();
      },
      ui);
  EXPECT_EQ(result, mrOk);
  TParGenModel saved;
  ASSERT_TRUE(saved.Load(File_ParGen).isEmpty());
  EXPECT_EQ(saved.Text(pgPrimaryDNS1), "");
  EXPECT_EQ(saved.Text(pgGAT2), "999");
  EXPECT_EQ(saved.Text(pgRevisionNumber), "4294967295");
  EXPECT_TRUE(saved.Checked(pgClearData));
  const QString text = QString::fromUtf8(File());
  EXPECT_TRUE(text.contains(QStringLiteral("<Eth_Conn_DHCP_WiFi>0</Eth_Conn_DHCP_WiFi>")));
  EXPECT_FALSE(text.contains(QStringLiteral("Eeprom")));
}

TEST_F(ParGenForm, LanguageSwitchRelabelsEverythingButThePanelHeaders) {
  TComboBox* type = F().Combo(QStringLiteral("CB_WiFi2_Type"));
  TComboBox* channel = F().Combo(QStringLiteral("CB_WiFi2_Channel"));
  ASSERT_EQ(type->Items()->Count(), 2);
  EXPECT_EQ(type->Items()->Strings(0), "Access Point");
  EXPECT_EQ(channel->Items()->Count(), 12);
  type->SetItemIndex(1);
  channel->SetItemIndex(5);
  const struct { int index; const char* text; } swap[] = {
      {400, "Imposta Comunicazione"}, {402, "Conferma"}, {404, "Salva"}, {1544, "Connessione"},
      {1545, "Nome Dispositivo"},     {502, "Abilita il gateway"}, {888, "Punto di accesso"}, {1467, "Stazione"}};
  for (const auto& s : swap) Language_Texts.Put(s.index, QString::fromUtf8(s.text));
  F().Set_Lang();
  EXPECT_EQ(F().Caption(), "Imposta Comunicazione");
  EXPECT_EQ(F().Btn_OK->Caption(), "Conferma");
  EXPECT_EQ(F().Btn_OK->Hint(), "Salva");
  EXPECT_EQ(F().Item(QStringLiteral("L_EthConn_Device_Name"))->Caption(), "Nome Dispositivo");
  EXPECT_EQ(C("CB_ModbusTCPMaster_En_GAT")->Hint(), "Abilita il gateway");
  EXPECT_EQ(F().Item(QStringLiteral("L_SNMP_Manager_NameStation"))->Caption(), "Stazione");
  EXPECT_EQ(type->Items()->Strings(0), "Punto di accesso");
  EXPECT_EQ(type->ItemIndex(), 0);
  EXPECT_EQ(channel->ItemIndex(), 0);
  EXPECT_EQ(F().Panel(CP_Ethernet_Connection)->Caption(), "1. Ethernet Connection");  // start-up language
  EXPECT_EQ(F().L_SW_Code->Caption(), "KQ82K03");
  EXPECT_EQ(F().Item(QStringLiteral("CB_SNMP_Agent_Version2"))->Caption(), "2");
  EXPECT_TRUE(F().Item(QStringLiteral("E_SNMP_Manager_NameStation"))->Hint().isEmpty());
  // The other models' fixed lists keep their designed items.
  EXPECT_EQ(F().Combo(QStringLiteral("CB_WiFi2_Max_Client"))->ItemIndex(), 9);
  EXPECT_EQ(F().Combo(QStringLiteral("CB_Select_Device_Device"))->Items()->Strings(0), "Only Ethernet Cable ");
}

TEST_F(ParGenForm, DotKeyMovesAlongTheAddressAndIsNeverTyped) {
  ScriptedUi ui;
  Show(
      [&](TFParGen& f) {
        TEdit* sm4 = E("E_ModbusTCPMaster_SM4");
        sm4->SetFocus();
        ProcessEvents();
        PressKey(sm4, Qt::Key_Period);
        ProcessEvents();
        EXPECT_EQ(sm4->Text(), "0");
        EXPECT_TRUE(E("E_ModbusTCPMaster_GAT1")->Focused());
        TEdit* last = E("E_EthConn_Sec_DNS_IP4");
        last->SetFocus();
        ProcessEvents();
        PressKey(last, Qt::Key_Period);
        ProcessEvents();
        EXPECT_EQ(last->Text(), "4");
        EXPECT_TRUE(last->Focused());
        // Digits only in the node address.
        TEdit* node = E("E_EtherCAT_Slave_Node_Address");
        node->SetFocus();
        node->SetText(QString());
        PressKey(node, Qt::Key_A);
        PressKey(node, Qt::Key_7);
        ProcessEvents();
        EXPECT_EQ(node->Text(), "7");
        f.Btn_Cancel->Click();
      },
      ui);
}

TEST_F(ParGenForm, WheelScrollsTheGroupOnlyOverItAndTheWidthStays) {
  F().SetClientSize(520, 300);
  EXPECT_EQ(F().ClientWidth(), 460);
  EXPECT_EQ(F().ClientHeight(), 300);
  EXPECT_EQ(F().CPG->Height(), 300 - 69 - 40);
  ASSERT_TRUE(F().CPG->ScrollBarShown());
  const TPoint inside = F().CPG->ClientToScreen(Point(100, 50));
  const TPoint above = F().P_Title->ClientToScreen(Point(100, 10));
  EXPECT_FALSE(F().FormMouseWheel({}, -120, above));
  EXPECT_EQ(F().CPG->VertScrollPos(), 0);
  EXPECT_TRUE(F().FormMouseWheel({}, -120, inside));
  const int step = WheelScrollLines() * TCategoryPanelGroup::kLine_Size;
  EXPECT_EQ(F().CPG->VertScrollPos(), step);
  EXPECT_EQ(F().Panel(CP_Ethernet_Connection)->Top(), -step);
  EXPECT_TRUE(F().FormMouseWheel({}, 120, inside));
  EXPECT_EQ(F().CPG->VertScrollPos(), 0);
  // Never past the end.
  for (int i = 0; i < 100; ++i) F().FormMouseWheel({}, -120, inside);
  EXPECT_EQ(F().CPG->VertScrollPos(), 533 - F().CPG->ClientHeight());
}

TEST_F(ParGenForm, CollapsingAPanelClosesTheGap) {
  TCategoryPanel* ethernet = F().Panel(CP_Ethernet_Connection);
  ethernet->Collapse();
  EXPECT_EQ(ethernet->Height(), 24);
  EXPECT_EQ(F().Panel(CP_EtherCAT_Slave)->Top(), 24);
  F().Move_GroupBoxs();  // the layout keeps a collapsed panel collapsed
  EXPECT_EQ(ethernet->Height(), 24);
  ethernet->Expand();
  EXPECT_EQ(ethernet->Height(), 206);
  EXPECT_EQ(F().Panel(CP_EtherCAT_Slave)->Top(), 206);
}
