#include "app/routines/opc_ua_names.h"

#include "platform/rtl/strings.h"

namespace {

struct TCodeName {
  int Code;
  const char16_t* Name;
};

constexpr TCodeName kIdTypes[] = {{0, u"Numeric"}, {3, u"String"}, {4, u"Guid"}, {5, u"ByteString"}};

constexpr TCodeName kDataTypes[] = {
    {0, u"Boolean"}, {1, u"Int8"},   {2, u"UInt8"},   {3, u"Int16"},     {4, u"UInt16"},
    {5, u"Int32"},   {6, u"UInt32"}, {7, u"Int64"},   {8, u"UInt64"},    {9, u"Float"},
    {10, u"Double"}, {11, u"String"}, {12, u"DateTime"}, {13, u"Guid"}, {14, u"ByteString"},
};

// In the three tables below the last entry also stands for every other index and
// every other text.
constexpr TCodeName kAuth[] = {{0, u"Anonymous"}, {1, u"Username and Password"}, {2, u"Certificate"}};
constexpr TCodeName kSecurityModes[] = {{0, u"None"}, {1, u"Sign"}, {2, u"Sign and Encrypt"}};
constexpr TCodeName kSecurityPolicies[] = {
    {0, u"None"},
    {1, u"Basic 128 RSA 15"},
    {2, u"Basic 256"},
    {3, u"Basic 256 SHA 256"},
    {4, u"AES 128 SHA 256 RSA OAEP"},
    {5, u"AES 256 SHA 256 RSA PSS"},
};

template <size_t N>
QString nameOf(const TCodeName (&table)[N], int code, const char16_t* otherwise) {
  for (const TCodeName& e : table)
    if (e.Code == code) return QString::fromUtf16(e.Name);
  return QString::fromUtf16(otherwise);
}

template <size_t N>
int codeOf(const TCodeName (&table)[N], const QString& text, int otherwise) {
  for (const TCodeName& e : table)
    if (text == QString::fromUtf16(e.Name)) return e.Code;
  return otherwise;
}

template <size_t N>
const char16_t* lastName(const TCodeName (&table)[N]) {
  return table[N - 1].Name;
}

template <size_t N>
int lastCode(const TCodeName (&table)[N]) {
  return table[N - 1].Code;
}

QString eightBitText(const char* text) { return text ? QString::fromLocal8Bit(text) : QString(); }

QString guidText(const opcua_structure& node) {
  QString s = IntToHex(node.guide1, 8) + u'-' + IntToHex(node.guide2, 4) + u'-' + IntToHex(node.guide3, 4) + u'-';
  for (int i = 0; i < 8; ++i) {
    if (i == 2) s += u'-';
    s += IntToHex(node.guide4[i], 2);
  }
  return s;
}

}  // namespace

QString OPC_UA_Id_Type_Name(int type) { return nameOf(kIdTypes, type, u""); }

int OPC_UA_Id_Type_Code(const QString& text) {
  const QString upper = UpperCase(text);
  for (const TCodeName& e : kIdTypes)
    if (upper == UpperCase(QString::fromUtf16(e.Name))) return e.Code;
  return 0;
}

QString OPC_UA_Data_Type_Name(int index) { return nameOf(kDataTypes, index, u""); }

QString OPC_UA_Auth_Name(int index) { return nameOf(kAuth, index, lastName(kAuth)); }
int OPC_UA_Auth_Code(const QString& text) { return codeOf(kAuth, text, lastCode(kAuth)); }

QString OPC_UA_Security_Mode_Name(int index) { return nameOf(kSecurityModes, index, lastName(kSecurityModes)); }
int OPC_UA_Security_Mode_Code(const QString& text) { return codeOf(kSecurityModes, text, lastCode(kSecurityModes)); }

QString OPC_UA_Security_Policy_Name(int index) {
  return nameOf(kSecurityPolicies, index, lastName(kSecurityPolicies));
}
int OPC_UA_Security_Policy_Code(const QString& text) {
  return codeOf(kSecurityPolicies, text, lastCode(kSecurityPolicies));
}

QString OPC_UA_Node_Id_Text(const opcua_structure& node) {
  switch (node.identifierType) {
    case 0: return QString::number(node.numeric);
    case 3: return eightBitText(node.stringname);
    case 4: return guidText(node);
    case 5: return eightBitText(node.byteString);
    default: return {};
  }
}
