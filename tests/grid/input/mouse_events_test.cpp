// Mouse on the grid: the order of events per cell kind, OnClickCell after the
// click's own selection (a column-0 row select stays), the OnCanClickCell veto,
// a press beside the cells, the header-border double click that auto-sizes
// without OnDblClickCell, and the right press with and without a handler.
#include <gtest/gtest.h>

#include <functional>

#include "platform/os/process.h"
#include "platform/ui/art_cursors.h"
#include "tests/grid/input/keys_grid_fixture.h"

namespace {

// Logs every mouse-related event of the grid in order.
void LogEvents(InputGrid& t) {
  TExColumnGrid* g = t.g;
  QStringList* log = &t.log;
  g->OnCanClickCell = [log](TObject*, int r, int c, bool&) { *log << QStringLiteral("can %1,%2").arg(c).arg(r); };
  g->OnSelectCell = [log](TObject*, int c, int r, bool&) { *log << QStringLiteral("select %1,%2").arg(c).arg(r); };
  g->OnMouseDown = [log](TObject*, TMouseButton, TShiftState, int, int) { *log << QStringLiteral("down"); };
  g->OnMouseUp = [log](TObject*, TMouseButton, TShiftState, int, int) { *log << QStringLiteral("up"); };
  g->OnClick = [log](TObject*) { *log << QStringLiteral("click"); };
  g->OnClickCell = [log](TObject*, int r, int c) { *log << QStringLiteral("clickcell %1,%2").arg(c).arg(r); };
  g->OnCheckBoxChange = [log](TObject*, int c, int r, bool s) {
    *log << QStringLiteral("change %1,%2 %3").arg(c).arg(r).arg(s);
  };
  g->OnCheckBoxClick = [log](TObject*, int c, int r, bool s) {
    *log << QStringLiteral("checkclick %1,%2 %3").arg(c).arg(r).arg(s);
  };
  g->OnDblClickCell = [log](TObject*, int r, int c) { *log << QStringLiteral("dblcell %1,%2").arg(c).arg(r); };
}

TEST(MouseEvents, EventOrderPerCellKind) {
  struct Case {
    const char* name;
    std::function<void(InputGrid&)> setup;
    int col, row;
    const char* events;
  } cases[] = {
      {"plain normal cell", [](InputGrid&) {}, 3, 2, "can 3,2|select 3,2|click|down|clickcell 3,2|click|up"},
      {"data check box",
       [](InputGrid& t) {
         t.g->Columns()->Items(2)->SetEditor(edDataCheckBox);
         t.g->SetOptions(t.g->Options() + goEditing);
         t.g->SetCells(2, 3, QStringLiteral("N"));
       },
       2, 3, "can 2,3|change 2,3 1|select 2,3|checkclick 2,3 1|down|click|up"},
      {"read-only check box is an ordinary cell",
       [](InputGrid& t) {
         t.g->Columns()->Items(2)->SetEditor(edDataCheckBox);
         t.g->SetOptions(t.g->Options() + goEditing);
         t.g->OnCanEditCell = [](TObject*, int, int c, bool& can) { can = c != 2; };
         t.g->SetCells(2, 3, QStringLiteral("N"));
       },
       2, 3, "can 2,3|select 2,3|click|down|clickcell 2,3|click|up"},
      {"header cell", [](InputGrid&) {}, 3, 0, "can 3,0|down|clickcell 3,0|click|up"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    InputGrid t;
    c.setup(t);
    LogEvents(t);
    const TPoint p = t.Centre(c.col, c.row);
    MouseClick(t.g, p.X, p.Y);
    ProcessEvents();
    EXPECT_EQ(t.log.join(u'|').toStdString(), std::string(c.events));
  }
}

TEST(MouseEvents, ClickCellComesAfterTheSelectionSoAColumnZeroRowSelectStays) {
  InputGrid t;
  t.g->SetFixedCols(0);
  t.g->OnClickCell = [&](TObject*, int r, int c) {
    if (c == 0) t.g->SetSelection({0, r, t.g->ColCount() - 1, r});
  };
  const TPoint p = t.Centre(0, 4);
  MouseClick(t.g, p.X, p.Y);
  ProcessEvents();
  EXPECT_EQ((TGridRect{0, 4, 5, 4}), t.g->Selection());
}

TEST(MouseEvents, VetoAndPressBesideTheCells) {
  {
    InputGrid t;
    LogEvents(t);
    t.g->OnCanClickCell = [&](TObject*, int, int, bool& allow) {
      t.log << QStringLiteral("can");
      allow = false;
    };
    t.Go(1, 1);
    const TPoint p = t.Centre(3, 3);
    MousePress(t.g, p.X, p.Y);
    ProcessEvents();
    EXPECT_EQ(t.log.join(u'|'), QStringLiteral("can"));
    EXPECT_EQ(t.Cell(), QStringLiteral("1,1"));
    MouseRelease(t.g, p.X, p.Y);
  }
  {
    InputGrid t(3, 3);
    LogEvents(t);
    t.Go(1, 1);
    MouseClick(t.g, 600, 400);
    ProcessEvents();
    EXPECT_FALSE(t.log.join(u'|').contains(QStringLiteral("clickcell")));
    EXPECT_EQ(t.Cell(), QStringLiteral("1,1"));
  }
}

// A double click on a header border sizes the column to its text and raises
// OnEndColumnSize, never OnDblClickCell; inside a cell OnDblClickCell follows.
TEST(MouseEvents, DoubleClickOnAHeaderBorderAutoSizes) {
  InputGrid t;
  t.g->SetOptions(t.g->Options() + goColSizing);
  LogEvents(t);
  int ended = -1;
  t.g->OnEndColumnSize = [&](TObject*, int c) { ended = c; };
  t.g->SetCells(2, 3, QStringLiteral("a rather long text that needs a wider column"));
  const int before = t.g->ColWidths(2);
  const TRect header = t.g->CellRect(2, 0);
  MouseDoubleClick(t.g, header.Right - 1, (header.Top + header.Bottom) / 2);
  ProcessEvents();
  EXPECT_EQ(ended, 2);
  EXPECT_GT(t.g->ColWidths(2), before);
  EXPECT_FALSE(t.log.join(u'|').contains(QStringLiteral("dblcell")));

  t.log.clear();
  const TPoint p = t.Centre(3, 4);
  MouseDoubleClick(t.g, p.X, p.Y);
  ProcessEvents();
  EXPECT_TRUE(t.log.join(u'|').contains(QStringLiteral("dblcell 3,4")));
}

TEST(MouseEvents, RightPressWithAndWithoutAHandler) {
  {
    InputGrid t;
    QStringList seen;
    t.g->OnRightClickCell = [&](TObject*, int r, int c) { seen << QStringLiteral("%1,%2").arg(c).arg(r); };
    t.Go(1, 1);
    const TPoint p = t.Centre(3, 4);
    MousePress(t.g, p.X, p.Y, Qt::RightButton);
    MouseRelease(t.g, p.X, p.Y, Qt::RightButton);
    MousePress(t.g, 650, 470, Qt::RightButton);
    MouseRelease(t.g, 650, 470, Qt::RightButton);
    ProcessEvents();
    EXPECT_EQ(seen.join(u'|'), QStringLiteral("3,4|-1,-1"));
    EXPECT_EQ(t.Cell(), QStringLiteral("1,1"));
  }
  {
    // SelectOnRightClick without a handler: as a left click on the cell.
    InputGrid t;
    t.g->MouseActions()->SelectOnRightClick = true;
    LogEvents(t);
    t.g->OnRightClickCell = nullptr;
    t.Go(1, 1);
    const TPoint p = t.Centre(3, 4);
    MousePress(t.g, p.X, p.Y, Qt::RightButton);
    MouseRelease(t.g, p.X, p.Y, Qt::RightButton);
    ProcessEvents();
    EXPECT_EQ(t.Cell(), QStringLiteral("3,4"));
  }
  {
    // With a handler the cell is focused and the handler runs.
    InputGrid t;
    t.g->MouseActions()->SelectOnRightClick = true;
    int calls = 0;
    t.g->OnRightClickCell = [&](TObject*, int, int) { ++calls; };
    t.Go(1, 1);
    const TPoint p = t.Centre(3, 4);
    MousePress(t.g, p.X, p.Y, Qt::RightButton);
    MouseRelease(t.g, p.X, p.Y, Qt::RightButton);
    ProcessEvents();
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(t.Cell(), QStringLiteral("3,4"));
  }
}

// Ctrl+A in a range-select grid also runs through the press and release steps.
TEST(MouseEvents, ButtonCellRaisesOnButtonClickAtTheRelease) {
  InputGrid t;
  t.g->SetOptions(t.g->Options() + goEditing);
  t.g->AddButton(3, 3, 40, 16, QStringLiteral("Go"), haCenter, vaCenter);
  QStringList seen;
  t.g->OnButtonClick = [&](TObject*, int c, int r) { seen << QStringLiteral("button %1,%2").arg(c).arg(r); };
  const TRect b = t.g->GetCellButtonRect(3, 3);
  const int x = (b.Left + b.Right) / 2, y = (b.Top + b.Bottom) / 2;
  MousePress(t.g, x, y);
  ProcessEvents();
  EXPECT_TRUE(seen.isEmpty());
  MouseRelease(t.g, x, y);
  ProcessEvents();
  EXPECT_EQ(seen.join(u'|'), QStringLiteral("button 3,3"));
}

// A click on a link: CELL:// jumps to the cell, web and mail addresses are
// opened, any other address is not; a handler may take the click over.
TEST(MouseEvents, LinkClicksJumpOrOpenOnlyWebAndMailAddresses) {
  struct Case {
    const char* text;
    bool handlerTakesOver;
    const char* cell;    // after the click
    const char* opened;  // address handed to the desktop, "" for none
  } cases[] = {
      {"CELL://R2C4", false, "4,2", ""},
      {"cell://r5c1", false, "1,5", ""},
      {"CELL://nowhere", false, "3,3", ""},
      {"http://example.com/x", false, "3,3", "http://example.com/x"},
      {"mailto:someone@example.com", false, "3,3", "mailto:someone@example.com"},
      {"file:///etc/passwd", false, "3,3", ""},
      {"ftp://example.com", false, "3,3", ""},
      {"http://example.com/y", true, "3,3", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    InputGrid t;
    t.g->URLShow = true;
    QString opened;
    SetUrlOpener([&](const QUrl& u) {
      opened = u.toString();
      return true;
    });
    QStringList anchors;
    t.g->OnAnchorClick = [&](TObject*, int, int, const QString& a, bool& autoHandle) {
      anchors << a;
      if (c.handlerTakesOver) autoHandle = false;
    };
    t.g->SetCells(2, 4, QString::fromLatin1(c.text));
    t.Go(3, 3);
    const TPoint p = t.Centre(2, 4);
    MouseClick(t.g, p.X, p.Y);
    ProcessEvents();
    SetUrlOpener(nullptr);
    EXPECT_EQ(anchors, QStringList{QString::fromLatin1(c.text)});
    EXPECT_EQ(t.Cell().toStdString(), std::string(c.cell));
    EXPECT_EQ(opened.toStdString(), std::string(c.opened));
  }
}

// A press with the live keyboard state (Ctrl held through the key state).
void PressRelease(InputGrid& t, int c, int r, TShiftState keys) {
  SetKeyboardState(keys);
  const TPoint p = t.Centre(c, r);
  const int mk = MK_LBUTTON | (keys.Contains(ssCtrl) ? MK_CONTROL : 0) | (keys.Contains(ssShift) ? MK_SHIFT : 0);
  t.g->Perform(WM_LBUTTONDOWN, mk, MakeLParam(p.X, p.Y));
  t.g->Perform(WM_LBUTTONUP, mk & ~MK_LBUTTON, MakeLParam(p.X, p.Y));
  SetKeyboardState({});
}

TEST(MouseEvents, DisjunctRowsByCtrlClick) {
  InputGrid t;
  t.g->MouseActions()->SetDisjunctRowSelect(true);
  PressRelease(t, 2, 2, {});
  PressRelease(t, 3, 4, {ssCtrl});
  EXPECT_TRUE(t.g->RowSelect(2));
  EXPECT_TRUE(t.g->RowSelect(4));
  EXPECT_EQ(t.g->RowSelectCount(), 2);
  PressRelease(t, 3, 2, {ssCtrl});  // pressed again: deselected
  EXPECT_FALSE(t.g->RowSelect(2));
  EXPECT_TRUE(t.g->RowSelect(4));
  PressRelease(t, 1, 6, {});  // a plain press starts over
  EXPECT_EQ(t.g->RowSelectCount(), 1);
  EXPECT_TRUE(t.g->RowSelect(6));
}

TEST(MouseEvents, DisjunctCellsByCtrlClickAndSpace) {
  InputGrid t;
  t.g->MouseActions()->SetDisjunctCellSelect(true);
  PressRelease(t, 2, 2, {});
  PressRelease(t, 4, 3, {ssCtrl});
  EXPECT_EQ(t.g->SelectedCellsCount(), 2);
  EXPECT_TRUE(t.g->SelectedCells(2, 2));
  EXPECT_TRUE(t.g->SelectedCells(4, 3));
  PressRelease(t, 2, 2, {ssCtrl});
  EXPECT_FALSE(t.g->SelectedCells(2, 2));
  EXPECT_EQ(t.g->SelectedCellsCount(), 1);
  // Ctrl+Space toggles the current cell; Space alone starts over with it.
  t.Go(5, 5);
  t.g->SetOptions(t.g->Options() - goEditing);  // disjunct cells by key work without editing
  t.Key(Qt::Key_Space, Qt::ControlModifier);
  EXPECT_TRUE(t.g->SelectedCells(5, 5));
  EXPECT_EQ(t.g->SelectedCellsCount(), 2);
  t.Key(Qt::Key_Space);
  EXPECT_EQ(t.g->SelectedCellsCount(), 1);
  EXPECT_TRUE(t.g->SelectedCells(5, 5));
  // A refusing OnSelectCell keeps the list.
  t.g->OnSelectCell = [](TObject*, int, int, bool& can) { can = false; };
  PressRelease(t, 1, 1, {ssCtrl});
  EXPECT_EQ(t.g->SelectedCellsCount(), 1);
}

TEST(MouseEvents, HoveredFixedCellFollowsTheMouseAndClearsOnLeave) {
  InputGrid t;
  t.g->HoverFixedCells = hfAll;
  const TPoint header = t.Centre(3, 0), normal = t.Centre(3, 3);
  MouseMoveTo(t.g, header.X, header.Y);
  EXPECT_EQ((TGridCoord{3, 0}), t.g->HoverFixedCell());
  MouseMoveTo(t.g, normal.X, normal.Y);
  EXPECT_EQ((TGridCoord{3, 3}), t.g->HoverFixedCell());
  MouseLeave(t.g);
  EXPECT_EQ((TGridCoord{-1, -1}), t.g->HoverFixedCell());
  struct Case {
    THoverFixedCells setting;
    bool rowHeader, colHeader, normalCell;
  } cases[] = {
      {hfNone, false, false, false},
      {hfAll, true, true, false},
      {hfFixedRows, true, false, false},
      {hfFixedColumns, false, true, false},
  };
  for (const Case& c : cases) {
    t.g->HoverFixedCells = c.setting;
    EXPECT_EQ(t.g->IsHoverFixedCell(3, 0), c.rowHeader) << c.setting;
    EXPECT_EQ(t.g->IsHoverFixedCell(0, 3), c.colHeader) << c.setting;
    EXPECT_EQ(t.g->IsHoverFixedCell(3, 3), c.normalCell) << c.setting;
  }
}

// A press on a rating cell sets half a point per 9 pixels from its left edge;
// OnRatingChange may refuse.
TEST(MouseEvents, RatingCellTakesTheRateFromThePressPoint) {
  for (bool refuse : {false, true}) {
    SCOPED_TRACE(refuse ? "refused" : "allowed");
    InputGrid t;
    t.g->SetOptions(t.g->Options() + goEditing);
    t.g->AddRating(3, 3, 5, clYellow, clSilver);
    t.g->SetFloats(3, 3, 0);
    double seen = -1;
    t.g->OnRatingChange = [&](TObject*, int, int, double& rate, bool& allow) {
      seen = rate;
      allow = !refuse;
    };
    const TRect r = t.g->CellRect(3, 3);
    MouseClick(t.g, r.Left + 20, r.Top + 3);
    ProcessEvents();
    EXPECT_DOUBLE_EQ(seen, 1.0);
    EXPECT_DOUBLE_EQ(t.g->Floats(3, 3), refuse ? 0.0 : 1.0);
  }
}

// Dragging the selection's handle fills the larger selection with the kept
// cells from its top-left on; the user's clipboard is never touched.
TEST(MouseEvents, SelectionResizeByTheHandle) {
  InputGrid t;
  t.g->SetSelectionResizer(true);
  t.g->SetSelectionRectangle(true);
  t.g->SetCells(2, 2, QStringLiteral("a"));
  t.g->SetCells(3, 2, QStringLiteral("b"));
  t.g->SetCells(2, 4, QStringLiteral("old"));
  t.g->SetSelection({2, 2, 3, 2});
  QStringList events;
  t.g->OnSelectionResize = [&](TObject*, TGridRect o, TGridRect n) {
    events << QStringLiteral("resize %1,%2-%3,%4 to %5,%6").arg(o.Left).arg(o.Top).arg(o.Right).arg(o.Bottom)
                  .arg(n.Right).arg(n.Bottom);
  };
  t.g->OnSelectionResized = [&](TObject*, TGridRect, TGridRect) { events << QStringLiteral("resized"); };
  const TRect last = t.g->CellRect(3, 2);
  MousePress(t.g, last.Right - 3, last.Bottom - 3);
  const TPoint to = t.Centre(4, 4);
  MouseMoveTo(t.g, to.X, to.Y, Qt::LeftButton);
  MouseRelease(t.g, to.X, to.Y);
  ProcessEvents();
  EXPECT_EQ((TGridRect{2, 2, 4, 4}), t.g->Selection());
  EXPECT_EQ(events.join(u'|').toStdString(), "resize 2,2-3,2 to 4,4|resized");
  EXPECT_EQ(t.g->Cells(2, 2), QStringLiteral("a"));
  EXPECT_EQ(t.g->Cells(3, 2), QStringLiteral("b"));
  EXPECT_EQ(t.g->Cells(2, 4), QStringLiteral("old"));  // outside the kept block
}

// Over a row header with RowSelect the row cursor shows and a press selects the
// row; over a column header with ColSelect the column cursor; the grid's own
// cursor comes back over normal cells.
TEST(MouseEvents, SelectModesShowTheirCursorsAndSelect) {
  InputGrid t;
  t.g->SetCursor(crCross);
  t.g->MouseActions()->RowSelect = true;
  t.g->MouseActions()->ColSelect = true;
  const TPoint rowHeader = t.Centre(0, 3), colHeader = t.Centre(4, 0), normal = t.Centre(3, 3);
  MouseMoveTo(t.g, rowHeader.X, rowHeader.Y);
  EXPECT_EQ(t.g->MouseSelectMode(), TExStringGrid::msRow);
  EXPECT_EQ(t.g->Cursor(), crSelectRow);
  MouseClick(t.g, rowHeader.X, rowHeader.Y);
  EXPECT_EQ((TGridRect{1, 3, 5, 3}), t.g->Selection());
  MouseMoveTo(t.g, colHeader.X, colHeader.Y);
  EXPECT_EQ(t.g->Cursor(), crSelectColumn);
  MouseClick(t.g, colHeader.X, colHeader.Y);
  EXPECT_EQ((TGridRect{4, 1, 4, 7}), t.g->Selection());
  MouseMoveTo(t.g, normal.X, normal.Y);
  EXPECT_EQ(t.g->MouseSelectMode(), TExStringGrid::msNormal);
  EXPECT_EQ(t.g->Cursor(), crCross);
}

}  // namespace
