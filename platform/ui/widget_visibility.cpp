#include "platform/ui/widget_visibility.h"

#include <QWidget>

#include "platform/ui/control.h"

bool WidgetVisible(const TControl* control) {
  const QWidget* w = control ? control->Widget() : nullptr;
  return w && w->isVisible();
}
