// The IEC 61850 server variables: the checks of an enabled row (length, position,
// start bit of a bit variable, conversion, the factor in the user's decimal
// separator), the file read guarded and written as the table shows, the form.
#include "editors/network/iec61850_variables.h"
#include "editors/network/iec61850_variables_form.h"

#include "app/state/comon.h"
#include "controls/button/fade_button.h"
#include "grid/view/column_grid.h"
#include "platform/os/files.h"
#include "platform/rtl/locale_settings.h"
#include "tests/editors/editor_tables.h"
#include "tests/support/project_fixture.h"
#include "tests/support/qstring_print.h"
#include "tests/support/scripted_ui.h"

#include <gtest/gtest.h>

namespace {

class IEC61850Variables : public ProjectTest {
protected:
  void TearDown() override {
    SetUserDecimalSetting(std::nullopt);
    ProjectTest::TearDown();
  }
};

// Enable, Name, Type, Length, ReadOnly, Position, StartBit, Conversion,
// MultiplicationFactor, Swap, SwapWord, Mnemonic.
const QStringList kRow = {"Y", "Power", "Int", "4", "N", "1437", "", "None", "None", "N", "N", "kW"};

}  // namespace

TEST_F(IEC61850Variables, ChecksNameTheFirstFaultyRowAndItsReason) {
  const QString p = "Error row 3";
  struct Case {
    const char* name;
    const char* separator;
    QStringList row;
    QString message;
  } cases[] = {
      {"passes", ",", kRow, ""},
      {"position 1438", ",", With_Cell(kRow, kIECV_Position, "1438"), p + "!! Position must be between 0 and 1437"},
      {"length 0", ",", With_Cell(kRow, kIECV_Length, "0"), p + "!! Length must be between 1 and 4"},
      {"length 5", ",", With_Cell(kRow, kIECV_Length, "5"), p + "!! Length must be between 1 and 4"},
      {"empty length", ",", With_Cell(kRow, kIECV_Length, ""), p + "!! Length must be between 1 and 4"},
      {"bit without start bit", ",", With_Cell(kRow, kIECV_Type, "Digital (Bit)"), p + "!! Start Bit must be Selected "},
      {"bit with start bit", ",", With_Cell(With_Cell(kRow, kIECV_Type, "Digital (Bit)"), kIECV_StartBit, "7"), ""},
      {"int without start bit", ",", kRow, ""},
      {"no conversion", ",", With_Cell(kRow, kIECV_Conversion, " "), p + "!! Conversion must be Selected "},
      {"factor none", ",", With_Cell(kRow, kIECV_MultFactor, " none "), ""},
      {"factor 1,5 with comma", ",", With_Cell(kRow, kIECV_MultFactor, "1,5"), ""},
      {"factor 1.5 with comma", ",", With_Cell(kRow, kIECV_MultFactor, "1.5"), ""},
      {"factor 1,5 with point", ".", With_Cell(kRow, kIECV_MultFactor, "1,5"), ""},
      {"factor of letters", ".", With_Cell(kRow, kIECV_MultFactor, "abc"), p + "!! Molt. Factor must be a valid Float"},
      {"empty factor", ",", With_Cell(kRow, kIECV_MultFactor, ""), p + "!! Molt. Factor must be a valid Float"},
      {"disabled row unchecked", ",", With_Cell(With_Cell(kRow, kIECV_Enable, "N"), kIECV_Length, "9"), ""},
  };
  for (const Case& c : cases) {
    SetUserDecimalSetting(QString::fromLatin1(c.separator));
    EditorTables t(IEC61850_Variables_Spec);
    t.SetRow(0, 1, kRow);
    t.SetRow(0, 2, kRow);
    t.SetRow(0, 3, c.row);
    t.SetRow(0, 4, With_Cell(kRow, kIECV_Name, " "));
    t.SetRow(0, 5, With_Cell(kRow, kIECV_Length, "9"));
    EXPECT_EQ(t.Check(), c.message) << c.name;
  }
}

TEST_F(IEC61850Variables, TheFileIsReadGuardedAndWrittenAsTheTableShows) {
  WriteFileWhole(File_IEC61850_Variables, "<IEC61850_Variables><row Name=\"a\" Length=\"2\"/><row Length=\"1\"/>"
                                          "<row Name=\"c\"/></IEC61850_Variables>");
  EditorTables t(IEC61850_Variables_Spec);
  EXPECT_TRUE(t.Load(File_IEC61850_Variables).Failure.isEmpty());
  EXPECT_EQ(t.Row(0, 1), (QStringList{"1", "Y", "a", "", "2", "N", "", "", "", "", "N", "N", ""}));
  t.Save(File_IEC61850_Variables);
  // The row without Name ends the table: the rows below it are dropped.
  EXPECT_EQ(QString::fromUtf8(ReadFileWhole(File_IEC61850_Variables)),
            "<IEC61850_Variables>\n  <row Enable=\"Y\" Name=\"a\" Type=\"\" Length=\"2\" ReadOnly=\"N\" Position=\"\" "
            "StartBit=\"\" Conversion=\"\" MultiplicationFactor=\"\" Swap=\"N\" SwapWord=\"N\" Mnemonic=\"\" />\n"
            "</IEC61850_Variables>\n<!--SW_VERSION = 1.000-->\n");
  t.SetRow(0, 2, With_Cell(kRow, kIECV_Enable, "N"));
  t.Save(File_IEC61850_Variables);
  EditorTables again(IEC61850_Variables_Spec);
  again.Load(File_IEC61850_Variables);
  for (int row = 1; row <= 3; ++row) EXPECT_EQ(again.Row(0, row), t.Row(0, row));
}

TEST_F(IEC61850Variables, TheFormHasFiftyRowsAndHintsByRealColumn) {
  std::unique_ptr<TFIEC61850_Variables> form(Create<TFIEC61850_Variables>(nullptr));
  EXPECT_EQ(form->ClientWidth(), 1155);
  EXPECT_EQ(form->ECG()->RowCount(), 51);
  ScriptedUi ui;
  ui.ExpectModal("TFIEC61850_Variables", [&](TForm*) {
    EXPECT_EQ(form->NByte_IN, 1438);
    QString hint = "other";
    form->GridHint(form->ECG(), 0, 12, hint);
    EXPECT_EQ(hint, "Insert the Description of IEC61850 Variable");
    form->GridHint(form->ECG(), 1, 12, hint);
    EXPECT_EQ(hint, "");
    form->ClickCell(form->ECG(), 3, 0);
    EXPECT_TRUE(form->ECG()->RowSelect(3));
    form->Btn_Cancel->Click();
  });
  form->ShowModal();
}
