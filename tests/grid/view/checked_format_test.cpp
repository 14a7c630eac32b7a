// The checked formatter: what the runtime's Format writes for the formats the
// grid's properties hold, and the failed conversions it reports instead of
// formatting.
#include "grid/view/checked_format.h"

#include <gtest/gtest.h>

#include <optional>

#include "platform/rtl/locale_settings.h"

namespace {

TEST(CheckedFormat, Table) {
  struct Case {
    const char* format;
    std::vector<TFormatArg> args;
    std::optional<QString> text;  // nullopt: the conversion fails
  } cases[] = {
      {"%.2f", {3.14159}, QStringLiteral("3.14")},
      {"%f", {2.0}, QStringLiteral("2.00")},
      {"%8.3f|", {-1.5}, QStringLiteral("  -1.500|")},
      {"%-6d|", {int64_t{42}}, QStringLiteral("42    |")},
      {"%.4d", {int64_t{-7}}, QStringLiteral("-0007")},
      {"%x", {int64_t{255}}, QStringLiteral("FF")},
      {"%n", {1234567.891}, QStringLiteral("1,234,567.89")},
      {"%e", {1500.0}, QStringLiteral("1.50000000000000E+003")},
      {"%.3e", {0.00123}, QStringLiteral("1.23E-003")},
      {"%g", {0.5}, QStringLiteral("0.5")},
      {"%s and %s", {QStringLiteral("a"), QStringLiteral("b")}, QStringLiteral("a and b")},
      {"%1:s %0:s", {QStringLiteral("a"), QStringLiteral("b")}, QStringLiteral("b a")},
      {"%*d", {int64_t{4}, int64_t{7}}, QStringLiteral("   7")},
      {"100%%", {}, QStringLiteral("100%")},
      {"C%d R%d", {int64_t{1}, int64_t{2}}, QStringLiteral("C1 R2")},
      {"%d", {2.5}, std::nullopt},
      {"%f", {int64_t{2}}, std::nullopt},
      {"%d %d", {int64_t{1}}, std::nullopt},
      {"%q", {int64_t{1}}, std::nullopt},
      {"%", {int64_t{1}}, std::nullopt},
      {"%s", {int64_t{1}}, std::nullopt},
  };
  for (const auto& c : cases) {
    QString out = QStringLiteral("unchanged");
    const bool ok = TryFormatValues(QString::fromUtf8(c.format), c.args, out);
    EXPECT_EQ(ok, c.text.has_value()) << c.format;
    EXPECT_EQ(out, c.text.value_or(QStringLiteral("unchanged"))) << c.format;
  }
}

TEST(CheckedFormat, LocaleSeparators) {
  TFormatSettings s;
  s.DecimalSeparator = u',';
  s.ThousandSeparator = u'.';
  SetFormatSettings(s);
  QString out;
  EXPECT_TRUE(TryFormatValues("%.1n", {-9876.54}, out));
  EXPECT_EQ(out, "-9.876,5");
  EXPECT_TRUE(TryFormatValues("%.2f", {-0.001}, out));
  EXPECT_EQ(out, "0,00");
  SetFormatSettings(std::nullopt);
}

}  // namespace
