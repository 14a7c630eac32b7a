// The CAN-family editors' project files, one input cut at form feeds into five
// parts (an empty part is a missing file), as the program uses them:
//  1. an editor file, loaded by every table editor of the family as if it were its
//     own, checked, written, and read again;
//  2. and 3. PDO_CANopen.xml and SDO_Server_CANopen.xml, read by the EDS writer,
//     which builds its sheet;
//  4. and 5. DNETM_Net.xml and DNETM_DefOff.xml, read by the byte offset editor,
//     checked, written, and read again.
// Invariants: a file an editor writes reads back whole (no stop, no row beyond the
// tables) and writes again the same; the EDS sheet names at most 30 PDOs a
// direction and is made of headers, key=value lines and the empty lines between
// sections; the offsets written read back to the same bytes.
#include "app/editor_file/editor_table.h"
#include "app/language/language.h"
#include "app/table_editor/table_editor_spec.h"
#include "editors/can/can_frames.h"
#include "editors/can/canopen_tables.h"
#include "editors/can/device_net.h"
#include "editors/can/device_net_offsets.h"
#include "editors/can/dmx_values.h"
#include "editors/can/eds_writer.h"
#include "editors/can/j1939_frames.h"
#include "fuzz/fuzz_support.h"
#include "platform/os/files.h"
#include "platform/rtl/exceptions.h"
#include "platform/xml/xml_document.h"

#include <QDateTime>
#include <QFile>
#include <memory>
#include <vector>

namespace {

const TTableEditorSpec* const kEditors[] = {
    &Receive_CAN_Spec,    &Transmit_CAN_Spec,   &DNet_Spec,          &DMX_Spec,
    &PDO_Spec,            &SDO_Client_Spec,     &SDO_Server_Spec,    &Receive_J1939_Spec,
    &Transmit_J1939_Spec, &Receive_NMEA_Spec,   &Transmit_NMEA_Spec,
};

// The byte offset editor's slaves are made one list entry per byte: beyond this
// many bytes in all a run would only measure the machine's memory.
constexpr int kMax_Offset_Bytes = 8192;

QString Project_File(const QString& name, const QByteArray& part) {
  if (part.isEmpty()) {
    QFile::remove(PathJoin(Fuzz_Folder(), name));
    return PathJoin(Fuzz_Folder(), name);
  }
  return Fuzz_Write_File(name, part);
}

// The tables of an editor as a showing leaves them before its load: every row reset.
class TTables {
public:
  explicit TTables(const TTableEditorSpec& spec) : spec_(spec) {
    for (const TEditorTableSpec& t : spec.Tables) {
      owned_.push_back(std::make_unique<TTextTable>(int(t.Columns.size()), t.Rows + 1));
      for (int row = 1; row < owned_.back()->RowCount(); ++row) Reset_Editor_Row(t, *owned_.back(), row);
    }
  }
  TEditorLoad Load(const QString& path) {
    std::vector<TEditorTable*> tables;
    for (const auto& t : owned_) tables.push_back(t.get());
    return Load_Editor_Tables(spec_, path, tables);
  }
  std::vector<const TEditorTable*> Tables() const {
    std::vector<const TEditorTable*> tables;
    for (const auto& t : owned_) tables.push_back(t.get());
    return tables;
  }
  QByteArray Save(const QString& path) const {
    TXMLDocument doc;
    Write_Editor_File(doc, path, Editor_File_Layout(spec_), Tables());
    return ReadFileWhole(path);
  }

private:
  const TTableEditorSpec& spec_;
  std::vector<std::unique_ptr<TTextTable>> owned_;
};

void Edit_Table_Files(const QString& path) {
  const QString saved = PathJoin(Fuzz_Folder(), QStringLiteral("Saved_Editor.xml"));
  for (const TTableEditorSpec* spec : kEditors) {
    TTables tables(*spec);
    tables.Load(path);  // a stop keeps what was read; rows beyond the tables are counted
    Check_Editor_Tables(*spec, tables.Tables());
    const QByteArray first = tables.Save(saved);
    TTables again(*spec);
    const TEditorLoad load = again.Load(saved);
    Fuzz_Require(load.Failure.isEmpty() && load.Surplus == 0,
                 spec->FormName + QStringLiteral(" cannot read its own file: ") + load.Failure);
    Fuzz_Require(Xml_Line_Ends(again.Save(saved)) == Xml_Line_Ends(first),
                 spec->FormName + QStringLiteral("'s file changes when read and written again"));
  }
}

void Build_EDS(const QString& pdo, const QString& sdo) {
  TEDS_Sources sources;
  try {
    Load_EDS_PDO_List(pdo, sources);
    Load_EDS_SDO_List(sdo, sources);
    Check_SDO_Duplicates(sources);
  } catch (const Exception&) {
    return;  // refused with its message; nothing is written
  }
  Sort_SDO_Sub_Indexs(sources);
  Fuzz_Require(sources.RPDO_List.size() <= kEDS_Max_PDO && sources.TPDO_List.size() <= kEDS_Max_PDO,
               "the sheet names more PDOs than it has variable names for");
  const QStringList lines = Build_EDS_Lines(sources, QDateTime(QDate(2024, 3, 3), QTime(12, 30)));
  Fuzz_Require(lines.size() >= 2 && lines.last().isEmpty() && lines.at(lines.size() - 2).isEmpty(),
               "the sheet does not end with an empty line after its last section");
  for (const QString& line : lines)
    Fuzz_Require(line.isEmpty() || (line.startsWith(u'[') && line.endsWith(u']')) || line.contains(u'='),
                 QStringLiteral("a line of the sheet is neither a header nor key=value: ") + line);
}

void Edit_Offsets(const QString& net, const QString& defOff) {
  TDNetOffsets model;
  Load_Slave_DN(net, model);
  qint64 bytes = 0;
  for (const TSlave_DN& slave : model.Slaves) bytes += slave.ByteIN + slave.ByteOUT;
  if (bytes > kMax_Offset_Bytes) return;
  Load_Offset_Slave_DN(defOff, model);
  Check_Output_Offsets(model.Slaves);
  const QString saved = PathJoin(Fuzz_Folder(), QStringLiteral("Saved_DNETM_DefOff.xml"));
  Save_Offset_Slave_DN(saved, model.Slaves);
  // The same slaves with every byte back to "None", then the written file.
  TDNetOffsets again;
  again.Slaves = model.Slaves;
  for (TSlave_DN& slave : again.Slaves) {
    slave.SL_ByteIN.fill(QStringLiteral("None"));
    slave.SL_ByteIN_M.fill(QString());
    slave.SL_ByteOUT.fill(QStringLiteral("None"));
    slave.SL_ByteOUT_M.fill(QString());
  }
  Load_Offset_Slave_DN(saved, again);
  Fuzz_Require(again.Failure.isEmpty(), QStringLiteral("the offsets written cannot be read: ") + again.Failure);
  for (size_t i = 0; i < model.Slaves.size(); ++i) {
    const TSlave_DN& a = model.Slaves[i];
    const TSlave_DN& b = again.Slaves[i];
    Fuzz_Require(a.SL_ByteIN == b.SL_ByteIN && a.SL_ByteOUT == b.SL_ByteOUT && a.SL_ByteIN_M == b.SL_ByteIN_M &&
                     a.SL_ByteOUT_M == b.SL_ByteOUT_M,
                 "the offsets read back differ from those written");
  }
}

}  // namespace

// The checks and notes fetch their texts from the language list, filled as the
// program fills it before any editor opens.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
  Load_Default_Texts();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QList<QByteArray> parts = Fuzz_Split(Fuzz_Bytes(data, size), '\f', 5);
  Edit_Table_Files(Project_File(QStringLiteral("Editor.xml"), parts[0]));
  Build_EDS(Project_File(QStringLiteral("PDO_CANopen.xml"), parts[1]),
            Project_File(QStringLiteral("SDO_Server_CANopen.xml"), parts[2]));
  Edit_Offsets(Project_File(QStringLiteral("DNETM_Net.xml"), parts[3]),
               Project_File(QStringLiteral("DNETM_DefOff.xml"), parts[4]));
  return 0;
}
