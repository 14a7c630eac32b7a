// The grid's per-cell hooks: their answers from the grid's own settings, and
// that each raises its event only when a handler is assigned.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "grid/view/ex_string_grid.h"

namespace {

TEST(GridHooks, AnswersPerGridSetting) {
  struct Case {
    const char* what;
    std::function<void(TExStringGrid&)> setup;
    std::function<bool(TExStringGrid&)> answer;
  } cases[] = {
      {"a negative cell is empty", [](TExStringGrid&) {}, [](TExStringGrid& g) { return g.GetCellType(-1, 0) == ctEmpty; }},
      {"row check boxes make column 0 a row check box",
       [](TExStringGrid& g) { g.MouseActions()->SetHotmailRowSelect(true); },
       [](TExStringGrid& g) { return g.GetCellType(0, 4) == ctRowCheckBox && g.GetCellType(1, 4) == ctEmpty; }},
      {"row check boxes centre column 0",
       [](TExStringGrid& g) { g.MouseActions()->SetHotmailRowSelect(true); },
       [](TExStringGrid& g) {
         TAlignment h = taLeftJustify;
         TVAlignment v = vtaTop;
         g.GetAlignmentHook(0, 3, h, v);
         return h == taCenter;
       }},
      {"no combo without handler and without always-visible buttons",
       [](TExStringGrid& g) { g.OnGetEditorType = [](TObject*, int, int, TEditorType& e) { e = edComboList; }; },
       [](TExStringGrid& g) { return !g.HasComboBox(2, 2); }},
      {"always-visible drop-down buttons ask the editor",
       [](TExStringGrid& g) {
         g.ControlLook()->DropDownAlwaysVisible = true;
         g.OnGetEditorType = [](TObject*, int c, int, TEditorType& e) { e = c == 2 ? edComboEdit : edNormal; };
       },
       [](TExStringGrid& g) { return g.HasComboBox(2, 2) && !g.HasComboBox(3, 2); }},
      {"spin buttons: never in fixed cells, else by the editor",
       [](TExStringGrid& g) {
         g.ControlLook()->SpinButtonsAlwaysVisible = true;
         g.DefaultEditor = edSpinEdit;
       },
       [](TExStringGrid& g) { return g.HasSpinEdit(2, 2) && !g.HasSpinEdit(0, 2) && !g.HasSpinEdit(2, 0); }},
      {"fixed rows and columns are fixed", [](TExStringGrid&) {},
       [](TExStringGrid& g) {
         bool a = false, b = false, c = false;
         g.IsFixedCellHook(0, 5, a);
         g.IsFixedCellHook(3, 0, b);
         g.IsFixedCellHook(3, 5, c);
         return a && b && !c;
       }},
      {"check texts without a handler", [](TExStringGrid&) {},
       [](TExStringGrid& g) {
         QString t, f;
         g.GetCheckTrue(1, 1, t);
         g.GetCheckFalse(1, 1, f);
         return t == "Y" && f == "N";
       }},
      {"a read-only cell cannot be edited with goEditing",
       [](TExStringGrid& g) {
         g.SetOptions(g.Options() + goEditing);
         g.SetReadOnly(2, 2, true);
       },
       [](TExStringGrid& g) {
         bool can = true;
         g.CanEditCell(2, 2, can);
         return !can;
       }},
      {"a cell with properties cannot be edited without goEditing",
       [](TExStringGrid& g) { g.SetColors(2, 2, clRed); },
       [](TExStringGrid& g) {
         bool can = true;
         g.CanEditCell(2, 2, can);
         return !can;
       }},
      {"a cell without properties: the handler decides",
       [](TExStringGrid& g) { g.OnCanEditCell = [](TObject*, int, int, bool& can) { can = false; }; },
       [](TExStringGrid& g) {
         bool can = true;
         g.CanEditCell(3, 3, can);
         return !can;
       }},
      {"the active cell's header takes the active colour",
       [](TExStringGrid& g) {
         g.SetActiveCellShow(true);
         g.SetRow(4);
       },
       [](TExStringGrid& g) {
         TBrush brush;
         TFont font;
         g.GetCellColorHook(0, 4, {}, &brush, &font);
         return brush.Color() == g.ActiveCellColor() && font.Style().Contains(fsBold);
       }},
      {"a cell's own brush applies to plain cells",
       [](TExStringGrid& g) { g.SetColors(2, 2, clRed); },
       [](TExStringGrid& g) {
         TBrush brush;
         TFont font;
         g.GetCellColorHook(2, 2, {}, &brush, &font);
         return brush.Color() == clRed;
       }},
      {"the float format", [](TExStringGrid&) {},
       [](TExStringGrid& g) {
         QString f;
         g.GetFloatFormatHook(1, 1, f);
         return f == "%.2f";
       }},
  };
  for (const auto& c : cases) {
    TExStringGrid g(nullptr);
    c.setup(g);
    EXPECT_TRUE(c.answer(g)) << c.what;
  }
}

TEST(GridHooks, ColumnFilterListIsSortedDistinctWithTheClearEntryFirst) {
  TExStringGrid g(nullptr);
  g.SetRowCount(4);
  g.FilterDropDownAuto = true;
  g.SetCellEx(2, 1, "a b");
  g.SetCellEx(2, 2, "c");
  g.SetCellEx(2, 3, " c ");
  EXPECT_TRUE(g.GetColumnFilterHook(2));
  ASSERT_EQ(g.FilterList()->Count(), 3);
  EXPECT_EQ(g.FilterList()->Strings(0), "(All)");
  EXPECT_EQ(g.FilterList()->Strings(1), "a b=\"a b\"");  // shown as itself, filtering by the quoted text
  EXPECT_EQ(g.FilterList()->Strings(2), "c");

  g.FilterDropDownAuto = false;
  EXPECT_FALSE(g.GetColumnFilterHook(2));
}

// Each hook without a handler raises nothing and keeps its answer; with a
// handler it raises exactly once, with the grid as sender.
TEST(GridHooks, EventsOnlyWithAHandler) {
  TExStringGrid g(nullptr);
  int raised = 0;
  TObject* sender = nullptr;
  auto note = [&](TObject* s) {
    ++raised;
    sender = s;
  };
  struct Case {
    const char* what;
    std::function<void()> assign;
    std::function<void()> call;
  } cases[] = {
      {"click sort", [&] { g.OnClickSort = [&](TObject* s, int) { note(s); }; }, [&] { g.DoClickSort(1); }},
      {"check box click", [&] { g.OnCheckBoxClick = [&](TObject* s, int, int, bool) { note(s); }; },
       [&] { g.CheckBoxClickHook(1, 1, true); }},
      {"check box change", [&] { g.OnCheckBoxChange = [&](TObject* s, int, int, bool) { note(s); }; },
       [&] { g.CheckBoxChangeHook(1, 1, true); }},
      {"editor type", [&] { g.OnGetEditorType = [&](TObject* s, int, int, TEditorType&) { note(s); }; },
       [&] {
         TEditorType e = edNormal;
         g.GetComboEditorTypeHook(1, 1, e);
       }},
      {"grid hint", [&] { g.OnGridHint = [&](TObject* s, int, int, QString&) { note(s); }; },
       [&] {
         QString h, w;
         g.GridHintHook(1, 1, h, w);
       }},
      {"selection changed", [&] { g.OnSelectionChanged = [&](TObject* s, int, int, int, int) { note(s); }; },
       [&] { g.SelectionChangedHook(1, 1, 2, 2); }},
      {"cell colour", [&] { g.OnGetCellColor = [&](TObject* s, int, int, TGridDrawState, TBrush*, TFont*) { note(s); }; },
       [&] {
         TBrush b;
         TFont f;
         g.GetCellColorHook(1, 1, {}, &b, &f);
       }},
      {"alignment", [&] { g.OnGetAlignment = [&](TObject* s, int, int, TAlignment&, TVAlignment&) { note(s); }; },
       [&] {
         TAlignment h;
         TVAlignment v;
         g.GetAlignmentHook(1, 1, h, v);
       }},
      {"update column size", [&] { g.OnUpdateColumnSize = [&](TObject* s, int, int&) { note(s); }; },
       [&] {
         int w = 10;
         g.UpdateColumnSizeHook(1, w);
       }},
      {"cells changed", [&] { g.OnCellsChanged = [&](TObject* s, TRect) { note(s); }; },
       [&] { g.CellsChangedHook(Rect(0, 0, 1, 1)); }},
      {"button click", [&] { g.OnButtonClick = [&](TObject* s, int, int) { note(s); }; }, [&] { g.ButtonClickHook(1, 1); }},
      {"filter done", [&] { g.OnFilterDone = [&](TObject* s) { note(s); }; }, [&] { g.FilterDoneHook(); }},
  };
  for (const auto& c : cases) {
    raised = 0;
    c.call();
    EXPECT_EQ(raised, 0) << c.what << " without a handler";
    c.assign();
    c.call();
    EXPECT_EQ(raised, 1) << c.what;
    EXPECT_EQ(sender, &g) << c.what;
  }
}

TEST(GridHooks, WideHintReplacesTheHintPacked) {
  TExStringGrid g(nullptr);
  g.OnGridWideHint = [](TObject*, int, int, QString& wide) { wide = "ab"; };
  QString hint = "plain", wide;
  g.GridHintHook(1, 1, hint, wide);
  EXPECT_EQ(hint, QString::fromUtf16(u"|\\\0a\0b", 6));
}

}  // namespace
