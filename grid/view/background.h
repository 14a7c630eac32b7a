// The grid's background picture or gradient (TBackGround): position, tiling or
// gradient kind, which cells it covers, two colours and the picture. Every
// setter repaints the grid, also when the value does not change.
#pragma once

#include <memory>

#include "platform/rtl/object.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/graphics.h"

class TGridSettingsHost;

enum TBackGroundDisplay { bdTile, bdFixed, bdGradientHorz, bdGradientVert };
enum TBackGroundCells { bcNormal, bcFixed, bcAll };

class TBackGround : public TPersistent {
public:
  explicit TBackGround(TGridSettingsHost* AOwner);
  ~TBackGround() override;

  int Top() const { return top_; }
  void SetTop(int value);
  int Left() const { return left_; }
  void SetLeft(int value);
  TBackGroundDisplay Display() const { return display_; }
  void SetDisplay(TBackGroundDisplay value);
  TBackGroundCells Cells() const { return cells_; }
  void SetCells(TBackGroundCells value);
  TColor Color() const { return color_; }
  void SetColor(TColor value);
  TColor ColorTo() const { return colorTo_; }
  void SetColorTo(TColor value);
  // The owned picture; setting copies the given bitmap in.
  TBitmap* Bitmap() const { return bitmap_.get(); }
  void SetBitmap(const TBitmap* value);

  // The grid's own copy of another background (the grid's BackGround setter).
  void CopyFrom(const TBackGround& source);

private:
  void Repaint();

  TGridSettingsHost* owner_;
  int top_ = 0;
  int left_ = 0;
  TBackGroundDisplay display_ = bdTile;
  TBackGroundCells cells_ = bcNormal;
  TColor color_ = clWindow;
  TColor colorTo_ = clBtnFace;
  std::unique_ptr<TBitmap> bitmap_;
};
