#include "app/routines/opc_ua_names.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

struct NameCase {
  int code;
  const char* name;
};

TEST(OPCUANames, NamesByIndexWithTheirFallbacks) {
  struct Table {
    const char* routine;
    std::function<QString(int)> nameOf;
    std::vector<NameCase> cases;
  };
  const Table tables[] = {
      {"Id_Type_Name", OPC_UA_Id_Type_Name,
       {{0, "Numeric"}, {3, "String"}, {4, "Guid"}, {5, "ByteString"}, {1, ""}, {2, ""}, {6, ""}, {-1, ""}}},
      {"Data_Type_Name", OPC_UA_Data_Type_Name,
       {{0, "Boolean"}, {1, "Int8"}, {2, "UInt8"}, {3, "Int16"}, {4, "UInt16"}, {5, "Int32"}, {6, "UInt32"},
        {7, "Int64"}, {8, "UInt64"}, {9, "Float"}, {10, "Double"}, {11, "String"}, {12, "DateTime"},
        {13, "Guid"}, {14, "ByteString"}, {15, ""}, {-1, ""}}},
      {"Auth_Name", OPC_UA_Auth_Name, {{0, "Anonymous"}, {1, "Username and Password"}, {2, "Certificate"}, {9, "Certificate"}, {-1, "Certificate"}}},
      {"Security_Mode_Name", OPC_UA_Security_Mode_Name, {{0, "None"}, {1, "Sign"}, {2, "Sign and Encrypt"}, {7, "Sign and Encrypt"}}},
      {"Security_Policy_Name", OPC_UA_Security_Policy_Name,
       {{0, "None"}, {1, "Basic 128 RSA 15"}, {2, "Basic 256"}, {3, "Basic 256 SHA 256"},
        {4, "AES 128 SHA 256 RSA OAEP"}, {5, "AES 256 SHA 256 RSA PSS"}, {99, "AES 256 SHA 256 RSA PSS"}}},
  };
  for (const Table& t : tables)
    for (const NameCase& c : t.cases) EXPECT_EQ(t.nameOf(c.code), QString::fromUtf8(c.name)) << t.routine << " " << c.code;
}

TEST(OPCUANames, CodesByTextWithTheirFallbacks) {
  struct Table {
    const char* routine;
    std::function<int(const QString&)> codeOf;
    std::vector<NameCase> cases;  // {expected code, text}
  };
  const Table tables[] = {
      {"Id_Type_Code", OPC_UA_Id_Type_Code,
       {{0, "Numeric"}, {3, "string"}, {4, "GUID"}, {5, "byteString"}, {0, "Byte String"}, {0, " String"}, {0, ""}}},
      {"Auth_Code", OPC_UA_Auth_Code,
       {{0, "Anonymous"}, {1, "Username and Password"}, {2, "Certificate"}, {2, "anonymous"}, {2, ""}}},
      {"Security_Mode_Code", OPC_UA_Security_Mode_Code, {{0, "None"}, {1, "Sign"}, {2, "Sign and Encrypt"}, {2, "sign"}, {2, ""}}},
      {"Security_Policy_Code", OPC_UA_Security_Policy_Code,
       {{0, "None"}, {1, "Basic 128 RSA 15"}, {2, "Basic 256"}, {3, "Basic 256 SHA 256"},
        {4, "AES 128 SHA 256 RSA OAEP"}, {5, "AES 256 SHA 256 RSA PSS"}, {5, "Basic256"}, {5, ""}}},
  };
  for (const Table& t : tables)
    for (const NameCase& c : t.cases) EXPECT_EQ(t.codeOf(QString::fromUtf8(c.name)), c.code) << t.routine << " '" << c.name << "'";
}

TEST(OPCUANames, NodeIdTextByIdentifierType) {
  opcua_structure node{};
  node.numeric = 4294967295u;
  node.stringname = "Objects.Temperature";
  node.byteString = "AQID";
  node.guide1 = 0x0A1B2C3D;
  node.guide2 = 0x00EF;
  node.guide3 = 0xABCD;
  const uint8_t tail[8] = {0x01, 0xA2, 0x03, 0x04, 0x05, 0x06, 0xFE, 0xFF};
  std::copy(std::begin(tail), std::end(tail), node.guide4);
  node.stringLength = 3;  // the length fields are not used
  struct Case {
    uint16_t type;
    const char* text;
  };
  const Case cases[] = {
      {0, "4294967295"}, {3, "Objects.Temperature"}, {4, "0A1B2C3D-00EF-ABCD-01A2-03040506FEFF"},
      {5, "AQID"},       {1, ""},                    {6, ""},
  };
  for (const Case& c : cases) {
    node.identifierType = c.type;
    EXPECT_EQ(OPC_UA_Node_Id_Text(node), QString::fromUtf8(c.text)) << "type " << c.type;
  }
  node.identifierType = 3;
  node.stringname = nullptr;
  EXPECT_EQ(OPC_UA_Node_Id_Text(node), QString());
}

}  // namespace
