#include "editors/fieldbus/s7_form.h"

#include "app/table_editor/table_editor_grids.h"
#include "editors/fieldbus/s7_requests.h"
#include "grid/view/column_grid.h"
#include "platform/rtl/strings.h"

TFS7_Protocol_Set_Access* FS7_Protocol_Set_Access = nullptr;

TFS7_Protocol_Set_Access::TFS7_Protocol_Set_Access(TComponent* AOwner) : TTableEditor(AOwner, S7_Spec) {
  TS_S7_Read = Sheets[0];
  TS_S7_Write = Sheets[1];
  ECG_S7_Read = Column_Grid(0);
  ECG_S7_Write = Column_Grid(1);
}

void TFS7_Protocol_Set_Access::Prepare_Show() {
  NByte_IN = kS7_Area;
  NByte_OUT = kS7_Area;
  TTableEditor::Prepare_Show();
}

std::optional<TRowCheckFailure> TFS7_Protocol_Set_Access::Check_Tables() {
  return Check_S7_Tables(TGridEditorTable(ECG_S7_Read), TGridEditorTable(ECG_S7_Write));
}

QString TFS7_Protocol_Set_Access::Delete_Question(int, int row) const {
  return QString::fromUtf16(kS7_Delete_Question) + IntToStr(row);
}
