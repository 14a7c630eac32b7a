// Painted controls of the class library: TShape (a rectangle, rounded rectangle or
// ellipse outlined with its pen and filled with its brush), TImage (a picture,
// loaded from a .bmp file) and TPanel (a bevelled container with a caption).
#pragma once

#include <memory>

#include "platform/ui/bitmap.h"
#include "platform/ui/control.h"

enum TShapeType { stRectangle, stSquare, stRoundRect, stRoundSquare, stEllipse, stCircle };

class TShape : public TGraphicControl {
public:
  explicit TShape(TComponent* AOwner);

  TShapeType Shape() const { return shape_; }
  void SetShape(TShapeType value);
  TPen* Pen() { return &pen_; }
  TBrush* Brush() { return &brush_; }

protected:
  void Paint() override;

private:
  TShapeType shape_ = stRectangle;
  TPen pen_;
  TBrush brush_;
};

// A picture held by a TImage (stands for TPicture); every format is kept as a bitmap.
class TPicture : public TPersistent {
public:
  TPicture();
  // Raises EFileError when the file cannot be read.
  void LoadFromFile(const QString& fileName);
  TBitmap* Bitmap() { return &bitmap_; }
  int Width() const { return bitmap_.Width(); }
  int Height() const { return bitmap_.Height(); }
  void Assign(const TPersistent* Source) override;

  TNotifyEvent OnChange;

private:
  TBitmap bitmap_;
};

class TImage : public TGraphicControl {
public:
  explicit TImage(TComponent* AOwner);

  TPicture* Picture() { return &picture_; }
  bool Stretch() const { return stretch_; }
  void SetStretch(bool value);
  bool Center() const { return center_; }
  void SetCenter(bool value);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool value);
  bool AutoSize() const { return auto_size_; }
  void SetAutoSize(bool value);

protected:
  void Paint() override;

private:
  void PictureChanged();

  TPicture picture_;
  bool stretch_ = false;
  bool center_ = false;
  bool transparent_ = false;
  bool auto_size_ = false;
};

enum TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };

class TPanel : public TCustomControl {
public:
  explicit TPanel(TComponent* AOwner);

  TBevelCut BevelOuter() const { return bevel_outer_; }
  void SetBevelOuter(TBevelCut value);
  TBevelCut BevelInner() const { return bevel_inner_; }
  void SetBevelInner(TBevelCut value);
  int BevelWidth() const { return bevel_width_; }
  void SetBevelWidth(int value);
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment value);

protected:
  void Paint() override;
  void ApplyColor() override;

private:
  TBevelCut bevel_outer_ = bvRaised;
  TBevelCut bevel_inner_ = bvNone;
  int bevel_width_ = 1;
  TAlignment alignment_ = taCenter;
};

// Draws a 3D frame of `width` pixels just inside `r` (top-left in `topColor`,
// bottom-right in `bottomColor`) and shrinks `r` by it.
void Frame3D(TCanvas* canvas, TRect& r, TColor topColor, TColor bottomColor, int width);
