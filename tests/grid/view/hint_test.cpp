// Cell hints: what OnGridHint receives, where the hint shows, header cells, a
// comment, a text too large for its cell and the mini-HTML hint window.
#include <gtest/gtest.h>

#include "grid/view/ex_string_grid.h"
#include "platform/ui/hint_info.h"

namespace {

struct THintCase {
  TExStringGrid g{nullptr};
  THintCase() {
    g.HintShowCells = true;
    g.SetColWidths(2, 120);
  }
  // Builds the hint with the mouse at the middle of the cell, 5 pixels from its
  // left edge; the starting text stands for the grid's own Hint.
  QString Build(int col, int row, THintInfo& info, const QString& start = "grid hint") {
    const TRect r = g.CellRect(col, row);
    info.CursorPos = {r.Left + 5, (r.Top + r.Bottom) / 2};
    QString hint = start;
    g.BuildCellHint(hint, info);
    return hint;
  }
};

TEST(Hint, HandlerGetsDisplayIndexesAndTheStrippedText) {
  THintCase h;
  h.g.HideColumn(1);  // display column 2 is real column 3
  h.g.SetCellEx(3, 2, "<b>bold</b> text");
  int seenCol = -1, seenRow = -1;
  QString seen;
  h.g.OnGridHint = [&](TObject*, int ARow, int ACol, QString& hint) {
    seenCol = ACol;
    seenRow = ARow;
    seen = hint;
    hint = "from the editor";
  };
  THintInfo info;
  const QString hint = h.Build(2, 2, info);
  EXPECT_EQ(seenCol, 2);
  EXPECT_EQ(seenRow, 2);
  EXPECT_EQ(seen, "bold text");
  EXPECT_EQ(hint, "from the editor");
  const TRect r = h.g.CellRect(2, 2);
  EXPECT_EQ(info.HintPos, h.g.ClientToScreen({r.Left + 5, r.Top}));
  EXPECT_EQ(info.HintWindowClass, hwcStandard);
  EXPECT_EQ(info.HintColor, clInfoBk);
}

TEST(Hint, HeaderCellsKeepTheGridsOwnHint) {
  THintCase h;
  h.g.SetCellEx(2, 0, "Header");
  THintInfo info;
  EXPECT_EQ(h.Build(2, 0, info), "grid hint");
  const TRect r = h.g.CellRect(2, 0);
  EXPECT_EQ(info.HintPos, h.g.ClientToScreen({r.Left + 5, r.Bottom + 6}));
}

TEST(Hint, CommentShowsAtTheTopRightCorner) {
  THintCase h;
  h.g.HintShowCells = false;
  h.g.AddComment(2, 0, "a note");
  THintInfo info;
  EXPECT_EQ(h.Build(2, 0, info), "a note");
  const TRect r = h.g.CellRect(2, 0);
  EXPECT_EQ(info.HintPos, h.g.ClientToScreen({r.Right, r.Top}));
}

TEST(Hint, LargeTextAtTheCellsCorner) {
  THintCase h;
  h.g.HintShowCells = false;
  h.g.HintShowLargeText = true;
  h.g.SetCellEx(3, 2, "short");
  h.g.SetCellEx(2, 2, "a text far too long to fit into one cell of this grid at all");
  THintInfo info;
  EXPECT_EQ(h.Build(3, 2, info), "grid hint");
  EXPECT_EQ(h.Build(2, 2, info), "a text far too long to fit into one cell of this grid at all");
  const TRect r = h.g.CellRect(2, 2);
  EXPECT_EQ(info.HintPos, h.g.ClientToScreen({r.Left, r.Top}));
}

TEST(Hint, MiniHtmlHintsUseTheirOwnWindow) {
  THintCase h;
  h.g.OnGridHint = [](TObject*, int, int, QString& hint) { hint = "<B>bold</B>"; };
  h.g.ControlLook()->HintMaxWidth = 250;
  THintInfo info;
  h.Build(2, 2, info);
  EXPECT_EQ(info.HintWindowClass, hwcHTML);
  EXPECT_EQ(info.HintData, &h.g);
  EXPECT_EQ(info.HintMaxWidth, 250);
}

TEST(Hint, NoCellUnderTheMouseChangesOnlyColourAndWidth) {
  THintCase h;
  h.g.HintColor = clYellow;
  THintInfo info;
  info.CursorPos = {h.g.Width() - 2, h.g.Height() - 2};  // below the last row
  info.HintPos = {7, 7};
  h.g.SetRowCount(2);
  QString hint = "kept";
  h.g.BuildCellHint(hint, info);
  EXPECT_EQ(hint, "kept");
  EXPECT_EQ(info.HintPos, (TPoint{7, 7}));
  EXPECT_EQ(info.HintColor, clYellow);
}

}  // namespace

namespace {

// The class library's hint message reaches the grid's hint building.
TEST(Hint, HintShowMessageBuildsTheCellHint) {
  THintCase h;
  h.g.SetCellEx(2, 2, "cell text");
  const TRect r = h.g.CellRect(2, 2);
  QString text = "grid hint";
  THintInfo info;
  info.CursorPos = {r.Left + 3, r.Top + 3};
  THintShowRequest request{&text, &info};
  h.g.Perform(CM_HINTSHOW, 0, reinterpret_cast<intptr_t>(&request));
  EXPECT_EQ(text, "cell text");
}

}  // namespace
