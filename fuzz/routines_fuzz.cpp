// The number reader and the address and identifier routines every editor uses, on
// one text. Invariants: a number that is read prints back and reads the same; an
// address that is read rebuilds to an address that reads the same bytes.
#include "app/routines/decimal_numbers.h"
#include "app/routines/ip_address.h"
#include "app/routines/opc_ua_names.h"
#include "app/routines/snmp_checks.h"
#include "fuzz/fuzz_support.h"
#include "gateway/bank1_parameter_block.h"
#include "gateway/ethercat_slave_checks.h"
#include "gateway/ethercat_slave_variables.h"
#include "gateway/modbus_tcp_master_checks.h"
#include "platform/rtl/numbers.h"
#include "platform/rtl/strings.h"

#include <algorithm>

namespace {

void Numbers(const QString& text) {
  int32_t v32 = 0;
  if (TryStrToInt(text, v32)) {
    int32_t again = 0;
    Fuzz_Require(TryStrToInt(IntToStr(v32), again) && again == v32, "a 32-bit number does not read back");
  }
  int64_t v64 = 0;
  if (TryStrToInt64(text, v64)) {
    int64_t again = 0;
    Fuzz_Require(TryStrToInt64(IntToStr(v64), again) && again == v64, "a 64-bit number does not read back");
  }
  (void)StrToIntDef(text, -1);
  (void)StrToInt64Def(text, -1);
  float f = 0;
  (void)Text_To_Float(text, u'.', f);
  (void)Text_To_Float(text, u',', f);
}

void Addresses(const QString& text) {
  QString p1, p2, p3, p4;
  (void)Split_IP_Address(text, p1, p2, p3, p4);
  uint8_t b[4] = {};
  // IP_Text_To_Bytes answers true for an error.
  if (!IP_Text_To_Bytes(text, b[0], b[1], b[2], b[3])) {
    const QString rebuilt = QStringLiteral("%1.%2.%3.%4").arg(b[0]).arg(b[1]).arg(b[2]).arg(b[3]);
    uint8_t c[4] = {};
    Fuzz_Require(!IP_Text_To_Bytes(rebuilt, c[0], c[1], c[2], c[3]) && std::equal(b, b + 4, c),
                 "an address does not read back");
    Fuzz_Require(!Check_IP_Address(rebuilt), "a rebuilt address fails the rule check");
  }
  uint16_t port = 0;
  (void)IP_Port_Text_To_Bytes(text, b[0], b[1], b[2], b[3], port);
  (void)Check_IP_Address(text);
}

void Identifiers(const QString& text) {
  (void)Check_OID_Text(text);
  (void)Check_SNMP_Password(text, true);
  (void)Check_SNMP_Password(text, false);
  (void)SNMP_Security_Level_Code(text);
  (void)OPC_UA_Id_Type_Code(text);
  (void)OPC_UA_Auth_Code(text);
  (void)OPC_UA_Security_Mode_Code(text);
  (void)OPC_UA_Security_Policy_Code(text);
  (void)CheckArraySting(text);
  (void)Var_Length_Allowed(text);
  (void)Revision_Number_From_Text(text, 0);
  (void)Node_Address_From_Text(text, 1);
  TEtherCAT_Slave_Header header;
  Parse_EEPROM_Config(text, header);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QString text = Fuzz_Text(data, size);
  Numbers(text);
  Addresses(text);
  Identifiers(text);
  return 0;
}
