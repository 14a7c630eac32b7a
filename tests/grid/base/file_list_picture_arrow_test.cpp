// The line store, the file picture and the move arrows.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "grid/base/arrow_window.h"
#include "grid/base/file_picture.h"
#include "grid/base/file_string_list.h"
#include "platform/rtl/exceptions.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/canvas.h"
#include "platform/ui/form.h"

TEST(FileStringList, ReadsLineByLineUntilEof) {
  TFileStringList l;
  l.Reset();
  EXPECT_TRUE(l.Eof());
  l.Add("first");
  l.Reset();
  EXPECT_FALSE(l.Eof());
  QString s;
  l.ReadLn(s);
  EXPECT_EQ(s, "first");
  EXPECT_TRUE(l.Eof());
  EXPECT_THROW(l.ReadLn(s), EListError);
  l.Reset();
  EXPECT_FALSE(l.Eof());  // the lines stay
}

TEST(FileStringList, WriteCollectsAPendingLineThatWriteLnCompletes) {
  TFileStringList l;
  l.Write("a");
  l.Write("b");
  l.WriteLn("c");
  l.WriteLn("");
  ASSERT_EQ(l.Count(), 2);
  EXPECT_EQ(l.Strings(0), "abc");
  EXPECT_EQ(l.Strings(1), "");
  l.Write("dropped");
  l.Reset();  // the pending line goes
  l.WriteLn("x");
  EXPECT_EQ(l.Strings(2), "x");
}

TEST(FilePicture, TakesTheSizeAndDrawsTheFileAsItIsNow) {
  QTemporaryDir dir;
  const QString path = dir.filePath("pic.png");
  {
    TBitmap b(6, 4);
    b.Canvas()->Brush()->SetColor(clRed);
    b.Canvas()->FillRect(Rect(0, 0, 6, 4));
    b.SaveToFile(path);
  }
  TFilePicture p;
  p.SetFilename(path);
  EXPECT_EQ(p.Width(), 6);
  EXPECT_EQ(p.Height(), 4);
  TBitmap target(20, 20);
  p.DrawPicture(target.Canvas(), Rect(0, 0, 12, 8));
  EXPECT_EQ(target.Canvas()->Pixel(11, 7), clRed);
  EXPECT_EQ(target.Canvas()->Pixel(12, 8), clWhite);

  // The file changes on disk: the next drawing shows the new picture.
  {
    TBitmap b(6, 4);
    b.Canvas()->Brush()->SetColor(clBlue);
    b.Canvas()->FillRect(Rect(0, 0, 6, 4));
    b.SaveToFile(path);
  }
  p.DrawPicture(target.Canvas(), Rect(0, 0, 12, 8));
  EXPECT_EQ(target.Canvas()->Pixel(5, 5), clBlue);

  // Gone: nothing is drawn and nothing raised.
  QFile::remove(path);
  TBitmap clean(20, 20);
  EXPECT_NO_THROW(p.DrawPicture(clean.Canvas(), Rect(0, 0, 12, 8)));
  EXPECT_EQ(clean.Canvas()->Pixel(5, 5), clWhite);

  TFilePicture copy;
  copy.Assign(&p);  // no file read
  EXPECT_EQ(copy.Filename(), path);
  EXPECT_EQ(copy.Width(), 6);
}

TEST(FilePicture, EmptyNameDrawsNothingAndAnUnreadableFileRaises) {
  TFilePicture p;
  TBitmap target(4, 4);
  EXPECT_NO_THROW(p.DrawPicture(target.Canvas(), Rect(0, 0, 4, 4)));
  EXPECT_EQ(target.Canvas()->Pixel(1, 1), clWhite);
  QTemporaryDir dir;
  const QString path = dir.filePath("broken.png");
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("not a picture");
  f.close();
  EXPECT_THROW(p.SetFilename(path), EFileError);
  EXPECT_THROW(p.SetFilename(dir.filePath("missing.bmp")), EFileError);
}

TEST(ArrowWindow, EachDirectionHasItsSevenCornerShape) {
  TForm form(nullptr);
  struct Case {
    TArrowDirection dir;
    TPoint tip;      // inside the arrow
    TPoint outside;  // a corner of the 11 x 11 area the arrow leaves out
  } cases[] = {
      {arrUp, {5, 1}, {0, 9}},
      {arrDown, {5, 7}, {0, 0}},
      {arrLeft, {7, 5}, {0, 0}},   // stands left of the target: points right
      {arrRight, {1, 5}, {8, 0}},  // points left
  };
  for (const Case& c : cases) {
    TArrowWindow a(&form);
    a.Init(&form, c.dir);
    EXPECT_EQ(a.Dir(), c.dir);
    EXPECT_EQ(a.Arrow().size(), 7u);
    EXPECT_EQ(a.Color(), clLime);
    EXPECT_FALSE(a.Visible());
    EXPECT_TRUE(a.TopMost());
    EXPECT_TRUE(a.RegionContains(c.tip)) << c.dir;
    EXPECT_FALSE(a.RegionContains(c.outside)) << c.dir;
  }
  EXPECT_EQ(TArrowWindow::ArrowPolygon(arrLeft)[4], (TPoint{8, 5}));
  EXPECT_EQ(TArrowWindow::ArrowPolygon(arrRight)[0], (TPoint{0, 5}));
}
