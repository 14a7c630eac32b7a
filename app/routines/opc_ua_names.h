// OPC UA names and codes: node identifier types, data types, authentication,
// security modes and policies, and the node identifier of a browsed variable as
// text.
#pragma once

#include "app/routines/opc_ua_search.h"

#include <QString>
#include <cstddef>
#include <cstdint>

// The records of the outside browse library, in the layout its header states.
static_assert(sizeof(opcua_server_to_discover) == 56 && offsetof(opcua_server_to_discover, security_type) == 48);
static_assert(sizeof(opcua_structure) == 80 && offsetof(opcua_structure, guide4) == 28 &&
              offsetof(opcua_structure, byteString) == 40 && offsetof(opcua_structure, displayName) == 56 &&
              offsetof(opcua_structure, dataType) == 68 && offsetof(opcua_structure, accessLevel) == 72);

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
