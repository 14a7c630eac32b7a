// The two system tests of the grid's support unit. There is no Windows version or
// common-controls library to ask here: this platform always counts as "Windows XP
// or later with version 6 common controls", so themed glyphs depend only on
// whether themed drawing is on.
#pragma once

// True: the system is at least Windows XP.
bool IsWinXPVersion();
// IsWinXPVersion, a theme is active, and the common controls are version 6 or later.
bool IsComCtl6Themed();
