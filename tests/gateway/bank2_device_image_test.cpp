// Writing the two images into the project's bin folder.
#include "gateway/bank2_device_image.h"
#include "app/state/comon.h"
#include "platform/os/files.h"
#include "platform/rtl/exceptions.h"
#include "tests/gateway/bank1_test_project.h"

#include <QDir>
#include <gtest/gtest.h>

TEST(DeviceImageWrite, CreatesBinAndWritesBothImagesWhole) {
  TTest_Project p;
  p.ParGen("<EtherCAT_Slave_Name>x</EtherCAT_Slave_Name>");
  const TDevice_Images images = p.Build();
  ASSERT_FALSE(DirectoryExists(p.Path("bin")));
  Write_Device_Image(images, p.Folder());
  EXPECT_EQ(ReadFileWhole(p.Path("bin/bank1.bin")), images.Bank1);
  EXPECT_EQ(ReadFileWhole(p.Path("bin/bank2.bin")), images.Bank2);

  // A second build replaces both files, even when the new image is shorter.
  p.EtherCAT("", "");
  Write_Device_Image(TDevice_Images{images.Bank1, images.Bank2.left(10)}, p.Folder());
  EXPECT_EQ(ReadFileWhole(p.Path("bin/bank2.bin")).size(), 10);
  EXPECT_EQ(QDir(p.Path("bin")).entryList(QDir::Files | QDir::Hidden), QStringList({"bank1.bin", "bank2.bin"}));
}

TEST(DeviceImageWrite, FailuresAreErrorsAndLeaveNoHalfWrittenFile) {
  TTest_Project p;
  const TDevice_Images images = p.Build();
  // bin cannot be created: a file is in its way.
  p.Write("bin", "not a folder");
  EXPECT_THROW(Write_Device_Image(images, p.Folder()), Exception);

  // bank2.bin cannot be replaced: bank1.bin is written whole, bank2 untouched, no
  // temporary file stays behind.
  TTest_Project q;
  ASSERT_TRUE(QDir(q.Folder()).mkpath("bin/bank2.bin"));
  try {
    Write_Device_Image(images, q.Folder());
    FAIL() << "no error";
  } catch (const Exception& e) {
    EXPECT_TRUE(e.Message.contains("bank2.bin")) << e.Message.toStdString();
  }
  EXPECT_EQ(ReadFileWhole(q.Path("bin/bank1.bin")), images.Bank1);
  EXPECT_EQ(QDir(q.Path("bin")).entryList(QDir::Files | QDir::Hidden), QStringList({"bank1.bin"}));

  EXPECT_THROW(Write_Device_Image(images, QString()), Exception);
}

TEST(DeviceImageWrite, EntriesUseTheActiveProject) {
  TTest_Project p;
  p.ParGen("<Modbus_TCP_Master_TimeOut>77</Modbus_TCP_Master_TimeOut>");
  Reset_Comon();
  Project_Folder = p.Folder();
  Set_Files();
  Write_Device_Image_Entry(Build_Device_Image_Entry());
  EXPECT_EQ(Image_U32(ReadFileWhole(p.Path("bin/bank1.bin")), 0x020), 77u);
  EXPECT_EQ(ReadFileWhole(p.Path("bin/bank2.bin")).size(), 49193);
  Reset_Comon();
}
