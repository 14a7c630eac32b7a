// The user interface service with real Qt dialogs.
#include "platform/ui/ui_service.h"

#include <QApplication>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>

#include "platform/ui/form.h"

namespace {

struct ButtonInfo {
  TMsgDlgBtn button;
  QMessageBox::StandardButton standard;
  int result;
};

constexpr ButtonInfo kButtons[] = {
    {mbYes, QMessageBox::Yes, mrYes},          {mbNo, QMessageBox::No, mrNo},
    {mbOK, QMessageBox::Ok, mrOk},             {mbCancel, QMessageBox::Cancel, mrCancel},
    {mbAbort, QMessageBox::Abort, mrAbort},    {mbRetry, QMessageBox::Retry, mrRetry},
    {mbIgnore, QMessageBox::Ignore, mrIgnore}, {mbAll, QMessageBox::YesToAll, mrAll},
    {mbNoToAll, QMessageBox::NoToAll, mrNoToAll}, {mbYesToAll, QMessageBox::YesToAll, mrYesToAll},
    {mbHelp, QMessageBox::Help, mrHelp},       {mbClose, QMessageBox::Close, mrClose},
};

QMessageBox::Icon IconFor(TMsgDlgType type) {
  switch (type) {
    case mtWarning: return QMessageBox::Warning;
    case mtError: return QMessageBox::Critical;
    case mtInformation: return QMessageBox::Information;
    case mtConfirmation: return QMessageBox::Question;
    default: return QMessageBox::NoIcon;
  }
}

// "Text files|*.txt|All files|*.*" -> "Text files (*.txt)", "All files (*.*)".
QStringList NameFilters(const QString& filter) {
  QStringList out;
  const QStringList parts = filter.split(u'|');
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    QString patterns = parts[i + 1];
    patterns.replace(u';', u' ');
    out << parts[i] + QStringLiteral(" (") + patterns + u')';
  }
  return out;
}

class QtUserInterface : public TUserInterfaceService {
public:
  int ShowMessageBox(const TMessageBoxRequest& request) override {
    QMessageBox box(IconFor(request.Type), request.Caption, request.Text);
    QMessageBox::StandardButtons buttons;
    for (const ButtonInfo& b : kButtons)
      if (request.Buttons.Contains(b.button)) buttons |= b.standard;
    if (!buttons) buttons = QMessageBox::Ok;
    box.setStandardButtons(buttons);
    if (request.DefaultButton)
      for (const ButtonInfo& b : kButtons)
        if (b.button == *request.DefaultButton && (buttons & b.standard)) box.setDefaultButton(b.standard);
    const int pressed = box.exec();
    for (const ButtonInfo& b : kButtons)
      if (b.standard == pressed) return b.result;
    return mrCancel;
  }

  bool RunFileDialog(TFileDialogRequest& request) override {
    QFileDialog dialog(QApplication::activeWindow(), request.Title, request.InitialDir);
    dialog.setAcceptMode(request.Save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.Save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    const QStringList filters = NameFilters(request.Filter);
    if (!filters.isEmpty()) {
      dialog.setNameFilters(filters);
      const int index = std::clamp(request.FilterIndex - 1, 0, static_cast<int>(filters.size()) - 1);
      dialog.selectNameFilter(filters[index]);
    }
    if (!request.FileName.isEmpty()) dialog.selectFile(request.FileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
    request.FileName = dialog.selectedFiles().first();
    request.FilterIndex = static_cast<int>(filters.indexOf(dialog.selectedNameFilter())) + 1;
    return true;
  }

  void RunModal(TForm* form) override {
    while (!form->ModalStep()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  }

  int TrackPopupMenu(const TPopupRequest& request) override {
    QMenu menu;
    std::vector<QAction*> actions;
    for (const TPopupItem& item : request.Items) {
      if (item.Caption == QLatin1String("-")) {
        actions.push_back(menu.addSeparator());
        continue;
      }
      QAction* a = menu.addAction(item.Caption);
      a->setEnabled(item.Enabled);
      a->setCheckable(item.Checked);
      a->setChecked(item.Checked);
      a->setVisible(item.Visible);
      actions.push_back(a);
    }
    QAction* chosen = menu.exec(QPoint(request.Position.X, request.Position.Y));
    auto it = std::find(actions.begin(), actions.end(), chosen);
    return chosen && it != actions.end() ? static_cast<int>(it - actions.begin()) : -1;
  }
};

QtUserInterface g_qt;
TUserInterfaceService* g_service = nullptr;

}  // namespace

TUserInterfaceService* UserInterface() { return g_service ? g_service : &g_qt; }

void SetUserInterface(TUserInterfaceService* service) { g_service = service; }
