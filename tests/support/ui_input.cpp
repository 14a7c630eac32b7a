#include "tests/support/ui_input.h"

#include <QApplication>
#include <QEnterEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

#include "platform/ui/control.h"

namespace {

void Send(TControl* c, QEvent* e) { QApplication::sendEvent(c->Widget(), e); }

QPointF Global(TControl* c, int x, int y) { return c->Widget()->mapToGlobal(QPointF(x, y)); }

}  // namespace

QString KeyText(int key, Qt::KeyboardModifiers mods) {
  const bool shift = mods & Qt::ShiftModifier;
  if (mods & Qt::ControlModifier) {
    if (key >= Qt::Key_A && key <= Qt::Key_Z) return QString(QChar(1 + key - Qt::Key_A));
    return {};
  }
  if (key >= Qt::Key_A && key <= Qt::Key_Z) return QString(QChar((shift ? 'A' : 'a') + (key - Qt::Key_A)));
  if (key >= Qt::Key_0 && key <= Qt::Key_9) return QString(QChar('0' + (key - Qt::Key_0)));
  switch (key) {
    case Qt::Key_Space: return QStringLiteral(" ");
    case Qt::Key_Return:
    case Qt::Key_Enter: return QStringLiteral("\r");
    case Qt::Key_Escape: return QString(QChar(27));
    case Qt::Key_Tab: return QStringLiteral("\t");
    case Qt::Key_Backspace: return QString(QChar(8));
    case Qt::Key_Period: return QStringLiteral(".");
    case Qt::Key_Comma: return QStringLiteral(",");
    case Qt::Key_Minus: return QStringLiteral("-");
    case Qt::Key_Plus: return QStringLiteral("+");
    case Qt::Key_Asterisk: return QStringLiteral("*");
    case Qt::Key_Slash: return QStringLiteral("/");
    case Qt::Key_Percent: return QStringLiteral("%");
    case Qt::Key_Equal: return QStringLiteral("=");
    case Qt::Key_Colon: return QStringLiteral(":");
    default: return {};
  }
}

void KeyDownOnly(TControl* c, int key, Qt::KeyboardModifiers mods) {
  QKeyEvent e(QEvent::KeyPress, key, mods, KeyText(key, mods));
  Send(c, &e);
}

void KeyUpOnly(TControl* c, int key, Qt::KeyboardModifiers mods) {
  QKeyEvent e(QEvent::KeyRelease, key, mods, KeyText(key, mods));
  Send(c, &e);
}

void PressKey(TControl* c, int key, Qt::KeyboardModifiers mods) {
  KeyDownOnly(c, key, mods);
  KeyUpOnly(c, key, mods);
}

void MousePress(TControl* c, int x, int y, Qt::MouseButton button, Qt::KeyboardModifiers mods) {
  QMouseEvent e(QEvent::MouseButtonPress, QPointF(x, y), Global(c, x, y), button, button, mods);
  Send(c, &e);
}

void MouseMoveTo(TControl* c, int x, int y, Qt::MouseButtons held) {
  QMouseEvent e(QEvent::MouseMove, QPointF(x, y), Global(c, x, y), Qt::NoButton, held, Qt::NoModifier);
  Send(c, &e);
}

void MouseRelease(TControl* c, int x, int y, Qt::MouseButton button, Qt::KeyboardModifiers mods) {
  QMouseEvent e(QEvent::MouseButtonRelease, QPointF(x, y), Global(c, x, y), button, Qt::NoButton, mods);
  Send(c, &e);
}

void MouseDoubleClick(TControl* c, int x, int y) {
  MousePress(c, x, y);
  MouseRelease(c, x, y);
  QMouseEvent e(QEvent::MouseButtonDblClick, QPointF(x, y), Global(c, x, y), Qt::LeftButton, Qt::LeftButton,
                Qt::NoModifier);
  Send(c, &e);
  MouseRelease(c, x, y);
}

void MouseClick(TControl* c, int x, int y) {
  MousePress(c, x, y);
  MouseRelease(c, x, y);
}

void MouseEnter(TControl* c) {
  QEnterEvent e(QPointF(1, 1), QPointF(1, 1), Global(c, 1, 1));
  Send(c, &e);
}

void MouseLeave(TControl* c) {
  QEvent e(QEvent::Leave);
  Send(c, &e);
}

void ProcessEvents() { QCoreApplication::processEvents(); }
