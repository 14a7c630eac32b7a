#include "grid/data/floating_footer.h"

#include "grid/view/settings_host.h"

void TFloatingFooter::Layout() {
  if (owner_) owner_->HostFloatingFooterLayout();
}

void TFloatingFooter::Invalidate() {
  if (owner_) owner_->HostRepaintFooterPanel();
}

void TFloatingFooter::SetVisible(bool value) {
  visible_ = value;
  Layout();
}

void TFloatingFooter::SetFooterStyle(TFooterStyle value) {
  footerStyle_ = value;
  Layout();
}

void TFloatingFooter::SetHeight(int value) {
  height_ = value;
  Layout();
}

void TFloatingFooter::SetColor(TColor value) {
  color_ = value;
  Invalidate();
}

void TFloatingFooter::SetBorderColor(TColor value) {
  if (borderColor_ == value) return;
  borderColor_ = value;
  Invalidate();
}

void TFloatingFooter::SetColumn(int value) {
  column_ = value;
  Invalidate();
}

void TFloatingFooter::SetCustomTemplate(const QString& value) {
  customTemplate_ = value;
  Invalidate();
}

void TFloatingFooter::SetShowHint(bool value) {
  showHint_ = value;
  Invalidate();
}

void TFloatingFooter::Assign(const TPersistent* Source) {
  auto* s = dynamic_cast<const TFloatingFooter*>(Source);
  if (!s || s == this) return;
  CalculateHiddenRows = s->CalculateHiddenRows;
  color_ = s->color_;
  column_ = s->column_;
  customTemplate_ = s->customTemplate_;
  footerStyle_ = s->footerStyle_;
  SetVisible(s->visible_);
  showHint_ = s->showHint_;
}

TColumnCalcType TFloatingFooter::GetColumnCalc(int c) const { return owner_ ? owner_->HostColumnCalc(c) : acNONE; }

void TFloatingFooter::SetColumnCalc(int c, TColumnCalcType Value) {
  if (owner_) owner_->HostSetColumnCalc(c, Value);
}
