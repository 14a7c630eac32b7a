#include "app/routines/modbus_requests.h"

#include "platform/rtl/numbers.h"
#include "platform/rtl/strings.h"

#include <utility>

namespace {

bool In_Range(const QString& text, int64_t min, int64_t max) {
  const int64_t v = StrToIntDef(text, -1);
  return v >= min && v <= max;
}

bool Is_Bit_Type(const QString& type, const TModbusRuleLimits& limits) {
  const QString t = UpperCase(Trim(type));
  for (const char16_t* bitType : limits.BitTypes)
    if (bitType != nullptr && t == QStringView(bitType)) return true;
  return false;
}

}  // namespace

std::optional<TRowCheckFailure> Check_Modbus_Request(const TModbusRuleCells& cells, const TModbusRuleLimits& limits,
                                                     int32_t nByte) {
  auto fail = [&](int which, QString appended = {}) {
    return std::optional<TRowCheckFailure>(TRowCheckFailure{0, limits.Texts[which], std::move(appended)});
  };
  if (!In_Range(cells.Slave_ID, 1, 247)) return fail(kMBT_Slave_ID);
  if (cells.Type.isEmpty()) return fail(kMBT_Type);
  const bool bits = Is_Bit_Type(cells.Type, limits);
  if (!In_Range(cells.Address, 0, 65535)) return fail(kMBT_Address);
  const int32_t maxPoints = bits ? limits.MaxPointsBits : limits.MaxPointsRegisters;
  if (!In_Range(cells.NPoint, 1, maxPoints)) return fail(kMBT_NPoint, IntToStr(maxPoints));
  if (!In_Range(cells.PollTime, limits.MinPollTime, 100000000)) return fail(kMBT_Poll_Time);
  if (!In_Range(cells.MaxError, 0, 100000000)) return fail(kMBT_Max_Error);
  if (!In_Range(cells.Position, 0, int64_t(nByte) - 1)) return fail(kMBT_Position, IntToStr(int64_t(nByte) - 1));

  // The rule's last byte in the data array must lie inside it.
  const int64_t position = StrToIntDef(cells.Position, -1);
  const int64_t points = StrToIntDef(cells.NPoint, -1);
  int64_t lastByte = 0;
  if (bits) {
    if (cells.Bit.isEmpty()) return fail(kMBT_Bit);
    const int64_t startBit = StrToIntDef(cells.Bit, 0);
    lastByte = position + (points + startBit - 1) / 8;
  } else {
    lastByte = position + 2 * points - 1;
  }
  if (lastByte >= nByte) return fail(kMBT_Last_Byte);
  return std::nullopt;
}
