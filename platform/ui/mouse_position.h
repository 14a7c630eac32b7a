// The mouse pointer's position on the screen (stands for GetCursorPos). Tests may
// put the pointer anywhere without moving the real one.
#pragma once

#include <optional>

#include "platform/ui/graphics.h"

TPoint GetCursorPos();
// Installs a position for tests; std::nullopt goes back to the real pointer.
void SetCursorPosForTest(std::optional<TPoint> position);
