/* The boundary of the outside OPC UA browse library "OPC_UA_Search", as this
 * program calls it. The library is not part of the program: the scan dialog loads
 * it by name when a scan runs (libOPC_UA_Search.so, looked for in the program's
 * folder first, then along the system's library search path) and releases it
 * when the scan ends. A library that answers these two functions, records and
 * codes can take its place; the project builds a deterministic stand-in for its
 * tests (standins/opc_ua_search).
 *
 * Calls, in this order, for one scan:
 *   1. n = opcua_client_begin(request): connect to the server, browse it and
 *      count its variables; the request record is passed by value. It blocks
 *      until the browse ends. n <= 0 means that no variable was found.
 *   2. for i = 0 .. n - 1, in this order: opcua_return_variable(&record, i)
 *      fills the caller's record with result i of the browse just made; its
 *      return value is not used.
 * Both functions use the C calling convention. The text pointers of a result
 * record point into the library's memory; the caller copies the texts before
 * its next call and before it releases the library.
 *
 * Layout: the platform's natural C layout for x86-64 and AArch64 Linux (LP64,
 * little-endian, pointers of 8 bytes aligned to 8); no packing. Offsets in bytes:
 *
 *   opcua_server_to_discover (56 bytes)
 *      0  server_address       const char*   the server's address (URL)
 *      8  user_pass_auth_flag  int32_t       0 anonymous, 1 user name and password, 2 certificate
 *     12  (4 bytes of padding)
 *     16  username             const char*
 *     24  password             const char*
 *     32  cert                 const char*   certificate text
 *     40  priv_key             const char*   private key text
 *     48  security_type        int32_t       0 "None", 1 "Sign", 2 "Sign and Encrypt"
 *     52  security_policy      int32_t       0 "None", 1 "Basic 128 RSA 15", 2 "Basic 256",
 *                                            3 "Basic 256 SHA 256", 4 "AES 128 SHA 256 RSA OAEP",
 *                                            5 "AES 256 SHA 256 RSA PSS"
 *   Every text is NUL-terminated in the system's
 *   8-bit encoding; every pointer is valid (an empty text is an empty string).
 *
 *   opcua_structure (80 bytes), one per variable found
 *      0  nameSpaceIndex       uint16_t
 *      2  identifierType       uint16_t      0 numeric, 3 string, 4 GUID, 5 byte string
 *      4  numeric              uint32_t      numeric identifier
 *      8  stringname           const char*   string identifier (NUL-terminated)
 *     16  stringLength         uint32_t      not used
 *     20  guide1               uint32_t      GUID: first group
 *     24  guide2               uint16_t      GUID: second group
 *     26  guide3               uint16_t      GUID: third group
 *     28  guide4               uint8_t[8]    GUID: last eight bytes in text order
 *     36  (4 bytes of padding)
 *     40  byteString           const char*   byte-string identifier as text (NUL-terminated)
 *     48  byteStringLength     uint32_t      not used
 *     52  (4 bytes of padding)
 *     56  displayName          const char*   display name (NUL-terminated)
 *     64  displayNameLength    uint32_t      not used
 *     68  dataType             int32_t       0 Boolean, 1 Int8, 2 UInt8, 3 Int16, 4 UInt16, 5 Int32,
 *                                            6 UInt32, 7 Int64, 8 UInt64, 9 Float, 10 Double,
 *                                            11 String, 12 DateTime, 13 Guid, 14 ByteString
 *     72  accessLevel          uint8_t       bit 0: readable; bit 1: writable
 *     73  spare                uint8_t[3]    not used
 *     76  (4 bytes of padding)
 *
 * The three texts are read up to their NUL; the length fields are ignored.
 */
#ifndef OPC_UA_SEARCH_H
#define OPC_UA_SEARCH_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

typedef struct opcua_server_to_discover {
  const char* server_address;
  int32_t user_pass_auth_flag;
  const char* username;
  const char* password;
  const char* cert;
  const char* priv_key;
  int32_t security_type;
  int32_t security_policy;
} opcua_server_to_discover;

typedef struct opcua_structure {
  uint16_t nameSpaceIndex;
  uint16_t identifierType;
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
} opcua_structure;

/* Identifier types. */
#define OPCUA_ID_NUMERIC 0
#define OPCUA_ID_STRING 3
#define OPCUA_ID_GUID 4
#define OPCUA_ID_BYTESTRING 5

/* Access level bits. */
#define OPCUA_ACCESS_READ 1
#define OPCUA_ACCESS_WRITE 2

/* The library's file name and its two functions. */
#define OPC_UA_SEARCH_LIBRARY "libOPC_UA_Search.so"
#define OPC_UA_SEARCH_BEGIN "opcua_client_begin"
#define OPC_UA_SEARCH_RETURN "opcua_return_variable"

typedef int32_t (*opcua_client_begin_fn)(opcua_server_to_discover request);
typedef int32_t (*opcua_return_variable_fn)(opcua_structure* result, int32_t index);

#ifdef __cplusplus
}
#endif

#endif
