#include "platform/ui/image_data.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QPainter>

#include "platform/rtl/exceptions.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/canvas.h"
#include "platform/ui/qt_graphics.h"

namespace {

// Pictures larger than this are refused: a picture file names its own size, and a
// small hostile one could ask for gigabytes (or, animated, for a huge decode per
// frame). Cell pictures are far smaller.
constexpr int kMaxPixels = 4 * 1024 * 1024;

uint32_t Le32(const QByteArray& b, int at) {
  if (at + 4 > b.size()) return 0;
  return static_cast<uint8_t>(b[at]) | (static_cast<uint8_t>(b[at + 1]) << 8) |
         (static_cast<uint8_t>(b[at + 2]) << 16) | (static_cast<uint32_t>(static_cast<uint8_t>(b[at + 3])) << 24);
}

}  // namespace

bool IsMetafileData(const QByteArray& bytes) {
  // Placeable metafile key, a plain metafile header (type 1 or 2, header size 9
  // words), or an enhanced metafile (record type 1 with " EMF" at offset 40).
  if (Le32(bytes, 0) == 0x9AC6CDD7u) return true;
  if (bytes.size() >= 4 && (bytes[0] == 1 || bytes[0] == 2) && bytes[1] == 0 && bytes[2] == 9 && bytes[3] == 0)
    return true;
  return Le32(bytes, 0) == 1 && Le32(bytes, 40) == 0x464D4520u;
}

TImageData::TImageData() : image_(std::make_unique<QImage>()) {}
TImageData::~TImageData() = default;
TImageData::TImageData(const TImageData& other) : image_(std::make_unique<QImage>(*other.image_)) {}
TImageData& TImageData::operator=(const TImageData& other) {
  if (this != &other) *image_ = *other.image_;
  return *this;
}

bool TImageData::Decode(const QByteArray& bytes) {
  Clear();
  if (bytes.isEmpty() || IsMetafileData(bytes)) return false;
  QBuffer buffer;
  buffer.setData(bytes);
  if (!buffer.open(QIODevice::ReadOnly)) return false;
  QImageReader reader(&buffer);
  reader.setDecideFormatFromContent(true);
  reader.setAllocationLimit(kMaxPixels * 4 / (1024 * 1024));  // megabytes of 32-bit pixels
  const QSize size = reader.size();
  if (size.isValid() && static_cast<qint64>(size.width()) * size.height() > kMaxPixels) return false;
  QImage decoded;
  if (!reader.read(&decoded) || decoded.isNull()) return false;
  *image_ = decoded.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  return true;
}

void TImageData::Clear() { *image_ = QImage(); }
bool TImageData::Empty() const { return image_->isNull() || image_->width() == 0 || image_->height() == 0; }
int TImageData::Width() const { return image_->isNull() ? 0 : image_->width(); }
int TImageData::Height() const { return image_->isNull() ? 0 : image_->height(); }

void TImageData::Crop(const TRect& r) {
  if (Empty()) return;
  const QRect part = ToQRect(r).intersected(image_->rect());
  *image_ = part.isEmpty() ? QImage() : image_->copy(part);
}

void TImageData::Draw(TCanvas* canvas, int x, int y) const {
  if (Empty() || !canvas) return;
  QPainter* p = canvas->Painter();
  if (!p) return;
  p->setCompositionMode(QPainter::CompositionMode_SourceOver);
  p->drawImage(QPoint(x, y), *image_);
}

void TImageData::DrawClipped(TCanvas* canvas, int x, int y, const TRect& clip) const {
  if (Empty() || !canvas || IsRectEmpty(clip)) return;
  QPainter* p = canvas->Painter();
  if (!p) return;
  p->save();
  p->setClipRect(ToQRect(clip), Qt::IntersectClip);
  p->setCompositionMode(QPainter::CompositionMode_SourceOver);
  p->drawImage(QPoint(x, y), *image_);
  p->restore();
}

void TImageData::StretchDraw(TCanvas* canvas, const TRect& r) const {
  if (Empty() || !canvas || IsRectEmpty(r)) return;
  QPainter* p = canvas->Painter();
  if (!p) return;
  p->save();
  p->setCompositionMode(QPainter::CompositionMode_SourceOver);
  p->setRenderHint(QPainter::SmoothPixmapTransform, true);
  p->drawImage(ToQRect(r), *image_);
  p->restore();
}

void TImageData::CopyTo(TBitmap* bitmap) const {
  if (!bitmap) return;
  if (Empty()) return bitmap->Clear();
  QImage flat(image_->size(), QImage::Format_RGB32);
  flat.fill(Qt::white);
  QPainter p(&flat);
  p.drawImage(0, 0, *image_);
  p.end();
  bitmap->SetImage(flat);
}

void TImageData::SetFromBitmap(const TBitmap* bitmap) {
  if (!bitmap || bitmap->Empty()) return Clear();
  *image_ = bitmap->MaskedImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

const QImage& TImageData::Image() const { return *image_; }
void TImageData::SetImage(const QImage& image) {
  *image_ = image.isNull() ? QImage() : image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// --- icon ---

void TIcon::LoadFromFile(const QString& fileName) {
  QFile f(fileName);
  if (!f.open(QIODevice::ReadOnly) || !data_.Decode(f.readAll()))
    throw EFileError(QStringLiteral("Cannot load picture \"%1\"").arg(fileName));
}

void TIcon::LoadFromBytes(const QByteArray& bytes) { data_.Decode(bytes); }

void TIcon::Assign(const TPersistent* Source) {
  if (auto* i = dynamic_cast<const TIcon*>(Source)) {
    data_ = i->data_;
    return;
  }
  if (!Source) return data_.Clear();
  TPersistent::Assign(Source);
}
