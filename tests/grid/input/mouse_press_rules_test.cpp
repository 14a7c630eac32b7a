// Rules of a left and a right press beyond the plain click: the row check box of
// column 0 and the header check box that checks a whole column, the range
// select and edit test of "inside the selection", presses on partly shown
// cells, the right press on disjunct rows and cells, and the cell cursor.
#include <gtest/gtest.h>

#include <functional>

#include "platform/ui/art_cursors.h"
#include "tests/grid/input/keys_grid_fixture.h"

namespace {

void Click(InputGrid& t, int c, int r) {
  const TPoint p = t.Centre(c, r);
  MouseClick(t.g, p.X, p.Y);
  ProcessEvents();
}

TEST(MousePressRules, RowCheckBoxSelectsItsRowAndTogglesItsFlag) {
  InputGrid t;
  t.g->MouseActions()->SetHotmailRowSelect(true);
  t.g->SetCells(0, 3, "row 3");
  QStringList clicks;
  t.g->OnCheckBoxClick = [&](TObject*, int c, int r, bool s) { clicks << QStringLiteral("%1,%2 %3").arg(c).arg(r).arg(s); };
  Click(t, 0, 3);
  EXPECT_TRUE(t.g->RowSelect(3));
  EXPECT_EQ(t.g->Selection(), (TGridRect{1, 3, t.g->ColCount() - 1, 3}));
  Click(t, 0, 3);
  EXPECT_FALSE(t.g->RowSelect(3));
  EXPECT_EQ(clicks.join(u'|'), QStringLiteral("0,3 1|0,3 0"));
  EXPECT_EQ(t.g->Cells(0, 3), "row 3");  // the flag is the box's state, not the text
  // The header's box selects every row, and clears them again.
  Click(t, 0, 0);
  for (int r = 1; r < t.g->RowCount(); ++r) EXPECT_TRUE(t.g->RowSelect(r)) << r;
  Click(t, 0, 0);
  for (int r = 1; r < t.g->RowCount(); ++r) EXPECT_FALSE(t.g->RowSelect(r)) << r;
}

TEST(MousePressRules, HeaderCheckBoxChecksTheWholeColumnBelow) {
  InputGrid t;
  t.g->Columns()->Items(2)->SetEditor(edDataCheckBox);
  t.g->SetOptions(t.g->Options() + goEditing);
  t.g->MouseActions()->CheckAllCheck = true;
  t.g->ControlLook()->CheckAlwaysActive = true;
  for (int r = 1; r < t.g->RowCount(); ++r) t.g->SetCells(2, r, r % 2 ? "Y" : "N");
  t.g->AddCheckBox(2, 0, false, false);
  for (const char* expected : {"Y", "N"}) {
    Click(t, 2, 0);
    for (int r = 1; r < t.g->RowCount(); ++r) EXPECT_EQ(t.g->Cells(2, r), expected) << r;
  }
}

// With range select and edit, a press inside the selection keeps editing on; the
// selection's right column and bottom row count as outside.
TEST(MousePressRules, InsideTheSelectionForRangeSelectAndEdit) {
  struct Case {
    int col, row;
    bool editing;
  } cases[] = {{1, 1, true}, {2, 2, true}, {3, 2, false}, {1, 3, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.col << "," << c.row);
    InputGrid t;
    t.g->MouseActions()->RangeSelectAndEdit = true;
    t.g->SetOptions(t.g->Options() + goEditing);
    t.g->SetSelection({1, 1, 3, 3});
    // Seen when the press asks whether the cell may be clicked, right after the test.
    bool editing = false;
    t.g->OnCanClickCell = [&](TObject*, int, int, bool&) { editing = t.g->Options().Contains(goEditing); };
    const TPoint p = t.Centre(c.col, c.row);
    MousePress(t.g, p.X, p.Y);
    EXPECT_EQ(editing, c.editing);
    MouseRelease(t.g, p.X, p.Y);
    ProcessEvents();
  }
}

// A press on the row shown only in part below the last full one.
TEST(MousePressRules, PressOnAPartlyShownRow) {
  struct Case {
    const char* name;
    std::function<void(InputGrid&)> set;
    bool keepsTop;
    bool dragSelects;
  } cases[] = {
      {"defaults: scrolls it in and starts selecting", [](InputGrid&) {}, false, true},
      {"NoAutoRangeScroll: no range selection", [](InputGrid& t) { t.g->MouseActions()->NoAutoRangeScroll = true; },
       false, false},
      {"NoScrollOnPartialRow: scrolled back", [](InputGrid& t) { t.g->MouseActions()->NoScrollOnPartialRow = true; },
       true, false},
      {"RangeSelectAndEdit on a cell that cannot be edited keeps selecting",
       [](InputGrid& t) {
         t.g->MouseActions()->NoAutoRangeScroll = true;
         t.g->MouseActions()->RangeSelectAndEdit = true;
         t.g->OnCanEditCell = [](TObject*, int, int, bool& can) { can = false; };
       },
       false, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    InputGrid t(6, 40);
    c.set(t);
    const int top = t.g->TopRow(), partial = top + t.g->VisibleRowCount();
    ASSERT_FALSE(IsRectEmpty(t.g->CellRect(2, partial)));
    const TPoint p = t.Centre(2, partial);
    MousePress(t.g, p.X, p.Y);
    ProcessEvents();
    EXPECT_EQ(t.g->TopRow() == top, c.keepsTop);
    // Moving with the button held goes on selecting only while range selection runs.
    const TGridRect before = t.g->Selection();
    const TPoint q = t.Centre(4, t.g->TopRow() + 2);
    MouseMoveTo(t.g, q.X, q.Y, Qt::LeftButton);
    EXPECT_EQ(!(t.g->Selection() == before), c.dragSelects);
    MouseRelease(t.g, q.X, q.Y);
    ProcessEvents();
  }
}

TEST(MousePressRules, RightPressOnDisjunctRows) {
  struct Case {
    const char* name;
    Qt::KeyboardModifiers mods;
    std::vector<int> flagged;
  } cases[] = {
      {"plain: only the pressed row", Qt::NoModifier, {4}},
      {"Ctrl: the pressed row joins", Qt::ControlModifier, {2, 4}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    InputGrid t;
    t.g->MouseActions()->SetDisjunctRowSelect(true);
    t.g->MouseActions()->SelectOnRightClick = true;
    t.g->SetRowSelect(2, true);
    const TPoint p = t.Centre(3, 4);
    MousePress(t.g, p.X, p.Y, Qt::RightButton, c.mods);
    std::vector<int> flagged;
    for (int r = 1; r < t.g->RowCount(); ++r)
      if (t.g->RowSelect(r)) flagged.push_back(r);
    EXPECT_EQ(flagged, c.flagged);
    MouseRelease(t.g, p.X, p.Y, Qt::RightButton, c.mods);
    ProcessEvents();
  }
}

TEST(MousePressRules, RightPressKeepsADisjunctCellSelection) {
  InputGrid t;
  t.g->MouseActions()->SetDisjunctCellSelect(true);
  t.g->MouseActions()->SelectOnRightClick = true;
  t.g->SetSelectedCells(2, 2, true);
  t.g->SetSelectedCells(3, 4, true);
  const TPoint p = t.Centre(3, 4);
  MousePress(t.g, p.X, p.Y, Qt::RightButton);
  MouseRelease(t.g, p.X, p.Y, Qt::RightButton);
  ProcessEvents();
  EXPECT_EQ(t.g->SelectedCellsCount(), 2);
}

// The cell under the mouse may show its own cursor: the handler gets the real
// column and the grid's cursor to start from; elsewhere the grid's cursor is back.
TEST(MousePressRules, CellCursorFromTheHandler) {
  InputGrid t;
  t.g->HideColumn(1);  // display column 3 is real column 4
  QStringList asked;
  t.g->OnGetCellCursor = [&](TObject*, int c, int r, int, int, TCursor& cursor) {
    asked << QStringLiteral("%1,%2 %3").arg(c).arg(r).arg(cursor);
    if (c == 4 && r == 2) cursor = crHandPoint;
  };
  const TPoint over = t.Centre(3, 2), beside = t.Centre(2, 2);
  MouseMoveTo(t.g, over.X, over.Y);
  EXPECT_EQ(t.g->Cursor(), crHandPoint);
  EXPECT_EQ(asked.value(0), QStringLiteral("4,2 %1").arg(crDefault));
  MouseMoveTo(t.g, beside.X, beside.Y);
  EXPECT_EQ(t.g->Cursor(), crDefault);
}

}  // namespace
