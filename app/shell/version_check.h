// The check for a newer version of the program: the maker's site answers the
// version query with "VER. " and the current version ("VER. 0.000" = none). Runs
// on demand from the options dialog and on the main window's timer.
#pragma once

#include <QString>
#include <cstdint>

// The timer of the main window: first query a minute after start, then every two hours.
inline constexpr int kVersion_First_Interval_Ms = 60000;
inline constexpr int kVersion_Repeat_Interval_Ms = 7200000;

// The version text to a number: the part after the first blank (all of it without
// a blank), trimmed; its characters 1, 3, 4 and 5 joined and read as an integer
// ("1.001" gives 1001). -1 when that part is shorter than five characters or the
// digits are no number.
int Conv_Version(const QString& Ver_str);

// True when the query's reply names a version newer than this program's: not empty,
// not "VER. 0.000" (any case), and both versions readable with the reply's the larger.
bool Is_Newer_Version(const QString& reply);

// The version query: one GET of the version link; true for a newer version. Any
// failure (no answer, time-out, HTTP error, unreadable reply) is "no newer version".
bool Check_Version();

// The version timer runs exactly when both internet options are on.
bool Version_Timer_Wanted(bool enableInternet, bool enableUpdate);

// Time-outs of the query (connect, whole request); tests shorten them. Values <= 0
// put the defaults (10 s and 20 s) back.
void Set_Version_Timeouts(int64_t connectMs, int64_t totalMs);
