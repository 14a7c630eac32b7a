#include "grid/base/csv_text.h"

#include "platform/rtl/string_list.h"

#include <gtest/gtest.h>

namespace {

TEST(CsvText, QuotingHelpers) {
  EXPECT_EQ(DoubleQuotes(QStringLiteral("say \"hi\"")), QStringLiteral("say \"\"hi\"\""));
  struct {
    QString in, out;
  } undouble[] = {
      {QStringLiteral("a\"\"b"), QStringLiteral("a\"b")},
      {QStringLiteral("\"\"\""), QStringLiteral("\"\"")},  // a pair is consumed whole
      {QStringLiteral("\"\"\"\""), QStringLiteral("\"\"")},
      {QStringLiteral("plain"), QStringLiteral("plain")},
  };
  for (const auto& c : undouble) EXPECT_EQ(UndoubleChar(u'"', c.in), c.out) << c.in.toStdString();
  EXPECT_EQ(CountChar(u'"', QStringLiteral("a\"b\"\"")), 3);
}

TEST(CsvText, FindClosingQuoteSkipsDoubledQuotes) {
  struct {
    QString text;
    int pos;
  } cases[] = {
      {QStringLiteral("abc\",x"), 4},
      {QStringLiteral("a\"\"b\",x"), 5},     // the doubled quote inside is skipped
      {QStringLiteral("a\"\"\",x"), 4},      // a run of three closes at its last quote
      {QStringLiteral("abc\""), 4},          // a quote that ends the text
      {QStringLiteral("a\"\""), 3},          // ends the text: returned at once
      {QStringLiteral("a\"\"b"), 0},         // only a doubled quote
      {QStringLiteral("abc"), 0},
      {QString(), 0},
  };
  for (const auto& c : cases) {
    int pos = -7;
    EXPECT_EQ(FindClosingQuote(u'"', c.text, pos), c.pos) << c.text.toStdString();
    EXPECT_EQ(pos, c.pos);
  }
  EXPECT_EQ(CountQuoteRuns(u'"', QStringLiteral("a\",b\"\"c\",d\"")), 3);
  EXPECT_EQ(CountQuoteRuns(u'"', QStringLiteral("none")), 0);
}

TEST(CsvText, CutFirstField) {
  QString line = QStringLiteral("one;two;three");
  EXPECT_EQ(CutFirstField(line, QStringLiteral(";")), QStringLiteral("one"));
  EXPECT_EQ(line, QStringLiteral("two;three"));
  QString last = QStringLiteral("three");
  EXPECT_EQ(CutFirstField(last, QStringLiteral(";")), QString());
  EXPECT_EQ(last, QStringLiteral("three"));
  QString empty = QStringLiteral(";x");
  EXPECT_EQ(CutFirstField(empty, QStringLiteral(";")), QString());
  EXPECT_EQ(empty, QStringLiteral("x"));
}

TEST(CsvText, FindFirstOfOutsideQuotes) {
  struct {
    QString text;
    QChar ch;
    int pos;
  } cases[] = {
      {QStringLiteral("ab&c|d"), u'&', 3},
      {QStringLiteral("\"a&b\"|c"), u'|', 6},  // the "&" inside quotes does not count
      {QStringLiteral("\"a&b"), QChar(0), -1},
      {QStringLiteral("abc"), QChar(0), -1},
  };
  for (const auto& c : cases) {
    int pos = 0;
    EXPECT_EQ(FindFirstOfOutsideQuotes(QStringLiteral("&|"), c.text, pos), c.ch) << c.text.toStdString();
    EXPECT_EQ(pos, c.pos) << c.text.toStdString();
  }
}

TEST(CsvText, MultiLineFieldsRoundTrip) {
  QString t = QStringLiteral("a\r\nb\rc");
  QuoteMultiLineCsv(t);
  EXPECT_EQ(t, QString::fromUtf16(u"\"a\u000Bb\rc\""));
  QString back = t.mid(1, t.size() - 2);
  VtToLineBreaks(back);
  EXPECT_EQ(back, QStringLiteral("a\r\nb\rc"));
}

}  // namespace

namespace {

TEST(CsvText, ConcatStrings) {
  TStringList list;
  EXPECT_EQ(ConcatStrings(list), QString());
  list.Add(QStringLiteral("a,"));
  list.Add(QString());
  list.Add(QStringLiteral(" b"));
  EXPECT_EQ(ConcatStrings(list), QStringLiteral("a, b"));
}

}  // namespace
