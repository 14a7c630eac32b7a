// Row operations of the plain grids on a grid whose column 1 holds check boxes,
// with a hidden column and read-only flags; and the Enter and header double-click
// reactions with their options on and off.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "app/grid_rows/grid_rows.h"
#include "app/language/language.h"
#include "app/state/comon.h"
#include "grid/view/ex_string_grid.h"
#include "platform/ui/canvas.h"
#include "platform/ui/form.h"
#include "tests/support/scripted_ui.h"

namespace {

// One row as the test sees it: the check state of column 1, the texts of
// columns 2..4 (3 hidden), and which of columns 1..4 are read-only.
struct TRowState {
  bool check;
  QStringList texts;
  QString readOnly;  // "1010": columns 1..4
  bool operator==(const TRowState&) const = default;
};
using Rows = std::vector<TRowState>;

void PrintTo(const TRowState& r, std::ostream* os) {
  *os << (r.check ? "[x] " : "[ ] ") << r.texts.join('|').toStdString() << " ro=" << r.readOnly.toStdString();
}

const QString kOverwrite = "Row Already used. Do you want to overwrite the values?";
const QString kWidth = "Error in the Copy values!!! Copy a valid row before Paste it";
const QString kFirst = "Error!!! Copy a valid row before Paste it";

struct PlainGridRows : ::testing::Test {
  TExStringGrid g{nullptr};
  void SetUp() override {
    Load_Default_Texts();
    g.SetRowCount(4);
    g.AddCheckBoxColumn(1, false, false);
    g.HideColumn(3);
    Row_Clipboard.clear();
    Row_Clipboard_Check.clear();
  }
  void TearDown() override { Create_Language_Texts(); }
  void Fill(const Rows& rows) {
    for (int r = 0; r < 3; ++r) {
      g.SetCheckBoxState(1, r + 1, rows[r].check);
      for (int c = 0; c < 3; ++c) g.SetCellEx(c + 2, r + 1, rows[r].texts[c]);
      for (int c = 0; c < 4; ++c) g.SetReadOnly(c + 1, r + 1, rows[r].readOnly[c] == u'1');
    }
  }
  Rows Read() {
    Rows out;
    for (int r = 1; r <= 3; ++r) {
      TRowState s{g.IsChecked(1, r), {}, {}};
      for (int c = 2; c <= 4; ++c) s.texts.append(g.GetCellEx(c, r));
      for (int c = 1; c <= 4; ++c) s.readOnly += g.ReadOnly(c, r) ? u'1' : u'0';
      out.push_back(s);
    }
    return out;
  }
};

const Rows kStart = {{true, {"a", "h1", "x1"}, "0100"}, {false, {"b", "h2", "x2"}, "0000"},
                     {true, {"c", "h3", "x3"}, "1001"}};

TEST_F(PlainGridRows, CaseTable) {
  struct Case {
    const char* name;
    Rows before;
    std::function<void(TExStringGrid*)> op;
    std::vector<std::pair<QString, int>> boxes;
    Rows after;
  } cases[] = {
      {"delete moves states, texts (hidden too) and read-only flags up; the last row locks", kStart,
       [](TExStringGrid* g) { Delete_Grid_Row(1, g, false); },
       {},
       {{false, {"b", "h2", "x2"}, "0000"}, {true, {"c", "h3", "x3"}, "1001"}, {false, {"", "", ""}, "1111"}}},
      {"delete of the last row resets it, checked first column with the flag", kStart,
       [](TExStringGrid* g) { Delete_Grid_Row(3, g, true); },
       {},
       {{true, {"a", "h1", "x1"}, "0100"}, {false, {"b", "h2", "x2"}, "0000"}, {true, {"", "", ""}, "1111"}}},
      {"insert drops the last row and opens an editable empty row", kStart,
       [](TExStringGrid* g) { Insert_Grid_Row(2, g, true); },
       {},
       {{true, {"a", "h1", "x1"}, "0100"}, {true, {"", "", ""}, "0000"}, {false, {"b", "h2", "x2"}, "0000"}}},
      {"paste without a copy here: 1102", kStart,
       [](TExStringGrid* g) {
         Copy_Grid_Row(g, 1);
         Paste_Grid_Row(g, 2, false);
       },
       {{kFirst, mrOk}},
       kStart},
      {"paste over a used row: No keeps it", kStart,
       [](TExStringGrid* g) {
         Copy_Grid_Row(g, 1);
         Paste_Grid_Row(g, 2, true);
       },
       {{kOverwrite, mrNo}},
       kStart},
      {"paste over a used row: Yes copies state and texts, not the read-only flags", kStart,
       [](TExStringGrid* g) {
         Copy_Grid_Row(g, 1);
         Paste_Grid_Row(g, 2, true);
       },
       {{kOverwrite, mrYes}},
       {{true, {"a", "h1", "x1"}, "0100"}, {true, {"a", "h1", "x1"}, "0000"}, {true, {"c", "h3", "x3"}, "1001"}}},
      {"a row whose only content is its check box pastes without a question",
       {{true, {"a", "h1", "x1"}, "0000"}, {true, {"", "", ""}, "0000"}, {false, {"c", "h3", "x3"}, "0000"}},
       [](TExStringGrid* g) {
         Copy_Grid_Row(g, 3);
         Paste_Grid_Row(g, 2, true);
       },
       {},
       {{true, {"a", "h1", "x1"}, "0000"}, {false, {"c", "h3", "x3"}, "0000"}, {false, {"c", "h3", "x3"}, "0000"}}},
      {"blanks count as used in a plain grid",
       {{true, {"a", "h1", "x1"}, "0000"}, {false, {"", " ", ""}, "0000"}, {false, {"c", "h3", "x3"}, "0000"}},
       [](TExStringGrid* g) {
         Copy_Grid_Row(g, 1);
         Paste_Grid_Row(g, 2, true);
       },
       {{kOverwrite, mrNo}},
       {{true, {"a", "h1", "x1"}, "0000"}, {false, {"", " ", ""}, "0000"}, {false, {"c", "h3", "x3"}, "0000"}}},
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

TEST_F(PlainGridRows, CopyRecordsCheckFlagsAndYN) {
  Fill(kStart);
  Copy_Grid_Row(&g, 2);
  EXPECT_EQ(Row_Clipboard, (QStringList{"N", "b", "h2", "x2"}));
  EXPECT_EQ(Row_Clipboard_Check, (std::vector<bool>{true, false, false, false}));
}

TEST_F(PlainGridRows, PasteOfAnotherWidthIs1101) {
  Fill(kStart);
  Row_Clipboard = {"Y", "p"};
  Row_Clipboard_Check = {true, false};
  {
    ScriptedUi ui;
    ui.ExpectMessage(kWidth, mrOk, mtError);
    Paste_Grid_Row(&g, 2, true);
  }
  EXPECT_EQ(Read(), kStart);
}

TEST_F(PlainGridRows, FlagsMissingFromTheClipboardCountAsTexts) {
  Fill(kStart);
  Row_Clipboard = {"Y", "p", "q", "r"};
  Row_Clipboard_Check = {true};  // shorter than the entries
  ScriptedUi ui;
  ui.ExpectMessage(kOverwrite, mrYes);
  Paste_Grid_Row(&g, 2, true);
  EXPECT_EQ(Read()[1], (TRowState{true, {"p", "q", "r"}, "0000"}));
}

// --- Enter and the header double click ---

struct GridKeys : ::testing::Test {
  TExStringGrid g{nullptr};
  void TearDown() override {
    Opt_Jump_Field_Tables = false;
    Opt_Double_Click_Auto_Size = false;
  }
};

TEST_F(GridKeys, EnterWrapsThroughTheVisibleCells) {
  g.SetColCount(4);
  g.HideColumn(2);  // ColCount 3: display columns 1 and 2 are data columns
  struct Case {
    bool option;
    int col, row;
    int wantCol, wantRow;
    bool swallowed;
  } cases[] = {
      {true, 1, 1, 2, 1, true},   // next column
      {true, 2, 1, 1, 2, true},   // end of the row: next row
      {true, 2, 9, 1, 1, true},   // last cell: back to row 1
      {true, 0, 3, 0, 3, true},   // a fixed cell does not move but Enter is swallowed
      {false, 1, 1, 1, 1, false}, // option off: Enter reaches the grid
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.option << " " << c.col << "," << c.row);
    Opt_Jump_Field_Tables = c.option;
    g.SetCol(std::max(1, c.col));
    g.SetRow(c.row);
    if (c.col == 0) {
      g.SetFixedCols(0);
      g.SetCol(0);
    }
    QChar key(13);
    Grid_Enter_Next_Cell(&g, key);
    EXPECT_EQ(g.Col(), c.wantCol);
    EXPECT_EQ(g.Row(), c.wantRow);
    EXPECT_EQ(key == QChar(0), c.swallowed);
    g.SetFixedCols(1);
  }
  Opt_Jump_Field_Tables = true;
  QChar other(u'a');
  Grid_Enter_Next_Cell(&g, other);
  EXPECT_EQ(other, QChar(u'a'));
}

TEST_F(GridKeys, HeaderDoubleClickSizesOnlyWithTheOption) {
  g.SetCellEx(2, 1, "a rather long text for the column");
  const int before = g.ColWidths(2);
  Opt_Double_Click_Auto_Size = true;
  Grid_Auto_Size_Col(&g, 1, 2);  // a data cell never sizes
  EXPECT_EQ(g.ColWidths(2), before);
  Opt_Double_Click_Auto_Size = false;
  Grid_Auto_Size_Col(&g, 0, 2);
  EXPECT_EQ(g.ColWidths(2), before);
  Opt_Double_Click_Auto_Size = true;
  Grid_Auto_Size_Col(&g, 0, 2);
  EXPECT_GT(g.ColWidths(2), before);
}

}  // namespace
