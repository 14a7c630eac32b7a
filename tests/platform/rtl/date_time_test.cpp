#include "platform/os/clock.h"
#include "platform/rtl/date_time.h"
#include "platform/rtl/exceptions.h"

#include <gtest/gtest.h>

namespace {

TEST(DateTime, EncodeDecodeRoundTrip) {
  struct Case {
    int y, m, d, hh, mm, ss, ms;
    double serialDate;
  };
  const Case cases[] = {
      {1899, 12, 30, 0, 0, 0, 0, 0},        {1899, 12, 30, 12, 0, 0, 0, 0},
      {1899, 12, 29, 6, 0, 0, 0, -1},       {1900, 1, 1, 23, 59, 59, 999, 2},
      {2000, 2, 29, 13, 45, 30, 250, 36585}, {2024, 2, 29, 0, 0, 1, 0, 45351},
      {1, 1, 1, 0, 0, 0, 0, -693593},       {9999, 12, 31, 23, 59, 59, 999, 2958465},
  };
  for (const Case& c : cases) {
    const TDateTime date = EncodeDate(c.y, c.m, c.d);
    EXPECT_EQ(date, c.serialDate) << c.y << "-" << c.m << "-" << c.d;
    const TDateTime value = ComposeDateTime(date, EncodeTime(c.hh, c.mm, c.ss, c.ms));
    int y, m, d, hh, mm, ss, ms;
    DecodeDate(value, y, m, d);
    DecodeTime(value, hh, mm, ss, ms);
    EXPECT_EQ((std::vector<int>{y, m, d, hh, mm, ss, ms}), (std::vector<int>{c.y, c.m, c.d, c.hh, c.mm, c.ss, c.ms}))
        << "serial " << value;
  }
  EXPECT_EQ(ComposeDateTime(-1, 0.25), -1.25);  // before day 0 the time counts away from zero
}

TEST(DateTime, InvalidPartsRaiseConvertError) {
  const int badDates[][3] = {{2023, 2, 29}, {1900, 2, 29}, {2024, 13, 1}, {2024, 0, 1}, {2024, 4, 31}, {0, 1, 1}, {10000, 1, 1}};
  for (const auto& d : badDates) {
    try {
      EncodeDate(d[0], d[1], d[2]);
      ADD_FAILURE() << d[0] << "-" << d[1] << "-" << d[2];
    } catch (const EConvertError& e) {
      EXPECT_EQ(e.Message, QStringLiteral("Invalid argument to date encode"));
    }
  }
  const int badTimes[][4] = {{24, 0, 0, 0}, {0, 60, 0, 0}, {0, 0, 60, 0}, {0, 0, 0, 1000}, {-1, 0, 0, 0}};
  for (const auto& t : badTimes) EXPECT_THROW(EncodeTime(t[0], t[1], t[2], t[3]), EConvertError);
}

TEST(DateTime, QDateTimeConversionAndNowFollowTheClock) {
  const QDateTime start(QDate(2020, 2, 29), QTime(18, 30, 15, 500));
  TManualClock clock(start);
  SetClock(&clock);
  EXPECT_EQ(Now(), ComposeDateTime(EncodeDate(2020, 2, 29), EncodeTime(18, 30, 15, 500)));
  clock.Advance(6 * 3600 * 1000);  // past midnight
  int y, m, d;
  DecodeDate(Now(), y, m, d);
  EXPECT_EQ((std::vector<int>{y, m, d}), (std::vector<int>{2020, 3, 1}));
  SetClock(nullptr);

  EXPECT_EQ(QDateTimeFromDateTime(DateTimeFromQDateTime(start)), start);
  const QDateTime beforeDayZero(QDate(1899, 12, 29), QTime(6, 0));
  EXPECT_EQ(DateTimeFromQDateTime(beforeDayZero), -1.25);
  EXPECT_EQ(QDateTimeFromDateTime(-1.25), beforeDayZero);
  EXPECT_EQ(DateTimeFromQDateTime(QDateTime()), 0);
}

}  // namespace
