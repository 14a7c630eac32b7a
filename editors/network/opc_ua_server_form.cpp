#include "editors/network/opc_ua_server_form.h"

#include "app/grid_rows/grid_rows.h"
#include "app/language/language.h"
#include "app/state/comon.h"
#include "app/table_editor/table_editor_grids.h"
#include "editors/network/opc_ua_format.h"
#include "editors/network/opc_ua_server_variables.h"
#include "grid/view/ex_string_grid.h"
#include "platform/rtl/strings.h"
#include "platform/ui/dialogs.h"

TFOPC_UA_Server_Access* FOPC_UA_Server_Access = nullptr;

TFOPC_UA_Server_Access::TFOPC_UA_Server_Access(TComponent* AOwner) : TTableEditor(AOwner, OPC_UA_Server_Spec) {
  ESG = Grids.front();
  ESG->OnGetEditorType = [this](TObject* s, int c, int r, TEditorType& e) { ESGGetEditorType(s, c, r, e); };
  ESG->OnComboChange = [this](TObject* s, int c, int r, int i, const QString& sel) { ESGComboChange(s, c, r, i, sel); };
  OnCreate = [this](TObject* s) {
    FormCreate(s);
    Init_Table();
  };
}

// After Set_Lang at creation: the titles once more, the row numbers and the two
// item lists (widths, tints, the centred check boxes come with the grid).
void TFOPC_UA_Server_Access::Init_Table() {
  const TEditorTableSpec& table = OPC_UA_Server_Spec.Tables.front();
  for (int c = 0; c < int(table.Columns.size()); ++c) ESG->SetCellEx(c, 0, Lang_Text(table.Columns[c].Title));
  for (int row = 1; row < ESG->RowCount(); ++row) ESG->SetCellEx(0, row, IntToStr(row));
  VarType.Clear();
  for (const QString& type : kOS_Var_Types) VarType.Add(type);
  RWType.Clear();
  for (const QString& rw : kOS_RW_Types) RWType.Add(rw);
}

void TFOPC_UA_Server_Access::Load_File() {
  TTableEditor::Load_File();
  for (int row = 1; row < ESG->RowCount(); ++row)
    if (const std::optional<TOS_Length> length = OS_Type_Length(ESG->GetCellEx(kOS_Type, row)))
      ESG->SetReadOnly(kOS_Length, row, length->ReadOnly);
}

bool TFOPC_UA_Server_Access::Controllo_dati() {
  const QString fault = OS_Check(*Cells(0));
  if (fault.isEmpty()) return true;
  MessageDlg(fault, mtError, {mbOK});
  return false;
}

QString TFOPC_UA_Server_Access::Delete_Question(int, int row) const {
  return Format_Numbers(Lang_Text(4528), {row});
}

void TFOPC_UA_Server_Access::ESGGetEditorType(TObject*, int ACol, int, TEditorType& AEditor) {
  const TStringList* items = ACol == kOS_Type ? &VarType : ACol == kOS_ReadWrite ? &RWType : nullptr;
  if (!items) return;
  AEditor = edComboList;
  ESG->ClearComboString();
  for (int i = 0; i < items->Count(); ++i) ESG->AddComboString((*items)[i]);
}

void TFOPC_UA_Server_Access::ESGComboChange(TObject*, int ACol, int ARow, int, const QString& ASelection) {
  if (ACol == kOS_Type) VarSetLength(ASelection, ACol, ARow);
}

void TFOPC_UA_Server_Access::VarSetLength(const QString& ASelection, int, int ARow) {
  TGridEditorTable table(ESG, kOS_Enable);
  if (const std::optional<bool> readOnly = OS_VarSetLength(table, ASelection, ARow))
    ESG->SetReadOnly(kOS_Length, ARow, *readOnly);
}

void TFOPC_UA_Server_Access::Btn_PasteRowClick(TObject* Sender) {
  const int row = ESG->Row();
  TTableEditor::Btn_PasteRowClick(Sender);
  // Only a paste that went through changes the row: a refused one (nothing copied
  // here, another width, the overwrite question answered No) leaves it alone.
  const TGridEditorTable table(ESG, kOS_Enable);
  if (row < 1 || row >= ESG->RowCount() || Row_Clipboard.size() != table.ColCount() - 1) return;
  for (int c = 1; c < table.ColCount(); ++c)
    if (table.Cell(c, row) != Row_Clipboard[c - 1]) return;
  const QString length = ESG->GetCellEx(kOS_Length, row);
  VarSetLength(ESG->GetCellEx(kOS_Type, row), kOS_Type, row);
  ESG->SetCellEx(kOS_Length, row, length);
}
