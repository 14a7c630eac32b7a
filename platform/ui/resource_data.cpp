#include "platform/ui/resource_data.h"

#include <QFile>

bool ReadResourceData(const QString& Name, QByteArray& Data) {
  if (Name.isEmpty() || Name.contains(QStringLiteral("..")) || Name.contains(u'/') || Name.contains(u'\\'))
    return false;
  for (const QString& path : {QStringLiteral(":/rcdata/") + Name, QStringLiteral("rcdata:") + Name}) {
    QFile f(path);
    if (!f.exists() || !f.open(QIODevice::ReadOnly)) continue;
    Data = f.readAll();
    return true;
  }
  return false;
}
