// The EtherCAT process-data editor of the "EtherCAT Set Access" step
// (TFEtherCATSlave): a table editor (app/table_editor) of two plain grids of 256
// variables, Slave To Master and Master To Slave, with the Type chosen from a list,
// the Length following the type, and the byte Position and Start Bit of every
// enabled variable computed. Shown, it reloads EtherCAT_Slave.xml; OK checks both
// tables and rewrites the file; Cancel writes nothing. File, type rule, positions
// and checks are the widget-free routines of ethercat_slave_*.h, run on the grids
// through an editor-table view.
#pragma once

#include "app/table_editor/table_editor.h"
#include "gateway/ethercat_slave_file.h"
#include "grid/view/grid_types.h"

class TExStringGrid;
class TTabSheet;

class TFEtherCATSlave : public TTableEditor {
public:
  explicit TFEtherCATSlave(TComponent* AOwner);
  ~TFEtherCATSlave() override;

  static constexpr int kClient_Width = 1200;

  TTabSheet* TS_SlaveToMaster = nullptr;
  TTabSheet* TS_MasterToSlave = nullptr;
  TExStringGrid* ESG_SlaveMaster = nullptr;
  TExStringGrid* ESG_MasterSlave = nullptr;

  TStringList& Hint_StM = Hint_Lists[0];  // header hints, entry i for column i + 1
  TStringList& Hint_MtS = Hint_Lists[1];
  TStringList VarType;  // the type names the Type column offers
  bool& Do_Copy_StM = Do_Copy[0];
  bool& Do_Copy_MtS = Do_Copy[1];

  void Init_Table();

  // The type rule on one row of a grid: Length cell and its read-only flag.
  void VarSetLength(TExStringGrid* Grid, const QString& Type, int Row);
  // Position and Start Bit of every row of the grid; the flag picks the Slave To
  // Master columns.
  void Calc_Position_Bit(TExStringGrid* Grid, bool SlaveToMaster);

  bool Active_Is_Slave_To_Master() const;

  // Grid events of the type rule and the positions, bound to both grids.
  void ESG_SlaveMasterCellValidate(TObject* Sender, int ACol, int ARow, QString& Value, bool& Valid);
  void ESG_SlaveMasterGetEditorType(TObject* Sender, int ACol, int ARow, TEditorType& AEditor);
  void ESG_SlaveMasterCheckBoxChange(TObject* Sender, int ACol, int ARow, bool State);
  void ESG_SlaveMasterComboChange(TObject* Sender, int ACol, int ARow, int AItemIndex, const QString& ASelection);

  // Delete and Paste move the positions; a pasted Length keeps its copied text.
  void Btn_DelRowClick(TObject* Sender) override;
  void Btn_PasteRowClick(TObject* Sender) override;

protected:
  // No page change and no position list at a showing.
  void Prepare_Show() override {}
  // The file through the model (which applies the type rule to each row).
  void Load_File() override;
  // Stored positions are always replaced by computed ones; then a stopped load's box.
  void Finish_Show() override;
  std::optional<TRowCheckFailure> Check_Tables() override;
  void Save_File() override;
  // The delete text's "%d" is the row number.
  QString Delete_Question(int table, int row) const override;

private:
  void Design_Grid(TExStringGrid* Grid);
  // The model's table into the grid, the Length read-only flags included.
  void Show_Table(const TEtherCATVariableTable& Table, TExStringGrid* Grid);
  TExStringGrid* Grid_Of(TObject* Sender) const;
  // The Type list's choices change the row at once; Escape (the list closed without
  // its choice being validated) puts the whole row back as it was before the list
  // opened, positions included.
  void Remember_Row_Before_Type_Edit(TExStringGrid* Grid, int Row);
  void Type_List_Closed();

  struct TRowBeforeTypeEdit {
    TExStringGrid* Grid = nullptr;  // none while no Type list is open
    int Row = 0;
    QStringList Cells;
    bool Length_Read_Only = false;
    bool Validated = false;
  } Row_Before_Type_Edit;

  TEtherCATSlaveModel Model;
  QString Load_Stop;  // the reason the last load stopped, shown after the positions
};

// The form the main window shows in its "EtherCAT Set Access" step.
extern TFEtherCATSlave* FEtherCATSlave;
