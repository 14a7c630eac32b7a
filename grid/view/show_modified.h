#pragma once

#include "platform/rtl/object.h"
#include "platform/ui/graphics.h"

// The modified-row marker (TShowModified): whether modified rows are marked and
// in which colour; a colour change tells the grid, which repaints column 0.
class TShowModified : public TPersistent {
public:
  void Assign(const TPersistent* Source) override;  // Color and Enabled, plain

  bool Enabled = false;
  TColor Color() const { return color_; }
  void SetColor(TColor value);

  TNotifyEvent OnChange;

private:
  TColor color_ = clYellow;
};
