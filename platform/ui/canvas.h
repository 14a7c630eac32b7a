// The class library's drawing surface (stands for TCanvas over a device context):
// a pen, a brush and a font, and drawing operations with the window system's
// pixel rules - right and bottom edges exclusive, lines without their end point,
// text placed by its cell top. A canvas draws either through a QPainter the
// platform binds while a control paints, or onto a TBitmap.
#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <vector>

#include "platform/rtl/object.h"
#include "platform/ui/graphics.h"
#include "platform/ui/graphics_objects.h"

class QPainter;
class QImage;
class TBitmap;

// Flags of DrawText.
inline constexpr unsigned DT_TOP = 0x0;
inline constexpr unsigned DT_LEFT = 0x0;
inline constexpr unsigned DT_CENTER = 0x1;
inline constexpr unsigned DT_RIGHT = 0x2;
inline constexpr unsigned DT_VCENTER = 0x4;         // with DT_SINGLELINE only
inline constexpr unsigned DT_BOTTOM = 0x8;          // with DT_SINGLELINE only
inline constexpr unsigned DT_WORDBREAK = 0x10;
inline constexpr unsigned DT_SINGLELINE = 0x20;
inline constexpr unsigned DT_EXPANDTABS = 0x40;
inline constexpr unsigned DT_NOCLIP = 0x100;
inline constexpr unsigned DT_EXTERNALLEADING = 0x200;
inline constexpr unsigned DT_CALCRECT = 0x400;
inline constexpr unsigned DT_NOPREFIX = 0x800;
inline constexpr unsigned DT_EDITCONTROL = 0x2000;
inline constexpr unsigned DT_END_ELLIPSIS = 0x8000;
inline constexpr unsigned DT_HIDEPREFIX = 0x100000;
inline constexpr unsigned DT_RTLREADING = 0x20000;  // right-to-left reading order

class TCanvas : public TPersistent {
public:
  TCanvas();
  ~TCanvas() override;
  TCanvas(const TCanvas&) = delete;
  TCanvas& operator=(const TCanvas&) = delete;

  TFont* Font() { return &font_; }
  TPen* Pen() { return &pen_; }
  TBrush* Brush() { return &brush_; }
  void SetFont(const TFont* value) { font_.Assign(*value); }
  void SetPen(const TPen* value) { pen_.Assign(*value); }
  void SetBrush(const TBrush* value) { brush_.Assign(*value); }
  TPoint PenPos() const { return pen_pos_; }
  void SetPenPos(TPoint p) { pen_pos_ = p; }

  // Fills the rectangle with the brush; the pen is not used.
  void FillRect(const TRect& r);
  // A one-pixel frame just inside the rectangle, in the brush colour.
  void FrameRect(const TRect& r);
  // Outline with the pen, inside filled with the brush; covers left..right-1.
  void Rectangle(int left, int top, int right, int bottom);
  void Rectangle(const TRect& r) { Rectangle(r.Left, r.Top, r.Right, r.Bottom); }
  // Corner ellipse of cornerWidth x cornerHeight.
  void RoundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight);
  void Ellipse(int left, int top, int right, int bottom);
  void Polygon(const std::vector<TPoint>& points);
  // Lines through the points; the last point is not drawn.
  void Polyline(const std::vector<TPoint>& points);
  void MoveTo(int x, int y);
  // A line from the pen position to x,y without the end point; the pen moves there.
  void LineTo(int x, int y);

  // Text with its cell's top-left corner at x,y; a solid brush fills the cell first.
  void TextOut(int x, int y, const QString& text);
  // Text at x,y clipped to the rectangle; a solid brush fills the rectangle first.
  void TextRect(const TRect& r, int x, int y, const QString& text);
  int TextWidth(const QString& text);
  // The font's cell height (ascent plus descent), whatever the text.
  int TextHeight(const QString& text);
  TSize TextExtent(const QString& text);
  // Formats text into the rectangle with the DT_ flags; returns the height of the
  // text (from the rectangle's top to the text's bottom with DT_VCENTER or
  // DT_BOTTOM). With DT_CALCRECT nothing is drawn and `r` is set to the text's
  // extent: the widest line's width and the height of all lines.
  int DrawText(const QString& text, TRect& r, unsigned flags);

  // Draws a bitmap with its top-left corner at x,y; a transparent bitmap leaves
  // the pixels of its key colour out.
  void Draw(int x, int y, TBitmap* bitmap);
  void StretchDraw(const TRect& r, TBitmap* bitmap);
  // Copies a part of another canvas (one drawing onto a bitmap) into this one.
  void CopyRect(const TRect& dest, TCanvas* source, const TRect& sourceRect);
  // The dotted focus frame, drawn by inverting pixels (a second call removes it).
  void DrawFocusRect(const TRect& r);

  // Solid bands (a gradient's steps): rectangles relative to an area's top left,
  // each filled in one colour, later bands over earlier ones, cut to the area.
  struct TBand {
    TRect Rect;
    TColor Color;
  };
  // What the bands of an area depend on besides its size: their kind (which
  // routine made them), colours, number of steps and direction.
  struct TBandsKey {
    int Kind = 0;
    TColor From = 0, To = 0;
    int Steps = 0;
    bool Horizontal = false;
    bool operator==(const TBandsKey&) const = default;
  };
  // Draws the bands `make` lists for `key` into `area` as one picture, kept for the
  // next area of the same key (a grid paints the same gradient in many cells),
  // and returns true with `last` set to the colour `make` returned. The pixels
  // are those of filling each band in turn with a solid colour. False, with
  // nothing drawn, where a picture would not give those pixels (a painter that
  // scales, is not drawing pixels, or draws translucent): the caller fills.
  bool DrawKeptBands(const TRect& area, const TBandsKey& key,
                     const std::function<TColor(std::vector<TBand>&)>& make, TColor& last);
  // Whether DrawKeptBands draws at all (on by default): off, every caller fills
  // its bands itself, which tests compare the pictures with.
  static void SetKeepBands(bool on);

  TColor Pixel(int x, int y);
  void SetPixel(int x, int y, TColor color);

  // Restricts drawing to the rectangle (replacing an earlier clip) / to its
  // intersection with the current clip; RemoveClip draws everywhere again.
  void SetClipRect(const TRect& r);
  void IntersectClipRect(const TRect& r);
  void RemoveClip();

  // --- platform binding ---
  // Draws through an active painter (a control's paint event); nullptr unbinds.
  void BindPainter(QPainter* painter);
  // Draws into an image (a bitmap's canvas); the painter is made when needed.
  void BindImage(QImage* image);
  // Ends the canvas's own painter, so that its image can be changed directly.
  void ReleasePainter();
  // The painter to draw with (made for a bound image); nullptr when unbound.
  QPainter* Painter();
  // The image drawn on, when the canvas draws into one.
  QImage* TargetImage();

private:
  void ApplyPen(QPainter& p);
  void ApplyBrush(QPainter& p);
  void StrokeLine(QPainter& p, TPoint from, TPoint to);
  // A horizontal or vertical line of a one-pixel solid copying pen, filled as its
  // pixels; false (nothing drawn) for any other line or pen.
  bool FillStraightThinLine(QPainter& p, TPoint from, TPoint to);
  void TextBackground(QPainter& p, const TRect& r);

  TFont font_;
  TPen pen_;
  TBrush brush_;
  TPoint pen_pos_;
  bool has_clip_ = false;
  TRect clip_;
  QPainter* external_ = nullptr;
  QImage* image_ = nullptr;
  std::unique_ptr<QPainter> own_;
};

// The canvas of a control that paints itself, made when first asked for: most
// controls of the forms are never painted before their form is shown, and many
// never at all.
class TLazyCanvas {
public:
  TCanvas* Get() {
    if (!canvas_) canvas_ = std::make_unique<TCanvas>();
    return canvas_.get();
  }

private:
  std::unique_ptr<TCanvas> canvas_;
};

// A canvas for measuring text outside painting (it draws onto a scratch bitmap).
TCanvas* MeasureCanvas();
