// The MQTT topic tables: the checks of both tables (dimension by type, position,
// "$" pairs in templates, the publishing period; hidden columns unchecked), the file
// with its bare and guarded attributes and the columns that never reach it; on the
// form, layout 1's columns, Insert on the active table only and the template dialog.
#include "editors/network/mqtt_template_dialog.h"
#include "editors/network/mqtt_topic_form.h"
#include "editors/network/mqtt_topics.h"

#include "app/language/language.h"
#include "app/state/comon.h"
#include "controls/button/fade_button.h"
#include "grid/view/column_grid.h"
#include "platform/os/files.h"
#include "platform/ui/memo.h"
#include "platform/ui/page_control.h"
#include "tests/editors/editor_tables.h"
#include "tests/support/project_fixture.h"
#include "tests/support/qstring_print.h"
#include "tests/support/scripted_ui.h"
#include "tests/support/ui_input.h"

#include <gtest/gtest.h>

namespace {

using MQTTTopics = ProjectTest;

// Topic, Retained, QoS, DataType, Dimension, Position, IPAddress, InputTemplate,
// Template, OnChange, OnCMD, OnTimer, Time, Channel, Swap, Swap Word, Mnemonic.
const QStringList kPublish = {"plant/temp", "N", "1", "Int", "4", "0", "", "", "$VALUE$",
                              "Y", "", "Y", "1000", "", "N", "N", "temperature"};
// Topic, Retained, QoS, DataType, Dimension, Position, IPAddress, Port, EthType,
// InputTemplate, Template, Swap, Swap Word, Mnemonic.
const QStringList kSubscribe = {"plant/set", "N", "0", "Float", "8", "1499", "", "", "", "", "", "N", "N", "setpoint"};

}  // namespace

TEST_F(MQTTTopics, ChecksNameTheFirstFaultyRowAndItsReason) {
  struct Case {
    const char* name;
    int table;
    QStringList row;
    QString message;
  } cases[] = {
      {"publish passes", 0, kPublish, ""},
      {"subscribe passes", 1, kSubscribe, ""},
      {"no data type", 0, With_Cell(kPublish, kPub_DataType, " "), "Error row 3!! [MQTT Publish] Data Type must be selected"},
      {"int of 3 bytes", 0, With_Cell(kPublish, kPub_Dimension, "3"),
       "Error row 3!! [MQTT Publish] Dimension must be equal to 1 or 2 or 4 or 8"},
      {"lower-case int of 8", 0, With_Cell(With_Cell(kPublish, kPub_DataType, "int"), kPub_Dimension, "8"), ""},
      {"float of 2 bytes", 1, With_Cell(kSubscribe, kSub_Dimension, "2"),
       "Error row 3!! [MQTT Subscribe] Dimension must be equal to 4 or 8"},
      {"string of 0 bytes", 0, With_Cell(With_Cell(kPublish, kPub_DataType, "String"), kPub_Dimension, "0"),
       "Error row 3!! [MQTT Publish] Dimension must be major of 0"},
      {"string of 200 bytes", 0, With_Cell(With_Cell(kPublish, kPub_DataType, "String"), kPub_Dimension, "200"), ""},
      {"publish position 1499", 0, With_Cell(kPublish, kPub_Position, "1499"), ""},
      {"publish position 1500", 0, With_Cell(kPublish, kPub_Position, "1500"),
       "Error row 3!! [MQTT Publish] Position must be beetween 0 and 1499"},
      {"subscribe position 1500", 1, With_Cell(kSubscribe, kSub_Position, "$5DC"),
       "Error row 3!! [MQTT Subscribe] Position must be beetween 0 and 1499"},
      {"one dollar in the template", 0, With_Cell(kPublish, kPub_Template, "v=$VALUE"),
       "Error row 3!! [MQTT Publish] Template not Correct, Check the Keywords"},
      {"two keywords", 0, With_Cell(kPublish, kPub_Template, "$TOPIC$ $VALUE$"), ""},
      {"subscribe template", 1, With_Cell(kSubscribe, kSub_Template, "$"),
       "Error row 3!! [MQTT Subscribe] Template not Correct, Check the Keywords"},
      {"time 999999999", 0, With_Cell(kPublish, kPub_Time, "999999999"), ""},
      {"time 1000000000", 0, With_Cell(kPublish, kPub_Time, "1000000000"),
       "Error row 3!! [MQTT Publish] Time(ms) must be between 1 and 1000000000"},
      {"no timer, any time", 0, With_Cell(With_Cell(kPublish, kPub_OnTimer, "N"), kPub_Time, "x"), ""},
      // Hidden in layout 1: neither checked nor changed.
      {"hidden IP address", 0, With_Cell(kPublish, kPub_IPAddress, "300.1.1.1"), ""},
      {"hidden input template", 0, With_Cell(kPublish, kPub_InputTemplate, "$"), ""},
      {"hidden port", 1, With_Cell(kSubscribe, kSub_Port, "70000"), ""},
  };
  for (const Case& c : cases) {
    EditorTables t(MQTT_Set_Topic_Spec);
    const QStringList& good = c.table == 0 ? kPublish : kSubscribe;
    t.SetRow(c.table, 1, good);
    t.SetRow(c.table, 2, good);
    t.SetRow(c.table, 3, c.row);
    // Below the first blank Topic nothing is checked.
    t.SetRow(c.table, 4, With_Cell(good, 1, " "));
    t.SetRow(c.table, 5, With_Cell(good, 5, "0"));
    EXPECT_EQ(t.Check(), c.message) << c.name;
  }
  // The publish table is checked first.
  EditorTables both(MQTT_Set_Topic_Spec);
  both.SetRow(0, 2, With_Cell(kPublish, kPub_Position, "-1"));
  both.SetRow(1, 1, With_Cell(kSubscribe, kSub_Position, "-1"));
  both.SetRow(0, 1, kPublish);
  EXPECT_EQ(both.Check(), "Error row 2!! [MQTT Publish] Position must be beetween 0 and 1499");
  EXPECT_TRUE(Error_In_Topic_Template("$"));
  EXPECT_FALSE(Error_In_Topic_Template(""));
}

TEST_F(MQTTTopics, TheFileCarriesHiddenColumnsButNotTheColumnsWithoutAttribute) {
  WriteFileWhole(File_MQTT_Set_Topic,
                 "<MQTT_Set_Topic><MQTT_Publish>"
                 "<row Topic=\"a\" Retained=\"Y\" QoS=\"2\" IPAddress=\"10.0.0.1\" Mnemonic=\"m\"/>"
                 "</MQTT_Publish></MQTT_Set_Topic>");
  EditorTables t(MQTT_Set_Topic_Spec);
  // No subscribe element: that table stays empty, and the load goes on.
  EXPECT_TRUE(t.Load(File_MQTT_Set_Topic).Failure.isEmpty());
  // Guarded defaults: OnChange and OnTimer "N"; OnCMD and Channel empty, Swaps "N".
  EXPECT_EQ(t.Row(0, 1), (QStringList{"1", "a", "Y", "2", "", "", "", "10.0.0.1", "", "", "N", "", "N", "", "", "N",
                                      "N", "m"}));
  EXPECT_EQ(t.Row(1, 1).mid(1), QStringList(14, QString()));
  t.SetRow(0, 1, kPublish);
  t.SetRow(1, 1, With_Cell(kSubscribe, 9, "UDP"));
  t.Save(File_MQTT_Set_Topic);
  EXPECT_EQ(QString::fromUtf8(ReadFileWhole(File_MQTT_Set_Topic)),
            "<MQTT_Set_Topic>\n  <MQTT_Publish>\n    <row Topic=\"plant/temp\" Retained=\"N\" QoS=\"1\" DataType=\"Int\" "
            "Dimension=\"4\" Position=\"0\" IPAddress=\"\" InputTemplate=\"\" Template=\"$VALUE$\" OnChange=\"Y\" "
            "OnTimer=\"Y\" Time=\"1000\" Mnemonic=\"temperature\" />\n  </MQTT_Publish>\n  <MQTT_Subscribe>\n"
            "    <row Topic=\"plant/set\" Retained=\"N\" QoS=\"0\" DataType=\"Float\" Dimension=\"8\" Position=\"1499\" "
            "IPAddress=\"\" Port=\"\" EthType=\"UDP\" InputTemplate=\"\" Template=\"\" Mnemonic=\"setpoint\" />\n"
            "  </MQTT_Subscribe>\n</MQTT_Set_Topic>\n<!--SW_VERSION = 1.000-->\n");
  EditorTables again(MQTT_Set_Topic_Spec);
  EXPECT_TRUE(again.Load(File_MQTT_Set_Topic).Failure.isEmpty());
  EXPECT_EQ(again.Row(0, 1), t.Row(0, 1));
  EXPECT_EQ(again.Row(1, 1), t.Row(1, 1));

  // Topic, Retained, QoS and Mnemonic are bare: a row without one stops the load there.
  WriteFileWhole(File_MQTT_Set_Topic, "<MQTT_Set_Topic><MQTT_Publish><row Topic=\"a\" Retained=\"N\" QoS=\"0\" "
                                      "Mnemonic=\"\"/><row Topic=\"b\" QoS=\"0\" Mnemonic=\"\"/></MQTT_Publish>"
                                      "<MQTT_Subscribe/></MQTT_Set_Topic>");
  const TEditorLoad load = t.Load(File_MQTT_Set_Topic);
  EXPECT_EQ(load.Box, "Could not convert variant of type (Null) into type (OleStr)");
  EXPECT_EQ(t.Row(0, 1)[1], "a");
  EXPECT_EQ(t.Row(0, 2)[1], "b");  // read up to the missing attribute
  EXPECT_EQ(t.Row(0, 2)[2], "");
}

TEST_F(MQTTTopics, TheFormShowsLayoutOneAndEditsTemplatesInTheDialog) {
  std::unique_ptr<TFMQTT_Set_Topic> form(Create<TFMQTT_Set_Topic>(nullptr));
  std::unique_ptr<TFTopicTemplate> dialog(Create<TFTopicTemplate>(nullptr));
  FTopicTemplate = dialog.get();
  EXPECT_EQ(form->ClientWidth(), 1100);
  EXPECT_EQ(form->ECG_Pub()->RowCount(), 1025);
  EXPECT_EQ(form->ECG_Sub()->AllColCount(), 15);
  WriteFileWhole(File_MQTT_Set_Topic,
                 "<MQTT_Set_Topic><MQTT_Publish><row Topic=\"a\" Retained=\"N\" QoS=\"0\" Template=\"old\" "
                 "Mnemonic=\"\"/><row Topic=\"b\" Retained=\"N\" QoS=\"0\" Mnemonic=\"\"/></MQTT_Publish>"
                 "<MQTT_Subscribe><row Topic=\"s\" Retained=\"N\" QoS=\"0\" Mnemonic=\"\"/></MQTT_Subscribe>"
                 "</MQTT_Set_Topic>");
  ScriptedUi ui;
  ui.ExpectModal("TFMQTT_Set_Topic", [&](TForm*) {
    for (int t = 0; t < 2; ++t)
      for (int c = 1; c < form->Column_Grid(t)->AllColCount(); ++c)
        EXPECT_EQ(form->Column_Grid(t)->IsHiddenColumn(c), !MQTT_Column_Shown(t, c)) << t << "/" << c;
    // The hint of a title by its real column.
    QString hint;
    form->GridHint(form->ECG_Pub(), 0, 7, hint);  // display 7 is real 9, Template
    EXPECT_EQ(hint, "Insert the Template");
    // Insert acts on the active table only and leaves an empty row.
    form->ECG_Pub()->SetRow(1);
    form->Btn_InsRow->Click();
    EXPECT_EQ(form->ECG_Pub()->GetCellEx(kPub_Topic, 1), "");
    EXPECT_EQ(form->ECG_Pub()->GetCellEx(kPub_Topic, 2), "a");
    EXPECT_EQ(form->ECG_Sub()->GetCellEx(kSub_Topic, 1), "s");
    // A double click on a template opens the dialog on the cell's text.
    form->ECG_Pub()->SetCol(7);
    form->ECG_Pub()->SetRow(2);
    ui.ExpectModal("TFTopicTemplate", [&](TForm*) {
      EXPECT_EQ(dialog->Caption(), "Set Template");
      EXPECT_EQ(dialog->RE_TopicTemplate->LinesText(), "old");
      EXPECT_EQ(dialog->ESG_Keywords->RowCount(), 2);
      EXPECT_TRUE(dialog->ESG_Keywords->ReadOnly(1, 1));
      dialog->RE_TopicTemplate->SetLinesText("$VALUE$ C");
      dialog->Btn_OK->Click();
    });
    form->DblClickCell(form->ECG_Pub(), 2, 7);
    EXPECT_EQ(form->ECG_Pub()->GetCellEx(kPub_Template, 2), "$VALUE$ C");
    ui.ExpectModal("TFTopicTemplate", [&](TForm*) {
      dialog->RE_TopicTemplate->SetLinesText("dropped");
      dialog->Btn_Cancel->Click();
    });
    form->DblClickCell(form->ECG_Pub(), 2, 7);
    EXPECT_EQ(form->ECG_Pub()->GetCellEx(kPub_Template, 2), "$VALUE$ C");
    // On another column the dialog stays shut.
    form->ECG_Pub()->SetCol(1);
    form->DblClickCell(form->ECG_Pub(), 2, 1);
    form->Btn_Cancel->Click();
  });
  EXPECT_EQ(form->ShowModal(), mrCancel);
  FTopicTemplate = nullptr;
}
