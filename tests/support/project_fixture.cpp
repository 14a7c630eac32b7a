#include "tests/support/project_fixture.h"

#include "app/language/language.h"
#include "app/state/comon.h"
#include "platform/os/files.h"

#include <QDir>

void ProjectTest::SetUp() {
  Reset_Comon();
  Set_Folders(dir_.path());
  Project_Name = QStringLiteral("P1");
  Project_Folder = PathJoin(Projects_Folder, Project_Name);
  QDir().mkpath(Project_Folder);
  Set_Files();
  SW_Code = QString::fromUtf16(kSW_Code);
  Load_Default_Texts();
  Row_Clipboard.clear();
  Row_Clipboard_Check.clear();
}

void ProjectTest::TearDown() {
  Row_Clipboard.clear();
  Row_Clipboard_Check.clear();
  Load_Default_Texts();
  Reset_Comon();
}
