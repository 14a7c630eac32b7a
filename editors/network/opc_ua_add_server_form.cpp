#include "editors/network/opc_ua_add_server_form.h"

#include "app/language/language.h"
#include "app/state/comon.h"
#include "app/table_editor/form_frame.h"
#include "app/table_editor/table_editor.h"
#include "controls/button/fade_button.h"
#include "platform/rtl/strings.h"
#include "platform/ui/check_box.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/edit.h"
#include "platform/ui/labels.h"
#include "platform/ui/list_controls.h"
#include "platform/ui/memo.h"
#include "platform/ui/shapes.h"

TFOPC_UA_Add_Server* FOPC_UA_Add_Server = nullptr;

namespace {

constexpr int kLabel_Left = 16;
constexpr int kLabel_Width = 110;
constexpr int kBox_Left = 130;
constexpr int kBox_Width = 260;
constexpr int kBox_Height = 21;
constexpr int kMemo_Height = 92;
constexpr int kButtons_Height = TTableEditor::kButtons_Height;

// Where the rows below the authorization's fields stand (the boxes' tops; their
// labels 3 pixels lower) for authorization 0, 1 and 2.
struct TAuthLayout {
  int Sec_Type;
  int Sec_Policy;
  int Mnemonic;
};
constexpr TAuthLayout kAuth_Layouts[] = {{168, 200, 232}, {232, 264, 296}, {368, 400, 432}};

constexpr int kUser_Top = 168;
constexpr int kPass_Top = 200;
constexpr int kCertificate_Top = 168;
constexpr int kPriv_Key_Top = 268;

const QStringList kAuth_Items = {"Anonymous", "Username and Password", "Certificate"};
const QStringList kSec_Type_Items = {"None", "Sign", "Sign and Encrypt"};
const QStringList kSec_Policy_Items = {"None",      "Basic 128 RSA 15",         "Basic 256",
                                       "Basic 256 SHA 256", "AES 128 SHA 256 RSA OAEP", "AES 256 SHA 256 RSA PSS"};

template <typename T>
T* Make(TForm* form, const QString& name) {
  auto* control = new T(form);
  control->SetName(name);
  control->SetParent(form);
  return control;
}

TLabel* Make_Label(TForm* form, const QString& name, int top) {
  TLabel* label = Make<TLabel>(form, name);
  label->SetBounds(kLabel_Left, top + 3, kLabel_Width, 16);
  return label;
}

TComboBox* Make_Combo(TForm* form, const QString& name, int top, const QStringList& items) {
  TComboBox* box = Make<TComboBox>(form, name);
  box->SetBounds(kBox_Left, top, kBox_Width, kBox_Height);
  box->SetStyle(csDropDown);
  for (const QString& item : items) box->Items()->Add(item);
  box->SetItemIndex(0);
  box->SetShowHint(true);
  return box;
}

TEdit* Make_Edit(TForm* form, const QString& name, int top) {
  TEdit* edit = Make<TEdit>(form, name);
  edit->SetBounds(kBox_Left, top, kBox_Width, kBox_Height);
  edit->SetShowHint(true);
  return edit;
}

TMemo* Make_Memo(TForm* form, const QString& name, int top) {
  TMemo* memo = Make<TMemo>(form, name);
  memo->SetBounds(kBox_Left, top, kBox_Width, kMemo_Height);
  memo->SetScrollBars(ssVertical);
  memo->SetShowHint(true);
  return memo;
}

void Place_Row(TLabel* label, TControl* box, int top) {
  label->SetTop(top + 3);
  box->SetTop(top);
}

void Show_Row(TLabel* label, TControl* box, bool visible) {
  label->SetVisible(visible);
  box->SetVisible(visible);
}

}  // namespace

TFOPC_UA_Add_Server::TFOPC_UA_Add_Server(TComponent* AOwner) : TForm(AOwner) {
  const TFormTitle title = Make_Dialog_Frame(this, QStringLiteral("FOPC_UA_Add_Server"), 380);
  SetShowHint(true);
  P_Title = title.Panel;
  L_SW_Code = title.Code;
  L_SW_Desc = title.Desc;

  CB_OPC_UA_Server_Enable = Make<TCheckBox>(this, QStringLiteral("CB_OPC_UA_Server_Enable"));
  CB_OPC_UA_Server_Enable->SetBounds(kLabel_Left, 78, 300, 17);
  CB_OPC_UA_Server_Enable->SetShowHint(true);
  L_Server_Add = Make_Label(this, QStringLiteral("L_Server_Add"), 104);
  E_Server_Add = Make_Edit(this, QStringLiteral("E_Server_Add"), 104);
  L_Auth = Make_Label(this, QStringLiteral("L_Auth"), 136);
  CB_Auth = Make_Combo(this, QStringLiteral("CB_Auth"), 136, kAuth_Items);
  L_User = Make_Label(this, QStringLiteral("L_User"), kUser_Top);
  E_User = Make_Edit(this, QStringLiteral("E_User"), kUser_Top);
  L_Pass = Make_Label(this, QStringLiteral("L_Pass"), kPass_Top);
  E_Pass = Make_Edit(this, QStringLiteral("E_Pass"), kPass_Top);
  L_Certificate = Make_Label(this, QStringLiteral("L_Certificate"), kCertificate_Top);
  RE_Certificate = Make_Memo(this, QStringLiteral("RE_Certificate"), kCertificate_Top);
  L_Priv_Key = Make_Label(this, QStringLiteral("L_Priv_Key"), kPriv_Key_Top);
  RE_Priv_Key = Make_Memo(this, QStringLiteral("RE_Priv_Key"), kPriv_Key_Top);
  L_Sec_Type = Make_Label(this, QStringLiteral("L_Sec_Type"), kAuth_Layouts[0].Sec_Type);
  CB_Sec_Type = Make_Combo(this, QStringLiteral("CB_Sec_Type"), kAuth_Layouts[0].Sec_Type, kSec_Type_Items);
  L_Sec_Policy = Make_Label(this, QStringLiteral("L_Sec_Policy"), kAuth_Layouts[0].Sec_Policy);
  CB_Sec_Policy = Make_Combo(this, QStringLiteral("CB_Sec_Policy"), kAuth_Layouts[0].Sec_Policy, kSec_Policy_Items);
  L_Mnemonic = Make_Label(this, QStringLiteral("L_Mnemonic"), kAuth_Layouts[0].Mnemonic);
  E_Mnemonic = Make_Edit(this, QStringLiteral("E_Mnemonic"), kAuth_Layouts[0].Mnemonic);

  P_Button = Make_Button_Panel(this, TTableEditor::kForm_Color);
  Btn_OK = Make_Panel_Button(this, P_Button, QStringLiteral("Btn_OK"), 16, 110);
  Btn_Cancel = Make_Panel_Button(this, P_Button, QStringLiteral("Btn_Cancel"), 134, 110);
  Btn_Cancel->SetModalResult(mrCancel);
  Btn_OK->SetShowHint(true);
  Btn_Cancel->SetShowHint(true);

  Btn_OK->OnClick = [this](TObject* s) { Btn_OKClick(s); };
  CB_Auth->OnChange = [this](TObject* s) { CB_AuthChange(s); };
  CB_Sec_Type->OnChange = [this](TObject* s) { CB_Sec_TypeChange(s); };
  OnCreate = [this](TObject* s) { FormCreate(s); };
  OnShow = [this](TObject* s) { FormShow(s); };
  Change_Fields();
  Check_Authorization();
}

void TFOPC_UA_Add_Server::FormCreate(TObject*) {
  L_SW_Code->SetCaption(SW_Code);
  SetClientSize(kClient_Width, ClientHeight());
  Set_Lang();
}

void TFOPC_UA_Add_Server::FormShow(TObject*) {
  if (FormType == 2) {
    SetCaption(Lang_Text(4302));
    L_SW_Desc->SetCaption(Lang_Text(4303));
  } else {
    SetCaption(Lang_Text(4300));
    L_SW_Desc->SetCaption(Lang_Text(4301));
    CB_OPC_UA_Server_Enable->SetChecked(true);
    E_Server_Add->SetText(QString());
    CB_Auth->SetItemIndex(0);
    E_User->SetText(QString());
    E_Pass->SetText(QString());
    RE_Certificate->SetLinesText(QString());
    RE_Priv_Key->SetLinesText(QString());
    CB_Sec_Type->SetItemIndex(0);
    E_Mnemonic->SetText(QString());
  }
  Change_Fields();
  Check_Authorization();
}

void TFOPC_UA_Add_Server::Set_Lang() {
  SetCaption(Lang_Text(4300));
  L_SW_Desc->SetCaption(Lang_Text(4301));
  CB_OPC_UA_Server_Enable->SetCaption(Lang_Text(4304));
  CB_OPC_UA_Server_Enable->SetHint(Lang_Text(4305));
  struct TRowTexts {
    TLabel* Label;
    TControl* Box;
    int Caption;
  };
  const TRowTexts rows[] = {
      {L_Server_Add, E_Server_Add, 4306}, {L_Auth, CB_Auth, 4308},           {L_User, E_User, 4310},
      {L_Pass, E_Pass, 4312},             {L_Certificate, RE_Certificate, 4314}, {L_Priv_Key, RE_Priv_Key, 4316},
      {L_Sec_Type, CB_Sec_Type, 4318},    {L_Sec_Policy, CB_Sec_Policy, 4320}, {L_Mnemonic, E_Mnemonic, 4322},
  };
  for (const TRowTexts& row : rows) {
    row.Label->SetCaption(Lang_Text(row.Caption));
    row.Box->SetHint(Lang_Text(row.Caption + 1));
  }
  Btn_OK->SetCaption(Lang_Text(4324));
  Btn_OK->SetHint(Lang_Text(4325));
  Btn_Cancel->SetCaption(Lang_Text(4326));
  Btn_Cancel->SetHint(Lang_Text(4327));
}

void TFOPC_UA_Add_Server::CB_AuthChange(TObject*) { Change_Fields(); }

void TFOPC_UA_Add_Server::CB_Sec_TypeChange(TObject*) { Check_Authorization(); }

void TFOPC_UA_Add_Server::Change_Fields() {
  const int auth = CB_Auth->ItemIndex();
  if (auth < 0 || auth > 2) return;
  Show_Row(L_User, E_User, auth == 1);
  Show_Row(L_Pass, E_Pass, auth == 1);
  Show_Row(L_Certificate, RE_Certificate, auth == 2);
  Show_Row(L_Priv_Key, RE_Priv_Key, auth == 2);
  const TAuthLayout& layout = kAuth_Layouts[auth];
  Place_Row(L_Sec_Type, CB_Sec_Type, layout.Sec_Type);
  Place_Row(L_Sec_Policy, CB_Sec_Policy, layout.Sec_Policy);
  Place_Row(L_Mnemonic, E_Mnemonic, layout.Mnemonic);
  SetClientSize(kClient_Width, kButtons_Height + E_Mnemonic->Top() + E_Mnemonic->Height() + 15);
}

void TFOPC_UA_Add_Server::Check_Authorization() {
  if (CB_Sec_Type->ItemIndex() == 0) {
    CB_Sec_Policy->SetItemIndex(0);
    CB_Sec_Policy->SetEnabled(false);
  } else {
    CB_Sec_Policy->SetEnabled(true);
  }
}

bool TFOPC_UA_Add_Server::Controlla_Dati() {
  int fault = 0;
  const int auth = CB_Auth->ItemIndex();
  if (Trim(E_Server_Add->Text()).isEmpty())
    fault = 4328;
  else if (auth == 1 && Trim(E_User->Text()).isEmpty())
    fault = 4329;
  else if (auth == 1 && Trim(E_Pass->Text()).isEmpty())
    fault = 4330;
  else if (auth == 2 && Trim(RE_Certificate->LinesText()).isEmpty())
    fault = 4331;
  else if (auth == 2 && Trim(RE_Priv_Key->LinesText()).isEmpty())
    fault = 4332;
  if (fault == 0) return true;
  MessageDlg(Lang_Text(fault), mtError, {mbOK});
  return false;
}

void TFOPC_UA_Add_Server::Btn_OKClick(TObject*) {
  if (Controlla_Dati()) SetModalResult(mrOk);
}

void TFOPC_UA_Add_Server::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  TForm::SetBounds(ALeft, ATop, AWidth, AHeight);
  Place_Panels();
}

void TFOPC_UA_Add_Server::Place_Panels() {
  if (!P_Title || !P_Button) return;
  const int w = ClientWidth();
  const int h = ClientHeight();
  P_Title->SetBounds(0, 0, w, TTableEditor::kTitle_Height);
  P_Button->SetBounds(0, std::max(0, h - kButtons_Height), w, kButtons_Height);
}
