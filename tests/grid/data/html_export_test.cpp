// HTML export: a small file written out by hand, shared style classes, spans of
// merged cells, links, JPEG pictures in the images folder, the XHTML prologue,
// UTF-8 text and the shell's "open" of the written file.
#include <gtest/gtest.h>

#include <QImage>
#include <QTemporaryDir>
#include <QUrl>

#include "tests/support/qstring_print.h"

#include "grid/view/ex_string_grid.h"
#include "platform/os/files.h"
#include "platform/os/process.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/canvas.h"

namespace {

void Plain(TExStringGrid& g) {
  for (TFont* f : {g.Font(), g.FixedFont()}) {
    f->SetName("Arial");
    f->SetSize(10);
    f->SetStyle({});
  }
  g.HTMLSettings()->SaveColor = false;
}

TEST(HtmlExport, SmallFileWithAHeaderRow) {
  QTemporaryDir dir;
  const QString file = dir.filePath("t.html");
  TExStringGrid g(nullptr);
  g.SetColCount(2);
  g.SetRowCount(2);
  g.SetFixedCols(0);
  Plain(g);
  g.SetCellEx(0, 0, "H1");
  g.SetCellEx(1, 0, "H2");
  g.SetCellEx(0, 1, QStringLiteral("a & \u00e9"));
  g.SaveToHTML(file);
  const QByteArray expected =
      "\xEF\xBB\xBF"
      "<style>\r\n"
      ".c0 {font-size:10pt;font-family: Arial;vertical-align: top}\r\n"
      "</style>\r\n"
      "<TABLE BORDER=\"1\" CELLSPACING=\"0\" CELLPADDING=\"0\"  WIDTH=\"100%\">\r\n"
      "<TR>\r\n"
      "<TD class=\"c0\" nowrap>H1</td>\r\n"
      "<TD class=\"c0\" nowrap>H2</td>\r\n"
      "</TR>\r\n"
      "<TR>\r\n"
      "<TD class=\"c0\" nowrap>a & \xC3\xA9</td>\r\n"
      "<TD class=\"c0\" nowrap>&nbsp;</td>\r\n"
      "</TR>\r\n"
      "</TABLE>\r\n";
  EXPECT_EQ(ReadFileWhole(file).toStdString(), expected.toStdString());
}

TEST(HtmlExport, StylesSpansLinksAndPrologue) {
  TExStringGrid g(nullptr);
  g.SetColCount(4);
  g.SetRowCount(3);
  g.SetFixedCols(0);
  g.SetFixedRows(0);
  Plain(g);
  g.HTMLSettings()->SaveColor = true;
  g.HTMLSettings()->XHTML = true;
  g.HTMLSettings()->ConvertSpecialChars = true;
  g.SetCellEx(0, 0, "wide");
  g.MergeCells(0, 0, 3, 1);
  g.SetCellEx(3, 0, "http://example.com/x");
  g.SetColors(0, 1, clRed);
  g.SetColors(1, 1, clRed);
  g.SetFontStyles(2, 1, TFontStyles{fsBold});
  g.SetAlignments(3, 1, taRightJustify);
  g.SetCellEx(0, 2, "a < b");
  g.URLShow = true;
  const QString html = g.SaveToHTMLString(QString());
  EXPECT_TRUE(html.startsWith("<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n<!DOCTYPE html PUBLIC"));
  EXPECT_TRUE(html.endsWith("</TABLE>\r\n</HTML>"));
  EXPECT_TRUE(html.contains("COLSPAN=\"3\">wide</td>"));
  EXPECT_EQ(html.count("<TD"), 2 + 4 + 4);  // the two covered cells give no cell
  EXPECT_TRUE(html.contains("<a href=http://example.com/x>example.com/x</a>"));
  EXPECT_TRUE(html.contains("a &lt; b"));
  // The two red cells share one class; bold and right-aligned cells get their own.
  const qsizetype red = html.indexOf("background-color: #FF0000");
  ASSERT_GE(red, 0);
  EXPECT_EQ(html.count("background-color: #FF0000"), 1);
  EXPECT_TRUE(html.contains("font-weight: bold"));
  EXPECT_TRUE(html.contains("text-align: right"));
  const QString redClass = html.mid(html.lastIndexOf(".c", red), 4);
  EXPECT_EQ(html.count(QStringLiteral("class=\"%1\"").arg(redClass.mid(1).trimmed())), 2);
}

TEST(HtmlExport, PicturesGoToTheImagesFolderAndTheFileIsOpened) {
  QTemporaryDir dir;
  const QString file = dir.filePath("pics.html");
  TExStringGrid g(nullptr);
  g.SetColCount(2);
  g.SetRowCount(1);
  g.SetFixedRows(0);
  g.SetFixedCols(0);
  for (int c = 0; c < 2; ++c) {
    TBitmap* b = g.CreateBitmap(c, 0, false, haLeft, vaTop);
    b->SetSize(8, 8);
    b->Canvas()->Brush()->SetColor(c == 0 ? clBlue : clGreen);
    b->Canvas()->FillRect(Rect(0, 0, 8, 8));
  }
  std::vector<QUrl> opened;
  SetUrlOpener([&](const QUrl& u) {
    opened.push_back(u);
    return true;
  });
  g.SaveToHTML(file, true);
  SetUrlOpener({});
  const QString html = QString::fromUtf8(ReadFileWhole(file));
  for (int n : {1, 2}) {
    const QString image = dir.path() + QStringLiteral("/images/img%1.jpg").arg(n);
    EXPECT_TRUE(html.contains("<img src= \"file://" + image + "\">")) << n;
    QImage jpeg;
    ASSERT_TRUE(jpeg.load(image, "JPG"));
    EXPECT_EQ(jpeg.size(), QSize(8, 8));
  }
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_EQ(opened[0].toLocalFile(), file);
}

}  // namespace
