// The window system's mouse-wheel setting (stands for SystemParametersInfo with
// SPI_GETWHEELSCROLLLINES): how many lines one notch of the wheel scrolls.
#pragma once

int WheelScrollLines();
