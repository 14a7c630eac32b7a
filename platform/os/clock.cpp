#include "platform/os/clock.h"

#include <chrono>
#include <thread>

namespace {

TClock* installedClock = nullptr;

TSystemClock& systemClock() {
  static TSystemClock clock;
  return clock;
}

}  // namespace

int64_t TSystemClock::TickCount() {
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

QDateTime TSystemClock::WallTime() { return QDateTime::currentDateTime(); }

void TSystemClock::Sleep(int64_t ms) {
  if (ms > 0) std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

TManualClock::TManualClock(QDateTime start) : start_(std::move(start)) {}

TClock& Clock() { return installedClock ? *installedClock : systemClock(); }

void SetClock(TClock* clock) { installedClock = clock; }
