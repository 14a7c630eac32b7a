// Rich-text cells drawn by the grid: the hidden rich edit renders the cell's
// RTF (paragraphs on their own lines, never the RTF source), and a selected,
// unfocused cell takes the selection's text colour unless SelectionRTFKeep.
#include <gtest/gtest.h>

#include "tests/grid/view/paint_fixture.h"

namespace {

int Count(TPaintFixture<>& f, const TRect& r, bool (*match)(TColor)) {
  int n = 0;
  for (int y = r.Top; y < r.Bottom; ++y)
    for (int x = r.Left; x < r.Right; ++x)
      if (match(f.Pixel(x, y))) ++n;
  return n;
}

bool Dark(TColor c) { return (c & 0xFF) < 0x60 && ((c >> 8) & 0xFF) < 0x60 && ((c >> 16) & 0xFF) < 0x60; }
bool Reddish(TColor c) { return (c & 0xFF) > 0xA0 && ((c >> 8) & 0xFF) < 0x60 && ((c >> 16) & 0xFF) < 0x60; }

TEST(RichTextCells, ParagraphsAreRenderedOnTheirOwnLines) {
  TPaintFixture<> f;
  f.grid->SetColWidths(1, 120);
  f.grid->SetRowHeights(1, 60);
  f.grid->SetCells(1, 1, "{\\rtf1{\\fonttbl{\\f0 Arial;}}\\f0 WWWW\\par MMMM\\par}");
  f.grid->SetCells(2, 1, "");
  f.grid->FocusCell(2, 1);
  f.Render();
  const TRect cell = f.grid->CellRect(1, 1);
  // Two lines of text: two bands of pixel rows holding dark pixels, with a gap
  // between; the font table and control words are not drawn (a plain
  // "{\rtf1..." text would run on into the cell's right part).
  int bands = 0;
  bool inBand = false;
  for (int y = cell.Top; y < cell.Bottom; ++y) {
    const bool dark = Count(f, TRect{cell.Left, y, cell.Right, y + 1}, Dark) > 0;
    if (dark && !inBand) ++bands;
    inBand = dark;
  }
  EXPECT_EQ(bands, 2);
  EXPECT_EQ(Count(f, TRect{cell.Left + 80, cell.Top, cell.Right, cell.Bottom}, Dark), 0);
}

TEST(RichTextCells, ASelectedCellTakesTheSelectionTextColourUnlessKept) {
  struct Case {
    const char* what;
    bool keep;
    bool red;
  } cases[] = {{"selection colour", false, true}, {"own colours kept", true, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TPaintFixture<> f;
    f.grid->SetOptions(f.grid->Options() + goRangeSelect);
    f.grid->SetColWidths(1, 120);
    f.grid->SetCells(1, 1, "{\\rtf1 WWWWWW}");
    f.grid->SetSelectionTextColor(clRed);
    f.grid->SelectionRTFKeep = c.keep;
    f.grid->SetSelection({1, 1, 2, 1});  // the current cell is (2, 1): (1, 1) is selected, not focused
    f.Render();
    const TRect cell = f.grid->CellRect(1, 1);
    EXPECT_EQ(Count(f, cell, Reddish) > 10, c.red);
    EXPECT_EQ(Count(f, cell, Dark) > 10, !c.red);
  }
}

}  // namespace
