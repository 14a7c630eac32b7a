// The Qt application of a benchmark program, made on first use and headless
// unless QT_QPA_PLATFORM says otherwise.
#pragma once

#include <QApplication>

// The application is never destroyed: a function-local static one would be torn
// down after Qt's own globals (the font cache's thread storage among them) and
// crash the program on its way out, after the figures are printed.
inline QApplication& BenchApp() {
  static QApplication* app = [] {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "bench";
    static char* argv[] = {name, nullptr};
    return new QApplication(argc, argv);
  }();
  return *app;
}
