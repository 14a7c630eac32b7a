// Projects: a project is the folder Projects_Folder/<name> with the editor files
// and a "bin" sub-folder. These are the rules of making one (New), of choosing one
// (Open: the listing and the preselection) and of making one active (Open and the
// start-up's re-activation of the remembered project).
#pragma once

#include <QString>
#include <QStringList>

// Texts of the New dialog's refusals.
inline constexpr int kText_Project_Not_Created = 105;  // the folder cannot be created
inline constexpr int kText_Project_Exists = 106;       // the folder exists already
inline constexpr int kText_Project_Name_Empty = 107;   // no name

// False for a name that would lead outside PROJECTS or that Open could never list:
// one holding "/", "\" or a control character, or starting with "." (".", ".." and
// hidden folders).
bool Is_Safe_Project_Name(const QString& name);

// The New dialog's OK, name taken as typed (not trimmed): 0 on success, else the
// index of the text to show. In order: empty name, or blanks only, 107; an unsafe name 105; a folder
// of that name exists (also one differing only in letter case) 106; the folder
// cannot be created 105. On success the "bin" sub-folder is made, the project
// becomes active (Project_Name, Project_Folder) and Set_Files runs.
int Create_Project(const QString& name);

// The names of the project folders (Open's list), sorted case-insensitively;
// hidden (dot) folders are left out.
QStringList Load_Existing_Configuration();

// Index of `name` in `list`: the exactly equal entry first, else the first equal
// ignoring letter case; -1 when none.
int Search_Open_Conf(const QStringList& list, const QString& name);

// What Open shows selected when it appears, and the name it then returns.
struct TOpenPreselection {
  int ItemIndex = -1;  // -1: nothing selected
  QString Name_Conf;   // empty when nothing is selected
};
// The active project's entry, else the first entry, else nothing (and no name).
TOpenPreselection Open_Preselection(const QStringList& list, const QString& projectFolder,
                                    const QString& projectsFolder);

// Makes the chosen project active: Project_Name := name; the project is active
// (Project_Folder set) only when the name is not empty and its folder exists; then
// Set_Files. True when a project is active afterwards.
bool Activate_Project(const QString& name);

// Start-up: the remembered Project_Name becomes active when its folder exists;
// otherwise no project is active and the name is kept. True when active.
bool Reactivate_Last_Project();
