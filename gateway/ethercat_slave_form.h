// The EtherCAT process-data editor of the "EtherCAT Set Access" step
// (TFEtherCATSlave): two plain grids of 256 variables, Slave To Master and Master
// To Slave, with the Type chosen from a list, the Length following the type, and
// the byte Position and Start Bit of every enabled variable computed. Shown, it
// reloads EtherCAT_Slave.xml; OK checks both tables and rewrites the file; Cancel
// writes nothing. File, type rule, positions and checks are the widget-free
// routines of ethercat_slave_*.h, run on the grids through an editor-table view.
#pragma once

#include "gateway/ethercat_slave_file.h"
#include "app/table_editor/table_editor_grids.h"
#include "grid/view/grid_types.h"
#include "platform/rtl/string_list.h"
#include "platform/ui/form.h"

class TExStringGrid;
class TFadeButton;
class TLabel;
class TPageControl;
class TPanel;
class TTabSheet;

class TFEtherCATSlave : public TForm {
public:
  explicit TFEtherCATSlave(TComponent* AOwner);
  ~TFEtherCATSlave() override;

  static constexpr int kClient_Width = 1200;
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
  TTabSheet* TS_SlaveToMaster = nullptr;
  TTabSheet* TS_MasterToSlave = nullptr;
  TExStringGrid* ESG_SlaveMaster = nullptr;
  TExStringGrid* ESG_MasterSlave = nullptr;

  TStringList Hint_StM;  // header hints, entry i for column i + 1
  TStringList Hint_MtS;
  TStringList VarType;   // the type names the Type column offers
  bool Do_Copy_StM = false;
  bool Do_Copy_MtS = false;

  void FormCreate(TObject* Sender);
  void FormShow(TObject* Sender);
  void Set_Lang();
  void Init_Table();

  // The type rule on one row of a grid: Length cell and its read-only flag.
  void VarSetLength(TExStringGrid* Grid, const QString& Type, int Row);
  // Position and Start Bit of every row of the grid; the flag picks the Slave To
  // Master columns.
  void Calc_Position_Bit(TExStringGrid* Grid, bool SlaveToMaster);
  // The checks of OK; the first failure is shown in an error box.
  bool Controllo_dati();

  // The grid on the page shown, and whether that is Slave To Master.
  TExStringGrid* Active_Grid() const;
  bool Active_Is_Slave_To_Master() const;

  // Grid events, bound to both grids.
  void ClickCell(TObject* Sender, int ARow, int ACol);
  void DblClickCell(TObject* Sender, int ARow, int ACol);
  void KeyPress(TObject* Sender, QChar& Key);
  void GridHint(TObject* Sender, int ARow, int ACol, QString& HintStr);
  void ESG_SlaveMasterCellValidate(TObject* Sender, int ACol, int ARow, QString& Value, bool& Valid);
  void ESG_SlaveMasterGetEditorType(TObject* Sender, int ACol, int ARow, TEditorType& AEditor);
  void ESG_SlaveMasterCheckBoxChange(TObject* Sender, int ACol, int ARow, bool State);
  void ESG_SlaveMasterComboChange(TObject* Sender, int ACol, int ARow, int AItemIndex, const QString& ASelection);

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
  TExStringGrid* Make_Grid(TTabSheet* Page, const QString& Name, int ColCount);
  void Init_Grid(TExStringGrid* Grid, bool SlaveToMaster);
  // Step 1 of showing: every row numbered, Enable checked, other cells empty, the
  // designed read-only cells.
  void Reset_Grid(TExStringGrid* Grid, bool SlaveToMaster);
  // The model's table into the grid, the Length read-only flags included.
  void Show_Table(const TEtherCATVariableTable& Table, TExStringGrid* Grid);
  // Asks before OK drops rows that follow a row without a Type; false to stay.
  bool Confirm_Lost_Rows();
  TExStringGrid* Grid_Of(TObject* Sender) const;
  // The Type list's choices change the row at once; Escape (the list closed without
  // its choice being validated) puts the whole row back as it was before the list
  // opened, positions included.
  void Remember_Row_Before_Type_Edit(TExStringGrid* Grid, int Row);
  void Type_List_Closed();

  TEtherCATSlaveModel Model;
  struct TRowBeforeTypeEdit {
    TExStringGrid* Grid = nullptr;  // none while no Type list is open
    int Row = 0;
    QStringList Cells;
    bool Length_Read_Only = false;
    bool Validated = false;
  } Row_Before_Type_Edit;
};

// The form the main window shows in its "EtherCAT Set Access" step.
extern TFEtherCATSlave* FEtherCATSlave;
