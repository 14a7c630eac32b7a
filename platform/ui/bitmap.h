// The class library's bitmap (stands for TBitmap): an image in memory with a
// canvas, pixel and scan-line access, and an optional transparent key colour
// (automatic: the bottom-left pixel). Kept as a QImage: 24-bit rows are B,G,R
// bytes and 32-bit rows B,G,R,A bytes, the byte order of the class library's
// device-independent bitmaps.
#pragma once

#include <QString>
#include <memory>

#include "platform/rtl/object.h"
#include "platform/ui/graphics.h"

class QImage;
class TCanvas;

enum TPixelFormat { pf24bit, pf32bit };
enum TTransparentMode { tmAuto, tmFixed };

class TBitmap : public TPersistent {
public:
  TBitmap();
  TBitmap(int width, int height);
  ~TBitmap() override;
  TBitmap(const TBitmap&) = delete;
  TBitmap& operator=(const TBitmap&) = delete;

  int Width() const;
  int Height() const;
  // New pixels are white; pixels inside the old size are kept.
  void SetSize(int width, int height);
  void SetWidth(int value) { SetSize(value, Height()); }
  void SetHeight(int value) { SetSize(Width(), value); }
  bool Empty() const;
  // Drops the picture: 0 x 0.
  void Clear();

  TPixelFormat PixelFormat() const { return format_; }
  void SetPixelFormat(TPixelFormat value);

  TCanvas* Canvas();

  bool Transparent() const { return transparent_; }
  void SetTransparent(bool value);
  // The key colour; in tmAuto the bottom-left pixel (clNone for an empty bitmap).
  TColor TransparentColor() const;
  // Setting a colour switches to tmFixed.
  void SetTransparentColor(TColor value);
  TTransparentMode TransparentMode() const { return mode_; }
  void SetTransparentMode(TTransparentMode value) { mode_ = value; }

  // Start of pixel row y (see the class comment for the byte order).
  uint8_t* ScanLine(int y);

  // Loads a picture file (.bmp and the other formats Qt reads); raises EFileError
  // when the file cannot be read.
  void LoadFromFile(const QString& fileName);
  void SaveToFile(const QString& fileName);
  // Loads a picture compiled into the program (Qt resource ":/bitmaps/<name>.bmp"
  // or ".png"); raises EFileError when there is none.
  void LoadFromResourceName(const QString& name);

  void Assign(const TPersistent* Source) override;
  void Assign(const TBitmap& source);

  TNotifyEvent OnChange;

  // --- platform ---
  // The pixels, with the canvas's own painter ended first.
  QImage& Image();
  const QImage& Image() const;
  // The picture with the key colour's pixels cleared to no alpha (the picture
  // itself when not transparent).
  QImage MaskedImage() const;
  void SetImage(const QImage& image);

private:
  void Changed();
  void ReleasePainter() const;

  std::unique_ptr<QImage> image_;
  std::unique_ptr<TCanvas> canvas_;
  TPixelFormat format_ = pf24bit;
  bool transparent_ = false;
  TTransparentMode mode_ = tmAuto;
  TColor transparent_color_ = clNone;
};
