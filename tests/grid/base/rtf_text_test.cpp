// The plain text of rich-text cells: tables and ignorable groups left out,
// paragraph marks as CR LF, escaped characters, and broken texts read as far as
// they go.
#include <gtest/gtest.h>

#include "grid/base/rtf_text.h"

namespace {

TEST(RtfText, PlainTextOfRichTexts) {
  const struct {
    const char* rtf;
    const char16_t* text;
  } cases[] = {
      {R"({\rtf1\ansi{\fonttbl{\f0\fswiss Arial;}}{\colortbl;\red255\green0\blue0;}\f0\fs20 Hello\par})", u"Hello"},
      {R"({\rtf1 one\par two\line three\tab four})", u"one\r\ntwo\r\nthree\tfour"},
      {R"({\rtf1 caf\'e9 \{x\} a\\b})", u"café {x} a\\b"},
      {R"({\rtf1\uc1 \u8364? \u-3913?})", u"\u20ac \uf0b7"},
      {R"({\rtf1{\*\generator Writer;}{\info{\title T}}text})", u"text"},
      {R"({\rtf1 \b bold\b0  and {\i italic}})", u"bold and italic"},
      {R"({\rtf1 cut \)", u"cut "},
      {R"({\rtf1 open {\b never closed)", u"open never closed"},
      {R"(}}} stray)", u" stray"},
      {R"({\rtf1 big\fs99999999999999999999 x})", u"bigx"},
      {"", u""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.rtf);
    EXPECT_EQ(RtfToPlainText(QString::fromUtf8(c.rtf)), QString::fromUtf16(c.text));
  }
}

}  // namespace
