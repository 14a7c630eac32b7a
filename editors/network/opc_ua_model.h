// The OPC UA client's configuration in memory: one TOPC_UA_Server per server the
// converter connects to, each owning the variables it reads from that server and
// those it writes to it. Most fields are texts as the user typed them; the node's
// identity (identifier type, identifier, namespace index) and its data type are
// numbers and codes in the shape the outside browse library reports a node in, and
// reach the editor as texts through NodeType, NodeID and VarType.
#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <memory>
#include <vector>

class TOPC_UA_Variable {
public:
  // Not exchanged, every text empty, every number 0: a numeric node 0 of type
  // Boolean in namespace 0.
  TOPC_UA_Variable() = default;

  bool Enable = false;
  QString DispalyName;  // the display name; the key of a table row
  QString ReadWrite;    // kept for the record; the editor leaves it empty and never saves it
  QString OnChange;     // "Y" or "N": write on data change (write variables)
  QString OnCMD;        // "Y" or "N": write on command
  QString OnTimer;      // "Y" or "N": write on a timer, Time ms apart
  QString VarArray;     // "Variable" or "Array" (read variables)
  QString Start;        // first array element, or a single string's start byte
  QString Len;          // number of array elements, or a single string's length
  QString Time;         // milliseconds
  QString Position;     // byte index in the converter's exchange area
  QString Mnemonic;

  uint16_t nameSpaceIndex = 0;
  uint16_t identifierType = 0;  // 0 numeric, 3 string, 4 GUID, 5 byte string
  uint32_t numeric = 0;
  QString stringname;
  uint32_t guide1 = 0;
  uint16_t guide2 = 0;
  uint16_t guide3 = 0;
  std::array<uint8_t, 8> guide4{};
  QString byteString;
  int32_t dataType = 0;

  // The name of the identifier type ("" for an unused code); set from a name
  // compared without regard to case ("Numeric" for any other text).
  QString NodeType() const;
  void SetNodeType(const QString& value);
  // The identifier as text by the identifier type the variable has now; setting it
  // parses the text by that type, so a reader sets NodeType first.
  QString NodeID() const;
  void SetNodeID(const QString& value);
  // The data type's name ("Boolean" for a code outside 1..14); set from a name
  // compared upper-cased ("Boolean" for any other text).
  QString VarType() const;
  void SetVarType(const QString& value);
};

using TOPC_UA_Variable_List = std::vector<std::unique_ptr<TOPC_UA_Variable>>;

// Frees the variables of a list from the last to the first and empties it.
void Free_Variables(TOPC_UA_Variable_List& list);

class TOPC_UA_Server {
public:
  TOPC_UA_Server() = default;
  // Frees the read variables, then the write variables, each from the last.
  ~TOPC_UA_Server();
  TOPC_UA_Server(const TOPC_UA_Server&) = delete;
  TOPC_UA_Server& operator=(const TOPC_UA_Server&) = delete;

  bool Enable = false;
  QString ServerAddress;
  QString Authorization;   // "Anonymous", "Username and Password" or "Certificate"
  QString UserName;
  QString Password;        // kept and saved as plain text
  QString Certificate;     // multi-line text
  QString PrivateKey;      // kept and saved as plain text
  QString SecurityType;    // "None", "Sign" or "Sign and Encrypt"
  QString SecurityPolicy;  // one of the six policy names
  QString Mnemonic;

  TOPC_UA_Variable_List Var_List_R;  // read from the server, in table order
  TOPC_UA_Variable_List Var_List_W;  // written to the server, in table order
};

using TOPC_UA_Server_List = std::vector<std::unique_ptr<TOPC_UA_Server>>;

// Frees every server from the last to the first, each with its variables.
void Free_Servers(TOPC_UA_Server_List& list);

// The data type names in code order, "Boolean" (0) to "ByteString" (14).
extern const std::array<const char16_t*, 15> kOPC_UA_Var_Types;
