// The progress that a grid's file operation reports through OnFileProgress: a
// rounded percentage (halves to the even neighbour), kept within 0..100 and
// raised only when it changes (the first report always).
#pragma once

#include <algorithm>

#include "grid/view/grid_types.h"
#include "platform/rtl/numbers.h"

class TFileProgress {
public:
  TFileProgress(const TGridProgressEvent& Event, TObject* Sender) : event_(Event), sender_(Sender) {}
  bool Active() const { return static_cast<bool>(event_); }
  // Done of Total (a Total below 1 counts as 1).
  void Report(double Done, double Total) {
    if (!event_) return;
    const int p = std::clamp(RoundHalfEven(Done / std::max(1.0, Total) * 100.0), 0, 100);
    if (p == last_) return;
    last_ = p;
    event_(sender_, static_cast<int16_t>(p));
  }

private:
  const TGridProgressEvent& event_;
  TObject* sender_;
  int last_ = -1;
};
