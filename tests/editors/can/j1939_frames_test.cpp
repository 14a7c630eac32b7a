// The J1939 and NMEA 2000 frame tables: the one check module under its four sets
// of options (spans, single frames, fast packets, running byte totals named
// without a row, request and send timers), the sending tables' used rows ending at
// the first empty Priority for the check as for the file, and the reading rules
// of the J1939 sending file (T_Type, the "8" byte count).
#include "editors/can/j1939_frames.h"

#include "app/state/comon.h"
#include "platform/os/files.h"
#include "tests/editors/editor_tables.h"
#include "tests/support/project_fixture.h"

#include <gtest/gtest.h>

namespace {

using J1939Frames = ProjectTest;

// DP, PGN, SA, TP, Start, N Byte, Cancel, On Request, Time, Mnemonic.
const QStringList kJ1939_Receive = {"0", "0xFEF1", "239", "N", "", "", "N", "N", "1000", "r"};
// Priority, DP, PGN, SA, N Bytes, Request, Data Change, On Timer, Send Timer, Mnemonic.
const QStringList kJ1939_Transmit = {"3", "1", "0x1FFFF", "255", "8", "N", "Y", "Y", "100", "t"};
// PGN, SA, TP, FP, Start, N Byte, Cancel, Mnemonic.
const QStringList kNMEA_Receive = {"0x1F801", "239", "N", "N", "", "", "N", "r"};
// Priority, PGN, SA, FP, Num Byte, Request, Data Change, On Timer, Send Timer, Mnemonic.
const QStringList kNMEA_Transmit = {"7", "130306", "239", "N", "0", "N", "N", "N", "", "t"};

QStringList With(QStringList row, std::initializer_list<std::pair<int, const char*>> cells) {
  for (const auto& [col, text] : cells) row[col - 1] = QString::fromUtf8(text);
  return row;
}

struct Case {
  const char* name;
  const TTableEditorSpec* spec;
  QList<QStringList> rows;
  QString message;
};

void Run_Case(const Case& c) {
  EditorTables t(*c.spec);
  for (int r = 0; r < c.rows.size(); ++r) t.SetRow(0, r + 1, c.rows[r]);
  EXPECT_EQ(t.Check(), c.message) << c.name;
}

QList<QStringList> Times(int n, const QStringList& row) {
  QList<QStringList> rows;
  for (int i = 0; i < n; ++i) rows << row;
  return rows;
}

}  // namespace

TEST_F(J1939Frames, ReceiveChecks) {
  const Case cases[] = {
      {"passes", &Receive_J1939_Spec, {kJ1939_Receive}, ""},
      {"empty data page", &Receive_J1939_Spec, {With(kJ1939_Receive, {{1, ""}})},
       "Error in row 1!! Data Page must be 0 or 1"},
      {"PGN 0x10000", &Receive_J1939_Spec, {With(kJ1939_Receive, {{2, "0x10000"}})},
       "Error in row 1!! PGN must be between 0x0000 and 0xFFFF"},
      {"SA 240", &Receive_J1939_Spec, {With(kJ1939_Receive, {{3, "240"}})},
       "Error in row 1!! Source Address must be between 0 and 239"},
      {"TP 1000 + 785", &Receive_J1939_Spec, {With(kJ1939_Receive, {{4, "Y"}, {5, "1000"}, {6, "785"}})}, ""},
      {"TP 1000 + 786", &Receive_J1939_Spec, {With(kJ1939_Receive, {{4, "Y"}, {5, "1000"}, {6, "786"}})},
       "Error in row 1!! Start Byte plus Number Bytes must be between 0 and 1785"},
      {"TP empty count", &Receive_J1939_Spec, {With(kJ1939_Receive, {{4, "Y"}, {5, "1"}})},
       "Error in row 1!! Start Byte plus Number Bytes must be between 0 and 1785"},
      {"TP start 1786", &Receive_J1939_Spec, {With(kJ1939_Receive, {{4, "Y"}, {5, "1786"}, {6, "0"}})},
       "Error in row 1!! Start Byte must be between 0 and 1785"},
      {"single 2 + 6", &Receive_J1939_Spec, {With(kJ1939_Receive, {{5, "2"}, {6, "6"}})}, ""},
      {"single 2 + 7", &Receive_J1939_Spec, {With(kJ1939_Receive, {{5, "2"}, {6, "7"}})},
       "Error in row 1!! The Number Bytes plus Start Byte must be minor of 9"},
      {"single start 0", &Receive_J1939_Spec, {With(kJ1939_Receive, {{5, "0"}, {6, "4"}})},
       "Error in row 1!! The Start Byte must be between 1 and 8"},
      {"single count 9", &Receive_J1939_Spec, {With(kJ1939_Receive, {{5, "1"}, {6, "9"}})},
       "Error in row 1!! The Number Bytes must be between 1 and 8"},
      {"single start without count", &Receive_J1939_Spec, {With(kJ1939_Receive, {{5, "1"}, {6, " "}})},
       "Error in row 1!! Start Byte and Number Bytes must be both compiled"},
      {"180 full frames fill 1440", &Receive_J1939_Spec, Times(180, kJ1939_Receive), ""},
      {"181 full frames", &Receive_J1939_Spec, Times(181, kJ1939_Receive),
       "Error!! Too many bytes of data, the max number is 1440"},
      {"a part counts 8 + N", &Receive_J1939_Spec,
       Times(179, kJ1939_Receive) << With(kJ1939_Receive, {{5, "1"}, {6, "1"}}),
       "Error!! Too many bytes of data, the max number is 1440"},
      {"request time 1", &Receive_J1939_Spec, {With(kJ1939_Receive, {{8, "Y"}, {9, "1"}})},
       "Error in row 1!! Time(ms) must be between 0 and 10000000"},
      {"request time 2", &Receive_J1939_Spec, {With(kJ1939_Receive, {{8, "Y"}, {9, "2"}})}, ""},
      {"no request: time unchecked", &Receive_J1939_Spec, {With(kJ1939_Receive, {{9, "x"}})}, ""},
      {"blank PGN is a used row", &Receive_J1939_Spec, {With(kJ1939_Receive, {{2, " "}})},
       "Error in row 1!! PGN must be between 0x0000 and 0xFFFF"},
      {"NMEA passes", &Receive_NMEA_Spec, {kNMEA_Receive}, ""},
      {"NMEA PGN 0x20000", &Receive_NMEA_Spec, {With(kNMEA_Receive, {{1, "0x20000"}})},
       "Error in row 1!! PGN must be between 0x00000 and 0x1FFFF"},
      {"NMEA TP and FP: the 1785 rule", &Receive_NMEA_Spec,
       {With(kNMEA_Receive, {{3, "Y"}, {4, "Y"}, {5, "1000"}, {6, "100"}})}, ""},
      {"NMEA TP 600 beyond the total", &Receive_NMEA_Spec, {With(kNMEA_Receive, {{3, "Y"}, {5, "0"}, {6, "600"}})},
       "Error!! Too many bytes of data, the max number is 512"},
      {"NMEA FP 200 + 23", &Receive_NMEA_Spec, {With(kNMEA_Receive, {{4, "Y"}, {5, "200"}, {6, "23"}})}, ""},
      {"NMEA FP 200 + 24", &Receive_NMEA_Spec, {With(kNMEA_Receive, {{4, "Y"}, {5, "200"}, {6, "24"}})},
       "Error in row 1!! Start Byte plus Number Bytes must be between 0 and 223"},
      {"NMEA FP start 224", &Receive_NMEA_Spec, {With(kNMEA_Receive, {{4, "Y"}, {5, "224"}, {6, "0"}})},
       "Error in row 1!! Start Byte must be between 0 and 223"},
      {"NMEA 62 full frames", &Receive_NMEA_Spec, Times(62, kNMEA_Receive), ""},
      {"NMEA 35 parts of 15", &Receive_NMEA_Spec, Times(35, With(kNMEA_Receive, {{5, "1"}, {6, "7"}})),
       "Error!! Too many bytes of data, the max number is 512"},
      {"NMEA single start 0", &Receive_NMEA_Spec, {With(kNMEA_Receive, {{5, "0"}, {6, "3"}})},
       "Error in row 1!! The Start Byte must be between 1 and 8"},
  };
  for (const Case& c : cases) Run_Case(c);
}

TEST_F(J1939Frames, TransmitChecksEndAtTheFirstEmptyPriority) {
  const Case cases[] = {
      {"passes", &Transmit_J1939_Spec, {kJ1939_Transmit}, ""},
      {"priority 8", &Transmit_J1939_Spec, {With(kJ1939_Transmit, {{1, "8"}})},
       "Error in row 1!! Priority must be between 0 and 7"},
      {"a PGN without priority ends the rows", &Transmit_J1939_Spec,
       {kJ1939_Transmit, With(kJ1939_Transmit, {{1, ""}}), With(kJ1939_Transmit, {{5, "x"}})}, ""},
      {"a priority without PGN is checked", &Transmit_J1939_Spec, {With(kJ1939_Transmit, {{3, ""}})},
       "Error in row 1!! PGN must be between 0x00000 and 0x1FFFF"},
      {"empty data page", &Transmit_J1939_Spec, {With(kJ1939_Transmit, {{2, ""}})},
       "Error in row 1!! Data Page must be 0 or 1"},
      {"SA 256", &Transmit_J1939_Spec, {With(kJ1939_Transmit, {{4, "256"}})},
       "Error in row 1!! Source Address must be between 0 and 255"},
      {"N Bytes 0", &Transmit_J1939_Spec, {With(kJ1939_Transmit, {{5, "0"}})},
       "Error in row 1!! Num Byte must be between 0 and 512"},
      {"256 + 256 + 1", &Transmit_J1939_Spec,
       {With(kJ1939_Transmit, {{5, "256"}}), With(kJ1939_Transmit, {{5, "256"}}), With(kJ1939_Transmit, {{5, "1"}})},
       "Error!! Too many bytes of data, the max number is 512"},
      {"send timer 0", &Transmit_J1939_Spec, {With(kJ1939_Transmit, {{9, "0"}})},
       "Error in row 1!! Send Timer must be between 1 and 65535 ms"},
      {"no timer: send timer unchecked", &Transmit_J1939_Spec, {With(kJ1939_Transmit, {{8, "N"}, {9, ""}})}, ""},
      {"NMEA passes with 0 bytes", &Transmit_NMEA_Spec, {kNMEA_Transmit}, ""},
      {"NMEA SA 240", &Transmit_NMEA_Spec, {With(kNMEA_Transmit, {{3, "240"}})},
       "Error in row 1!! Source Address must be between 0 and 239"},
      {"NMEA 513 bytes", &Transmit_NMEA_Spec, {With(kNMEA_Transmit, {{5, "513"}})},
       "Error in row 1!! Num Byte must be between 0 and 512"},
      {"NMEA empty byte count", &Transmit_NMEA_Spec, {With(kNMEA_Transmit, {{5, ""}})},
       "Error in row 1!! Num Byte must be between 0 and 512"},
      {"NMEA 300 + 300", &Transmit_NMEA_Spec,
       {With(kNMEA_Transmit, {{5, "300"}}), With(kNMEA_Transmit, {{5, "300"}})},
       "Error!! Too many bytes of data, the max number is 512"},
      {"NMEA send timer", &Transmit_NMEA_Spec, {With(kNMEA_Transmit, {{8, "Y"}, {9, "65536"}})},
       "Error in row 1!! Send Timer must be between 1 and 65535 ms"},
  };
  for (const Case& c : cases) Run_Case(c);

  // What the check passed is what OK writes: up to the first empty Priority.
  EditorTables t(Transmit_J1939_Spec);
  t.SetRow(0, 1, kJ1939_Transmit);
  t.SetRow(0, 2, With(kJ1939_Transmit, {{1, ""}}));
  t.SetRow(0, 3, kJ1939_Transmit);
  t.Save(File_J1939_Send_Frames);
  EXPECT_EQ(QString::fromUtf8(ReadFileWhole(File_J1939_Send_Frames)).count("<row "), 1);
}

TEST_F(J1939Frames, FilesAreReadGuardedWithTheOlderSendingRule) {
  WriteFileWhole(File_J1939_Send_Frames,
                 "<Transmit_J1939>"
                 "<row Priority=\"1\" PGN=\"5\" T_Type=\"on timer\" On_Request=\"Y\" On_Data_Change=\"Y\"/>"
                 "<row Priority=\"2\" T_Type=\"On Data Change\" TP_NByte=\"\"/>"
                 "<row Priority=\"3\" T_Type=\"other\"/>"
                 "<row Priority=\"4\" On_Data_Change=\"Y\" TP_NByte=\"12\"/>"
                 "</Transmit_J1939>");
  EditorTables t(Transmit_J1939_Spec);
  EXPECT_TRUE(t.Load(File_J1939_Send_Frames).Failure.isEmpty());
  // Priority, DP, PGN, SA, N Bytes, Request, Data Change, On Timer, Send Timer, Mnemonic.
  EXPECT_EQ(t.Row(0, 1), (QStringList{"1", "1", "", "5", "", "8", "N", "N", "Y", "", ""}));
  EXPECT_EQ(t.Row(0, 2), (QStringList{"2", "2", "", "", "", "8", "N", "Y", "N", "", ""}));
  EXPECT_EQ(t.Row(0, 3), (QStringList{"3", "3", "", "", "", "8", "N", "N", "N", "", ""}));
  EXPECT_EQ(t.Row(0, 4), (QStringList{"4", "4", "", "", "", "12", "N", "Y", "N", "", ""}));
  t.Save(File_J1939_Send_Frames);
  const QString text = QString::fromUtf8(ReadFileWhole(File_J1939_Send_Frames));
  EXPECT_FALSE(text.contains("T_Type"));
  EXPECT_TRUE(text.contains("<row Priority=\"1\" DP=\"\" PGN=\"5\" SA=\"\" TP_NByte=\"8\" On_Request=\"N\" "
                            "On_Data_Change=\"N\" On_Timer=\"Y\" SendTimer=\"\" Mnemonic=\"\" />"))
      << text.toStdString();

  // Receive: the defaults "N" and "1000". NMEA sending: no "8" and no T_Type rule;
  // both NMEA files have the same root and are read whatever it is called.
  WriteFileWhole(File_J1939_Rec_Frames, "<Receive_J1939><row PGN=\"1\"/></Receive_J1939>");
  EditorTables receive(Receive_J1939_Spec);
  receive.Load(File_J1939_Rec_Frames);
  EXPECT_EQ(receive.Row(0, 1), (QStringList{"1", "", "1", "", "N", "", "", "N", "N", "1000", ""}));
  WriteFileWhole(File_NMEA_Send_Frames, "<Anything><row Priority=\"1\" T_Type=\"ON TIMER\"/></Anything>");
  EditorTables nmea(Transmit_NMEA_Spec);
  nmea.Load(File_NMEA_Send_Frames);
  EXPECT_EQ(nmea.Row(0, 1), (QStringList{"1", "1", "", "", "N", "", "N", "N", "N", "", ""}));
  nmea.Save(File_NMEA_Send_Frames);
  EXPECT_TRUE(QString::fromUtf8(ReadFileWhole(File_NMEA_Send_Frames))
                  .startsWith("<Receive_NMEA_2000>\n  <row Priority=\"1\" PGN=\"\" SA=\"\" FP=\"N\" TP_NByte=\"\""));
  EXPECT_TRUE(QString::fromUtf8(ReadFileWhole(File_NMEA_Send_Frames)).endsWith("<!--SW_VERSION = 1.001-->\n"));
}

TEST_F(J1939Frames, WhatEachTableWritesReadsBackCellForCell) {
  const struct {
    const TTableEditorSpec* Spec;
    QString* Path;
    QStringList Row;
    const char* Head;
    const char* Version;
  } tables[] = {
      {&Receive_J1939_Spec, &File_J1939_Rec_Frames, kJ1939_Receive,
       "<Receive_J1939>\n  <row DP=\"0\" PGN=\"0xFEF1\" SA=\"239\" TP=\"N\" TP_Start=\"\" TP_NByte=\"\" Delete=\"N\" "
       "OnRequest=\"N\" OnReq_Time=\"1000\" Mnemonic=\"r\" />",
       "1.000"},
      {&Transmit_J1939_Spec, &File_J1939_Send_Frames, kJ1939_Transmit, "<Transmit_J1939>\n  <row Priority=\"3\"",
       "1.000"},
      {&Receive_NMEA_Spec, &File_NMEA_Rec_Frames, kNMEA_Receive,
       "<Receive_NMEA_2000>\n  <row PGN=\"0x1F801\" SA=\"239\" TP=\"N\" FP=\"N\" TP_Start=\"\" TP_NByte=\"\" "
       "Delete=\"N\" Mnemonic=\"r\" />",
       "1.001"},
      {&Transmit_NMEA_Spec, &File_NMEA_Send_Frames, kNMEA_Transmit, "<Receive_NMEA_2000>\n  <row Priority=\"7\"",
       "1.001"},
  };
  for (const auto& table : tables) {
    EditorTables t(*table.Spec);
    t.SetRow(0, 1, table.Row);
    // A used row that fails its checks is written as it stands, blanks and all.
    QStringList odd = table.Row;
    odd.last() = " a & b ";
    odd[1] = "x";
    t.SetRow(0, 2, odd);
    t.Save(*table.Path);
    const QString text = QString::fromUtf8(ReadFileWhole(*table.Path));
    EXPECT_TRUE(text.startsWith(table.Head)) << text.toStdString();
    EXPECT_TRUE(text.endsWith(QStringLiteral("<!--SW_VERSION = %1-->\n").arg(table.Version))) << text.toStdString();
    EXPECT_EQ(text.count("<row "), 2);
    EditorTables again(*table.Spec);
    EXPECT_TRUE(again.Load(*table.Path).Failure.isEmpty());
    for (int row = 1; row <= 3; ++row) EXPECT_EQ(again.Row(0, row), t.Row(0, row)) << table.Head << row;
  }
}
