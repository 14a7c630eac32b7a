// The in-memory initialisation file: names compare without letter case, values
// keep theirs, stray lines are skipped, and the file is written whole.
#include <gtest/gtest.h>

#include "tests/support/qstring_print.h"

#include <QFile>
#include <QTemporaryDir>

#include "platform/os/files.h"
#include "platform/os/ini_file.h"
#include "platform/rtl/exceptions.h"

namespace {

TEST(MemIniFile, ReadsSectionsAndKeysWithoutLetterCase) {
  TMemIniFile ini{QString()};
  ini.SetText(
      "; a comment\r\n"
      "stray line before any section\n"
      "[Grid]\n"
      "CP0=2\n"
      "  cp1 = 0\n"
      "Name=Value with = sign \n"
      "no equals sign here\n"
      "=no key\n"
      "CP0=9\n"  // a repeated key: the first one counts
      "[other]\n"
      "CP0=7\n"
      "[GRID]\n"
      "Late=1\n");
  EXPECT_EQ(ini.ReadInteger("grid", "cp0", -1), 2);
  EXPECT_EQ(ini.ReadInteger("Grid", "CP1", -1), 0);
  EXPECT_EQ(ini.ReadString("GRID", "name", ""), "Value with = sign ");
  EXPECT_EQ(ini.ReadInteger("Other", "CP0", -1), 7);
  EXPECT_EQ(ini.ReadInteger("Grid", "Late", -1), 1);  // same section, written twice
  EXPECT_EQ(ini.ReadSection("grid"), QStringList({"CP0", "cp1", "Name", "Late"}));
  EXPECT_FALSE(ini.SectionExists("missing"));
  EXPECT_FALSE(ini.ValueExists("Grid", "no equals sign here"));
}

TEST(MemIniFile, IntegersFallBackToTheDefault) {
  TMemIniFile ini{QString()};
  ini.SetText("[s]\na=12\nb=$1F\nc=twelve\nd=\ne=99999999999\n");
  struct Case {
    const char* key;
    int expected;
  } cases[] = {{"a", 12}, {"b", 31}, {"c", -1}, {"d", -1}, {"e", -1}, {"missing", -1}};
  for (const Case& c : cases) EXPECT_EQ(ini.ReadInteger("s", c.key, -1), c.expected) << c.key;
}

TEST(MemIniFile, WritesTheFileWholeAndReadsItBack) {
  QTemporaryDir dir;
  const QString path = dir.filePath("grid.ini");
  {
    TMemIniFile ini(path);  // no file yet: empty
    EXPECT_TRUE(ini.ReadSection("Grid").isEmpty());
    ini.WriteInteger("Grid", "CP0", 1);
    ini.WriteInteger("Grid", "CP1", 0);
    ini.WriteString("Other", "Text", "ä b=c");
    ini.WriteInteger("grid", "cp0", 5);  // the same key, replaced
    ini.UpdateFile();
  }
  const TMemIniFile again(path);
  EXPECT_EQ(again.ReadInteger("Grid", "CP0", -1), 5);
  EXPECT_EQ(again.ReadInteger("Grid", "CP1", -1), 0);
  EXPECT_EQ(again.ReadString("Other", "Text", ""), "ä b=c");
  EXPECT_EQ(again.Text(), "[Grid]\nCP0=5\nCP1=0\n\n[Other]\nText=ä b=c\n\n");

  TMemIniFile edit(path);
  edit.DeleteKey("GRID", "cp1");
  edit.EraseSection("other");
  EXPECT_EQ(edit.Text(), "[Grid]\nCP0=5\n\n");

  // A file that cannot be written raises and leaves nothing half-written.
  TMemIniFile nowhere(dir.filePath("missing/folder/grid.ini"));
  nowhere.WriteInteger("a", "b", 1);
  EXPECT_THROW(nowhere.UpdateFile(), EFileError);
}

}  // namespace
