// A decoded picture file with its transparency (stands for the system's picture
// object that the OLE picture loader makes from a stream of picture-file bytes,
// and for the image of an icon): decoded by the image readers Qt has (BMP, ICO,
// JPEG, GIF, PNG and the rest installed), drawn onto a canvas at its size or
// stretched. Sizes are pixels at 96 pixels per inch. Metafiles (WMF, EMF) have
// no reader here and decode to nothing.
#pragma once

#include <QByteArray>
#include <QString>
#include <memory>

#include "platform/rtl/object.h"
#include "platform/ui/graphics.h"

class QImage;
class TCanvas;
class TBitmap;

class TImageData {
public:
  TImageData();
  ~TImageData();
  TImageData(const TImageData& other);
  TImageData& operator=(const TImageData& other);

  // Decodes the bytes of a picture file; false (and empty) when no reader takes
  // them or the picture has no pixels.
  bool Decode(const QByteArray& bytes);
  void Clear();
  bool Empty() const;
  int Width() const;
  int Height() const;
  // Keeps only the part within r (clipped to the picture).
  void Crop(const TRect& r);
  // At (x, y) in its own size; with a clip, only what falls inside it.
  void Draw(TCanvas* canvas, int x, int y) const;
  void DrawClipped(TCanvas* canvas, int x, int y, const TRect& clip) const;
  void StretchDraw(TCanvas* canvas, const TRect& r) const;
  // A copy into a bitmap (transparent pixels over white).
  void CopyTo(TBitmap* bitmap) const;
  void SetFromBitmap(const TBitmap* bitmap);

  // --- platform ---
  const QImage& Image() const;
  void SetImage(const QImage& image);

private:
  std::unique_ptr<QImage> image_;
};

// Whether the bytes are a Windows metafile or an enhanced metafile, which no
// reader of this platform draws.
bool IsMetafileData(const QByteArray& bytes);

// An icon (stands for TIcon): one picture with transparency, loaded from an
// icon or any other picture file.
class TIcon : public TPersistent {
public:
  // Raises EFileError when the file cannot be read as a picture.
  void LoadFromFile(const QString& fileName);
  void LoadFromBytes(const QByteArray& bytes);
  int Width() const { return data_.Width(); }
  int Height() const { return data_.Height(); }
  bool Empty() const { return data_.Empty(); }
  void Assign(const TPersistent* Source) override;
  TImageData& Data() { return data_; }
  const TImageData& Data() const { return data_; }

private:
  TImageData data_;
};
