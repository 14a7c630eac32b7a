#include "grid/view/background.h"

#include "grid/view/settings_host.h"

TBackGround::TBackGround(TGridSettingsHost* AOwner) : owner_(AOwner), bitmap_(std::make_unique<TBitmap>()) {}

TBackGround::~TBackGround() = default;

void TBackGround::Repaint() {
  if (owner_) owner_->HostInvalidate();
}

void TBackGround::SetTop(int value) {
  top_ = value;
  Repaint();
}

void TBackGround::SetLeft(int value) {
  left_ = value;
  Repaint();
}

void TBackGround::SetDisplay(TBackGroundDisplay value) {
  display_ = value;
  Repaint();
}

void TBackGround::SetCells(TBackGroundCells value) {
  cells_ = value;
  Repaint();
}

void TBackGround::SetColor(TColor value) {
  color_ = value;
  Repaint();
}

void TBackGround::SetColorTo(TColor value) {
  colorTo_ = value;
  Repaint();
}

void TBackGround::SetBitmap(const TBitmap* value) {
  if (value) bitmap_->Assign(*value);
  Repaint();
}

void TBackGround::CopyFrom(const TBackGround& source) {
  if (&source == this) return;
  top_ = source.top_;
  left_ = source.left_;
  display_ = source.display_;
  cells_ = source.cells_;
  color_ = source.color_;
  colorTo_ = source.colorTo_;
  bitmap_->Assign(*source.bitmap_);
}
