// A canvas on a control's own window (stands for TControlCanvas over the window's
// device context). Only valid while the control handles WM_PAINT: a native
// control draws over what its window painted, after the inherited handling.
// Outside a paint the canvas draws nothing.
#pragma once

#include <memory>

#include "platform/ui/canvas.h"

class QPainter;
class TControl;

class TControlCanvas : public TCanvas {
public:
  explicit TControlCanvas(TControl* control);
  ~TControlCanvas() override;
  // False outside a paint of the control: nothing is drawn then.
  bool Drawing() const { return painter_ != nullptr; }

private:
  std::unique_ptr<QPainter> painter_;
};
