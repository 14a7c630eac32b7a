// The column order kept under keys of the settings store: "Pos" followed by the
// position, in the section ColumnSize.Section of the store ColumnSize.Key names
// (an initialisation file, or a key of the user's registry, which this platform
// keeps as an initialisation file too). Nothing happens without a key and a
// section, or in the form designer.
#include <vector>

#include "grid/base/column_positions.h"
#include "grid/base/int_list.h"
#include "grid/data/column_size.h"
#include "grid/view/ex_string_grid.h"
#include "platform/os/ini_file.h"

namespace {

const QString kPositionKey = QStringLiteral("Pos");

}  // namespace

void TExStringGrid::SaveColPositions() {
  const QString file = ColumnStoreFile(*FColumnSize);
  if (file.isEmpty() || Designing()) return;
  TMemIniFile ini(file);
  std::vector<int> order;
  for (int i = 0; i < FColumnOrder->Count(); ++i) order.push_back((*FColumnOrder)[i]);
  WriteColumnPositions(ini, FColumnSize->Section, kPositionKey, order);
  WriteColumnStore(ini, *FColumnSize);
}

void TExStringGrid::LoadColPositions() {
  const QString file = ColumnStoreFile(*FColumnSize);
  if (file.isEmpty() || Designing()) return;
  // 1.-2. The stored order, when it names every column once.
  const int all = AllColCount();
  const std::optional<std::vector<int>> stored =
      ReadColumnPositions(TMemIniFile(file), FColumnSize->Section, kPositionKey, all);
  if (!stored) return;
  // 3. Its inverse (for each column, the position that holds it) becomes the
  // order to reset to; the hidden columns are noted.
  std::vector<int> inverse(static_cast<size_t>(all));
  for (int p = 0; p < all; ++p) inverse[static_cast<size_t>((*stored)[static_cast<size_t>(p)])] = p;
  std::vector<int> hidden;
  for (int c = 0; c < all; ++c)
    if (IsHiddenColumn(c)) hidden.push_back(c);
  FColumnOrder->Clear();
  for (int p : inverse) FColumnOrder->Add(p);
  // 4.
  UnHideColumnsAll();
  ResetColumnOrder();
  for (int c : hidden) HideColumn(c);
  // 5.
  FColumnOrder->Clear();
  for (int p : *stored) FColumnOrder->Add(p);
}
