// The IEC 61850 server variables editor (TFIEC61850_Variables): a table editor of
// one column grid of 50 variables (iec61850_variables.h).
#pragma once

#include "app/table_editor/table_editor.h"

class TExColumnGrid;

class TFIEC61850_Variables : public TTableEditor {
public:
  explicit TFIEC61850_Variables(TComponent* AOwner);
  TExColumnGrid* ECG() const { return Column_Grid(0); }

  int NByte_IN = 0;

  // The grid's combo change: nothing follows from a choice.
  void ComboChange(TObject* Sender, int ACol, int ARow, int AItemIndex, const QString& ASelection);

protected:
  void Before_Reset() override;
};

extern TFIEC61850_Variables* FIEC61850_Variables;
