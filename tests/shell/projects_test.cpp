#include "app/shell/projects.h"
#include "app/state/comon.h"
#include "platform/os/files.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

namespace {

// A fresh data root with an empty PROJECTS folder.
class Projects : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(root.isValid());
    Reset_Comon();
    Set_Folders(root.path());
    ASSERT_TRUE(CreateDir(Projects_Folder));
  }
  void TearDown() override { Reset_Comon(); }
  QString projectPath(const QString& name) const { return PathJoin(Projects_Folder, name); }
  QTemporaryDir root;
};

}  // namespace

TEST_F(Projects, NewNamesAreCheckedInOrderAndOnlyAGoodOneIsCreated) {
  ASSERT_TRUE(CreateDir(projectPath("Existing")));
  struct Case {
    QString name;
    int text;
  };
  const Case cases[] = {
      {"", 107},
      {" ", 107},  // nothing but blanks is no name either
      {QStringLiteral("  \t "), 107},
      {"Existing", 106},
      {"EXISTING", 106},  // a folder differing only in case counts as existing
      {"a/b", 105},
      {"..\\..\\outside", 105},
      {"a\\b", 105},
      {".", 105},
      {"..", 105},
      {".git", 105},  // a dot-folder would never be listed by Open
      {".hidden project", 105},
      {QStringLiteral("tab\there"), 105},
      {QStringLiteral("del\x7f"), 105},
      {QString(300, u'x'), 105},  // too long for the file system
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Create_Project(c.name), c.text) << c.name.toStdString();
    EXPECT_TRUE(Project_Folder.isEmpty()) << c.name.toStdString();
    EXPECT_TRUE(Project_Name.isEmpty()) << c.name.toStdString();
  }
  EXPECT_EQ(ListSubFolders(Projects_Folder), QStringList{"Existing"});
  EXPECT_FALSE(DirectoryExists(PathJoin(root.path(), "outside")));
}

TEST_F(Projects, NewProjectIsActiveAtOnceWithItsBinFolderAndFilePaths) {
  struct Case {
    QString name;
  };
  for (const Case& c : {Case{"Plant 1"}, Case{"  blanks kept  "}}) {
    ASSERT_EQ(Create_Project(c.name), 0) << c.name.toStdString();
    EXPECT_EQ(Project_Name, c.name);
    EXPECT_EQ(Project_Folder, projectPath(c.name));
    EXPECT_TRUE(DirectoryExists(PathJoin(Project_Folder, "bin")));
    EXPECT_EQ(File_ParGen, PathJoin(Project_Folder, "ParGen.xml"));
    EXPECT_EQ(File_S7_Protocol, PathJoin(Project_Folder, "S7_Protocol.xml"));
  }
}

TEST_F(Projects, NewFailsWhenThePROJECTSFolderIsMissing) {
  Projects_Folder = PathJoin(root.path(), "no/such/PROJECTS");
  EXPECT_EQ(Create_Project("Alpha"), 105);
  EXPECT_TRUE(Project_Folder.isEmpty());
}

TEST(OpenPreselection, ActiveProjectElseFirstElseNothing) {
  const QString projects = "/data/PROJECTS";
  struct Case {
    const char* what;
    QStringList list;
    QString projectFolder;
    int index;
    QString name;
  };
  const Case cases[] = {
      {"active project listed", {"Alpha", "Beta", "Gamma"}, projects + "/Beta", 1, "Beta"},
      {"differs in case", {"Alpha", "Beta"}, projects + "/BETA", 1, "Beta"},
      {"exact match wins over case", {"beta", "Beta"}, projects + "/Beta", 1, "Beta"},
      {"no project active", {"Alpha", "Beta"}, "", 0, "Alpha"},
      {"active project gone", {"Alpha", "Beta"}, projects + "/Delta", 0, "Alpha"},
      {"empty list", {}, "", -1, ""},
      {"empty list, project active", {}, projects + "/Beta", -1, ""},
  };
  for (const Case& c : cases) {
    const TOpenPreselection p = Open_Preselection(c.list, c.projectFolder, projects);
    EXPECT_EQ(p.ItemIndex, c.index) << c.what;
    EXPECT_EQ(p.Name_Conf, c.name) << c.what;
  }
}

TEST_F(Projects, OpenActivatesOnlyAnExistingProjectFolder) {
  ASSERT_TRUE(CreateDir(projectPath("Alpha")));
  struct Case {
    QString name;
    bool active;
  };
  const Case cases[] = {{"Alpha", true}, {"", false}, {"Deleted", false}, {"..", false}, {"Alpha/../..", false}};
  for (const Case& c : cases) {
    EXPECT_EQ(Activate_Project(c.name), c.active) << c.name.toStdString();
    EXPECT_EQ(Project_Name, c.name);
    EXPECT_EQ(Project_Folder, c.active ? projectPath(c.name) : QString()) << c.name.toStdString();
    EXPECT_EQ(File_ParGen, c.active ? PathJoin(projectPath(c.name), "ParGen.xml") : QString());
  }
}

TEST_F(Projects, OpenListsTheProjectFoldersOnly) {
  ASSERT_TRUE(CreateDir(projectPath("beta")));
  ASSERT_TRUE(CreateDir(projectPath("Alpha")));
  // Folders of other tools (version control, file managers) are no projects.
  ASSERT_TRUE(CreateDir(projectPath(".git")));
  ASSERT_TRUE(CreateDir(projectPath(".Trash-1000")));
  WriteFileWhole(projectPath("notes.txt"), "x");
  EXPECT_EQ(Load_Existing_Configuration(), (QStringList{"Alpha", "beta"}));
}

TEST_F(Projects, RememberedProjectWhoseFolderWasDeletedStaysInactive) {
  ASSERT_TRUE(CreateDir(projectPath("Kept")));
  Project_Name = "Kept";
  EXPECT_TRUE(Reactivate_Last_Project());
  EXPECT_EQ(Project_Folder, projectPath("Kept"));

  Project_Name = "Deleted";
  EXPECT_FALSE(Reactivate_Last_Project());
  EXPECT_TRUE(Project_Folder.isEmpty());
  EXPECT_EQ(Project_Name, "Deleted");  // written back to the settings file at exit
}
