// Message boxes and the file open/save dialogs of the class library (stand for
// MessageDlg, ShowMessage, TOpenDialog and TSaveDialog). They all go through the
// user interface service (ui_service.h), which tests replace with a script.
#pragma once

#include <QString>

#include "platform/rtl/sets.h"
#include "platform/ui/component.h"

enum TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };
enum TMsgDlgBtn { mbYes, mbNo, mbOK, mbCancel, mbAbort, mbRetry, mbIgnore, mbAll, mbNoToAll, mbYesToAll, mbHelp,
                  mbClose };
using TMsgDlgButtons = TSet<TMsgDlgBtn>;

// Shows a message box and returns the modal result of the button pressed (mrOk 1,
// mrCancel 2, mrYes 6, mrNo 7 ...). The caption follows the type: "Warning",
// "Error", "Information", "Confirmation", or the application title.
int MessageDlg(const QString& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, int HelpCtx = 0);
// The same with the button that Enter presses (a question whose safe answer is No).
int MessageDlg(const QString& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, int HelpCtx, TMsgDlgBtn DefaultButton);
// An information box with an OK button, captioned with the application title.
void ShowMessage(const QString& Msg);

enum TOpenOption { ofReadOnly, ofOverwritePrompt, ofHideReadOnly, ofNoChangeDir, ofPathMustExist, ofFileMustExist,
                   ofEnableSizing };
using TOpenOptions = TSet<TOpenOption>;

class TOpenDialog : public TComponent {
public:
  explicit TOpenDialog(TComponent* AOwner);

  // "Description|pattern" pairs joined by "|": "Text files (*.txt)|*.txt|All|*.*".
  QString Filter;
  int FilterIndex = 1;  // 1-based
  // Added with a dot when the chosen name has no extension.
  QString DefaultExt;
  QString InitialDir;
  QString FileName;
  QString Title;
  // Kept for the forms' settings; no dialog asks about overwriting by itself.
  TOpenOptions Options{ofHideReadOnly, ofEnableSizing};

  // Runs the dialog; true with FileName set when the user chose a file.
  virtual bool Execute();

protected:
  bool Run(bool save);
};

class TSaveDialog : public TOpenDialog {
public:
  explicit TSaveDialog(TComponent* AOwner);
  bool Execute() override;
};

// The file name with the default extension added when it has none.
QString AddDefaultExtension(const QString& fileName, const QString& defaultExt);
