#include "platform/os/data_root.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <sys/stat.h>
#include <unistd.h>

namespace {

TEST(DataRoot, OverrideWinsAndCanBeRemoved) {
  QTemporaryDir dir;
  SetDataRootOverride(dir.path() + QStringLiteral("/"));
  EXPECT_EQ(DataRoot(), dir.path());
  SetDataRootOverride(QString());
  EXPECT_EQ(DataRoot(), DataRootFor(ProgramFolder()));
}

// Points the per-user data folder into a temporary folder for one test.
class DataRootFallback : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    oldDataHome_ = qgetenv("XDG_DATA_HOME");
    dataHome_ = dir_.filePath(QStringLiteral("share"));
    qputenv("XDG_DATA_HOME", dataHome_.toLocal8Bit());
  }
  void TearDown() override {
    if (oldDataHome_.isNull())
      qunsetenv("XDG_DATA_HOME");
    else
      qputenv("XDG_DATA_HOME", oldDataHome_);
  }
  void expectPerUserFolder(const QString& root) {
    EXPECT_TRUE(root.startsWith(dataHome_ + u'/')) << root.toStdString();
    EXPECT_TRUE(QFileInfo(root).isDir()) << "the per-user folder was not created";
  }
  QTemporaryDir dir_;
  QString dataHome_;
  QByteArray oldDataHome_;
};

TEST_F(DataRootFallback, WritableProgramFolderIsTheRoot) {
  const QString program = dir_.filePath(QStringLiteral("bin"));
  ASSERT_TRUE(QDir().mkpath(program));
  EXPECT_EQ(DataRootFor(program), program);
}

TEST_F(DataRootFallback, MissingProgramFolderFallsBackToPerUserFolder) {
  expectPerUserFolder(DataRootFor(dir_.filePath(QStringLiteral("gone"))));
}

TEST_F(DataRootFallback, ReadOnlyProgramFolderFallsBackToPerUserFolder) {
  if (::geteuid() == 0) GTEST_SKIP() << "root can write every folder";
  const QString program = dir_.filePath(QStringLiteral("bin"));
  ASSERT_TRUE(QDir().mkpath(program));
  ASSERT_EQ(::chmod(program.toLocal8Bit().constData(), 0555), 0);
  const QString root = DataRootFor(program);
  ::chmod(program.toLocal8Bit().constData(), 0755);
  expectPerUserFolder(root);
}

}  // namespace
