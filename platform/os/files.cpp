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

QByteArray ReadFileWhole(const QString& path, qsizetype maxSize) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly))
    throw EFileError(QStringLiteral("Cannot open file \"%1\". %2").arg(path, f.errorString()));
  // Read in pieces, so that nothing of the cap's size is set aside for a small file,
  // and stop at the first byte beyond the cap, also where the size is not known in
  // advance (a pipe or a device).
  const auto tooLarge = [&] {
    constexpr qsizetype kMB = 1024 * 1024;
    const QString limit = maxSize % kMB == 0 ? QStringLiteral("%1 MB").arg(maxSize / kMB)
                                             : QStringLiteral("%1 bytes").arg(maxSize);
    return EFileError(QStringLiteral("The file \"%1\" is larger than %2 and is not read.").arg(path, limit));
  };
  if (!f.isSequential() && f.size() > maxSize) throw tooLarge();
  QByteArray bytes;
  char piece[65536];
  for (;;) {
    const qint64 n = f.read(piece, sizeof piece);
    if (n < 0) throw EFileError(QStringLiteral("Cannot read file \"%1\". %2").arg(path, f.errorString()));
    if (n == 0) break;
    if (bytes.size() + n > maxSize) throw tooLarge();
    bytes.append(piece, n);
  }
  return bytes;
}

void WriteFileWhole(const QString& path, const QByteArray& data) {
  QSaveFile f(path);
  if (!f.open(QIODevice::WriteOnly) || f.write(data) != data.size() || !f.commit())
    throw EFileError(QStringLiteral("Cannot create file \"%1\". %2").arg(path, f.errorString()));
}

void CopyFileWhole(const QString& from, const QString& to) {
  QFile in(from);
  if (!in.open(QIODevice::ReadOnly))
    throw EFileError(QStringLiteral("Cannot open file \"%1\". %2").arg(from, in.errorString()));
  QSaveFile out(to);
  if (!out.open(QIODevice::WriteOnly))
    throw EFileError(QStringLiteral("Cannot create file \"%1\". %2").arg(to, out.errorString()));
  char buffer[65536];
  for (;;) {
    const qint64 n = in.read(buffer, sizeof buffer);
    if (n < 0) throw EFileError(QStringLiteral("Cannot read file \"%1\". %2").arg(from, in.errorString()));
    if (n == 0) break;
    if (out.write(buffer, n) != n)
      throw EFileError(QStringLiteral("Cannot create file \"%1\". %2").arg(to, out.errorString()));
  }
  if (!out.commit()) throw EFileError(QStringLiteral("Cannot create file \"%1\". %2").arg(to, out.errorString()));
}

bool IsPlainFileName(const QString& name) {
  if (name == QLatin1String(".") || name == QLatin1String("..")) return false;
  for (const QChar c : name) {
    if (c == u'/' || c == u'\\') return false;
    if (c.category() == QChar::Other_Control) return false;
  }
  return true;
}

QString PathJoin(const QString& folder, const QString& name) {
  if (folder.isEmpty()) return name;
  if (folder.endsWith(u'/')) return folder + name;
  return folder + u'/' + name;
}
