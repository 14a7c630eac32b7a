#include "platform/ui/timer.h"

#include <QTimer>

#include "platform/rtl/exceptions.h"
#include "platform/ui/application.h"

// The Qt timer is made the first time the timer runs: most timers of the forms
// wait for a user action and never run.
TTimer::TTimer(TComponent* AOwner) : TComponent(AOwner) {}

TTimer::~TTimer() {
  Destroying();
  if (timer_) timer_->stop();
}

void TTimer::SetEnabled(bool value) {
  if (enabled_ == value) return;
  enabled_ = value;
  UpdateTimer();
}

void TTimer::SetInterval(int value) {
  if (interval_ == value) return;
  interval_ = value;
  UpdateTimer();
}

void TTimer::SetOnTimer(TNotifyEvent value) {
  on_timer_ = std::move(value);
  UpdateTimer();
}

bool TTimer::Running() const { return timer_ && timer_->isActive(); }

void TTimer::Timer() {
  if (enabled_ && on_timer_) on_timer_(this);
}

void TTimer::UpdateTimer() {
  if (timer_) timer_->stop();
  if (interval_ <= 0 || !enabled_ || !on_timer_) return;
  if (!timer_) {
    timer_ = std::make_unique<QTimer>();
    timer_->setTimerType(Qt::PreciseTimer);
    QObject::connect(timer_.get(), &QTimer::timeout, [this] {
      try {
        Timer();
      } catch (const Exception& e) {
        Application->HandleException(e.Message);
      }
    });
  }
  timer_->start(interval_);
  ++starts_;
}
