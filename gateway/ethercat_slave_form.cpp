#include "gateway/ethercat_slave_form.h"

#include "app/grid_rows/grid_rows.h"
#include "app/language/language.h"
#include "app/state/comon.h"
#include "app/table_editor/table_editor_grids.h"
#include "controls/button/fade_button.h"
#include "gateway/ethercat_slave_checks.h"
#include "gateway/ethercat_slave_variables.h"
#include "gateway/gateway_editors.h"
#include "grid/input/grid_combo.h"
#include "grid/view/ex_string_grid.h"
#include "platform/rtl/strings.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/page_control.h"

#include <utility>

TFEtherCATSlave* FEtherCATSlave = nullptr;

namespace {

constexpr int kData_Rows = kEC_RowCount - 1;

// One column of the tables as Init_Table builds it; the Master To Slave table has
// the same columns without Init Value.
struct TVariableColumn {
  int Title;  // language text of the title (Init_Table and the Slave To Master titles)
  int Width;
  TColor Color;
  bool ReadOnly;
  bool InSlaveToMaster_Only;
};
constexpr TVariableColumn kColumns[] = {
    {1014, 40, clNone, false, false},      // N (fixed column)
    {1015, 50, 0xB0D8FF, false, false},    // Enable, check box
    {1016, 120, 0xFEFAE0, false, false},   // Type, list of VarType
    {1017, 100, 0xFEFAE0, false, false},   // Length
    {1019, 280, 0xFEFAE0, false, false},   // Name
    {1020, 100, 0xA8FFA8, false, true},    // Init Value
    {1021, 100, 0xF4D6FC, true, false},    // Position, computed
    {1022, 100, 0xF4D6FC, true, false},    // Start Bit, computed
    {1023, 100, 0xFFFFFF, false, false},   // Mnemonic
};

// The columns of one table, in its order.
std::vector<TVariableColumn> Columns_Of(bool slaveToMaster) {
  std::vector<TVariableColumn> cols;
  for (const TVariableColumn& c : kColumns)
    if (slaveToMaster || !c.InSlaveToMaster_Only) cols.push_back(c);
  return cols;
}

constexpr int kStM_Hints[] = {1024, 1025, 1026, 1028, 1029, 1030, 1031, 1032};
constexpr int kMtS_First_Title = 1036;  // Set_Lang's titles of columns 0 to 7
constexpr int kMtS_First_Hint = 1044;   // hints of columns 1 to 7
constexpr int kDelete_Question = 1033;

// A table as the base builds it: Set_Lang's titles and hints, the widths, tints
// and read-only cells of Init_Table.
TEditorTableSpec Variable_Table(bool slaveToMaster) {
  TEditorTableSpec t{.Sheet = slaveToMaster ? "TS_SlaveToMaster" : "TS_MasterToSlave",
                     .SheetCaption = slaveToMaster ? 1034 : 1035,
                     .Grid = slaveToMaster ? "ESG_SlaveMaster" : "ESG_MasterSlave",
                     .Rows = kData_Rows};
  const std::vector<TVariableColumn> cols = Columns_Of(slaveToMaster);
  for (int c = 0; c < int(cols.size()); ++c) {
    const int hint = c == 0 ? 0 : slaveToMaster ? kStM_Hints[c - 1] : kMtS_First_Hint + c - 1;
    t.Columns.append({.Title = slaveToMaster ? cols[size_t(c)].Title : kMtS_First_Title + c,
                      .Hint = hint,
                      .Width = cols[size_t(c)].Width,
                      .Color = cols[size_t(c)].Color,
                      .ReadOnly = cols[size_t(c)].ReadOnly});
  }
  t.KeyColumn = kEC_Type;
  t.EnableColumn = kEC_Enable;
  t.DeleteQuestion = kDelete_Question;
  return t;
}

TTableEditorSpec Make_Spec() {
  static_assert(kText_EC_Surplus_Rows == kText_EC_Lost_Rows + 1 && kText_EC_Not_Saved == kText_EC_Lost_Rows + 2);
  TTableEditorSpec s = Gateway_Editor_Spec("FEtherCATSlave", TFEtherCATSlave::kClient_Width, 1000, 1008,
                                           &File_EtherCAT_Slave, kEC_Error_Row_Text, kText_EC_Lost_Rows);
  s.Hints = THintColumns::Real;
  s.StringGrid = true;
  s.Tables = {Variable_Table(true), Variable_Table(false)};
  return s;
}

const TTableEditorSpec kEtherCAT_Spec = Make_Spec();

}  // namespace

TFEtherCATSlave::TFEtherCATSlave(TComponent* AOwner) : TTableEditor(AOwner, kEtherCAT_Spec) {
  TS_SlaveToMaster = Sheets[0];
  TS_MasterToSlave = Sheets[1];
  ESG_SlaveMaster = Grids[0];
  ESG_MasterSlave = Grids[1];
  Design_Grid(ESG_SlaveMaster);
  Design_Grid(ESG_MasterSlave);
  // Only the copy and paste buttons show their hints.
  Btn_CopyRow->SetShowHint(true);
  Btn_PasteRow->SetShowHint(true);
  OnCreate = [this](TObject* s) {
    FormCreate(s);
    Init_Table();
  };
}

TFEtherCATSlave::~TFEtherCATSlave() = default;

// What the plain grids have beyond the table editor's: Tahoma, bold header and
// current cell, hovered rows, both scroll bars, no column sizing, and the events of
// the type rule and the positions.
void TFEtherCATSlave::Design_Grid(TExStringGrid* g) {
  g->Font()->SetName(QStringLiteral("Tahoma"));
  g->FixedFont()->SetName(QStringLiteral("Tahoma"));
  g->FixedFont()->SetStyle({fsBold});
  g->ActiveCellFont()->SetName(QStringLiteral("Tahoma"));
  g->ActiveCellFont()->SetStyle({fsBold});
  g->SetOptions({goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect, goEditing});
  g->SetScrollBars(ssBoth);
  g->HoverRow = true;
  g->OnCellValidate = [this](TObject* s, int c, int r, QString& v, bool& ok) {
    ESG_SlaveMasterCellValidate(s, c, r, v, ok);
  };
  g->OnGetEditorType = [this](TObject* s, int c, int r, TEditorType& e) { ESG_SlaveMasterGetEditorType(s, c, r, e); };
  g->OnCheckBoxChange = [this](TObject* s, int c, int r, bool st) { ESG_SlaveMasterCheckBoxChange(s, c, r, st); };
  g->OnComboChange = [this](TObject* s, int c, int r, int i, const QString& sel) {
    ESG_SlaveMasterComboChange(s, c, r, i, sel);
  };
  g->Combobox()->OnExit = [this](TObject*) { Type_List_Closed(); };
}

// ---------------------------------------------------------------------------
// Tables

// Runs after Set_Lang at creation: both tables take the Slave To Master titles of
// their columns, every row is reset, and the type list is filled.
void TFEtherCATSlave::Init_Table() {
  for (bool slaveToMaster : {true, false}) {
    TExStringGrid* grid = slaveToMaster ? ESG_SlaveMaster : ESG_MasterSlave;
    const std::vector<TVariableColumn> cols = Columns_Of(slaveToMaster);
    for (int c = 0; c < int(cols.size()); ++c) grid->SetCellEx(c, 0, Lang_Text(cols[size_t(c)].Title));
  }
  Reset_Tables();
  VarType.Clear();
  for (const TVarTypeLength& t : Var_Types) VarType.Add(QString::fromUtf16(t.Type));
}

// ---------------------------------------------------------------------------
// Showing

void TFEtherCATSlave::Load_File() {
  Load_Stop = Model.Load(File_EtherCAT_Slave);
  Show_Table(Model.SlaveToMaster, ESG_SlaveMaster);
  Show_Table(Model.MasterToSlave, ESG_MasterSlave);
  // Rows beyond the 256 of a table are not loaded (and OK would not write them).
  if (Load_Stop.isEmpty())
    Surplus_Rows = Surplus_Editor_Rows(File_EtherCAT_Slave, EtherCAT_Slave_File_Layout, kData_Rows);
}

void TFEtherCATSlave::Finish_Show() {
  Calc_Position_Bit(ESG_SlaveMaster, true);
  Calc_Position_Bit(ESG_MasterSlave, false);
  if (!Load_Stop.isEmpty()) MessageDlg(Load_Stop, mtError, {mbOK});
}

void TFEtherCATSlave::Show_Table(const TEtherCATVariableTable& Table, TExStringGrid* Grid) {
  TGridEditorTable grid(Grid, kEC_Enable);
  Copy_Editor_Table(Table, grid);
  for (int row = 1; row < kEC_RowCount; ++row)
    if (Find_Var_Type(Table.Cell(kEC_Type, row))) Grid->SetReadOnly(kEC_Length, row, Table.Length_Read_Only(row));
}

// ---------------------------------------------------------------------------
// Type rule, positions, checks, saving

void TFEtherCATSlave::VarSetLength(TExStringGrid* Grid, const QString& Type, int Row) {
  TGridEditorTable table(Grid, kEC_Enable);
  if (const std::optional<bool> readOnly = ::VarSetLength(table, Type, Row)) Grid->SetReadOnly(kEC_Length, Row, *readOnly);
}

void TFEtherCATSlave::Calc_Position_Bit(TExStringGrid* Grid, bool SlaveToMaster) {
  TGridEditorTable table(Grid, kEC_Enable);
  ::Calc_Position_Bit(table, SlaveToMaster);
}

std::optional<TRowCheckFailure> TFEtherCATSlave::Check_Tables() {
  const TGridEditorTable stm(ESG_SlaveMaster, kEC_Enable);
  const TGridEditorTable mts(ESG_MasterSlave, kEC_Enable);
  return ::Controllo_dati(stm, mts);
}

void TFEtherCATSlave::Save_File() {
  Copy_Editor_Table(TGridEditorTable(ESG_SlaveMaster, kEC_Enable), Model.SlaveToMaster);
  Copy_Editor_Table(TGridEditorTable(ESG_MasterSlave, kEC_Enable), Model.MasterToSlave);
  Model.Save(File_EtherCAT_Slave);
}

bool TFEtherCATSlave::Active_Is_Slave_To_Master() const { return Active_Table() == 0; }

TExStringGrid* TFEtherCATSlave::Grid_Of(TObject* Sender) const {
  const int t = Table_Of(Sender);
  return t >= 0 ? Grids[size_t(t)] : Active_Grid();
}

// ---------------------------------------------------------------------------
// Grid events

void TFEtherCATSlave::ESG_SlaveMasterCellValidate(TObject*, int ACol, int ARow, QString& Value, bool&) {
  // The value and its validity stay as they are; an edit of Enable, Type or
  // Length moves the positions. The grid stores the value after this handler, so
  // the positions are computed with the value being validated in its cell.
  if (ACol < kEC_Enable || ACol > kEC_Length) return;
  if (ACol == kEC_Type && Row_Before_Type_Edit.Grid && Row_Before_Type_Edit.Row == ARow)
    Row_Before_Type_Edit.Validated = true;
  TGridEditorTable table(Active_Grid(), kEC_Enable);
  if (ACol != kEC_Enable) table.Set_Pending(ACol, ARow, Value);
  ::Calc_Position_Bit(table, Active_Is_Slave_To_Master());
}

void TFEtherCATSlave::ESG_SlaveMasterGetEditorType(TObject* Sender, int ACol, int, TEditorType& AEditor) {
  if (ACol != kEC_Type) return;
  AEditor = edComboList;
  TExStringGrid* grid = Grid_Of(Sender);
  grid->ClearComboString();
  for (int i = 0; i < VarType.Count(); ++i) grid->AddComboString(VarType[i]);
}

void TFEtherCATSlave::ESG_SlaveMasterCheckBoxChange(TObject*, int ACol, int, bool) {
  if (ACol == kEC_Enable) Calc_Position_Bit(Active_Grid(), Active_Is_Slave_To_Master());
}

void TFEtherCATSlave::ESG_SlaveMasterComboChange(TObject*, int ACol, int ARow, int, const QString& ASelection) {
  if (ACol != kEC_Type) return;
  TExStringGrid* grid = Active_Grid();
  Remember_Row_Before_Type_Edit(grid, ARow);
  VarSetLength(grid, ASelection, ARow);
  grid->SetCellEx(kEC_Type, ARow, ASelection);
  Calc_Position_Bit(grid, Active_Is_Slave_To_Master());
}

void TFEtherCATSlave::Remember_Row_Before_Type_Edit(TExStringGrid* Grid, int Row) {
  TRowBeforeTypeEdit& r = Row_Before_Type_Edit;
  if (r.Grid == Grid && r.Row == Row && !r.Validated) return;  // a later choice of the same list
  r = TRowBeforeTypeEdit{Grid, Row};
  for (int col = 0; col < Grid->ColCount() + Grid->NumHiddenColumns(); ++col) r.Cells.append(Grid->GetCellEx(col, Row));
  r.Length_Read_Only = Grid->ReadOnly(kEC_Length, Row);
}

void TFEtherCATSlave::Type_List_Closed() {
  TRowBeforeTypeEdit r = std::exchange(Row_Before_Type_Edit, TRowBeforeTypeEdit{});
  if (!r.Grid || r.Validated) return;
  for (int col = 0; col < r.Cells.size(); ++col) r.Grid->SetCellEx(col, r.Row, r.Cells[col]);
  r.Grid->SetReadOnly(kEC_Length, r.Row, r.Length_Read_Only);
  Calc_Position_Bit(r.Grid, r.Grid == ESG_SlaveMaster);
}

// ---------------------------------------------------------------------------
// Buttons

QString TFEtherCATSlave::Delete_Question(int, int row) const {
  return QString(Lang_Text(kDelete_Question)).replace(QStringLiteral("%d"), IntToStr(row));
}

void TFEtherCATSlave::Btn_DelRowClick(TObject* Sender) {
  TTableEditor::Btn_DelRowClick(Sender);
  Calc_Position_Bit(Active_Grid(), Active_Is_Slave_To_Master());
}

void TFEtherCATSlave::Btn_PasteRowClick(TObject*) {
  TExStringGrid* grid = Active_Grid();
  const bool slaveToMaster = Active_Is_Slave_To_Master();
  const int row = grid->Row();
  TTableEditor::Btn_PasteRowClick(nullptr);
  // The row holds the clipboard only when the paste went through; a refused paste
  // changes nothing.
  const TGridEditorTable table(grid, kEC_Enable);
  if (Row_Clipboard.size() != table.ColCount() - 1) return;
  for (int c = 1; c < table.ColCount(); ++c)
    if (table.Cell(c, row) != Row_Clipboard[c - 1]) return;
  // The pasted Length stays as copied; only its read-only state follows the type.
  if (const TVarTypeLength* t = Find_Var_Type(table.Cell(kEC_Type, row))) grid->SetReadOnly(kEC_Length, row, t->ReadOnly);
  Calc_Position_Bit(grid, slaveToMaster);
}
