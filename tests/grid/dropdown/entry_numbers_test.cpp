#include "grid/dropdown/entry_numbers.h"

#include <gtest/gtest.h>

#include "platform/rtl/locale_settings.h"

namespace {

TEST(DropDownNumbers, HexAndKinds) {
  EXPECT_EQ(HexToInt("1g"), 16);
  EXPECT_EQ(HexToInt("FF"), 255);
  EXPECT_EQ(HexDigitValue(u'b'), 11);
  EXPECT_TRUE(IsRangeSeparator(u';'));
  EXPECT_FALSE(IsRangeSeparator(u'.'));
  TFormatSettings fs;
  fs.DecimalSeparator = u'.';
  fs.ThousandSeparator = u',';
  SetFormatSettings(fs);
  const struct {
    const char* text;
    int kind;
  } cases[] = {{"", 2}, {"123", 0}, {"-12", 0}, {"1.5", 1}, {"1,234.5", 1}, {",12", 2},
               {"1,2,3", 2}, {"1.2.3", 2}, {"--1", 2}, {"7fA", 5}, {"xyz", 2}};
  for (const auto& c : cases) EXPECT_EQ(GetTextNumberKind(c.text), c.kind) << c.text;
  EXPECT_EQ(StripThousandChars("1,234,567"), "1234567");
  SetFormatSettings(std::nullopt);
  EXPECT_EQ(CaseText("abc", true), "abc");
  EXPECT_EQ(CaseText("abc", false), "ABC");
}

}  // namespace
