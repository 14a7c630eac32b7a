#include "editors/network/snmp_forms.h"

#include "app/table_editor/table_editor_grids.h"
#include "editors/network/snmp_manager.h"
#include "editors/network/snmp_traps.h"
#include "grid/view/column_grid.h"

TFSNMPManagerAccess* FSNMPManagerAccess = nullptr;
TFSNMP_Trap_Access* FSNMP_Trap_Access = nullptr;

TFSNMPManagerAccess::TFSNMPManagerAccess(TComponent* AOwner) : TTableEditor(AOwner, SNMP_Manager_Spec) {}

void TFSNMPManagerAccess::Before_Reset() {
  app_NB_IN = kSNMPM_NB_IN;
  app_NB_OUT = kSNMPM_NB_OUT;
}

void TFSNMPManagerAccess::Finish_Show() {
  if (ECG_SNMP()->CanFocus()) ECG_SNMP()->SetFocus();
}

TFSNMP_Trap_Access::TFSNMP_Trap_Access(TComponent* AOwner) : TTableEditor(AOwner, SNMP_Trap_Spec) {
  // The read grid's editing option is on in the form's design, the write grid's off.
  ECG_SNMP_Read()->SetOptions(ECG_SNMP_Read()->Options() + goEditing);
  const int limited[2][2] = {{kTrapR_Community, kTrapR_Description}, {kTrapW_Community, kTrapW_Description}};
  for (int t = 0; t < 2; ++t) {
    TExColumnGrid* grid = Column_Grid(t);
    for (int c : limited[t]) grid->Columns()->Items(c)->EditLength = kTrap_Name_Length;
    grid->OnCheckBoxClick = [this](TObject* s, int c, int r, bool state) { ECG_SNMP_ReadCheckBoxClick(s, c, r, state); };
  }
}

void TFSNMP_Trap_Access::Before_Reset() {
  NByte_IN = kTrap_Area;
  NByte_OUT = kTrap_Area;
}

void TFSNMP_Trap_Access::Finish_Show() {
  Index_Row_Build(ECG_SNMP_Read());
  Index_Row_Build(ECG_SNMP_Write());
}

void TFSNMP_Trap_Access::Index_Row_Build(TExColumnGrid* app_SGA) {
  TGridEditorTable cells(app_SGA);
  ::Index_Row_Build(cells);
}

void TFSNMP_Trap_Access::ECG_SNMP_ReadCheckBoxClick(TObject* Sender, int ACol, int, bool) {
  const int t = Table_Of(Sender);
  if (t < 0 || ACol != kTrapR_Enable) return;
  Index_Row_Build(Column_Grid(t));
}
