// The timer's run and restart rules.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>

#include "platform/ui/timer.h"

namespace {

TEST(Timer, RunsOnlyWhenEnabledWithIntervalAndHandler) {
  TTimer t(nullptr);
  EXPECT_TRUE(t.Enabled());
  EXPECT_EQ(t.Interval(), 1000);
  EXPECT_FALSE(t.Running());  // no handler yet
  t.SetOnTimer([](TObject*) {});
  EXPECT_TRUE(t.Running());
  t.SetInterval(0);
  EXPECT_FALSE(t.Running());
  t.SetInterval(50);
  EXPECT_TRUE(t.Running());
  t.SetEnabled(false);
  EXPECT_FALSE(t.Running());
  t.SetOnTimer({});
  t.SetEnabled(true);
  EXPECT_FALSE(t.Running());
}

TEST(Timer, SameEnabledKeepsTheCountNewIntervalRestartsIt) {
  TTimer t(nullptr);
  t.SetOnTimer([](TObject*) {});
  const int starts = t.Starts();
  t.SetEnabled(true);  // already enabled: nothing restarts
  EXPECT_EQ(t.Starts(), starts);
  t.SetInterval(1000);  // same interval: nothing restarts
  EXPECT_EQ(t.Starts(), starts);
  t.SetInterval(2000);
  EXPECT_EQ(t.Starts(), starts + 1);
  t.SetOnTimer([](TObject*) {});  // a new handler restarts too
  EXPECT_EQ(t.Starts(), starts + 2);
  t.SetEnabled(false);
  t.SetEnabled(true);
  EXPECT_EQ(t.Starts(), starts + 3);
}

TEST(Timer, FiresOnTheEventLoop) {
  TTimer t(nullptr);
  int fired = 0;
  t.SetInterval(5);
  t.SetOnTimer([&](TObject* sender) {
    EXPECT_EQ(sender, &t);
    if (++fired == 2) t.SetEnabled(false);
  });
  QElapsedTimer wait;
  wait.start();
  while (fired < 2 && wait.elapsed() < 5000) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
  EXPECT_EQ(fired, 2);
  EXPECT_FALSE(t.Running());
}

}  // namespace
