#include "gateway/bank2_tables_image.h"

#include "app/routines/decimal_numbers.h"
#include "gateway/bank1_image_bytes.h"
#include "gateway/bank1_project_file.h"
#include "gateway/ethercat_slave_variables.h"
#include "gateway/modbus_tcp_master_file.h"
#include "platform/rtl/numbers.h"
#include "platform/rtl/strings.h"

#include <cstring>

// Each table holds no more rows than its editor shows; both tables together fit the image.
static_assert(2 * kMB_Max_Rules <= kMax_Modbus_Rules);
static_assert(2 * kEC_Max_Variables <= kMax_EtherCAT_Entries);

namespace {

// ---- Modbus TCP rules ------------------------------------------------------

enum class TRule_Table { Read, Write };

struct TFunction_Code {
  const char16_t* Type;  // upper case
  uint8_t Read;          // code in the read table
  uint8_t Write_Single;  // code in the write table for one point (0: not a write type)
  uint8_t Write_Multiple;
};
constexpr TFunction_Code kFunction_Codes[] = {
    {u"COIL STATUS", 1, 5, 15},
    {u"INPUT STATUS", 2, 0, 0},
    {u"HOLDING REGISTER", 3, 6, 16},
    {u"INPUT REGISTER", 4, 0, 0},
};

uint8_t Function_Code(TRule_Table table, const QString& type, int32_t npoint) {
  const QString upper = UpperCase(type);
  for (const TFunction_Code& f : kFunction_Codes) {
    if (upper != QStringView(f.Type)) continue;
    if (table == TRule_Table::Read) return f.Read;
    return npoint == 1 ? f.Write_Single : f.Write_Multiple;
  }
  return 0;
}

uint8_t Data_Byte_Count(uint8_t functionCode, int32_t npoint) {
  const bool bits = functionCode == 1 || functionCode == 2 || functionCode == 5 || functionCode == 15;
  const int64_t n = npoint;
  return static_cast<uint8_t>(bits ? (n + 7) / 8 : n * 2);
}

// Reads the attributes of one rule row and names the row in every error.
class TRule_Row {
public:
  // The row's attributes are taken once: a rule reads about fifteen of them.
  TRule_Row(const TXMLAttributes& row, const QString& path, const QString& table, int index)
      : row_(row), path_(path), table_(table), index_(index) {}

  QString Text(const char* name) const { return row_.Value(name); }
  bool Has(const char* name) const { return row_.Has(name); }
  // The value is exactly `value`.
  bool Is(const char* name, const char* value) const {
    const char* v = row_.Utf8(name);
    return v && std::strcmp(v, value) == 0;
  }
  // The value upper-cased is "Y": "Y" or "y".
  bool Is_Y(const char* name) const { return Is(name, "Y") || Is(name, "y"); }

  // Present and numeric, else an error.
  int32_t Required(const char* name) const {
    const char* v = row_.Utf8(name);
    if (!v) Fail(QStringLiteral("has no attribute \"%1\"").arg(QLatin1String(name)));
    return Number(name, v);
  }
  // `def` when absent; when present it must be numeric.
  int32_t Optional(const char* name, int32_t def) const {
    const char* v = row_.Utf8(name);
    return v ? Number(name, v) : def;
  }
  // `def` when absent, empty or no number.
  int32_t Lenient(const char* name, int32_t def) const {
    const char* v = row_.Utf8(name);
    int32_t number = 0;
    return v && TryStrToInt(std::string_view(v), number) ? number : def;
  }

  uint32_t IP_Address() const;

  [[noreturn]] void Fail(const QString& what) const {
    throw EDevice_Image_Error(
        QStringLiteral("The file \"%1\": row %2 of %3 %4.").arg(path_).arg(index_).arg(table_, what));
  }

private:
  // Read from the file's bytes; the message quotes the value as text.
  int32_t Number(const char* name, const char* value) const {
    int32_t v = 0;
    if (!TryStrToInt(std::string_view(value), v))
      Fail(QStringLiteral("holds no number in \"%1\" (\"%2\")").arg(QLatin1String(name), QString::fromUtf8(value)));
    return v;
  }

  const TXMLAttributes& row_;
  const QString& path_;
  const QString& table_;
  int index_;
};

// The first three parts end at a dot, the fourth is the rest; each part trimmed
// and converted, its low 8 bits kept.
uint32_t TRule_Row::IP_Address() const {
  QString rest;
  if (!row_.Find("IP_Address", rest)) Fail(QStringLiteral("has no attribute \"IP_Address\""));
  uint32_t ip = 0;
  for (int i = 0; i < 4; ++i) {
    QString part = rest;
    if (i < 3) {
      const qsizetype dot = rest.indexOf(u'.');
      if (dot < 0) Fail(QStringLiteral("holds no valid \"IP_Address\" (\"%1\")").arg(Text("IP_Address")));
      part = rest.left(dot);
      rest = rest.mid(dot + 1);
    }
    int32_t v = 0;
    if (!TryStrToInt(Trim(part), v))
      Fail(QStringLiteral("holds no valid \"IP_Address\" (\"%1\")").arg(Text("IP_Address")));
    ip = ip << 8 | static_cast<uint8_t>(v);
  }
  return ip;
}

TModbus_TCP_Rule Read_Rule(const TRule_Row& row, TRule_Table table) {
  TModbus_TCP_Rule r;
  // 1. Address of the slave.
  r.IP = row.IP_Address();
  // 2. Port and slave id.
  r.Port = static_cast<uint16_t>(row.Lenient("Port", 502));
  r.Slave_ID = static_cast<uint8_t>(row.Required("Slave_ID"));
  // 3. Function code and number of points (the write code depends on the points).
  const int32_t npoint = row.Required("NPoint");
  r.NPoint = static_cast<uint16_t>(npoint);
  r.Function_Code = Function_Code(table, row.Text("Type"), npoint);
  // 4. Data byte count.
  r.Byte_Count = Data_Byte_Count(r.Function_Code, npoint);
  // 5. Address, poll time, error limit.
  r.Address = static_cast<uint16_t>(row.Required("Address"));
  if (table == TRule_Table::Read) {
    r.PollTime = static_cast<uint32_t>(row.Required("PollTime"));
    r.MaxError = static_cast<uint32_t>(row.Required("MaxError"));
    // 6. Position and bit (0 when missing, empty or no number), flags, topic.
    r.Position = static_cast<uint16_t>(row.Lenient("Position", 0));
    r.Bit = static_cast<uint16_t>(row.Lenient("Bit", 0));
    if (row.Is("Swap", "Y")) r.Flags |= kFlag_Swap;
    if (row.Is_Y("SwapWord")) r.Flags |= kFlag_SwapWord;
    r.Topic = static_cast<uint16_t>(row.Lenient("Index_Topic", 0));
    return r;
  }
  r.PollTime = static_cast<uint32_t>(row.Optional("PollTime", 0));
  r.MaxError = static_cast<uint32_t>(row.Optional("MaxError", 0));
  // 7. Flags, position and bit (a register rule may carry an empty bit).
  if (row.Is_Y("OnChange")) r.Flags |= kFlag_OnChange;
  if (row.Is_Y("OnCMD")) r.Flags |= kFlag_OnCMD;
  r.Position = static_cast<uint16_t>(row.Required("Position"));
  r.Bit = static_cast<uint16_t>(row.Lenient("Bit", 0));
  if (row.Is_Y("Swap")) r.Flags |= kFlag_Swap;
  if (row.Is_Y("SwapWord")) r.Flags |= kFlag_SwapWord;
  return r;
}

bool Rule_Row_Counts(const TXMLAttributes& row) {
  QString enable;
  if (!row.Find("Enable", enable)) return true;
  return UpperCase(Trim(enable)) == u"Y";
}

// ---- EtherCAT variables ----------------------------------------------------

struct TEtherCAT_Type {
  const char16_t* Name;
  uint8_t Code;
  uint8_t Length;  // 0: from the Length attribute
};
constexpr TEtherCAT_Type kEtherCAT_Types[] = {
    {u"Bool", 1, 1},   {u"Int8", 2, 1},   {u"Int16", 3, 2},    {u"Int32", 4, 4},  {u"UInt8", 5, 1},
    {u"UInt16", 6, 2}, {u"UInt32", 7, 4}, {u"Float32", 8, 4},  {u"String", 9, 0}, {u"Array", 10, 0},
};
constexpr uint8_t kType_Bool = 1;
constexpr uint8_t kType_Float32 = 8;
constexpr uint8_t kType_String = 9;
constexpr uint8_t kType_Array = 10;

bool Variable_Enabled(const TXMLNode& row) { return row.Attribute("Enable") == u"Y"; }

int Hex_Digit(QChar c) {
  const char16_t u = c.unicode();
  if (u >= u'0' && u <= u'9') return u - u'0';
  if (u >= u'a' && u <= u'f') return u - u'a' + 10;
  if (u >= u'A' && u <= u'F') return u - u'A' + 10;
  return -1;
}

QByteArray Init_Value_Bytes(const QString& text, uint8_t typeCode, uint8_t length) {
  QByteArray bytes(length, '\0');
  uint8_t* p = reinterpret_cast<uint8_t*>(bytes.data());
  switch (typeCode) {
    case kType_Float32: {
      // "." and "," both count as the decimal separator, so the same project gives
      // the same bytes whatever the machine's regional setting.
      float f = 0;
      if (!Text_To_Float(text, u'.', f)) f = 0;
      uint32_t pattern = 0;
      std::memcpy(&pattern, &f, 4);
      Put_LE(p, pattern, 4);
      break;
    }
    case kType_String:
      for (int i = 0; i < length && i < text.size(); ++i) p[i] = static_cast<uint8_t>(text[i].unicode());
      break;
    case kType_Array:
      for (int i = 0; i < length; ++i) {
        const int hi = 2 * i < text.size() ? Hex_Digit(text[2 * i]) : -1;
        const int lo = 2 * i + 1 < text.size() ? Hex_Digit(text[2 * i + 1]) : -1;
        p[i] = hi < 0 || lo < 0 ? 0 : static_cast<uint8_t>(hi << 4 | lo);
      }
      break;
    default: {  // whole numbers: the low `length` bytes; Bool its lowest bit
      const int64_t v = StrToInt64Def(text, 0);
      Put_LE(p, typeCode == kType_Bool ? (v & 1) : static_cast<uint64_t>(v), length);
      break;
    }
  }
  return bytes;
}

struct TVariable_Table {
  const char* Group;
  uint8_t Access;
};
constexpr TVariable_Table kVariable_Tables[] = {
    {"EtherCAT_Slave_To_Master", 1},
    {"EtherCAT_Master_To_Slave", 0},
};

// `number` is the row's place in its table (1-based), for the error that names it.
TEtherCAT_pd Read_Entry(const TXMLNode& row, uint8_t access, const TXMLNode& table, int number, const QString& path) {
  TEtherCAT_pd e;
  // 1. Direction.
  e.access = access;
  // 2. Type and length. An Array or String takes its Length, which must be one the
  // editor allows: a hand-edited 0 or 300 would give a value of no or of wrapped size.
  uint8_t length = 0;
  e.Data_Type = EtherCAT_Type_Code(row.Attribute("Type"), length);
  const QString lengthText = row.Attribute("Length");
  if ((e.Data_Type == kType_String || e.Data_Type == kType_Array) && !Var_Length_Allowed(lengthText))
    Refuse_Table_Row(path, table, number, Var_Length_Refusal(lengthText));
  e.length = length != 0 ? length : static_cast<uint8_t>(StrToIntDef(lengthText, 1));
  // 3. Place in the slave's data (inputs only).
  if (access == 1) {
    e.position = static_cast<uint32_t>(StrToIntDef(row.Attribute("Position"), 0));
    e.bit_address = static_cast<uint8_t>(StrToIntDef(row.Attribute("BitStart"), 0));
  }
  return e;
}

}  // namespace

uint8_t EtherCAT_Type_Code(const QString& typeName, uint8_t& length) {
  for (const TEtherCAT_Type& t : kEtherCAT_Types) {
    if (typeName != QStringView(t.Name)) continue;
    length = t.Length;
    return t.Code;
  }
  length = 0;
  return 0;
}


void Read_Modbus_TCP_Rules(const QString& path, std::vector<TModbus_TCP_Rule>& rules, TParameter_Block& block) {
  rules.clear();
  // 1. No file: no rules.
  TXMLDocument doc;
  const TXMLNode root = Load_Project_File(doc, path);
  if (!root.IsNull()) {
    // 2. Read rules first, then write rules, one shared index.
    const TXMLNode readTable = Required_Group(root, QStringLiteral("Modbus_Read"), path);
    const TXMLNode writeTable = Required_Group(root, QStringLiteral("Modbus_Write"), path);
    const std::pair<TXMLNode, TRule_Table> tables[] = {{readTable, TRule_Table::Read},
                                                      {writeTable, TRule_Table::Write}};
    for (const auto& [table, kind] : tables) {
      const QString name = table.NodeName();
      int index = 0;
      // 3. Every counting row fills the next rule; a table holds no more rows than
      // the editor shows, so both together stay within the 1024 records.
      for (const TXMLNode& row : Table_Rows(table, kMB_Max_Rules, path)) {
        ++index;
        const TXMLAttributes attributes(row);
        if (!Rule_Row_Counts(attributes)) continue;
        rules.push_back(Read_Rule(TRule_Row(attributes, path, name, index), kind));
      }
    }
  }
  // 4. The rule count goes into the parameter block.
  block.Put_U32(bank1::kRule_Count, static_cast<uint32_t>(rules.size()));
}

void Read_EtherCAT_Variables(const QString& path, uint32_t base, TEtherCAT_Slave_Header& header,
                             std::vector<TEtherCAT_pd>& entries) {
  entries.clear();
  // 1. Table address and the name area.
  header.Table_Address = base + kEtherCAT_Header_Size;
  header.Entry_Count = 0;
  const uint32_t emptyName = base + kEtherCAT_Header_Size + kMax_EtherCAT_Entries * kEtherCAT_Entry_Size;
  uint32_t nextName = emptyName + 1;
  // 2. No file: no entries.
  TXMLDocument doc;
  const TXMLNode root = Load_Project_File(doc, path);
  if (root.IsNull()) return;
  const TXMLNode variables = Required_Group(root, QStringLiteral("EtherCAT_Slave_Variables"), path);
  // A table holds no more rows than the editor shows, so both together stay within
  // the 512 entries.
  QList<TXMLNode> tables;
  QList<QList<TXMLNode>> tableRows;
  for (const TVariable_Table& t : kVariable_Tables) {
    tables.append(Required_Group(variables, QString::fromLatin1(t.Group), path));
    tableRows.append(Table_Rows(tables.last(), kEC_Max_Variables, path));
  }

  // 3. First pass: the initial values start behind all names (counted in UTF-8 bytes).
  uint32_t nextValue = nextName;
  for (const QList<TXMLNode>& rows : tableRows) {
    for (const TXMLNode& row : rows) {
      if (!Variable_Enabled(row)) continue;
      const QByteArray name = row.Attribute("Name").toUtf8();
      if (!name.isEmpty()) nextValue += static_cast<uint32_t>(name.size()) + 1;
    }
  }

  // 4. Second pass: inputs, then outputs; subindex and offset restart per direction.
  for (qsizetype t = 0; t < tables.size(); ++t) {
    uint32_t subindex = 0;
    uint32_t offset = 0;
    int number = 0;
    for (const TXMLNode& row : tableRows[t]) {
      ++number;
      if (!Variable_Enabled(row)) continue;
      TEtherCAT_pd e = Read_Entry(row, kVariable_Tables[t].Access, tables[t], number, path);
      e.subindex = subindex++;
      e.entry_index = 0;
      e.ethercat_offset = offset;
      offset += e.length + (e.Data_Type == kType_String ? 1 : 0);
      nextValue = Store_Init_Value(row.Attribute("InitValue"), e, nextValue);
      e.name = row.Attribute("Name").toUtf8();
      e.name_length = static_cast<uint32_t>(e.name.size());
      if (e.name.isEmpty()) {
        e.name_add = emptyName;
      } else {
        e.name_add = nextName;
        nextName += e.name_length + 1;
      }
      entries.push_back(std::move(e));
    }
  }
  // 5. Entry count.
  header.Entry_Count = static_cast<uint32_t>(entries.size());
}

uint32_t Store_Init_Value(const QString& text, TEtherCAT_pd& entry, uint32_t nextFree) {
  entry.init_value_Add = 0;
  entry.init_value.clear();
  if (text.isEmpty() || entry.Data_Type == 0) return nextFree;
  entry.init_value = Init_Value_Bytes(text, entry.Data_Type, entry.length);
  entry.init_value_Add = nextFree;
  return nextFree + entry.length;
}

void Serialize_Modbus_Rules(const std::vector<TModbus_TCP_Rule>& rules, TImage_Writer& out) {
  for (const TModbus_TCP_Rule& r : rules) {
    out.U16(r.Position);
    out.U16(r.Bit);
    out.U32(r.PollTime);
    out.U8(r.Slave_ID);
    out.U8(r.Function_Code);
    out.U16(r.Address);
    out.U16(r.NPoint);
    out.U16(r.Port);
    out.U32(r.IP);
    out.U16(r.Topic);
    out.Zeros(2);
    out.U32(r.MaxError);
    out.Zeros(2);
    out.U8(r.Byte_Count);
    out.U8(r.Flags);
  }
  out.Zeros(static_cast<qsizetype>(kMax_Modbus_Rules - rules.size()) * kModbus_Rule_Size);
}

void Store_UTF8_Name(const QByteArray& utf8Name, TImage_Writer& out) {
  if (utf8Name.isEmpty()) return;
  out.Bytes(utf8Name);
  out.U8(0);
}

void Serialize_EtherCAT_Part(const TEtherCAT_Slave_Header& header, const std::vector<TEtherCAT_pd>& entries,
                             TImage_Writer& out) {
  // Header.
  out.Bytes(reinterpret_cast<const char*>(header.Eeprom.data()), kEEPROM_Config_Size);
  out.U16(header.Node_Address);
  out.U8(header.Clear_Data);
  out.Zeros(7);
  out.U32(header.Revision);
  out.Zeros(4);
  out.U32(header.Entry_Count);
  out.U32(header.Table_Address);
  // Entries; the table always holds 512.
  for (const TEtherCAT_pd& e : entries) {
    out.U8(e.Data_Type);
    out.U8(e.length);
    out.U8(e.access);
    out.U8(e.bit_address);
    out.U32(e.position);
    out.U32(e.subindex);
    out.U32(e.entry_index);
    out.U32(e.ethercat_offset);
    out.U32(e.init_value_Add);
    out.U32(e.name_length);
    out.U32(e.name_add);
  }
  out.Zeros(static_cast<qsizetype>(kMax_EtherCAT_Entries - entries.size()) * kEtherCAT_Entry_Size);
  // The name of every nameless entry, the names, the initial values.
  out.U8(0);
  for (const TEtherCAT_pd& e : entries) Store_UTF8_Name(e.name, out);
  for (const TEtherCAT_pd& e : entries)
    if (e.init_value_Add != 0) out.Bytes(e.init_value.left(e.length));
}
