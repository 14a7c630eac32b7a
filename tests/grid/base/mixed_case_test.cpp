#include "grid/base/mixed_case.h"

#include <gtest/gtest.h>

namespace {

TEST(MixedCase, ToMixedCaseTable) {
  struct {
    const char* in;
    const char* out;
  } cases[] = {
      {"john smith", "John Smith"},
      {"JOHN SMITH", "John Smith"},
      {"mcdonald", "McDonald"},
      {"ronald mcdonald", "Ronald McDonald"},
      {"o'neil", "O'Neil"},
      {"smith-jones", "Smith-Jones"},
      {"st.john", "St.John"},
      {"henry ii", "Henry II"},
      {"henry iii", "Henry III"},
      {"louis iv", "Louis IV"},     // after " I" within the last three characters
      {"louis vi", "Louis Vi"},     // only " I" and " II" count
      {"bill ivanhoe", "Bill Ivanhoe"},  // " I" not within the last three characters
      {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(ToMixedCase(QString::fromUtf8(c.in)), QString::fromUtf8(c.out)) << c.in;
}

TEST(MixedCase, OnlyTheFirstMcOfALongTextCounts) {
  // A cell of 100,000 characters: the rule for " Mc" applies to its first one only,
  // and the text is converted in one pass.
  const QString words = QStringLiteral("ann mcdonald ").repeated(7693);
  const QString expected = QStringLiteral("Ann McDonald ") + QStringLiteral("Ann Mcdonald ").repeated(7692);
  EXPECT_EQ(ToMixedCase(words + "henry iii"), expected + "Henry III");
}

}  // namespace
