// The grid's rich edit (TExRichEdit): one hidden instance measures rich-text
// cells (it keeps the size its content last asked for), a second one is the
// in-place editor of edRichEdit cells. It adds sub- and superscript for the
// selection (a character offset of -40 or +40 twips), grows the edited row
// while the user types (SizeWhileTyping.Height), and hands keys to the grid:
// Tab with goTabs moves to the next cell and opens its editor, Up and Down
// leave the cell when the grid neither wraps words nor holds many lines per
// cell, and Escape ends the edit with the cell as it was.
#pragma once

#include "platform/ui/rich_edit.h"

class TExStringGrid;

class TExRichEdit : public TRichEdit {
public:
  // AOwner must be a grid (EInvalidCast otherwise).
  explicit TExRichEdit(TComponent* AOwner);

  // A new window: the content and its formats go.
  void ReCreate();
  void SelNormal() { SetSelOffset(0); }
  void SelSubscript() { SetSelOffset(-40); }
  void SelSuperscript() { SetSelOffset(40); }
  bool IsSelNormal() const { return SelOffset() == 0; }
  bool IsSelSubscript() const { return SelOffset() == -40; }
  bool IsSelSuperscript() const { return SelOffset() == 40; }
  // Row sizing is held off while a cell's content is loaded.
  void Lock() { FLocked = true; }
  void Unlock() { FLocked = false; }
  int ReqHeight() const { return FReqHeight; }
  int ReqWidth() const { return FReqWidth; }

protected:
  void RequestResize(TRect Rect) override;
  void WMGetDlgCode(TMessage& Message) override;
  void KeyDown(int& Key, TShiftState Shift) override;
  void WMKillFocus(TMessage& Message) override;

private:
  TExStringGrid* FGrid;
  int FReqHeight = 0, FReqWidth = 0;
  bool FLocked = false;
};
