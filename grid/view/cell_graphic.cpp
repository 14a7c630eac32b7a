#include "grid/view/cell_graphic.h"

#include <algorithm>
#include <cmath>

#include "grid/base/file_picture.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/image_data.h"
#include "platform/ui/shapes.h"

TCellGraphic::~TCellGraphic() { FreeOwned(); }

void TCellGraphic::FreeOwned() {
  switch (CellType) {
    case ctBitmap:
    case ctRadio:
    case ctPicture:
    case ctFilePicture:
    case ctBitButton:
      if (CellCreated) delete CellBitmap;
      break;
    case ctIcon:
      if (CellCreated) delete CellIcon;
      break;
    case ctImages:
    case ctBalloon:
      delete CellBitmap;
      break;
    case ctCheckBox:
    case ctDataCheckBox:
    case ctRadioButton:
      if (CellAngle == 1) delete CellBitmap;
      break;
    default:
      break;
  }
  CellBitmap = nullptr;
  CellIcon = nullptr;
  CellStrings = nullptr;
}

TStringList* TCellGraphic::Strings() const {
  if (auto* own = dynamic_cast<TCellStrings*>(CellBitmap)) return own;
  return CellStrings;
}

void TCellGraphic::Assign(const TPersistent* Source) {
  auto* s = dynamic_cast<const TCellGraphic*>(Source);
  if (!s || s == this) return;
  CellType = s->CellType;
  CellVAlign = s->CellVAlign;
  CellHAlign = s->CellHAlign;
  CellIndex = s->CellIndex;
  CellTransparent = s->CellTransparent;
  CellValue = s->CellValue;
  CellAngle = s->CellAngle;
  CellBoolean = s->CellBoolean;
  CellErrFrom = s->CellErrFrom;
  CellErrLen = s->CellErrLen;
  CellText = s->CellText;
  CellCreated = s->CellCreated;
}

void TCellGraphic::SetCheckBox(bool Value, bool Data, bool Flat, TCellHAlign hal, TCellVAlign val) {
  CellType = Data ? ctDataCheckBox : ctCheckBox;
  CellAngle = 0;
  CellBoolean = Value;
  CellTransparent = Flat;
  CellHAlign = hal;
  CellVAlign = val;
}

void TCellGraphic::SetCheckBox(TCheckBoxState Value, bool Flat, TCellHAlign hal, TCellVAlign val) {
  CellType = ctTriStateCheckBox;
  CellCheckBoxState = Value;
  CellBoolean = false;
  CellTransparent = Flat;
  CellHAlign = hal;
  CellVAlign = val;
}

void TCellGraphic::SetRadioButton(bool Value, bool Flat, TCellHAlign hal, TCellVAlign val) {
  CellType = ctRadioButton;
  CellAngle = 0;
  CellBoolean = Value;
  CellTransparent = Flat;
  CellHAlign = hal;
  CellVAlign = val;
}

void TCellGraphic::SetButton(int bw, int bh, const QString& caption, TCellHAlign hal, TCellVAlign val) {
  CellType = ctButton;
  CellIndex = static_cast<int>((static_cast<uint32_t>(bh) << 16) | (static_cast<uint32_t>(bw) & 0xFFFF));
  CellBoolean = false;
  CellText = caption;
  CellHAlign = hal;
  CellVAlign = val;
}

void TCellGraphic::SetBitButton(int bw, int bh, const QString& caption, TBitmap* Glyph, TCellHAlign hal,
                                TCellVAlign val) {
  SetButton(bw, bh, caption, hal, val);
  CellType = ctBitButton;
  CellBitmap = Glyph;
}

void TCellGraphic::SetPicture(TPicture* APicture, bool Transparent, TStretchMode StretchMode, int padding,
                              TCellHAlign hal, TCellVAlign val) {
  CellType = ctPicture;
  CellBitmap = APicture;
  CellTransparent = Transparent;
  CellAngle = StretchMode;
  CellIndex = padding;
  CellHAlign = hal;
  CellVAlign = val;
}

void TCellGraphic::SetBitmap(TBitmap* ABmp, bool Transparent, TCellHAlign hal, TCellVAlign val) {
  CellType = ctBitmap;
  CellBitmap = ABmp;
  CellTransparent = Transparent;
  CellHAlign = hal;
  CellVAlign = val;
}

void TCellGraphic::SetDataImage(int idx, TCellHAlign hal, TCellVAlign val) {
  CellType = ctDataImage;
  CellIndex = idx;
  CellHAlign = hal;
  CellVAlign = val;
}

void TCellGraphic::SetImageIdx(int idx, TCellHAlign hal, TCellVAlign val) {
  CellType = ctImageList;
  CellIndex = idx;
  CellHAlign = hal;
  CellVAlign = val;
}

void TCellGraphic::SetIcon(TIcon* aicon, TCellHAlign hal, TCellVAlign val) {
  CellType = ctIcon;
  CellIcon = aicon;
  CellHAlign = hal;
  CellVAlign = val;
}

void TCellGraphic::SetFilePicture(TFilePicture* APicture, bool Transparent, TStretchMode StretchMode, int padding,
                                  TCellHAlign hal, TCellVAlign val) {
  CellType = ctFilePicture;
  CellBitmap = APicture;
  CellTransparent = Transparent;
  CellAngle = StretchMode;
  CellIndex = padding;
  CellHAlign = hal;
  CellVAlign = val;
}

void TCellGraphic::SetMultiImage(int Col, int Row, int dir, TCellHAlign hal, TCellVAlign val,
                                 TImageChangeEvent Notifier) {
  CellType = ctImages;
  CellBoolean = dir == 0;
  auto* list = new TIntList(Col, Row);
  list->OnChange = std::move(Notifier);
  CellBitmap = list;
  CellCreated = true;
  CellHAlign = hal;
  CellVAlign = val;
}

void TCellGraphic::SetAngle(int16_t AAngle) {
  CellType = ctRotated;
  int a = AAngle;
  while (a < 0) a += 360;
  while (a > 360) a -= 360;
  CellAngle = a;
}

TCellVAlign CellVAlignOf(TVAlignment a) {
  switch (a) {
    case vtaCenter:
      return vaCenter;
    case vtaBottom:
      return vaBottom;
    default:
      return vaTop;
  }
}

TPoint TCellGraphic::FitPictureSize(int w, int h, int cw, int rh, int padding, TStretchMode mode) {
  cw -= padding;
  rh -= padding;
  auto aspect = [&](bool capAtOne) {
    double rx = w <= 0 ? 1 : double(cw) / w;
    double ry = h <= 0 ? 1 : double(rh) / h;
    if (capAtOne) {
      rx = std::min(rx, 1.0);
      ry = std::min(ry, 1.0);
    }
    if (rx < ry) return TPoint{cw, static_cast<int>(std::nearbyint(h * rx))};
    return TPoint{static_cast<int>(std::nearbyint(w * ry)), rh};
  };
  switch (mode) {
    case noStretch: return {w, h};
    case Stretch: return {cw, rh};
    case Shrink: return w > cw || h > rh ? TPoint{cw, rh} : TPoint{w, h};
    case StretchWithAspectRatio: return aspect(false);
    case ShrinkWithAspectRatio: return w <= cw && h <= rh ? TPoint{w, h} : aspect(true);
  }
  return {w, h};
}

TPoint TCellGraphic::GetPictureSize(int cw, int rh, bool) const {
  int w = 0, h = 0;
  if (auto* picture = dynamic_cast<TPicture*>(CellBitmap); picture && CellType == ctPicture) {
    w = picture->Width();
    h = picture->Height();
  } else if (auto* file = dynamic_cast<TFilePicture*>(CellBitmap); file && CellType == ctFilePicture) {
    w = file->Width();
    h = file->Height();
  } else {
    return {0, 0};
  }
  return FitPictureSize(w, h, cw, rh, CellIndex, static_cast<TStretchMode>(CellAngle));
}
