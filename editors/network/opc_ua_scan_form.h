// The OPC UA server scan dialog (TFOPC_UA_Scan_Server): browses one server through
// the outside library (opc_ua_search_library.h) and lets the user pick, among the
// variables found, those to read and those to write. The caller fills Server
// before showing it and, after OK, takes the rows whose Read (or Write) cell is
// "Y", each with List_Var entry row - 1.
//
// Shown with a server address, the dialog shows its waiting label and starts the
// scan 100 ms later, on a thread of its own: the dialog stays responsive, Cancel
// closes it at once (the scan is given up and keeps nothing), and a scan that does
// not answer within Scan_Time_Out_Ms ends with a message. A missing library shows
// text 4430, a library without both functions text 4431.
#pragma once

#include "editors/network/opc_ua_search_library.h"
#include "platform/ui/form.h"

#include <chrono>
#include <memory>
#include <vector>

class TExColumnGrid;
class TFadeButton;
class TLabel;
class TPanel;
class TTimer;

// The scan grid's columns.
inline constexpr int kOS_Scan_Read = 1;
inline constexpr int kOS_Scan_Write = 2;

class TFOPC_UA_Scan_Server : public TForm {
public:
  explicit TFOPC_UA_Scan_Server(TComponent* AOwner);
  ~TFOPC_UA_Scan_Server() override;

  static constexpr int kClient_Width = 1035;
  static constexpr int kClient_Height = 337;

  TOPC_UA_Scan_Request Server;                // the request, filled by the caller
  std::vector<TOPC_UA_Scan_Result> List_Var;  // the results of the last scan
  // How long a scan may take before the dialog gives it up.
  int Scan_Time_Out_Ms = 120000;

  TPanel* P_Title = nullptr;
  TLabel* L_SW_Code = nullptr;
  TLabel* L_SW_Desc = nullptr;
  TLabel* LWaiting = nullptr;
  TExColumnGrid* ECG_OPC_UA_Scan_Var = nullptr;
  TTimer* Timer_Scan = nullptr;  // one shot, 100 ms after the showing
  TTimer* Timer_Wait = nullptr;  // looks after the running scan
  TPanel* P_Button = nullptr;
  TFadeButton* Btn_OK = nullptr;
  TFadeButton* Btn_Cancel = nullptr;
  TFadeButton* Btn_SelectAllRead = nullptr;
  TFadeButton* Btn_ClearAllRead = nullptr;
  TFadeButton* Btn_SelectAllWrite = nullptr;
  TFadeButton* Btn_ClearAllWrite = nullptr;

  void FormCreate(TObject* Sender);
  void FormShow(TObject* Sender);
  void FormClose(TObject* Sender, TCloseAction& Action);
  void Set_Lang();
  void Timer_ScanTimer(TObject* Sender);
  void Timer_WaitTimer(TObject* Sender);
  // Sender is Btn_SelectAllRead or Btn_SelectAllWrite (Btn_ClearAll... alike).
  void Btn_SelectAllReadClick(TObject* Sender);
  void Btn_ClearAllReadClick(TObject* Sender);

  // The grid cut to one data row, emptied.
  void Erase_Table();
  // List_Var into the grid, the Read and Write boxes preselected by access level.
  void Show_Variables_List();
  // Whether a scan of this showing is still running.
  bool Scanning() const { return scan_ != nullptr; }

  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

private:
  void Set_Column(int column, const QString& text);
  // Gives up the running scan, if any.
  void Stop_Scan();
  void Place_Areas();

  std::shared_ptr<TOPC_UA_Scan> scan_;
  std::chrono::steady_clock::time_point started_;
};

extern TFOPC_UA_Scan_Server* FOPC_UA_Scan_Server;
