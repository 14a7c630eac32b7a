#include "app/language/language.h"
#include "app/language/lng_file.h"
#include "app/state/comon.h"
#include "platform/os/files.h"
#include "platform/rtl/codepage.h"
#include "platform/rtl/exceptions.h"

#include <QStringEncoder>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QString U(const char16_t* s) { return QString::fromUtf16(s); }

TEST(LanguageLine, RulesOfOneLine) {
  struct Case {
    const char16_t* line;
    int index;              // -1: the line is skipped
    const char16_t* value;  // what it sets
  };
  const Case cases[] = {
      {u"STR12 = abc", 12, u"abc"},
      {u"   STR 12   =   abc  ", 12, u"abc"},
      {u"\tSTR12 = abc\r", 12, u"abc"},
      {u"STR12=abc", 12, u"abc"},  // the index is everything between STR and "="
      {u"STR5=abc", 5, u"abc"},
      {u"STR12 = a=b", 12, u"a=b"},
      {u"STR0 = first", 0, u"first"},
      {u"STR5299 = last", 5299, u"last"},
      {u"STR12 = abc /#/ note", 12, u"abc"},
      {u"STR12 = \u00B6  abc  \u00B6", 12, u"  abc  "},
      {u"STR12 = \u00B6 abc \u00B6 /#/ note", 12, u" abc "},
      {u"STR12 = \u00B6abc", 12, u"abc"},
      {u"STR12 = ab\u00B6cd", 12, u"ab"},
      {u"STR12 = \u00B6\u00B6", 12, u""},  // the only way to blank a text
      {u"STR12 = \u00B6", 12, u""},
      {u"STR12 = Gr\u00FC\u00DFe \u201Cx\u201D", 12, u"Gr\u00FC\u00DFe \u201Cx\u201D"},
      // Skipped lines.
      {u"str12 = abc", -1, nullptr},
      {u"xSTR12 = abc", -1, nullptr},
      {u"/#/ STR12 = abc", -1, nullptr},
      {u"STR12 abc", -1, nullptr},
      {u"STR = abc", -1, nullptr},
      {u"STRx = abc", -1, nullptr},
      {u"STR1x = abc", -1, nullptr},
      {u"STR-1 = abc", -1, nullptr},
      {u"STR5300 = abc", -1, nullptr},
      {u"STR12 =", -1, nullptr},
      {u"STR12 =    \t", -1, nullptr},
      {u"STR12 = /#/ note", -1, nullptr},
      {u"", -1, nullptr},
  };
  for (const Case& c : cases) {
    int index = -7;
    QString value = QStringLiteral("untouched");
    const bool sets = Read_Language_Line(U(c.line), 5300, index, value);
    SCOPED_TRACE(U(c.line).toStdString());
    ASSERT_EQ(sets, c.index >= 0);
    if (!sets) continue;
    EXPECT_EQ(index, c.index);
    EXPECT_EQ(value, U(c.value));
  }
}

TEST(LanguageLine, NoSlotsBeforeTheDefaults) {
  int index = -1;
  QString value;
  EXPECT_FALSE(Read_Language_Line(QStringLiteral("STR0 = abc"), 0, index, value));
}

TEST(LanguageLine, LinesEndAtCrLfLfOrCr) {
  EXPECT_EQ(Split_Language_Lines(QStringLiteral("a\r\nb\nc\rd\r\n\re")),
            (QStringList{"a", "b", "c", "d", "", "e"}));
  EXPECT_EQ(Split_Language_Lines(QStringLiteral("a\n")), QStringList{"a"});
  EXPECT_TRUE(Split_Language_Lines(QString()).isEmpty());
}

class LanguageFiles : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(root.isValid());
    Reset_Comon();
    Set_Folders(root.path());
    ASSERT_TRUE(ForceDirectories(Language_Folder));
    Create_Language_Texts();
  }
  void TearDown() override {
    Create_Language_Texts();
    Reset_Comon();
  }
  QString Path(const QString& name) const { return PathJoin(Language_Folder, name); }
  void Write(const QString& name, const QByteArray& bytes) const { WriteFileWhole(Path(name), bytes); }
  void WriteUtf8(const QString& name, const QString& text) const {
    Write(name, QByteArray("\xEF\xBB\xBF") + text.toUtf8());
  }

  QTemporaryDir root;
};

// Non-ASCII texts that Windows-1252 can hold, mixed line ends, a comment, a repeated index.
const char16_t kSample[] =
    u"/#/ German texts\r\n"
    u"STR12 = Informationen\r\n"
    u"STR13 = Gr\u00FC\u00DFe \u20AC \u201Cx\u201D\n"
    u"STR14 = \u00B6 \u00C4nderung \u00B6\r"
    u"STR13 = Gr\u00FC\u00DFe \u20AC \u201Cneu\u201D\r\n"
    u"STR15 = \n"
    u"STR5300 = zu weit";

TEST_F(LanguageFiles, EveryEncodingGivesTheSameList) {
  const QString text = U(kSample);
  const auto utf16 = [&](QStringConverter::Encoding e, const char* bom) {
    QStringEncoder enc(e);
    return QByteArray(bom, 2) + QByteArray(enc.encode(text));
  };
  struct Case {
    const char* name;
    QByteArray bytes;
  };
  const Case cases[] = {
      {"UTF-8 with BOM", QByteArray("\xEF\xBB\xBF") + text.toUtf8()},
      {"UTF-16 LE", utf16(QStringConverter::Utf16LE, "\xFF\xFE")},
      {"UTF-16 BE", utf16(QStringConverter::Utf16BE, "\xFE\xFF")},
      {"Windows-1252", EncodeWindows1252(text)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Load_Default_Texts();
    Write(QStringLiteral("German.lng"), c.bytes);
    Load_Language_File(Path(QStringLiteral("German.lng")));
    ASSERT_EQ(Language_Texts.Count(), 5300);
    EXPECT_EQ(Lang_Text(11), QStringLiteral("Opened Configuration of the Converter : "));
    EXPECT_EQ(Lang_Text(12), QStringLiteral("Informationen"));
    EXPECT_EQ(Lang_Text(13), U(u"Gr\u00FC\u00DFe \u20AC \u201Cneu\u201D"));  // the later line wins
    EXPECT_EQ(Lang_Text(14), U(u" \u00C4nderung "));
    EXPECT_EQ(Lang_Text(15), QStringLiteral("New Configuration"));  // empty value: default kept
    EXPECT_EQ(Lang_Text(5299), QStringLiteral(" "));
  }
}

TEST_F(LanguageFiles, AFileReadBeforeTheDefaultsChangesNothing) {
  WriteUtf8(QStringLiteral("German.lng"), QStringLiteral("STR0 = Anfang"));
  Load_Language_File(Path(QStringLiteral("German.lng")));
  EXPECT_EQ(Language_Texts.Count(), 0);
}

TEST_F(LanguageFiles, AnUnreadableFileRaisesAndChangesNothing) {
  Load_Default_Texts();
  EXPECT_THROW(Load_Language_File(Path(QStringLiteral("Missing.lng"))), EFileError);
  EXPECT_EQ(Language_Texts.Count(), 5300);
  EXPECT_EQ(Lang_Text(0), QStringLiteral("Begin"));
}

TEST_F(LanguageFiles, LoadLanguageReadsTheNamedFile) {
  WriteUtf8(QStringLiteral("German.lng"), QStringLiteral("STR0 = Anfang"));
  WriteUtf8(QStringLiteral("English.lng"), QStringLiteral("STR0 = Start"));
  Language_Name = QStringLiteral("German");
  EXPECT_EQ(Load_Language(), QString());
  EXPECT_EQ(Language_Name, QStringLiteral("German"));
  EXPECT_EQ(Language_Texts.Count(), 5300);
  EXPECT_EQ(Lang_Text(0), QStringLiteral("Anfang"));
}

TEST_F(LanguageFiles, MissingLanguageFallsBackToEnglishFile) {
  WriteUtf8(QStringLiteral("English.lng"), QStringLiteral("STR0 = Start"));
  Language_Name = QStringLiteral("Klingon");
  EXPECT_EQ(Load_Language(), QString());
  EXPECT_EQ(Language_Name, QStringLiteral("English"));
  EXPECT_EQ(Lang_Text(0), QStringLiteral("Start"));
}

TEST_F(LanguageFiles, MissingLanguageAndNoEnglishFileKeepExactlyTheDefaults) {
  Language_Name = QStringLiteral("Klingon");
  Load_Language();
  EXPECT_EQ(Language_Name, QStringLiteral("English"));
  ASSERT_EQ(Language_Texts.Count(), 5300);
  Create_Language_Texts();
  Load_Default_Texts();
  QStringList defaults;
  for (int i = 0; i < 5300; ++i) defaults.append(Lang_Text(i));
  Language_Name = QStringLiteral("Klingon");
  Load_Language();
  for (int i = 0; i < 5300; ++i) ASSERT_EQ(Lang_Text(i), defaults[i]) << i;
}

TEST_F(LanguageFiles, FileNameMatchedIgnoringCaseWhenTheExactOneIsMissing) {
  WriteUtf8(QStringLiteral("german.LNG"), QStringLiteral("STR0 = Anfang"));
  WriteUtf8(QStringLiteral("english.lng"), QStringLiteral("STR0 = Start"));
  Language_Name = QStringLiteral("German");
  Load_Language();
  EXPECT_EQ(Language_Name, QStringLiteral("German"));
  EXPECT_EQ(Lang_Text(0), QStringLiteral("Anfang"));

  Language_Name = QStringLiteral("Klingon");
  Load_Language();
  EXPECT_EQ(Language_Name, QStringLiteral("English"));
  EXPECT_EQ(Lang_Text(0), QStringLiteral("Start"));
}

TEST_F(LanguageFiles, ASwitchStartsAgainFromTheDefaults) {
  WriteUtf8(QStringLiteral("German.lng"), QStringLiteral("STR12 = Informationen\nSTR13 = Optionen"));
  WriteUtf8(QStringLiteral("French.lng"), QStringLiteral("STR12 = Informations"));
  Language_Name = QStringLiteral("German");
  Load_Language();
  EXPECT_EQ(Lang_Text(13), QStringLiteral("Optionen"));
  Language_Name = QStringLiteral("French");
  Load_Language();
  EXPECT_EQ(Lang_Text(12), QStringLiteral("Informations"));
  EXPECT_EQ(Lang_Text(13), QStringLiteral("Options"));
  EXPECT_EQ(Language_Texts.Count(), 5300);
}

}  // namespace

TEST_F(LanguageFiles, ANameThatIsNoPlainFileNameFallsBackToEnglish) {
  // The name comes from the settings file: one that would lead out of the LANGUAGE
  // folder never names the file read.
  WriteUtf8(QStringLiteral("English.lng"), QStringLiteral("STR0 = Start"));
  WriteFileWhole(PathJoin(root.path(), QStringLiteral("Outside.lng")), "STR0 = outside");
  ASSERT_TRUE(ForceDirectories(Path(QStringLiteral("sub"))));
  WriteUtf8(QStringLiteral("sub/German.lng"), QStringLiteral("STR0 = Anfang"));
  WriteUtf8(QStringLiteral("...lng"), QStringLiteral("STR0 = dots"));  // the file ".." would name
  const QString names[] = {QStringLiteral("../Outside"), QStringLiteral("sub/German"), QStringLiteral(".."),
                           PathJoin(root.path(), QStringLiteral("Outside")), QStringLiteral("..\\Outside"),
                           QStringLiteral("Eng\nlish")};
  for (const QString& name : names) {
    SCOPED_TRACE(name.toStdString());
    Language_Name = name;
    EXPECT_EQ(Load_Language(), QString());
    EXPECT_EQ(Language_Name, QStringLiteral("English"));
    EXPECT_EQ(Lang_Text(0), QStringLiteral("Start"));
  }
}

TEST_F(LanguageFiles, AFileBeyondTheSizeCapIsRefusedAndChangesNothing) {
  // One byte past the cap, of line ends only: refused before it is decoded, so its
  // size can never multiply in memory.
  Write(QStringLiteral("Huge.lng"), QByteArray("STR0 = Anfang\r") + QByteArray(kMax_Input_File_Size, '\r'));
  Load_Default_Texts();
  try {
    Load_Language_File(Path(QStringLiteral("Huge.lng")));
    ADD_FAILURE() << "no error";
  } catch (const EFileError& e) {
    EXPECT_TRUE(e.Message.contains(QStringLiteral("Huge.lng"))) << e.Message.toStdString();
  }
  EXPECT_EQ(Language_Texts.Count(), 5300);
  EXPECT_EQ(Lang_Text(0), QStringLiteral("Begin"));
  Language_Name = QStringLiteral("Huge");
  EXPECT_TRUE(Load_Language().contains(QStringLiteral("Huge.lng")));
  EXPECT_EQ(Lang_Text(0), QStringLiteral("Begin"));
}
