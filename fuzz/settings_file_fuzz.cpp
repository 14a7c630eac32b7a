// The settings file Fabricor.xml as start-up reads it, followed by the language it
// names. Invariants: the settings written back read the same again; the language
// list always holds every text; a language name never reaches a file outside the
// LANGUAGE folder.
#include "app/language/default_texts.h"
#include "app/language/language.h"
#include "app/settings/settings_file.h"
#include "app/state/comon.h"
#include "fuzz/fuzz_support.h"
#include "platform/os/files.h"

namespace {

const QString kOutsideText = QStringLiteral("read from outside the language folder");

void Prepare_Data_Root() {
  Reset_Comon();
  Set_Folders(Fuzz_Folder());
  ForceDirectories(Language_Folder);
  WriteFileWhole(PathJoin(Language_Folder, QStringLiteral("Deutsch.lng")), "STR0 = Anfang\r\nSTR1 = Schritt 1\r\n");
  // A language file in the data root, beside the LANGUAGE folder: no settings file
  // may make it load (as "../Outside" would).
  WriteFileWhole(PathJoin(Exe_Folder, QStringLiteral("Outside.lng")), "STR0 = " + kOutsideText.toUtf8() + "\r\n");
  Create_Language_Texts();
}

QByteArray Saved_Settings() {
  Save_Setting();
  return ReadFileWhole(Settings_File_Path());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool prepared = (Prepare_Data_Root(), true);
  (void)prepared;
  Fuzz_Write_File(QStringLiteral("Fabricor.xml"), Fuzz_Bytes(data, size));

  // Read as at start-up; written back and read again, the settings stay the same.
  Read_Settings();
  const QByteArray first = Saved_Settings();
  Read_Settings();
  Fuzz_Require(Xml_Line_Ends(Saved_Settings()) == Xml_Line_Ends(first),
               "the settings file changes when it is read and written again");

  // The language it names, as start-up loads it.
  Load_Language();
  Fuzz_Require(Language_Texts.Count() == kLanguage_Text_Count, "the language list lost texts");
  Fuzz_Require(Lang_Text(0) != kOutsideText, "a language file outside the LANGUAGE folder was read");
  return 0;
}
