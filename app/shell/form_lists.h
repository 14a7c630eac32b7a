// The program's forms by name: the order in which start-up creates them (each
// kept until the program ends) and the order in which a language change re-labels
// them. A form not built into the program is skipped in both.
#pragma once

inline constexpr int kStartup_Form_Count = 41;
extern const char16_t* const Startup_Form_Order[kStartup_Form_Count];

// Every form but the About dialog, the main window first.
inline constexpr int kChange_Language_Count = 40;
extern const char16_t* const Change_Language_Order[kChange_Language_Count];
