// The drawing surface of the mini-HTML renderer: the canvas whose font, brush and
// pen the tags change, and the few services the layout measures and draws with.
// The renderer reaches pictures and in-text controls through the canvas itself;
// text metrics, text pieces, fills, lines and the focus rectangle go through
// these operations, so that a surface with fixed metrics can stand in for the
// screen when the layout itself is examined.
#pragma once

#include <QString>

#include "platform/ui/graphics.h"

class TCanvas;

class THtmlDevice {
public:
  explicit THtmlDevice(TCanvas* Canvas) : FCanvas(Canvas) {}
  virtual ~THtmlDevice() = default;
  THtmlDevice(const THtmlDevice&) = delete;
  THtmlDevice& operator=(const THtmlDevice&) = delete;

  TCanvas* Canvas() const { return FCanvas; }

  // Width and height of one line of text in the canvas font, as the text call
  // sizes it: "&&" stands for one ampersand, a single "&" marks the next
  // character, tabs are expanded and the font's external leading counts.
  virtual TSize TextSize(const QString& Text);
  // Draws one line of text bottom-aligned in R (ending in an ellipsis with
  // DT_END_ELLIPSIS in Flags), in the font colour, over the canvas brush when it
  // is solid.
  virtual void DrawTextPiece(const QString& Text, const TRect& R, unsigned Flags);
  // Fills R with the canvas brush.
  virtual void FillRect(const TRect& R);
  // A line from (X1, Y1) to (X2, Y2) with the canvas pen, without the end point.
  virtual void Line(int X1, int Y1, int X2, int Y2);
  virtual void FocusRect(const TRect& R);
  virtual int PixelsPerInchX() const { return 96; }
  virtual int PixelsPerInchY() const { return 96; }

private:
  TCanvas* FCanvas;
};
