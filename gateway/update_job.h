// The job file Ethernet_Update.xml that the external updater reads beside itself:
// the device address and one operation per image to load, by the update option.
#pragma once

#include <QString>
#include <cstdint>

// Items of the update dialog's option list.
enum TUpdate_Option : int32_t {
  kUpdate_Firmware_And_Configuration = 0,
  kUpdate_Firmware = 1,
  kUpdate_Configuration = 2,
};

// The firmware image in the MASTER folder.
inline constexpr const char16_t* kFirmware_Image_Name = u"Sim82K03.sim";

struct TUpdate_Job {
  QString IP_Address;  // the four address parts joined by ".", as typed
  int32_t Option = kUpdate_Firmware_And_Configuration;
  bool Read_Back = true;
  QString Master_Folder;   // holds the firmware image
  QString Project_Folder;  // holds bin/bank1.bin and bin/bank2.bin
};

// Exe_Folder + "/Ethernet_Update.xml".
QString Update_Job_Path();
// The job document as text (no declaration, no attributes, no comment).
QString Update_Job_Text(const TUpdate_Job& job);
// Writes the job file whole, replacing it; raises an Exception when it cannot.
void Compile_XML_Parameter_New_Boot(const QString& jobPath, const TUpdate_Job& job);
