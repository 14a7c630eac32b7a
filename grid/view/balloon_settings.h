// Settings of the cell balloons (TBalloonSettings): colours, delays and
// transparency; switching Enable tells the grid, which opens or closes its
// balloon window.
#pragma once

#include "platform/rtl/object.h"
#include "platform/ui/graphics.h"

class TBalloonSettings : public TPersistent {
public:
  // Copies the colours, the three delays and Enable (without the event); leaves
  // Transparency.
  void Assign(const TPersistent* Source) override;

  TColor BackgroundColor = clNone;
  TColor TextColor = clNone;
  int InitialDelay = -1;  // -1: the system's default
  int ReshowDelay = -1;
  int AutoHideDelay = -1;
  int Transparency = 0;

  bool Enable() const { return enable_; }
  // Stores and raises OnEnableChange, also when the value does not change.
  void SetEnable(bool value);

  TNotifyEvent OnEnableChange;

private:
  bool enable_ = false;
};
