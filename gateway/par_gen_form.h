// The communication-parameter form of the "Set Communication" step (TFParGen): the
// category panels of the whole converter family in one scrolling group, of which
// this model shows three; loads ParGen.xml or the defaults when shown, checks the
// fields on OK and writes the file. Panels, rows, texts and checks come from the
// widget-free tables beside it (par_gen_*.h).
#pragma once

#include "app/table_editor/form_frame.h"
#include "gateway/par_gen_file.h"
#include "gateway/par_gen_panels.h"

#include <array>
#include <vector>

class TCategoryPanel;
class TCategoryPanelGroup;
class TCheckBox;
class TComboBox;
class TEdit;
class TFadeButton;
class TLabel;
class TPanel;
struct TParGenChoices;
struct TParGenPanelLayout;

class TFParGen : public TFramedForm {
public:
  // `model`: the family member whose panels the form shows and lays out; the
  // program always shows its own (tests look at the others' panels).
  explicit TFParGen(TComponent* AOwner, int model = kServed_Model);

  static constexpr int kClient_Width = 460;
  static constexpr int kClient_Height = 700;
  // ParGen.xml could not be written (the cause follows on the next line).
  static constexpr int kText_ParGen_Not_Saved = 1688;

  // P_Title with L_SW_Code and L_SW_Desc, P_Button with Btn_OK and Btn_Cancel: the frame's.
  TCategoryPanelGroup* CPG = nullptr;

  // The category panel of `panel`.
  TCategoryPanel* Panel(TParGenPanel panel) const { return panels_[panel]; }
  // A control of the panels by its name; nullptr when there is none (or of another kind).
  TControl* Item(const QString& name) const;
  TEdit* Edit(const QString& name) const;
  TCheckBox* Check(const QString& name) const;
  TComboBox* Combo(const QString& name) const;

  // Events (bound in the constructor).
  void FormCreate(TObject* Sender);
  void FormShow(TObject* Sender);
  void FormResize(TObject* Sender);
  // A wheel turn at a screen point: handled when the point lies in CPG.
  bool FormMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos);
  void On_Change(TObject* Sender);
  void On_Click(TObject* Sender);
  void KeyPress(TObject* Sender, QChar& Key);
  void Btn_OKClick(TObject* Sender);

  // True when every field passes; the first failure is shown in an error box.
  bool Controllo_Dati();

  void Order_TAB_Panels();
  // Shows, orders, numbers and tab-orders the panels of one model of the family.
  void Order_TAB_Panels_Model(int model);
  void Move_GroupBoxs();
  // The layout list of one model: its panels' routines in its order, then the
  // model's steps on whole panels.
  void RePosition_Objects_Model(int model);
  // The layout routine of one panel, on the form's current choices.
  void RePosition_Object(TParGenPanel panel);
  // The layout list of this program's model.
  void RePosition_Objects_82K03() { RePosition_Objects_Model(3); }
  // The routine of each panel by name.
  void RePosition_Object_Ethernet_Connection() { RePosition_Object(CP_Ethernet_Connection); }
  void RePosition_Object_EtherCAT_Slave() { RePosition_Object(CP_EtherCAT_Slave); }
  void RePosition_Object_Modbus_TCP_Slave() { RePosition_Object(CP_Modbus_TCP_Slave); }
  void RePosition_Object_Serial() { RePosition_Object(CP_Serial); }
  void RePosition_Object_Modbus_Master() { RePosition_Object(CP_Modbus_Master); }
  void RePosition_Object_Modbus_Slave() { RePosition_Object(CP_Modbus_Slave); }
  void RePosition_Object_Modbus_TCP_Master() { RePosition_Object(CP_Modbus_TCP_Master); }
  void RePosition_Object_BACnet_Master() { RePosition_Object(CP_BACnet_Master); }
  void RePosition_Object_BACnet_Slave() { RePosition_Object(CP_BACnet_Slave); }
  void RePosition_Object_CAN() { RePosition_Object(CP_CAN); }
  void RePosition_Object_CANopen() { RePosition_Object(CP_CANopen); }
  void RePosition_Object_DeviceNet_Master() { RePosition_Object(CP_DeviceNet_Master); }
  void RePosition_Object_DeviceNet_Slave() { RePosition_Object(CP_DeviceNet_Slave); }
  void RePosition_Object_DMX() { RePosition_Object(CP_DMX); }
  void RePosition_Object_Ethernet() { RePosition_Object(CP_Ethernet); }
  void RePosition_Object_EtherNetIP() { RePosition_Object(CP_EtherNetIP); }
  void RePosition_Object_IEC61850_Client() { RePosition_Object(CP_IEC61850_Client); }
  void RePosition_Object_IEC61850_Server() { RePosition_Object(CP_IEC61850_Server); }
  void RePosition_Object_J1939() { RePosition_Object(CP_J1939); }
  void RePosition_Object_MQTT() { RePosition_Object(CP_MQTT); }
  void RePosition_Object_WiFi2() { RePosition_Object(CP_WiFi2); }
  void RePosition_Object_TLS() { RePosition_Object(CP_TLS); }
  void RePosition_Object_NTP() { RePosition_Object(CP_NTP); }
  void RePosition_Object_NMEA2000() { RePosition_Object(CP_NMEA2000); }
  void RePosition_Object_OPC_UA_Client() { RePosition_Object(CP_OPC_UA_Client); }
  void RePosition_Object_OPC_UA_Server() { RePosition_Object(CP_OPC_UA_Server); }
  void RePosition_Object_PROFINET() { RePosition_Object(CP_PROFINET); }
  void RePosition_Object_SNMP_Manager() { RePosition_Object(CP_SNMP_Manager); }
  void RePosition_Object_SNMP_Agent() { RePosition_Object(CP_SNMP_Agent); }
  void RePosition_Object_TLS_Server() { RePosition_Object(CP_TLS_Server); }
  void RePosition_Object_Select_Device() { RePosition_Object(CP_Select_Device); }
  void RePosition_Object_GSM_GPRS() { RePosition_Object(CP_GSM_GPRS); }
  void RePosition_Object_EtherNetIP_Master() { RePosition_Object(CP_EtherNetIP_Master); }
  void RePosition_Object_S7comm() { RePosition_Object(CP_S7_Protocol); }
  void Set_Lang();

  // The check boxes and combo boxes the layouts read, as they stand.
  TParGenChoices Choices() const;

  // The fields as the controls show them, and back.
  TParGenModel Fields() const;
  void Show_Fields(const TParGenModel& model);

  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

protected:
  bool DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) override;

private:
  void Make_Title_And_Buttons();
  void Make_Panel(TParGenPanel panel);
  void Set_Edit_Limits();
  void Fill_Combo_Lists();
  void Digits_Only(TObject* Sender, QChar& Key);
  // Shows, moves and enables the panel's rows and sets its height as `layout` says.
  void Apply_Layout(TParGenPanel panel, const TParGenPanelLayout& layout);
  // Enables or disables the panel's address rows (edits and gateway check box).
  void Enable_Address_Rows(TParGenPanel panel, bool enabled);
  void Place_Areas();

  int model_;
  std::array<TCategoryPanel*, kParGenPanelCount> panels_{};
  // The controls of each panel's rows, row by row, left to right as made.
  std::array<std::vector<std::vector<TControl*>>, kParGenPanelCount> rows_;
  bool placing_ = false;
};

// The form the main window shows in its "Set Communication" step.
extern TFParGen* FParGen;
