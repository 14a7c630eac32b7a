// A printed or previewed page (stands for a printer or preview canvas in the
// low-metric mapping mode): coordinates are tenths of a millimetre, x grows to
// the right and y upward from the page's top edge, so everything on the page has
// a negative y. Font heights are in the same units (negative: character height).
// Every call maps its own coordinates to device pixels, so text and pictures stay
// upright (a flipping painter transform would draw them upside down). A canvas
// without a painter measures only (a counting pass draws nothing). Texts and
// lines go through virtual operations, so that a page can be recorded instead.
#pragma once

#include <QString>
#include <vector>

#include "platform/ui/canvas.h"
#include "platform/ui/graphics.h"
#include "platform/ui/graphics_objects.h"

#include <memory>

class QFont;
class QImage;
class QPainter;
class TPrinter;

class TPageCanvas {
public:
  // Measures only, for a device of that resolution (dots per inch).
  TPageCanvas(double DpiX, double DpiY);
  // The pages of the printer's document begun (measures only when none is).
  explicit TPageCanvas(TPrinter* Printer);
  // A page drawn into a canvas (a bitmap's, or a control's while it paints),
  // its top-left corner at the target's, clipped to the target; measures only
  // when the canvas draws nowhere.
  TPageCanvas(TCanvas* Canvas, const TRect& Target);
  // Drawing: painter, resolution, and the device pixel of the page's top-left corner.
  TPageCanvas(QPainter* Painter, double DpiX, double DpiY, TPoint Origin);
  virtual ~TPageCanvas();
  TPageCanvas(const TPageCanvas&) = delete;
  TPageCanvas& operator=(const TPageCanvas&) = delete;

  // A canvas in device pixels on the same device (for handlers that draw on the
  // page themselves); nullptr for a measuring canvas.
  TCanvas* DeviceCanvas();

  bool Drawing() const { return painter_ != nullptr; }
  QPainter* Painter() const { return painter_; }
  double DpiX() const { return dpiX_; }
  double DpiY() const { return dpiY_; }

  TFont* Font() { return &font_; }
  TPen* Pen() { return &pen_; }
  TBrush* Brush() { return &brush_; }

  // Logical point to device pixel and back (rounded to the nearest pixel).
  TPoint ToDevice(TPoint p) const;
  TPoint ToLogical(TPoint device) const;
  // A logical rectangle (top above bottom or not) as a device rectangle.
  TRect ToDevice(const TRect& r) const;
  // A device rectangle as a logical one (top > bottom).
  TRect ToLogical(const TRect& device) const;
  // The page's extent in logical units for a device extent.
  int DeviceToUnitsX(int pixels) const;
  int DeviceToUnitsY(int pixels) const;

  // Text measures in logical units, in the current font.
  int TextWidth(const QString& Text);
  // The font's cell height, whatever the text.
  int TextHeight(const QString& Text);
  // Text with the top of its cell at X, Y; a solid brush fills the cell first.
  // A font turned by its orientation turns the text about that point.
  virtual void TextOut(int X, int Y, const QString& Text);
  // The same, clipped to the rectangle (a solid brush fills the rectangle first).
  void TextRect(const TRect& R, int X, int Y, const QString& Text);
  // Formats text into the rectangle (DT_ flags: alignment, word break, single
  // line with vertical centring or bottom, end ellipsis, tab expansion, no clip,
  // measuring). Returns the text's height; with DT_CALCRECT nothing is drawn and
  // the rectangle takes the text's extent (right = left + widest line, bottom =
  // top - height).
  int DrawText(const QString& Text, TRect& R, unsigned Flags);

  // Filled with the brush (no pen).
  void FillRect(const TRect& R);
  // Outline with the pen, inside with the brush (a clear brush leaves it).
  void Rectangle(const TRect& R);
  virtual void MoveTo(int X, int Y);
  virtual void LineTo(int X, int Y);
  // A picture stretched into the rectangle.
  void StretchDraw(const TRect& R, const QImage& Image);
  // A vertical gradient or horizontal one, in Steps bands, from one colour to the other.
  void Gradient(const TRect& R, TColor From, TColor To, int Steps, bool Horizontal);

  // Drawing restricted to the rectangle / back to the whole page.
  void SetClipRect(const TRect& R);
  void RemoveClip();

  // The Qt font of a TFont whose height is in logical units, at the device's
  // size (Device) or at the logical size (for measuring).
  QFont DeviceFont(const TFont& F) const;
  QFont LogicalFont(const TFont& F) const;

private:
  void DrawTextAt(double dx, double dy, const QString& Text);
  void ApplyPen();
  void ApplyBrush();

  QPainter* painter_;
  double dpiX_, dpiY_;
  double sx_, sy_;  // device pixels per logical unit
  TPoint origin_;
  TFont font_;
  TPen pen_;
  TBrush brush_;
  TPoint penPos_;
  bool restoreClip_ = false;
  std::unique_ptr<TCanvas> deviceCanvas_;
};
