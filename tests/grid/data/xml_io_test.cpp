// XML: a small document written out by hand (entities, declared encoding, empty
// cells), round trips, older files with "$amp;", attributes into rows, nesting
// with LevelToRow, and broken or hostile documents that change nothing.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "tests/support/qstring_print.h"

#include "grid/view/ex_string_grid.h"
#include "grid/view/grid_error.h"
#include "platform/os/files.h"

namespace {

TEST(XmlIo, SmallDocumentAndItsRoundTrip) {
  QTemporaryDir dir;
  const QString file = dir.filePath("t.xml");
  TExStringGrid g(nullptr);
  g.SetColCount(2);
  g.SetRowCount(2);
  g.SetCellEx(0, 0, "a & b");
  g.SetCellEx(1, 0, "<x \"q\">");
  g.SetCellEx(0, 1, QStringLiteral("\u00e9\u20ac"));
  g.SaveToXML(file, "list", "row", nullptr, true);
  EXPECT_EQ(ReadFileWhole(file).toStdString(), std::string("<?xml version=\"1.0\" encoding=\"ISO-8859-1\" ?>\r\n"
                                            "<list>\r\n<row>\r\n"
                                            "<FIELD0>a &amp; b</FIELD0>\r\n"
                                            "<FIELD1>&lt;x &quot;q&quot;&gt;</FIELD1>\r\n"
                                            "</row>\r\n<row>\r\n"
                                            "<FIELD0>\xE9&#8364;</FIELD0>\r\n"
                                            "<FIELD1>\"\"</FIELD1>\r\n"
                                            "</row>\r\n</list>\r\n"));
  TExStringGrid h(nullptr);
  h.SetColCount(1);
  h.SetRowCount(1);
  h.LoadFromXML(file);
  EXPECT_EQ(h.ColCount(), 2);
  EXPECT_EQ(h.RowCount(), 2);
  for (int r = 0; r < 2; ++r)
    for (int c = 0; c < 2; ++c) EXPECT_EQ(h.GetCellEx(c, r), g.GetCellEx(c, r)) << c << "," << r;

  // Field names from a list, a UTF-8 declaration, multi-line texts.
  TStringList names;
  names.Add("Name");
  g.XMLEncoding = "utf-8";
  g.SetCellEx(1, 1, "two\r\nlines");
  g.SaveToXML(file, "list", "row", &names, false);
  const QByteArray utf8 = ReadFileWhole(file);
  EXPECT_TRUE(utf8.contains("<Name>\xC3\xA9\xE2\x82\xAC</Name>"));
  EXPECT_TRUE(utf8.contains("<FIELD1>two&#13;\nlines</FIELD1>"));
  h.LoadFromXML(file);
  EXPECT_EQ(h.GetCellEx(1, 1), "two\r\nlines");
}

TEST(XmlIo, OlderFilesAttributesAndNesting) {
  QTemporaryDir dir;
  const QString file = dir.filePath("a.xml");
  WriteFileWhole(file, "<list><row><F>a $amp; b</F><G>x</G></row><row><F>only</F></row></list>");
  TExStringGrid g(nullptr);
  g.LoadFromXML(file);
  EXPECT_EQ(g.GetCellEx(0, 0), "a & b");
  EXPECT_EQ(g.GetCellEx(1, 0), "x");
  EXPECT_EQ(g.GetCellEx(0, 1), "only");  // a record of one field: the record's own text

  // Attributes fill one row; their names go to the empty header cells.
  WriteFileWhole(file, "<list><rec id=\"7\" name=\"n\"/><rec id=\"8\" name=\"m\"/></list>");
  TExStringGrid a(nullptr);
  a.SetCellEx(1, 0, "kept");
  a.LoadFromXML(file, false, true);
  EXPECT_EQ(a.GetCellEx(0, 0), "id");
  EXPECT_EQ(a.GetCellEx(1, 0), "kept");
  EXPECT_EQ(a.GetCellEx(0, 1), "7");
  EXPECT_EQ(a.GetCellEx(1, 1), "n");
  EXPECT_EQ(a.GetCellEx(0, 2), "8");

  // With LevelToRow a nested element with attributes starts a new row,
  // indented by its level.
  WriteFileWhole(file, "<list><a x=\"1\"><b y=\"2\"/><c>t</c></a></list>");
  TExStringGrid n(nullptr);
  n.SaveFixedCells = false;
  n.SetFixedRows(0);
  n.SetFixedCols(0);
  n.LoadFromXML(file, true);
  EXPECT_EQ(n.GetCellEx(0, 0), "1");
  EXPECT_EQ(n.GetCellEx(1, 1), "2");
}

TEST(XmlIo, BrokenDocumentsChangeNothing) {
  QTemporaryDir dir;
  const QString file = dir.filePath("b.xml");
  TExStringGrid g(nullptr);
  g.SetCellEx(1, 1, "keep");
  try {
    g.LoadFromXML(dir.filePath("missing.xml"));
    ADD_FAILURE();
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message, "XML file not found");
  }
  WriteFileWhole(file, "<list>\n<row><F>x</row>\n</list>");
  try {
    g.LoadFromXML(file);
    ADD_FAILURE();
  } catch (const Exception& e) {
    EXPECT_TRUE(e.Message.startsWith("XMLDOM Parsing error ")) << e.Message.toStdString();
    EXPECT_TRUE(e.Message.endsWith(" on line 2")) << e.Message.toStdString();
  }
  // Deep nesting and too many columns are refused before the grid changes.
  WriteFileWhole(file, QByteArray("<a><b/>").repeated(5000) + QByteArray("</a>").repeated(5000));
  EXPECT_ANY_THROW(g.LoadFromXML(file));
  QByteArray wide = "<list><r>";
  for (int i = 0; i < 600; ++i) wide += "<f>" + QByteArray::number(i) + "</f>";
  WriteFileWhole(file, wide + "</r></list>");
  EXPECT_THROW(g.LoadFromXML(file), EExGridError);
  EXPECT_EQ(g.ColCount(), 5);
  EXPECT_EQ(g.GetCellEx(1, 1), "keep");
}

}  // namespace
