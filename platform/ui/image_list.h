// The class library's image list (stands for TCustomImageList and TImageList):
// a numbered row of small pictures of one size, with transparency, drawn by
// index. Pictures added in another size are scaled to the list's size.
#pragma once

#include <memory>
#include <vector>

#include "platform/ui/component.h"
#include "platform/ui/graphics.h"
#include "platform/ui/image_data.h"

class TBitmap;
class TCanvas;

class TCustomImageList : public TComponent {
public:
  explicit TCustomImageList(TComponent* AOwner);
  ~TCustomImageList() override;

  int Width() const { return width_; }
  int Height() const { return height_; }
  // Changing the size empties the list, as the class library does.
  void SetWidth(int value);
  void SetHeight(int value);
  int Count() const { return static_cast<int>(images_.size()); }

  // Appends a picture; Mask (optional) marks with white the pixels that are
  // left out. Returns its index.
  int Add(TBitmap* Image, TBitmap* Mask = nullptr);
  // Appends a picture whose pixels of MaskColor are left out.
  int AddMasked(TBitmap* Image, TColor MaskColor);
  int AddImage(const TImageData& Image);
  void Delete(int Index);
  void Clear();

  // Draws picture Index at (X, Y); a disabled picture is drawn greyed. Nothing
  // for an index outside the list.
  void Draw(TCanvas* Canvas, int X, int Y, int Index, bool Enabled = true) const;
  void StretchDraw(TCanvas* Canvas, const TRect& R, int Index) const;
  // Copies picture Index into the bitmap (transparent pixels over white).
  bool GetBitmap(int Index, TBitmap* Image) const;

  TNotifyEvent OnChange;

private:
  void Changed();
  TImageData Fit(const TImageData& image) const;

  int width_ = 16;
  int height_ = 16;
  std::vector<TImageData> images_;
};

class TImageList : public TCustomImageList {
public:
  using TCustomImageList::TCustomImageList;
};
