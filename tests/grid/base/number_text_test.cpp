#include "grid/base/number_text.h"

#include "tests/grid/base/scoped_format.h"

#include <gtest/gtest.h>

namespace {

struct KindCase {
  const char* text;
  int us;      // "." decimal, "," thousands
  int german;  // "," decimal, "." thousands
};

TEST(NumberText, GetNumberKindUnderTwoLocales) {
  const KindCase cases[] = {
      {"12", nkInteger, nkInteger},
      {"-12", nkInteger, nkInteger},
      {"-", nkInteger, nkInteger},
      {"1-2", nkNotNumber, nkNotNumber},
      {"--1", nkNotNumber, nkNotNumber},
      {"", nkNotNumber, nkNotNumber},
      {"1.5", nkDecimal, nkDecimal},      // German: "." is the thousand separator
      {"1,5", nkDecimal, nkDecimal},      // US: "," is the thousand separator
      {"1.5.6", nkNotNumber, nkNotNumber},  // German: thousand separators only 2 apart
      {"1,000,000", nkDecimal, nkNotNumber},
      {"1.000.000", nkNotNumber, nkDecimal},
      {"1,00,0", nkNotNumber, nkNotNumber},
      {"-1,234.5", nkDecimal, nkDecimal},  // German reads "," as decimal, "." as thousands
      {"1e5", nkScientific, nkScientific},
      {"-1e-5", nkScientific, nkScientific},
      {"1.5E+3", nkScientific, nkNotNumber},  // German: a thousand separator is no mantissa
      {"e5", nkNotNumber, nkNotNumber},
      {"1e", nkNotNumber, nkNotNumber},
      {"1e5e6", nkNotNumber, nkNotNumber},
      {"-1-e5", nkScientific, nkScientific},  // two "-" count as one in scientific texts
      {"12a", nkNotNumber, nkNotNumber},
      {"\xd9\xa3\xd9\xa4", nkInteger, nkInteger},  // Arabic-Indic digits are number characters
  };
  for (const KindCase& c : cases) {
    {
      ScopedFormat f(UsFormat());
      EXPECT_EQ(GetNumberKind(QString::fromUtf8(c.text)), c.us) << "US " << c.text;
    }
    {
      ScopedFormat f(GermanFormat());
      EXPECT_EQ(GetNumberKind(QString::fromUtf8(c.text)), c.german) << "German " << c.text;
    }
  }
}

TEST(NumberText, ExtractNumberTextUnderTwoLocales) {
  struct {
    const char* text;
    const char* us;
    const char* german;
  } cases[] = {
      {"(12.50)", "-12.50", "-1250"},
      {"USD 1,234.5", "1234.5", "1.2345"},
      {"USD 1.234,5", "1.2345", "1234.5"},
      {"  -42 kg", "-42", "-42"},
      {"$", "", ""},
      {"", "", ""},
      {"abc", "", ""},
      {"1e5x", "1e5", "1e5"},
  };
  for (const auto& c : cases) {
    {
      ScopedFormat f(UsFormat());
      EXPECT_EQ(ExtractNumberText(QString::fromUtf8(c.text)), QString::fromUtf8(c.us)) << "US " << c.text;
    }
    {
      ScopedFormat f(GermanFormat());
      EXPECT_EQ(ExtractNumberText(QString::fromUtf8(c.text)), QString::fromUtf8(c.german)) << "German " << c.text;
    }
  }
}

TEST(NumberText, NumberTextToDotAndCharacterClasses) {
  ScopedFormat f(GermanFormat());
  EXPECT_EQ(NumberTextToDot(QStringLiteral("1.234,5")), QStringLiteral("1234.5"));
  EXPECT_TRUE(IsNumberPartChar(u','));
  EXPECT_TRUE(IsNumberPartChar(u'E'));
  EXPECT_FALSE(IsNumberPartChar(u'-'));
  EXPECT_TRUE(IsSignedNumberPartChar(u'-'));
  EXPECT_TRUE(IsNumberOrMinus(u'-'));
  EXPECT_TRUE(IsNumberTextChar(u'+'));
  EXPECT_FALSE(IsNumberTextChar(u'$'));
}

}  // namespace
