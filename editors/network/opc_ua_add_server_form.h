// The OPC UA server dialog (TFOPC_UA_Add_Server): one server of the OPC UA client
// editor entered or changed: enabled or not, its address, how the converter
// authenticates (anonymously, user name and password, or certificate and private
// key), the security type and policy, a mnemonic. The caller says add (1) or
// modify (2) in FormType before showing it, fills the controls itself when it
// modifies, and reads them back after OK. The dialog keeps its controls between
// showings; only the add mode resets them. The rows below the authorization's own
// fields move up or down with them, and the dialog's height follows.
#pragma once

#include "platform/ui/form.h"

class TCheckBox;
class TComboBox;
class TEdit;
class TFadeButton;
class TLabel;
class TMemo;
class TPanel;

class TFOPC_UA_Add_Server : public TForm {
public:
  explicit TFOPC_UA_Add_Server(TComponent* AOwner);

  static constexpr int kClient_Width = 407;

  int FormType = 1;  // 1 add, 2 modify

  TPanel* P_Title = nullptr;
  TLabel* L_SW_Code = nullptr;
  TLabel* L_SW_Desc = nullptr;
  TCheckBox* CB_OPC_UA_Server_Enable = nullptr;
  TLabel* L_Server_Add = nullptr;
  TEdit* E_Server_Add = nullptr;
  TLabel* L_Auth = nullptr;
  TComboBox* CB_Auth = nullptr;
  TLabel* L_User = nullptr;
  TEdit* E_User = nullptr;
  TLabel* L_Pass = nullptr;
  TEdit* E_Pass = nullptr;
  TLabel* L_Certificate = nullptr;
  TMemo* RE_Certificate = nullptr;
  TLabel* L_Priv_Key = nullptr;
  TMemo* RE_Priv_Key = nullptr;
  TLabel* L_Sec_Type = nullptr;
  TComboBox* CB_Sec_Type = nullptr;
  TLabel* L_Sec_Policy = nullptr;
  TComboBox* CB_Sec_Policy = nullptr;
  TLabel* L_Mnemonic = nullptr;
  TEdit* E_Mnemonic = nullptr;
  TPanel* P_Button = nullptr;
  TFadeButton* Btn_OK = nullptr;
  TFadeButton* Btn_Cancel = nullptr;

  void FormCreate(TObject* Sender);
  void FormShow(TObject* Sender);
  void Set_Lang();
  void CB_AuthChange(TObject* Sender);
  void CB_Sec_TypeChange(TObject* Sender);
  void Btn_OKClick(TObject* Sender);

  // The fields of the chosen authorization shown, the rows below placed after
  // them and the height set; nothing for a typed text that is no item.
  void Change_Fields();
  // Security type "None" locks the policy at "None"; any other type frees it.
  void Check_Authorization();
  // The checks of OK; the first failure in an error box.
  bool Controlla_Dati();

  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

private:
  void Place_Panels();
};

extern TFOPC_UA_Add_Server* FOPC_UA_Add_Server;
