// Small routines of printing: joining page-frame texts and the printer's
// rotation of landscape pages.
#pragma once

#include <QString>

// a and b joined by one blank; either alone when the other is empty.
QString JoinWithBlank(const QString& a, const QString& b);
// The printer's landscape rotation in degrees: the page canvas keeps turned text
// upright on every device, so it is the usual 90.
int PrinterOrientationDegrees();
