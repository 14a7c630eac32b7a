#include "fuzz/fuzz_support.h"

#include "platform/os/files.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <cstdio>
#include <cstdlib>

QString Fuzz_Folder() {
  static QTemporaryDir folder(QDir::tempPath() + QStringLiteral("/configurator-fuzz-XXXXXX"));
  if (!folder.isValid()) {
    std::fprintf(stderr, "fuzz: cannot create a scratch folder under %s\n", qPrintable(QDir::tempPath()));
    std::abort();
  }
  return folder.path();
}

QString Fuzz_Write_File(const QString& name, const QByteArray& bytes) {
  const QString path = PathJoin(Fuzz_Folder(), name);
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size()) {
    std::fprintf(stderr, "fuzz: cannot write %s\n", qPrintable(path));
    std::abort();
  }
  return path;
}

QByteArray Fuzz_Bytes(const uint8_t* data, size_t size) {
  return QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

QString Fuzz_Text(const uint8_t* data, size_t size) {
  return QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

QList<QByteArray> Fuzz_Split(const QByteArray& bytes, char separator, int count) {
  QList<QByteArray> parts;
  qsizetype start = 0;
  while (parts.size() < count - 1) {
    const qsizetype at = bytes.indexOf(separator, start);
    if (at < 0) break;
    parts.append(bytes.mid(start, at - start));
    start = at + 1;
  }
  parts.append(bytes.mid(start));
  while (parts.size() < count) parts.append(QByteArray());
  return parts;
}

QString Strict_XML_Error(const QByteArray& text) {
  QXmlStreamReader reader(text);
  while (!reader.atEnd()) reader.readNext();
  if (!reader.hasError()) return QString();
  return QStringLiteral("%1 (line %2, column %3)")
      .arg(reader.errorString())
      .arg(reader.lineNumber())
      .arg(reader.columnNumber());
}

QByteArray Xml_Line_Ends(QByteArray text) { return text.replace("\r\n", "\n").replace('\r', '\n'); }

void Fuzz_Require(bool condition, const char* what) {
  if (condition) return;
  std::fprintf(stderr, "fuzz: invariant failed: %s\n", what);
  std::abort();
}

void Fuzz_Require(bool condition, const QString& what) {
  if (!condition) Fuzz_Require(false, qPrintable(what));
}
