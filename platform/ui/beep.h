// The system's default sound (stands for MessageBeep). Every call is counted, so
// that a test can tell a refused key that sounds from one dropped silently.
#pragma once

void MessageBeep(unsigned Type = 0);
// How many times MessageBeep ran since the program started.
int MessageBeepCount();
