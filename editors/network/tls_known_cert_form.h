// The known TLS certificates editor (TFTLS_Server_Known_Cert): a table editor of
// one plain grid ESG of 10 rows, 60 pixels high, built in code (tls_known_cert.h),
// its Enable column of real check boxes. It has no checks: OK saves the rows up
// to the first without certificate.
#pragma once

#include "app/table_editor/table_editor.h"

class TFTLS_Server_Known_Cert : public TTableEditor {
public:
  explicit TFTLS_Server_Known_Cert(TComponent* AOwner);

  TExStringGrid* ESG = nullptr;
  TStringList& Hint_List = Hint_Lists[0];
  bool& Do_Copy_Row = Do_Copy[0];

  // Titles, widths, check boxes, row heights, row numbers and tints.
  void Init_Table();
};

extern TFTLS_Server_Known_Cert* FTLS_Server_Known_Cert;
