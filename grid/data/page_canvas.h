// A printed page laid out in the printer's low-metric units: one unit is 0.1 mm,
// x grows to the right and y upward from the page's top edge, so everything on
// the page has y <= 0. The page draws on a device canvas (a printer, a preview
// image, a PDF page) whose resolution it is told; every coordinate, font height
// and pen width is converted when it is used, so texts stay upright (a turned
// painter would mirror them).
//
// Font heights and pen widths are given in page units too: Font()->SetHeight(-42)
// asks for characters 4.2 mm high. The drawing operations are virtual so that a
// page can be recorded instead of drawn.
#pragma once

#include <QString>

#include "platform/ui/graphics.h"
#include "platform/ui/graphics_objects.h"

class TCanvas;

class TPageCanvas {
public:
  // Device: the canvas drawn on; DpiX, DpiY: its dots per inch; Origin: the
  // device point of the page's top-left corner.
  TPageCanvas(TCanvas* Device, double DpiX, double DpiY, TPoint Origin = {0, 0});
  virtual ~TPageCanvas() = default;
  TPageCanvas(const TPageCanvas&) = delete;
  TPageCanvas& operator=(const TPageCanvas&) = delete;

  TCanvas* Device() const { return device_; }
  double DpiX() const { return dpiX_; }
  double DpiY() const { return dpiY_; }

  TFont* Font() { return &font_; }
  TPen* Pen() { return &pen_; }
  TBrush* Brush() { return &brush_; }

  // Page units to device pixels and back (rounded to the nearest, halves to even).
  TPoint ToDevice(int X, int Y) const;
  TPoint ToPage(TPoint Device) const;
  int DeviceWidth(int Units) const;   // a horizontal length
  int DeviceHeight(int Units) const;  // a vertical length
  int PageWidth(int Pixels) const;
  int PageHeight(int Pixels) const;
  // A page rectangle (Top above Bottom: Top > Bottom) as a device rectangle.
  TRect ToDeviceRect(const TRect& R) const;

  // Text whose cell has its top-left corner at (X, Y); the brush fills the cell
  // first unless it is clear.
  virtual void TextOut(int X, int Y, const QString& Text);
  int TextWidth(const QString& Text);
  // The height of the font's cell (ascent plus descent), in page units.
  int TextHeight(const QString& Text);

  virtual void MoveTo(int X, int Y);
  virtual void LineTo(int X, int Y);
  // The outline with the pen, the inside filled with the brush.
  virtual void Rectangle(int Left, int Top, int Right, int Bottom);

private:
  void ApplyFont();
  void ApplyPen();

  TCanvas* device_;
  double dpiX_, dpiY_;
  TPoint origin_;
  TFont font_;
  TPen pen_;
  TBrush brush_;
};
