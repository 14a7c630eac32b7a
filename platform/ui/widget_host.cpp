// The nursery of the widgets of controls without a parent.
#include "platform/ui/widget_host.h"

#include <QCoreApplication>
#include <vector>

QWidget* WidgetNursery() {
  // One hidden window per application object. A nursery is never freed: widgets
  // of live controls may still wait in it when the application object goes, and
  // the controls free their widgets themselves. The list outlives the static
  // destructors, so that the nurseries stay reachable to the end.
  static auto* nurseries = new std::vector<QWidget*>;
  static QCoreApplication* owner = nullptr;
  if (nurseries->empty() || owner != QCoreApplication::instance()) {
    owner = QCoreApplication::instance();
    auto* nursery = new QWidget;
    nursery->setAttribute(Qt::WA_DontShowOnScreen);
    nurseries->push_back(nursery);
  }
  return nurseries->back();
}
