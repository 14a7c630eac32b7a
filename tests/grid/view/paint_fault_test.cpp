// A fault while painting one cell stays with that cell: it is left blank, the
// other cells paint, and the fault is reported once, after the paint.
#include <gtest/gtest.h>

#include <stdexcept>

#include "tests/grid/view/paint_fixture.h"
#include "tests/support/scripted_ui.h"
#include "tests/support/ui_input.h"

namespace {

TEST(PaintFault, FaultyCellIsLeftBlankAndReportedOnceAfterThePaint) {
  ScriptedUi ui;
  ui.ExpectMessage("no colour for this cell", mrOk);
  TPaintFixture<> f;
  f.grid->SetColors(2, 2, clYellow);
  f.grid->SetColors(3, 2, clYellow);
  f.grid->OnGetCellColor = [](TObject*, int r, int c, TGridDrawState, TBrush*, TFont*) {
    if (c == 2 && r == 2) throw std::runtime_error("no colour for this cell");
  };
  auto inside = [&](int c, int r) {
    const TRect rc = f.grid->CellRect(c, r);
    return f.Pixel(rc.Left + 3, rc.Bottom - 3);
  };
  ASSERT_NO_THROW(f.Render());
  EXPECT_EQ(inside(2, 2), ColorToRGB(f.grid->Color()));
  EXPECT_EQ(inside(3, 2), ColorToRGB(clYellow));
  EXPECT_TRUE(ui.Messages.empty());  // nothing is shown from inside the paint
  ProcessEvents();
  EXPECT_EQ(ui.Messages.size(), 1u);
  // The same fault in later paints is not reported again.
  ASSERT_NO_THROW(f.Render());
  ProcessEvents();
  EXPECT_EQ(ui.Messages.size(), 1u);
}

TEST(PaintFault, FaultAfterTheCellsIsContainedToo) {
  ScriptedUi ui;
  ui.ExpectMessage("painted handler", mrOk);
  TPaintFixture<> f;
  f.grid->OnPainted = [](TObject*) { throw std::runtime_error("painted handler"); };
  ASSERT_NO_THROW(f.Render());
  EXPECT_TRUE(ui.Messages.empty());
  ProcessEvents();
  EXPECT_EQ(ui.Messages.size(), 1u);
}

}  // namespace
