// The Modbus TCP master rule editor of the "Modbus Set Access" step
// (TFModbus_TCP_Master_Set_Access): two column grids of 512 rules, Modbus Read
// and Modbus Write, with list columns for the type, byte position and start bit
// and data check boxes for the flags. Shown, it reloads ModbusTCPM_SetAccess.xml;
// OK checks both tables and rewrites the file; Cancel writes nothing. File and
// checks are the widget-free routines of modbus_tcp_master_*.h.
#pragma once

#include "gateway/modbus_tcp_master_file.h"
#include "app/table_editor/table_editor_grids.h"
#include "platform/rtl/string_list.h"
#include "platform/ui/form.h"

class TExColumnGrid;
class TExStringGrid;
class TFadeButton;
class TLabel;
class TPageControl;
class TPanel;
class TTabSheet;

class TFModbus_TCP_Master_Set_Access : public TForm {
public:
  explicit TFModbus_TCP_Master_Set_Access(TComponent* AOwner);
  ~TFModbus_TCP_Master_Set_Access() override;

  static constexpr int kClient_Width = 1150;
  static constexpr int kClient_Height = 337;
  static constexpr int kTitle_Height = 69;
  static constexpr int kButtons_Height = 40;
  // What a page takes of the page control: the tab row above, a frame around.
  static constexpr int kSheet_Top = 28;
  static constexpr int kSheet_Frame = 6;

  TPanel* P_Title = nullptr;
  TLabel* L_SW_Code = nullptr;
  TLabel* L_SW_Desc = nullptr;
  TPanel* P_Button = nullptr;
  TFadeButton* Btn_OK = nullptr;
  TFadeButton* Btn_Cancel = nullptr;
  TFadeButton* Btn_DelRow = nullptr;
  TFadeButton* Btn_InsRow = nullptr;
  TFadeButton* Btn_CopyRow = nullptr;
  TFadeButton* Btn_PasteRow = nullptr;
  TPageControl* PageControl1 = nullptr;
  TTabSheet* TS_Modbus_Read = nullptr;
  TTabSheet* TS_Modbus_Write = nullptr;
  TExColumnGrid* ECG_Modbus_Read = nullptr;
  TExColumnGrid* ECG_Modbus_Write = nullptr;

  bool Do_Copy_In_Read = false;
  bool Do_Copy_In_Write = false;
  TStringList Hint_Modbus_Set_Access_Read;   // entry i for column i + 1
  TStringList Hint_Modbus_Set_Access_Write;
  int NByte_IN = kMB_Data_Bytes;
  int NByte_OUT = kMB_Data_Bytes;

  void FormCreate(TObject* Sender);
  void FormShow(TObject* Sender);
  void Set_Lang();

  // The checks of OK; the first failure is shown in an error box.
  bool Controllo_dati();
  // The topic names of the Read table's Topic column (none in this model).
  QStringList& List_Publish_Topic() { return Model.List_Publish_Topic; }

  TExColumnGrid* Active_Grid() const;

  // Grid events: the click, double click, key press and hint handlers serve both
  // tables.
  void ClickCell(TObject* Sender, int ARow, int ACol);
  void ECG_Modbus_ReadDblClickCell(TObject* Sender, int ARow, int ACol);
  void ECG_Modbus_WriteKeyPress(TObject* Sender, QChar& Key);
  void ECG_Modbus_WriteGridHint(TObject* Sender, int ARow, int ACol, QString& HintStr);

  void Btn_OKClick(TObject* Sender);
  void Btn_DelRowClick(TObject* Sender);
  void Btn_InsRowClick(TObject* Sender);
  void Btn_CopyRowClick(TObject* Sender);
  void Btn_PasteRowClick(TObject* Sender);

  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

private:
  void Place_Areas();
  void Make_Title_And_Buttons();
  void Make_Pages();
  TExColumnGrid* Make_Grid(TTabSheet* Page, const QString& Name, bool Read);
  // The list of "0" .. Count - 1 for a Position column.
  void Fill_Positions(TExColumnGrid* Grid, int Col, int Count);
  // Asks before OK drops rules that follow a row without an address; false to stay.
  bool Confirm_Lost_Rows();
  TExColumnGrid* Grid_Of(TObject* Sender) const;

  TModbusTCPMasterModel Model;
};

// The form the main window shows in its "Modbus Set Access" step.
extern TFModbus_TCP_Master_Set_Access* FModbus_TCP_Master_Set_Access;
