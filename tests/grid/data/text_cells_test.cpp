// The text cell file and stream: the bytes of a small file, multi-line cells and
// their encoding, fixed counts added back, ignored width lines, the stream that
// stops before foreign lines, hostile sizes, and the checked number of a cell.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QTemporaryDir>

#include "tests/support/qstring_print.h"

#include "grid/data/text_cells_format.h"
#include "grid/view/ex_string_grid.h"
#include "grid/view/grid_error.h"
#include "platform/os/files.h"
#include "platform/rtl/locale_settings.h"

namespace {

TEST(TextCells, SmallFileBytesAndMultiLineCells) {
  QTemporaryDir dir;
  const QString file = dir.filePath("g.txt");
  TExStringGrid g(nullptr);
  g.SetColCount(3);
  g.SetRowCount(3);
  for (int c = 0; c < 3; ++c) g.SetColWidths(c, 50 + c);
  g.SetCellEx(0, 0, "x");
  g.SetCellEx(1, 2, "a\r\nb");
  g.SetCellEx(2, 1, QStringLiteral("caf\u00e9"));
  g.SaveToFile(file);
  EXPECT_EQ(ReadFileWhole(file), QByteArray("3,3\r\ncw 0,50\r\ncw 1,51\r\ncw 2,52\r\n"
                                            "0,0,x\r\n2,1,caf\xE9\r\n1,2,a\x09\x08" "b\r\n"));
  TExStringGrid on(nullptr);
  on.Multilinecells = true;
  on.LoadFromFile(file);
  EXPECT_EQ(on.GetCellEx(1, 2), "a\r\nb");
  EXPECT_EQ(on.GetCellEx(2, 1), QStringLiteral("caf\u00e9"));
  EXPECT_EQ(on.ColWidths(2), 52);
  TExStringGrid off(nullptr);
  off.LoadFromFile(file);
  EXPECT_EQ(off.GetCellEx(1, 2), "a");

  // A TAB comes back as a carriage return: the encoding reuses character 9.
  g.SetCellEx(0, 1, "t\tx\r\ny");
  g.SaveToFile(file, true);
  EXPECT_TRUE(ReadFileWhole(file).startsWith("\xFF\xFE" "3\0,\0" "3\0"));
  on.LoadFromFile(file);
  EXPECT_EQ(on.GetCellEx(0, 1), "t\rx\r\ny");
}

TEST(TextCells, FixedCountsComeBackAndStrayLinesAreSkipped) {
  QTemporaryDir dir;
  const QString file = dir.filePath("f.txt");
  WriteFileWhole(file, "3,4\r\ncw 99,80\r\ncw 1,70\r\n1,1,in\r\n9,9,out\r\n");
  TExStringGrid g(nullptr);
  g.SaveFixedCells = false;
  g.SetFixedCols(1);
  g.SetFixedRows(1);
  int reports = 0;
  g.OnFileProgress = [&](TObject*, int16_t p) {
    ++reports;
    EXPECT_LE(p, 100);
  };
  g.LoadFromFile(file);
  EXPECT_EQ(g.ColCount(), 4);
  EXPECT_EQ(g.RowCount(), 5);
  EXPECT_EQ(g.ColWidths(1), 70);
  EXPECT_EQ(g.GetCellEx(1, 1), "in");
  EXPECT_GT(reports, 0);

  // A one-row grid with a progress handler saves and loads.
  TExStringGrid one(nullptr);
  one.SetRowCount(1);
  one.SetFixedRows(0);
  one.OnFileProgress = [](TObject*, int16_t p) { EXPECT_LE(p, 100); };
  one.SetCellEx(0, 0, "only");
  one.SaveToFile(file);
  one.LoadFromFile(file);
  EXPECT_EQ(one.GetCellEx(0, 0), "only");
}

TEST(TextCells, CorruptAndHugeFilesChangeNothing) {
  QTemporaryDir dir;
  const QString file = dir.filePath("bad.txt");
  TExStringGrid g(nullptr);
  g.SetCellEx(1, 1, "keep");
  const int cols = g.ColCount(), rows = g.RowCount();
  for (const QByteArray& bad : {QByteArray("3,1000000000\r\n"), QByteArray("0,5\r\n"), QByteArray("600,2\r\n")}) {
    WriteFileWhole(file, bad);
    try {
      g.LoadFromFile(file);
      ADD_FAILURE() << bad.constData();
    } catch (const EExGridError& e) {
      EXPECT_EQ(e.Message, "File contains no data or corrupt file " + file);
    }
    EXPECT_EQ(g.ColCount(), cols);
    EXPECT_EQ(g.RowCount(), rows);
    EXPECT_EQ(g.GetCellEx(1, 1), "keep");
  }
}

TEST(TextCells, TheStreamStopsBeforeForeignLines) {
  TExStringGrid g(nullptr);
  g.SetColCount(4);
  g.SetRowCount(3);
  g.SaveFixedCells = false;  // the save range starts at (1, 1)
  g.SetCellEx(1, 1, "a");
  g.SetCellEx(3, 2, "b\r\nc");
  g.HideColumn(2);  // display column 2 is real column 3
  QByteArray bytes;
  QBuffer out(&bytes);
  out.open(QIODevice::WriteOnly);
  g.SaveToStream(out);
  const QByteArray own = bytes;
  // "2,2" is the save range's size; cells relative to its corner.
  EXPECT_TRUE(own.startsWith(QByteArray("2\0,\0" "2\0\r\0\n\0", 10)));
  EXPECT_TRUE(own.contains(QByteArray("0\0,\0" "0\0,\0" "a\0", 10)));
  EXPECT_TRUE(own.contains(QByteArray("1\0,\0" "1\0,\0" "b\0\t\0\b\0c\0", 16)));
  const QByteArray foreign = QByteArray("x\0y\0\r\0\n\0", 8);
  bytes += foreign;

  TExStringGrid h(nullptr);
  h.SaveFixedCells = false;
  h.SetColCount(4);
  h.HideColumn(2);
  h.Multilinecells = true;
  QBuffer in(&bytes);
  in.open(QIODevice::ReadOnly);
  h.LoadFromStream(in);
  EXPECT_EQ(in.pos(), own.size());
  EXPECT_EQ(in.readAll(), foreign);
  EXPECT_EQ(h.GetCellEx(1, 1), "a");
  EXPECT_EQ(h.GetCellEx(3, 2), "b\r\nc");
  EXPECT_EQ(h.GetCellEx(2, 2), "");
}

TEST(TextCells, NumbersOfCells) {
  SetFormatSettings(TFormatSettings{});
  TExStringGrid g(nullptr);
  struct Case {
    QString text;
    double value;
  } ok[] = {{"", 0}, {"12", 12}, {"(1,234.50)", -1234.5}, {"-7.25", -7.25}, {"$ 3", 3}, {"1e3", 1000}};
  for (const Case& c : ok) {
    g.SetCellEx(1, 1, c.text);
    EXPECT_DOUBLE_EQ(g.CellToReal(1, 1), c.value) << c.text.toStdString();
  }
  g.SetCellEx(2, 3, "12.5.6");
  try {
    g.CellToReal(2, 3);
    ADD_FAILURE();
  } catch (const EExGridError& e) {
    EXPECT_EQ(e.Message, "Error at position: 5 in Cell [2, 3].");
  }
  SetFormatSettings(std::nullopt);

  struct IntCase {
    QString text;
    int value;
  } ints[] = {{"12ab", 12}, {"", 0}, {"x", 0}, {"  -5", -5}, {"$1F", 31}, {"99999999999", 2147483647}};
  for (const IntCase& c : ints) EXPECT_EQ(ValInteger(c.text), c.value) << c.text.toStdString();
}

}  // namespace
