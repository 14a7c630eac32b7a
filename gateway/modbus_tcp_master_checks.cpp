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

std::optional<TRowCheckFailure> Check_Modbus_Rule(const TModbusRuleCells& cells, const TModbusRuleLimits& limits,
                                                  int32_t nByte) {
  auto fail = [&](int which) { return std::optional<TRowCheckFailure>(TRowCheckFailure{0, limits.Texts[which]}); };
  if (Check_IP_Address(cells.IP_Address)) return fail(kMBT_IP);
  const int64_t port = StrToIntDef(cells.Port, -1);
  if (port < 0 || port > 65535) return fail(kMBT_Port);
  return Check_Modbus_Request(cells, limits, nByte);
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
