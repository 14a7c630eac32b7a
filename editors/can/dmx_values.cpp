#include "editors/can/dmx_values.h"

#include "app/state/comon.h"
#include "platform/rtl/numbers.h"

#include <algorithm>

namespace {

std::optional<TRowCheckFailure> Check_Channel(const TEditorTable& t, int row, TRowCheckRun&) {
  if (!In_Range(t.Cell(kDMX_Default_Value, row), 0, 255)) return Row_Fault(3112);
  return std::nullopt;
}

TTableEditorSpec Make_Spec() {
  TTableEditorSpec s{.FormName = QStringLiteral("FDMXDefVal"), .ClientWidth = 475, .Caption = 3100,
                     .Description = 3101, .ButtonCaptions = {3102, 3103}, .ButtonHints = {3104, 3105},
                     .RowButtons = false};
  s.Root = QStringLiteral("DMX_Default_Values");
  s.Version = QStringLiteral("1.000");
  s.RowName = QStringLiteral("Row");
  s.Path = &File_DMX_Default_Values;
  s.RowPrefix = 3111;
  Set_Message_Texts(s, 3113);  // no key: its lost-rows slot stays empty
  TEditorTableSpec t{.Grid = QStringLiteral("ECG_DMX_Def_Val"), .Rows = kDMX_Universe};
  t.Columns = {
      {.Title = 3106, .Width = 100},
      {.Title = 3107, .Hint = 3109, .Width = 100, .Attribute = {"Default_Value", "0"}, .Reset = QStringLiteral("0")},
      {.Title = 3108, .Hint = 3110, .Width = 250, .Attribute = {"Mnemonic", ""}},
  };
  t.KeyColumn = 0;
  t.Check = Check_Channel;
  s.Tables = {t};
  return s;
}

}  // namespace

const TTableEditorSpec DMX_Spec = Make_Spec();

int DMX_Channel_Count(const QString& text) {
  return std::clamp(StrToIntDef(text, kDMX_Universe), 0, kDMX_Universe);
}
