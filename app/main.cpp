// The configurator's entry point: the forms in their start-up order, then the
// event loop until the main window closes.
#include "app/forms/startup_forms.h"

#include <QApplication>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  return Run_Configurator();
}
