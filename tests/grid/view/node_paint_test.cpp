// The tree drawn in column 0: the node glyph shows a minus while its node is
// expanded and a plus once it is contracted, and the rows under a node get
// tree lines in the tree colour.
#include <gtest/gtest.h>

#include "grid/view/glyph_artwork.h"
#include "tests/grid/view/paint_fixture.h"

namespace {

int CountPixels(TPaintFixture<>& f, const TRect& r, TColor color) {
  int n = 0;
  for (int x = r.Left; x < r.Right; ++x)
    for (int y = r.Top; y < r.Bottom; ++y)
      if (f.Pixel(x, y) == color) ++n;
  return n;
}

TEST(NodePaint, GlyphShowsTheNodeStateAndChildRowsGetTreeLines) {
  TPaintFixture<> f;
  f.grid->CellNode()->SetTreeColor(clRed);
  f.grid->AddNode(1, 3);
  f.grid->AddNode(5, 2);
  f.Render();
  const TRect node = f.grid->CellRect(0, 1);
  const int frame = CountPixels(f, node, kNodeFrame);
  const int minus = CountPixels(f, node, kNodeSign);
  EXPECT_EQ(frame, 4 * 8);  // the 9 by 9 box's frame
  EXPECT_GT(minus, 0);
  // A row under the node shows its tree line; a row in no node shows none.
  EXPECT_GT(CountPixels(f, f.grid->CellRect(0, 2), clRed), 0);
  EXPECT_EQ(CountPixels(f, f.grid->CellRect(0, 8), clRed), 0);
  f.grid->ContractNode(1);
  f.Render();
  const int plus = CountPixels(f, f.grid->CellRect(0, 1), kNodeSign);
  EXPECT_GT(plus, minus);  // the minus gained its vertical bar
  // The contracted node's rows left the view: row 3 is now the second node.
  EXPECT_EQ(CountPixels(f, f.grid->CellRect(0, 3), kNodeFrame), 4 * 8);
}

}  // namespace
