// The screen as window placement sees it: the primary screen's width and height
// (stand for the system metrics SM_CXSCREEN and SM_CYSCREEN) and the work area of
// the monitor nearest to a point (the monitor's rectangle less task bars and
// docks). Placement code asks the current metrics, so tests can install a fake
// screen.
#pragma once

#include "platform/ui/graphics.h"

class TScreenMetrics {
public:
  virtual ~TScreenMetrics() = default;
  virtual int PrimaryScreenWidth() const;
  virtual int PrimaryScreenHeight() const;
  virtual TRect WorkAreaNear(TPoint p) const;
};

// The current metrics (the real screens unless a test installed its own).
const TScreenMetrics& ScreenMetrics();
// Installs `metrics` (not owned; nullptr puts the real screens back).
void SetScreenMetrics(const TScreenMetrics* metrics);
