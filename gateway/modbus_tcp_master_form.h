// The Modbus TCP master rule editor of the "Modbus Set Access" step
// (TFModbus_TCP_Master_Set_Access): a table editor (app/table_editor) of two column
// grids of 512 rules, Modbus Read and Modbus Write, with list columns for the type,
// byte position and start bit and data check boxes for the flags. Shown, it
// reloads ModbusTCPM_SetAccess.xml; OK checks both tables and rewrites the file;
// Cancel writes nothing. File and checks are the widget-free routines of
// modbus_tcp_master_*.h; the form shows no hints and keeps its own font.
#pragma once

#include "app/table_editor/table_editor.h"
#include "gateway/modbus_tcp_master_file.h"

class TExColumnGrid;
class TTabSheet;

class TFModbus_TCP_Master_Set_Access : public TTableEditor {
public:
  explicit TFModbus_TCP_Master_Set_Access(TComponent* AOwner);
  ~TFModbus_TCP_Master_Set_Access() override;

  static constexpr int kClient_Width = 1150;

  TTabSheet* TS_Modbus_Read = nullptr;
  TTabSheet* TS_Modbus_Write = nullptr;
  TExColumnGrid* ECG_Modbus_Read = nullptr;
  TExColumnGrid* ECG_Modbus_Write = nullptr;

  bool& Do_Copy_In_Read = Do_Copy[0];
  bool& Do_Copy_In_Write = Do_Copy[1];
  TStringList& Hint_Modbus_Set_Access_Read = Hint_Lists[0];  // entry i for column i + 1
  TStringList& Hint_Modbus_Set_Access_Write = Hint_Lists[1];
  int NByte_IN = kMB_Data_Bytes;
  int NByte_OUT = kMB_Data_Bytes;

  // The topic names of the Read table's Topic column (none in this model).
  QStringList& List_Publish_Topic() { return Model.List_Publish_Topic; }

  // The grid handlers of the two tables under their own names.
  void ECG_Modbus_ReadDblClickCell(TObject* Sender, int ARow, int ACol) { DblClickCell(Sender, ARow, ACol); }
  void ECG_Modbus_WriteKeyPress(TObject* Sender, QChar& Key) { KeyPress(Sender, Key); }
  void ECG_Modbus_WriteGridHint(TObject* Sender, int ARow, int ACol, QString& HintStr) {
    GridHint(Sender, ARow, ACol, HintStr);
  }

protected:
  // The Read table's shown-column hints, its Topic column hidden, Position and
  // Start Bit shown, the Write page visible.
  void Before_Reset() override;
  void Prepare_Show() override;
  // The file through the model; a stop is shown, and OK then writes as the tables are.
  void Load_File() override;
  std::optional<TRowCheckFailure> Check_Tables() override;
  void Save_File() override;

private:
  TModbusTCPMasterModel Model;
};

// The form the main window shows in its "Modbus Set Access" step.
extern TFModbus_TCP_Master_Set_Access* FModbus_TCP_Master_Set_Access;
