// The files the program ships beside itself and only reads (language files and
// flags, the updater, the firmware image) are found in the program's folder also
// when the data root is another folder (the per-user one, because the program's
// folder cannot be written); what the program writes goes to the data root.
#include "app/language/language.h"
#include "app/shell/language_pages.h"
#include "app/state/comon.h"
#include "gateway/update_job.h"
#include "gateway/update_run.h"
#include "platform/os/files.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class ShippedFiles : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(program_.isValid() && data_.isValid());
    Reset_Comon();
    // What an installation brings: languages, a flag, the updater, the firmware.
    for (const char* sub : {"LANGUAGE", "MASTER"}) ASSERT_TRUE(CreateDir(PathJoin(program_.path(), sub)));
    WriteFileWhole(Program("LANGUAGE/Italiano.lng"), "STR0 = Inizio\r\n");
    WriteFileWhole(Program("LANGUAGE/English.lng"), "STR0 = Start\r\n");
    WriteFileWhole(Program("LANGUAGE/Italiano.bmp"), "BM");
    WriteFileWhole(Program("Ethernet_Update"), "#!/bin/sh\n");
    WriteFileWhole(Program("MASTER/Sim82K03.sim"), "firmware");
    // The data root is another folder with the program's own folders.
    Set_Folders(data_.path(), program_.path());
    for (const QString* f : {&Master_Folder, &Projects_Folder, &Language_Folder}) ASSERT_TRUE(CreateDir(*f));
  }
  void TearDown() override {
    Load_Default_Texts();
    Reset_Comon();
  }
  QString Program(const char* rel) const { return PathJoin(program_.path(), rel); }

  QTemporaryDir program_, data_;
};

}  // namespace

TEST_F(ShippedFiles, LanguagesFromTheProgramsFolderAndTheDataRootTogether) {
  EXPECT_EQ(Shipped_Folders("LANGUAGE"), (QStringList{Program("LANGUAGE"), Language_Folder}));
  // A language the user added to the data root joins the shipped ones; a shipped
  // name wins over the same name in any letter case.
  WriteFileWhole(PathJoin(Language_Folder, "Deutsch.lng"), "STR0 = Anfang\r\n");
  WriteFileWhole(PathJoin(Language_Folder, "italiano.lng"), "STR0 = Copia\r\n");
  EXPECT_EQ(Create_Lang_List(Shipped_Folders("LANGUAGE")), (QStringList{"Deutsch.lng", "English.lng", "Italiano.lng"}));
  EXPECT_EQ(Lang_Flag_Picture(Shipped_Folders("LANGUAGE"), "Italiano"), Program("LANGUAGE/Italiano.bmp"));

  const struct {
    const char* language;
    const char* text0;
  } cases[] = {{"Italiano", "Inizio"}, {"Deutsch", "Anfang"}, {"English", "Start"}, {"Missing", "Start"}};
  for (const auto& c : cases) {
    Language_Name = c.language;
    EXPECT_TRUE(Load_Language().isEmpty()) << c.language;
    EXPECT_EQ(Lang_Text(0), c.text0) << c.language;
  }
}

TEST_F(ShippedFiles, UpdaterAndFirmwareFromTheProgramsFolderTheJobInTheDataRoot) {
  EXPECT_EQ(Updater_Program_Path(), Program("Ethernet_Update"));
  EXPECT_EQ(Update_Job_Path(), PathJoin(data_.path(), "Ethernet_Update.xml"));
  EXPECT_EQ(Shipped_Folder_Of("MASTER", QString::fromUtf16(kFirmware_Image_Name)), Program("MASTER"));
  // Not shipped: the data root's (where a user may put them).
  QFile::remove(Program("Ethernet_Update"));
  QFile::remove(Program("MASTER/Sim82K03.sim"));
  EXPECT_EQ(Updater_Program_Path(), PathJoin(data_.path(), "Ethernet_Update"));
  EXPECT_EQ(Shipped_Folder_Of("MASTER", QString::fromUtf16(kFirmware_Image_Name)), Master_Folder);
}

TEST_F(ShippedFiles, OneFolderWhenTheProgramsFolderIsTheDataRoot) {
  Set_Folders(program_.path());
  EXPECT_EQ(Program_Folder, Exe_Folder);
  EXPECT_EQ(Shipped_Folders("LANGUAGE"), QStringList{Program("LANGUAGE")});
  EXPECT_EQ(Shipped_Folders(QString()), QStringList{program_.path()});
}
