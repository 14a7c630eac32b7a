#include "platform/grids/grid_axis.h"

#include <algorithm>

TGridAxis::TGridAxis(int count, int fixed, int defaultExtent)
    : count_(std::max(1, count)),
      fixed_(std::clamp(fixed, 0, std::max(1, count) - 1)),
      first_(fixed_),
      defaultExtent_(defaultExtent),
      extents_(count_, defaultExtent) {}

void TGridAxis::SetCount(int count) {
  if (count < 1) count = 1;
  count_ = count;
  extents_.resize(count_, defaultExtent_);
  if (fixed_ > count_ - 1) fixed_ = count_ - 1;
  first_ = std::clamp(first_, fixed_, count_ - 1);
}

bool TGridAxis::SetFixedCount(int fixed) {
  if (fixed < 0 || fixed >= count_) return false;
  // An unscrolled view stays unscrolled: the cells that stop being fixed are
  // shown right after the remaining fixed ones instead of vanishing left of
  // the first scrollable cell.
  if (first_ == fixed_) first_ = fixed;
  fixed_ = fixed;
  if (first_ < fixed_) first_ = fixed_;
  return true;
}

bool TGridAxis::SetFirst(int first) {
  if (first < fixed_ || first >= count_) return false;
  first_ = first;
  return true;
}

void TGridAxis::SetDefaultExtent(int extent) {
  defaultExtent_ = extent;
  std::fill(extents_.begin(), extents_.end(), extent);
}

int TGridAxis::Extent(int index) const {
  if (index < 0 || index >= count_) return defaultExtent_;
  return extents_[index];
}

bool TGridAxis::SetExtent(int index, int extent) {
  if (index < 0 || index >= count_) return false;
  extents_[index] = extent;
  return true;
}

int TGridAxis::Step(int index) const {
  int e = Extent(index);
  return e < 0 ? 0 : e + lineWidth_;
}

int TGridAxis::SpanExtent(int from, int to) const {
  int sum = 0;
  for (int i = std::max(0, from); i < std::min(to, count_); ++i) sum += Step(i);
  return sum;
}

int TGridAxis::FixedExtent() const { return SpanExtent(0, fixed_); }

int TGridAxis::CellStart(int index, int clientExtent) const {
  if (index < 0 || index >= count_) return -1;
  if (Extent(index) < 0) return -1;
  if (index >= fixed_ && index < first_) return -1;
  // Walk the shown cells before `index`, fixed ones first; stop as soon as the
  // edge passes the client area, so a cell far below the view costs no more than
  // the cells that fit on the screen.
  int start = 0;
  for (int i = 0; i < std::min(index, fixed_); ++i) start += Step(i);
  for (int i = first_; i < index && start < clientExtent; ++i) start += Step(i);
  return start < clientExtent ? start : -1;
}

int TGridAxis::CellAt(int pos, int clientExtent) const {
  if (pos < 0 || pos >= clientExtent) return -1;
  int edge = 0;
  for (int i = 0; i < fixed_; ++i) {
    edge += Step(i);
    if (pos < edge) return i;
  }
  for (int i = first_; i < count_; ++i) {
    edge += Step(i);
    if (pos < edge) return i;
  }
  return -1;
}

int TGridAxis::LastFullVisible(int clientExtent) const {
  int pos = FixedExtent();
  int last = first_ - 1;
  for (int i = first_; i < count_; ++i) {
    int e = Extent(i);
    if (e < 0) {
      last = i;
      continue;
    }
    if (pos + e > clientExtent) break;
    last = i;
    pos += e + lineWidth_;
  }
  return last;
}

int TGridAxis::LastVisible(int clientExtent) const {
  int pos = FixedExtent();
  int last = first_ - 1;
  for (int i = first_; i < count_ && pos < clientExtent; ++i) {
    last = i;
    pos += Step(i);
  }
  return last;
}

int TGridAxis::MaxFirst(int clientExtent) const {
  int room = clientExtent - FixedExtent();
  int first = count_ - 1;
  int used = Step(first);
  while (first > fixed_ && used + Extent(first - 1) <= room) {
    used += Step(first - 1);
    --first;
  }
  return std::max(first, fixed_);
}

void TGridAxis::MoveExtent(int from, int to) {
  if (from < 0 || from >= count_ || to < 0 || to >= count_ || from == to) return;
  int moved = extents_[from];
  extents_.erase(extents_.begin() + from);
  extents_.insert(extents_.begin() + to, moved);
}
