// The serial ports of this computer, for the serial variant of the update dialog.
#pragma once

#include "platform/rtl/string_list.h"

// A new list, owned by the caller: one entry per serial port that can be opened or
// exists but is in use or not permitted, as the port's device path ("/dev/ttyUSB0").
TStringList List_COM_Ports();
