// TCanvas::DrawKeptBands: a gradient drawn as bands of solid colour costs one
// fill per band, and a grid draws the same gradient in every fixed cell. The
// bands of one key are filled once into a picture, which is then drawn whole.
#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <atomic>
#include <cmath>
#include <unordered_map>

#include "platform/ui/canvas.h"
#include "platform/ui/qt_graphics.h"

namespace {

// Pictures larger than this are not kept (a window-wide gradient has few, large
// bands: filling them costs little next to keeping its picture).
constexpr qint64 kMaxPixels = 256 * 256;
// Pictures kept per thread; past that they are made afresh.
constexpr size_t kKept = 128;

// The caller's key and the area's size.
struct TSizedKey {
  TCanvas::TBandsKey Key;
  int Width = 0, Height = 0;
  bool operator==(const TSizedKey&) const = default;
};

struct TKeyHash {
  size_t operator()(const TSizedKey& k) const {
    size_t h = std::hash<int>()(k.Key.Kind);
    for (int v : {int(k.Key.From), int(k.Key.To), k.Key.Steps, int(k.Key.Horizontal), k.Width, k.Height})
      h = h * 1000003u ^ std::hash<int>()(v);
    return h;
  }
};

struct TKept {
  QImage Picture;
  TColor Last = clNone;
};

// Whether an image drawn through the painter lands pixel for pixel as the fills
// would: a pixel device, whole-pixel translation only, fully opaque drawing.
bool DrawsPixelsAsFills(QPainter& p) {
  const QPaintEngine* engine = p.paintEngine();
  if (!engine || engine->type() != QPaintEngine::Raster) return false;
  if (p.opacity() != 1.0) return false;
  const QTransform& t = p.deviceTransform();
  if (t.type() > QTransform::TxTranslate) return false;
  return t.dx() == std::floor(t.dx()) && t.dy() == std::floor(t.dy());
}

std::atomic<bool> keepBands{true};

}  // namespace

void TCanvas::SetKeepBands(bool on) { keepBands = on; }

bool TCanvas::DrawKeptBands(const TRect& area, const TBandsKey& key,
                            const std::function<TColor(std::vector<TBand>&)>& make, TColor& last) {
  if (!keepBands) return false;
  const int width = area.Right - area.Left, height = area.Bottom - area.Top;
  if (width <= 0 || height <= 0 || qint64(width) * height > kMaxPixels) return false;
  QPainter* p = Painter();
  if (!p || !DrawsPixelsAsFills(*p)) return false;
  thread_local std::unordered_map<TSizedKey, TKept, TKeyHash> kept;
  const TSizedKey sized{key, width, height};
  auto it = kept.find(sized);
  if (it == kept.end()) {
    if (kept.size() >= kKept) kept.clear();
    TKept made;
    std::vector<TBand> bands;
    made.Last = make(bands);
    // Unfilled pixels stay transparent: the picture leaves them as they are.
    made.Picture = QImage(width, height, QImage::Format_ARGB32_Premultiplied);
    made.Picture.fill(Qt::transparent);
    QPainter fill(&made.Picture);
    for (const TBand& b : bands) fill.fillRect(ToQRect(b.Rect), ToQColor(b.Color));
    fill.end();
    it = kept.emplace(sized, std::move(made)).first;
  }
  p->setCompositionMode(QPainter::CompositionMode_SourceOver);
  p->drawImage(QPoint(area.Left, area.Top), it->second.Picture);
  last = it->second.Last;
  return true;
}
