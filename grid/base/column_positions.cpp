#include "grid/base/column_positions.h"

#include "platform/os/ini_file.h"

std::optional<std::vector<int>> ReadColumnPositions(const TMemIniFile& Ini, const QString& Section,
                                                     const QString& Prefix, int Count) {
  if (Count <= 0) return std::nullopt;
  std::vector<int> positions(static_cast<size_t>(Count));
  std::vector<bool> seen(static_cast<size_t>(Count), false);
  for (int i = 0; i < Count; ++i) {
    const int k = Ini.ReadInteger(Section, Prefix + QString::number(i), -1);
    if (k < 0 || k >= Count || seen[static_cast<size_t>(k)]) return std::nullopt;
    seen[static_cast<size_t>(k)] = true;
    positions[static_cast<size_t>(i)] = k;
  }
  return positions;
}

void WriteColumnPositions(TMemIniFile& Ini, const QString& Section, const QString& Prefix,
                          const std::vector<int>& Positions) {
  for (size_t i = 0; i < Positions.size(); ++i)
    Ini.WriteInteger(Section, Prefix + QString::number(i), Positions[i]);
}
