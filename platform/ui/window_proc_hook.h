// Routing a control's messages through another object, as replacing a
// window's procedure does (the class library's WindowProc property): while a
// hook is set, every message the control receives (Perform, the events of its
// widget, posted messages) goes to the hook, which hands it on to the control's
// own procedure with CallOriginalWindowProc when it wants. A control's hook
// goes with the control.
#pragma once

#include <functional>

#include "platform/ui/messages.h"

class TControl;

using TWindowProcHook = std::function<void(TControl* Control, TMessage& Message)>;

// An empty hook removes the routing.
void SetWindowProcHook(TControl* Control, TWindowProcHook Hook);
bool HasWindowProcHook(const TControl* Control);
// The control's own procedure, past its hook.
void CallOriginalWindowProc(TControl* Control, TMessage& Message);
// Delivers a message to the control: through its hook when it has one.
void DeliverMessage(TControl* Control, TMessage& Message);
