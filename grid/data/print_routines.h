// Small routines of printing: joining page-frame texts, the printer's rotation
// of landscape pages, and mini-HTML laid out on a page.
#pragma once

#include <QString>

#include "platform/ui/graphics.h"

class TExStringGrid;
class TPageCanvas;

// a and b joined by one blank; either alone when the other is empty.
QString JoinWithBlank(const QString& a, const QString& b);
// The printer's landscape rotation in degrees: the page canvas keeps turned text
// upright on every device, so it is the usual 90.
int PrinterOrientationDegrees();
// Mini-HTML in the page rectangle R (0.1 mm) with the page's font, drawn when
// Draw and the page draws, else only measured; the width of its widest line and
// its height in page units (grid/data/print_html.cpp).
TSize PrintHtmlText(TExStringGrid& Grid, TPageCanvas& Page, const TRect& R, const QString& Html, bool Draw);
