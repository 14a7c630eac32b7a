#include "platform/grids/cell_table.h"

#include <algorithm>

namespace {

// The index rows grow to at least this many, and to twice their number, when a
// row just past them is written; a row further out lives apart.
constexpr size_t kMinDenseRows = 1024;

template <class Row>
auto FindCell(Row& cells, int col) {
  // A row filled from its first column on holds column c at index c.
  if (col >= 0 && size_t(col) < cells.size() && cells[size_t(col)].first == col) return cells.begin() + col;
  return std::lower_bound(cells.begin(), cells.end(), col, [](const auto& cell, int c) { return cell.first < c; });
}

// The new place of index `i` when `from` moves to `to` and those between shift.
int Moved(int i, int from, int to) {
  if (i == from) return to;
  if (from < to && i > from && i <= to) return i - 1;
  if (from > to && i >= to && i < from) return i + 1;
  return i;
}

}  // namespace

const TSparseCellTable::Row* TSparseCellTable::FindRow(int row) const {
  if (row >= 0 && size_t(row) < dense_.size()) return &dense_[size_t(row)];
  const auto r = far_.find(row);
  return r == far_.end() ? nullptr : &r->second;
}

void TSparseCellTable::GrowDense(size_t size) {
  const size_t old = dense_.size();
  dense_.resize(size);
  // Rows kept apart that the index rows reach now move in.
  for (auto r = far_.lower_bound(int(old)); r != far_.end() && size_t(r->first) < size;) {
    dense_[size_t(r->first)] = std::move(r->second);
    r = far_.erase(r);
  }
}

TSparseCellTable::Row& TSparseCellTable::WritableRow(int row) {
  if (row >= 0 && size_t(row) >= dense_.size() && size_t(row) < std::max(kMinDenseRows, 2 * dense_.size()))
    GrowDense(size_t(row) + 1);
  if (row >= 0 && size_t(row) < dense_.size()) return dense_[size_t(row)];
  return far_[row];
}

void TSparseCellTable::Tidy(int row) {
  if (row >= 0 && size_t(row) < dense_.size()) return;  // an empty index row costs nothing to keep
  const auto r = far_.find(row);
  if (r != far_.end() && r->second.empty()) far_.erase(r);
}

TSparseCellTable::Row TSparseCellTable::TakeRow(int row) {
  Row cells;
  if (row >= 0 && size_t(row) < dense_.size()) {
    cells.swap(dense_[size_t(row)]);
    return cells;
  }
  if (auto node = far_.extract(row)) cells = std::move(node.mapped());
  return cells;
}

void TSparseCellTable::PutRow(int row, Row&& cells) {
  if (cells.empty()) {
    TakeRow(row);
    Tidy(row);
    return;
  }
  WritableRow(row) = std::move(cells);
}

QString TSparseCellTable::Text(int col, int row) const {
  const Row* cells = FindRow(row);
  if (!cells) return {};
  const auto c = FindCell(*cells, col);
  return c == cells->end() || c->first != col ? QString() : c->second.text;
}

TObject* TSparseCellTable::Object(int col, int row) const {
  const Row* cells = FindRow(row);
  if (!cells) return nullptr;
  const auto c = FindCell(*cells, col);
  return c == cells->end() || c->first != col ? nullptr : c->second.object;
}

void TSparseCellTable::Store(int col, int row, const Entry& entry) {
  if (entry.Empty()) {
    Row* cells = const_cast<Row*>(FindRow(row));
    if (!cells) return;
    const auto c = FindCell(*cells, col);
    if (c == cells->end() || c->first != col) return;
    cells->erase(c);
    Tidy(row);
    return;
  }
  Row& cells = WritableRow(row);
  // Cells are mostly written left to right: the new one then goes at the end.
  if (cells.empty() || cells.back().first < col) {
    cells.emplace_back(col, entry);
    return;
  }
  const auto c = FindCell(cells, col);
  if (c != cells.end() && c->first == col)
    c->second = entry;
  else
    cells.emplace(c, col, entry);
}

void TSparseCellTable::SetText(int col, int row, const QString& text) {
  // An entry is made only for a text; one left with neither text nor object goes.
  if (text.isEmpty()) {
    Store(col, row, Entry{QString(), Object(col, row)});
    return;
  }
  Row& cells = WritableRow(row);
  if (cells.empty() || cells.back().first < col) {
    cells.emplace_back(col, Entry{text, nullptr});
    return;
  }
  const auto c = FindCell(cells, col);
  if (c != cells.end() && c->first == col)
    c->second.text = text;
  else
    cells.emplace(c, col, Entry{text, nullptr});
}

void TSparseCellTable::SetObject(int col, int row, TObject* object) { Store(col, row, Entry{Text(col, row), object}); }

void TSparseCellTable::MoveColumn(int from, int to) {
  if (from == to) return;
  auto move = [from, to](Row& cells) {
    for (auto& cell : cells) cell.first = Moved(cell.first, from, to);
    std::sort(cells.begin(), cells.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  };
  for (Row& cells : dense_) move(cells);
  for (auto& [row, cells] : far_) move(cells);
}

void TSparseCellTable::MoveRow(int from, int to) {
  if (from == to) return;
  const int lo = std::min(from, to), hi = std::max(from, to);
  if (lo >= 0 && size_t(hi) < dense_.size()) {
    if (from < to)
      std::rotate(dense_.begin() + from, dense_.begin() + from + 1, dense_.begin() + to + 1);
    else
      std::rotate(dense_.begin() + to, dense_.begin() + from, dense_.begin() + from + 1);
    return;
  }
  // A range below 0 or past the index rows: each of its rows that holds
  // something is taken out, then put back at its new place.
  std::vector<std::pair<int, Row>> taken;
  for (auto r = far_.lower_bound(lo); r != far_.end() && r->first <= hi;) {
    taken.emplace_back(Moved(r->first, from, to), std::move(r->second));
    r = far_.erase(r);
  }
  for (size_t row = size_t(std::max(lo, 0)); row < dense_.size() && row <= size_t(hi); ++row)
    if (!dense_[row].empty()) taken.emplace_back(Moved(int(row), from, to), TakeRow(int(row)));
  for (auto& [row, cells] : taken) PutRow(row, std::move(cells));
}

int TSparseCellTable::UsedCount() const {
  int n = 0;
  ForEach([&n](int, int, const QString&, TObject*) { ++n; });
  return n;
}

void TSparseCellTable::SwapRows(int a, int b) {
  if (a == b) return;
  Row rowA = TakeRow(a), rowB = TakeRow(b);
  PutRow(a, std::move(rowB));
  PutRow(b, std::move(rowA));
}

void TSparseCellTable::SwapColumns(int a, int b) {
  if (a == b) return;
  auto swap = [a, b](Row& cells) {
    const auto ia = FindCell(cells, a), ib = FindCell(cells, b);
    const bool hasA = ia != cells.end() && ia->first == a, hasB = ib != cells.end() && ib->first == b;
    if (hasA && hasB) {
      std::swap(ia->second, ib->second);
      return;
    }
    if (!hasA && !hasB) return;
    (hasA ? ia : ib)->first = hasA ? b : a;
    std::sort(cells.begin(), cells.end(), [](const auto& x, const auto& y) { return x.first < y.first; });
  };
  for (Row& cells : dense_) swap(cells);
  for (auto& [row, cells] : far_) swap(cells);
}
