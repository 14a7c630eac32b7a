// Fixed-width and aligned ASCII text: the widths a writer fills in, cut texts,
// fields read at positions, the aligned table with right-aligned numbers and
// continued multi-line cells, and the longest export line of a column.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "tests/support/qstring_print.h"

#include "grid/base/int_list.h"
#include "grid/view/ex_string_grid.h"
#include "grid/view/grid_error.h"
#include "platform/os/files.h"

namespace {

TEST(FixedWidth, WidthsAreFilledInAndLongTextsCut) {
  QTemporaryDir dir;
  const QString file = dir.filePath("f.txt");
  TExStringGrid g(nullptr);
  g.SetColCount(3);
  g.SetRowCount(2);
  g.SetCellEx(0, 0, "abc");
  g.SetCellEx(1, 0, "longer text");
  g.SetCellEx(2, 0, "z");
  g.SetCellEx(0, 1, "a");
  g.SetCellEx(1, 1, "two\r\nlines");
  TIntList widths(-1, -1);
  widths.Add(2);  // the first column given, the others filled in
  g.SaveToFixed(file, &widths);
  EXPECT_EQ(widths.StrValue(), "2,12,2");
  EXPECT_EQ(ReadFileWhole(file), QByteArray("ablonger text z \r\n"
                                            "a two lines     \r\n"));

  // Fields read back at positions 1, 3 and 15 (given out of order).
  TIntList positions(-1, -1);
  for (int p : {15, 1, 3, 17}) positions.Add(p);
  TExStringGrid h(nullptr);
  h.SetFixedCols(0);
  h.LoadFromFixed(file, &positions, true);
  EXPECT_EQ(positions.StrValue(), "1,3,15,17");
  EXPECT_EQ(h.ColCount(), 3);
  EXPECT_EQ(h.GetCellEx(0, 0), "ab");
  EXPECT_EQ(h.GetCellEx(1, 0), "longer text");
  EXPECT_EQ(h.GetCellEx(2, 1), "");
  EXPECT_EQ(h.GetCellEx(1, 1), "two lines");
  TExStringGrid raw(nullptr);
  raw.LoadFromFixed(file, &positions, false, 1);  // one line, untrimmed
  EXPECT_EQ(raw.GetCellEx(1, 0), "longer text ");
  EXPECT_EQ(raw.GetCellEx(1, 1), "");

  EXPECT_THROW(h.LoadFromFixed(dir.filePath("none.txt"), &positions), EExGridError);
}

TEST(AsciiTable, ColumnsAlignedAndMultiLineCellsContinued) {
  QTemporaryDir dir;
  const QString file = dir.filePath("t.txt");
  TExStringGrid g(nullptr);
  g.SetColCount(3);
  g.SetRowCount(3);
  g.Multilinecells = true;
  g.SetCellEx(0, 0, "Name");
  g.SetCellEx(1, 0, "Note");
  g.SetCellEx(2, 0, "Qty");
  g.SetCellEx(0, 1, "apple");
  g.SetCellEx(1, 1, "one\r\ntwo\r\nthree");
  g.SetCellEx(2, 1, "5");
  g.SetCellEx(0, 2, "fig");
  g.SetCellEx(2, 2, "1234");
  for (int r = 0; r < 3; ++r) g.SetAlignments(2, r, taRightJustify);
  g.SetAlignments(1, 2, taCenter);
  g.SetCellEx(1, 2, "x");
  EXPECT_EQ(g.MaxExportLineLength(1), 5);
  g.SaveToASCII(file);
  EXPECT_EQ(ReadFileWhole(file), QByteArray("Name  Note   Qty \r\n"
                                            "apple one      5 \r\n"
                                            "      two\r\n"
                                            "      three\r\n"
                                            "fig     x   1234 \r\n"));
  // Appending adds after the lines there are.
  g.AppendToASCII(file);
  EXPECT_EQ(ReadFileWhole(file).count("fig"), 2);
}

}  // namespace
