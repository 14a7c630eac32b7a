#include "gateway/ethercat_slave_checks.h"

#include "app/editor_file/editor_table.h"
#include "gateway/ethercat_slave_variables.h"
#include "platform/rtl/numbers.h"
#include "platform/rtl/strings.h"

bool CheckArraySting(const QString& text) {
  for (QChar c : UpperCase(text)) {
    const char16_t u = c.unicode();
    if (!((u >= u'0' && u <= u'9') || (u >= u'A' && u <= u'F'))) return false;
  }
  return true;
}

namespace {

// Walks the used rows of one table and checks the enabled ones.
template <typename Check>
std::optional<TRowCheckFailure> Check_Table(const TEditorTable& grid, int initValueCol, Check check) {
  for (int row = 1; row < grid.RowCount(); ++row) {
    const QString type = grid.Cell(kEC_Type, row);
    if (Trim(type).isEmpty()) break;
    if (grid.Cell(kEC_Enable, row) != u"Y") continue;
    const TEtherCATVariableCells cells{type, grid.Cell(kEC_Length, row),
                                       initValueCol > 0 ? grid.Cell(initValueCol, row) : QString()};
    if (const std::optional<int> text = check(cells)) return TRowCheckFailure{row, *text, {}};
  }
  return std::nullopt;
}

}  // namespace

std::optional<int> Check_Slave_To_Master_Variable(const TEtherCATVariableCells& cells) {
  const int32_t length = StrToIntDef(cells.Length, -1);
  if (cells.Type == u"Array") {
    if (!Var_Length_Allowed(cells.Length)) return 1052;
    if (cells.InitValue.isEmpty()) return std::nullopt;
    if (cells.InitValue.size() % 2 != 0) return 1053;
    if (cells.InitValue.size() / 2 > length) return 1054;
    if (!CheckArraySting(cells.InitValue)) return 1055;
    return std::nullopt;
  }
  if (cells.Type == u"String") {
    if (!Var_Length_Allowed(cells.Length)) return 1056;
    if (!cells.InitValue.isEmpty() && cells.InitValue.size() > length) return 1057;
  }
  return std::nullopt;
}

std::optional<int> Check_Master_To_Slave_Variable(const TEtherCATVariableCells& cells) {
  if (cells.Type != u"Array" && cells.Type != u"String") return std::nullopt;
  if (!Var_Length_Allowed(cells.Length)) return 1058;
  return std::nullopt;
}

std::optional<TRowCheckFailure> Controllo_dati(const TEditorTable& slaveToMaster, const TEditorTable& masterToSlave) {
  if (auto failure = Check_Table(slaveToMaster, kStM_InitValue, Check_Slave_To_Master_Variable)) return failure;
  return Check_Table(masterToSlave, 0, Check_Master_To_Slave_Variable);
}
