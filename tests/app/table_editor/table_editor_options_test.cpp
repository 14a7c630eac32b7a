// The table editor description's rarer options, on plain tables: columns that are
// not in the file, a table whose element may be missing, an Enable text compared
// as it stands, and the check over the rows of all tables after the row checks.
#include "app/table_editor/table_editor_spec.h"

#include "app/language/language.h"
#include "app/state/comon.h"
#include "platform/os/files.h"
#include "platform/rtl/strings.h"
#include "tests/support/project_fixture.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

QString Options_Path;

// Value 1 to 9, else text 2447.
std::optional<TRowCheckFailure> Check_Value(const TEditorTable& t, int row, TRowCheckRun&) {
  if (!In_Range(t.Cell(3, row), 1, 9)) return Row_Fault(2447);
  return std::nullopt;
}

// Two used rows of the two tables with the same key: text 2448 without row prefix.
std::optional<TRowCheckFailure> Keys_Differ(const std::vector<const TEditorTable*>& tables) {
  QStringList keys;
  for (const TEditorTable* t : tables)
    for (int row = 1; row < t->RowCount() && !Trim(t->Cell(2, row)).isEmpty(); ++row) {
      if (keys.contains(t->Cell(2, row))) return TRowCheckFailure{0, 2448, t->Cell(2, row), false};
      keys << t->Cell(2, row);
    }
  return std::nullopt;
}

TEditorTableSpec Table(const char* group) {
  TEditorTableSpec t{.Group = QString::fromUtf8(group), .Rows = 3};
  t.Columns = {
      {.Title = 2408},
      {.Title = 2409, .Editor = edDataCheckBox, .Attribute = {"Enable", "Y"}},
      {.Title = 2410, .Attribute = {"Name"}},
      {.Title = 2412, .Attribute = {"Value", ""}},
      {.Title = 2413, .Attribute = {"", "N"}, .Reset = QStringLiteral("r")},  // not in the file
  };
  t.KeyColumn = 2;
  t.EnableColumn = 1;
  t.EnableTrimmed = false;
  t.EnableUpperCase = true;
  t.Check = Check_Value;
  t.GroupOptional = true;
  return t;
}

TTableEditorSpec Options_Spec() {
  TTableEditorSpec s{.FormName = QStringLiteral("FOptions"), .ClientWidth = 600};
  s.Root = QStringLiteral("Options");
  s.Version = QStringLiteral("1.000");
  s.Path = &Options_Path;
  s.RowPrefix = 2444;
  s.Tables = {Table("A"), Table("B")};
  s.AfterRows = Keys_Differ;
  return s;
}

const TTableEditorSpec kOptions = Options_Spec();

struct Tables {
  TTextTable a{5, 4};
  TTextTable b{5, 4};
  Tables() {
    for (int row = 1; row < 4; ++row) {
      Reset_Editor_Row(kOptions.Tables[0], a, row);
      Reset_Editor_Row(kOptions.Tables[1], b, row);
    }
  }
  std::vector<const TEditorTable*> Const() const { return {&a, &b}; }
  std::vector<TEditorTable*> Mutable() { return {&a, &b}; }
};

using TableEditorOptions = ProjectTest;

}  // namespace

TEST_F(TableEditorOptions, NamelessColumnsStayOutOfTheFileAndReadAsTheirDefault) {
  Options_Path = QDir(Project_Folder).filePath(QStringLiteral("Options.xml"));
  Tables t;
  EXPECT_EQ(t.a.Cell(4, 1), "r");
  t.a.SetCell(2, 1, "one");
  t.a.SetCell(3, 1, "5");
  t.a.SetCell(4, 1, "kept in the grid only");
  TXMLDocument doc;
  Write_Editor_File(doc, Options_Path, Editor_File_Layout(kOptions), t.Const());
  EXPECT_EQ(QString::fromUtf8(ReadFileWhole(Options_Path)),
            "<Options>\n  <A>\n    <row Enable=\"Y\" Name=\"one\" Value=\"5\" />\n  </A>\n  <B />\n</Options>\n"
            "<!--SW_VERSION = 1.000-->\n");
  Tables back;
  const TEditorLoad load = Load_Editor_Tables(kOptions, Options_Path, back.Mutable());
  EXPECT_TRUE(load.Failure.isEmpty()) << load.Failure.toStdString();
  EXPECT_EQ(back.a.Cell(4, 1), "N");  // a loaded row takes the default
  EXPECT_EQ(back.a.Cell(4, 2), "r");  // a row not in the file keeps its reset text
}

TEST_F(TableEditorOptions, AMissingOptionalTableElementLoadsThatTableEmpty) {
  Options_Path = QDir(Project_Folder).filePath(QStringLiteral("Options.xml"));
  WriteFileWhole(Options_Path, "<Options><B><row Name=\"b\" Value=\"2\"/></B></Options>");
  Tables t;
  const TEditorLoad load = Load_Editor_Tables(kOptions, Options_Path, t.Mutable());
  EXPECT_TRUE(load.Failure.isEmpty()) << load.Failure.toStdString();
  EXPECT_EQ(t.a.Cell(2, 1), "");
  EXPECT_EQ(t.b.Cell(2, 1), "b");
  // A bare attribute missing in the present element still stops the load.
  WriteFileWhole(Options_Path, "<Options><B><row Value=\"2\"/></B></Options>");
  EXPECT_FALSE(Load_Editor_Tables(kOptions, Options_Path, t.Mutable()).Failure.isEmpty());
}

TEST_F(TableEditorOptions, UntrimmedEnableAndTheCheckOverAllTablesAfterTheRows) {
  struct Case {
    const char* name;
    QString enableA;
    QString valueA;
    QString keyB;
    QString valueB;
    std::optional<TRowCheckFailure> expected;
  } cases[] = {
      {"all pass", "Y", "1", "b", "2", std::nullopt},
      {"lower-case enable checked", "y", "0", "b", "2", TRowCheckFailure{1, 2447, "", true}},
      {"enable with a blank skipped", " Y", "0", "b", "2", std::nullopt},
      {"row fault before duplicates", "Y", "1", "a", "0", TRowCheckFailure{1, 2447, "", true}},
      {"duplicate over the tables", "Y", "1", "a", "2", TRowCheckFailure{0, 2448, "a", false}},
  };
  for (const Case& c : cases) {
    Tables t;
    t.a.SetCell(1, 1, c.enableA);
    t.a.SetCell(2, 1, "a");
    t.a.SetCell(3, 1, c.valueA);
    t.b.SetCell(2, 1, c.keyB);
    t.b.SetCell(3, 1, c.valueB);
    EXPECT_EQ(Check_Editor_Tables(kOptions, t.Const()), c.expected) << c.name;
  }
}
