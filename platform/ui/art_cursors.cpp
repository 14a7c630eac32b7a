#include "platform/ui/art_cursors.h"

#include <QBitmap>
#include <QCursor>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <cmath>

namespace {

constexpr int kSize = 32;

// Directions as unit steps (x right, y down) for the eight panning cursors.
struct Direction {
  TCursor cursor;
  int dx, dy;
};
constexpr Direction kPanDirections[] = {
    {crPanDown, 0, 1},      {crPanLeft, -1, 0},   {crPanRight, 1, 0},     {crPanUp, 0, -1},
    {crPanUpRight, 1, -1},  {crPanUpLeft, -1, -1}, {crPanDownRight, 1, 1}, {crPanDownLeft, -1, 1},
};

// A filled arrow head at (x, y) pointing along (dx, dy), black with a white rim.
void ArrowHead(QPainter& p, double x, double y, double dx, double dy, double size) {
  const double len = std::hypot(dx, dy);
  dx /= len;
  dy /= len;
  const double bx = x - dx * size, by = y - dy * size;
  QPainterPath path;
  path.moveTo(x, y);
  path.lineTo(bx - dy * size * 0.6, by + dx * size * 0.6);
  path.lineTo(bx + dy * size * 0.6, by - dx * size * 0.6);
  path.closeSubpath();
  p.setPen(QPen(Qt::white, 1.5));
  p.setBrush(Qt::black);
  p.drawPath(path);
}

// A shaft from the centre towards (dx, dy) ending in an arrow head.
void Arrow(QPainter& p, double cx, double cy, double dx, double dy, double length) {
  const double len = std::hypot(dx, dy);
  const double ex = cx + dx / len * length, ey = cy + dy / len * length;
  p.setPen(QPen(Qt::white, 5, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(cx, cy), QPointF(ex, ey));
  p.setPen(QPen(Qt::black, 2.5, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(cx, cy), QPointF(ex, ey));
  ArrowHead(p, ex + dx / len * 3, ey + dy / len * 3, dx, dy, 7);
}

void Draw(QPainter& p, TCursor c) {
  const double mid = kSize / 2.0;
  if (c == crPanOrigin) {
    p.setPen(QPen(Qt::black, 1.5));
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(mid, mid), 4, 4);
    for (const auto& d : {QPointF(0, -1), QPointF(0, 1), QPointF(-1, 0), QPointF(1, 0)})
      ArrowHead(p, mid + d.x() * 13, mid + d.y() * 13, d.x(), d.y(), 6);
    return;
  }
  for (const Direction& d : kPanDirections)
    if (d.cursor == c) {
      p.setPen(QPen(Qt::black, 1.5));
      p.setBrush(Qt::white);
      p.drawEllipse(QPointF(mid, mid), 3, 3);
      Arrow(p, mid, mid, d.dx, d.dy, 9);
      return;
    }
  switch (c) {
    case crSelectRow: Arrow(p, 4, mid, 1, 0, 18); return;
    case crSelectColumn: Arrow(p, mid, 4, 0, 1, 18); return;
    case crSelectAll: Arrow(p, 5, 5, 1, 1, 16); return;
    case crCellSelector: {
      for (int pass = 0; pass < 2; ++pass) {
        const QRectF h(mid - 10, mid - 3, 20, 6), v(mid - 3, mid - 10, 6, 20);
        p.setPen(pass == 0 ? QPen(Qt::black, 1.5) : Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawRect(h);
        p.drawRect(v);
      }
      return;
    }
    case crEyedropper: {
      // A slanted pipette: a dark bulb at the upper right, a glass tube down to
      // the tip at the lower left.
      p.setPen(QPen(Qt::black, 1.5));
      p.setBrush(Qt::white);
      QPainterPath tube;
      tube.moveTo(1, 30);
      tube.lineTo(4, 23);
      tube.lineTo(17, 10);
      tube.lineTo(21, 14);
      tube.lineTo(8, 27);
      tube.closeSubpath();
      p.drawPath(tube);
      p.setBrush(Qt::black);
      p.drawEllipse(QPointF(24, 7), 5, 5);
      p.drawLine(QPointF(15, 8), QPointF(23, 16));
      return;
    }
    default: return;
  }
}

}  // namespace

bool IsArtCursor(TCursor c) {
  return (c >= crPanOrigin && c <= crPanDownLeft) || (c >= 8010 && c <= 8012) || c == 8014 || c == crEyedropper;
}

TPoint ArtCursorHotSpot(TCursor c) {
  switch (c) {
    case crSelectRow: return {24, kSize / 2};
    case crSelectColumn: return {kSize / 2, 24};
    case crSelectAll: return {22, 22};
    case crEyedropper: return {1, 30};
    default: return {kSize / 2, kSize / 2};
  }
}

QCursor ArtCursor(TCursor c) {
  if (!IsArtCursor(c)) return QCursor(Qt::ArrowCursor);
  QPixmap image(kSize, kSize);
  image.fill(Qt::transparent);
  {
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    Draw(p, c);
  }
  const TPoint hot = ArtCursorHotSpot(c);
  return QCursor(image, hot.X, hot.Y);
}
