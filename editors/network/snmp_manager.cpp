#include "editors/network/snmp_manager.h"

#include "app/language/language.h"
#include "app/routines/ip_address.h"
#include "app/routines/snmp_checks.h"
#include "app/state/comon.h"
#include "platform/rtl/strings.h"

namespace {

// The faults of one user name or pass phrase by the code of Check_SNMP_Password.
std::optional<TRowCheckFailure> Credential_Fault(const QString& text, bool shortText, int firstText) {
  const int code = Check_SNMP_Password(text, shortText);
  if (code == 0) return std::nullopt;
  return Row_Fault(firstText + code - 1);
}

// Step 8: the SNMPv3 fields of a version 3 request.
std::optional<TRowCheckFailure> Check_Version3(const TEditorTable& t, int row) {
  if (auto fault = Credential_Fault(t.Cell(kSNMPM_User, row), true, 4674)) return fault;
  if (auto fault = Credential_Fault(t.Cell(kSNMPM_AuthPass, row), false, 4677)) return fault;
  if (auto fault = Credential_Fault(t.Cell(kSNMPM_PrivPass, row), false, 4680)) return fault;
  const int level = SNMP_Security_Level_Code(t.Cell(kSNMPM_Security, row));
  if (level == -1) return Row_Fault(4683);
  if ((level == 1 || level == 3) && Trim(t.Cell(kSNMPM_AuthMode, row)).isEmpty()) return Row_Fault(4684);
  if (level == 3 && Trim(t.Cell(kSNMPM_PrivMode, row)).isEmpty()) return Row_Fault(4685);
  return std::nullopt;
}

std::optional<TRowCheckFailure> Check_Request(const TEditorTable& t, int row, TRowCheckRun&) {
  // 1.
  QString p1, p2, p3, p4;
  if (!Split_IP_Address(t.Cell(kSNMPM_IP, row), p1, p2, p3, p4)) return Row_Fault(4638);
  // 2. (an empty OID answers code 2: it names no object)
  if (const int code = Check_OID_Text(t.Cell(kSNMPM_OID, row)); code != 0) return Row_Fault(4638 + code);
  // 3. and 4.
  const bool timer = Trim(t.Cell(kSNMPM_OnTimer, row)) == u"Y";
  if (Trim(t.Cell(kSNMPM_Mode, row)) == u"Get" && !timer) return Row_Fault(4657);
  if (timer && !In_Range(t.Cell(kSNMPM_Time, row), 1, 100000000)) return Row_Fault(4645);
  // 5.
  if (!In_Range(t.Cell(kSNMPM_NumBytes, row), 0, 244)) return Row_Fault(4658);
  // 6. Reading modes fill the input area, the others read the output area.
  const QString mode = t.Cell(kSNMPM_Mode, row);
  const int area = mode == u"Get" || mode == u"Trap" ? kSNMPM_NB_IN : kSNMPM_NB_OUT;
  if (!In_Range(t.Cell(kSNMPM_Position, row), 0, area - 1)) return Row_Fault(4659, IntToStr(area - 1));
  // 7.
  if (Trim(t.Cell(kSNMPM_Conversion, row)).isEmpty()) return Row_Fault(4656);
  // 8.
  if (Cell_Number(t.Cell(kSNMPM_Version, row)) == 3) return Check_Version3(t, row);
  return std::nullopt;
}

// Two enabled requests with the same IP Address, Version and OID (each trimmed):
// the first such pair in row order.
std::optional<TRowCheckFailure> Check_Duplicates(const std::vector<const TEditorTable*>& tables) {
  const TEditorTableSpec& spec = SNMP_Manager_Spec.Tables[0];
  const TEditorTable& t = *tables[0];
  int used = 1;
  while (used < t.RowCount() && Editor_Row_Used(spec, t, used)) ++used;
  auto key = [&t](int row) {
    return QStringList{Trim(t.Cell(kSNMPM_IP, row)), Trim(t.Cell(kSNMPM_Version, row)), Trim(t.Cell(kSNMPM_OID, row))};
  };
  for (int r = 1; r < used; ++r) {
    if (!Editor_Row_Enabled(spec, t, r)) continue;
    for (int s = r + 1; s < used; ++s) {
      if (!Editor_Row_Enabled(spec, t, s) || key(r) != key(s)) continue;
      return TRowCheckFailure{r, 4686, IntToStr(r) + Lang_Text(4687) + IntToStr(s) + Lang_Text(4688), false};
    }
  }
  return std::nullopt;
}

TEditorTableSpec Request_Table() {
  TEditorTableSpec t{.Grid = QStringLiteral("ECG_SNMP"), .Rows = 512};
  t.Columns = {
      {.Title = 4608, .Width = 40},
      {.Title = 4609, .Hint = 4623, .Width = 50, .Editor = edDataCheckBox, .Attribute = {"Enable", "Y"}},
      {.Title = 4610, .Hint = 4624, .Width = 105, .Attribute = {"IP_Address", ""}},
      Choice_Column(4611, 4625, 55, {"Version", ""}, {"1", "2", "3"}),
      Choice_Column(4612, 4626, 110, {"Community_String", ""}, {"Crumet", "Dalvisk"}, edComboEdit),
      {.Title = 4613, .Hint = 4627, .Width = 150, .Attribute = {"OID", ""}},
      Choice_Column(4614, 4628, 55, {"Type", ""}, {"String", "Int"}),
      Choice_Column(4615, 4629, 50, {"Mode", ""}, {"Get", "Set", "Trap"}),
      Check_Box_Column(4616, 4630, 70, {"On_Change", "N"}),
      Check_Box_Column(4617, 4631, 60, {"On_Command", "N"}),
      Check_Box_Column(4618, 4632, 65, {"On_Timer", "N"}),
      {.Title = 4619, .Hint = 4633, .Width = 70, .Attribute = {"Time", ""}},
      {.Title = 4620, .Hint = 4634, .Width = 65, .Editor = edComboList, .Attribute = {"Position", ""},
       .Items = TColumnItems::Positions},
      {.Title = 4621, .Hint = 4635, .Width = 75, .Attribute = {"Number_Bytes", ""}},
      Choice_Column(4654, 4655, 90, {"ConvertFrom", "None"}, {"None", "Float", "Float * 10", "Float * 100"}),
      Check_Box_Column(4660, 4661, 55, {"Cancel", "N"}),
      {.Title = 4662, .Hint = 4668, .Width = 90, .Attribute = {"User", ""}},
      {.Title = 4663, .Hint = 4669, .Width = 90, .Attribute = {"Auth_Pass", ""}},
      {.Title = 4664, .Hint = 4670, .Width = 90, .Attribute = {"Priv_Pass", ""}},
      Choice_Column(4665, 4671, 110, {"Security_Level", ""}, {"NoAuth NoPriv", "Auth NoPriv", "Auth Priv"}),
      Choice_Column(4666, 4672, 75, {"Auth_Mode", ""}, {"MD5", "SHA"}),
      Choice_Column(4667, 4673, 75, {"Priv_Mode", ""}, {"DES", "AES"}),
      {.Title = 4622, .Hint = 4636, .Width = 150, .Attribute = {"Mnemonic", ""}},
  };
  t.KeyColumn = kSNMPM_IP;
  t.EnableColumn = kSNMPM_Enable;
  t.Area = kSNMPM_NB_IN;
  t.DeleteQuestion = 4647;
  t.Check = Check_Request;
  return t;
}

TTableEditorSpec Manager_Spec() {
  TEditorTableSpec table = Request_Table();
  // The form is narrowed by the width of the OnCMD column.
  TTableEditorSpec s{.FormName = QStringLiteral("FSNMPManagerAccess"),
                     .ClientWidth = 1230 - table.Columns[kSNMPM_OnCMD].Width,
                     .Caption = 4600,
                     .Description = 4601};
  for (int i = 0; i < 6; ++i) {
    s.ButtonCaptions[i] = 4602 + i;
    s.ButtonHints[i] = 4648 + i;
  }
  s.Root = QStringLiteral("SNMP_Manager_Access");
  s.Version = QStringLiteral("1.000");
  s.Path = &File_SNMP_Manager;
  s.RowPrefix = 4637;
  s.RowSelect = false;
  Set_Message_Texts(s, 4689);
  s.Tables = {table};
  s.AfterRows = Check_Duplicates;
  return s;
}

}  // namespace

const TTableEditorSpec SNMP_Manager_Spec = Manager_Spec();
