// Builds both device images from the project files and writes them into the
// project's bin folder: the work of the main window's "Update Device UDP" step
// before the update dialog opens.
#pragma once

#include <QByteArray>
#include <QString>

struct TDevice_Image_Sources {
  QString ParGen;                // ParGen.xml
  QString EtherCAT_Slave;        // EtherCAT_Slave.xml
  QString ModbusTCPM_SetAccess;  // ModbusTCPM_SetAccess.xml
};

struct TDevice_Images {
  QByteArray Bank1;  // the 2048-byte parameter block
  QByteArray Bank2;  // rules and EtherCAT part
};

// Builds both images in memory. A missing file gives that part's defaults or empty
// tables. Raises an Exception whose Message names the cause (a file that cannot be
// read or is not well-formed, a missing group or attribute, a table or image past
// its limit); nothing is written then.
TDevice_Images Build_Device_Image(const TDevice_Image_Sources& sources);

// Writes bin/bank1.bin and bin/bank2.bin into `projectFolder`, creating bin when
// it is missing. Each file is written whole through a temporary file and a rename,
// so none is ever left half-written. Raises an Exception when a write fails.
void Write_Device_Image(const TDevice_Images& images, const QString& projectFolder);

QString Bank1_File_Path(const QString& projectFolder);
QString Bank2_File_Path(const QString& projectFolder);

// The same two steps on the active project (File_ParGen, File_EtherCAT_Slave,
// File_ModbusTCPM_SetAccess, Project_Folder).
TDevice_Images Build_Device_Image_Entry();
void Write_Device_Image_Entry(const TDevice_Images& images);
