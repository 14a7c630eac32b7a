// The rich edit's RTF: what it writes reads back as the same runs (offsets,
// paragraphs, tabs, escaped and non-Latin characters), what it reads of RTF
// written elsewhere, and texts that are no RTF or are broken.
#include <gtest/gtest.h>

#include "platform/ui/rich_text_rtf.h"
#include "tests/support/qstring_print.h"

namespace {

void PrintTo(const TRichRun& r, std::ostream* os) { *os << '{' << r.Text.toStdString() << ", " << r.Offset << '}'; }

TEST(RichTextRtf, WrittenRunsReadBackAsTheyWere) {
  struct Case {
    const char* what;
    TRichRuns runs;
  } cases[] = {
      {"plain", {{"plain text", 0}}},
      {"raised and lowered", {{"H", 0}, {"2", -40}, {"O and x", 0}, {"2", 40}}},
      {"a raised end", {{"e=mc", 0}, {"2", 40}}},
      {"paragraphs and a trailing empty one", {{"one\ntwo\n", 0}}},
      {"tabs and RTF's own characters", {{"a\tb {c} \\d", 0}}},
      {"Latin-1 bytes 0x80 to 0xFF", {{QString::fromUtf16(u"\u0080\u0093\u009F\u00A0\u00E9\u00FF"), 0}}},
      {"beyond Latin-1", {{QString::fromUtf16(u"\u20AC \u0416 \U0001F600"), 0}}},
      {"nothing", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const QByteArray rtf = WriteRichText(c.runs, "Arial", 10);
    EXPECT_TRUE(IsRtfText(rtf));
    for (char b : rtf) ASSERT_GE(static_cast<unsigned char>(b), 0x0A) << "7-bit text only";
    for (char b : rtf) ASSERT_LT(static_cast<unsigned char>(b), 0x80) << "7-bit text only";
    EXPECT_EQ(ReadRichText(rtf), NormalizeRichRuns(c.runs)) << rtf.toStdString();
  }
}

TEST(RichTextRtf, ReadsWhatOtherWritersWrite) {
  struct Case {
    const char* rtf;
    TRichRuns runs;
  } cases[] = {
      {"{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}{\\colortbl;\\red0\\green0\\blue0;}"
       "\\viewkind4\\uc1\\pard\\f0\\fs20 H\\dn4 2\\dn0 O\\par\n}",
       {{"H", 0}, {"2", -40}, {"O", 0}}},
      {"{\\rtf1 a{\\super b}c{\\sub d}\\up6 e\\plain f}", {{"a", 0}, {"b", 40}, {"c", 0}, {"d", -40}, {"e", 60}, {"f", 0}}},
      {"{\\rtf1 caf\\'e9 \\'80\\'9f}", {{QString::fromUtf16(u"caf\u00E9 \u0080\u009F"), 0}}},
      {"{\\rtf1 \\u8364?\\uc2\\u1046??x\\uc0\\u1047 y}", {{QString::fromUtf16(u"\u20AC\u0416x\u0417y"), 0}}},
      {"{\\rtf1{\\*\\generator Writer 1.0;}{\\info{\\title T}}a\\line b\\tab c\\~d}",
       {{QString::fromUtf16(u"a\nb\tc\u00A0d"), 0}}},  // \~ is a non-breaking space
      {"{\\rtf1 a\\emdash b\\bullet\\_c\\sect d{\\stylesheet{x}}}", {{QString::fromUtf16(u"a\u2014b\u2022-c\nd"), 0}}},
      {"{\\rtf1 x\\bin3 {}\\y}", {{"xy", 0}}},
      {"{\\rtf1 \\{braces\\} and \\\\}", {{"{braces} and \\", 0}}},
      {"{\\rtf1 one\\par\\par}", {{"one\n", 0}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.rtf);
    EXPECT_EQ(ReadRichText(QByteArray(c.rtf)), c.runs);
  }
}

TEST(RichTextRtf, OtherAndBrokenTexts) {
  struct Case {
    QByteArray bytes;
    TRichRuns runs;
  } cases[] = {
      {"plain\r\ntext\rwith\nbreaks", {{"plain\ntext\nwith\nbreaks", 0}}},
      {QByteArray("\x80\xe9", 2), {{QString::fromUtf16(u"\u0080\u00E9"), 0}}},
      {"{\\rtf1 unclosed {\\super group", {{"unclosed ", 0}, {"group", 40}}},
      {"{\\rtf1 cut \\", {{"cut ", 0}}},
      {"{\\rtf1 bad hex \\'zz and \\'4", {{"bad hex zz and 4", 0}}},
      {"{\\rtf1 }}}}} x", {{" x", 0}}},
      {"{\\rtf1 \\up99999999999999 big}", {{"big", 10000000}}},
      {"", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.bytes.toStdString());
    EXPECT_EQ(ReadRichText(c.bytes), c.runs);
  }
  // Deep nesting reads without limit trouble.
  QByteArray deep = "{\\rtf1 ";
  for (int i = 0; i < 5000; ++i) deep += "{\\super ";
  deep += "deep";
  EXPECT_EQ(ReadRichText(deep), (TRichRuns{{"deep", 40}}));
}

}  // namespace
