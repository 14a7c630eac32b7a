// The table editor base on a made-up description of two tables: creation and
// texts, showing (reset, positions, loading with guarded defaults), a load that
// stops at a bare attribute and the question before OK overwrites the file, the
// check with its first failure, the save round trip, the row buttons with their
// copied-here flags, hints, Enter and the warnings about rows not saved or loaded.
#include "app/table_editor/table_editor.h"

#include "app/language/language.h"
#include "app/state/comon.h"
#include "controls/button/fade_button.h"
#include "grid/view/column_grid.h"
#include "platform/os/files.h"
#include "platform/ui/labels.h"
#include "platform/ui/page_control.h"
#include "tests/support/project_fixture.h"
#include "tests/support/scripted_ui.h"

#include <QDir>
#include <gtest/gtest.h>
#include <memory>

namespace {

QString Toy_Path;

// Value 1 to 9, else text 2447; a position (empty or "None" pass) below the area,
// else text 2449 and the highest position.
std::optional<TRowCheckFailure> Check_First(const TEditorTable& t, int row, TRowCheckRun& run) {
  if (!In_Range(t.Cell(3, row), 1, 9)) return Row_Fault(2447);
  const QString pos = t.Cell(4, row);
  if (!pos.isEmpty() && pos != u"None" && !In_Range(pos, 0, run.Area - 1)) return Row_Fault(2449, QString::number(run.Area - 1));
  return std::nullopt;
}

// A running total of Count over the rows: above 10 is a fault of the table.
std::optional<TRowCheckFailure> Check_Second(const TEditorTable& t, int row, TRowCheckRun& run) {
  run.Total += Cell_Number(t.Cell(2, row));
  if (run.Total <= 10) return std::nullopt;
  TRowCheckFailure failure = Row_Fault(3545, QStringLiteral("10"));
  failure.RowPrefix = false;
  return failure;
}

// Texts borrowed from the raw CAN receive editor.
TTableEditorSpec Toy_Spec() {
  TTableEditorSpec s{.FormName = QStringLiteral("FToy"), .ClientWidth = 600, .Caption = 2400, .Description = 2401};
  for (int i = 0; i < 6; ++i) {
    s.ButtonCaptions[i] = 2402 + i;
    s.ButtonHints[i] = 2423 + i;
  }
  s.Root = QStringLiteral("Toy");
  s.Version = QStringLiteral("1.000");
  s.Path = &Toy_Path;
  s.RowPrefix = 2444;
  Set_Message_Texts(s, 2459);
  TEditorTableSpec first{.Group = QStringLiteral("First"), .Sheet = QStringLiteral("TS_First"), .SheetCaption = 2614,
                         .Grid = QStringLiteral("sga"), .Rows = 6};
  first.Columns = {
      {.Title = 2408, .Width = 40},
      {.Title = 2409, .Hint = 2429, .Editor = edDataCheckBox, .Attribute = {"Enable", "Y"}},
      {.Title = 2410, .Hint = 2430, .Attribute = {"Name"}},
      {.Title = 2412, .Hint = 2432, .Attribute = {"Count", "7"}, .Reset = QStringLiteral("1")},
      {.Title = 2414, .Hint = 2435, .Editor = edComboList, .Attribute = {"Pos", ""},
       .Items = TColumnItems::None_And_Positions},
  };
  first.KeyColumn = 2;
  first.EnableColumn = 1;
  first.EnableUpperCase = true;
  first.Area = 4;
  first.DeleteQuestion = 2458;
  first.Check = Check_First;
  TEditorTableSpec second{.Group = QStringLiteral("Second"), .Sheet = QStringLiteral("TS_Second"),
                          .SheetCaption = 2615, .Grid = QStringLiteral("sgb"), .Rows = 4};
  second.Columns = {
      {.Title = 2508, .Width = 40},
      {.Title = 2510, .Hint = 2532, .Attribute = {"Key"}},
      {.Title = 2512, .Hint = 2534, .Attribute = {"Count"}},
  };
  second.KeyColumn = 1;
  second.KeyTrimmed = false;
  second.DeleteQuestion = 2561;
  second.Check = Check_Second;
  s.Tables = {first, second};
  return s;
}

const TTableEditorSpec kToy = Toy_Spec();

class TFToy : public TTableEditor {
public:
  explicit TFToy(TComponent* AOwner) : TTableEditor(AOwner, kToy) {}
};

class TableEditorBase : public ProjectTest {
protected:
  void SetUp() override {
    ProjectTest::SetUp();
    Toy_Path = QDir(Project_Folder).filePath(QStringLiteral("Toy.xml"));
    form_.reset(Create<TFToy>(nullptr));
  }
  void TearDown() override {
    form_.reset();
    Opt_Jump_Field_Tables = false;
    ProjectTest::TearDown();
  }

  TFToy& F() { return *form_; }
  TExColumnGrid* G(int t) { return F().Column_Grid(t); }
  QString File() { return FileExists(Toy_Path) ? QString::fromUtf8(ReadFileWhole(Toy_Path)) : QString(); }
  void SetRow(int t, int row, const QStringList& texts) {
    for (int i = 0; i < texts.size(); ++i) G(t)->SetCellEx(i + 1, row, texts[i]);
  }
  QStringList RowOf(int t, int row) {
    QStringList texts;
    for (int c = 0; c < G(t)->AllColCount(); ++c) texts << G(t)->GetCellEx(c, row);
    return texts;
  }
  // Shows the form and runs `act` while it is shown (boxes expected before).
  TModalResult Show(ScriptedUi& ui, std::function<void()> act) {
    ui.ExpectModal(QStringLiteral("TFToy"), [&](TForm*) { act(); });
    return F().ShowModal();
  }

  std::unique_ptr<TFToy> form_;
};

}  // namespace

TEST_F(TableEditorBase, CreationBuildsTheFrameAndSetLangTakesEveryText) {
  EXPECT_EQ(F().Name(), "FToy");
  EXPECT_EQ(F().ClientWidth(), 600);
  EXPECT_EQ(F().ClientHeight(), 337);
  EXPECT_EQ(F().Caption(), Lang_Text(2400));
  EXPECT_EQ(F().L_SW_Code->Caption(), SW_Code);
  EXPECT_EQ(F().L_SW_Desc->Caption(), Lang_Text(2401));
  EXPECT_EQ(F().Btn_PasteRow->Caption(), "Paste Row");
  EXPECT_EQ(F().Btn_PasteRow->Left(), 606);
  EXPECT_EQ(F().Btn_OK->Hint(), Lang_Text(2423));
  EXPECT_EQ(F().Btn_Cancel->ModalResult(), mrCancel);
  ASSERT_EQ(F().Sheets.size(), 2u);
  EXPECT_EQ(F().PageControl1->ActivePage(), F().Sheets[0]);
  EXPECT_EQ(F().Sheets[1]->Caption(), Lang_Text(2615));
  EXPECT_EQ(G(0)->RowCount(), 7);
  EXPECT_EQ(G(1)->RowCount(), 5);
  EXPECT_EQ(G(0)->Columns()->Items(1)->Editor(), edDataCheckBox);
  EXPECT_EQ(G(0)->Columns()->Items(4)->Header(), Lang_Text(2414));
  EXPECT_EQ(G(0)->ColWidths(0), 40);
  ASSERT_EQ(F().Hint_Lists[0].Count(), 4);
  EXPECT_EQ(F().Hint_Lists[0][3], Lang_Text(2435));
  // Every column's tint and title reach its column, the header row and the
  // header list, and the grid keeps one column per column of the table.
  for (int t = 0; t < 2; ++t) {
    const auto& columns = kToy.Tables[size_t(t)].Columns;
    EXPECT_EQ(G(t)->ColCount(), int(columns.size()));
    ASSERT_EQ(G(t)->ColumnHeaders()->Count(), int(columns.size()));
    for (int c = 0; c < int(columns.size()); ++c) {
      if (c > 0) EXPECT_EQ(G(t)->Columns()->Items(c)->Color(), columns[size_t(c)].Color) << t << ',' << c;
      EXPECT_EQ(G(t)->GetCellEx(c, 0), Lang_Text(columns[size_t(c)].Title)) << t << ',' << c;
      EXPECT_EQ(G(t)->ColumnHeaders()->Strings(c), Lang_Text(columns[size_t(c)].Title)) << t << ',' << c;
    }
  }

  // A language change: texts only, no cell.
  G(0)->SetCellEx(2, 1, "kept");
  Language_Texts.Put(2410, "Nome");
  Language_Texts.Put(2615, "Seconda");
  Language_Texts.Put(2430, "Il nome");
  F().Set_Lang();
  EXPECT_EQ(G(0)->Columns()->Items(2)->Header(), "Nome");
  EXPECT_EQ(F().Sheets[1]->Caption(), "Seconda");
  EXPECT_EQ(F().Hint_Lists[0][1], "Il nome");
  EXPECT_EQ(G(0)->GetCellEx(2, 1), "kept");
}

TEST_F(TableEditorBase, ShowingWithoutFileResetsEveryRowAndOkWritesTheEmptyTables) {
  G(0)->SetCellEx(2, 3, "old");
  ScriptedUi ui;
  EXPECT_EQ(Show(ui,
                 [&] {
                   EXPECT_EQ(RowOf(0, 3), (QStringList{"3", "Y", "", "1", ""}));
                   EXPECT_EQ(RowOf(1, 4), (QStringList{"4", "", ""}));
                   const TStringList* items = G(0)->Columns()->Items(4)->ComboItems();
                   ASSERT_EQ(items->Count(), 5);
                   EXPECT_EQ(items->Strings(0), "None");
                   EXPECT_EQ(items->Strings(4), "3");
                   F().Btn_OK->Click();
                 }),
            mrOk);
  EXPECT_EQ(File(),
            "<Toy>\n  <First />\n  <Second />\n</Toy>\n<!--SW_VERSION = 1.000-->\n");
}

TEST_F(TableEditorBase, LoadingTakesGuardedDefaultsAndStopsAtABareAttributeAskingBeforeOkOverwrites) {
  const QByteArray file =
      "<Other><First>"
      "<row Name=\"a\" Count=\"2\" Pos=\"1\"/>"  // Enable missing: "Y"
      "<row Enable=\"N\" Name=\"b\"/>"          // Count missing: "7", Pos missing: ""
      "</First><Second>"
      "<row Key=\"k1\" Count=\"3\"/>"
      "<row Key=\"k2\"/>"                       // bare Count missing: the load stops
      "<row Key=\"k3\" Count=\"1\"/>"
      "</Second></Other>";
  WriteFileWhole(Toy_Path, file);
  ScriptedUi ui;
  ui.ExpectMessage(QStringLiteral("Could not convert variant of type (Null) into type (OleStr)"), mrOk, mtError);
  EXPECT_EQ(Show(ui,
                 [&] {
                   EXPECT_EQ(RowOf(0, 1), (QStringList{"1", "Y", "a", "2", "1"}));
                   EXPECT_EQ(RowOf(0, 2), (QStringList{"2", "N", "b", "7", ""}));
                   EXPECT_EQ(RowOf(1, 1), (QStringList{"1", "k1", "3"}));
                   EXPECT_EQ(RowOf(1, 2), (QStringList{"2", "k2", ""}));
                   EXPECT_EQ(RowOf(1, 3), (QStringList{"3", "", ""}));
                   // The steps after the load ran.
                   EXPECT_EQ(F().Do_Copy, (std::deque<bool>{false, false}));
                   EXPECT_EQ(F().Load_Failure, "Row 2 of \"Second\" has no attribute \"Count\".");
                   G(1)->SetCellEx(2, 2, "4");
                   // OK asks, No keeps the file and the form open.
                   ui.ExpectMessage(QString("%1 was not read completely (Row 2 of \"Second\" has no attribute "
                                            "\"Count\".). Saving now replaces it with what the table shows, and "
                                            "the frames that were not loaded are lost. Save anyway?")
                                        .arg(Toy_Path),
                                    mrNo, mtConfirmation);
                   F().Btn_OK->Click();
                   EXPECT_EQ(F().ModalResult(), mrNone);
                   EXPECT_EQ(ui.Messages.back().DefaultButton, std::optional<TMsgDlgBtn>(mbNo));
                   // Yes writes what the tables show.
                   ui.ExpectMessage(ui.Messages.back().Text, mrYes, mtConfirmation);
                   F().Btn_OK->Click();
                 }),
            mrOk);
  EXPECT_TRUE(File().startsWith("<Toy>")) << File().toStdString();
  EXPECT_TRUE(File().contains("<row Key=\"k2\" Count=\"4\" />"));
  EXPECT_FALSE(File().contains("k3"));

  // Malformed XML: the parser's message, nothing loaded.
  WriteFileWhole(Toy_Path, "<Toy><First><row Name=\"x\"></First>");
  ui.ExpectMessage(QString("Cannot load \"%1\": Start-end tags mismatch").arg(Toy_Path), mrOk, mtError);
  ui.ExpectModal(QStringLiteral("TFToy"), [&](TForm*) {
    EXPECT_EQ(RowOf(0, 1), (QStringList{"1", "Y", "", "1", ""}));
    EXPECT_FALSE(F().Load_Failure.isEmpty());
    F().Btn_Cancel->Click();
  });
  F().ShowModal();
  ASSERT_FALSE(ui.Messages.empty());
  EXPECT_EQ(ui.Messages.back().Type, mtError);
  EXPECT_EQ(ui.Messages.back().Text, F().Load_Failure);
}

TEST_F(TableEditorBase, CheckShowsTheFirstFaultOfTheUsedEnabledRowsInTableOrder) {
  struct Case {
    const char* name;
    QList<QStringList> first;
    QList<QStringList> second;
    QString message;  // empty: OK saves
  } cases[] = {
      {"count out of range", {{"Y", "a", "10", ""}}, {}, "Error row 1!! Dimension must be between 1 and 8"},
      {"position beyond the area", {{"Y", "a", "1", "4"}}, {}, "Error row 1!! Byte1 must be between 0 and 3"},
      {"lower-case enable is enabled", {{"y", "a", "1", ""}, {" y ", "b", "0", ""}}, {},
       "Error row 2!! Dimension must be between 1 and 8"},
      {"disabled row not checked", {{"N", "a", "0", "x"}}, {}, ""},
      {"rows below a blank key not checked", {{"Y", "  ", "0", ""}, {"Y", "c", "0", ""}}, {}, ""},
      {"first table before second", {{"Y", "a", "0", ""}}, {{"k", "20"}}, "Error row 1!! Dimension must be between 1 and 8"},
      {"blank key used as is", {}, {{" ", "6"}, {"k", "5"}}, "Error!! Too many bytes of data, the max number is 10"},
  };
  for (const Case& c : cases) {
    ScriptedUi ui;
    const TModalResult result = Show(ui, [&] {
      for (int r = 0; r < c.first.size(); ++r) SetRow(0, r + 1, c.first[r]);
      for (int r = 0; r < c.second.size(); ++r) SetRow(1, r + 1, c.second[r]);
      if (!c.message.isEmpty()) ui.ExpectMessage(c.message, mrOk, mtError);
      if (c.name == QString("rows below a blank key not checked"))
        ui.ExpectMessage(QStringLiteral("Receive PDO: row 1 has no CobID, so the frames below it will not be saved. "
                                        "Save anyway?"),
                         mrYes, mtConfirmation);
      F().Btn_OK->Click();
      if (F().ModalResult() == mrNone) F().Btn_Cancel->Click();
    });
    EXPECT_EQ(result, c.message.isEmpty() ? mrOk : mrCancel) << c.name;
    QFile::remove(Toy_Path);
  }
}

TEST_F(TableEditorBase, WhatOkWritesLoadsBackCellForCell) {
  ScriptedUi ui;
  Show(ui, [&] {
    SetRow(0, 1, {"Y", "a b", " 3", "None"});
    SetRow(0, 2, {"N", "x&y", "99", "bad"});  // disabled: saved unchecked
    SetRow(1, 1, {"k", "2"});
    F().Btn_OK->Click();
  });
  EXPECT_EQ(File(),
            "<Toy>\n  <First>\n"
            "    <row Enable=\"Y\" Name=\"a b\" Count=\" 3\" Pos=\"None\" />\n"
            "    <row Enable=\"N\" Name=\"x&amp;y\" Count=\"99\" Pos=\"bad\" />\n"
            "  </First>\n  <Second>\n"
            "    <row Key=\"k\" Count=\"2\" />\n"
            "  </Second>\n</Toy>\n<!--SW_VERSION = 1.000-->\n");
  const QString saved = File();
  // Edits then Cancel: the next showing shows the file again.
  Show(ui, [&] {
    EXPECT_EQ(RowOf(0, 2), (QStringList{"2", "N", "x&y", "99", "bad"}));
    G(0)->SetCellEx(2, 1, "changed");
    F().Btn_Cancel->Click();
  });
  Show(ui, [&] {
    EXPECT_EQ(RowOf(0, 1), (QStringList{"1", "Y", "a b", " 3", "None"}));
    F().Btn_OK->Click();
  });
  EXPECT_EQ(File(), saved);
}

TEST_F(TableEditorBase, RowButtonsWorkOnTheActiveTableWithItsOwnCopiedFlag) {
  ScriptedUi ui;
  Show(ui, [&] {
    SetRow(0, 1, {"Y", "a", "1", ""});
    SetRow(0, 2, {"N", "b", "2", ""});
    G(0)->SetRow(1);
    F().Btn_CopyRow->Click();
    EXPECT_EQ(F().Do_Copy, (std::deque<bool>{true, false}));
    // Paste over a used row asks first.
    G(0)->SetRow(2);
    ui.ExpectMessage(QStringLiteral("Row Already used. Do you want to overwrite the values?"), mrYes);
    F().Btn_PasteRow->Click();
    EXPECT_EQ(RowOf(0, 2), (QStringList{"2", "Y", "a", "1", ""}));
    // Insert: the row and those below move down, the new row is enabled.
    G(0)->SetRow(1);
    F().Btn_InsRow->Click();
    EXPECT_EQ(RowOf(0, 1), (QStringList{"1", "Y", "", "", ""}));
    EXPECT_EQ(RowOf(0, 3), (QStringList{"3", "Y", "a", "1", ""}));
    // Delete the last row after the question: it is emptied, Enable included.
    SetRow(0, 6, {"Y", "last", "1", ""});
    G(0)->SetRow(6);
    ui.ExpectMessage(Lang_Text(2458) + "6", mrYes, mtConfirmation);
    F().Btn_DelRow->Click();
    EXPECT_EQ(RowOf(0, 6), (QStringList{"6", "", "", "", ""}));
    ui.ExpectMessage(Lang_Text(2458) + "1", mrNo, mtConfirmation);
    G(0)->SetRow(1);
    F().Btn_DelRow->Click();
    EXPECT_EQ(RowOf(0, 3), (QStringList{"3", "Y", "a", "1", ""}));
    // The second table: a row copied in the first is refused; its own insert has no Enable.
    F().PageControl1->SetActivePage(F().Sheets[1]);
    EXPECT_EQ(F().Active_Grid(), G(1));
    ui.ExpectMessage(QStringLiteral("Error!!! Copy a valid row before Paste it"), mrOk);
    F().Btn_PasteRow->Click();
    SetRow(1, 1, {"k", "1"});
    G(1)->SetRow(1);
    F().Btn_InsRow->Click();
    EXPECT_EQ(RowOf(1, 1), (QStringList{"1", "", ""}));
    F().Btn_CopyRow->Click();
    EXPECT_EQ(F().Do_Copy, (std::deque<bool>{false, true}));
    F().Btn_Cancel->Click();
  });
  // A new showing clears the flags: the copy of the last showing is refused.
  Show(ui, [&] {
    EXPECT_EQ(F().PageControl1->ActivePage(), F().Sheets[0]);
    ui.ExpectMessage(QStringLiteral("Error!!! Copy a valid row before Paste it"), mrOk);
    F().PageControl1->SetActivePage(F().Sheets[1]);
    F().Btn_PasteRow->Click();
    F().Btn_Cancel->Click();
  });
}

TEST_F(TableEditorBase, HintsEnterAndRowSelection) {
  ScriptedUi ui;
  Show(ui, [&] { F().Btn_Cancel->Click(); });
  QString hint = "grid's";
  F().GridHint(G(0), 0, 4, hint);
  EXPECT_EQ(hint, Lang_Text(2435));
  F().GridHint(G(1), 0, 2, hint);
  EXPECT_EQ(hint, Lang_Text(2534));
  F().GridHint(G(0), 2, 3, hint);
  EXPECT_EQ(hint, "");
  hint = "grid's";
  F().GridHint(G(0), 0, 0, hint);
  EXPECT_EQ(hint, "");

  G(0)->SetRow(6);
  G(0)->SetCol(4);
  QChar key(13);
  F().KeyPress(G(0), key);
  EXPECT_EQ(key, QChar(13));  // the option is off: Enter passes
  Opt_Jump_Field_Tables = true;
  F().KeyPress(G(0), key);
  EXPECT_EQ(key, QChar(0));
  EXPECT_EQ(G(0)->Row(), 1);
  EXPECT_EQ(G(0)->Col(), 1);

  F().ClickCell(G(1), 3, 0);
  EXPECT_TRUE(G(1)->RowSelect(3));
}

TEST_F(TableEditorBase, RowsBeyondTheGridsAreReportedOnceAndNotLoaded) {
  QByteArray rows;
  for (int i = 1; i <= 9; ++i) rows += "<row Name=\"n" + QByteArray::number(i) + "\" Count=\"1\" Pos=\"\"/>";
  WriteFileWhole(Toy_Path, "<Toy><First>" + rows + "</First><Second/></Toy>");
  ScriptedUi ui;
  ui.ExpectMessage(QString("%1 holds more frames than the table can show: 3 row(s) were not loaded and will not be "
                           "saved.")
                       .arg(Toy_Path),
                   mrOk, mtWarning);
  Show(ui, [&] {
    EXPECT_EQ(G(0)->GetCellEx(2, 6), "n6");
    EXPECT_TRUE(F().Load_Failure.isEmpty());
    F().Btn_Cancel->Click();
  });
}

namespace {

// A member whose check may fail without a message and whose first table's key
// column is set at each showing.
class TFKeyed : public TTableEditor {
public:
  explicit TFKeyed(TComponent* AOwner) : TTableEditor(AOwner, kToy) {}
  bool Silent = false;
  int Key = 2;

protected:
  void Prepare_Show() override {
    TTableEditor::Prepare_Show();
    Table_Spec(0).KeyColumn = Key;
  }
  std::optional<TRowCheckFailure> Check_Tables() override {
    if (Silent) return Row_Fault(0);
    return TTableEditor::Check_Tables();
  }
};

}  // namespace

TEST_F(TableEditorBase, AFailureWithoutTextShowsNoBoxAndAKeySetAtShowingDecidesTheRowsSaved) {
  std::unique_ptr<TFKeyed> form(Create<TFKeyed>(nullptr));
  ScriptedUi ui;
  form->Silent = true;
  ui.ExpectModal("TFKeyed", [&](TForm*) {
    form->Btn_OK->Click();
    EXPECT_EQ(form->ModalResult(), mrNone);
    form->Btn_Cancel->Click();
  });
  EXPECT_EQ(form->ShowModal(), mrCancel);
  EXPECT_FALSE(FileExists(Toy_Path));
  // Keyed on Count, which every new row holds: all six rows are checked and saved.
  form->Silent = false;
  form->Key = 3;
  ui.ExpectModal("TFKeyed", [&](TForm*) { form->Btn_OK->Click(); });
  EXPECT_EQ(form->ShowModal(), mrOk);
  EXPECT_EQ(File().count("<row "), 6);
  EXPECT_EQ(form->Spec().Tables[0].KeyColumn, 3);
  EXPECT_EQ(kToy.Tables[0].KeyColumn, 2);  // the description itself is unchanged
}
