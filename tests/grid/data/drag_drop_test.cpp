// Drag and drop with the grid, by synthetic drag events on its window: dropped
// text pasted at the cell or appended as rows, a refused drop, a column moved by
// its header, files told apart by their extension, a CSV file and a workbook
// loaded, the arrows that mark the target, cells of another grid with their
// looks (a broken block refused), the view scrolling while something is
// dragged at its edge; and as a source: a press on the selection
// and a move of more than 3 pixels start the drag, a move takes the dragged
// rows out afterwards (found at their new place when they were dropped above
// themselves) or clears the cells, a copy leaves them.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QMimeData>
#include <QTemporaryDir>
#include <QUrl>
#include <QWidget>
#include <memory>

#include "tests/grid/input/keys_grid_fixture.h"

#include "grid/base/arrow_window.h"
#include "grid/base/drag_drop_objects.h"
#include "grid/data/cell_stream.h"
#include "grid/data/grid_drag_drop.h"
#include "platform/rtl/component_stream.h"
#include "platform/ui/drag_drop.h"
#include "platform/ui/mouse_position.h"
#include "platform/ui/popup_window.h"

namespace {

// A 6 x 8 grid on a shown form whose cells (c, r) hold "c,r", taking drops.
struct DropGrid : InputGrid {
  QStringList events;
  DropGrid() {
    for (int r = 0; r < g->RowCount(); ++r)
      for (int c = 0; c < g->ColCount(); ++c) g->SetCells(c, r, QStringLiteral("%1,%2").arg(c).arg(r));
    g->SetOptions(g->Options() + goEditing);
    g->DragDropSettings()->SetOleDropTarget(true);
    g->OnOleDropped = [this](TObject*, TGridRect R) {
      events << QStringLiteral("dropped %1,%2-%3,%4").arg(R.Left).arg(R.Top).arg(R.Right).arg(R.Bottom);
    };
  }
  // Enter, move and drop at a client point; whether the move was accepted.
  bool DragTo(QMimeData* data, QPoint p, Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction) {
    QWidget* w = g->Widget();
    QDragEnterEvent enter(p, actions, data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &enter);
    QDragMoveEvent move(p, actions, data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &move);
    return move.isAccepted();
  }
  bool Drop(QMimeData* data, QPoint p) {
    const bool accepted = DragTo(data, p);
    QDropEvent drop(p, Qt::CopyAction | Qt::MoveAction, data, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(g->Widget(), &drop);
    ProcessEvents();
    return accepted;
  }
  QPoint At(int c, int r) const {
    const TPoint p = Centre(c, r);
    return {p.X, p.Y};
  }
  QString Row(int r) const {
    QStringList cells;
    for (int c = 0; c < g->ColCount(); ++c) cells << g->Cells(c, r);
    return cells.join(u'|');
  }
};

std::unique_ptr<QMimeData> Text(const QString& text) {
  auto data = std::make_unique<QMimeData>();
  data->setText(text);
  return data;
}

TEST(GridDrop, TextIsPastedAtTheCellUnderTheMouse) {
  DropGrid t;
  auto data = Text("a\tb\r\nc\td\r\n");
  EXPECT_TRUE(t.Drop(data.get(), t.At(2, 3)));
  EXPECT_EQ(t.g->Cells(2, 3), "a");
  EXPECT_EQ(t.g->Cells(3, 3), "b");
  EXPECT_EQ(t.g->Cells(2, 4), "c");
  EXPECT_EQ(t.g->Cells(3, 4), "d");
  EXPECT_EQ(t.g->Cells(2, 5), "2,5");
  EXPECT_EQ((TGridRect{2, 3, 3, 4}), t.g->Selection());
  EXPECT_EQ(t.events, QStringList{"dropped 2,3-3,4"});

  // A handler may refuse: nothing changes, the dropped event still comes.
  t.g->OnOleDrop = [](TObject*, int, int, const QString&, bool& Allow) { Allow = false; };
  t.events.clear();
  auto other = Text("zz");
  t.Drop(other.get(), t.At(4, 6));
  EXPECT_EQ(t.g->Cells(4, 6), "4,6");
  EXPECT_EQ(t.events, QStringList{"dropped 2,3-3,4"});

  // The header row takes no text.
  EXPECT_FALSE(t.DragTo(other.get(), t.At(2, 0)));
}

TEST(GridDrop, TextBelowTheLastRowIsAppendedAsRows) {
  DropGrid t;
  TDragDropSettings& dd = *t.g->DragDropSettings();
  dd.OleEntireRows = dd.OleAppendRows = dd.OleInsertRows = true;
  auto data = Text("x\ty\r\nu\tv\r\n");
  const TRect last = t.g->CellRect(1, t.g->RowCount() - 1);
  EXPECT_TRUE(t.Drop(data.get(), QPoint(last.Left + 5, last.Bottom + 10)));
  ASSERT_EQ(t.g->RowCount(), 10);
  EXPECT_EQ(t.Row(7), "0,7|1,7|2,7|3,7|4,7|5,7");
  EXPECT_EQ(t.g->Cells(1, 8), "x");
  EXPECT_EQ(t.g->Cells(2, 9), "v");
  // Inside the rows the text's rows are inserted at the target row.
  auto more = Text("p\r\n");
  t.Drop(more.get(), t.At(1, 2));
  EXPECT_EQ(t.g->RowCount(), 11);
  EXPECT_EQ(t.g->Cells(1, 2), "p");
  EXPECT_EQ(t.g->Cells(1, 3), "1,2");
}

TEST(GridDrop, AColumnIsMovedByItsHeader) {
  DropGrid t;
  t.g->DragDropSettings()->OleColumnDragDrop = true;
  t.g->DragDropSettings()->OleColumnReorder = true;
  QStringList dropped;
  t.g->OnOleDropCol = [&](TObject*, int ARow, int ACol, int DropCol) {
    dropped << QStringLiteral("%1 %2 %3").arg(ARow).arg(ACol).arg(DropCol);
  };
  auto column = std::make_unique<QMimeData>();
  column->setData(GridColumnMimeType(), EncodeColumn(4));
  EXPECT_FALSE(t.DragTo(column.get(), t.At(2, 3)));  // over a normal row: refused
  EXPECT_TRUE(t.Drop(column.get(), t.At(2, 0)));     // over a header cell of a normal column
  EXPECT_EQ(t.Row(0), "0,0|1,0|4,0|2,0|3,0|5,0");
  EXPECT_EQ(dropped, QStringList{"0 4 2"});
}

TEST(GridDrop, OneFileIsTakenByItsExtension) {
  DropGrid t;
  QStringList log;
  t.g->OnOleDropFile = [&](TObject*, int, int, const QString& Name, bool&) { log << "file " + Name; };
  t.g->OnOleDrop = [&](TObject*, int ARow, int ACol, const QString& Name, bool& Allow) {
    log << QStringLiteral("load %1,%2 %3").arg(ACol).arg(ARow).arg(Name);
    Allow = false;  // the files named here do not exist
  };
  auto files = [](QStringList names) {
    auto data = std::make_unique<QMimeData>();
    QList<QUrl> urls;
    for (const QString& n : names) urls << QUrl::fromLocalFile(n);
    data->setUrls(urls);
    return data;
  };
  for (const char* name : {"/tmp/a.csv", "/tmp/x.csvbak", "/tmp/b.xlsx", "/tmp/c.csv.xls"}) {
    auto data = files({QString::fromLatin1(name)});
    t.Drop(data.get(), t.At(2, 2));
  }
  auto two = files({"/tmp/a.csv", "/tmp/b.csv"});
  t.Drop(two.get(), t.At(2, 2));
  EXPECT_EQ(log, (QStringList{"file /tmp/a.csv", "load -1,-1 /tmp/a.csv", "file /tmp/x.csvbak", "file /tmp/b.xlsx",
                              "load -1,-1 /tmp/b.xlsx", "file /tmp/c.csv.xls", "load -1,-1 /tmp/c.csv.xls"}));
}

TEST(GridDrop, ACsvFileAndAWorkbookAreLoadedIntoTheGrid) {
  QTemporaryDir dir;
  const QString csv = dir.filePath("prices.csv");
  {
    QFile f(csv);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("name,price\r\npump,12\r\nvalve,7\r\n");
  }
  TExStringGrid book(nullptr);
  book.SetColCount(2);
  book.SetRowCount(2);
  book.SetCells(0, 0, "sheet");
  book.SetCells(1, 1, "cell");
  const QString xlsx = dir.filePath("book.xlsx");
  book.SaveToXLS(xlsx);

  DropGrid t;
  QStringList loads;
  t.g->OnOleDrop = [&](TObject*, int, int, const QString& Name, bool&) { loads << QFileInfo(Name).fileName(); };
  auto data = std::make_unique<QMimeData>();
  data->setUrls({QUrl::fromLocalFile(csv)});
  t.Drop(data.get(), t.At(2, 2));
  EXPECT_EQ(t.g->Cells(0, 0), "name");
  EXPECT_EQ(t.g->Cells(1, 2), "7");
  data->setUrls({QUrl::fromLocalFile(xlsx)});
  t.Drop(data.get(), t.At(2, 2));
  EXPECT_EQ(t.g->Cells(0, 0), "sheet");
  EXPECT_EQ(t.g->Cells(1, 1), "cell");
  EXPECT_EQ(loads, (QStringList{"prices.csv", "book.xlsx"}));
}

TEST(GridDrop, ArrowsMarkTheTargetRowAndColumnWhileDragging) {
  DropGrid t;
  t.g->DragDropSettings()->OleColumnDragDrop = true;
  auto text = Text("x");
  ASSERT_TRUE(t.DragTo(text.get(), t.At(2, 3)));
  // Text: one arrow 10 pixels left of the target cell, at its top.
  TArrowWindow* left = t.g->ArrowLeft();
  ASSERT_NE(left, nullptr);
  EXPECT_TRUE(left->Visible());
  const TPoint cell = t.g->ClientToScreen({t.g->CellRect(2, 3).Left, t.g->CellRect(2, 3).Top});
  EXPECT_EQ(left->Left(), cell.X - 10);
  EXPECT_EQ(left->Top(), cell.Y);
  // With whole rows the arrow marks the row's first normal cell.
  t.g->DragDropSettings()->OleEntireRows = true;
  t.DragTo(text.get(), t.At(4, 3));
  EXPECT_EQ(left->Left(), t.g->ClientToScreen({t.g->CellRect(1, 3).Left, 0}).X - 10);
  // Over the header row nothing lands: the arrow goes.
  EXPECT_FALSE(t.DragTo(text.get(), t.At(2, 0)));
  EXPECT_FALSE(left->Visible());

  // A column: arrows above and below the header cell of its place.
  auto column = std::make_unique<QMimeData>();
  column->setData(GridColumnMimeType(), EncodeColumn(1));
  ASSERT_TRUE(t.DragTo(column.get(), t.At(3, 0)));
  ASSERT_TRUE(t.g->ArrowDown() && t.g->ArrowUp());
  const TRect header = t.g->CellRect(3, 0);
  const TPoint top = t.g->ClientToScreen({header.Left, header.Top}), bottom = t.g->ClientToScreen({header.Left, header.Bottom});
  EXPECT_TRUE(t.g->ArrowDown()->Visible());
  EXPECT_EQ(t.g->ArrowDown()->Left(), top.X);
  EXPECT_EQ(t.g->ArrowDown()->Top(), top.Y - 8);
  EXPECT_EQ(t.g->ArrowUp()->Top(), bottom.Y);
  // Over a normal row a column is refused; leaving the grid hides every arrow.
  EXPECT_FALSE(t.DragTo(column.get(), t.At(3, 4)));
  EXPECT_FALSE(t.g->ArrowDown()->Visible());
  t.DragTo(text.get(), t.At(2, 3));
  QDragLeaveEvent leave;
  QCoreApplication::sendEvent(t.g->Widget(), &leave);
  EXPECT_FALSE(left->Visible());
}

TEST(GridDrop, TheViewScrollsWhenSomethingIsDraggedAtItsBottomEdge) {
  DropGrid t;
  t.g->SetRowCount(60);
  const int top = t.g->TopRow();
  const int below = top + t.g->VisibleRowCount();  // partly shown or just below
  const TRect r = t.g->CellRect(1, below - 1);
  auto data = Text("x");
  t.DragTo(data.get(), QPoint(r.Left + 5, r.Bottom + 2));
  EXPECT_EQ(t.g->TopRow(), top + 1);
}

// The drag loop replaced: the dragged data is dropped on a target grid (or
// nowhere) with the effect the test chooses.
struct DragLoop {
  QString text;
  explicit DragLoop(int Effect, TExStringGrid* Target = nullptr, TPoint At = {}) {
    SetDragLoopForTest([this, Effect, Target, At](const QMimeData* Data, TDropSourceHooks*, int) {
      text = Data->text();
      if (Target && Target->DropTarget()) {
        TDropTargetHooks* hooks = Target->DropTarget();
        int effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
        const TPoint screen = Target->ClientToScreen(At);
        hooks->DragEnter(Data, MK_LBUTTON, screen, effect);
        effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
        hooks->DragOver(MK_LBUTTON, screen, effect);
        effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
        hooks->Drop(Data, MK_LBUTTON, screen, effect);
      }
      return Effect;
    });
  }
  ~DragLoop() { SetDragLoopForTest(nullptr); }
};

TEST(GridDrop, CellsDraggedFromAnotherGridLandWithTheirLooksAndABrokenBlockChangesNothing) {
  DropGrid source, target;
  source.g->Navigation()->AllowFmtClipboard = true;
  source.g->SetOptions(source.g->Options() - goEditing);
  source.g->DragDropSettings()->OleDropSource = true;
  source.g->SetColors(2, 2, clRed);
  source.g->SetSelection({2, 2, 3, 2});
  {
    // The drag carries text and the grid's own cells; the target takes the cells.
    DragLoop loop(DROPEFFECT_COPY, target.g, target.Centre(4, 5));
    const TPoint p = source.Centre(2, 2);
    MousePress(source.g, p.X, p.Y);
    MouseMoveTo(source.g, p.X + 10, p.Y, Qt::LeftButton);
    MouseRelease(source.g, p.X + 10, p.Y);
    ProcessEvents();
    EXPECT_EQ(loop.text, "2,2\t3,2");
  }
  EXPECT_EQ(target.g->Cells(4, 5), "2,2");
  EXPECT_EQ(target.g->Cells(5, 5), "3,2");
  EXPECT_EQ(target.g->Colors(4, 5), clRed);
  EXPECT_EQ(target.events.back(), "dropped 1,1-1,1");  // the selection as it is

  // A block naming cells outside its own rectangle is refused before anything changes.
  QByteArray block;
  {
    TCellStreamWriter w(block);
    TCellStreamHeader h;
    h.ColCount = 1;
    h.RowCount = 1;
    h.ColWidths = "64";
    h.RowHeights = "22";
    w.WriteHeader(h);
    TStreamedCell a, b;
    a.Text = "a";
    b.Col = 9;
    b.Text = "b";
    w.WriteCell(a);
    w.WriteCell(b);
  }
  const TPoint screen = target.g->ClientToScreen(target.Centre(1, 1));
  EXPECT_THROW(target.g->DropTarget()->DropStream(screen, block), EReadError);
  EXPECT_EQ(target.g->Cells(1, 1), "1,1");
}

TEST(GridDrag, APressOnTheSelectionStartsADragAfterMoreThanThreePixels) {
  DropGrid t;
  t.g->SetOptions(t.g->Options() - goEditing);
  t.g->DragDropSettings()->OleDropSource = true;
  t.g->SetSelection({2, 2, 3, 3});
  QStringList log;
  t.g->OnOleDragStart = [&](TObject*, int ARow, int ACol) { log << QStringLiteral("start %1,%2").arg(ACol).arg(ARow); };
  t.g->OnOleDragStop = [&](TObject*, int Effect) { log << QStringLiteral("stop %1").arg(Effect); };
  DragLoop loop(DROPEFFECT_COPY);
  const TPoint p = t.Centre(2, 2);
  MousePress(t.g, p.X, p.Y);
  MouseMoveTo(t.g, p.X + 3, p.Y, Qt::LeftButton);
  EXPECT_TRUE(log.isEmpty());
  MouseMoveTo(t.g, p.X + 4, p.Y, Qt::LeftButton);
  MouseRelease(t.g, p.X + 4, p.Y);
  ProcessEvents();
  EXPECT_EQ(log, (QStringList{"start 2,2", "stop 1"}));
  EXPECT_EQ(loop.text, "2,2\t3,2\r\n2,3\t3,3");
  EXPECT_EQ(t.g->Cells(2, 2), "2,2");  // copied: the cells stay

  // A press that does not become a drag selects the cell at the release.
  log.clear();
  MousePress(t.g, p.X, p.Y);
  MouseRelease(t.g, p.X, p.Y);
  ProcessEvents();
  EXPECT_TRUE(log.isEmpty());
  EXPECT_EQ((TGridRect{2, 2, 2, 2}), t.g->Selection());
}

TEST(GridDrag, WithShowCellsAPictureOfTheDraggedCellsFollowsThePointer) {
  DropGrid t;
  t.g->SetOptions(t.g->Options() - goEditing);
  t.g->DragDropSettings()->OleDropSource = true;
  t.g->DragDropSettings()->ShowCells = true;
  t.g->SetSelection({2, 2, 3, 3});
  bool shown = false;
  TPoint at, expected;
  int width = 0;
  SetDragLoopForTest([&](const QMimeData*, TDropSourceHooks* Source, int) {
    TPopupWindow* f = t.g->MoveForm();
    shown = f && f->Visible();
    if (f) width = f->Width();
    Source->QueryContinueDrag(false, MK_LBUTTON);  // the drag goes on: the picture moves
    if (f) at = {f->Left(), f->Top()};
    expected = GetCursorPos();
    return DROPEFFECT_COPY;
  });
  const TPoint p = t.Centre(2, 2);
  MousePress(t.g, p.X, p.Y);
  MouseMoveTo(t.g, p.X + 10, p.Y, Qt::LeftButton);
  MouseRelease(t.g, p.X + 10, p.Y);
  ProcessEvents();
  SetDragLoopForTest(nullptr);
  EXPECT_TRUE(shown);
  EXPECT_NEAR(width, t.g->ColWidths(2) + t.g->ColWidths(3), 3);  // the two selected columns
  EXPECT_EQ(at, (TPoint{expected.X + 4, expected.Y + 4}));
  EXPECT_EQ(t.g->MoveForm(), nullptr);  // gone with the drag
}

TEST(GridDrag, AMoveTakesTheDraggedCellsOutAfterwards) {
  {
    // Cells: cleared after a move, kept after a copy or with OleCopyAlways.
    DropGrid t;
    t.g->SetOptions(t.g->Options() - goEditing);
    t.g->DragDropSettings()->OleDropSource = true;
    t.g->SetSelection({1, 1, 2, 1});
    DragLoop loop(DROPEFFECT_MOVE);
    const TPoint p = t.Centre(1, 1);
    MousePress(t.g, p.X, p.Y);
    MouseMoveTo(t.g, p.X + 10, p.Y + 10, Qt::LeftButton);
    MouseRelease(t.g, p.X + 10, p.Y + 10);
    ProcessEvents();
    EXPECT_EQ(t.g->Cells(1, 1), "");
    EXPECT_EQ(t.g->Cells(2, 1), "");
    EXPECT_EQ(t.g->Cells(3, 1), "3,1");
    // The clean-up alone.
    t.g->DragDropSettings()->OleCopyAlways = true;
    t.g->SetCells(1, 1, "back");
    t.g->CleanUpAfterDrag(DROPEFFECT_MOVE);
    EXPECT_EQ(t.g->Cells(1, 1), "back");
    t.g->DragDropSettings()->OleCopyAlways = false;
    t.g->CleanUpAfterDrag(DROPEFFECT_COPY);
    EXPECT_EQ(t.g->Cells(1, 1), "back");
  }
  {
    // Rows moved within the grid: dropped above themselves, then taken out at
    // their new place.
    DropGrid t;
    t.g->SetOptions(t.g->Options() - goEditing + goRowSelect);
    t.g->Navigation()->AllowClipboardAlways = true;  // the drop pastes into a grid that is not edited
    TDragDropSettings& dd = *t.g->DragDropSettings();
    dd.OleDropSource = dd.OleRemoveRows = dd.OleInsertRows = dd.OleEntireRows = true;
    t.g->SetSelection({1, 5, 5, 6});
    DragLoop loop(DROPEFFECT_MOVE, t.g, t.Centre(1, 2));
    const TPoint p = t.Centre(2, 5);
    MousePress(t.g, p.X, p.Y);
    MouseMoveTo(t.g, p.X, p.Y + 20, Qt::LeftButton);
    MouseRelease(t.g, p.X, p.Y + 20);
    ProcessEvents();
    ASSERT_EQ(t.g->RowCount(), 8);
    QStringList firstColumn;
    for (int r = 1; r < 8; ++r) firstColumn << t.g->Cells(1, r);
    EXPECT_EQ(firstColumn.join(u'|'), "1,1|1,5|1,6|1,2|1,3|1,4|1,7");
  }
}

}  // namespace
