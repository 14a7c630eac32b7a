// A scripted user: answers the program's message boxes, file dialogs, modal forms
// and pop-up menus in the order a test expects them, records what was shown, and
// fails the test on anything it did not expect or expected in vain.
//
//   ScriptedUi ui;
//   ui.ExpectMessage("Error! Project not Valid", mrOk);
//   ui.ExpectModal("TFNew", [](TForm* f) { ... click OK ... });
//   ... run the code ...
// The destructor restores the real dialogs and checks that every expectation met
// its box.
#pragma once

#include <QString>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

#include "platform/ui/ui_service.h"

class ScriptedUi : public TUserInterfaceService {
public:
  ScriptedUi();
  ~ScriptedUi() override;
  ScriptedUi(const ScriptedUi&) = delete;
  ScriptedUi& operator=(const ScriptedUi&) = delete;

  // A message box with exactly this text; `type` and `buttons` are checked when given.
  ScriptedUi& ExpectMessage(const QString& text, int answer, std::optional<TMsgDlgType> type = std::nullopt,
                            std::optional<TMsgDlgButtons> buttons = std::nullopt);
  // A file dialog answered with `fileName` as typed by the user (empty = cancelled).
  ScriptedUi& ExpectFileDialog(bool save, const QString& fileName,
                               std::function<void(const TFileDialogRequest&)> check = {});
  // A modal form of this class; `act` runs while it is shown and must set its
  // modal result (through its buttons, typically).
  ScriptedUi& ExpectModal(const QString& formClass, std::function<void(TForm*)> act);
  // A pop-up menu; the item with this index is chosen (-1: none).
  ScriptedUi& ExpectPopup(int choose);

  // Everything shown so far, in order.
  std::vector<TMessageBoxRequest> Messages;
  std::vector<TFileDialogRequest> FileDialogs;
  std::vector<QString> ModalForms;
  // Expectations not met yet.
  int Pending() const { return static_cast<int>(script_.size()); }

  int ShowMessageBox(const TMessageBoxRequest& request) override;
  bool RunFileDialog(TFileDialogRequest& request) override;
  void RunModal(TForm* form) override;
  int TrackPopupMenu(const TPopupRequest& request) override;

private:
  enum class Kind { Message, File, Modal, Popup };
  struct Step {
    Kind kind;
    QString text;
    int answer = 0;
    std::optional<TMsgDlgType> type;
    std::optional<TMsgDlgButtons> buttons;
    bool save = false;
    std::function<void(const TFileDialogRequest&)> checkFile;
    std::function<void(TForm*)> act;
  };
  // The next step when it is of `kind`; otherwise a failure and nothing.
  std::optional<Step> Next(Kind kind, const QString& what);

  std::deque<Step> script_;
  TUserInterfaceService* previous_ = nullptr;
};
