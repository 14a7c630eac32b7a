// The small green arrows that show where a moved column or row will land: a
// pop-up window above the grid shaped as an arrow of 7 corners.
#pragma once

#include <vector>

#include "platform/ui/popup_window.h"

enum TArrowDirection { arrUp, arrDown, arrLeft, arrRight };

class TArrowWindow : public TPopupWindow {
public:
  explicit TArrowWindow(TComponent* AOwner);
  // Stores the direction, takes the colour $00FF00, floats above AOwner (the
  // grid) and stays hidden; the window gets the arrow's shape.
  void Init(TWinControl* AOwner, TArrowDirection Direction);
  TArrowDirection Dir() const { return FDir; }
  // The arrow's corners in client pixels.
  const std::vector<TPoint>& Arrow() const { return FArrow; }
  static std::vector<TPoint> ArrowPolygon(TArrowDirection Direction);

private:
  TArrowDirection FDir = arrUp;
  std::vector<TPoint> FArrow;
};
