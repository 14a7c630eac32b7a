// The Modbus TCP master rule editor on the offscreen platform: the column grids as
// built and as shown, loading (required attributes), the OK checks with their
// appended limits, saving with Index_Topic "-1", Cancel, row buttons and texts.
#include "gateway/modbus_tcp_master_form.h"

#include "app/language/language.h"
#include "app/state/comon.h"
#include "controls/button/fade_button.h"
#include "grid/view/column_grid.h"
#include "platform/os/files.h"
#include "platform/ui/labels.h"
#include "platform/ui/page_control.h"
#include "grid/input/grid_combo.h"
#include "grid/input/inplace_editor.h"
#include "tests/support/project_fixture.h"
#include "tests/support/scripted_ui.h"
#include "tests/support/ui_input.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace {

using TForm_ = TFModbus_TCP_Master_Set_Access;

class ModbusTCPMasterForm : public ProjectTest {
protected:
  void SetUp() override {
    ProjectTest::SetUp();
    form_.reset(Create<TForm_>(nullptr));
  }
  void TearDown() override {
    form_.reset();
    ProjectTest::TearDown();
  }

  TForm_& F() { return *form_; }
  TExColumnGrid* R() { return F().ECG_Modbus_Read; }
  TExColumnGrid* W() { return F().ECG_Modbus_Write; }
  QByteArray File() {
    return FileExists(File_ModbusTCPM_SetAccess) ? ReadFileWhole(File_ModbusTCPM_SetAccess) : QByteArray();
  }
  static void SetRow(TExColumnGrid* g, int row, const QStringList& texts) {
    for (int i = 0; i < texts.size(); ++i) g->SetCellEx(i + 1, row, texts[i]);
  }
  // Shows the form and runs `act` while it is shown (boxes expected before).
  TModalResult Show(std::function<void(TForm_&)> act, ScriptedUi& ui) {
    ui.ExpectModal(QStringLiteral("TFModbus_TCP_Master_Set_Access"), [&](TForm* f) { act(*static_cast<TForm_*>(f)); });
    return F().ShowModal();
  }

  std::unique_ptr<TForm_> form_;
};

// A valid Read rule (columns 1..15) and Write rule (columns 1..16).
const QStringList kRead = {"Y", "192.168.1.125", "502", "1", "Holding Register", "0", "10", "100",
                           "0", "0",             "",    "N", "N", "",                "r"};
const QStringList kWrite = {"Y", "192.168.1.126", "502", "2", "Coil Status", "0", "8", "0",
                            "Y", "N",             "0",   "0", "0", "N",          "N", "w"};

QStringList With(QStringList row, int col, const QString& text) {
  row[col - 1] = text;
  return row;
}

}  // namespace

TEST_F(ModbusTCPMasterForm, CreationBuildsBothColumnGridsWithTheirColumns) {
  EXPECT_EQ(F().ClientWidth(), 1150);
  EXPECT_EQ(F().ClientHeight(), 337);
  EXPECT_EQ(F().Caption(), "Set Modbus TCP Master Access");
  EXPECT_EQ(F().L_SW_Code->Caption(), SW_Code);
  ASSERT_EQ(R()->AllColCount(), 16);
  ASSERT_EQ(W()->AllColCount(), 17);
  EXPECT_EQ(R()->RowCount(), 513);
  EXPECT_EQ(W()->RowCount(), 513);
  EXPECT_FALSE(R()->Options().Contains(goEditing));
  EXPECT_TRUE(R()->Options().Contains(goColSizing));
  struct Col {
    bool read;
    int col;
    const char* header;
    TEditorType editor;
    int width;
    TColor color;
    int items;
  } cols[] = {
      {true, 1, "Enable", edDataCheckBox, 50, 0xB0D8FF, 0},
      {true, 5, "Type", edComboList, 100, 0xFEFAE0, 4},
      {true, 11, "Start Bit", edComboList, 60, 0xF4D6FC, 8},
      {true, 13, "Swap Word", edDataCheckBox, 80, 0xA8FFFF, 0},
      {true, 14, "Topic", edComboList, 120, 0xFFD5D5, 0},
      {true, 15, "Mnemonic", edNormal, 140, 0xFFFFFF, 0},
      {false, 5, "Type", edComboList, 100, 0xFEFAE0, 2},
      {false, 9, "On Change", edDataCheckBox, 66, 0xA8FFA8, 0},
      {false, 10, "On CMD", edDataCheckBox, 56, 0xA8FFA8, 0},
      {false, 13, "Start Bit", edComboList, 55, 0xF4D6FC, 8},
      {false, 16, "Mnemonic", edNormal, 150, 0xFFFFFF, 0},
  };
  for (const Col& c : cols) {
    TGridColumnItem* item = (c.read ? R() : W())->Columns()->Items(c.col);
    EXPECT_EQ(item->Header(), c.header) << c.header;
    EXPECT_EQ(item->Editor(), c.editor) << c.header;
    EXPECT_EQ(item->Width(), c.width) << c.header;
    EXPECT_EQ(item->Color(), c.color) << c.header;
    EXPECT_EQ(item->ComboItems()->Count(), c.items) << c.header;
  }
  EXPECT_EQ(W()->Columns()->Items(5)->ComboItems()->Strings(1), "Holding Register");
  EXPECT_EQ(F().Btn_CopyRow->Caption(), "Copy Row");
  EXPECT_EQ(F().Btn_DelRow->Caption(), "Delete Row");
  EXPECT_EQ(F().Btn_PasteRow->Hint(), Lang_Text(1868));
  EXPECT_EQ(F().Btn_PasteRow->Left(), 606);
  EXPECT_EQ(F().TS_Modbus_Write->Caption(), "Modbus Write");
  EXPECT_EQ(F().Hint_Modbus_Set_Access_Read.Count(), 15);
  EXPECT_EQ(F().Hint_Modbus_Set_Access_Write.Count(), 16);
}

TEST_F(ModbusTCPMasterForm, ShowingResetsLoadsAndPreparesTheTablesAndCancelWritesNothing) {
  const QByteArray file =
      "<PROFINET_Master_to_Modbus_TCP_Master><Modbus_Read>"
      "<row IP_Address=\"10.0.0.1\" Port=\"502\" Slave_ID=\"1\" Type=\"Coil Status\" Address=\"0\" NPoint=\"8\" "
      "PollTime=\"100\" MaxError=\"0\" Position=\"3\" Bit=\"2\" Index_Topic=\"-1\" Mnemonic=\"m\"/>"
      "</Modbus_Read><Modbus_Write>"
      "<row Enable=\"N\" IP_Address=\"10.0.0.2\" Port=\"502\" Slave_ID=\"2\" Type=\"Holding Register\" Address=\"1\" "
      "NPoint=\"1\" PollTime=\"0\" OnChange=\"Y\" MaxError=\"0\" Position=\"4\" Bit=\"\" Mnemonic=\"w\"/>"
      "</Modbus_Write></PROFINET_Master_to_Modbus_TCP_Master><!--SW_VERSION = 1.001-->";
  WriteFileWhole(File_ModbusTCPM_SetAccess, file);
  ScriptedUi ui;
  EXPECT_EQ(Show(
                [](TForm_& f) {
                  f.ECG_Modbus_Read->SetCellEx(15, 1, "changed");
                  f.Btn_Cancel->Click();
                },
                ui),
            mrCancel);
  EXPECT_EQ(File(), file);
  // Defaults for the missing Enable, Swap, SwapWord and OnCMD.
  EXPECT_EQ(R()->GetCellEx(1, 1), "Y");
  EXPECT_EQ(R()->GetCellEx(10, 1), "3");
  EXPECT_EQ(R()->GetCellEx(11, 1), "2");
  EXPECT_EQ(R()->GetCellEx(12, 1), "N");
  EXPECT_EQ(R()->GetCellEx(14, 1), "");  // no topic
  EXPECT_EQ(W()->GetCellEx(1, 1), "N");
  EXPECT_EQ(W()->GetCellEx(10, 1), "N");
  EXPECT_EQ(W()->GetCellEx(16, 1), "w");
  // Empty rows: numbered, Enable "Y".
  EXPECT_EQ(R()->GetCellEx(0, 512), "512");
  EXPECT_EQ(R()->GetCellEx(1, 512), "Y");
  EXPECT_EQ(R()->GetCellEx(2, 2), "");
  // Topic hidden, Position and Start Bit shown, positions 0..1499, the Read page shown.
  EXPECT_TRUE(R()->IsHiddenColumn(14));
  EXPECT_FALSE(R()->IsHiddenColumn(10));
  EXPECT_EQ(R()->ColCount(), 15);
  EXPECT_EQ(R()->Columns()->Items(10)->ComboItems()->Count(), 1500);
  EXPECT_EQ(W()->Columns()->Items(12)->ComboItems()->Strings(1499), "1499");
  EXPECT_EQ(F().PageControl1->ActivePage(), F().TS_Modbus_Read);
  EXPECT_EQ(F().Hint_Modbus_Set_Access_Read.Count(), 14);
  EXPECT_EQ(F().Hint_Modbus_Set_Access_Read[13], Lang_Text(1882));
  EXPECT_FALSE(F().Do_Copy_In_Read || F().Do_Copy_In_Write);

  // Shown again: the cancelled edit is gone, the hidden column stays hidden once.
  EXPECT_EQ(Show([](TForm_& f) { f.Btn_Cancel->Click(); }, ui), mrCancel);
  EXPECT_EQ(R()->GetCellEx(15, 1), "m");
  EXPECT_EQ(R()->NumHiddenColumns(), 1);
  EXPECT_EQ(File(), file);
}

TEST_F(ModbusTCPMasterForm, AMissingRequiredAttributeStopsTheLoadingWithAnErrorBox) {
  WriteFileWhole(File_ModbusTCPM_SetAccess,
                 "<PROFINET_Master_to_Modbus_TCP_Master><Modbus_Read>"
                 "<row IP_Address=\"10.0.0.1\" Port=\"502\" Slave_ID=\"1\" Type=\"Coil Status\" Address=\"0\" "
                 "NPoint=\"8\" PollTime=\"100\" MaxError=\"0\" Position=\"3\" Bit=\"2\" Mnemonic=\"m\"/>"
                 "<row IP_Address=\"10.0.0.9\" Port=\"502\"/>"
                 "</Modbus_Read><Modbus_Write/></PROFINET_Master_to_Modbus_TCP_Master>");
  ScriptedUi ui;
  ui.ExpectMessage(QStringLiteral("Row 2 of \"Modbus_Read\" has no attribute \"Slave_ID\"."), mrOk, mtError);
  EXPECT_EQ(Show([](TForm_& f) { f.Btn_Cancel->Click(); }, ui), mrCancel);
  // What was read before stays.
  EXPECT_EQ(R()->GetCellEx(15, 1), "m");
  EXPECT_EQ(R()->GetCellEx(2, 2), "10.0.0.9");
  EXPECT_EQ(R()->GetCellEx(3, 2), "502");
  EXPECT_EQ(R()->GetCellEx(4, 2), "");
}

TEST_F(ModbusTCPMasterForm, OkShowsTheFirstFailedCheckWithItsAppendedNumber) {
  struct Case {
    const char* name;
    QStringList read;
    QStringList write;
    QString message;
  } cases[] = {
      {"read IP with three parts", With(kRead, 2, "192.168.1"), kWrite,
       "Error row 1!! [Modbus Read] Slave IP Address must be a valid TCP IP Address (Ex. 192.168.1.125)"},
      {"read registers NPoint 126", With(kRead, 7, "126"), kWrite,
       "Error row 1!! [Modbus Read] NPoint must be between 1 and 125"},
      {"read bits NPoint 2001", With(With(kRead, 5, "Coil Status"), 7, "2001"), kWrite,
       "Error row 1!! [Modbus Read] NPoint must be between 1 and 2000"},
      {"read position not a number", With(kRead, 10, "x"), kWrite,
       "Error row 1!! [Modbus Read] Position must be between 0 and 1499"},
      {"read register at 1499", With(With(kRead, 10, "1499"), 7, "1"), kWrite,
       "Error row 1!! [Modbus Read] Too many bytes to save starting from the Position indicate"},
      {"write registers NPoint 124", kRead, With(With(kWrite, 5, "Holding Register"), 7, "124"),
       "Error row 1!! [Modbus Write] NPoint must be between 1 and 123"},
      {"write bits NPoint 1969", kRead, With(kWrite, 7, "1969"),
       "Error row 1!! [Modbus Write] NPoint must be between 1 and 1968"},
      {"write bit rule without start bit", kRead, With(kWrite, 13, ""),
       "Error row 1!! [Modbus Write] Bit must be between 0 and 7"},
      {"write position 1500", kRead, With(kWrite, 12, "1500"),
       "Error row 1!! [Modbus Write] Position must be between 0 and 1499"},
  };
  for (const Case& c : cases) {
    ScriptedUi ui;
    ui.ExpectModal(QStringLiteral("TFModbus_TCP_Master_Set_Access"), [&](TForm*) {
      SetRow(R(), 1, c.read);
      SetRow(W(), 1, c.write);
      F().Btn_OK->Click();
      EXPECT_EQ(F().ModalResult(), mrNone) << c.name;
      F().Btn_Cancel->Click();
    });
    ui.ExpectMessage(c.message, mrOk, mtError);
    F().ShowModal();
    EXPECT_FALSE(FileExists(File_ModbusTCPM_SetAccess)) << c.name;
  }
}

TEST_F(ModbusTCPMasterForm, OkSavesTheRulesWithIndexTopicMinusOne) {
  ScriptedUi ui;
  EXPECT_EQ(Show(
                [](TForm_& f) {
                  SetRow(f.ECG_Modbus_Read, 1, kRead);
                  // A disabled, failing rule is not checked but written.
                  SetRow(f.ECG_Modbus_Read, 2, With(With(kRead, 1, "N"), 3, "99999"));
                  SetRow(f.ECG_Modbus_Write, 1, kWrite);
                  f.Btn_OK->Click();
                },
                ui),
            mrOk);
  const QString text = QString::fromUtf8(File());
  EXPECT_TRUE(text.contains(
      "<row Enable=\"Y\" IP_Address=\"192.168.1.125\" Port=\"502\" Slave_ID=\"1\" Type=\"Holding Register\" "
      "Address=\"0\" NPoint=\"10\" PollTime=\"100\" MaxError=\"0\" Position=\"0\" Bit=\"\" Swap=\"N\" "
      "SwapWord=\"N\" Index_Topic=\"-1\" Mnemonic=\"r\" />"))
      << text.toStdString();
  EXPECT_TRUE(text.contains("Enable=\"N\" IP_Address=\"192.168.1.125\" Port=\"99999\""));
  EXPECT_EQ(text.count("Index_Topic=\"-1\""), 2);
  EXPECT_TRUE(text.contains(
      "<row Enable=\"Y\" IP_Address=\"192.168.1.126\" Port=\"502\" Slave_ID=\"2\" Type=\"Coil Status\" "
      "Address=\"0\" NPoint=\"8\" PollTime=\"0\" OnChange=\"Y\" OnCMD=\"N\" MaxError=\"0\" Position=\"0\" "
      "Bit=\"0\" Swap=\"N\" SwapWord=\"N\" Mnemonic=\"w\" />"))
      << text.toStdString();
  EXPECT_TRUE(text.startsWith("<?xml") || text.startsWith("<PROFINET_Master_to_Modbus_TCP_Master>"));

  // A gap: asked; Yes saves up to the empty Slave IP Address.
  ui.ExpectModal(QStringLiteral("TFModbus_TCP_Master_Set_Access"), [](TForm* form) {
    auto& f = *static_cast<TForm_*>(form);
    SetRow(f.ECG_Modbus_Read, 2, With(kRead, 2, ""));
    SetRow(f.ECG_Modbus_Read, 3, With(kRead, 15, "lost"));
    f.Btn_OK->Click();
  });
  ui.ExpectMessage(QStringLiteral("Modbus Read: row 2 has no Slave IP Address, so the rules below it will not be "
                                  "saved. Save anyway?"),
                   mrYes, mtConfirmation);
  EXPECT_EQ(F().ShowModal(), mrOk);
  EXPECT_FALSE(QString::fromUtf8(File()).contains("lost"));
  EXPECT_EQ(QString::fromUtf8(File()).count("Index_Topic"), 1);
}

TEST_F(ModbusTCPMasterForm, RowButtonsActOnTheShownTable) {
  ScriptedUi ui;
  ui.ExpectModal(QStringLiteral("TFModbus_TCP_Master_Set_Access"), [&](TForm*) {
    SetRow(R(), 1, kRead);
    SetRow(R(), 2, With(kRead, 15, "second"));
    // Copy row 1, paste into the empty row 3.
    R()->SetRow(1);
    F().Btn_CopyRow->Click();
    EXPECT_TRUE(F().Do_Copy_In_Read);
    R()->SetRow(3);
    F().Btn_PasteRow->Click();
    EXPECT_EQ(R()->GetCellEx(15, 3), "r");
    // Delete row 1 after the question.
    R()->SetRow(1);
    ui.ExpectMessage(QStringLiteral("Are you sure to delete the Row number 1"), mrYes, mtConfirmation);
    F().Btn_DelRow->Click();
    EXPECT_EQ(R()->GetCellEx(15, 1), "second");
    EXPECT_EQ(R()->GetCellEx(15, 512), "");
    // Insert at row 1: an empty enabled row.
    F().Btn_InsRow->Click();
    EXPECT_EQ(R()->GetCellEx(1, 1), "Y");
    EXPECT_EQ(R()->GetCellEx(2, 1), "");
    EXPECT_EQ(R()->GetCellEx(15, 2), "second");
    // The Write page: its own copy flag, the Read copy is refused there.
    F().PageControl1->SetActivePage(F().TS_Modbus_Write);
    EXPECT_EQ(F().Active_Grid(), W());
    W()->SetRow(1);
    ui.ExpectMessage(QStringLiteral("Error!!! Copy a valid row before Paste it"), mrOk);
    F().Btn_PasteRow->Click();
    EXPECT_EQ(W()->GetCellEx(2, 1), "");
    F().Btn_Cancel->Click();
  });
  F().ShowModal();
  EXPECT_FALSE(FileExists(File_ModbusTCPM_SetAccess));
}

TEST_F(ModbusTCPMasterForm, HintsEnterAndRowSelectionServeBothTables) {
  ScriptedUi ui;
  EXPECT_EQ(Show([](TForm_& f) { f.Btn_Cancel->Click(); }, ui), mrCancel);
  // Display column 14 of the Read table is Mnemonic (Topic hidden).
  QString hint = "grid's";
  F().ECG_Modbus_WriteGridHint(R(), 0, 14, hint);
  EXPECT_EQ(hint, Lang_Text(1882));
  F().ECG_Modbus_WriteGridHint(W(), 0, 16, hint);
  EXPECT_EQ(hint, Lang_Text(1897));
  hint = "grid's";
  F().ECG_Modbus_WriteGridHint(W(), 3, 2, hint);
  EXPECT_EQ(hint, "grid's");
  Opt_Jump_Field_Tables = true;
  R()->SetRow(1);
  R()->SetCol(2);
  QChar key(13);
  F().ECG_Modbus_WriteKeyPress(R(), key);
  EXPECT_EQ(key, QChar(0));
  EXPECT_EQ(R()->Col(), 3);
  Opt_Double_Click_Auto_Size = true;
  F().ECG_Modbus_ReadDblClickCell(W(), 0, 16);
  EXPECT_LT(W()->ColWidths(16), 150);
  F().ClickCell(W(), 5, 0);
  EXPECT_TRUE(W()->RowSelect(5));

  Language_Texts.Put(1806, "Lettura Modbus");
  Language_Texts.Put(1813, "Tipo");
  F().Set_Lang();
  EXPECT_EQ(F().TS_Modbus_Read->Caption(), "Lettura Modbus");
  EXPECT_EQ(R()->Columns()->Items(5)->Header(), "Tipo");
  EXPECT_EQ(F().Btn_CopyRow->Caption(), "Copy Row");
}

// The road a user takes: the Enable cell first (which switches typing on), a rule
// typed and chosen through the grid's editors, then OK.
TEST_F(ModbusTCPMasterForm, ARuleTypedAndChosenThroughTheGridIsSaved) {
  ScriptedUi ui;
  ui.ExpectModal(QStringLiteral("TFModbus_TCP_Master_Set_Access"), [&](TForm*) {
    TExColumnGrid* g = R();
    g->SetFocus();
    ProcessEvents();
    auto clickCell = [&](int col, int row) {
      const TRect r = g->CellRect(col, row);
      MouseClick(g, r.Right - 3, r.Bottom - 3);
      ProcessEvents();
    };
    auto type = [&](TControl* c, const QString& text) {
      for (QChar ch : text) PressKey(c, ch == u'.' ? int(Qt::Key_Period) : Qt::Key_0 + ch.digitValue());
    };
    auto typeCell = [&](int col, const QString& text) {
      clickCell(col, 1);
      clickCell(col, 1);
      ASSERT_TRUE(g->NormalEdit() && g->NormalEdit()->Visible()) << col;
      type(g->NormalEdit(), text);
      PressKey(g->NormalEdit(), Qt::Key_Return);
      ProcessEvents();
    };
    auto chooseCell = [&](int col, int downs) {
      clickCell(col, 1);
      clickCell(col, 1);
      ASSERT_TRUE(g->Combobox()->Visible()) << col;
      for (int i = 0; i < downs; ++i) PressKey(g->Combobox(), Qt::Key_Down);
      PressKey(g->Combobox(), Qt::Key_Return);
      ProcessEvents();
    };
    clickCell(12, 1);  // Swap: a check-box cell switches the editing option on
    EXPECT_TRUE(g->Options().Contains(goEditing));
    typeCell(2, "10.0.0.7");
    typeCell(3, "502");
    typeCell(4, "3");
    chooseCell(5, 2);  // Holding Register
    typeCell(6, "100");
    typeCell(7, "4");
    typeCell(8, "250");
    typeCell(9, "0");
    chooseCell(10, 20);  // Position 20
    F().Btn_OK->Click();
  });
  EXPECT_EQ(F().ShowModal(), mrOk);
  const QString text = QString::fromUtf8(File());
  EXPECT_TRUE(text.contains("IP_Address=\"10.0.0.7\" Port=\"502\" Slave_ID=\"3\" Type=\"Holding Register\" "
                            "Address=\"100\" NPoint=\"4\" PollTime=\"250\" MaxError=\"0\" Position=\"20\""))
      << text.toStdString();
  EXPECT_TRUE(text.contains("Index_Topic=\"-1\""));
}
