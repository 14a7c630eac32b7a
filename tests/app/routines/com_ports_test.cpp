#include "app/routines/com_ports.h"

#include <gtest/gtest.h>

namespace {

TEST(ListCOMPorts, ListsSerialDevicePathsOnly) {
  const TStringList ports = List_COM_Ports();
  for (int i = 0; i < ports.Count(); ++i)
    EXPECT_TRUE(ports[i].startsWith(QStringLiteral("/dev/tty"))) << ports[i].toStdString();
}

}  // namespace
