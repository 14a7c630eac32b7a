#include "platform/ui/image_list.h"

#include <QImage>
#include <QPainter>

#include "platform/ui/bitmap.h"
#include "platform/ui/canvas.h"
#include "platform/ui/qt_graphics.h"

TCustomImageList::TCustomImageList(TComponent* AOwner) : TComponent(AOwner) {}
TCustomImageList::~TCustomImageList() = default;

void TCustomImageList::SetWidth(int value) {
  if (value == width_ || value <= 0) return;
  width_ = value;
  Clear();
}

void TCustomImageList::SetHeight(int value) {
  if (value == height_ || value <= 0) return;
  height_ = value;
  Clear();
}

TImageData TCustomImageList::Fit(const TImageData& image) const {
  if (image.Empty() || (image.Width() == width_ && image.Height() == height_)) return image;
  TImageData fitted;
  fitted.SetImage(image.Image().scaled(width_, height_, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
  return fitted;
}

int TCustomImageList::AddImage(const TImageData& Image) {
  images_.push_back(Fit(Image));
  Changed();
  return Count() - 1;
}

int TCustomImageList::Add(TBitmap* Image, TBitmap* Mask) {
  TImageData data;
  data.SetFromBitmap(Image);
  if (Mask && !Mask->Empty() && !data.Empty()) {
    QImage img = data.Image().convertToFormat(QImage::Format_ARGB32);
    const QImage& mask = Mask->Image();
    for (int y = 0; y < img.height() && y < mask.height(); ++y) {
      auto* row = reinterpret_cast<QRgb*>(img.scanLine(y));
      for (int x = 0; x < img.width() && x < mask.width(); ++x)
        if ((mask.pixel(x, y) & 0xFFFFFF) == 0xFFFFFF) row[x] = 0;
    }
    data.SetImage(img);
  }
  return AddImage(data);
}

int TCustomImageList::AddMasked(TBitmap* Image, TColor MaskColor) {
  if (!Image) return -1;
  TImageData data;
  QImage img = Image->Image().convertToFormat(QImage::Format_ARGB32);
  const TColor key = ColorToRGB(MaskColor);
  const QRgb keyRgb = qRgb(GetRValue(key), GetGValue(key), GetBValue(key)) & 0xFFFFFF;
  for (int y = 0; y < img.height(); ++y) {
    auto* row = reinterpret_cast<QRgb*>(img.scanLine(y));
    for (int x = 0; x < img.width(); ++x)
      if ((row[x] & 0xFFFFFF) == keyRgb) row[x] = 0;
  }
  data.SetImage(img);
  return AddImage(data);
}

void TCustomImageList::Delete(int Index) {
  if (Index < 0 || Index >= Count()) return;
  images_.erase(images_.begin() + Index);
  Changed();
}

void TCustomImageList::Clear() {
  if (images_.empty()) return;
  images_.clear();
  Changed();
}

void TCustomImageList::Draw(TCanvas* Canvas, int X, int Y, int Index, bool Enabled) const {
  if (Index < 0 || Index >= Count() || !Canvas) return;
  if (Enabled) return images_[Index].Draw(Canvas, X, Y);
  TImageData grey;
  QImage img = images_[Index].Image().convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < img.height(); ++y) {
    auto* row = reinterpret_cast<QRgb*>(img.scanLine(y));
    for (int x = 0; x < img.width(); ++x) {
      const int g = (qGray(row[x]) + 2 * 192) / 3;
      row[x] = qRgba(g, g, g, qAlpha(row[x]));
    }
  }
  grey.SetImage(img);
  grey.Draw(Canvas, X, Y);
}

void TCustomImageList::StretchDraw(TCanvas* Canvas, const TRect& R, int Index) const {
  if (Index < 0 || Index >= Count()) return;
  images_[Index].StretchDraw(Canvas, R);
}

bool TCustomImageList::GetBitmap(int Index, TBitmap* Image) const {
  if (Index < 0 || Index >= Count() || !Image) return false;
  images_[Index].CopyTo(Image);
  return true;
}

void TCustomImageList::Changed() {
  if (OnChange) OnChange(this);
}
