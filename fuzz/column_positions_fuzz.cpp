// The column positions in an initialisation file ("CP" and "Pos" keys), as a
// grid reads them back: a file that may have been edited by hand or written for
// another column set.
// The first byte chooses the column count (1 to 32) and the key prefix; the rest
// is the file's text.
// Invariants: a list read is a permutation of the columns (anything else reads as
// no list, so no column order can be built that never settles); positions the
// grid writes into that file read back unchanged after the file is written out
// and read in again, whatever else the file holds.
#include "fuzz/fuzz_support.h"
#include "grid/base/column_positions.h"
#include "platform/os/ini_file.h"

#include <numeric>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const int count = 1 + (data[0] & 0x1F);
  const QString prefix = data[0] & 0x80 ? QStringLiteral("Pos") : QStringLiteral("CP");
  const QString section = QStringLiteral("Grid");
  TMemIniFile ini{QString()};
  ini.SetText(Fuzz_Text(data + 1, size - 1));

  if (const std::optional<std::vector<int>> read = ReadColumnPositions(ini, section, prefix, count)) {
    Fuzz_Require(static_cast<int>(read->size()) == count, "a position list of another length");
    std::vector<bool> seen(static_cast<size_t>(count), false);
    for (int p : *read) {
      Fuzz_Require(p >= 0 && p < count && !seen[static_cast<size_t>(p)], "a position list that is no permutation");
      seen[static_cast<size_t>(p)] = true;
    }
  }

  std::vector<int> written(static_cast<size_t>(count));
  std::iota(written.rbegin(), written.rend(), 0);
  WriteColumnPositions(ini, section, prefix, written);
  TMemIniFile again{QString()};
  again.SetText(ini.Text());
  const std::optional<std::vector<int>> back = ReadColumnPositions(again, section, prefix, count);
  Fuzz_Require(back && *back == written, "written column positions do not read back");
  return 0;
}
