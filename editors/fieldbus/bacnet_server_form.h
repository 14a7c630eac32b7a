// The BACnet server object editor (TFBACnetSlaveSetAccess): a table editor of two
// column grids, "BACnet in Read" and "BACnet in Write" (bacnet_server_objects.h),
// of 2000 rows each, or 1000 when ParGen.xml selects the long object names. A
// double click on an Eng. Unit cell opens the unit picker (bacnet_unit_form.h);
// choosing a Data Type in the write table sets its Length.
#pragma once

#include "app/table_editor/table_editor.h"

class TExColumnGrid;

class TFBACnetSlaveSetAccess : public TTableEditor {
public:
  explicit TFBACnetSlaveSetAccess(TComponent* AOwner);

  TTabSheet* TS_BACnet_in_Read = nullptr;
  TTabSheet* TS_BACnet_in_Write = nullptr;
  TExColumnGrid* ECG_BACnet_in_Read = nullptr;
  TExColumnGrid* ECG_BACnet_in_Write = nullptr;
  bool& Do_Copy_Read = Do_Copy[0];
  bool& Do_Copy_Write = Do_Copy[1];
  int NByte_IN = 1500;
  int NByte_OUT = 1500;
  bool Desc_Lenght = false;

  // Both grids: an Eng. Unit cell of a data row opens the unit picker; then, as
  // everywhere, a title cell sizes its column.
  void DblClickCell(TObject* Sender, int ARow, int ACol) override;
  // The write grid: a Data Type chosen sets the row's Length.
  void ECG_BACnet_in_WriteComboChange(TObject* Sender, int ACol, int ARow, int AItemIndex, const QString& ASelection);

protected:
  void Before_Reset() override;
  void Prepare_Show() override;
  std::optional<TRowCheckFailure> Check_Tables() override;
};

extern TFBACnetSlaveSetAccess* FBACnetSlaveSetAccess;
