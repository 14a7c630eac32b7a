// Office files: column letters and used-range addresses, workbooks written here
// and opened by an independent reader (Debian's openpyxl), a two-sheet workbook
// written by that reader and read and written into here, word-processor tables,
// the database query through a record source of the test's own, and files that
// cannot be read or written.
#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include "tests/support/qstring_print.h"

#include "grid/data/office_files.h"
#include "grid/view/ex_string_grid.h"
#include "grid/view/grid_error.h"
#include "platform/os/database.h"
#include "platform/os/files.h"

namespace {

// Runs a Python script with Debian's interpreter (where python3-openpyxl lives);
// its standard output, or an empty text when it failed.
QString Python(const QString& script, const QStringList& args = {}) {
  QProcess p;
  p.start(QStringLiteral("/usr/bin/python3"), QStringList{"-c", script} + args);
  if (!p.waitForFinished(120000) || p.exitCode() != 0) {
    ADD_FAILURE() << "python: " << p.readAllStandardError().toStdString();
    return {};
  }
  return QString::fromUtf8(p.readAllStandardOutput());
}

// Whether Debian's interpreter has a module (scripts/setup installs the ones used here).
bool HaveModule(const QString& module) {
  QProcess p;
  p.start(QStringLiteral("/usr/bin/python3"), {"-c", "import " + module});
  return p.waitForFinished(60000) && p.exitCode() == 0;
}

// Every sheet of a workbook as openpyxl reads it: {sheet: [[values by row]]}.
QJsonObject OpenpyxlRead(const QString& file) {
  const QString json = Python(
      "import json, sys, openpyxl\n"
      "wb = openpyxl.load_workbook(sys.argv[1])\n"
      "print(json.dumps({ws.title: [[c if c is None or isinstance(c, (int, float, str, bool)) else str(c) "
      "for c in row] for row in ws.iter_rows(values_only=True)] for ws in wb.worksheets}))\n",
      {file});
  return QJsonDocument::fromJson(json.toUtf8()).object();
}

QStringList Row(TExStringGrid& g, int r) {
  QStringList out;
  for (int c = 0; c < g.ColCount(); ++c) out.append(g.GetCellEx(c, r));
  return out;
}

TEST(OfficeFiles, ColumnLettersAndUsedRanges) {
  struct Letters {
    int col;
    const char* text;
  } letters[] = {{1, "A"}, {26, "Z"}, {27, "AA"}, {52, "AZ"}, {53, "BA"}, {702, "ZZ"}, {703, "AAA"}, {16384, "XFD"}};
  for (const Letters& l : letters) {
    EXPECT_EQ(ColumnLetters(l.col), l.text);
    EXPECT_EQ(LettersToColumn(l.text), l.col);
  }
  EXPECT_EQ(LettersToColumn("A1"), 0);
  struct Range {
    const char* address;
    TUsedRange expected;
  } ranges[] = {
      {"$B$2:$C$3", {true, false, 2, 2, 3, 3}},
      {"$A$1:$AD$4", {true, false, 1, 1, 30, 4}},
      {"$3:$7", {true, false, 1, 3, 256, 7}},
      {"$C$5", {true, true, 3, 5, 3, 5}},
      {"A1", {true, true, 1, 1, 1, 1}},
  };
  for (const Range& r : ranges) {
    const TUsedRange u = ParseUsedRange(r.address);
    EXPECT_EQ(std::tie(u.Valid, u.Single, u.StartCol, u.StartRow, u.EndCol, u.EndRow),
              std::tie(r.expected.Valid, r.expected.Single, r.expected.StartCol, r.expected.StartRow,
                       r.expected.EndCol, r.expected.EndRow))
        << r.address;
  }
  EXPECT_FALSE(ParseUsedRange("$x$y:$1$a").Valid);
}

class Workbooks : public ::testing::Test {
protected:
  void SetUp() override {
    if (!HaveModule("openpyxl")) GTEST_SKIP() << "python3-openpyxl is not installed (scripts/setup installs it)";
  }
  QTemporaryDir dir_;
};

TEST_F(Workbooks, AWorkbookWrittenHereOpensInAnotherReader) {
  const QString file = dir_.filePath("new.xlsx");
  TExStringGrid g(nullptr);
  g.SetColCount(3);
  g.SetRowCount(3);
  g.SetCellEx(0, 0, "Name");
  g.SetCellEx(1, 0, "Qty");
  g.SetCellEx(2, 0, QStringLiteral("Pr\u00e9is \u20ac"));
  g.SetCellEx(0, 1, "two\r\nlines");
  g.SetCellEx(1, 1, "12");
  g.SetCellEx(2, 1, "0.10");  // shown as text: as a number it would read 0.1
  g.SetCellEx(1, 2, "3.5");
  g.SaveToXLS(file);
  const QJsonObject book = OpenpyxlRead(file);
  ASSERT_EQ(book.keys(), QStringList({"Sheet1"}));
  const QJsonArray rows = book["Sheet1"].toArray();
  ASSERT_EQ(rows.size(), 3);
  EXPECT_EQ(rows[0].toArray()[2].toString(), QStringLiteral("Pr\u00e9is \u20ac"));
  EXPECT_EQ(rows[1].toArray()[0].toString(), "two\nlines");
  EXPECT_EQ(rows[1].toArray()[1].toInt(), 12);
  EXPECT_EQ(rows[1].toArray()[2].toString(), "0.10");
  EXPECT_DOUBLE_EQ(rows[2].toArray()[1].toDouble(), 3.5);
  EXPECT_TRUE(rows[2].toArray()[0].isNull());

  // And reads back here as it was (line breaks without their carriage returns).
  TExStringGrid h(nullptr);
  h.LoadFromXLS(file);
  EXPECT_EQ(Row(h, 0), Row(g, 0));
  EXPECT_EQ(h.GetCellEx(0, 1), "two\nlines");
  EXPECT_EQ(h.GetCellEx(2, 1), "0.10");
  EXPECT_EQ(h.GetCellEx(1, 2), "3.5");
}

TEST_F(Workbooks, ATwoSheetWorkbookOfAnotherWriterIsReadAndKeptWhenWrittenInto) {
  const QString file = dir_.filePath("two.xlsx");
  Python(
      "import sys, datetime, openpyxl\n"
      "wb = openpyxl.Workbook()\n"
      "a = wb.active\n"
      "a.title = 'First'\n"
      "a.append(['keep', 1, True])\n"
      "b = wb.create_sheet('Second')\n"
      "b['B2'] = 'b2'; b['C2'] = 2.5; b['B3'] = datetime.date(2024, 3, 5); b['C3'] = '=1/0'\n"
      "wb.save(sys.argv[1])\n",
      {file});
  TExStringGrid g(nullptr);
  const auto sheets = g.GetXLSSheets(file);
  ASSERT_EQ(sheets->Count(), 2);
  EXPECT_EQ((*sheets)[1], "Second");

  // The used range $B$2:$C$3 gives two columns and two rows.
  g.LoadFromXLSSheet(file, "Second");
  EXPECT_EQ(g.ColCount(), 2);
  EXPECT_EQ(g.RowCount(), 2);
  EXPECT_EQ(g.GetCellEx(0, 0), "b2");
  EXPECT_EQ(g.GetCellEx(1, 0), "2.5");
  EXPECT_FALSE(g.GetCellEx(0, 1).isEmpty());  // the date in the locale's short form
  g.LoadFromXLS(file);                        // the active sheet
  EXPECT_EQ(Row(g, 0), QStringList({"keep", "1", "True"}));
  EXPECT_THROW(g.LoadFromXLSSheet(file, "Nope"), EExGridError);

  // Writing into the second sheet keeps the first; a new name adds a sheet.
  TExStringGrid w(nullptr);
  w.SetColCount(2);
  w.SetRowCount(1);
  w.SetCellEx(0, 0, "new");
  w.SetCellEx(1, 0, "7");
  w.SaveToXLSSheet(file, "Second");
  w.SaveToXLSSheet(file, "Third");
  const QJsonObject book = OpenpyxlRead(file);
  EXPECT_EQ(book.keys(), QStringList({"First", "Second", "Third"}));
  EXPECT_EQ(book["First"].toArray()[0].toArray()[0].toString(), "keep");
  const QJsonArray second = book["Second"].toArray();
  EXPECT_EQ(second[0].toArray()[0].toString(), "new");
  EXPECT_EQ(second[0].toArray()[1].toInt(), 7);
  EXPECT_EQ(second[1].toArray()[1].toString(), "b2");  // cells outside the written range stay
  EXPECT_EQ(book["Third"].toArray()[0].toArray()[0].toString(), "new");
}

TEST_F(Workbooks, WithoutANewSheetTheGridGoesToTheActiveCellsRow) {
  const QString file = dir_.filePath("active.xlsx");
  Python(
      "import sys, openpyxl\n"
      "wb = openpyxl.Workbook()\n"
      "ws = wb.active\n"
      "ws['A1'] = 'top'\n"
      "ws.sheet_view.selection[0].activeCell = 'C4'\n"
      "ws.sheet_view.selection[0].sqref = 'C4'\n"
      "wb.save(sys.argv[1])\n",
      {file});
  TExStringGrid g(nullptr);
  g.SetColCount(2);
  g.SetRowCount(2);
  g.SetCellEx(0, 0, "r1");
  g.SetCellEx(0, 1, "r2");
  g.SaveToXLS(file, false);
  const QJsonArray rows = OpenpyxlRead(file)["Sheet"].toArray();
  ASSERT_EQ(rows.size(), 5);
  EXPECT_EQ(rows[0].toArray()[0].toString(), "top");
  EXPECT_EQ(rows[3].toArray()[0].toString(), "r1");
  EXPECT_EQ(rows[4].toArray()[0].toString(), "r2");
}

// A legacy workbook written by another program (Debian's xlwt): its sheet names,
// the first sheet, and a named sheet whose used range starts right of and below A1.
TEST(OfficeFiles, ALegacyWorkbookOfAnotherWriterIsRead) {
  if (!HaveModule("xlwt")) GTEST_SKIP() << "python3-xlwt is not installed (scripts/setup installs it)";
  QTemporaryDir dir;
  const QString file = dir.filePath("old.xls");
  Python(
      "import sys, xlwt\n"
      "wb = xlwt.Workbook(encoding='utf-8')\n"
      "a = wb.add_sheet('First')\n"
      "a.write(0, 0, 'keep'); a.write(0, 1, 12); a.write(1, 0, 2.5); a.write(1, 1, 'Gr\\u00fc\\u00dfe')\n"
      "b = wb.add_sheet('Second')\n"
      "b.write(1, 1, 'b2'); b.write(2, 2, 7)\n"
      "wb.save(sys.argv[1])\n",
      {file});
  TExStringGrid g(nullptr);
  const auto sheets = g.GetXLSSheets(file);
  ASSERT_EQ(sheets->Count(), 2);
  EXPECT_EQ((*sheets)[0], "First");
  EXPECT_EQ((*sheets)[1], "Second");

  g.LoadFromXLS(file);
  EXPECT_EQ(g.ColCount(), 2);
  EXPECT_EQ(g.RowCount(), 2);
  EXPECT_EQ(Row(g, 0), QStringList({"keep", "12"}));
  EXPECT_EQ(Row(g, 1), QStringList({"2.5", QStringLiteral("Gr\u00fc\u00dfe")}));

  // The used range $B$2:$C$3 gives two columns and two rows, as in a new workbook.
  g.LoadFromXLSSheet(file, "Second");
  EXPECT_EQ(g.ColCount(), 2);
  EXPECT_EQ(g.RowCount(), 2);
  EXPECT_EQ(Row(g, 0), QStringList({"b2", ""}));
  EXPECT_EQ(Row(g, 1), QStringList({"", "7"}));
  EXPECT_THROW(g.LoadFromXLSSheet(file, "Nope"), EExGridError);
}

TEST(OfficeFiles, DocumentTables) {
  QTemporaryDir dir;
  const QString file = dir.filePath("t.docx");
  TExStringGrid g(nullptr);
  g.SetColCount(2);
  g.SetRowCount(2);
  g.SetCellEx(0, 0, "Item");
  g.SetCellEx(1, 0, "Price");
  g.SetCellEx(0, 1, "a & b");
  g.SetCellEx(1, 1, "9.50");
  g.SetAlignments(1, 1, taRightJustify);
  g.SaveToDOC(file);
  const QString body = Python(
      "import sys, zipfile\n"
      "print(zipfile.ZipFile(sys.argv[1]).read('word/document.xml').decode())\n",
      {file});
  EXPECT_TRUE(body.contains("<w:tbl>"));
  EXPECT_TRUE(body.contains("a &amp; b"));
  EXPECT_TRUE(body.contains("<w:jc w:val=\"right\"/></w:pPr><w:r><w:t xml:space=\"preserve\">9.50<"));

  // Appended after the paragraph of a bookmark; the document's text stays.
  const QString doc = dir.filePath("b.docx");
  Python(
      "import sys, zipfile\n"
      "W = 'http://schemas.openxmlformats.org/wordprocessingml/2006/main'\n"
      "z = zipfile.ZipFile(sys.argv[1], 'w')\n"
      "z.writestr('[Content_Types].xml', '<?xml version=\"1.0\"?><Types "
      "xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\"><Default Extension=\"rels\" "
      "ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/><Override PartName=\"/word/document.xml\" "
      "ContentType=\"application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml\"/></Types>')\n"
      "z.writestr('_rels/.rels', '<?xml version=\"1.0\"?><Relationships "
      "xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\"><Relationship Id=\"r1\" "
      "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument\" "
      "Target=\"word/document.xml\"/></Relationships>')\n"
      "z.writestr('word/document.xml', '<?xml version=\"1.0\"?><w:document xmlns:w=\"' + W + '\"><w:body>"
      "<w:p><w:r><w:t>Before</w:t></w:r></w:p>"
      "<w:p><w:bookmarkStart w:id=\"0\" w:name=\"Here\"/><w:r><w:t>Mark</w:t></w:r><w:bookmarkEnd w:id=\"0\"/></w:p>"
      "<w:p><w:r><w:t>After</w:t></w:r></w:p><w:sectPr/></w:body></w:document>')\n"
      "z.close()\n",
      {doc});
  g.AppendToDoc(doc, "Here");
  const QString appended = Python(
      "import sys, zipfile\n"
      "print(zipfile.ZipFile(sys.argv[1]).read('word/document.xml').decode())\n",
      {doc});
  const qsizetype mark = appended.indexOf("Mark"), table = appended.indexOf("<w:tbl>"), after = appended.indexOf("After");
  EXPECT_GT(mark, appended.indexOf("Before"));
  EXPECT_GT(table, mark);
  EXPECT_GT(after, table);
  g.AppendToDoc(doc, "NoSuchMark");  // at the end, before the section properties
  const QString twice = Python(
      "import sys, zipfile\n"
      "print(zipfile.ZipFile(sys.argv[1]).read('word/document.xml').decode())\n",
      {doc});
  EXPECT_EQ(twice.count("<w:tbl>"), 2);
  EXPECT_GT(twice.lastIndexOf("<w:tbl>"), twice.indexOf("After"));
  EXPECT_LT(twice.lastIndexOf("<w:tbl>"), twice.indexOf("<w:sectPr"));
}

// A query result held by the test.
class TFakeSource : public TRecordSource {
public:
  static inline QString LastSql;
  void Open(const QString&, const QString& Sql) override { LastSql = Sql; }
  int FieldCount() const override { return 2; }
  QString FieldName(int i) const override { return i == 0 ? "Id" : "Name"; }
  int RecordCount() const override { return -1; }
  bool Eof() const override { return at_ >= 3; }
  int ActualSize(int i) const override { return at_ == 1 && i == 1 ? 0 : 1; }
  QString Value(int i) const override { return QStringLiteral("%1-%2").arg(at_).arg(i); }
  void MoveNext() override { ++at_; }
  void Close() override {}

private:
  int at_ = 0;
};

TEST(OfficeFiles, QueriesThroughARecordSource) {
  SetRecordSourceFactory([] { return std::make_unique<TFakeSource>(); });
  TExStringGrid g(nullptr);
  g.SetRowCount(2);
  g.LoadFromMDBTable("db.mdb", "Parts");
  SetRecordSourceFactory({});
  EXPECT_EQ(TFakeSource::LastSql, "SELECT * FROM Parts");
  EXPECT_EQ(g.ColCount(), 3);  // the fixed column and two fields
  EXPECT_EQ(Row(g, 0), QStringList({"", "Id", "Name"}));
  EXPECT_EQ(g.RowCount(), 4);  // grown row by row: the source could not tell its count
  EXPECT_EQ(Row(g, 1), QStringList({"", "0-0", "0-1"}));
  EXPECT_EQ(Row(g, 2), QStringList({"", "1-0", ""}));  // a value of size 0 is empty
  EXPECT_EQ(Row(g, 3), QStringList({"", "2-0", "2-1"}));
}

TEST(OfficeFiles, FormatsThatCannotBeWrittenAndBrokenFiles) {
  QTemporaryDir dir;
  TExStringGrid g(nullptr);
  g.SetCellEx(1, 1, "keep");
  try {
    g.SaveToXLS(dir.filePath("old.xls"));
    ADD_FAILURE();
  } catch (const EExGridError& e) {
    EXPECT_EQ(e.Message, "Excel OLE server not found");
  }
  try {
    g.SaveToDOC(dir.filePath("old.doc"));
    ADD_FAILURE();
  } catch (const EExGridError& e) {
    EXPECT_EQ(e.Message, "Word OLE server not found");
  }
  const QString broken = dir.filePath("broken.xlsx");
  WriteFileWhole(broken, "PK\x03\x04 not really a zip");
  try {
    g.LoadFromXLS(broken);
    ADD_FAILURE();
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message, "Incorrect XLS file");
  }
  // A workbook whose used range is wider than a grid is refused whole.
  TSheetWrite wide;
  wide.Rows.push_back(QStringList());
  for (int c = 0; c < 700; ++c) wide.Rows[0].append("x");
  WriteFileWhole(dir.filePath("wide.xlsx"), WriteXlsxSheet(QByteArray(), wide));
  EXPECT_THROW(g.LoadFromXLS(dir.filePath("wide.xlsx")), EExGridError);
  EXPECT_EQ(g.ColCount(), 5);
  EXPECT_EQ(g.GetCellEx(1, 1), "keep");
  // A package holding two parts of one name (names compare without case) leaves
  // it open which sheet is read and which is written into: refused.
  TSheetWrite one;
  one.Rows = {{QStringLiteral("one")}};
  const QString twice = dir.filePath("twice.xlsx");
  WriteFileWhole(twice, WriteXlsxSheet(QByteArray(), one));
  Python(
      "import sys, zipfile, warnings\n"
      "warnings.simplefilter('ignore')\n"
      "z = zipfile.ZipFile(sys.argv[1], 'a')\n"
      "name = [n for n in z.namelist() if n.startswith('xl/worksheets/')][0]\n"
      "z.writestr(name.upper(), z.read(name).replace(b'one', b'two'))\n"
      "z.close()\n",
      {twice});
  try {
    g.LoadFromXLS(twice);
    ADD_FAILURE();
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message, "Incorrect XLS file");
  }
  EXPECT_EQ(g.GetCellEx(1, 1), "keep");
}

}  // namespace
