#include "editors/network/tls_known_cert_form.h"

#include "app/language/language.h"
#include "editors/network/tls_known_cert.h"
#include "grid/view/ex_string_grid.h"
#include "platform/rtl/strings.h"

TFTLS_Server_Known_Cert* FTLS_Server_Known_Cert = nullptr;

TFTLS_Server_Known_Cert::TFTLS_Server_Known_Cert(TComponent* AOwner) : TTableEditor(AOwner, TLS_Known_Cert_Spec) {
  ESG = Grids.front();
  OnCreate = [this](TObject* s) {
    Init_Table();
    FormCreate(s);
  };
}

// The grid as built at creation, before Set_Lang: what the table editor's plain
// grid does not set by itself is the titles, the 60-pixel data rows and the
// row numbers.
void TFTLS_Server_Known_Cert::Init_Table() {
  const TEditorTableSpec& table = TLS_Known_Cert_Spec.Tables.front();
  for (int c = 0; c < int(table.Columns.size()); ++c) ESG->SetCellEx(c, 0, Lang_Text(table.Columns[c].Title));
  for (int row = 1; row < ESG->RowCount(); ++row) {
    ESG->SetRowHeights(row, kTLS_Row_Height);
    ESG->SetCellEx(0, row, IntToStr(row));
  }
}
