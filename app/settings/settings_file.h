// The settings file Fabricor.xml in the program's data root: the last project, the
// last device address, the language and the four options, the only state that
// outlives a run. Read once while the main window is created; written whole when it
// closes and after the options dialog's OK.
#pragma once

#include <QString>

// Exe_Folder + "/Fabricor.xml".
QString Settings_File_Path();

// Sets Project_Name, Last_IP_Address, Language_Name and the four option flags from
// the settings file. Every value missing from the file gets its default on its own;
// a missing file, or one that cannot be read or parsed, gives every default (and an
// empty Project_Folder). Never raises.
void Read_Settings();

// Writes the settings file whole from the globals. Raises EFileError when it cannot;
// the file on disk then stays as it was.
void Save_Setting();
