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
  const QString longAscii(300, u'x');
  const QString wide = QStringLiteral("Grüße €");
  const QByteArray bytes = Written([&](TComponentWriter& w) {
    w.WriteString("abc");
    w.WriteString(longAscii);
    w.WriteString(wide);
    w.WriteString(QString());
  });
  EXPECT_EQ(bytes.left(5).toHex(), QByteArray("0603616263"));
  EXPECT_EQ(static_cast<uint8_t>(bytes[5]), vaLString);
  EXPECT_EQ(static_cast<uint8_t>(bytes[5 + 5 + 300]), vaWString);
  TComponentReader r(bytes);
  EXPECT_EQ(r.ReadString(), "abc");
  EXPECT_EQ(r.ReadString(), longAscii);
  EXPECT_EQ(r.ReadString(), wide);
  EXPECT_EQ(r.ReadString(), "");
  EXPECT_TRUE(r.AtEnd());
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
}

}  // namespace
