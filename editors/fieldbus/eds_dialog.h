// The EDS connection dialog (TFEtherNEtIP_EDS): shown by the EtherNet/IP scanner
// rule editor with the path of an adapter's EDS file, it lists the connections of
// the file's "[Connection Manager]" section (eds_connections.h), one row each, and
// closes with OK on the row the user chose. When the file gives no connection, a
// timer closes it 10 ms after it shows, with an error box, as Cancel.
#pragma once

#include "editors/fieldbus/eds_connections.h"
#include "platform/ui/form.h"

class TExColumnGrid;
class TFadeButton;
class TLabel;
class TPanel;
class TTimer;

class TFEtherNEtIP_EDS : public TForm {
public:
  explicit TFEtherNEtIP_EDS(TComponent* AOwner);

  static constexpr int kClient_Width = 1150;
  static constexpr int kClient_Height = 337;

  TPanel* P_Title = nullptr;
  TLabel* L_SW_Code = nullptr;
  TLabel* L_SW_Desc = nullptr;
  TExColumnGrid* ECG = nullptr;
  TPanel* P_Button = nullptr;
  TFadeButton* Btn_OK = nullptr;
  TFadeButton* Btn_Cancel = nullptr;
  TTimer* TClose = nullptr;

  // Set by the caller before the dialog is shown.
  QString EDS_FileName;
  QList<TConnData> List_Conn;

  void FormCreate(TObject* Sender);
  void Set_Lang();
  void FormShow(TObject* Sender);
  void ShowDatainGrid();
  void TCloseTimer(TObject* Sender);

  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

private:
  void Place_Areas();
};

extern TFEtherNEtIP_EDS* FEtherNEtIP_EDS;
