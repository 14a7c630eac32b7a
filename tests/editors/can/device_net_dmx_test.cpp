// The DeviceNet slave list and the DMX default values: their checks, the bare and
// guarded readings and the files; the DMX table sized from ParGen.xml at every
// showing, bounded to one DMX universe, with OK and Cancel only.
#include "editors/can/device_net.h"
#include "editors/can/dmx_form.h"
#include "editors/can/dmx_values.h"

#include "app/state/comon.h"
#include "controls/button/fade_button.h"
#include "grid/view/column_grid.h"
#include "platform/os/files.h"
#include "tests/editors/editor_tables.h"
#include "tests/support/project_fixture.h"
#include "tests/support/scripted_ui.h"

#include <gtest/gtest.h>

namespace {

using DeviceNetAndDMX = ProjectTest;

}  // namespace

TEST_F(DeviceNetAndDMX, SlaveChecksTakeTheIdAsItStands) {
  struct Case {
    const char* name;
    QStringList row;
    QString message;
  } cases[] = {
      {"passes", {"$3F", "65535", "0", "m"}, ""},
      {"ID 64", {"64", "1", "1", ""}, "Error in row 2!! ID must be 0 or 63"},
      {"ID of a blank is used and fails", {" ", "1", "1", ""}, "Error in row 2!! ID must be 0 or 63"},
      {"bytes in 65536", {"1", "65536", "1", ""}, "Error in row 2!! Number Byte IN must be 0 or 65535"},
      {"empty bytes out", {"1", "1", "", ""}, "Error in row 2!! Number Byte OUT must be 0 or 65535"},
  };
  for (const Case& c : cases) {
    EditorTables t(DNet_Spec);
    t.SetRow(0, 1, {"0", "0", "0", ""});
    t.SetRow(0, 2, c.row);
    t.SetRow(0, 4, {"99", "", "", ""});  // below the first empty ID: not checked
    EXPECT_EQ(t.Check(), c.message) << c.name;
  }
  // With every row used, the last is checked too.
  EditorTables full(DNet_Spec);
  for (int row = 1; row <= 64; ++row) full.SetRow(0, row, {"1", "1", "1", ""});
  full.SetRow(0, 64, {"1", "1", "x", ""});
  EXPECT_EQ(full.Check(), "Error in row 64!! Number Byte OUT must be 0 or 65535");
}

TEST_F(DeviceNetAndDMX, SlaveFileIsReadBareAndWrittenWhole) {
  WriteFileWhole(File_DNETM_Net, "<DNET_Net><row ID=\"3\" NB_IN=\"2\" NB_OUT=\"1\" Mnemonic=\"a\"/>"
                                 "<row ID=\"7\" NB_IN=\"4\" Mnemonic=\"b\"/>"
                                 "<row ID=\"9\" NB_IN=\"1\" NB_OUT=\"1\" Mnemonic=\"c\"/></DNET_Net>");
  EditorTables t(DNet_Spec);
  const TEditorLoad load = t.Load(File_DNETM_Net);
  EXPECT_EQ(load.Box, "Could not convert variant of type (Null) into type (OleStr)");
  EXPECT_EQ(load.Failure, "Row 2 has no attribute \"NB_OUT\".");
  EXPECT_EQ(t.Row(0, 1), (QStringList{"1", "3", "2", "1", "a"}));
  EXPECT_EQ(t.Row(0, 2), (QStringList{"2", "7", "4", "", ""}));
  EXPECT_EQ(t.Row(0, 3), (QStringList{"3", "", "", "", ""}));

  t.SetRow(0, 2, {"7", "4", "0", " b "});
  t.SetRow(0, 3, {" ", "0", "0", ""});  // a blank ID is a used row
  t.Save(File_DNETM_Net);
  EXPECT_EQ(QString::fromUtf8(ReadFileWhole(File_DNETM_Net)),
            "<DNET_Net>\n"
            "  <row ID=\"3\" NB_IN=\"2\" NB_OUT=\"1\" Mnemonic=\"a\" />\n"
            "  <row ID=\"7\" NB_IN=\"4\" NB_OUT=\"0\" Mnemonic=\" b \" />\n"
            "  <row ID=\" \" NB_IN=\"0\" NB_OUT=\"0\" Mnemonic=\"\" />\n"
            "</DNET_Net>\n<!--SW_VERSION = 1.000-->\n");
}

TEST_F(DeviceNetAndDMX, DmxChecksEveryChannel) {
  struct Case {
    const char* value;
    QString message;
  } cases[] = {{"255", ""}, {"$FF", ""}, {"256", "Error row 3!! Default Value must be between 0 and 255"},
               {"", "Error row 3!! Default Value must be between 0 and 255"}};
  for (const Case& c : cases) {
    EditorTables t(DMX_Spec);
    t.SetRow(0, 3, {c.value, ""});
    EXPECT_EQ(t.Check(), c.message) << c.value;
  }
  EXPECT_EQ(DMX_Channel_Count("24"), 24);
  EXPECT_EQ(DMX_Channel_Count("abc"), 512);
  EXPECT_EQ(DMX_Channel_Count("-3"), 0);
  EXPECT_EQ(DMX_Channel_Count("2147483647"), 512);
}

TEST_F(DeviceNetAndDMX, DmxTableFollowsTheChannelCountAndWritesEveryChannel) {
  std::unique_ptr<TFDMXDefVal> form(Create<TFDMXDefVal>(nullptr));
  TExColumnGrid* g = form->Column_Grid(0);
  EXPECT_EQ(form->Btn_DelRow, nullptr);
  EXPECT_EQ(form->Btn_Cancel->Caption(), "Cancel");
  QByteArray rows;
  for (int i = 0; i < 30; ++i) rows += "<Row Default_Value=\"" + QByteArray::number(i) + "\"/>";
  WriteFileWhole(File_DMX_Default_Values, "<DMX_Default_Values>" + rows + "<Row Mnemonic=\"x\"/></DMX_Default_Values>");
  WriteFileWhole(File_ParGen, "<Par_Gen><DMX_Num_Channels>24</DMX_Num_Channels></Par_Gen>");
  ScriptedUi ui;
  ui.ExpectMessage(QString("%1 holds more channels than the table can show: 7 row(s) were not loaded and will not be "
                           "saved.")
                       .arg(File_DMX_Default_Values),
                   mrOk, mtWarning);
  ui.ExpectModal(QStringLiteral("TFDMXDefVal"), [&](TForm*) {
    EXPECT_EQ(g->RowCount(), 25);
    EXPECT_EQ(g->GetCellEx(0, 24), "24");
    EXPECT_EQ(g->GetCellEx(1, 24), "23");
    form->Btn_OK->Click();
  });
  EXPECT_EQ(form->ShowModal(), mrOk);
  const QString text = QString::fromUtf8(ReadFileWhole(File_DMX_Default_Values));
  EXPECT_EQ(text.count("<Row "), 24);
  EXPECT_TRUE(text.contains("<Row Default_Value=\"0\" Mnemonic=\"\" />"));

  // No ParGen.xml: 512 channels, the file's rows first, then "0"; a missing value is "0".
  QFile::remove(File_ParGen);
  WriteFileWhole(File_DMX_Default_Values, "<DMX_Default_Values><Row Default_Value=\"9\"/><Row Mnemonic=\"x\"/>"
                                          "</DMX_Default_Values>");
  ui.ExpectModal(QStringLiteral("TFDMXDefVal"), [&](TForm*) {
    EXPECT_EQ(g->RowCount(), 513);
    EXPECT_EQ(g->GetCellEx(1, 1), "9");
    EXPECT_EQ(g->GetCellEx(1, 2), "0");
    EXPECT_EQ(g->GetCellEx(2, 2), "x");
    EXPECT_EQ(g->GetCellEx(1, 512), "0");
    form->Btn_Cancel->Click();
  });
  form->ShowModal();

  // A count far beyond one universe is bounded and said; 0 channels write the root alone.
  WriteFileWhole(File_ParGen, "<Par_Gen><DMX_Num_Channels>100000</DMX_Num_Channels></Par_Gen>");
  ui.ExpectMessage("ParGen.xml sets 100000 DMX channels; the table holds the 512 channels of a DMX universe.", mrOk,
                   mtWarning);
  ui.ExpectModal(QStringLiteral("TFDMXDefVal"), [&](TForm*) {
    EXPECT_EQ(g->RowCount(), 513);
    form->Btn_Cancel->Click();
  });
  form->ShowModal();
  WriteFileWhole(File_ParGen, "<Par_Gen><DMX_Num_Channels>0</DMX_Num_Channels></Par_Gen>");
  ui.ExpectMessage(QString("%1 holds more channels than the table can show: 2 row(s) were not loaded and will not be "
                           "saved.")
                       .arg(File_DMX_Default_Values),
                   mrOk, mtWarning);
  ui.ExpectModal(QStringLiteral("TFDMXDefVal"), [&](TForm*) {
    EXPECT_EQ(g->RowCount(), 1);
    form->Btn_OK->Click();
  });
  EXPECT_EQ(form->ShowModal(), mrOk);
  EXPECT_EQ(QString::fromUtf8(ReadFileWhole(File_DMX_Default_Values)),
            "<DMX_Default_Values />\n<!--SW_VERSION = 1.000-->\n");
}
