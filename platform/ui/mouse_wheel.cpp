#include "platform/ui/mouse_wheel.h"

#include <QApplication>

int WheelScrollLines() { return QApplication::wheelScrollLines(); }
