#include "app/language/language.h"
#include "app/state/comon.h"
#include "platform/rtl/exceptions.h"

#include <gtest/gtest.h>

namespace {

class DefaultTexts : public ::testing::Test {
protected:
  void SetUp() override { Create_Language_Texts(); }
  void TearDown() override { Create_Language_Texts(); }
};

TEST_F(DefaultTexts, FiveThousandThreeHundredSlotsOfWhichThreeThousandOneHundredFourAreReal) {
  EXPECT_EQ(Language_Max_Index, 0);
  Load_Default_Texts();
  ASSERT_EQ(Language_Texts.Count(), 5300);
  EXPECT_EQ(Language_Max_Index, 5300);
  int blanks = 0, edgeBlanks = 0;
  for (int i = 0; i < Language_Texts.Count(); ++i) {
    const QString& t = Language_Texts[i];
    ASSERT_FALSE(t.isEmpty()) << i;
    if (t == QStringLiteral(" ")) {
      ++blanks;
      continue;
    }
    if (t.startsWith(u' ') || t.endsWith(u' ')) ++edgeBlanks;
  }
  // 3104 texts of the original list, and 126 messages of this program in former
  // blank slots of their forms' blocks (so language files can translate them):
  // 13 of the gateway editors, 50 of the CAN-family table editors, 24 of the
  // MQTT, SNMP and IEC 61850 editors, 14 of the OPC UA and TLS editors, and 25 of
  // the fieldbus and BACnet editors and writers.
  constexpr int kOwnMessages = 126;
  EXPECT_EQ(blanks, 2196 - kOwnMessages);
  EXPECT_EQ(Language_Texts.Count() - blanks, 3104 + kOwnMessages);
  EXPECT_EQ(edgeBlanks, 145);
}

TEST_F(DefaultTexts, SpotChecks) {
  Load_Default_Texts();
  struct Case {
    int index;
    const char16_t* text;
  };
  const Case cases[] = {
      {0, u"Begin"},
      {9, u"None Configuration Opened "},
      {11, u"Opened Configuration of the Converter : "},
      {18, u"Error! Project not Valid"},
      {79, u"Error! The settings could not be saved."},
      {81, u" "},
      {1059, u"%1: row %2 has no Type, so the variables below it will not be saved. Save anyway?"},
      {1240, u"Error! The echo request could not be sent."},
      {305, u"Page "},
      {306, u" / "},
      {317, u" to "},
      {887, u" "},  // a blank inside a block
      {989, u"Error EtherCAT Slave!! Node Address must be between 1 and 192"},
      {1213, u"Find all www.zerfal.example Devices"},
      {1231, u"Enable or disable the option to find all www.zerfal.example Devices"},
      {2057, u"Select the BACnet Type in the \"Set Communication\" section"},
      {3010, u"Use \"None\" to not pass the byte from DeviceNet to EtherCAT"},
      {3826, u"Description for the M-Bus meter (defined in the section \u201CM-Bus\u201D)"},
      {3874, u"DALI Sensor"},
      {4000, u"Transmit NMEA 2000 Frames"},
      {5224, u"!! [S7comm Write] Slot must be between 0 and 31"},
      {5299, u" "},
  };
  for (const Case& c : cases) EXPECT_EQ(Lang_Text(c.index), QString::fromUtf16(c.text)) << c.index;
  EXPECT_TRUE(Lang_Text(1213).contains(QString::fromUtf16(kMaker_Domain)));
}

TEST_F(DefaultTexts, ReadingOutsideTheListRaises) {
  EXPECT_THROW(Lang_Text(0), EListError);  // nothing loaded yet
  Load_Default_Texts();
  EXPECT_THROW(Lang_Text(-1), EListError);
  EXPECT_THROW(Lang_Text(5300), EListError);
  try {
    Lang_Text(5300);
  } catch (const EListError& e) {
    EXPECT_EQ(e.Message, QStringLiteral("List index out of bounds (5300)"));
  }
}

TEST_F(DefaultTexts, ReloadingRestoresChangedTexts) {
  Load_Default_Texts();
  Language_Texts.Put(12, QStringLiteral("changed"));
  Load_Default_Texts();
  EXPECT_EQ(Language_Texts.Count(), 5300);
  EXPECT_EQ(Lang_Text(12), QStringLiteral("Information"));
}

}  // namespace
