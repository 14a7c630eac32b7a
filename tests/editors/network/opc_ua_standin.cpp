#include "tests/editors/network/opc_ua_standin.h"

#include "editors/network/opc_ua_search_library.h"
#include "platform/os/files.h"
#include "tests/support/ui_input.h"

#include <QDir>
#include <QElapsedTimer>
#include <QThread>

OPC_UA_StandIn::OPC_UA_StandIn(Build build) {
  const QString folder = QStringLiteral(OPC_UA_SEARCH_STANDIN_DIR);
  switch (build) {
    case Build::Full: Set_OPC_UA_Search_Folder(folder + QStringLiteral("/full")); break;
    case Build::Without_Return: Set_OPC_UA_Search_Folder(folder + QStringLiteral("/without_return")); break;
    case Build::None: Set_OPC_UA_Search_Folder(dir_.filePath(QStringLiteral("empty"))); break;
  }
  Describe({});
}

OPC_UA_StandIn::~OPC_UA_StandIn() {
  Wait_For_Scans();
  Set_OPC_UA_Search_Folder(QString());
  qunsetenv("OPC_UA_SEARCH_STANDIN");
}

void OPC_UA_StandIn::Describe(const QStringList& lines) {
  const QString path = dir_.filePath(QStringLiteral("browse.txt"));
  const QString log = dir_.filePath(QStringLiteral("request.txt"));
  QFile::remove(log);
  WriteFileWhole(path, (QStringList{QStringLiteral("request_log=") + log} + lines).join(u'\n').toUtf8() + '\n');
  qputenv("OPC_UA_SEARCH_STANDIN", path.toLocal8Bit());
}

QStringList OPC_UA_StandIn::Request() const {
  const QString log = dir_.filePath(QStringLiteral("request.txt"));
  if (!FileExists(log)) return {};
  return QString::fromLocal8Bit(ReadFileWhole(log)).split(u'\n', Qt::SkipEmptyParts);
}

bool OPC_UA_StandIn::Wait_For_Scans() {
  QElapsedTimer clock;
  clock.start();
  while (TOPC_UA_Scan::Running() > 0) {
    if (clock.elapsed() > 10000) return false;
    ProcessEvents();
    QThread::msleep(5);
  }
  return true;
}
