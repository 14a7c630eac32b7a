// The language text list: every caption, hint, column title, list item and
// message text of the program's forms, indexed 0 to 5299. Filled with the built-in
// English texts and then overridden from LANGUAGE/<Language_Name>.lng. Forms take
// their texts by fixed index in Set_Lang; messages fetch theirs when shown.
#pragma once

#include "platform/rtl/string_list.h"

#include <QString>

// 5300 entries after any load; changed only by the loading operations below.
extern TStringList Language_Texts;
// 0 until the defaults have been loaded, then 5300: language-file lines whose
// index is not below it are ignored.
extern int Language_Max_Index;

// Text n of the language text list: what forms and messages show. Raises
// EListError "List index out of bounds (<index>)" outside the list.
inline QString Lang_Text(int index) { return Language_Texts[index]; }

// The list as the main window creates it at start-up: empty, no slots.
void Create_Language_Texts();

// Replaces the list by the built-in English texts, one per index.
void Load_Default_Texts();

// Replaces the texts that the language file at `path` names; the others keep their
// value. Raises EFileError when the file cannot be read or is larger than
// kMax_Input_File_Size, changing nothing.
void Load_Language_File(const QString& path);

// Fills the list for Language_Name: the defaults, then LANGUAGE/<Language_Name>.lng
// of the program's folder, else of the data root (Shipped_Folders);
// when that file is missing, or the name is no plain file name (it holds a path
// separator or is ".."), Language_Name becomes "English" and English.lng is read
// if present. The file name is matched case-insensitively when the exact one is
// missing. Returns the reason when the language file exists but cannot be read
// (the defaults then stay), else an empty text.
QString Load_Language();
