#include "platform/ui/track_bar.h"

#include <QSlider>

#include "platform/ui/widget_host.h"

namespace {
QSlider* Slider(const TControl* c) { return static_cast<QSlider*>(c->Widget()); }
}  // namespace

TTrackBar::TTrackBar(TComponent* AOwner) : TWinControl(AOwner, new Hosted<QSlider>(true, Qt::Horizontal)) {
  SetTabStop(true);
  SetBounds(0, 0, 150, 45);
  Slider(this)->setTickPosition(QSlider::TicksBelow);
  Apply();
  QObject::connect(Slider(this), &QSlider::valueChanged, [this](int v) { FromWidget(v); });
}

void TTrackBar::Apply() {
  applying_ = true;
  QSlider* s = Slider(this);
  s->setRange(min_, max_);
  s->setTickInterval(std::max(1, frequency_));
  s->setPageStep(std::max(1, page_size_));
  s->setValue(position_);
  applying_ = false;
}

void TTrackBar::SetMin(int value) {
  min_ = value;
  if (max_ < min_) max_ = min_;
  SetPosition(position_);
  Apply();
}

void TTrackBar::SetMax(int value) {
  max_ = value;
  if (min_ > max_) min_ = max_;
  SetPosition(position_);
  Apply();
}

void TTrackBar::SetPosition(int value) {
  const int v = std::clamp(value, min_, max_);
  if (v == position_) return;
  position_ = v;
  Apply();
  Changed();
}

void TTrackBar::SetFrequency(int value) {
  frequency_ = value;
  Apply();
}

void TTrackBar::SetPageSize(int value) {
  page_size_ = value;
  Apply();
}

void TTrackBar::FromWidget(int value) {
  if (applying_ || value == position_) return;
  position_ = value;
  Changed();
}

void TTrackBar::Changed() {
  if (OnChange) OnChange(this);
}

void TTrackBar::WMGetDlgCode(TMessage& m) { m.Result = DLGC_WANTARROWS; }

void TTrackBar::DefaultHandler(TMessage& m) {
  if (m.Msg == WM_KEYDOWN && (m.CharCode() == VK_UP || m.CharCode() == VK_DOWN)) {
    SetPosition(position_ + (m.CharCode() == VK_DOWN ? 1 : -1));
    return;
  }
  TWinControl::DefaultHandler(m);
}
