#include "platform/os/files.h"
#include "platform/rtl/exceptions.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(Files, ReadingWithASizeCapRefusesOnlyLargerFiles) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString path = PathJoin(dir.path(), QStringLiteral("input.xml"));
  struct Case {
    qsizetype size;
    bool read;
  };
  const Case cases[] = {{0, true}, {9, true}, {10, true}, {11, false}, {4096, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.size);
    WriteFileWhole(path, QByteArray(c.size, 'x'));
    if (c.read) {
      EXPECT_EQ(ReadFileWhole(path, 10), QByteArray(c.size, 'x'));
      continue;
    }
    try {
      ReadFileWhole(path, 10);
      ADD_FAILURE() << "no error";
    } catch (const EFileError& e) {
      EXPECT_TRUE(e.Message.contains(path)) << e.Message.toStdString();
    }
  }
  EXPECT_THROW(ReadFileWhole(PathJoin(dir.path(), QStringLiteral("missing.xml")), 10), EFileError);
}

TEST(Files, PlainFileNames) {
  struct Case {
    const char16_t* name;
    bool plain;
  };
  const Case cases[] = {
      {u"English", true},  {u"Deutsch 2", true}, {u"a..b", true},     {u"...", true},  {u"\u00C9cole", true},
      {u"..", false},      {u".", false},        {u"../x", false},    {u"a/b", false}, {u"a\\b", false},
      {u"/abs", false},    {u"a\tb", false},     {u"a\nb", false},
  };
  for (const Case& c : cases)
    EXPECT_EQ(IsPlainFileName(QString::fromUtf16(c.name)), c.plain) << QString::fromUtf16(c.name).toStdString();
}

}  // namespace
