#include "editors/network/tls_known_cert.h"

#include "app/state/comon.h"

namespace {

TTableEditorSpec Make_Spec() {
  TTableEditorSpec s{.FormName = "FTLS_Server_Known_Cert",
                     .ClientWidth = 800,
                     .ClientHeight = 337,
                     .Caption = 3400,
                     .Description = 3401,
                     .ButtonCaptions = {3402, 3403, 3404, 3405, 3406, 3407},
                     .ButtonHints = {3408, 3409, 3410, 3411, 3412, 3413}};
  s.Root = QStringLiteral("TLS_Server_Known_Cert");
  s.Version = QStringLiteral("1.000");
  s.Path = &File_TLS_Known_Cert;
  s.Hints = THintColumns::Real;
  s.StringGrid = true;
  Set_Message_Texts(s, 3422);
  TEditorTableSpec t{.Grid = QStringLiteral("ESG"), .Rows = kTLS_Rows};
  t.Columns = {
      {.Title = 3414, .Width = 40},
      {.Title = 3415, .Hint = 3418, .Width = 50, .Attribute = {"Enable", "Y"}, .Color = 0xB0D8FF},
      {.Title = 3416, .Hint = 3419, .Width = 500, .Attribute = {"Certificate", ""}, .Color = 0xFEFAE0},
      {.Title = 3417, .Hint = 3420, .Width = 160, .Attribute = {"Mnemonic", ""}, .Color = clWhite},
  };
  t.KeyColumn = kTLS_Certificate;
  t.EnableColumn = kTLS_Enable;
  t.DeleteQuestion = 3421;
  s.Tables = {t};
  return s;
}

}  // namespace

const TTableEditorSpec TLS_Known_Cert_Spec = Make_Spec();
