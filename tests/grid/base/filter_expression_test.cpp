#include "grid/base/filter_expression.h"

#include "tests/grid/base/scoped_format.h"

#include <gtest/gtest.h>

namespace {

struct FilterCase {
  const char* condition;
  const char* cell;
  bool caseSensitive;
  bool match;
};

void expectFilter(const TFormatSettings& format, std::initializer_list<FilterCase> cases, const char* name) {
  ScopedFormat f(format);
  for (const FilterCase& c : cases)
    EXPECT_EQ(MatchFilterExpression(QString::fromUtf8(c.condition), QString::fromUtf8(c.cell), c.caseSensitive),
              c.match)
        << name << ": " << c.condition << " on " << c.cell << (c.caseSensitive ? " (case)" : "");
}

TEST(FilterExpression, OperatorsAndComparisons) {
  expectFilter(UsFormat(),
               {
                   // Comparisons as numbers.
                   {">5&<10", "7", false, true},
                   {">5&<10", "12", false, false},
                   {">5&<10", "5", false, false},
                   {">=5", "5", false, true},
                   {"<=5", "5", false, true},
                   {">5", "3", false, false},   // a failed comparison falls through to the pattern
                   {">9", "10", false, true},   // numbers, not texts
                   {">1,000", "1,500", false, true},
                   {"> 5", "6", false, true},   // blanks outside quotes are removed
                   // Or, and, strictly left to right.
                   {"A|B", "A", false, true},
                   {"A|B", "B", false, true},
                   {"A|B", "C", false, false},
                   {"A;B", "B", false, true},
                   {"A^B", "B", false, true},
                   {"A|B&C", "A", false, false},  // (A or B) and C, no precedence
                   {"C&A|B", "B", false, true},   // (C and A) or B
                   // Groups.
                   {"(A*|B*)&*Z", "AXZ", false, true},
                   {"(A*|B*)&*Z", "BZ", false, true},
                   {"(A*|B*)&*Z", "CZ", false, false},
                   {"(A*|B*)&*Z", "AZY", false, false},
                   {"*Z&(A*|B*)", "BZ", false, true},
                   {"((A|B))|C", "B", false, true},
                   // Negation and wildcards.
                   {"!A*", "BCD", false, true},
                   {"!A*", "ABC", false, false},
                   {"A?C", "ABC", false, true},
                   {"A?C", "AC", false, false},
                   {"A**C", "AC", false, true},
                   {"*", "", false, true},
                   {"?", "", false, false},
                   // Quotes: literal text, blanks kept, operators without meaning.
                   {"\"R&D\"", "R&D", false, true},
                   {"\"R&D\"", "R", false, false},
                   {"\"a b\"", "a b", false, true},
                   {"\"A*\"", "A*", false, true},
                   {"\"A*\"", "AB", false, false},
                   {"\"X>B\"", "Y>B", false, false},  // a quoted ">" compares nothing
                   {"\"X>B\"", "X>B", false, true},
                   // Leading "=" and letter case.
                   {"=ABC", "ABC", false, true},
                   {"abc", "ABC", false, true},
                   {"abc", "ABC", true, false},
                   {"", "", false, true},
                   {"", "x", false, false},
               },
               "US");
}

TEST(FilterExpression, NumbersDatesAndTextsUnderTwoLocales) {
  expectFilter(UkFormat(),
               {
                   // Both read as dates: 1 February is after 15 January (as texts it would not be).
                   {">15/01/2023", "01/02/2023", false, true},
                   {"<15/01/2023", "01/02/2023", false, false},
                   {">2,5", "3", false, false},    // "2,5" reads as 25 here: thousands
                   {">2.5", "3", false, true},
                   {">B", "C", false, true},       // texts, ordinal
                   {">b", "C", true, false},       // case-sensitive: "C" < "b"
                   {">10", "9", false, false},
                   {">10", "9x", false, true},     // not a number: compared as texts
               },
               "UK");
  expectFilter(GermanFormat(),
               {
                   // "15.01.2023" would also read as the number 15012023; dates win.
                   {">15.01.2023", "01.02.2023", false, true},
                   {">2,5", "3", false, true},
                   {">2,5", "2,4", false, false},
                   {"<1.000", "999", false, true},
               },
               "German");
}

TEST(FilterExpression, UnmatchedParenthesisTakesTheRest) {
  expectFilter(UsFormat(),
               {
                   {"(A|B", "B", false, true},
                   {"(A|B", "C", false, false},
                   {"X|(A&B", "X", false, true},
                   {"((A", "A", false, true},
                   {"(", "", false, true},
               },
               "US");
}

TEST(FilterExpression, NestingIsBoundedAndDeeperConditionsMatchNothing) {
  // Groups up to 64 deep are read as usual; deeper, the condition matches nothing
  // (30,000 nested groups used to exhaust the stack, 60 KB of them took gigabytes).
  const auto nested = [](int depth, const char* inner, bool closed) {
    return QString(depth, u'(') + QString::fromUtf8(inner) + (closed ? QString(depth, u')') : QString());
  };
  struct Case {
    const char* what;
    QString condition;
    QString cell;
    bool match;
  };
  const Case cases[] = {
      {"64 deep", nested(64, "A|B", true), "B", true},
      {"64 deep, no match", nested(64, "A|B", true), "C", false},
      {"64 deep, unmatched", nested(64, "A", false), "A", true},
      {"65 deep", nested(65, "A", true), "A", false},
      {"65 deep, negated", nested(65, "!A", true), "B", false},
      {"30,000 deep", nested(30000, "A", true), "A", false},
      {"30,000 deep, unmatched", nested(30000, "A", false), "A", false},
      {"closed groups one after another do not nest", QStringLiteral("(A)|").repeated(20000) + "(B)", "B", true},
      {"parentheses inside quotes are no groups", u'"' + QString(100, u'(') + u'"', QString(100, u'('), true},
      {"many terms", QStringLiteral("A|").repeated(30000) + "B", "B", true},
      {"many terms, no match", QStringLiteral("A&").repeated(30000) + "B", "A", false},
  };
  for (const Case& c : cases)
    EXPECT_EQ(MatchFilterExpression(c.condition, c.cell, false), c.match) << c.what;
}

TEST(FilterExpression, Helpers) {
  EXPECT_EQ(RemoveBlanksOutsideQuotes(QStringLiteral(" a \" b c \" d ")), QStringLiteral("a\" b c \"d"));
  EXPECT_EQ(FindClosingParen(QStringLiteral("(a(b)c)d")), 7);
  EXPECT_EQ(FindClosingParen(QStringLiteral("(a\")\"b)")), 7);
  EXPECT_EQ(FindClosingParen(QStringLiteral("(ab")), 0);
  EXPECT_EQ(FindClosingParen(QStringLiteral("ab")), 0);
}

TEST(FilterExpression, ManyStarsStayFast) {
  const QString cell = QString(2000, u'a');
  EXPECT_FALSE(MatchFilterExpression(QStringLiteral("*a*a*a*a*a*a*a*a*a*b"), cell, true));
  EXPECT_TRUE(MatchFilterExpression(QStringLiteral("*a*a*a*a*a*a*a*a*a*"), cell, true));
}

}  // namespace
