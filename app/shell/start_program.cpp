#include "app/shell/start_program.h"

#include <QProcess>

TProgramResult Start_Program(const QString& NomeSW, const QString& Parameter, bool tipo) {
  (void)tipo;
  const QStringList arguments = Parameter.trimmed().isEmpty() ? QStringList() : QProcess::splitCommand(Parameter);
  return StartProgramAndWait(NomeSW, arguments, kProgramWaitBoundMs);
}
