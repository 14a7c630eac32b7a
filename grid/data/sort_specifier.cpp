// The sort specifier text: what is sorted and how, as one short text ("u3", "d3",
// "i;u1;d2") that an application keeps and gives back to sort the grid again.
#include "grid/data/sort_settings.h"

#include "grid/view/ex_string_grid.h"
#include "platform/rtl/exceptions.h"
#include "platform/rtl/numbers.h"

QString TSortSettings::SaveToString() const {
  auto* grid = dynamic_cast<TExStringGrid*>(owner_);
  if (IndexShow) return QStringLiteral("i;") + (grid ? grid->SortIndexes()->SaveToString() : QString());
  return (Direction == sdDescending ? QStringLiteral("d") : QStringLiteral("u")) + QString::number(Column);
}

void TSortSettings::LoadFromString(const QString& Value) {
  if (Value.isEmpty()) return;
  SetShow(true);
  if (Value.size() < 2) throw Exception(QStringLiteral("Invalid sort settings specifier"));
  auto* grid = dynamic_cast<TExStringGrid*>(owner_);
  if (!Value.contains(QStringLiteral("i;"))) {
    IndexShow = false;
    Direction = Value.contains(u'u') ? sdAscending : sdDescending;
    int column = 0;
    if (!TryStrToInt(Value.mid(1), column)) return;
    Column = column;
    if (grid) grid->QSort();
    return;
  }
  IndexShow = true;
  const QString rest = Value.mid(2);
  if (rest.isEmpty() || !grid) return;
  grid->SortIndexes()->LoadFromString(rest);
  grid->QSortIndexed();
}

void TSortSettings::Remove() {
  Column = -1;
  if (auto* grid = dynamic_cast<TExStringGrid*>(owner_)) grid->SortIndexes()->Clear();
  if (owner_ && owner_->HostFixedRows() > 0) owner_->HostRepaintRow(owner_->HostFixedRows() - 1);
}
