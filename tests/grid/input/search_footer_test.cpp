// The search footer under a grid: Ctrl+F gives its box the focus, typing searches
// at once (the box turns red when nothing matches), Enter and the find-next
// button go on, Ctrl+Enter and the find-previous button go back, the buttons
// wait for a text, the accelerators of their captions work, and the close
// button hides the footer. The floating footer's strip reports clicks.
#include <gtest/gtest.h>

#include "grid/base/ex_check_box.h"
#include "grid/base/ex_grid_button.h"
#include "grid/base/search_footer.h"
#include "grid/data/floating_footer.h"
#include "grid/data/footer_panel.h"
#include "grid/data/search_panel.h"
#include "tests/grid/input/keys_grid_fixture.h"
#include "tests/support/shown_pixels.h"

namespace {

struct FooterGrid : InputGrid {
  FooterGrid() : InputGrid(4, 8) {
    const char* names[] = {"alpha", "beta", "gamma", "delta", "alpha", "omega", "beta"};
    for (int r = 1; r < 8; ++r) g->SetCells(1, r, names[r - 1]);
    g->SearchFooter()->SetFindNextCaption("Find &next");
    g->SearchFooter()->SetFindPrevCaption("Find &previous");
    g->SearchFooter()->SetVisible(true);
    ProcessEvents();
  }
  TSearchPanel* Panel() { return g->SearchPanel(); }
  void Type(const QString& text) {
    for (QChar ch : text) PressKey(Panel()->EditControl, ch.toUpper().unicode());
    ProcessEvents();
  }
  QString Cell() const { return QStringLiteral("%1,%2").arg(g->Col()).arg(g->Row()); }
  // A click on one of the panel's buttons.
  void Click(TExGridButton* b) {
    MouseClick(b, b->Width() / 2, b->Height() / 2);
    ProcessEvents();
  }
};

TEST(SearchFooter, CtrlFTypingAndTheRedBox) {
  FooterGrid t;
  ASSERT_NE(t.Panel(), nullptr);
  EXPECT_TRUE(t.Panel()->Visible());
  EXPECT_EQ(t.Panel()->Height(), 32);
  EXPECT_EQ(t.Panel()->Top(), t.g->ClientHeight() - 32);
  EXPECT_FALSE(t.Panel()->ForwardButton->Enabled());
  t.Key(Qt::Key_F, Qt::ControlModifier);
  EXPECT_TRUE(t.Panel()->EditControl->Focused());
  t.Type("ga");
  EXPECT_TRUE(t.Panel()->ForwardButton->Enabled());
  EXPECT_TRUE(t.Panel()->BackwardButton->Enabled());
  EXPECT_EQ(t.Cell(), "1,3");
  EXPECT_EQ(t.Panel()->EditControl->Color(), clWindow);
  t.Type("x");
  EXPECT_EQ(t.Panel()->EditControl->Color(), static_cast<TColor>(0x0000FF));
  PressKey(t.Panel()->EditControl, Qt::Key_Backspace);
  ProcessEvents();
  EXPECT_EQ(t.Panel()->EditControl->Color(), clWindow);
  t.Panel()->EditControl->SetText(QString());
  ProcessEvents();
  EXPECT_FALSE(t.Panel()->ForwardButton->Enabled());
}

TEST(SearchFooter, NextAndPreviousByKeysAndButtons) {
  FooterGrid t;
  t.Key(Qt::Key_F, Qt::ControlModifier);
  t.Type("beta");
  EXPECT_EQ(t.Cell(), "1,2");
  PressKey(t.Panel()->EditControl, Qt::Key_Return);
  ProcessEvents();
  EXPECT_EQ(t.Cell(), "1,7");
  EXPECT_EQ(t.Panel()->EditControl->Text(), "beta");  // Enter types nothing
  PressKey(t.Panel()->EditControl, Qt::Key_Return, Qt::ControlModifier);
  ProcessEvents();
  EXPECT_EQ(t.Cell(), "1,2");
  t.Panel()->EditControl->SetText("alpha");
  ProcessEvents();
  EXPECT_EQ(t.Cell(), "1,1");
  t.Click(t.Panel()->ForwardButton);
  EXPECT_EQ(t.Cell(), "1,5");
  t.Click(t.Panel()->BackwardButton);
  EXPECT_EQ(t.Cell(), "1,1");
}

TEST(SearchFooter, WithoutAutoSearchANewTextStartsAgainAndAcceleratorsWork) {
  FooterGrid t;
  QStringList actions;
  t.g->OnSearchFooterAction = [&](TObject*, const QString& v, int c, int r, TSearchAction a) {
    actions << QStringLiteral("%1:%2,%3:%4").arg(v).arg(c).arg(r).arg(a);
  };
  t.g->SearchFooter()->AutoSearch = false;
  t.Panel()->EditControl->SetText("alpha");
  ProcessEvents();
  EXPECT_TRUE(actions.isEmpty());  // no search while typing
  t.Click(t.Panel()->ForwardButton);
  t.Click(t.Panel()->ForwardButton);
  EXPECT_EQ(t.Cell(), "1,5");
  t.Panel()->EditControl->SetText("beta");
  t.Click(t.Panel()->ForwardButton);
  EXPECT_EQ(t.Cell(), "1,2");  // from the top left again
  ASSERT_FALSE(actions.isEmpty());
  EXPECT_EQ(actions.last(), QStringLiteral("beta:1,2:%1").arg(saFindNext));
  // Alt+N is the find-next button's accelerator.
  EXPECT_EQ(t.g->Perform(CM_DIALOGCHAR, 'n'), 1);
  EXPECT_EQ(t.Cell(), "1,7");
  t.Panel()->EditControl->SetText(QString());
  ProcessEvents();
  EXPECT_EQ(t.g->Perform(CM_DIALOGCHAR, 'n'), 0);
}

TEST(SearchFooter, PreviousFromTheStartThePresetColumnAndHighlighting) {
  FooterGrid t;
  t.g->SetCells(2, 4, "beta");
  t.g->SetCells(2, 6, "alphabet");
  // Find previous before anything was found starts at the bottom right: the
  // last column holding the text comes first.
  t.g->SearchFooter()->AutoSearch = false;
  t.Panel()->EditControl->SetText("beta");
  ProcessEvents();
  t.Click(t.Panel()->BackwardButton);
  EXPECT_EQ(t.Cell(), "2,4");
  // With a search column only that column is searched.
  t.g->SearchFooter()->AutoSearch = true;
  t.g->SearchFooter()->SearchColumn = 2;
  t.Panel()->EditControl->SetText("alpha");
  ProcessEvents();
  EXPECT_EQ(t.Cell(), "2,6");
  // ... and highlighted: the button down marks the text in that column only,
  // up again removes the marks.
  t.Click(t.Panel()->HiliteButton);
  ASSERT_TRUE(t.Panel()->HiliteButton->Down());
  EXPECT_EQ(t.g->GetCellEx(2, 6), "<hi>alpha</hi>bet");
  EXPECT_EQ(t.g->GetCellEx(1, 1), "alpha");
  t.Click(t.Panel()->HiliteButton);
  EXPECT_FALSE(t.Panel()->HiliteButton->Down());
  EXPECT_EQ(t.g->GetCellEx(2, 6), "alphabet");
  // A column that is not there: the whole grid again.
  t.g->SearchFooter()->SearchColumn = 9;
  t.Panel()->EditControl->SetText("omega");
  ProcessEvents();
  EXPECT_EQ(t.Cell(), "1,6");
}

TEST(SearchFooter, CloseHidesIt) {
  FooterGrid t;
  bool closed = false;
  t.g->OnSearchFooterClose = [&](TObject*) { closed = true; };
  t.Click(t.Panel()->ExitButton);
  EXPECT_TRUE(closed);
  EXPECT_FALSE(t.g->SearchFooter()->Visible());
  EXPECT_FALSE(t.Panel()->Visible());
}

TEST(FloatingFooterPanel, ShowsAtTheBottomAndReportsClicks) {
  InputGrid t(4, 6);
  t.g->FloatingFooter()->SetVisible(true);
  ProcessEvents();
  TFooterPanel* p = t.g->FooterPanel();
  ASSERT_NE(p, nullptr);
  EXPECT_TRUE(p->Visible());
  EXPECT_EQ(p->Top() + p->Height(), t.g->ClientHeight());
  int row = -1, col = -1;
  t.g->OnClickCell = [&](TObject*, int r, int c) {
    row = r;
    col = c;
  };
  const TRect cell = t.g->CellRect(2, 1);
  MouseClick(p, cell.Left + 5, p->Height() / 2);
  ProcessEvents();
  EXPECT_EQ(row, t.g->RowCount() - 1);
  EXPECT_EQ(col, 2);
  EXPECT_EQ(p->ColumnAt(100000), -1);
}

// In its main style the strip shows the grid's last row as totals under the
// columns: the sum's text is drawn in the strip under its column (a hidden column
// before it shifts it one column to the left), nothing under a column without a
// calculation, and the grid keeps its own last row blank.
TEST(FloatingFooterPanel, DrawsTheTotalsUnderTheirColumns) {
  InputGrid t(5, 6);
  for (int r = 1; r <= 4; ++r) t.g->SetCells(3, r, QString::number(r * 111));
  TFloatingFooter& f = *t.g->FloatingFooter();
  f.SetVisible(true);
  f.SetColumnCalc(3, acSUM);
  ProcessEvents();
  EXPECT_EQ(t.g->Cells(3, t.g->RowCount() - 1), "1110.00");
  TFooterPanel* p = t.g->FooterPanel();
  ASSERT_NE(p, nullptr);
  // Dark pixels (the black text) inside a display column's part of the strip,
  // away from its lines.
  auto darkUnder = [&](int displayCol) {
    int left = 0;
    for (int c = 0; c < displayCol; ++c) left += t.g->ColWidths(c);
    std::vector<TPoint> points;
    for (int y = 2; y < p->Height() - 2; ++y)
      for (int x = left + 2; x < left + t.g->ColWidths(displayCol) - 2; ++x) points.push_back({x, y});
    int dark = 0;
    for (TColor c : ShownPixels(p, points)) {
      const int r = c & 0xFF, g = (c >> 8) & 0xFF, b = (c >> 16) & 0xFF;
      dark += r + g + b < 3 * 0x60;
    }
    return dark;
  };
  EXPECT_GT(darkUnder(3), 8);
  EXPECT_EQ(darkUnder(2), 0);
  EXPECT_EQ(darkUnder(4), 0);
  EXPECT_TRUE(t.g->HideLastRow);
  t.g->HideColumn(1);
  p->Repaint();
  ProcessEvents();
  EXPECT_GT(darkUnder(2), 8);
  EXPECT_EQ(darkUnder(3), 0);
}

// The strip as shown: the column area in the footer's colour, the rest in the
// grid's, the border line only when a colour is set, and the template filled
// with the current row's texts.
TEST(FloatingFooterPanel, PaintsItsAreaBorderAndTemplate) {
  InputGrid t(4, 6);
  t.g->SetColor(static_cast<TColor>(0xE0E0E0));
  TFloatingFooter& f = *t.g->FloatingFooter();
  f.SetColor(static_cast<TColor>(0x00C000));
  f.SetFooterStyle(fsCustomPreview);
  f.SetVisible(true);
  ProcessEvents();
  TFooterPanel* p = t.g->FooterPanel();
  ASSERT_NE(p, nullptr);
  const int W = t.g->ColWidths(0) + t.g->ColWidths(1) + t.g->ColWidths(2) + t.g->ColWidths(3);
  const int mid = p->Height() / 2;
  auto shown = [&](int x, int y) { return ShownPixel(p, x, y); };
  auto inkIn = [&](TRect r) {  // pixels other than the footer's colour
    std::vector<TPoint> points;
    for (int y = r.Top; y < r.Bottom; ++y)
      for (int x = r.Left; x < r.Right; ++x) points.push_back({x, y});
    int ink = 0;
    for (TColor c : ShownPixels(p, points)) ink += c != 0x00C000;
    return ink;
  };
  EXPECT_EQ(shown(W + 20, mid), 0xE0E0E0);
  EXPECT_EQ(shown(W / 2, mid), 0x00C000);
  EXPECT_NE(shown(W / 2, 0), 0x0000FF);  // no border colour, no line
  // The template: the current row's column 2, nothing for an empty column.
  t.g->SetCells(2, 1, "WWWW");
  t.g->SetRow(1);
  f.SetCustomTemplate("<#3>");
  p->Repaint();
  ProcessEvents();
  const TRect text = Rect(3, 3, W / 2, p->Height() - 2);
  EXPECT_EQ(inkIn(text), 0);
  f.SetCustomTemplate("<b><#2></b>");
  p->Repaint();
  ProcessEvents();
  EXPECT_GT(inkIn(text), 10);
  f.SetBorderColor(static_cast<TColor>(0x0000FF));
  p->Repaint();
  ProcessEvents();
  EXPECT_EQ(shown(W / 2, 0), 0x0000FF);
  EXPECT_EQ(shown(W + 20, 0), 0xE0E0E0);  // the line ends with the columns
}

}  // namespace
