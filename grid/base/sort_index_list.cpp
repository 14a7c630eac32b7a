#include "grid/base/sort_index_list.h"

#include "platform/rtl/numbers.h"

#include <QStringList>

namespace {

constexpr uint32_t kDescending = 0x80000000u;
constexpr uint32_t kColumnBits = 0x7FFFFFFFu;

uint32_t bits(int v) { return static_cast<uint32_t>(v); }
int fromBits(uint32_t v) { return static_cast<int>(v); }

}  // namespace

void TSortIndexList::AddIndex(int ColumnIndex, bool Ascending) {
  Add(fromBits(bits(ColumnIndex) | (Ascending ? 0u : kDescending)));
}

int TSortIndexList::FindIndex(int ColumnIndex) const {
  for (int i = 0; i < Count(); ++i)
    if ((bits(GetInteger(i)) & kColumnBits) == bits(ColumnIndex)) return i;
  return -1;
}

void TSortIndexList::ToggleIndex(int ColumnIndex) {
  const int i = FindIndex(ColumnIndex);
  if (i >= 0) SetInteger(i, fromBits(bits(GetInteger(i)) ^ kDescending));
}

int TSortIndexList::SortColumns(int i) const { return fromBits(bits(GetInteger(i)) & kColumnBits); }

void TSortIndexList::SetSortColumns(int i, int Column) {
  SetInteger(i, fromBits((bits(GetInteger(i)) & kDescending) | (bits(Column) & kColumnBits)));
}

bool TSortIndexList::SortDirections(int i) const { return (bits(GetInteger(i)) & kDescending) == 0; }

void TSortIndexList::SetSortDirections(int i, bool Ascending) {
  const uint32_t v = bits(GetInteger(i));
  SetInteger(i, fromBits(Ascending ? v & kColumnBits : v | kDescending));
}

QString TSortIndexList::SaveToString() const {
  QStringList entries;
  for (int i = 0; i < Count(); ++i)
    entries << (SortDirections(i) ? u'u' : u'd') + QString::number(bits(GetInteger(i)) & 0xFFFFu);
  return entries.join(u';');
}

void TSortIndexList::LoadFromString(const QString& s) {
  Clear();
  for (const QString& entry : s.split(u';')) {
    if (entry.size() < 2) continue;
    int column = 0;
    if (!TryStrToInt(entry.mid(1), column) || column < 0) continue;
    AddIndex(column, entry[0] == u'u');
  }
}
