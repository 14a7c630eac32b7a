#include "gateway/ethercat_slave_form.h"

#include "app/editor_file/row_check_failure.h"
#include "app/grid_rows/grid_rows.h"
#include "app/language/language.h"
#include "app/state/comon.h"
#include "controls/button/fade_button.h"
#include "app/table_editor/form_frame.h"
#include "gateway/ethercat_slave_checks.h"
#include "gateway/ethercat_slave_variables.h"
#include "grid/input/grid_combo.h"
#include "grid/view/ex_string_grid.h"
#include "platform/rtl/exceptions.h"
#include "platform/rtl/strings.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/labels.h"
#include "platform/ui/page_control.h"
#include "platform/ui/shapes.h"

#include <algorithm>
#include <utility>

TFEtherCATSlave* FEtherCATSlave = nullptr;

namespace {

constexpr TColor kForm_Color = 0xEDF7F8;
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
constexpr int kMtS_First_Title = 1036;  // titles of columns 0 to 7
constexpr int kMtS_First_Hint = 1044;   // hints of columns 1 to 7
constexpr int kDelete_Question = 1033;

}  // namespace

TFEtherCATSlave::TFEtherCATSlave(TComponent* AOwner) : TForm(AOwner) {
  SetName(QStringLiteral("FEtherCATSlave"));
  SetColor(kForm_Color);
  SetPosition(poScreenCenter);
  Font()->SetName(QStringLiteral("Verdana"));
  Make_Title_And_Buttons();
  Make_Pages();
  SetClientSize(kClient_Width, kClient_Height);
  OnCreate = [this](TObject* s) { FormCreate(s); };
  OnShow = [this](TObject* s) { FormShow(s); };
  Place_Areas();
}

TFEtherCATSlave::~TFEtherCATSlave() = default;

void TFEtherCATSlave::Make_Title_And_Buttons() {
  const TFormTitle title = Make_Form_Title(this, kForm_Color, 300, 900, true);
  P_Title = title.Panel;
  L_SW_Code = title.Code;
  L_SW_Desc = title.Desc;

  P_Button = Make_Button_Panel(this, kForm_Color);
  Make_Row_Buttons(this, P_Button);
  // Only the copy and paste buttons show their hints.
  Btn_CopyRow->SetShowHint(true);
  Btn_PasteRow->SetShowHint(true);
}

void TFEtherCATSlave::Make_Pages() {
  const TTwoSheets sheets = Make_Two_Sheets(this, QStringLiteral("TS_SlaveToMaster"), QStringLiteral("TS_MasterToSlave"));
  PageControl1 = sheets.Pages;
  TS_SlaveToMaster = sheets.First;
  TS_MasterToSlave = sheets.Second;
  ESG_SlaveMaster = Make_Grid(TS_SlaveToMaster, QStringLiteral("ESG_SlaveMaster"), kStM_ColCount);
  ESG_MasterSlave = Make_Grid(TS_MasterToSlave, QStringLiteral("ESG_MasterSlave"), kMtS_ColCount);
}

TExStringGrid* TFEtherCATSlave::Make_Grid(TTabSheet* Page, const QString& Name, int ColCount) {
  auto* g = new TExStringGrid(this);
  g->SetName(Name);
  g->SetParent(Page);
  // The designed size, so that the texts find their title cells before Init_Table.
  g->SetColCount(ColCount);
  g->SetRowCount(kEC_RowCount);
  g->Font()->SetName(QStringLiteral("Tahoma"));
  g->FixedFont()->SetName(QStringLiteral("Tahoma"));
  g->FixedFont()->SetStyle({fsBold});
  g->ActiveCellFont()->SetName(QStringLiteral("Tahoma"));
  g->ActiveCellFont()->SetStyle({fsBold});
  g->SetOptions({goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect, goEditing});
  g->SetScrollBars(ssBoth);
  g->HoverRow = true;
  g->OnClickCell = [this](TObject* s, int r, int c) { ClickCell(s, r, c); };
  g->OnDblClickCell = [this](TObject* s, int r, int c) { DblClickCell(s, r, c); };
  g->OnKeyPress = [this](TObject* s, QChar& k) { KeyPress(s, k); };
  g->OnGridHint = [this](TObject* s, int r, int c, QString& h) { GridHint(s, r, c, h); };
  g->OnCellValidate = [this](TObject* s, int c, int r, QString& v, bool& ok) {
    ESG_SlaveMasterCellValidate(s, c, r, v, ok);
  };
  g->OnGetEditorType = [this](TObject* s, int c, int r, TEditorType& e) { ESG_SlaveMasterGetEditorType(s, c, r, e); };
  g->OnCheckBoxChange = [this](TObject* s, int c, int r, bool st) { ESG_SlaveMasterCheckBoxChange(s, c, r, st); };
  g->OnComboChange = [this](TObject* s, int c, int r, int i, const QString& sel) {
    ESG_SlaveMasterComboChange(s, c, r, i, sel);
  };
  g->Combobox()->OnExit = [this](TObject*) { Type_List_Closed(); };
  return g;
}

// ---------------------------------------------------------------------------
// Creation, texts, tables

void TFEtherCATSlave::FormCreate(TObject*) {
  L_SW_Code->SetCaption(SW_Code);
  SetClientSize(kClient_Width, kClient_Height);
  PageControl1->SetActivePage(TS_SlaveToMaster);
  Set_Lang();
  Init_Table();
}

void TFEtherCATSlave::Set_Lang() {
  SetCaption(Lang_Text(1000));
  L_SW_Desc->SetCaption(Lang_Text(1001));
  const auto buttons = Row_Buttons(this);
  for (int i = 0; i < 6; ++i) {
    buttons[size_t(i)]->SetCaption(Lang_Text(1002 + i));
    buttons[size_t(i)]->SetHint(Lang_Text(1008 + i));
  }
  const std::vector<TVariableColumn> stm = Columns_Of(true);
  for (int c = 0; c < kStM_ColCount; ++c) ESG_SlaveMaster->SetCellEx(c, 0, Lang_Text(stm[size_t(c)].Title));
  Hint_StM.Clear();
  for (int text : kStM_Hints) Hint_StM.Add(Lang_Text(text));
  TS_SlaveToMaster->SetCaption(Lang_Text(1034));
  TS_MasterToSlave->SetCaption(Lang_Text(1035));
  for (int c = 0; c < kMtS_ColCount; ++c) ESG_MasterSlave->SetCellEx(c, 0, Lang_Text(kMtS_First_Title + c));
  Hint_MtS.Clear();
  for (int c = 1; c < kMtS_ColCount; ++c) Hint_MtS.Add(Lang_Text(kMtS_First_Hint + c - 1));
}

void TFEtherCATSlave::Init_Table() {
  Init_Grid(ESG_SlaveMaster, true);
  Init_Grid(ESG_MasterSlave, false);
  VarType.Clear();
  for (const TVarTypeLength& t : Var_Types) VarType.Add(QString::fromUtf16(t.Type));
}

void TFEtherCATSlave::Init_Grid(TExStringGrid* Grid, bool SlaveToMaster) {
  const std::vector<TVariableColumn> cols = Columns_Of(SlaveToMaster);
  Grid->SetColCount(int(cols.size()));
  Grid->SetRowCount(kEC_RowCount);
  Grid->SetFixedCols(1);
  Grid->SetFixedRows(1);
  Grid->SetRowHeights(0, 22);
  Grid->AddCheckBoxColumn(kEC_Enable, true, false);
  for (int c = 0; c < int(cols.size()); ++c) {
    Grid->SetColWidths(c, cols[size_t(c)].Width);
    Grid->SetCellEx(c, 0, Lang_Text(cols[size_t(c)].Title));
    if (c == 0) continue;
    for (int row = 1; row < kEC_RowCount; ++row) {
      Grid->SetColors(c, row, cols[size_t(c)].Color);
      if (c == kEC_Enable) Grid->SetAlignments(c, row, taCenter);
    }
  }
  Reset_Grid(Grid, SlaveToMaster);
}

void TFEtherCATSlave::Reset_Grid(TExStringGrid* Grid, bool SlaveToMaster) {
  const std::vector<TVariableColumn> cols = Columns_Of(SlaveToMaster);
  TGridEditorTable table(Grid, kEC_Enable);
  Reset_Editor_Table(table);
  // Hidden columns (none in these tables) are reset by the loop above too; each
  // showing starts from the designed read-only cells.
  for (int row = 1; row < kEC_RowCount; ++row)
    for (int c = 1; c < int(cols.size()); ++c) Grid->SetReadOnly(c, row, cols[size_t(c)].ReadOnly);
}

// ---------------------------------------------------------------------------
// Showing

void TFEtherCATSlave::FormShow(TObject*) {
  // 1. Both tables empty, every Enable box checked.
  Reset_Grid(ESG_SlaveMaster, true);
  Reset_Grid(ESG_MasterSlave, false);
  // 2. The file, when there is one (the model applies the type rule to each row).
  const QString failure = Model.Load(File_EtherCAT_Slave);
  Show_Table(Model.SlaveToMaster, ESG_SlaveMaster);
  Show_Table(Model.MasterToSlave, ESG_MasterSlave);
  // 3. Stored positions are always replaced by computed ones.
  Calc_Position_Bit(ESG_SlaveMaster, true);
  Calc_Position_Bit(ESG_MasterSlave, false);
  // 4.
  Do_Copy_StM = false;
  Do_Copy_MtS = false;
  if (!failure.isEmpty()) {
    MessageDlg(failure, mtError, {mbOK});
    return;
  }
  // Rows beyond the 256 of a table are not loaded (and OK would not write them).
  if (const int surplus = Surplus_Editor_Rows(File_EtherCAT_Slave, EtherCAT_Slave_File_Layout, kData_Rows))
    MessageDlg(Lang_Text(kText_EC_Surplus_Rows).arg(File_EtherCAT_Slave).arg(surplus), mtWarning, {mbOK});
}

void TFEtherCATSlave::Show_Table(const TEtherCATVariableTable& Table, TExStringGrid* Grid) {
  TGridEditorTable grid(Grid, kEC_Enable);
  Copy_Editor_Table(Table, grid);
  for (int row = 1; row < kEC_RowCount; ++row)
    if (Find_Var_Type(Table.Cell(kEC_Type, row))) Grid->SetReadOnly(kEC_Length, row, Table.Length_Read_Only(row));
}

// ---------------------------------------------------------------------------
// Type rule, positions, checks

void TFEtherCATSlave::VarSetLength(TExStringGrid* Grid, const QString& Type, int Row) {
  TGridEditorTable table(Grid, kEC_Enable);
  if (const std::optional<bool> readOnly = ::VarSetLength(table, Type, Row)) Grid->SetReadOnly(kEC_Length, Row, *readOnly);
}

void TFEtherCATSlave::Calc_Position_Bit(TExStringGrid* Grid, bool SlaveToMaster) {
  TGridEditorTable table(Grid, kEC_Enable);
  ::Calc_Position_Bit(table, SlaveToMaster);
}

bool TFEtherCATSlave::Controllo_dati() {
  const TGridEditorTable stm(ESG_SlaveMaster, kEC_Enable);
  const TGridEditorTable mts(ESG_MasterSlave, kEC_Enable);
  const std::optional<TRowCheckFailure> failure = ::Controllo_dati(stm, mts);
  if (!failure) return true;
  MessageDlg(Row_Check_Message(*failure, kEC_Error_Row_Text), mtError, {mbOK});
  return false;
}

TExStringGrid* TFEtherCATSlave::Active_Grid() const {
  return Active_Is_Slave_To_Master() ? ESG_SlaveMaster : ESG_MasterSlave;
}

bool TFEtherCATSlave::Active_Is_Slave_To_Master() const { return PageControl1->ActivePage() == TS_SlaveToMaster; }

TExStringGrid* TFEtherCATSlave::Grid_Of(TObject* Sender) const {
  if (Sender == ESG_MasterSlave) return ESG_MasterSlave;
  if (Sender == ESG_SlaveMaster) return ESG_SlaveMaster;
  return Active_Grid();
}

// ---------------------------------------------------------------------------
// Grid events

void TFEtherCATSlave::ClickCell(TObject* Sender, int ARow, int ACol) {
  if (ACol == 0) Grid_Of(Sender)->SelectRows(ARow, 1);
}

void TFEtherCATSlave::DblClickCell(TObject* Sender, int ARow, int ACol) { Grid_Auto_Size_Col(Grid_Of(Sender), ARow, ACol); }

void TFEtherCATSlave::KeyPress(TObject* Sender, QChar& Key) { Grid_Enter_Next_Cell(Grid_Of(Sender), Key); }

void TFEtherCATSlave::GridHint(TObject* Sender, int ARow, int ACol, QString& HintStr) {
  TExStringGrid* grid = Grid_Of(Sender);
  const TStringList& hints = grid == ESG_SlaveMaster ? Hint_StM : Hint_MtS;
  const int c = grid->RealColIndex(ACol);
  HintStr = ARow == 0 && c > 0 && c - 1 < hints.Count() ? hints[c - 1] : QString();
}

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

bool TFEtherCATSlave::Confirm_Lost_Rows() {
  const struct {
    TExStringGrid* Grid;
    TTabSheet* Page;
    int Layout;
  } tables[] = {{ESG_SlaveMaster, TS_SlaveToMaster, 0}, {ESG_MasterSlave, TS_MasterToSlave, 1}};
  for (const auto& t : tables) {
    const TGridEditorTable table(t.Grid, kEC_Enable);
    const int gap = First_Lost_Row(EtherCAT_Slave_File_Layout.Tables[t.Layout], table);
    if (gap == 0) continue;
    const QString question = Lang_Text(kText_EC_Lost_Rows).arg(t.Page->Caption()).arg(gap);
    if (MessageDlg(question, mtConfirmation, {mbYes, mbNo}) != mrYes) return false;
  }
  return true;
}

void TFEtherCATSlave::Btn_OKClick(TObject*) {
  if (!Controllo_dati()) return;
  if (!Confirm_Lost_Rows()) return;
  Copy_Editor_Table(TGridEditorTable(ESG_SlaveMaster, kEC_Enable), Model.SlaveToMaster);
  Copy_Editor_Table(TGridEditorTable(ESG_MasterSlave, kEC_Enable), Model.MasterToSlave);
  try {
    Model.Save(File_EtherCAT_Slave);
  } catch (const Exception& e) {
    // Not written: say so and stay open, so nothing typed is lost.
    MessageDlg(Lang_Text(kText_EC_Not_Saved) + u'\n' + e.Message, mtError, {mbOK});
    return;
  }
  SetModalResult(mrOk);
}

void TFEtherCATSlave::Btn_DelRowClick(TObject*) {
  TExStringGrid* grid = Active_Grid();
  const int row = grid->Row();
  if (MessageDlg(QString(Lang_Text(kDelete_Question)).replace(QStringLiteral("%d"), IntToStr(row)), mtConfirmation,
                 {mbYes, mbNo}) == mrYes)
    Delete_Grid_Row(row, grid, true);
  Calc_Position_Bit(grid, Active_Is_Slave_To_Master());
}

void TFEtherCATSlave::Btn_InsRowClick(TObject*) {
  TExStringGrid* grid = Active_Grid();
  Insert_Grid_Row(grid->Row(), grid, true);
}

void TFEtherCATSlave::Btn_CopyRowClick(TObject*) {
  TExStringGrid* grid = Active_Grid();
  Copy_Grid_Row(grid, grid->Row());
  Do_Copy_StM = grid == ESG_SlaveMaster;
  Do_Copy_MtS = grid == ESG_MasterSlave;
}

void TFEtherCATSlave::Btn_PasteRowClick(TObject*) {
  TExStringGrid* grid = Active_Grid();
  const bool slaveToMaster = Active_Is_Slave_To_Master();
  const int row = grid->Row();
  Paste_Grid_Row(grid, row, slaveToMaster ? Do_Copy_StM : Do_Copy_MtS);
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

// ---------------------------------------------------------------------------
// Layout: the title on top, the buttons at the bottom, the pages in between with
// each grid filling its page.

void TFEtherCATSlave::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  TForm::SetBounds(ALeft, ATop, AWidth, AHeight);
  Place_Areas();
}

void TFEtherCATSlave::Place_Areas() {
  if (!P_Title || !P_Button || !PageControl1) return;
  const int w = ClientWidth();
  const int h = ClientHeight();
  P_Title->SetBounds(0, 0, w, kTitle_Height);
  P_Button->SetBounds(0, std::max(kTitle_Height, h - kButtons_Height), w, kButtons_Height);
  PageControl1->SetBounds(0, kTitle_Height, w, std::max(0, h - kTitle_Height - kButtons_Height));
  for (TTabSheet* page : {TS_SlaveToMaster, TS_MasterToSlave}) {
    TControl* grid = page == TS_SlaveToMaster ? static_cast<TControl*>(ESG_SlaveMaster) : static_cast<TControl*>(ESG_MasterSlave);
    if (!grid) continue;
    // The sheet's client area: the control less its tab row and frame.
    grid->SetBounds(0, 0, std::max(0, PageControl1->Width() - kSheet_Frame), std::max(0, PageControl1->Height() - kSheet_Top));
  }
}
