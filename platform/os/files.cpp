#include "platform/os/files.h"

#include "platform/rtl/exceptions.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

bool FileExists(const QString& path) {
  QFileInfo fi(path);
  return !path.isEmpty() && fi.exists() && fi.isFile();
}

bool DirectoryExists(const QString& path) {
  QFileInfo fi(path);
  return !path.isEmpty() && fi.exists() && fi.isDir();
}

bool CreateDir(const QString& path) { return !path.isEmpty() && QDir().mkdir(path); }

bool ForceDirectories(const QString& path) { return !path.isEmpty() && QDir().mkpath(path); }

namespace {
QStringList sortedCaseInsensitive(QStringList names) {
  std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
    const int c = a.compare(b, Qt::CaseInsensitive);
    return c != 0 ? c < 0 : a < b;
  });
  return names;
}
}  // namespace

QStringList ListSubFolders(const QString& path) {
  return sortedCaseInsensitive(QDir(path).entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden));
}

QStringList ListFiles(const QString& path, const QString& suffix) {
  QStringList names;
  for (const QString& n : QDir(path).entryList(QDir::Files | QDir::Hidden))
    if (n.endsWith(suffix, Qt::CaseInsensitive)) names.append(n);
  return sortedCaseInsensitive(names);
}

QByteArray ReadFileWhole(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly))
    throw EFileError(QStringLiteral("Cannot open file \"%1\". %2").arg(path, f.errorString()));
  return f.readAll();
}

void WriteFileWhole(const QString& path, const QByteArray& data) {
  QSaveFile f(path);
  if (!f.open(QIODevice::WriteOnly) || f.write(data) != data.size() || !f.commit())
    throw EFileError(QStringLiteral("Cannot create file \"%1\". %2").arg(path, f.errorString()));
}

QString PathJoin(const QString& folder, const QString& name) {
  if (folder.isEmpty()) return name;
  if (folder.endsWith(u'/')) return folder + name;
  return folder + u'/' + name;
}
