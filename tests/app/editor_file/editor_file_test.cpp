#include "app/editor_file/editor_file.h"

#include "platform/os/files.h"
#include "platform/rtl/exceptions.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

// Readable QString values in failure messages.
static void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace {

QString S(const char* s) { return QString::fromUtf8(s); }

// Two tables: one group right under the root, one in a group of groups (with a
// sibling table so that the parent group is shared).
const TEditorFileLayout kLayout{
    S("Demo_Access"),
    S("1.003"),
    {
        {{S("Read")}, {{"Enable", "Y"}, "IP_Address", "Port", {"Swap", "N"}}, 2},
        {{S("Vars"), S("Inputs")}, {{"Enable", "Y"}, "Name", "Mnemonic"}, 2},
        {{S("Vars"), S("Outputs")}, {{"Enable", "Y"}, "Name", "Mnemonic"}, 2},
    },
};

void setRow(TEditorTable& t, int row, const QStringList& texts) {
  for (int i = 0; i < texts.size(); ++i) t.SetCell(i + 1, row, texts[i]);
}

class EditorFile : public ::testing::Test {
protected:
  QString path(const char* name = "Demo.xml") const { return PathJoin(dir.path(), S(name)); }
  void writeText(const QString& text) const { WriteFileWhole(path(), text.toUtf8()); }
  QString fileText() const { return QString::fromUtf8(ReadFileWhole(path())); }

  QTemporaryDir dir;
  TXMLDocument doc;
  TTextTable read{5, 6};     // column 0 + 4 attributes, 5 data rows
  TTextTable inputs{4, 4};   // column 0 + 3 attributes, 3 data rows
  TTextTable outputs{4, 4};
};

TEST_F(EditorFile, TwoGroupsOneNestedRoundTrip) {
  for (TEditorTable* t : {static_cast<TEditorTable*>(&read), static_cast<TEditorTable*>(&inputs),
                          static_cast<TEditorTable*>(&outputs)})
    Reset_Editor_Table(*t);
  setRow(read, 1, {S("Y"), S("10.0.0.1"), S("502"), S("N")});
  setRow(read, 2, {S("N"), S("10.0.0.2"), S(" 503 "), S("Y")});  // disabled rows stay, texts as shown
  setRow(inputs, 1, {S("Y"), S("In1"), S("a < b & \"c\"")});
  setRow(outputs, 1, {S("Y"), S("Out1"), QString()});
  setRow(outputs, 2, {S("N"), S("Out2"), S("m")});
  Write_Editor_File(doc, path(), kLayout, {&read, &inputs, &outputs});

  TTextTable read2{5, 6}, inputs2{4, 4}, outputs2{4, 4};
  read2.SetCell(2, 5, S("stale"));  // every row is reset before reading
  ASSERT_TRUE(Read_Editor_File(doc, path(), kLayout, {&read2, &inputs2, &outputs2}));
  for (int row = 0; row < 6; ++row) EXPECT_EQ(read2.RowTexts(row), read.RowTexts(row)) << "read row " << row;
  for (int row = 1; row < 4; ++row) {
    EXPECT_EQ(inputs2.RowTexts(row), inputs.RowTexts(row)) << "inputs row " << row;
    EXPECT_EQ(outputs2.RowTexts(row), outputs.RowTexts(row)) << "outputs row " << row;
  }
  EXPECT_EQ(read2.Cell(0, 4), S("4"));

  // The nested tables share one parent group.
  TXMLNode root = Load_Editor_Document(doc, path());
  ASSERT_EQ(root.ChildElements().size(), 2);
  TXMLNode vars = root.ChildByName(S("Vars"));
  ASSERT_EQ(vars.ChildElements().size(), 2);
  EXPECT_EQ(vars.ChildElements()[1].NodeName(), S("Outputs"));
  EXPECT_EQ(vars.ChildByName(S("Outputs")).ChildElements().size(), 2);
}

TEST_F(EditorFile, WritingStopsAtTheFirstEmptyKey) {
  Reset_Editor_Table(read);
  setRow(read, 1, {S("Y"), S("10.0.0.1"), S("502")});
  setRow(read, 2, {S("Y"), S("10.0.0.2"), S("503")});
  setRow(read, 3, {S("Y"), S("  \t"), S("504")});  // key of blanks only counts as empty
  setRow(read, 4, {S("Y"), S("10.0.0.4"), S("505")});
  EXPECT_EQ(First_Lost_Row(kLayout.Tables[0], read), 3);

  Reset_Editor_Table(inputs);
  Reset_Editor_Table(outputs);
  Write_Editor_File(doc, path(), kLayout, {&read, &inputs, &outputs});
  TXMLNode root = Load_Editor_Document(doc, path());
  EXPECT_EQ(root.ChildByName(S("Read")).ChildElements().size(), 2);
  EXPECT_EQ(root.ChildByName(S("Vars")).ChildByName(S("Inputs")).ChildElements().size(), 0);

  TTextTable back{5, 6};
  Read_Editor_File(doc, path(), kLayout, {&back, &inputs, &outputs});
  EXPECT_EQ(back.RowTexts(2), (QStringList{S("Y"), S("10.0.0.2"), S("503"), QString()}));
  EXPECT_EQ(back.RowTexts(3), (QStringList{S("Y"), QString(), QString(), QString()}));
  EXPECT_EQ(back.RowTexts(4), (QStringList{S("Y"), QString(), QString(), QString()}));
}

TEST(EditorFileLostRows, OnlyAGapFollowedByAUsedRowCounts) {
  const TEditorTableLayout layout{{S("G")}, {"Enable", "Key"}, 2};
  struct Case {
    const char* name;
    QStringList keys;  // rows 1..
    int lost;
  };
  const Case cases[] = {
      {"all used", {S("a"), S("b"), S("c")}, 0},
      {"trailing empty rows", {S("a"), QString(), S(" ")}, 0},
      {"all empty", {QString(), QString(), QString()}, 0},
      {"gap then used", {S("a"), QString(), S("c")}, 2},
      {"empty first row", {S(" "), S("b"), QString()}, 1},
      {"two gaps report the first", {S("a"), QString(), QString(), S("d")}, 2},
  };
  for (const Case& c : cases) {
    TTextTable t(3, int(c.keys.size()) + 1);
    for (int i = 0; i < c.keys.size(); ++i) t.SetCell(2, i + 1, c.keys[i]);
    EXPECT_EQ(First_Lost_Row(layout, t), c.lost) << c.name;
  }
}

TEST_F(EditorFile, OlderFilesAndForeignFiles) {
  // Another root name, a row without the guarded attributes (older layout), a row
  // without the bare attribute Port, more rows than the table holds, and no group
  // for the input table.
  writeText(S("<Older_Root><Read>"
              "<row IP_Address=\"1.1.1.1\" Port=\"1\"/>"
              "<row Enable=\"N\" IP_Address=\"2.2.2.2\" Swap=\"Y\"/>"
              "<row IP_Address=\"3\" Port=\"3\"/><row IP_Address=\"4\" Port=\"4\"/>"
              "<row IP_Address=\"5\" Port=\"5\"/><row IP_Address=\"6\" Port=\"6\"/>"
              "</Read><Vars><Outputs><row Enable=\"Y\" Name=\"o\" Mnemonic=\"m\"/></Outputs></Vars>"
              "</Older_Root><!--SW_VERSION = 1.000-->"));
  inputs.SetCell(2, 1, S("stale"));
  ASSERT_TRUE(Read_Editor_File(doc, path(), kLayout, {&read, &inputs, &outputs}));
  EXPECT_EQ(read.RowTexts(1), (QStringList{S("Y"), S("1.1.1.1"), S("1"), S("N")}));
  EXPECT_EQ(read.RowTexts(2), (QStringList{S("N"), S("2.2.2.2"), QString(), S("Y")}));
  EXPECT_EQ(read.RowTexts(5), (QStringList{S("Y"), S("5"), S("5"), S("N")}));
  EXPECT_EQ(inputs.RowTexts(1), (QStringList{S("Y"), QString(), QString()}));
  EXPECT_EQ(outputs.RowTexts(1), (QStringList{S("Y"), S("o"), S("m")}));
}

TEST_F(EditorFile, StrictReadingStopsAtAMissingBareAttribute) {
  TEditorFileLayout strict = kLayout;
  strict.StrictRead = true;
  writeText(S("<Demo_Access><Read><row IP_Address=\"1.1.1.1\" Port=\"1\"/><row IP_Address=\"2.2.2.2\"/>"
              "<row IP_Address=\"3.3.3.3\" Port=\"3\"/></Read></Demo_Access>"));
  try {
    Read_Editor_File(doc, path(), strict, {&read, &inputs, &outputs});
    FAIL() << "no error";
  } catch (const EFileError& e) {
    EXPECT_TRUE(e.Message.contains(S("Port"))) << e.Message.toStdString();
  }
  EXPECT_EQ(read.Cell(2, 1), S("1.1.1.1"));  // read before the fault: kept
  EXPECT_EQ(read.Cell(2, 3), QString());     // after it: empty

  // A missing group is an error too.
  writeText(S("<Demo_Access><Read/></Demo_Access>"));
  EXPECT_THROW(Read_Editor_File(doc, path(), strict, {&read, &inputs, &outputs}), EFileError);
}

TEST_F(EditorFile, MissingFileAndBrokenFile) {
  read.SetCell(3, 2, S("old"));
  EXPECT_FALSE(Read_Editor_File(doc, path(), kLayout, {&read, &inputs, &outputs}));
  EXPECT_EQ(read.RowTexts(2), (QStringList{S("Y"), QString(), QString(), QString()}));
  EXPECT_EQ(read.Cell(0, 2), S("2"));

  writeText(S("<Demo_Access><Read><row IP_Address=\"1\"></Read>"));
  read.SetCell(3, 2, S("old"));
  EXPECT_THROW(Read_Editor_File(doc, path(), kLayout, {&read, &inputs, &outputs}), EFileError);
  EXPECT_EQ(read.Cell(3, 2), QString());
  EXPECT_EQ(fileText(), S("<Demo_Access><Read><row IP_Address=\"1\"></Read>"));  // left untouched
}

TEST_F(EditorFile, CommentBeforeTheRootIsPassedOver) {
  writeText(S("<?xml version=\"1.0\"?>\n<!-- edited by hand -->\n<X><Read><row Enable=\"N\" IP_Address=\"a\" "
              "Port=\"p\"/></Read></X>"));
  ASSERT_TRUE(Read_Editor_File(doc, path(), kLayout, {&read, &inputs, &outputs}));
  EXPECT_EQ(read.RowTexts(1), (QStringList{S("N"), S("a"), S("p"), S("N")}));
}

TEST_F(EditorFile, ExactWrittenText) {
  const TEditorFileLayout layout{S("Small"), S("1.001"), {{{S("Rules")}, {"Enable", "IP_Address", "Port"}, 2}}};
  TTextTable t(4, 4);
  Reset_Editor_Table(t);
  setRow(t, 1, {S("Y"), S("10.0.0.1"), S("502")});
  setRow(t, 2, {S("N"), S("10.0.0.2"), QString()});
  Write_Editor_File(doc, path(), layout, {&t});
  EXPECT_EQ(fileText(), S("<Small>\n"
                          "  <Rules>\n"
                          "    <row Enable=\"Y\" IP_Address=\"10.0.0.1\" Port=\"502\" />\n"
                          "    <row Enable=\"N\" IP_Address=\"10.0.0.2\" Port=\"\" />\n"
                          "  </Rules>\n"
                          "</Small>\n"
                          "<!--SW_VERSION = 1.001-->\n"));

  // An editor without a version writes no comment.
  TEditorFileLayout noVersion = layout;
  noVersion.Version.clear();
  Write_Editor_File(doc, path(), noVersion, {&t});
  EXPECT_FALSE(fileText().contains(S("<!--")));
}

TEST_F(EditorFile, FailedWriteKeepsTheOldFile) {
  writeText(S("<Old/>"));
  const QString missing = PathJoin(dir.path(), S("no_such_folder/Demo.xml"));
  EXPECT_THROW(Write_Editor_File(doc, missing, kLayout, {&read, &inputs, &outputs}), EFileError);
  EXPECT_FALSE(DirectoryExists(PathJoin(dir.path(), S("no_such_folder"))));
  EXPECT_EQ(fileText(), S("<Old/>"));
}

TEST_F(EditorFile, FieldFile) {
  Write_Field_File(doc, path(), S("Par_Gen"), S("1.001"),
                   {{S("Name"), S(" dev 1 ")}, {S("DHCP"), Flag_Text(true)}, {S("DNS"), Flag_Text(false)},
                    {S("Empty"), QString()}});
  EXPECT_TRUE(fileText().startsWith(S("<Par_Gen>\n  <Name> dev 1 </Name>\n  <DHCP>1</DHCP>\n")));
  EXPECT_TRUE(fileText().endsWith(S("</Par_Gen>\n<!--SW_VERSION = 1.001-->\n")));

  TXMLNode root = Load_Editor_Document(doc, path());
  EXPECT_EQ(Field_Text(root, S("Name"), S("def")), S(" dev 1 "));
  EXPECT_EQ(Field_Text(root, S("Empty"), S("def")), QString());  // present but empty: not the default
  EXPECT_EQ(Field_Text(root, S("Missing"), S("def")), S("def"));
  EXPECT_TRUE(Field_Flag(root, S("DHCP")));
  EXPECT_FALSE(Field_Flag(root, S("DNS")));
  EXPECT_FALSE(Field_Flag(root, S("Missing")));

  writeText(S("<P><On>true</On><Sp> 1</Sp></P>"));
  root = Load_Editor_Document(doc, path());
  EXPECT_FALSE(Field_Flag(root, S("On")));  // only "1" is on
  EXPECT_FALSE(Field_Flag(root, S("Sp")));
}

// A table holds its cells from the first text written: before that every cell
// reads empty, cleared cells stay empty, and the bounds hold all the same.
TEST(TextTable, CellsReadEmptyUntilWrittenAndTheBoundsHold) {
  TTextTable t(3, 4);
  EXPECT_EQ(t.Cell(2, 3), QString());
  EXPECT_THROW(t.Cell(3, 0), EListError);
  EXPECT_THROW(t.SetCell(0, 4, QString()), EListError);
  EXPECT_THROW(t.SetCell(-1, 0, S("x")), EListError);
  t.SetCell(1, 2, QString());
  EXPECT_EQ(t.RowTexts(2), (QStringList{QString(), QString()}));
  t.SetCell(2, 2, S(""));
  EXPECT_TRUE(t.Cell(2, 2).isEmpty());
  t.SetCell(1, 2, S("a"));
  t.SetCell(2, 3, S("b"));
  EXPECT_EQ(t.RowTexts(2), (QStringList{S("a"), S("")}));
  EXPECT_EQ(t.Cell(2, 3), S("b"));
  EXPECT_EQ(t.Cell(0, 0), QString());
  t.ResetRow(3);
  EXPECT_EQ(t.Cell(0, 3), S("3"));
  EXPECT_EQ(t.Cell(1, 3), S("Y"));
  EXPECT_TRUE(t.Cell(2, 3).isEmpty());
  EXPECT_EQ(TTextTable(0, 5).ColCount(), 0);
  EXPECT_THROW(TTextTable(0, 5).Cell(0, 0), EListError);
}

// Rows are kept only as far as they were written: a reset row holds its number
// and "Y", a text written further out keeps those and leaves the columns between
// empty, and clearing a cell past a row's end writes nothing.
TEST(TextTable, ShortRowsGrowWithoutLosingTheirTexts) {
  TTextTable t(6, 3);
  t.ResetRow(1);
  EXPECT_EQ(t.RowTexts(1), (QStringList{S("Y"), QString(), QString(), QString(), QString()}));
  t.SetCell(4, 1, S("x"));
  t.SetCell(5, 2, QString());
  EXPECT_EQ(t.Cell(0, 1), S("1"));
  EXPECT_EQ(t.RowTexts(1), (QStringList{S("Y"), QString(), QString(), S("x"), QString()}));
  EXPECT_EQ(t.RowTexts(2), (QStringList{QString(), QString(), QString(), QString(), QString()}));
  t.SetCell(4, 1, QString());
  EXPECT_EQ(t.Cell(4, 1), QString());
}

}  // namespace
