#include "platform/ui/canvas.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPolygon>
#include <cmath>
#include <cstdlib>

#include "platform/ui/bitmap.h"
#include "platform/ui/qt_graphics.h"

namespace {

Qt::PenStyle QtPenStyle(TPenStyle style) {
  switch (style) {
    case psDash: return Qt::DashLine;
    case psDot: return Qt::DotLine;
    case psDashDot: return Qt::DashDotLine;
    case psDashDotDot: return Qt::DashDotDotLine;
    case psClear: return Qt::NoPen;
    default: return Qt::SolidLine;
  }
}

QPainter::CompositionMode QtPenMode(TPenMode mode) {
  switch (mode) {
    case pmNot: return QPainter::RasterOp_NotDestination;
    case pmXor: return QPainter::RasterOp_SourceXorDestination;
    case pmNotXor: return QPainter::RasterOp_NotSourceXorDestination;
    default: return QPainter::CompositionMode_SourceOver;
  }
}

Qt::BrushStyle QtBrushStyle(TBrushStyle style) {
  switch (style) {
    case bsClear: return Qt::NoBrush;
    case bsHorizontal: return Qt::HorPattern;
    case bsVertical: return Qt::VerPattern;
    case bsFDiagonal: return Qt::FDiagPattern;
    case bsBDiagonal: return Qt::BDiagPattern;
    case bsCross: return Qt::CrossPattern;
    case bsDiagCross: return Qt::DiagCrossPattern;
    default: return Qt::SolidPattern;
  }
}

int Sign(int v) { return (v > 0) - (v < 0); }

// The pixels of a one-pixel line from `from` to `to`, end point excluded.
QList<QPoint> LinePixels(TPoint from, TPoint to) {
  QList<QPoint> points;
  int x = from.X, y = from.Y;
  const int dx = std::abs(to.X - from.X), dy = -std::abs(to.Y - from.Y);
  const int sx = Sign(to.X - from.X), sy = Sign(to.Y - from.Y);
  int err = dx + dy;
  while (x != to.X || y != to.Y) {
    points.append(QPoint(x, y));
    const int e2 = 2 * err;
    if (e2 >= dy) {
      err += dy;
      x += sx;
    }
    if (e2 <= dx) {
      err += dx;
      y += sy;
    }
  }
  return points;
}

// Whether this pen draws solid one-pixel lines on whole pixels: a straight
// line of it covers the same pixels as a one-pixel-wide fill.
bool SolidThinPen(const TPen& pen, const QPainter& p) {
  if (pen.Style() != psSolid || pen.Mode() != pmCopy || pen.Width() > 1 || pen.Color() == clNone) return false;
  if (p.testRenderHint(QPainter::Antialiasing)) return false;
  const QTransform& t = p.deviceTransform();
  if (t.type() > QTransform::TxTranslate) return false;
  return t.dx() == std::floor(t.dx()) && t.dy() == std::floor(t.dy());
}

// Whether a Rectangle with this pen is a one-pixel outline on whole pixels, which
// covers exactly the rectangle's edge pixels (left..right-1, top..bottom-1), so
// that fills draw the same pixels as stroking it. A single pixel is left out: the
// outline of a rectangle without extent draws nothing.
bool ThinOutline(const TPen& pen, const QPainter& p, int width, int height) {
  return !(width == 1 && height == 1) && SolidThinPen(pen, p);
}

}  // namespace

TCanvas::TCanvas() = default;

TCanvas::~TCanvas() { ReleasePainter(); }

void TCanvas::BindPainter(QPainter* painter) {
  ReleasePainter();
  external_ = painter;
  image_ = nullptr;
  has_clip_ = false;
}

void TCanvas::BindImage(QImage* image) {
  ReleasePainter();
  external_ = nullptr;
  image_ = image;
  has_clip_ = false;
}

void TCanvas::ReleasePainter() {
  if (!own_) return;
  own_->end();
  own_.reset();
}

QPainter* TCanvas::Painter() {
  if (external_) return external_;
  if (!image_ || image_->isNull()) return nullptr;
  if (!own_) {
    own_ = std::make_unique<QPainter>(image_);
    own_->setRenderHint(QPainter::Antialiasing, false);
    own_->setRenderHint(QPainter::TextAntialiasing, true);
    if (has_clip_) own_->setClipRect(ToQRect(clip_));
  }
  return own_.get();
}

QImage* TCanvas::TargetImage() {
  if (image_) return image_;
  if (external_ && external_->device() && external_->device()->devType() == QInternal::Image)
    return static_cast<QImage*>(external_->device());
  return nullptr;
}

void TCanvas::ApplyPen(QPainter& p) {
  if (pen_.Style() == psClear || pen_.Color() == clNone) {
    p.setPen(Qt::NoPen);
  } else {
    // One-pixel pens cover whole pixels up to the end points; wider pens have round
    // ends, as the window system's.
    const bool thin = pen_.Width() <= 1;
    QPen pen(ToQColor(pen_.Color()), std::max(1, pen_.Width()), QtPenStyle(pen_.Style()),
             thin ? Qt::SquareCap : Qt::RoundCap, thin ? Qt::MiterJoin : Qt::RoundJoin);
    p.setPen(pen);
  }
  p.setCompositionMode(QtPenMode(pen_.Mode()));
}

void TCanvas::ApplyBrush(QPainter& p) {
  if (brush_.Style() == bsClear || brush_.Color() == clNone) {
    p.setBrush(Qt::NoBrush);
    return;
  }
  p.setBrush(QBrush(ToQColor(brush_.Color()), QtBrushStyle(brush_.Style())));
}

void TCanvas::FillRect(const TRect& r) {
  QPainter* p = Painter();
  if (!p || IsRectEmpty(r) || brush_.Style() == bsClear || brush_.Color() == clNone) return;
  p->setCompositionMode(QPainter::CompositionMode_SourceOver);
  // A solid brush is its colour: the painter fills a colour without setting up a brush.
  if (brush_.Style() == bsSolid) p->fillRect(ToQRect(r), ToQColor(brush_.Color()));
  else p->fillRect(ToQRect(r), QBrush(ToQColor(brush_.Color()), QtBrushStyle(brush_.Style())));
}

void TCanvas::FrameRect(const TRect& r) {
  QPainter* p = Painter();
  if (!p || IsRectEmpty(r) || brush_.Color() == clNone) return;
  p->setCompositionMode(QPainter::CompositionMode_SourceOver);
  const QColor c = ToQColor(brush_.Color());
  p->fillRect(QRect(r.Left, r.Top, r.Width(), 1), c);
  p->fillRect(QRect(r.Left, r.Bottom - 1, r.Width(), 1), c);
  p->fillRect(QRect(r.Left, r.Top, 1, r.Height()), c);
  p->fillRect(QRect(r.Right - 1, r.Top, 1, r.Height()), c);
}

void TCanvas::Rectangle(int left, int top, int right, int bottom) {
  QPainter* p = Painter();
  if (!p || right <= left || bottom <= top) return;
  const bool solidBrush = brush_.Style() == bsSolid && brush_.Color() != clNone;
  if (ThinOutline(pen_, *p, right - left, bottom - top) && (solidBrush || brush_.Style() == bsClear)) {
    // The inside in the brush colour, then the edge pixels in the pen colour.
    p->setCompositionMode(QPainter::CompositionMode_SourceOver);
    const QRect whole(left, top, right - left, bottom - top);
    if (solidBrush) p->fillRect(whole, ToQColor(brush_.Color()));
    if (!solidBrush || pen_.Color() != brush_.Color()) {
      const QColor edge = ToQColor(pen_.Color());
      p->fillRect(QRect(left, top, right - left, 1), edge);
      p->fillRect(QRect(left, bottom - 1, right - left, 1), edge);
      p->fillRect(QRect(left, top, 1, bottom - top), edge);
      p->fillRect(QRect(right - 1, top, 1, bottom - top), edge);
    }
    return;
  }
  ApplyPen(*p);
  ApplyBrush(*p);
  if (p->pen().style() == Qt::NoPen) {
    // Without a pen the window system fills one pixel less on the right and bottom.
    if (p->brush().style() != Qt::NoBrush) p->fillRect(QRect(left, top, right - left - 1, bottom - top - 1), p->brush());
    return;
  }
  p->drawRect(QRect(left, top, right - left - 1, bottom - top - 1));
}

void TCanvas::RoundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight) {
  QPainter* p = Painter();
  if (!p || right <= left || bottom <= top) return;
  ApplyPen(*p);
  ApplyBrush(*p);
  p->drawRoundedRect(QRect(left, top, right - left - 1, bottom - top - 1), cornerWidth / 2.0, cornerHeight / 2.0);
}

void TCanvas::Ellipse(int left, int top, int right, int bottom) {
  QPainter* p = Painter();
  if (!p || right <= left || bottom <= top) return;
  ApplyPen(*p);
  ApplyBrush(*p);
  p->drawEllipse(QRect(left, top, right - left - 1, bottom - top - 1));
}

void TCanvas::Polygon(const std::vector<TPoint>& points) {
  QPainter* p = Painter();
  if (!p || points.empty()) return;
  QPolygon poly;
  for (TPoint pt : points) poly << ToQPoint(pt);
  ApplyPen(*p);
  ApplyBrush(*p);
  p->drawPolygon(poly);
}

void TCanvas::Polyline(const std::vector<TPoint>& points) {
  if (points.empty()) return;
  MoveTo(points[0].X, points[0].Y);
  for (size_t i = 1; i < points.size(); ++i) LineTo(points[i].X, points[i].Y);
}

void TCanvas::MoveTo(int x, int y) { pen_pos_ = {x, y}; }

void TCanvas::LineTo(int x, int y) {
  const TPoint from = pen_pos_;
  pen_pos_ = {x, y};
  QPainter* p = Painter();
  if (!p || from == pen_pos_) return;
  // The grid lines of every cell take this way: no pen to set up for them.
  if (FillStraightThinLine(*p, from, pen_pos_)) return;
  ApplyPen(*p);
  if (p->pen().style() == Qt::NoPen) return;
  StrokeLine(*p, from, pen_pos_);
}

bool TCanvas::FillStraightThinLine(QPainter& p, TPoint from, TPoint to) {
  if (from.X != to.X && from.Y != to.Y) return false;
  const TPoint last{to.X - Sign(to.X - from.X), to.Y - Sign(to.Y - from.Y)};
  if (last == from || !SolidThinPen(pen_, p)) return false;
  // The pixels from the start to the one before the end, as one fill.
  p.setCompositionMode(QPainter::CompositionMode_SourceOver);
  p.fillRect(QRect(QPoint(std::min(from.X, last.X), std::min(from.Y, last.Y)),
                   QPoint(std::max(from.X, last.X), std::max(from.Y, last.Y))),
             ToQColor(pen_.Color()));
  return true;
}

void TCanvas::StrokeLine(QPainter& p, TPoint from, TPoint to) {
  if (pen_.Width() > 1) {
    p.drawLine(ToQPoint(from), ToQPoint(to));
    return;
  }
  if (FillStraightThinLine(p, from, to)) return;
  if (from.X == to.X || from.Y == to.Y) {
    p.drawLine(ToQPoint(from), ToQPoint(TPoint{to.X - Sign(to.X - from.X), to.Y - Sign(to.Y - from.Y)}));
    return;
  }
  const QList<QPoint> pixels = LinePixels(from, to);
  if (pen_.Style() == psSolid || pen_.Style() == psInsideFrame) {
    p.drawPoints(pixels.data(), static_cast<int>(pixels.size()));
    return;
  }
  p.drawLine(pixels.front(), pixels.back());
}

void TCanvas::TextBackground(QPainter& p, const TRect& r) {
  if (brush_.Style() == bsClear || brush_.Color() == clNone || IsRectEmpty(r)) return;
  p.setCompositionMode(QPainter::CompositionMode_SourceOver);
  p.fillRect(ToQRect(r), ToQColor(brush_.Color()));
}

void TCanvas::TextOut(int x, int y, const QString& text) {
  QPainter* p = Painter();
  const int width = TextWidth(text);
  pen_pos_ = {x + width, y};
  if (!p) return;
  const QFont qf = ToQFont(font_);
  const QFontMetrics fm(qf);
  p->save();
  if (font_.Orientation() != 0) {
    p->translate(x, y);
    p->rotate(-font_.Orientation() / 10.0);
    p->translate(-x, -y);
  }
  TextBackground(*p, Bounds(x, y, width, fm.height()));
  p->setCompositionMode(QPainter::CompositionMode_SourceOver);
  p->setFont(qf);
  p->setPen(ToQColor(font_.Color()));
  p->drawText(QPoint(x, y + fm.ascent()), text);
  p->restore();
}

void TCanvas::TextRect(const TRect& r, int x, int y, const QString& text) {
  QPainter* p = Painter();
  if (!p) return;
  const QFont qf = ToQFont(font_);
  const QFontMetrics fm(qf);
  p->save();
  p->setClipRect(ToQRect(r), Qt::IntersectClip);
  TextBackground(*p, r);
  if (font_.Orientation() != 0) {  // a turned font turns the text about its start point
    p->translate(x, y);
    p->rotate(-font_.Orientation() / 10.0);
    p->translate(-x, -y);
  }
  p->setCompositionMode(QPainter::CompositionMode_SourceOver);
  p->setFont(qf);
  p->setPen(ToQColor(font_.Color()));
  p->drawText(QPoint(x, y + fm.ascent()), text);
  p->restore();
}

int TCanvas::TextWidth(const QString& text) { return QFontMetrics(ToQFont(font_)).horizontalAdvance(text); }

int TCanvas::TextHeight(const QString&) { return QFontMetrics(ToQFont(font_)).height(); }

TSize TCanvas::TextExtent(const QString& text) { return {TextWidth(text), TextHeight(text)}; }

void TCanvas::Draw(int x, int y, TBitmap* bitmap) {
  if (!bitmap || bitmap->Empty()) return;
  QImage source = bitmap->MaskedImage();
  if (&bitmap->Image() == image_) source = source.copy();
  QPainter* p = Painter();
  if (!p) return;
  p->setCompositionMode(QPainter::CompositionMode_SourceOver);
  p->drawImage(QPoint(x, y), source);
}

void TCanvas::StretchDraw(const TRect& r, TBitmap* bitmap) {
  if (!bitmap || bitmap->Empty() || IsRectEmpty(r)) return;
  QImage source = bitmap->MaskedImage();
  if (&bitmap->Image() == image_) source = source.copy();
  QPainter* p = Painter();
  if (!p) return;
  p->setCompositionMode(QPainter::CompositionMode_SourceOver);
  p->drawImage(ToQRect(r), source);
}

void TCanvas::CopyRect(const TRect& dest, TCanvas* source, const TRect& sourceRect) {
  if (!source || IsRectEmpty(dest) || IsRectEmpty(sourceRect)) return;
  source->ReleasePainter();
  QImage* from = source->TargetImage();
  if (!from) return;
  const QImage part = from->copy(ToQRect(sourceRect));
  QPainter* p = Painter();
  if (!p) return;
  p->setCompositionMode(QPainter::CompositionMode_SourceOver);
  p->drawImage(ToQRect(dest), part);
}

void TCanvas::DrawFocusRect(const TRect& r) {
  QPainter* p = Painter();
  if (!p || IsRectEmpty(r)) return;
  // Every second pixel of the outline, in a checkerboard pattern, inverted.
  QList<QPoint> dots;
  auto add = [&](int x, int y) {
    if (((x + y) & 1) == 0) dots.append(QPoint(x, y));
  };
  for (int x = r.Left; x < r.Right; ++x) add(x, r.Top);
  if (r.Height() > 1)
    for (int x = r.Left; x < r.Right; ++x) add(x, r.Bottom - 1);
  for (int y = r.Top + 1; y < r.Bottom - 1; ++y) {
    add(r.Left, y);
    if (r.Width() > 1) add(r.Right - 1, y);
  }
  p->save();
  p->setCompositionMode(QPainter::RasterOp_SourceXorDestination);
  p->setPen(QPen(Qt::white, 1));
  p->drawPoints(dots.data(), static_cast<int>(dots.size()));
  p->restore();
}

TColor TCanvas::Pixel(int x, int y) {
  ReleasePainter();
  QImage* image = TargetImage();
  if (!image || !image->valid(x, y)) return clNone;
  return FromQColor(image->pixelColor(x, y));
}

void TCanvas::SetPixel(int x, int y, TColor color) {
  if (image_) {
    ReleasePainter();
    if (image_->valid(x, y)) image_->setPixelColor(x, y, ToQColor(color));
    return;
  }
  QPainter* p = Painter();
  if (!p) return;
  p->setCompositionMode(QPainter::CompositionMode_SourceOver);
  p->fillRect(QRect(x, y, 1, 1), ToQColor(color));
}

void TCanvas::SetClipRect(const TRect& r) {
  has_clip_ = true;
  clip_ = r;
  if (QPainter* p = Painter()) p->setClipRect(ToQRect(r));
}

void TCanvas::IntersectClipRect(const TRect& r) {
  if (!has_clip_) return SetClipRect(r);
  TRect common;
  IntersectRect(common, clip_, r);
  SetClipRect(common);
}

void TCanvas::RemoveClip() {
  has_clip_ = false;
  if (QPainter* p = Painter()) p->setClipping(false);
}
