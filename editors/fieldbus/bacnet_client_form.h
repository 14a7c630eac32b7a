// The BACnet client rule editor (TFBACnetAccess): a table editor of two column
// grids of 512 rules, "BACnet Read" and "BACnet Write" (bacnet_client_rules.h),
// with Delete and Insert Row but no Copy and Paste, and an "Import EDE" button
// that takes objects of a remote device's EDE file through the import dialog
// (ede_import_form.h). Each showing reads the address kind from ParGen.xml and
// shows the address column as "IP Address", as "Slave ID" or not at all.
#pragma once

#include "app/table_editor/table_editor.h"

class TExColumnGrid;
class TOpenDialog;

class TFBACnetAccess : public TTableEditor {
public:
  explicit TFBACnetAccess(TComponent* AOwner);

  TTabSheet* TS_BACnet_Read = nullptr;
  TTabSheet* TS_BACnet_Write = nullptr;
  TExColumnGrid* ECG1 = nullptr;
  TExColumnGrid* ECG2 = nullptr;
  TFadeButton* Btn_Import_CSV = nullptr;
  TOpenDialog* OD_EDE_File = nullptr;
  int App_BACnet_Type = 0;

  void Set_Lang() override;
  void Btn_Import_CSVClick(TObject* Sender);

  // One hint handler for both grids: the read grid's NByte cells name the size of
  // their property, every other cell has none.
  void GridHint(TObject* Sender, int ARow, int ACol, QString& HintStr) override;
  // The grids have no click, double-click or key handlers of their own.
  void ClickCell(TObject*, int, int) override {}
  void DblClickCell(TObject*, int, int) override {}
  void KeyPress(TObject*, QChar&) override {}

protected:
  void Prepare_Show() override;
  std::optional<TRowCheckFailure> Check_Tables() override;
  int Row_Prefix_Text() const override;

private:
  void Read_BACnet_Type();
  int failed_table_ = 0;
};

extern TFBACnetAccess* FBACnetAccess;
