// Mini-HTML cells drawn and measured by the renderer (colours and tags are
// shown, not stripped), automatic sizing by the formatted size, and the
// picture cells: image indexes, data images, rows of images, icons.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QImage>

#include "grid/base/html_picture.h"
#include "grid/view/html_hint_window.h"
#include "platform/ui/hint_info.h"
#include "platform/ui/image_data.h"
#include "platform/ui/image_list.h"
#include "tests/grid/view/paint_fixture.h"

namespace {

int Count(TPaintFixture<>& f, const TRect& r, TColor colour) {
  int n = 0;
  for (int y = r.Top; y < r.Bottom; ++y)
    for (int x = r.Left; x < r.Right; ++x)
      if (f.Pixel(x, y) == colour) ++n;
  return n;
}

QByteArray PngOf(int w, int h, QRgb colour) {
  QImage img(w, h, QImage::Format_ARGB32);
  img.fill(colour);
  QByteArray bytes;
  QBuffer b(&bytes);
  b.open(QIODevice::WriteOnly);
  img.save(&b, "PNG");
  return bytes;
}

TBitmap* Solid(int w, int h, TColor c) {
  auto* b = new TBitmap(w, h);
  b->Canvas()->Brush()->SetColor(c);
  b->Canvas()->FillRect(TRect{0, 0, w, h});
  return b;
}

TEST(HtmlCells, ColoursAndTagsAreDrawnNotStripped) {
  TPaintFixture<> f;
  f.grid->SetColWidths(1, 150);
  f.grid->SetCells(1, 1, "<B>bold</B> <FONT COLOR=\"clred\">red</FONT>");
  f.grid->SetCells(2, 1, "<FONT BGCOLOR=\"clyellow\">back</FONT>");
  f.grid->SetCells(1, 2, "<b>no tag shows</b>");
  f.Render();
  EXPECT_GT(Count(f, f.grid->CellRect(1, 1), clRed), 5);
  EXPECT_GT(Count(f, f.grid->CellRect(2, 1), clYellow), 30);
  // The tag text itself is not drawn: the cell of "<b>no tag shows</b>" is no
  // wider in ink than the plain text would be (no "<" glyphs to the left).
  TPaintFixture<> plain;
  plain.grid->SetColWidths(1, 150);
  plain.grid->SetCells(1, 2, "no tag shows");
  plain.Render();
  auto inkRight = [](TPaintFixture<>& p) {
    const TRect r = p.grid->CellRect(1, 2);
    int right = r.Left;
    for (int y = r.Top + 2; y < r.Bottom - 2; ++y)
      for (int x = r.Left + 2; x < r.Right - 2; ++x) {
        const TColor c = p.Pixel(x, y);
        if (GetRValue(c) < 100 && GetGValue(c) < 100 && GetBValue(c) < 100) right = std::max(right, x);
      }
    return right;
  };
  const int boldRight = inkRight(f), plainRight = inkRight(plain);
  EXPECT_GE(boldRight, plainRight);           // bold is at least as wide
  EXPECT_LT(boldRight, plainRight + 15);      // but shows no tag text
}

TEST(HtmlCells, MeasuredAndAutoSizedByTheirLayout) {
  TPaintFixture<> f;
  f.grid->SetCells(1, 1, "<FONT SIZE=\"24\">W</FONT>");
  f.grid->SetCells(1, 2, "W");
  const TPoint big = f.grid->GetCellTextSize(1, 1, false, false);
  const TPoint small = f.grid->GetCellTextSize(1, 2, false, false);
  EXPECT_GT(big.Y, 2 * small.Y - 4);
  EXPECT_GT(big.X, 2 * small.X - 4);
  f.grid->AutoSizeCol(1, 0);
  EXPECT_GE(f.grid->ColWidths(1), big.X);
  // Two lines by BR.
  f.grid->SetCells(2, 1, "a<BR>b");
  EXPECT_GE(f.grid->GetCellTextSize(2, 1, false, false).Y, 2 * f.grid->GetCellTextSize(1, 2, false, false).Y - 4);
}

TEST(HtmlCells, PicturesByNameInCells) {
  TPaintFixture<> f;
  TPictureContainer container(nullptr);
  const QByteArray png = PngOf(12, 10, qRgb(0, 0, 255));
  container.AddPicture("dot")->LoadFromStream(&png);
  f.grid->Container = &container;
  f.grid->SetCells(1, 1, "<IMG SRC=\"dot\"> <b>x</b>");
  f.Render();
  EXPECT_GT(Count(f, f.grid->CellRect(1, 1), clBlue), 100);
}

TEST(HtmlCells, ImageListCells) {
  TPaintFixture<> f;
  TImageList images(nullptr);
  images.SetWidth(8);
  images.SetHeight(8);
  std::unique_ptr<TBitmap> red(Solid(8, 8, clRed)), green(Solid(8, 8, clLime)), blue(Solid(8, 8, clBlue));
  images.Add(red.get());
  images.Add(green.get());
  images.Add(blue.get());
  // Without an image list nothing is added.
  f.grid->AddImageIdx(1, 1, 0, haLeft, vaTop);
  EXPECT_EQ(f.grid->GetCellType(1, 1), ctEmpty);
  f.grid->GridImages = &images;
  f.grid->AddImageIdx(1, 1, 0, haLeft, vaTop);
  int idx = -1;
  EXPECT_TRUE(f.grid->GetImageIdx(1, 1, idx));
  EXPECT_EQ(idx, 0);
  // A data image shows the image of its text's number plus its own index; an
  // empty cell takes the index as its text.
  f.grid->AddDataImage(2, 1, 1, haLeft, vaTop);
  EXPECT_EQ(f.grid->GetCellEx(2, 1), "1");
  f.grid->SetCells(2, 2, "1");
  f.grid->AddDataImage(2, 2, 1, haLeft, vaTop);
  f.grid->SetCells(2, 3, "1");
  f.grid->AddDataImage(2, 3, 0, haLeft, vaTop);
  f.grid->AddMultiImage(3, 1, 0, haLeft, vaTop);
  f.grid->GetCellImages(3, 1)->Add(2);
  f.grid->GetCellImages(3, 1)->Add(0);
  EXPECT_EQ(f.grid->GetCellGraphicSize(3, 1), (TPoint{16, 8}));
  f.Render();
  EXPECT_GE(Count(f, f.grid->CellRect(1, 1), clRed), 60);
  EXPECT_GE(Count(f, f.grid->CellRect(2, 1), clBlue), 60);  // 1 + 1
  EXPECT_GE(Count(f, f.grid->CellRect(2, 2), clBlue), 60);
  EXPECT_GE(Count(f, f.grid->CellRect(2, 3), clLime), 60);  // 1 + 0
  EXPECT_GE(Count(f, f.grid->CellRect(3, 1), clBlue), 60);  // side by side: blue, then red
  EXPECT_GE(Count(f, f.grid->CellRect(3, 1), clRed), 60);
  const TRect multi = f.grid->CellRect(3, 1);
  int firstBlue = multi.Right, firstRed = multi.Right;
  for (int x = multi.Left; x < multi.Right; ++x) {
    const int y = multi.Top + 6;
    if (f.Pixel(x, y) == clBlue) firstBlue = std::min(firstBlue, x);
    if (f.Pixel(x, y) == clRed) firstRed = std::min(firstRed, x);
  }
  EXPECT_LT(firstBlue, firstRed);
  EXPECT_EQ(firstRed - firstBlue, 8);
  f.grid->RemoveImageIdx(1, 1);
  EXPECT_FALSE(f.grid->GetImageIdx(1, 1, idx));
}

TEST(HtmlCells, IconCells) {
  TPaintFixture<> f;
  TIcon* icon = f.grid->CreateIcon(1, 1, haLeft, vaTop);
  ASSERT_NE(icon, nullptr);
  icon->LoadFromBytes(PngOf(10, 10, qRgb(0, 255, 0)));
  EXPECT_EQ(f.grid->GetCellGraphicSize(1, 1), (TPoint{10, 10}));
  f.Render();
  EXPECT_GE(Count(f, f.grid->CellRect(1, 1), clLime), 90);
  f.grid->RemoveIcon(1, 1);
  EXPECT_EQ(f.grid->GetCellType(1, 1), ctEmpty);
}

TEST(HtmlCells, TheMiniHtmlHintWindow) {
  THTMLHintWindow::RegisterClass();
  // The grid asks for it for a mini-HTML hint.
  TPaintFixture<> f;
  f.grid->HintShowCells = true;
  f.grid->SetCells(1, 1, "<B>bold</B> hint");
  f.grid->HTMLHint = true;
  THintInfo info;
  const TRect cell = f.grid->CellRect(1, 1);
  info.CursorPos = {cell.Left + 3, cell.Top + 3};
  QString hint;
  f.grid->BuildCellHint(hint, info);
  EXPECT_EQ(hint, "<B>bold</B> hint");
  EXPECT_EQ(info.HintWindowClass, hwcHTML);
  EXPECT_EQ(info.HintData, f.grid);
  // It is sized to the laid-out text: two lines are taller than one, and tags take no room.
  THTMLHintWindow w(nullptr);
  const TRect one = w.CalcHintRect(1008, "<B>bold</B> hint");
  const TRect two = w.CalcHintRect(1008, "<B>bold</B><BR>hint");
  const TRect plain = w.CalcHintRect(1008, "bold hint");
  EXPECT_GT(two.Height(), one.Height());
  EXPECT_LT(one.Width(), plain.Width() + 8);
  EXPECT_GT(one.Width(), 16);
  // The platform shows hints of that class in it.
  ASSERT_TRUE(ShowClassHint(hwcHTML, {10, 10}, 0, "<B>x</B>", f.grid));
  ASSERT_NE(ShownClassHint(), nullptr);
  EXPECT_TRUE(ShownClassHint()->Visible());
  EXPECT_EQ(ShownClassHint()->HintText(), "<B>x</B>");
  HideClassHint();
  EXPECT_EQ(ShownClassHint(), nullptr);
}

// A picture of a grid with mini-HTML cells for a look by eye: with GRID_SHOTS
// set to a folder the grid is written there as html_grid.png.
TEST(HtmlCells, PictureForTheEye) {
  const QString folder = qEnvironmentVariable("GRID_SHOTS");
  if (folder.isEmpty()) GTEST_SKIP() << "GRID_SHOTS names no folder";
  TPaintFixture<> f;
  f.form->SetClientSize(620, 260);
  f.grid->SetBounds(0, 0, 600, 240);
  f.grid->SetColCount(3);
  f.grid->SetRowCount(6);
  f.grid->SetColWidths(1, 300);
  f.grid->SetColWidths(2, 180);
  f.grid->SetDefaultRowHeight(34);
  TPictureContainer container(nullptr);
  QImage img(16, 16, QImage::Format_ARGB32);
  img.fill(Qt::transparent);
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x)
      if ((x - 8) * (x - 8) + (y - 8) * (y - 8) < 49) img.setPixel(x, y, qRgb(230, 120, 0));
  QByteArray png;
  QBuffer b(&png);
  b.open(QIODevice::WriteOnly);
  img.save(&b, "PNG");
  container.AddPicture("sun")->LoadFromStream(&png);
  f.grid->Container = &container;
  f.grid->SetCells(1, 0, "<B>Mini-HTML</B> cell");
  f.grid->SetCells(2, 0, "Plain header");
  f.grid->SetCells(1, 1, "<B>Bold</B>, <I>italic</I> and <FONT COLOR=\"clred\">red</FONT> text");
  f.grid->SetCells(1, 2, "Visit <A HREF=\"https://example.com\">our site</A> or <A HREF=\"CELL://R5C2\">jump</A>");
  f.grid->SetCells(1, 3, "<IMG SRC=\"sun\" ALIGN=\"MIDDLE\"> a picture <FONT BGCOLOR=\"clyellow\">marked</FONT>");
  f.grid->SetCells(1, 4, "<CONTROL TYPE=\"CHECK\" ID=\"c1\" VALUE=\"TRUE\" WIDTH=\"16\"> checked  "
                         "<CONTROL TYPE=\"CHECK\" ID=\"c2\" VALUE=\"FALSE\" WIDTH=\"16\"> not");
  f.grid->SetCells(1, 5, "H<SUB>2</SUB>O and x<SUP>2</SUP>, <S>struck</S>, <U>under</U>");
  f.grid->SetCells(2, 1, "plain text");
  f.grid->SetCells(2, 2, "<P ALIGN=\"CENTER\" BGCOLOR=\"#CCE8FF\">centred</P>");
  f.grid->SetCells(2, 3, "<UL><LI>one<LI>two</UL>");
  f.grid->SetCells(2, 4, "<CONTROL TYPE=\"EDIT\" ID=\"e\" VALUE=\"value\" WIDTH=\"80\">");
  f.grid->SetCells(2, 5, "<CONTROL TYPE=\"BUTTON\" ID=\"b\" VALUE=\"Press\" WIDTH=\"70\">");
  f.form->Show();
  QDir().mkpath(folder);
  f.Render().SaveToFile(QDir(folder).filePath("html_grid.png"));
}

}  // namespace
