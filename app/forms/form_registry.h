// The forms the program made at start-up, by class name, each with its Set_Lang:
// the step flow shows them by name and a language change re-labels them in the
// fixed order. A form leaves the registry when it is freed.
#pragma once

#include <QString>
#include <functional>

class TForm;

// Registers `form` under its class name; `setLang` is its Set_Lang (empty for a
// form without one).
void Register_Form(TForm* form, std::function<void()> setLang);
// The registered form of that class, or nullptr (a form not built into the program).
TForm* Registered_Form(const QString& className);
int Registered_Form_Count();

// Calls Set_Lang of every registered form in the fixed order of a language change,
// the main window first; absent forms are skipped.
void Change_Language();
