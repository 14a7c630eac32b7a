#include "platform/ui/dialogs.h"

#include <QFileInfo>

#include "platform/ui/application.h"
#include "platform/ui/ui_service.h"

namespace {

QString CaptionFor(TMsgDlgType type) {
  switch (type) {
    case mtWarning: return QStringLiteral("Warning");
    case mtError: return QStringLiteral("Error");
    case mtInformation: return QStringLiteral("Information");
    case mtConfirmation: return QStringLiteral("Confirmation");
    default: return Application->Title();
  }
}

}  // namespace

int MessageDlg(const QString& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, int) {
  return UserInterface()->ShowMessageBox({CaptionFor(DlgType), Msg, DlgType, Buttons, std::nullopt});
}

int MessageDlg(const QString& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, int, TMsgDlgBtn DefaultButton) {
  return UserInterface()->ShowMessageBox({CaptionFor(DlgType), Msg, DlgType, Buttons, DefaultButton});
}

void ShowMessage(const QString& Msg) {
  UserInterface()->ShowMessageBox({Application->Title(), Msg, mtCustom, TMsgDlgButtons{mbOK}, std::nullopt});
}

QString AddDefaultExtension(const QString& fileName, const QString& defaultExt) {
  if (fileName.isEmpty() || defaultExt.isEmpty()) return fileName;
  if (!QFileInfo(fileName).suffix().isEmpty()) return fileName;
  QString ext = defaultExt;
  if (ext.startsWith(u'.')) ext.remove(0, 1);
  if (fileName.endsWith(u'.')) return fileName + ext;
  return fileName + u'.' + ext;
}

TOpenDialog::TOpenDialog(TComponent* AOwner) : TComponent(AOwner) {}

bool TOpenDialog::Execute() { return Run(false); }

bool TOpenDialog::Run(bool save) {
  TFileDialogRequest request{save, Title, Filter, FilterIndex, InitialDir, FileName, DefaultExt};
  if (!UserInterface()->RunFileDialog(request)) return false;
  FileName = AddDefaultExtension(request.FileName, DefaultExt);
  FilterIndex = request.FilterIndex;
  return true;
}

TSaveDialog::TSaveDialog(TComponent* AOwner) : TOpenDialog(AOwner) {}

bool TSaveDialog::Execute() { return Run(true); }
