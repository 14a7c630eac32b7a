#include "grid/base/html_colors.h"
#include "grid/base/html_controls.h"
#include "grid/base/html_entities.h"
#include "grid/base/html_highlight.h"

#include <gtest/gtest.h>

namespace {

QString u16(const char16_t* s) { return QString::fromUtf16(s); }

TEST(HtmlColors, NamesAndHexValues) {
  struct {
    const char* name;
    TColor color;
  } names[] = {
      {"clred", 0x0000FF},          {"clblue", 0xFF0000},          {"clteal", 0x808000},
      {"clblack", 0},               {"clbtnface", ColorConst(0xFF00000F)}, {"clinfobk", ColorConst(0xFF000018)},
      {"clbackground", ColorConst(0xFF000001)}, {"clnone", 0},      {"clRed", 0},  // exact names only
  };
  for (const auto& c : names) EXPECT_EQ(ColorFromName(QString::fromUtf8(c.name)), c.color) << c.name;

  struct {
    const char* text;
    TColor color;
  } hex[] = {{"#FF0000", 0x0000FF}, {"#00FF80", 0x80FF00}, {"#123456", 0x563412}, {"#12", 0x12}, {"", 0}};
  for (const auto& c : hex) EXPECT_EQ(HtmlHexToColor(QString::fromUtf8(c.text)), c.color) << c.text;

  EXPECT_EQ(HexPairToInt(QStringLiteral("FF")), 255);
  EXPECT_EQ(HexPairToInt(QStringLiteral("0A")), 10);
  EXPECT_EQ(HexPairToInt(QStringLiteral("F")), 0);
  EXPECT_NE(HexPairToInt(QStringLiteral("ff")), 255);  // callers upper-case first
}

TEST(HtmlColors, HighlightColorsStartAsSystemHighlight) {
  EXPECT_EQ(HtmlHighlightBackground(), clHighlight);
  EXPECT_EQ(HtmlHighlightTextColor(), clHighlightText);
  SetHtmlHighlightColors(clYellow, clBlack);
  EXPECT_EQ(HtmlHighlightBackground(), clYellow);
  EXPECT_EQ(HtmlHighlightTextColor(), clBlack);
  SetHtmlHighlightColors(clHighlight, clHighlightText);
}

TEST(HtmlEntities, EncodeTable) {
  struct {
    QString in;
    bool special;
    QString out;
  } cases[] = {
      {QStringLiteral("a<b>&\"c\""), false, QStringLiteral("a&lt;b&gt;&amp;&quot;c&quot;")},
      // "&" is encoded in one pass: a literal "*amp;" stays as it is.
      {QStringLiteral("x*amp;y&"), false, QStringLiteral("x*amp;y&amp;")},
      {QStringLiteral("&amp;"), false, QStringLiteral("&amp;amp;")},
      {u16(u"\u00e9t\u00c9 \u20ac"), true, QStringLiteral("&eacute;t&Eacute; &euro;")},
      {u16(u"\u00e9"), false, u16(u"\u00e9")},
      {u16(u"\u00e3"), true, u16(u"\u00e3")},  // a-tilde takes no part in the conversions
  };
  for (const auto& c : cases) EXPECT_EQ(HtmlEncodeEntities(c.in, c.special), c.out) << c.in.toStdString();
}

TEST(HtmlEntities, DecodeTableDecodesEachEntityOnce) {
  struct {
    QString in;
    bool special;
    QString out;
  } cases[] = {
      {QStringLiteral("a&lt;b&gt;&amp;&quot;"), false, QStringLiteral("a<b>&\"")},
      {QStringLiteral("&amp;lt;"), false, QStringLiteral("&lt;")},
      {QStringLiteral("&amp;amp;"), false, QStringLiteral("&amp;")},  // once, not down to "&"
      {QStringLiteral("&LT;"), false, QStringLiteral("&LT;")},        // basic entities in lower case only
      {QStringLiteral("&Eacute;&eacute;"), true, u16(u"\u00c9\u00e9")},
      {QStringLiteral("&Eacute;"), false, QStringLiteral("&Eacute;")},
      {QStringLiteral("&euro;&copy;&raquo;"), true, u16(u"\u20ac\u00a9\u00bb")},
      {QStringLiteral("&nbsp;&"), true, QStringLiteral("&nbsp;&")},
  };
  for (const auto& c : cases) EXPECT_EQ(HtmlDecodeEntities(c.in, c.special), c.out) << c.in.toStdString();
  const QString mixed = u16(u"<a href=\"x\">R&D \u00e9\u00c5</a>");
  EXPECT_EQ(HtmlDecodeEntities(HtmlEncodeEntities(mixed, true), true), mixed);
}

TEST(HtmlEntities, StripAndRewriteTable) {
  struct {
    const char* routine;
    QString (*apply)(const QString&);
    QString in;
    QString out;
  } cases[] = {
      {"StripHtmlToText", StripHtmlToText, QStringLiteral("a<br>b"), QStringLiteral("a\r\nb")},
      {"StripHtmlToText", StripHtmlToText, QStringLiteral("<B>x</B><Hr>y"), QStringLiteral("x\r\ny")},
      {"StripHtmlToText", StripHtmlToText, QStringLiteral("a<b>c<d"), QStringLiteral("ac<d")},
      {"StripHtmlToText", StripHtmlToText, QStringLiteral("a>b"), QStringLiteral("a>b")},
      {"StripHtmlTagsSimple", StripHtmlTagsSimple, QStringLiteral("<B>x</B>y"), QStringLiteral("xy")},
      {"StripHtmlTagsSimple", StripHtmlTagsSimple, QStringLiteral("a<b"), QStringLiteral("a<b")},
      {"StripHtmlTagsSimple", StripHtmlTagsSimple, QStringLiteral("a>b<i>c"), QStringLiteral("a>b<i>c")},
      {"StripHtmlTagsSimple", StripHtmlTagsSimple, QStringLiteral("<i>a>b<i>c"), QStringLiteral("a>b<i>c")},
      {"SpacesToNbsp", SpacesToNbsp, QStringLiteral("a b"), QStringLiteral("a&nbsp;b")},
      {"UnwrapHashMarkers", UnwrapHashMarkers, QStringLiteral("x<#field>y<#z"), QStringLiteral("x#fieldy#z")},
  };
  for (const auto& c : cases) EXPECT_EQ(c.apply(c.in), c.out) << c.routine << ": " << c.in.toStdString();
  EXPECT_EQ(LineBreaksToBrTags(QStringLiteral("a\r\nb"), true), QStringLiteral("a<BR>b"));
  EXPECT_EQ(LineBreaksToBrTags(QStringLiteral("a\r\nb"), false), QStringLiteral("ab"));
}

const QString kForm = QStringLiteral(
    "<CONTROL TYPE=\"BUTTON\" ID=\"b1\" VALUE=\"Go\" WIDTH=\"40\">"
    "<control type=\"edit\" id=\"e1\" value=\"a&amp;b\" width=\"60\" height=\"20\" maxlen=\"8\">"
    "<CONTROL TYPE=\"CHECK\" ID=\"c1\" VALUE=\"TRUE\" WIDTH=\"15\">"
    "<CONTROL TYPE=\"RADIO\" ID=\"r1\" VALUE=\"TRUE\" WIDTH=\"15\">"
    "<CONTROL TYPE=\"MASK\" ID=\"m1\" VALUE=\"12\" WIDTH=\"50\" PROP=\"00&lt;\">"
    "<CONTROL TYPE=\"RADIO\" ID=\"r2\" VALUE=\"TRUE\" WIDTH=\"15\">");

TEST(HtmlControls, ParseTag) {
  const THtmlControlTag t = ParseHtmlControlTag(
      QStringLiteral("<control type=\"edit\" id=\"e1\" value=\"a&amp;&eacute;\" width=\"60\" height=\"20\" "
                     "prop=\"p&lt;\" maxlen=\"8\">"));
  EXPECT_EQ(t.Type, QStringLiteral("EDIT"));
  EXPECT_EQ(t.Id, QStringLiteral("e1"));  // not taken from inside WIDTH
  EXPECT_EQ(t.Value, u16(u"a&\u00e9"));
  EXPECT_EQ(t.Width, QStringLiteral("60"));
  EXPECT_EQ(t.Height, QStringLiteral("20"));
  EXPECT_EQ(t.Prop, QStringLiteral("p<"));
  EXPECT_EQ(t.MaxLen, QStringLiteral("8"));
  const THtmlControlTag bare = ParseHtmlControlTag(QStringLiteral("<CONTROL WIDTH=\"3\">"));
  EXPECT_EQ(bare.Id, QString());
  EXPECT_EQ(bare.Type, QString());
}

TEST(HtmlControls, QueriesTable) {
  EXPECT_TRUE(HasHtmlControls(QStringLiteral("x<control ")));
  EXPECT_FALSE(HasHtmlControls(QStringLiteral("x<contro")));

  struct {
    const char* after;
    const char* next;
  } next[] = {{"", "e1"}, {"e1", "m1"}, {"b1", "e1"}, {"m1", ""}, {"zz", ""}};
  for (const auto& c : next)
    EXPECT_EQ(NextHtmlControlId(kForm, QString::fromUtf8(c.after)), QString::fromUtf8(c.next)) << c.after;

  QString value;
  EXPECT_TRUE(GetHtmlControlValue(kForm, QStringLiteral("e1"), value));
  EXPECT_EQ(value, QStringLiteral("a&b"));
  EXPECT_FALSE(GetHtmlControlValue(kForm, QStringLiteral("E1"), value));  // IDs match exactly
  EXPECT_EQ(GetHtmlControlProp(kForm, QStringLiteral("m1")), QStringLiteral("00<"));
  EXPECT_EQ(GetHtmlControlProp(kForm, QStringLiteral("e1")), QString());
  EXPECT_EQ(GetHtmlControlMaxLen(kForm, QStringLiteral("e1")), 8);
  EXPECT_EQ(GetHtmlControlMaxLen(kForm, QStringLiteral("m1")), 0);
  EXPECT_EQ(GetHtmlControlMaxLen(kForm, QStringLiteral("none")), 0);
}

TEST(HtmlControls, SetValueRewritesOnlyThatTagAndDropsHeight) {
  QString text = QStringLiteral("A<CONTROL TYPE=\"EDIT\" ID=\"x\" VALUE=\"1\" WIDTH=\"9\">B") +
                 QStringLiteral("<control type=\"edit\" id=\"e1\" value=\"old\" width=\"60\" height=\"20\" maxlen=\"8\">C");
  ASSERT_TRUE(SetHtmlControlValue(text, QStringLiteral("e1"), QStringLiteral("<new & \"q\">")));
  EXPECT_EQ(text, QStringLiteral("A<CONTROL TYPE=\"EDIT\" ID=\"x\" VALUE=\"1\" WIDTH=\"9\">B"
                                 "<CONTROL ID=\"e1\" VALUE=\"&lt;new &amp; &quot;q&quot;&gt;\" WIDTH=\"60\" "
                                 "TYPE=\"EDIT\" MAXLEN=\"8\">C"));
  QString value;
  ASSERT_TRUE(GetHtmlControlValue(text, QStringLiteral("e1"), value));
  EXPECT_EQ(value, QStringLiteral("<new & \"q\">"));

  QString mask = QStringLiteral("<CONTROL TYPE=\"MASK\" ID=\"m\" VALUE=\"1\" WIDTH=\"5\" PROP=\"0&amp;0\">");
  ASSERT_TRUE(SetHtmlControlValue(mask, QStringLiteral("m"), QStringLiteral("2")));
  EXPECT_EQ(mask, QStringLiteral("<CONTROL ID=\"m\" VALUE=\"2\" WIDTH=\"5\" TYPE=\"MASK\" PROP=\"0&amp;0\">"));

  const QString before = text;
  EXPECT_FALSE(SetHtmlControlValue(text, QStringLiteral("nope"), QStringLiteral("v")));
  EXPECT_EQ(text, before);
}

TEST(HtmlControls, ClearRadioControls) {
  const QString cleared = ClearHtmlRadioControls(kForm);
  QString value;
  for (const char* id : {"r1", "r2"}) {
    ASSERT_TRUE(GetHtmlControlValue(cleared, QString::fromUtf8(id), value));
    EXPECT_EQ(value, QStringLiteral("FALSE")) << id;
  }
  ASSERT_TRUE(GetHtmlControlValue(cleared, QStringLiteral("c1"), value));
  EXPECT_EQ(value, QStringLiteral("TRUE"));
  EXPECT_EQ(NextHtmlControlId(cleared, QStringLiteral("e1")), QStringLiteral("m1"));
}

TEST(HtmlHighlight, PlainToHtmlPos) {
  const QString t = QStringLiteral("a<B>bc</B>d");
  struct {
    int n, pos;
  } cases[] = {{1, 1}, {2, 2}, {3, 6}, {4, 7}, {5, 12}, {6, 0}, {0, 0}};
  for (const auto& c : cases) EXPECT_EQ(PlainToHtmlPos(t, c.n), c.pos) << c.n;
  EXPECT_EQ(PlainToHtmlPos(QStringLiteral("<B><I>x"), 1), 1);  // a run of tags counts to the character
  EXPECT_EQ(PlainToHtmlPos(QString(), 1), 1);
}

TEST(HtmlHighlight, HighlightTable) {
  struct {
    QString text, search;
    bool caseSensitive;
    QString out;
  } cases[] = {
      {QStringLiteral("abcabc"), QStringLiteral("b"), true, QStringLiteral("a<HI>b</HI>ca<HI>b</HI>c")},
      {QStringLiteral("aa"), QStringLiteral("a"), true, QStringLiteral("<HI>a</HI><HI>a</HI>")},
      {QStringLiteral("ABC"), QStringLiteral("b"), false, QStringLiteral("A<HI>B</HI>C")},
      {QStringLiteral("ABC"), QStringLiteral("b"), true, QStringLiteral("ABC")},
      {u16(u"<B>\u00df</B>x"), QStringLiteral("X"), false, u16(u"<B>\u00df<HI></B>x</HI>")},
      // Across formatting tags.
      {QStringLiteral("x<B>bo</B>ld"), QStringLiteral("bol"), true, QStringLiteral("x<HI><B>bo</B>l</HI>d")},
      {QStringLiteral("<B>ab</B>c"), QStringLiteral("ab"), true, QStringLiteral("<HI><B>ab</HI></B>c")},
      {QStringLiteral("a<B>b</B>"), QStringLiteral("b"), true, QStringLiteral("a<HI><B>b</B></HI>")},
      // Literal angle brackets in the plain text: the escaped plain text is marked.
      {QStringLiteral("1 < 2"), QStringLiteral("<"), true, QStringLiteral("1 <HI>&lt;</HI> 2")},
      // An empty search text leaves the text unchanged.
      {QStringLiteral("a<B>b</B>"), QString(), false, QStringLiteral("a<B>b</B>")},
  };
  for (const auto& c : cases)
    EXPECT_EQ(HighlightHtmlText(c.text, c.search, QStringLiteral("HI"), c.caseSensitive), c.out)
        << c.text.toStdString() << " / " << c.search.toStdString();
}

TEST(HtmlHighlight, LongCellsAreMarkedWhole) {
  // A cell of 100,000 characters with a hit in every formatting run: each hit gets
  // its tags, in one pass over the text.
  const QString text = QStringLiteral("<B>ab</B>c").repeated(10000);
  EXPECT_EQ(HighlightHtmlText(text, QStringLiteral("B"), QStringLiteral("HI"), false),
            QStringLiteral("<B>a<HI>b</HI></B>c").repeated(10000));
  const QString letters(100000, u'a');
  EXPECT_EQ(HighlightHtmlText(letters, QStringLiteral("aa"), QStringLiteral("HI"), true),
            QStringLiteral("<HI>aa</HI>").repeated(50000));
}

TEST(HtmlHighlight, UnhighlightRestoresTheText) {
  struct {
    QString text, search;
  } cases[] = {{QStringLiteral("x<B>bo</B>ld"), QStringLiteral("o")}, {QStringLiteral("1 < 2"), QStringLiteral("2")}};
  for (const auto& c : cases) {
    const QString marked = HighlightHtmlText(c.text, c.search, QStringLiteral("HI"), false);
    EXPECT_NE(marked, c.text);
    EXPECT_EQ(UnHighlightHtmlText(marked, QStringLiteral("hi")), c.text) << c.text.toStdString();
  }
}

}  // namespace
