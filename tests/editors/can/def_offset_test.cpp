// The DeviceNet byte offsets: the model read from both files by position (counts
// from the slave list, extra rows and slaves noted), the output-offset check and
// the file; the master-detail form keeping edits across selections, refusing a
// duplicate output offset and asking before it overwrites a file it could not read.
#include "editors/can/def_offset_form.h"
#include "editors/can/device_net_offsets.h"

#include "app/language/language.h"
#include "app/state/comon.h"
#include "controls/button/fade_button.h"
#include "grid/view/column_grid.h"
#include "platform/os/files.h"
#include "platform/ui/labels.h"
#include "platform/ui/page_control.h"
#include "tests/support/project_fixture.h"
#include "tests/support/scripted_ui.h"

#include <gtest/gtest.h>

namespace {

using DeviceNetOffsets = ProjectTest;

void WriteSlaves(const QList<std::array<const char*, 3>>& slaves) {
  QByteArray rows;
  for (const auto& s : slaves)
    rows += QByteArray("<row ID=\"") + s[0] + "\" NB_IN=\"" + s[1] + "\" NB_OUT=\"" + s[2] + "\" Mnemonic=\"m\"/>";
  WriteFileWhole(File_DNETM_Net, "<DNET_Net>" + rows + "</DNET_Net>");
}

QByteArray Bytes(const QList<const char*>& offsets) {
  QByteArray rows;
  for (const char* o : offsets) rows += QByteArray("<row Offset=\"") + o + "\" Mnemonic=\"" + o + "\"/>";
  return rows;
}

QByteArray Node(const QList<const char*>& in, const QList<const char*>& out) {
  return "<Nodo_DNET><ByteIN>" + Bytes(in) + "</ByteIN><ByteOUT>" + Bytes(out) + "</ByteOUT></Nodo_DNET>";
}

TSlave_DN Slave(int id, const QStringList& out) {
  TSlave_DN s;
  s.ID = uint8_t(id);
  s.ByteOUT = uint16_t(out.size());
  s.SL_ByteOUT = out;
  for (int i = 0; i < out.size(); ++i) s.SL_ByteOUT_M << QString();
  return s;
}

}  // namespace

TEST_F(DeviceNetOffsets, OffsetsAreMatchedToSlavesByPositionWithinTheirCounts) {
  WriteSlaves({{"3", "2", "1"}, {"7", "0", "3"}, {"$10", "1", "0"}});
  WriteFileWhole(File_DNETM_DefOff, "<Define_Offset>" + Node({"5", "6", "7"}, {"None"}) + Node({}, {"1", "2"}) +
                                        "</Define_Offset>");
  TDNetOffsets model;
  Load_Slave_DN(File_DNETM_Net, model);
  Load_Offset_Slave_DN(File_DNETM_DefOff, model);
  EXPECT_TRUE(model.Failure.isEmpty());
  ASSERT_EQ(model.Slaves.size(), 3u);
  EXPECT_EQ(model.Rows[2], (TDNetSlaveRow{"$10", "1", "0", "m"}));
  EXPECT_EQ(model.Slaves[2].ID, 16);
  EXPECT_EQ(model.Slaves[0].SL_ByteIN, (QStringList{"5", "6"}));
  EXPECT_EQ(model.Slaves[0].SL_ByteIN_M, (QStringList{"5", "6"}));
  EXPECT_EQ(model.Slaves[1].SL_ByteOUT, (QStringList{"1", "2", "None"}));
  EXPECT_EQ(model.Slaves[2].SL_ByteIN, (QStringList{"None"}));
  EXPECT_EQ(model.Notes.size(), 1);  // the third input row of slave 1

  // A fourth Nodo_DNET is left out and said; a missing ByteOUT stops the reading.
  WriteFileWhole(File_DNETM_DefOff, "<Define_Offset>" + Node({}, {}) + Node({}, {}) + Node({}, {}) + Node({}, {}) +
                                        "</Define_Offset>");
  TDNetOffsets more;
  Load_Slave_DN(File_DNETM_Net, more);
  Load_Offset_Slave_DN(File_DNETM_DefOff, more);
  EXPECT_EQ(more.Notes.size(), 1);
  WriteFileWhole(File_DNETM_DefOff, "<Define_Offset><Nodo_DNET><ByteIN/></Nodo_DNET></Define_Offset>");
  TDNetOffsets stopped;
  Load_Slave_DN(File_DNETM_Net, stopped);
  Load_Offset_Slave_DN(File_DNETM_DefOff, stopped);
  EXPECT_EQ(stopped.Failure, "Slave 1 has no element \"ByteOUT\".");

  // A count that is no whole number stops the slave list there.
  WriteSlaves({{"3", "2", "1"}, {"7", "x", "3"}});
  TDNetOffsets bad;
  Load_Slave_DN(File_DNETM_Net, bad);
  EXPECT_EQ(bad.Failure, "'x' is not a valid integer value");
  EXPECT_EQ(bad.Slaves.size(), 1u);
  EXPECT_EQ(bad.Rows.size(), 2);
}

TEST_F(DeviceNetOffsets, AnOutputPositionTakenTwiceIsRefused) {
  struct Case {
    const char* name;
    std::vector<TSlave_DN> slaves;
    QString message;
  } cases[] = {
      {"two slaves, offset 5", {Slave(3, {"5"}), Slave(7, {"5"})},
       "Error in ByteOUT! The same byte of EtherCAT is used in two bytes DeviceNet.\n\r( First ID = 3 Byte = 0, "
       "Second ID = 7 Byte = 0)"},
      {"one slave twice", {Slave(9, {"1", "None", "$1"})},
       "Error in ByteOUT! The same byte of EtherCAT is used in two bytes DeviceNet.\n\r( First ID = 9 Byte = 0, "
       "Second ID = 9 Byte = 2)"},
      {"None and text never collide", {Slave(1, {"None", "x", ""}), Slave(2, {"None", "x", "0"})}, ""},
      {"beyond the last position", {Slave(4, {"0", "1440"})},
       "Error in ByteOUT! Byte 1 of the slave ID 4 names the position 1440, beyond the last position 1439."},
  };
  for (const Case& c : cases) EXPECT_EQ(Check_Output_Offsets(c.slaves).value_or(QString()), c.message) << c.name;
  // Input offsets are not checked.
  TSlave_DN in = Slave(1, {});
  in.SL_ByteIN = {"5", "5"};
  EXPECT_FALSE(Check_Output_Offsets({in}));
}

TEST_F(DeviceNetOffsets, TheFormKeepsEditsAcrossSelectionsAndWritesEveryByte) {
  WriteSlaves({{"3", "2", "1"}, {"7", "0", "1"}});
  std::unique_ptr<TFDefOffset> form(Create<TFDefOffset>(nullptr));
  EXPECT_EQ(form->ClientHeight(), 610);
  EXPECT_EQ(form->ECG_DN_Slaves->GetCellEx(3, 0), "Mnemonic");
  EXPECT_EQ(form->Label3->Caption(), "Use \"None\" to not pass the byte from DeviceNet to EtherCAT");
  ScriptedUi ui;
  ui.ExpectModal(QStringLiteral("TFDefOffset"), [&](TForm*) {
    EXPECT_EQ(form->ECG_DN_Slaves->RowCount(), 3);
    EXPECT_EQ(form->Slave_Before_Select, 0);
    EXPECT_EQ(form->ECG_ByteIN->RowCount(), 3);
    EXPECT_EQ(form->ECG_ByteIN->GetCellEx(0, 2), "1");
    EXPECT_EQ(form->ECG_ByteIN->GetCellEx(1, 2), "None");
    EXPECT_EQ(form->ECG_ByteOUT->Columns()->Items(1)->ComboItems()->Count(), 1441);
    form->ECG_ByteIN->SetCellEx(1, 1, "100");
    form->ECG_ByteOUT->SetCellEx(1, 1, "5");
    // Slave 2 has no input byte; back on slave 1 its edits are there.
    form->ECG_DN_Slaves->SetRow(2);
    form->ECG_DN_SlavesClick(form->ECG_DN_Slaves);
    EXPECT_EQ(form->ECG_ByteIN->RowCount(), 1);
    form->ECG_ByteOUT->SetCellEx(1, 1, "5");
    form->ECG_DN_Slaves->SetRow(1);
    form->ECG_DN_SlavesClick(form->ECG_DN_Slaves);
    EXPECT_EQ(form->ECG_ByteIN->GetCellEx(1, 1), "100");
    // The duplicate output offset: refused, nothing written.
    ui.ExpectMessage(Lang_Text(3021) + "\n\r( " + Lang_Text(3022) + "3" + Lang_Text(3023) + "0" + Lang_Text(3024) +
                         "7" + Lang_Text(3025) + "0)",
                     mrOk, mtError);
    form->Btn_OK->Click();
    EXPECT_FALSE(FileExists(File_DNETM_DefOff));
    form->ECG_ByteOUT->SetCellEx(1, 1, "None");
    form->Btn_OK->Click();
  });
  EXPECT_EQ(form->ShowModal(), mrOk);
  EXPECT_EQ(QString::fromUtf8(ReadFileWhole(File_DNETM_DefOff)),
            "<Define_Offset>\n"
            "  <Nodo_DNET>\n    <ByteIN>\n"
            "      <row Offset=\"100\" Mnemonic=\"\" />\n      <row Offset=\"None\" Mnemonic=\"\" />\n"
            "    </ByteIN>\n    <ByteOUT>\n      <row Offset=\"None\" Mnemonic=\"\" />\n    </ByteOUT>\n"
            "  </Nodo_DNET>\n"
            "  <Nodo_DNET>\n    <ByteIN />\n    <ByteOUT>\n      <row Offset=\"5\" Mnemonic=\"\" />\n"
            "    </ByteOUT>\n  </Nodo_DNET>\n"
            "</Define_Offset>\n<!--SW_VERSION = 1.000-->\n");
}

TEST_F(DeviceNetOffsets, AFileThatStopsTheLoadIsOverwrittenOnlyWhenTheUserSaysSo) {
  WriteSlaves({{"3", "1", "1"}, {"7", "1", "1"}});
  const QByteArray offsets = "<Define_Offset>" + Node({"9"}, {"8"}) +
                             "<Nodo_DNET><ByteIN><row Offset=\"4\"/></ByteIN></Nodo_DNET></Define_Offset>";
  WriteFileWhole(File_DNETM_DefOff, offsets);
  std::unique_ptr<TFDefOffset> form(Create<TFDefOffset>(nullptr));
  ScriptedUi ui;
  ui.ExpectMessage(QStringLiteral("Could not convert variant of type (Null) into type (OleStr)"), mrOk, mtError);
  ui.ExpectModal(QStringLiteral("TFDefOffset"), [&](TForm*) {
    // The slaves read are shown and selected all the same.
    EXPECT_EQ(form->Slave_Before_Select, 0);
    EXPECT_EQ(form->ECG_ByteIN->GetCellEx(1, 1), "9");
    ui.ExpectMessage(QString("The offsets were not read completely (Slave 2 ByteIN, row 1, has no attribute "
                             "\"Mnemonic\".). Saving now replaces %1 with what the form shows, and the offsets that "
                             "were not loaded are lost. Save anyway?")
                         .arg(File_DNETM_DefOff),
                     mrNo, mtConfirmation);
    form->Btn_OK->Click();
    EXPECT_EQ(form->ModalResult(), mrNone);
    form->Btn_Cancel->Click();
  });
  form->ShowModal();
  EXPECT_EQ(ReadFileWhole(File_DNETM_DefOff), offsets);
}
