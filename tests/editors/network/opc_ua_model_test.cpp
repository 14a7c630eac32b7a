// The OPC UA variable's identity as texts: the node type, the identifier parsed by
// the type the variable has at that moment (GUID groups, hexadecimal numbers,
// 32-bit patterns) and the data type names.
#include "editors/network/opc_ua_model.h"

#include <gtest/gtest.h>

TEST(OPC_UA_Model, NodeTypeIdentifierAndDataTypeTexts) {
  struct Case {
    const char* name;
    const char* nodeType;  // set first
    const char* nodeId;    // then the identifier
    const char* varType;
    const char* shownType;
    const char* shownId;
    const char* shownVarType;
  } cases[] = {
      {"numeric", "Numeric", "1234", "Int16", "Numeric", "1234", "Int16"},
      {"minus one is a 32-bit pattern", "numeric", "-1", "UINT32", "Numeric", "4294967295", "UInt32"},
      {"hexadecimal", "NUMERIC", "$FF", "Double", "Numeric", "255", "Double"},
      {"0x prefix", "Numeric", "0x10", "datetime", "Numeric", "16", "DateTime"},
      {"no number reads 0", "Numeric", "abc", "Char", "Numeric", "0", "Boolean"},
      {"unknown node type is numeric", "Opaque", "7", "bytestring", "Numeric", "7", "ByteString"},
      {"string kept untrimmed", "String", " ns=2;s=Tank ", "String", "String", " ns=2;s=Tank ", "String"},
      {"byte string", "bytestring", "AQID", "Guid", "ByteString", "AQID", "Guid"},
      {"guid lower case reads upper", "guid", "6ba7b810-9dad-11d1-80b4-00c04fd430c8", "Float", "Guid",
       "6BA7B810-9DAD-11D1-80B4-00C04FD430C8", "Float"},
      {"guid trimmed", "Guid", "  00000001-0002-0003-0405-060708090A0B ", "Int8", "Guid",
       "00000001-0002-0003-0405-060708090A0B", "Int8"},
      {"guid without dash fills the first group", "Guid", "ABCDEF12", "UInt8", "Guid",
       "ABCDEF12-0000-0000-0000-000000000000", "UInt8"},
      {"guid group too long reads 0", "Guid", "123456789", "Int64", "Guid", "00000000-0000-0000-0000-000000000000",
       "Int64"},
      {"guid with fewer groups", "Guid", "1-2-3-0A", "UInt64", "Guid", "00000001-0002-0003-0A00-000000000000",
       "UInt64"},
      {"guid group not hexadecimal", "Guid", "XYZ-2-3-0405-060708090A0B", "Boolean", "Guid",
       "00000000-0002-0003-0405-060708090A0B", "Boolean"},
  };
  for (const Case& c : cases) {
    TOPC_UA_Variable v;
    v.SetNodeType(c.nodeType);
    v.SetNodeID(c.nodeId);
    v.SetVarType(c.varType);
    EXPECT_EQ(v.NodeType(), c.shownType) << c.name;
    EXPECT_EQ(v.NodeID(), c.shownId) << c.name;
    EXPECT_EQ(v.VarType(), c.shownVarType) << c.name;
  }
}

TEST(OPC_UA_Model, TheIdentifierIsReadByTheTypeItHasWhenSet) {
  TOPC_UA_Variable v;  // a new variable is a numeric node 0 of type Boolean
  EXPECT_EQ(v.NodeType(), "Numeric");
  EXPECT_EQ(v.NodeID(), "0");
  EXPECT_EQ(v.VarType(), "Boolean");
  v.SetNodeID("1234");
  v.SetNodeType("String");
  EXPECT_EQ(v.numeric, 1234u);
  EXPECT_EQ(v.NodeID(), "");  // the text did not move into the string identifier
  // Codes outside the lists: no node type name, "Boolean" as data type.
  v.identifierType = 2;
  v.dataType = 15;
  EXPECT_EQ(v.NodeType(), "");
  EXPECT_EQ(v.NodeID(), "");
  EXPECT_EQ(v.VarType(), "Boolean");
  v.SetNodeID("lost");  // a type without identifier keeps nothing
  EXPECT_EQ(v.stringname, "");
}
