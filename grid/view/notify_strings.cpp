#include "grid/view/notify_strings.h"

void TNotifyStringList::Changed() {
  if (updates_ > 0) {
    pending_ = true;
    return;
  }
  if (OnChange) OnChange(this);
}

void TNotifyStringList::EndUpdate() {
  if (updates_ > 0) --updates_;
  if (updates_ > 0 || !pending_) return;
  pending_ = false;
  Changed();
}

int TNotifyStringList::Add(const QString& s) {
  const int index = list_.Add(s);
  Changed();
  return index;
}

void TNotifyStringList::Insert(int index, const QString& s) {
  list_.Insert(index, s);
  Changed();
}

void TNotifyStringList::Put(int index, const QString& s) {
  list_.Put(index, s);
  Changed();
}

void TNotifyStringList::Delete(int index) {
  list_.Delete(index);
  Changed();
}

void TNotifyStringList::Clear() {
  if (list_.Count() == 0) return;
  list_.Clear();
  Changed();
}

void TNotifyStringList::SetText(const QString& text) {
  list_.SetText(text);
  Changed();
}

void TNotifyStringList::Assign(const TStringList& source) {
  if (&source == &list_) return;
  list_ = source;
  Changed();
}
