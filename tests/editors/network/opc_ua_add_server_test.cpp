// The OPC UA server dialog: the fields and height by authorization, the security
// policy locked by type "None", the checks of OK, and the add and modify modes.
#include "editors/network/opc_ua_add_server_form.h"

#include "app/language/language.h"
#include "controls/button/fade_button.h"
#include "platform/ui/check_box.h"
#include "platform/ui/edit.h"
#include "platform/ui/labels.h"
#include "platform/ui/list_controls.h"
#include "platform/ui/memo.h"
#include "tests/support/project_fixture.h"
#include "tests/support/scripted_ui.h"

#include <gtest/gtest.h>

namespace {

using OPC_UA_Add_Server = ProjectTest;

}  // namespace

TEST_F(OPC_UA_Add_Server, TheAuthorizationShowsItsFieldsAndSetsTheHeight) {
  std::unique_ptr<TFOPC_UA_Add_Server> d(Create<TFOPC_UA_Add_Server>(nullptr));
  struct Case {
    int auth;
    bool user, certificate;
    int secType, mnemonic, height;
  } cases[] = {
      {2, false, true, 368, 432, 508}, {1, true, false, 232, 296, 372}, {0, false, false, 168, 232, 308}};
  for (const Case& c : cases) {
    d->CB_Auth->SetItemIndex(c.auth);
    d->CB_AuthChange(d->CB_Auth);
    EXPECT_EQ(d->E_User->Visible(), c.user) << c.auth;
    EXPECT_EQ(d->L_Pass->Visible(), c.user) << c.auth;
    EXPECT_EQ(d->RE_Priv_Key->Visible(), c.certificate) << c.auth;
    EXPECT_EQ(d->CB_Sec_Type->Top(), c.secType) << c.auth;
    EXPECT_EQ(d->L_Sec_Type->Top(), c.secType + 3) << c.auth;
    EXPECT_EQ(d->E_Mnemonic->Top(), c.mnemonic) << c.auth;
    EXPECT_EQ(d->ClientHeight(), c.height) << c.auth;
    EXPECT_EQ(d->ClientWidth(), 407);
  }
  // A typed text that is no item changes nothing.
  d->CB_Auth->SetItemIndex(-1);
  d->CB_AuthChange(d->CB_Auth);
  EXPECT_EQ(d->ClientHeight(), 308);
}

TEST_F(OPC_UA_Add_Server, OKChecksTheFieldsOfTheChosenAuthorization) {
  std::unique_ptr<TFOPC_UA_Add_Server> d(Create<TFOPC_UA_Add_Server>(nullptr));
  ScriptedUi ui;
  ui.ExpectModal("TFOPC_UA_Add_Server", [&](TForm*) {
    EXPECT_EQ(d->Caption(), "Add OPC UA Server");
    EXPECT_TRUE(d->CB_OPC_UA_Server_Enable->Checked());
    EXPECT_FALSE(d->CB_Sec_Policy->Enabled());  // type "None" locks the policy at "None"
    d->E_Server_Add->SetText("   ");
    ui.ExpectMessage(Lang_Text(4328), mrOk, mtError);
    d->Btn_OK->Click();
    d->E_Server_Add->SetText("opc.tcp://127.0.0.1:4840");
    d->CB_Auth->SetItemIndex(1);
    d->CB_AuthChange(d->CB_Auth);
    ui.ExpectMessage(Lang_Text(4329), mrOk, mtError);
    d->Btn_OK->Click();
    d->E_User->SetText("operator");
    ui.ExpectMessage(Lang_Text(4330), mrOk, mtError);
    d->Btn_OK->Click();
    d->CB_Auth->SetItemIndex(2);
    d->CB_AuthChange(d->CB_Auth);
    d->RE_Certificate->SetLinesText("CERT");
    ui.ExpectMessage(Lang_Text(4332), mrOk, mtError);
    d->Btn_OK->Click();
    d->RE_Certificate->SetLinesText(" ");
    ui.ExpectMessage(Lang_Text(4331), mrOk, mtError);
    d->Btn_OK->Click();
    // Anonymous passes with the address alone; the hidden fields keep their texts.
    d->CB_Auth->SetItemIndex(0);
    d->CB_AuthChange(d->CB_Auth);
    d->CB_Sec_Type->SetItemIndex(1);
    d->CB_Sec_TypeChange(d->CB_Sec_Type);
    EXPECT_TRUE(d->CB_Sec_Policy->Enabled());
    EXPECT_EQ(d->CB_Sec_Policy->ItemIndex(), 0);
    d->CB_Sec_Policy->SetItemIndex(3);
    d->Btn_OK->Click();
  });
  EXPECT_EQ(d->ShowModal(), mrOk);
  EXPECT_EQ(d->E_User->Text(), "operator");
  EXPECT_EQ(d->CB_Sec_Policy->ItemIndex(), 3);

  // Modify: the caller's values stay, a policy under type "None" becomes "None".
  d->FormType = 2;
  d->CB_Sec_Type->SetItemIndex(0);
  d->CB_Sec_Policy->SetItemIndex(4);
  ui.ExpectModal("TFOPC_UA_Add_Server", [&](TForm*) {
    EXPECT_EQ(d->Caption(), "Modify OPC UA Server");
    EXPECT_EQ(d->L_SW_Desc->Caption(), "Modify OPC UA Server");
    EXPECT_EQ(d->E_Server_Add->Text(), "opc.tcp://127.0.0.1:4840");
    EXPECT_EQ(d->CB_Sec_Policy->ItemIndex(), 0);
    d->Btn_Cancel->Click();
  });
  EXPECT_EQ(d->ShowModal(), mrCancel);
  // Add again: everything reset.
  d->FormType = 1;
  ui.ExpectModal("TFOPC_UA_Add_Server", [&](TForm*) {
    EXPECT_EQ(d->E_Server_Add->Text(), "");
    EXPECT_EQ(d->RE_Certificate->LinesText(), "");
    EXPECT_EQ(d->ClientHeight(), 308);
    d->Btn_Cancel->Click();
  });
  d->ShowModal();
}
