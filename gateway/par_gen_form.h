// The communication-parameter form of the "Set Communication" step (TFParGen): the
// category panels of the whole converter family in one scrolling group, of which
// this model shows three; loads ParGen.xml or the defaults when shown, checks the
// fields on OK and writes the file. Panels, rows, texts and checks come from the
// widget-free tables beside it (par_gen_*.h).
#pragma once

#include "gateway/par_gen_file.h"
#include "gateway/par_gen_panels.h"
#include "platform/ui/form.h"

#include <array>

class TCategoryPanel;
class TCategoryPanelGroup;
class TCheckBox;
class TComboBox;
class TEdit;
class TFadeButton;
class TLabel;
class TPanel;

class TFParGen : public TForm {
public:
  explicit TFParGen(TComponent* AOwner);

  static constexpr int kClient_Width = 460;
  static constexpr int kClient_Height = 700;
  static constexpr int kTitle_Height = 69;
  static constexpr int kButtons_Height = 40;
  // ParGen.xml could not be written (the cause follows on the next line).
  static constexpr int kText_ParGen_Not_Saved = 1688;

  TPanel* P_Title = nullptr;
  TLabel* L_SW_Code = nullptr;
  TLabel* L_SW_Desc = nullptr;
  TCategoryPanelGroup* CPG = nullptr;
  TPanel* P_Button = nullptr;
  TFadeButton* Btn_OK = nullptr;
  TFadeButton* Btn_Cancel = nullptr;

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
  void RePosition_Objects_82K03();
  void RePosition_Object_Ethernet_Connection();
  void RePosition_Object_EtherCAT_Slave();
  void RePosition_Object_Modbus_TCP_Master();
  void Set_Lang();

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
  // Sets the panel's height by the height rule from its lowest visible control.
  void Fit_Panel_Height(TParGenPanel panel);
  // Enables or disables the panel's address rows (edits and gateway check box).
  void Enable_Address_Rows(TParGenPanel panel, bool enabled);
  void Place_Areas();

  std::array<TCategoryPanel*, kParGenPanelCount> panels_{};
  bool placing_ = false;
};

// The form the main window shows in its "Set Communication" step.
extern TFParGen* FParGen;
