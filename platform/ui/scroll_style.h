// Which scroll bars a scrolling control shows (stands for TScrollStyle).
#pragma once

enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };
