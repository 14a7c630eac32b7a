#include "gateway/modbus_tcp_master_form.h"

#include "app/language/language.h"
#include "app/state/comon.h"
#include "app/table_editor/table_editor_grids.h"
#include "controls/button/fade_button.h"
#include "gateway/gateway_editors.h"
#include "gateway/modbus_tcp_master_checks.h"
#include "grid/view/column_grid.h"
#include "platform/rtl/strings.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/page_control.h"

#include <utility>

TFModbus_TCP_Master_Set_Access* FModbus_TCP_Master_Set_Access = nullptr;

namespace {

constexpr int kData_Rows = kMB_RowCount - 1;

const QStringList kRead_Types = {"Coil Status", "Input Status", "Holding Register", "Input Register"};
const QStringList kWrite_Types = {"Coil Status", "Holding Register"};
const QStringList kBits = {"0", "1", "2", "3", "4", "5", "6", "7"};

TEditorColumnSpec Text(int title, int hint, int width, TColor color) {
  return {.Title = title, .Hint = hint, .Width = width, .Color = color};
}
TEditorColumnSpec Check(int title, int hint, int width, TColor color) {
  return {.Title = title, .Hint = hint, .Width = width, .Editor = edDataCheckBox, .Color = color};
}
TEditorColumnSpec List(int title, int hint, int width, TColor color, TColumnItems items, QStringList choices = {}) {
  return {.Title = title, .Hint = hint, .Width = width, .Editor = edComboList, .Items = items, .Choices = choices,
          .Color = color};
}

// A table of rules: its page, grid and columns; both share key, Enable, area and
// delete question.
TEditorTableSpec Rule_Table(const char* sheet, int caption, const char* grid, QList<TEditorColumnSpec> columns) {
  TEditorTableSpec t{.Sheet = sheet, .SheetCaption = caption, .Grid = grid, .Rows = kData_Rows};
  t.Columns = std::move(columns);
  t.KeyColumn = kMB_IP_Address;
  t.EnableColumn = kMB_Enable;
  t.Area = kMB_Data_Bytes;
  t.DeleteQuestion = 1861;
  return t;
}

// The columns both tables open with, titles and hints counting on from `title` and
// `hint`: N, Enable, IP address, port, ID, the type of the rule's data (`types`),
// address and number of points.
QList<TEditorColumnSpec> Rule_Head(int title, int hint, const QStringList& types) {
  return {{.Title = title, .Width = 40},
          Check(title + 1, hint, 50, 0xB0D8FF),
          Text(title + 2, hint + 1, 101, 0xFEFAE0),
          Text(title + 3, hint + 2, 45, 0xFEFAE0),
          Text(title + 4, hint + 3, 55, 0xFEFAE0),
          List(title + 5, hint + 4, 100, 0xFEFAE0, TColumnItems::Choices, types),
          Text(title + 6, hint + 5, 55, 0xFEFAE0),
          Text(title + 7, hint + 6, 45, 0xFEFAE0)};
}

// The byte position in the data area and the start bit, `width` wide each.
QList<TEditorColumnSpec> Rule_Place(int title, int hint, int width) {
  return {List(title, hint, width, 0xF4D6FC, TColumnItems::Positions),
          List(title + 1, hint + 1, width, 0xF4D6FC, TColumnItems::Choices, kBits)};
}

// The columns as the form designs them: title and hint texts, width, tint.
TEditorTableSpec Read_Table() {
  return Rule_Table("TS_Modbus_Read", 1806, "ECG_Modbus_Read",
                    Rule_Head(1808, 1869, kRead_Types)
                        << Text(1816, 1876, 60, 0xA8FFA8) << Text(1817, 1877, 64, 0xA8FFA8)
                        << Rule_Place(1818, 1878, 60) << Check(1820, 1880, 40, 0xA8FFFF)
                        << Check(1900, 1902, 80, 0xA8FFFF)
                        // Topic: the topic list is empty in this model
                        << List(1862, 1881, 120, 0xFFD5D5, TColumnItems::None) << Text(1821, 1882, 140, 0xFFFFFF));
}

TEditorTableSpec Write_Table() {
  return Rule_Table("TS_Modbus_Write", 1807, "ECG_Modbus_Write",
                    Rule_Head(1822, 1883, kWrite_Types)
                        << Text(1830, 1890, 60, 0xA8FFA8) << Check(1831, 1891, 66, 0xA8FFA8)
                        << Check(1832, 1892, 56, 0xA8FFA8) << Text(1833, 1893, 62, 0xA8FFA8)
                        << Rule_Place(1834, 1894, 55) << Check(1836, 1896, 40, 0xA8FFFF)
                        << Check(1901, 1903, 80, 0xA8FFFF) << Text(1837, 1897, 150, 0xFFFFFF));
}

TTableEditorSpec Make_Spec() {
  static_assert(kText_MB_Surplus_Rows == kText_MB_Lost_Rows + 1 && kText_MB_Not_Saved == kText_MB_Lost_Rows + 2);
  TTableEditorSpec s =
      Gateway_Editor_Spec("FModbus_TCP_Master_Set_Access", TFModbus_TCP_Master_Set_Access::kClient_Width, 1800, 1863,
                          &File_ModbusTCPM_SetAccess, kMB_Error_Row_Text, kText_MB_Lost_Rows);
  // The captions of Copy Row and Paste Row are not in the language list.
  s.ButtonCaptions[4] = s.ButtonCaptions[5] = 0;
  s.KeepOtherHints = true;
  s.Editing = false;  // the grid adds it on the first editable check-box cell
  s.FontName.clear();
  s.Tables = {Read_Table(), Write_Table()};
  return s;
}

const TTableEditorSpec kModbus_Spec = Make_Spec();

// The Read table's hints while its Topic column is hidden: one per shown column.
constexpr int kRead_Shown_Hints[] = {1869, 1870, 1871, 1872, 1873, 1874, 1875,
                                     1876, 1877, 1878, 1879, 1880, 1902, 1882};

}  // namespace

TFModbus_TCP_Master_Set_Access::TFModbus_TCP_Master_Set_Access(TComponent* AOwner)
    : TTableEditor(AOwner, kModbus_Spec) {
  TS_Modbus_Read = Sheets[0];
  TS_Modbus_Write = Sheets[1];
  ECG_Modbus_Read = Column_Grid(0);
  ECG_Modbus_Write = Column_Grid(1);
  Btn_CopyRow->SetCaption(QStringLiteral("Copy Row"));
  Btn_PasteRow->SetCaption(QStringLiteral("Paste Row"));
}

TFModbus_TCP_Master_Set_Access::~TFModbus_TCP_Master_Set_Access() = default;

void TFModbus_TCP_Master_Set_Access::Before_Reset() {
  // 1.
  Hint_Modbus_Set_Access_Read.Clear();
  for (int text : kRead_Shown_Hints) Hint_Modbus_Set_Access_Read.Add(Lang_Text(text));
  // 2.
  TS_Modbus_Write->SetTabVisible(true);
  if (!ECG_Modbus_Read->IsHiddenColumn(kMBR_Topic)) ECG_Modbus_Read->HideColumn(kMBR_Topic);
  for (int c : {kMBR_Position, kMBR_Bit})
    if (ECG_Modbus_Read->IsHiddenColumn(c)) ECG_Modbus_Read->UnHideColumn(c);
}

void TFModbus_TCP_Master_Set_Access::Prepare_Show() {
  NByte_IN = kMB_Data_Bytes;
  NByte_OUT = kMB_Data_Bytes;
  TTableEditor::Prepare_Show();
}

void TFModbus_TCP_Master_Set_Access::Load_File() {
  const QString failure = Model.Load(File_ModbusTCPM_SetAccess);
  TGridEditorTable read(ECG_Modbus_Read);
  TGridEditorTable write(ECG_Modbus_Write);
  Copy_Editor_Table(Model.Read, read);
  Copy_Editor_Table(Model.Write, write);
  if (!failure.isEmpty()) {
    MessageDlg(failure, mtError, {mbOK});
    return;
  }
  // Rules beyond the 512 of a table are not loaded (and OK would not write them).
  Surplus_Rows = Surplus_Editor_Rows(File_ModbusTCPM_SetAccess, Modbus_TCP_Master_File_Layout, kData_Rows);
}

std::optional<TRowCheckFailure> TFModbus_TCP_Master_Set_Access::Check_Tables() {
  const TGridEditorTable read(ECG_Modbus_Read);
  const TGridEditorTable write(ECG_Modbus_Write);
  return ::Controllo_dati(read, write, NByte_IN, NByte_OUT);
}

void TFModbus_TCP_Master_Set_Access::Save_File() {
  Copy_Editor_Table(TGridEditorTable(ECG_Modbus_Read), Model.Read);
  Copy_Editor_Table(TGridEditorTable(ECG_Modbus_Write), Model.Write);
  Model.Save(File_ModbusTCPM_SetAccess);
}
