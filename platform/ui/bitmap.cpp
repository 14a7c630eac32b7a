#include "platform/ui/bitmap.h"

#include <QFile>
#include <QImage>
#include <QPainter>

#include "platform/rtl/exceptions.h"
#include "platform/ui/canvas.h"
#include "platform/ui/qt_graphics.h"

namespace {

QImage::Format QtFormat(TPixelFormat format) {
  return format == pf24bit ? QImage::Format_BGR888 : QImage::Format_RGB32;
}

}  // namespace

TBitmap::TBitmap() : image_(std::make_unique<QImage>()) {}

TBitmap::TBitmap(int width, int height) : TBitmap() { SetSize(width, height); }

TBitmap::~TBitmap() { ReleasePainter(); }

// Most bitmaps are only loaded and drawn: the canvas is made when first asked for.
void TBitmap::ReleasePainter() const {
  if (canvas_) canvas_->ReleasePainter();
}

int TBitmap::Width() const { return image_->width(); }

int TBitmap::Height() const { return image_->height(); }

bool TBitmap::Empty() const { return image_->isNull() || image_->width() == 0 || image_->height() == 0; }

void TBitmap::SetSize(int width, int height) {
  width = std::max(0, width);
  height = std::max(0, height);
  if (width == Width() && height == Height() && !image_->isNull()) return;
  ReleasePainter();
  QImage sized;
  if (width > 0 && height > 0) {
    sized = QImage(width, height, QtFormat(format_));
    sized.fill(Qt::white);
    if (!image_->isNull()) {
      QPainter p(&sized);
      p.drawImage(0, 0, *image_);
    }
  }
  *image_ = sized;
  Changed();
}

void TBitmap::Clear() {
  ReleasePainter();
  *image_ = QImage();
  Changed();
}

void TBitmap::SetPixelFormat(TPixelFormat value) {
  if (format_ == value) return;
  format_ = value;
  ReleasePainter();
  if (!image_->isNull()) *image_ = image_->convertToFormat(QtFormat(format_));
  Changed();
}

TCanvas* TBitmap::Canvas() {
  if (!canvas_) {
    canvas_ = std::make_unique<TCanvas>();
    canvas_->BindImage(image_.get());
  }
  return canvas_.get();
}

void TBitmap::SetTransparent(bool value) {
  if (transparent_ == value) return;
  transparent_ = value;
  Changed();
}

TColor TBitmap::TransparentColor() const {
  if (mode_ == tmFixed) return transparent_color_;
  if (Empty()) return clNone;
  return FromQColor(Image().pixelColor(0, Height() - 1));
}

void TBitmap::SetTransparentColor(TColor value) {
  transparent_color_ = value;
  mode_ = tmFixed;
  Changed();
}

uint8_t* TBitmap::ScanLine(int y) {
  if (y < 0 || y >= Height()) throw EListError(QStringLiteral("Scan line index out of range"));
  return Image().scanLine(y);
}

void TBitmap::LoadFromFile(const QString& fileName) {
  QImage loaded;
  if (!loaded.load(fileName)) throw EFileError(QStringLiteral("Cannot load picture \"%1\"").arg(fileName));
  SetImage(loaded);
}

void TBitmap::SaveToFile(const QString& fileName) {
  if (!Image().save(fileName)) throw EFileError(QStringLiteral("Cannot write picture \"%1\"").arg(fileName));
}

void TBitmap::LoadFromResourceName(const QString& name) {
  for (const char* ext : {".bmp", ".png"}) {
    const QString path = QStringLiteral(":/bitmaps/") + name + QLatin1String(ext);
    if (QFile::exists(path)) return LoadFromFile(path);
  }
  throw EFileError(QStringLiteral("Resource %1 not found").arg(name));
}

void TBitmap::Assign(const TPersistent* Source) {
  if (auto* b = dynamic_cast<const TBitmap*>(Source)) return Assign(*b);
  if (!Source) return Clear();
  TPersistent::Assign(Source);
}

void TBitmap::Assign(const TBitmap& source) {
  if (&source == this) return;
  ReleasePainter();
  format_ = source.format_;
  transparent_ = source.transparent_;
  mode_ = source.mode_;
  transparent_color_ = source.transparent_color_;
  *image_ = source.Image().copy();
  Changed();
}

QImage& TBitmap::Image() {
  ReleasePainter();
  return *image_;
}

const QImage& TBitmap::Image() const {
  ReleasePainter();
  return *image_;
}

QImage TBitmap::MaskedImage() const {
  const QImage& image = Image();
  if (!transparent_ || image.isNull()) return image;
  const TColor key = ColorToRGB(TransparentColor());
  QImage masked = image.convertToFormat(QImage::Format_ARGB32);
  const QRgb keyRgb = qRgb(GetRValue(key), GetGValue(key), GetBValue(key));
  for (int y = 0; y < masked.height(); ++y) {
    auto* row = reinterpret_cast<QRgb*>(masked.scanLine(y));
    for (int x = 0; x < masked.width(); ++x)
      if ((row[x] & 0xFFFFFF) == (keyRgb & 0xFFFFFF)) row[x] = 0;
  }
  return masked;
}

void TBitmap::SetImage(const QImage& image) {
  ReleasePainter();
  *image_ = image.convertToFormat(QtFormat(format_));
  Changed();
}

void TBitmap::Changed() {
  if (OnChange) OnChange(this);
}

TCanvas* MeasureCanvas() {
  static TBitmap* scratch = new TBitmap(1, 1);
  return scratch->Canvas();
}
