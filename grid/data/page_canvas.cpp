#include "grid/data/page_canvas.h"

#include <algorithm>
#include <cstdlib>

#include "platform/rtl/numbers.h"
#include "platform/ui/canvas.h"

namespace {

constexpr double kUnitsPerInch = 254.0;  // 0.1 mm

}  // namespace

TPageCanvas::TPageCanvas(TCanvas* Device, double DpiX, double DpiY, TPoint Origin)
    : device_(Device), dpiX_(DpiX > 0 ? DpiX : 96), dpiY_(DpiY > 0 ? DpiY : 96), origin_(Origin) {
  brush_.SetStyle(bsClear);
}

TPoint TPageCanvas::ToDevice(int X, int Y) const {
  return {origin_.X + DeviceWidth(X), origin_.Y + DeviceHeight(-Y)};
}

TPoint TPageCanvas::ToPage(TPoint Device) const {
  return {PageWidth(Device.X - origin_.X), -PageHeight(Device.Y - origin_.Y)};
}

int TPageCanvas::DeviceWidth(int Units) const { return RoundHalfEven(Units * dpiX_ / kUnitsPerInch); }
int TPageCanvas::DeviceHeight(int Units) const { return RoundHalfEven(Units * dpiY_ / kUnitsPerInch); }
int TPageCanvas::PageWidth(int Pixels) const { return RoundHalfEven(Pixels * kUnitsPerInch / dpiX_); }
int TPageCanvas::PageHeight(int Pixels) const { return RoundHalfEven(Pixels * kUnitsPerInch / dpiY_); }

TRect TPageCanvas::ToDeviceRect(const TRect& R) const {
  const TPoint a = ToDevice(R.Left, R.Top), b = ToDevice(R.Right, R.Bottom);
  return {std::min(a.X, b.X), std::min(a.Y, b.Y), std::max(a.X, b.X), std::max(a.Y, b.Y)};
}

void TPageCanvas::ApplyFont() {
  TFont* f = device_->Font();
  f->Assign(font_);
  const int h = font_.Height();
  const int px = std::max(1, DeviceHeight(std::abs(h)));
  f->SetHeight(h < 0 ? -px : px);
}

void TPageCanvas::ApplyPen() {
  TPen* p = device_->Pen();
  p->Assign(pen_);
  p->SetWidth(std::max(1, DeviceWidth(pen_.Width())));
}

void TPageCanvas::TextOut(int X, int Y, const QString& Text) {
  ApplyFont();
  device_->Brush()->Assign(brush_);
  const TPoint d = ToDevice(X, Y);
  device_->TextOut(d.X, d.Y, Text);
}

int TPageCanvas::TextWidth(const QString& Text) {
  ApplyFont();
  return PageWidth(device_->TextWidth(Text));
}

int TPageCanvas::TextHeight(const QString& Text) {
  ApplyFont();
  return PageHeight(device_->TextHeight(Text));
}

void TPageCanvas::MoveTo(int X, int Y) {
  const TPoint d = ToDevice(X, Y);
  device_->MoveTo(d.X, d.Y);
}

void TPageCanvas::LineTo(int X, int Y) {
  ApplyPen();
  const TPoint d = ToDevice(X, Y);
  device_->LineTo(d.X, d.Y);
}

void TPageCanvas::Rectangle(int Left, int Top, int Right, int Bottom) {
  ApplyPen();
  device_->Brush()->Assign(brush_);
  const TRect r = ToDeviceRect({Left, Top, Right, Bottom});
  device_->Rectangle(r);
}
