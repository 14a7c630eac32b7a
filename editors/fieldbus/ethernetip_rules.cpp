#include "editors/fieldbus/ethernetip_rules.h"

#include "app/routines/ip_address.h"
#include "app/state/comon.h"
#include "platform/rtl/numbers.h"
#include "platform/rtl/strings.h"

namespace {

enum : int { kEnable = 1, kStart_Input = 3, kNum_Input, kStart_Output, kNum_Output, kTime_Poll };

constexpr int kText_Total_In = 4938;
constexpr int kText_Total_Out = 4939;

// A header size: "Default" (any case, blanks around it) or 0 to 7.
bool Header_Size(const QString& text) { return UpperCase(Trim(text)) == u"DEFAULT" || In_Range(text, 0, 7); }

std::optional<TRowCheckFailure> Check_Row(const TEditorTable& t, int row) {
  QString p1, p2, p3, p4;
  if (!Split_IP_Address(t.Cell(kEIP_IP_Address, row), p1, p2, p3, p4)) return Row_Fault(4932);
  if (!In_Range(t.Cell(kStart_Input, row), 0, 65535)) return Row_Fault(4933);
  if (!In_Range(t.Cell(kNum_Input, row), 0, 65535)) return Row_Fault(4934);
  if (!In_Range(t.Cell(kStart_Output, row), 0, 65535)) return Row_Fault(4935);
  if (!In_Range(t.Cell(kNum_Output, row), 0, 65535)) return Row_Fault(4936);
  if (!In_Range(t.Cell(kTime_Poll, row), 1, 100000000)) return Row_Fault(4937);
  if (!In_Range(t.Cell(kEIP_Instance_T_O, row), 0, 65535)) return Row_Fault(4945);
  if (!In_Range(t.Cell(kEIP_Conn_Point_T_O, row), 0, 65535)) return Row_Fault(4951);
  if (!In_Range(t.Cell(kEIP_Instance_O_T, row), 0, 65535)) return Row_Fault(4946);
  if (!In_Range(t.Cell(kEIP_Conn_Point_O_T, row), 0, 65535)) return Row_Fault(4952);
  if (!Header_Size(t.Cell(kEIP_Dim_Header_T_O, row))) return Row_Fault(4957);
  if (!Header_Size(t.Cell(kEIP_Dim_Header_O_T, row))) return Row_Fault(4958);
  return std::nullopt;
}

TRowCheckFailure Total_Fault(int text, int32_t limit) {
  TRowCheckFailure failure = Row_Fault(text, IntToStr(limit));
  failure.RowPrefix = false;
  return failure;
}

TEditorColumnSpec Text(int title, int hint, int width, const char* attribute, const char* def = "") {
  return {.Title = title, .Hint = hint, .Width = width, .Attribute = {attribute, def}};
}
TEditorColumnSpec Header(int title, int hint, const char* attribute) {
  return {.Title = title, .Hint = hint, .Width = 115, .Editor = edComboEdit, .Attribute = {attribute, "Default"},
          .Items = TColumnItems::Choices, .Choices = {QStringLiteral("Default")}};
}

TTableEditorSpec Make_Spec() {
  TTableEditorSpec s{.FormName = QStringLiteral("FEtherNetIP_Master_Access"), .ClientWidth = 1180, .Caption = 4900,
                     .Description = 4901};
  for (int i = 0; i < 6; ++i) {
    s.ButtonCaptions[i] = 4902 + i;
    s.ButtonHints[i] = 4908 + i;
  }
  s.Root = QStringLiteral("EtherNetIP_Master_Access");
  s.Version = QStringLiteral("1.000");
  s.Path = &File_EtherNetIP_Master_Rules;
  s.RowPrefix = 4931;
  s.Hints = THintColumns::Real;
  s.KeepOtherHints = true;
  s.RowSelect = false;
  Set_Message_Texts(s, 4961);
  TEditorTableSpec t{.Grid = QStringLiteral("ECG"), .Rows = kEIP_Rows};
  t.Columns = {
      {.Title = 4914, .Width = 40},
      {.Title = 4915, .Hint = 4923, .Width = 50, .Editor = edDataCheckBox, .Attribute = {"Enable", "N"}},
      Text(4916, 4924, 100, "IP_Address"),
      Text(4917, 4925, 70, "Start_Input"),
      Text(4918, 4926, 70, "Num_Input"),
      Text(4919, 4927, 75, "Start_Output"),
      Text(4920, 4928, 75, "Num_Output"),
      Text(4921, 4929, 65, "Time_Poll"),
      Text(4941, 4943, 100, "Instance_T_O"),
      Text(4947, 4949, 115, "Connection_Point_T_O"),
      Text(4942, 4944, 100, "Instance_O_T"),
      Text(4948, 4950, 115, "Connection_Point_O_T"),
      Header(4953, 4955, "Dim_Header_T_O"),
      Header(4954, 4956, "Dim_Header_O_T"),
      Text(4922, 4930, 150, "Mnemonic"),
  };
  t.KeyColumn = kEIP_IP_Address;
  t.EnableColumn = kEnable;
  t.EnableUpperCase = true;
  t.DeleteQuestion = 4940;
  s.Tables = {t};
  return s;
}

}  // namespace

const TTableEditorSpec EtherNetIP_Spec = Make_Spec();

std::optional<TRowCheckFailure> Check_EtherNetIP_Rules(const TEditorTable& table, int32_t numByteIn,
                                                       int32_t numByteOut) {
  const TEditorTableSpec& spec = EtherNetIP_Spec.Tables.front();
  int64_t totalIn = 0;
  int64_t totalOut = 0;
  for (int row = 1; row < table.RowCount() && Editor_Row_Used(spec, table, row); ++row) {
    if (!Editor_Row_Enabled(spec, table, row)) continue;
    if (std::optional<TRowCheckFailure> failure = Check_Row(table, row)) {
      failure->Row = row;
      return failure;
    }
    totalIn += Cell_Number(table.Cell(kNum_Input, row));
    totalOut += Cell_Number(table.Cell(kNum_Output, row));
  }
  if (numByteIn < totalIn) return Total_Fault(kText_Total_In, numByteIn);
  if (numByteOut < totalOut) return Total_Fault(kText_Total_Out, numByteOut);
  return std::nullopt;
}

int Err_Check_Data_Path(QString Data_Path, int Num_DP) {
  int count = 0;
  while (!Data_Path.isEmpty()) {
    const qsizetype comma = Data_Path.indexOf(u',');
    const QString item = Trim(comma < 0 ? Data_Path : Data_Path.left(comma));
    Data_Path = comma < 0 ? QString() : Trim(Data_Path.mid(comma + 1));
    const int32_t value = StrToIntDef(QStringLiteral("0x") + item, -1);
    if (value < 0 || value > 255) return 1;
    ++count;
  }
  return count < Num_DP ? 2 : 0;
}

int EDS_Import_Row(const TEditorTable& table) {
  for (int row = 1; row < table.RowCount(); ++row)
    if (Trim(table.Cell(kEIP_IP_Address, row)).isEmpty() && Trim(table.Cell(kEIP_Instance_T_O, row)).isEmpty())
      return row;
  return 0;
}

void Put_EDS_Connection(TEditorTable& table, int row, const QStringList& connection) {
  if (connection.size() < 9) return;
  table.SetCell(kEIP_Instance_O_T, row, connection[3]);
  table.SetCell(kEIP_Conn_Point_O_T, row, connection[4]);
  table.SetCell(kEIP_Instance_T_O, row, connection[5]);
  table.SetCell(kEIP_Conn_Point_T_O, row, connection[6]);
  table.SetCell(kEIP_Dim_Header_T_O, row, connection[8]);
  table.SetCell(kEIP_Dim_Header_O_T, row, connection[7]);
}
