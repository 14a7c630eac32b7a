// The language page of the options dialog: the language files of the LANGUAGE
// folder shown six to a page, each slot with the language's name and flag.
#pragma once

#include <QString>
#include <QStringList>

inline constexpr int kLang_Slots = 6;

// Names of the language files (with ".lng") in `folder`, sorted case-insensitively.
// Every regular file counts, read-only ones too (installed files are read-only).
QStringList Create_Lang_List(const QString& folder);
// The same over several folders (the program's, then the data root's): a name found
// in an earlier folder hides the same name, in any letter case, in a later one.
QStringList Create_Lang_List(const QStringList& folders);

// Pages needed for `count` languages: (count + 5) div 6.
int Lang_Page_Count(int count);

// What one page shows.
struct TLangPageView {
  int Pages = 0;
  bool PrevVisible = false;
  bool NextVisible = false;
  int SlotsVisible = 0;  // slots 1 .. SlotsVisible are shown
  int First = 0;         // list index of the language in slot 1
  int Count = 0;         // languages on this page (slots 1 .. Count get one)
};
// Page `page` (from 1) of `count` languages. With no language at all no slot and
// no page button is shown.
TLangPageView Lang_Page_View(int count, int page);

// The page after a Next (next = true) or Previous click on page `showPage`.
int Lang_Page_Step(int showPage, int pages, bool next);

// Text 305 + page + text 306 + pages ("Page 2 / 3").
QString Lang_Page_Counter(int page, int pages);

// The language name of a file name: without its last four characters (".lng").
QString Lang_Name_Of(const QString& fileName);

// The flag of a language: <name>.bmp in `folder`, else DefaultFlag.bmp, each also
// found when it differs in letter case; empty when there is neither.
QString Lang_Flag_Picture(const QString& folder, const QString& name);
// The same over several folders: <name>.bmp in any of them, else DefaultFlag.bmp.
QString Lang_Flag_Picture(const QStringList& folders, const QString& name);
