#include "grid/view/balloon_settings.h"

void TBalloonSettings::SetEnable(bool value) {
  enable_ = value;
  if (OnEnableChange) OnEnableChange(this);
}

void TBalloonSettings::Assign(const TPersistent* Source) {
  auto* s = dynamic_cast<const TBalloonSettings*>(Source);
  if (!s) return;
  TextColor = s->TextColor;
  BackgroundColor = s->BackgroundColor;
  InitialDelay = s->InitialDelay;
  AutoHideDelay = s->AutoHideDelay;
  ReshowDelay = s->ReshowDelay;
  enable_ = s->enable_;
}
