#include "platform/ui/system_metrics.h"

#include <QApplication>
#include <QStyle>

int VerticalScrollBarWidth() {
  QStyle* style = QApplication::style();
  return style ? style->pixelMetric(QStyle::PM_ScrollBarExtent) : 16;
}
