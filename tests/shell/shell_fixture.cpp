#include "tests/shell/shell_fixture.h"

#include "app/forms/startup_forms.h"
#include "app/shell/version_check.h"
#include "app/shell/web_links.h"
#include "app/state/comon.h"
#include "controls/button/fade_button.h"
#include "platform/os/data_root.h"
#include "platform/os/files.h"
#include "platform/os/process.h"
#include "tests/support/ui_input.h"

#include <QDir>
#include <QFileInfo>

ShellFixture::ShellFixture() {
  Reset_Comon();
  SetDataRootOverride(root.path());
  SetUrlOpener([this](const QUrl& url) {
    opened.push_back(url.toString());
    return true;
  });
}

ShellFixture::~ShellFixture() {
  Free_Startup_Forms();
  SetDataRootOverride(QString());
  SetUrlOpener({});
  Set_Maker_Site(QString());
  Set_Version_Timeouts(0, 0);
  Reset_Comon();
}

void ShellFixture::Start() {
  Create_Startup_Forms();
  ASSERT_NE(Main(), nullptr);
  Main()->Show();
  ProcessEvents();
}

void ShellFixture::WriteFile(const QString& relativePath, const QByteArray& bytes) {
  const QString path = Path(relativePath);
  ForceDirectories(QFileInfo(path).path());
  WriteFileWhole(path, bytes);
}

QString ShellFixture::Path(const QString& relativePath) const { return QDir(root.path()).filePath(relativePath); }

void ShellFixture::ClickButton(TFadeButton* button) {
  ASSERT_NE(button, nullptr);
  // A hidden button takes no click: its handler is called as the click would.
  if (!button->Showing()) {
    FFabricoreFirmWare->Btn_Click(button);
    return;
  }
  MouseClick(button, 10, 10);
}
