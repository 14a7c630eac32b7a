#include "platform/ui/graphics_objects.h"

#include <cmath>

namespace {

int MulDiv(int a, int b, int c) {
  return static_cast<int>(std::lround(static_cast<double>(a) * b / c));
}

}  // namespace

void TGraphicsObject::Changed() {
  if (OnChange) OnChange(this);
}

TFont::TFont()
    : name_(QStringLiteral("Tahoma")), height_(-MulDiv(8, kPixelsPerInch, 72)), color_(clWindowText) {}

void TFont::SetName(const QString& value) {
  if (name_ == value) return;
  name_ = value;
  Changed();
}

int TFont::Size() const { return -MulDiv(height_, 72, kPixelsPerInch); }

void TFont::SetSize(int value) { SetHeight(-MulDiv(value, kPixelsPerInch, 72)); }

void TFont::SetHeight(int value) {
  if (height_ == value) return;
  height_ = value;
  Changed();
}

void TFont::SetColor(TColor value) {
  if (color_ == value) return;
  color_ = value;
  Changed();
}

void TFont::SetStyle(TFontStyles value) {
  if (style_ == value) return;
  style_ = value;
  Changed();
}

void TFont::SetOrientation(int value) {
  if (orientation_ == value) return;
  orientation_ = value;
  Changed();
}

void TFont::SetQuality(TFontQuality value) {
  if (quality_ == value) return;
  quality_ = value;
  Changed();
}

void TFont::Assign(const TPersistent* Source) {
  if (auto* f = dynamic_cast<const TFont*>(Source)) return Assign(*f);
  TGraphicsObject::Assign(Source);
}

void TFont::Assign(const TFont& source) {
  name_ = source.name_;
  height_ = source.height_;
  color_ = source.color_;
  style_ = source.style_;
  orientation_ = source.orientation_;
  quality_ = source.quality_;
  Changed();
}

bool TFont::SameAs(const TFont& other) const {
  return name_ == other.name_ && height_ == other.height_ && color_ == other.color_ &&
         style_ == other.style_ && orientation_ == other.orientation_ &&
         quality_ == other.quality_;
}

void TPen::SetColor(TColor value) {
  if (color_ == value) return;
  color_ = value;
  Changed();
}

void TPen::SetWidth(int value) {
  if (width_ == value) return;
  width_ = value;
  Changed();
}

void TPen::SetStyle(TPenStyle value) {
  if (style_ == value) return;
  style_ = value;
  Changed();
}

void TPen::SetMode(TPenMode value) {
  if (mode_ == value) return;
  mode_ = value;
  Changed();
}

void TPen::Assign(const TPersistent* Source) {
  if (auto* p = dynamic_cast<const TPen*>(Source)) return Assign(*p);
  TGraphicsObject::Assign(Source);
}

void TPen::Assign(const TPen& source) {
  color_ = source.color_;
  width_ = source.width_;
  style_ = source.style_;
  mode_ = source.mode_;
  Changed();
}

void TBrush::SetColor(TColor value) {
  if (color_ == value && style_ != bsClear) return;
  color_ = value;
  if (style_ == bsClear) style_ = bsSolid;
  Changed();
}

void TBrush::SetStyle(TBrushStyle value) {
  if (style_ == value) return;
  style_ = value;
  Changed();
}

void TBrush::Assign(const TPersistent* Source) {
  if (auto* b = dynamic_cast<const TBrush*>(Source)) return Assign(*b);
  TGraphicsObject::Assign(Source);
}

void TBrush::Assign(const TBrush& source) {
  color_ = source.color_;
  style_ = source.style_;
  Changed();
}
