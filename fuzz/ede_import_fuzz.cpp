// A remote device's BACnet EDE file as the client editor's import dialog reads it.
// Invariants: only objects the client serves are listed, each chosen for import and
// reading and for writing exactly when it is commandable; a field split at ";"
// never holds one; and the objects, put into the client's tables, never go past
// their last row.
#include "app/editor_file/editor_table.h"
#include "editors/fieldbus/bacnet_client_rules.h"
#include "editors/fieldbus/ede_import.h"
#include "fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QList<TBACnet_Var> objects = Load_EDE_Bytes(Fuzz_Bytes(data, size));
  int reads = 0;
  int writes = 0;
  for (const TBACnet_Var& v : objects) {
    Fuzz_Require(EDE_Type_Served(v.object_type), "an object the client does not serve");
    Fuzz_Require(v.import && v.read && v.write == v.commandable, "a choice the file did not give");
    for (const QString& field : {v.keyname, v.object_name, v.description, v.unit_code})
      Fuzz_Require(!field.contains(u';'), "a field holding its separator");
    ++reads;
    if (v.write) ++writes;
  }
  // Small tables (three rows each) take what fits and count the rest.
  TTextTable read(18, 4);
  TTextTable write(22, 4);
  const TEDE_Import_Count count = Import_EDE_Objects(read, write, 2, objects, QStringLiteral("10.0.0.1"));
  Fuzz_Require(count.Read + count.Read_Left_Out == reads, "read objects lost");
  Fuzz_Require(count.Write + count.Write_Left_Out == writes, "write objects lost");
  Fuzz_Require(count.Read <= 3 && count.Write <= 3, "rows written past the table");
  return 0;
}
