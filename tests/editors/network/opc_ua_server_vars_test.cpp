// The OPC UA server variables: the check over every row (also below an empty
// Type), the guarded reading and the file, the Length rule; on the form the Type
// list setting the Length and its lock, the R/W default, a paste keeping its
// Length, the delete question and OK warning before rows below a gap are lost.
#include "editors/network/opc_ua_server_form.h"
#include "editors/network/opc_ua_server_variables.h"

#include "app/grid_rows/grid_rows.h"
#include "app/language/language.h"
#include "app/state/comon.h"
#include "app/table_editor/table_editor_grids.h"
#include "controls/button/fade_button.h"
#include "grid/view/ex_string_grid.h"
#include "platform/os/files.h"
#include "tests/editors/editor_tables.h"
#include "tests/support/project_fixture.h"
#include "tests/support/scripted_ui.h"
#include "tests/support/ui_input.h"

#include <gtest/gtest.h>

namespace {

using OPC_UA_Server_Vars = ProjectTest;

// Enable, Type, Position, Length, Name, R/W, Mnemonic.
const QStringList kRow = {"Y", "Int16", "10", "2", "Speed", "Read Only", "m"};

QStringList With(QStringList row, int col, const QString& text) {
  row[col - 1] = text;
  return row;
}

}  // namespace

TEST_F(OPC_UA_Server_Vars, TheCheckLooksAtEveryEnabledRowWithAType) {
  struct Case {
    const char* name;
    int row;
    QStringList cells;
    QString message;
  } cases[] = {
      {"passes", 3, kRow, ""},
      {"position 1999", 3, With(kRow, 3, "1999"), ""},
      {"hexadecimal", 3, With(kRow, 3, "$7CF"), ""},
      {"position 2000", 5, With(kRow, 3, "2000"), "Error row 5!! Position Must be Between 0 and 2000"},
      {"no number", 3, With(kRow, 3, "12a"), "Error row 3!! Position Must be Between 0 and 2000"},
      {"empty position", 3, With(kRow, 3, ""), "Error row 3!! Position Must be Between 0 and 2000"},
      {"unchecked row not checked", 3, With(With(kRow, 1, "N"), 3, "-1"), ""},
      {"blank type not checked", 3, With(With(kRow, 2, "  "), 3, "-1"), ""},
      // Below an empty Type (which ends the saved rows) rows are still checked.
      {"below a gap", 250, With(kRow, 3, "2000"), "Error row 250!! Position Must be Between 0 and 2000"},
      {"unknown type checked", 3, With(With(kRow, 2, "Char"), 3, "x"), "Error row 3!! Position Must be Between 0 and 2000"},
  };
  for (const Case& c : cases) {
    EditorTables t(OPC_UA_Server_Spec);
    t.SetRow(0, 1, kRow);
    t.SetRow(0, c.row, c.cells);
    EXPECT_EQ(OS_Check(t.Table(0)), c.message) << c.name;
  }
}

TEST_F(OPC_UA_Server_Vars, TheFileIsReadWithDefaultsAndWrittenUpToTheFirstEmptyType) {
  WriteFileWhole(File_OPC_UA_Server,
                 "<Other><OPC_UA_Server_Variables>"
                 "<row Enable=\"n\" Type=\"Int32\" Position=\"4\" Name=\"a\"/>"
                 "<row Enable=\"N\" Type=\"String\" Length=\"32\" ReadWrite=\"Read Only\" Mnemonic=\"b\"/>"
                 "<row/>"
                 "<row Type=\"Byte\" Position=\"9\"/>"
                 "</OPC_UA_Server_Variables></Other><!--SW_VERSION = 1.000-->");
  std::unique_ptr<TFOPC_UA_Server_Access> form(Create<TFOPC_UA_Server_Access>(nullptr));
  TExStringGrid* g = form->ESG;
  ScriptedUi ui;
  ui.ExpectModal("TFOPC_UA_Server_Access", [&](TForm*) {
    const TGridEditorTable cells(g, kOS_Enable);
    EXPECT_EQ(cells.Cell(kOS_Enable, 1), "Y");  // only "N" unchecks
    EXPECT_EQ(cells.Cell(kOS_Enable, 2), "N");
    EXPECT_EQ(cells.Cell(kOS_Enable, 3), "Y");  // missing: checked
    EXPECT_EQ(g->GetCellEx(kOS_Length, 1), "");  // a missing Length stays empty, even for Int32
    EXPECT_EQ(g->GetCellEx(kOS_ReadWrite, 2), "Read Only");
    EXPECT_EQ(g->GetCellEx(kOS_Type, 4), "Byte");
    // The row below the empty Type is lost on saving, after the question.
    ui.ExpectMessage(Lang_Text(4531).arg(form->Caption()).arg(3), mrYes, mtConfirmation);
    form->Btn_OK->Click();
  });
  EXPECT_EQ(form->ShowModal(), mrOk);
  EXPECT_EQ(QString::fromUtf8(ReadFileWhole(File_OPC_UA_Server)),
            "<OPC_UA_Server>\n"
            "  <OPC_UA_Server_Variables>\n"
            "    <row Enable=\"Y\" Type=\"Int32\" Position=\"4\" Length=\"\" Name=\"a\" ReadWrite=\"\" Mnemonic=\"\" />\n"
            "    <row Enable=\"N\" Type=\"String\" Position=\"\" Length=\"32\" Name=\"\" ReadWrite=\"Read Only\" "
            "Mnemonic=\"b\" />\n"
            "  </OPC_UA_Server_Variables>\n"
            "</OPC_UA_Server>\n"
            "<!--SW_VERSION = 1.000-->\n");
  // Shown again, the file reads as saved.
  ui.ExpectModal("TFOPC_UA_Server_Access", [&](TForm*) {
    EXPECT_EQ(g->GetCellEx(kOS_Type, 4), "");
    EXPECT_FALSE(g->IsChecked(kOS_Enable, 2));
    form->Btn_Cancel->Click();
  });
  form->ShowModal();
}

TEST_F(OPC_UA_Server_Vars, TheTypeSetsTheLengthAndItsLock) {
  struct Case {
    const char* type;
    const char* length;  // nullptr: the cell keeps its text
    bool readOnly;
  } cases[] = {
      {"Boolean", "1", true}, {"Signed Byte", "1", true}, {"Byte", "1", true},    {"Int16", "2", true},
      {"UInt16", "2", true},  {"Int32", "4", true},        {"UInt32", "4", true},  {"Float", "4", true},
      {"Int64", "8", true},   {"UInt64", "8", true},       {"Double", "8", true},  {"String", "10", false},
      {"ByteString", "10", false}, {"double", nullptr, false}, {"", nullptr, false},
  };
  for (const Case& c : cases) {
    EditorTables t(OPC_UA_Server_Spec);
    t.SetRow(0, 1, {"Y", "", "", "kept", "", "", ""});
    const std::optional<bool> readOnly = OS_VarSetLength(t.Table(0), c.type, 1);
    EXPECT_EQ(t.Row(0, 1)[kOS_Length], c.length ? c.length : "kept") << c.type;
    EXPECT_EQ(readOnly.has_value(), c.length != nullptr) << c.type;
    if (readOnly) EXPECT_EQ(*readOnly, c.readOnly) << c.type;
    EXPECT_EQ(t.Row(0, 1)[kOS_ReadWrite], "Read/Write") << c.type;  // an empty R/W gets the default
  }
  EditorTables t(OPC_UA_Server_Spec);
  t.SetRow(0, 1, {"Y", "", "", "", "", "Read Only", ""});
  OS_VarSetLength(t.Table(0), "Int64", 1);
  EXPECT_EQ(t.Row(0, 1)[kOS_ReadWrite], "Read Only");
}

TEST_F(OPC_UA_Server_Vars, TheFormFollowsTheTypeAndKeepsAPastedLength) {
  WriteFileWhole(File_OPC_UA_Server, "<OPC_UA_Server><OPC_UA_Server_Variables>"
                                     "<row Enable=\"Y\" Type=\"Double\" Position=\"0\"/>"
                                     "<row Enable=\"N\" Type=\"String\" Position=\"8\" Length=\"32\" Name=\"s\"/>"
                                     "</OPC_UA_Server_Variables></OPC_UA_Server>");
  std::unique_ptr<TFOPC_UA_Server_Access> form(Create<TFOPC_UA_Server_Access>(nullptr));
  TExStringGrid* g = form->ESG;
  EXPECT_EQ(form->ClientWidth(), 1200);
  EXPECT_EQ(g->ColCount(), 8);
  EXPECT_EQ(g->RowCount(), 251);
  EXPECT_EQ(g->GetCellEx(6, 0), "R/W");
  EXPECT_EQ(g->ColWidths(5), 280);
  EXPECT_EQ(form->Caption(), "Definition of OPC UA Server Variables");
  ScriptedUi ui;
  ui.ExpectModal("TFOPC_UA_Server_Access", [&](TForm*) {
    // Loaded: the saved Length stays even where the type has its own (missing: empty),
    // the lock follows the type, the box follows Enable.
    EXPECT_EQ(g->GetCellEx(kOS_Length, 1), "");
    EXPECT_TRUE(g->ReadOnly(kOS_Length, 1));
    EXPECT_FALSE(g->IsChecked(kOS_Enable, 2));
    EXPECT_FALSE(g->ReadOnly(kOS_Length, 2));
    EXPECT_TRUE(g->IsChecked(kOS_Enable, 3));
    // The lists come from the editor-type event.
    TEditorType editor = edNormal;
    form->ESGGetEditorType(g, kOS_ReadWrite, 1, editor);
    EXPECT_EQ(editor, edComboList);
    // Choosing Int16 in row 3 locks "2" and gives the R/W default.
    form->ESGComboChange(g, kOS_Type, 3, 3, "Int16");
    EXPECT_EQ(g->GetCellEx(kOS_Length, 3), "2");
    EXPECT_TRUE(g->ReadOnly(kOS_Length, 3));
    EXPECT_EQ(g->GetCellEx(kOS_ReadWrite, 3), "Read/Write");
    g->SetCellEx(kOS_Type, 3, "Int16");
    // A String row pasted over it keeps its Length 32 and frees the cell.
    g->SetRow(2);
    form->Btn_CopyRow->Click();
    g->SetRow(3);
    ui.ExpectMessage(Lang_Text(1100), mrYes, mtConfirmation);
    form->Btn_PasteRow->Click();
    EXPECT_EQ(g->GetCellEx(kOS_Length, 3), "32");
    EXPECT_FALSE(g->ReadOnly(kOS_Length, 3));
    EXPECT_FALSE(g->IsChecked(kOS_Enable, 3));
    // A refused paste changes nothing: no R/W default in an empty row.
    form->Btn_CopyRow->Click();
    g->SetRow(5);
    ui.ExpectMessage(Lang_Text(1100), mrNo, mtConfirmation);
    g->SetCellEx(kOS_Name, 5, "typed");
    form->Btn_PasteRow->Click();
    EXPECT_EQ(g->GetCellEx(kOS_ReadWrite, 5), "");
    // The delete question has the row number in its text.
    ui.ExpectMessage("Are you sure to delete the Row number 5", mrNo, mtConfirmation);
    form->Btn_DelRow->Click();
    // Row 5 lies below the empty Type of row 4: OK asks before those rows are lost.
    g->SetCellEx(kOS_Type, 5, "Byte");
    g->SetCellEx(kOS_Position, 5, "1");
    ui.ExpectMessage(Lang_Text(4531).arg(form->Caption()).arg(4), mrNo, mtConfirmation);
    form->Btn_OK->Click();
    EXPECT_EQ(form->ModalResult(), mrNone);
    ui.ExpectMessage("Error row 5!! Position Must be Between 0 and 2000", mrOk, mtError);
    g->SetCellEx(kOS_Position, 5, "2000");
    form->Btn_OK->Click();
    g->SetCellEx(kOS_Type, 5, "");
    form->Btn_OK->Click();
  });
  EXPECT_EQ(form->ShowModal(), mrOk);
  EditorTables saved(OPC_UA_Server_Spec);
  saved.Load(File_OPC_UA_Server);
  EXPECT_EQ(saved.Row(0, 3), (QStringList{"3", "N", "String", "8", "32", "s", "Read/Write", ""}));
}
