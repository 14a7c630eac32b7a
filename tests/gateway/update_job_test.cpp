// The updater job Ethernet_Update.xml.
#include "gateway/update_job.h"
#include "app/state/comon.h"
#include "platform/os/files.h"
#include "platform/xml/xml_document.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TUpdate_Job Job(int32_t option, bool readBack) {
  return {QStringLiteral("192.168.002.205"), option, readBack, QStringLiteral("/opt/conf/MASTER"),
          QStringLiteral("/opt/conf/PROJECTS/Line 4")};
}

QStringList Names(const TXMLNode& node) {
  QStringList names;
  for (const TXMLNode& child : node.ChildElements()) names << child.NodeName();
  return names;
}

// One element's text in every operation of the job.
QStringList Per_Operation(const TUpdate_Job& job, const char* element) {
  TXMLDocument doc;
  doc.LoadFromText(Update_Job_Text(job));
  QStringList texts;
  for (const TXMLNode& op : doc.DocumentElement().ChildByName("Operations").ChildElements())
    texts << op.ChildByName(element).Text();
  return texts;
}

}  // namespace

TEST(UpdateJob, OperationsPerOption) {
  struct Case {
    int32_t option;
    QStringList fileNames;
    QStringList goToAppAfter;
  };
  const QString firmware = "/opt/conf/MASTER/Sim82K03.sim";
  const QString bank1 = "/opt/conf/PROJECTS/Line 4/bin/bank1.bin";
  const QString bank2 = "/opt/conf/PROJECTS/Line 4/bin/bank2.bin";
  const Case cases[] = {
      {kUpdate_Firmware_And_Configuration, {firmware, bank1, bank2}, {"0", "0", "1"}},
      {kUpdate_Firmware, {firmware}, {"1"}},
      {kUpdate_Configuration, {bank1, bank2}, {"0", "1"}},
      {7, {}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.option);
    EXPECT_EQ(Per_Operation(Job(c.option, true), "Ope_FileName"), c.fileNames);
    EXPECT_EQ(Per_Operation(Job(c.option, true), "Ope_GoToApp_After"), c.goToAppAfter);
  }
  EXPECT_EQ(Per_Operation(Job(0, true), "Ope_Start_Address"), QStringList({"0x8000", "0x07000", "0x80000"}));
  EXPECT_EQ(Per_Operation(Job(0, true), "Ope_Bank_Type"), QStringList({"1", "2", "2"}));
  EXPECT_EQ(Per_Operation(Job(0, true), "Ope_Write_CSS"), QStringList({"1", "0", "0"}));
  EXPECT_EQ(Per_Operation(Job(0, true), "Ope_WID_Data"), QStringList(3, "0x00, 0x00, 0x00, 0x01"));
}

TEST(UpdateJob, ReadBackSetsEveryOperation) {
  EXPECT_EQ(Per_Operation(Job(0, true), "Ope_Read_Back"), QStringList({"1", "1", "1"}));
  EXPECT_EQ(Per_Operation(Job(0, false), "Ope_Read_Back"), QStringList({"0", "0", "0"}));
  EXPECT_EQ(Per_Operation(Job(2, false), "Ope_Read_Back"), QStringList({"0", "0"}));
}

TEST(UpdateJob, StructureAndFixedTexts) {
  const QString text = Update_Job_Text(Job(0, true));
  EXPECT_FALSE(text.contains('='));  // no attributes
  EXPECT_FALSE(text.contains("<!--"));
  EXPECT_FALSE(text.contains("<?xml"));
  TXMLDocument doc;
  doc.LoadFromText(text);
  const TXMLNode root = doc.DocumentElement();
  EXPECT_EQ(root.NodeName(), "Ethernet_Update");
  EXPECT_EQ(Names(root), QStringList({"Version", "Title", "IP_Address_Dev", "Application_Port", "Boot_Port",
                                      "Boot_Port_Sec", "Address_Protection", "Protections", "Operations"}));
  EXPECT_EQ(root.ChildByName("Version").Text(), "1000");
  EXPECT_EQ(root.ChildByName("Title").Text(), QString::fromUtf16(kMaker_Domain) + " - KQ82K03 Ethernet Update");
  EXPECT_EQ(root.ChildByName("IP_Address_Dev").Text(), "192.168.002.205");  // as typed
  EXPECT_EQ(root.ChildByName("Application_Port").Text(), "10000");
  EXPECT_EQ(root.ChildByName("Boot_Port").Text(), "2008");
  EXPECT_EQ(root.ChildByName("Boot_Port_Sec").Text(), "2007");
  EXPECT_EQ(root.ChildByName("Address_Protection").Text(), "0x07800");
  EXPECT_EQ(root.ChildByName("Protections").ChildByName("Protection").Text(), "0x2E6");
  const TXMLNode op = root.ChildByName("Operations").ChildByName("Operation");
  EXPECT_EQ(Names(op), QStringList({"Ope_Protection_Enabled", "Ope_GoToBoot_Before", "Ope_GoToApp_Before",
                                    "Ope_IP_Address", "Ope_Port", "Ope_Port_Sec", "Ope_Erase_Memory", "Ope_FileName",
                                    "Ope_Start_Address", "Ope_Memory_Type", "Ope_Bank_Type", "Ope_Read_Back",
                                    "Ope_Write_CSS", "Ope_Address_CSS", "Ope_Command_CSS", "Ope_Write_Internal_Data",
                                    "Ope_WID_Address", "Ope_WID_Command", "Ope_WID_Data", "Ope_GoToApp_After"}));
  const char* fixed[][2] = {{"Ope_Protection_Enabled", ""}, {"Ope_GoToBoot_Before", "0"}, {"Ope_IP_Address", ""},
                            {"Ope_Port", "2008"},           {"Ope_Port_Sec", "2007"},   {"Ope_Erase_Memory", "0"},
                            {"Ope_Memory_Type", "0"},       {"Ope_Address_CSS", "0x07A00"},
                            {"Ope_Command_CSS", "0x02"},    {"Ope_Write_Internal_Data", "0"},
                            {"Ope_WID_Address", "0x07810"}, {"Ope_WID_Command", "0x02"}};
  for (const auto& f : fixed) EXPECT_EQ(op.ChildByName(f[0]).Text(), f[1]) << f[0];
}

TEST(UpdateJob, WrittenBesideTheProgramReplacingTheOldJob) {
  QTemporaryDir dir;
  Reset_Comon();
  Set_Folders(dir.path());
  EXPECT_EQ(Update_Job_Path(), dir.filePath("Ethernet_Update.xml"));
  WriteFileWhole(Update_Job_Path(), QByteArray(5000, 'x'));
  Compile_XML_Parameter_New_Boot(Update_Job_Path(), Job(1, false));
  TXMLDocument doc;
  doc.LoadFromFile(Update_Job_Path());
  EXPECT_EQ(doc.DocumentElement().ChildByName("Operations").ChildElements().size(), 1);
  Reset_Comon();
}
