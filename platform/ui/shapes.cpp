#include "platform/ui/shapes.h"

#include <QWidget>

#include "platform/ui/qt_graphics.h"

TShape::TShape(TComponent* AOwner) : TGraphicControl(AOwner) {
  SetBounds(0, 0, 65, 65);
  pen_.OnChange = [this](TObject*) { Invalidate(); };
  brush_.OnChange = [this](TObject*) { Invalidate(); };
}

void TShape::SetShape(TShapeType value) {
  shape_ = value;
  Invalidate();
}

void TShape::Paint() {
  TCanvas* c = Canvas();
  c->SetPen(&pen_);
  c->SetBrush(&brush_);
  const int pw = pen_.Style() == psClear ? 0 : pen_.Width();
  const int x = pw / 2;
  const int y = x;
  int w = Width() - pw + 1;
  int h = Height() - pw + 1;
  if (pw == 0) {
    --w;
    --h;
  }
  if (w < h && (shape_ == stSquare || shape_ == stRoundSquare || shape_ == stCircle)) h = w;
  if (h < w && (shape_ == stSquare || shape_ == stRoundSquare || shape_ == stCircle)) w = h;
  int sx = x, sy = y;
  if (shape_ == stSquare || shape_ == stRoundSquare || shape_ == stCircle) {
    sx += (Width() - pw + 1 - w) / 2;
    sy += (Height() - pw + 1 - h) / 2;
  }
  switch (shape_) {
    case stRectangle:
    case stSquare: c->Rectangle(sx, sy, sx + w, sy + h); break;
    case stRoundRect:
    case stRoundSquare: c->RoundRect(sx, sy, sx + w, sy + h, std::min(w, h) / 4, std::min(w, h) / 4); break;
    case stEllipse:
    case stCircle: c->Ellipse(sx, sy, sx + w, sy + h); break;
  }
}

TPicture::TPicture() {
  bitmap_.OnChange = [this](TObject*) {
    if (OnChange) OnChange(this);
  };
}

void TPicture::LoadFromFile(const QString& fileName) { bitmap_.LoadFromFile(fileName); }

void TPicture::Assign(const TPersistent* Source) {
  if (auto* p = dynamic_cast<const TPicture*>(Source)) return bitmap_.Assign(p->bitmap_);
  if (auto* b = dynamic_cast<const TBitmap*>(Source)) return bitmap_.Assign(*b);
  if (!Source) return bitmap_.Clear();
  TPersistent::Assign(Source);
}

TImage::TImage(TComponent* AOwner) : TGraphicControl(AOwner) {
  SetBounds(0, 0, 105, 105);
  picture_.OnChange = [this](TObject*) { PictureChanged(); };
}

void TImage::PictureChanged() {
  if (auto_size_ && !picture_.Bitmap()->Empty()) SetBounds(Left(), Top(), picture_.Width(), picture_.Height());
  picture_.Bitmap()->SetTransparent(transparent_);
  Invalidate();
}

void TImage::SetStretch(bool value) {
  stretch_ = value;
  Invalidate();
}

void TImage::SetCenter(bool value) {
  center_ = value;
  Invalidate();
}

void TImage::SetTransparent(bool value) {
  transparent_ = value;
  picture_.Bitmap()->SetTransparent(value);
  Invalidate();
}

void TImage::SetAutoSize(bool value) {
  auto_size_ = value;
  PictureChanged();
}

void TImage::Paint() {
  TBitmap* b = picture_.Bitmap();
  if (b->Empty()) return;
  if (stretch_) return Canvas()->StretchDraw(ClientRect(), b);
  const int x = center_ ? (Width() - b->Width()) / 2 : 0;
  const int y = center_ ? (Height() - b->Height()) / 2 : 0;
  Canvas()->Draw(x, y, b);
}

void Frame3D(TCanvas* canvas, TRect& r, TColor topColor, TColor bottomColor, int width) {
  for (int i = 0; i < width; ++i) {
    canvas->Pen()->SetColor(topColor);
    canvas->Pen()->SetStyle(psSolid);
    canvas->MoveTo(r.Left, r.Bottom - 1);
    canvas->LineTo(r.Left, r.Top);
    canvas->LineTo(r.Right - 1, r.Top);
    canvas->Pen()->SetColor(bottomColor);
    canvas->LineTo(r.Right - 1, r.Bottom - 1);
    canvas->LineTo(r.Left - 1, r.Bottom - 1);
    InflateRect(r, -1, -1);
  }
}

TPanel::TPanel(TComponent* AOwner) : TCustomControl(AOwner) {
  SetControlStyle(ControlStyle() + csAcceptsControls + csOpaque);
  SetColor(clBtnFace);
  SetBounds(0, 0, 185, 41);
}

void TPanel::SetBevelOuter(TBevelCut value) {
  bevel_outer_ = value;
  Invalidate();
}

void TPanel::SetBevelInner(TBevelCut value) {
  bevel_inner_ = value;
  Invalidate();
}

void TPanel::SetBevelWidth(int value) {
  bevel_width_ = value;
  Invalidate();
}

void TPanel::SetAlignment(TAlignment value) {
  alignment_ = value;
  Invalidate();
}

void TPanel::ApplyColor() {
  QWidget* w = Widget();
  QPalette pal = w->palette();
  pal.setColor(QPalette::Window, ToQColor(Color()));
  w->setPalette(pal);
}

void TPanel::Paint() {
  TCanvas* c = Canvas();
  TRect r = ClientRect();
  c->Brush()->SetColor(Color());
  c->FillRect(r);
  auto bevel = [&](TBevelCut cut) {
    if (cut == bvNone) return;
    const TColor top = cut == bvLowered ? clBtnShadow : clBtnHighlight;
    const TColor bottom = cut == bvLowered ? clBtnHighlight : clBtnShadow;
    if (cut == bvSpace) Frame3D(c, r, Color(), Color(), bevel_width_);
    else Frame3D(c, r, top, bottom, bevel_width_);
  };
  bevel(bevel_outer_);
  bevel(bevel_inner_);
  if (Caption().isEmpty()) return;
  c->Brush()->SetStyle(bsClear);
  c->Font()->Assign(*Font());
  unsigned flags = DT_SINGLELINE | DT_VCENTER | DT_EXPANDTABS;
  if (alignment_ == taCenter) flags |= DT_CENTER;
  if (alignment_ == taRightJustify) flags |= DT_RIGHT;
  c->DrawText(Caption(), r, flags);
}
