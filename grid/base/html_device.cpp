#include "grid/base/html_device.h"

#include "platform/ui/canvas.h"

namespace {

constexpr unsigned kPieceFlags = DT_SINGLELINE | DT_EXPANDTABS | DT_EXTERNALLEADING;

}  // namespace

TSize THtmlDevice::TextSize(const QString& Text) {
  TRect r{0, 0, 0x7FFF, 0x7FFF};
  FCanvas->DrawText(Text, r, kPieceFlags | DT_CALCRECT);
  return {r.Width(), r.Height()};
}

void THtmlDevice::DrawTextPiece(const QString& Text, const TRect& R, unsigned Flags) {
  // Bottom-aligned: the line placed so that it ends at R's bottom, with 2 pixels
  // below it left unclipped for an underline that a font puts under its cell.
  const int height = TextSize(Text).cy;
  TRect r{R.Left, R.Bottom - height, R.Right, R.Bottom + 2};
  FCanvas->DrawText(Text, r, kPieceFlags | Flags);
}

void THtmlDevice::FillRect(const TRect& R) { FCanvas->FillRect(R); }

void THtmlDevice::Line(int X1, int Y1, int X2, int Y2) {
  FCanvas->MoveTo(X1, Y1);
  FCanvas->LineTo(X2, Y2);
}

void THtmlDevice::FocusRect(const TRect& R) { FCanvas->DrawFocusRect(R); }
