#include "app/settings/settings_file.h"

#include "app/state/comon.h"
#include "platform/os/files.h"
#include "platform/rtl/exceptions.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

static void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace {

QString S(const char* s) { return QString::fromUtf8(s); }

struct Settings {
  QString project, ip, language;
  bool internet, update, jump, autoSize;
};

void expectSettings(const Settings& want, const char* what) {
  SCOPED_TRACE(what);
  EXPECT_EQ(Project_Name, want.project);
  EXPECT_EQ(Last_IP_Address, want.ip);
  EXPECT_EQ(Language_Name, want.language);
  EXPECT_EQ(Opt_Enable_Internet, want.internet);
  EXPECT_EQ(Opt_Enable_Update, want.update);
  EXPECT_EQ(Opt_Jump_Field_Tables, want.jump);
  EXPECT_EQ(Opt_Double_Click_Auto_Size, want.autoSize);
}

const Settings kDefaults{QString(), S("192.168.2.205"), S("English"), false, false, false, false};

class SettingsFile : public ::testing::Test {
protected:
  void SetUp() override {
    Reset_Comon();
    ASSERT_TRUE(dir.isValid());
    Set_Folders(dir.path());
  }
  void TearDown() override { Reset_Comon(); }

  void writeFile(const QString& text) const { WriteFileWhole(Settings_File_Path(), text.toUtf8()); }
  QString fileText() const { return QString::fromUtf8(ReadFileWhole(Settings_File_Path())); }
  // Globals set to values that no case expects, so that each case shows it set them.
  static void scramble() {
    Project_Name = Last_IP_Address = Language_Name = S("junk");
    Opt_Enable_Internet = Opt_Enable_Update = Opt_Jump_Field_Tables = Opt_Double_Click_Auto_Size = true;
  }

  QTemporaryDir dir;
};

TEST_F(SettingsFile, RoundTrip) {
  const Settings cases[] = {
      {S("Plant A"), S("10.1.2.3"), S("Italiano"), true, false, true, false},
      {S("x & <y>"), QString(), S("English"), false, true, false, true},
  };
  for (const Settings& c : cases) {
    Project_Name = c.project;
    Last_IP_Address = c.ip;
    Language_Name = c.language;
    Opt_Enable_Internet = c.internet;
    Opt_Enable_Update = c.update;
    Opt_Jump_Field_Tables = c.jump;
    Opt_Double_Click_Auto_Size = c.autoSize;
    Save_Setting();
    scramble();
    Read_Settings();
    expectSettings(c, c.project.toUtf8().constData());
  }
}

TEST_F(SettingsFile, WrittenTextHoldsEveryValueInOrder) {
  Project_Name = S("P1");
  Last_IP_Address = S("1.2.3.4");
  Language_Name = S("English");
  Opt_Enable_Update = true;
  Opt_Double_Click_Auto_Size = true;
  writeFile(S("<Conf_Settings><extra/></Conf_Settings>"));  // replaced whole
  Save_Setting();
  EXPECT_EQ(fileText(), S("<Conf_Settings>\n"
                          "  <lastproj>\n    <projectname>P1</projectname>\n  </lastproj>\n"
                          "  <lastipadd>\n    <ipaddress>1.2.3.4</ipaddress>\n  </lastipadd>\n"
                          "  <lastlang>\n    <language>English</language>\n  </lastlang>\n"
                          "  <lastinternet>\n"
                          "    <enable_internet>0</enable_internet>\n"
                          "    <enable_update>1</enable_update>\n"
                          "    <enable_jump_field_tables>0</enable_jump_field_tables>\n"
                          "    <Double_Click_Auto_Size>1</Double_Click_Auto_Size>\n"
                          "  </lastinternet>\n"
                          "</Conf_Settings>\n"));
}

TEST_F(SettingsFile, PartialFiles) {
  const QString allOn = S("<lastinternet><enable_internet>1</enable_internet><enable_update>1</enable_update>"
                          "<enable_jump_field_tables>1</enable_jump_field_tables>"
                          "<Double_Click_Auto_Size>1</Double_Click_Auto_Size></lastinternet>");
  struct Case {
    const char* name;
    QString file;
    Settings want;
  };
  const Case cases[] = {
      {"only a language",
       S("<Conf_Settings><lastlang><language>Deutsch</language></lastlang></Conf_Settings>"),
       {QString(), S("192.168.2.205"), S("Deutsch"), false, false, false, false}},
      {"only \"1\" switches an option on",
       S("<Conf_Settings><lastinternet><enable_internet>true</enable_internet><enable_update>1</enable_update>"
         "<enable_jump_field_tables> 1</enable_jump_field_tables>"
         "<Double_Click_Auto_Size/></lastinternet></Conf_Settings>"),
       {QString(), S("192.168.2.205"), S("English"), false, true, false, false}},
      {"another root name",
       S("<Settings><lastproj><projectname>P</projectname></lastproj><lastipadd><ipaddress>1.1.1.1</ipaddress>"
         "</lastipadd><lastlang><language>Francais</language></lastlang>") + allOn + S("</Settings>"),
       {S("P"), S("1.1.1.1"), S("Francais"), true, true, true, true}},
      {"an empty element is the empty text",
       S("<Conf_Settings><lastproj><projectname></projectname></lastproj><lastipadd><ipaddress/></lastipadd>"
         "<lastlang><language>English</language></lastlang></Conf_Settings>"),
       {QString(), QString(), S("English"), false, false, false, false}},
      {"options outside their group are not read",
       S("<Conf_Settings><enable_internet>1</enable_internet><lastinternet/>"
         "<lastproj><enable_update>1</enable_update></lastproj></Conf_Settings>"),
       {QString(), S("192.168.2.205"), S("English"), false, false, false, false}},
      {"a declaration and a comment before the root",
       S("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!-- mine -->\n<Conf_Settings><lastproj><projectname>Q"
         "</projectname></lastproj></Conf_Settings>"),
       {S("Q"), S("192.168.2.205"), S("English"), false, false, false, false}},
  };
  for (const Case& c : cases) {
    writeFile(c.file);
    scramble();
    Read_Settings();
    expectSettings(c.want, c.name);
  }
}

TEST_F(SettingsFile, MissingOrBrokenFileGivesEveryDefault) {
  const char* broken[] = {nullptr, "<Conf_Settings><lastproj><projectname>P</projectname>", "", "not xml at all",
                          "<!-- only a comment -->"};
  for (const char* text : broken) {
    if (text) writeFile(S(text));
    scramble();
    Project_Folder = S("/somewhere/PROJECTS/junk");
    Read_Settings();
    expectSettings(kDefaults, text ? text : "no file");
    EXPECT_TRUE(Project_Folder.isEmpty());
    if (text) {
      EXPECT_EQ(fileText(), S(text));  // the file is left as it was
    }
  }
}

TEST_F(SettingsFile, AFileBeyondTheSizeCapGivesEveryDefault) {
  // Well-formed, but one byte past the cap: not parsed, so every value is a default.
  const QByteArray head("<Conf_Settings><lastlang><language>Deutsch</language></lastlang></Conf_Settings><!--");
  WriteFileWhole(Settings_File_Path(), head + QByteArray(kMax_Input_File_Size - head.size() - 2, 'x') + "-->");
  scramble();
  Read_Settings();
  expectSettings(kDefaults, "beyond the cap");
}

TEST_F(SettingsFile, FailedSaveRaisesAndLeavesNothing) {
  Set_Folders(PathJoin(dir.path(), S("missing")));
  EXPECT_THROW(Save_Setting(), EFileError);
  EXPECT_FALSE(DirectoryExists(PathJoin(dir.path(), S("missing"))));
}

}  // namespace
