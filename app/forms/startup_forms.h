// The program's start-up: the forms created in their fixed order, each kept until
// the program ends and registered with its Set_Lang. A form not built into the
// program yet is simply absent.
#pragma once

// Creates the forms (owned by the application, the main window first).
void Create_Startup_Forms();
// Frees every form made at start-up, the last made first.
void Free_Startup_Forms();
// The whole run: the forms, then the event loop until the main window closes.
int Run_Configurator();
