// The files of the MQTT, SNMP manager, SNMP trap and IEC 61850 server variables
// editors (MQTT_Set_Topic.xml, SNMP_Manager.xml, SNMP_Trap.xml,
// IEC61850_Variables.xml; one input cut at form feeds) as the editors use them:
// each is loaded into its tables, checked and saved; SNMP_Trap.xml is also read by
// the MIB writer.
// Invariants: a file the editor saved reads back whole and saves the same again;
// the MIB module ends with "END" and numbers no more objects than it may.
#include "app/language/language.h"
#include "app/state/comon.h"
#include "app/table_editor/table_editor_spec.h"
#include "editors/network/iec61850_variables.h"
#include "editors/network/mib_writer.h"
#include "editors/network/mqtt_topics.h"
#include "editors/network/snmp_manager.h"
#include "editors/network/snmp_traps.h"
#include "fuzz/fuzz_support.h"
#include "platform/os/files.h"
#include "platform/rtl/exceptions.h"

#include <algorithm>
#include <memory>
#include <vector>

namespace {

// Data rows of a table in a run: fewer than the forms have (up to 1024), so that a
// run stays quick; rows beyond them are the tables' surplus all the same.
constexpr int kFuzz_Rows = 48;

// The editor's tables, as its form resets them.
struct TTables {
  explicit TTables(const TTableEditorSpec& spec) {
    for (const TEditorTableSpec& t : spec.Tables) {
      const int rows = std::min(t.Rows, kFuzz_Rows);
      owned.push_back(std::make_unique<TTextTable>(int(t.Columns.size()), rows + 1));
      for (int row = 1; row <= rows; ++row) Reset_Editor_Row(t, *owned.back(), row);
      tables.push_back(owned.back().get());
      constTables.push_back(owned.back().get());
    }
  }
  std::vector<std::unique_ptr<TTextTable>> owned;
  std::vector<TEditorTable*> tables;
  std::vector<const TEditorTable*> constTables;
};

void Edit_And_Save(const TTableEditorSpec& spec, const QString& path, const QString& savedName) {
  TTables first(spec);
  Load_Editor_Tables(spec, path, first.tables);
  Check_Editor_Tables(spec, first.constTables);
  const QString saved = PathJoin(Fuzz_Folder(), savedName);
  TXMLDocument doc;
  try {
    Write_Editor_File(doc, saved, Editor_File_Layout(spec), first.constTables);
  } catch (const EFileError&) {
    return;  // a text XML cannot hold
  }
  const QByteArray once = ReadFileWhole(saved);
  TTables second(spec);
  const TEditorLoad load = Load_Editor_Tables(spec, saved, second.tables);
  Fuzz_Require(load.Failure.isEmpty(), QStringLiteral("the editor cannot read its own file %1: %2").arg(savedName, load.Failure));
  Write_Editor_File(doc, saved, Editor_File_Layout(spec), second.constTables);
  Fuzz_Require(Xml_Line_Ends(ReadFileWhole(saved)) == Xml_Line_Ends(once),
               QStringLiteral("the editor's file changes when read and written again: ") + savedName);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool texts = (Load_Default_Texts(), true);
  (void)texts;
  const QList<QByteArray> parts = Fuzz_Split(Fuzz_Bytes(data, size), '\f', 4);
  const QString mqtt = Fuzz_Write_File(QStringLiteral("MQTT_Set_Topic.xml"), parts[0]);
  const QString manager = Fuzz_Write_File(QStringLiteral("SNMP_Manager.xml"), parts[1]);
  const QString trap = Fuzz_Write_File(QStringLiteral("SNMP_Trap.xml"), parts[2]);
  const QString variables = Fuzz_Write_File(QStringLiteral("IEC61850_Variables.xml"), parts[3]);
  Edit_And_Save(MQTT_Set_Topic_Spec, mqtt, QStringLiteral("Saved_MQTT_Set_Topic.xml"));
  Edit_And_Save(SNMP_Manager_Spec, manager, QStringLiteral("Saved_SNMP_Manager.xml"));
  Edit_And_Save(SNMP_Trap_Spec, trap, QStringLiteral("Saved_SNMP_Trap.xml"));
  Edit_And_Save(IEC61850_Variables_Spec, variables, QStringLiteral("Saved_IEC61850_Variables.xml"));
  // The MIB module of the agent objects.
  try {
    Load_SNMP_Trap_Rows(trap);
    const QStringList lines = SNMP_MIB_Lines();
    Fuzz_Require(lines.last() == QStringLiteral("END"), "the MIB module does not end with END");
    Fuzz_Require(SNMP_Read_Descriptions.size() <= kMIB_Max_Objects && SNMP_Write_Descriptions.size() <= kMIB_Max_Objects,
                 "the MIB module numbers more objects than it may");
  } catch (const Exception&) {
  }
  return 0;
}
