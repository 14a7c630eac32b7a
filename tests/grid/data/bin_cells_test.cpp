// The binary cell stream: record bytes written by hand from the layout, the text
// and float tags, a lossless round trip of merged cells, looks and graphics,
// placement at a point, hidden columns, whole grids without their fixed parts,
// progress, and hostile streams that must change nothing.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <QTemporaryDir>

#include "tests/support/qstring_print.h"

#include "grid/base/file_picture.h"
#include "grid/data/cell_stream.h"
#include "grid/view/ex_string_grid.h"
#include "platform/rtl/component_stream.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/canvas.h"
#include "platform/ui/image_data.h"
#include "platform/ui/image_list.h"
#include "platform/ui/shapes.h"

namespace {

QByteArray Saved(TExStringGrid& g, TRect r) {
  QByteArray bytes;
  QBuffer b(&bytes);
  b.open(QIODevice::WriteOnly);
  g.SaveRectToBinStream(r, b);
  return bytes;
}

void Load(TExStringGrid& g, const QByteArray& bytes, TPoint at = {0, 0}) {
  QByteArray copy = bytes;
  QBuffer b(&copy);
  b.open(QIODevice::ReadOnly);
  g.LoadAtPointFromBinStream(at, b);
}

// Everything a failed load must leave as it was.
QStringList Snapshot(TExStringGrid& g) {
  QStringList s{QStringLiteral("%1x%2 fixed %3,%4").arg(g.ColCount()).arg(g.RowCount()).arg(g.FixedCols()).arg(g.FixedRows())};
  for (int c = 0; c < g.AllColCount(); ++c) s.append(QString::number(g.AllColWidths(c)));
  for (int r = 0; r < g.RowCount(); ++r)
    for (int c = 0; c < g.AllColCount(); ++c)
      s.append(QStringLiteral("%1|%2|%3").arg(g.GetCellEx(c, r)).arg(g.CellHasProperties(c, r)).arg(g.Colors(c, r)));
  return s;
}

// A short string: length byte and ASCII bytes.
QByteArray Str(const char* s) { return QByteArray(1, char(qstrlen(s))) + s; }
// An integer in its shortest tag.
QByteArray Int(int v) {
  QByteArray out;
  TComponentWriter(out).WriteInteger(v);
  return out;
}

TEST(BinCells, AnEmptyCellWithoutPropertiesGivesTwoSmallRecords) {
  TExStringGrid g(nullptr);
  g.SetColCount(3);
  g.SetRowCount(3);
  g.SetColWidths(1, 64);
  g.SetRowHeights(1, 24);
  const QByteArray bytes = Saved(g, Rect(1, 1, 1, 1));
  const QByteArray header = "TPF0" + Str("TGridPropIO") + '\0' +                  //
                            Str("ColCount") + "\x02\x01" + Str("RowCount") + "\x02\x01" +  //
                            Str("ColWidths") + "\x06\x02" "64" + Str("RowHeights") + "\x06\x02" "24" +
                            Str("FullGrid") + '\x08' + Str("ID") + Int(g.GridID()) + QByteArray(2, '\0');
  const QByteArray cell = "TPF0" + Str("TGridCellIO") + '\0' +  //
                          Str("Col") + "\x02\x01" + Str("Row") + "\x02\x01" + Str("HasProp") + '\x08' +
                          QByteArray(2, '\0');
  EXPECT_EQ(bytes.toHex(), (header + cell).toHex());
}

TEST(BinCells, CellTextsTakeTheirTags) {
  struct Case {
    QString text;
    uint8_t tag;
  } cases[] = {
      {"plain", 0x06},
      {QString(300, u'a'), 0x0C},
      {QStringLiteral("Gr\u00fc\u00dfe aus Berlin"), 0x14},
      {QStringLiteral("\u4e2d\u6587\u5b57"), 0x12},
  };
  for (const Case& c : cases) {
    TExStringGrid g(nullptr);
    g.SetCellEx(1, 1, c.text);
    const QByteArray bytes = Saved(g, Rect(1, 1, 1, 1));
    const qsizetype at = bytes.indexOf(Str("Cell"));
    ASSERT_GE(at, 0);
    EXPECT_EQ(uint8_t(bytes[at + 5]), c.tag) << c.text.toStdString();
    TExStringGrid h(nullptr);
    Load(h, bytes, {2, 2});
    EXPECT_EQ(h.GetCellEx(2, 2), c.text);
  }
}

TEST(BinCells, GraphicValuesAreEightyBitFloatsAndOnlyWhenNotZero) {
  TExStringGrid g(nullptr);
  g.SetColCount(3);
  g.AddProgressPie(1, 1, clRed, 5);
  g.GetCellGraphic(1, 1)->CellValue = 5;
  g.AddProgressPie(2, 1, clRed, 0);
  g.GetCellGraphic(2, 1)->CellValue = 0;
  const QByteArray bytes = Saved(g, Rect(1, 1, 2, 1));
  const QByteArray value = Str("CellGraphic.CellValue") + QByteArray::fromHex("0500000000000000a00140");
  EXPECT_EQ(bytes.count(value), 1);
  EXPECT_EQ(bytes.count(Str("CellGraphic.CellValue")), 1);

  // The second cell's graphic starts from 0 again, whatever the first one held.
  TExStringGrid h(nullptr);
  h.SetColCount(3);
  Load(h, bytes, {1, 1});
  EXPECT_EQ(h.GetCellGraphic(1, 1)->CellValue, 5);
  EXPECT_EQ(h.GetCellGraphic(2, 1)->CellValue, 0);
}

TEST(BinCells, RoundTripKeepsMergesLooksAndGraphics) {
  QTemporaryDir dir;
  QImage red(4, 3, QImage::Format_RGB32);
  red.fill(Qt::red);
  const QString file = dir.filePath("pic.png");
  ASSERT_TRUE(red.save(file));

  TExStringGrid g(nullptr);
  g.SetColCount(6);
  g.SetRowCount(6);
  g.SetCellEx(1, 1, "merged");
  g.MergeCells(1, 1, 2, 2);
  g.SetColors(3, 1, clYellow);
  g.SetFontColors(3, 1, clNavy);
  g.SetFontStyles(3, 1, TFontStyles{fsBold, fsItalic});
  g.SetFontSizes(3, 1, 14);
  g.SetFontNames(3, 1, "Arial");
  g.SetAlignments(3, 1, taCenter);
  g.SetReadOnly(3, 1, true);
  g.GetCellProperties(3, 1)->CellObject = 4711;
  g.GetCellProperties(3, 1)->NodeLevel = 2;
  g.AddCheckBox(4, 1, true, false);
  TStringList* items = g.CreateRadio(1, 3, 0, 1);
  items->Add("one");
  items->Add("two");
  TBitmap* bmp = g.CreateBitmap(2, 3, true, haCenter, vaCenter);
  bmp->SetSize(5, 4);
  bmp->Canvas()->Brush()->SetColor(clLime);
  bmp->Canvas()->FillRect(Rect(0, 0, 5, 4));
  TPicture* pic = g.CreatePicture(3, 3, false, Stretch, 2, haLeft, vaTop);
  pic->Bitmap()->SetImage(red);
  TCellGraphic* fp = g.CreateCellGraphic(4, 3);
  fp->CellType = ctFilePicture;
  fp->CellCreated = true;
  auto* filePic = new TFilePicture();
  filePic->SetFilename(file);
  fp->CellBitmap = filePic;
  g.AddRotated(1, 4, 90, "turned");
  TIcon* icon = g.CreateIcon(1, 5, haRight, vaBottom);
  QImage dot(3, 3, QImage::Format_ARGB32);
  dot.fill(QColor(0, 0, 255, 255));
  icon->Data().SetImage(dot);
  TImageList images(nullptr);  // a multi-image cell needs the grid's image list
  g.GridImages = &images;
  g.AddMultiImage(2, 5, 0, haLeft, vaTop);
  g.GetCellImages(2, 5)->Add(3);
  g.GetCellImages(2, 5)->Add(1);

  const QByteArray bytes = Saved(g, Rect(0, 0, 5, 5));
  TExStringGrid h(nullptr);
  h.SetColCount(6);
  h.SetRowCount(6);
  Load(h, bytes);

  EXPECT_EQ(h.GetCellEx(1, 1), "merged");
  EXPECT_EQ(h.GetCellEx(2, 2), "merged");  // a covered cell reads its base
  EXPECT_EQ(h.CellSpan(1, 1), (TPoint{1, 1}));
  EXPECT_EQ(h.BaseCell(2, 2), (TPoint{1, 1}));
  EXPECT_EQ(h.Colors(3, 1), clYellow);
  EXPECT_EQ(h.FontColors(3, 1), clNavy);
  EXPECT_EQ(h.FontStyles(3, 1), (TFontStyles{fsBold, fsItalic}));
  EXPECT_EQ(h.FontSizes(3, 1), 14);
  EXPECT_EQ(h.FontNames(3, 1), "Arial");
  EXPECT_EQ(h.Alignments(3, 1), taCenter);
  EXPECT_TRUE(h.ReadOnly(3, 1));
  EXPECT_EQ(h.GetCellProperties(3, 1)->CellObject, 4711u);  // an opaque tag, as it was
  EXPECT_EQ(h.GetCellProperties(3, 1)->NodeLevel, 2);
  bool checked = false;
  EXPECT_TRUE(h.GetCheckBoxState(4, 1, checked));
  EXPECT_TRUE(checked);
  TStringList* radio = h.GetRadioStrings(1, 3);
  ASSERT_NE(radio, nullptr);
  EXPECT_EQ(radio->Count(), 2);
  EXPECT_EQ((*radio)[1], "two");
  int idx = -1;
  EXPECT_TRUE(h.GetRadioIdx(1, 3, idx));
  EXPECT_EQ(idx, 1);
  TBitmap* b = h.GetBitmap(2, 3);
  ASSERT_NE(b, nullptr);
  EXPECT_EQ(b->Width(), 5);
  EXPECT_EQ(b->Image().pixelColor(2, 2), QColor(Qt::green));
  EXPECT_EQ(h.GetCellGraphic(2, 3)->CellHAlign, haCenter);
  EXPECT_TRUE(h.GetCellGraphic(2, 3)->CellTransparent);
  TPicture* p = h.GetPicture(3, 3);
  ASSERT_NE(p, nullptr);
  EXPECT_EQ(p->Width(), 4);
  EXPECT_EQ(p->Bitmap()->Image().pixelColor(1, 1), QColor(Qt::red));
  EXPECT_EQ(h.GetCellGraphic(3, 3)->CellAngle, Stretch);
  EXPECT_EQ(h.GetCellGraphic(3, 3)->CellIndex, 2);
  auto* loadedFile = dynamic_cast<TFilePicture*>(h.GetCellGraphic(4, 3)->CellBitmap);
  ASSERT_NE(loadedFile, nullptr);
  EXPECT_EQ(loadedFile->Filename(), file);
  EXPECT_EQ(loadedFile->Width(), 4);
  int angle = 0;
  EXPECT_TRUE(h.IsRotated(1, 4, angle));
  EXPECT_EQ(angle, 90);
  EXPECT_EQ(h.GetCellEx(1, 4), "turned");
  auto* loadedIcon = dynamic_cast<TIcon*>(h.GetCellGraphic(1, 5)->CellIcon);
  ASSERT_NE(loadedIcon, nullptr);
  EXPECT_EQ(loadedIcon->Width(), 3);
  EXPECT_EQ(loadedIcon->Data().Image().pixelColor(1, 1), QColor(Qt::blue));
  ASSERT_NE(h.GetCellImages(2, 5), nullptr);
  EXPECT_EQ(h.GetCellImages(2, 5)->StrValue(), "3,1");

  // Written again, the loaded grid gives the same bytes (apart from its own ID).
  QByteArray again = Saved(h, Rect(0, 0, 5, 5));
  const QByteArray id1 = Str("ID") + Int(g.GridID()), id2 = Str("ID") + Int(h.GridID());
  EXPECT_EQ(again.replace(id2, id1), bytes);
}

TEST(BinCells, CellsLandAtThePointAndMergesMoveWithThem) {
  TExStringGrid g(nullptr);
  g.SetColCount(8);
  g.SetRowCount(10);
  g.SetCellEx(3, 7, "first");
  g.SetCellEx(4, 7, "right");
  g.SetCellEx(3, 8, "below");
  g.MergeCells(4, 8, 2, 2);
  const QByteArray bytes = Saved(g, Rect(3, 7, 5, 9));

  TExStringGrid h(nullptr);
  h.SetColCount(5);
  h.SetRowCount(5);
  Load(h, bytes, {1, 1});
  EXPECT_EQ(h.GetCellEx(1, 1), "first");
  EXPECT_EQ(h.GetCellEx(2, 1), "right");
  EXPECT_EQ(h.GetCellEx(1, 2), "below");
  EXPECT_EQ(h.CellSpan(2, 2), (TPoint{1, 1}));
  EXPECT_EQ(h.BaseCell(3, 3), (TPoint{2, 2}));

  // Cells beyond the grid are dropped, and a merge cut at the edge stays inside it.
  TExStringGrid small(nullptr);
  small.SetColCount(3);
  small.SetRowCount(3);
  Load(small, bytes, {1, 1});
  EXPECT_EQ(small.GetCellEx(2, 1), "right");
  EXPECT_EQ(small.CellSpan(2, 2), (TPoint{0, 0}));
}

TEST(BinCells, HiddenColumnsAreNeitherWrittenNorShifted) {
  TExStringGrid g(nullptr);
  g.SetColCount(4);
  for (int c = 0; c < 4; ++c) g.SetCellEx(c, 1, QStringLiteral("c%1").arg(c));
  g.HideColumn(1);
  const QByteArray bytes = Saved(g, Rect(0, 1, 2, 1));  // display columns 0..2 = real 0, 2, 3
  EXPECT_FALSE(bytes.contains("c1"));

  TExStringGrid h(nullptr);
  h.SetColCount(4);
  h.HideColumn(2);
  Load(h, bytes, {0, 1});
  EXPECT_EQ(h.GetCellEx(0, 1), "c0");
  EXPECT_EQ(h.GetCellEx(1, 1), "c2");
  EXPECT_EQ(h.GetCellEx(2, 1), "");  // the hidden column keeps its place
  EXPECT_EQ(h.GetCellEx(3, 1), "c3");
}

TEST(BinCells, AWholeGridWithoutItsFixedPartsComesBackWithThem) {
  TExStringGrid g(nullptr);
  g.SetColCount(4);
  g.SetRowCount(5);
  g.SaveFixedCells = false;
  g.SetColWidths(2, 90);
  g.SetCellEx(3, 4, "last");
  QByteArray bytes;
  QBuffer b(&bytes);
  b.open(QIODevice::WriteOnly);
  g.SaveToBinStream(b);

  TExStringGrid h(nullptr);
  h.SaveFixedCells = false;
  h.SetColCount(2);
  h.SetRowCount(2);
  QBuffer in(&bytes);
  in.open(QIODevice::ReadOnly);
  h.LoadFromBinStream(in);
  EXPECT_EQ(h.ColCount(), 4);
  EXPECT_EQ(h.RowCount(), 5);
  EXPECT_EQ(h.FixedCols(), 1);
  EXPECT_EQ(h.FixedRows(), 1);
  EXPECT_EQ(h.ColWidths(2), 90);
  EXPECT_EQ(h.GetCellEx(3, 4), "last");
}

TEST(BinCells, ProgressStaysWithinAHundredAndNumbersBeyond65535KeepTheirValue) {
  TExStringGrid g(nullptr);
  g.SetColCount(2);
  g.SetRowCount(12);
  std::vector<int> seen;
  g.OnFileProgress = [&](TObject*, int16_t p) { seen.push_back(p); };
  const QByteArray bytes = Saved(g, Rect(0, 8, 1, 11));
  EXPECT_EQ(seen, (std::vector<int>{0, 33, 67, 100}));

  // A stream of far-away cells placed at the top-left corner.
  QByteArray far;
  TCellStreamWriter w(far);
  w.WriteHeader({2, 1, "64,64", "24", false, 1});
  TStreamedCell c;
  c.Col = 70000;
  c.Row = 65536;
  c.Text = "a";
  w.WriteCell(c);
  c.Col = 70001;
  c.Text = "b";
  w.WriteCell(c);
  EXPECT_TRUE(far.contains(Str("Col") + QByteArray::fromHex("0470110100")));
  TExStringGrid h(nullptr);
  Load(h, far, {0, 1});
  EXPECT_EQ(h.GetCellEx(0, 1), "a");
  EXPECT_EQ(h.GetCellEx(1, 1), "b");
}

TEST(BinCells, BrokenStreamsRaiseAndChangeNothing) {
  TExStringGrid g(nullptr);
  g.SetColCount(4);
  g.SetRowCount(4);
  g.SetCellEx(1, 1, "x");
  g.SetColors(2, 2, clRed);
  g.AddCheckBox(3, 3, true, false);
  const QByteArray whole = Saved(g, Rect(0, 0, 3, 3));

  TExStringGrid h(nullptr);
  auto reset = [&] {
    h.Clear();
    h.SetColCount(5);
    h.SetRowCount(5);
    h.SetCellEx(0, 0, "keep");
  };
  reset();
  const QStringList before = Snapshot(h);
  // Every cut-off stream raises and changes nothing; a cut at a record boundary
  // is no fault (the stream simply ends there) and reads the records before it.
  int refused = 0;
  for (qsizetype n = 1; n < whole.size(); ++n) {
    reset();
    try {
      Load(h, whole.left(n), {1, 1});
    } catch (const EReadError&) {
      ++refused;
      EXPECT_EQ(Snapshot(h), before) << n;
    }
  }
  EXPECT_GT(refused, whole.size() * 9 / 10);
  reset();

  // A header asking for 10^9 rows of a whole grid.
  QByteArray huge;
  TCellStreamWriter(huge).WriteHeader({2, 1000000000, "1,1", "", true, 1});
  EXPECT_THROW(Load(h, huge), EReadError);
  // Widths that are no numbers, an unknown property, a foreign record.
  QByteArray badWidths;
  TCellStreamWriter(badWidths).WriteHeader({2, 1, "64,x", "24", true, 1});
  EXPECT_THROW(Load(h, badWidths), EReadError);
  EXPECT_THROW(Load(h, QByteArray(whole).replace("HasProp", "HasPrXp")), EReadError);
  EXPECT_THROW(Load(h, "TPF1" + whole.mid(4)), EReadError);
  // A file picture whose file is gone raises before anything changes.
  QByteArray gone;
  TCellStreamWriter w(gone);
  w.WriteHeader({1, 1, "64", "24", false, 1});
  TStreamedCell c;
  c.Text = "pic";
  c.HasProp = true;
  c.HasGraphic = true;
  c.Graphic.CellType = ctFilePicture;
  c.FileName = "/nonexistent/picture.png";
  w.WriteCell(c);
  EXPECT_ANY_THROW(Load(h, gone));
  EXPECT_EQ(Snapshot(h), before);
}

}  // namespace
