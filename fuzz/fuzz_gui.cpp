#include "fuzz/fuzz_gui.h"

#include <QApplication>
#include <cstdlib>

void Fuzz_Gui() {
  static QApplication* app = [] {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static int argc = 1;
    static char name[] = "fuzz";
    static char* argv[] = {name, nullptr};
    return new QApplication(argc, argv);
  }();
  (void)app;
}
