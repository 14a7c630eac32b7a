// Conversions between the class library's graphics types and Qt's, for the code
// inside platform/ only.
#pragma once

#include <QColor>
#include <QFont>
#include <QPoint>
#include <QRect>

#include "platform/ui/graphics.h"

class TFont;

QColor ToQColor(TColor color);
// The Qt pointer shape of one of the class library's standard cursors.
Qt::CursorShape QtCursorShape(int c);  // c: a TCursor
TColor FromQColor(const QColor& color);
// The font at its pixel height. Windows' families stand for free fonts of the same
// metrics (Wine's Tahoma and MS Sans Serif, Liberation for Arial, Courier New and
// Times New Roman, DejaVu Sans for Verdana), DejaVu where one is missing. Wine's
// fonts are drawn from their bitmap strikes at the strikes' sizes (unless the font
// asks for smoothing), and Wine's bold Tahoma, whose outlines are regular, as the
// regular face made bold elsewhere.
QFont ToQFont(const TFont& font);
// Copies family, size and styles of a Qt font into a TFont (pixel size kept).
void FromQFont(const QFont& qfont, TFont& font);

inline QRect ToQRect(const TRect& r) { return QRect(r.Left, r.Top, r.Width(), r.Height()); }
inline TRect FromQRect(const QRect& r) { return Bounds(r.x(), r.y(), r.width(), r.height()); }
inline QPoint ToQPoint(TPoint p) { return QPoint(p.X, p.Y); }
inline TPoint FromQPoint(const QPoint& p) { return {p.x(), p.y()}; }
