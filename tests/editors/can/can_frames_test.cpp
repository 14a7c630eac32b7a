// The raw CAN frame tables: the checks of both twins (identifier by type, length,
// times, byte positions), the guarded reading with the transmit Time rule and the
// files they write; on the form, the grid taking the focus after a showing.
#include "editors/can/can_frame_forms.h"
#include "editors/can/can_frames.h"

#include "app/language/language.h"
#include "app/state/comon.h"
#include "controls/button/fade_button.h"
#include "grid/view/column_grid.h"
#include "platform/os/files.h"
#include "tests/editors/editor_tables.h"
#include "tests/support/project_fixture.h"
#include "tests/support/scripted_ui.h"
#include "tests/support/ui_input.h"

#include <gtest/gtest.h>

namespace {

using CANFrames = ProjectTest;

// Enable, CobID, Type, Dim, TimeOut, Byte1..8, Mnemonic.
const QStringList kReceive = {"Y", "$123", "2.0A (11 bits)", "2", "0", "0", "1999", "", "", "", "", "", "", "m"};
// Enable, CobID, Type, Dim, OnChange, OnCMD, OnTimer, Time, Byte1..8, Mnemonic.
const QStringList kTransmit = {"Y", "5", "2.0B (29 bits)", "1", "Y", "N", "Y", "100",
                               "2499", "", "", "", "", "", "", "", "t"};

QStringList With(QStringList row, int col, const QString& text) {
  row[col - 1] = text;
  return row;
}

}  // namespace

TEST_F(CANFrames, ChecksNameTheFirstFaultyRowAndItsReason) {
  struct Case {
    const char* name;
    bool transmit;
    QStringList row;
    QString message;
  } cases[] = {
      {"receive passes", false, kReceive, ""},
      {"11-bit CobID 2048", false, With(kReceive, 2, "2048"), "Error row 3!! CobID must be between 0 and 2047"},
      {"29-bit CobID 2048", false, With(With(kReceive, 3, "2.0B (29 bits)"), 2, "2048"), ""},
      {"29-bit $1FFFFFFF", false, With(With(kReceive, 3, "2.0B (29 bits)"), 2, "$1FFFFFFF"), ""},
      {"29-bit $20000000", false, With(With(kReceive, 3, "2.0B (29 bits)"), 2, "$20000000"),
       "Error row 3!! CobID must be between 0x00000000 and 0x1FFFFFFF"},
      {"empty type is 29-bit", false, With(With(kReceive, 3, ""), 2, "536870911"), ""},
      {"CobID with trailing blank", false, With(kReceive, 2, "31 "), "Error row 3!! CobID must be between 0 and 2047"},
      {"dimension 0", false, With(kReceive, 4, "0"), "Error row 3!! Dimension must be between 1 and 8"},
      {"dimension 9", true, With(kTransmit, 4, "9"), "Error row 3!! Dimension must be between 1 and 8"},
      {"timeout beyond", false, With(kReceive, 5, "100000001"),
       "Error row 3!! TimeOut must be between 0 and 100000000 milliseconds"},
      {"byte 2000", false, With(kReceive, 7, "2000"), "Error row 3!! Byte2 must be between 0 and 1999 or None"},
      {"byte lower-case none", false, With(kReceive, 6, "none"),
       "Error row 3!! Byte1 must be between 0 and 1999 or None"},
      {"byte beyond dimension unchecked", false, With(kReceive, 8, "junk"), ""},
      {"byte None passes", false, With(kReceive, 6, " None "), ""},
      {"disabled row unchecked", false, With(With(kReceive, 1, "N"), 4, "0"), ""},
      {"lower-case enable checked", false, With(With(kReceive, 1, " y"), 4, "0"),
       "Error row 3!! Dimension must be between 1 and 8"},
      {"transmit passes", true, kTransmit, ""},
      {"transmit byte 2500", true, With(kTransmit, 9, "2500"), "Error row 3!! Byte1 must be between 0 and 2499 or None"},
      {"time without timer", true, With(With(kTransmit, 7, "N"), 8, "abc"), ""},
      {"time with timer", true, With(kTransmit, 8, "abc"),
       "Error row 3!! Time must be between 0 and 100000000 milliseconds"},
  };
  for (const Case& c : cases) {
    EditorTables t(c.transmit ? Transmit_CAN_Spec : Receive_CAN_Spec);
    const QStringList& good = c.transmit ? kTransmit : kReceive;
    t.SetRow(0, 1, good);
    t.SetRow(0, 2, good);
    t.SetRow(0, 3, c.row);
    // Below the first blank CobID nothing is checked.
    t.SetRow(0, 4, With(good, 2, " "));
    t.SetRow(0, 5, With(good, 4, "0"));
    EXPECT_EQ(t.Check(), c.message) << c.name;
  }
}

TEST_F(CANFrames, FilesAreReadGuardedAndWrittenAsTheTablesShow) {
  // Receive: TimeOut "0" and Enable "Y" by default, the Type stays empty.
  WriteFileWhole(File_CAN_Rec_Frames,
                 "<Receive_Frames><row COBID=\"1\" Dim=\"1\" Byte1=\"None\" Mnemonic=\"r\"/></Receive_Frames>"
                 "<!--SW_VERSION = 1.000-->");
  EditorTables receive(Receive_CAN_Spec);
  EXPECT_TRUE(receive.Load(File_CAN_Rec_Frames).Failure.isEmpty());
  EXPECT_EQ(receive.Row(0, 1),
            (QStringList{"1", "Y", "1", "", "1", "0", "None", "", "", "", "", "", "", "", "r"}));
  receive.Save(File_CAN_Rec_Frames);
  EXPECT_EQ(QString::fromUtf8(ReadFileWhole(File_CAN_Rec_Frames)),
            "<Receive_Frames>\n  <row Enable=\"Y\" COBID=\"1\" CAN_Type=\"\" Dim=\"1\" TimeOut=\"0\" Byte1=\"None\" "
            "Byte2=\"\" Byte3=\"\" Byte4=\"\" Byte5=\"\" Byte6=\"\" Byte7=\"\" Byte8=\"\" Mnemonic=\"r\" />\n"
            "</Receive_Frames>\n<!--SW_VERSION = 1.000-->\n");

  // Transmit: Type, OnChange, OnCMD, OnTimer defaults; Time "0" only after OnTimer "Y";
  // a present empty attribute is taken as it stands.
  WriteFileWhole(File_CAN_Send_Frames,
                 "<Whatever>"
                 "<row COBID=\"1\" OnTimer=\"Y\"/>"
                 "<row COBID=\"2\"/>"
                 "<row COBID=\"3\" OnTimer=\"Y\" Time=\"\" OnChange=\"\"/>"
                 "</Whatever>");
  EditorTables transmit(Transmit_CAN_Spec);
  EXPECT_TRUE(transmit.Load(File_CAN_Send_Frames).Failure.isEmpty());
  EXPECT_EQ(transmit.Row(0, 1).mid(1, 8), (QStringList{"Y", "1", "2.0A (11 bits)", "", "Y", "N", "Y", "0"}));
  EXPECT_EQ(transmit.Row(0, 2).mid(1, 8), (QStringList{"Y", "2", "2.0A (11 bits)", "", "Y", "N", "N", ""}));
  EXPECT_EQ(transmit.Row(0, 3).mid(1, 8), (QStringList{"Y", "3", "2.0A (11 bits)", "", "", "N", "Y", ""}));
  transmit.Save(File_CAN_Send_Frames);
  const QString text = QString::fromUtf8(ReadFileWhole(File_CAN_Send_Frames));
  EXPECT_TRUE(text.startsWith("<Transmit_Frames>\n  <row Enable=\"Y\" COBID=\"1\" CAN_Type=\"2.0A (11 bits)\" "
                              "Dim=\"\" OnChange=\"Y\" OnCMD=\"N\" OnTimer=\"Y\" Time=\"0\" Byte1=\"\""))
      << text.toStdString();
  EditorTables again(Transmit_CAN_Spec);
  again.Load(File_CAN_Send_Frames);
  for (int row = 1; row <= 3; ++row) EXPECT_EQ(again.Row(0, row), transmit.Row(0, row));
}

TEST_F(CANFrames, TheFormsShowTheirGridsAndHints) {
  std::unique_ptr<TFTransmitCAN> form(Create<TFTransmitCAN>(nullptr));
  TExColumnGrid* g = form->ECG_CAN_Transmit();
  EXPECT_EQ(form->ClientWidth(), 1100);
  EXPECT_EQ(g->ColCount(), 18);
  EXPECT_EQ(g->RowCount(), 513);
  EXPECT_EQ(g->Columns()->Items(6)->Header(), "OnCMD");
  EXPECT_EQ(g->Columns()->Items(3)->ComboItems()->Count(), 2);
  EXPECT_EQ(form->Caption(), "Transmit CAN Frames Set Access");
  ScriptedUi ui;
  ui.ExpectModal(QStringLiteral("TFTransmitCAN"), [&](TForm*) {
    EXPECT_EQ(g->Columns()->Items(9)->ComboItems()->Count(), 2501);
    EXPECT_EQ(g->Columns()->Items(16)->ComboItems()->Strings(2500), "2499");
    ProcessEvents();
    EXPECT_EQ(form->ActiveControl(), g);
    QString hint;
    form->GridHint(g, 0, 6, hint);
    EXPECT_EQ(hint, "Enable or Disable the possibility to send the CAN Frame by Command");
    form->Btn_Cancel->Click();
  });
  EXPECT_EQ(form->ShowModal(), mrCancel);

  std::unique_ptr<TFReceiveCAN> receive(Create<TFReceiveCAN>(nullptr));
  ui.ExpectModal(QStringLiteral("TFReceiveCAN"), [&](TForm*) {
    QString hint;
    receive->GridHint(receive->ECG_CAN_Receive(), 0, 5, hint);
    EXPECT_EQ(hint, Lang_Text(2434));
    receive->ECG_CAN_Receive()->SetRow(7);
    ui.ExpectMessage(Lang_Text(2458) + "7", mrNo, mtConfirmation);
    receive->Btn_DelRow->Click();
    // A click on a row number leaves the grid's own behaviour.
    receive->ClickCell(receive->ECG_CAN_Receive(), 4, 0);
    EXPECT_FALSE(receive->ECG_CAN_Receive()->RowSelect(4));
    receive->Btn_Cancel->Click();
  });
  receive->ShowModal();
}
