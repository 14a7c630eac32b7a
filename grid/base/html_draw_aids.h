// Drawing aids of the mini-HTML renderer: draw-text flags for right-to-left
// texts, rotated text, stretched bitmaps and the folder test of image sources.
#pragma once

#include "platform/ui/graphics.h"

#include <QString>

class TCanvas;
class TBitmap;

// Only on a Middle-East system locale: BiDiMode 1 (right to left) swaps right and
// left alignment (centre kept), and any mode other than 0 adds right-to-left
// reading. Other locales get the flags unchanged.
unsigned BiDiDrawTextFlags(unsigned Flags, int BiDiMode);

// Gives the canvas a font turned by Angle degrees (orientation ten times Angle);
// the previous font is kept in one slot until RestoreRotatedFont.
void SelectRotatedFont(TCanvas* Canvas, int Angle);
void RestoreRotatedFont(TCanvas* Canvas);

// The bitmap stretched into the rectangle.
void StretchBitmapToRect(TCanvas* Canvas, const TRect& Rect, TBitmap* Bitmap);

bool IsDirectory(const QString& Path);

// The desktop icon of a file, a folder, a file type (an extension is enough) or,
// when Source is a number, of that index of the icon list; the small or the large
// list (Large). Size receives the icon size. With Draw the icon is drawn at (X, Y):
// transparently on the screen, or in print mode stretched to Size times Scale.
void DrawShellIcon(TCanvas* Canvas, int X, int Y, const QString& Source, bool Large, bool Draw, bool PrintMode,
                   double Scale, TSize& Size);
