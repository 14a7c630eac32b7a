// The EDE import dialog (TFImportEDEFile): shown by the BACnet client editor with
// the path of a remote device's EDE file (ede_import.h). It lists the objects the
// client can serve, one row each, where the user chooses which to import and
// whether each becomes a read rule, a write rule or both (writing only for
// commandable objects), and asks for the device's address, which OK checks by the
// client's address kind.
#pragma once

#include "editors/fieldbus/ede_import.h"
#include "platform/ui/form.h"

class TEdit;
class TExColumnGrid;
class TFadeButton;
class TLabel;
class TPanel;

class TFImportEDEFile : public TForm {
public:
  explicit TFImportEDEFile(TComponent* AOwner);

  static constexpr int kClient_Width = 863;
  static constexpr int kClient_Height = 337;
  static constexpr int kGrid_Rows = 512;

  TPanel* P_Title = nullptr;
  TLabel* L_SW_Code = nullptr;
  TLabel* L_SW_Desc = nullptr;
  TPanel* P_ID_IP = nullptr;
  TLabel* LID_IP = nullptr;
  TEdit* E_ID_IP = nullptr;
  TExColumnGrid* ECG = nullptr;
  TPanel* P_Button = nullptr;
  TFadeButton* Btn_OK = nullptr;
  TFadeButton* Btn_Cancel = nullptr;
  TFadeButton* Btn_Select_All = nullptr;
  TFadeButton* Btn_Unselect_All = nullptr;

  // Set by the caller before the dialog is shown.
  QString EDE_File;
  int App_BACnet_Type = 0;
  // The objects read; the caller reads the user's choices after OK.
  QList<TBACnet_Var> List_EDE_Var;

  void FormCreate(TObject* Sender);
  void Set_Lang();
  void FormShow(TObject* Sender);
  void Cancel_EDE_List_Vars();
  void Load_EDE_File();
  void Show_Data_in_Grid();
  void ECGCheckBoxClick(TObject* Sender, int ACol, int ARow, bool State);
  void Btn_Select_AllClick(TObject* Sender);
  void Btn_Unselect_AllClick(TObject* Sender);
  void Btn_OKClick(TObject* Sender);

  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

private:
  void Select_All(bool on);
  void Place_Areas();
};

extern TFImportEDEFile* FImportEDEFile;
