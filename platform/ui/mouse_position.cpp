#include "platform/ui/mouse_position.h"

#include <QCursor>

namespace {

std::optional<TPoint>& Override() {
  static std::optional<TPoint> position;
  return position;
}

}  // namespace

TPoint GetCursorPos() {
  if (Override()) return *Override();
  const QPoint p = QCursor::pos();
  return {p.x(), p.y()};
}

void SetCursorPosForTest(std::optional<TPoint> position) { Override() = position; }
