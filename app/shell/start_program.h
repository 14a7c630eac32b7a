// Starting another program and waiting for it with a bound (the main window's
// Start_Program; the update dialog runs the external updater this way).
#pragma once

#include "platform/os/process.h"

#include <QString>

// Starts `NomeSW` with the parameter text split into arguments (none when empty)
// and waits until it ends or 150 s have passed by the current clock. `tipo` asks
// for a hidden window; programs here get no window from us either way, so it
// changes nothing. Windows keep repainting while it waits; user input waits until
// it returns. A program that cannot be started returns at once; one still running
// at the bound is left running. Nothing is reported; the result is for tests.
TProgramResult Start_Program(const QString& NomeSW, const QString& Parameter, bool tipo);
