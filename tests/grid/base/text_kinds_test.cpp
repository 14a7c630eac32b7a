#include "grid/base/text_kinds.h"

#include <gtest/gtest.h>

namespace {

QString packed(std::initializer_list<char16_t> codes) {
  QString s = QStringLiteral("|\\");
  for (char16_t c : codes) s += QChar(c);
  return s;
}

struct KindCase {
  QString text;
  bool html;
  int kind;
};

TEST(TextKinds, ClassifyCellTextTable) {
  const KindCase cases[] = {
      {QString(), true, ctkPlain},
      {QStringLiteral("x"), true, ctkPlain},
      {QStringLiteral("=A1+2"), true, ctkFormula},
      {QStringLiteral("="), false, ctkFormula},
      {QStringLiteral("{\\rtf1 x}"), true, ctkRichText},
      {QStringLiteral("{\\rtf1 x}"), false, ctkRichText},
      {packed({0x04, 0x10}), false, ctkPackedWide},
      {QStringLiteral("|\\"), false, ctkPackedWide},
      // A packed text whose first character is "=" followed by another one.
      {packed({0x00, u'=', 0x00, u'A'}), false, ctkFormula},
      // "=" alone packed: the fifth character is the appended blank, not NUL.
      {packed({0x00, u'='}), false, ctkPackedWide},
      {QStringLiteral("<b>bold</b>"), true, ctkHtml},   // holds "</"
      {QStringLiteral("<b>bold"), true, ctkPlain},      // lower case opening tag alone
      {QStringLiteral("<B>bold"), true, ctkHtml},
      {QStringLiteral("<I>it"), true, ctkHtml},
      {QStringLiteral("<CONTROL ID=\"a\">"), true, ctkHtml},
      {QStringLiteral("<B>bold</B>"), false, ctkPlain},
      {QStringLiteral("a < b"), true, ctkPlain},
      {QStringLiteral("a <<B>"), true, ctkHtml},        // the mark after another "<"
      {QStringLiteral("x <b <C"), true, ctkHtml},
      {QStringLiteral("ends in <"), true, ctkPlain},
  };
  for (const KindCase& c : cases)
    EXPECT_EQ(ClassifyCellText(c.text, c.html), c.kind) << c.text.toStdString() << " html=" << c.html;
}

TEST(TextKinds, PackedWideTextRoundTripsAndKeepsItsByteLayout) {
  const QString wide = QString::fromUtf16(u"\u041F\u0440\u0438 A\u20AC");
  const QString p = EncodeWideCellText(wide);
  // Stored files depend on this exact layout: marker, then high and low byte.
  EXPECT_EQ(p.left(4), packed({0x04, 0x1F}));
  EXPECT_EQ(p.size(), 2 + 2 * wide.size());
  EXPECT_EQ(DecodeWideCellText(p), wide);
  EXPECT_EQ(DecodeWideCellText(QStringLiteral("plain")), QStringLiteral("plain"));
  // An odd last character is ignored.
  EXPECT_EQ(DecodeWideCellText(packed({0x00, u'A', 0x01})), QStringLiteral("A"));
  EXPECT_EQ(EncodeWideCellText(QString()), QStringLiteral("|\\"));
  EXPECT_EQ(WidePos(QString::fromUtf16(u"\u0440"), wide), 2);
}

}  // namespace
