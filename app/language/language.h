// The language text list: every caption, hint, column title, list item and
// message text of the program's forms, indexed 0 to 5299. Filled with the built-in
// English texts and then overridden from LANGUAGE/<Language_Name>.lng. Forms take
// their texts by fixed index in Set_Lang; messages fetch theirs when shown.
#pragma once

#include <QString>
#include <QStringList>

// The list of texts (stands for the runtime's string list, reduced to what the
// program does with it: indexed reads that raise outside the list).
class TLanguageTexts {
public:
  int Count() const { return static_cast<int>(FItems.size()); }
  // Text `index`; raises EListError "List index out of bounds (<index>)" outside 0..Count()-1.
  const QString& operator[](int index) const;
  void Put(int index, const QString& text);  // raises like operator[]
  void Clear() { FItems.clear(); }
  void AddStrings(const QStringList& texts) { FItems.append(texts); }

private:
  void CheckIndex(int index) const;
  QStringList FItems;
};

// 5300 entries after any load; changed only by the loading operations below.
extern TLanguageTexts Language_Texts;
// 0 until the defaults have been loaded, then 5300: language-file lines whose
// index is not below it are ignored.
extern int Language_Max_Index;

// Text n of the language text list: what forms and messages show.
inline QString Lang_Text(int index) { return Language_Texts[index]; }

// The list as the main window creates it at start-up: empty, no slots.
void Create_Language_Texts();

// Replaces the list by the built-in English texts, one per index.
void Load_Default_Texts();

// Replaces the texts that the language file at `path` names; the others keep their
// value. Raises EFileError when the file cannot be read, changing nothing.
void Load_Language_File(const QString& path);

// Fills the list for Language_Name: the defaults, then Language_Folder/<Language_Name>.lng;
// when that file is missing, Language_Name becomes "English" and English.lng is read
// if present. The file name is matched case-insensitively when the exact one is
// missing. Returns the reason when the language file exists but cannot be read
// (the defaults then stay), else an empty text.
QString Load_Language();
