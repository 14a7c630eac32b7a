// The EtherNet/IP scanner rule editor (TFEtherNetIP_Master_Access): a table editor
// of one column grid of 10 adapters (ethernetip_rules.h), with an "Import EDS"
// button: the user picks an adapter's EDS file, chooses one of its connections in
// the EDS dialog (eds_dialog.h), and the connection's instances, connection points
// and header sizes go into the first row that has neither IP Address nor
// Instance T > O.
#pragma once

#include "app/table_editor/table_editor.h"

class TExColumnGrid;
class TOpenDialog;

class TFEtherNetIP_Master_Access : public TTableEditor {
public:
  explicit TFEtherNetIP_Master_Access(TComponent* AOwner);

  TExColumnGrid* ECG = nullptr;
  TFadeButton* Btn_Import_EDS = nullptr;
  TOpenDialog* OD_EDS = nullptr;
  TStringList& Hint = Hint_Lists[0];
  int Num_Byte_In = 1438;
  int Num_Byte_Out = 1438;

  void Set_Lang() override;
  void Btn_Import_EDSClick(TObject* Sender);

protected:
  void Prepare_Show() override;
  std::optional<TRowCheckFailure> Check_Tables() override;
};

extern TFEtherNetIP_Master_Access* FEtherNetIP_Master_Access;
