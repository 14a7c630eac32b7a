// The IEC 61850 client's outside data: an SCL file (decoded into a device) and the
// editor's file IEC_61850_Client.xml, one input cut at a form feed. The client file's
// data sets are matched against the decoded device, the file is written again and
// read back, and the Variables rows are checked.
// Invariants: a device decodes or is refused with an error, never otherwise; every
// data set member is an attribute of the device's own tree; every reference starts
// with the device's name; a client file read whole reads back the same after it is
// written.
#include "editors/network/iec61850_client_model.h"
#include "editors/network/scl_model.h"
#include "fuzz/fuzz_support.h"
#include "platform/os/files.h"
#include "platform/rtl/exceptions.h"

#include <set>

namespace {

void Collect(const TIEC_DA& da, const QString& name, std::set<const TIEC_DA*>& all) {
  Fuzz_Require(da.Reference().startsWith(name), "an attribute's reference does not start with the device's name");
  all.insert(&da);
  for (const auto& c : da.List_DA) Collect(*c, name, all);
}

void Collect(const TIEC_DO& d, const QString& name, std::set<const TIEC_DA*>& all) {
  for (const auto& sub : d.List_DO) Collect(*sub, name, all);
  for (const auto& da : d.List_DA) Collect(*da, name, all);
}

void Check_Device(const TIEC_Device& device) {
  std::set<const TIEC_DA*> all;
  for (const auto& ld : device.List_LDevice)
    for (const auto& ln : ld->List_LN)
      for (const auto& d : ln->List_DO) Collect(*d, device.Name(), all);
  for (const auto& ld : device.List_LDevice)
    for (const auto& ln : ld->List_LN)
      for (const auto& ds : ln->List_DataSet) {
        Fuzz_Require(ds->Reference().startsWith(device.Name()), "a data set's reference does not start with the name");
        for (const TIEC_DA* member : ds->List_DA)
          Fuzz_Require(all.count(member) == 1, "a data set member is not an attribute of the device");
      }
}

bool Same(const TIEC_Client_File& a, const TIEC_Client_File& b) {
  if (a.ICD_Files != b.ICD_Files || a.DA_Items != b.DA_Items || a.DataSets.size() != b.DataSets.size()) return false;
  for (qsizetype i = 0; i < a.DataSets.size(); ++i) {
    if (a.DataSets[i].Cells != b.DataSets[i].Cells || a.DataSets[i].Members.size() != b.DataSets[i].Members.size())
      return false;
    for (qsizetype k = 0; k < a.DataSets[i].Members.size(); ++k) {
      const TDataSet_DA_Item& x = a.DataSets[i].Members[k];
      const TDataSet_DA_Item& y = b.DataSets[i].Members[k];
      if (x.bType != y.bType || x.Reference != y.Reference || x.Position != y.Position || x.StartBit != y.StartBit ||
          x.Convertion != y.Convertion || x.MoltFact != y.MoltFact || x.Mnemonic != y.Mnemonic)
        return false;
    }
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QList<QByteArray> parts = Fuzz_Split(Fuzz_Bytes(data, size), '\f', 2);
  // 1. The SCL file.
  std::unique_ptr<TIEC_Device> device;
  try {
    device = std::make_unique<TIEC_Device>(Fuzz_Write_File(QStringLiteral("device.icd"), parts[0]));
    Check_Device(*device);
  } catch (const EFileError&) {
  }
  // 2. The client file, its data sets matched against the device (index 0).
  const QString path = Fuzz_Write_File(QStringLiteral("IEC_61850_Client.xml"), parts[1]);
  TIEC_Client_File file;
  const TIEC_Client_Load load = Read_IEC_Client_File(path, file);
  for (const TDataSet_Item& item : file.DataSets) {
    TDataSet chosen;
    const QString reference = item.Cells.value(kDS_Reference - 1);
    Match_DataSet_Members(Find_DataSet(device.get(), reference), item.Members, chosen);
    for (const auto& member : chosen.List_DAs) Fuzz_Require(member->Select_DA != nullptr, "a matched member is none");
  }
  // 3. The Variables rows through the checks.
  TTextTable rows(kDA_Columns, int(file.DA_Items.size()) + 1);
  for (int r = 0; r < int(file.DA_Items.size()); ++r)
    for (int c = 1; c < kDA_Columns && c - 1 < file.DA_Items[r].size(); ++c) rows.SetCell(c, r + 1, file.DA_Items[r][c - 1]);
  Check_IEC_Client_Variables(rows, u',');
  // 4. Written and read again: the same, when the first reading was whole.
  if (!load.Failure.isEmpty()) return 0;
  const QString saved = PathJoin(Fuzz_Folder(), QStringLiteral("Saved_IEC_61850_Client.xml"));
  try {
    Write_IEC_Client_File(saved, file, file.ICD_Files);
  } catch (const EFileError&) {
    return 0;  // a text XML cannot hold
  }
  TIEC_Client_File again;
  const TIEC_Client_Load reload = Read_IEC_Client_File(saved, again);
  Fuzz_Require(reload.Failure.isEmpty(), QStringLiteral("the editor cannot read its own file: ") + reload.Failure);
  Fuzz_Require(Same(file, again), "the client file changes when written and read again");
  return 0;
}
