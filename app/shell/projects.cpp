#include "app/shell/projects.h"

#include "app/state/comon.h"
#include "platform/os/files.h"
#include "platform/rtl/strings.h"

namespace {

QString projectFolderOf(const QString& name) { return PathJoin(Projects_Folder, name); }

// A folder of PROJECTS named like `name` in any letter case.
bool projectFolderExists(const QString& name) {
  if (DirectoryExists(projectFolderOf(name))) return true;
  for (const QString& existing : ListSubFolders(Projects_Folder))
    if (existing.compare(name, Qt::CaseInsensitive) == 0) return true;
  return false;
}

// A name that is one folder directly inside PROJECTS (a remembered or listed name
// may hold characters New refuses, but never leads elsewhere).
bool isFolderInProjects(const QString& name) {
  return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..") && !name.contains(u'/');
}

}  // namespace

bool Is_Safe_Project_Name(const QString& name) {
  // "." and "..", and every hidden (dot) folder, which Open does not list; and no
  // path separator or control character.
  return !name.startsWith(u'.') && IsPlainFileName(name);
}

int Create_Project(const QString& name) {
  // 1. No name (blanks alone are no name either).
  if (Trim(name).isEmpty()) return kText_Project_Name_Empty;
  // A name that is no single folder inside PROJECTS cannot be created there.
  if (!Is_Safe_Project_Name(name)) return kText_Project_Not_Created;
  // 2. The folder exists.
  if (projectFolderExists(name)) return kText_Project_Exists;
  // 3. Create it, one level.
  const QString folder = projectFolderOf(name);
  if (!CreateDir(folder)) return kText_Project_Not_Created;
  // 4. Its bin folder, then the project is active.
  ForceDirectories(PathJoin(folder, QStringLiteral("bin")));
  Project_Name = name;
  Project_Folder = folder;
  Set_Files();
  return 0;
}

QStringList Load_Existing_Configuration() {
  // Hidden folders (".git" and the like) belong to other tools, never to a project.
  QStringList names;
  for (const QString& name : ListSubFolders(Projects_Folder))
    if (!name.startsWith(u'.')) names.append(name);
  return names;
}

int Search_Open_Conf(const QStringList& list, const QString& name) {
  const int exact = list.indexOf(name);
  if (exact >= 0) return exact;
  for (int i = 0; i < list.size(); ++i)
    if (list[i].compare(name, Qt::CaseInsensitive) == 0) return i;
  return -1;
}

TOpenPreselection Open_Preselection(const QStringList& list, const QString& projectFolder,
                                    const QString& projectsFolder) {
  // 3. The active project's name: its folder without the PROJECTS folder before it.
  QString current;
  const QString prefix = projectsFolder + u'/';
  if (!projectFolder.isEmpty() && projectFolder.startsWith(prefix)) current = projectFolder.mid(prefix.size());
  // 4./5. Found, else the first entry, else nothing.
  TOpenPreselection result;
  const int found = current.isEmpty() ? -1 : Search_Open_Conf(list, current);
  if (found >= 0) result.ItemIndex = found;
  else if (!list.isEmpty()) result.ItemIndex = 0;
  if (result.ItemIndex >= 0) result.Name_Conf = list[result.ItemIndex];
  return result;
}

bool Activate_Project(const QString& name) {
  Project_Name = name;
  const bool active = isFolderInProjects(name) && DirectoryExists(projectFolderOf(name));
  Project_Folder = active ? projectFolderOf(name) : QString();
  Set_Files();
  return active;
}

bool Reactivate_Last_Project() {
  const bool active = isFolderInProjects(Project_Name) && DirectoryExists(projectFolderOf(Project_Name));
  Project_Folder = active ? projectFolderOf(Project_Name) : QString();
  return active;
}
