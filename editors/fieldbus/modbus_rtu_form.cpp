#include "editors/fieldbus/modbus_rtu_form.h"

#include "app/state/comon.h"
#include "app/table_editor/table_editor_grids.h"
#include "grid/view/column_grid.h"
#include "platform/ui/page_control.h"

TFSetAccess* FSetAccess = nullptr;

namespace {

// The Read table's poll-time fault in the other working mode (the same wording).
constexpr int kText_Read_Poll_Time = 1773;
constexpr int kText_Read_Poll_Time_Mode = 1789;

}  // namespace

TFSetAccess::TFSetAccess(TComponent* AOwner) : TTableEditor(AOwner, Modbus_RTU_Spec) {
  TS_Modbus_Read = Sheets[0];
  TS_Modbus_Write = Sheets[1];
  ECG_Modbus_Read = Column_Grid(0);
  ECG_Modbus_Write = Column_Grid(1);
  ECG_Modbus_Read->OnComboChange = [this](TObject* s, int c, int r, int i, const QString& t) {
    ComboChange(s, c, r, i, t);
  };
}

void TFSetAccess::Before_Reset() {
  TS_Modbus_Write->SetTabVisible(true);
  if (!ECG_Modbus_Read->IsHiddenColumn(kMRR_Topic)) ECG_Modbus_Read->HideColumn(kMRR_Topic);
  for (int c : {kMRR_Position, kMRR_Bit})
    if (ECG_Modbus_Read->IsHiddenColumn(c)) ECG_Modbus_Read->UnHideColumn(c);
}

void TFSetAccess::Prepare_Show() {
  Topics.ComboItem_Topic.assign(size_t(ECG_Modbus_Read->RowCount() - 1), -1);
  NByte_IN = kModbus_RTU_Area;
  NByte_OUT = kModbus_RTU_Area;
  TTableEditor::Prepare_Show();
}

void TFSetAccess::Load_File() {
  TTableEditor::Load_File();
  TGridEditorTable read(ECG_Modbus_Read);
  Link_Loaded_Topics(read, Topics);
}

std::optional<TRowCheckFailure> TFSetAccess::Check_Tables() {
  const TGridEditorTable read(ECG_Modbus_Read);
  const TGridEditorTable write(ECG_Modbus_Write);
  std::optional<TRowCheckFailure> failure =
      Check_Modbus_RTU_Tables(read, write, !ECG_Modbus_Read->IsHiddenColumn(kMRR_Topic));
  if (failure && failure->TextIndex == kText_Read_Poll_Time && Working_Mode != 0)
    failure->TextIndex = kText_Read_Poll_Time_Mode;
  return failure;
}

void TFSetAccess::Save_File() {
  Topics.Shown = !ECG_Modbus_Read->IsHiddenColumn(kMRR_Topic);
  Save_Modbus_RTU_File(File_ModbusM_SetAccess, TGridEditorTable(ECG_Modbus_Read), TGridEditorTable(ECG_Modbus_Write),
                       Topics);
}

void TFSetAccess::ComboChange(TObject*, int ACol, int ARow, int AItemIndex, const QString&) {
  if (ACol != kMRR_Topic || ARow < 1 || size_t(ARow) > Topics.ComboItem_Topic.size()) return;
  Topics.ComboItem_Topic[size_t(ARow - 1)] = AItemIndex;
}
