#include "app/language/language.h"

#include "app/language/default_texts.h"
#include "app/language/lng_file.h"
#include "app/state/comon.h"
#include "platform/os/files.h"
#include "platform/rtl/exceptions.h"

TStringList Language_Texts;
int Language_Max_Index = 0;

void Create_Language_Texts() {
  Language_Texts.Clear();
  Language_Max_Index = 0;
}

void Load_Default_Texts() {
  Language_Texts.Clear();
  const QStringList texts = Default_Texts();
  Language_Texts.SetCapacity(int(texts.size()));
  for (const QString& text : texts) Language_Texts.Add(text);
  Language_Max_Index = kLanguage_Text_Count;
}

void Load_Language_File(const QString& path) {
  // Read and decode the whole file first, so a file that cannot be read (or is beyond
  // the size cap) changes nothing; then take its lines one at a time.
  const QString text = Decode_Language_File(ReadFileWhole(path, kMax_Input_File_Size));
  TLanguage_Lines lines(text);
  QString line;
  while (lines.Next(line)) {
    int index = -1;
    QString value;
    if (Read_Language_Line(line, Language_Max_Index, index, value)) Language_Texts.Put(index, value);
  }
}

namespace {

// The path of `fileName` in `folder`: the exact name when that file exists, else the
// first file of the folder whose name differs only in case; empty when there is none.
QString FindLanguageFile(const QString& folder, const QString& fileName) {
  if (folder.isEmpty()) return QString();
  const QString exact = PathJoin(folder, fileName);
  if (FileExists(exact)) return exact;
  for (const QString& name : ListFiles(folder, QStringLiteral(".lng")))
    if (name.compare(fileName, Qt::CaseInsensitive) == 0) return PathJoin(folder, name);
  return QString();
}

// The language file of that name in the folders where the shipped files lie: the
// program's folder first, then the data root's.
QString FindShippedLanguageFile(const QString& fileName) {
  for (const QString& folder : Shipped_Folders(QStringLiteral("LANGUAGE"))) {
    const QString path = FindLanguageFile(folder, fileName);
    if (!path.isEmpty()) return path;
  }
  return QString();
}

}  // namespace

QString Load_Language() {
  // 1. Start again from the defaults, so nothing of an earlier language survives.
  Load_Default_Texts();
  // 2. The chosen language's file; a name that is no plain file name (one the settings
  // file may hold, such as "../x") is never looked for, so English takes its place.
  QString path;
  if (IsPlainFileName(Language_Name)) path = FindShippedLanguageFile(Language_Name + QStringLiteral(".lng"));
  // 3. Otherwise English, from its file if there is one.
  if (path.isEmpty()) {
    Language_Name = QString::fromUtf16(kDefault_Language);
    path = FindShippedLanguageFile(Language_Name + QStringLiteral(".lng"));
  }
  if (path.isEmpty()) return QString();
  try {
    Load_Language_File(path);
  } catch (const EFileError& e) {
    return e.Message;
  }
  return QString();
}
