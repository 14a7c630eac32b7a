// The update dialog's variants, option tokens and device type without a window.
#include "gateway/boot_dialog.h"
#include "platform/os/files.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(BootDialogTables, VariantsStackTheirPanelsBetweenTitleAndButtons) {
  EXPECT_EQ(Boot_Client_Height(kBoot_Network), 230);  // 69 + 49 + 72 + 40
  EXPECT_EQ(Boot_Client_Height(kBoot_Serial), 232);   // 69 + 51 + 72 + 40
  const TBoot_Variant& network = Boot_Variant(kBoot_Network);
  ASSERT_EQ(network.Stacked.size(), 2u);
  EXPECT_EQ(network.Stacked[0], P_IP_Address);
  EXPECT_EQ(network.Tab_Order[1], P_IP_Address);
  EXPECT_EQ(network.Tab_Order[5], P_Serial);
  const TBoot_Variant& serial = Boot_Variant(kBoot_Serial);
  EXPECT_EQ(serial.Stacked[0], P_Serial);
  EXPECT_EQ(serial.Tab_Order[1], P_Serial);
  EXPECT_EQ(serial.Tab_Order[4], P_IP_Address);
  EXPECT_EQ(Boot_Caption_Text(kBoot_Network), 1202);
  EXPECT_EQ(Boot_Subtitle_Text(kBoot_Serial), 1201);
}

TEST(BootDialogTables, OptionTokensFollowOptionAndReadBack) {
  const struct { int option; bool readBack; const char* tokens; } cases[] = {
      {0, true, "FW FR PW PR "}, {0, false, "FW NO PW NO "}, {1, true, "FW FR NO NO "},
      {1, false, "FW NO NO NO "}, {2, true, "NO NO PW PR "},  {2, false, "NO NO PW NO "},
      {3, true, ""},              {-1, false, ""},
  };
  for (const auto& c : cases)
    EXPECT_EQ(Update_Options(QStringLiteral("X "), c.option, c.readBack), "X " + QString::fromLatin1(c.tokens))
        << c.option << c.readBack;
  EXPECT_EQ(Serial_Update_Command(QStringLiteral("/dev/ttyUSB0"), 1, true), "\\\\.\\/dev/ttyUSB0 FW FR NO NO ");
}

TEST(BootDialogTables, DeviceTypeOfTheProject) {
  QTemporaryDir dir;
  const QString path = PathJoin(dir.path(), QStringLiteral("ParGen.xml"));
  EXPECT_EQ(Get_Type_Dev(path), 0);  // no file
  const struct { const char* file; int type; } cases[] = {
      {"<Par_Gen><BACnet_Type>2</BACnet_Type></Par_Gen>", 2},
      {"<Par_Gen><BACnet_Type>$10</BACnet_Type></Par_Gen>", 16},
      {"<Par_Gen><BACnet_Type>x</BACnet_Type></Par_Gen>", 0},
      {"<Par_Gen><Other>1</Other></Par_Gen>", 0},
      {"<Par_Gen><BACnet_Type>1", 0},  // not well-formed
  };
  for (const auto& c : cases) {
    WriteFileWhole(path, QByteArray(c.file));
    EXPECT_EQ(Get_Type_Dev(path), c.type) << c.file;
  }
}
