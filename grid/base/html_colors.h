// Colours of mini-HTML texts: colour names ("clred", "clbtnface"), "#RRGGBB"
// values, and the two global colours that highlight tags are drawn with.
#pragma once

#include "platform/ui/graphics.h"

#include <QString>

// Names are matched exactly (callers lower-case them first); plain colour names,
// then system colour names ($FF000000 + index); any other name gives 0 (black).
TColor ColorFromName(const QString& Name);
// "#RRGGBB": characters 2-3, 4-5 and 6-7 are the red, green and blue pairs.
TColor HtmlHexToColor(const QString& Text);
// A colour resolved to RGB (system colours included) as six upper-case
// hexadecimal digits: red, green, blue.
QString ColorToHtmlHex(TColor Color);
// Two characters as a hexadecimal byte; a character from "A" on counts as its
// letter value (A = 10), every other as its digit value, so only upper-case
// digits read right. Texts shorter than 2 characters give 0.
int HexPairToInt(const QString& Text);

// The highlight colours; initially the system highlight colours.
void SetHtmlHighlightColors(TColor Background, TColor TextColor);
TColor HtmlHighlightBackground();
TColor HtmlHighlightTextColor();
