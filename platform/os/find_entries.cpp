#include "platform/os/find_entries.h"

#include <QDir>

QStringList FindEntries(const QString& PathAndMask, QString& Folder) {
  const int slash = PathAndMask.lastIndexOf(u'/');
  Folder = slash >= 0 ? PathAndMask.left(slash + 1) : QString();
  const QString mask = PathAndMask.mid(slash + 1);
  QDir dir(Folder.isEmpty() ? QStringLiteral(".") : Folder);
  if (!dir.exists()) return {};
  return dir.entryList(QStringList{mask}, QDir::AllEntries | QDir::Hidden | QDir::System, QDir::Name);
}
