// Writes the seed inputs of every fuzz target into <folder>/<target>/, with the
// program's own writers wherever the program writes such a file: the settings file,
// the three gateway project files, and language files in the format translators
// use (made of the default texts), the payloads of a drag from the grid, EDE files
// (one of the EDE writer's) and EDS connection sections. The text targets get
// typical cell, field and pasted texts.
//   fuzz_seeds <folder>
#include "app/editor_file/editor_table.h"
#include "app/language/default_texts.h"
#include "app/table_editor/table_editor_spec.h"
#include "app/settings/settings_file.h"
#include "app/state/comon.h"
#include "app/table_editor/table_editor_spec.h"
#include "editors/can/can_frames.h"
#include "editors/can/canopen_tables.h"
#include "editors/can/device_net.h"
#include "editors/can/device_net_offsets.h"
#include "editors/can/dmx_values.h"
#include "editors/can/j1939_frames.h"
#include "editors/network/iec61850_client_model.h"
#include "editors/network/iec61850_variables.h"
#include "editors/network/mqtt_topics.h"
#include "editors/network/snmp_manager.h"
#include "editors/network/snmp_traps.h"
#include "editors/network/opc_ua_client_file.h"
#include "editors/network/opc_ua_server_variables.h"
#include "editors/network/tls_known_cert.h"
#include "editors/fieldbus/ede_writer.h"
#include "fuzz/fuzz_support.h"
#include "platform/xml/xml_document.h"
#include "gateway/ethercat_slave_file.h"
#include "gateway/modbus_tcp_master_file.h"
#include "gateway/par_gen_file.h"
#include "grid/base/column_stream.h"
#include "grid/base/drag_drop_objects.h"
#include "grid/data/cell_stream.h"
#include "grid/data/csv_format.h"
#include "grid/data/office_files.h"
#include "grid/data/text_cells_format.h"
#include "grid/data/text_file.h"
#include "grid/data/xml_cells.h"
#include "platform/os/files.h"
#include "platform/rtl/codepage.h"
#include "platform/rtl/exceptions.h"
#include "platform/ui/rich_text_rtf.h"

#include <QStringEncoder>
#include <functional>
#include <memory>
#include <vector>
#include <cstdio>

namespace {

QString g_root;

void Seed(const char* target, const QString& name, const QByteArray& bytes) {
  const QString folder = PathJoin(g_root, QString::fromLatin1(target));
  ForceDirectories(folder);
  WriteFileWhole(PathJoin(folder, name), bytes);
}

// --- The settings file, as Save_Setting writes it. ---

void Settings_Seeds() {
  struct Values {
    const char* project;
    const char* ip;
    const char* language;
    bool options;
  };
  const Values values[] = {
      {"", "192.168.2.205", "English", false},
      {"Plant A", "10.1.2.3", "Deutsch", true},
      {"x & <y>", "", "Outside", false},
  };
  int n = 0;
  for (const Values& v : values) {
    Project_Name = QString::fromUtf8(v.project);
    Last_IP_Address = QString::fromUtf8(v.ip);
    Language_Name = QString::fromUtf8(v.language);
    Opt_Enable_Internet = Opt_Enable_Update = Opt_Jump_Field_Tables = Opt_Double_Click_Auto_Size = v.options;
    Save_Setting();
    Seed("settings_file_fuzz", QStringLiteral("settings%1.xml").arg(++n), ReadFileWhole(Settings_File_Path()));
  }
}

// --- Language files: lines of default texts, with comments and pilcrows. ---

void Language_Seeds() {
  const QStringList texts = Default_Texts();
  QString text = QStringLiteral("/#/ Sample language file\r\n");
  for (int i = 0; i < 60; ++i) text += QStringLiteral("STR%1 = %2\r\n").arg(i).arg(texts[i]);
  text += QStringLiteral("STR1051 = \u00B6Error row \u00B6 /#/ keeps its blank\r\n");
  text += QStringLiteral("STR12=short\nSTR5299 = last\rSTR5300 = beyond\r\n");
  Seed("language_file_fuzz", QStringLiteral("utf8.lng"), QByteArray("\xEF\xBB\xBF") + text.toUtf8());
  QStringEncoder utf16(QStringConverter::Utf16LE);
  Seed("language_file_fuzz", QStringLiteral("utf16.lng"), QByteArray("\xFF\xFE", 2) + QByteArray(utf16.encode(text)));
  Seed("language_file_fuzz", QStringLiteral("ansi.lng"), EncodeWindows1252(text));
}

// --- The gateway project files, as the editors write them, joined by form feeds. ---

QByteArray Saved(const QString& name, const std::function<void(const QString&)>& save) {
  const QString path = PathJoin(Fuzz_Folder(), name);
  save(path);
  return ReadFileWhole(path);
}

QByteArray Par_Gen_File(bool variant) {
  TParGenModel model;
  if (variant) {
    model.SetChecked(pgEnableDNS, true);
    model.SetChecked(pgEnableGateway, true);
    model.SetChecked(pgDHCPCable, true);
    model.SetText(pgSlaveName, QStringLiteral("Line 3 & <B>"));
    model.SetText(pgRevisionNumber, QStringLiteral("4096"));
    model.SetText(pgNodeAddress, QStringLiteral("192"));
  }
  return Saved(QStringLiteral("seed_ParGen.xml"), [&](const QString& p) { model.Save(p); });
}

QByteArray EtherCAT_File() {
  TEtherCATSlaveModel model;
  struct Row {
    const char* type;
    const char* length;  // for Array and String
    const char* name;
    const char* init;
    bool enabled;
  };
  const Row inputs[] = {
      {"Bool", "", "Run", "1", true},      {"Bool", "", "Stop", "", true},  {"Int16", "", "Speed", "-5", true},
      {"Array", "4", "Raw", "0A0B", true}, {"String", "8", "Tag", "abc", true}, {"Float32", "", "Temp", "1.5", false},
      {"UInt32", "", "", "4294967295", true},
  };
  const Row outputs[] = {
      {"Bool", "", "Out1", "", true}, {"Int8", "", "Level", "", true}, {"String", "10", "Text", "", true},
      {"UInt16", "", "Word", "", true},
  };
  const auto fill = [&](TEtherCATVariableTable& table, const auto& rows) {
    int row = 1;
    for (const Row& r : rows) {
      model.Choose_Type(table, row, QString::fromLatin1(r.type));
      if (*r.length) table.SetCell(kEC_Length, row, QString::fromLatin1(r.length));
      table.SetCell(kEC_Name, row, QString::fromUtf8(r.name));
      if (table.Slave_To_Master()) table.SetCell(kStM_InitValue, row, QString::fromUtf8(r.init));
      table.SetCell(kEC_Enable, row, r.enabled ? QStringLiteral("Y") : QStringLiteral("N"));
      ++row;
    }
  };
  fill(model.SlaveToMaster, inputs);
  fill(model.MasterToSlave, outputs);
  model.Calc_Positions();
  return Saved(QStringLiteral("seed_EtherCAT_Slave.xml"), [&](const QString& p) { model.Save(p); });
}

QByteArray Modbus_File() {
  TModbusTCPMasterModel model;
  const QStringList read = {"Y", "192.168.0.10", "502", "1", "Holding Register", "0", "10", "100", "3", "0", "", "N",
                            "Y", "", "Pressure"};
  const QStringList coils = {"Y", "192.168.0.11", "502", "2", "Coil Status", "8", "16", "50", "0", "20", "0", "N",
                             "N", "", ""};
  const QStringList write = {"Y", "192.168.0.10", "502", "1", "Holding Register", "100", "1", "0", "Y", "N", "0",
                             "0", "", "N", "N", "Setpoint"};
  for (int col = 1; col <= read.size(); ++col) model.Read.SetCell(col, 1, read[col - 1]);
  for (int col = 1; col <= coils.size(); ++col) model.Read.SetCell(col, 2, coils[col - 1]);
  for (int col = 1; col <= write.size(); ++col) model.Write.SetCell(col, 1, write[col - 1]);
  return Saved(QStringLiteral("seed_ModbusTCPM_SetAccess.xml"), [&](const QString& p) { model.Save(p); });
}

void Gateway_Seeds() {
  const QByteArray parGen = Par_Gen_File(false);
  const QByteArray etherCAT = EtherCAT_File();
  const QByteArray modbus = Modbus_File();
  Seed("gateway_files_fuzz", QStringLiteral("project.bin"), parGen + '\f' + etherCAT + '\f' + modbus);
  Seed("gateway_files_fuzz", QStringLiteral("variant.bin"), Par_Gen_File(true) + '\f' + etherCAT + '\f');
  Seed("gateway_files_fuzz", QStringLiteral("tables_only.bin"), '\f' + etherCAT + '\f' + modbus);
}

// --- The network editors' files and SCL files. ---

// The editor's file with the given rows (per table, columns 1..) as its form writes it.
QByteArray Editor_File(const TTableEditorSpec& spec, const QList<QList<QStringList>>& rows) {
  std::vector<std::unique_ptr<TTextTable>> owned;
  std::vector<const TEditorTable*> tables;
  for (qsizetype t = 0; t < spec.Tables.size(); ++t) {
    owned.push_back(std::make_unique<TTextTable>(int(spec.Tables[t].Columns.size()), 4));
    for (int row = 1; row < 4; ++row) Reset_Editor_Row(spec.Tables[t], *owned.back(), row);
    for (int r = 0; t < rows.size() && r < rows[t].size(); ++r)
      for (int c = 0; c < rows[t][r].size(); ++c) owned.back()->SetCell(c + 1, r + 1, rows[t][r][c]);
    tables.push_back(owned.back().get());
  }
  return Saved(QStringLiteral("seed_editor.xml"), [&](const QString& p) {
    TXMLDocument doc;
    Write_Editor_File(doc, p, Editor_File_Layout(spec), tables);
  });
}

void Network_Seeds() {
  const QByteArray mqtt = Editor_File(
      MQTT_Set_Topic_Spec,
      {{{"plant/temp", "N", "1", "Int", "4", "0", "", "", "$VALUE$", "Y", "", "Y", "1000", "", "N", "N", "t"}},
       {{"plant/set", "Y", "0", "Float", "8", "10", "", "", "TCP", "", "$VALUE$", "N", "N", "s"}}});
  const QByteArray manager = Editor_File(
      SNMP_Manager_Spec, {{{"Y", "192.168.1.10", "3", "public", "1.3.6.1.2.1.1.3", "Int", "Get", "N", "N", "Y", "1000",
                            "0", "4", "None", "N", "admin", "authpass1", "privpass1", "Auth Priv", "SHA", "AES", "m"}}});
  const QByteArray trap = Editor_File(
      SNMP_Trap_Spec,
      {{{"Y", "public", "Int", "Y", "N", "Y", "1000", "0", "3", "16", "temp", "192.168.1.5", "None", "m"},
        {"N", "public", "String", "N", "N", "N", "", "4", "0", "8", "label", "192.168.1.5", "None", ""}},
       {{"Y", "private", "Int", "8", "0", "16", "setpoint", "Float", "w"}}});
  const QByteArray variables = Editor_File(
      IEC61850_Variables_Spec, {{{"Y", "Power", "Int", "4", "N", "0", "", "None", "None", "N", "N", "kW"},
                                 {"Y", "Trip", "Digital (Bit)", "1", "Y", "4", "3", "None", "1,5", "N", "N", ""}}});
  Seed("network_files_fuzz", QStringLiteral("all.bin"), mqtt + '\f' + manager + '\f' + trap + '\f' + variables);
  Seed("network_files_fuzz", QStringLiteral("trap_only.bin"), "\f\f" + trap + '\f');

  // An SCL file of the tests, when the tree is at hand, and the client file.
  QByteArray scl = "<SCL><IED name=\"D\"><AccessPoint><Server><LDevice inst=\"L\"><LN0 lnClass=\"LLN0\" "
                   "lnType=\"N\"><DataSet name=\"S\"><FCDA ldInst=\"L\" lnClass=\"LLN0\" doName=\"A\"/></DataSet>"
                   "<GSEControl name=\"G\" datSet=\"S\"/></LN0></LDevice></Server></AccessPoint></IED>"
                   "<DataTypeTemplates><LNodeType id=\"N\"><DO name=\"A\" type=\"T\"/></LNodeType><DOType id=\"T\">"
                   "<DA name=\"v\" bType=\"Struct\" type=\"V\" fc=\"MX\"/></DOType><DAType id=\"V\"><BDA name=\"f\" "
                   "bType=\"FLOAT32\"/></DAType></DataTypeTemplates></SCL>";
  try {
    scl = ReadFileWhole(QStringLiteral("tests/editors/network/data/plant.icd"));
  } catch (const Exception&) {
  }
  TIEC_Client_File client;
  client.ICD_Files = {"plant.icd"};
  client.DA_Items = {{"0", "INT32", "MX", "IED1LD0/MMXU1.TotW.mag.i", "0", "4", "192.168.1.20", "102", "N", "N", "Y",
                      "500", "10", "", "Read", "None", "none", "power"}};
  client.DataSets = {{{"0", "IED1LD0/LLN0.DS1", "GC1", "Y", "", "", "", ""},
                      {{"Struct", "IED1LD0/MMXU1.TotW.mag", "1", "0", "None", "1", "m"},
                       {"FLOAT32", "IED1LD0/MMXU1.TotW.mag.f", "2", "", "", "", ""}}}};
  const QByteArray clientFile = Saved(QStringLiteral("seed_client.xml"), [&](const QString& p) {
    Write_IEC_Client_File(p, client, {"IED1"});
  });
  Seed("scl_files_fuzz", QStringLiteral("plant.bin"), scl + '\f' + clientFile);
  Seed("scl_files_fuzz", QStringLiteral("scl_only.bin"), scl);
}

// --- The OPC UA client, OPC UA server and TLS files, as their editors write them,
// joined by form feeds. ---

QByteArray OPC_UA_Client_File() {
  TOPC_UA_Server_List servers;
  const char* const rows[][7] = {
      // Node type, identifier, data type, Var/Array, Start, Length, Position
      {"Numeric", "4294967295", "Int32", "Variable", "0", "0", "0"},
      {"String", "ns=2;s=Tank & <Level>", "String", "Variable", "2", "8", "4"},
      {"Guid", "6ba7b810-9dad-11d1-80b4-00c04fd430c8", "Double", "Array", "0", "4", "24"},
      {"ByteString", "AQID", "DateTime", "Variable", "0", "0", "56"},
  };
  for (int s = 0; s < 2; ++s) {
    servers.push_back(std::make_unique<TOPC_UA_Server>());
    TOPC_UA_Server& server = *servers.back();
    server.Enable = s == 0;
    server.ServerAddress = QStringLiteral("opc.tcp://127.0.0.1:%1").arg(4840 + s);
    server.Authorization = s == 0 ? QStringLiteral("Username and Password") : QStringLiteral("Certificate");
    server.UserName = QStringLiteral("operator");
    server.Password = QStringLiteral("secret");
    server.Certificate = QStringLiteral("-----BEGIN CERTIFICATE-----\r\nMIIB\r\n-----END CERTIFICATE-----");
    server.SecurityType = QStringLiteral("Sign");
    server.SecurityPolicy = QStringLiteral("Basic 256");
    for (const auto& r : rows) {
      for (const bool read : {true, false}) {
        auto v = std::make_unique<TOPC_UA_Variable>();
        v->Enable = true;
        v->DispalyName = QStringLiteral("Var %1").arg(QString::fromLatin1(r[0]));
        v->SetNodeType(QString::fromLatin1(r[0]));
        v->SetNodeID(QString::fromLatin1(r[1]));
        v->SetVarType(QString::fromLatin1(r[2]));
        v->nameSpaceIndex = 2;
        v->VarArray = QString::fromLatin1(r[3]);
        v->Start = QString::fromLatin1(r[4]);
        v->Len = QString::fromLatin1(r[5]);
        v->OnChange = QStringLiteral("Y");
        v->OnCMD = QStringLiteral("N");
        v->OnTimer = QStringLiteral("Y");
        v->Time = QStringLiteral("100");
        v->Position = QString::fromLatin1(r[6]);
        (read ? server.Var_List_R : server.Var_List_W).push_back(std::move(v));
      }
    }
  }
  return Saved(QStringLiteral("seed_OPC_UA_Client.xml"), [&](const QString& p) { Save_OPC_UA_Client(p, servers); });
}

QByteArray Table_File(const TTableEditorSpec& spec, const QString& name, const QList<QStringList>& rows) {
  const TEditorTableSpec& t = spec.Tables.front();
  TTextTable table(int(t.Columns.size()), t.Rows + 1);
  for (int row = 1; row <= t.Rows; ++row) Reset_Editor_Row(t, table, row);
  for (int row = 1; row <= rows.size(); ++row)
    for (int col = 1; col <= rows[row - 1].size(); ++col) table.SetCell(col, row, rows[row - 1][col - 1]);
  return Saved(name, [&](const QString& p) {
    TXMLDocument doc;
    Write_Editor_File(doc, p, Editor_File_Layout(spec), {&table});
  });
}

void OPC_UA_Seeds() {
  const QByteArray client = OPC_UA_Client_File();
  const QByteArray server = Table_File(OPC_UA_Server_Spec, QStringLiteral("seed_OPC_UA_Server.xml"),
                                       {{"Y", "Int16", "0", "2", "Level", "Read Only", "m"},
                                        {"N", "String", "2", "32", "Tag", "Read/Write", ""}});
  const QByteArray tls = Table_File(TLS_Known_Cert_Spec, QStringLiteral("seed_TLS_Known_Cert.xml"),
                                    {{"Y", "-----BEGIN CERTIFICATE-----\nMIIB\n-----END CERTIFICATE-----", "CA"},
                                     {"N", "second", ""}});
  Seed("opc_ua_files_fuzz", QStringLiteral("files.bin"), client + '\f' + server + '\f' + tls);
  Seed("opc_ua_files_fuzz", QStringLiteral("client_only.bin"), client);
}

// --- Field and cell texts. ---

void Text_Seeds() {
  const char* fields[] = {"123", "-2147483648", "9223372036854775807", "$7FFFFFFF", "0x10", " +42", "1.5", "3,25",
                          "192.168.0.10", "10.0.0.1:502", " 1 . 2 .3. 4", "1.3.6.1.2.1.1.0", "Sign and Encrypt",
                          "800F00CC8813ff00000000800000", "0A1B2C"};
  int n = 0;
  for (const char* f : fields) Seed("routines_fuzz", QStringLiteral("field%1.txt").arg(++n), QByteArray(f));

  // Edit masks, a byte 0x01 and a shown text.
  const char* masks[] = {"!99/99/0000;1;_\x01" "12/03/2024", "(999) 000-0000;0;_\x01(12 ) 345-6789", ">LL<ll\\;\x01" "AbCd",
                         "00:00:00;1;*\x01" "10:2*:**", "aaa;0;\x01"};
  for (const char* m : masks) Seed("edit_mask_fuzz", QStringLiteral("mask%1.txt").arg(++n), QByteArray(m));

  // Rich-text cells: what the rich edit writes, and RTF of other writers.
  Seed("rich_text_rtf_fuzz", QStringLiteral("written.rtf"),
       WriteRichText({{QStringLiteral("H"), 0}, {QStringLiteral("2"), -40}, {QStringLiteral("O\ttab\n{x}"), 0},
                      {QString::fromUtf16(u"\u00E9\u0080\u20AC"), 40}},
                     QStringLiteral("Arial"), 10));
  const char* rtfs[] = {
      "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}{\\*\\generator W;}\\uc1\\pard H\\dn4 2\\dn0 O\\par\n}",
      "{\\rtf1 a{\\super b}c\\u8364?\\uc0\\u1047 \\'e9\\bin2 {}\\line\\tab}",
      "plain\r\ntext",
  };
  for (const char* r : rtfs) Seed("rich_text_rtf_fuzz", QStringLiteral("rtf%1.rtf").arg(++n), QByteArray(r));

  // The first byte: bit 0 the German format, bit 1 case-sensitive; then the
  // pattern, a byte 0x01 and the cell.
  struct Cell {
    char mode;
    const char* pattern;
    const char* cell;
  };
  const Cell cells[] = {
      {0, ">5&<10", "7"},
      {2, "(A*|B*)&*Z", "AXZ"},
      {1, ">15.01.2023", "01.02.2023"},
      {0, "!\"R&D\"|?x", "R&D"},
      {0, "b", "<B>ab</B>c &amp; 1 &lt; 2<BR>x"},
      {0, "ID1",
       "<CONTROL TYPE=\"EDIT\" ID=\"ID1\" VALUE=\"x&amp;y\" WIDTH=\"40\" PROP=\"p\" MAXLEN=\"8\">"
       "<CONTROL TYPE=\"RADIO\" ID=\"r\" VALUE=\"TRUE\">"},
      {0, "Mc", "ronald mcdonald henry iii o'neil-smith"},
      {1, ",", "\"a\"\"b\",c\r\nd\x0b" "e~f\\ng"},
      {0, "|\\", "|\\\x02" "A\x03" "B"},
      {3, "1.234,5", "(1.234,50) EUR 31.12.99 7:30"},
  };
  n = 0;
  for (const Cell& c : cells)
    Seed("grid_text_fuzz", QStringLiteral("cell%1.bin").arg(++n),
         QByteArray(1, c.mode) + c.pattern + '\x01' + c.cell);
}

// --- Dropped data as the grid offers it, and a list of files and links. ---

void Drop_Seeds() {
  // The first byte: bits 0 to 4 the formats offered (text, rich text, uri-list,
  // column, cells), bit 5 the rich-text switch, bit 6 Ctrl; then the five payloads
  // cut at bytes 0x01.
  SetAcceptRtfDrop(true);
  const QByteArray stream("\x02\x00\x00\x00" "a\tb", 7);
  const TSourceDataObject text(QStringLiteral("a\tb\r\nc\u00E9"), QStringLiteral("{\\rtf1 x}"), -1, &stream);
  const TSourceDataObject column(QString(), QString(), 3, nullptr);
  const QByteArray uris("# dropped\r\nfile:///tmp/a%20b.csv\r\nhttps://example.com/x?y=1\r\nfile://host/share/c.xls\r\n");
  const auto payloads = [&](const TSourceDataObject& o) {
    return o.GetData(TextMimeType()) + '\x01' + o.GetData(RichTextMimeType()) + '\x01' + uris + '\x01' +
           o.GetData(GridColumnMimeType()) + '\x01' + o.GetData(GridCellsMimeType());
  };
  Seed("drop_payloads_fuzz", QStringLiteral("text.bin"), QByteArray(1, '\x37') + payloads(text));
  Seed("drop_payloads_fuzz", QStringLiteral("column.bin"), QByteArray(1, '\x48') + payloads(column));
  Seed("drop_payloads_fuzz", QStringLiteral("files.bin"), QByteArray(1, '\x04') + payloads(column));
  // A real block of 2 x 1 cells, as a copy or a drag of the grid carries it.
  QByteArray block;
  TCellStreamWriter writer(block);
  TCellStreamHeader header;
  header.ColCount = 2;
  header.RowCount = 1;
  header.ColWidths = QStringLiteral("64,64");
  header.RowHeights = QStringLiteral("22");
  writer.WriteHeader(header);
  for (int c = 0; c < 2; ++c) {
    TStreamedCell cell;
    cell.Col = 3 + c;
    cell.Row = 5;
    cell.Text = c == 0 ? QStringLiteral("left") : QStringLiteral("right");
    writer.WriteCell(cell);
  }
  const TSourceDataObject cells(QStringLiteral("left\tright"), QString(), -1, &block);
  Seed("drop_payloads_fuzz", QStringLiteral("cells.bin"), QByteArray(1, '\x11') + payloads(cells));
  SetAcceptRtfDrop(false);
}

// --- The CAN-family editors' files, as the editors write them. ---

// An editor's file with `rows` filled in its first table (the others empty).
QByteArray Editor_File(const TTableEditorSpec& spec, const QList<QStringList>& rows) {
  std::vector<std::unique_ptr<TTextTable>> owned;
  std::vector<const TEditorTable*> tables;
  for (const TEditorTableSpec& t : spec.Tables) {
    owned.push_back(std::make_unique<TTextTable>(int(t.Columns.size()), t.Rows + 1));
    for (int row = 1; row < owned.back()->RowCount(); ++row) Reset_Editor_Row(t, *owned.back(), row);
    tables.push_back(owned.back().get());
  }
  for (int r = 0; r < rows.size(); ++r)
    for (int c = 0; c < rows[r].size(); ++c) owned.front()->SetCell(c + 1, r + 1, rows[r][c]);
  return Saved(QStringLiteral("seed_editor.xml"), [&](const QString& p) {
    TXMLDocument doc;
    Write_Editor_File(doc, p, Editor_File_Layout(spec), tables);
  });
}

// Two rows of every column of the first table: "Y" in check-box columns, else a
// number the column's checks are likely to take.
QList<QStringList> Sample_Rows(const TTableEditorSpec& spec) {
  QList<QStringList> rows;
  for (int r = 1; r <= 2; ++r) {
    QStringList row;
    const auto& columns = spec.Tables.front().Columns;
    for (int c = 1; c < columns.size(); ++c)
      row << (columns[c].Editor == edDataCheckBox ? QStringLiteral("Y") : QString::number(r));
    rows << row;
  }
  return rows;
}

void CAN_Editor_Seeds() {
  const QByteArray pdo = Editor_File(PDO_Spec, {{"0x181", "2", "0", "1", "", "", "", "", "", "", "0", "In"}});
  const QByteArray sdo = Editor_File(SDO_Server_Spec, {{"0x2000", "1", "2", "0", "1", "", "", "Out"},
                                                      {"0x2000", "0", "4", "2", "3", "4", "5", "Word"}});
  const QByteArray net = Editor_File(DNet_Spec, {{"3", "2", "1", "Valves"}, {"7", "0", "2", "Drive"}});
  std::vector<TSlave_DN> slaves(2);
  slaves[0].ID = 3;
  slaves[0].SL_ByteIN = {"0", "None"};
  slaves[0].SL_ByteIN_M = {"a", ""};
  slaves[0].SL_ByteOUT = {"5"};
  slaves[0].SL_ByteOUT_M = {"b"};
  slaves[1].ID = 7;
  slaves[1].SL_ByteOUT = {"6", "None"};
  slaves[1].SL_ByteOUT_M = {"", "c"};
  const QByteArray offsets =
      Saved(QStringLiteral("seed_offsets.xml"), [&](const QString& p) { Save_Offset_Slave_DN(p, slaves); });
  const TTableEditorSpec* const editors[] = {
      &Receive_CAN_Spec,    &Transmit_CAN_Spec, &DNet_Spec,          &DMX_Spec,
      &PDO_Spec,            &SDO_Client_Spec,   &SDO_Server_Spec,    &Receive_J1939_Spec,
      &Transmit_J1939_Spec, &Receive_NMEA_Spec, &Transmit_NMEA_Spec,
  };
  for (const TTableEditorSpec* spec : editors)
    Seed("can_editor_files_fuzz", spec->FormName + QStringLiteral(".bin"),
         Editor_File(*spec, Sample_Rows(*spec)) + '\f' + pdo + '\f' + sdo + '\f' + net + '\f' + offsets);
}

// --- Pasted clipboard texts. ---

void Paste_Seeds() {
  // Six setting bytes (editor kind, edit type and flags, selection start and
  // length, length limit, decimals and maximum length), then the editor's text,
  // the pasted text, the valid characters, the prefix and the suffix.
  struct Paste {
    const char settings[6];
    const char* texts;
  };
  const Paste pastes[] = {
      {{0, 0, 0, 0, 0, 0}, "abc\x01" "12\r\n\x01\x01\x01"},
      {{1, 0x11, 1, 0, 10, 0}, "12\x01" "-34\x01\x01\x01"},
      {{3, 0x62, 2, 1, 0, 0x12}, "1,234.5\x01" "99.25\x01\x01$ \x01 USD"},
      {{(char)0x84, 0x27, 0, 3, 5, 0x03}, "1.234,5\x01" "7,5\x01\x01\x01"},
      {{6, 4, 0, 0, 0, 0}, "\x01" "mc donald o'neil\x01\x01\x01"},
      {{10, 0x0B, 0, 0, 0, 0}, "AB\x01" "BAD\x01" "ABCD\x01\x01"},
      {{9, 3, 0, 0, 4, 0}, "\x01\xC3\x9F\xC3\x9F\x01\x01\x01"},
      // Grid clipboard texts: a multi-line cell, a block with a quoted field and
      // rich text, two dates and two numbers starting series.
      {{0, 0, 0, 0, 0, 0}, "first\r\nsecond\x01" "a\t\"x\ny\"\r\nb\tc\r\n\x01{\\rtf1 caf\\'e9}\x01\x01"},
      {{0, 0, 0, 0, 0, 0}, "\x01" "15/01/2024\t15/02/2024\r\n\x01\x01\x01"},
      {{0, 0, 0, 0, 0, 0}, "\x01" "1.5\t2.25\r\n10\t5\x01\x01\x01"},
  };
  int n = 0;
  for (const Paste& p : pastes)
    Seed("clipboard_paste_fuzz", QStringLiteral("paste%1.bin").arg(++n), QByteArray(p.settings, 6) + p.texts);
}

// --- Pictures and mini-HTML texts. ---

// A GIF file of `frames` frames of w x h pixels, each of one colour, its image
// data coded the simple way (a clear code before every pixel).
QByteArray Gif_Seed(int w, int h, int frames) {
  auto word = [](QByteArray& b, int v) {
    b.append(static_cast<char>(v & 0xFF));
    b.append(static_cast<char>((v >> 8) & 0xFF));
  };
  QByteArray b("GIF89a");
  word(b, w);
  word(b, h);
  b.append("\x81\x00\x00", 3);
  b.append("\xFF\xFF\xFF\xFF\x00\x00\x00\xFF\x00\x00\x00\xFF", 12);
  for (int f = 0; f < frames; ++f) {
    b.append("\x21\xF9\x04", 3);
    b.append(static_cast<char>(f == 1 ? 9 : 0));
    word(b, 10 * (f + 1));
    b.append("\x00\x00\x2C", 3);
    word(b, f);
    word(b, 0);
    word(b, w - f);
    word(b, h);
    b.append('\0');
    QByteArray bits;
    uint32_t acc = 0;
    int n = 0;
    auto put = [&](int code) {
      acc |= static_cast<uint32_t>(code) << n;
      n += 3;
      while (n >= 8) {
        bits.append(static_cast<char>(acc & 0xFF));
        acc >>= 8;
        n -= 8;
      }
    };
    for (int i = 0; i < (w - f) * h; ++i) {
      put(4);
      put(1 + f % 3);
    }
    put(5);
    if (n > 0) bits.append(static_cast<char>(acc & 0xFF));
    b.append('\x02');
    for (int i = 0; i < bits.size(); i += 255) {
      const QByteArray block = bits.mid(i, 255);
      b.append(static_cast<char>(block.size()));
      b.append(block);
    }
    b.append('\0');
  }
  b.append('\x3B');
  return b;
}

void Html_Seeds() {
  Seed("html_picture_fuzz", QStringLiteral("three_frames.gif"), Gif_Seed(6, 4, 3));
  Seed("html_picture_fuzz", QStringLiteral("one_frame.gif"), Gif_Seed(3, 3, 1));
  const char* texts[] = {
      "<B>bold</B> <I>it</I> <A HREF=\"http://x\" TITLE=\"t\">link</A> &amp; &lt;tag&gt; text<BR>next",
      "<UL><LI>one<LI>two</UL><P ALIGN=\"CENTER\" INDENT=\"8\" BGCOLOR=\"#CCE8FF\">centre</P>",
      "<IMG SRC=\"pic\" WIDTH=\"9\" ALIGN=\"MIDDLE\"><IMG SRC=\"IDX:1\"><IMG SRC=\"pic\" ALT=\"IDX:0\">",
      "<CONTROL TYPE=\"CHECK\" ID=\"c\" VALUE=\"TRUE\" WIDTH=\"20\"><CONTROL TYPE=\"EDIT\" ID=\"e\" "
      "VALUE=\"v\" WIDTH=\"50\" HEIGHT=\"30\"><CONTROL TYPE=\"BUTTON\" ID=\"b\" VALUE=\"Go\" WIDTH=\"40\">",
      "<FONT FACE=\"Arial\" SIZE=\"3\" COLOR=\"clred\" BGCOLOR=\"clyellow\">f</FONT><HI>h</HI><SUB>2</SUB>"
      "<SUP>3</SUP><SHAD>s</SHAD><E>e</E><R A=\"90\">r</R><Z>z</Z><IND X=\"40\">i<BODY BGCOLOR=\"clgreen\">",
  };
  int n = 0;
  for (const char* t : texts)
    Seed("html_render_fuzz", QStringLiteral("text%1.bin").arg(++n), QByteArray("\x30\x08\x05", 3) + t);
}

// --- EDS connection sections and EDE files (the program's own among them). ---

void Fieldbus_Seeds() {
  Seed("eds_connections_fuzz", QStringLiteral("one_line.eds"),
       "[Device]\r\nVendCode = 1;\r\n[Connection Manager]\r\n"
       "Connection1 = 0x04010002, 0x44640405, , 0, , , 0, , , , , , \"Exclusive Owner\", \"\", "
       "\"20 04 24 01 2C 96 2C 64\";\r\n");
  Seed("eds_connections_fuzz", QStringLiteral("lines.eds"),
       "[Connection Manager]\n  Revision = 1; $ object\n  Connection1 =\n    0x04010002, $ trigger\n"
       "    0x00003300,\n    ,0,,\n    ,0,,\n    ,,\n    ,,\n    \"In $1, fast\",\n    \"Connection help\",\n"
       "    \"20 04 25 00 96 00\"\n    \"2C 96 24 02 2C 64\";\n"
       "  Connection2 = 0x02010002, 0x44640305, , 0, , , 0, , , , , , \"B\", \"\", "
       "\"20 04 26 00 01 00 01 00 2C 70 2C 71\"; Connection3 = x;\n[Assembly]\n");

  Project_Folder = PathJoin(Fuzz_Folder(), QStringLiteral("seed_project"));
  ForceDirectories(Project_Folder);
  Set_Files();
  Project_Name = QStringLiteral("Plant");
  WriteFileWhole(File_ParGen, "<Par_Gen><BACnet_DEV_IDE>77</BACnet_DEV_IDE></Par_Gen>");
  WriteFileWhole(File_BACnet_Slave,
                 "<BACnet_to_Modbus><BACnet_in_Read>"
                 "<row Data_Type=\"Analog Input\" Eng_Unit=\"62\" Mnemonic=\"Room\"/>"
                 "<row Data_Type=\"Binary Value\" Eng_Unit=\"95\" Mnemonic=\"Run\"/>"
                 "</BACnet_in_Read><BACnet_in_Write>"
                 "<row Data_Type=\"Multi State Value\" Eng_Unit=\"95\" Mnemonic=\"Mode\"/>"
                 "</BACnet_in_Write></BACnet_to_Modbus>");
  const QString ede = PathJoin(Project_Folder, QStringLiteral("objects.csv"));
  Create_EDE_File(ede);
  Seed("ede_import_fuzz", QStringLiteral("ours.csv"), ReadFileWhole(ede));
  const QString remote = QStringLiteral(
      "PROJECT_NAME;Remote;;\nVERSION_OF_REFERENCEFILE;1;;\nTIMESTAMP_OF_LAST_CHANGE;x;;\n"
      "AUTHOR_OF_LAST_CHANGE;y;;\nVERSION_OF_LAYOUT;2;;\n#\n#mandatory;mandatory\n# keyname\n"
      "k1;5;T\u00e4mp;0;1;Room;20.5;0;100;N;N;;;;62;addr;\n"
      "k2;5;Valve;1;2;Valve position;0;0;100;y;Y;90;10;;98;;\n"
      "k3;5;Device;8;5;The device;;;;N;N;;;;;;\nk5;5;Count;23;0;Counter\n");
  Seed("ede_import_fuzz", QStringLiteral("remote.csv"), EncodeWindows1252(remote));
  QStringEncoder utf16(QStringConverter::Utf16LE, QStringConverter::Flag::WriteBom);
  Seed("ede_import_fuzz", QStringLiteral("remote16.csv"), utf16.encode(remote));
}

// --- The grid's own files, as its writers make them. ---

void Grid_File_Seeds() {
  // The first byte picks the reader: 0 cell stream, 1 text cell file, 2 text
  // cell stream, 3 CSV, 4 XML, 5 settings; the higher bits its options.
  QByteArray stream;
  TCellStreamWriter w(stream);
  w.WriteHeader({3, 2, "64,64,64", "24,24", true, 12345});
  TStreamedCell cell;
  cell.Text = QStringLiteral("caf\u00e9 \u4e2d");
  w.WriteCell(cell);
  cell.Col = 1;
  cell.Text = "merged";
  cell.HasProp = true;
  cell.Props.CellSpanX = 1;
  cell.Props.FontName = "Arial";
  cell.Props.FontStyle = 3;
  cell.HasGraphic = true;
  cell.Graphic.CellType = 9;  // a radio group
  cell.Graphic.CellValue = 2.5;
  cell.Strings = QStringList({"one", "two"});
  w.WriteCell(cell);
  cell.Col = 2;
  cell.Graphic.CellType = 11;  // image indexes
  cell.Strings = QStringList({"1", "3"});
  w.WriteCell(cell);
  Seed("grid_files_fuzz", QStringLiteral("stream.bin"), QByteArray(1, '\0') + stream);
  Seed("grid_files_fuzz", QStringLiteral("textfile.bin"),
       QByteArray(1, '\1') + EncodeTextLines({"3,2", "cw 0,64", "cw 1,80", "0,0,x", "1,1,a\x09\x08" "b"}, teAnsi));
  Seed("grid_files_fuzz", QStringLiteral("textstream.bin"),
       QByteArray(1, '\2') + EncodeTextCellStream({"2,2", "cw 0,64", "0,0,a", "1,1,b"}) + QByteArray("x\0\r\0\n\0", 6));
  TCsvDialect csv;
  const QStringList fields = {"plain", "a,b", "say \"hi\"", "two\r\nlines", ""};
  QStringList lines;
  for (int row = 0; row < 3; ++row) {
    QStringList written;
    for (const QString& f : fields) written.append(CsvField(f, csv));
    lines.append(written.join(u','));
  }
  Seed("grid_files_fuzz", QStringLiteral("csv.bin"), QByteArray(1, '\3') + EncodeTextLines(lines, teUtf8Bom));
  csv.JavaCSV = true;
  csv.Delimiter = u';';
  lines.clear();
  for (const QString& f : fields) lines.append(CsvField(f, csv) + u';' + CsvField(f, csv));
  Seed("grid_files_fuzz", QStringLiteral("java.bin"), QByteArray(1, '\x0B') + EncodeTextLines(lines, teAnsi));
  const QString xml = QStringLiteral("<?xml version=\"1.0\" encoding=\"ISO-8859-1\" ?>\r\n<list>\r\n<row id=\"1\">\r\n"
                                     "<FIELD0>") + XmlEscape("a & b <c>") + QStringLiteral("</FIELD0>\r\n<FIELD1>$amp;</FIELD1>\r\n"
                                     "<n><m x=\"2\">t</m></n>\r\n</row>\r\n</list>\r\n");
  Seed("grid_files_fuzz", QStringLiteral("xml.bin"), QByteArray(1, '\x0C') + EncodeXmlDocument(xml, "ISO-8859-1"));
  Seed("grid_files_fuzz", QStringLiteral("fixed.bin"),
       QByteArray("\x06") + EncodeTextLines({"ab longer text z", "a  two lines   ", ""}, teAnsi));
  Seed("grid_files_fuzz", QStringLiteral("states.bin"),
       QByteArray("\x05" "4#64,80,64,20#1,0,2,3#1,0,1,1\n"
                  "Color=clWindow\r\nFont.Style=fsBold,fsItalic\r\nFont.Size=10\r\nLook=glXP\r\n"
                  "[Grid]\r\nCol0=64\r\nPos0=1\r\n[Print]\r\nBorders=5\r\nTitleLines=a\\nb\r\n"));
}

void Office_Seeds() {
  TSheetWrite write;
  write.Rows = {{"Name", "Qty"}, {"apple", "12"}, {"x\ny", "3.5"}};
  const QByteArray book = WriteXlsxSheet(QByteArray(), write);
  Seed("office_files_fuzz", QStringLiteral("book.bin"), QByteArray(1, '\0') + book);
  write.SheetName = "Second";
  Seed("office_files_fuzz", QStringLiteral("two.bin"), QByteArray(1, '\0') + WriteXlsxSheet(book, write));
  Seed("office_files_fuzz", QStringLiteral("xls.bin"),
       QByteArray(1, '\1') + QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8) + QByteArray(504, '\0'));
  TDocTable table;
  table.Text = "Title";
  table.Rows = {{"a", "b"}};
  Seed("office_files_fuzz", QStringLiteral("doc.bin"), QByteArray(1, '\2') + WriteDocxTable(QByteArray(), table, false, {}));
}

// --- Column streams as a column grid writes them, and column positions. ---

void Column_Seeds() {
  TColumnStreamItem plain;
  plain.Width = 64;
  plain.CheckTrue = "Y";
  plain.CheckFalse = "N";
  plain.Font.Name = "Tahoma";
  plain.Font.Height = -11;
  TColumnStreamItem busy = plain;
  busy.Header = "Price";
  busy.Name = "price";
  busy.Alignment = 2;
  busy.Borders = 0x9;
  busy.ColumnPopup = "ColumnMenu";
  busy.EditLink = "PriceEditor";
  busy.ComboItems = QStringList({"one", QStringLiteral("tw\u00f6")});
  busy.Filter = QStringList({"> 3"});
  busy.Editor = edMaskEditBtn;
  busy.PrintBorderCustom = false;
  busy.Font.Style.Include(fsBold);
  busy.SortStyle = 19;
  busy.SortSuffix = QString(300, u'x');
  busy.SpinMin = -70000;
  Seed("column_stream_fuzz", "one.bin", WriteColumnStream({plain}));
  Seed("column_stream_fuzz", "three.bin", WriteColumnStream({plain, busy, plain}));
  Seed("column_stream_fuzz", "none.bin", WriteColumnStream({}));

  // The first byte: the column count less one, bit 7 for the "Pos" keys.
  Seed("column_positions_fuzz", "cp.ini", "\x03[Grid]\nCP0=2\nCP1=0\nCP2=3\nCP3=1\n");
  Seed("column_positions_fuzz", "pos.ini", "\x82[Other]\nPos0=1\n\n[grid]\npos0=1\npos1=2\npos2=0\n");
  Seed("column_positions_fuzz", "bad.ini", "\x02; hand-edited\n[Grid]\nCP0=$1\nCP1=x\nCP1=0\n");
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <seed folder>\n", argv[0]);
    return 2;
  }
  g_root = QString::fromLocal8Bit(argv[1]);
  Reset_Comon();
  Set_Folders(Fuzz_Folder());
  Settings_Seeds();
  Language_Seeds();
  Gateway_Seeds();
  CAN_Editor_Seeds();
  Network_Seeds();
  OPC_UA_Seeds();
  Text_Seeds();
  Drop_Seeds();
  Paste_Seeds();
  Html_Seeds();
  Fieldbus_Seeds();
  Grid_File_Seeds();
  Office_Seeds();
  Column_Seeds();
  return 0;
}
