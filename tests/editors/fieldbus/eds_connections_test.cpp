// The connections of an EDS file's "[Connection Manager]" section: a table of
// small sections (entries over several lines, comments, quotes, each kind of path
// segment, entries that do not decode), the encodings of the file, and the
// connection dialog, which closes with its error when the file gives none.
#include "editors/fieldbus/eds_connections.h"
#include "editors/fieldbus/eds_dialog.h"

#include "app/language/language.h"
#include "app/state/comon.h"
#include "controls/button/fade_button.h"
#include "grid/view/column_grid.h"
#include "platform/os/files.h"
#include "tests/support/project_fixture.h"
#include "tests/support/scripted_ui.h"
#include "tests/support/ui_input.h"

#include <QDir>
#include <QElapsedTimer>
#include <QStringEncoder>
#include <gtest/gtest.h>

namespace {

using EDSConnections = ProjectTest;

// A connection as "name|instance O>T|point O>T|instance T>O|point T>O|header O>T|header T>O".
QStringList Seen(const QList<TConnData>& connections) {
  QStringList seen;
  for (const TConnData& c : connections) {
    const QStringList row = EDS_Connection_Row(c);
    seen << row[0] + u':' + QStringList{row[1], row[3], row[4], row[5], row[6], row[7], row[8]}.join(u'|');
  }
  return seen;
}

// An entry of one line with the parameters, name and path given.
QString Entry(int n, const char* parameters, const char* name, const char* path) {
  return QStringLiteral("Connection%1 = 0x04010002, %2, , 0, , , 0, , , , , , %3, \"\", %4;\n")
      .arg(n)
      .arg(QString::fromLatin1(parameters), QString::fromUtf8(name), QString::fromLatin1(path));
}

QString Section(const QString& body) { return QStringLiteral("[Device]\nVendCode = 1;\n[Connection Manager]\n") + body; }

const char* const kBasic = "\"20 04 24 01 2C 96 2C 64\"";

}  // namespace

TEST_F(EDSConnections, SectionsGiveTheirConnections) {
  struct Case {
    const char* name;
    QString text;
    QStringList connections;
  } cases[] = {
      {"one line: instance 1, points 150 and 100, usual headers",
       Section(Entry(1, "0x44640405", "\"Exclusive Owner\"", kBasic)),
       {"Connection1:\"Exclusive Owner\"|1|150|1|100|Default|Default"}},
      {"an entry over several lines with comments",
       Section("  Revision = 1;   $ of the object\n"
               "  Connection1 =\n"
               "    0x04010002,        $ trigger & transport\n"
               "    0x44640405,        $ parameters\n"
               "    ,0,,               $ O>T\n"
               "    ,0,,               $ T>O\n"
               "    ,,                 $ configuration 1\n"
               "    ,,                 $ configuration 2\n"
               "    \"Exclusive Owner\", $ name\n"
               "    \"\",                $ help\n"
               "    \"20 04 24 01 2C 96 2C 64\";  $ path\n"),
       {"Connection1:\"Exclusive Owner\"|1|150|1|100|Default|Default"}},
      {"a path split over two lines",
       Section("Connection1 = 0x04010002, 0x44640405, , 0, , , 0, , , , , , \"A\", \"\",\n"
               "  \"20 04 24 01\"\n  \"2C 96 2C 64\";\n"),
       {"Connection1:\"A\"|1|150|1|100|Default|Default"}},
      {"a T > O instance of its own", Section(Entry(1, "0x44640405", "\"A\"", "\"20 04 24 01 2C 96 24 02 2C 64\"")),
       {"Connection1:\"A\"|1|150|2|100|Default|Default"}},
      {"a 16-bit instance keeps its value", Section(Entry(1, "0x44640405", "\"A\"", "\"20 04 25 00 2C 01 2C 96 2C 64\"")),
       {"Connection1:\"A\"|300|150|300|100|Default|Default"}},
      {"the 16-bit instance of 150", Section(Entry(1, "0x44640405", "\"A\"", "\"20 04 25 00 96 00 2C 96 2C 64\"")),
       {"Connection1:\"A\"|150|150|150|100|Default|Default"}},
      {"a 32-bit instance keeps its value",
       Section(Entry(1, "0x44640405", "\"A\"", "\"20 04 26 00 01 00 01 00 2C 96 2C 64\"")),
       {"Connection1:\"A\"|65537|150|65537|100|Default|Default"}},
      {"no instance segment", Section(Entry(1, "0x44640405", "\"A\"", "\"20 04 2C 96 2C 64\"")),
       {"Connection1:\"A\"|1|150|1|100|Default|Default"}},
      {"headers of 3 and 3", Section(Entry(1, "0x00003300", "\"A\"", kBasic)), {"Connection1:\"A\"|1|150|1|100|3|3"}},
      {"parameters that are no number give 7", Section(Entry(1, "junk", "\"A\"", kBasic)),
       {"Connection1:\"A\"|1|150|1|100|7|7"}},
      {"five bytes", Section(Entry(1, "0x44640405", "\"A\"", "\"20 04 24 01 2C\"")), {}},
      {"no class segment first", Section(Entry(1, "0x44640405", "\"A\"", "\"21 04 24 01 2C 96 2C 64\"")), {}},
      {"one connection point", Section(Entry(1, "0x44640405", "\"A\"", "\"20 04 24 01 2C 96 00 00\"")), {}},
      {"a 32-bit instance cut short", Section(Entry(1, "0x44640405", "\"A\"", "\"20 04 26 00 01 00\"")), {}},
      {"a dollar and a comma inside quotes are text",
       Section(Entry(1, "0x44640405", "\"Out $1, fast\"", kBasic) + "$ Connection2 = a comment\n"),
       {"Connection1:\"Out $1, fast\"|1|150|1|100|Default|Default"}},
      {"the word Connection on a line of its own is text",
       Section("Connection1 = 0x04010002, 0x44640405, , 0, , , 0, , , , , , \"A\",\n"
               "  \"Connection to the PLC\",\n  \"20 04 24 01 2C 96 2C 64\";\n"),
       {"Connection1:\"A\"|1|150|1|100|Default|Default"}},
      {"two entries, the first not decoding",
       Section(Entry(1, "0x44640405", "\"Bad\"", "\"20 04\"") + Entry(2, "0x44640405", "\"Good\"", kBasic)),
       {"Connection1:\"Good\"|1|150|1|100|Default|Default"}},
      {"two entries on one line",
       Section(Entry(1, "0x44640405", "\"A\"", kBasic).trimmed() + u' ' + Entry(2, "0x00003300", "\"B\"", kBasic)),
       {"Connection1:\"A\"|1|150|1|100|Default|Default", "Connection2:\"B\"|1|150|1|100|3|3"}},
      {"an entry without its end is dropped",
       Section("Connection1 = 0x04010002, 0x44640405, , 0, , , 0, , , , , , \"A\", \"\", \"20 04 24 01 2C 96 2C 64\"\n" +
               Entry(2, "0x44640405", "\"B\"", kBasic)),
       {"Connection1:\"B\"|1|150|1|100|Default|Default"}},
      {"entries outside the section are not read",
       QStringLiteral("[Params]\n") + Entry(1, "0x44640405", "\"A\"", kBasic) + "[Connection Manager]\n" +
           Entry(2, "0x44640405", "\"B\"", kBasic) + "[Assembly]\n" + Entry(3, "0x44640405", "\"C\"", kBasic) +
           "[Connection Manager]\n" + Entry(4, "0x44640405", "\"D\"", kBasic),
       {"Connection1:\"B\"|1|150|1|100|Default|Default", "Connection2:\"D\"|1|150|1|100|Default|Default"}},
      {"no section", QStringLiteral("[Device]\n") + Entry(1, "0x44640405", "\"A\"", kBasic), {}},
      {"tokens that are no byte are passed over",
       Section(Entry(1, "0x44640405", "\"A\"", "\"20 04 24 01 ZZ 100 2C 96  2C 64\"")),
       {"Connection1:\"A\"|1|150|1|100|Default|Default"}},
  };
  for (const Case& c : cases) EXPECT_EQ(Seen(Read_EDS_Connections(c.text)), c.connections) << c.name;
}

TEST_F(EDSConnections, TheFilesEncodingIsTakenFromItsByteOrderMark) {
  const QString text = Section(Entry(1, "0x44640405", "\"Ausg\u00e4nge\"", kBasic));
  const QStringList expected = {"Connection1:\"Ausg\u00e4nge\"|1|150|1|100|Default|Default"};
  QStringEncoder utf16(QStringConverter::Utf16LE, QStringConverter::Flag::WriteBom);
  const QByteArray utf16le = utf16.encode(text);
  EXPECT_EQ(Seen(Read_EDS_Connections(utf16le)), expected);
  EXPECT_EQ(Seen(Read_EDS_Connections(QByteArray("\xEF\xBB\xBF") + text.toUtf8())), expected);
  EXPECT_EQ(Seen(Read_EDS_Connections(text.toLatin1())), expected);  // Windows-1252
  // A path longer than the decoder holds is refused.
  QString path = QStringLiteral("\"20 04 24 01 2C 96 2C 64");
  for (int i = 0; i < kEDS_Max_Path_Bytes; ++i) path += QStringLiteral(" 00");
  EXPECT_TRUE(Read_EDS_Connections(Section(Entry(1, "0", "\"A\"", (path + u'"').toLatin1().constData()))).isEmpty());
}

TEST_F(EDSConnections, TheDialogListsTheConnectionsOrClosesWithItsError) {
  std::unique_ptr<TFEtherNEtIP_EDS> dialog(Create<TFEtherNEtIP_EDS>(nullptr));
  EXPECT_EQ(dialog->ClientWidth(), 1150);
  EXPECT_EQ(dialog->ECG->Columns()->Items(7)->Header(), "Dim Header O > T");
  const QString eds = QDir(Project_Folder).filePath("adapter.eds");
  WriteFileWhole(eds, Section(Entry(1, "0x44640405", "\"A\"", kBasic) + Entry(2, "0x00003300", "\"B\"", kBasic)).toUtf8());
  dialog->EDS_FileName = eds;
  ScriptedUi ui;
  ui.ExpectModal("TFEtherNEtIP_EDS", [&](TForm*) {
    EXPECT_EQ(dialog->ECG->RowCount(), 3);
    EXPECT_EQ(dialog->ECG->Row(), 1);
    EXPECT_EQ(dialog->ECG->GetCellEx(0, 2), "Connection2");
    EXPECT_EQ(dialog->ECG->GetCellEx(8, 2), "3");
    EXPECT_EQ(dialog->ECG->LeftCol(), 0);  // the connection's number is in view
    dialog->Btn_OK->Click();
  });
  EXPECT_EQ(dialog->ShowModal(), mrOk);

  // No connection in the file, or no file: 10 ms after it shows, the error and Cancel.
  for (const QString& path : {eds, QDir(Project_Folder).filePath("missing.eds")}) {
    WriteFileWhole(eds, "[Connection Manager]\nRevision = 1;\n");
    dialog->EDS_FileName = path;
    ui.ExpectModal("TFEtherNEtIP_EDS", [&](TForm* f) {
      ui.ExpectMessage(Lang_Text(5015), mrOk, mtError);
      QElapsedTimer waited;
      waited.start();
      while (f->ModalResult() == mrNone && waited.elapsed() < 5000) ProcessEvents();
      EXPECT_EQ(f->ModalResult(), mrCancel);
    });
    EXPECT_EQ(dialog->ShowModal(), mrCancel) << path.toStdString();
    EXPECT_EQ(dialog->ECG->RowCount(), 2);
  }
}
