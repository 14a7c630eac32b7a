#include "platform/os/serial_ports.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

// A device folder of plain files standing for device nodes: the probe opens them
// like ports.
TEST(SerialPorts, OpenablePortsByFamilyAndNumber) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  for (const char* name : {"ttyUSB10", "ttyS1", "ttyACM0", "ttyUSB2", "ttyS0", "ttyS1x", "ttyX0", "tty", "ttyS"}) {
    QFile f(dir.filePath(QString::fromUtf8(name)));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  }
  ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("ttyS7")));  // cannot be opened for writing
  ASSERT_TRUE(QFile::link(dir.filePath(QStringLiteral("nothing")), dir.filePath(QStringLiteral("ttyS5"))));  // gone

  const QString p = dir.path() + u'/';
  EXPECT_EQ(ProbeSerialPorts(dir.path()),
            QStringList({p + "ttyS0", p + "ttyS1", p + "ttyUSB2", p + "ttyUSB10", p + "ttyACM0"}));
  EXPECT_EQ(ProbeSerialPorts(dir.filePath(QStringLiteral("missing"))), QStringList());
}

}  // namespace
