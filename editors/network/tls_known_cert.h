// The known TLS server certificates (TLS_Known_Cert.xml, root
// "TLS_Server_Known_Cert", the rows directly under it): up to 10 rows, each with an
// Enable box, the certificate text as the user entered or pasted it (stored
// unchanged, line breaks included) and a mnemonic. The table has no checks.
#pragma once

#include "app/table_editor/table_editor_spec.h"

inline constexpr int kTLS_Enable = 1;
inline constexpr int kTLS_Certificate = 2;
inline constexpr int kTLS_Mnemonic = 3;
inline constexpr int kTLS_Rows = 10;
inline constexpr int kTLS_Row_Height = 60;

extern const TTableEditorSpec TLS_Known_Cert_Spec;
