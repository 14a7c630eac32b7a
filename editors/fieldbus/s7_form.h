// The S7comm request editor (TFS7_Protocol_Set_Access): a table editor of two
// column grids of 512 requests, "S7comm Read" and "S7comm Write" (s7_requests.h).
#pragma once

#include "app/table_editor/table_editor.h"

class TExColumnGrid;

class TFS7_Protocol_Set_Access : public TTableEditor {
public:
  explicit TFS7_Protocol_Set_Access(TComponent* AOwner);

  TTabSheet* TS_S7_Read = nullptr;
  TTabSheet* TS_S7_Write = nullptr;
  TExColumnGrid* ECG_S7_Read = nullptr;
  TExColumnGrid* ECG_S7_Write = nullptr;
  bool& Do_Copy_In_Read = Do_Copy[0];
  bool& Do_Copy_In_Write = Do_Copy[1];
  TStringList& Hint_S7_Set_Access_Read = Hint_Lists[0];
  TStringList& Hint_S7_Set_Access_Write = Hint_Lists[1];
  int NByte_IN = 1500;
  int NByte_OUT = 1500;

protected:
  void Prepare_Show() override;
  std::optional<TRowCheckFailure> Check_Tables() override;
  QString Delete_Question(int table, int row) const override;
};

extern TFS7_Protocol_Set_Access* FS7_Protocol_Set_Access;
