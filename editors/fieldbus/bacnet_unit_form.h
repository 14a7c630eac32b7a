// The BACnet engineering unit picker (TFBACnet_Eng_Unit): the BACnet server editor
// puts a unit number into E_Selected_EU and its name into Label5 and shows it; the
// user picks a category and a unit, Select writes that unit's number and name, and
// OK hands E_Selected_EU back (as typed: the dialog checks nothing). The category
// chosen stays from one showing to the next.
#pragma once

#include "platform/ui/form.h"

class TComboBox;
class TEdit;
class TFadeButton;
class TLabel;
class TPanel;

class TFBACnet_Eng_Unit : public TForm {
public:
  explicit TFBACnet_Eng_Unit(TComponent* AOwner);

  static constexpr int kClient_Width = 548;
  static constexpr int kClient_Height = 306;

  TPanel* P_Title = nullptr;
  TLabel* L_SW_Code = nullptr;
  TLabel* L_SW_Desc = nullptr;
  TLabel* Label1 = nullptr;
  TEdit* E_Selected_EU = nullptr;
  TLabel* Label5 = nullptr;
  TLabel* Label2 = nullptr;
  TLabel* Label3 = nullptr;
  TComboBox* CB_Select_Type = nullptr;
  TLabel* Label4 = nullptr;
  TComboBox* CB_Select_Unit = nullptr;
  TFadeButton* Btn_Select_Eng_Unit = nullptr;
  TPanel* P_Button = nullptr;
  TFadeButton* Btn_OK = nullptr;
  TFadeButton* Btn_Cancel = nullptr;

  void FormCreate(TObject* Sender);
  void Set_Lang();
  void FormShow(TObject* Sender);
  void CB_Select_TypeSelect(TObject* Sender);
  void Btn_Select_Eng_UnitClick(TObject* Sender);

  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

private:
  void Place_Areas();
};

extern TFBACnet_Eng_Unit* FBACnet_Eng_Unit;
