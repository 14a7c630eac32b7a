// The clock: stands for the OS's millisecond tick count (GetTickCount), the wall
// time behind Now, and Sleep. Everything that measures or waits goes through the
// current clock, so tests can install a manual clock whose Sleep fast-forwards.
#pragma once

#include <QDateTime>
#include <cstdint>

class TClock {
public:
  virtual ~TClock() = default;
  // Milliseconds since an arbitrary start, never going back.
  virtual int64_t TickCount() = 0;
  // The local date and time.
  virtual QDateTime WallTime() = 0;
  virtual void Sleep(int64_t ms) = 0;
};

// The real clock: a steady tick, the system time and a real sleep.
class TSystemClock : public TClock {
public:
  int64_t TickCount() override;
  QDateTime WallTime() override;
  void Sleep(int64_t ms) override;
};

// A clock that moves only when told to: Sleep advances it at once. For tests.
class TManualClock : public TClock {
public:
  explicit TManualClock(QDateTime start = QDateTime(QDate(2024, 1, 1), QTime(0, 0)));
  int64_t TickCount() override { return ticks_; }
  QDateTime WallTime() override { return start_.addMSecs(ticks_); }
  void Sleep(int64_t ms) override { Advance(ms); }
  void Advance(int64_t ms) {
    if (ms > 0) ticks_ += ms;
  }

private:
  QDateTime start_;
  int64_t ticks_ = 0;
};

// The current clock (the system clock unless one was installed).
TClock& Clock();
// Installs `clock` (not owned; nullptr puts the system clock back).
void SetClock(TClock* clock);
