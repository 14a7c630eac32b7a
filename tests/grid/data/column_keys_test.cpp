// The column order kept under "Pos" keys: in an initialisation file, or in the
// user's registry, which is an initialisation file per key in the per-user
// configuration folder. A column grid keeps its own "CP" keys only with an
// initialisation file; with the registry it uses these. Stored orders that do not
// name every column once change nothing.
#include <gtest/gtest.h>

#include <QFileInfo>
#include <QTemporaryDir>

#include "grid/data/column_size.h"
#include "grid/view/column_grid.h"
#include "platform/os/ini_file.h"
#include "platform/os/user_registry.h"
#include "tests/support/qstring_print.h"

namespace {

// A per-user registry of the test's own, removed with it.
struct TTestRegistry {
  QTemporaryDir dir;
  TTestRegistry() { SetUserRegistryFolderOverride(dir.path()); }
  ~TTestRegistry() { SetUserRegistryFolderOverride(QString()); }
};

template <typename Grid>
struct TKeyGrid {
  Grid g{nullptr};
  explicit TKeyGrid(TColumnSizeLocation where, const QString& key) {
    g.SetColCount(4);
    for (int c = 0; c < 4; ++c) g.SetCellEx(c, 0, QStringLiteral("c%1").arg(c));
    g.ColumnSize()->Location = where;
    g.ColumnSize()->Key = key;
    g.ColumnSize()->Section = "Columns";
    g.SetColumnOrder();
  }
  // The headers of the shown columns, left to right.
  QString Headers() {
    QStringList out;
    for (int c = 0; c < g.AllColCount(); ++c)
      if (!g.IsHiddenColumn(c)) out << g.Cells(c, 0);
    return out.join(u' ');
  }
};

TEST(ColumnKeys, RegistryKeyIsAFileInTheUsersFolder) {
  TTestRegistry registry;
  EXPECT_EQ(UserRegistryFile("Software\\Firm\\Grid"), registry.dir.path() + "/Software/Firm/Grid.ini");
  EXPECT_EQ(UserRegistryFile("..\\..\\etc/passwd"), registry.dir.path() + "/etc/passwd.ini");
  EXPECT_EQ(UserRegistryFile("\\.\\"), QString());
}

TEST(ColumnKeys, OrderComesBackFromTheRegistryInBothGrids) {
  TTestRegistry registry;
  const QString key = "Software\\Firm\\Grid";
  {
    TKeyGrid<TExColumnGrid> saved(clRegistry, key);
    saved.g.MoveColumn(0, 3);
    saved.g.MoveColumn(0, 1);
    ASSERT_EQ(saved.Headers(), "c2 c1 c3 c0");
    saved.g.SaveColPositions();
  }
  const QString file = registry.dir.path() + "/Software/Firm/Grid.ini";
  ASSERT_TRUE(QFileInfo::exists(file));
  const TMemIniFile ini(file);
  EXPECT_EQ(ini.ReadSection("Columns"), QStringList({"Pos0", "Pos1", "Pos2", "Pos3"}));

  TKeyGrid<TExColumnGrid> columnGrid(clRegistry, key);
  columnGrid.g.LoadColPositions();
  EXPECT_EQ(columnGrid.Headers(), "c2 c1 c3 c0");
  TKeyGrid<TExStringGrid> plainGrid(clRegistry, key);
  plainGrid.g.HideColumn(1);  // stays hidden
  plainGrid.g.LoadColPositions();
  EXPECT_EQ(plainGrid.g.NumHiddenColumns(), 1);
  EXPECT_TRUE(plainGrid.g.IsHiddenColumn(1));
  EXPECT_EQ(plainGrid.Headers(), "c2 c3 c0");
}

TEST(ColumnKeys, StoredOrdersThatDoNotPlaceEveryColumnOnceChangeNothing) {
  QTemporaryDir dir;
  const char* files[] = {
      "[Columns]\nPos0=1\nPos1=0\nPos2=2\n",              // written for three columns
      "[Columns]\nPos1=0\nPos2=1\nPos3=2\nPos4=3\n",      // no Pos0
      "[Columns]\nPos0=1\nPos1=1\nPos2=0\nPos3=2\n",      // a column twice
      "[Columns]\nPos0=1\nPos1=9\nPos2=0\nPos3=2\n",
      "[Columns]\nPos0=3\nPos1=-1\nPos2=0\nPos3=2\n",
  };
  for (const char* text : files) {
    SCOPED_TRACE(text);
    const QString path = dir.filePath("grid.ini");
    TMemIniFile ini(path);
    ini.SetText(text);
    ini.UpdateFile();
    TKeyGrid<TExStringGrid> t(clIniFile, path);
    t.g.LoadColPositions();
    EXPECT_EQ(t.Headers(), "c0 c1 c2 c3");
  }
}

TEST(ColumnKeys, NothingWithoutAKeyAndASection) {
  TTestRegistry registry;
  TKeyGrid<TExStringGrid> t(clRegistry, "Software\\Firm\\Grid");
  t.g.ColumnSize()->Section.clear();
  t.g.MoveColumn(0, 2);
  t.g.SaveColPositions();
  EXPECT_FALSE(QFileInfo::exists(registry.dir.path() + "/Software/Firm/Grid.ini"));
}

}  // namespace
