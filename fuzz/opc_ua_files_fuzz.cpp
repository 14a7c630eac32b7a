// The OPC UA and TLS editors' files (OPC_UA_Client.xml, OPC_UA_Server.xml and
// TLS_Known_Cert.xml, one input cut at form feeds) as the editors use them: the
// client's servers and variables read into objects, shown in and stored from
// variable tables, checked, positioned and saved; the two table files read into
// their tables, checked and saved.
// Invariants: a file the editors wrote reads back without failure and is written
// again unchanged; a variable table stored and shown again keeps what it showed.
#include "app/language/language.h"
#include "app/table_editor/table_editor_spec.h"
#include "editors/network/opc_ua_client_file.h"
#include "editors/network/opc_ua_server_variables.h"
#include "editors/network/tls_known_cert.h"
#include "fuzz/fuzz_support.h"
#include "platform/os/files.h"
#include "platform/rtl/exceptions.h"

#include <algorithm>
#include <memory>

namespace {

void Client(const QByteArray& bytes) {
  const QString path = Fuzz_Write_File(QStringLiteral("OPC_UA_Client.xml"), bytes);
  TOPC_UA_Server_List servers;
  Load_OPC_UA_Client(path, servers);
  Check_OPC_UA_Client(servers);
  for (int i = 0; i < int(servers.size()) && i < 8; ++i) {
    // A table shown and stored is normalised once (and ends before the first empty
    // display name); after that showing and storing it changes nothing.
    for (const bool read : {true, false}) {
      TOPC_UA_Variable_List& list = read ? servers[size_t(i)]->Var_List_R : servers[size_t(i)]->Var_List_W;
      const auto shown = [&] {
        // Rows for the list and one empty row after it, as a grid of kOV_Rows would show.
        const int rows = std::min(kOV_Rows, int(list.size()) + 1);
        auto table = std::make_unique<TTextTable>(kOV_Columns, rows + 1);
        Erase_Variables(*table);
        Show_Variables(list, read, *table);
        return table;
      };
      Store_Variables(*shown(), read, list);
      const auto once = shown();
      Store_Variables(*once, read, list);
      const auto twice = shown();
      for (int row = 1; row < once->RowCount() && row < twice->RowCount(); ++row)
        Fuzz_Require(once->RowTexts(row) == twice->RowTexts(row), "a stored variable table shows otherwise");
    }
    Auto_Position(servers, i);
  }
  const QString saved = PathJoin(Fuzz_Folder(), QStringLiteral("saved_OPC_UA_Client.xml"));
  try {
    Save_OPC_UA_Client(saved, servers);
  } catch (const EFileError&) {
    return;  // a text no XML file can hold: refused, nothing written
  }
  const QByteArray first = ReadFileWhole(saved);
  Fuzz_Require(Strict_XML_Error(first).isEmpty(), "the client file is no well-formed XML");
  TOPC_UA_Server_List reread;
  const TEditorLoad load = Load_OPC_UA_Client(saved, reread);
  Fuzz_Require(load.Failure.isEmpty() && load.Surplus == 0, QStringLiteral("the client cannot read its own file: ") + load.Failure);
  Save_OPC_UA_Client(saved, reread);
  Fuzz_Require(Xml_Line_Ends(ReadFileWhole(saved)) == Xml_Line_Ends(first), "the client file changes when read again");
}

void Table_File(const TTableEditorSpec& spec, const QString& name, const QByteArray& bytes) {
  const QString path = Fuzz_Write_File(name, bytes);
  const TEditorTableSpec& t = spec.Tables.front();
  TTextTable table(int(t.Columns.size()), t.Rows + 1);
  for (int row = 1; row <= t.Rows; ++row) Reset_Editor_Row(t, table, row);
  Load_Editor_Tables(spec, path, {&table});
  OS_Check(table);
  const QString saved = PathJoin(Fuzz_Folder(), QStringLiteral("saved_") + name);
  TXMLDocument doc;
  try {
    Write_Editor_File(doc, saved, Editor_File_Layout(spec), {&table});
  } catch (const EFileError&) {
    return;
  }
  const QByteArray first = ReadFileWhole(saved);
  TTextTable again(int(t.Columns.size()), t.Rows + 1);
  for (int row = 1; row <= t.Rows; ++row) Reset_Editor_Row(t, again, row);
  const TEditorLoad load = Load_Editor_Tables(spec, saved, {&again});
  Fuzz_Require(load.Failure.isEmpty(), QStringLiteral("an editor cannot read its own file: ") + name);
  TXMLDocument doc2;
  Write_Editor_File(doc2, saved, Editor_File_Layout(spec), {&again});
  Fuzz_Require(Xml_Line_Ends(ReadFileWhole(saved)) == Xml_Line_Ends(first),
               QStringLiteral("an editor's file changes when read again: ") + name);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool texts = (Load_Default_Texts(), true);  // the check messages
  (void)texts;
  const QList<QByteArray> parts = Fuzz_Split(Fuzz_Bytes(data, size), '\f', 3);
  Client(parts[0]);
  Table_File(OPC_UA_Server_Spec, QStringLiteral("OPC_UA_Server.xml"), parts[1]);
  Table_File(TLS_Known_Cert_Spec, QStringLiteral("TLS_Known_Cert.xml"), parts[2]);
  return 0;
}
