// The glowing focus frame's window and its switch: TGridFocusWindow is an empty
// top-most tool window that never takes the focus or the mouse; the grid gives
// it its shape and its translucent picture. TFocusHelper switches the frame on.
#pragma once

#include "platform/rtl/object.h"
#include "platform/ui/popup_window.h"

class TGridFocusWindow : public TPopupWindow {
public:
  explicit TGridFocusWindow(TComponent* AOwner);
};

class TFocusHelper : public TPersistent {
public:
  // The owner is not kept.
  explicit TFocusHelper(TObject* AOwner = nullptr) { (void)AOwner; }
  bool Enabled = false;
  void Assign(const TPersistent* Source) override;
};
