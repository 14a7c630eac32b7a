#include "grid/base/line_breaks.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

// Literal with embedded NUL characters.
template <size_t N>
QString s(const char16_t (&text)[N]) {
  return QString::fromUtf16(text, N - 1);
}

struct EncodingCase {
  const char* routine;
  std::function<QString(const QString&)> apply;
  QString input;
  QString expected;
};

TEST(LineBreaks, EncodingsTable) {
  const EncodingCase cases[] = {
      // Grid text files: only a text with a carriage return is encoded.
      {"EncodeCellLineBreaks", EncodeCellLineBreaks, s(u"a\r\nb\0c"), s(u"a\u0009\u0008b\u0001c")},
      {"EncodeCellLineBreaks", EncodeCellLineBreaks, s(u"a\nb"), s(u"a\nb")},
      {"EncodeCellLineBreaks", EncodeCellLineBreaks, s(u"a\0b"), s(u"a\0b")},
      {"DecodeCellLineBreaks", [](const QString& t) { return DecodeCellLineBreaks(t, true); },
       s(u"a\u0009\u0008b\u0001c"), s(u"a\r\nb\0c")},
      {"DecodeCellLineBreaks", [](const QString& t) { return DecodeCellLineBreaks(t, true); }, s(u"a\u0009b"),
       s(u"a\u0009b")},  // a 9 without an 8 stays
      {"DecodeCellLineBreaks single line", [](const QString& t) { return DecodeCellLineBreaks(t, false); },
       s(u"one\u0009\u0008two"), s(u"one")},
      // Settings texts.
      {"LineBreaksToEscape", LineBreaksToEscape, s(u"a\r\nb\rc"), s(u"a\\nb\\nc")},
      {"EscapeToLineBreaks", EscapeToLineBreaks, s(u"a\\nb\\n"), s(u"a\rb\r")},
      // Single-line export.
      {"LineBreaksToTilde", LineBreaksToTilde, s(u"a\r\nb"), s(u"a~b")},
      {"TildeToLineBreaks", TildeToLineBreaks, s(u"a~b~"), s(u"a\r\nb\r\n")},
      {"TildeToLineBreaks", TildeToLineBreaks, s(u"^"), QString()},
      {"TildeToLineBreaks", TildeToLineBreaks, s(u"^^"), s(u"^^")},
      // Clipboard and HTML export.
      {"CrLfToLf", [](const QString& t) { QString r = t; CrLfToLf(r); return r; }, s(u"a\r\nb\rc\n"), s(u"a\nb\rc\n")},
      {"RemoveCarriageReturns", RemoveCarriageReturns, s(u"a\r\nb\r"), s(u"a\nb")},
      {"CrToLf", CrToLf, s(u"a\r\nb"), s(u"a\n\nb")},
      {"LineBreaksToHtml", LineBreaksToHtml, s(u"a\r\nb"), s(u"a<br>\nb")},
      {"LineBreaksToHtml", LineBreaksToHtml, s(u"a\nb"), s(u"a\nb")},
  };
  for (const EncodingCase& c : cases) EXPECT_EQ(c.apply(c.input), c.expected) << c.routine;
}

TEST(LineBreaks, FileEncodingRoundTripsMultiLineCells) {
  const QString cell = s(u"first\r\nsecond\0\r\nthird");
  EXPECT_EQ(DecodeCellLineBreaks(EncodeCellLineBreaks(cell), true), cell);
}

TEST(LineBreaks, CutFirstLine) {
  QString t = s(u"a\r\nb");
  EXPECT_EQ(CutFirstLine(t, true), s(u"a"));
  EXPECT_EQ(t, s(u"b"));

  t = s(u"a\r\nb\r\nc");
  EXPECT_EQ(CutFirstLine(t, false), s(u"a"));
  EXPECT_EQ(t, QString());

  t = s(u"a\rb");  // a lone carriage return ends the line too
  EXPECT_EQ(CutFirstLine(t, true), s(u"a"));
  EXPECT_EQ(t, s(u"b"));

  t = s(u"a\nb");  // no carriage return: the whole text
  EXPECT_EQ(CutFirstLine(t, true), s(u"a\nb"));
  EXPECT_EQ(t, QString());
}

TEST(LineBreaks, CountLines) {
  EXPECT_EQ(CountLines(s(u"a\r\nb\r\nc"), true), 3);
  EXPECT_EQ(CountLines(s(u"a\r\nb\r\nc"), false), 1);
  EXPECT_EQ(CountLines(QString(), true), 1);
  EXPECT_EQ(CountLines(s(u"a\nb"), true), 1);
}

}  // namespace
