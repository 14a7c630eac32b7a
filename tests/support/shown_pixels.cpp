#include "tests/support/shown_pixels.h"

#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QWidget>

#include "platform/ui/control.h"

std::vector<TColor> ShownPixels(TControl* c, const std::vector<TPoint>& points) {
  std::vector<TColor> colors(points.size(), clNone);
  QWidget* w = c->Widget();
  if (!w) return colors;
  QWidget* top = w->window();
  // The offscreen platform hands out the window's backing store as it stands.
  const QImage shown = top->screen()->grabWindow(top->winId()).toImage();
  for (size_t i = 0; i < points.size(); ++i) {
    const QPoint at = w->mapTo(top, QPoint(points[i].X, points[i].Y));
    if (!shown.rect().contains(at)) continue;
    const QColor q = shown.pixelColor(at);
    colors[i] = RGB(q.red(), q.green(), q.blue());
  }
  return colors;
}

TColor ShownPixel(TControl* c, int x, int y) { return ShownPixels(c, {TPoint{x, y}})[0]; }
