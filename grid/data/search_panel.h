// The search footer's bar along the bottom of a grid (TSearchPanel): a search
// edit, find next and find previous buttons, a highlight toggle, a match-case box
// and a close button, on a band painted in one colour or a gradient. The grid
// makes it when its search footer first shows, lays it out from the SearchFooter
// settings and turns its events into searches.
#pragma once

#include "platform/ui/edit.h"
#include "platform/ui/graphics.h"
#include "platform/ui/shapes.h"

class TExCheckBox;
class TExGridButton;
class TExStringGrid;

// The search edit: Enter is find next, Ctrl+Enter find previous; neither types
// anything.
class TRetEdit : public TEdit {
public:
  explicit TRetEdit(TComponent* AOwner) : TEdit(AOwner) {}
  TNotifyEvent OnReturn;
  TNotifyEvent OnCtrlReturn;

protected:
  void KeyDown(int& Key, TShiftState Shift) override;
  void KeyPress(QChar& Key) override;
  void WMGetDlgCode(TMessage& Message) override;
};

class TSearchPanel : public TPanel {
public:
  explicit TSearchPanel(TExStringGrid* AOwner);
  ~TSearchPanel() override;

  TRetEdit* EditControl = nullptr;
  TExGridButton* ForwardButton = nullptr;
  TExGridButton* BackwardButton = nullptr;
  TExGridButton* ExitButton = nullptr;
  TExGridButton* HiliteButton = nullptr;
  TExCheckBox* MatchCase = nullptr;

  // The gradient's end colour at the bottom (clNone: the band is one colour).
  TColor ColorTo() const { return FColorTo; }
  void SetColorTo(TColor Value);

  QString FindNextCaption, FindPrevCaption, MatchCaseCaption, HighLightCaption;
  QString HintFindNext, HintFindPrev, HintClose, HintHighlight;

  TNotifyEvent OnForwardClick;
  TNotifyEvent OnBackwardClick;
  TNotifyEvent OnEditChange;
  TNotifyEvent OnExitClick;
  TNotifyEvent OnHighlightClick;

  // Places the edit and the buttons (mirrored for a right-to-left grid) and
  // tells the grid the panel is there.
  void CreateWnd();
  TExStringGrid* Grid() const { return FGrid; }

protected:
  void Paint() override;

private:
  TExStringGrid* FGrid;
  TColor FColorTo = clNone;
};
