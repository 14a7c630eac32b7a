#include "platform/rtl/exceptions.h"
#include "platform/rtl/numbers.h"

#include <gtest/gtest.h>

namespace {

struct IntCase {
  const char16_t* text;
  bool ok;
  int32_t value;
};

TEST(NumberReader, Int32Syntax) {
  const IntCase cases[] = {
      {u"31", true, 31},           {u"$1F", true, 31},         {u"0x1F", true, 31},
      {u"0X1f", true, 31},         {u"x1F", true, 31},         {u"X1F", true, 31},
      {u" 31", true, 31},          {u"   -5", true, -5},       {u"+7", true, 7},
      {u"31 ", false, 0},          {u"\t31", false, 0},        {u"", false, 0},
      {u"-", false, 0},            {u"$", false, 0},           {u"0x", false, 0},
      {u"2147483647", true, 2147483647}, {u"-2147483648", true, INT32_MIN},
      {u"2147483648", false, 0},   {u"-2147483649", false, 0}, {u"$FFFFFFFF", true, -1},
      {u"$100000000", false, 0},   {u"$G1", false, 0},         {u"1.5", false, 0},
      {u"-$10", true, -16},        {u"0031", true, 31},        {u"0", true, 0},
      {u"99999999999999999999", false, 0},
  };
  for (const IntCase& c : cases) {
    const QString text = QString::fromUtf16(c.text);
    int32_t v = 12345;
    EXPECT_EQ(TryStrToInt(text, v), c.ok) << text.toStdString();
    if (c.ok) {
      EXPECT_EQ(v, c.value) << text.toStdString();
    }
    EXPECT_EQ(StrToIntDef(text, -1), c.ok ? c.value : -1) << text.toStdString();
    // The same text as UTF-8 bytes reads the same.
    const QByteArray utf8 = text.toUtf8();
    int32_t fromBytes = 12345;
    EXPECT_EQ(TryStrToInt(std::string_view(utf8.constData(), utf8.size()), fromBytes), c.ok) << text.toStdString();
    if (c.ok) {
      EXPECT_EQ(fromBytes, c.value) << text.toStdString();
    }
  }
  // Characters beyond ASCII are no digits, blanks or signs in either form.
  for (const char16_t* text : {u"\u0661\u0662", u"\u00a031", u"3\u00e9", u"\uff11"}) {
    int32_t v = 0;
    EXPECT_FALSE(TryStrToInt(QString::fromUtf16(text), v));
    EXPECT_FALSE(TryStrToInt(std::string_view(QString::fromUtf16(text).toUtf8().toStdString()), v));
  }
}

TEST(NumberReader, Int64RangeAndHexWidth) {
  int64_t v = 0;
  EXPECT_TRUE(TryStrToInt64(QStringLiteral("9223372036854775807"), v));
  EXPECT_EQ(v, INT64_MAX);
  EXPECT_TRUE(TryStrToInt64(QStringLiteral("-9223372036854775808"), v));
  EXPECT_EQ(v, INT64_MIN);
  EXPECT_FALSE(TryStrToInt64(QStringLiteral("9223372036854775808"), v));
  EXPECT_TRUE(TryStrToInt64(QStringLiteral("$FFFFFFFF"), v));
  EXPECT_EQ(v, 0xFFFFFFFFLL);
  EXPECT_TRUE(TryStrToInt64(QStringLiteral("$FFFFFFFFFFFFFFFF"), v));
  EXPECT_EQ(v, -1);
  EXPECT_FALSE(TryStrToInt64(QStringLiteral("$1FFFFFFFFFFFFFFFF"), v));
}

TEST(NumberReader, StrToIntRaisesWithTheRuntimeText) {
  try {
    StrToInt(QStringLiteral("abc"));
    FAIL() << "no exception";
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message, QStringLiteral("'abc' is not a valid integer value"));
  }
}

}  // namespace
