// The checks a Modbus master's request shares, whether the master sends it over
// TCP (to an address and port) or on a serial line: the slave, the register or
// status type, address and point count within the protocol's per-request maxima,
// the poll time, the error limit, and the bytes it takes in the converter's data
// array from its position on.
#pragma once

#include "app/editor_file/row_check_failure.h"

#include <QString>
#include <cstdint>
#include <optional>

// The cells one rule's checks look at.
struct TModbusRuleCells {
  QString IP_Address;
  QString Port;
  QString Slave_ID;
  QString Type;
  QString Address;
  QString NPoint;
  QString PollTime;
  QString MaxError;
  QString Position;
  QString Bit;
};

// What differs between the Read and the Write table: which types move bits, the
// limits, where the last three checked columns are, and the texts in check order.
struct TModbusRuleLimits {
  const char16_t* BitTypes[2];  // upper case; a null entry ends the list
  int32_t MaxPointsBits;
  int32_t MaxPointsRegisters;
  int32_t MinPollTime;
  int MaxErrorCol;
  int PositionCol;
  int BitCol;
  // IP address, port, slave id, type, address, NPoint, poll time, max error,
  // position, start bit, last byte.
  int Texts[11];
};

// The positions of the texts in TModbusRuleLimits::Texts.
enum TModbusRuleText {
  kMBT_IP, kMBT_Port, kMBT_Slave_ID, kMBT_Type, kMBT_Address, kMBT_NPoint, kMBT_Poll_Time, kMBT_Max_Error,
  kMBT_Position, kMBT_Bit, kMBT_Last_Byte
};

// The checks from the Slave ID on against a data array of `nByte` bytes (the
// address and port are not looked at); the failure without its row, nothing when
// the request passes.
std::optional<TRowCheckFailure> Check_Modbus_Request(const TModbusRuleCells& cells, const TModbusRuleLimits& limits,
                                                     int32_t nByte);
