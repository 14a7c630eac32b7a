// OPC UA names and codes: node identifier types, data types, authentication,
// security modes and policies, and the node identifier of a browsed variable as
// text.
#pragma once

#include <QString>
#include <cstdint>

// One browsed OPC UA variable, laid out as the outside OPC UA browse library
// returns it.
struct opcua_structure {
  uint16_t nameSpaceIndex;
  uint16_t identifierType;  // 0 numeric, 3 string, 4 GUID, 5 byte string
  uint32_t numeric;
  const char* stringname;
  uint32_t stringLength;
  uint32_t guide1;
  uint16_t guide2;
  uint16_t guide3;
  uint8_t guide4[8];
  const char* byteString;
  uint32_t byteStringLength;
  const char* displayName;
  uint32_t displayNameLength;
  int32_t dataType;
  uint8_t accessLevel;
  uint8_t spare[3];
};

QString OPC_UA_Id_Type_Name(int type);          // "" for an unknown type
int OPC_UA_Id_Type_Code(const QString& text);   // letter case ignored; 0 for an unknown name
QString OPC_UA_Data_Type_Name(int index);       // "" for an unknown index
QString OPC_UA_Auth_Name(int index);            // "Certificate" for any other index
int OPC_UA_Auth_Code(const QString& text);      // 2 for any other text
QString OPC_UA_Security_Mode_Name(int index);   // "Sign and Encrypt" for any other index
int OPC_UA_Security_Mode_Code(const QString& text);    // 2 for any other text
QString OPC_UA_Security_Policy_Name(int index);        // "AES 256 SHA 256 RSA PSS" for any other index
int OPC_UA_Security_Policy_Code(const QString& text);  // 5 for any other text

// The node identifier by its type: the number in decimal, the string, the GUID as
// 8-4-4-4-12 upper-case hex digits, or the byte string; "" for another type. Texts
// are read up to their terminating zero in the system's 8-bit encoding (a missing
// text reads as empty); the length fields are not used.
QString OPC_UA_Node_Id_Text(const opcua_structure& node);
