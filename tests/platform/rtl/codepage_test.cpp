#include "platform/rtl/codepage.h"

#include <gtest/gtest.h>

namespace {

TEST(Codepage1252, EveryByteRoundTrips) {
  QByteArray all;
  for (int b = 0; b < 256; ++b) all.append(static_cast<char>(b));
  const QString text = DecodeWindows1252(all);
  ASSERT_EQ(text.size(), 256);
  bool lossless = false;
  EXPECT_EQ(EncodeWindows1252(text, &lossless), all);
  EXPECT_TRUE(lossless);
}

TEST(Codepage1252, NamedCharacters) {
  struct Case {
    uint8_t byte;
    char16_t ch;
  };
  const Case cases[] = {
      {0x41, u'A'},    {0x80, u'\u20AC'}, {0x93, u'\u201C'}, {0x94, u'\u201D'}, {0x8A, u'\u0160'},
      {0x9F, u'\u0178'}, {0xB6, u'\u00B6'}, {0xE9, u'\u00E9'}, {0xFF, u'\u00FF'},
      // Undefined in 1252: the code point of the same value, as Windows maps them.
      {0x81, u'\u0081'}, {0x8D, u'\u008D'}, {0x8F, u'\u008F'}, {0x90, u'\u0090'}, {0x9D, u'\u009D'},
  };
  for (const Case& c : cases) {
    const QByteArray byte(1, static_cast<char>(c.byte));
    EXPECT_EQ(DecodeWindows1252(byte), QString(QChar(c.ch))) << int(c.byte);
    EXPECT_EQ(EncodeWindows1252(QString(QChar(c.ch))), byte) << int(c.byte);
  }
}

TEST(Codepage1252, UnmappableCharactersBecomeQuestionMarks) {
  struct Case {
    const char16_t* text;
    const char* bytes;
  };
  const Case cases[] = {
      {u"a\u0100b", "a?b"},         // Latin A with macron: not in 1252
      {u"\u0080", "?"},             // the C1 control whose byte 1252 gives to the euro sign
      {u"x\U0001F600y", "x?y"},     // a surrogate pair is one character
      {u"\xD800z", "?z"},           // a lone surrogate
  };
  for (const Case& c : cases) {
    bool lossless = true;
    EXPECT_EQ(EncodeWindows1252(QString::fromUtf16(c.text), &lossless), QByteArray(c.bytes)) << c.bytes;
    EXPECT_FALSE(lossless) << c.bytes;
  }
  bool lossless = false;
  EXPECT_EQ(EncodeWindows1252(QString::fromUtf16(u"\u20ACx"), &lossless), QByteArray("\x80x"));
  EXPECT_TRUE(lossless);
}

}  // namespace
