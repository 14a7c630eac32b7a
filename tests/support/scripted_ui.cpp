#include "tests/support/scripted_ui.h"

#include <gtest/gtest.h>

#include "platform/ui/form.h"

namespace {

const char* KindName(int kind) {
  static const char* names[] = {"message box", "file dialog", "modal form", "pop-up menu"};
  return names[kind];
}

}  // namespace

ScriptedUi::ScriptedUi() : previous_(UserInterface()) { SetUserInterface(this); }

ScriptedUi::~ScriptedUi() {
  SetUserInterface(previous_ == this ? nullptr : previous_);
  for (const Step& s : script_)
    ADD_FAILURE() << "expected " << KindName(static_cast<int>(s.kind)) << " never shown: " << s.text.toStdString();
}

ScriptedUi& ScriptedUi::ExpectMessage(const QString& text, int answer, std::optional<TMsgDlgType> type,
                                      std::optional<TMsgDlgButtons> buttons) {
  Step s{Kind::Message, text, answer};
  s.type = type;
  s.buttons = buttons;
  script_.push_back(std::move(s));
  return *this;
}

ScriptedUi& ScriptedUi::ExpectFileDialog(bool save, const QString& fileName,
                                         std::function<void(const TFileDialogRequest&)> check) {
  Step s{Kind::File, fileName};
  s.save = save;
  s.checkFile = std::move(check);
  script_.push_back(std::move(s));
  return *this;
}

ScriptedUi& ScriptedUi::ExpectModal(const QString& formClass, std::function<void(TForm*)> act) {
  Step s{Kind::Modal, formClass};
  s.act = std::move(act);
  script_.push_back(std::move(s));
  return *this;
}

ScriptedUi& ScriptedUi::ExpectPopup(int choose) {
  script_.push_back(Step{Kind::Popup, QStringLiteral("pop-up menu"), choose});
  return *this;
}

std::optional<ScriptedUi::Step> ScriptedUi::Next(Kind kind, const QString& what) {
  if (script_.empty()) {
    ADD_FAILURE() << "unexpected " << KindName(static_cast<int>(kind)) << ": " << what.toStdString();
    return std::nullopt;
  }
  if (script_.front().kind != kind) {
    ADD_FAILURE() << "unexpected " << KindName(static_cast<int>(kind)) << ": " << what.toStdString() << " (expected "
                  << KindName(static_cast<int>(script_.front().kind)) << ": " << script_.front().text.toStdString()
                  << ")";
    return std::nullopt;
  }
  Step s = std::move(script_.front());
  script_.pop_front();
  return s;
}

int ScriptedUi::ShowMessageBox(const TMessageBoxRequest& request) {
  Messages.push_back(request);
  auto step = Next(Kind::Message, request.Text);
  if (!step) return mrCancel;
  EXPECT_EQ(request.Text.toStdString(), step->text.toStdString()) << "message box text";
  if (step->type) EXPECT_EQ(request.Type, *step->type) << "message box type of: " << request.Text.toStdString();
  if (step->buttons)
    EXPECT_EQ(request.Buttons.Bits(), step->buttons->Bits()) << "message box buttons of: " << request.Text.toStdString();
  return step->answer;
}

bool ScriptedUi::RunFileDialog(TFileDialogRequest& request) {
  FileDialogs.push_back(request);
  auto step = Next(Kind::File, request.Title.isEmpty() ? request.Filter : request.Title);
  if (!step) return false;
  EXPECT_EQ(request.Save, step->save) << "save or open dialog";
  if (step->checkFile) step->checkFile(request);
  if (step->text.isEmpty()) return false;
  request.FileName = step->text;
  return true;
}

void ScriptedUi::RunModal(TForm* form) {
  const QString cls = form->ClassName();
  ModalForms.push_back(cls);
  auto step = Next(Kind::Modal, cls);
  if (step) {
    EXPECT_EQ(cls.toStdString(), step->text.toStdString()) << "modal form";
    if (step->act) step->act(form);
  }
  if (form->ModalStep()) return;
  if (step) ADD_FAILURE() << "modal form " << cls.toStdString() << " still open after the test's action; closed as cancelled";
  form->SetModalResult(mrCancel);
  if (!form->ModalStep()) {
    form->OnCloseQuery = nullptr;
    form->OnClose = nullptr;
    form->SetModalResult(mrCancel);
    form->ModalStep();
  }
}

int ScriptedUi::TrackPopupMenu(const TPopupRequest& request) {
  QString what = QStringLiteral("pop-up menu with");
  for (const TPopupItem& item : request.Items) what += QStringLiteral(" \"") + item.Caption + u'"';
  auto step = Next(Kind::Popup, what);
  return step ? step->answer : -1;
}
