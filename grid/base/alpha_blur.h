// The pictures of the grid's glowing focus frame: a Gaussian blur for 24-bit
// bitmaps (kernel, one row, the whole bitmap by its edge bands), a soft
// rounded-rectangle mask, and a 32-bit bitmap that merges a colour bitmap with a
// grey mask into premultiplied alpha.
#pragma once

#include <array>
#include <cstdint>

#include "platform/ui/bitmap.h"

// Weights for the offsets -10 .. +10 (index offset + 10) and the half-size in use.
struct TGaussianKernel {
  int Size = 1;
  std::array<float, 21> Weights{};
  float Weight(int offset) const { return Weights[static_cast<size_t>(offset + 10)]; }
};

// The kernel of Radius; weights below Granularity / (2 MaxData) at the ends are
// dropped. A radius that is not above 0 gives the identity kernel.
TGaussianKernel MakeGaussianKernel(double Radius, int MaxData = 255, int Granularity = 1);

// One pixel of a 24-bit row (blue, green, red).
struct TRGBTriple {
  uint8_t B = 0, G = 0, R = 0;
  bool operator==(const TRGBTriple&) const = default;
};

// Blurs the n pixels in place; positions beyond the ends take the end pixels.
// Scratch must hold n pixels.
void BlurRow(TRGBTriple* Pixels, int n, const TGaussianKernel& K, TRGBTriple* Scratch);

// Blurs a 24-bit bitmap in place by its 21-pixel edge bands: rows and columns
// more than 20 pixels from every edge become copies of row and column 15. Raises
// "Blur only works for 24-bit bitmaps" for another pixel format; a radius that
// is not above 0 leaves the bitmap unchanged.
void BlurBitmap(TBitmap* Bitmap, double Radius);

// A white rounded rectangle on black, Width x Height, 24-bit: filled when
// PenWidth is below 1, else an outline PenWidth wide; blurred by Radius when
// Radius is above 0.
void CreateRoundRectMask(TBitmap* Bitmap, int Width, int Height, int PenWidth, int CornerSize, double Radius);

// A 32-bit bitmap whose fourth byte is the alpha, shown with a constant opacity.
class TGridAlphaMask : public TBitmap {
public:
  TGridAlphaMask();
  uint8_t Opacity = 255;
  // Takes Bitmap's size; every pixel gets the alpha of Mask's red component
  // and Bitmap's colour multiplied by it. Nothing happens unless Bitmap is
  // 24-bit; pixels the mask does not cover (not 24-bit, or smaller) get alpha 0.
  void MergeMask(TBitmap* Mask, TBitmap* Bitmap, TColor Color);
  // From another mask: the opacity and the pixels the two sizes share; else the
  // bitmap's assignment. The result is 32-bit.
  void Assign(const TPersistent* Source) override;
  // The alpha and the premultiplied colour of a pixel.
  uint8_t Alpha(int X, int Y) const;
  TColor PixelColor(int X, int Y) const;
};
