#include "grid/base/alpha_blur.h"

#include <QImage>
#include <algorithm>
#include <cmath>
#include <vector>

#include "platform/rtl/exceptions.h"
#include "platform/ui/canvas.h"

namespace {

constexpr int kMaxHalfSize = 10;
// Rows and columns this far from every edge are copies of row / column 15.
constexpr int kEdgeBand = 20;
constexpr int kCopiedLine = 15;

int TrimInt(int lo, int hi, int v) { return std::clamp(v, lo, hi); }
uint8_t TrimReal(double v) { return static_cast<uint8_t>(std::clamp(static_cast<int>(std::trunc(v)), 0, 255)); }

TRGBTriple* Row(TBitmap* b, int y) { return reinterpret_cast<TRGBTriple*>(b->ScanLine(y)); }

}  // namespace

TGaussianKernel MakeGaussianKernel(double Radius, int MaxData, int Granularity) {
  TGaussianKernel k;
  if (!(Radius > 0)) {
    // No blur: the middle weight alone.
    k.Weights[kMaxHalfSize] = 1;
    return k;
  }
  // 1. - 2.
  double w[2 * kMaxHalfSize + 1];
  double sum = 0;
  for (int j = -kMaxHalfSize; j <= kMaxHalfSize; ++j) {
    const double t = j / Radius;
    w[j + kMaxHalfSize] = std::exp(-t * t / 2);
    sum += w[j + kMaxHalfSize];
  }
  for (double& v : w) v /= sum;
  // 3. The ends that together stay below the granularity are dropped.
  int size = kMaxHalfSize;
  double total = 0;
  const double threshold = static_cast<double>(Granularity) / (2.0 * MaxData);
  while (total < threshold && size > 1) {
    total += 2 * w[size + kMaxHalfSize];
    --size;
  }
  k.Size = size;
  // 4.
  sum = 0;
  for (int j = -size; j <= size; ++j) sum += w[j + kMaxHalfSize];
  for (int j = -size; j <= size; ++j) k.Weights[static_cast<size_t>(j + kMaxHalfSize)] = static_cast<float>(w[j + kMaxHalfSize] / sum);
  return k;
}

void BlurRow(TRGBTriple* Pixels, int n, const TGaussianKernel& K, TRGBTriple* Scratch) {
  if (n <= 0) return;
  for (int j = 0; j < n; ++j) {
    double b = 0, g = 0, r = 0;
    for (int k = -K.Size; k <= K.Size; ++k) {
      const TRGBTriple& p = Pixels[TrimInt(0, n - 1, j - k)];
      const double w = K.Weight(k);
      b += w * p.B;
      g += w * p.G;
      r += w * p.R;
    }
    Scratch[j] = {TrimReal(b), TrimReal(g), TrimReal(r)};
  }
  std::copy(Scratch, Scratch + n, Pixels);
}

void BlurBitmap(TBitmap* Bitmap, double Radius) {
  // 1.
  if (!Bitmap || Bitmap->PixelFormat() != pf24bit) throw Exception(QStringLiteral("Blur only works for 24-bit bitmaps"));
  if (!(Radius > 0) || Bitmap->Empty()) return;
  const TGaussianKernel k = MakeGaussianKernel(Radius, 255, 1);
  const int width = Bitmap->Width();
  const int height = Bitmap->Height();
  std::vector<TRGBTriple*> rows(static_cast<size_t>(height));
  for (int y = 0; y < height; ++y) rows[static_cast<size_t>(y)] = Row(Bitmap, y);
  std::vector<TRGBTriple> scratch(static_cast<size_t>(std::max(width, height)));
  // 2. Rows, in order (row 15 is blurred before the rows that copy it).
  for (int y = 0; y < height; ++y) {
    if (y > kEdgeBand && y < height - kEdgeBand)
      std::copy(rows[kCopiedLine], rows[kCopiedLine] + width, rows[static_cast<size_t>(y)]);
    else
      BlurRow(rows[static_cast<size_t>(y)], width, k, scratch.data());
  }
  // 3. Columns.
  std::vector<TRGBTriple> column(static_cast<size_t>(height));
  for (int x = 0; x < width; ++x) {
    if (x > kEdgeBand && x < width - kEdgeBand) {
      for (int y = 0; y < height; ++y) rows[static_cast<size_t>(y)][x] = rows[static_cast<size_t>(y)][kCopiedLine];
      continue;
    }
    for (int y = 0; y < height; ++y) column[static_cast<size_t>(y)] = rows[static_cast<size_t>(y)][x];
    BlurRow(column.data(), height, k, scratch.data());
    for (int y = 0; y < height; ++y) rows[static_cast<size_t>(y)][x] = column[static_cast<size_t>(y)];
  }
}

void CreateRoundRectMask(TBitmap* Bitmap, int Width, int Height, int PenWidth, int CornerSize, double Radius) {
  Bitmap->SetPixelFormat(pf24bit);
  Bitmap->SetSize(Width, Height);
  TCanvas* c = Bitmap->Canvas();
  c->Brush()->SetStyle(bsSolid);
  c->Brush()->SetColor(clBlack);
  c->FillRect(Rect(0, 0, Width, Height));
  const int half = PenWidth / 2;
  if (PenWidth < 1) {
    c->Pen()->SetWidth(1);
    c->Pen()->SetColor(clWhite);
    c->Brush()->SetColor(clWhite);
  } else {
    c->Pen()->SetWidth(PenWidth);
    c->Pen()->SetColor(clWhite);
    c->Brush()->SetColor(clBlack);
  }
  c->RoundRect(half + 2, half + 2, Width - half - 2, Height - half - 2, CornerSize, CornerSize);
  c->Pen()->SetWidth(1);
  if (Radius > 0) BlurBitmap(Bitmap, Radius);
}

// ----- TGridAlphaMask -----

TGridAlphaMask::TGridAlphaMask() { SetPixelFormat(pf32bit); }

void TGridAlphaMask::MergeMask(TBitmap* Mask, TBitmap* Bitmap, TColor) {
  if (!Bitmap || Bitmap->PixelFormat() != pf24bit) return;
  SetPixelFormat(pf32bit);
  SetSize(Bitmap->Width(), Bitmap->Height());
  const bool maskUsable = Mask && Mask->PixelFormat() == pf24bit && !Mask->Empty();
  for (int y = 0; y < Height(); ++y) {
    const TRGBTriple* src = Row(Bitmap, y);
    const TRGBTriple* mask = maskUsable && y < Mask->Height() ? Row(Mask, y) : nullptr;
    uint8_t* dst = ScanLine(y);
    for (int x = 0; x < Width(); ++x) {
      const int alpha = mask && x < Mask->Width() ? mask[x].R : 0;
      dst[4 * x + 0] = static_cast<uint8_t>(std::lround(src[x].B * alpha / 255.0));
      dst[4 * x + 1] = static_cast<uint8_t>(std::lround(src[x].G * alpha / 255.0));
      dst[4 * x + 2] = static_cast<uint8_t>(std::lround(src[x].R * alpha / 255.0));
      dst[4 * x + 3] = static_cast<uint8_t>(alpha);
    }
  }
}

void TGridAlphaMask::Assign(const TPersistent* Source) {
  if (auto* other = dynamic_cast<const TGridAlphaMask*>(Source)) {
    if (other == this) return;
    Opacity = other->Opacity;
    SetPixelFormat(pf32bit);
    const QImage& src = other->Image();
    const int w = std::min(Width(), src.width());
    const int h = std::min(Height(), src.height());
    for (int y = 0; y < h; ++y) std::copy_n(src.constScanLine(y), 4 * w, ScanLine(y));
  } else {
    TBitmap::Assign(Source);
  }
  SetPixelFormat(pf32bit);
}

uint8_t TGridAlphaMask::Alpha(int X, int Y) const {
  const QImage& img = Image();
  if (X < 0 || Y < 0 || X >= img.width() || Y >= img.height()) return 0;
  return img.constScanLine(Y)[4 * X + 3];
}

TColor TGridAlphaMask::PixelColor(int X, int Y) const {
  const QImage& img = Image();
  if (X < 0 || Y < 0 || X >= img.width() || Y >= img.height()) return clBlack;
  const uint8_t* p = img.constScanLine(Y) + 4 * X;
  return RGB(p[2], p[1], p[0]);
}
