// The tree and expand cells by mouse and keys: a click on a node glyph
// contracts and expands with its events in order (and can be refused), the
// expand button switches the row height at the release, Right and Left open
// and close a node row, and Insert and Delete add and remove rows.
#include <gtest/gtest.h>

#include "tests/grid/input/keys_grid_fixture.h"

namespace {

// Rows 1..7 labelled in column 1; a node over rows 2..4.
struct NodeGrid : InputGrid {
  NodeGrid() {
    for (int r = 0; r < g->RowCount(); ++r) g->SetCells(1, r, QStringLiteral("r%1").arg(r));
    g->AddNode(2, 3);
    g->OnCanClickCell = [this](TObject*, int r, int c, bool&) { log << QStringLiteral("can %1,%2").arg(c).arg(r); };
    g->OnMouseDown = [this](TObject*, TMouseButton, TShiftState, int, int) { log << "down"; };
    g->OnClickCell = [this](TObject*, int r, int c) { log << QStringLiteral("clickcell %1,%2").arg(c).arg(r); };
    g->OnBeforeContractNode = [this](TObject*, int r, int rr, bool& allow) {
      log << QStringLiteral("before contract %1,%2").arg(r).arg(rr);
      allow = allowContract;
    };
    g->OnContractNode = [this](TObject*, int r, int rr) { log << QStringLiteral("contract %1,%2").arg(r).arg(rr); };
    g->OnBeforeExpandNode = [this](TObject*, int r, int rr, bool&) {
      log << QStringLiteral("before expand %1,%2").arg(r).arg(rr);
    };
    g->OnExpandNode = [this](TObject*, int r, int rr) { log << QStringLiteral("expand %1,%2").arg(r).arg(rr); };
  }
  QString Shown() {
    QStringList out;
    for (int r = 1; r < g->RowCount(); ++r) out << g->Cells(1, r);
    return out.join(u' ');
  }
  // A point on the glyph of the node in display row r (level 1, XP look).
  TPoint Glyph(int r) {
    const TRect rc = g->CellRect(0, r);
    return {rc.Left + 8, (rc.Top + rc.Bottom) / 2};
  }
  bool allowContract = true;
};

TEST(NodeInput, ClickingTheGlyphContractsAndExpandsWithItsEvents) {
  NodeGrid t;
  MouseClick(t.g, t.Glyph(2).X, t.Glyph(2).Y);
  EXPECT_EQ(t.Shown(), "r1 r2 r5 r6 r7");
  EXPECT_EQ(t.log.join(u'|'), "can 0,2|down|clickcell 0,2|before contract 2,2|contract 2,2");
  t.log.clear();
  MouseClick(t.g, t.Glyph(2).X, t.Glyph(2).Y);
  EXPECT_EQ(t.Shown(), "r1 r2 r3 r4 r5 r6 r7");
  EXPECT_EQ(t.log.join(u'|'), "can 0,2|down|clickcell 0,2|before expand 2,2|expand 2,2");
}

TEST(NodeInput, ARefusedContractionChangesNothingAndAClickBesideTheGlyphIsACellClick) {
  NodeGrid t;
  t.allowContract = false;
  MouseClick(t.g, t.Glyph(2).X, t.Glyph(2).Y);
  EXPECT_EQ(t.Shown(), "r1 r2 r3 r4 r5 r6 r7");
  EXPECT_FALSE(t.log.contains("contract 2,2"));
  t.log.clear();
  const TRect rc = t.g->CellRect(0, 2);
  MouseClick(t.g, rc.Right - 3, t.Glyph(2).Y);  // column 0, beside the glyph
  EXPECT_EQ(t.Shown(), "r1 r2 r3 r4 r5 r6 r7");
  EXPECT_TRUE(t.log.contains("clickcell 0,2"));
}

TEST(NodeInput, TheExpandButtonSwitchesTheRowHeightAtTheRelease) {
  InputGrid t;
  t.g->SetOptions(t.g->Options() + goEditing);  // the button works in an editable cell
  t.g->SetRowHeights(3, 22);
  t.g->AddExpand(2, 3, 50);
  std::vector<bool> states;
  t.g->OnExpandClick = [&](TObject*, int c, int r, bool expanded) {
    EXPECT_EQ(c, 2);
    EXPECT_EQ(r, 3);
    states.push_back(expanded);
  };
  auto clickButton = [&] {
    const TRect b = t.g->GetExpandButtonRect(2, 3);
    MouseClick(t.g, (b.Left + b.Right) / 2, (b.Top + b.Bottom) / 2);
  };
  clickButton();
  EXPECT_EQ(states, std::vector<bool>{true});
  EXPECT_EQ(t.g->RowHeights(3), 50);
  clickButton();
  EXPECT_EQ(states, (std::vector<bool>{true, false}));
  EXPECT_EQ(t.g->RowHeights(3), 22);
  // A click in the cell beside the button toggles nothing.
  const TRect cell = t.g->CellRect(2, 3);
  MouseClick(t.g, cell.Left + 3, cell.Bottom - 3);
  EXPECT_EQ(states.size(), 2u);
}

TEST(NodeInput, RightAndLeftOpenAndCloseAMergedNodeRow) {
  NodeGrid t;
  t.g->MergeCells(1, 2, 3, 1);
  t.Go(1, 2);
  t.Key(Qt::Key_Left);
  EXPECT_EQ(t.Shown(), "r1 r2 r5 r6 r7");
  t.Go(1, 2);
  t.Key(Qt::Key_Right);
  EXPECT_EQ(t.Shown(), "r1 r2 r3 r4 r5 r6 r7");
}

TEST(NodeInput, InsertAndDeleteRowsByKey) {
  struct Case {
    const char* what;
    TInsertPosition position;
    bool allow;
    int key;
    const char* rows;
    int row;
  } cases[] = {
      {"insert before", pInsertBefore, true, Qt::Key_Insert, "r1 r2  r3 r4 r5 r6 r7", 3},
      {"insert after", pInsertAfter, true, Qt::Key_Insert, "r1 r2 r3  r4 r5 r6 r7", 4},
      {"insert refused", pInsertBefore, false, Qt::Key_Insert, "r1 r2 r3 r4 r5 r6 r7", 3},
      {"delete", pInsertBefore, true, Qt::Key_Delete, "r1 r2 r4 r5 r6 r7", 3},
      {"delete refused", pInsertBefore, false, Qt::Key_Delete, "r1 r2 r3 r4 r5 r6 r7", 3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    InputGrid t;
    for (int r = 0; r < t.g->RowCount(); ++r) t.g->SetCells(1, r, QStringLiteral("r%1").arg(r));
    t.g->Navigation()->AllowInsertRow = t.g->Navigation()->AllowDeleteRow = true;
    t.g->Navigation()->InsertPosition = c.position;
    QStringList events;
    t.g->OnCanInsertRow = [&](TObject*, int r, bool& allow) {
      events << QStringLiteral("can insert %1").arg(r);
      allow = c.allow;
    };
    t.g->OnAutoInsertRow = [&](TObject*, int r) { events << QStringLiteral("inserted %1").arg(r); };
    t.g->OnCanDeleteRow = [&](TObject*, int r, bool& allow) {
      events << QStringLiteral("can delete %1").arg(r);
      allow = c.allow;
    };
    t.g->OnAutoDeleteRow = [&](TObject*, int r) { events << QStringLiteral("deleted %1").arg(r); };
    t.Go(2, 3);
    t.Key(c.key);
    QStringList rows;
    for (int r = 1; r < t.g->RowCount(); ++r) rows << t.g->Cells(1, r);
    EXPECT_EQ(rows.join(u' '), c.rows);
    EXPECT_EQ(t.g->Row(), c.row);
    EXPECT_EQ(t.g->Modified(), c.allow);
    const bool insert = c.key == Qt::Key_Insert;
    const QString first = insert ? "can insert 3" : "can delete 3";
    const QString second = insert ? (c.position == pInsertAfter ? "inserted 4" : "inserted 3") : "deleted 3";
    EXPECT_EQ(events.join(u'|'), c.allow ? first + "|" + second : first);
  }
}

}  // namespace
