// Whether a control's widget is visible to the window system: itself and every
// parent widget up to its window shown. Requests to repaint a widget that is not
// visible are dropped by the window system, so callers can skip working out what
// to repaint.
#pragma once

class TControl;

bool WidgetVisible(const TControl* control);
