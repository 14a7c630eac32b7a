#include "app/language/language.h"
#include "app/shell/language_pages.h"
#include "platform/os/files.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

TEST(LanguagePages, SixLanguagesToAPage) {
  struct Case {
    int count;
    int page;
    int pages;
    bool prev;
    bool next;
    int shown;
    int first;
    int onPage;
  };
  const Case cases[] = {
      {7, 1, 2, false, true, 6, 0, 6},  {7, 2, 2, true, false, 1, 6, 1},  {6, 1, 1, false, false, 6, 0, 6},
      {1, 1, 1, false, false, 1, 0, 1}, {12, 2, 2, true, false, 6, 6, 6}, {13, 2, 3, true, true, 6, 6, 6},
      {3, 1, 1, false, false, 3, 0, 3},
      // No language file: no slot and no page button.
      {0, 1, 0, false, false, 0, 0, 0},
  };
  for (const Case& c : cases) {
    const TLangPageView v = Lang_Page_View(c.count, c.page);
    const std::string at = std::to_string(c.count) + " languages, page " + std::to_string(c.page);
    EXPECT_EQ(v.Pages, c.pages) << at;
    EXPECT_EQ(v.PrevVisible, c.prev) << at;
    EXPECT_EQ(v.NextVisible, c.next) << at;
    EXPECT_EQ(v.SlotsVisible, c.shown) << at;
    EXPECT_EQ(v.First, c.first) << at;
    EXPECT_EQ(v.Count, c.onPage) << at;
  }
}

TEST(LanguagePages, PageStepsStayInsideThePages) {
  EXPECT_EQ(Lang_Page_Step(1, 2, true), 2);
  EXPECT_EQ(Lang_Page_Step(2, 2, true), 2);
  EXPECT_EQ(Lang_Page_Step(2, 2, false), 1);
  EXPECT_EQ(Lang_Page_Step(1, 2, false), 1);
  EXPECT_EQ(Lang_Page_Step(1, 0, true), 1);
}

TEST(LanguagePages, CounterAndNames) {
  Load_Default_Texts();
  EXPECT_EQ(Lang_Page_Counter(2, 3), "Page 2 / 3");
  EXPECT_EQ(Lang_Name_Of("Italiano.lng"), "Italiano");
  EXPECT_EQ(Lang_Name_Of("x"), "");
}

TEST(LanguagePages, ListAndFlagsFromTheLanguageFolder) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString folder = dir.path();
  for (const char* name : {"italiano.lng", "English.lng", "Deutsch.LNG", "readme.txt", "English.bmp"})
    WriteFileWhole(PathJoin(folder, name), "x");
  ASSERT_TRUE(CreateDir(PathJoin(folder, "Folder.lng")));
  // An installed, read-only language file counts too.
  QFile::setPermissions(PathJoin(folder, "italiano.lng"), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);

  EXPECT_EQ(Create_Lang_List(folder), (QStringList{"Deutsch.LNG", "English.lng", "italiano.lng"}));
  EXPECT_EQ(Lang_Flag_Picture(folder, "English"), PathJoin(folder, "English.bmp"));
  EXPECT_EQ(Lang_Flag_Picture(folder, "english"), PathJoin(folder, "English.bmp"));
  EXPECT_EQ(Lang_Flag_Picture(folder, "Deutsch"), "");  // no flag and no default flag

  WriteFileWhole(PathJoin(folder, "defaultflag.BMP"), "x");
  EXPECT_EQ(Lang_Flag_Picture(folder, "Deutsch"), PathJoin(folder, "defaultflag.BMP"));
  EXPECT_EQ(Create_Lang_List(QString()), QStringList());
}
