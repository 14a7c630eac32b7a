#include "grid/base/bands.h"

void TBands::ChangedWhileActive() {
  if (active_ && OnChange) OnChange(this);
}

void TBands::SetActive(bool v) {
  if (active_ == v) return;
  active_ = v;
  if (OnChange) OnChange(this);
}

void TBands::SetPrimaryLength(int v) {
  if (primaryLength_ == v) return;
  primaryLength_ = v;
  totalLength_ = primaryLength_ + secondaryLength_;
  ChangedWhileActive();
}

void TBands::SetSecondaryLength(int v) {
  if (secondaryLength_ == v) return;
  secondaryLength_ = v;
  totalLength_ = primaryLength_ + secondaryLength_;
  ChangedWhileActive();
}

void TBands::SetPrimaryColor(TColor v) {
  if (primaryColor_ == v) return;
  primaryColor_ = v;
  ChangedWhileActive();
}

void TBands::SetSecondaryColor(TColor v) {
  if (secondaryColor_ == v) return;
  secondaryColor_ = v;
  ChangedWhileActive();
}

void TBands::Assign(const TPersistent* Source) {
  const auto* s = dynamic_cast<const TBands*>(Source);
  if (!s) return;
  active_ = s->active_;
  primaryColor_ = s->primaryColor_;
  primaryLength_ = s->primaryLength_;
  secondaryColor_ = s->secondaryColor_;
  secondaryLength_ = s->secondaryLength_;
  Print = s->Print;
  totalLength_ = primaryLength_ + secondaryLength_;
}
