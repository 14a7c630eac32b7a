// CSV: the delimiter guess, the bytes of a small file with quotes, line breaks
// and empty cells, round trips in both dialects, insert mode with a floating
// footer, growth, header lines, hidden columns, code pages, and files that must
// change nothing.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>

#include "tests/support/qstring_print.h"

#include "grid/data/csv_format.h"
#include "grid/view/ex_string_grid.h"
#include "grid/view/grid_error.h"
#include "platform/os/files.h"

namespace {

QByteArray FileBytes(const QString& name) { return ReadFileWhole(name); }

void Fill(TExStringGrid& g, const std::vector<QStringList>& rows) {
  g.SetRowCount(static_cast<int>(rows.size()));
  g.SetColCount(static_cast<int>(rows[0].size()));
  for (int r = 0; r < static_cast<int>(rows.size()); ++r)
    for (int c = 0; c < rows[r].size(); ++c) g.SetCellEx(c, r, rows[r][c]);
}

QStringList Row(TExStringGrid& g, int r) {
  QStringList out;
  for (int c = 0; c < g.ColCount(); ++c) out.append(g.GetCellEx(c, r));
  return out;
}

TEST(Csv, TheDelimiterIsGuessedFromTheFirstTwoLines) {
  struct Case {
    QString first, second;
    QChar expected;
  } cases[] = {
      {"a;b;c", "1;2;3", u';'},        // two single runs in both lines
      {"a,b", "x;y;z,w", u','},        // pass 1: "," once in each line
      {"a#b#c", "", u'#'},             // one line: pass 3
      {"a|b", "c|d|e", u'|'},          // counts differ: pass 3
      {"x\ty", "1\t2", u'\t'},
      {"a,b;c", "1,2;3", u','},        // a tie goes to the earlier candidate
      {"plain", "text", QChar(u'\0')}, // nothing fits: one field per line
  };
  for (const Case& c : cases)
    EXPECT_EQ(DetectCsvDelimiter(c.first, c.second), c.expected) << c.first.toStdString();
}

TEST(Csv, SmallFileBytesAndRoundTrip) {
  QTemporaryDir dir;
  const QString file = dir.filePath("small.csv");
  TExStringGrid g(nullptr);
  Fill(g, {{"Name", "Note", "Price"},
           {"x\r\ny", "say \"hi\"", ""},
           {"a,b", "plain", "3.5"}});
  g.SaveToCSV(file);
  EXPECT_EQ(FileBytes(file), QByteArray("Name,Note,Price\r\n"
                                        "\"x\x0By\",\"say \"\"hi\"\"\",\"\"\r\n"
                                        "\"a,b\",plain,3.5\r\n"));
  TExStringGrid h(nullptr);
  h.SetColCount(2);  // a load only adds columns
  h.LoadFromCSV(file);
  EXPECT_EQ(h.ColCount(), 3);
  EXPECT_EQ(h.RowCount(), 3);
  for (int r = 0; r < 3; ++r) EXPECT_EQ(Row(h, r), Row(g, r)) << r;
}

TEST(Csv, BothDialectsKeepLineBreaksQuotesAndDelimitersInOneLine) {
  QTemporaryDir dir;
  const QString file = dir.filePath("d.csv");
  const std::vector<QStringList> rows{{"two\r\nlines", "", "a;b"}, {"q\"uote", "^", "  lead"}};
  struct Case {
    bool java, always;
    QChar delimiter;
  } cases[] = {{false, false, u','}, {false, true, u','}, {true, false, u';'}, {true, true, u','}};
  for (const Case& c : cases) {
    TExStringGrid g(nullptr);
    Fill(g, rows);
    g.JavaCSV = c.java;
    g.AlwaysQuotes = c.always;
    g.Delimiter = c.delimiter;
    g.SaveToCSV(file);
    EXPECT_EQ(FileBytes(file).count("\r\n"), 2) << c.java << c.always;  // every record on one line
    TExStringGrid h(nullptr);
    h.SetColCount(2);
    h.JavaCSV = c.java;
    h.Delimiter = c.delimiter;
    h.LoadFromCSV(file);
    for (int r = 0; r < 2; ++r) EXPECT_EQ(Row(h, r), rows[r]) << c.java << c.always << r;
  }
  // The Java dialect's own forms.
  TExStringGrid g(nullptr);
  Fill(g, {{"a\r\nb", "", "c"}});
  g.JavaCSV = true;
  g.SaveToCSV(file);
  EXPECT_EQ(FileBytes(file), QByteArray("\"a~b\",^,c\r\n"));
}

TEST(Csv, InsertAddsRowsAfterTheLastAndKeepsTheFooterRow) {
  QTemporaryDir dir;
  const QString file = dir.filePath("ins.csv");
  TExStringGrid src(nullptr);
  Fill(src, {{"n1", "v1"}, {"n2", "v2"}});
  src.SaveToCSV(file);

  TExStringGrid g(nullptr);
  Fill(g, {{"H1", "H2"}, {"a", "b"}, {"SUM", "9"}});
  g.FloatingFooter()->SetVisible(true);
  g.InsertFromCSV(file);
  EXPECT_EQ(g.RowCount(), 5);
  EXPECT_EQ(Row(g, 1), QStringList({"a", "b"}));
  EXPECT_EQ(Row(g, 2), QStringList({"n1", "v1"}));
  EXPECT_EQ(Row(g, 3), QStringList({"n2", "v2"}));
  EXPECT_EQ(g.GetCellEx(0, 4), "SUM");  // the footer row stays last

  TExStringGrid plain(nullptr);
  Fill(plain, {{"H1", "H2"}, {"a", "b"}});
  plain.InsertFromCSV(file);
  EXPECT_EQ(plain.RowCount(), 4);
  EXPECT_EQ(Row(plain, 3), QStringList({"n2", "v2"}));
}

TEST(Csv, GrowthHeaderLinesAndMaxRows) {
  QTemporaryDir dir;
  const QString file = dir.filePath("big.csv");
  QByteArray text = "h1,h2\r\n";
  for (int i = 0; i < 2500; ++i) text += QByteArray::number(i) + ",x\r\n";
  WriteFileWhole(file, text);

  TExStringGrid g(nullptr);
  g.SetFixedFooters(0);
  g.LoadFromCSV(file);
  EXPECT_EQ(g.RowCount(), 2501);
  EXPECT_EQ(g.GetCellEx(0, 2500), "2499");

  TExStringGrid h(nullptr);
  h.LoadFirstRow = false;
  h.LoadFromCSV(file, 10);  // the header line skipped, ten lines read
  EXPECT_EQ(h.RowCount(), 10);
  EXPECT_EQ(h.GetCellEx(0, 0), "0");
  EXPECT_EQ(h.GetCellEx(0, 9), "9");

  // Progress reaches 100 and never passes it.
  TExStringGrid p(nullptr);
  int last = -1, over = 0;
  p.OnFileProgress = [&](TObject*, int16_t v) {
    if (v > 100 || v <= last) ++over;
    last = v;
  };
  p.LoadFromCSV(file);
  EXPECT_EQ(last, 100);
  EXPECT_EQ(over, 0);
  EXPECT_EQ(p.RowCount(), 2501);
}

TEST(Csv, HiddenColumnsAreMappedAndCodePagesKept) {
  QTemporaryDir dir;
  const QString file = dir.filePath("h.csv");
  TExStringGrid g(nullptr);
  Fill(g, {{"a", "secret", QStringLiteral("\u00e9t\u00e9")}});
  g.HideColumn(1);
  g.SaveToCSV(file);
  EXPECT_EQ(FileBytes(file), QByteArray("a,\xE9t\xE9\r\n"));  // ANSI: Windows-1252
  g.SaveToCSV(file, true);
  EXPECT_EQ(FileBytes(file), QByteArray("\xEF\xBB\xBF" "a,\xC3\xA9t\xC3\xA9\r\n"));
  g.OemConvert = true;
  g.SaveToCSV(file);
  EXPECT_EQ(FileBytes(file), QByteArray("a,\x82t\x82\r\n"));  // code page 850

  TExStringGrid h(nullptr);
  h.SetColCount(3);
  h.HideColumn(1);
  h.OemConvert = true;
  h.LoadFromCSV(file);
  EXPECT_EQ(h.GetCellEx(0, 0), "a");
  EXPECT_EQ(h.GetCellEx(1, 0), "");  // the hidden column keeps its place
  EXPECT_EQ(h.GetCellEx(2, 0), QStringLiteral("\u00e9t\u00e9"));
}

TEST(Csv, EmptyAndHostileFilesChangeNothing) {
  QTemporaryDir dir;
  TExStringGrid g(nullptr);
  Fill(g, {{"keep", "me"}});
  const QString empty = dir.filePath("empty.csv");
  WriteFileWhole(empty, QByteArray());
  EXPECT_NO_THROW(g.LoadFromCSV(empty));
  EXPECT_EQ(Row(g, 0), QStringList({"keep", "me"}));
  QByteArray none;
  QBuffer stream(&none);
  stream.open(QIODevice::ReadOnly);
  try {
    g.LoadFromCSVStream(stream);
    ADD_FAILURE() << "an empty stream must raise";
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message, "File is empty");
  }

  const QString wide = dir.filePath("wide.csv");
  WriteFileWhole(wide, QByteArray(600, ';') + "\r\n");
  EXPECT_THROW(g.LoadFromCSV(wide), EExGridError);
  EXPECT_EQ(g.ColCount(), 2);
  EXPECT_EQ(Row(g, 0), QStringList({"keep", "me"}));

  // Appending needs the file to be there.
  EXPECT_THROW(g.AppendToCSV(dir.filePath("missing.csv")), EFileError);
  EXPECT_FALSE(QFile::exists(dir.filePath("missing.csv")));
  // A quoted field without its closing quote reads as empty.
  const QString open = dir.filePath("open.csv");
  WriteFileWhole(open, "a,\"never closed,b\r\n");
  g.Delimiter = u',';
  g.LoadFromCSV(open);
  EXPECT_EQ(g.GetCellEx(0, 0), "a");
  EXPECT_EQ(g.GetCellEx(1, 0), "");
}

}  // namespace
