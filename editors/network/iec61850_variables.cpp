#include "editors/network/iec61850_variables.h"

#include "app/routines/decimal_numbers.h"
#include "app/state/comon.h"
#include "platform/rtl/strings.h"

namespace {

std::optional<TRowCheckFailure> Check_Variable(const TEditorTable& t, int row, TRowCheckRun& run) {
  // 1.
  if (!In_Range(t.Cell(kIECV_Length, row), 1, 4)) return Row_Fault(3341);
  // 2.
  if (!In_Range(t.Cell(kIECV_Position, row), 0, run.Area - 1)) return Row_Fault(3330, IntToStr(run.Area - 1));
  // 3. A bit variable needs its bit.
  if (t.Cell(kIECV_Type, row) == u"Digital (Bit)" && Trim(t.Cell(kIECV_StartBit, row)).isEmpty())
    return Row_Fault(3338);
  // 4.
  if (Trim(t.Cell(kIECV_Conversion, row)).isEmpty()) return Row_Fault(3339);
  // 5. "None", or a number written with the user's decimal separator or a point.
  const QString factor = t.Cell(kIECV_MultFactor, row);
  float value = 0;
  if (UpperCase(Trim(factor)) != u"NONE" && !Text_To_Float(factor, Get_Decimal_Separator(), value))
    return Row_Fault(3340);
  return std::nullopt;
}

TEditorTableSpec Variables_Table() {
  TEditorTableSpec t{.Grid = QStringLiteral("ECG"), .Rows = 50};
  t.Columns = {
      {.Title = 3314, .Width = 40},
      Check_Box_Column(3315, 3322, 55, {"Enable", "Y"}),
      {.Title = 3316, .Hint = 3323, .Width = 180, .Attribute = {"Name", ""}},
      Choice_Column(3317, 3324, 100, {"Type", ""}, {"Int", "Float", "Digital (Bit)"}),
      {.Title = 3318, .Hint = 3325, .Width = 60, .Attribute = {"Length", ""}},
      Check_Box_Column(3319, 3326, 75, {"ReadOnly", "N"}),
      {.Title = 3320, .Hint = 3327, .Width = 65, .Attribute = {"Position", ""}},
      Choice_Column(3332, 3335, 65, {"StartBit", ""}, {"0", "1", "2", "3", "4", "5", "6", "7"}),
      Choice_Column(3333, 3336, 100, {"Conversion", ""}, {"None", "Int to Float", "Float to Int"}),
      Choice_Column(3334, 3337, 95, {"MultiplicationFactor", ""}, {"None"}, edComboEdit),
      Check_Box_Column(3342, 3344, 50, {"Swap", "N"}),
      Check_Box_Column(3343, 3345, 75, {"SwapWord", "N"}),
      {.Title = 3321, .Hint = 3328, .Width = 210, .Attribute = {"Mnemonic", ""}},
  };
  t.KeyColumn = kIECV_Name;
  t.EnableColumn = kIECV_Enable;
  t.Area = kIECV_NByte_IN;
  t.DeleteQuestion = 3331;
  t.Check = Check_Variable;
  return t;
}

TTableEditorSpec Variables_Spec() {
  TTableEditorSpec s{.FormName = QStringLiteral("FIEC61850_Variables"), .ClientWidth = 1155, .Caption = 3300,
                     .Description = 3301};
  for (int i = 0; i < 6; ++i) {
    s.ButtonCaptions[i] = 3302 + i;
    s.ButtonHints[i] = 3308 + i;
  }
  s.Root = QStringLiteral("IEC61850_Variables");
  s.Version = QStringLiteral("1.000");
  s.Path = &File_IEC61850_Variables;
  s.RowPrefix = 3329;
  s.Hints = THintColumns::Real;
  s.Editing = false;
  Set_Message_Texts(s, 3346);
  s.Tables = {Variables_Table()};
  return s;
}

}  // namespace

const TTableEditorSpec IEC61850_Variables_Spec = Variables_Spec();
