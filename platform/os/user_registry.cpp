#include "platform/os/user_registry.h"

#include <QDir>
#include <QStandardPaths>
#include <QStringList>

namespace {

QString& folderOverride() {
  static QString folder;
  return folder;
}

// The folder's name when the platform names no per-user configuration folder.
constexpr const char* kFallbackName = "configurator";

}  // namespace

QString UserRegistryFolder() {
  if (!folderOverride().isEmpty()) return folderOverride();
  QString folder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
  if (folder.isEmpty()) folder = QDir::homePath() + QStringLiteral("/.config/") + QLatin1String(kFallbackName);
  return folder + QStringLiteral("/registry");
}

QString UserRegistryFile(const QString& Key) {
  QStringList parts;
  QString path = Key;
  path.replace(u'\\', u'/');
  for (const QString& part : path.split(u'/', Qt::SkipEmptyParts)) {
    const QString p = part.trimmed();
    if (p.isEmpty() || p == QLatin1String(".") || p == QLatin1String("..")) continue;
    parts.append(p);
  }
  if (parts.isEmpty()) return QString();
  return UserRegistryFolder() + u'/' + parts.join(u'/') + QStringLiteral(".ini");
}

void SetUserRegistryFolderOverride(const QString& folder) { folderOverride() = folder; }
