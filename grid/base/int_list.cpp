#include "grid/base/int_list.h"

#include "platform/rtl/exceptions.h"
#include "platform/rtl/numbers.h"
#include "platform/rtl/string_list.h"

#include <QStringList>
#include <algorithm>

void TIntList::checkIndex(int Index) const {
  if (Index < 0 || Index >= Count()) throw EListError(QStringLiteral("List index out of bounds (%1)").arg(Index));
}

void TIntList::Changed() {
  if (OnChange) OnChange(this, FCol, FRow);
}

int TIntList::Add(int Value) {
  items_.push_back(Value);
  Changed();
  return Count() - 1;
}

void TIntList::Insert(int Index, int Value) {
  if (Index < 0 || Index > Count()) throw EListError(QStringLiteral("List index out of bounds (%1)").arg(Index));
  items_.insert(items_.begin() + Index, Value);
}

void TIntList::Delete(int Index) {
  checkIndex(Index);
  items_.erase(items_.begin() + Index);
  Changed();
}

int TIntList::GetInteger(int Index) const {
  checkIndex(Index);
  return items_[static_cast<size_t>(Index)];
}

void TIntList::SetInteger(int Index, int Value) {
  checkIndex(Index);
  items_[static_cast<size_t>(Index)] = Value;
  Changed();
}

int TIntList::IndexOf(int Value) const {
  const auto it = std::find(items_.begin(), items_.end(), Value);
  return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

void TIntList::DeleteValue(int Value) {
  const int at = IndexOf(Value);
  if (at >= 0) Delete(at);
}

void TIntList::Sort() { std::sort(items_.begin(), items_.end()); }

QString TIntList::StrValue() const {
  QStringList parts;
  parts.reserve(Count());
  for (int32_t v : items_) parts << QString::number(v);
  return parts.join(u',');
}

void TIntList::SetStrValue(const QString& Value) {
  TStringList pieces;
  pieces.SetCommaText(Value);
  Clear();
  for (int i = 0; i < pieces.Count(); ++i) Add(StrToInt(pieces[i]));
}
