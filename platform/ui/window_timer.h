// Window timers by identifier (stand for SetTimer and KillTimer on a window):
// every period the control receives WM_TIMER with the identifier in WParam,
// queued like a posted message. Setting a timer that exists restarts it with the
// new period; a timer ends with KillTimer or with the control's window.
#pragma once

class TWinControl;

// Returns the identifier, or 0 when the control has no window yet.
unsigned SetTimer(TWinControl* control, unsigned id, unsigned periodMs);
void KillTimer(TWinControl* control, unsigned id);
