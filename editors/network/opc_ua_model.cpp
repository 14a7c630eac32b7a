#include "editors/network/opc_ua_model.h"

#include "app/routines/opc_ua_names.h"
#include "platform/rtl/numbers.h"
#include "platform/rtl/strings.h"

#include <utility>

const std::array<const char16_t*, 15> kOPC_UA_Var_Types = {
    u"Boolean", u"Int8",   u"UInt8",  u"Int16",  u"UInt16",   u"Int32", u"UInt32",    u"Int64",
    u"UInt64",  u"Float",  u"Double", u"String", u"DateTime", u"Guid",  u"ByteString",
};

namespace {

// One group of a GUID text: its digits read as hexadecimal ("0x" before them),
// 0 when they do not read.
uint32_t Hex_Group(const QString& digits) { return uint32_t(StrToIntDef(QStringLiteral("0x") + digits, 0)); }

// The next group: the text before the first "-" (the rest after it stays), or the
// whole text when it has none.
QString Take_Dashed(QString& t) {
  const qsizetype dash = t.indexOf(u'-');
  if (dash < 0) return std::exchange(t, QString());
  QString group = t.left(dash);
  t = t.mid(dash + 1);
  return group;
}

// The next byte: the whole text when it has fewer than 3 characters, else its first
// two, the text going on from character `next` (1-based).
QString Take_Byte(QString& t, int next) {
  if (t.size() < 3) return std::exchange(t, QString());
  QString group = t.left(2);
  t = t.mid(next - 1);
  return group;
}

}  // namespace

QString TOPC_UA_Variable::NodeType() const { return OPC_UA_Id_Type_Name(identifierType); }

void TOPC_UA_Variable::SetNodeType(const QString& value) { identifierType = uint16_t(OPC_UA_Id_Type_Code(value)); }

QString TOPC_UA_Variable::NodeID() const {
  switch (identifierType) {
    case 0: return IntToStr(numeric);
    case 3: return stringname;
    case 4: {
      QString s = IntToHex(guide1, 8) + u'-' + IntToHex(guide2, 4) + u'-' + IntToHex(guide3, 4) + u'-';
      for (int i = 0; i < 8; ++i) {
        if (i == 2) s += u'-';
        s += IntToHex(guide4[size_t(i)], 2);
      }
      return s;
    }
    case 5: return byteString;
    default: return QString();
  }
}

void TOPC_UA_Variable::SetNodeID(const QString& value) {
  switch (identifierType) {
    case 0: numeric = uint32_t(StrToIntDef(value, 0)); break;
    case 3: stringname = value; break;
    case 5: byteString = value; break;
    case 4: {
      QString t = Trim(value);
      guide1 = Hex_Group(Take_Dashed(t));
      guide2 = uint16_t(Hex_Group(Take_Dashed(t)));
      guide3 = uint16_t(Hex_Group(Take_Dashed(t)));
      guide4[0] = uint8_t(Hex_Group(Take_Byte(t, 3)));
      guide4[1] = uint8_t(Hex_Group(Take_Byte(t, 4)));  // the "-" after the fourth group is skipped
      for (size_t i = 2; i < 8; ++i) guide4[i] = uint8_t(Hex_Group(Take_Byte(t, 3)));
      break;
    }
    default: break;
  }
}

QString TOPC_UA_Variable::VarType() const {
  if (dataType < 1 || dataType > 14) return QString::fromUtf16(kOPC_UA_Var_Types[0]);
  return QString::fromUtf16(kOPC_UA_Var_Types[size_t(dataType)]);
}

void TOPC_UA_Variable::SetVarType(const QString& value) {
  const QString upper = UpperCase(value);
  dataType = 0;
  for (size_t i = 0; i < kOPC_UA_Var_Types.size(); ++i)
    if (upper == UpperCase(QString::fromUtf16(kOPC_UA_Var_Types[i]))) dataType = int32_t(i);
}

void Free_Variables(TOPC_UA_Variable_List& list) {
  while (!list.empty()) list.pop_back();
}

TOPC_UA_Server::~TOPC_UA_Server() {
  Free_Variables(Var_List_R);
  Free_Variables(Var_List_W);
}

void Free_Servers(TOPC_UA_Server_List& list) {
  while (!list.empty()) list.pop_back();
}
