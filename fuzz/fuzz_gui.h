// The windowing the drawing targets need: one application on the offscreen
// platform, made before the first input.
#pragma once

void Fuzz_Gui();
