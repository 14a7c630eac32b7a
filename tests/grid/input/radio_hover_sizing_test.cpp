// Radio groups by Space and by the mouse (with the real column in the events),
// hovered cell buttons, the sizing hint, the application's sizing veto and the
// panning glyph.
#include <gtest/gtest.h>

#include "platform/ui/bitmap.h"
#include "platform/ui/canvas.h"
#include "platform/ui/popup_window.h"
#include "tests/grid/input/keys_grid_fixture.h"

namespace {

// A radio group in real column 3, shown as display column 2 (column 1 hidden).
struct RadioGrid : InputGrid {
  RadioGrid(int dir = 0) {
    g->SetColWidths(3, 200);
    g->SetOptions(g->Options() + goEditing);
    items = g->CreateRadio(3, 2, dir, 0);
    items->Add("a");
    items->Add("bb");
    items->Add("ccc");
    g->SetCells(3, 2, "a");
    g->HideColumn(1);
    g->OnRadioClick = [this](TObject*, int c, int r, int idx) { log << QStringLiteral("click %1,%2 %3").arg(c).arg(r).arg(idx); };
    g->OnRadioMouseUp = [this](TObject*, int c, int r, int idx) { log << QStringLiteral("up %1,%2 %3").arg(c).arg(r).arg(idx); };
  }
  TStringList* items = nullptr;
};

}  // namespace

TEST(RadioGroupInput, SpaceAdvancesWithWrapAndReportsTheRealColumn) {
  RadioGrid t;
  t.Go(2, 2);
  t.Key(Qt::Key_Space);
  EXPECT_EQ(t.g->Cells(3, 2), "bb");
  t.Key(Qt::Key_Space);
  t.Key(Qt::Key_Space);
  EXPECT_EQ(t.g->Cells(3, 2), "a");
  EXPECT_EQ(t.log, (QStringList{"click 3,2 1", "click 3,2 2", "click 3,2 0"}));
  // A read-only group takes no Space, unless radio groups are always active.
  t.log.clear();
  t.g->SetReadOnly(3, 2, true);
  t.Key(Qt::Key_Space);
  EXPECT_EQ(t.g->Cells(3, 2), "a");
  EXPECT_TRUE(t.log.isEmpty());
  t.g->ControlLook()->RadioAlwaysActive = true;
  t.Key(Qt::Key_Space);
  EXPECT_EQ(t.g->Cells(3, 2), "bb");
}

TEST(RadioGroupInput, ClickSideBySideChoosesTheItemBetweenItsEdges) {
  RadioGrid probe(1);
  TCanvas* c = MeasureCanvas();
  c->Font()->Assign(*probe.g->Font());
  const int step = 16;  // the themed control style
  const int first = c->TextWidth("a") + step;
  const int second = first + c->TextWidth("bb") + step;
  struct Case {
    int x;
    int index;  // -1: nothing chosen
  } cases[] = {{1, 0}, {first - 1, 0}, {first, -1}, {first + 1, 1}, {second - 1, 1}, {second, -1}, {second + 2, 2}};
  for (const Case& k : cases) {
    RadioGrid t(1);
    const TRect r = t.g->CellRect(2, 2);
    MouseClick(t.g, r.Left + k.x, r.Top + 3);
    ProcessEvents();
    int idx = -9;
    t.g->GetRadioIdx(3, 2, idx);
    if (k.index < 0) {
      EXPECT_EQ(idx, 0) << k.x;
      EXPECT_EQ(t.log, QStringList{"up 3,2 0"}) << k.x;
    } else {
      EXPECT_EQ(idx, k.index) << k.x;
      EXPECT_EQ(t.log, (QStringList{QStringLiteral("click 3,2 %1").arg(k.index), QStringLiteral("up 3,2 %1").arg(k.index)}))
          << k.x;
    }
    EXPECT_EQ(t.g->Col(), 2);
    EXPECT_EQ(t.g->Row(), 2);
  }
}

TEST(RadioGroupInput, ClickStackedItemsByRowHeightAndTextModeWritesTheItem) {
  RadioGrid t(0);
  t.g->SetRowHeights(2, 60);
  t.g->SetRadioIdx(3, 2, -1);  // no index: the chosen item goes into the cell
  t.log.clear();
  TCanvas* c = MeasureCanvas();
  c->Font()->Assign(*t.g->Font());
  const int h = std::max(16, c->TextHeight("gh"));  // one item's line
  const TRect r = t.g->CellRect(2, 2);
  MouseClick(t.g, r.Left + 5, r.Top + h + h / 2);  // the second line
  ProcessEvents();
  EXPECT_EQ(t.g->Cells(3, 2), "bb");
  EXPECT_EQ(t.log, (QStringList{"click 3,2 1", "up 3,2 1"}));
}

TEST(HoverButtons, TheButtonUnderTheMouseIsMarked) {
  InputGrid t;
  t.g->AddButton(2, 2, 40, 16, "Go", haLeft, vaTop);
  t.g->Repaint();  // the drawing places the button
  const TRect b = t.g->GetCellButtonRect(2, 2);
  ASSERT_FALSE(IsRectEmpty(b));
  MouseMoveTo(t.g, b.Left + 2, b.Top + 2);
  EXPECT_EQ(t.g->HoverButton().X, 2);
  EXPECT_EQ(t.g->HoverButton().Y, 2);
  const TRect cell = t.g->CellRect(2, 2);
  MouseMoveTo(t.g, cell.Right - 2, cell.Bottom - 2);  // in the cell, beside the button
  EXPECT_EQ(t.g->HoverButton().X, -1);
}

TEST(SizingHint, ShowsTheProspectiveWidthWhileSizingAndGoesAtTheRelease) {
  InputGrid t;
  t.g->SetOptions(t.g->Options() + goColSizing);
  t.g->HintShowSizing = true;
  const TRect header = t.g->CellRect(2, 0);
  MousePress(t.g, header.Right - 1, header.Top + 5);
  MouseMoveTo(t.g, header.Right + 19, header.Top + 5, Qt::LeftButton);
  ASSERT_TRUE(t.g->ScrollHintShowing());
  EXPECT_EQ(t.g->LastSizingHint, QStringLiteral("cw=<b>%1</b>").arg(header.Width() + 20));
  ASSERT_NE(t.g->SizingHintWindow(), nullptr);
  EXPECT_TRUE(t.g->SizingHintWindow()->Visible());
  EXPECT_EQ(t.g->SizingHintWindow()->HintText(), QStringLiteral("cw=<b>%1</b>").arg(header.Width() + 20));
  const TPoint corner = t.g->ClientToScreen(header.TopLeft());
  EXPECT_EQ(t.g->SizingHintWindow()->Left(), corner.X);
  EXPECT_EQ(t.g->SizingHintWindow()->Top(), corner.Y);
  MouseRelease(t.g, header.Right + 19, header.Top + 5);
  EXPECT_FALSE(t.g->ScrollHintShowing());
  EXPECT_FALSE(t.g->SizingHintWindow()->Visible());
}

TEST(SizingVeto, RefusedColumnsAndRowsAreNotSizedByTheMouse) {
  InputGrid t;
  t.g->SetOptions(t.g->Options() + goColSizing + goRowSizing);
  std::vector<int> asked;
  t.g->OnColumnSize = [&](TObject*, int c, bool& allow) {
    asked.push_back(c);
    allow = c != 2;
  };
  t.g->OnRowSize = [&](TObject*, int r, bool& allow) { allow = r != 3; };
  struct Case {
    bool column;
    int index;
    bool sized;
  } cases[] = {{true, 2, false}, {true, 3, true}, {false, 3, false}, {false, 4, true}};
  for (const Case& c : cases) {
    const TRect r = c.column ? t.g->CellRect(c.index, 0) : t.g->CellRect(0, c.index);
    const int before = c.column ? t.g->ColWidths(c.index) : t.g->RowHeights(c.index);
    const int x = c.column ? r.Right - 1 : r.Left + 5;
    const int y = c.column ? r.Top + 5 : r.Bottom - 1;
    MousePress(t.g, x, y);
    MouseMoveTo(t.g, c.column ? x + 30 : x, c.column ? y : y + 30, Qt::LeftButton);
    MouseRelease(t.g, c.column ? x + 30 : x, c.column ? y : y + 30);
    const int after = c.column ? t.g->ColWidths(c.index) : t.g->RowHeights(c.index);
    EXPECT_EQ(after != before, c.sized) << c.column << " " << c.index;
  }
  EXPECT_NE(std::find(asked.begin(), asked.end(), 2), asked.end());
}

TEST(PanGlyph, DrawnAtThePanOriginWhilePanning) {
  InputGrid t;
  const TRect cell = t.g->CellRect(3, 4);
  const TPoint origin{cell.Left + 2, cell.Top + 2};
  t.g->Perform(WM_MBUTTONDOWN, MK_MBUTTON, MakeLParam(origin.X, origin.Y));
  ASSERT_TRUE(t.g->Panning());
  EXPECT_EQ(t.g->WheelPanPosition(), origin);
  TBitmap shot(t.g->Width(), t.g->Height());
  t.g->PaintTo(shot.Canvas(), 0, 0);
  EXPECT_EQ(shot.Canvas()->Pixel(origin.X + 16, origin.Y + 16), clBlack);  // the centre dot
  EXPECT_EQ(shot.Canvas()->Pixel(origin.X + 8, origin.Y + 16), clWhite);   // the disc
  PressKey(t.g, Qt::Key_Shift);  // any key ends panning
  ASSERT_FALSE(t.g->Panning());
  t.g->PaintTo(shot.Canvas(), 0, 0);
  EXPECT_NE(shot.Canvas()->Pixel(origin.X + 16, origin.Y + 16), clBlack);
}

TEST(FixedSizing, FixedColumnAndRowBordersSizeWithTheirHintAndEvents) {
  struct Case {
    bool column;
  } cases[] = {{true}, {false}};
  for (const Case& c : cases) {
    InputGrid t;
    t.g->MouseActions()->SizeFixedCol = true;
    t.g->MouseActions()->SizeFixedRow = true;
    t.g->HintShowSizing = true;
    QStringList events;
    t.g->OnColumnSizing = [&](TObject*, int col, int size) { events << QStringLiteral("sizing %1 %2").arg(col).arg(size); };
    t.g->OnRowSizing = [&](TObject*, int row, int size) { events << QStringLiteral("sizing %1 %2").arg(row).arg(size); };
    t.g->OnEndColumnSize = [&](TObject*, int col) { events << QStringLiteral("end col %1").arg(col); };
    t.g->OnEndRowSize = [&](TObject*, int row) { events << QStringLiteral("end row %1").arg(row); };
    t.g->OnUpdateColumnSize = [&](TObject*, int, int& w) { w = std::min(w, 90); };
    // The border of fixed column 0 (row 0) and a point of a normal cell beside it.
    const int border = c.column ? t.g->ColWidths(0) : t.g->RowHeights(0);
    const int across = c.column ? t.Centre(0, 3).Y : t.Centre(3, 0).X;
    auto at = [&](int along) { return c.column ? TPoint{along, across} : TPoint{across, along}; };
    const TCursor own = t.g->Cursor();
    MouseMoveTo(t.g, at(border + 1).X, at(border + 1).Y);
    EXPECT_EQ(t.g->Cursor(), c.column ? crHSplit : crVSplit);
    MousePress(t.g, at(border + 1).X, at(border + 1).Y);
    const TPoint to = at(border + 25);
    MouseMoveTo(t.g, to.X, to.Y, Qt::LeftButton);
    const QString expectedHint = QStringLiteral("%1=<b>%2</b>").arg(c.column ? "cw" : "rh").arg(border + 25);
    EXPECT_EQ(t.g->LastSizingHint, expectedHint);
    EXPECT_TRUE(t.g->ScrollHintShowing());
    const TPoint corner = t.g->ClientToScreen(t.g->CellRect(0, 0).TopLeft());
    EXPECT_EQ(t.g->SizingHintWindow()->Left(), corner.X);
    EXPECT_EQ(t.g->SizingHintWindow()->Top(), corner.Y);
    EXPECT_EQ(t.g->SizingLine(), (c.column ? TPoint{to.X, -1} : TPoint{-1, to.Y}));
    MouseRelease(t.g, to.X, to.Y);
    EXPECT_FALSE(t.g->ScrollHintShowing());
    EXPECT_EQ(t.g->SizingLine(), (TPoint{-1, -1}));
    if (c.column) {
      EXPECT_EQ(t.g->ColWidths(0), std::min(border + 25, 90));
      EXPECT_EQ(events.last(), "end col 0");
    } else {
      EXPECT_EQ(t.g->RowHeights(0), border + 25);
      EXPECT_EQ(events.last(), "end row 0");
    }
    EXPECT_EQ(events.first(), QStringLiteral("sizing 0 %1").arg(border + 25));
    MouseMoveTo(t.g, t.Centre(3, 3).X, t.Centre(3, 3).Y);
    EXPECT_EQ(t.g->Cursor(), own);
  }
}
