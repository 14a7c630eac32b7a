#include "platform/ui/control_canvas.h"

#include <QPainter>
#include <QWidget>

#include "platform/ui/control.h"

TControlCanvas::TControlCanvas(TControl* control) {
  QWidget* w = control ? control->Widget() : nullptr;
  if (!w || !w->testAttribute(Qt::WA_WState_InPaintEvent)) return;
  painter_ = std::make_unique<QPainter>(w);
  if (!painter_->isActive()) {
    painter_.reset();
    return;
  }
  BindPainter(painter_.get());
  Font()->Assign(*control->Font());
}

TControlCanvas::~TControlCanvas() {
  if (!painter_) return;
  BindPainter(nullptr);
  painter_->end();
}
