// The communication-parameter form laid out for other members of the family: the
// choice controls of their panels lay the panels out again when the user changes
// them, the controls stand where the layout says, and the models' steps on whole
// panels (the Ethernet panel of the BACnet models, the second connection of model
// 17) follow the choices.
#include "gateway/par_gen_form.h"

#include "gateway/category_panel_group.h"
#include "gateway/par_gen_layout.h"
#include "gateway/par_gen_panel_layout.h"
#include "platform/ui/check_box.h"
#include "platform/ui/edit.h"
#include "platform/ui/list_controls.h"
#include "tests/support/project_fixture.h"
#include "tests/support/ui_input.h"

#include <gtest/gtest.h>
#include <memory>

namespace {

class ParGenFormModels : public ProjectTest {
protected:
  void TearDown() override {
    form_.reset();
    ProjectTest::TearDown();
  }

  TFParGen& Make(int model) {
    form_.reset(Create<TFParGen>(nullptr, model));
    return *form_;
  }
  TFParGen& F() { return *form_; }
  TControl* Item(const char16_t* name) { return F().Item(QString::fromUtf16(name)); }

  // The user clicks a check box or picks the next (`step` 1) or previous (-1)
  // item of a combo box.
  void Change(const char16_t* name, int step = 1) {
    const QString n = QString::fromUtf16(name);
    if (TCheckBox* check = F().Check(n)) {
      check->SetChecked(!check->Checked());
      return;
    }
    TComboBox* combo = F().Combo(n);
    ASSERT_NE(combo, nullptr) << n.toStdString();
    PressKey(combo, step > 0 ? Qt::Key_Down : Qt::Key_Up);
  }

  // Every named control of the panel shows, stands and is enabled as `layout`
  // says, and the panel has its height.
  void Expect_Laid_Out(TParGenPanel panel, const TParGenPanelLayout& layout) {
    const auto rows = Panel_Rows(panel);
    for (size_t r = 0; r < rows.size(); ++r) {
      const TParGenRowLayout& row = layout.Rows[r];
      const auto places = Row_Placements_At(rows[r], row.Top);
      for (size_t i = 0; i < places.size(); ++i) {
        if (places[i].Name.isEmpty()) continue;  // the "." labels
        const TControl* c = F().Item(places[i].Name);
        ASSERT_NE(c, nullptr) << places[i].Name.toStdString();
        SCOPED_TRACE(places[i].Name.toStdString());
        EXPECT_EQ(c->Visible(), row.Visible);
        EXPECT_EQ(c->Top(), places[i].Top);
        const std::optional<bool> enabled = i == 0 ? row.FirstEnabled : row.InputsEnabled;
        if (enabled) {
          EXPECT_EQ(c->Enabled(), *enabled);
        }
      }
    }
    EXPECT_EQ(F().Panel(panel)->ExpandedHeight(), layout.Height);
  }

  // The visible panels stand one below the other without gaps.
  void Expect_Stacked() {
    int top = F().CPG->Panels().empty() ? 0 : -1;
    for (TCategoryPanel* p : F().CPG->Panels()) {
      if (!p->Visible()) continue;
      if (top >= 0) {
        EXPECT_EQ(p->Top(), top) << p->Name().toStdString();
      }
      top = p->Top() + p->Height();
    }
  }

  std::unique_ptr<TFParGen> form_;
};

bool Same(const TParGenPanelLayout& a, const TParGenPanelLayout& b) { return a.Rows == b.Rows && a.Height == b.Height; }

}  // namespace

TEST_F(ParGenFormModels, EachChoiceControlLaysItsPanelOutAgain) {
  // In order, on one form per model: each change alters its panel's layout.
  struct {
    int Model;
    const char16_t* Control;
    TParGenPanel Panel;
    int Step = 1;
    bool Moves = true;  // the change alters the panel's layout
  } const steps[] = {
      {5, u"CB_BACnet_Master_Type", CP_BACnet_Master},
      {5, u"CB_BACnet_Master_Type", CP_BACnet_Master, -1},
      {5, u"CB_EthConn_En_DHCP_Cable", CP_BACnet_Master},
      {6, u"CB_BACnet_Slave_Type", CP_BACnet_Slave},
      {15, u"CB_TLS_Server_Enable", CP_TLS_Server},
      {17, u"CB_MQTT_WillFlag", CP_MQTT},
      {17, u"CB_MQTT_PublishTopicConnection", CP_MQTT},
      {17, u"CB_MQTT_WillFlag", CP_MQTT},
      {17, u"CB_TLS_Enable", CP_TLS},
      {17, u"CB_TLS_En_Server_Auth", CP_TLS},
      {17, u"CB_TLS_En_Client_Auth", CP_TLS},
      {17, u"CB_TLS_En_Server_Auth", CP_TLS},
      {17, u"CB_Select_Device_Device", CP_WiFi2, 1, false},  // Wi-Fi: its panel is enabled
      {17, u"CB_WiFi2_Secure_Type", CP_WiFi2},
      {17, u"CB_WiFi2_En_DHCP", CP_WiFi2},
      {17, u"CB_WiFi2_Type", CP_WiFi2},
      {17, u"CB_EthConn_En_DHCP_WiFi", CP_WiFi2},
      {25, u"CB_SNMP_Agent_Version3", CP_SNMP_Agent},
      {25, u"CB_SNMP_Agent_SecurityLevel", CP_SNMP_Agent},
      {25, u"CB_SNMP_Agent_SecurityLevel", CP_SNMP_Agent},
      {25, u"CB_EthConn_En_DHCP_Cable", CP_SNMP_Agent},
  };
  int model = -1;
  for (const auto& s : steps) {
    SCOPED_TRACE(testing::Message() << "model " << s.Model << " " << QString::fromUtf16(s.Control).toStdString());
    if (s.Model != model) {
      model = s.Model;
      Make(model);
      Expect_Laid_Out(s.Panel, Panel_Layout(s.Panel, F().Choices()));
    }
    const TParGenPanelLayout before = Panel_Layout(s.Panel, F().Choices());
    Change(s.Control, s.Step);
    const TParGenPanelLayout after = Panel_Layout(s.Panel, F().Choices());
    EXPECT_EQ(Same(before, after), !s.Moves);
    Expect_Laid_Out(s.Panel, after);
    Expect_Stacked();
  }
}

TEST_F(ParGenFormModels, ServedModelKeepsItsThreePanelsWhateverTheOtherChoices) {
  Make(kServed_Model);
  for (const char16_t* control : {u"CB_MQTT_WillFlag", u"CB_TLS_Enable", u"CB_BACnet_Master_Type", u"CB_Select_Device_Device"})
    Change(control);
  int visible = 0;
  for (int p = 0; p < kParGenPanelCount; ++p) visible += F().Panel(static_cast<TParGenPanel>(p))->Visible();
  EXPECT_EQ(visible, 3);
  EXPECT_EQ(F().Panel(CP_Modbus_TCP_Master)->Height(), 178);
  // Panels of other models are not laid out by this model's list: the MQTT will
  // rows keep their designed state.
  EXPECT_TRUE(Item(u"E_MQTT_Will_TopicName")->Visible());
}

TEST_F(ParGenFormModels, BACnetMSTPAndBackMovesRowsShowsEthernetAndAppliesDHCPOnlyForIP) {
  Make(5);
  TControl* ip1 = Item(u"E_BACnet_IP_Master_IP1");
  TControl* gateway = Item(u"CB_BACnet_IP_Master_GAT");
  TControl* ethernetIp1 = Item(u"E_Ethernet_IP1");
  EXPECT_FALSE(F().Panel(CP_Ethernet)->Visible());  // BACnet/IP has its address rows in its own panel
  EXPECT_TRUE(ip1->Enabled());

  Change(u"CB_BACnet_Master_Type");  // MS/TP
  EXPECT_TRUE(F().Panel(CP_Ethernet)->Visible());
  EXPECT_FALSE(ip1->Visible());
  EXPECT_TRUE(Item(u"CB_BACnet_MSTP_Master_Baudrate")->Visible());
  EXPECT_EQ(Item(u"CB_BACnet_MSTP_Master_Baudrate")->Top(), 37);
  EXPECT_EQ(Item(u"L_BACnet_MSTP_Master_Device_Instance")->Top(), 208);
  EXPECT_EQ(F().Panel(CP_BACnet_Master)->Height(), 262);
  Expect_Stacked();

  // DHCP on the cable while MS/TP: the hidden address rows are left alone, the
  // Ethernet panel's are greyed.
  Change(u"CB_EthConn_En_DHCP_Cable");
  EXPECT_TRUE(ip1->Enabled());
  EXPECT_TRUE(gateway->Enabled());
  EXPECT_FALSE(ethernetIp1->Enabled());
  EXPECT_FALSE(Item(u"CB_Ethernet_En_GAT")->Enabled());

  Change(u"CB_BACnet_Master_Type", -1);  // back to BACnet/IP
  EXPECT_FALSE(F().Panel(CP_Ethernet)->Visible());
  EXPECT_TRUE(ip1->Visible());
  EXPECT_FALSE(ip1->Enabled());
  EXPECT_FALSE(gateway->Enabled());
  EXPECT_EQ(ip1->Top(), 37);
  EXPECT_FALSE(Item(u"CB_BACnet_MSTP_Master_Baudrate")->Visible());
  EXPECT_EQ(F().Panel(CP_BACnet_Master)->Height(), 262);
  Expect_Stacked();
}

TEST_F(ParGenFormModels, SecondConnectionOfModel17FollowsTheDeviceChoice) {
  Make(17);
  TCategoryPanel* wifi = F().Panel(CP_WiFi2);
  TCategoryPanel* mobile = F().Panel(CP_GSM_GPRS);
  struct {
    int Step;
    int Index;
    bool WiFi, Mobile;  // enabled and expanded
  } const picks[] = {{0, 0, false, false}, {1, 1, true, false}, {1, 2, false, true}, {-1, 1, true, false},
                     {-1, 0, false, false}};
  for (const auto& p : picks) {
    SCOPED_TRACE(p.Index);
    if (p.Step) Change(u"CB_Select_Device_Device", p.Step);
    EXPECT_EQ(F().Combo(QStringLiteral("CB_Select_Device_Device"))->ItemIndex(), p.Index);
    EXPECT_EQ(wifi->Enabled(), p.WiFi);
    EXPECT_EQ(wifi->Collapsed(), !p.WiFi);
    EXPECT_EQ(mobile->Enabled(), p.Mobile);
    EXPECT_EQ(mobile->Collapsed(), !p.Mobile);
    EXPECT_TRUE(wifi->Visible());
    EXPECT_TRUE(mobile->Visible());
    Expect_Stacked();
  }
}
