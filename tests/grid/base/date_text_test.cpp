#include "grid/base/date_text.h"

#include "tests/grid/base/scoped_format.h"

#include <gtest/gtest.h>

namespace {

TDateTime date(int y, int m, int d) { return EncodeDate(y, m, d); }

TEST(DateText, FixedOrderDatesWithTheCenturyPivot) {
  struct {
    const char* text;
    TDateTime us;
    TDateTime eu;
  } cases[] = {
      {"31.12.99", 0, date(1999, 12, 31)},           // US: month 31 is impossible
      {"12.31.99", date(1999, 12, 31), 0},
      {"1-2-25", date(2025, 1, 2), date(2025, 2, 1)},  // up to 25: 2000 added
      {"1-2-26", date(1926, 1, 2), date(1926, 2, 1)},  // from 26: 1900 added
      {"1/2/0", date(2000, 1, 2), date(2000, 2, 1)},
      {"1/2/2024", date(2024, 1, 2), date(2024, 2, 1)},
      {"1/2/025", date(25, 1, 2), date(25, 2, 1)},     // three digits: taken as written
      {"12/31", 0, 0},                                 // one separator only
      {"1/2.2024", 0, 0},                              // the same separator must follow
      {"a/2/2024", 0, 0},
      {"31.04.2023", 0, 0},                            // impossible dates read as 0
      {"2/29/2023", 0, 0},
      {"2/29/2024", date(2024, 2, 29), 0},
      {"", 0, 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ParseDateUS(QString::fromUtf8(c.text)), c.us) << "US " << c.text;
    EXPECT_EQ(ParseDateEU(QString::fromUtf8(c.text)), c.eu) << "EU " << c.text;
  }
}

struct LocaleCase {
  const char* text;
  bool ok;
  TDateTime value;  // checked when ok
};

void expectLocaleDates(const TFormatSettings& format, std::initializer_list<LocaleCase> cases, const char* name) {
  ScopedFormat f(format);
  for (const LocaleCase& c : cases) {
    TDateTime v = -1;
    EXPECT_EQ(ParseLocaleDateTime(QString::fromUtf8(c.text), v), c.ok) << name << " " << c.text;
    if (c.ok) EXPECT_DOUBLE_EQ(v, c.value) << name << " " << c.text;
  }
}

TEST(DateText, LocaleDateAndTime) {
  const TDateTime june5 = date(2023, 6, 5);
  expectLocaleDates(UkFormat(),
                    {
                        {"05/06/2023", true, june5},
                        {"05/06/2023 7:30", true, june5 + EncodeTime(7, 30, 0, 0)},
                        {"05/06/2023 07:30:15", true, june5 + EncodeTime(7, 30, 15, 0)},
                        {"05/06/2023 730", false, 0},
                        {"05/06/2023 24:00", false, 0},
                        {"05/06/2023 7:60", false, 0},
                        {"05/06/23", true, date(23, 6, 5)},  // years as written
                        {"32/01/2023", false, 0},
                        {"01/13/2023", false, 0},
                        {"31/04/2023", false, 0},            // impossible date
                        {"05.06.2023", false, 0},            // not the locale's separator
                        {"05/06", false, 0},
                        {"x/06/2023", false, 0},
                    },
                    "UK");
  expectLocaleDates(UsFormat(),
                    {
                        {"05/06/2023", true, date(2023, 5, 6)},
                        {"12/31/2023 23:59:59", true, date(2023, 12, 31) + EncodeTime(23, 59, 59, 0)},
                        {"31/12/2023", false, 0},
                    },
                    "US");
  expectLocaleDates(GermanFormat(), {{"05.06.2023", true, june5}, {"05/06/2023", false, 0}}, "German");
}

TEST(DateText, OnlyTheTimeUnreadableStillStoresTheDate) {
  ScopedFormat f(UkFormat());
  TDateTime v = -1;
  EXPECT_FALSE(ParseLocaleDateTime(QStringLiteral("05/06/2023 730"), v));
  EXPECT_EQ(v, date(2023, 6, 5));
}

TEST(DateText, IsDateText) {
  ScopedFormat f(GermanFormat());
  struct {
    const char* text;
    bool isDate;
  } cases[] = {{"5.6.2023", true}, {".5.6", false}, {"5..6", false}, {"5.6", false}, {"12.3.", true}, {"", false}};
  for (const auto& c : cases) EXPECT_EQ(IsDateText(QString::fromUtf8(c.text)), c.isDate) << c.text;
}

TEST(DateText, IncDateBy) {
  struct {
    int years, months, days;
    TDateTime from;
    TDateTime increment;
    TDateTime result;
  } cases[] = {
      {0, 0, 3, date(2023, 12, 30), 0, date(2024, 1, 2)},
      {0, 1, 0, date(2023, 12, 15), 0, date(2024, 1, 15)},    // over the year end
      {0, -1, 0, date(2024, 1, 15), 0, date(2023, 12, 15)},   // back over the year start
      {2, 0, 0, date(2022, 3, 1), 0, date(2024, 3, 1)},
      {1, 0, 0, date(2024, 2, 29), 0, 0},                     // 29 February 2025 does not exist
      {0, 1, 0, date(2023, 1, 31), 0, 0},                     // nor 31 February
      {0, 1, 1, date(2023, 1, 1), 7, date(2023, 1, 8)},       // combinations step by the increment
      {0, 0, 0, date(2023, 1, 1), 2, date(2023, 1, 3)},
  };
  for (const auto& c : cases)
    EXPECT_EQ(IncDateBy(c.years, c.months, c.days, c.from, c.increment), c.result)
        << c.years << "y " << c.months << "m " << c.days << "d";
}

}  // namespace
