#include "grid/base/cell_refs.h"
#include "grid/base/text_positions.h"
#include "platform/grids/string_grid.h"

#include <gtest/gtest.h>

namespace {

TEST(TextPositions, SearchRoutines) {
  int pos = -1;
  EXPECT_EQ(FindPos(QStringLiteral("b"), QStringLiteral("abc"), pos), 2);
  EXPECT_EQ(pos, 2);
  EXPECT_EQ(FindPosInto(QStringLiteral("z"), QStringLiteral("abc"), pos), 0);
  EXPECT_EQ(pos, 0);
  // Only the text is upper-cased: a lower-case pattern is never found.
  EXPECT_EQ(PosInUpperCase(QStringLiteral("BC"), QStringLiteral("abc")), 2);
  EXPECT_EQ(PosInUpperCase(QStringLiteral("bc"), QStringLiteral("abc")), 0);
  EXPECT_EQ(FindPosUpper(QString::fromUtf16(u"\u00C9T"), QString::fromUtf16(u"\u00e9t\u00e9"), pos), 1);
  EXPECT_EQ(PosIgnoreCase(QStringLiteral("Control"), QStringLiteral("<CONTROL x>")), 2);
  EXPECT_EQ(CharPos(u'c', QStringLiteral("abc")), 3);
  EXPECT_EQ(CharPosOut(u'x', QStringLiteral("abc"), pos), 0);

  QString t = QStringLiteral("one <b>two</B>");
  EXPECT_TRUE(ReplaceFirstIgnoreCase(QStringLiteral("<B>"), QStringLiteral("<I>"), t));
  EXPECT_EQ(t, QStringLiteral("one <I>two</B>"));
  EXPECT_FALSE(ReplaceFirstIgnoreCase(QStringLiteral("<u>"), QStringLiteral("x"), t));
}

TEST(TextPositions, FindTextFromSkipsCharacters) {
  struct {
    const char* search;
    const char* text;
    int from;
    bool caseSensitive;
    int pos;
  } cases[] = {
      {"ab", "xxABxab", 0, false, 3}, {"ab", "xxABxab", 3, false, 6}, {"ab", "xxABxab", 0, true, 6},
      {"ab", "xxABxab", 6, false, 0}, {"", "abc", 0, false, 0},       {"ab", "ab", 7, false, 0},
      {"x", "stra\xc3\x9f" "ex", 0, false, 7},  // a sharp s keeps its one position
  };
  for (const auto& c : cases) {
    int pos = -1;
    EXPECT_EQ(FindTextFrom(QString::fromUtf8(c.search), QString::fromUtf8(c.text), c.from, c.caseSensitive, pos), c.pos)
        << c.search << " in " << c.text << " from " << c.from;
    EXPECT_EQ(pos, c.pos);
  }
}

TEST(TextPositions, ValPartialReadsTheLeadingNumber) {
  struct {
    const char* text;
    int value;
  } cases[] = {{"12px", 12}, {"  -7;", -7}, {"$1F", 31},        {"0x10g", 16},       {"x", 0},
               {"abc", 0},   {"", 0},       {"99999999999", 999999999}, {"$FFFFFFFF", -1}};
  for (const auto& c : cases) EXPECT_EQ(ValPartial(QString::fromUtf8(c.text)), c.value) << c.text;
}

TEST(TextPositions, MaskingKeepsTheLength) {
  EXPECT_EQ(MaskText(QStringLiteral("secret")), QStringLiteral("******"));
  QString t = QStringLiteral("abc");
  FillWithChar(t, u'#');
  EXPECT_EQ(t, QStringLiteral("###"));
}

TEST(CellRefs, ParseRowColRef) {
  struct {
    const char* text;
    bool ok;
    int col, row;
  } cases[] = {
      {"R2C3", true, 3, 2},  {"r10c1", true, 1, 10}, {"R1C", false, 0, 0}, {"RC12", false, 0, 0},
      {"R1X2", false, 0, 0}, {"A1C2", false, 0, 0},  {"R12", false, 0, 0},  {"R1Ca", false, 0, 0},
  };
  for (const auto& c : cases) {
    int col = -1, row = -1;
    EXPECT_EQ(ParseRowColRef(QString::fromUtf8(c.text), col, row), c.ok) << c.text;
    if (c.ok) EXPECT_EQ(std::make_pair(col, row), std::make_pair(c.col, c.row)) << c.text;
    else EXPECT_EQ(std::make_pair(col, row), std::make_pair(-1, -1)) << c.text;
  }
}

TEST(CellRefs, ApplySizeLimits) {
  struct {
    int value, min, max, result;
  } cases[] = {
      {5, 10, 10, 5},   // Min equals Max: unchanged
      {5, 10, 0, 10},   // raised to Min
      {50, 0, 20, 20},  // lowered to Max
      {15, 10, 20, 15},
      {5, 0, 0, 5},
      {5, 10, 3, 3},    // both apply: Max wins
      {5, -1, 3, 3},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ApplySizeLimits(c.value, c.min, c.max), c.result) << c.value << " " << c.min << " " << c.max;
  EXPECT_EQ(IntMax(-2, 3), 3);
  const TGridRect block{2, 3, 4, 5};
  EXPECT_TRUE(PointInGridRect(block, 2, 3));
  EXPECT_TRUE(PointInGridRect(block, 4, 5));  // bounds inclusive
  EXPECT_FALSE(PointInGridRect(block, 5, 5));
  EXPECT_FALSE(PointInGridRect(block, 3, 2));
  EXPECT_EQ(IntMin(-2, 3), -2);
}

}  // namespace
