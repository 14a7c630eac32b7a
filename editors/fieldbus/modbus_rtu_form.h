// The Modbus RTU master rule editor (TFSetAccess): a table editor of two column
// grids of 512 requests, "Modbus Read" and "Modbus Write" (modbus_rtu_rules.h).
// Each showing makes the write page visible, hides the Read table's Topic column
// and shows its Position and Start Bit; the Topic column's links are kept by row
// (ComboItem_Topic) and written as indexes.
#pragma once

#include "app/table_editor/table_editor.h"
#include "editors/fieldbus/modbus_rtu_rules.h"

class TExColumnGrid;

class TFSetAccess : public TTableEditor {
public:
  explicit TFSetAccess(TComponent* AOwner);

  TTabSheet* TS_Modbus_Read = nullptr;
  TTabSheet* TS_Modbus_Write = nullptr;
  TExColumnGrid* ECG_Modbus_Read = nullptr;
  TExColumnGrid* ECG_Modbus_Write = nullptr;

  bool& Do_Copy_In_Read = Do_Copy[0];
  bool& Do_Copy_In_Write = Do_Copy[1];
  TStringList& Hint_Modbus_Set_Access_Read = Hint_Lists[0];
  TStringList& Hint_Modbus_Set_Access_Write = Hint_Lists[1];
  int NByte_IN = kModbus_RTU_Area;
  int NByte_OUT = kModbus_RTU_Area;
  // Nothing in this program sets it; it picks one of two texts of the same wording.
  int Working_Mode = 0;
  // The topic names and the item index chosen in each Read row's Topic combo.
  TModbusTopicLink Topics;

  // The Read grid's combo: a pick in the Topic column (real column) is remembered.
  void ComboChange(TObject* Sender, int ACol, int ARow, int AItemIndex, const QString& ASelection);

protected:
  void Before_Reset() override;
  void Prepare_Show() override;
  void Load_File() override;
  std::optional<TRowCheckFailure> Check_Tables() override;
  void Save_File() override;
};

extern TFSetAccess* FSetAccess;
