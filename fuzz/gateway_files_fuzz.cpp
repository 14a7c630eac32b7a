// The three project files of the gateway (ParGen.xml, EtherCAT_Slave.xml and
// ModbusTCPM_SetAccess.xml, one input cut at form feeds; an empty part is a missing
// file) as the program uses them: each editor loads, checks and saves its file,
// then the device images and the slave information file are built.
// Invariants: an editor's file read and written again stays the same; tables that
// pass the editors' checks always build; the images keep their sizes and checksum;
// the slave information file is well-formed to a strict XML reader.
#include "fuzz/fuzz_support.h"
#include "gateway/bank1_parameter_block.h"
#include "gateway/bank2_device_image.h"
#include "gateway/bank2_tables_image.h"
#include "gateway/esi_writer.h"
#include "gateway/ethercat_slave_checks.h"
#include "gateway/ethercat_slave_file.h"
#include "gateway/modbus_tcp_master_checks.h"
#include "gateway/modbus_tcp_master_file.h"
#include "gateway/par_gen_checks.h"
#include "gateway/par_gen_file.h"
#include "platform/os/files.h"
#include "platform/rtl/exceptions.h"

#include <QFile>

namespace {

// The input's part as the file `name`; an empty part leaves no file.
QString Project_File(const QString& name, const QByteArray& part) {
  if (part.isEmpty()) {
    QFile::remove(PathJoin(Fuzz_Folder(), name));
    return PathJoin(Fuzz_Folder(), name);
  }
  return Fuzz_Write_File(name, part);
}

// Loads the file into the editor's model, saves it, loads and saves that again: both
// saved files must be equal. Answers whether the loaded tables passed the checks.
// One model per editor serves every run, as the program's forms keep theirs: each
// load starts from empty tables.
template <typename Model, typename Check>
bool Edit_And_Save(const QString& path, const QString& savedName, Check check) {
  static Model model;
  const QString saved = PathJoin(Fuzz_Folder(), savedName);
  model.Load(path);
  const bool passes = check(model);
  model.Save(saved);
  const QByteArray first = ReadFileWhole(saved);
  Fuzz_Require(model.Load(saved).isEmpty(), QStringLiteral("the editor cannot read its own file ") + savedName);
  model.Save(saved);
  Fuzz_Require(Xml_Line_Ends(ReadFileWhole(saved)) == Xml_Line_Ends(first),
               QStringLiteral("the editor's file changes when read and written again: ") + savedName);
  return passes;
}

uint32_t U32(const QByteArray& b, int offset) {
  uint32_t v = 0;
  for (int i = 3; i >= 0; --i) v = v << 8 | static_cast<uint8_t>(b[offset + i]);
  return v;
}

void Check_Images(const TDevice_Images& images) {
  Fuzz_Require(images.Bank1.size() == kParameter_Block_Size, "bank1 is not 2048 bytes");
  uint32_t sum = 0;
  for (int i = 0; i < kParameter_Block_Size - 4; ++i) sum += static_cast<uint8_t>(images.Bank1[i]);
  Fuzz_Require(U32(images.Bank1, kParameter_Block_Size - 4) == sum, "the bank1 checksum is wrong");
  Fuzz_Require(images.Bank2.size() >= 49193 && images.Bank2.size() <= kImage_Buffer_Size,
               "bank2 has an impossible length");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QList<QByteArray> parts = Fuzz_Split(Fuzz_Bytes(data, size), '\f', 3);
  const TDevice_Image_Sources files{Project_File(QStringLiteral("ParGen.xml"), parts[0]),
                                    Project_File(QStringLiteral("EtherCAT_Slave.xml"), parts[1]),
                                    Project_File(QStringLiteral("ModbusTCPM_SetAccess.xml"), parts[2])};

  // 1. The editors: load, check, save (the forms save only what passes their checks;
  // saving here whatever was loaded covers more).
  const bool parGenPasses = Edit_And_Save<TParGenModel>(files.ParGen, QStringLiteral("Saved_ParGen.xml"),
                                                       [](const TParGenModel& m) { return !Controllo_Dati(m); });
  const bool etherCATPasses = Edit_And_Save<TEtherCATSlaveModel>(
      files.EtherCAT_Slave, QStringLiteral("Saved_EtherCAT_Slave.xml"),
      [](const TEtherCATSlaveModel& m) { return !Controllo_dati(m.SlaveToMaster, m.MasterToSlave); });
  const bool modbusPasses = Edit_And_Save<TModbusTCPMasterModel>(
      files.ModbusTCPM_SetAccess, QStringLiteral("Saved_ModbusTCPM_SetAccess.xml"),
      [](const TModbusTCPMasterModel& m) { return !Controllo_dati(m.Read, m.Write, m.NByte_IN, m.NByte_OUT); });

  // 2. The images from the files as they are; any refusal is an Exception.
  try {
    Check_Images(Build_Device_Image(files));
  } catch (const Exception&) {
  }
  // 3. The images from what the editors saved: tables that passed every check build.
  const TDevice_Image_Sources saved{PathJoin(Fuzz_Folder(), QStringLiteral("Saved_ParGen.xml")),
                                    PathJoin(Fuzz_Folder(), QStringLiteral("Saved_EtherCAT_Slave.xml")),
                                    PathJoin(Fuzz_Folder(), QStringLiteral("Saved_ModbusTCPM_SetAccess.xml"))};
  try {
    Check_Images(Build_Device_Image(saved));
  } catch (const Exception& e) {
    Fuzz_Require(!(parGenPasses && etherCATPasses && modbusPasses),
                 QStringLiteral("tables that pass the editors' checks do not build: ") + e.Message);
  }

  // 4. The slave information file: refused, or well-formed.
  for (const TDevice_Image_Sources* sources : {&files, &saved}) {
    try {
      const QByteArray text = ESI_File_Text(Load_ESI_Sources(sources->ParGen, sources->EtherCAT_Slave));
      const QString error = Strict_XML_Error(text);
      Fuzz_Require(error.isEmpty(), QStringLiteral("the slave information file is not well-formed: ") + error);
    } catch (const Exception&) {
    }
  }
  return 0;
}
