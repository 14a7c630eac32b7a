#include "platform/ui/canvas_regions.h"

#include <QPainter>
#include <QPainterPath>

#include "platform/ui/canvas.h"

namespace {

QRectF Box(const TRect& r) { return QRectF(r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top); }

}  // namespace

void ClipCanvasToEllipse(TCanvas* Canvas, const TRect& R) {
  QPainter* p = Canvas ? Canvas->Painter() : nullptr;
  if (!p) return;
  QPainterPath path;
  path.addEllipse(Box(R));
  p->setClipPath(path);
}

void ClipCanvasToRoundRect(TCanvas* Canvas, const TRect& R, int CornerW, int CornerH) {
  QPainter* p = Canvas ? Canvas->Painter() : nullptr;
  if (!p) return;
  QPainterPath path;
  path.addRoundedRect(Box(R), CornerW / 2.0, CornerH / 2.0);
  p->setClipPath(path);
}
