// Undo and redo: one scenario table over a small cell store (register, undo,
// redo, sequences, MaxLevel trimming by whole steps, Reset), the events'
// arguments, and a grid that goes away before its undo component.
#include "grid/base/undo_redo.h"

#include <gtest/gtest.h>

#include <QStringList>

#include "grid/base/base_grid.h"

namespace {

class UndoGrid : public TBaseGrid {
public:
  UndoGrid() : TBaseGrid(nullptr) {
    SetScrollBars(ssNone);
    SetBounds(0, 0, 400, 200);
    SetColCount(6);
    SetRowCount(4);
    NormalRowCount = 4;
    for (int c = 1; c <= 4; ++c) SetCellEx(c, 1, "0");
  }
};

// Cells A..D are (1,1)..(4,1). A script is a list of words:
//   A1   write "1" into A and register the change (old text, new text)
//   U    Undo          R    Redo
//   S    StartSequence E    StopSequence
//   Z    Reset         M3   MaxLevel := 3
void Play(UndoGrid& g, TExGridUndoRedo& u, const QString& script) {
  for (const QString& w : script.split(' ', Qt::SkipEmptyParts)) {
    const QChar k = w[0];
    if (k == 'U') u.Undo();
    else if (k == 'R') u.Redo();
    else if (k == 'S') u.StartSequence();
    else if (k == 'E') u.StopSequence();
    else if (k == 'Z') u.Reset();
    else if (k == 'M') u.MaxLevel = w.mid(1).toInt();
    else {
      const int c = k.unicode() - 'A' + 1;
      const QString before = g.GetCellEx(c, 1);
      g.SetCellEx(c, 1, w.mid(1));
      u.RegisterChange(c, 1, before, w.mid(1));
    }
  }
}

QString Cells(UndoGrid& g) {
  QStringList out;
  for (int c = 1; c <= 4; ++c) out << g.GetCellEx(c, 1);
  return out.join(' ');
}

TEST(UndoRedo, Scenarios) {
  struct Case {
    const char* what;
    const char* script;
    const char* cells;  // A B C D afterwards
    int level, count;
  } cases[] = {
      {"nothing registered: undo and redo do nothing", "U R U", "0 0 0 0", 0, 0},
      {"three changes, two undos restore C then B", "A1 B1 C1 U U", "1 0 0 0", 1, 3},
      {"a redo rewrites B", "A1 B1 C1 U U R", "1 1 0 0", 2, 3},
      {"a change after undos is appended behind the undone ones", "A1 B1 C1 U U R D1", "1 1 0 1", 4, 4},
      {"... the next undo restores D, the one after it C again", "A1 B1 C1 U U R D1 U U", "1 1 0 0", 2, 4},
      {"redo stops at the end", "A1 R R", "1 0 0 0", 1, 1},
      {"undo stops at the start", "A1 B1 U U U U", "0 0 0 0", 0, 2},
      {"a sequence is undone whole, last change first", "A1 S B1 C1 D1 E U", "1 0 0 0", 1, 6},
      {"... and redone whole, to just behind its stop", "A1 S B1 C1 D1 E U R", "1 1 1 1", 6, 6},
      {"the same cell twice in a sequence ends at its first old text", "S A1 A2 E U", "0 0 0 0", 0, 4},
      {"MaxLevel 3: a fourth change drops the first", "M3 A1 B1 C1 D1 U U U U", "1 0 0 0", 0, 3},
      {"MaxLevel drops a whole closed sequence, never a lone marker", "M4 S A1 B1 E C1 U U", "1 1 0 0", 0, 1},
      {"MaxLevel keeps a sequence that is still open", "M2 S A1 B1", "1 1 0 0", 3, 3},
      {"... and drops it once closed and the next change comes", "M2 S A1 B1 E C1 U U", "1 1 0 0", 0, 1},
      {"undo inside an open sequence goes change by change", "S A1 B1 U", "1 0 0 0", 2, 3},
      {"... passes the open start marker and redoes the rest", "S A1 B1 U U U R", "1 1 0 0", 3, 3},
      {"a stop without a start never takes Level below 0", "A1 E U U R", "1 0 0 0", 1, 2},
      {"Reset: nothing to undo or redo", "A1 B1 U Z U R", "1 0 0 0", 0, 0},
      {"Reset, then new changes count from 0", "A1 Z B1 U", "1 0 0 0", 0, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    UndoGrid g;
    TExGridUndoRedo u(nullptr);
    g.SetUndoRedo(&u);
    Play(g, u, QString::fromUtf8(c.script));
    EXPECT_EQ(Cells(g), QString::fromUtf8(c.cells));
    EXPECT_EQ(u.Level(), c.level);
    EXPECT_EQ(u.Count(), c.count);
    EXPECT_EQ(u.CanUndo(), c.level > 0);
    EXPECT_EQ(u.CanRedo(), c.level < c.count);
  }
}

TEST(UndoRedo, EventsSeeTheCellNowAndTheTextAboutToBeWritten) {
  UndoGrid g;
  TExGridUndoRedo u(nullptr);
  g.SetUndoRedo(&u);
  EXPECT_EQ(u.Grid(), &g);
  QStringList seen;
  u.OnUndo = [&](TObject* s, TBaseGrid* grid, int c, int r, const QString& orig, const QString& now) {
    EXPECT_EQ(s, &u);
    EXPECT_EQ(grid, &g);
    seen << QStringLiteral("undo %1,%2 %3->%4").arg(c).arg(r).arg(orig, now);
  };
  u.OnRedo = [&](TObject*, TBaseGrid*, int c, int r, const QString& orig, const QString& now) {
    seen << QStringLiteral("redo %1,%2 %3->%4").arg(c).arg(r).arg(orig, now);
  };
  Play(g, u, "B7 U R");
  EXPECT_EQ(seen, (QStringList{"undo 2,1 7->0", "redo 2,1 0->7"}));
  // Undo moves the cursor to the cell.
  EXPECT_EQ(g.Col(), 2);
  EXPECT_EQ(g.Row(), 1);
}

TEST(UndoRedo, WithoutAGridNothingIsWritten) {
  TExGridUndoRedo u(nullptr);
  u.RegisterChange(1, 1, "a", "b");
  u.Undo();
  EXPECT_EQ(u.Level(), 1);
  {
    UndoGrid g;
    g.SetUndoRedo(&u);
  }
  EXPECT_EQ(u.Grid(), nullptr);  // the grid went away
  u.Undo();
  EXPECT_EQ(u.Level(), 1);
}

}  // namespace
