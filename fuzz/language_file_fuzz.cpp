// A language file (.lng) as the program loads it over the default texts.
// Invariants: the list always holds every text; a text a line sets never keeps a
// pilcrow (they only mark its ends) and is never empty unless it was blanked by
// pilcrows.
#include "app/language/default_texts.h"
#include "app/language/language.h"
#include "app/language/lng_file.h"
#include "fuzz/fuzz_support.h"
#include "platform/rtl/exceptions.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QByteArray bytes = Fuzz_Bytes(data, size);
  const QString path = Fuzz_Write_File(QStringLiteral("Language.lng"), bytes);

  Load_Default_Texts();
  try {
    Load_Language_File(path);
  } catch (const EFileError&) {
    // A file that cannot be read changes nothing.
  }
  Fuzz_Require(Language_Texts.Count() == kLanguage_Text_Count, "the language list lost texts");

  // Line by line, as the loader reads them.
  for (const QString& line : Split_Language_Lines(Decode_Language_File(bytes))) {
    int index = -1;
    QString value;
    if (!Read_Language_Line(line, kLanguage_Text_Count, index, value)) continue;
    Fuzz_Require(index >= 0 && index < kLanguage_Text_Count, "a line set a text outside the list");
    Fuzz_Require(!value.contains(u'\u00B6'), "a text kept its pilcrow");
    Fuzz_Require(!value.isEmpty() || line.contains(u'\u00B6'), "a line set an empty text without pilcrows");
  }
  return 0;
}
