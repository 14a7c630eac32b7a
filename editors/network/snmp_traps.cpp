#include "editors/network/snmp_traps.h"

#include "app/routines/ip_address.h"
#include "app/state/comon.h"
#include "platform/rtl/strings.h"

namespace {

bool Is_Lower(QChar c) { return c >= u'a' && c <= u'z'; }
bool Is_Letter_Or_Digit(QChar c) { return Is_Lower(c) || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9'); }

// Where the cells of one table are and which texts report them; 0 for a check the
// table does not have.
struct TTrapRules {
  int Community, Type, OnTimer, Time, Position, Bit, NumBits, Description, IP, Conversion;
  int Community_Text, Type_Text, Time_Text, Position_Text, Bit_Text, String_Bit_Text, Int_Bits_Text,
      String_Bytes_Text, Description_Text, IP_Text, Conversion_Text;
};

constexpr TTrapRules kRead{kTrapR_Community, kTrapR_Type,   kTrapR_OnTimer,     kTrapR_Time,
                           kTrapR_Position,  kTrapR_Bit,    kTrapR_NumBits,     kTrapR_Description,
                           kTrapR_IP,        kTrapR_Conversion,
                           4776, 4761, 4762, 4763, 4764, 4765, 4766, 4767, 4777, 4768, 4785};
constexpr TTrapRules kWrite{kTrapW_Community, kTrapW_Type, 0, 0, kTrapW_Position, kTrapW_Bit, kTrapW_NumBits,
                            kTrapW_Description, 0, kTrapW_Conversion,
                            4778, 4769, 0, 4770, 4771, 4772, 4773, 4774, 4779, 0, 4786};

std::optional<TRowCheckFailure> Check_Object(const TTrapRules& r, const TEditorTable& t, int row) {
  // 1.
  if (Check_Error_CommName_Desc(t.Cell(r.Community, row), 0)) return Row_Fault(r.Community_Text);
  // 2.
  if (Trim(t.Cell(r.Type, row)).isEmpty()) return Row_Fault(r.Type_Text);
  const bool integer = UpperCase(t.Cell(r.Type, row)) == u"INT";
  // 3. The trap period (read table only).
  if (r.OnTimer > 0 && UpperCase(t.Cell(r.OnTimer, row)) == u"Y" && !In_Range(t.Cell(r.Time, row), 1, 1000000000))
    return Row_Fault(r.Time_Text);
  // 4. to 6. Where the object lies: only chosen, not bounded by the area.
  if (Trim(t.Cell(r.Position, row)).isEmpty()) return Row_Fault(r.Position_Text);
  if (Trim(t.Cell(r.Bit, row)).isEmpty()) return Row_Fault(r.Bit_Text);
  if (!integer && Trim(t.Cell(r.Bit, row)) != u"0") return Row_Fault(r.String_Bit_Text);
  // 7. Bits of an integer, bytes of a string.
  if (integer && !In_Range(t.Cell(r.NumBits, row), 1, 64)) return Row_Fault(r.Int_Bits_Text);
  if (!integer && !In_Range(t.Cell(r.NumBits, row), 1, 16)) return Row_Fault(r.String_Bytes_Text);
  // 8.
  if (Check_Error_CommName_Desc(t.Cell(r.Description, row), 1)) return Row_Fault(r.Description_Text);
  // 9. The trap destination (read table only).
  QString p1, p2, p3, p4;
  if (r.IP > 0 && !Split_IP_Address(t.Cell(r.IP, row), p1, p2, p3, p4)) return Row_Fault(r.IP_Text);
  // 10. The conversion column is never hidden by this editor.
  if (Trim(t.Cell(r.Conversion, row)).isEmpty()) return Row_Fault(r.Conversion_Text);
  return std::nullopt;
}

std::optional<TRowCheckFailure> Check_Read(const TEditorTable& t, int row, TRowCheckRun&) {
  return Check_Object(kRead, t, row);
}

std::optional<TRowCheckFailure> Check_Write(const TEditorTable& t, int row, TRowCheckRun&) {
  return Check_Object(kWrite, t, row);
}

// The descriptions of the enabled rows of both tables, in table and row order
// (SL_Check_Desc): the first two equal ones fail the check, without row.
std::optional<TRowCheckFailure> Check_Descriptions(const std::vector<const TEditorTable*>& tables) {
  QStringList SL_Check_Desc;
  const int descriptionCol[] = {kTrapR_Description, kTrapW_Description};
  for (size_t i = 0; i < tables.size() && i < 2; ++i) {
    const TEditorTableSpec& spec = SNMP_Trap_Spec.Tables[qsizetype(i)];
    const TEditorTable& t = *tables[i];
    for (int row = 1; row < t.RowCount() && Editor_Row_Used(spec, t, row); ++row)
      if (Editor_Row_Enabled(spec, t, row)) SL_Check_Desc << t.Cell(descriptionCol[i], row);
  }
  for (qsizetype i = 0; i < SL_Check_Desc.size(); ++i)
    for (qsizetype k = i + 1; k < SL_Check_Desc.size(); ++k)
      if (SL_Check_Desc[i] == SL_Check_Desc[k]) return TRowCheckFailure{0, 4780, QString(), false};
  return std::nullopt;
}

const QStringList kTypes = {"Int", "String"};
const QStringList kCommunities = {"Crumet", "Dalvisk"};
const QStringList kConversions = {"None", "Float", "Float * 10", "Float * 100", "Float / 10", "Float / 100"};
const QStringList kBits = {"0", "1", "2", "3", "4", "5", "6", "7"};

TEditorColumnSpec Position(int title, int hint) {
  return {.Title = title, .Hint = hint, .Width = 65, .Editor = edComboList, .Attribute = {"Position", ""},
          .Items = TColumnItems::Positions};
}

void Set_Table_Rules(TEditorTableSpec& t) {
  t.KeyColumn = 2;
  t.EnableColumn = 1;
  t.EnableTrimmed = false;
  t.EnableUpperCase = true;
  t.Area = kTrap_Area;
  t.DeleteQuestion = 4775;
  t.GroupOptional = true;
}

TEditorTableSpec Read_Table() {
  TEditorTableSpec t{.Group = QStringLiteral("SNMP_Trap_Read"), .Sheet = QStringLiteral("TS_SNMP_Read"),
                     .SheetCaption = 4708, .Grid = QStringLiteral("ECG_SNMP_Read"), .Rows = 256};
  t.Columns = {
      {.Title = 4716, .Width = 40},
      Check_Box_Column(4717, 4739, 50, {"Enable", "Y"}),
      Choice_Column(4718, 4740, 115, {"Community_Name", ""}, kCommunities, edComboEdit),
      Choice_Column(4719, 4741, 60, {"Type", ""}, kTypes),
      Check_Box_Column(4720, 4742, 75, {"On_Change", "N"}),
      Check_Box_Column(4721, 4743, 60, {"On_Command", "N"}),
      Check_Box_Column(4722, 4744, 70, {"On_Timer", "N"}),
      {.Title = 4723, .Hint = 4745, .Width = 75, .Attribute = {"Time", ""}},
      Position(4724, 4746),
      Choice_Column(4725, 4747, 65, {"Bit", ""}, kBits),
      {.Title = 4726, .Hint = 4748, .Width = 105, .Attribute = {"NumBits", ""}},
      {.Title = 4727, .Hint = 4749, .Width = 120, .Attribute = {"Description", ""}},
      {.Title = 4728, .Hint = 4750, .Width = 105, .Attribute = {"IP_Address", ""}},
      Choice_Column(4781, 4783, 95, {"Conversion", "None"}, kConversions),
      {.Title = 4729, .Hint = 4751, .Width = 150, .Attribute = {"Mnemonic", ""}},
  };
  Set_Table_Rules(t);
  t.Check = Check_Read;
  return t;
}

TEditorTableSpec Write_Table() {
  TEditorTableSpec t{.Group = QStringLiteral("SNMP_Trap_Write"), .Sheet = QStringLiteral("TS_SNMP_Write"),
                     .SheetCaption = 4709, .Grid = QStringLiteral("ECG_SNMP_Write"), .Rows = 256};
  t.Columns = {
      {.Title = 4730, .Width = 40},
      Check_Box_Column(4731, 4752, 50, {"Enable", "Y"}),
      Choice_Column(4732, 4753, 115, {"Community_Name", ""}, kCommunities, edComboEdit),
      Choice_Column(4733, 4754, 60, {"Type", ""}, kTypes),
      Position(4734, 4755),
      Choice_Column(4735, 4756, 65, {"Bit", ""}, kBits),
      {.Title = 4736, .Hint = 4757, .Width = 105, .Attribute = {"NumBits", ""}},
      {.Title = 4737, .Hint = 4758, .Width = 120, .Attribute = {"Description", ""}},
      Choice_Column(4782, 4784, 95, {"Conversion", "None"}, kConversions),
      {.Title = 4738, .Hint = 4759, .Width = 150, .Attribute = {"Mnemonic", ""}},
  };
  Set_Table_Rules(t);
  t.Check = Check_Write;
  return t;
}

TTableEditorSpec Trap_Spec() {
  TTableEditorSpec s{.FormName = QStringLiteral("FSNMP_Trap_Access"), .ClientWidth = 1256, .Caption = 4700,
                     .Description = 4701};
  for (int i = 0; i < 6; ++i) {
    s.ButtonCaptions[i] = 4702 + i;
    s.ButtonHints[i] = 4710 + i;
  }
  s.Root = QStringLiteral("SNMP_Trap");
  s.Version = QStringLiteral("1.000");
  s.Path = &File_SNMP_Trap;
  s.RowPrefix = 4760;
  s.Hints = THintColumns::Real;
  s.RowSelect = false;
  s.Editing = false;  // the read grid turns it on (its form does)
  Set_Message_Texts(s, 4787);
  s.Tables = {Read_Table(), Write_Table()};
  s.AfterRows = Check_Descriptions;
  return s;
}

}  // namespace

bool Check_Error_CommName_Desc(const QString& str, int Check_Type) {
  for (qsizetype i = 0; i < str.size(); ++i) {
    if (Check_Type == 1 && i == 0) {
      if (!Is_Lower(str[0])) return true;
      continue;
    }
    if (!Is_Letter_Or_Digit(str[i])) return true;
  }
  return false;
}

void Index_Row_Build(TEditorTable& app_SGA) {
  int counter = 0;
  for (int row = 1; row < app_SGA.RowCount(); ++row)
    app_SGA.SetCell(0, row, UpperCase(app_SGA.Cell(kTrapR_Enable, row)) == u"Y" ? IntToStr(++counter) : QString());
}

const TTableEditorSpec SNMP_Trap_Spec = Trap_Spec();
