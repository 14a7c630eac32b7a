#include "editors/network/opc_ua_server_variables.h"

#include "app/language/language.h"
#include "app/state/comon.h"
#include "editors/network/opc_ua_format.h"
#include "platform/rtl/strings.h"

const QStringList kOS_Var_Types = {"Boolean", "Signed Byte", "Byte",   "Int16", "UInt16", "Int32",     "UInt32",
                                   "Int64",   "UInt64",      "Float",  "Double", "String", "ByteString"};
const QStringList kOS_RW_Types = {"Read Only", "Read/Write"};

namespace {

constexpr int kCheck_Text = 4527;

TTableEditorSpec Make_Spec() {
  TTableEditorSpec s{.FormName = "FOPC_UA_Server_Access",
                     .ClientWidth = 1200,
                     .ClientHeight = 337,
                     .Caption = 4500,
                     .Description = 4501,
                     .ButtonCaptions = {4502, 4503, 4504, 4505, 4506, 4507},
                     .ButtonHints = {4508, 4509, 4510, 4511, 4512, 4513}};
  s.Root = QStringLiteral("OPC_UA_Server");
  s.Version = QStringLiteral("1.000");
  s.Path = &File_OPC_UA_Server;
  s.Hints = THintColumns::None;
  s.RowSelect = false;
  s.StringGrid = true;
  Set_Message_Texts(s, 4531);
  TEditorTableSpec t{.Group = QStringLiteral("OPC_UA_Server_Variables"), .Grid = QStringLiteral("ESG"), .Rows = kOS_Rows};
  t.Columns = {
      {.Title = 4514, .Width = 40},
      {.Title = 4515, .Width = 50, .Attribute = {"Enable", "Y"}, .Color = 0xB0D8FF},
      {.Title = 4516, .Width = 120, .Attribute = {"Type", ""}, .Color = 0xFEFAE0},
      {.Title = 4517, .Width = 100, .Attribute = {"Position", ""}, .Color = 0xA8FFA8},
      {.Title = 4518, .Width = 100, .Attribute = {"Length", ""}, .Color = 0xA8FFA8},
      {.Title = 4519, .Width = 280, .Attribute = {"Name", ""}, .Color = 0xF4D6FC},
      {.Title = 4529, .Width = 100, .Attribute = {"ReadWrite", ""}, .Color = 0xF4D6FC},
      {.Title = 4520, .Width = 280, .Attribute = {"Mnemonic", ""}, .Color = clWhite},
  };
  t.KeyColumn = kOS_Type;
  t.EnableColumn = kOS_Enable;
  s.Tables = {t};
  return s;
}

}  // namespace

const TTableEditorSpec OPC_UA_Server_Spec = Make_Spec();

std::optional<TOS_Length> OS_Type_Length(const QString& type) {
  struct TRule {
    const char16_t* Types[3];
    const char16_t* Length;
    bool ReadOnly;
  };
  static constexpr TRule kRules[] = {
      {{u"Boolean", u"Signed Byte", u"Byte"}, u"1", true},
      {{u"Int16", u"UInt16", nullptr}, u"2", true},
      {{u"Int32", u"UInt32", u"Float"}, u"4", true},
      {{u"Int64", u"UInt64", u"Double"}, u"8", true},
      {{u"String", u"ByteString", nullptr}, u"10", false},
  };
  for (const TRule& rule : kRules)
    for (const char16_t* name : rule.Types)
      if (name && type == QString::fromUtf16(name)) return TOS_Length{QString::fromUtf16(rule.Length), rule.ReadOnly};
  return std::nullopt;
}

std::optional<bool> OS_VarSetLength(TEditorTable& table, const QString& type, int row) {
  const std::optional<TOS_Length> length = OS_Type_Length(type);
  if (length) table.SetCell(kOS_Length, row, length->Length);
  if (table.Cell(kOS_ReadWrite, row).isEmpty()) table.SetCell(kOS_ReadWrite, row, QStringLiteral("Read/Write"));
  if (!length) return std::nullopt;
  return length->ReadOnly;
}

QString OS_Check(const TEditorTable& table) {
  for (int row = 1; row < table.RowCount(); ++row) {
    if (Trim(table.Cell(kOS_Type, row)).isEmpty() || table.Cell(kOS_Enable, row) != u"Y") continue;
    if (!In_Range(table.Cell(kOS_Position, row), 0, kOS_Area - 1))
      return Format_Numbers(Lang_Text(kCheck_Text), {row, kOS_Area});
  }
  return QString();
}
