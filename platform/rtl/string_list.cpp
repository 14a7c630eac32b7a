#include "platform/rtl/string_list.h"

#include "platform/rtl/exceptions.h"

#include <algorithm>

namespace {

int compareText(const QString& a, const QString& b) { return QString::compare(a, b, Qt::CaseInsensitive); }

}  // namespace

void TStringList::checkIndex(int index) const {
  if (index < 0 || index >= Count()) throw EListError(QStringLiteral("List index out of bounds (%1)").arg(index));
}

int TStringList::AddObject(const QString& s, void* object) {
  if (!sorted_) {
    items_.push_back({s, object});
    return Count() - 1;
  }
  int index = 0;
  if (Find(s, index)) {
    if (Duplicates == dupIgnore) return index;
    if (Duplicates == dupError) throw EListError(QStringLiteral("String list does not allow duplicates"));
  }
  items_.insert(items_.begin() + index, {s, object});
  return index;
}

void TStringList::InsertObject(int index, const QString& s, void* object) {
  if (sorted_) throw EListError(QStringLiteral("Operation not allowed on sorted list"));
  if (index < 0 || index > Count()) throw EListError(QStringLiteral("List index out of bounds (%1)").arg(index));
  items_.insert(items_.begin() + index, {s, object});
}

void TStringList::Delete(int index) {
  checkIndex(index);
  items_.erase(items_.begin() + index);
}

const QString& TStringList::Strings(int index) const {
  checkIndex(index);
  return items_[static_cast<size_t>(index)].text;
}

void TStringList::Put(int index, const QString& s) {
  if (sorted_) throw EListError(QStringLiteral("Operation not allowed on sorted list"));
  checkIndex(index);
  items_[static_cast<size_t>(index)].text = s;
}

void* TStringList::Objects(int index) const {
  checkIndex(index);
  return items_[static_cast<size_t>(index)].object;
}

void TStringList::PutObject(int index, void* object) {
  checkIndex(index);
  items_[static_cast<size_t>(index)].object = object;
}

int TStringList::IndexOf(const QString& s) const {
  if (sorted_) {
    int index = 0;
    return Find(s, index) ? index : -1;
  }
  for (int i = 0; i < Count(); ++i)
    if (compareText(items_[static_cast<size_t>(i)].text, s) == 0) return i;
  return -1;
}

bool TStringList::Find(const QString& s, int& index) const {
  // Lower bound, so that with accepted duplicates the first equal entry is found.
  const auto it = std::lower_bound(items_.begin(), items_.end(), s,
                                   [](const Item& item, const QString& key) { return compareText(item.text, key) < 0; });
  index = static_cast<int>(it - items_.begin());
  return it != items_.end() && compareText(it->text, s) == 0;
}

QString TStringList::Text() const {
  QString result;
  for (const Item& item : items_) {
    result += item.text;
    result += QString::fromUtf16(LineBreak);
  }
  return result;
}

void TStringList::SetText(const QString& text) {
  items_.clear();
  qsizetype start = 0;
  const qsizetype n = text.size();
  while (start < n) {
    qsizetype end = start;
    while (end < n && text[end] != u'\r' && text[end] != u'\n') ++end;
    AddObject(text.mid(start, end - start), nullptr);
    if (end < n && text[end] == u'\r') {
      ++end;
      if (end < n && text[end] == u'\n') ++end;
    } else if (end < n) {
      ++end;  // LF
    }
    start = end;
  }
}

void TStringList::SetSorted(bool sorted) {
  if (sorted == sorted_) return;
  if (sorted) Sort();
  sorted_ = sorted;
}

void TStringList::Sort() {
  std::stable_sort(items_.begin(), items_.end(),
                   [](const Item& a, const Item& b) { return compareText(a.text, b.text) < 0; });
}

QStringList TStringList::ToStringList() const {
  QStringList result;
  result.reserve(Count());
  for (const Item& item : items_) result.append(item.text);
  return result;
}

namespace {

bool isCommaBlank(QChar c) { return c.unicode() >= 1 && c.unicode() <= 0x20; }

// The quoted item starting at text[i] (a double quote); i ends after the closing
// quote, or at the end when there is none.
QString readQuotedItem(const QString& text, qsizetype& i) {
  QString item;
  ++i;
  while (i < text.size()) {
    if (text[i] == u'"') {
      if (i + 1 < text.size() && text[i + 1] == u'"') {
        item += u'"';
        i += 2;
        continue;
      }
      ++i;
      break;
    }
    item += text[i++];
  }
  return item;
}

}  // namespace

void TStringList::SetCommaText(const QString& text) {
  Clear();
  qsizetype i = 0;
  const qsizetype n = text.size();
  while (i < n && isCommaBlank(text[i])) ++i;
  while (i < n) {
    QString item;
    if (text[i] == u'"') {
      item = readQuotedItem(text, i);
    } else {
      const qsizetype start = i;
      while (i < n && !isCommaBlank(text[i]) && text[i] != u',') ++i;
      item = text.mid(start, i - start);
    }
    Add(item);
    while (i < n && isCommaBlank(text[i])) ++i;
    if (i < n && text[i] == u',') {
      ++i;
      while (i < n && isCommaBlank(text[i])) ++i;
    }
  }
}
