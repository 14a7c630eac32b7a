#include "editors/fieldbus/bacnet_server_form.h"

#include "app/state/comon.h"
#include "app/table_editor/table_editor_grids.h"
#include "editors/fieldbus/bacnet_server_objects.h"
#include "editors/fieldbus/bacnet_unit_form.h"
#include "editors/fieldbus/bacnet_units.h"
#include "grid/view/column_grid.h"
#include "platform/rtl/numbers.h"
#include "platform/ui/edit.h"
#include "platform/ui/labels.h"
#include "platform/ui/page_control.h"

TFBACnetSlaveSetAccess* FBACnetSlaveSetAccess = nullptr;

TFBACnetSlaveSetAccess::TFBACnetSlaveSetAccess(TComponent* AOwner) : TTableEditor(AOwner, BACnet_Server_Spec) {
  TS_BACnet_in_Read = Sheets[0];
  TS_BACnet_in_Write = Sheets[1];
  ECG_BACnet_in_Read = Column_Grid(0);
  ECG_BACnet_in_Write = Column_Grid(1);
  ECG_BACnet_in_Read->HideColumn(kBS_Swap);
  ECG_BACnet_in_Write->HideColumn(kBS_Swap);
  ECG_BACnet_in_Write->OnComboChange = [this](TObject* s, int c, int r, int i, const QString& t) {
    ECG_BACnet_in_WriteComboChange(s, c, r, i, t);
  };
}

void TFBACnetSlaveSetAccess::Before_Reset() {
  // The long names option decides the tables' sizes before they are reset.
  Desc_Lenght = BACnet_Long_Names(File_ParGen);
  const int rows = Desc_Lenght ? kBS_Long_Names_Rows : kBS_Rows;
  for (TExStringGrid* grid : Grids) grid->SetRowCount(rows + 1);
}

void TFBACnetSlaveSetAccess::Prepare_Show() {
  for (TTabSheet* sheet : Sheets) sheet->SetTabVisible(true);
  PageControl1->SetActivePage(TS_BACnet_in_Write);
  NByte_IN = kBS_Area;
  NByte_OUT = kBS_Area;
  TTableEditor::Prepare_Show();  // the read page in front, the position lists
}

std::optional<TRowCheckFailure> TFBACnetSlaveSetAccess::Check_Tables() {
  return Check_BACnet_Server_Tables(TGridEditorTable(ECG_BACnet_in_Read), TGridEditorTable(ECG_BACnet_in_Write),
                                    Desc_Lenght);
}

void TFBACnetSlaveSetAccess::DblClickCell(TObject* Sender, int ARow, int ACol) {
  const int t = Table_Of(Sender);
  if (t >= 0 && ARow > 0 && Grids[size_t(t)]->RealColIndex(ACol) == kBS_Eng_Unit && FBACnet_Eng_Unit) {
    TExStringGrid* grid = Grids[size_t(t)];
    const QString text = grid->GetCellEx(kBS_Eng_Unit, ARow);
    FBACnet_Eng_Unit->E_Selected_EU->SetText(text);
    FBACnet_Eng_Unit->Label5->SetCaption(QStringLiteral("-> ") + Desc_Unit(StrToIntDef(text, -1)));
    if (FBACnet_Eng_Unit->ShowModal() == mrOk) grid->SetCellEx(kBS_Eng_Unit, ARow, FBACnet_Eng_Unit->E_Selected_EU->Text());
  }
  TTableEditor::DblClickCell(Sender, ARow, ACol);
}

void TFBACnetSlaveSetAccess::ECG_BACnet_in_WriteComboChange(TObject*, int ACol, int ARow, int, const QString& ASelection) {
  if (ACol != kBS_Data_Type || ARow < 1) return;
  const QString length = BACnet_Write_Length(ASelection);
  if (!length.isEmpty()) ECG_BACnet_in_Write->SetCellEx(kBS_Length, ARow, length);
}
