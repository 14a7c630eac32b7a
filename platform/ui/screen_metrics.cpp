#include "platform/ui/screen_metrics.h"

#include <QGuiApplication>
#include <QScreen>

namespace {
const TScreenMetrics* g_metrics = nullptr;

QScreen* NearestScreen(TPoint p) {
  const QPoint q(p.X, p.Y);
  if (QScreen* s = QGuiApplication::screenAt(q)) return s;
  QScreen* best = QGuiApplication::primaryScreen();
  long long bestDist = -1;
  for (QScreen* s : QGuiApplication::screens()) {
    const QRect g = s->geometry();
    const long long dx = q.x() < g.left() ? g.left() - q.x() : q.x() > g.right() ? q.x() - g.right() : 0;
    const long long dy = q.y() < g.top() ? g.top() - q.y() : q.y() > g.bottom() ? q.y() - g.bottom() : 0;
    const long long d = dx * dx + dy * dy;
    if (bestDist < 0 || d < bestDist) {
      bestDist = d;
      best = s;
    }
  }
  return best;
}
}  // namespace

int TScreenMetrics::PrimaryScreenWidth() const {
  QScreen* s = QGuiApplication::primaryScreen();
  return s ? s->geometry().width() : 0;
}

int TScreenMetrics::PrimaryScreenHeight() const {
  QScreen* s = QGuiApplication::primaryScreen();
  return s ? s->geometry().height() : 0;
}

TRect TScreenMetrics::WorkAreaNear(TPoint p) const {
  QScreen* s = NearestScreen(p);
  if (!s) return Rect(0, 0, 0, 0);
  const QRect a = s->availableGeometry();
  return Rect(a.x(), a.y(), a.x() + a.width(), a.y() + a.height());
}

const TScreenMetrics& ScreenMetrics() {
  static const TScreenMetrics real;
  return g_metrics ? *g_metrics : real;
}

void SetScreenMetrics(const TScreenMetrics* metrics) { g_metrics = metrics; }
