// The hint window of mini-HTML hints (THTMLHintWindow): it sizes itself to the
// measured text, stays inside the monitor, draws a 3-D frame and renders the
// text with the mini-HTML renderer; a packed wide text is shown decoded on one
// line in the font of the grid that built the hint.
#pragma once

#include <QString>

#include "platform/ui/popup_window.h"

class TCustomImageList;
class TPictureContainer;

class THTMLHintWindow : public THintWindow {
public:
  explicit THTMLHintWindow(TComponent* AOwner);

  TCustomImageList* Images = nullptr;
  TPictureContainer* PictureContainer = nullptr;
  int TextHeight = 0;
  int TextWidth = 0;
  QString WideCaption;

  TRect CalcHintRect(int MaxWidth, const QString& AHint) override;
  TRect CalcHintRectData(int MaxWidth, const QString& AHint, TObject* AData) override;
  void ActivateHint(const TRect& ScreenRect, const QString& AHint) override;
  void ActivateHintData(const TRect& ScreenRect, const QString& AHint, TObject* AData) override;

  // Makes the grid's hints of the mini-HTML class show in this window.
  static void RegisterClass();

protected:
  void Paint() override;

private:
  // The text's size at Width pixels and the width the window adds to it.
  TSize Measure(const QString& AHint, int Width, int& Extra);
  void TakeDataFrom(TObject* AData);
};
