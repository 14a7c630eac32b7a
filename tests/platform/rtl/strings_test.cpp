#include "platform/rtl/strings.h"

#include <gtest/gtest.h>

namespace {

TEST(Strings, TrimRemovesOnlyCharactersUpToBlank) {
  EXPECT_EQ(Trim(QString::fromUtf16(u"\t a b \r\n")), QStringLiteral("a b"));
  // A no-break space (U+00A0) is no blank for the runtime.
  EXPECT_EQ(Trim(QString::fromUtf16(u"\u00A0x\u00A0 ")), QString::fromUtf16(u"\u00A0x\u00A0"));
  EXPECT_EQ(Trim(QStringLiteral("   ")), QString());
  EXPECT_EQ(TrimLeft(QStringLiteral("  a ")), QStringLiteral("a "));
  EXPECT_EQ(TrimRight(QStringLiteral("  a ")), QStringLiteral("  a"));
}

TEST(Strings, OneBasedPositions) {
  EXPECT_EQ(Pos(QStringLiteral("b"), QStringLiteral("abc")), 2);
  EXPECT_EQ(Pos(QStringLiteral("z"), QStringLiteral("abc")), 0);
  EXPECT_EQ(Pos(QString(), QStringLiteral("abc")), 0);
  EXPECT_EQ(Pos(QStringLiteral("a"), QStringLiteral("abca"), 2), 4);
  EXPECT_EQ(Copy(QStringLiteral("abcdef"), 2, 3), QStringLiteral("bcd"));
  EXPECT_EQ(Copy(QStringLiteral("abc"), 0, 2), QStringLiteral("ab"));
  EXPECT_EQ(Copy(QStringLiteral("abc"), 3, 10), QStringLiteral("c"));
  EXPECT_EQ(Copy(QStringLiteral("abc"), 4, 1), QString());
}

TEST(Strings, CaseAndHex) {
  EXPECT_EQ(UpperCase(QString::fromUtf16(u"abc\u00e9")), QString::fromUtf16(u"ABC\u00e9"));
  EXPECT_EQ(AnsiUpperCase(QString::fromUtf16(u"abc\u00e9")), QString::fromUtf16(u"ABC\u00c9"));
  EXPECT_TRUE(SameText(QStringLiteral("Row"), QStringLiteral("ROW")));
  EXPECT_EQ(IntToHex(31, 4), QStringLiteral("001F"));
  EXPECT_EQ(IntToHex(static_cast<uint32_t>(-1), 2), QStringLiteral("FFFFFFFF"));
}

}  // namespace
