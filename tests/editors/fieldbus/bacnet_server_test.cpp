// The BACnet server objects and the engineering unit picker: the checks (lengths
// by type, the last byte, the number of objects), the file with its hidden Swap,
// the row count by the long names option, the Length a write Data Type sets, the
// unit picker opened from an Eng. Unit cell, and the unit names.
#include "editors/fieldbus/bacnet_server_form.h"
#include "editors/fieldbus/bacnet_server_objects.h"
#include "editors/fieldbus/bacnet_unit_form.h"
#include "editors/fieldbus/bacnet_units.h"

#include "app/language/language.h"
#include "app/state/comon.h"
#include "controls/button/fade_button.h"
#include "grid/view/column_grid.h"
#include "platform/os/files.h"
#include "platform/ui/edit.h"
#include "platform/ui/items.h"
#include "platform/ui/labels.h"
#include "platform/ui/list_controls.h"
#include "platform/ui/page_control.h"
#include "tests/editors/editor_tables.h"
#include "tests/editors/fieldbus/fieldbus_checks.h"
#include "tests/support/project_fixture.h"
#include "tests/support/scripted_ui.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace {

using BACnetServer = ProjectTest;

// Data Type, Eng. Unit, Position, Start Bit, Length, Swap, Mnemonic.
QStringList Object(const char* type, const char* unit, const char* position, const char* bit, const char* length) {
  return {type, unit, position, bit, length, "N", "m"};
}

QString Check(EditorTables& t, bool longNames = false) {
  return Shown(Check_BACnet_Server_Tables(t.Table(0), t.Table(1), longNames), 2232);
}

}  // namespace

TEST_F(BACnetServer, ChecksLengthsByTypeAndTheLastByte) {
  struct Case {
    const char* name;
    bool write;
    QStringList object;
    QString message;
  } cases[] = {
      {"analog input", false, Object("Analog Input", "62", "1496", "", "4"), ""},
      {"analog input past the area", false, Object("Analog Input", "62", "1497", "", "4"),
       "Error row 2!! [BACnet in Read] Too many bytes to save starting from the Position indicate"},
      {"binary input without length", false, Object("Binary Input", "95", "1499", "0", ""), ""},
      {"binary input without start bit", false, Object("Binary Input", "95", "0", "", "4"),
       "Error row 2!! [BACnet in Read] Bit must be between 0 and 7"},
      {"read integer value without length", false, Object("Integer Value", "95", "0", "", ""), ""},
      {"write integer value without length", true, Object("Integer Value", "95", "0", "", ""),
       "Error row 2!! [BACnet in Write] Length with variable \"Integer Value\" must be between 1 and 4"},
      {"large analog value 9", false, Object("Large Analog Value", "95", "0", "", "9"),
       "Error row 2!! [BACnet in Read] Length with variable \"Large Analog Value\" must be between 1 and 8"},
      {"life safety zone 3", false, Object("Life Safety Zone", "95", "0", "", "3"),
       "Error row 2!! [BACnet in Read] Length with variable \"Life Safety Zone\" must be 1 or 2"},
      {"access door 2", true, Object("Access Door", "95", "0", "", "2"),
       "Error row 2!! [BACnet in Write] Length with variable \"Access Door\" must be equal to 1"},
      {"the type compared exactly", false, Object("analog input", "95", "0", "", "9"), ""},
      {"binary out in the write table", true, Object("Binary Out", "95", "1499", "7", "9"), ""},
      {"binary input is no write type", true, Object("Binary Input", "95", "1499", "", "2"),
       "Error row 2!! [BACnet in Write] Too many bytes to save starting from the Position indicate"},
      {"unit 0x10", false, Object("Analog Value", "0x10", "0", "", "4"), ""},
      {"unit 70000", false, Object("Analog Value", "70000", "0", "", "4"),
       "Error row 2!! [BACnet in Read] Eng. Unit must be between 0 and 65535"},
      {"unit empty", true, Object("Analog Value", "", "0", "", "4"),
       "Error row 2!! [BACnet in Write] Eng. Unit must be between 0 and 65535"},
      {"position 1500", false, Object("Analog Value", "95", "1500", "", "4"),
       "Error row 2!! [BACnet in Read] Position must be between 0 and 1499"},
      {"write position empty", true, Object("Analog Out", "95", "", "", "4"),
       "Error row 2!! [BACnet in Write] Position must be between 0 and 1499"},
  };
  for (const Case& c : cases) {
    EditorTables t(BACnet_Server_Spec);
    t.SetRow(0, 1, Object("Analog Input", "62", "0", "", "4"));
    t.SetRow(1, 1, Object("Analog Out", "62", "0", "", "4"));
    t.SetRow(c.write ? 1 : 0, 2, c.object);
    // Below the first empty Data Type nothing is checked.
    t.SetRow(0, 4, Object("Analog Input", "junk", "", "", ""));
    EXPECT_EQ(Check(t), c.message) << c.name;
  }
}

TEST_F(BACnetServer, TheNumberOfObjectsOfBothTables) {
  EditorTables t(BACnet_Server_Spec);
  for (int row = 1; row <= 600; ++row) t.SetRow(0, row, Object("Binary Value", "95", "0", "0", ""));
  for (int row = 1; row <= 400; ++row) t.SetRow(1, row, Object("Binary Value", "95", "0", "0", ""));
  EXPECT_EQ(Check(t, true), "");
  t.SetRow(1, 401, Object("Binary Value", "95", "0", "0", ""));
  EXPECT_EQ(Check(t, true), "Error!! Too many Requests. Max requests 1000");
  EXPECT_EQ(Check(t, false), "");
}

TEST_F(BACnetServer, TheFileCarriesTheHiddenSwap) {
  WriteFileWhole(File_BACnet_Slave,
                 "<BACnet_to_Modbus><BACnet_in_Read>"
                 "<row Data_Type=\"Analog Input\" Eng_Unit=\"62\" Position=\"0\" Bit=\"\" Length=\"4\" Mnemonic=\"a\"/>"
                 "<row Data_Type=\"Analog Value\" Eng_Unit=\"62\" Position=\"4\" Bit=\"\" Length=\"4\" Swap=\"Y\" "
                 "Mnemonic=\"b\"/>"
                 "</BACnet_in_Read><BACnet_in_Write/></BACnet_to_Modbus>");
  EditorTables t(BACnet_Server_Spec);
  EXPECT_TRUE(t.Load(File_BACnet_Slave).Failure.isEmpty());
  EXPECT_EQ(t.Row(0, 1), (QStringList{"1", "Analog Input", "62", "0", "", "4", "N", "a"}));
  EXPECT_EQ(t.Row(0, 2)[6], "Y");
  t.Save(File_BACnet_Slave);
  EXPECT_EQ(ReadFileWhole(File_BACnet_Slave),
            QByteArray("<BACnet_to_Modbus>\n  <BACnet_in_Read>\n"
                       "    <row Data_Type=\"Analog Input\" Eng_Unit=\"62\" Position=\"0\" Bit=\"\" Length=\"4\" "
                       "Swap=\"N\" Mnemonic=\"a\" />\n"
                       "    <row Data_Type=\"Analog Value\" Eng_Unit=\"62\" Position=\"4\" Bit=\"\" Length=\"4\" "
                       "Swap=\"Y\" Mnemonic=\"b\" />\n"
                       "  </BACnet_in_Read>\n  <BACnet_in_Write />\n</BACnet_to_Modbus>\n<!--SW_VERSION = 1.000-->\n"));
  // A bare attribute missing stops the load.
  WriteFileWhole(File_BACnet_Slave, "<BACnet_to_Modbus><BACnet_in_Read><row Data_Type=\"Analog Input\"/>"
                                    "</BACnet_in_Read><BACnet_in_Write/></BACnet_to_Modbus>");
  EXPECT_FALSE(t.Load(File_BACnet_Slave).Failure.isEmpty());
}

TEST_F(BACnetServer, TheFormSizesItsTablesPicksUnitsAndSetsLengths) {
  std::unique_ptr<TFBACnetSlaveSetAccess> form(Create<TFBACnetSlaveSetAccess>(nullptr));
  std::unique_ptr<TFBACnet_Eng_Unit> picker(Create<TFBACnet_Eng_Unit>(nullptr));
  FBACnet_Eng_Unit = picker.get();
  EXPECT_EQ(form->ClientWidth(), 764);
  EXPECT_TRUE(form->ECG_BACnet_in_Read->IsHiddenColumn(kBS_Swap));
  EXPECT_EQ(form->ECG_BACnet_in_Write->Columns()->Items(1)->ComboItems()->Count(), 10);
  ScriptedUi ui;
  ui.ExpectModal("TFBACnetSlaveSetAccess", [&](TForm*) {
    EXPECT_EQ(form->ECG_BACnet_in_Read->RowCount(), 2001);
    EXPECT_EQ(form->PageControl1->ActivePage(), form->TS_BACnet_in_Read);
    EXPECT_EQ(form->ECG_BACnet_in_Read->GetCellEx(0, 2000), "2000");
    // The write Data Type sets the Length.
    for (const auto& [type, length] : {std::pair{"Large Analog Value", "8"}, std::pair{"Binary Out", "1"},
                                       std::pair{"Multi State Output", "4"}}) {
      form->ECG_BACnet_in_WriteComboChange(form->ECG_BACnet_in_Write, 1, 3, 0, type);
      EXPECT_EQ(form->ECG_BACnet_in_Write->GetCellEx(kBS_Length, 3), length) << type;
    }
    // The unit picker from an Eng. Unit cell: it shows the cell's unit; Cancel keeps
    // the cell, OK takes the picker's number.
    form->ECG_BACnet_in_Read->SetCellEx(kBS_Eng_Unit, 5, "62");
    ui.ExpectModal("TFBACnet_Eng_Unit", [&](TForm* f) {
      EXPECT_EQ(picker->E_Selected_EU->Text(), "62");
      EXPECT_EQ(picker->Label5->Caption(), "-> degrees-Celsius");
      picker->CB_Select_Type->SetItemIndex(22);
      picker->CB_Select_TypeSelect(picker->CB_Select_Type);
      picker->CB_Select_Unit->SetItemIndex(picker->CB_Select_Unit->Items()->IndexOf("per-mille"));
      picker->Btn_Select_Eng_UnitClick(picker->Btn_Select_Eng_Unit);
      EXPECT_EQ(picker->E_Selected_EU->Text(), "207");
      EXPECT_EQ(picker->Label5->Caption(), "-> per-mille");
      f->SetModalResult(mrCancel);
    });
    form->DblClickCell(form->ECG_BACnet_in_Read, 5, kBS_Eng_Unit);
    EXPECT_EQ(form->ECG_BACnet_in_Read->GetCellEx(kBS_Eng_Unit, 5), "62");
    ui.ExpectModal("TFBACnet_Eng_Unit", [&](TForm*) {
      // The category chosen stays, with its first unit selected again.
      EXPECT_EQ(picker->CB_Select_Type->ItemIndex(), 22);
      EXPECT_EQ(picker->CB_Select_Unit->ItemIndex(), 0);
      EXPECT_EQ(picker->Label5->Caption(), "-> unknown");
      picker->E_Selected_EU->SetText("172");
      picker->Btn_OK->Click();
    });
    form->ECG_BACnet_in_Write->SetCellEx(kBS_Eng_Unit, 1, "abc");
    form->DblClickCell(form->ECG_BACnet_in_Write, 1, kBS_Eng_Unit);
    EXPECT_EQ(form->ECG_BACnet_in_Write->GetCellEx(kBS_Eng_Unit, 1), "172");
    // The title cell opens no picker.
    form->DblClickCell(form->ECG_BACnet_in_Write, 0, kBS_Eng_Unit);
    EXPECT_EQ(form->ECG_BACnet_in_Write->GetCellEx(kBS_Eng_Unit, 0), "Eng. Unit");
    form->Btn_Cancel->Click();
  });
  form->ShowModal();

  // The long names option: 1000 rows each.
  WriteFileWhole(File_ParGen, "<Par_Gen><BACnet_Desc_Chars_Limit>1</BACnet_Desc_Chars_Limit></Par_Gen>");
  ui.ExpectModal("TFBACnetSlaveSetAccess", [&](TForm*) {
    EXPECT_TRUE(form->Desc_Lenght);
    EXPECT_EQ(form->ECG_BACnet_in_Write->RowCount(), 1001);
    form->Btn_Cancel->Click();
  });
  form->ShowModal();
  FBACnet_Eng_Unit = nullptr;
}

TEST_F(BACnetServer, UnitNames) {
  EXPECT_EQ(Desc_Unit(0), "square-meters");
  EXPECT_EQ(Desc_Unit(62), "degrees-Celsius");
  EXPECT_EQ(Desc_Unit(172), "ohm-meters");
  EXPECT_EQ(Desc_Unit(139), "megajoules-hours-per-square-meter");
  EXPECT_EQ(Desc_Unit(236), "minutes-per-degree-kelvin");
  EXPECT_EQ(Desc_Unit(237), "unknown");
  EXPECT_EQ(Desc_Unit(-1), "unknown");
  // Every number 0 to 236 once in the 23 categories.
  std::vector<int> seen(237, 0);
  const QStringList categories = Unit_Category_Names();
  ASSERT_EQ(categories.size(), 23);
  EXPECT_EQ(categories[3], "Electrical");
  for (int c = 0; c < categories.size(); ++c)
    for (int i = 0; i < Unit_Names(c).size(); ++i) ++seen[size_t(Unit_Number(c, i))];
  EXPECT_EQ(std::count(seen.begin(), seen.end(), 1), 237);
  EXPECT_EQ(Unit_Names(3).indexOf("ohms-meters"), 11);
  EXPECT_EQ(Unit_Number(3, 11), 172);
  EXPECT_EQ(Unit_Number(23, 0), -1);
  EXPECT_EQ(Unit_Number(0, 1), -1);
}
