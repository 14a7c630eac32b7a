// Filtering: how conditions join, filter levels that come back one by one,
// narrowing by typed text, node rows that stay, and conditions chosen from the
// plain and the check filter lists.
#include <gtest/gtest.h>

#include "tests/support/qstring_print.h"
#include "tests/support/ui_input.h"

#include <memory>

#include "grid/data/filter_lists.h"
#include "grid/view/ex_string_grid.h"
#include "platform/ui/form.h"

namespace {

// Rows 1-6 with labels in column 0 and texts in columns 1 and 2; on a shown
// form when asked.
struct TFilterGrid {
  std::unique_ptr<TForm> form;
  std::unique_ptr<TExStringGrid> own;
  TExStringGrid& g;
  explicit TFilterGrid(bool Shown = false)
      : form(Shown ? std::make_unique<TForm>(nullptr) : nullptr),
        own(Shown ? nullptr : std::make_unique<TExStringGrid>(nullptr)),
        g(Shown ? *new TExStringGrid(form.get()) : *own) {
    const char* texts[][3] = {{"a", "apple", "red"},   {"b", "banana", "yellow"}, {"c", "cherry", "red"},
                              {"d", "date", "brown"},  {"e", "apricot", "orange"}, {"f", "avocado", "green"}};
    g.SetColCount(3);
    g.SetRowCount(7);
    for (int r = 0; r < 6; ++r)
      for (int c = 0; c < 3; ++c) g.SetCells(c, r + 1, texts[r][c]);
  }
  QString Shown() {
    QStringList out;
    for (int r = 1; r < g.RowCount(); ++r) out << g.Cells(0, r);
    return out.join(u' ');
  }
  TFilterData* Add(int col, const QString& condition, TFilterOperation op) {
    TFilterData* f = g.Filter()->Add();
    f->Column = static_cast<int16_t>(col);
    f->Condition = condition;
    f->Operation = op;
    return f;
  }
};

TEST(Filtering, OperatorsJoinInOrder) {
  struct Case {
    const char* what;
    QString first;
    TFilterOperation secondOp;
    QString second;
    TFilterOperation firstOp;
    const char* shown;
  } cases[] = {
      {"two conditions added: both match", "a*", foAND, "red", foNONE, "a"},
      {"or", "a*", foOR, "red", foNONE, "a c e f"},
      {"exclusive or", "a*", foXOR, "red", foNONE, "c e f"},
      {"none takes the last outcome", "a*", foNONE, "red", foNONE, "a c"},
      {"a failing short cut ends the test", "c*", foOR, "red", foSHORT, "c"},
      {"a passing short cut goes on", "a*", foAND, "red", foSHORT, "a"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TFilterGrid t;
    t.Add(1, c.first, c.firstOp);
    t.Add(2, c.second, c.secondOp);
    t.g.SetFilterActive(true);
    EXPECT_EQ(t.Shown(), c.shown);
    t.g.SetFilterActive(false);
    EXPECT_EQ(t.Shown(), "a b c d e f");
  }
}

TEST(Filtering, EmptyConditionsAndTheWholeRow) {
  TFilterGrid t;
  TFilterData* f = t.Add(1, QString(), foNONE);
  t.g.SetFilterActive(true);
  EXPECT_EQ(t.Shown(), "a b c d e f");  // an empty column condition passes
  t.g.SetFilterActive(false);
  f->Data = fcRow;
  t.g.SetFilterActive(true);
  EXPECT_EQ(t.Shown(), "");  // an empty whole-row condition fails
  t.g.SetFilterActive(false);
  f->Condition = "RED";  // the whole row, letter case ignored
  t.g.SetFilterActive(true);
  EXPECT_EQ(t.Shown(), "a c");
  t.g.SetFilterActive(false);
  // Prefix, suffix and the literal method.
  f->Data = fcNormal;
  f->Prefix = "ap";
  f->Suffix = "le";
  f->Method = fmLiteral;
  f->Condition = "p";
  t.g.SetFilterActive(true);
  EXPECT_EQ(t.Shown(), "a");
}

TEST(Filtering, LevelsComeBackOneByOne) {
  TFilterGrid t;
  EXPECT_FALSE(t.g.RemoveLastFilter());
  t.Add(1, "a*", foNONE);
  t.g.ApplyFilter();
  EXPECT_EQ(t.Shown(), "a e f");
  t.g.Filter()->Items(0)->Condition = "*o*";
  t.g.ApplyFilter();
  EXPECT_EQ(t.Shown(), "e f");
  EXPECT_EQ(t.g.FilterLevel(), 2);
  EXPECT_FALSE(t.g.RemoveLastFilter());  // one level remains
  EXPECT_EQ(t.Shown(), "a e f");
  t.g.RemoveLastFilter();
  EXPECT_EQ(t.Shown(), "a b c d e f");
  EXPECT_EQ(t.g.FilterLevel(), 0);
  EXPECT_EQ(t.g.NumHiddenRows(), 0);
  // RemoveAllFilters walks every level down and keeps the conditions.
  t.g.ApplyFilter();
  t.g.ApplyFilter();
  t.g.RemoveAllFilters();
  EXPECT_EQ(t.Shown(), "a b c d e f");
  EXPECT_EQ(t.g.Filter()->Count(), 1);
  t.g.RemoveAllFilters();  // no level: the conditions go
  EXPECT_EQ(t.g.Filter()->Count(), 0);
}

TEST(Filtering, NarrowDownByTypedText) {
  TFilterGrid t;
  QStringList tested;
  t.g.OnCustomFilter = [&](TObject*, int row, bool&) { tested << QString::number(row); };
  t.g.NarrowDown("a", 1);
  EXPECT_EQ(t.Shown(), "a b d e f");
  tested.clear();
  t.g.NarrowDown("ap", 1);
  EXPECT_EQ(t.Shown(), "a e");
  EXPECT_EQ(tested.size(), 5);  // only the rows still shown were tested
  tested.clear();
  t.g.NarrowDown("a", 1);
  EXPECT_EQ(t.Shown(), "a b d e f");
  EXPECT_TRUE(tested.isEmpty());  // the last level came back untested
  t.g.NarrowDown("", 1);
  EXPECT_EQ(t.Shown(), "a b c d e f");
  EXPECT_EQ(t.g.NumHiddenRows(), 0);
  // A blank in the typed text: quoted when typed on, not when set afresh.
  t.g.NarrowDown("e ", 1);
  EXPECT_EQ(t.g.Filter()->Items(0)->Condition, "*e *");
  t.g.NarrowDown("e r", 1);
  EXPECT_EQ(t.g.Filter()->Items(0)->Condition, "\"*e r*\"");
  t.g.NarrowDown("", 1);
  // All columns: the whole row's text.
  t.g.NarrowDown("RED", -1);
  EXPECT_EQ(t.Shown(), "a c");
  EXPECT_EQ(t.g.Filter()->Items(0)->Data, fcRow);
}

TEST(Filtering, NodeRowsStay) {
  TFilterGrid t;
  t.g.AddNode(1, 3);
  t.Add(2, "brown", foNONE);
  t.g.SetFilterActive(true);
  EXPECT_EQ(t.Shown(), "a d");
  t.g.SetFilterActive(false);
  t.g.FilterNormalCellsOnly = false;
  t.g.SetFilterActive(true);
  EXPECT_EQ(t.Shown(), "d");
}

// The lists on a shown grid: the filter button of header row 0 opens them.
struct TListGrid : TFilterGrid {
  TListGrid() : TFilterGrid(true) {
    form->SetClientSize(500, 300);
    g.SetParent(form.get());
    g.SetBounds(0, 0, 480, 280);
    g.FilterDropDownAuto = true;
    g.SetCells(2, 4, "red blue");
    form->Show();
    ProcessEvents();
  }
  // Releases the mouse on column c's filter button.
  void ClickFilterButton(int c) {
    const TRect r = g.CellRect(c, 0);
    MouseClick(&g, r.Right - 8, r.Top + 5);
    ProcessEvents();
  }
  int Index(TListBox* list, const QString& text) { return list->Items()->IndexOf(text); }
};

TEST(FilterLists, PlainListChoosesTheColumnsCondition) {
  TListGrid t;
  t.ClickFilterButton(2);
  TDropList* list = t.g.FilterDropList();
  ASSERT_NE(list, nullptr);
  ASSERT_TRUE(list->Visible());
  EXPECT_EQ(t.g.FilterColumnOpen(), 2);
  EXPECT_EQ(list->Items()->Strings(0), "(All)");
  EXPECT_EQ(list->Items()->ToStringList(),
            QStringList({"(All)", "green", "orange", "red", "red blue", "yellow"}));
  t.g.DoFilterSelect(t.Index(list, "red"));
  EXPECT_EQ(t.Shown(), "a c");
  EXPECT_EQ(t.g.FilterColumnOpen(), -1);
  // A text with a blank filters by the quoted text.
  t.ClickFilterButton(2);
  t.g.DoFilterSelect(t.Index(list, "red blue"));
  EXPECT_EQ(t.g.Filter()->GetColFilter(2)->Condition, "\"red blue\"");
  EXPECT_EQ(t.Shown(), "d");
  // "(All)" removes the column's condition.
  t.ClickFilterButton(2);
  t.g.DoFilterSelect(0);
  EXPECT_FALSE(t.g.Filter()->HasFilter(2));
  EXPECT_EQ(t.Shown(), "a b c d e f");
}

TEST(FilterLists, CheckListTicksJoinByOr) {
  TListGrid t;
  t.g.FilterDropDownCheck = true;
  t.ClickFilterButton(2);
  TDropCheckList* list = t.g.FilterDropCheckList();
  ASSERT_NE(list, nullptr);
  ASSERT_TRUE(list->Visible());
  list->SetChecked(t.Index(list, "green"), true);
  list->SetChecked(t.Index(list, "yellow"), true);
  t.g.DoFilterCheck();
  EXPECT_EQ(t.Shown(), "b f");
  EXPECT_EQ(t.g.Filter()->Count(), 2);
  EXPECT_EQ(t.g.Filter()->Items(1)->Operation, foOR);
  EXPECT_TRUE(list->Visible());  // the check list stays open
  // Opened again, the list shows what is ticked; "(All)" shows every row.
  t.g.SetFocus();
  t.ClickFilterButton(2);
  EXPECT_TRUE(list->Checked(t.Index(list, "green")));
  EXPECT_FALSE(list->Checked(t.Index(list, "red")));
  list->SetChecked(0, true);
  t.g.DoFilterCheck();
  EXPECT_EQ(t.Shown(), "a b c d e f");
}

}  // namespace
