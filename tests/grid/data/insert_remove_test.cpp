// Inserting and removing rows and columns keeps every side structure with its
// row or column: the cells of hidden columns, the hidden rows (they come back
// between the same neighbours), the modified, enabled and selected rows, the
// controls placed in cells, the floating footer's row, merged blocks and the
// current cell.
#include <gtest/gtest.h>

#include "tests/support/qstring_print.h"

#include <functional>

#include "grid/view/column_grid.h"
#include "platform/ui/check_box.h"

namespace {

// A grid of 4 columns and 10 rows labelled "r0".."r9" in column 0, with the
// real column 2 hidden (holding "h0".."h9"), real row 7 hidden, row 3
// modified, row 5 disabled, row 4 selected, a control in row 8, a merged block
// over rows 1-2 of column 3, the floating footer on row 9 and the cursor on row 6.
struct TRowsGrid {
  TExStringGrid g{nullptr};
  TCheckBox control{nullptr};

  TRowsGrid() {
    g.SetColCount(4);
    g.SetRowCount(10);
    for (int r = 0; r < 10; ++r) {
      g.SetCellEx(0, r, QStringLiteral("r%1").arg(r));
      g.SetCellEx(2, r, QStringLiteral("h%1").arg(r));
    }
    g.SetCol(1);
    g.SetRow(6);
    g.ShowModified()->Enabled = true;
    g.SetRowModified(3, true);
    g.SetRowEnabled(5, false);
    g.MouseActions()->SetDisjunctRowSelect(true);
    g.SetRowSelect(4, true);
    g.MergeCells(3, 1, 1, 2);
    g.SetCellControls(1, 8, &control);
    g.FloatingFooter()->SetVisible(true);
    g.HideColumn(2);
    g.HideRow(7);
  }

  // The label of display row d ("+" for an empty row).
  QString Label(int d) {
    const QString t = g.GetCellEx(0, d);
    return t.isEmpty() ? QStringLiteral("+") : t;
  }

  // The labels of the display rows that pass the test, joined by blanks.
  QString Rows(const std::function<bool(int)>& pass) {
    QStringList out;
    for (int d = 0; d < g.RowCount(); ++d)
      if (pass(d)) out << Label(d);
    return out.join(u' ');
  }

  // Each shown row carries its own hidden-column cell.
  bool HiddenCellsTravelled() {
    for (int d = 0; d < g.RowCount(); ++d) {
      const QString label = g.GetCellEx(0, d);
      const QString expect = label.isEmpty() ? QString() : QStringLiteral("h") + label.mid(1);
      if (g.GetCellEx(2, d) != expect) return false;
    }
    return true;
  }

  QString ControlRow() {
    if (g.ControlList()->Count() == 0) return QStringLiteral("-");
    return Label(g.RealToDisplRow(g.ControlList()->Controls(0)->Y));
  }

  QString MergedBase() {
    for (int d = 0; d < g.RowCount(); ++d)
      if (g.IsMergedCell(3, d) && g.IsBaseCell(3, d) && g.CellSpan(3, d).Y == 1) return Label(d);
    return QStringLiteral("-");
  }
};

TEST(InsertRemoveRows, SideListsFollowTheirRows) {
  struct Case {
    const char* what;
    std::function<void(TExStringGrid&)> op;
    const char* shown;     // display rows after the operation
    const char* full;      // every row after showing the hidden one again
    const char* modified;
    const char* disabled;
    const char* selected;
    const char* control;   // row holding the control ("-": dropped)
    const char* merged;    // base row of the two-row block ("-": gone)
    const char* current;
  } cases[] = {
      {"insert two rows in the middle", [](TExStringGrid& g) { g.InsertRows(3, 2); },
       "r0 r1 r2 + + r3 r4 r5 r6 r8 r9", "r0 r1 r2 + + r3 r4 r5 r6 r7 r8 r9", "r3", "r5", "r4", "r8", "r1", "r4"},
      {"insert above the hidden row and the merged block", [](TExStringGrid& g) { g.InsertRows(1, 1); },
       "r0 + r1 r2 r3 r4 r5 r6 r8 r9", "r0 + r1 r2 r3 r4 r5 r6 r7 r8 r9", "r3", "r5", "r4", "r8", "r1", "r5"},
      {"append: the new row goes before the footer's row", [](TExStringGrid& g) { g.InsertRows(g.RowCount(), 1); },
       "r0 r1 r2 r3 r4 r5 r6 r8 + r9", "r0 r1 r2 r3 r4 r5 r6 r7 r8 + r9", "r3", "r5", "r4", "r8", "r1", "r6"},
      {"AddRow", [](TExStringGrid& g) { g.AddRow(); },
       "r0 r1 r2 r3 r4 r5 r6 r8 + r9", "r0 r1 r2 r3 r4 r5 r6 r7 r8 + r9", "r3", "r5", "r4", "r8", "r1", "r6"},
      {"remove two rows", [](TExStringGrid& g) { g.RemoveRows(3, 2); },
       "r0 r1 r2 r5 r6 r8 r9", "r0 r1 r2 r5 r6 r7 r8 r9", "", "r5", "", "r8", "r1", "r9"},
      {"remove the current row", [](TExStringGrid& g) { g.RemoveRows(6, 1); },
       "r0 r1 r2 r3 r4 r5 r8 r9", "r0 r1 r2 r3 r4 r5 r7 r8 r9", "r3", "r5", "r4", "r8", "r1", "r8"},
      {"remove the row of the control", [](TExStringGrid& g) { g.RemoveRows(7, 1); },
       "r0 r1 r2 r3 r4 r5 r6 r9", "r0 r1 r2 r3 r4 r5 r6 r7 r9", "r3", "r5", "r4", "-", "r1", "r6"},
      {"delete two rows (the selection-based removal)", [](TExStringGrid& g) { g.DeleteRows(3, 2); },
       "r0 r1 r2 r5 r6 r8 r9", "r0 r1 r2 r5 r6 r7 r8 r9", "", "r5", "", "r8", "r1", "r9"},
      {"delete the row of the control", [](TExStringGrid& g) { g.DeleteRows(7, 1); },
       "r0 r1 r2 r3 r4 r5 r6 r9", "r0 r1 r2 r3 r4 r5 r6 r7 r9", "r3", "r5", "r4", "-", "r1", "r6"},
      {"a count past the end is clipped", [](TExStringGrid& g) { g.RemoveRows(5, 99); },
       "r0 r1 r2 r3 r4", "r0 r1 r2 r3 r4 r7", "r3", "", "r4", "-", "r1", "r4"},
      {"a start past the end is refused", [](TExStringGrid& g) { g.RemoveRows(g.RowCount(), 1); },
       "r0 r1 r2 r3 r4 r5 r6 r8 r9", "r0 r1 r2 r3 r4 r5 r6 r7 r8 r9", "r3", "r5", "r4", "r8", "r1", "r6"},
      {"negative starts and counts do nothing",
       [](TExStringGrid& g) {
         g.RemoveRows(-1, 1);
         g.RemoveRows(2, 0);
         g.InsertRows(-1, 1);
         g.InsertRows(2, -3);
         g.DeleteRows(-2, 1);
       },
       "r0 r1 r2 r3 r4 r5 r6 r8 r9", "r0 r1 r2 r3 r4 r5 r6 r7 r8 r9", "r3", "r5", "r4", "r8", "r1", "r6"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TRowsGrid t;
    c.op(t.g);
    TExStringGrid& g = t.g;
    EXPECT_EQ(t.Rows([](int) { return true; }), c.shown);
    EXPECT_TRUE(t.HiddenCellsTravelled());
    EXPECT_EQ(t.Rows([&](int d) { return g.RowModified(d); }), c.modified);
    EXPECT_EQ(t.Rows([&](int d) { return !g.RowEnabled(d); }), c.disabled);
    EXPECT_EQ(t.Rows([&](int d) { return g.RowSelect(d); }), c.selected);
    EXPECT_EQ(t.ControlRow(), c.control);
    EXPECT_EQ(t.control.Visible(), QString(c.control) != "-");
    EXPECT_EQ(t.MergedBase(), c.merged);
    EXPECT_EQ(t.Label(g.Row()), c.current);
    // The floating footer's row stays last and still counts as the footer.
    EXPECT_EQ(t.Label(g.RowCount() - 1), QString(c.full).endsWith("r9") ? "r9" : t.Label(g.RowCount() - 1));
    EXPECT_EQ(g.FixedFooters(), 1);
    EXPECT_EQ(g.NumHiddenColumns(), 1);
    g.UnHideRowsAll();
    EXPECT_EQ(t.Rows([](int) { return true; }), c.full);
  }
}

TEST(InsertRemoveRows, RemovingInFrontOfHiddenRowsKeepsThemAttachedAlsoThroughTheLightRemoval) {
  TExStringGrid g(nullptr);
  for (int r = 0; r < 10; ++r) g.SetCellEx(1, r, QStringLiteral("r%1").arg(r));
  g.HideRows(6, 7);
  g.RemoveRowsEx(2, 2);  // r2, r3
  EXPECT_EQ(g.GridItems()->Items(0)->Idx, 4);
  EXPECT_EQ(g.GridItems()->Items(1)->Idx, 5);
  g.UnHideRowsAll();
  QStringList rows;
  for (int r = 0; r < g.RowCount(); ++r) rows << g.GetCellEx(1, r);
  EXPECT_EQ(rows.join(u' '), "r0 r1 r4 r5 r6 r7 r8 r9");
}

TEST(InsertRemoveRows, NoNormalRowLeftHidesTheSelection) {
  TExStringGrid g(nullptr);
  g.SetRowCount(3);
  g.SetRow(2);
  g.RemoveRows(2, 1);  // the current row was the last normal row
  EXPECT_EQ(g.Row(), 1);
  g.FixedRowAlways = true;
  g.RemoveRows(1, 1);
  EXPECT_EQ(g.RowCount(), 1);
  EXPECT_GE(g.Row(), g.RowCount());  // parked outside: no cell is current
}

TEST(InsertRemoveRows, RemovalFreesTheCellsAndReportsTheChangeOnce) {
  TExStringGrid g(nullptr);
  g.SetColors(1, 3, clRed);
  g.HideColumn(2);
  g.SetColors(2, 3, clBlue);  // a hidden column's cell in the removed row
  int reports = 0;
  TRect changed;
  g.OnCellsChanged = [&](TObject*, TRect R) {
    ++reports;
    changed = R;
  };
  g.RemoveRows(3, 1);
  EXPECT_EQ(reports, 1);
  EXPECT_EQ(changed.Top, 3);
  EXPECT_FALSE(g.CellHasProperties(1, 3));
  EXPECT_FALSE(g.CellHasProperties(2, 3));
  // The rows that fell away keep nothing that a later row could show again.
  g.SetRowCount(10);
  EXPECT_EQ(g.GetCellEx(1, 9), "");
  EXPECT_FALSE(g.CellHasProperties(1, 9));
}

// --- columns ---

// Five columns labelled in row 1 ("c0".."c4") with the given widths, real
// column 2 hidden, and hidden row 3 holding its own labels.
struct TColsGrid {
  TExColumnGrid g{nullptr};
  TColsGrid() {
    g.SetColCount(5);
    for (int c = 0; c < 5; ++c) {
      g.SetCellEx(c, 1, QStringLiteral("c%1").arg(c));
      g.SetCellEx(c, 3, QStringLiteral("x%1").arg(c));
      g.SetColWidths(c, 40 + c);
      g.Columns()->Items(c)->Name = QStringLiteral("n%1").arg(c);
    }
    g.HideColumn(2);
    g.HideRow(3);
  }
  // Per real column: label, h when hidden, width, item name; the hidden row's label.
  QString Describe() {
    QStringList out;
    for (int c = 0; c < g.AllColCount(); ++c) {
      const QString label = g.GetCellEx(c, 1).isEmpty() ? QStringLiteral("+") : g.GetCellEx(c, 1);
      out << QStringLiteral("%1%2:%3:%4:%5")
                 .arg(label, g.IsHiddenColumn(c) ? QStringLiteral("h") : QString())
                 .arg(g.AllColWidths(c))
                 .arg(g.Columns()->Items(c)->Name.isEmpty() ? QStringLiteral("-") : g.Columns()->Items(c)->Name,
                      g.AllCells(c, 3).isEmpty() ? QStringLiteral("+") : g.AllCells(c, 3));
    }
    return out.join(u' ');
  }
};

TEST(InsertRemoveCols, HiddenColumnsWidthsItemsAndHiddenRowsFollow) {
  struct Case {
    const char* what;
    std::function<void(TExColumnGrid&)> op;
    const char* expect;
    int colCount;
  } cases[] = {
      {"insert before the hidden column", [](TExColumnGrid& g) { g.InsertCols(1, 1); },
       "c0:40:n0:x0 +:64:-:+ c1:41:n1:x1 c2h:42:n2:x2 c3:43:n3:x3 c4:44:n4:x4", 5},
      {"remove the hidden column", [](TExColumnGrid& g) { g.RemoveCols(2, 1); },
       "c0:40:n0:x0 c1:41:n1:x1 c3:43:n3:x3 c4:44:n4:x4", 4},
      {"remove a shown column before it", [](TExColumnGrid& g) { g.RemoveCols(1, 1); },
       "c0:40:n0:x0 c2h:42:n2:x2 c3:43:n3:x3 c4:44:n4:x4", 3},
      {"a count past the last stored column is clipped", [](TExColumnGrid& g) { g.RemoveCols(3, 50); },
       "c0:40:n0:x0 c1:41:n1:x1 c2h:42:n2:x2", 2},
      {"a start past the columns is refused", [](TExColumnGrid& g) { g.RemoveCols(5, 1); },
       "c0:40:n0:x0 c1:41:n1:x1 c2h:42:n2:x2 c3:43:n3:x3 c4:44:n4:x4", 4},
      {"AddColumn appends a shown column", [](TExColumnGrid& g) { g.AddColumn(); },
       "c0:40:n0:x0 c1:41:n1:x1 c2h:42:n2:x2 c3:43:n3:x3 c4:44:n4:x4 +:64:-:+", 5},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TColsGrid t;
    c.op(t.g);
    EXPECT_EQ(t.Describe(), c.expect);
    EXPECT_EQ(t.g.ColCount(), c.colCount);
    EXPECT_EQ(t.g.Columns()->Count(), t.g.AllColCount());
  }
}

TEST(InsertRemoveCols, InsertingReportsNoCellChangeRemovingDoes) {
  TExStringGrid g(nullptr);
  int reports = 0;
  g.OnCellsChanged = [&](TObject*, TRect) { ++reports; };
  g.InsertCols(2, 2);
  EXPECT_EQ(reports, 0);
  EXPECT_EQ(g.ColCount(), 7);
  EXPECT_EQ(g.ColWidths(2), g.DefaultColWidth());
  g.RemoveCols(2, 2);
  EXPECT_EQ(reports, 1);
  EXPECT_EQ(g.ColCount(), 5);
}

// --- removal by selection, check box and duplicates ---

QString RowTexts(TExStringGrid& g, int r0, int r1, int c) {
  QStringList out;
  for (int r = r0; r <= r1; ++r) out << g.GetCellEx(c, r);
  return out.join(u' ');
}

TEST(RemoveBySelection, RowsColumnsCheckBoxesAndDuplicates) {
  struct Case {
    const char* what;
    std::function<void(TExStringGrid&)> op;
    const char* rows;    // column 1 below the header row
    const char* header;  // row 0 across the columns
  } cases[] = {
      {"selected rows", [](TExStringGrid& g) { g.SetSelection({1, 2, 2, 3}); g.RemoveSelectedRows(); },
       "a d E b A f g F", "k0 k1 k2 k3 k4"},
      {"disjunct selected rows",
       [](TExStringGrid& g) {
         g.MouseActions()->SetDisjunctRowSelect(true);
         g.SetRowSelect(2, true);
         g.SetRowSelect(5, true);
         g.RemoveSelectedRows();
       },
       "a c d b A f g F", "k0 k1 k2 k3 k4"},
      {"rows not selected", [](TExStringGrid& g) { g.SetSelection({1, 2, 2, 3}); g.RemoveUnSelectedRows(); },
       "b c F", "k0 k1 k2 k3 k4"},
      {"duplicates without regard to case", [](TExStringGrid& g) { g.RemoveDuplicates(1, false); },
       "a b c d E f g F", "k0 k1 k2 k3 k4"},
      {"duplicates with regard to case", [](TExStringGrid& g) { g.RemoveDuplicates(1, true); },
       "a b c d E A f g F", "k0 k1 k2 k3 k4"},
      {"checked rows", [](TExStringGrid& g) { g.RemoveCheckedRows(2, true); }, "a c E b A g F", "k0 k1 k2 k3 k4"},
      {"unchecked normal rows: the footer row stays", [](TExStringGrid& g) { g.RemoveCheckedRows(2, false); },
       "b d f F", "k0 k1 k2 k3 k4"},
      {"selected columns", [](TExStringGrid& g) { g.SetSelection({2, 1, 3, 1}); g.RemoveSelectedCols(); },
       "a b c d E b A f g F", "k0 k1 k4"},
      {"columns not selected: the fixed ones and the range stay",
       [](TExStringGrid& g) { g.SetSelection({2, 1, 3, 1}); g.RemoveUnSelectedCols(); }, "", "k0 k2 k3"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TExStringGrid g(nullptr);
    g.SetRowCount(11);
    const char* texts[] = {"", "a", "b", "c", "d", "E", "b", "A", "f", "g", "F"};
    for (int r = 1; r < 11; ++r) g.SetCellEx(1, r, texts[r]);
    for (int col = 0; col < 5; ++col) g.SetCellEx(col, 0, QStringLiteral("k%1").arg(col));
    for (int r = 1; r < 10; ++r) g.AddCheckBox(2, r, r == 2 || r == 4 || r == 8, false);
    g.SetFixedFooters(1);
    c.op(g);
    if (*c.rows) EXPECT_EQ(RowTexts(g, 1, g.RowCount() - 1, 1), c.rows);
    QStringList header;
    for (int col = 0; col < g.ColCount(); ++col) header << g.GetCellEx(col, 0);
    EXPECT_EQ(header.join(u' '), c.header);
  }
}

}  // namespace
