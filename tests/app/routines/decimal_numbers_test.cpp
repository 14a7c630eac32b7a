#include "app/routines/decimal_numbers.h"

#include "platform/rtl/locale_settings.h"

#include <gtest/gtest.h>

namespace {

TEST(DecimalSeparator, PointOnlyWhenTheUserSettingIsPoint) {
  struct Case {
    const char* setting;
    char16_t separator;
  };
  const Case cases[] = {{".", u'.'}, {",", u','}, {"", u','}, {";", u','}, {"'", u','}, {".,", u'.'}};
  for (const Case& c : cases) {
    SetUserDecimalSetting(QString::fromUtf8(c.setting));
    EXPECT_EQ(Get_Decimal_Separator(), QChar(c.separator)) << c.setting;
  }
  SetUserDecimalSetting(std::nullopt);
  const QChar system = Get_Decimal_Separator();
  EXPECT_TRUE(system == u'.' || system == u',');
}

TEST(TextToFloat, EitherSeparatorIsReadWithTheGivenOne) {
  struct Case {
    const char* text;
    char16_t separator;
    bool ok;
    float value;
  };
  const Case cases[] = {
      {"3,25", u'.', true, 3.25f},   {"3.25", u'.', true, 3.25f},  {"3.25", u',', true, 3.25f},
      {"3,25", u',', true, 3.25f},   {" -0,5 ", u',', true, -0.5f}, {"+12", u'.', true, 12.0f},
      {"1,5E2", u'.', true, 150.0f}, {".5", u'.', true, 0.5f},      {"7.", u',', true, 7.0f},
      {"abc", u'.', false, 1.0f},    {"", u',', false, 1.0f},      {"1.234,5", u',', false, 1.0f},
      {",", u'.', false, 1.0f},      {"1e", u'.', false, 1.0f},    {"1 5", u'.', false, 1.0f},
      {"1e39", u'.', false, 1.0f},   {"0x10", u'.', false, 1.0f},  {"nan", u'.', false, 1.0f},
  };
  for (const Case& c : cases) {
    float value = -7.0f;
    EXPECT_EQ(Text_To_Float(QString::fromUtf8(c.text), QChar(c.separator), value), c.ok) << c.text;
    EXPECT_FLOAT_EQ(value, c.value) << c.text;
  }
}

}  // namespace
