// The one door through which the program asks the user something: message boxes,
// file dialogs, modal forms and pop-up menus. The default service shows real Qt
// dialogs; tests install a scripted one that answers and fails on anything it
// did not expect (tests/support/scripted_ui.h).
#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "platform/ui/dialogs.h"
#include "platform/ui/graphics.h"

class TForm;

struct TMessageBoxRequest {
  QString Caption;
  QString Text;
  TMsgDlgType Type = mtInformation;
  TMsgDlgButtons Buttons;
  // The button Enter presses; without one the box's first button.
  std::optional<TMsgDlgBtn> DefaultButton;
};

struct TFileDialogRequest {
  bool Save = false;
  QString Title;
  QString Filter;
  int FilterIndex = 1;
  QString InitialDir;
  QString FileName;    // proposed name; the chosen one on return
  QString DefaultExt;
};

struct TPopupItem {
  QString Caption;
  bool Enabled = true;
  bool Checked = false;
  bool Visible = true;
};

struct TPopupRequest {
  TPoint Position;  // screen point of the menu's top-left corner
  std::vector<TPopupItem> Items;
};

class TUserInterfaceService {
public:
  virtual ~TUserInterfaceService() = default;
  // Returns the modal result of the pressed button.
  virtual int ShowMessageBox(const TMessageBoxRequest& request) = 0;
  // True when a file was chosen; the name is left in request.FileName.
  virtual bool RunFileDialog(TFileDialogRequest& request) = 0;
  // Runs the modal loop of a shown modal form until `form->ModalStep()` is true.
  virtual void RunModal(TForm* form) = 0;
  // Index of the chosen item, -1 for none.
  virtual int TrackPopupMenu(const TPopupRequest& request) = 0;
};

TUserInterfaceService* UserInterface();
// Installs a service; nullptr restores the Qt dialogs.
void SetUserInterface(TUserInterfaceService* service);
