#include "gateway/modbus_tcp_master_checks.h"

#include "app/editor_file/editor_table.h"
#include "app/routines/ip_address.h"
#include "gateway/modbus_tcp_master_file.h"
#include "platform/rtl/numbers.h"
#include "platform/rtl/strings.h"

bool Check_IP_Address(const QString& text) {
  // Four parts cut at the first three dots, each a number 0 to 255, no blanks trimmed:
  // the same reading as the address-to-bytes routine, whose result is "error".
  uint8_t b1 = 0, b2 = 0, b3 = 0, b4 = 0;
  return IP_Text_To_Bytes(text, b1, b2, b3, b4);
}

const TModbusRuleLimits Modbus_Read_Limits{
    {u"COIL STATUS", u"INPUT STATUS"}, 2000, 125, 1, kMBR_MaxError, kMBR_Position, kMBR_Bit,
    {1839, 1840, 1841, 1842, 1843, 1844, 1899, 1846, 1847, 1848, 1849},
};
const TModbusRuleLimits Modbus_Write_Limits{
    {u"COIL STATUS", nullptr}, 1968, 123, 0, kMBW_MaxError, kMBW_Position, kMBW_Bit,
    {1850, 1851, 1852, 1853, 1854, 1855, 1856, 1857, 1858, 1859, 1860},
};

namespace {

enum { tIP, tPort, tSlaveID, tType, tAddress, tNPoint, tPollTime, tMaxError, tPosition, tBit, tLastByte };

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

std::optional<TRowCheckFailure> Check_Modbus_Rule(const TModbusRuleCells& cells, const TModbusRuleLimits& limits,
                                                  int32_t nByte) {
  auto fail = [&](int which, QString appended = {}) {
    return std::optional<TRowCheckFailure>(TRowCheckFailure{0, limits.Texts[which], std::move(appended)});
  };
  if (Check_IP_Address(cells.IP_Address)) return fail(tIP);
  if (!In_Range(cells.Port, 0, 65535)) return fail(tPort);
  if (!In_Range(cells.Slave_ID, 1, 247)) return fail(tSlaveID);
  if (cells.Type.isEmpty()) return fail(tType);
  const bool bits = Is_Bit_Type(cells.Type, limits);
  if (!In_Range(cells.Address, 0, 65535)) return fail(tAddress);
  const int32_t maxPoints = bits ? limits.MaxPointsBits : limits.MaxPointsRegisters;
  if (!In_Range(cells.NPoint, 1, maxPoints)) return fail(tNPoint, IntToStr(maxPoints));
  if (!In_Range(cells.PollTime, limits.MinPollTime, 100000000)) return fail(tPollTime);
  if (!In_Range(cells.MaxError, 0, 100000000)) return fail(tMaxError);
  if (!In_Range(cells.Position, 0, int64_t(nByte) - 1)) return fail(tPosition, IntToStr(int64_t(nByte) - 1));

  // The rule's last byte in the data array must lie inside it.
  const int64_t position = StrToIntDef(cells.Position, -1);
  const int64_t points = StrToIntDef(cells.NPoint, -1);
  int64_t lastByte = 0;
  if (bits) {
    if (cells.Bit.isEmpty()) return fail(tBit);
    const int64_t startBit = StrToIntDef(cells.Bit, 0);
    lastByte = position + (points + startBit - 1) / 8;
  } else {
    lastByte = position + 2 * points - 1;
  }
  if (lastByte >= nByte) return fail(tLastByte);
  return std::nullopt;
}

namespace {

std::optional<TRowCheckFailure> Check_Table(const TEditorTable& grid, const TModbusRuleLimits& limits, int32_t nByte) {
  for (int row = 1; row < grid.RowCount(); ++row) {
    if (Trim(grid.Cell(kMB_IP_Address, row)).isEmpty()) break;
    if (Trim(grid.Cell(kMB_Enable, row)) != u"Y") continue;
    const TModbusRuleCells cells{
        grid.Cell(kMB_IP_Address, row), grid.Cell(kMB_Port, row),           grid.Cell(kMB_Slave_ID, row),
        grid.Cell(kMB_Type, row),       grid.Cell(kMB_Address, row),        grid.Cell(kMB_NPoint, row),
        grid.Cell(kMB_PollTime, row),   grid.Cell(limits.MaxErrorCol, row), grid.Cell(limits.PositionCol, row),
        grid.Cell(limits.BitCol, row),
    };
    if (std::optional<TRowCheckFailure> failure = Check_Modbus_Rule(cells, limits, nByte)) {
      failure->Row = row;
      return failure;
    }
  }
  return std::nullopt;
}

}  // namespace

std::optional<TRowCheckFailure> Controllo_dati(const TEditorTable& read, const TEditorTable& write, int32_t nByteIn,
                                               int32_t nByteOut) {
  if (auto failure = Check_Table(read, Modbus_Read_Limits, nByteIn)) return failure;
  return Check_Table(write, Modbus_Write_Limits, nByteOut);
}
