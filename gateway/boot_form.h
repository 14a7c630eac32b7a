// The update dialog of the "Update Device UDP" step (TFBoot). The network variant
// asks for the device's address and the update option, checks with echo requests
// that the device answers, writes the updater's job and runs the updater; the
// serial variant (never shown by this model) only remembers the options. The
// update button is disabled while a check or an update runs.
#pragma once

#include "gateway/boot_dialog.h"
#include "gateway/update_run.h"
#include "platform/ui/form.h"

#include <array>
#include <memory>

class TCheckBox;
class TClock;
class TComboBox;
class TEchoProber;
class TEdit;
class TFadeButton;
class TLabel;
class TPanel;

class TFBoot : public TForm {
public:
  explicit TFBoot(TComponent* AOwner);
  ~TFBoot() override;

  // Set by the caller before showing: kBoot_Serial or kBoot_Network.
  int Form_Type = kBoot_Network;
  // Status of the last reply event of the echo check: 0 none, 1 data, 2 no data.
  int ping_res = 0;

  TPanel* P_Title = nullptr;
  TLabel* L_SW_Code = nullptr;
  TLabel* L_SW_Desc = nullptr;
  TPanel* P_IP_Address = nullptr;
  TLabel* L_IP_Address = nullptr;
  std::array<TEdit*, 4> E_IP{};  // E_IP1 .. E_IP4
  TPanel* P_Serial = nullptr;
  TLabel* L_COM_Port = nullptr;
  TComboBox* CB_COM_Port = nullptr;
  TFadeButton* Btn_COM_List = nullptr;
  TPanel* P_Eth_Search = nullptr;
  TLabel* L_List_Device = nullptr;
  TFadeButton* Btn_Search = nullptr;
  TCheckBox* CB_Find_All_QVX = nullptr;
  TPanel* P_Options = nullptr;
  TLabel* L_Update_Option = nullptr;
  TComboBox* CB_Update_Options = nullptr;
  TCheckBox* CB_Update_Option_Read_Back = nullptr;
  TPanel* P_Button = nullptr;
  TFadeButton* Btn_Cancel = nullptr;
  TFadeButton* Btn_Update = nullptr;

  TPanel* Panel(TBoot_Panel panel) const { return panels_[panel]; }

  void FormShow(TObject* Sender);
  void Set_Lang();
  void Btn_UpdateClick(TObject* Sender);
  void Btn_COM_ListClick(TObject* Sender);
  void KeyPress(TObject* Sender, QChar& Key);
  void update_ComPort();
  // The option tokens of the dialog's option and Read Back box after `prefix`.
  QString Update_Options(const QString& prefix) const;
  // BACnet_Type of the project's ParGen.xml (0 when missing).
  int Get_Type_Dev() const;

  // True while an echo check or an update runs.
  bool Busy() const { return busy_; }
  // The command text the serial variant composed at its last update click.
  QString Serial_Command() const { return serial_command_; }
  // What the last network update did.
  const TUpdate_Run_Result& Last_Update() const { return last_update_; }

  // The echo client and the clock of the check (the ICMP prober and the program's
  // clock unless set; not owned).
  void SetEchoProber(TEchoProber* prober) { prober_ = prober; }
  void SetEchoClock(TClock* clock) { clock_ = clock; }

private:
  TPanel* Make_Panel(TBoot_Panel panel);
  TLabel* Make_Label(TPanel* parent, const QString& name, int left, int top);
  TFadeButton* Make_Button(TPanel* parent, const QString& name, int left, int top, int width);
  void Show_Variant();
  void Update_Network();
  void Update_Serial();
  void Report(const TUpdate_Run_Result& result);

  std::array<TPanel*, kBoot_Panel_Count> panels_{};
  std::unique_ptr<TEchoProber> icmp_;
  TEchoProber* prober_ = nullptr;
  TClock* clock_ = nullptr;
  bool busy_ = false;
  QString serial_command_;
  TUpdate_Run_Result last_update_;
};

// The dialog the main window shows in its "Update Device UDP" step.
extern TFBoot* FBoot;
