// Writes the seed inputs of every fuzz target into <folder>/<target>/, with the
// program's own writers wherever the program writes such a file: the settings file,
// the three gateway project files, and language files in the format translators
// use (made of the default texts), the payloads of a drag from the grid. The text
// targets get typical cell, field and pasted texts.
//   fuzz_seeds <folder>
#include "app/editor_file/editor_table.h"
#include "app/language/default_texts.h"
#include "app/table_editor/table_editor_spec.h"
#include "app/settings/settings_file.h"
#include "app/state/comon.h"
#include "editors/can/can_frames.h"
#include "editors/can/canopen_tables.h"
#include "editors/can/device_net.h"
#include "editors/can/device_net_offsets.h"
#include "editors/can/dmx_values.h"
#include "editors/can/j1939_frames.h"
#include "fuzz/fuzz_support.h"
#include "platform/xml/xml_document.h"
#include "gateway/ethercat_slave_file.h"
#include "gateway/modbus_tcp_master_file.h"
#include "gateway/par_gen_file.h"
#include "grid/base/column_stream.h"
#include "grid/base/drag_drop_objects.h"
#include "platform/os/files.h"
#include "platform/rtl/codepage.h"

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

// --- Field and cell texts. ---

void Text_Seeds() {
  const char* fields[] = {"123", "-2147483648", "9223372036854775807", "$7FFFFFFF", "0x10", " +42", "1.5", "3,25",
                          "192.168.0.10", "10.0.0.1:502", " 1 . 2 .3. 4", "1.3.6.1.2.1.1.0", "Sign and Encrypt",
                          "800F00CC8813ff00000000800000", "0A1B2C"};
  int n = 0;
  for (const char* f : fields) Seed("routines_fuzz", QStringLiteral("field%1.txt").arg(++n), QByteArray(f));

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
  Text_Seeds();
  Drop_Seeds();
  Paste_Seeds();
  Html_Seeds();
  Column_Seeds();
  return 0;
}
