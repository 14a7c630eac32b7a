// A grid's values after construction, the conversions after loading, what Assign
// copies, and the tri-state check box members.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "grid/view/ex_string_grid.h"
#include "grid/view/grid_unit.h"
#include "platform/rtl/exceptions.h"

namespace {

struct Expect {
  const char* what;
  std::function<bool(TExStringGrid&)> holds;
};

TEST(GridLifecycle, ValuesAfterConstruction) {
  auto g = std::make_unique<TExStringGrid>(nullptr);
  const Expect table[] = {
      {"RowCount 10", [](TExStringGrid& g) { return g.RowCount() == 10; }},
      {"ColCount 5", [](TExStringGrid& g) { return g.ColCount() == 5; }},
      {"one fixed row and column", [](TExStringGrid& g) { return g.FixedRows() == 1 && g.FixedCols() == 1; }},
      {"size 400 x 250", [](TExStringGrid& g) { return g.Width() == 400 && g.Height() == 250; }},
      {"rows 22 high", [](TExStringGrid& g) { return g.DefaultRowHeight() == 22 && g.RowHeights(5) == 22; }},
      {"fixed row height from the default", [](TExStringGrid& g) { return g.FixedRowHeight() == 22; }},
      {"fixed column width 64", [](TExStringGrid& g) { return g.FixedColWidth() == 64; }},
      {"check texts Y and N", [](TExStringGrid& g) { return g.CheckTrue == "Y" && g.CheckFalse == "N"; }},
      {"fixed font bold Tahoma",
       [](TExStringGrid& g) { return g.FixedFont()->Name() == "Tahoma" && g.FixedFont()->Style() == TFontStyles{fsBold}; }},
      {"active cell font bold", [](TExStringGrid& g) { return g.ActiveCellFont()->Style().Contains(fsBold); }},
      {"look XP, border colour", [](TExStringGrid& g) { return g.Look() == glXP && g.BorderColor() == 0xB99D7F; }},
      {"float format", [](TExStringGrid& g) { return g.FloatFormat == "%.2f"; }},
      {"password character", [](TExStringGrid& g) { return g.PasswordChar == u'*'; }},
      {"selection colours",
       [](TExStringGrid& g) {
         return g.SelectionColor() == 0xEACAB6 && g.SelectionColorTo() == clNone && g.SelectionTextColor() == 0 &&
                g.SelectionColorMixerFactor() == 50;
       }},
      {"active cell colour", [](TExStringGrid& g) { return g.ActiveCellColor() == 0x808080; }},
      {"XY offset 2, 2", [](TExStringGrid& g) { return g.XYOffset() == TPoint{2, 2}; }},
      {"word wrap on, top alignment", [](TExStringGrid& g) { return g.WordWrap() && g.VAlignment() == vtaTop; }},
      {"HTML on, URL colour", [](TExStringGrid& g) { return g.EnableHTML && g.URLColor == 0xFF0000; }},
      {"filter defaults",
       [](TExStringGrid& g) {
         return g.FilterNormalCellsOnly && g.AutoFilterUpdate && g.FilterDropDownClear == "(All)" &&
                g.FilterDropDownColumns == fdNormal && !g.FilterIncremental;
       }},
      {"files", [](TExStringGrid& g) { return g.SaveFixedCells && !g.SaveHiddenCells && g.SaveVirtCells && g.LoadFirstRow; }},
      {"not grouped, no zoom", [](TExStringGrid& g) { return g.GetGroupColumn() == -1 && g.ZoomFactor == 0; }},
      {"XP style at run time", [](TExStringGrid& g) { return g.ComponentStyle == tsWindowsXP; }},
      {"no hidden column or row", [](TExStringGrid& g) { return g.NumHiddenColumns() == 0 && g.NumHiddenRows() == 0; }},
      {"hint and input",
       [](TExStringGrid& g) {
         return g.HintColor == clInfoBk && g.HintShowLargeTextPos == hpCell && g.InvalidEntryIcon == ieWarning &&
                g.EnableWheel && g.EnhRowColMove && g.HoverFixedCells == hfNone;
       }},
      {"settings objects exist",
       [](TExStringGrid& g) {
         return g.SortSettings() && g.Filter() && g.FloatingFooter() && g.SearchFooter() && g.PrintSettings() &&
                g.ColumnSize() && g.ControlLook() && g.MouseActions() && g.Navigation();
       }},
      {"the print settings' page number separator", [](TExStringGrid& g) { return g.PrintSettings()->PageNumSep == "/"; }},
      {"the floating footer follows the row height", [](TExStringGrid& g) { return g.FloatingFooter()->Height() == 22; }},
  };
  for (const auto& e : table) EXPECT_TRUE(e.holds(*g)) << e.what;
  EXPECT_EQ(LinkCursor, crHandPoint);
}

TEST(GridLifecycle, LoadedConversions) {
  TComponent form(nullptr);
  form.BeginLoading();
  auto* g = new TExStringGrid(&form);
  ASSERT_TRUE(g->Loading());
  g->SetRowCount(31);
  g->SetFixedRows(2);
  g->SetDefaultRowHeight(18);
  g->SetOptions(g->Options() + goAlwaysShowEditor);
  g->SetFixedColWidth(40);  // ignored while loading, as the streamed setter
  g->SetLook(glVOD);
  form.EndLoading();

  EXPECT_FALSE(g->Loading());
  EXPECT_TRUE(g->IsLoaded());
  EXPECT_EQ(g->FixedRowsMin(), 2);
  EXPECT_EQ(g->FixedColsMin(), 1);
  EXPECT_EQ(g->MinRowHeight, 18);
  EXPECT_EQ(g->MinColWidth, 10);
  EXPECT_EQ(g->MaxRowCount(), 31);
  EXPECT_TRUE(g->Navigation()->AlwaysEdit);
  EXPECT_FALSE(g->Options().Contains(goAlwaysShowEditor));
  EXPECT_EQ(g->ColWidths(0), 64);
  EXPECT_EQ(g->Look(), glVOD);
}

TEST(GridLifecycle, AssignCopiesSettingsAndCellsButNotEverything) {
  TExStringGrid source(nullptr), target(nullptr);
  source.SetColCount(7);
  source.SetRowCount(4);
  source.SetColWidths(3, 99);
  source.Navigation()->AdvanceOnEnter = true;
  source.Navigation()->KeepScrollOnSort = true;  // Navigation's Assign leaves it
  source.HTMLSettings()->Width = 10;
  source.HTMLSettings()->ExportImages = false;  // THTMLSettings' Assign leaves it
  source.Balloon()->Transparency = 5;           // not part of the grid's Assign
  source.CheckTrue = "yes";                     // not part of the grid's Assign
  source.SetCellEx(2, 1, "cell");
  source.HideColumn(5);
  source.SetCellEx(5, 2, "hidden");

  target.Assign(&source);
  EXPECT_EQ(target.ColCount(), 6);
  EXPECT_EQ(target.RowCount(), 4);
  EXPECT_EQ(target.ColWidths(3), 99);
  EXPECT_TRUE(target.Navigation()->AdvanceOnEnter);
  EXPECT_FALSE(target.Navigation()->KeepScrollOnSort);
  EXPECT_EQ(target.HTMLSettings()->Width, 10);
  EXPECT_TRUE(target.HTMLSettings()->ExportImages);
  EXPECT_EQ(target.Balloon()->Transparency, 0);
  EXPECT_EQ(target.CheckTrue, "Y");
  EXPECT_EQ(target.GetCellEx(2, 1), "cell");

  TComponent other(nullptr);
  target.Assign(&other);  // another class: ignored
  EXPECT_EQ(target.ColCount(), 6);
}

TEST(GridLifecycle, TriStateCheckBoxes) {
  TExStringGrid g(nullptr);
  TCheckBoxState state = cbGrayed;
  EXPECT_FALSE(g.GetCheckBoxState(2, 2, state));
  EXPECT_EQ(state, cbGrayed);  // unchanged without a check box

  g.AddCheckBox(2, 2, cbChecked);
  EXPECT_TRUE(g.GetCheckBoxState(2, 2, state));
  EXPECT_EQ(state, cbChecked);
  EXPECT_EQ(g.GetCellType(2, 2), ctTriStateCheckBox);
  EXPECT_EQ(g.GetCellEx(2, 2), "");  // an empty cell keeps its empty text

  g.MouseActions()->CheckAllCheck = true;
  g.AddTriStateCheckBoxColumn(3, cbGrayed);
  EXPECT_EQ(g.GetCellType(3, 0), ctTriStateCheckBox);
  EXPECT_TRUE(g.GetCheckBoxState(3, 9, state));
  EXPECT_EQ(state, cbGrayed);
}

TEST(GridLifecycle, InvalidCellPastTheCounts) {
  TExStringGrid g(nullptr);
  g.HideColumn(1);  // 4 shown + 1 hidden: real columns 0..4
  struct Case {
    int col, row;
    bool raises;
  } cases[] = {{4, 9, false}, {5, 0, true}, {0, 10, true}, {-1, 0, true}, {0, -1, true}};
  for (const auto& c : cases) {
    bool raised = false;
    try {
      g.AddCheckBox(c.col, c.row, cbChecked);
    } catch (const Exception& e) {
      raised = true;
      EXPECT_EQ(e.Message, "Invalid cell");
    }
    EXPECT_EQ(raised, c.raises) << c.col << "," << c.row;
  }
}

TEST(GridLifecycle, IntegralHeightFitsWholeRows) {
  TExStringGrid g(nullptr);
  g.IntegralHeight = true;
  g.SetBounds(0, 0, 900, 250);
  // 250 less a single border (2): 248 rows' room, 11 whole rows of 22 = 242,
  // plus both borders (4).
  EXPECT_EQ(g.Height(), 246);
}

}  // namespace
