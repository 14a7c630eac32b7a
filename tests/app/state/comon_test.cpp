#include "app/state/comon.h"

#include <QSet>
#include <gtest/gtest.h>

namespace {

class ComonTest : public ::testing::Test {
protected:
  void SetUp() override { Reset_Comon(); }
  void TearDown() override { Reset_Comon(); }
};

TEST_F(ComonTest, WithoutAProjectEveryEditorPathIsEmpty) {
  Set_Folders(QStringLiteral("/data/root/"));
  Set_Files();
  for (const TEditorFile& f : Editor_Files) EXPECT_TRUE(f.Path->isEmpty()) << QString::fromUtf16(f.FileName).toStdString();
  EXPECT_EQ(Exe_Folder, QStringLiteral("/data/root"));
  EXPECT_EQ(Projects_Folder, QStringLiteral("/data/root/PROJECTS"));
  EXPECT_EQ(Master_Folder, QStringLiteral("/data/root/MASTER"));
  EXPECT_EQ(Language_Folder, QStringLiteral("/data/root/LANGUAGE"));
}

TEST_F(ComonTest, EveryEditorPathLiesInTheActiveProjectFolder) {
  Set_Folders(QStringLiteral("/data/root"));
  Project_Name = QStringLiteral("Plant 1");
  Project_Folder = Projects_Folder + QStringLiteral("/Plant 1");
  Set_Files();

  QSet<QString> seen;
  for (const TEditorFile& f : Editor_Files) {
    EXPECT_EQ(*f.Path, QStringLiteral("/data/root/PROJECTS/Plant 1/") + QString::fromUtf16(f.FileName));
    seen.insert(*f.Path);
  }
  EXPECT_EQ(seen.size(), 28);  // 28 distinct files, none forgotten or doubled
  EXPECT_EQ(File_ParGen, QStringLiteral("/data/root/PROJECTS/Plant 1/ParGen.xml"));
  EXPECT_EQ(File_ModbusTCPM_SetAccess, QStringLiteral("/data/root/PROJECTS/Plant 1/ModbusTCPM_SetAccess.xml"));
  EXPECT_EQ(File_S7_Protocol, QStringLiteral("/data/root/PROJECTS/Plant 1/S7_Protocol.xml"));

  // Closing the project empties the paths again.
  Project_Folder.clear();
  Set_Files();
  EXPECT_TRUE(File_EtherCAT_Slave.isEmpty());
}

TEST_F(ComonTest, ResetGivesTheInitialValues) {
  Last_IP_Address = QStringLiteral("10.0.0.1");
  Update_Option = 2;
  Update_Read_Back = true;
  Opt_Jump_Field_Tables = true;
  Row_Clipboard << QStringLiteral("x");
  Row_Clipboard_Check.push_back(true);
  Reset_Comon();
  EXPECT_TRUE(Last_IP_Address.isEmpty());
  EXPECT_EQ(Update_Option, 0);
  EXPECT_FALSE(Update_Read_Back);
  EXPECT_FALSE(Opt_Jump_Field_Tables);
  EXPECT_TRUE(Row_Clipboard.isEmpty());
  EXPECT_TRUE(Row_Clipboard_Check.empty());
}

}  // namespace
