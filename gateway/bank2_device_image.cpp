#include "gateway/bank2_device_image.h"

#include "app/state/comon.h"
#include "gateway/bank1_image_bytes.h"
#include "gateway/bank1_parameter_block.h"
#include "gateway/bank2_tables_image.h"
#include "platform/os/files.h"

#include <vector>

TDevice_Images Build_Device_Image(const TDevice_Image_Sources& sources) {
  // 1. Everything starts from its reset state.
  TParameter_Block block;
  TEtherCAT_Slave_Header header;
  std::vector<TEtherCAT_pd> entries;
  std::vector<TModbus_TCP_Rule> rules;
  Parameter_Block_Defaults(block);
  // 2. Communication parameters.
  Read_ParGen_Parameters(sources.ParGen, block, header);
  // 3. Where the device finds the two parts of the tables image.
  block.Put_U32(bank1::kTables_Address, kTables_Image_Address);
  block.Put_U32(bank1::kEtherCAT_Address, kEtherCAT_Base_Address);
  // 4. Process data.
  Read_EtherCAT_Variables(sources.EtherCAT_Slave, kEtherCAT_Base_Address, header, entries);
  // 5. Modbus TCP rules (their count goes into the block).
  Read_Modbus_TCP_Rules(sources.ModbusTCPM_SetAccess, rules, block);
  // 6. bank1: the block with its checksum.
  TDevice_Images images;
  Serialize_Parameter_Block(block, 0, images.Bank1);
  // 7. bank2: the rules, then the EtherCAT part.
  TImage_Writer bank2(kImage_Buffer_Size);
  Serialize_Modbus_Rules(rules, bank2);
  Serialize_EtherCAT_Part(header, entries, bank2);
  images.Bank2 = bank2.Data();
  return images;
}

QString Bank1_File_Path(const QString& projectFolder) {
  return PathJoin(PathJoin(projectFolder, QStringLiteral("bin")), QStringLiteral("bank1.bin"));
}

QString Bank2_File_Path(const QString& projectFolder) {
  return PathJoin(PathJoin(projectFolder, QStringLiteral("bin")), QStringLiteral("bank2.bin"));
}

void Write_Device_Image(const TDevice_Images& images, const QString& projectFolder) {
  if (projectFolder.isEmpty()) throw EDevice_Image_Error(QStringLiteral("No project is active."));
  const QString bin = PathJoin(projectFolder, QStringLiteral("bin"));
  if (!DirectoryExists(bin) && !ForceDirectories(bin))
    throw EDevice_Image_Error(QStringLiteral("Cannot create the folder \"%1\".").arg(bin));
  WriteFileWhole(Bank1_File_Path(projectFolder), images.Bank1);
  WriteFileWhole(Bank2_File_Path(projectFolder), images.Bank2);
}

TDevice_Images Build_Device_Image_Entry() {
  return Build_Device_Image({File_ParGen, File_EtherCAT_Slave, File_ModbusTCPM_SetAccess});
}

void Write_Device_Image_Entry(const TDevice_Images& images) { Write_Device_Image(images, Project_Folder); }
