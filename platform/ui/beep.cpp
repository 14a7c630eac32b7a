#include "platform/ui/beep.h"

#include <QApplication>

namespace {
int g_beeps = 0;
}

void MessageBeep(unsigned) {
  ++g_beeps;
  QApplication::beep();
}

int MessageBeepCount() { return g_beeps; }
