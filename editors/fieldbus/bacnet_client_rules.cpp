#include "editors/fieldbus/bacnet_client_rules.h"

#include "app/routines/ip_address.h"
#include "app/state/comon.h"
#include "platform/rtl/numbers.h"
#include "platform/rtl/strings.h"

#include <algorithm>

namespace {

// --- Code tables ------------------------------------------------------------------

struct TObjectCode {
  const char16_t* Text;
  int Code;
  bool Writable;
};
constexpr TObjectCode kObject_Codes[] = {
    {u"ACCUMULATOR", 1, false},         {u"MULTI-STATE INPUT", 2, false}, {u"MULTI-STATE OUTPUT", 3, true},
    {u"ANALOG INPUT", 4, false},        {u"ANALOG OUTPUT", 5, true},      {u"BINARY INPUT", 6, false},
    {u"BINARY OUTPUT", 7, true},        {u"INTEGER VALUE", 8, true},      {u"LARGE ANALOG VALUE", 9, true},
    {u"POSITIVE INTEGER VALUE", 10, true}, {u"MULTI-STATE VALUE", 11, true}, {u"ANALOG VALUE", 12, true},
    {u"BINARY VALUE", 13, true},        {u"LIFE SAFETY POINT", 14, true}, {u"LIFE SAFETY ZONE", 15, true},
};

bool Proprietary_Object(int code) { return code >= 128 && code <= 1023; }

// A named property of the read table: its code and the object codes it is allowed
// for (all, only the listed, or all but the listed).
struct TPropertyCode {
  const char16_t* Text;
  int Code;
  enum { All, Only, Not } Rule;
  std::initializer_list<int> Objects;
};
const TPropertyCode kProperty_Codes[] = {
    {u"OBJECT IDENTIFIER (75)", 4, TPropertyCode::All, {}},
    {u"UNITS (117)", 4, TPropertyCode::Not, {2, 3, 6, 7, 11, 13}},
    {u"SCALE (187)", 1, TPropertyCode::Only, {1}},
    {u"PRESCALE (185)", 5, TPropertyCode::Only, {1}},
    {u"POLARITY (84)", 1, TPropertyCode::Only, {6, 7, 13}},
    {u"EVENT STATE (36)", 4, TPropertyCode::All, {}},
    {u"STATUS FLAGS (111)", 1, TPropertyCode::All, {}},
    {u"OBJECT TYPE (79)", 2, TPropertyCode::All, {}},
    {u"NUMBER OF STATES (74)", 4, TPropertyCode::Only, {2, 3, 11}},
};
constexpr int kPresent_Value = 100;
constexpr int kProprietary_Property = 200;

// The present value's data type by object code, and its name in the message.
struct TDataTypeRule {
  const char16_t* Upper;
  const char16_t* Name;
  std::initializer_list<int> Objects;
};
const TDataTypeRule kData_Type_Rules[] = {
    {u"UNSIGNED INT", u"Unsigned Int", {3, 10, 11}},
    {u"SIGNED INT", u"Signed Int", {8}},
    {u"REAL", u"Real", {5, 12}},
    {u"DOUBLE", u"Double", {9}},
    {u"ENUMERATED", u"Enumerated", {7, 13}},
};

bool Among(int value, std::initializer_list<int> values) {
  return std::find(values.begin(), values.end(), value) != values.end();
}

// --- The row checks ------------------------------------------------------------------

// Where a table's cells are and which texts say what.
struct TClientRules {
  bool Write;
  int Object_Type, Instance, Property, NByte, En_Dest, D_Net, D_Len, D_Add, Poll_Time, Max_Err;
  int IP_Text, Slave_ID_Text, Object_Type_Text, Instance_Text, Property_Text, NByte_Text, D_Net_Text, D_Len_Text,
      D_Add_1_Text, D_Add_2_Text, D_Add_6_Text, M_Form_Text, Byte_Text, Too_Many_Text, Too_Few_Text, Poll_Time_Text,
      Max_Err_Text;
};
constexpr TClientRules kRead_Rules{
    false, kBCR_Object_Type, kBCR_Instance, kBCR_Property, kBCR_NByte, kBCR_En_Dest, kBCR_D_Net, kBCR_D_Len,
    kBCR_D_Add, kBCR_Poll_Time, kBCR_Max_Err,
    2038, 2039, 2040, 2041, 2042, 2043, 2070, 2071, 2072, 2073, 2074, 2086, 2082, 2084, 2088, 2044, 2045};
constexpr TClientRules kWrite_Rules{
    true, kBCW_Object_Type, kBCW_Instance, kBCW_Property, kBCW_NByte, kBCW_En_Dest, kBCW_D_Net, kBCW_D_Len,
    kBCW_D_Add, kBCW_Poll_Time, kBCW_Max_Err,
    2047, 2048, 2049, 2050, 2051, 2054, 2075, 2076, 2077, 2078, 2079, 2087, 2083, 2085, 2089, 2055, 2056};
constexpr int kText_Data_Type = 2052;
constexpr int kText_Data_Type_Expected = 2058;
constexpr int kText_Priority = 2053;

// The destination address as n bytes separated by commas (Check_Dest_Add).
std::optional<TRowCheckFailure> Check_Dest_Add(const QString& text, int n, const TClientRules& r) {
  const QString address = Trim(text);
  if (address.isEmpty()) return Row_Fault(0);  // fails without a message
  const QStringList parts = address.split(u',');
  for (const QString& part : parts)
    if (!In_Range(Trim(part), 0, 255)) return Row_Fault(r.Byte_Text);
  if (parts.size() > n) return Row_Fault(r.Too_Many_Text);
  if (parts.size() < n) return Row_Fault(r.Too_Few_Text);
  return std::nullopt;
}

// The destination network, length and address (only while En Dest is "Y").
std::optional<TRowCheckFailure> Check_Destination(const TEditorTable& t, int row, const TClientRules& r) {
  if (!In_Range(t.Cell(r.D_Net, row), 1, 65535)) return Row_Fault(r.D_Net_Text);
  const QString length = t.Cell(r.D_Len, row);
  const QString address = t.Cell(r.D_Add, row);
  const int32_t n = Cell_Number(length);
  if (n == 1) return In_Range(address, 0, 255) ? std::nullopt : std::optional(Row_Fault(r.D_Add_1_Text));
  if (n == 2) return In_Range(address, 1, 65535) ? std::nullopt : std::optional(Row_Fault(r.D_Add_2_Text));
  if (n == 6) {
    uint8_t b1 = 0, b2 = 0, b3 = 0, b4 = 0;
    uint16_t port = 0;
    if (IP_Port_Text_To_Bytes(Trim(address), b1, b2, b3, b4, port)) return std::nullopt;
    return Row_Fault(r.D_Add_6_Text);
  }
  if (n != -1) return Row_Fault(r.D_Len_Text);
  // "M" and a byte count of 1 to 8: the address is that many bytes.
  const QString m = UpperCase(Trim(length));
  if (m.size() != 2 || m[0] != u'M' || m[1] < u'1' || m[1] > u'8') return Row_Fault(r.M_Form_Text);
  return Check_Dest_Add(address, m[1].unicode() - u'0', r);
}

std::optional<TRowCheckFailure> Check_Address(const TEditorTable& t, int row, const TClientRules& r, int type) {
  const QString address = t.Cell(kBCR_Address, row);
  if (type == 0) {
    uint8_t b1 = 0, b2 = 0, b3 = 0, b4 = 0;
    if (IP_Text_To_Bytes(address, b1, b2, b3, b4)) return Row_Fault(r.IP_Text);
  } else if (type == 1 && !In_Range(address, 0, 254)) {
    return Row_Fault(r.Slave_ID_Text);
  }
  return std::nullopt;
}

bool Instance_In_Range(const QString& text) {
  const int64_t instance = StrToInt64Def(text, -1);
  return instance >= 0 && instance <= 4294967295LL;
}

bool Destination_On(const TEditorTable& t, int row, const TClientRules& r) {
  return UpperCase(Trim(t.Cell(r.En_Dest, row))) == u"Y";
}

std::optional<TRowCheckFailure> Check_Read_Row(const TEditorTable& t, int row, int type) {
  const TClientRules& r = kRead_Rules;
  if (auto failure = Check_Address(t, row, r, type)) return failure;
  const int object = Check_Object_Type(t.Cell(r.Object_Type, row), false);
  if (object == -1) return Row_Fault(r.Object_Type_Text);
  if (!Instance_In_Range(t.Cell(r.Instance, row))) return Row_Fault(r.Instance_Text);
  if (Check_Property(t.Cell(r.Property, row), object, false) == -1) return Row_Fault(r.Property_Text);
  if (!In_Range(t.Cell(r.NByte, row), 0, 255)) return Row_Fault(r.NByte_Text);
  if (Destination_On(t, row, r))
    if (auto failure = Check_Destination(t, row, r)) return failure;
  if (!In_Range(t.Cell(r.Poll_Time, row), 0, 100000000)) return Row_Fault(r.Poll_Time_Text);
  if (!In_Range(t.Cell(r.Max_Err, row), 0, 65535)) return Row_Fault(r.Max_Err_Text);
  return std::nullopt;
}

std::optional<TRowCheckFailure> Check_Write_Row(const TEditorTable& t, int row, int type) {
  const TClientRules& r = kWrite_Rules;
  if (auto failure = Check_Address(t, row, r, type)) return failure;
  const int object = Check_Object_Type(t.Cell(r.Object_Type, row), true);
  if (object == -1) return Row_Fault(r.Object_Type_Text);
  if (!Instance_In_Range(t.Cell(r.Instance, row))) return Row_Fault(r.Instance_Text);
  const int property = Check_Property(t.Cell(r.Property, row), object, true);
  if (property == -1) return Row_Fault(r.Property_Text);
  const QString dataType = t.Cell(kBCW_Data_Type, row);
  if (!Check_Data_Type(dataType, object, property)) {
    const QString expected = property == kPresent_Value ? Aspected_Data_Type_Value(object) : QString();
    return expected.isEmpty() ? Row_Fault(kText_Data_Type) : Row_Fault(kText_Data_Type_Expected, expected);
  }
  if (!In_Range(t.Cell(kBCW_Priority, row), 0, 16)) return Row_Fault(kText_Priority);
  const int maxBytes = Check_Num_Byte_Max(dataType);
  if (!In_Range(t.Cell(r.NByte, row), 0, maxBytes)) return Row_Fault(r.NByte_Text, IntToStr(maxBytes));
  if (Destination_On(t, row, r))
    if (auto failure = Check_Destination(t, row, r)) return failure;
  if (UpperCase(t.Cell(kBCW_Timer, row)) == u"Y" && !In_Range(t.Cell(r.Poll_Time, row), 0, 100000000))
    return Row_Fault(r.Poll_Time_Text);
  if (!In_Range(t.Cell(r.Max_Err, row), 0, 65535)) return Row_Fault(r.Max_Err_Text);
  return std::nullopt;
}

// --- The description ----------------------------------------------------------------

const QStringList kRead_Object_Types = {
    "Accumulator",   "Multi-State Input", "Multi-State Output", "Multi-State Value",     "Analog Input",
    "Analog Output", "Analog Value",      "Binary Input",       "Binary Output",         "Binary Value",
    "Integer Value", "Large Analog Value", "Positive Integer Value", "Life Safety Point", "Life Safety Zone"};
const QStringList kWrite_Object_Types = {"Multi-State Output", "Multi-State Value",  "Analog Output",
                                         "Analog Value",       "Binary Output",      "Binary Value",
                                         "Integer Value",      "Large Analog Value", "Positive Integer Value"};
const QStringList kRead_Properties = {"Present Value (85)", "Object Identifier (75)", "Units (117)",
                                      "Scale (187)",        "PreScale (185)",         "Polarity (84)",
                                      "Event State (36)",   "Status Flags (111)",     "Object Type (79)",
                                      "Number of States (74)"};
const QStringList kData_Types = {"Null", "Boolean",          "Unsigned Int", "Signed Int", "Real", "Double",
                                 "Octet String", "Character String", "Bit String", "Enumerated", "Date", "Time",
                                 "Object ID"};
const QStringList kD_Len = {"1", "2", "6", "M1", "M2", "M3", "M4", "M5", "M6", "M7", "M8"};
const QStringList kBits = {"0", "1", "2", "3", "4", "5", "6", "7"};

TEditorColumnSpec Text(int title, int width, const char* attribute, const char* def = "") {
  return {.Title = title, .Width = width, .Attribute = {attribute, def}};
}
TEditorColumnSpec Check(int title, int width, const char* attribute, const char* def) {
  return {.Title = title, .Width = width, .Editor = edDataCheckBox, .Attribute = {attribute, def}};
}
TEditorColumnSpec Pick(int title, int width, const char* attribute, TEditorType editor, const QStringList& items) {
  return {.Title = title, .Width = width, .Editor = editor, .Attribute = {attribute, ""},
          .Items = TColumnItems::Choices, .Choices = items};
}
TEditorColumnSpec Positions(int title) {
  return {.Title = title, .Width = 60, .Editor = edComboList, .Attribute = {"Position", ""},
          .Items = TColumnItems::Positions};
}
// A column the file does not hold.
TEditorColumnSpec Unsaved(int title, int width, TEditorType editor, const QStringList& items) {
  return {.Title = title, .Width = width, .Editor = editor, .Attribute = {""},
          .Items = items.isEmpty() ? TColumnItems::None : TColumnItems::Choices, .Choices = items};
}

TEditorTableSpec Client_Table(const char* group, const char* sheet, int caption, const char* grid) {
  TEditorTableSpec t{.Group = group, .Sheet = sheet, .SheetCaption = caption, .Grid = grid, .Rows = kBC_Rows};
  t.KeyColumn = kBCR_Address;
  t.EnableColumn = kBCR_Enable;
  t.Area = kBC_Area;
  t.DeleteQuestion = 2036;
  return t;
}

TTableEditorSpec Make_Spec() {
  TTableEditorSpec s{.FormName = QStringLiteral("FBACnetAccess"), .ClientWidth = 1305, .Caption = 2000,
                     .Description = 2001, .ButtonCaptions = {2002, 2003, 2004, 2005, 0, 0}};
  s.Root = QStringLiteral("BACnet_Master_Access");
  s.Version = QStringLiteral("1.000");
  s.Path = &File_BACnet_Master_Access;
  s.RowPrefix = 2037;
  s.Hints = THintColumns::None;
  s.RowSelect = false;
  Set_Message_Texts(s, 2094);

  TEditorTableSpec read = Client_Table("BACnet_Read", "TS_BACnet_Read", 2006, "ECG1");
  read.Columns = {
      {.Title = 2008, .Width = 40},
      Check(2090, 50, "Enable", "Y"),
      Text(2009, 100, "IP_Address_Slave_ID"),
      Pick(2011, 150, "Object_Type", edComboEdit, kRead_Object_Types),
      Text(2012, 80, "Instance"),
      Pick(2013, 150, "Property", edComboEdit, kRead_Properties),
      Text(2014, 50, "NumByte"),
      Check(2062, 55, "Enable_Destination", "N"),
      Text(2063, 55, "Destination_Network"),
      Pick(2064, 50, "Destination_Length", edComboList, kD_Len),
      Text(2065, 120, "Destination_Address"),
      Text(2015, 65, "PollTime"),
      Text(2016, 55, "MaxError"),
      Positions(2017),
      Pick(2018, 60, "StartBit", edComboList, kBits),
      Unsaved(2060, 45, edDataCheckBox, {}),
      Unsaved(2080, 120, edComboList, {"None", "Float to Int", "(Float to Int) * 10", "(Float to Int) * 100"}),
      Text(2019, 150, "Mnemonic"),
  };
  TEditorTableSpec write = Client_Table("BACnet_Write", "TS_BACnet_Write", 2007, "ECG2");
  write.Columns = {
      {.Title = 2020, .Width = 40},
      Check(2091, 50, "Enable", "Y"),
      Text(2021, 100, "IP_Address_Slave_ID"),
      Pick(2023, 150, "Object_Type", edComboEdit, kWrite_Object_Types),
      Pick(2024, 100, "Data_Type", edComboList, kData_Types),
      Text(2025, 80, "Instance"),
      Pick(2026, 130, "Property", edComboEdit, {"Present Value (85)"}),
      Text(2027, 50, "Priority"),
      Text(2028, 50, "NumByte"),
      Check(2066, 55, "Enable_Destination", "N"),
      Text(2067, 55, "Destination_Network"),
      Pick(2068, 50, "Destination_Length", edComboList, kD_Len),
      Text(2069, 120, "Destination_Address"),
      Check(2029, 55, "OnChange", "N"),
      Check(2030, 50, "OnTimer", "N"),
      Text(2031, 65, "PollTime"),
      Text(2032, 55, "MaxError"),
      Positions(2033),
      Pick(2034, 60, "StartBit", edComboList, kBits),
      Unsaved(2061, 45, edDataCheckBox, {}),
      Unsaved(2081, 120, edComboList, {"None", "Int to Float", "(Int to Float) / 10", "(Int to Float) / 100"}),
      Text(2035, 150, "Mnemonic"),
  };
  s.Tables = {read, write};
  return s;
}

// --- EDE import ----------------------------------------------------------------------

struct TEDE_Map {
  int Type;
  const char16_t* Object_Type;
  const char16_t* Data_Type;
  int Bytes;
};
constexpr TEDE_Map kEDE_Maps[] = {
    {0, u"Analog Input", u"Real", 4},          {1, u"Analog Output", u"Real", 4},
    {2, u"Analog Value", u"Real", 4},          {3, u"Binary Input", u"Enumerated", 1},
    {4, u"Binary Output", u"Enumerated", 1},   {5, u"Binary Value", u"Enumerated", 1},
    {13, u"Multi-State Input", u"Unsigned Int", 4}, {14, u"Multi-State Output", u"Unsigned Int", 4},
    {19, u"Multi-State Value", u"Unsigned Int", 4}, {21, u"Life Safety Point", u"Enumerated", 2},
    {22, u"Life Safety Zone", u"Enumerated", 2}, {23, u"Accumulator", u"Unsigned Int", 4},
    {45, u"Integer Value", u"Signed Int", 4},  {46, u"Large Analog Value", u"Double", 8},
    {48, u"Positive Integer Value", u"Unsigned Int", 4},
};
const TEDE_Map kEDE_Other{-1, u"", u"Null", 4};

const TEDE_Map& EDE_Map(int type) {
  for (const TEDE_Map& m : kEDE_Maps)
    if (m.Type == type) return m;
  return kEDE_Other;
}

// Where new rows of one table go: from the first row whose key is empty, at the
// byte after the last one that a used row takes.
struct TImportPlace {
  int Row = 0;        // the next row to fill; beyond the table when none is left
  int64_t Byte = 0;   // the next free byte
};

TImportPlace Import_Place(const TEditorTable& t, int keyColumn, int positionCol, int nByteCol) {
  TImportPlace place;
  const int rows = std::min(t.RowCount() - 1, kBC_Rows);
  for (int row = 1; row <= rows; ++row) {
    if (Trim(t.Cell(keyColumn, row)).isEmpty()) {
      if (place.Row == 0) place.Row = row;
      continue;
    }
    const int32_t position = Cell_Number(t.Cell(positionCol, row));
    const int32_t nByte = Cell_Number(t.Cell(nByteCol, row));
    if (position >= 0 && nByte >= 0) place.Byte = std::max(place.Byte, int64_t(position) + nByte);
  }
  if (place.Row == 0) place.Row = t.RowCount();
  return place;
}

}  // namespace

const TTableEditorSpec BACnet_Client_Spec = Make_Spec();

int BACnet_Client_Key_Column(int appBACnetType) {
  return appBACnetType == 0 || appBACnetType == 1 ? kBCR_Address : kBCR_Object_Type;
}

int BACnet_Client_Row_Prefix(int table) { return table == 0 ? 2037 : 2046; }

int Check_Object_Type(const QString& text, bool write) {
  const QString upper = UpperCase(Trim(text));
  for (const TObjectCode& o : kObject_Codes)
    if (upper == QStringView(o.Text)) return !write || o.Writable ? o.Code : -1;
  const int32_t number = Cell_Number(text);
  return Proprietary_Object(number) ? number : -1;
}

int Check_Property(const QString& text, int objectCode, bool write) {
  const QString upper = UpperCase(Trim(text));
  if (upper == u"PRESENT VALUE (85)") return kPresent_Value;
  const int32_t number = Cell_Number(text);
  if (number >= 512 && number <= 4194303) return kProprietary_Property;
  if (write) return -1;
  for (const TPropertyCode& p : kProperty_Codes) {
    if (upper != QStringView(p.Text)) continue;
    const bool listed = Among(objectCode, p.Objects);
    const bool allowed = p.Rule == TPropertyCode::All || (p.Rule == TPropertyCode::Only ? listed : !listed);
    return allowed ? p.Code : -1;
  }
  return -1;
}

bool Check_Data_Type(const QString& dataType, int objectCode, int propertyCode) {
  if (propertyCode != kPresent_Value || Proprietary_Object(objectCode)) return true;
  const QString upper = UpperCase(dataType);
  for (const TDataTypeRule& rule : kData_Type_Rules)
    if (Among(objectCode, rule.Objects)) return upper == QStringView(rule.Upper);
  return false;
}

QString Aspected_Data_Type_Value(int objectCode) {
  for (const TDataTypeRule& rule : kData_Type_Rules)
    if (Among(objectCode, rule.Objects)) return QString::fromUtf16(rule.Name);
  return QString();
}

int Check_Num_Byte_Max(const QString& dataType) {
  const QString upper = UpperCase(Trim(dataType));
  const struct {
    const char16_t* Type;
    int Max;
  } maxima[] = {{u"NULL", 0},         {u"BOOLEAN", 1},           {u"UNSIGNED INT", 4}, {u"SIGNED INT", 4},
                {u"REAL", 4},         {u"DOUBLE", 8},            {u"OCTET STRING", 255}, {u"CHARACTER STRING", 255},
                {u"BIT STRING", 120}, {u"ENUMERATED", 4},        {u"DATE", 4},         {u"TIME", 4},
                {u"OBJECT ID", 4}};
  for (const auto& m : maxima)
    if (upper == QStringView(m.Type)) return m.Max;
  return 255;
}

QString Str_Hint_Read(const TEditorTable& read, int row, int col) {
  if (row < 1 || col != kBCR_NByte) return QString();
  const QString type = read.Cell(kBCR_Object_Type, row);
  const QString property = read.Cell(kBCR_Property, row);
  if (Trim(type).isEmpty() || Trim(property).isEmpty()) return QString();
  const int object = Check_Object_Type(type, false);
  const int code = Check_Property(property, object, false);
  if (code >= 1 && code <= 49) return IntToStr(code);
  if (code != kPresent_Value) return QString();
  if (Among(object, {1, 2, 3, 4, 5, 8, 10})) return QStringLiteral("4");
  if (Among(object, {6, 7})) return QStringLiteral("1");
  if (object == 9) return QStringLiteral("8");
  return QString();
}

std::optional<TRowCheckFailure> Check_BACnet_Client_Tables(const TEditorTable& read, const TEditorTable& write,
                                                           int appBACnetType, int& table) {
  TEditorTableSpec rows = BACnet_Client_Spec.Tables.front();
  rows.KeyColumn = BACnet_Client_Key_Column(appBACnetType);
  const TEditorTable* tables[] = {&read, &write};
  for (table = 0; table < 2; ++table) {
    const TEditorTable& t = *tables[table];
    for (int row = 1; row < t.RowCount() && Editor_Row_Used(rows, t, row); ++row) {
      if (!Editor_Row_Enabled(rows, t, row)) continue;
      std::optional<TRowCheckFailure> failure =
          table == 0 ? Check_Read_Row(t, row, appBACnetType) : Check_Write_Row(t, row, appBACnetType);
      if (failure) {
        failure->Row = row;
        return failure;
      }
    }
  }
  return std::nullopt;
}

QString Get_ObjType_EDE(int type) { return QString::fromUtf16(EDE_Map(type).Object_Type); }
QString Get_DataType_EDE(int type) { return QString::fromUtf16(EDE_Map(type).Data_Type); }
int Get_NumByte_EDE(int type) { return EDE_Map(type).Bytes; }

TEDE_Import_Count Import_EDE_Objects(TEditorTable& read, TEditorTable& write, int keyColumn,
                                     const QList<TBACnet_Var>& objects, const QString& address) {
  TEDE_Import_Count count;
  TImportPlace r = Import_Place(read, keyColumn, kBCR_Position, kBCR_NByte);
  TImportPlace w = Import_Place(write, keyColumn, kBCW_Position, kBCW_NByte);
  for (const TBACnet_Var& v : objects) {
    if (!v.import) continue;
    const QString objectType = Get_ObjType_EDE(v.object_type);
    const int bytes = Get_NumByte_EDE(v.object_type);
    const QString instance = IntToStr(v.object_instance);
    const QString mnemonic = v.object_name + QStringLiteral(" - ") + v.description;
    if (v.read && r.Row >= read.RowCount()) {
      ++count.Read_Left_Out;
    } else if (v.read) {
      const QString cells[] = {"Y", address, objectType, instance, "Present Value (85)", IntToStr(bytes), "N", "",
                               "", "", "1000", "0", QString::number(r.Byte), "0", "N", "", mnemonic};
      for (int c = 0; c < int(std::size(cells)); ++c) read.SetCell(c + 1, r.Row, cells[c]);
      ++r.Row;
      r.Byte += bytes;
      ++count.Read;
    }
    if (v.write && w.Row >= write.RowCount()) {
      ++count.Write_Left_Out;
    } else if (v.write) {
      const QString cells[] = {"Y", address, objectType, Get_DataType_EDE(v.object_type), instance,
                               "Present Value (85)", "0", IntToStr(bytes), "N", "", "", "", "N", "N", "1000", "0",
                               QString::number(w.Byte), "0", "N", "", mnemonic};
      for (int c = 0; c < int(std::size(cells)); ++c) write.SetCell(c + 1, w.Row, cells[c]);
      ++w.Row;
      w.Byte += bytes;
      ++count.Write;
    }
  }
  return count;
}
