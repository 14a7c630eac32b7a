#include "grid/dropdown/header_footer_settings.h"

void TBarButton::ButtonChanged() {
  // Every collection of bar buttons is a TBarButtons of this button's kind.
  if (auto* h = dynamic_cast<THeaderButtons*>(Collection())) h->DoChange();
  if (auto* f = dynamic_cast<TFooterButtons*>(Collection())) f->DoChange();
}

void TBarButton::SetCaption(const QString& value) {
  caption_ = value;
  ButtonChanged();
}

void TBarButton::SetEnabled(bool value) {
  enabled_ = value;
  ButtonChanged();
}

void TBarButton::SetWidth(int value) {
  width_ = value;
  ButtonChanged();
}

void TBarButton::CopyFrom(const TBarButton& source) {
  caption_ = source.caption_;
  ImageIndex = source.ImageIndex;
  enabled_ = source.enabled_;
  width_ = source.width_;
  Height = source.Height;
}

void THeaderButton::Assign(const TPersistent* Source) {
  if (auto* s = dynamic_cast<const THeaderButton*>(Source)) return CopyFrom(*s);
  TBarButton::Assign(Source);
}

void TFooterButton::Assign(const TPersistent* Source) {
  auto* s = dynamic_cast<const TFooterButton*>(Source);
  if (!s) return TBarButton::Assign(Source);
  CopyFrom(*s);
  ModalResult = s->ModalResult;
}

THeaderAppearance::THeaderAppearance(TPersistent* AOwner) : TBarAppearance(AOwner) {
  Font()->SetName(QStringLiteral("Tahoma"));
}

void THeaderAppearance::Assign(const TPersistent* Source) {
  auto* s = dynamic_cast<const THeaderAppearance*>(Source);
  if (!s || s == this) return;
  ColorTo = s->ColorTo;
  Color = s->Color;
  BorderColor = s->BorderColor;
  Caption = s->Caption;
  SetFont(s->Font());
  ImageIndex = s->ImageIndex;
  BorderWidth = s->BorderWidth;
  GradientDirection = s->GradientDirection;
  Height = s->Height;
  SetVisible(s->Visible());
  ButtonAlignment = s->ButtonAlignment;
  SetButtons(s->Buttons());
}

void TFooterAppearance::Assign(const TPersistent* Source) {
  auto* s = dynamic_cast<const TFooterAppearance*>(Source);
  if (!s || s == this) return;
  BorderColor = s->BorderColor;
  Color = s->Color;
  ColorTo = s->ColorTo;
  GradientDirection = s->GradientDirection;
  SetFont(s->Font());
  Caption = s->Caption;
  SizeGrip = s->SizeGrip;
  BorderWidth = s->BorderWidth;
  Height = s->Height;
  ImageIndex = s->ImageIndex;
  SetVisible(s->Visible());
  ButtonAlignment = s->ButtonAlignment;
  SetButtons(s->Buttons());
}
