// The component stream: integers take their shortest tag, texts the tag that
// fits them, and a reader given any broken or cut-off stream raises EReadError
// instead of reading past the end.
#include <gtest/gtest.h>

#include "tests/support/qstring_print.h"

#include "platform/rtl/component_stream.h"

namespace {

QByteArray Written(const std::function<void(TComponentWriter&)>& write) {
  QByteArray out;
  TComponentWriter w(out);
  write(w);
  return out;
}

TEST(ComponentStream, IntegersTakeTheShortestTag) {
  struct Case {
    int value;
    const char* hex;
  } cases[] = {
      {0, "0200"}, {-128, "0280"}, {127, "027f"}, {128, "038000"}, {-129, "037fff"},
      {32767, "03ff7f"}, {32768, "0400800000"}, {-2147483647 - 1, "0400000080"},
  };
  for (const Case& c : cases) {
    const QByteArray bytes = Written([&](TComponentWriter& w) { w.WriteInteger(c.value); });
    EXPECT_EQ(bytes.toHex(), QByteArray(c.hex)) << c.value;
    TComponentReader r(bytes);
    EXPECT_EQ(r.ReadInteger(), c.value);
    EXPECT_TRUE(r.AtEnd());
  }
}

TEST(ComponentStream, TextsTakeTheTagThatFitsThem) {
  // Each text's bytes written out by hand: tag, length, then the text.
  struct Case {
    QString text;
    QByteArray hex;
  } cases[] = {
      {QString(), "0600"},
      {"abc", "0603616263"},
      // one character above U+007F in mostly ASCII: UTF-8 (5 bytes for 4 units)
      {QStringLiteral("ab\u00fcc"), "14050000006162c3bc63"},
      // Chinese: 6 UTF-8 bytes for 2 units (at least twice) - UTF-16LE
      {QStringLiteral("\u4e2d\u6587"), "12020000002d4e8765"},
  };
  for (const Case& c : cases) {
    const QByteArray bytes = Written([&](TComponentWriter& w) { w.WriteString(c.text); });
    EXPECT_EQ(bytes.toHex(), c.hex) << c.text.toStdString();
    TComponentReader r(bytes);
    EXPECT_EQ(r.ReadString(), c.text);
    EXPECT_TRUE(r.AtEnd());
  }
  // 300 ASCII characters: the long form with a 4-byte length.
  const QString longAscii(300, u'x');
  const QByteArray bytes = Written([&](TComponentWriter& w) { w.WriteString(longAscii); });
  EXPECT_EQ(bytes.left(5).toHex(), QByteArray("0c2c010000"));
  EXPECT_EQ(bytes.size(), 5 + 300);
  TComponentReader r(bytes);
  EXPECT_EQ(r.ReadString(), longAscii);
}

TEST(ComponentStream, FloatsAreEightyBitExtended) {
  struct Case {
    double value;
    const char* hex;
  } cases[] = {
      {0.0, "0500000000000000000000"},
      {1.0, "050000000000000080ff3f"},
      {5.0, "0500000000000000a00140"},
      {-0.5, "050000000000000080febf"},
  };
  for (const Case& c : cases) {
    const QByteArray bytes = Written([&](TComponentWriter& w) { w.WriteFloat(c.value); });
    EXPECT_EQ(bytes.toHex(), QByteArray(c.hex)) << c.value;
    TComponentReader r(bytes);
    EXPECT_EQ(r.ReadFloat(), c.value);
  }
  // Every double comes back unchanged; an integer tag reads as a number too.
  for (double v : {0.1, -1e-300, 1.7976931348623157e308, 4.9e-324, 123456.789}) {
    const QByteArray bytes = Written([&](TComponentWriter& w) { w.WriteFloat(v); });
    TComponentReader r(bytes);
    EXPECT_EQ(r.ReadFloat(), v);
  }
  const QByteArray integer = Written([](TComponentWriter& w) { w.WriteInteger(-7); });
  TComponentReader r(integer);
  EXPECT_EQ(r.ReadFloat(), -7.0);
}

TEST(ComponentStream, EveryCutOffOrForeignStreamRaises) {
  const QByteArray whole = Written([](TComponentWriter& w) {
    w.WriteSignature();
    w.WriteStr("TThing");
    w.WriteIdent("alpha");
    w.WriteSet({"one", "two"});
    w.WriteBoolean(true);
    w.WriteListBegin();
    w.WriteString(QStringLiteral("wide ü"));
    w.WriteListEnd();
  });
  auto readAll = [](const QByteArray& bytes) {
    TComponentReader r(bytes);
    r.ReadSignature();
    EXPECT_EQ(r.ReadStr(), "TThing");
    EXPECT_EQ(r.ReadIdent(), "alpha");
    EXPECT_EQ(r.ReadSet(), QStringList({"one", "two"}));
    EXPECT_TRUE(r.ReadBoolean());
    r.ReadListBegin();
    EXPECT_FALSE(r.EndOfList());
    EXPECT_EQ(r.ReadString(), "wide ü");
    r.ReadListEnd();
  };
  readAll(whole);
  for (qsizetype n = 0; n < whole.size(); ++n) EXPECT_THROW(readAll(whole.left(n)), EReadError) << n;

  // Wrong tags, a foreign signature and lengths far beyond the data.
  EXPECT_THROW(TComponentReader(QByteArray("TPF1")).ReadSignature(), EReadError);
  EXPECT_THROW(TComponentReader(QByteArray::fromHex("06")).ReadInteger(), EReadError);
  EXPECT_THROW(TComponentReader(QByteArray::fromHex("02")).ReadString(), EReadError);
  EXPECT_THROW(TComponentReader(QByteArray::fromHex("12ffffffff4100")).ReadString(), EReadError);
  EXPECT_THROW(TComponentReader(QByteArray::fromHex("0cffffff7f41")).ReadString(), EReadError);
  EXPECT_THROW(TComponentReader(QByteArray::fromHex("09")).ReadIdent(), EReadError);
  // A name that is not UTF-8 would not be written back as it was read.
  EXPECT_THROW(TComponentReader(QByteArray::fromHex("0702ffdc")).ReadIdent(), EReadError);
  EXPECT_THROW(TComponentReader(QByteArray::fromHex("02c341")).ReadStr(), EReadError);
}

// A name longer than a short string holds is cut before a character, so that
// what was written reads back as its beginning.
TEST(ComponentStream, ALongNameIsCutAtACharacterBoundary) {
  const QString name = QString(300, QChar(0x00E9));  // two bytes each in UTF-8
  QByteArray bytes;
  TComponentWriter(bytes).WriteStr(name);
  ASSERT_EQ(bytes.size(), 1 + 254);
  EXPECT_EQ(TComponentReader(bytes).ReadStr(), name.left(127));
}

}  // namespace
