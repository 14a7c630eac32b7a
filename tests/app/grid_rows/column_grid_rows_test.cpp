// Row operations of the column grids on a grid with a data check-box column, a
// combo column and a hidden column: every case as (rows before, operation,
// clipboard state, answers to the boxes, rows after).
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "app/grid_rows/grid_rows.h"
#include "app/language/language.h"
#include "app/state/comon.h"
#include "grid/view/column_grid.h"
#include "platform/ui/form.h"
#include "tests/support/scripted_ui.h"

namespace {

using Rows = std::vector<QStringList>;  // rows 1..3, real columns 1..4

const QString kOverwrite = "Row Already used. Do you want to overwrite the values?";
const QString kWidth = "Error in the Copy values!!! Copy a valid row before Paste it";
const QString kFirst = "Error!!! Copy a valid row before Paste it";

// Columns: 0 numbers, 1 data check box, 2 combo list, 3 hidden text, 4 text.
struct ColumnGridRows : ::testing::Test {
  TExColumnGrid g{nullptr};
  void SetUp() override {
    Load_Default_Texts();
    g.SetRowCount(4);
    g.Columns()->Items(1)->SetEditor(edDataCheckBox);
    g.Columns()->Items(2)->SetEditor(edComboList);
    g.HideColumn(3);
    Row_Clipboard.clear();
    Row_Clipboard_Check.clear();
  }
  void TearDown() override { Create_Language_Texts(); }
  void Fill(const Rows& rows) {
    for (int r = 0; r < 3; ++r)
      for (int c = 0; c < 4; ++c) g.SetCellEx(c + 1, r + 1, rows[r][c]);
  }
  Rows Read() {
    Rows out(3);
    for (int r = 0; r < 3; ++r)
      for (int c = 0; c < 4; ++c) out[r].append(g.GetCellEx(c + 1, r + 1));
    return out;
  }
};

const Rows kStart = {{"Y", "a", "h1", "x1"}, {"N", "b", "h2", "x2"}, {"Y", "c", "h3", "x3"}};

TEST_F(ColumnGridRows, CaseTable) {
  struct Case {
    const char* name;
    Rows before;
    std::function<void(TExColumnGrid*)> op;
    std::vector<std::pair<QString, int>> boxes;  // expected boxes with the answer
    Rows after;
  } cases[] = {
      {"delete middle row moves the rest up, hidden cells too", kStart,
       [](TExColumnGrid* g) { Delete_Column_Grid_Row(2, g); },
       {},
       {{"Y", "a", "h1", "x1"}, {"Y", "c", "h3", "x3"}, {"", "", "", ""}}},
      {"delete last row only empties it", kStart, [](TExColumnGrid* g) { Delete_Column_Grid_Row(3, g); },
       {},
       {{"Y", "a", "h1", "x1"}, {"N", "b", "h2", "x2"}, {"", "", "", ""}}},
      {"insert drops the last row, enable puts Y in column 1", kStart,
       [](TExColumnGrid* g) { Insert_Column_Grid_Row(1, g, true); },
       {},
       {{"Y", "", "", ""}, {"Y", "a", "h1", "x1"}, {"N", "b", "h2", "x2"}}},
      {"insert at the last row loses it", kStart, [](TExColumnGrid* g) { Insert_Column_Grid_Row(3, g, false); },
       {},
       {{"Y", "a", "h1", "x1"}, {"N", "b", "h2", "x2"}, {"", "", "", ""}}},
      {"paste without a copy here: 1102, nothing changes", kStart,
       [](TExColumnGrid* g) {
         Copy_Column_Grid_Row(g, 1);
         Paste_Column_Grid_Row(g, 3, false);
       },
       {{kFirst, mrOk}},
       kStart},
      {"paste into a used row asks 1100; No keeps it", kStart,
       [](TExColumnGrid* g) {
         Copy_Column_Grid_Row(g, 1);
         Paste_Column_Grid_Row(g, 2, true);
       },
       {{kOverwrite, mrNo}},
       kStart},
      {"paste into a used row asks 1100; Yes overwrites, hidden cell too", kStart,
       [](TExColumnGrid* g) {
         Copy_Column_Grid_Row(g, 1);
         Paste_Column_Grid_Row(g, 2, true);
       },
       {{kOverwrite, mrYes}},
       {{"Y", "a", "h1", "x1"}, {"Y", "a", "h1", "x1"}, {"Y", "c", "h3", "x3"}}},
      {"blank-only texts and a check text count as empty: no question",
       {{"Y", "a", "h1", "x1"}, {"Y", " ", "  ", ""}, {"Y", "c", "h3", "x3"}},
       [](TExColumnGrid* g) {
         Copy_Column_Grid_Row(g, 3);
         Paste_Column_Grid_Row(g, 2, true);
       },
       {},
       {{"Y", "a", "h1", "x1"}, {"Y", "c", "h3", "x3"}, {"Y", "c", "h3", "x3"}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Fill(c.before);
    {
      ScriptedUi ui;
      for (const auto& [text, answer] : c.boxes) ui.ExpectMessage(text, answer);
      c.op(&g);
    }
    EXPECT_EQ(Read(), c.after);
  }
}

TEST_F(ColumnGridRows, CopyKeepsAllColumnsAndClearsTheCheckFlags) {
  Fill(kStart);
  Row_Clipboard_Check = {true};  // left over from a plain grid's copy
  Copy_Column_Grid_Row(&g, 2);
  EXPECT_EQ(Row_Clipboard, (QStringList{"N", "b", "h2", "x2"}));
  EXPECT_EQ(Row_Clipboard_Check, std::vector<bool>(4, false));
}

TEST_F(ColumnGridRows, PasteOfAnotherWidthIsRefusedWith1101) {
  Fill(kStart);
  TExColumnGrid narrow(nullptr);
  narrow.SetColCount(3);
  narrow.SetCellEx(1, 1, "p");
  narrow.SetCellEx(2, 1, "q");
  Copy_Column_Grid_Row(&narrow, 1);
  {
    ScriptedUi ui;
    ui.ExpectMessage(kWidth, mrOk, mtError);
    Paste_Column_Grid_Row(&g, 3, true);
  }
  EXPECT_EQ(Read(), kStart);
}

}  // namespace
