#include "platform/grids/cell_table.h"

namespace {

// Re-keys the entries of [min(from, to), max(from, to)] of an ordered map so
// that the entry at `from` lands at `to` and the others shift by one towards it.
template <class Map>
void MoveMapKey(Map& map, int from, int to) {
  if (from == to) return;
  using Value = typename Map::mapped_type;
  std::optional<Value> moved;
  if (auto it = map.find(from); it != map.end()) {
    moved = std::move(it->second);
    map.erase(it);
  }
  int lo = from < to ? from + 1 : to;
  int hi = from < to ? to : from - 1;
  int shift = from < to ? -1 : 1;
  std::vector<std::pair<int, Value>> shifted;
  for (auto it = map.lower_bound(lo); it != map.end() && it->first <= hi;) {
    shifted.emplace_back(it->first + shift, std::move(it->second));
    it = map.erase(it);
  }
  for (auto& [key, value] : shifted) map.emplace(key, std::move(value));
  if (moved) map.emplace(to, std::move(*moved));
}

}  // namespace

QString TSparseCellTable::Text(int col, int row) const {
  auto r = rows_.find(row);
  if (r == rows_.end()) return {};
  auto c = r->second.find(col);
  return c == r->second.end() ? QString() : c->second.text;
}

TObject* TSparseCellTable::Object(int col, int row) const {
  auto r = rows_.find(row);
  if (r == rows_.end()) return nullptr;
  auto c = r->second.find(col);
  return c == r->second.end() ? nullptr : c->second.object;
}

void TSparseCellTable::Store(int col, int row, const Entry& entry) {
  if (entry.Empty()) {
    auto r = rows_.find(row);
    if (r == rows_.end()) return;
    r->second.erase(col);
    if (r->second.empty()) rows_.erase(r);
    return;
  }
  rows_[row][col] = entry;
}

void TSparseCellTable::SetText(int col, int row, const QString& text) {
  // One walk down to the cell: its entry is made only for a text, and an entry
  // left with neither text nor object goes (with its row when that empties).
  auto r = rows_.lower_bound(row);
  if (r == rows_.end() || r->first != row) {
    if (text.isEmpty()) return;
    r = rows_.emplace_hint(r, row, Row());
  }
  Row& cells = r->second;
  auto c = cells.lower_bound(col);
  if (c == cells.end() || c->first != col) {
    if (text.isEmpty()) return;
    cells.emplace_hint(c, col, Entry{text, nullptr});
    return;
  }
  c->second.text = text;
  if (!c->second.Empty()) return;
  cells.erase(c);
  if (cells.empty()) rows_.erase(r);
}

void TSparseCellTable::SetObject(int col, int row, TObject* object) {
  Entry e{Text(col, row), object};
  Store(col, row, e);
}

void TSparseCellTable::MoveKey(std::map<int, Row>& map, int from, int to) { MoveMapKey(map, from, to); }
void TSparseCellTable::MoveKey(Row& map, int from, int to) { MoveMapKey(map, from, to); }

void TSparseCellTable::MoveColumn(int from, int to) {
  for (auto& [row, cells] : rows_) MoveKey(cells, from, to);
}

void TSparseCellTable::MoveRow(int from, int to) { MoveKey(rows_, from, to); }

int TSparseCellTable::UsedCount() const {
  int n = 0;
  for (const auto& [row, cells] : rows_) n += int(cells.size());
  return n;
}

void TSparseCellTable::SwapRows(int a, int b) {
  if (a == b) return;
  auto ia = rows_.find(a), ib = rows_.find(b);
  if (ia == rows_.end() && ib == rows_.end()) return;
  if (ia != rows_.end() && ib != rows_.end()) {
    std::swap(ia->second, ib->second);
    return;
  }
  // One of them is empty: the other's entries change their key.
  auto node = rows_.extract(ia != rows_.end() ? ia : ib);
  node.key() = ia != rows_.end() ? b : a;
  rows_.insert(std::move(node));
}

void TSparseCellTable::SwapColumns(int a, int b) {
  if (a == b) return;
  for (auto& [row, cells] : rows_) {
    auto ia = cells.find(a), ib = cells.find(b);
    if (ia == cells.end() && ib == cells.end()) continue;
    if (ia != cells.end() && ib != cells.end()) {
      std::swap(ia->second, ib->second);
      continue;
    }
    auto node = cells.extract(ia != cells.end() ? ia : ib);
    node.key() = ia != cells.end() ? b : a;
    cells.insert(std::move(node));
  }
}
