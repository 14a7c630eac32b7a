// The texts of a colour value that the colour picker shows: the colour's value
// in hexadecimal as stored, its web colour name, its red, green and blue
// values, and its HTML "#RRGGBB" form; and the table of named web colours.
#pragma once

#include <QString>

#include "platform/ui/graphics.h"

enum TColorValueText { cvtNone, cvtHex, cvtWebName, cvtRGB, cvtHTML };

// The text of the colour in the given form (system colours are resolved to
// their current value first, except for cvtHex, which shows the value as stored).
QString ColorValueText(TColor Color, TColorValueText Kind);

// The name ("clWebSnow") of a named web colour with this RGB value, else
// "#RRGGBB" with upper-case digits.
QString WebColorName(TColor Color);
// How many named web colours there are.
int WebColorCount();
