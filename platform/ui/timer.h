// The class library's timer (stands for TTimer): raises OnTimer on the GUI thread
// every `Interval` ms while enabled. It runs only when Enabled, Interval > 0 and
// OnTimer is assigned; setting Enabled or Interval to the value it has already
// changes nothing, while a new Interval (or SetOnTimer) restarts the count.
#pragma once

#include <memory>

#include "platform/ui/component.h"

class QTimer;

class TTimer : public TComponent {
public:
  explicit TTimer(TComponent* AOwner);
  ~TTimer() override;

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool value);
  int Interval() const { return interval_; }
  void SetInterval(int value);
  const TNotifyEvent& OnTimer() const { return on_timer_; }
  void SetOnTimer(TNotifyEvent value);

  // --- platform ---
  bool Running() const;
  // How often the count was (re)started.
  int Starts() const { return starts_; }

protected:
  virtual void Timer();

private:
  void UpdateTimer();

  bool enabled_ = true;
  int interval_ = 1000;
  TNotifyEvent on_timer_;
  int starts_ = 0;
  std::unique_ptr<QTimer> timer_;
};
