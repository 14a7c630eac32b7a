#include "platform/os/data_root.h"

#include "platform/os/files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <unistd.h>

namespace {

QString& dataRootOverride() {
  static QString folder;
  return folder;
}

// The name of the per-user folder when Qt cannot give one.
constexpr const char* kFallbackName = "configurator";

QString withoutTrailingSeparator(QString folder) {
  while (folder.size() > 1 && folder.endsWith(u'/')) folder.chop(1);
  return folder;
}

QString perUserDataFolder() {
  QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
  if (folder.isEmpty()) folder = QDir::homePath() + QStringLiteral("/.local/share/") + QLatin1String(kFallbackName);
  return withoutTrailingSeparator(folder);
}

}  // namespace

QString ProgramFolder() {
  if (QCoreApplication::instance()) return withoutTrailingSeparator(QCoreApplication::applicationDirPath());
  return withoutTrailingSeparator(QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath().section(u'/', 0, -2));
}

QString DataRoot() {
  if (!dataRootOverride().isEmpty()) return dataRootOverride();
  return DataRootFor(ProgramFolder());
}

QString DataRootFor(const QString& programFolder) {
  if (!programFolder.isEmpty() && ::access(QFile::encodeName(programFolder).constData(), W_OK) == 0) return programFolder;
  const QString userFolder = perUserDataFolder();
  ForceDirectories(userFolder);
  return userFolder;
}

void SetDataRootOverride(const QString& folder) { dataRootOverride() = withoutTrailingSeparator(folder); }
