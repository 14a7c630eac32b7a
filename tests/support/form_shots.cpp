#include "tests/support/form_shots.h"

#include <QDir>
#include <QPixmap>
#include <QWidget>

#include "platform/ui/form.h"
#include "tests/support/scripted_ui.h"
#include "tests/support/ui_input.h"

void ShootForm(TForm* form, const QString& folder, const QString& name, const std::function<void()>& fill) {
  QDir().mkpath(folder);
  ScriptedUi ui;
  ui.ExpectModal(form->ClassName(), [&](TForm* f) {
    if (fill) fill();
    ProcessEvents();
    f->Widget()->grab().save(QDir(folder).filePath(name + QStringLiteral(".png")));
    f->SetModalResult(mrCancel);
  });
  form->ShowModal();
}
