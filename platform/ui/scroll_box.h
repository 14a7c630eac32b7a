// The class library's scrolling windowed control (stands for
// TScrollingWinControl with AutoScroll): its child controls sit on a scrolled
// area as large as their extent; a scroll bar shows when that extent passes
// the client area. Children are placed in area coordinates.
#pragma once

#include "platform/ui/control.h"

class TScrollingWinControl : public TWinControl {
public:
  explicit TScrollingWinControl(TComponent* AOwner);

  // Sizes the scrolled area to the children's extent (call after moving or
  // sizing a child).
  void UpdateScrollRange();
  int VertScrollPosition() const;
  void SetVertScrollPosition(int value);
  bool VertScrollVisible() const;
  bool HorzScrollVisible() const;
  // The scroll bar's margin kept around an item scrolled into view.
  int VertScrollMargin = 0;
  int ClientWidth() const override;
  int ClientHeight() const override;

  QWidget* ClientWidget() const override;
};
