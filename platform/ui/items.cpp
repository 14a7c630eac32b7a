#include "platform/ui/items.h"

#include "platform/rtl/exceptions.h"

int TControlItems::Add(const QString& value) {
  const int index = Count();
  Insert(index, value);
  return index;
}

int TControlItems::AddObject(const QString& value, TObject* object) {
  const int index = Add(value);
  SetObjects(index, object);
  return index;
}

int TControlItems::IndexOf(const QString& value) const {
  for (int i = 0; i < Count(); ++i)
    if (Strings(i).compare(value, Qt::CaseInsensitive) == 0) return i;
  return -1;
}

void TControlItems::Assign(const QStringList& values) {
  Clear();
  for (const QString& v : values) Add(v);
}

QStringList TControlItems::ToStringList() const {
  QStringList out;
  for (int i = 0; i < Count(); ++i) out << Strings(i);
  return out;
}

QString TControlItems::Text() const {
  QString out;
  for (int i = 0; i < Count(); ++i) out += Strings(i) + QStringLiteral("\r\n");
  return out;
}

void TControlItems::CheckIndex(int index, int count) const {
  if (index < 0 || index >= count) throw EListError(QStringLiteral("List index out of bounds (%1)").arg(index));
}
