// The link of a custom cell editor (editor kind edCustom): an application
// component that puts a control of its own over the cell (esInplace) or on a
// borderless pop-up form of its own (esPopup), moves the value in and out, and
// hands the keys that end an edit to the grid (EditKeyDown, hooked by the
// application to its control's key-down). A grid or a column holds the link by
// reference; a column stream names it by its component name. Each link owns its
// pop-up form.
#pragma once

#include <memory>

#include <QString>

#include "platform/ui/component.h"
#include "platform/ui/graphics.h"
#include "platform/ui/messages.h"

class TExStringGrid;
class TWinControl;
class TFont;
class TEditLinkForm;

enum TEditStyle { esInplace, esPopup };

class TEditLink : public TComponent {
public:
  explicit TEditLink(TComponent* AOwner);
  ~TEditLink() override;

  TExStringGrid* Grid() const { return FOwner; }
  TPoint EditCell() const { return FEditCell; }

  bool WantKeyLeftRight = false;
  bool WantKeyUpDown = false;
  bool WantKeyHomeEnd = false;
  bool WantKeyPriorNext = false;
  bool WantKeyReturn = false;
  bool WantKeyEscape = false;
  bool WantReturns = false;
  bool WantTabs = false;
  TEditStyle EditStyle = esInplace;
  int PopupWidth = 0;
  int PopupHeight = 0;
  int PopupLeft = -1;
  int PopupTop = -1;
  bool AutoPopupWidth = false;
  int Tag = 0;

  // The key protocol: keys the grid handles end the edit.
  virtual void EditKeyDown(TObject* Sender, int& Key, TShiftState Shift);
  virtual TWinControl* GetEditControl() { return nullptr; }
  virtual void CreateEditor(TWinControl* AParent) { (void)AParent; }
  virtual void DestroyEditor() {}
  virtual void SetFocus(bool Value);
  virtual void SetRect(TRect R);
  virtual void SetVisible(bool Value);
  virtual void SetProperties() {}
  virtual void SetCellProps(TColor AColor, TFont* AFont) {
    (void)AColor;
    (void)AFont;
  }
  virtual QString GetEditorValue() { return QString(); }
  virtual void SetEditorValue(const QString& Value) { (void)Value; }

  void EditExit(TObject* Sender);
  void FormExit(TObject* Sender);
  QString GetCellValue();
  void SetCellValue(const QString& S);
  // The pop-up form for esPopup, otherwise the grid.
  TWinControl* GetParent();
  void HideEditor();
  void RestoreWinProc();
  // The pop-up form, once made.
  TWinControl* PopupForm() const;

private:
  friend class TExStringGrid;
  TExStringGrid* FOwner = nullptr;
  std::unique_ptr<TEditLinkForm> FPopupForm;
  bool FForcedExit = false;
  bool FSubClassed = false;
  TWinControl* FRouted = nullptr;  // the control whose messages pass the grid
  TPoint FEditCell{-1, -1};
};
