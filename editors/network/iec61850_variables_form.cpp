#include "editors/network/iec61850_variables_form.h"

#include "editors/network/iec61850_variables.h"
#include "grid/view/column_grid.h"

TFIEC61850_Variables* FIEC61850_Variables = nullptr;

TFIEC61850_Variables::TFIEC61850_Variables(TComponent* AOwner) : TTableEditor(AOwner, IEC61850_Variables_Spec) {
  ECG()->OnComboChange = [this](TObject* s, int c, int r, int i, const QString& t) { ComboChange(s, c, r, i, t); };
}

void TFIEC61850_Variables::ComboChange(TObject*, int, int, int, const QString&) {}

void TFIEC61850_Variables::Before_Reset() { NByte_IN = kIECV_NByte_IN; }
