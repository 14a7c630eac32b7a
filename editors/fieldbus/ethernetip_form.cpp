#include "editors/fieldbus/ethernetip_form.h"

#include "app/language/language.h"
#include "app/table_editor/form_frame.h"
#include "app/table_editor/table_editor_grids.h"
#include "controls/button/fade_button.h"
#include "editors/fieldbus/eds_dialog.h"
#include "editors/fieldbus/ethernetip_rules.h"
#include "grid/view/column_grid.h"
#include "platform/ui/dialogs.h"

TFEtherNetIP_Master_Access* FEtherNetIP_Master_Access = nullptr;

TFEtherNetIP_Master_Access::TFEtherNetIP_Master_Access(TComponent* AOwner) : TTableEditor(AOwner, EtherNetIP_Spec) {
  ECG = Column_Grid(0);
  Btn_Import_EDS = Make_Panel_Button(this, P_Button, QStringLiteral("Btn_Import_EDS"), 724, 110);
  Btn_Import_EDS->SetShowHint(true);
  Btn_Import_EDS->OnClick = [this](TObject* s) { Btn_Import_EDSClick(s); };
  OD_EDS = new TOpenDialog(this);
  OD_EDS->SetName(QStringLiteral("OD_EDS"));
  OD_EDS->Filter = QStringLiteral("EtherNet/IP EDS (*.eds)|*.eds");
}

void TFEtherNetIP_Master_Access::Set_Lang() {
  TTableEditor::Set_Lang();
  Btn_Import_EDS->SetCaption(Lang_Text(4959));
  Btn_Import_EDS->SetHint(Lang_Text(4960));
}

void TFEtherNetIP_Master_Access::Prepare_Show() {
  Num_Byte_In = kEIP_Max_Bytes;
  Num_Byte_Out = kEIP_Max_Bytes;
  TTableEditor::Prepare_Show();
}

std::optional<TRowCheckFailure> TFEtherNetIP_Master_Access::Check_Tables() {
  return Check_EtherNetIP_Rules(TGridEditorTable(ECG), Num_Byte_In, Num_Byte_Out);
}

void TFEtherNetIP_Master_Access::Btn_Import_EDSClick(TObject*) {
  // 1.
  if (!OD_EDS->Execute()) return;
  // 2.
  TFEtherNEtIP_EDS* dialog = FEtherNEtIP_EDS;
  if (!dialog) return;
  dialog->EDS_FileName = OD_EDS->FileName;
  if (dialog->ShowModal() != mrOk) return;
  // 3.
  TGridEditorTable table(ECG);
  const int row = EDS_Import_Row(table);
  if (row == 0) return;
  // 4. The chosen connection: the dialog grid's current row.
  const int chosen = dialog->ECG->Row();
  if (chosen < 1 || chosen >= dialog->ECG->RowCount()) return;
  QStringList connection;
  for (int c = 0; c < dialog->ECG->ColCount(); ++c) connection << dialog->ECG->GetCellEx(c, chosen);
  Put_EDS_Connection(table, row, connection);
}
