// The mini-HTML renderer's layout, on a surface with fixed metrics: every
// character is as wide as the font's point size (one more in bold) and every
// line twice as high. What the surface is asked to draw is recorded, so the
// tests read positions, colours and the focus rectangle from it.
#include "grid/base/html_render.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QBuffer>
#include <vector>

#include "grid/base/html_device.h"
#include "grid/base/html_picture.h"
#include "platform/ui/canvas.h"
#include "tests/support/qstring_print.h"

namespace {

struct DrawnText {
  QString text;
  TRect rect;
  unsigned flags;
  TColor color;
  bool bold, underline;
  TColor background;  // clNone: transparent
};

class FakeSurface : public THtmlDevice {
public:
  FakeSurface() : THtmlDevice(&canvas) { canvas.Font()->SetSize(8); }
  TCanvas canvas;
  std::vector<DrawnText> texts;
  std::vector<TRect> focusRects;
  std::vector<TRect> fills;

  static int Chars(const QString& s) {
    int n = 0;
    for (int i = 0; i < s.size(); ++i) {
      if (s[i] == u'&') {
        if (i + 1 < s.size() && s[i + 1] == u'&') ++i;
        else continue;
      }
      ++n;
    }
    return n;
  }
  TSize TextSize(const QString& Text) override {
    const TFont* f = canvas.Font();
    const int w = f->Size() + (f->Style().Contains(fsBold) ? 1 : 0);
    return {Chars(Text) * w, 2 * f->Size()};
  }
  void DrawTextPiece(const QString& Text, const TRect& R, unsigned Flags) override {
    const TFont* f = canvas.Font();
    texts.push_back({Text, R, Flags, f->Color(), f->Style().Contains(fsBold), f->Style().Contains(fsUnderline),
                     canvas.Brush()->Style() == bsClear ? clNone : canvas.Brush()->Color()});
  }
  void FillRect(const TRect& R) override { fills.push_back(R); }
  void Line(int, int, int, int) override {}
  void FocusRect(const TRect& R) override { focusRects.push_back(R); }

  const DrawnText* Find(const QString& text) const {
    for (const DrawnText& t : texts)
      if (t.text == text) return &t;
    return nullptr;
  }
};

struct Layout {
  bool result = false;
  THtmlDrawOutput out;
};

Layout Lay(FakeSurface& s, const QString& text, TRect rect, THtmlDrawInput in = {}) {
  Layout l;
  l.result = DrawHtmlCellText(s, text, rect, in, l.out);
  return l;
}

THtmlDrawInput Measure() {
  THtmlDrawInput in;
  in.MeasureOnly = true;
  return in;
}

const TRect kWide{0, 0, 400, 200};

TEST(HtmlRender, EmptyTextMeasuresAsTheHeightOfOneLine) {
  FakeSurface s;
  const Layout l = Lay(s, QString(), kWide, Measure());
  EXPECT_EQ(l.out.TextExtentX, 0);
  EXPECT_EQ(l.out.TextExtentY, 16);
  EXPECT_FALSE(l.result);
}

TEST(HtmlRender, TextPreparationAndPieces) {
  struct Case {
    const char* what;
    const char* text;
    const char* plain;  // PlainText
    int width;          // TextExtentX
  } cases[] = {
      {"an ampersand entity draws one ampersand", "&amp;", "&&", 8},
      {"escaped brackets draw brackets and form no tag", "&lt;b&gt;x", "<b>x", 32},
      {"each entity is decoded once", "&amp;lt;", "&&lt;", 32},
      {"a lone \"<\" at the end is dropped", "abc<", "abc", 24},
      {"an unknown tag is dropped", "a<XYZ>b", "ab", 16},
      {"a tag without \">\" ends the text", "ab<B", "ab", 16},
      {"hidden text takes no room but is plain text", "a<Z>hid</Z>b", "ahidb", 16},
      {"a carriage return is a line break", "ab\rcd", "ab\rcd", 16},
      {"\"<#name>\" shows the hash sign and the name", "<#tag>", "#tag", 32},
      {"bold is wider", "<B>ab</B>", "ab", 18},
      {"a trailing blank is not counted", "ab ", "ab ", 16},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    FakeSurface s;
    const Layout l = Lay(s, QString::fromUtf8(c.text), kWide, Measure());
    EXPECT_EQ(l.out.PlainText, QString::fromUtf8(c.plain));
    EXPECT_EQ(l.out.TextExtentX, c.width);
  }
}

TEST(HtmlRender, AWordJoinedByTagsIsNeverBroken) {
  FakeSurface s;
  // Room for 80 pixels: "aaaa bbb" fits, "ccc" runs over but joins "bbb".
  const TRect r{0, 0, 81, 200};
  const Layout l = Lay(s, "aaaa bbb<B>ccc</B> dd", r);
  const DrawnText* ccc = s.Find("ccc");
  const DrawnText* dd = s.Find("dd");
  ASSERT_TRUE(ccc && dd);
  EXPECT_EQ(ccc->rect.Left, 1 + 64);  // on the first line, right after "bbb"
  EXPECT_TRUE(ccc->bold);
  EXPECT_EQ(ccc->rect.Bottom, 16);
  EXPECT_EQ(dd->rect.Left, 1);  // the next word starts the second line
  EXPECT_EQ(dd->rect.Bottom, 32);
  EXPECT_EQ(l.out.TextExtentX, 91);  // 40 + 24 + 27, the trailing blank left out
  EXPECT_EQ(l.out.TextExtentY, 32);
}

TEST(HtmlRender, WithoutWordWrapLinesAfterAnOverflowingLineAreNotShown) {
  THtmlDrawInput in;
  in.WordWrap = false;
  {
    FakeSurface s;
    const Layout l = Lay(s, "aaaaaaaaaa<BR>bbb", TRect{0, 0, 51, 200}, in);
    ASSERT_EQ(s.texts.size(), 1u);
    EXPECT_EQ(s.texts[0].text, "aaaaaaaaaa");
    EXPECT_TRUE(s.texts[0].flags & DT_END_ELLIPSIS);
    EXPECT_EQ(l.out.TextExtentY, 16);
  }
  {
    FakeSurface s;
    Lay(s, "aa<BR>bb", TRect{0, 0, 51, 200}, in);
    EXPECT_NE(s.Find("bb"), nullptr);  // lines that fit all show
  }
  {
    // A piece that no longer fits behind others ends the output there.
    FakeSurface s;
    Lay(s, "aaa <B>bbbbbbb</B><BR>ccc", TRect{0, 0, 51, 200}, in);
    EXPECT_NE(s.Find("bbbbbbb"), nullptr);
    EXPECT_EQ(s.Find("ccc"), nullptr);
  }
}

TEST(HtmlRender, FontSizes) {
  struct Case {
    const char* size;
    int width, height;
  } cases[] = {{"1", 8, 16}, {"3", 12, 24}, {"5", 16, 32}, {"7", 7, 16}, {"12", 12, 24}, {"x", 8, 16}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.size);
    FakeSurface s;
    const Layout l = Lay(s, QStringLiteral("<FONT SIZE=\"%1\">x</FONT>").arg(c.size), kWide, Measure());
    EXPECT_EQ(l.out.TextExtentX, c.width);
    EXPECT_EQ(l.out.TextExtentY, c.height);
  }
  // The closing FONT brings the size back for the next line.
  FakeSurface s;
  const Layout l = Lay(s, "<FONT SIZE=\"5\">x</FONT><BR>y", kWide, Measure());
  EXPECT_EQ(l.out.TextExtentY, 32 + 16);
}

TEST(HtmlRender, AnchorsTheFocusLinkAndHitTesting) {
  const QString text = QStringLiteral("see <A HREF=\"a1\">one</A> and <A HREF=\"a2\" TITLE=\"t2\">two</A>");
  // Drawing: the first anchor has the focus rectangle, link colour and underline.
  {
    FakeSurface s;
    THtmlDrawInput in;
    in.FocusLink = 0;
    in.UrlColor = clRed;
    const Layout l = Lay(s, text, kWide, in);
    EXPECT_EQ(l.out.LinkCount, 2);
    EXPECT_EQ(l.out.FocusAnchor, "a1");
    ASSERT_EQ(s.focusRects.size(), 1u);
    EXPECT_EQ(s.focusRects[0], (TRect{1 + 32 - 1, 0, 1 + 56 + 1, 16}));
    const DrawnText* one = s.Find("one");
    ASSERT_TRUE(one);
    EXPECT_EQ(one->color, clRed);
    EXPECT_TRUE(one->underline);
    EXPECT_FALSE(s.Find("see ")->underline);
  }
  // Hit testing.
  struct Case {
    int x;
    bool hit;
    int link;
    const char* href;
    const char* title;
  } cases[] = {
      {1 + 40, true, 1, "a1", ""},     // over "one"
      {1 + 100, true, 2, "a2", "t2"},  // over "two"
      {1 + 10, false, -1, "", ""},     // over "see"
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.x);
    FakeSurface s;
    THtmlDrawInput in;
    in.HitTestOnly = true;
    in.X = c.x;
    in.Y = 8;
    const Layout l = Lay(s, text, kWide, in);
    EXPECT_EQ(l.result, c.hit);
    EXPECT_EQ(l.out.MouseLink, c.link);
    EXPECT_EQ(l.out.AnchorValue, QString::fromUtf8(c.href));
    EXPECT_EQ(l.out.AnchorTitle, QString::fromUtf8(c.title));
    EXPECT_TRUE(s.texts.empty());  // hit testing draws nothing
    if (c.link == 2) {
      EXPECT_EQ(l.out.HoverRect, (TRect{1 + 96, 0, 1 + 120, 16}));
    }
  }
}

TEST(HtmlRender, HoverColoursOnlyForTheHoveredAnchor) {
  FakeSurface s;
  THtmlDrawInput in;
  in.HoverUnderlineOnly = true;
  in.HoverLink = 2;
  in.HoverColor = clYellow;
  in.HoverFontColor = clGreen;
  in.UrlColor = clBlue;
  Lay(s, "<A HREF=\"1\">one</A><A HREF=\"2\">two</A>", kWide, in);
  const DrawnText* one = s.Find("one");
  const DrawnText* two = s.Find("two");
  ASSERT_TRUE(one && two);
  EXPECT_FALSE(one->underline);
  EXPECT_EQ(one->color, clBlue);
  EXPECT_EQ(one->background, clNone);
  EXPECT_TRUE(two->underline);
  EXPECT_EQ(two->color, clGreen);
  EXPECT_EQ(two->background, clYellow);
}

TEST(HtmlRender, ListItemsAndBullets) {
  {
    // At list level 0 the bullet is a circle 12 pixels left of the text; no width taken.
    FakeSurface s;
    const Layout l = Lay(s, "<LI>item", kWide);
    const DrawnText* bullet = s.Find("o");
    ASSERT_TRUE(bullet);
    EXPECT_EQ(bullet->rect.Left, 1 - 12);
    EXPECT_EQ(s.Find("item")->rect.Left, 1);
    EXPECT_EQ(l.out.TextExtentX, 32);
  }
  {
    // UL ends its line and raises the level; each item starts a line, indented 12.
    FakeSurface s;
    const Layout l = Lay(s, "<UL><LI>a<LI>b</UL>c", kWide);
    ASSERT_TRUE(s.Find("a") && s.Find("b") && s.Find("c"));
    EXPECT_EQ(s.Find("a")->rect.Left, 1 + 12);
    EXPECT_EQ(s.Find("a")->rect.Bottom, 32);  // the UL's own line first
    EXPECT_EQ(s.Find("b")->rect.Bottom, 48);
    EXPECT_EQ(s.Find("c")->rect.Left, 1 + 12 + 8);  // after the list, on b's line
    int bullets = 0;
    for (const DrawnText& t : s.texts)
      if (t.text == QStringLiteral("\u2022")) ++bullets;
    EXPECT_EQ(bullets, 2);
    EXPECT_EQ(l.out.TextExtentX, 12 + 16);
  }
}

TEST(HtmlRender, ParagraphsPlaceLinesButExtentsLeaveTheIndentOut) {
  {
    FakeSurface s;
    const Layout l = Lay(s, "<P INDENT=\"20\">abc </P>", kWide);
    EXPECT_EQ(s.Find("abc ")->rect.Left, 1 + 20);
    EXPECT_EQ(l.out.TextExtentX, 24);
  }
  {
    FakeSurface s;
    Lay(s, "<P ALIGN=\"RIGHT\">abc</P>", kWide);
    EXPECT_EQ(s.Find("abc")->rect.Left, 400 - 24);
  }
  {
    FakeSurface s;
    Lay(s, "<P ALIGN=\"CENTER\">abcd</P>", TRect{0, 0, 101, 100});
    EXPECT_EQ(s.Find("abcd")->rect.Left, 1 + (100 - 32) / 2);
  }
}

TEST(HtmlRender, SelectedTextKeepsItsColours) {
  FakeSurface s;
  s.canvas.Font()->SetColor(clWhite);
  THtmlDrawInput in;
  in.Selected = true;
  Lay(s, "<FONT COLOR=\"clred\" BGCOLOR=\"#00FF00\">a</FONT><A HREF=\"x\">b</A>", kWide, in);
  EXPECT_EQ(s.Find("a")->color, clWhite);
  EXPECT_EQ(s.Find("a")->background, clNone);
  EXPECT_EQ(s.Find("b")->color, clWhite);
  // Unselected the same text takes its colours.
  FakeSurface t;
  Lay(t, "<FONT COLOR=\"clred\" BGCOLOR=\"#00FF00\">a</FONT>", kWide);
  EXPECT_EQ(t.Find("a")->color, clRed);
  EXPECT_EQ(t.Find("a")->background, 0x00FF00);
}

TEST(HtmlRender, TheCanvasComesBackAsItWas) {
  FakeSurface s;
  s.canvas.Font()->SetColor(clNavy);
  s.canvas.Brush()->SetColor(clAqua);
  s.canvas.Pen()->SetColor(clMaroon);
  Lay(s, "<B><I><FONT FACE=\"Courier\" COLOR=\"clred\" BGCOLOR=\"clblue\" SIZE=\"5\">x<HR>", kWide);
  EXPECT_EQ(s.canvas.Font()->Color(), clNavy);
  EXPECT_FALSE(s.canvas.Font()->Style().Contains(fsBold));
  EXPECT_EQ(s.canvas.Font()->Size(), 8);
  EXPECT_EQ(s.canvas.Brush()->Color(), clAqua);
  EXPECT_EQ(s.canvas.Brush()->Style(), bsSolid);
  EXPECT_EQ(s.canvas.Pen()->Color(), clMaroon);
}

TEST(HtmlRender, DrawingStopsBelowTheRectangleMeasuringDoesNot) {
  const QString text = QStringLiteral("a<BR>b<BR>c<BR>d");
  FakeSurface s;
  const Layout drawn = Lay(s, text, TRect{0, 0, 100, 40});
  EXPECT_EQ(s.texts.size(), 2u);  // a at 0..16, b at 16..32; c would end below 40
  EXPECT_EQ(drawn.out.TextExtentY, 32);
  FakeSurface m;
  EXPECT_EQ(Lay(m, text, TRect{0, 0, 100, 40}, Measure()).out.TextExtentY, 64);
}

TEST(HtmlRender, InTextControls) {
  const QString text = QStringLiteral(
      "x<CONTROL TYPE=\"CHECK\" ID=\"c1\" VALUE=\"true\" WIDTH=\"20\">"
      "<CONTROL TYPE=\"EDIT\" ID=\"e1\" VALUE=\"v\">"  // no WIDTH: no room, never hit
      "<CONTROL TYPE=\"EDIT\" ID=\"e2\" VALUE=\"val\" WIDTH=\"50\">");
  {
    FakeSurface s;
    const Layout l = Lay(s, text, kWide, Measure());
    EXPECT_EQ(l.out.TextExtentX, 8 + 16 + 50);  // a check box is 16 wide whatever its WIDTH
  }
  {
    // A point on the check box.
    FakeSurface s;
    THtmlDrawInput in;
    in.HitTestOnly = true;
    in.X = 1 + 8 + 5;
    in.Y = 5;
    const Layout l = Lay(s, text, kWide, in);
    EXPECT_TRUE(l.result);
    EXPECT_EQ(l.out.AnchorValue, "ctrl");
    EXPECT_EQ(l.out.ControlId, "c1");
    EXPECT_EQ(l.out.ControlType, "CHECK");
    EXPECT_EQ(l.out.ControlValue, "true");
    EXPECT_EQ(l.out.ControlRect, (TRect{9, 0, 25, 16}));
  }
  {
    // Looked up by its ID, wherever the point is.
    FakeSurface s;
    THtmlDrawInput in;
    in.HitTestOnly = true;
    Layout l;
    l.out.ControlId = "e2";
    l.result = DrawHtmlCellText(s, text, kWide, in, l.out);
    EXPECT_TRUE(l.result);
    EXPECT_EQ(l.out.ControlValue, "val");
    EXPECT_EQ(l.out.ControlRect.Left, 1 + 8 + 16);
    EXPECT_EQ(l.out.ControlRect.Width(), 50);
  }
  {
    // A control wider than the rest of a line that holds something starts the next one.
    FakeSurface s;
    THtmlDrawInput in;
    in.HitTestOnly = true;
    Layout l;
    l.out.ControlId = "e2";
    l.result = DrawHtmlCellText(s, text, TRect{0, 0, 60, 200}, in, l.out);
    EXPECT_EQ(l.out.ControlRect.Left, 1);
    EXPECT_GT(l.out.ControlRect.Top, 0);
  }
}

QByteArray PngOf(int w, int h, QRgb color) {
  QImage img(w, h, QImage::Format_ARGB32);
  img.fill(color);
  QByteArray bytes;
  QBuffer b(&bytes);
  b.open(QIODevice::WriteOnly);
  img.save(&b, "PNG");
  return bytes;
}

TEST(HtmlRender, PicturesFromTheContainer) {
  TPictureContainer container(nullptr);
  const QByteArray png = PngOf(40, 20, qRgb(255, 0, 0));
  container.AddPicture(QStringLiteral("Pic"))->LoadFromStream(&png);
  THtmlDrawInput in;
  in.PictureContainer = &container;
  in.MeasureOnly = true;
  struct Case {
    const char* what;
    const char* text;
    int width, height;
  } cases[] = {
      {"its own size (names match in any case)", "<IMG SRC=\"pic\">", 40, 20},
      {"WIDTH only keeps the proportions (10 high, in a line of 16)", "<IMG SRC=\"Pic\" WIDTH=\"20\">", 20, 16},
      {"HEIGHT only keeps the proportions", "<IMG SRC=\"Pic\" HEIGHT=\"40\">", 80, 40},
      {"both given", "<IMG SRC=\"Pic\" WIDTH=\"10\" HEIGHT=\"30\">", 10, 30},
      {"an unknown name shows nothing", "<IMG SRC=\"none\">", 0, 16},
      {"a source with \":\" but no \"://\" finds nothing", "<IMG SRC=\"c:pic\">", 0, 16},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    FakeSurface s;
    const Layout l = Lay(s, QString::fromUtf8(c.text), kWide, in);
    EXPECT_EQ(l.out.TextExtentX, c.width);
    EXPECT_EQ(l.out.TextExtentY, c.height);
  }
  // A picture is hit only inside an anchor.
  in.MeasureOnly = false;
  in.HitTestOnly = true;
  in.X = 1 + 10;
  in.Y = 10;
  FakeSurface s;
  EXPECT_FALSE(Lay(s, "<IMG SRC=\"Pic\">", kWide, in).result);
  const Layout l = Lay(s, "<A HREF=\"go\"><IMG SRC=\"Pic\"></A>", kWide, in);
  EXPECT_TRUE(l.result);
  EXPECT_EQ(l.out.AnchorValue, "go");
  // A picture wider than the rest of a non-empty line moves to the next line.
  FakeSurface w;
  in.HitTestOnly = false;
  in.MeasureOnly = true;
  const Layout moved = Lay(w, "abcd<IMG SRC=\"Pic\">", TRect{0, 0, 51, 200}, in);
  EXPECT_EQ(moved.out.TextExtentY, 16 + 20);
}

}  // namespace
