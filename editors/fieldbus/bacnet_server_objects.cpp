#include "editors/fieldbus/bacnet_server_objects.h"

#include "app/editor_file/editor_file.h"
#include "app/state/comon.h"
#include "platform/rtl/exceptions.h"
#include "platform/rtl/numbers.h"
#include "platform/rtl/strings.h"

#include <vector>

namespace {

constexpr int kPosition = 3;
constexpr int kBit = 4;

// The Length bounds of one Data Type, compared exactly.
struct TLengthRule {
  const char16_t* Type;
  int32_t Low;
  int32_t High;
  int Text;
};

struct TObjectRules {
  const char16_t* Binary[2];
  std::vector<TLengthRule> Lengths;
  int Eng_Unit_Text;
  int Position_Text;
  int Bit_Text;
  int Last_Byte_Text;
};

const TObjectRules kRead_Rules{{u"Binary Input", u"Binary Value"},
                               {{u"Analog Input", 1, 4, 2235},
                                {u"Positive Integer Value", 1, 4, 2236},
                                {u"Large Analog Value", 1, 8, 2237},
                                {u"Analog Value", 1, 4, 2238},
                                {u"Multi State Input", 1, 4, 2239},
                                {u"Multi State Value", 1, 4, 2240},
                                {u"Life Safety Point", 1, 2, 2241},
                                {u"Life Safety Zone", 1, 2, 2242},
                                {u"Access Door", 1, 1, 2243},
                                {u"Accumulator", 1, 4, 2244}},
                               2233, 2234, 2245, 2246};
const TObjectRules kWrite_Rules{{u"Binary Out", u"Binary Value"},
                                {{u"Analog Out", 1, 4, 2249},
                                 {u"Analog Value", 1, 4, 2250},
                                 {u"Positive Integer Value", 1, 4, 2251},
                                 {u"Large Analog Value", 1, 8, 2252},
                                 {u"Integer Value", 1, 4, 2253},
                                 {u"Multi State Output", 1, 4, 2254},
                                 {u"Multi State Value", 1, 4, 2255},
                                 {u"Access Door", 1, 1, 2256}},
                                2247, 2248, 2257, 2258};
constexpr int kText_Too_Many = 2259;

std::optional<TRowCheckFailure> Check_Object(const TObjectRules& r, const TEditorTable& t, int row) {
  // 1.
  if (!In_Range(t.Cell(kBS_Eng_Unit, row), 0, 65535)) return Row_Fault(r.Eng_Unit_Text);
  // 2.
  if (!In_Range(t.Cell(kPosition, row), 0, kBS_Area - 1)) return Row_Fault(r.Position_Text, IntToStr(kBS_Area - 1));
  // 3. The last byte: a binary object takes its Position byte only.
  const QString type = t.Cell(kBS_Data_Type, row);
  int64_t last = Cell_Number(t.Cell(kPosition, row));
  if (type == QStringView(r.Binary[0]) || type == QStringView(r.Binary[1])) {
    if (t.Cell(kBit, row).isEmpty()) return Row_Fault(r.Bit_Text);
  } else {
    const int32_t length = StrToIntDef(t.Cell(kBS_Length, row), 0);
    for (const TLengthRule& rule : r.Lengths)
      if (type == QStringView(rule.Type) && (length < rule.Low || length > rule.High)) return Row_Fault(rule.Text);
    last += int64_t(length) - 1;
  }
  // 4.
  if (last >= kBS_Area) return Row_Fault(r.Last_Byte_Text);
  return std::nullopt;
}

std::optional<TRowCheckFailure> Check_Table(const TObjectRules& r, const TEditorTable& t, int& objects) {
  for (int row = 1; row < t.RowCount() && !Trim(t.Cell(kBS_Data_Type, row)).isEmpty(); ++row) {
    ++objects;
    if (std::optional<TRowCheckFailure> failure = Check_Object(r, t, row)) {
      failure->Row = row;
      return failure;
    }
  }
  return std::nullopt;
}

// --- The description ----------------------------------------------------------

const QStringList kRead_Types = {"Analog Input",      "Analog Value",      "Binary Input",  "Binary Value",
                                 "Positive Integer Value", "Large Analog Value", "Integer Value", "Multi State Input",
                                 "Multi State Value", "Life Safety Point", "Life Safety Zone", "Access Door",
                                 "Accumulator"};
const QStringList kWrite_Types = {"Analog Out",         "Analog Value",  "Binary Out",         "Binary Value",
                                  "Positive Integer Value", "Large Analog Value", "Integer Value", "Multi State Output",
                                  "Multi State Value",  "Access Door"};

TEditorTableSpec Object_Table(const char* group, const char* sheet, int caption, const char* grid, int title,
                              const QStringList& types) {
  TEditorTableSpec t{.Group = group, .Sheet = sheet, .SheetCaption = caption, .Grid = grid, .Rows = kBS_Rows};
  t.Columns = {
      {.Title = title, .Width = 50},
      {.Title = title + 1, .Width = 170, .Editor = edComboList, .Attribute = "Data_Type", .Items = TColumnItems::Choices,
       .Choices = types},
      {.Title = title + 2, .Width = 80, .Attribute = "Eng_Unit"},
      {.Title = title + 3, .Width = 70, .Editor = edComboList, .Attribute = "Position",
       .Items = TColumnItems::Positions},
      {.Title = title + 4, .Width = 70, .Editor = edComboList, .Attribute = "Bit", .Items = TColumnItems::Choices,
       .Choices = {"0", "1", "2", "3", "4", "5", "6", "7"}},
      {.Title = title + 5, .Width = 70, .Attribute = "Length"},
      {.Title = title + 6, .Width = 50, .Editor = edDataCheckBox, .Attribute = {"Swap", "N"}},
      {.Title = title + 7, .Width = 200, .Attribute = "Mnemonic"},
  };
  t.KeyColumn = kBS_Data_Type;
  t.Area = kBS_Area;
  t.DeleteQuestion = 2260;
  return t;
}

TTableEditorSpec Make_Spec() {
  TTableEditorSpec s{.FormName = QStringLiteral("FBACnetSlaveSetAccess"), .ClientWidth = 764, .Caption = 2200,
                     .Description = 2201};
  for (int i = 0; i < 6; ++i) {
    s.ButtonCaptions[i] = 2202 + i;
    s.ButtonHints[i] = 2210 + i;
  }
  s.Root = QStringLiteral("BACnet_to_Modbus");
  s.Version = QStringLiteral("1.000");
  s.Path = &File_BACnet_Slave;
  s.RowPrefix = 2232;
  s.Hints = THintColumns::None;
  s.KeepOtherHints = true;
  Set_Message_Texts(s, 2261);
  s.Tables = {Object_Table("BACnet_in_Read", "TS_BACnet_in_Read", 2208, "ECG_BACnet_in_Read", 2216, kRead_Types),
              Object_Table("BACnet_in_Write", "TS_BACnet_in_Write", 2209, "ECG_BACnet_in_Write", 2224, kWrite_Types)};
  return s;
}

}  // namespace

const TTableEditorSpec BACnet_Server_Spec = Make_Spec();

bool BACnet_Long_Names(const QString& path) {
  try {
    return Read_Field_Text(path, QStringLiteral("BACnet_Desc_Chars_Limit"), QString()) == u"1";
  } catch (const Exception&) {
    return false;
  }
}

std::optional<TRowCheckFailure> Check_BACnet_Server_Tables(const TEditorTable& read, const TEditorTable& write,
                                                           bool descLenght) {
  int objects = 0;
  if (auto failure = Check_Table(kRead_Rules, read, objects)) return failure;
  if (auto failure = Check_Table(kWrite_Rules, write, objects)) return failure;
  const int limit = descLenght ? kBS_Long_Names_Rows : kBS_Rows;
  if (objects <= limit) return std::nullopt;
  TRowCheckFailure failure = Row_Fault(kText_Too_Many, IntToStr(limit));
  failure.RowPrefix = false;
  return failure;
}

QString BACnet_Write_Length(const QString& dataType) {
  const QString type = UpperCase(dataType);
  for (const char16_t* four : {u"ANALOG OUT", u"ANALOG VALUE", u"POSITIVE INTEGER VALUE", u"INTEGER VALUE",
                               u"MULTI STATE OUTPUT", u"MULTI STATE VALUE"})
    if (type == QStringView(four)) return QStringLiteral("4");
  for (const char16_t* one : {u"BINARY OUT", u"BINARY VALUE", u"ACCESS DOOR"})
    if (type == QStringView(one)) return QStringLiteral("1");
  if (type == u"LARGE ANALOG VALUE") return QStringLiteral("8");
  return QString();
}
