// The EtherCAT process-data editor on the offscreen platform: the tables as built,
// the type rule through the Type column's handlers, positions recomputed by the
// grid events and buttons, loading, the OK checks with the first failure, saving
// up to the first empty Type, Cancel, row buttons and texts.
#include "gateway/ethercat_slave_form.h"

#include "app/language/language.h"
#include "app/state/comon.h"
#include "controls/button/fade_button.h"
#include "grid/view/ex_string_grid.h"
#include "platform/os/files.h"
#include "platform/ui/labels.h"
#include "platform/ui/page_control.h"
#include "grid/input/grid_combo.h"
#include "grid/input/inplace_editor.h"
#include "tests/support/project_fixture.h"
#include "tests/support/scripted_ui.h"
#include "tests/support/ui_input.h"

#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>

namespace {

const QString kDelete2 = QStringLiteral("Are you sure to delete the Row number 2");

class EtherCATSlaveForm : public ProjectTest {
protected:
  void SetUp() override {
    ProjectTest::SetUp();
    form_.reset(Create<TFEtherCATSlave>(nullptr));
  }
  void TearDown() override {
    form_.reset();
    ProjectTest::TearDown();
  }

  TFEtherCATSlave& F() { return *form_; }
  TExStringGrid* StM() { return F().ESG_SlaveMaster; }
  TExStringGrid* MtS() { return F().ESG_MasterSlave; }
  QByteArray File() { return FileExists(File_EtherCAT_Slave) ? ReadFileWhole(File_EtherCAT_Slave) : QByteArray(); }

  // Shows the form modally; `act` runs while it is shown.
  TModalResult Show(std::function<void(TFEtherCATSlave&)> act, ScriptedUi& ui) {
    ui.ExpectModal(QStringLiteral("TFEtherCATSlave"), [&](TForm* f) { act(*static_cast<TFEtherCATSlave*>(f)); });
    return F().ShowModal();
  }
  // A type chosen in the Type column's list of the shown page.
  void Choose(int row, const QString& type) {
    TExStringGrid* g = F().Active_Grid();
    F().ESG_SlaveMasterComboChange(g, 2, row, int(F().VarType.IndexOf(type)), type);
  }
  // Shows the form with the focus in the grid of the page shown, as a user finds it.
  TExStringGrid* ShowWithGridFocused() {
    F().Show();
    ProcessEvents();
    TExStringGrid* g = F().Active_Grid();
    g->SetFocus();
    ProcessEvents();
    return g;
  }
  // A click in the middle of a cell.
  static void ClickCell(TExStringGrid* g, int col, int row) {
    const TRect r = g->CellRect(col, row);
    MouseClick(g, (r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
    ProcessEvents();
  }
  // Position and Start Bit of rows 1..n of the Slave To Master table.
  QStringList Positions(TExStringGrid* g, int n, int posCol) {
    QStringList out;
    for (int row = 1; row <= n; ++row) out << g->GetCellEx(posCol, row) + "." + g->GetCellEx(posCol + 1, row);
    return out;
  }

  std::unique_ptr<TFEtherCATSlave> form_;
};

QByteArray Rows_File(const QByteArray& stm, const QByteArray& mts) {
  return "<EtherCAT_Slave><EtherCAT_Slave_Variables><EtherCAT_Slave_To_Master>" + stm +
         "</EtherCAT_Slave_To_Master><EtherCAT_Master_To_Slave>" + mts +
         "</EtherCAT_Master_To_Slave></EtherCAT_Slave_Variables></EtherCAT_Slave><!--SW_VERSION = 1.001-->";
}

}  // namespace

TEST_F(EtherCATSlaveForm, CreationBuildsBothTablesWithTheirColumnsAndTexts) {
  EXPECT_EQ(F().ClientWidth(), 1200);
  EXPECT_EQ(F().ClientHeight(), 337);
  EXPECT_EQ(F().Caption(), "EtherCAT Slave Set Access");
  EXPECT_EQ(F().L_SW_Code->Caption(), SW_Code);
  EXPECT_EQ(F().PageControl1->ActivePage(), F().TS_SlaveToMaster);
  EXPECT_EQ(F().TS_SlaveToMaster->Caption(), "Slave To Master");
  EXPECT_EQ(F().TS_MasterToSlave->Caption(), "Master To Slave");
  const QStringList stmTitles = {"N", "Enable", "Type", "Length", "Name", "Init Value", "Position", "Start Bit",
                                 "Mnemonic"};
  ASSERT_EQ(StM()->ColCount(), 9);
  ASSERT_EQ(MtS()->ColCount(), 8);
  EXPECT_EQ(StM()->RowCount(), 257);
  EXPECT_EQ(MtS()->RowCount(), 257);
  for (int c = 0; c < 9; ++c) EXPECT_EQ(StM()->GetCellEx(c, 0), stmTitles[c]) << c;
  QStringList mtsTitles = stmTitles;
  mtsTitles.removeAt(5);
  for (int c = 0; c < 8; ++c) EXPECT_EQ(MtS()->GetCellEx(c, 0), mtsTitles[c]) << c;
  const int widths[] = {40, 50, 120, 100, 280, 100, 100, 100, 100};
  for (int c = 0; c < 9; ++c) EXPECT_EQ(StM()->ColWidths(c), widths[c]) << c;
  EXPECT_EQ(StM()->Colors(1, 5), TColor(0xB0D8FF));
  EXPECT_EQ(StM()->Colors(5, 5), TColor(0xA8FFA8));
  EXPECT_EQ(MtS()->Colors(5, 5), TColor(0xF4D6FC));
  // Position and Start Bit are read-only, the rest editable; Enable is a checked box.
  EXPECT_TRUE(StM()->ReadOnly(6, 1) && StM()->ReadOnly(7, 256) && MtS()->ReadOnly(5, 3) && MtS()->ReadOnly(6, 3));
  EXPECT_FALSE(StM()->ReadOnly(3, 1) || StM()->ReadOnly(8, 1) || MtS()->ReadOnly(7, 1));
  EXPECT_TRUE(StM()->HasCheckBox(1, 256) && StM()->IsChecked(1, 256));
  EXPECT_EQ(StM()->GetCellEx(0, 256), "256");
  EXPECT_TRUE(StM()->Options().Contains(goEditing));
  // Buttons: places, captions, hints; only copy and paste show theirs.
  const TFadeButton* buttons[] = {F().Btn_OK, F().Btn_Cancel, F().Btn_DelRow, F().Btn_InsRow, F().Btn_CopyRow,
                                  F().Btn_PasteRow};
  const char* captions[] = {"OK", "Cancel", "Delete Row", "Insert Row", "Copy Row", "Paste Row"};
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(buttons[i]->Left(), 16 + 118 * i);
    EXPECT_EQ(buttons[i]->Width(), 110);
    EXPECT_EQ(buttons[i]->Caption(), captions[i]);
    EXPECT_EQ(buttons[i]->Hint(), Lang_Text(1008 + i));
    EXPECT_EQ(buttons[i]->ShowHint(), i >= 4);
  }
  EXPECT_EQ(F().VarType.Count(), 10);
  EXPECT_EQ(F().VarType[0], "Bool");
  EXPECT_EQ(F().VarType[9], "String");
}

TEST_F(EtherCATSlaveForm, TypeChoiceSetsLengthAndItsReadOnlyStateAndRecomputesPositions) {
  // The Type column asks for the list editor with the ten types; others keep theirs.
  TEditorType kind = edNormal;
  F().ESG_SlaveMasterGetEditorType(StM(), 2, 1, kind);
  EXPECT_EQ(kind, edComboList);
  EXPECT_EQ(StM()->ComboCount(), 10);
  kind = edNormal;
  F().ESG_SlaveMasterGetEditorType(StM(), 3, 1, kind);
  EXPECT_EQ(kind, edNormal);

  struct Case {
    const char* type;
    const char* length;
    bool readOnly;
  } cases[] = {{"Bool", "1", true},   {"Int8", "1", true},    {"UInt8", "1", true},   {"Int16", "2", true},
               {"UInt16", "2", true}, {"Int32", "4", true},   {"UInt32", "4", true},  {"Float32", "4", true},
               {"Array", "10", false}, {"String", "10", false}};
  for (const Case& c : cases) {
    Choose(1, c.type);
    EXPECT_EQ(StM()->GetCellEx(2, 1), c.type);
    EXPECT_EQ(StM()->GetCellEx(3, 1), c.length) << c.type;
    EXPECT_EQ(StM()->ReadOnly(3, 1), c.readOnly) << c.type;
  }
  // A String of Length 10 takes 11 bytes: the next variable starts at 11.
  Choose(2, "Int8");
  EXPECT_EQ(StM()->GetCellEx(6, 2), "11");
  // The Master To Slave page: its own grid and its own columns.
  F().PageControl1->SetActivePage(F().TS_MasterToSlave);
  Choose(1, "Int16");
  Choose(2, "Bool");
  EXPECT_EQ(MtS()->GetCellEx(3, 1), "2");
  EXPECT_EQ(Positions(MtS(), 2, 5), QStringList({"0.0", "2.0"}));
  EXPECT_EQ(StM()->GetCellEx(2, 2), "Int8");
}

TEST_F(EtherCATSlaveForm, PositionsFollowEnableLengthAndTypeEditsAndTheRowButtons) {
  // Bool, Bool, Int16, nine Bool, Int8.
  const char* types[] = {"Bool", "Bool", "Int16", "Bool", "Bool", "Bool", "Bool", "Bool",
                         "Bool", "Bool", "Bool", "Bool", "Int8"};
  for (int i = 0; i < 13; ++i) Choose(i + 1, types[i]);
  EXPECT_EQ(Positions(StM(), 13, 6), QStringList({"0.0", "0.1", "1.0", "3.0", "3.1", "3.2", "3.3", "3.4", "3.5",
                                                  "3.6", "3.7", "4.0", "5.0"}));
  // Unchecking a box (the check-box change event): the row shows 0/0, the Bool run
  // stays open.
  StM()->ChangeCheckBoxState(1, 2, false);
  EXPECT_EQ(Positions(StM(), 3, 6), QStringList({"0.0", "0.0", "1.0"}));
  StM()->ChangeCheckBoxState(1, 2, true);
  // A validated Length edit of an Array recomputes with the new value, before the
  // grid stores it (the handler leaves the value).
  Choose(3, "Array");
  QString value = "3";
  bool valid = true;
  F().ESG_SlaveMasterCellValidate(StM(), 3, 3, value, valid);
  EXPECT_TRUE(valid);
  EXPECT_EQ(value, "3");
  EXPECT_EQ(StM()->GetCellEx(6, 4), "4");
  StM()->SetCellEx(3, 3, value);  // then stored by the grid
  // A validated edit elsewhere (Name) leaves the positions alone.
  StM()->SetCellEx(6, 4, "x");
  F().ESG_SlaveMasterCellValidate(StM(), 4, 4, value, valid);
  EXPECT_EQ(StM()->GetCellEx(6, 4), "x");

  // Insert Row: an empty row that ends the computation; nothing recomputed yet.
  F().ESG_SlaveMaster->SetRow(2);
  F().Btn_InsRow->Click();
  EXPECT_EQ(StM()->GetCellEx(2, 2), "");
  EXPECT_TRUE(StM()->IsChecked(1, 2));
  EXPECT_EQ(StM()->GetCellEx(2, 3), "Bool");
  // Delete Row answered No still recomputes: the empty row 2 now ends the table,
  // so row 3 keeps the stale text.
  StM()->SetCellEx(6, 3, "stale");
  ScriptedUi ui;
  ui.ExpectMessage(kDelete2, mrNo, mtConfirmation);
  F().Btn_DelRow->Click();
  EXPECT_EQ(StM()->GetCellEx(6, 3), "stale");
  // Yes deletes it; the rows move up and are recomputed.
  ui.ExpectMessage(kDelete2, mrYes, mtConfirmation);
  F().Btn_DelRow->Click();
  EXPECT_EQ(StM()->GetCellEx(2, 2), "Bool");
  EXPECT_EQ(Positions(StM(), 4, 6), QStringList({"0.0", "0.1", "1.0", "4.0"}));
}

TEST_F(EtherCATSlaveForm, ShowingLoadsTheFileComputesThePositionsAndCancelWritesNothing) {
  const QByteArray file = Rows_File(
      "<row Enable=\"Y\" Type=\"Bool\" Length=\"1\" Name=\"a\" InitValue=\"1\" Position=\"9\" BitStart=\"9\" "
      "Mnemonic=\"m\"/>"
      "<row Enable=\"N\" Type=\"Int32\" Length=\"4\" Name=\"off\"/>"
      "<row Type=\"String\" Length=\"20\" Name=\"s\" InitValue=\"hello\"/>"
      "<row Type=\"Int8\"/>",
      "<row Enable=\"Y\" Type=\"UInt16\" Name=\"o\" Position=\"7\" BitStart=\"7\" Mnemonic=\"q\"/>");
  WriteFileWhole(File_EtherCAT_Slave, file);
  ScriptedUi ui;
  EXPECT_EQ(Show(
                [](TFEtherCATSlave& f) {
                  // Edits made and then cancelled.
                  f.ESG_SlaveMaster->SetCellEx(4, 1, "changed");
                  f.Btn_Cancel->Click();
                },
                ui),
            mrCancel);
  EXPECT_EQ(File(), file);
  EXPECT_EQ(StM()->GetCellEx(4, 1), "changed");  // the grid keeps it until the next showing
  EXPECT_EQ(StM()->GetCellEx(5, 1), "1");
  EXPECT_EQ(StM()->GetCellEx(8, 1), "m");
  EXPECT_FALSE(StM()->IsChecked(1, 2));
  EXPECT_TRUE(StM()->IsChecked(1, 3));  // a missing Enable counts as "Y"
  EXPECT_EQ(StM()->GetCellEx(3, 3), "20");
  EXPECT_FALSE(StM()->ReadOnly(3, 3));
  EXPECT_TRUE(StM()->ReadOnly(3, 1));
  EXPECT_EQ(StM()->GetCellEx(3, 4), "");  // a missing Length empties the cell
  EXPECT_TRUE(StM()->ReadOnly(3, 4));
  // Stored positions are replaced: a disabled row shows 0/0; the String takes 21.
  EXPECT_EQ(Positions(StM(), 4, 6), QStringList({"0.0", "0.0", "1.0", "22.0"}));
  EXPECT_EQ(Positions(MtS(), 1, 5), QStringList({"0.0"}));
  EXPECT_EQ(MtS()->GetCellEx(3, 1), "");  // missing Length, after the type rule filled it
  EXPECT_EQ(MtS()->GetCellEx(7, 1), "q");

  // Showing again rebuilds from the file: the cancelled edit is gone.
  EXPECT_EQ(Show([](TFEtherCATSlave& f) { f.Btn_Cancel->Click(); }, ui), mrCancel);
  EXPECT_EQ(StM()->GetCellEx(4, 1), "a");
  EXPECT_EQ(StM()->GetCellEx(2, 5), "");
  EXPECT_EQ(File(), file);

  // No file: empty tables with every box checked, and nothing written on Cancel.
  QFile::remove(File_EtherCAT_Slave);
  EXPECT_EQ(Show([](TFEtherCATSlave& f) { f.Btn_Cancel->Click(); }, ui), mrCancel);
  EXPECT_EQ(StM()->GetCellEx(2, 1), "");
  EXPECT_TRUE(StM()->IsChecked(1, 2));
  EXPECT_FALSE(StM()->ReadOnly(3, 1));
  EXPECT_FALSE(FileExists(File_EtherCAT_Slave));
}

TEST_F(EtherCATSlaveForm, BrokenOrOversizedFilesAreReported) {
  ScriptedUi ui;
  // Not well-formed: the reader's reason in an error box, both tables empty.
  WriteFileWhole(File_EtherCAT_Slave, "<EtherCAT_Slave><EtherCAT_Slave_Variables>");
  ui.ExpectMessage(QStringLiteral("Cannot load \"%1\": Start-end tags mismatch").arg(File_EtherCAT_Slave), mrOk, mtError);
  ui.ExpectModal(QStringLiteral("TFEtherCATSlave"), [](TForm* f) {
    static_cast<TFEtherCATSlave*>(f)->Btn_Cancel->Click();
  });
  F().ShowModal();
  EXPECT_EQ(ui.Messages.size(), 1u);
  EXPECT_EQ(StM()->GetCellEx(2, 1), "");

  // 258 rows: the first 256 are shown, the user is told once.
  QByteArray rows;
  for (int i = 0; i < 258; ++i) rows += "<row Type=\"Int8\" Name=\"v" + QByteArray::number(i) + "\"/>";
  WriteFileWhole(File_EtherCAT_Slave, Rows_File(rows, rows));
  ui.Messages.clear();
  ui.ExpectMessage(QStringLiteral("%1 holds more variables than the tables can show: 4 row(s) were not loaded and "
                                  "will not be saved.")
                       .arg(File_EtherCAT_Slave),
                   mrOk, mtWarning);
  ui.ExpectModal(QStringLiteral("TFEtherCATSlave"), [](TForm* f) {
    static_cast<TFEtherCATSlave*>(f)->Btn_Cancel->Click();
  });
  F().ShowModal();
  EXPECT_EQ(ui.Messages.size(), 1u);
  EXPECT_EQ(StM()->GetCellEx(4, 256), "v255");
  EXPECT_EQ(MtS()->GetCellEx(5, 256), "255");
}

TEST_F(EtherCATSlaveForm, OkShowsTheFirstFailedCheckAndWritesNothing) {
  struct Case {
    const char* name;
    std::function<void(TFEtherCATSlave&)> fill;
    QString message;
  } cases[] = {
      {"array length 0 in row 2",
       [this](TFEtherCATSlave&) {
         Choose(1, "Int8");
         Choose(2, "Array");
         StM()->SetCellEx(3, 2, "0");
         Choose(3, "Array");
         StM()->SetCellEx(5, 3, "ABC");
       },
       "Error row 2!! [Slave to Master] Length must be beetween 1 and 255"},
      {"odd init value",
       [this](TFEtherCATSlave&) {
         Choose(1, "Array");
         StM()->SetCellEx(5, 1, "ABC");
       },
       "Error row 1!! [Slave to Master] Init Value the number of characters must be even"},
      {"a G among the digits",
       [this](TFEtherCATSlave&) {
         Choose(1, "Array");
         StM()->SetCellEx(5, 1, "0G");
       },
       "Error row 1!! [Slave to Master] Init Value one or more characters is not admited. Use 0..9 and A..F"},
      {"string init longer than length",
       [this](TFEtherCATSlave&) {
         Choose(1, "String");
         StM()->SetCellEx(3, 1, "2");
         StM()->SetCellEx(5, 1, "abc");
       },
       "Error row 1!! [Slave to Master] Init Value the dimension of string must be equal or minor of Length"},
      {"master to slave string length not a number",
       [this](TFEtherCATSlave& f) {
         f.PageControl1->SetActivePage(f.TS_MasterToSlave);
         Choose(1, "String");
         MtS()->SetCellEx(3, 1, "x");
       },
       "Error row 1!! [Master to Slave] Length must be beetween 1 and 255"},
  };
  for (const Case& c : cases) {
    ScriptedUi ui;
    ui.ExpectModal(QStringLiteral("TFEtherCATSlave"), [&](TForm*) {
      c.fill(F());
      F().Btn_OK->Click();  // stays open after the error box
      EXPECT_EQ(F().ModalResult(), mrNone) << c.name;
      F().Btn_Cancel->Click();
    });
    ui.ExpectMessage(c.message, mrOk, mtError);
    F().ShowModal();
    EXPECT_EQ(ui.Messages.size(), 1u) << c.name;
    EXPECT_FALSE(FileExists(File_EtherCAT_Slave)) << c.name;
  }
  // A disabled failing row is skipped; four lower-case digits with Length 2 pass.
  ScriptedUi ui;
  EXPECT_EQ(Show(
                [this](TFEtherCATSlave& f) {
                  Choose(1, "Array");
                  StM()->SetCellEx(3, 1, "0");
                  StM()->ChangeCheckBoxState(1, 1, false);
                  Choose(2, "Array");
                  StM()->SetCellEx(3, 2, "2");
                  StM()->SetCellEx(5, 2, "0aff");
                  f.Btn_OK->Click();
                },
                ui),
            mrOk);
  EXPECT_TRUE(FileExists(File_EtherCAT_Slave));
}

TEST_F(EtherCATSlaveForm, OkSavesBothTablesUpToTheFirstEmptyType) {
  ScriptedUi ui;
  const QString question =
      QStringLiteral("Slave To Master: row 2 has no Type, so the variables below it will not be saved. Save anyway?");
  auto fill = [this](TFEtherCATSlave& f) {
    Choose(1, "Bool");
    StM()->SetCellEx(4, 1, "flag");
    StM()->SetCellEx(5, 1, "1");
    StM()->SetCellEx(8, 1, "mn");
    Choose(3, "Int16");  // below the empty row 2
    f.PageControl1->SetActivePage(f.TS_MasterToSlave);
    Choose(1, "String");
    MtS()->ChangeCheckBoxState(1, 1, false);
    f.PageControl1->SetActivePage(f.TS_SlaveToMaster);
  };
  // Asked about the rows that would be lost: No keeps the form open, nothing written.
  ui.ExpectModal(QStringLiteral("TFEtherCATSlave"), [&](TForm*) {
    fill(F());
    F().Btn_OK->Click();
    EXPECT_EQ(F().ModalResult(), mrNone);
    F().Btn_Cancel->Click();
  });
  ui.ExpectMessage(question, mrNo, mtConfirmation);
  F().ShowModal();
  EXPECT_FALSE(FileExists(File_EtherCAT_Slave));

  // Yes: saved up to the first empty Type; disabled rows are written too.
  ui.ExpectModal(QStringLiteral("TFEtherCATSlave"), [&](TForm*) {
    fill(F());
    F().Btn_OK->Click();
  });
  ui.ExpectMessage(question, mrYes, mtConfirmation);
  EXPECT_EQ(F().ShowModal(), mrOk);
  const QString text = QString::fromUtf8(File());
  EXPECT_TRUE(text.contains(
      "<row Enable=\"Y\" Type=\"Bool\" Length=\"1\" Name=\"flag\" InitValue=\"1\" Position=\"0\" BitStart=\"0\" "
      "Mnemonic=\"mn\" />"))
      << text.toStdString();
  EXPECT_FALSE(text.contains("Int16"));
  EXPECT_TRUE(text.contains(
      "<row Enable=\"N\" Type=\"String\" Length=\"10\" Name=\"\" Position=\"0\" BitStart=\"0\" Mnemonic=\"\" />"))
      << text.toStdString();
  EXPECT_TRUE(text.contains("SW_VERSION = 1.001"));

  // Shown again, the saved file comes back.
  ui.ExpectModal(QStringLiteral("TFEtherCATSlave"), [](TForm* f) {
    static_cast<TFEtherCATSlave*>(f)->Btn_Cancel->Click();
  });
  F().ShowModal();
  EXPECT_EQ(StM()->GetCellEx(4, 1), "flag");
  EXPECT_EQ(StM()->GetCellEx(2, 3), "");
  EXPECT_FALSE(MtS()->IsChecked(1, 1));
}

TEST_F(EtherCATSlaveForm, PasteRowKeepsThePastedLengthAndARefusedPasteChangesNothing) {
  ScriptedUi ui;
  Choose(1, "Array");
  StM()->SetCellEx(3, 1, "20");
  Choose(2, "Int32");
  Choose(3, "String");
  StM()->SetCellEx(3, 3, "5");
  // Nothing copied in this table: the refusal, and row 3 keeps its Length.
  StM()->SetRow(3);
  ui.ExpectMessage(QStringLiteral("Error!!! Copy a valid row before Paste it"), mrOk);
  F().Btn_PasteRow->Click();
  EXPECT_EQ(StM()->GetCellEx(3, 3), "5");
  // Copy the Array row, paste it over the Int32 row (asked, Yes): Length 20 stays
  // and becomes editable; positions follow.
  StM()->SetRow(1);
  F().Btn_CopyRow->Click();
  EXPECT_TRUE(F().Do_Copy_StM);
  EXPECT_FALSE(F().Do_Copy_MtS);
  StM()->SetRow(2);
  ui.ExpectMessage(QStringLiteral("Row Already used. Do you want to overwrite the values?"), mrYes);
  F().Btn_PasteRow->Click();
  EXPECT_EQ(StM()->GetCellEx(2, 2), "Array");
  EXPECT_EQ(StM()->GetCellEx(3, 2), "20");
  EXPECT_FALSE(StM()->ReadOnly(3, 2));
  EXPECT_EQ(StM()->GetCellEx(6, 3), "40");
  // The copy is not pasted into the other table.
  F().PageControl1->SetActivePage(F().TS_MasterToSlave);
  MtS()->SetRow(1);
  ui.ExpectMessage(QStringLiteral("Error!!! Copy a valid row before Paste it"), mrOk);
  F().Btn_PasteRow->Click();
  EXPECT_EQ(MtS()->GetCellEx(2, 1), "");
}

TEST_F(EtherCATSlaveForm, GridHandlersHintsRowSelectionAndLanguageSwitch) {
  QString hint = "grid's";
  F().GridHint(StM(), 0, 5, hint);
  EXPECT_EQ(hint, Lang_Text(1029));
  F().GridHint(MtS(), 0, 7, hint);
  EXPECT_EQ(hint, Lang_Text(1050));
  F().GridHint(StM(), 1, 5, hint);
  EXPECT_EQ(hint, "");
  F().GridHint(StM(), 0, 0, hint);
  EXPECT_EQ(hint, "");
  // A click in column 0 selects the whole row.
  F().ClickCell(StM(), 4, 0);
  EXPECT_TRUE(StM()->RowSelect(4));
  // Enter moves to the next cell when the option is on.
  Opt_Jump_Field_Tables = true;
  StM()->SetRow(1);
  StM()->SetCol(8);
  QChar key(13);
  F().KeyPress(StM(), key);
  EXPECT_EQ(key, QChar(0));
  EXPECT_EQ(StM()->Row(), 2);
  EXPECT_EQ(StM()->Col(), 1);

  // A double click on a title sizes the column to its content when the option is on.
  Opt_Double_Click_Auto_Size = false;
  F().DblClickCell(StM(), 0, 4);
  EXPECT_EQ(StM()->ColWidths(4), 280);
  Opt_Double_Click_Auto_Size = true;
  F().DblClickCell(StM(), 1, 4);
  EXPECT_EQ(StM()->ColWidths(4), 280);
  F().DblClickCell(StM(), 0, 4);
  EXPECT_LT(StM()->ColWidths(4), 280);

  Language_Texts.Put(1000, "Variabili EtherCAT");
  Language_Texts.Put(1034, "Da slave a master");
  Language_Texts.Put(1040, "Posizione");
  Language_Texts.Put(1044, "Abilita");
  F().Set_Lang();
  EXPECT_EQ(F().Caption(), "Variabili EtherCAT");
  EXPECT_EQ(F().TS_SlaveToMaster->Caption(), "Da slave a master");
  EXPECT_EQ(MtS()->GetCellEx(4, 0), "Posizione");
  EXPECT_EQ(F().Hint_MtS[0], "Abilita");
}

// The road a user takes: a click on the Type cell, the list editor, the arrow keys,
// Enter; then a Length typed into an Array row.
TEST_F(EtherCATSlaveForm, TypeChosenWithTheGridsListEditorAndLengthTyped) {
  TExStringGrid* g = ShowWithGridFocused();
  auto clickCell = [&](int col, int row) { ClickCell(g, col, row); };
  clickCell(2, 1);
  clickCell(2, 1);  // a click on the current cell opens its editor
  ASSERT_TRUE(g->Combobox()->Visible());
  EXPECT_EQ(g->Combobox()->Items()->Count(), 10);
  // An empty cell defaults to the first item, which the form already applies.
  EXPECT_EQ(g->GetCellEx(3, 1), "1");
  for (int i = 0; i < 8; ++i) PressKey(g->Combobox(), Qt::Key_Down);  // to "Array"
  PressKey(g->Combobox(), Qt::Key_Return);
  ProcessEvents();
  EXPECT_FALSE(g->Combobox()->Visible());
  EXPECT_EQ(g->GetCellEx(2, 1), "Array");
  EXPECT_EQ(g->GetCellEx(3, 1), "10");
  EXPECT_FALSE(g->ReadOnly(3, 1));
  // Row 2 gets Int32 the same way; its position follows the Array's 10 bytes.
  clickCell(2, 2);
  clickCell(2, 2);
  ASSERT_TRUE(g->Combobox()->Visible());
  for (int i = 0; i < 3; ++i) PressKey(g->Combobox(), Qt::Key_Down);
  PressKey(g->Combobox(), Qt::Key_Return);
  ProcessEvents();
  EXPECT_EQ(g->GetCellEx(2, 2), "Int32");
  EXPECT_TRUE(g->ReadOnly(3, 2));
  EXPECT_EQ(g->GetCellEx(6, 2), "10");
  // Typing a Length into the Array row: validated, the positions move.
  g->SetFocus();
  clickCell(3, 1);
  clickCell(3, 1);  // the click on the current cell opens the text editor
  ASSERT_TRUE(g->NormalEdit() && g->NormalEdit()->Visible());
  PressKey(g->NormalEdit(), Qt::Key_Backspace);  // the caret stands after "10"
  PressKey(g->NormalEdit(), Qt::Key_Backspace);
  PressKey(g->NormalEdit(), Qt::Key_2);
  PressKey(g->NormalEdit(), Qt::Key_Return);
  ProcessEvents();
  EXPECT_EQ(g->GetCellEx(3, 1), "2");
  EXPECT_EQ(g->GetCellEx(6, 2), "2");
  // A click on the Enable box of row 1 disables it: row 2 moves to 0.
  clickCell(1, 1);
  EXPECT_FALSE(g->IsChecked(1, 1));
  EXPECT_EQ(g->GetCellEx(6, 2), "0");
  F().Hide();
}

TEST_F(EtherCATSlaveForm, EscapeFromTheTypeListLeavesTheWholeRowAsItWas) {
  TExStringGrid* g = ShowWithGridFocused();
  auto clickCell = [&](int col, int row) { ClickCell(g, col, row); };
  auto openList = [&](int row) {
    clickCell(4, row);  // another cell first
    clickCell(2, row);
    clickCell(2, row);  // the current cell: opens the list
    ProcessEvents();
    ASSERT_TRUE(g->Combobox()->Visible());
  };
  auto row = [&](int r) {
    QStringList cells;
    for (int c = 1; c <= 7; ++c) cells << g->GetCellEx(c, r);
    return cells.join(u'|') + (g->ReadOnly(3, r) ? "|locked" : "|open");
  };
  // Row 1 gets an Array of 10 through the list; row 2 stays empty.
  openList(1);
  for (int i = 0; i < 8; ++i) PressKey(g->Combobox(), Qt::Key_Down);
  PressKey(g->Combobox(), Qt::Key_Return);
  ProcessEvents();
  const QString row1 = row(1), row2 = row(2);
  ASSERT_TRUE(row1.startsWith("|Array|10|")) << row1.toStdString();

  const struct {
    const char* what;
    int row;
    int downs;  // keys pressed in the open list before Escape
  } cases[] = {
      {"empty row, list only opened", 2, 0},
      {"empty row, another item shown", 2, 3},
      {"typed row, list only opened", 1, 0},
      {"typed row, another item shown", 1, 2},
  };
  for (const auto& c : cases) {
    openList(c.row);
    for (int i = 0; i < c.downs; ++i) PressKey(g->Combobox(), Qt::Key_Down);
    PressKey(g->Combobox(), Qt::Key_Escape);
    ProcessEvents();
    EXPECT_FALSE(g->Combobox()->Visible()) << c.what;
    EXPECT_EQ(row(1), row1) << c.what;
    EXPECT_EQ(row(2), row2) << c.what;
  }
  F().Hide();
}

// Ctrl+A in a table whose last cell lies below the rows shown: every variable cell
// is selected, and the titles stay as they were, in their cells and on screen.
TEST_F(EtherCATSlaveForm, CtrlASelectsEveryVariableCellAndKeepsTheTitles) {
  for (TTabSheet* page : {F().TS_SlaveToMaster, F().TS_MasterToSlave}) {
    F().PageControl1->SetActivePage(page);
    TExStringGrid* g = ShowWithGridFocused();
    ClickCell(g, 4, 1);  // a Name cell
    auto titles = [&] {
      QStringList t;
      for (int c = 0; c < g->ColCount(); ++c) t << g->GetCellEx(c, 0);
      return t;
    };
    auto titleRow = [&] { return g->Widget()->grab(QRect(0, 0, g->ClientWidth(), g->RowHeights(0))).toImage(); };
    const QStringList before = titles();
    const QImage shown = titleRow();
    PressKey(g, Qt::Key_A, Qt::ControlModifier);
    ProcessEvents();
    const TGridRect all{1, 1, g->ColCount() - 1, kEC_RowCount - 1};
    EXPECT_TRUE(g->Selection() == all) << page->Caption().toStdString();
    EXPECT_EQ(titles(), before);
    EXPECT_FALSE(g->NormalEdit() && g->NormalEdit()->Visible());
    EXPECT_TRUE(titleRow() == shown) << page->Caption().toStdString();
    F().Hide();
  }
}
